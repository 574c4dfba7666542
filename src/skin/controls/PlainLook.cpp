// The look of skinned controls without a skin record: system colours and two highlight fills.
#include "skin/controls/PlainLook.h"

#include "gfx/Canvas.h"
#include "skin/render/SkinGlyphs.h"
#include "ui/Control.h"

namespace skin {

void DrawPlainHighlight(gfx::Canvas& canvas, const gfx::Rect& r, PlainState state) {
  if (r.IsEmpty()) return;
  switch (state) {
    case PlainState::kNormal:
      canvas.FillRect(r, ui::kColorBtnFace);
      return;
    case PlainState::kHot:
      canvas.FillRect(r, kPlainHotFill);
      break;
    case PlainState::kPressed:
      canvas.FillRect(r, kPlainPressedFill);
      break;
  }
  canvas.FrameRect(r, kPlainFrame);
}

void DrawPlainBorder(gfx::Canvas& canvas, const gfx::Rect& r, SkinBorderStyle style) {
  switch (style) {
    case SkinBorderStyle::bvNone:
      return;
    case SkinBorderStyle::bvFrame:
      DrawFrame3D(canvas, r, ui::kColorBtnShadow, ui::kColorBtnShadow);
      return;
    case SkinBorderStyle::bvRaised:
      DrawFrame3D(canvas, r, ui::kColorBtnHighlight, ui::kColorBtnShadow);
      return;
    case SkinBorderStyle::bvLowered:
      DrawFrame3D(canvas, r, ui::kColorBtnShadow, ui::kColorBtnHighlight);
      return;
  }
}

void DrawPlainFramedFace(gfx::Canvas& canvas, const gfx::Rect& r) {
  if (r.IsEmpty()) return;
  canvas.FillRect(r, ui::kColorBtnFace);
  canvas.FrameRect(r, ui::kColorBtnShadow);
}

void DrawDisabledText(gfx::Canvas& canvas, int x, int y, const gfx::Rect& clip, const char* utf8) {
  const gfx::Color saved = canvas.Font().Color();
  const gfx::BrushStyle brush = canvas.Brush().style;
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.Font().SetColor(ui::kColorBtnHighlight);
  canvas.TextRect(clip, x + 1, y + 1, utf8);
  canvas.Font().SetColor(ui::kColorBtnShadow);
  canvas.TextRect(clip, x, y, utf8);
  canvas.Font().SetColor(saved);
  canvas.Brush().style = brush;
}

}  // namespace skin
