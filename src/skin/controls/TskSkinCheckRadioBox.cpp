// TskSkinCheckRadioBox: the skinned check box and radio button, flat on its parent or with its own face.
#include "skin/controls/TskSkinCheckRadioBox.h"

#include <algorithm>
#include <vector>

#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"
#include "ui/Application.h"
#include "ui/ImageList.h"

namespace skin {

void CheckRadioSkinFields::Copy(const TskDataSkinCheckRadioControl& r) {
  fontname = r.fontname;
  fontheight = r.fontheight;
  fontstyle = r.fontstyle;
  fontcolor = r.fontcolor;
  activefontcolor = r.activefontcolor;
  unenabledfontcolor = r.unenabledfontcolor;
  framefontcolor = r.framefontcolor;
  activeskinrect = IsNullRect(r.activeskinrect) ? r.skinrect : r.activeskinrect;
  checkimagearea = r.checkimagearea;
  textarea = r.textarea;
  checkimagerect = r.checkimagerect;
  uncheckimagerect = r.uncheckimagerect;
  activecheckimagerect = IsNullRect(r.activecheckimagerect) ? r.checkimagerect : r.activecheckimagerect;
  activeuncheckimagerect = IsNullRect(r.activeuncheckimagerect) ? r.uncheckimagerect : r.activeuncheckimagerect;
  unenabledcheckimagerect = IsNullRect(r.unenabledcheckimagerect) ? r.checkimagerect : r.unenabledcheckimagerect;
  unenableduncheckimagerect =
      IsNullRect(r.unenableduncheckimagerect) ? r.uncheckimagerect : r.unenableduncheckimagerect;
  morphing = r.morphing;
  morphkind = r.morphkind;
}

const gfx::Rect& CheckRadioSkinFields::CheckImage(bool enabled, bool hot, bool checked) const {
  if (enabled && hot) return checked ? activecheckimagerect : activeuncheckimagerect;
  if (enabled) return checked ? checkimagerect : uncheckimagerect;
  return checked ? unenabledcheckimagerect : unenableduncheckimagerect;
}

TskSkinCheckRadioBox::TskSkinCheckRadioBox() {
  SetSkinDataName("checkbox");
  SetTabStop(false);
  SetBounds(0, 0, 150, 25);
}

TskSkinCheckRadioBox::~TskSkinCheckRadioBox() { *alive_ = false; }

// --- properties ---

void TskSkinCheckRadioBox::SetChecked(bool v) {
  std::shared_ptr<bool> alive = alive_;
  checked_ = v;
  Invalidate();
  if (v && group_index_ != 0 && Parent() != nullptr) {
    ui::Application* app = ui::Application::Current();
    const uint64_t epoch = app != nullptr ? app->DestroyEpoch() : 0;
    std::vector<ui::Control*> siblings;
  Parent()->ForEachChild([&](ui::Control& c) { siblings.push_back(&c); });
    for (ui::Control* c : siblings) {
      auto* other = dynamic_cast<TskSkinCheckRadioBox*>(c);
      if (other == nullptr || other == this || other->group_index_ != group_index_ || !other->checked_) continue;
      other->SetChecked(false);
      if (!*alive) return;
      // A handler that destroyed controls leaves the rest of the list unusable.
      if (app != nullptr && app->DestroyEpoch() != epoch) break;
    }
  }
  if ((!radio_ || checked_) && OnClick) OnClick(this);
}

void TskSkinCheckRadioBox::Toggle() {
  if (!radio_) {
    SetChecked(!checked_);
    return;
  }
  if (!checked_) SetChecked(true);
}

void TskSkinCheckRadioBox::SetRadio(bool v) {
  radio_ = v;
  Invalidate();
}

void TskSkinCheckRadioBox::SetFlat(bool v) {
  if (v == flat_) return;
  flat_ = v;
  StopFade();
  fade_.SetNormal();
  if (SkinData() != nullptr) {
    ApplySkin();
    return;
  }
  Invalidate();
}

void TskSkinCheckRadioBox::SetCanFocused(bool v) {
  can_focused_ = v;
  SetTabStop(v);
}

void TskSkinCheckRadioBox::SetImages(ui::ImageList* images) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = images;
  if (images != nullptr) FreeNotification(images);
  Invalidate();
}

void TskSkinCheckRadioBox::SetImageIndex(int index) {
  image_index_ = index;
  Invalidate();
}

void TskSkinCheckRadioBox::Notification(ui::Component* component, Operation operation) {
  TskSkinCustomControl::Notification(component, operation);
  if (operation == Operation::kRemove && component == images_) images_ = nullptr;
}

// --- skin and size ---

void TskSkinCheckRadioBox::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  if (const auto* record = SkinRecordAs<TskDataSkinCheckRadioControl>()) fields_.Copy(*record);
  if (flat_) fields_.morphing = false;
}

void TskSkinCheckRadioBox::ApplySkin() {
  StopFade();
  fade_.SetNormal();
  if (flat_) {
    LoadSkinRecord();
    UpdateSkinRegion();
    Invalidate();
    return;
  }
  TskSkinCustomControl::ApplySkin();
  if (Morphs() && (hovered_ || HasFocusLook())) fade_.SetActive();
}

void TskSkinCheckRadioBox::FitSizeToSkin(int32_t& width, int32_t& height) {
  // A flat box takes whatever size it is given.
  if (!flat_) TskSkinCustomControl::FitSizeToSkin(width, height);
}

void TskSkinCheckRadioBox::UpdateSkinRegion() {
  if (!flat_) {
    TskSkinCustomControl::UpdateSkinRegion();
    return;
  }
  if (Shape() != nullptr) SetShape(std::nullopt);
}

void TskSkinCheckRadioBox::SetBounds(int left, int top, int width, int height) {
  if (flat_) {
    TskSkinControl::SetBounds(left, top, width, height);
    return;
  }
  TskSkinCustomControl::SetBounds(left, top, width, height);
}

// --- focus and keys ---

bool TskSkinCheckRadioBox::CanFocus() const { return can_focused_ && TskSkinCustomControl::CanFocus(); }

bool TskSkinCheckRadioBox::HandleAccelerator() {
  if (!can_focused_ || !CanFocus()) return false;
  std::shared_ptr<bool> alive = alive_;
  SetFocus();
  if (*alive) Toggle();
  return true;
}

bool TskSkinCheckRadioBox::WantsKey(uint16_t key) const { return can_focused_ && key == platform::kVkSpace; }

void TskSkinCheckRadioBox::KeyUp(uint16_t& key, ui::ShiftState shift) {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::KeyUp(key, shift);
  if (!*alive || !can_focused_ || key != platform::kVkSpace || !HasFocusLook()) return;
  key = 0;
  Toggle();
}

void TskSkinCheckRadioBox::DoEnter() {
  has_focus_ = true;
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::DoEnter();
  if (*alive) RefreshState();
}

void TskSkinCheckRadioBox::DoExit() {
  has_focus_ = false;
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::DoExit();
  if (*alive) RefreshState();
}

// --- mouse ---

void TskSkinCheckRadioBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  // The form gives a focusable control the focus before the press arrives; a button that can
  // take the focus but cannot have it now takes no press.
  if (button == ui::MouseButton::kLeft && can_focused_ && !CanFocus()) return;
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  if (!*alive) return;
  if (button == ui::MouseButton::kLeft) mouse_pressed_ = true;
  if (!hovered_) {
    hovered_ = true;
    RefreshState();
  }
}

void TskSkinCheckRadioBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseUp(button, shift, x, y);
  if (!*alive || button != ui::MouseButton::kLeft || !mouse_pressed_) return;
  mouse_pressed_ = false;
  if (hovered_ && gfx::Rect{0, 0, Width(), Height()}.Contains({x, y})) Toggle();
}

void TskSkinCheckRadioBox::MouseEnter() {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseEnter();
  if (!*alive) return;
  hovered_ = true;
  RefreshState();
}

void TskSkinCheckRadioBox::MouseLeave() {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseLeave();
  if (!*alive) return;
  hovered_ = false;
  RefreshState();
}

// --- fading ---

void TskSkinCheckRadioBox::RefreshState() {
  if (!Morphs()) {
    Invalidate();
    return;
  }
  if (fading_) return;
  fading_ = true;
  SetTimer(kFadeTimer, MorphFade::kTickMs);
}

void TskSkinCheckRadioBox::StopFade() {
  if (!fading_) return;
  fading_ = false;
  KillTimer(kFadeTimer);
}

void TskSkinCheckRadioBox::TimerTick(uintptr_t id) {
  if (id != kFadeTimer) {
    TskSkinCustomControl::TimerTick(id);
    return;
  }
  const bool lit = hovered_ || HasFocusLook();
  if (!Morphs()) {
    if (lit) fade_.SetActive();
    else fade_.SetNormal();
    StopFade();
  } else if (!fade_.Tick(lit)) {
    StopFade();
  }
  Invalidate();
}

void TskSkinCheckRadioBox::EnabledChanged() {
  StopFade();
  fade_.SetNormal();
  hovered_ = false;
  mouse_pressed_ = false;
  TskSkinCustomControl::EnabledChanged();
  Invalidate();
}

// --- painting ---

int TskSkinCheckRadioBox::DrawListImage(gfx::Canvas& canvas, int x) {
  if (images_ == nullptr || !images_->ValidIndex(image_index_)) return 0;
  images_->Draw(canvas, x, Height() / 2 - images_->Height() / 2, image_index_, EffectivelyEnabled());
  return images_->Width() + 5;
}

void TskSkinCheckRadioBox::DrawFocus(gfx::Canvas& canvas, const gfx::Rect& caption, const gfx::Rect& image) {
  if (!HasFocusLook()) return;
  if (!Caption().empty()) {
    canvas.DrawFocusRect({caption.left - 2, caption.top - 1, caption.right + 3, caption.bottom + 1});
    return;
  }
  if (!image.IsEmpty()) canvas.DrawFocusRect({image.left - 1, image.top - 1, image.right + 1, image.bottom + 1});
}

namespace {

// Draws the caption on one line from (x, y) up to `right`; returns where it lies (its measured size).
gfx::Rect DrawCaptionLine(gfx::Canvas& canvas, int x, int y_centre, int right, const std::string& caption) {
  gfx::Rect measured{x, 0, x, 0};
  canvas.DrawText(measured, caption, gfx::kDtSingleLine | gfx::kDtCalcRect);
  const int th = measured.Height();
  const int y = y_centre - th / 2;
  gfx::Rect box{x, y, std::max(x, right), y + th};
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.DrawText(box, caption, gfx::kDtSingleLine | gfx::kDtVCenter);
  return {x, y, std::min(x + measured.Width(), box.right), y + th};
}

}  // namespace

void TskSkinCheckRadioBox::DrawPlainBox(gfx::Canvas& canvas, int text_x) {
  const int w = Width(), h = Height();
  const bool enabled = EffectivelyEnabled();
  const gfx::Rect square{3, h / 2 - 7, 17, h / 2 + 7};
  canvas.FrameRect(square, hovered_ ? kPlainFrame : ui::kColorBtnShadow);
  if (checked_) {
    const gfx::Color mark = enabled ? gfx::kBlack : ui::kColorBtnShadow;
    if (radio_) DrawRadioMark(canvas, 7, h / 2 - 3, mark);
    else DrawCheckMark(canvas, 7, h / 2 - 4, mark);
  }
  gfx::Font font = DefaultFont();
  if (!enabled) font.SetColor(ui::kColorBtnShadow);
  canvas.SetFont(font);
  const int x = text_x + DrawListImage(canvas, text_x);
  const gfx::Rect caption = DrawCaptionLine(canvas, x, h / 2, w - 2, Caption());
  DrawFocus(canvas, caption, square);
}

gfx::Size TskSkinCheckRadioBox::CheckImageSize(bool hot) const {
  const gfx::Rect& r = fields_.CheckImage(EffectivelyEnabled(), hot, checked_);
  if (IsNullRect(r)) return {0, 0};
  return {r.Width(), r.Height()};
}

gfx::Size TskSkinCheckRadioBox::DrawCheckImage(gfx::Canvas& canvas, gfx::Point at, bool hot) {
  const gfx::Rect& r = fields_.CheckImage(EffectivelyEnabled(), hot, checked_);
  const gfx::Bitmap* pic = Picture();
  if (pic == nullptr || IsNullRect(r)) return {0, 0};
  // The bottom-left pixel keys the image's transparent colour; a rectangle reaching past its
  // picture has no such pixel and is copied as it is (clipped to the picture).
  const gfx::Point key{r.left, r.bottom - 1};
  if (pic->Bounds().Contains(key)) {
    canvas.CopyTransparent(at, *pic, r, pic->Pixel(key.x, key.y));
  } else {
    canvas.CopyRect(at, *pic, r);
  }
  return {r.Width(), r.Height()};
}

void TskSkinCheckRadioBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
  if (flat_) {
    DrawParentBackgroundInto(bitmap);
    gfx::Canvas canvas(bitmap);
    DrawPlainBox(canvas, 22);
    return;
  }
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
  if (HasFocusLook() || hovered_) canvas.FrameRect(bitmap.Bounds(), ui::kColorBtnShadow);
  DrawPlainBox(canvas, 19);
}

void TskSkinCheckRadioBox::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (!flat_) {
    const bool lit = hovered_ || HasFocusLook();
    if (fields_.morphing && fade_.Blending() && EffectivelyEnabled()) {
      DrawFace(bitmap, Geometry().skinrect, false);
      DrawFace(active_scratch_, fields_.activeskinrect, true);
      MorphInto(bitmap, active_scratch_, fields_.morphkind, fade_.Factor());
      return;
    }
    DrawFace(bitmap, lit ? fields_.activeskinrect : Geometry().skinrect, lit);
    return;
  }
  DrawParentBackgroundInto(bitmap);
  gfx::Canvas canvas(bitmap);
  const int w = Width(), h = Height();
  const gfx::Size image = CheckImageSize(hovered_);
  const gfx::Point at{3, h / 2 - image.height / 2};
  DrawCheckImage(canvas, at, hovered_);
  const bool enabled = EffectivelyEnabled();
  canvas.SetFont(SkinTextFont(UseSkinFont(), DefaultFont(), fields_.fontname, fields_.fontheight, fields_.fontstyle,
                              enabled ? fields_.framefontcolor : fields_.unenabledfontcolor));
  const int text_x = image.width + 7;
  const int x = text_x + DrawListImage(canvas, text_x);
  const gfx::Rect caption = DrawCaptionLine(canvas, x, h / 2, w - 2, Caption());
  DrawFocus(canvas, caption, gfx::Rect::FromSize(at.x, at.y, image.width, image.height));
}

void TskSkinCheckRadioBox::DrawFace(gfx::Bitmap& bitmap, const gfx::Rect& source, bool active) {
  if (!DrawSkinPart(bitmap, Picture(), source)) return;
  gfx::Canvas canvas(bitmap);
  const int dw = Width() - Geometry().skinrect.Width();
  // The text area widens with the box; a check image area right of it moves along.
  const gfx::Rect text{fields_.textarea.left, fields_.textarea.top, fields_.textarea.right + dw,
                       fields_.textarea.bottom};
  gfx::Rect area = fields_.checkimagearea;
  if (area.left >= fields_.textarea.right) area = area.Offset(dw, 0);
  const gfx::Size image = CheckImageSize(hovered_);
  DrawCheckImage(canvas, {area.left + (area.Width() - image.width) / 2, area.top + (area.Height() - image.height) / 2},
                 hovered_);
  const bool enabled = EffectivelyEnabled();
  const gfx::Color color = !enabled ? fields_.unenabledfontcolor : active ? fields_.activefontcolor : fields_.fontcolor;
  canvas.SetFont(
      SkinTextFont(UseSkinFont(), DefaultFont(), fields_.fontname, fields_.fontheight, fields_.fontstyle, color));
  canvas.Brush().style = gfx::BrushStyle::kClear;
  gfx::Rect box = text;
  canvas.DrawText(box, Caption(), gfx::kDtSingleLine | gfx::kDtVCenter);
}

}  // namespace skin
