// Canvas state, clipping, shapes, lines and bitmap copies, checked pixel by pixel.
#include "gfx/Canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "gfx/ImageError.h"

namespace gfx {
namespace {

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kGreen = Rgb(0, 255, 0);

Bitmap White(int32_t w, int32_t h) {
  Bitmap b(w, h);
  b.Fill(kWhite);
  return b;
}

// Pixels of b that are not white, as (x, y) pairs.
std::set<std::pair<int32_t, int32_t>> Inked(const Bitmap& b) {
  std::set<std::pair<int32_t, int32_t>> out;
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != kWhite) out.insert({x, y});
  return out;
}

std::set<std::pair<int32_t, int32_t>> RectPixels(const Rect& r) {
  std::set<std::pair<int32_t, int32_t>> out;
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) out.insert({x, y});
  return out;
}

TEST(CanvasTest, RefusesOtherDepths) {
  Bitmap b(4, 4, 32);
  EXPECT_THROW(Canvas c(b), ImageError);
}

TEST(CanvasTest, FillAndFrameAreExact) {
  Bitmap b = White(8, 8);
  Canvas c(b);
  c.FillRect({1, 1, 4, 3}, kRed);
  EXPECT_EQ(Inked(b), RectPixels({1, 1, 4, 3}));

  Bitmap f = White(8, 8);
  Canvas cf(f);
  cf.FrameRect({1, 1, 5, 4}, kBlue);
  auto expected = RectPixels({1, 1, 5, 4});
  for (auto p : RectPixels({2, 2, 4, 3})) expected.erase(p);
  EXPECT_EQ(Inked(f), expected);
  EXPECT_EQ(f.Pixel(4, 3), kBlue);  // right - 1, bottom - 1 is the frame's corner

  // A clear brush fills and frames nothing; empty and inverted rectangles draw nothing.
  Bitmap e = White(8, 8);
  Canvas ce(e);
  ce.FillRect({3, 3, 3, 6}, kRed);
  ce.FillRect({5, 5, 2, 2}, kRed);
  ce.Brush().style = BrushStyle::kClear;
  ce.FillRect({0, 0, 8, 8});
  ce.FrameRect({0, 0, 8, 8});
  EXPECT_TRUE(Inked(e).empty());
}

TEST(CanvasTest, OriginAndClipAreInCanvasCoordinates) {
  Bitmap b = White(10, 10);
  Canvas c(b);
  c.SetOrigin({3, 2});
  c.SetClipRect({0, 0, 4, 4});  // bitmap (3, 2)-(7, 6)
  EXPECT_EQ(c.ClipBounds(), (Rect{0, 0, 4, 4}));
  c.FillRect({-5, -5, 20, 20}, kRed);
  EXPECT_EQ(Inked(b), RectPixels({3, 2, 7, 6}));
  EXPECT_EQ(c.Pixel(0, 0), kRed);
  EXPECT_EQ(c.Pixel(-4, 0), Canvas::kInvalidColor);  // bitmap x -1

  // Moving the origin leaves the clip where it is on the bitmap.
  c.Translate(1, 1);
  EXPECT_EQ(c.ClipBounds(), (Rect{-1, -1, 3, 3}));

  // The clip never reaches outside the bitmap.
  c.SetClipRect({-100, -100, 100, 100});
  EXPECT_EQ(c.ClipBounds(), (Rect{-4, -3, 6, 7}));
}

TEST(CanvasTest, ClipOperationsCombine) {
  Bitmap b = White(10, 10);
  Canvas c(b);
  c.IntersectClip(Rect{2, 2, 8, 8});
  c.ExcludeClip(Rect{4, 4, 6, 6});
  Region extra(Rect{0, 0, 5, 10});
  c.IntersectClip(extra);
  c.FillRect({0, 0, 10, 10}, kRed);
  auto expected = RectPixels({2, 2, 5, 8});
  for (auto p : RectPixels({4, 4, 5, 6})) expected.erase(p);
  EXPECT_EQ(Inked(b), expected);
  EXPECT_TRUE(c.IsVisible(Point{3, 3}));
  EXPECT_FALSE(c.IsVisible(Point{4, 4}));
  EXPECT_FALSE(c.IsVisible(Rect{6, 0, 9, 9}));
  EXPECT_TRUE(c.IsVisible(Rect{0, 0, 3, 3}));

  Bitmap r = White(10, 10);
  Canvas cr(r);
  cr.SetClipRegion(Region(std::vector<Rect>{{0, 0, 2, 2}, {8, 8, 10, 10}}));
  cr.ExcludeClip(Region(Rect{1, 1, 9, 9}));
  cr.FillRect({0, 0, 10, 10}, kRed);
  auto exp2 = RectPixels({0, 0, 2, 2});
  exp2.erase({1, 1});
  for (auto p : RectPixels({9, 8, 10, 10})) exp2.insert(p);
  exp2.insert({8, 9});
  EXPECT_EQ(Inked(r), exp2);
  cr.ResetClip();
  EXPECT_EQ(cr.ClipBounds(), (Rect{0, 0, 10, 10}));
}

TEST(CanvasTest, SaveRestoreAndSaverRestoreEveryPart) {
  Bitmap b = White(10, 10);
  Canvas c(b);
  c.Pen().color = kRed;
  c.Brush().color = kBlue;
  c.Font().SetHeight(20);
  c.MoveTo(1, 1);
  {
    CanvasSaver saver(c);
    c.SetOrigin({5, 5});
    c.SetClipRect({0, 0, 1, 1});
    c.Pen() = Pen{kGreen, 3, PenMode::kXor, PenStyle::kDot};
    c.Brush().style = BrushStyle::kClear;
    c.Font().SetFamily("Tahoma");
    c.MoveTo(7, 7);
    c.Save();  // an unbalanced save inside is dropped by the saver
    c.Translate(1, 1);
  }
  EXPECT_EQ(c.SaveDepth(), 0u);
  EXPECT_EQ(c.Origin(), (Point{0, 0}));
  EXPECT_EQ(c.ClipBounds(), (Rect{0, 0, 10, 10}));
  EXPECT_EQ(c.Pen(), (Pen{kRed, 1, PenMode::kCopy, PenStyle::kSolid}));
  EXPECT_EQ(c.Brush(), (Brush{kBlue, BrushStyle::kSolid}));
  EXPECT_EQ(c.Font(), Font("Arial", 20));
  EXPECT_EQ(c.PenPos(), (Point{1, 1}));
  c.Restore();  // nothing saved: no change
  EXPECT_EQ(c.Pen().color, kRed);
}

TEST(CanvasTest, LinesExcludeTheirEndPoint) {
  struct Case {
    Point from, to;
    std::vector<std::pair<int32_t, int32_t>> pixels;
  };
  const std::vector<Case> cases = {
      {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {{5, 1}, {1, 1}, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
      {{2, 0}, {2, 3}, {{2, 0}, {2, 1}, {2, 2}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
      {{0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
      {{4, 4}, {4, 4}, {}},
  };
  for (const Case& k : cases) {
    Bitmap b = White(8, 8);
    Canvas c(b);
    c.MoveTo(k.from.x, k.from.y);
    c.LineTo(k.to.x, k.to.y);
    EXPECT_EQ(Inked(b), (std::set<std::pair<int32_t, int32_t>>(k.pixels.begin(), k.pixels.end())))
        << k.from.x << "," << k.from.y << " -> " << k.to.x << "," << k.to.y;
    EXPECT_EQ(c.PenPos(), k.to);
  }
}

TEST(CanvasTest, PenModesXorAndNotUndoThemselves) {
  Bitmap b(6, 3);
  b.Fill(Rgb(10, 20, 30));
  const Bitmap before = b;
  Canvas c(b);
  c.Pen() = Pen{Rgb(0xFF, 0x0F, 0x01), 1, PenMode::kXor};
  c.MoveTo(0, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(b.Pixel(2, 1), Rgb(10 ^ 0xFF, 20 ^ 0x0F, 30 ^ 0x01));
  EXPECT_EQ(b.Pixel(2, 0), Rgb(10, 20, 30));
  c.MoveTo(0, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(b, before);

  c.Pen().mode = PenMode::kNot;
  const Point square[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}};
  c.Polyline(square);
  EXPECT_EQ(b.Pixel(4, 2), Rgb(245, 235, 225));
  EXPECT_EQ(b.Pixel(0, 0), Rgb(245, 235, 225));  // the shared corner is inverted once
  c.Polyline(square);
  EXPECT_EQ(b, before);

  // A wide xor pen covers overlapping squares once, so it undoes itself too.
  c.Pen() = Pen{kWhite, 3, PenMode::kXor};
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  EXPECT_NE(b, before);
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  EXPECT_EQ(b, before);
}

TEST(CanvasTest, InvertAndFocusRectUndoThemselves) {
  Bitmap b(7, 5);
  b.Fill(Rgb(1, 2, 3));
  const Bitmap before = b;
  Canvas c(b);
  c.InvertRect({1, 1, 3, 3});
  EXPECT_EQ(b.Pixel(1, 1), Rgb(254, 253, 252));
  EXPECT_EQ(b.Pixel(3, 3), Rgb(1, 2, 3));
  c.InvertRect({1, 1, 3, 3});
  EXPECT_EQ(b, before);

  c.DrawFocusRect({0, 0, 7, 5});
  EXPECT_NE(b.Pixel(0, 0), Rgb(1, 2, 3));
  EXPECT_EQ(b.Pixel(1, 0), Rgb(1, 2, 3));
  EXPECT_NE(b.Pixel(2, 0), Rgb(1, 2, 3));
  EXPECT_EQ(b.Pixel(3, 3), Rgb(1, 2, 3));  // inside untouched
  c.DrawFocusRect({0, 0, 7, 5});
  EXPECT_EQ(b, before);
}

TEST(CanvasTest, RectangleOutlinesWithPenAndFillsWithBrush) {
  Bitmap b = White(8, 8);
  Canvas c(b);
  c.Pen().color = kRed;
  c.Brush().color = kBlue;
  c.Rectangle({1, 1, 6, 5});
  EXPECT_EQ(b.Pixel(1, 1), kRed);
  EXPECT_EQ(b.Pixel(5, 4), kRed);
  EXPECT_EQ(b.Pixel(2, 2), kBlue);
  EXPECT_EQ(b.Pixel(4, 3), kBlue);
  EXPECT_EQ(b.Pixel(6, 5), kWhite);
  EXPECT_EQ(Inked(b), RectPixels({1, 1, 6, 5}));

  // A clear pen leaves the whole rectangle to the brush; a clear brush leaves the inside alone.
  Bitmap n = White(8, 8);
  Canvas cn(n);
  cn.Pen().style = PenStyle::kClear;
  cn.Brush().color = kBlue;
  cn.Rectangle({1, 1, 6, 5});
  EXPECT_EQ(n.Pixel(1, 1), kBlue);
  EXPECT_EQ(Inked(n), RectPixels({1, 1, 6, 5}));
  cn.Pen() = Pen{kRed};
  cn.Brush().style = BrushStyle::kClear;
  cn.Rectangle({0, 0, 8, 8});
  EXPECT_EQ(n.Pixel(0, 0), kRed);
  EXPECT_EQ(n.Pixel(2, 2), kBlue);
}

TEST(CanvasTest, PolygonFillsInsideAndOutlinesEveryVertex) {
  Bitmap b = White(10, 10);
  Canvas c(b);
  c.Pen().style = PenStyle::kClear;
  c.Brush().color = kBlue;
  const Point square[] = {{2, 2}, {6, 2}, {6, 5}, {2, 5}};
  c.Polygon(square);
  EXPECT_EQ(Inked(b), RectPixels({2, 2, 6, 5}));  // right and bottom edges excluded

  c.Pen() = Pen{kRed};
  c.Brush().style = BrushStyle::kClear;
  const Point tri[] = {{0, 0}, {8, 0}, {0, 8}};
  c.Polygon(tri);
  EXPECT_EQ(b.Pixel(0, 0), kRed);
  EXPECT_EQ(b.Pixel(8, 0), kRed);
  EXPECT_EQ(b.Pixel(0, 8), kRed);
  EXPECT_EQ(b.Pixel(4, 4), kRed);
}

TEST(CanvasTest, EllipseStaysInItsRectangleAndIsSymmetric) {
  Bitmap b = White(12, 10);
  Canvas c(b);
  c.Pen().color = kRed;
  c.Brush().color = kBlue;
  c.Ellipse({1, 1, 11, 9});
  for (auto [x, y] : Inked(b)) {
    EXPECT_TRUE((Rect{1, 1, 11, 9}).Contains({x, y}));
    EXPECT_EQ(b.Pixel(x, y), b.Pixel(11 - x, y)) << x << "," << y;
    EXPECT_EQ(b.Pixel(x, y), b.Pixel(x, 9 - y)) << x << "," << y;
  }
  EXPECT_EQ(b.Pixel(1, 4), kRed);
  EXPECT_EQ(b.Pixel(6, 5), kBlue);
  EXPECT_EQ(b.Pixel(1, 1), kWhite);
}

TEST(CanvasTest, BitmapCopiesAreExactAndClipped) {
  Bitmap src(3, 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) src.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 50), static_cast<uint8_t>(y * 50), 7));
  Bitmap b = White(6, 6);
  Canvas c(b);
  c.SetClipRect({0, 0, 6, 3});
  c.Draw(2, 2, src);  // the second source row is clipped away
  EXPECT_EQ(b.Pixel(2, 2), src.Pixel(0, 0));
  EXPECT_EQ(b.Pixel(4, 2), src.Pixel(2, 0));
  EXPECT_EQ(b.Pixel(2, 3), kWhite);
  c.ResetClip();
  c.CopyRect({-1, 0}, src, {0, 0, 3, 2});  // a negative position loses the first column
  EXPECT_EQ(b.Pixel(0, 0), src.Pixel(1, 0));
  EXPECT_EQ(b.Pixel(1, 1), src.Pixel(2, 1));
  // A source rectangle reaching past the source is cut to it, moving the destination along.
  c.CopyRect({2, 2}, src, {-2, -2, 5, 5});
  EXPECT_EQ(b.Pixel(4, 4), src.Pixel(0, 0));
  EXPECT_EQ(b.Pixel(5, 5), src.Pixel(1, 1));
  EXPECT_EQ(b.Pixel(3, 4), kWhite);
}

TEST(CanvasTest, CopyFromItselfOverlapping) {
  Bitmap b(5, 1);
  for (int32_t x = 0; x < 5; ++x) b.SetPixel(x, 0, Rgb(static_cast<uint8_t>(x), 0, 0));
  Canvas c(b);
  c.CopyRect({1, 0}, b, {0, 0, 4, 1});
  for (int32_t x = 1; x < 5; ++x) EXPECT_EQ(b.Pixel(x, 0), Rgb(static_cast<uint8_t>(x - 1), 0, 0));
}

TEST(CanvasTest, SourcesOfOtherDepthsAreConverted) {
  Bitmap src(2, 1, 8);
  src.SetPalette({kRed, kGreen});
  src.Row(0)[0] = 1;
  src.Row(0)[1] = 0;
  Bitmap b = White(2, 1);
  Canvas c(b);
  c.Draw(0, 0, src);
  EXPECT_EQ(b.Pixel(0, 0), kGreen);
  EXPECT_EQ(b.Pixel(1, 0), kRed);
}

TEST(CanvasTest, StretchIsNearestNeighbour) {
  Bitmap src(3, 1);
  src.SetPixel(0, 0, kRed);
  src.SetPixel(1, 0, kGreen);
  src.SetPixel(2, 0, kBlue);
  struct Case {
    int32_t width;
    std::vector<Color> row;
  };
  const std::vector<Case> cases = {
      {6, {kRed, kRed, kGreen, kGreen, kBlue, kBlue}},
      {5, {kRed, kRed, kGreen, kGreen, kBlue}},
      {2, {kRed, kGreen}},
      {1, {kRed}},
  };
  for (const Case& k : cases) {
    Bitmap b = White(8, 2);
    Canvas c(b);
    c.StretchDraw({1, 0, 1 + k.width, 2}, src);
    std::vector<Color> row;
    for (int32_t x = 1; x < 1 + k.width; ++x) row.push_back(b.Pixel(x, 0));
    EXPECT_EQ(row, k.row) << k.width;
    EXPECT_EQ(b.Pixel(1, 1), kRed);
    EXPECT_EQ(b.Pixel(0, 0), kWhite);
    EXPECT_EQ(b.Pixel(1 + k.width, 0), kWhite);
  }

  // Clipped stretches keep the mapping of the whole destination rectangle.
  Bitmap b = White(6, 1);
  Canvas c(b);
  c.SetClipRect({3, 0, 6, 1});
  c.StretchDraw({0, 0, 6, 1}, src);
  EXPECT_EQ(b.Pixel(2, 0), kWhite);
  EXPECT_EQ(b.Pixel(3, 0), kGreen);
  EXPECT_EQ(b.Pixel(4, 0), kBlue);
  // Empty rectangles draw nothing.
  c.ResetClip();
  c.StretchDraw({0, 0, 0, 1}, src);
  c.StretchDraw({0, 0, 3, 1}, src, {1, 0, 1, 1});
  EXPECT_EQ(b.Pixel(0, 0), kWhite);
}

TEST(CanvasTest, TransparentCopiesKeepTheBackground) {
  Bitmap src(3, 1);
  src.SetPixel(0, 0, kRed);
  src.SetPixel(1, 0, Rgb(255, 0, 255));
  src.SetPixel(2, 0, kBlue);
  Bitmap b = White(6, 2);
  Canvas c(b);
  c.CopyTransparent({0, 0}, src, src.Bounds(), Rgb(255, 0, 255));
  EXPECT_EQ(b.Pixel(0, 0), kRed);
  EXPECT_EQ(b.Pixel(1, 0), kWhite);
  EXPECT_EQ(b.Pixel(2, 0), kBlue);
  c.StretchTransparent({0, 1, 6, 2}, src, src.Bounds(), Rgb(255, 0, 255));
  EXPECT_EQ(b.Pixel(1, 1), kRed);
  EXPECT_EQ(b.Pixel(2, 1), kWhite);
  EXPECT_EQ(b.Pixel(3, 1), kWhite);
  EXPECT_EQ(b.Pixel(4, 1), kBlue);
}

TEST(CanvasTest, BlendsRoundToNearest) {
  Bitmap b(2, 1);
  b.Fill(Rgb(0, 100, 255));
  Canvas c(b);
  c.BlendRect({0, 0, 1, 1}, Rgb(255, 0, 255), 128);
  EXPECT_EQ(b.Pixel(0, 0), Rgb(128, 50, 255));
  Bitmap src(1, 1);
  src.Fill(kWhite);
  c.BlendBitmap({1, 0}, src, src.Bounds(), 255);
  EXPECT_EQ(b.Pixel(1, 0), kWhite);
  c.BlendRect({0, 0, 2, 1}, kBlack, 0);
  EXPECT_EQ(b.Pixel(1, 0), kWhite);
}

TEST(CanvasTest, HugeCoordinatesAreSafe) {
  Bitmap b = White(4, 4);
  Canvas c(b);
  c.SetOrigin({INT32_MAX - 1, INT32_MIN + 1});
  c.FillRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, kRed);
  c.MoveTo(INT32_MAX, INT32_MAX);
  c.SetOrigin({0, 0});
  c.FillRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, kRed);
  EXPECT_EQ(Inked(b), RectPixels({0, 0, 4, 4}));
  c.StretchDraw({-1000000, -1000000, 1000000, 1000000}, b);
  c.ExcludeClip(Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_TRUE(c.ClipBounds().IsEmpty());
}

TEST(CanvasTest, DrawingStaysInsideATargetReplacedBySmallerOne) {
  Bitmap b = White(40, 40);
  Canvas c(b);
  b = White(4, 3);
  c.FillRect({0, 0, 40, 40}, kRed);
  EXPECT_EQ(Inked(b), RectPixels({0, 0, 4, 3}));
  // The rest must simply not write past the small picture (the sanitizer build checks that).
  c.MoveTo(0, 0);
  c.LineTo(39, 39);
  c.Draw(0, 0, White(40, 40));
  c.TextOut(0, 0, "Hi");
  EXPECT_EQ(b.Pixel(3, 0), kWhite);  // the cell's top rows hold no ink for "Hi"
  b = Bitmap(4, 3, 8);
  c.FillRect({0, 0, 40, 40}, kRed);  // another depth: nothing drawn
  EXPECT_EQ(b.Pixel(0, 0), kBlack);
}

}  // namespace
}  // namespace gfx
