// Glyph cells, glyph and caption layouts, and drawing a glyph cell or an image with its caption.
#include "skin/controls/GlyphCaption.h"

#include <gtest/gtest.h>

#include "gfx/Canvas.h"
#include "ui/ImageList.h"

namespace {

using skin::ButtonLayout;

struct CellCase {
  bool down, active, enabled;
  int num_glyphs;
  int cell;
};

TEST(GlyphCaptionTest, GlyphCellFollowsStateAndStripLength) {
  const CellCase cases[] = {
      {false, false, true, 4, 1},  {false, true, true, 4, 4},  {true, true, true, 4, 3},
      {false, false, false, 4, 2}, {true, false, false, 4, 2}, {false, true, false, 4, 4},
      {true, true, true, 3, 3},    {false, true, true, 3, 1},  {true, true, true, 2, 1},
      {false, false, false, 2, 2}, {false, false, false, 1, 1}, {true, true, false, 1, 1},
  };
  for (const CellCase& c : cases) {
    EXPECT_EQ(skin::GlyphCell(c.down, c.active, c.enabled, c.num_glyphs), c.cell)
        << c.down << c.active << c.enabled << " of " << c.num_glyphs;
  }
}

struct PlaceCase {
  const char* name;
  ButtonLayout layout;
  int margin;
  bool pressed;
  gfx::Point glyph, text;
};

// The button's client rectangle at 75 x 20 (7,2,68,18), a 16 x 16 glyph, a 40 x 16 caption, spacing 1.
TEST(GlyphCaptionTest, PlacesGlyphAndCaptionForEveryLayout) {
  const PlaceCase cases[] = {
      {"left centred", ButtonLayout::blGlyphLeft, -1, false, {9, 2}, {25, 2}},
      {"right centred", ButtonLayout::blGlyphRight, -1, false, {49, 2}, {9, 2}},
      {"top centred", ButtonLayout::blGlyphTop, -1, false, {29, -6}, {17, 10}},
      {"bottom centred", ButtonLayout::blGlyphBottom, -1, false, {29, 10}, {17, -6}},
      {"left margin 3", ButtonLayout::blGlyphLeft, 3, false, {10, 2}, {27, 2}},
      {"right margin 3", ButtonLayout::blGlyphRight, 3, false, {49, 2}, {8, 2}},
      {"top margin 3", ButtonLayout::blGlyphTop, 3, false, {29, 5}, {17, 22}},
      {"bottom margin 3", ButtonLayout::blGlyphBottom, 3, false, {29, -1}, {17, -18}},
      {"left margin 0", ButtonLayout::blGlyphLeft, 0, false, {7, 2}, {24, 2}},
      {"pressed left centred", ButtonLayout::blGlyphLeft, -1, true, {10, 3}, {26, 3}},
      {"pressed bottom margin 3", ButtonLayout::blGlyphBottom, 3, true, {30, 0}, {18, -17}},
  };
  for (const PlaceCase& c : cases) {
    skin::GlyphPlacement p =
        skin::PlaceGlyphAndCaption({7, 2, 68, 18}, {16, 16}, {40, 16}, c.margin, 1, c.layout, c.pressed);
    EXPECT_EQ(p.glyph, c.glyph) << c.name;
    EXPECT_EQ(p.text, c.text) << c.name;
  }
}

TEST(GlyphCaptionTest, CaptionAloneSitsWhereTheWorkedButtonPutsIt) {
  // No glyph: x = 37 + (tw + 1) div 2 - tw, y = 10 - th div 2.
  for (int tw : {0, 1, 40, 41, 61, 80}) {
    skin::GlyphPlacement p =
        skin::PlaceGlyphAndCaption({7, 2, 68, 18}, {0, 0}, {tw, 16}, -1, 1, ButtonLayout::blGlyphLeft, false);
    EXPECT_EQ(p.text, (gfx::Point{37 + (tw + 1) / 2 - tw, 2})) << tw;
  }
}

TEST(GlyphCaptionTest, DivisionsTruncateTowardsZero) {
  // cx = -9 + 9 div 2 = -5; with spacing -9, k = (3 + 3 - 9) div 2 = -1 (not -2).
  skin::GlyphPlacement p =
      skin::PlaceGlyphAndCaption({-9, -9, 0, 0}, {3, 3}, {3, 3}, -1, -9, ButtonLayout::blGlyphLeft, false);
  EXPECT_EQ(p.glyph, (gfx::Point{-4, -6}));
  EXPECT_EQ(p.text, (gfx::Point{-9, -6}));
}

constexpr gfx::Color kGround = gfx::Rgb(1, 2, 3);
constexpr gfx::Color kKey = gfx::Rgb(255, 0, 255);

// A strip of four 3 x 2 cells, cell n filled with colour (n * 40, 0, 0) but for its bottom-left
// pixel, which is the transparent key.
gfx::Bitmap Strip() {
  gfx::Bitmap strip(12, 2, 24);
  for (int cell = 0; cell < 4; ++cell) {
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) strip.SetPixel(cell * 3 + x, y, gfx::Rgb(static_cast<uint8_t>((cell + 1) * 40), 0, 0));
    }
    strip.SetPixel(cell * 3, 1, kKey);
  }
  return strip;
}

TEST(GlyphCaptionTest, DrawsTheChosenCellWithItsKeyTransparent) {
  for (int cell = 1; cell <= 4; ++cell) {
    gfx::Bitmap out(20, 10, 24);
    out.Fill(kGround);
    gfx::Canvas canvas(out);
    // Centred in 0,0,20,10 with no caption: k = (3 + 0 + 1) div 2 = 2, glyph at (8, 4).
    skin::DrawGlyphAndCaption(canvas, {0, 0, 20, 10}, -1, false, cell, 4, Strip(), "", ButtonLayout::blGlyphLeft, 1);
    EXPECT_EQ(out.Pixel(8, 4), gfx::Rgb(static_cast<uint8_t>(cell * 40), 0, 0)) << cell;
    EXPECT_EQ(out.Pixel(10, 5), gfx::Rgb(static_cast<uint8_t>(cell * 40), 0, 0)) << cell;
    EXPECT_EQ(out.Pixel(8, 5), kGround) << cell;
    EXPECT_EQ(out.Pixel(11, 4), kGround) << cell;
  }
}

TEST(GlyphCaptionTest, AStripNarrowerThanItsCellCountDrawsNoGlyph) {
  gfx::Bitmap out(20, 10, 24);
  out.Fill(kGround);
  gfx::Canvas canvas(out);
  gfx::Bitmap narrow(3, 2, 24);
  narrow.Fill(gfx::Rgb(200, 0, 0));
  skin::DrawGlyphAndCaption(canvas, {0, 0, 20, 10}, -1, false, 1, 4, narrow, "", ButtonLayout::blGlyphLeft, 1);
  gfx::Bitmap untouched(20, 10, 24);
  untouched.Fill(kGround);
  EXPECT_EQ(out, untouched);
}

TEST(GlyphCaptionTest, CaptionIsDrawnInTheCanvasColourBesideTheGlyph) {
  gfx::Bitmap out(80, 20, 24);
  out.Fill(gfx::kWhite);
  gfx::Canvas canvas(out);
  canvas.SetFont(gfx::Font("Arial", 14));
  canvas.Font().SetColor(gfx::kBlack);
  const gfx::Size t = skin::CaptionSize(canvas, "Open");
  ASSERT_GT(t.width, 0);
  skin::DrawGlyphAndCaption(canvas, {0, 0, 80, 20}, 2, false, 1, 4, Strip(), "Open", ButtonLayout::blGlyphLeft, 4);
  // The glyph at x = 2, the caption from x = 2 + 3 + 4 = 9 (one more inside its wider box).
  EXPECT_EQ(out.Pixel(2, 9), gfx::Rgb(40, 0, 0));
  bool ink_before = false, ink_inside = false, ink_after = false;
  for (int y = 0; y < 20; ++y) {
    for (int x = 5; x < 80; ++x) {
      if (out.Pixel(x, y) == gfx::kWhite) continue;
      if (x < 9) ink_before = true;
      else if (x <= 9 + t.width + 2) ink_inside = true;
      else ink_after = true;
    }
  }
  EXPECT_FALSE(ink_before);
  EXPECT_TRUE(ink_inside);
  EXPECT_FALSE(ink_after);
}

TEST(GlyphCaptionTest, ImageListVariantUsesTheImageSizeAndState) {
  ui::ImageList images(4, 4);
  gfx::Bitmap pic(4, 4, 24);
  pic.Fill(gfx::Rgb(0, 0, 200));
  images.Add(pic);
  for (bool enabled : {true, false}) {
    gfx::Bitmap out(20, 10, 24);
    out.Fill(kGround);
    gfx::Canvas canvas(out);
    // k = (4 + 0 + 1) div 2 = 2: the image at (8, 3).
    skin::DrawImageAndCaption(canvas, {0, 0, 20, 10}, -1, false, images, 0, enabled, "", ButtonLayout::blGlyphLeft, 1);
    EXPECT_EQ(out.Pixel(8, 3), enabled ? gfx::Rgb(0, 0, 200) : gfx::Rgb(128, 128, 128)) << enabled;
    EXPECT_EQ(out.Pixel(7, 3), kGround) << enabled;
  }
  gfx::Bitmap out(20, 10, 24);
  out.Fill(kGround);
  gfx::Canvas canvas(out);
  skin::DrawImageAndCaption(canvas, {0, 0, 20, 10}, -1, false, images, 5, true, "", ButtonLayout::blGlyphLeft, 1);
  gfx::Bitmap untouched(20, 10, 24);
  untouched.Fill(kGround);
  EXPECT_EQ(out, untouched);
}

}  // namespace
