// Canvas text: where glyphs land, their colour and clipping, and DrawText's formatting flags.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Canvas.h"

namespace gfx {
namespace {

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kYellow = Rgb(255, 255, 0);

Bitmap White(int32_t w, int32_t h) {
  Bitmap b(w, h);
  b.Fill(kWhite);
  return b;
}

// The smallest rectangle holding every pixel that differs from the background.
Rect InkBounds(const Bitmap& b, Color background = kWhite) {
  Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != background) r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
  return r.left == INT32_MAX ? Rect{} : r;
}

int CountColor(const Bitmap& b, Color c) {
  int n = 0;
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == c;
  return n;
}

// A white canvas with a clear brush and the given font.
struct Surface {
  explicit Surface(int32_t w = 240, int32_t h = 60, Font font = Font("Arial", 14)) : bitmap(White(w, h)), canvas(bitmap) {
    canvas.Brush().style = BrushStyle::kClear;
    canvas.SetFont(font);
  }
  Bitmap bitmap;
  Canvas canvas;
};

TEST(CanvasTextTest, TextOutDrawsInsideItsCellInTheFontColour) {
  Surface s;
  s.canvas.Font().SetColor(kRed);
  s.canvas.TextOut(10, 5, "Hello World");
  const Rect ink = InkBounds(s.bitmap);
  const int32_t w = s.canvas.TextWidth("Hello World");
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.left, 10 - 1);
  EXPECT_LE(ink.right, 10 + w + 1);
  EXPECT_GE(ink.top, 5);
  EXPECT_LE(ink.bottom, 5 + 14);
  EXPECT_LE(ink.bottom, 5 + 11 + 1);  // nothing in this text descends
  EXPECT_GT(ink.Width(), w * 3 / 4);
  EXPECT_GT(CountColor(s.bitmap, kRed), 10);  // the stems are fully covered
  for (int32_t y = 0; y < s.bitmap.Height(); ++y)
    for (int32_t x = 0; x < s.bitmap.Width(); ++x) {
      const Color c = s.bitmap.Pixel(x, y);
      EXPECT_EQ(Red(c), 255);  // a blend of white and red keeps full red
      EXPECT_EQ(Green(c), Blue(c));
    }
}

TEST(CanvasTextTest, ChineseRendersThroughTheFallbackFace) {
  Surface s;
  s.canvas.TextOut(0, 0, "图片压缩");
  const Rect ink = InkBounds(s.bitmap);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GT(ink.Width(), s.canvas.TextWidth("图片压缩") * 3 / 4);
  EXPECT_GT(ink.Height(), 7);
}

TEST(CanvasTextTest, SolidBrushFillsTheCellClearBrushKeepsTheBackground) {
  Surface s;
  s.canvas.Brush() = Brush{kYellow, BrushStyle::kSolid};
  s.canvas.TextOut(4, 3, "ab");
  const int32_t w = s.canvas.TextWidth("ab");
  EXPECT_EQ(InkBounds(s.bitmap), (Rect{4, 3, 4 + w, 3 + 14}));
  EXPECT_EQ(s.bitmap.Pixel(4, 3), kYellow);
  EXPECT_EQ(s.bitmap.Pixel(4 + w - 1, 3 + 13), kYellow);
  EXPECT_GT(CountColor(s.bitmap, kYellow), w * 14 / 2);
}

TEST(CanvasTextTest, TextStaysInsideTheClipAndFollowsTheOrigin) {
  Surface whole;
  whole.canvas.TextOut(20, 10, "Clipped text");
  Surface clipped;
  clipped.canvas.SetOrigin({15, 5});
  clipped.canvas.SetClipRect({20, 0, 45, 40});  // bitmap x 35 to 60
  clipped.canvas.TextOut(5, 5, "Clipped text");
  for (int32_t y = 0; y < 60; ++y)
    for (int32_t x = 0; x < 240; ++x) {
      const bool inside = x >= 35 && x < 60;
      EXPECT_EQ(clipped.bitmap.Pixel(x, y), inside ? whole.bitmap.Pixel(x, y) : kWhite) << x << "," << y;
    }
  Surface rect;
  rect.canvas.TextRect({35, 0, 60, 60}, 20, 10, "Clipped text");
  EXPECT_EQ(rect.bitmap, clipped.bitmap);
}

TEST(CanvasTextTest, UnderlineAndStrikeOutAreLinesAcrossTheText) {
  const Font plain("Arial", 14);
  const FontMetrics m = plain.Metrics();
  Surface u(240, 60, Font("Arial", 14, kFontUnderline));
  u.canvas.TextOut(0, 0, "ab cd");
  const int32_t w = u.canvas.TextWidth("ab cd");
  for (int32_t x = 0; x < w; ++x) EXPECT_EQ(u.bitmap.Pixel(x, m.ascent + m.underline_position), kBlack) << x;
  EXPECT_EQ(u.bitmap.Pixel(w, m.ascent + m.underline_position), kWhite);
  Surface so(240, 60, Font("Arial", 14, kFontStrikeOut));
  so.canvas.TextOut(0, 0, "ab cd");
  for (int32_t x = 0; x < w; ++x) EXPECT_EQ(so.bitmap.Pixel(x, m.ascent - m.strikeout_position), kBlack) << x;
}

TEST(CanvasTextTest, TurnedTextOccupiesTheTurnedCell) {
  struct Case {
    int32_t escapement;
    Rect cell;  // for text at (50, 50) of width w and height h, filled by a solid brush
  };
  Surface probe;
  const int32_t w = probe.canvas.TextWidth("Turn"), h = 14;
  const std::vector<Case> cases = {
      {0, {50, 50, 50 + w, 50 + h}},
      {900, {50, 50 - w, 50 + h, 50}},
      {1800, {50 - w, 50 - h, 50, 50}},
      {2700, {50 - h, 50, 50, 50 + w}},
  };
  for (const Case& k : cases) {
    Surface s(100, 100);
    s.canvas.Font().SetEscapement(k.escapement);
    s.canvas.Brush() = Brush{kYellow, BrushStyle::kSolid};
    s.canvas.TextOut(50, 50, "Turn");
    EXPECT_EQ(InkBounds(s.bitmap), k.cell) << k.escapement;
    EXPECT_GT(CountColor(s.bitmap, kBlack), 5) << k.escapement;
  }
}

TEST(CanvasTextTest, DrawTextAlignsLikeTextOutAtTheComputedPlace) {
  const std::string text = "Align 对齐";
  Surface probe;
  const int32_t w = probe.canvas.TextWidth(text), h = 14;
  const Rect box{10, 5, 210, 55};
  struct Case {
    DrawTextFlags flags;
    Point at;
  };
  const std::vector<Case> cases = {
      {kDtSingleLine, {10, 5}},
      {kDtSingleLine | kDtCenter, {10 + (200 - w) / 2, 5}},
      {kDtSingleLine | kDtRight, {210 - w, 5}},
      {kDtSingleLine | kDtVCenter, {10, 5 + (50 - h) / 2}},
      {kDtSingleLine | kDtBottom | kDtRight, {210 - w, 55 - h}},
      {kDtSingleLine | kDtCenter | kDtVCenter, {10 + (200 - w) / 2, 5 + (50 - h) / 2}},
      {kDtCenter | kDtVCenter, {10 + (200 - w) / 2, 5}},  // vertical placement needs a single line
  };
  for (const Case& k : cases) {
    Surface drawn;
    Rect r = box;
    EXPECT_EQ(drawn.canvas.DrawText(r, text, k.flags), h);
    EXPECT_EQ(r, box);
    Surface expected;
    expected.canvas.TextOut(k.at.x, k.at.y, text);
    EXPECT_EQ(drawn.bitmap, expected.bitmap) << k.flags;
  }
}

TEST(CanvasTextTest, CalcRectMeasuresWithoutDrawing) {
  Surface s;
  Rect r{5, 7, 1000, 1000};
  EXPECT_EQ(s.canvas.DrawText(r, "Measure me", kDtCalcRect | kDtSingleLine), 14);
  EXPECT_EQ(r, (Rect{5, 7, 5 + s.canvas.TextWidth("Measure me"), 7 + 14}));
  r = {0, 0, 0, 0};
  s.canvas.DrawText(r, "one\nlonger line", kDtCalcRect);
  EXPECT_EQ(r, (Rect{0, 0, s.canvas.TextWidth("longer line"), 28}));
  r = {0, 0, 0, 0};
  s.canvas.DrawText(r, "&Prefix", kDtCalcRect);
  EXPECT_EQ(r.right, s.canvas.TextWidth("Prefix"));
  r = {0, 0, 0, 0};
  s.canvas.DrawText(r, "", kDtCalcRect);
  EXPECT_EQ(r, (Rect{0, 0, 0, 14}));
  EXPECT_TRUE(InkBounds(s.bitmap).IsEmpty());
}

TEST(CanvasTextTest, WordBreakWrapsToTheRectangle) {
  Surface s(240, 200);
  const std::string text = "图片压缩免费共享 quick brown fox jumps";
  const int32_t width = s.canvas.TextWidth("图片压缩") + 2;
  Rect calc{0, 0, width, 0};
  const int32_t height = s.canvas.DrawText(calc, text, kDtWordBreak | kDtCalcRect);
  EXPECT_GE(height, 3 * 14);
  EXPECT_EQ(height % 14, 0);
  EXPECT_EQ(calc.bottom, height);
  EXPECT_LE(calc.right, width);
  Rect r{0, 0, width, 200};
  s.canvas.DrawText(r, text, kDtWordBreak | kDtNoClip);
  const Rect ink = InkBounds(s.bitmap);
  EXPECT_LE(ink.right, width + 1);
  EXPECT_GT(ink.bottom, height - 14);
  EXPECT_LE(ink.bottom, height);
}

TEST(CanvasTextTest, EndEllipsisFitsTheRectangle) {
  Surface s;
  const std::string text = "An end ellipsis text that is much too long";
  for (int32_t width : {200, 120, 60, 30}) {
    Rect calc{0, 0, width, 20};
    s.canvas.DrawText(calc, text, kDtSingleLine | kDtEndEllipsis | kDtCalcRect);
    EXPECT_LE(calc.Width(), width) << width;
    Surface d;
    Rect r{0, 0, width, 20};
    d.canvas.DrawText(r, text, kDtSingleLine | kDtEndEllipsis | kDtNoClip);
    EXPECT_LE(InkBounds(d.bitmap).right, width + 1) << width;
  }
}

TEST(CanvasTextTest, TextIsClippedToTheRectangleUnlessNoClip) {
  Surface clipped;
  Rect r{10, 10, 40, 30};
  clipped.canvas.DrawText(r, "Far too long for the box", kDtSingleLine);
  const Rect ink = InkBounds(clipped.bitmap);
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 40);
  Surface free;
  free.canvas.DrawText(r, "Far too long for the box", kDtSingleLine | kDtNoClip);
  EXPECT_GT(InkBounds(free.bitmap).right, 40);
}

TEST(CanvasTextTest, PrefixUnderlinesOneCharacter) {
  const FontMetrics m = Font("Arial", 14).Metrics();
  Surface with;
  Rect r{0, 0, 200, 20};
  with.canvas.DrawText(r, "&File", kDtSingleLine);
  Surface without;
  without.canvas.DrawText(r, "File", kDtSingleLine);
  const int32_t f = without.canvas.TextWidth("F");
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 200; ++x) {
      const bool underline = y == m.ascent + m.underline_position && x < f;
      EXPECT_EQ(with.bitmap.Pixel(x, y), underline ? kBlack : without.bitmap.Pixel(x, y)) << x << "," << y;
    }
  Surface literal;
  literal.canvas.DrawText(r, "a && b", kDtSingleLine);
  Surface plain;
  plain.canvas.DrawText(r, "a & b", kDtSingleLine | kDtNoPrefix);
  EXPECT_EQ(literal.bitmap, plain.bitmap);
}

}  // namespace
}  // namespace gfx
