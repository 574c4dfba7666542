// MainWindowGlyphs: the small pictures the main window draws for itself: the zoom buttons' glyphs and
// the batch list's two file icons.
#include "app/MainWindowGlyphs.h"

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "ui/ImageList.h"

namespace app {

namespace {

constexpr gfx::Color kKey = gfx::Rgb(255, 0, 255);

}  // namespace

gfx::Bitmap ZoomGlyph(bool plus) {
  gfx::Bitmap b(16, 16, 24);
  b.Fill(kKey);
  gfx::Canvas c(b);
  const gfx::Color rim = gfx::Rgb(40, 60, 110);
  // The lens: a light disc in a dark ring, the sign across its middle.
  c.Pen().color = rim;
  c.Brush().color = gfx::Rgb(220, 235, 250);
  c.Ellipse({1, 1, 12, 12});
  c.FillRect({4, 6, 9, 7}, rim);
  if (plus) c.FillRect({6, 4, 7, 9}, rim);
  // The handle, two pixels thick, down to the bottom-right corner.
  for (int i = 0; i < 5; ++i) {
    c.FillRect({10 + i, 10 + i, 12 + i, 12 + i}, gfx::Rgb(120, 80, 40));
  }
  return b;
}

void AddFileIcons(ui::ImageList& list) {
  gfx::Bitmap strip(32, 16, 24);
  strip.Fill(kKey);
  gfx::Canvas c(strip);
  // A sheet with a folded corner; the bitmap file's sheet shows a grid of pixels, the other a
  // landscape.
  for (int i = 0; i < 2; ++i) {
    const int x = i * 16;
    c.FillRect({x + 2, 1, x + 14, 15}, gfx::Rgb(255, 255, 255));
    c.FrameRect({x + 2, 1, x + 14, 15}, gfx::Rgb(90, 90, 90));
    c.FillRect({x + 10, 1, x + 14, 5}, kKey);
    c.FillRect({x + 10, 1, x + 11, 5}, gfx::Rgb(90, 90, 90));
    c.FillRect({x + 10, 4, x + 14, 5}, gfx::Rgb(90, 90, 90));
    c.FillRect({x + 13, 4, x + 14, 15}, gfx::Rgb(90, 90, 90));
  }
  const gfx::Color cells[] = {gfx::Rgb(200, 60, 60), gfx::Rgb(60, 160, 60), gfx::Rgb(60, 90, 200),
                              gfx::Rgb(230, 190, 50)};
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      c.FillRect({4 + col * 2, 6 + row * 2, 6 + col * 2, 8 + row * 2}, cells[(row + col) % 4]);
  c.FillRect({20, 6, 29, 10}, gfx::Rgb(120, 170, 230));
  c.FillRect({20, 10, 29, 13}, gfx::Rgb(70, 140, 70));
  c.FillRect({26, 7, 28, 9}, gfx::Rgb(250, 220, 70));
  list.AddMasked(strip, kKey);
}

}  // namespace app
