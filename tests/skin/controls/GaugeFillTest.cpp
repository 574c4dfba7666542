// The gauge's filled rectangle, its tiled progress image and its text.
#include "skin/controls/GaugeFill.h"

#include <gtest/gtest.h>

#include "skin/controls/RectPrint.h"

#include <vector>

namespace skin {
namespace {

constexpr gfx::Color kUntouched = gfx::Rgb(1, 2, 3);

// Every pixel names its own column and row, so a copied pixel tells where it came from.
gfx::Bitmap CoordinatePicture(int32_t w, int32_t h) {
  gfx::Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(x, y, 200));
  return b;
}

gfx::Bitmap Blank(int32_t w, int32_t h) {
  gfx::Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, kUntouched);
  return b;
}

TEST(GaugeFillTest, FilledRectFollowsTheRatio) {
  const struct {
    gfx::Rect area;
    double q;
    bool vertical;
    gfx::Rect filled;
  } cases[] = {
      {{2, 2, 58, 14}, 0.5, false, {2, 2, 30, 14}},  {{2, 2, 58, 14}, 1.0, false, {2, 2, 58, 14}},
      {{2, 2, 58, 14}, 0.0, false, {2, 2, 2, 14}},   {{2, 2, 14, 58}, 0.5, true, {2, 30, 14, 58}},
      {{0, 0, 8, 100}, 0.125, true, {0, 88, 8, 100}}, {{2, 2, 58, 14}, 4.0, false, {2, 2, 58, 14}},
  };
  for (const auto& c : cases) EXPECT_EQ(GaugeFilledRect(c.area, c.q, c.vertical), c.filled) << c.q;
}

TEST(GaugeFillTest, MiddleTilesFromTheLeftAndTheLastCopyIsCut) {
  // A 39-pixel progress image at 100 % of a 223-pixel area: five whole copies and one of 28.
  const gfx::Bitmap pic = CoordinatePicture(60, 20);
  const gfx::Rect source{10, 4, 49, 16};
  gfx::Bitmap out = Blank(230, 12);
  DrawGaugeProgress(out, {3, 0, 226, 12}, pic, source, 0, 0, false);
  int32_t cut = 0;
  for (int32_t x = 3; x < 226; ++x) {
    const int32_t k = (x - 3) % 39;
    ASSERT_EQ(out.Pixel(x, 5), gfx::Rgb(10 + k, 9, 200)) << x;
    if (x >= 3 + 5 * 39) ++cut;
  }
  EXPECT_EQ(cut, 28);
  EXPECT_EQ(out.Pixel(2, 5), kUntouched);
  EXPECT_EQ(out.Pixel(226, 5), kUntouched);
}

TEST(GaugeFillTest, EndsAndVerticalStacking) {
  const gfx::Bitmap pic = CoordinatePicture(40, 40);
  struct Case {
    const char* name;
    gfx::Rect filled;
    gfx::Rect source;
    int32_t b, e;
    bool vertical;
    // Sampled pixels: target point and the source point it must show (x < 0: untouched).
    std::vector<std::pair<gfx::Point, gfx::Point>> samples;
  };
  const Case cases[] = {
      {"ends around a tiled middle", {0, 0, 20, 4}, {10, 0, 18, 4}, 2, 3, false,
       {{{0, 0}, {10, 0}}, {{1, 0}, {11, 0}}, {{2, 0}, {12, 0}}, {{4, 0}, {14, 0}}, {{5, 0}, {12, 0}},
        {{16, 0}, {14, 0}}, {{17, 0}, {15, 0}}, {{19, 3}, {17, 3}}}},
      // The middle of the source has no width: no tiles, but the ends are drawn.
      {"middle without width", {0, 0, 20, 4}, {10, 0, 15, 4}, 2, 3, false,
       {{{0, 0}, {10, 0}}, {{1, 0}, {11, 0}}, {{2, 0}, {-1, 0}}, {{16, 0}, {-1, 0}}, {{17, 0}, {12, 0}},
        {{19, 0}, {14, 0}}}},
      // Too short for both ends: the middle alone.
      {"shorter than the ends", {0, 0, 4, 4}, {10, 0, 18, 4}, 2, 3, false,
       {{{0, 0}, {-1, 0}}, {{2, 0}, {-1, 0}}, {{3, 0}, {-1, 0}}}},
      // Stacked from the bottom: the top copy keeps its lower rows.
      {"vertical", {0, 2, 4, 12}, {20, 10, 24, 14}, 0, 0, true,
       {{{0, 11}, {20, 13}}, {{0, 8}, {20, 10}}, {{0, 7}, {20, 13}}, {{0, 4}, {20, 10}}, {{0, 3}, {20, 13}},
        {{0, 2}, {20, 12}}, {{0, 1}, {-1, 0}}}},
      {"vertical ends", {0, 0, 4, 10}, {20, 10, 24, 16}, 1, 2, true,
       {{{0, 0}, {20, 10}}, {{0, 9}, {20, 15}}, {{0, 8}, {20, 14}}, {{0, 7}, {20, 13}}, {{0, 4}, {20, 13}},
        {{0, 1}, {20, 13}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gfx::Bitmap out = Blank(24, 14);
    DrawGaugeProgress(out, c.filled, pic, c.source, c.b, c.e, c.vertical);
    for (const auto& [at, from] : c.samples) {
      const gfx::Color want = from.x < 0 ? kUntouched : gfx::Rgb(from.x, from.y, 200);
      EXPECT_EQ(out.Pixel(at.x, at.y), want) << at.x << "," << at.y;
    }
  }
}

TEST(GaugeFillTest, AbsurdGeometryStaysInsideBothPictures) {
  const gfx::Bitmap pic = CoordinatePicture(16, 16);
  gfx::Bitmap out = Blank(50, 10);
  // A filled part far larger than the target and a source partly outside its picture: only what
  // lies inside both is touched, in time proportional to the target.
  DrawGaugeProgress(out, {-1000000000, -5, 1000000000, 1000000000}, pic, {10, 0, 11, 40}, 0, 0, false);
  EXPECT_EQ(out.Pixel(0, 0), gfx::Rgb(10, 5, 200));
  EXPECT_EQ(out.Pixel(49, 9), gfx::Rgb(10, 14, 200));
  // The source's columns 16 to 29 lie outside its picture: those columns are left alone.
  DrawGaugeProgress(out, {0, -1000000000, 50, 1000000000}, pic, {0, 10, 30, 11}, 0, 0, true);
  EXPECT_EQ(out.Pixel(0, 0), gfx::Rgb(0, 10, 200));
  EXPECT_EQ(out.Pixel(15, 3), gfx::Rgb(15, 10, 200));
  EXPECT_EQ(out.Pixel(20, 3), gfx::Rgb(10, 8, 200));
  EXPECT_EQ(out.Pixel(49, 9), gfx::Rgb(10, 14, 200));
  DrawGaugeProgress(out, {0, 0, 50, 10}, pic, {100, 100, 120, 120}, 3, 3, false);
  DrawGaugeProgress(out, {0, 0, 50, 10}, gfx::Bitmap(), {0, 0, 10, 10}, 0, 0, false);
}

TEST(GaugeFillTest, TextJoinsProgressTextAndPercent) {
  const struct {
    const char* progress;
    bool show_text, show_percent;
    double q;
    const char* text;
  } cases[] = {
      {"", false, true, 0.5, "50%"},        {"", false, true, 0.125, "12%"},  // 12.5 rounds to even
      {"完成", true, true, 0.375, "完成38%"}, {"完成", true, false, 0.5, "完成"},
      {"完成", false, false, 0.5, ""},       {"", false, true, 1.0, "100%"},
  };
  for (const auto& c : cases) EXPECT_EQ(GaugeText(c.progress, c.show_text, c.show_percent, c.q), c.text);
}

}  // namespace
}  // namespace skin
