// Buttons of a skinned frame: image buttons, the caption buttons that run frame commands, animations.
#pragma once

#include <cstdint>

#include "skin/frame/TskActiveSkinObject.h"

namespace skin {

class TskDataSkinAnimate;
class TskDataSkinButton;
class TskDataSkinStdButton;

class TskSkinButtonObject : public TskActiveSkinObject {
 public:
  TskSkinButtonObject(FrameObjectHost& host, const FramePictures* pictures, const TskDataSkinButton* record);
  Kind GetKind() const override { return Kind::kButton; }
  bool MorphInProgress() const override;
  void DrawObject(gfx::Canvas& canvas, bool draw_normal) override;
  void MouseDown(int32_t x, int32_t y, FrameMouseButton button) override;
  void MouseUp(int32_t x, int32_t y, FrameMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Pressed := value, shown at once; a release fades back to the hovered or normal look.
  void SetDown(bool value);

  gfx::Rect downrect;
  gfx::Rect disableskinrsect;
  bool Pressed = false;
  // The button opens a menu on a press and stays pressed until that menu closes.
  bool HasPopup = false;

 protected:
  // Draws the pressed and disabled looks; false when neither applies.
  bool DrawButtonLook(gfx::Canvas& canvas);
};

// A caption button: close, maximize, minimize, system menu, roll-up, tray or an application's own.
class TskSkinStdButtonObject : public TskSkinButtonObject {
 public:
  // Made from a record of the skin.
  TskSkinStdButtonObject(FrameObjectHost& host, const FramePictures* pictures, const TskDataSkinStdButton* record);
  // One of the default buttons of a frame without a skin.
  TskSkinStdButtonObject(FrameObjectHost& host, std::string id, SkinCommand command);
  Kind GetKind() const override { return Kind::kStdButton; }
  void DrawObject(gfx::Canvas& canvas, bool draw_normal) override;
  void DblClick() override;
  void MouseDown(int32_t x, int32_t y, FrameMouseButton button) override;
  void MouseUp(int32_t x, int32_t y, FrameMouseButton button) override;

  // Whether the button now stands for "restore" (maximize while maximized and so on).
  bool ShowsRestore() const;

  SkinCommand command = SkinCommand::cmdefault;
  gfx::Rect restorerect;
  gfx::Rect restoreactiverect;
  gfx::Rect restoredownrect;
  gfx::Rect restoreinactiverect;
  bool HasSkinData = false;
};

// A strip of frames in the skin's picture, stepped through while hovered or forever.
class TskSkinAnimateObject : public TskActiveSkinObject {
 public:
  TskSkinAnimateObject(FrameObjectHost& host, const FramePictures* pictures, const TskDataSkinAnimate* record);
  Kind GetKind() const override { return Kind::kAnimate; }
  void DrawObject(gfx::Canvas& canvas, bool draw_normal) override;
  void DblClick() override;
  void MouseUp(int32_t x, int32_t y, FrameMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // One 25 ms tick of the animation timer; true when the object changed and was redrawn.
  bool Advance();

  int32_t countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int32_t interval = 50;  // milliseconds between frames, at least 25
  SkinCommand command = SkinCommand::cmdefault;
  int32_t CurrentFrame = 1;
  bool Forward = true;
  int32_t Accumulator = 25;
};

}  // namespace skin
