// Buttons of a skinned frame: image buttons, the caption buttons that run frame commands, animations.
#include "skin/frame/TskSkinButtonObject.h"

#include <algorithm>
#include <utility>

#include "gfx/Canvas.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/frame/DefaultFrame.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

// --- TskSkinButtonObject ---

TskSkinButtonObject::TskSkinButtonObject(FrameObjectHost& host, const FramePictures* pictures,
                                         const TskDataSkinButton* record)
    : TskActiveSkinObject(host, pictures, record) {
  if (record == nullptr) return;
  // Both looks come from the object's own picture; without one there are none.
  if (OwnPicture == nullptr) return;
  downrect = record->downrect;
  disableskinrsect = record->disableskinrsect;
}

bool TskSkinButtonObject::MorphInProgress() const {
  if (Pressed && HasPopup) return false;
  return TskActiveSkinObject::MorphInProgress();
}

bool TskSkinButtonObject::DrawButtonLook(gfx::Canvas& canvas) {
  if (!IsEnabled && !IsNullRect(disableskinrsect)) {
    DrawPiece(canvas, OwnPicture, disableskinrsect);
    return true;
  }
  if (Pressed && Hovered && !IsNullRect(downrect)) {
    DrawPiece(canvas, OwnPicture, downrect);
    return true;
  }
  return false;
}

void TskSkinButtonObject::DrawObject(gfx::Canvas& canvas, bool draw_normal) {
  if (DrawButtonLook(canvas)) return;
  TskActiveSkinObject::DrawObject(canvas, draw_normal);
}

void TskSkinButtonObject::SetDown(bool value) {
  Pressed = value;
  if (morphing && Highlighted) MorphProgress = 1;
  host_.RedrawObject(*this);
  if (morphing && !Pressed) StartStateChange();
}

void TskSkinButtonObject::MouseDown(int32_t x, int32_t y, FrameMouseButton button) {
  if (!IsEnabled) return;
  if (button == FrameMouseButton::kLeft && !Pressed) SetDown(true);
  TskActiveSkinObject::MouseDown(x, y, button);
}

void TskSkinButtonObject::MouseUp(int32_t x, int32_t y, FrameMouseButton button) {
  if (!IsEnabled) return;
  if (button == FrameMouseButton::kLeft && !HasPopup && Pressed) SetDown(false);
  TskActiveSkinObject::MouseUp(x, y, button);
}

void TskSkinButtonObject::MouseEnter() {
  Hovered = true;
  Highlighted = true;
  if (!IsNullRect(downrect) && Pressed) {
    // Back over a held button: the pressed look at once.
    if (morphing) MorphProgress = 1;
    host_.RedrawObject(*this);
  } else if (!IsNullRect(activeskinrect)) {
    StartStateChange();
  }
  host_.ObjectMouseEnterEvent(IDName);
}

void TskSkinButtonObject::MouseLeave() {
  Hovered = false;
  Highlighted = false;
  if (!(Pressed && HasPopup)) {
    host_.RedrawObject(*this);
    StartStateChange();
  }
  host_.ObjectMouseLeaveEvent(IDName);
}

// --- TskSkinStdButtonObject ---

TskSkinStdButtonObject::TskSkinStdButtonObject(FrameObjectHost& host, const FramePictures* pictures,
                                               const TskDataSkinStdButton* record)
    : TskSkinButtonObject(host, pictures, record), HasSkinData(true) {
  if (record == nullptr) return;
  command = record->command;
  if (OwnPicture == nullptr) return;
  restorerect = record->restorerect;
  restoreactiverect = record->restoreactiverect;
  restoredownrect = record->restoredownrect;
  restoreinactiverect = record->restoreinactiverect;
}

TskSkinStdButtonObject::TskSkinStdButtonObject(FrameObjectHost& host, std::string id, SkinCommand cmd)
    : TskSkinButtonObject(host, nullptr, nullptr), command(cmd) {
  IDName = std::move(id);
  skinrect = activeskinrect = downrect = {0, 0, 1, 1};
  skinrectinapicture = true;
  ObjectRect = skinrect;
}

bool TskSkinStdButtonObject::ShowsRestore() const {
  switch (command) {
    case SkinCommand::cmmaximize: return host_.WindowState() == FrameWindowState::kMaximized;
    case SkinCommand::cmminimize: return host_.WindowState() == FrameWindowState::kMinimized;
    case SkinCommand::cmrollup: return host_.RolledUp();
    default: return false;
  }
}

void TskSkinStdButtonObject::DrawObject(gfx::Canvas& canvas, bool draw_normal) {
  if (!HasSkinData) {
    DrawDefaultFrameButton(canvas, ObjectRect, command, DefaultButtonLook{Pressed, Hovered, IsEnabled, ShowsRestore()});
    return;
  }
  if (IsEnabled && !IsNullRect(restorerect) && ShowsRestore()) {
    if (!host_.IsFormActive() && !IsNullRect(restoreinactiverect)) {
      DrawPiece(canvas, OwnPicture, restoreinactiverect);
      return;
    }
    if (Pressed && Hovered && !IsNullRect(restoredownrect)) {
      DrawPiece(canvas, OwnPicture, restoredownrect);
      return;
    }
    DrawLook(canvas, draw_normal, restorerect, restoreactiverect);
    return;
  }
  TskSkinButtonObject::DrawObject(canvas, draw_normal);
}

void TskSkinStdButtonObject::DblClick() {
  if (command == SkinCommand::cmsysmenu) host_.RunCommand(SkinCommand::cmclose);
}

void TskSkinStdButtonObject::MouseDown(int32_t, int32_t, FrameMouseButton button) {
  if (!IsEnabled || button != FrameMouseButton::kLeft || Pressed) return;
  if (command == SkinCommand::cmsysmenu) HasPopup = true;
  SetDown(true);
  if (command == SkinCommand::cmsysmenu) host_.PopupSystemMenuAt(ObjectRect);
}

void TskSkinStdButtonObject::MouseUp(int32_t x, int32_t y, FrameMouseButton button) {
  // The command runs only while the cursor is still over the button; the system menu button
  // did its work on the press.
  auto runs = [&] {
    return IsEnabled && Highlighted && button == FrameMouseButton::kLeft && command != SkinCommand::cmsysmenu;
  };
  if (command == SkinCommand::cmclose) {
    bool run = runs();
    TskSkinButtonObject::MouseUp(x, y, button);
    // Closing may free the frame and this object: nothing is touched afterwards.
    if (run) host_.RunCommand(command);
    return;
  }
  if (runs()) host_.RunCommand(command);
  TskSkinButtonObject::MouseUp(x, y, button);
}

// --- TskSkinAnimateObject ---

TskSkinAnimateObject::TskSkinAnimateObject(FrameObjectHost& host, const FramePictures* pictures,
                                           const TskDataSkinAnimate* record)
    : TskActiveSkinObject(host, pictures, record) {
  morphing = false;
  if (record == nullptr) return;
  countframes = std::max(record->countframes, 1);
  cycle = record->cycle;
  buttonstyle = record->buttonstyle;
  interval = std::max(record->timerinterval, 25);
  command = record->command;
  // The strip of frames starts at activeskinrect's top-left in the object's own picture.
  if (OwnPicture == nullptr) return;
  activeskinrect = record->activeskinrect;
}

void TskSkinAnimateObject::DrawObject(gfx::Canvas& canvas, bool) {
  const int32_t w = RectWidth(skinrect), h = RectHeight(skinrect);
  const gfx::Rect piece = gfx::Rect::FromSize(activeskinrect.left + w * (CurrentFrame - 1), activeskinrect.top, w, h);
  DrawPiece(canvas, OwnPicture, piece);
}

void TskSkinAnimateObject::DblClick() {
  if (command == SkinCommand::cmsysmenu) host_.RunCommand(SkinCommand::cmclose);
}

void TskSkinAnimateObject::MouseUp(int32_t x, int32_t y, FrameMouseButton button) {
  TskActiveSkinObject::MouseUp(x, y, button);
  if (!Hovered || !buttonstyle || button != FrameMouseButton::kLeft) return;
  if (command == SkinCommand::cmsysmenu) {
    host_.PopupSystemMenuAt(ObjectRect);
    return;
  }
  host_.RunCommand(command);
}

void TskSkinAnimateObject::MouseEnter() {
  Hovered = true;
  if (buttonstyle) {
    Highlighted = true;
    Forward = true;
    host_.StartAnimationTimer();
  }
  host_.ObjectMouseEnterEvent(IDName);
}

void TskSkinAnimateObject::MouseLeave() {
  if (!Hovered) return;
  Hovered = false;
  if (buttonstyle) {
    // Played backwards to the first frame, where it stops.
    Highlighted = true;
    Forward = false;
    host_.StartAnimationTimer();
  }
  host_.ObjectMouseLeaveEvent(IDName);
}

bool TskSkinAnimateObject::Advance() {
  if (Accumulator < interval) {
    Accumulator += 25;
    return false;
  }
  if (Forward) {
    ++CurrentFrame;
    if (CurrentFrame > countframes) CurrentFrame = 1;
    if (!cycle && CurrentFrame == countframes) Highlighted = false;
  } else {
    --CurrentFrame;
    if (CurrentFrame < 1) CurrentFrame = countframes;
    if (CurrentFrame == 1) Highlighted = false;
  }
  host_.RedrawObject(*this);
  Accumulator = 25;
  return true;
}

}  // namespace skin
