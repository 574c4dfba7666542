// Resizing: exact sizes, flat colours and edges kept, positions kept across the filter's tiles,
// the same result on any number of threads, refusals, and the pixel-exact nearest-neighbour stretch.
#include "gfx/Resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "gfx/ImageError.h"

namespace gfx {
namespace {

struct SizeCase {
  int32_t sw, sh, dw, dh;
};

// Shrinking, enlarging, both at once, single pixels, large factors (averaged first) and a source
// or destination longer than pixman's fixed-point coordinates reach.
constexpr SizeCase kSizes[] = {
    {64, 48, 32, 24},  {64, 48, 200, 150}, {64, 48, 17, 97},  {1, 1, 9, 4},   {5, 7, 1, 1},
    {1000, 3, 7, 5},   {3, 900, 2, 11},    {40000, 2, 50, 3}, {33, 2, 33, 9},  {90, 2, 40000, 3},
};

TEST(ResampleTest, FlatColourStaysFlatAtTheExactSize) {
  const Color colour = Rgb(200, 100, 30);
  for (const SizeCase& c : kSizes) {
    SCOPED_TRACE(::testing::Message() << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh);
    Bitmap source(c.sw, c.sh, 24);
    source.Fill(colour);
    const Bitmap out = ResizeHighQuality(source, c.dw, c.dh);
    ASSERT_EQ(out.Width(), c.dw);
    ASSERT_EQ(out.Height(), c.dh);
    ASSERT_EQ(out.BitsPerPixel(), 24);
    for (int32_t y = 0; y < c.dh; ++y)
      for (int32_t x = 0; x < c.dw; ++x) ASSERT_EQ(out.Pixel(x, y), colour) << x << "," << y;
  }
}

// A linear ramp along one axis survives any symmetric filter unchanged away from the edges, so each
// destination pixel must show the ramp's value at its centre mapped into the source.
TEST(ResampleTest, RampKeepsItsPositions) {
  struct Case {
    bool horizontal;
    int32_t n, target;
  };
  const Case cases[] = {
      {true, 100, 37},   {false, 100, 37},  {true, 37, 100},    {true, 40, 15},  {false, 24, 61},
      {false, 3000, 9000},
      {true, 9000, 4100}, {true, 40001, 500}, {false, 20000, 300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.horizontal ? "across " : "down ") << c.n << " -> " << c.target);
    const int32_t w = c.horizontal ? c.n : 3, h = c.horizontal ? 3 : c.n;
    Bitmap source(w, h, 24);
    auto ramp = [&](double position) { return position * 255.0 / (c.n - 1); };
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) {
        const auto v = static_cast<uint8_t>(std::lround(ramp(c.horizontal ? x : y)));
        source.SetPixel(x, y, Rgb(v, v, v));
      }
    const Bitmap out = ResizeHighQuality(source, c.horizontal ? c.target : 3, c.horizontal ? 3 : c.target);
    const double scale = static_cast<double>(c.n) / c.target;
    const double reach = 3.0 * std::max(scale, 1.0) + 2.0;  // the filter's half width
    int worst = 0;
    for (int32_t i = 0; i < c.target; ++i) {
      const double centre = (i + 0.5) * scale - 0.5;
      if (centre - reach < 0 || centre + reach > c.n - 1) continue;
      const Color got = c.horizontal ? out.Pixel(i, 1) : out.Pixel(1, i);
      worst = std::max(worst, static_cast<int>(std::lround(std::abs(Red(got) - ramp(centre)))));
    }
    EXPECT_LE(worst, 1);
  }
}

// Every thread count must give the single-threaded picture bit for bit: odd sizes that split into
// uneven runs, fewer lines than threads, one-pixel results, averaged shrinks, several tiles along an
// axis and runs longer than pixman's bands.
TEST(ResampleTest, ThreadCountDoesNotChangeTheResult) {
  constexpr SizeCase kCases[] = {
      {97, 61, 40, 23},   {37, 29, 101, 83}, {64, 48, 17, 97},  {5, 7, 1, 1},      {3, 2, 1, 5},
      {1, 9, 4, 1},       {601, 5, 13, 40},  {7, 3001, 5, 2301}, {2500, 3, 2100, 4},
      {50, 20000, 17, 9000},
  };
  uint32_t state = 12345;  // a fixed pseudo-random picture, so a line taken from the wrong place shows
  for (const SizeCase& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh);
    Bitmap source(c.sw, c.sh, 24);
    for (int32_t y = 0; y < c.sh; ++y)
      for (int32_t x = 0; x < c.sw * 3; ++x) {
        state = state * 1664525u + 1013904223u;
        source.Row(y)[x] = static_cast<uint8_t>(state >> 24);
      }
    const Bitmap single = ResizeHighQuality(source, c.dw, c.dh, 1);
    for (int workers : {2, 3, 7}) EXPECT_TRUE(ResizeHighQuality(source, c.dw, c.dh, workers) == single) << workers;
    EXPECT_TRUE(ResizeHighQuality(source, c.dw, c.dh) == single);
  }
}

TEST(ResampleTest, EdgesAreNotDarkened) {
  // White with a dark centre: shrinking and enlarging must keep the outer pixels white.
  Bitmap source(40, 30, 24);
  source.Fill(kWhite);
  for (int32_t y = 12; y < 18; ++y)
    for (int32_t x = 16; x < 24; ++x) source.SetPixel(x, y, kBlack);
  for (Size size : {Size{13, 9}, Size{120, 95}}) {
    const Bitmap out = ResizeHighQuality(source, size.width, size.height);
    for (int32_t x = 0; x < size.width; ++x) {
      EXPECT_EQ(out.Pixel(x, 0), kWhite) << x;
      EXPECT_EQ(out.Pixel(x, size.height - 1), kWhite) << x;
    }
    for (int32_t y = 0; y < size.height; ++y) {
      EXPECT_EQ(out.Pixel(0, y), kWhite) << y;
      EXPECT_EQ(out.Pixel(size.width - 1, y), kWhite) << y;
    }
    EXPECT_LT(Red(out.Pixel(size.width / 2, size.height / 2)), 128);
  }
}

TEST(ResampleTest, OtherDepthsResizeAsTheirColours) {
  Bitmap source(20, 10, 24);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 20; ++x)
      source.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 12), static_cast<uint8_t>(y * 25), 77));
  EXPECT_TRUE(ResizeHighQuality(source.ConvertTo(32), 7, 23) == ResizeHighQuality(source, 7, 23));
  EXPECT_TRUE(ResizeNearest(source.ConvertTo(32), 7, 23) == ResizeNearest(source, 7, 23));
  EXPECT_TRUE(ResizeHighQuality(source, 20, 10) == source);
}

TEST(ResampleTest, SizesThatAreNotPositiveAreRefused) {
  const Bitmap source(4, 4, 24);
  for (Size size : {Size{0, 5}, Size{5, 0}, Size{-1, 5}, Size{5, -3}}) {
    SCOPED_TRACE(::testing::Message() << size.width << "x" << size.height);
    for (auto resize : {&ResizeHighQuality, &ResizeNearest}) {
      try {
        resize(source, size.width, size.height);
        ADD_FAILURE() << "resized";
      } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(std::to_string(size.width) + " x " + std::to_string(size.height)),
                  std::string::npos) << e.what();
      }
    }
  }
  EXPECT_THROW(ResizeHighQuality(Bitmap(), 3, 3), ImageError);
}

TEST(ResampleTest, NearestNeighbourCopiesWholePixels) {
  Bitmap source(3, 2, 24);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) source.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 100), static_cast<uint8_t>(y * 200), 9));
  struct Case {
    int32_t w, h;
  };
  for (const Case& c : {Case{6, 4}, Case{3, 2}, Case{2, 1}, Case{7, 3}}) {
    SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h);
    const Bitmap out = ResizeNearest(source, c.w, c.h);
    ASSERT_EQ(out.GetSize(), (Size{c.w, c.h}));
    for (int32_t y = 0; y < c.h; ++y)
      for (int32_t x = 0; x < c.w; ++x) EXPECT_EQ(out.Pixel(x, y), source.Pixel(x * 3 / c.w, y * 2 / c.h));
  }
}

}  // namespace
}  // namespace gfx
