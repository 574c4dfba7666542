// Mask runs and window regions: worked rows, the block layout, long run lists and random masks.
#include "skin/render/MaskRegion.h"

#include <gtest/gtest.h>

#include <vector>

#include "RenderReference.h"

namespace skin {
namespace {

using gfx::Bitmap;
using gfx::Color;
using gfx::Rect;

constexpr Color kB = gfx::kBlack;
constexpr Color kW = gfx::kWhite;

Bitmap Row(const std::vector<Color>& pixels) {
  Bitmap b(static_cast<int32_t>(pixels.size()), 1, 24);
  for (size_t x = 0; x < pixels.size(); ++x) b.SetPixel(static_cast<int32_t>(x), 0, pixels[x]);
  return b;
}

std::vector<Color> Repeat(Color c, int n) { return std::vector<Color>(static_cast<size_t>(n), c); }
std::vector<Color> Join(std::initializer_list<std::vector<Color>> parts) {
  std::vector<Color> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// The runs a plain pixel-by-pixel scan finds.
std::vector<Rect> NaiveRuns(const Bitmap& m, int32_t ox, int32_t oy) {
  std::vector<Rect> runs;
  for (int32_t y = 0; y < m.Height(); ++y) {
    for (int32_t x = 0; x < m.Width();) {
      if (m.Pixel(x, y) != kB) {
        ++x;
        continue;
      }
      int32_t x0 = x;
      while (x < m.Width() && m.Pixel(x, y) == kB) ++x;
      runs.push_back({ox + x0, oy + y, ox + x, oy + y + 1});
    }
  }
  return runs;
}

struct RowCase {
  const char* name;
  std::vector<Color> pixels;
  int32_t ox, oy;
  std::vector<Rect> runs;
};

TEST(MaskRegionTest, RowsBecomeRunsAtTheOffset) {
  const RowCase cases[] = {
      {"two runs", {kB, kB, kB, kW, kW, kB}, 10, 5, {{10, 5, 13, 6}, {15, 5, 16, 6}}},
      {"only exact black is inside",
       {gfx::Rgb(1, 0, 0), gfx::Rgb(0, 1, 0), gfx::Rgb(0, 0, 1), kB},
       0,
       0,
       {{3, 0, 4, 1}}},
      {"dark colours with zero bytes", Join({Repeat(gfx::Rgb(255, 0, 0), 17), {kB}, Repeat(gfx::Rgb(0, 0, 9), 9)}), 0, 0,
       {{17, 0, 18, 1}}},
      {"long runs cross eight-pixel blocks", Join({Repeat(kW, 13), Repeat(kB, 21), Repeat(kW, 8), Repeat(kB, 3)}), -2, 7,
       {{11, 7, 32, 8}, {40, 7, 43, 8}}},
      {"all black", Repeat(kB, 40), 0, 0, {{0, 0, 40, 1}}},
      {"all white", Repeat(kW, 40), 0, 0, {}},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto data = RegionDataFromMask(Row(c.pixels), c.ox, c.oy);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->rects, c.runs);
    EXPECT_EQ(data->bounds, Rect::FromSize(c.ox, c.oy, static_cast<int32_t>(c.pixels.size()), 1));
    EXPECT_EQ(data->ByteSize(), 32 + 16 * c.runs.size());
  }
}

TEST(MaskRegionTest, BlockLayout) {
  const auto none = RegionDataFromMask(Row(Repeat(kW, 5)), 0, 0);
  ASSERT_TRUE(none.has_value());
  const std::vector<uint8_t> empty_block = none->ToBytes();
  const std::vector<uint8_t> want_empty = {32, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                           0,  0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(empty_block, want_empty);

  const auto one = RegionDataFromMask(Row({kW, kB}), 10, 5);
  const std::vector<uint8_t> block = one->ToBytes();
  ASSERT_EQ(block.size(), 48u);
  EXPECT_EQ(block[8], 1);  // count
  const std::vector<uint8_t> rect(block.begin() + 32, block.end());
  EXPECT_EQ(rect, (std::vector<uint8_t>{11, 0, 0, 0, 5, 0, 0, 0, 12, 0, 0, 0, 6, 0, 0, 0}));
}

TEST(MaskRegionTest, EmptyMaskGivesNoRegion) {
  EXPECT_FALSE(RegionDataFromMask(Bitmap(), 0, 0).has_value());
  EXPECT_FALSE(RegionFromMask(Bitmap()).has_value());
  const auto white = RegionFromMask(Row(Repeat(kW, 3)));
  ASSERT_TRUE(white.has_value());
  EXPECT_TRUE(white->IsEmpty());
}

// More runs than the first allocation holds are all kept: a cut list would open holes in the window.
TEST(MaskRegionTest, LongRunListsAreKeptWhole) {
  Bitmap m(250, 100, 24);
  m.Fill(kW);
  for (int32_t y = 0; y < 100; ++y)
    for (int32_t x = y % 2; x < 250; x += 2) m.SetPixel(x, y, kB);
  const auto data = RegionDataFromMask(m, 0, 0);
  ASSERT_EQ(data->rects.size(), 12500u);
  EXPECT_EQ(data->rects.back(), (Rect{249, 99, 250, 100}));
  const gfx::Region r = *RegionFromMask(m);
  EXPECT_TRUE(r.Contains({249, 99}));
  EXPECT_FALSE(r.Contains({248, 99}));
}

TEST(MaskRegionTest, RandomMasksMatchAPixelScan) {
  std::mt19937 rng(5);
  for (int iteration = 0; iteration < 300; ++iteration) {
    const int32_t w = ref::Uniform(rng, 1, 40), h = ref::Uniform(rng, 1, 6);
    // Stretches of black, white and near-black of random lengths.
    Bitmap m(w, h, 24);
    const Color palette[] = {kB, kW, gfx::Rgb(0, 0, 1), gfx::Rgb(0, 255, 0)};
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w;) {
        const Color c = palette[rng() % 4];
        for (int32_t n = ref::Uniform(rng, 1, 12); n > 0 && x < w; --n) m.SetPixel(x++, y, c);
      }
    }
    const int32_t ox = ref::Uniform(rng, -5, 5), oy = ref::Uniform(rng, -5, 5);
    const auto data = RegionDataFromMask(m, ox, oy);
    const std::vector<Rect> want = NaiveRuns(m, ox, oy);
    ASSERT_EQ(data->rects, want);
    ASSERT_TRUE(data->ToRegion() == gfx::Region(want));
  }
}

TEST(MaskRegionTest, MasksOfOtherDepthsAreRead) {
  Bitmap m(10, 1, 1);
  m.SetPalette({kW, kB});
  m.Row(0)[0] = 0x3C;  // pixels 2 to 5 use palette entry 1
  const auto data = RegionDataFromMask(m, 0, 0);
  EXPECT_EQ(data->rects, (std::vector<Rect>{{2, 0, 6, 1}}));
}

// The window region: the client rectangle plus the black pixels of the four mask strips placed
// around it.
gfx::Region ReferenceRegion(const Bitmap& mask, const MaskSource& m, const SkinTarget& t) {
  BorderStrips s;
  ref::MaskBorders(s, mask, m, t);
  std::vector<Rect> rects = {t.client};
  auto add = [&](const Bitmap& b, int32_t ox, int32_t oy) {
    for (const Rect& r : NaiveRuns(b, ox, oy)) rects.push_back(r);
  };
  add(s.top, 0, 0);
  add(s.bottom, 0, t.client.bottom);
  add(s.left, 0, t.client.top);
  add(s.right, t.client.right, t.client.top);
  return gfx::Region(rects);
}

TEST(MaskRegionTest, RegionForSizeJoinsClientAndStrips) {
  // A 20 x 16 mask with cut-off corners: black inside, white outside each corner's 3 x 3 triangle.
  Bitmap mask(20, 16, 24);
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 20; ++x) {
      const int32_t dx = std::min(x, 19 - x), dy = std::min(y, 15 - y);
      mask.SetPixel(x, y, dx + dy < 3 ? kW : kB);
    }
  const MaskSource m{{5, 5}, {15, 5}, {5, 11}, {15, 11}, {4, 4, 16, 12}};
  const SkinSource as_skin{mask.Bounds(), m.lt, m.rt, m.lb, m.rb, m.inner};
  const SkinTarget t = UsualTarget(as_skin, 57, 33);
  const auto r = RegionForSize(mask, m, t);
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(*r == ReferenceRegion(mask, m, t));
  EXPECT_EQ(r->Bounds(), (Rect{0, 0, 57, 33}));
  EXPECT_FALSE(r->Contains({0, 0}));
  EXPECT_FALSE(r->Contains({56, 32}));
  EXPECT_TRUE(r->Contains({3, 0}));

  // No region: empty mask, inverted corner points, empty client.
  EXPECT_FALSE(RegionForSize(Bitmap(), m, t).has_value());
  SkinTarget inverted = t;
  inverted.rt.x = inverted.lt.x - 1;
  EXPECT_FALSE(RegionForSize(mask, m, inverted).has_value());
  inverted = t;
  inverted.lb.y = inverted.lt.y - 1;
  EXPECT_FALSE(RegionForSize(mask, m, inverted).has_value());
  SkinTarget flat = t;
  flat.client.bottom = flat.client.top;
  EXPECT_FALSE(RegionForSize(mask, m, flat).has_value());

  std::mt19937 rng(11);
  for (int iteration = 0; iteration < 500; ++iteration) {
    const int32_t w = ref::Uniform(rng, 1, 16), h = ref::Uniform(rng, 1, 16);
    Bitmap random_mask(w, h, 24);
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) random_mask.SetPixel(x, y, rng() % 3 ? kB : kW);
    const SkinSource s = ref::RandomSource(rng, random_mask.Bounds());
    const SkinTarget rt = ref::RandomTarget(rng, s, ref::Uniform(rng, 0, 40), ref::Uniform(rng, 0, 40));
    const MaskSource ms{s.lt, s.rt, s.lb, s.rb, s.client};
    SCOPED_TRACE(ref::Describe(s, rt));
    const auto got = RegionForSize(random_mask, ms, rt);
    const bool none = rt.rt.x < rt.lt.x || rt.lb.y < rt.lt.y || IsNullRect(rt.client);
    ASSERT_EQ(got.has_value(), !none);
    if (got) {
      ASSERT_TRUE(*got == ReferenceRegion(random_mask, ms, rt));
    }
  }
}

}  // namespace
}  // namespace skin
