// The frame of a form without a skin: a 3D border, a grooved caption bar and glyph caption buttons.
#include "skin/frame/DefaultFrame.h"

#include "gfx/Canvas.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/render/SkinGlyphs.h"
#include "skin/render/SkinText.h"
#include "ui/Control.h"

namespace skin {

namespace {

constexpr gfx::Color kNavy = gfx::Rgb(0, 0, 128);
constexpr gfx::Color kHoverFill = gfx::Rgb(182, 189, 210);
constexpr gfx::Color kPressedFill = gfx::Rgb(133, 147, 181);
constexpr gfx::Color kColor3dLight = ui::kColorBtnFace;

// The caption buttons placed from the right edge, in this order.
constexpr SkinCommand kRightButtons[] = {SkinCommand::cmclose, SkinCommand::cmmaximize, SkinCommand::cmminimize,
                                         SkinCommand::cmrollup, SkinCommand::cmminimizetotray};

TskSkinStdButtonObject* AsStdButton(TskActiveSkinObject* o) {
  if (o == nullptr || o->GetKind() != TskActiveSkinObject::Kind::kStdButton) return nullptr;
  return static_cast<TskSkinStdButtonObject*>(o);
}

}  // namespace

DefaultFrameMetrics DefaultMetrics(bool tool_window) {
  if (tool_window) return {15, 13};
  return {19, 17};
}

gfx::Rect DefaultClientRect(const DefaultFrameMetrics& m, int32_t width, int32_t height) {
  return {3, m.caption_height + 3, width - 3, height - 3};
}

gfx::Rect LayoutDefaultObjects(const std::vector<TskActiveSkinObject*>& objects, const DefaultFrameMetrics& m,
                               int32_t width) {
  const int32_t s = m.button_size;
  gfx::Rect caption{3, 3, width - 3, m.caption_height};
  int32_t x = width - 3;
  for (SkinCommand command : kRightButtons) {
    for (TskActiveSkinObject* o : objects) {
      TskSkinStdButtonObject* b = AsStdButton(o);
      if (b == nullptr || !b->IsVisible || b->command != command) continue;
      b->ObjectRect = {x - s, 4, x, 4 + s};
      x -= s;
    }
  }
  caption.right = x;
  for (TskActiveSkinObject* o : objects) {
    TskSkinStdButtonObject* b = AsStdButton(o);
    if (b == nullptr || !b->IsVisible || b->command != SkinCommand::cmsysmenu) continue;
    b->ObjectRect = gfx::Rect::FromSize(3, 4, s, s);
    caption.left = b->ObjectRect.right;
  }
  return caption;
}

void PaintDefaultFrame(gfx::Canvas& canvas, const DefaultFrameMetrics& m, int32_t width, int32_t height,
                       const gfx::Rect& caption, const std::string& text, const gfx::Font& font,
                       const std::vector<TskActiveSkinObject*>& objects) {
  const int32_t c = m.caption_height;
  if (width - 6 <= 0 || c <= 0) return;
  gfx::Bitmap bar(width - 6, c, 24);
  gfx::Canvas b(bar);
  b.FillRect({0, 0, bar.Width(), c}, ui::kColorBtnFace);
  // Grooves in bar coordinates (window x - 3).
  const int32_t groove_left = caption.left + 2 - 3, groove_right = caption.right - 6 - 3;
  for (int32_t y = 2; y <= c - 4 && groove_right > groove_left; ++y) {
    b.FillRect({groove_left, y, groove_right, y + 1}, (y % 2 == 0) ? ui::kColorBtnHighlight : ui::kColorBtnShadow);
  }
  b.SetFont(font);
  const int32_t available = caption.Width();
  const std::string shown = FitTextWithEllipsis(b, text, available);
  if (!shown.empty()) {
    const int32_t tw = b.TextWidth(shown);
    const int32_t th = b.TextHeight(shown);
    const int32_t box_left = (caption.left - 3) + available / 2 - (tw + 5) / 2;
    // A plain box under the text, so the grooves stop beside it.
    b.FillRect({box_left, 0, box_left + tw + 5, c}, ui::kColorBtnFace);
    b.Brush().style = gfx::BrushStyle::kClear;
    b.TextOut(box_left + 3, c / 2 - th / 2, shown);
  }
  b.Translate(-3, -3);
  for (TskActiveSkinObject* o : objects) {
    if (o->IsVisible) o->DrawObject(b, true);
  }
  gfx::CanvasSaver saver(canvas);
  const gfx::Rect client = DefaultClientRect(m, width, height);
  if (!client.IsEmpty()) canvas.ExcludeClip(client);
  canvas.Draw(3, 3, bar);
  // Three nested frames from the outside in.
  gfx::Rect r{0, 0, width, height};
  DrawFrame3D(canvas, r, kColor3dLight, ui::kColor3dDkShadow);
  DrawFrame3D(canvas, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, ui::kColorBtnHighlight,
              ui::kColorBtnShadow);
  canvas.FrameRect({r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, ui::kColorBtnFace);
}

void DrawDefaultFrameButton(gfx::Canvas& canvas, const gfx::Rect& rect, SkinCommand command,
                            const DefaultButtonLook& look) {
  if (rect.IsEmpty()) return;
  const bool pressed = look.pressed && look.hovered;
  if (pressed || look.hovered) {
    canvas.FillRect(rect, pressed ? kPressedFill : kHoverFill);
    canvas.FrameRect(rect, kNavy);
  } else {
    canvas.FillRect(rect, ui::kColorBtnFace);
  }
  int32_t x = rect.left + rect.Width() / 2 - 5;
  int32_t y = rect.top + rect.Height() / 2 - 4;
  if (pressed) {
    ++x;
    ++y;
  }
  const gfx::Color color = look.enabled ? ui::kColorBtnText : ui::kColorBtnShadow;
  switch (command) {
    case SkinCommand::cmclose: DrawCloseGlyph(canvas, x, y, color); break;
    case SkinCommand::cmmaximize:
      if (look.restore) DrawRestoreGlyph(canvas, x, y, color);
      else DrawMaximizeGlyph(canvas, x, y, color);
      break;
    case SkinCommand::cmminimize:
      if (look.restore) DrawRestoreGlyph(canvas, x, y, color);
      else DrawMinimizeGlyph(canvas, x, y, color);
      break;
    case SkinCommand::cmsysmenu: DrawSysMenuGlyph(canvas, x, y, color); break;
    case SkinCommand::cmrollup:
      if (look.restore) DrawRollDownGlyph(canvas, x, y, color);
      else DrawRollUpGlyph(canvas, x, y, color);
      break;
    case SkinCommand::cmminimizetotray: DrawMinToTrayGlyph(canvas, x, y, color); break;
    case SkinCommand::cmdefault: break;
  }
}

}  // namespace skin
