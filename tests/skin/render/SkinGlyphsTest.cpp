// Glyphs pixel by pixel, and the glyph strip frames with their transparent colour.
#include "skin/render/SkinGlyphs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gfx/Canvas.h"

namespace skin {
namespace {

constexpr gfx::Color kInk = gfx::Rgb(0, 0, 0);
constexpr gfx::Color kShade = gfx::Rgb(128, 128, 128);

// '#' ink, 'o' shade, '.' the white background.
std::vector<std::string> Art(const gfx::Bitmap& b) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < b.Width(); ++x) {
      const gfx::Color c = b.Pixel(x, y);
      row += c == kInk ? '#' : c == kShade ? 'o' : c == gfx::kWhite ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

struct GlyphCase {
  const char* name;
  std::function<void(gfx::Canvas&)> draw;
  std::vector<std::string> art;
};

TEST(SkinGlyphsTest, GlyphsDrawExactlyTheirPixels) {
  const GlyphCase cases[] = {
      {"arrow1",
       [](gfx::Canvas& c) { DrawArrow(c, {0, 0, 14, 14}, kInk, kArrowLeft); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "........#.....",
           ".......##.....",
           "......###.....",
           ".....####.....",
           "......###.....",
           ".......##.....",
           "........#.....",
           "..............",
           "..............",
           ".............."}},
      {"arrow2",
       [](gfx::Canvas& c) { DrawArrow(c, {0, 0, 14, 14}, kInk, kArrowRight); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "......#.......",
           "......##......",
           "......###.....",
           "......####....",
           "......###.....",
           "......##......",
           "......#.......",
           "..............",
           "..............",
           ".............."}},
      {"arrow3",
       [](gfx::Canvas& c) { DrawArrow(c, {0, 0, 14, 14}, kInk, kArrowUp); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           ".......#......",
           "......###.....",
           ".....#####....",
           "....#######...",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"arrow4",
       [](gfx::Canvas& c) { DrawArrow(c, {0, 0, 14, 14}, kInk, kArrowDown); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "....#######...",
           ".....#####....",
           "......###.....",
           ".......#......",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"smalldown",
       [](gfx::Canvas& c) { DrawSmallDownArrow(c, {0, 0, 14, 14}, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           ".....#####....",
           "......###.....",
           ".......#......",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"check",
       [](gfx::Canvas& c) { DrawCheckMark(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "........#.....",
           ".......##.....",
           "..#...###.....",
           "..##.###......",
           "..#####.......",
           "...###........",
           "....#.........",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"radio",
       [](gfx::Canvas& c) { DrawRadioMark(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..######......",
           "..######......",
           "..######......",
           "..######......",
           "..######......",
           "..######......",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"close",
       [](gfx::Canvas& c) { DrawCloseGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "...##.....##..",
           "....##...##...",
           ".....##.##....",
           "......###.....",
           "......###.....",
           ".....##.##....",
           "....##...##...",
           "...##.....##..",
           "..............",
           "..............",
           ".............."}},
      {"close_centred_15x13",
       [](gfx::Canvas& c) { DrawCloseGlyph(c, gfx::Rect{0, 0, 15, 13}, kInk); },
       {
           "..............",
           "..............",
           "...##.....##..",
           "....##...##...",
           ".....##.##....",
           "......###.....",
           "......###.....",
           ".....##.##....",
           "....##...##...",
           "...##.....##..",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"minimize",
       [](gfx::Canvas& c) { DrawMinimizeGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "...########...",
           "...########...",
           "..............",
           ".............."}},
      {"maximize",
       [](gfx::Canvas& c) { DrawMaximizeGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..###########.",
           "..###########.",
           "..#.........#.",
           "..#.........#.",
           "..#.........#.",
           "..#.........#.",
           "..#.........#.",
           "..#.........#.",
           "..#.........#.",
           "..###########.",
           "..............",
           ".............."}},
      {"restore",
       [](gfx::Canvas& c) { DrawRestoreGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "....########..",
           "....########..",
           "....#......#..",
           "....#......#..",
           "..#######..#..",
           "..##########..",
           "..#.....#.....",
           "..#.....#.....",
           "..#.....#.....",
           "..#######.....",
           "..............",
           ".............."}},
      {"rolldown",
       [](gfx::Canvas& c) { DrawRollDownGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "...########...",
           "....######....",
           ".....####.....",
           "......##......",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"rollup",
       [](gfx::Canvas& c) { DrawRollUpGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "......##......",
           ".....####.....",
           "....######....",
           "...########...",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"sysmenu",
       [](gfx::Canvas& c) { DrawSysMenuGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "...########...",
           "...#......#...",
           "...########...",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"mintotray",
       [](gfx::Canvas& c) { DrawMinToTrayGlyph(c, 2, 2, kInk); },
       {
           "..............",
           "..............",
           "..............",
           "..............",
           "....#####.....",
           "....#####.....",
           "....#####.....",
           "....#####.....",
           "....#####.....",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
      {"frame3d_1_1_9_7",
       [](gfx::Canvas& c) { DrawFrame3D(c, {1, 1, 9, 7}, kInk, kShade); },
       {
           "..............",
           ".#######o.....",
           ".#......o.....",
           ".#......o.....",
           ".#......o.....",
           ".#......o.....",
           ".oooooooo.....",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           "..............",
           ".............."}},
  };
  for (const GlyphCase& g : cases) {
    SCOPED_TRACE(g.name);
    gfx::Bitmap b(14, 14, 24);
    b.Fill(gfx::kWhite);
    gfx::Canvas canvas(b);
    canvas.Pen().color = gfx::Rgb(1, 2, 3);
    canvas.MoveTo(5, 6);
    g.draw(canvas);
    EXPECT_EQ(Art(b), g.art);
    // The canvas's own pen is left as it was.
    EXPECT_EQ(canvas.Pen().color, gfx::Rgb(1, 2, 3));
    EXPECT_EQ(canvas.PenPos(), (gfx::Point{5, 6}));
  }
}

TEST(SkinGlyphsTest, UnknownArrowKindsDrawNothing) {
  gfx::Bitmap b(14, 14, 24);
  b.Fill(gfx::kWhite);
  gfx::Canvas canvas(b);
  for (int kind : {0, 5, -1}) DrawArrow(canvas, {0, 0, 14, 14}, kInk, kind);
  gfx::Bitmap white(14, 14, 24);
  white.Fill(gfx::kWhite);
  EXPECT_EQ(b, white);
}

TEST(SkinGlyphsTest, GlyphFramesComeFromTheirStripWithTheBottomLeftColourTransparent) {
  // Three 4 x 3 frames: frame k has background colour k (its bottom-left pixel) and a mark in
  // red at its top-right pixel.
  gfx::Bitmap strip(12, 3, 24);
  for (int32_t k = 0; k < 3; ++k) {
    for (int32_t y = 0; y < 3; ++y)
      for (int32_t x = 0; x < 4; ++x) strip.SetPixel(k * 4 + x, y, gfx::Rgb(0, 0, static_cast<uint8_t>(k + 1)));
    strip.SetPixel(k * 4 + 3, 0, gfx::Rgb(255, 0, static_cast<uint8_t>(k)));
  }
  struct Case {
    int frame, count;
    bool draws;
  } cases[] = {{1, 3, true}, {2, 3, true}, {3, 3, true}, {0, 3, false}, {4, 3, false}, {1, 0, false}, {1, 13, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "frame " << c.frame << " of " << c.count);
    gfx::Bitmap b(8, 8, 24);
    b.Fill(gfx::kWhite);
    gfx::Canvas canvas(b);
    DrawGlyphFrame(canvas, 2, 3, c.frame, c.count, strip);
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 8; ++x) {
        const bool mark = c.draws && x == 5 && y == 3;
        EXPECT_EQ(b.Pixel(x, y), mark ? gfx::Rgb(255, 0, static_cast<uint8_t>(c.frame - 1)) : gfx::kWhite)
            << x << "," << y;
      }
  }
  gfx::Bitmap b(8, 8, 24);
  gfx::Canvas canvas(b);
  DrawGlyphFrame(canvas, 0, 0, 1, 1, gfx::Bitmap());
}

}  // namespace
}  // namespace skin
