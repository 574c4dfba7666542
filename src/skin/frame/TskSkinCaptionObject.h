// The caption of a skinned frame: the window title on its own background, active or inactive.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Color.h"
#include "skin/frame/TskActiveSkinObject.h"

namespace skin {

class TskDataSkinCaption;

class TskSkinCaptionObject : public TskActiveSkinObject {
 public:
  TskSkinCaptionObject(FrameObjectHost& host, const FramePictures* pictures, const TskDataSkinCaption* record);
  Kind GetKind() const override { return Kind::kCaption; }
  void DrawObject(gfx::Canvas& canvas, bool draw_normal) override;
  void MouseDown(int32_t x, int32_t y, FrameMouseButton button) override;
  void MouseUp(int32_t x, int32_t y, FrameMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  std::string fontname;
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color activefontcolor = 0;
  bool shadow = false;
  gfx::Color shadowcolor = 0;
  gfx::Color activeshadowcolor = 0;
  Alignment alignment = Alignment::tacenter;
  gfx::Rect textrect;
  gfx::Rect framerect;
  gfx::Rect activeframerect;
  gfx::Rect frametextrect;
  int32_t frameleftoffset = 0;
  int32_t framerightoffset = 0;
  // Columns at each end of the background kept whole while the band between them is tiled: from
  // the frame's left and right top corner points.
  int32_t FixedLeft = 0;
  int32_t FixedRight = 0;
  // The frame's inactive rendering, applied to the caption's own images.
  bool autorenderinginactiveimage = false;
  InactiveEffect inactiveeffect = InactiveEffect::iebrightness;

 private:
  // The text rectangle relative to ObjectRect's top-left.
  gfx::Rect TextRect() const;
  // The caption text drawn on `canvas` with its top-left at `origin` (window or image coordinates).
  void DrawText(gfx::Canvas& canvas, gfx::Point origin, bool active) const;
  // A look (normal or active) as an image of ObjectRect's size with the text on it.
  gfx::Bitmap LookImage(bool active) const;
};

}  // namespace skin
