// The picture dialog's tool-bar glyphs, drawn on a 16-pixel grid.
#include "skin/dialogs/DialogToolGlyphs.h"

#include "gfx/Canvas.h"

namespace skin {

namespace {

constexpr gfx::Color kTransparent = gfx::Rgb(255, 0, 255);
constexpr gfx::Color kInk = gfx::Rgb(40, 60, 110);
constexpr gfx::Color kFolderFill = gfx::Rgb(240, 200, 80);
constexpr gfx::Color kOutline = gfx::Rgb(64, 64, 64);
constexpr gfx::Color kGreen = gfx::Rgb(40, 150, 60);

void Fill(gfx::Canvas& c, int32_t l, int32_t t, int32_t r, int32_t b, gfx::Color color) {
  c.FillRect({l, t, r, b}, color);
}

// A solid arrow head pointing left at (x, y), `size` rows above and below the tip.
void ArrowLeft(gfx::Canvas& c, int32_t x, int32_t y, int32_t size, gfx::Color color) {
  for (int32_t i = 0; i <= size; ++i) Fill(c, x + i, y - i, x + i + 1, y + i + 1, color);
}

void ArrowUp(gfx::Canvas& c, int32_t x, int32_t y, int32_t size, gfx::Color color) {
  for (int32_t i = 0; i <= size; ++i) Fill(c, x - i, y + i, x + i + 1, y + i + 1, color);
}

void Folder(gfx::Canvas& c, int32_t l, int32_t t, int32_t r, int32_t b) {
  Fill(c, l, t, l + 5, t + 2, kFolderFill);
  c.FrameRect({l, t, l + 5, t + 2}, kOutline);
  Fill(c, l, t + 1, r, b, kFolderFill);
  c.FrameRect({l, t + 1, r, b}, kOutline);
}

}  // namespace

gfx::Bitmap MakeDialogToolGlyph(DialogToolGlyph glyph) {
  gfx::Bitmap bitmap(16, 16, 24);
  bitmap.Fill(kTransparent);
  gfx::Canvas c(bitmap);
  switch (glyph) {
    case DialogToolGlyph::kBack:
      ArrowLeft(c, 2, 7, 5, kInk);
      Fill(c, 7, 6, 14, 9, kInk);
      break;
    case DialogToolGlyph::kUp:
      // A folder with an arrow rising out of it.
      Folder(c, 1, 8, 15, 15);
      ArrowUp(c, 8, 1, 4, kInk);
      Fill(c, 7, 5, 10, 12, kInk);
      break;
    case DialogToolGlyph::kNewFolder:
      Folder(c, 1, 6, 13, 15);
      // A spark in the corner: the folder is new.
      Fill(c, 12, 1, 13, 8, kGreen);
      Fill(c, 9, 4, 16, 5, kGreen);
      Fill(c, 10, 2, 11, 3, kGreen);
      Fill(c, 14, 2, 15, 3, kGreen);
      Fill(c, 10, 6, 11, 7, kGreen);
      Fill(c, 14, 6, 15, 7, kGreen);
      break;
    case DialogToolGlyph::kViewStyle:
      // Four rows of an icon and a caption.
      for (int32_t y = 2; y < 14; y += 3) {
        Fill(c, 2, y, 4, y + 2, kInk);
        Fill(c, 6, y, 14, y + 1, kInk);
      }
      break;
    case DialogToolGlyph::kStretch:
      // A frame with arrows pulling at two corners.
      c.FrameRect({4, 4, 12, 12}, kOutline);
      Fill(c, 1, 1, 6, 2, kInk);
      Fill(c, 1, 1, 2, 6, kInk);
      Fill(c, 10, 14, 15, 15, kInk);
      Fill(c, 14, 10, 15, 15, kInk);
      for (int32_t i = 1; i < 14; ++i) Fill(c, i, i, i + 1, i + 1, kInk);
      break;
  }
  // The bottom-left pixel names the transparent colour; keep it clear of the drawing.
  bitmap.SetPixel(0, 15, kTransparent);
  return bitmap;
}

}  // namespace skin
