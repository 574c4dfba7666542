// Morphs and effects: the worked values, and every operation against a per-pixel reference.
#include "skin/render/TskEffectBmp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "RenderReference.h"

namespace skin {
namespace {

using gfx::Bitmap;

// Channel c (0 blue, 1 green, 2 red) of pixel (x, y).
uint8_t& At(Bitmap& b, int32_t x, int32_t y, int c) { return b.Row(y)[x * 3 + c]; }
uint8_t At(const Bitmap& b, int32_t x, int32_t y, int c) { return b.Row(y)[x * 3 + c]; }

uint8_t Channel(double v) { return static_cast<uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0)); }

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

// Pixel (x, y) is red x, green y and blue `tag`, so a result tells where each pixel came from.
Bitmap Coded(int32_t w, int32_t h, uint8_t tag) {
  Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x), static_cast<uint8_t>(y), tag));
  return b;
}

// --- The per-pixel reference, step by step as the operations are defined. -------------------------

// Column x of every row becomes t·N + (1 - t)·A, N being the image's current value.
void MixColumn(Bitmap& n, const Bitmap& a, int32_t x, double t) {
  for (int32_t y = 0; y < n.Height(); ++y)
    for (int c = 0; c < 3; ++c) At(n, x, y, c) = Channel(t * At(n, x, y, c) + (1 - t) * At(a, x, y, c));
}
void MixRow(Bitmap& n, const Bitmap& a, int32_t y, double t) {
  for (int32_t x = 0; x < n.Width(); ++x)
    for (int c = 0; c < 3; ++c) At(n, x, y, c) = Channel(t * At(n, x, y, c) + (1 - t) * At(a, x, y, c));
}
void TakeColumn(Bitmap& n, const Bitmap& from, int32_t x, int32_t from_x) {
  for (int32_t y = 0; y < n.Height(); ++y)
    for (int c = 0; c < 3; ++c) At(n, x, y, c) = At(from, from_x, y, c);
}

Bitmap ReferenceMorph(int kind, Bitmap n, const Bitmap& a, double k) {
  if (n.GetSize() != a.GetSize() || n.IsEmpty()) return n;
  k = std::clamp(k, 0.0, 1.0);
  const int32_t w = n.Width(), h = n.Height();
  switch (kind) {
    case 0:
      for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
          for (int c = 0; c < 3; ++c) At(n, x, y, c) = Channel((1 - k) * At(n, x, y, c) + k * At(a, x, y, c));
      break;
    case 1:
      if (w < h) {
        int32_t b = Round(h * k), d = (h - 1 - b) / 2;
        double step = d == 0 ? 0 : 1.0 / d;
        int32_t c = b / 2, m = h / 2, top = std::max(0, m - c), bottom = std::min(h - 1, m + c);
        for (int32_t y = top; y <= bottom; ++y) MixRow(n, a, y, 0);
        double t = 0;
        for (int32_t y = top; y >= 0; --y, t = std::min(1.0, t + step)) MixRow(n, a, y, t);
        t = 0;
        for (int32_t y = bottom; y < h; ++y, t = std::min(1.0, t + step)) MixRow(n, a, y, t);
      } else {
        int32_t aa = Round(w * k), b = (w - aa) / 2;
        double step = b == 0 ? 1 : 1.0 / b;
        int32_t c = aa / 2, m = w / 2, left = std::max(0, m - c), right = std::min(w - 1, m + c);
        for (int32_t x = left; x <= right; ++x) TakeColumn(n, a, x, x);
        double t = 0;
        for (int32_t x = left; x >= 0; --x, t = std::min(1.0, t + step)) MixColumn(n, a, x, t);
        t = 0;
        for (int32_t x = right; x < w; ++x, t = std::min(1.0, t + step)) MixColumn(n, a, x, t);
      }
      break;
    case 2: {
      int32_t aa = std::max(1, std::min(w - 1, Round(w * k)));
      for (int32_t x = 0; x <= aa && x < w; ++x) MixColumn(n, a, x, std::min(1.0, static_cast<double>(x) / aa));
      break;
    }
    case 3: {
      int32_t aa = std::max(0, std::min(w - 1, w - Round(w * k)));
      double step = w - aa <= 0 ? 1 : 1.0 / (w - aa), t = 0;
      for (int32_t x = w - 1; x >= aa; --x, t = std::min(1.0, t + step)) MixColumn(n, a, x, t);
      break;
    }
    case 4: {
      int32_t b = std::max(1, std::min(w - 1, Round(w * k)));
      for (int32_t x = 0; x < b; ++x) TakeColumn(n, a, x, w - b + x);
      break;
    }
    case 5: {
      int32_t b = std::max(1, std::min(w - 1, Round(w * k)));
      for (int32_t x = w - b; x < w; ++x) TakeColumn(n, a, x, x - (w - b));
      break;
    }
    case 6: {
      int32_t aa = std::max(0, std::min(w - 1, Round(w * k)));
      const Bitmap old = n;
      for (int32_t x = w - 1; x >= aa; --x) TakeColumn(n, old, x, std::max(0, x - aa - 1));
      for (int32_t x = 0; x <= aa; ++x) TakeColumn(n, a, x, std::min(w - 1, w - aa - 1 + x));
      break;
    }
  }
  return n;
}

Bitmap RunMorph(int kind, const Bitmap& n, const Bitmap& a, double k) {
  TskEffectBmp bn = TskEffectBmp::CreateFromBitmap(n);
  const TskEffectBmp ba = TskEffectBmp::CreateFromBitmap(a);
  EXPECT_TRUE(bn.Morph(kind, ba, k));
  return bn.TakeBitmap();
}

// --- Worked values. ---------------------------------------------------------------------------------

struct ColumnCase {
  const char* name;
  int kind;
  double k;
  // For each of the 10 columns: 'N' or 'A' and the source column.
  const char* from;
  int columns[10];
};

TEST(TskEffectBmpTest, MorphColumnsOfTheWorkedExamples) {
  const Bitmap n = Coded(10, 3, 1), a = Coded(10, 3, 2);
  const ColumnCase cases[] = {
      {"left gradient 0.05 (a = 1)", 2, 0.05, "ANNNNNNNNN", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"push 0.3 (a = 3)", 6, 0.3, "AAAANNNNNN", {6, 7, 8, 9, 0, 1, 2, 3, 4, 5}},
      {"right slide 0.2 (b = 2)", 5, 0.2, "NNNNNNNNAA", {0, 1, 2, 3, 4, 5, 6, 7, 0, 1}},
      {"left slide 0.2 (b = 2)", 4, 0.2, "AANNNNNNNN", {8, 9, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"left slide 0 (at least 1)", 4, 0.0, "ANNNNNNNNN", {9, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"push 1 (at most W - 1)", 6, 1.0, "AAAAAAAAAA", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"push 0", 6, 0.0, "ANNNNNNNNN", {9, 0, 1, 2, 3, 4, 5, 6, 7, 8}},
      // Column 9 is fully active; even at k = 1 column 0 keeps a tenth of N.
      {"right gradient 1 (a = 0)", 3, 1.0, "NNNNNNNNNA", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Bitmap out = RunMorph(c.kind, n, a, c.k);
    for (int32_t x = 0; x < 10; ++x) {
      // Blended columns are checked by the reference test; here only the pure ones.
      if (c.kind == 3 && x < 9) continue;
      const Bitmap& src = c.from[x] == 'A' ? a : n;
      for (int32_t y = 0; y < 3; ++y) EXPECT_EQ(out.Pixel(x, y), src.Pixel(c.columns[x], y)) << "column " << x;
    }
  }
}

TEST(TskEffectBmpTest, HalvesRoundToEven) {
  Bitmap black(1, 1, 24), white(1, 1, 24);
  white.Fill(gfx::kWhite);
  EXPECT_EQ(RunMorph(0, black, white, 0.5).Pixel(0, 0), gfx::Rgb(128, 128, 128));  // 127.5

  Bitmap grey(2, 1, 24);
  grey.SetPixel(1, 0, gfx::kWhite);
  TskEffectBmp b(grey);
  b.Brighten(0.5);
  EXPECT_EQ(b.ReadPixel(0, 0), gfx::Rgb(128, 128, 128));  // 0 -> 127.5
  EXPECT_EQ(b.ReadPixel(1, 0), gfx::kWhite);

  Bitmap red(1, 1, 24);
  red.SetPixel(0, 0, gfx::Rgb(255, 0, 0));
  TskEffectBmp r(red);
  r.Grayscale();
  EXPECT_EQ(r.ReadPixel(0, 0), gfx::Rgb(76, 76, 76));  // 76.5
}

TEST(TskEffectBmpTest, MorphsBetweenDifferentSizesLeaveTheImage) {
  const Bitmap n = Coded(10, 4, 1);
  TskEffectBmp other = TskEffectBmp::CreateSized(9, 4);
  for (int kind = 0; kind < TskEffectBmp::kMorphKinds; ++kind) {
    TskEffectBmp b(n);
    EXPECT_TRUE(b.Morph(kind, other, 0.5));
    EXPECT_EQ(b.Bitmap(), n) << "kind " << kind;
  }
  TskEffectBmp b(n);
  EXPECT_FALSE(b.Morph(7, b, 0.5));
  EXPECT_FALSE(b.ApplyInactiveEffect(6));
  EXPECT_EQ(b.Bitmap(), n);
}

// --- Every operation against the reference. ---------------------------------------------------------

TEST(TskEffectBmpTest, MorphsMatchThePerPixelReference) {
  std::mt19937 rng(2024);
  // Factors as a fade reaches them (sums of 0.1 steps), exact halves, the ends and out of range.
  std::vector<double> factors = {0.0, 0.05, 0.25, 0.5, 0.75, 1.0, -0.3, 1.7};
  for (double k = 0.1; k < 1.0; k += 0.1) factors.push_back(k);
  for (int iteration = 0; iteration < 400; ++iteration) {
    const int32_t w = ref::Uniform(rng, 1, 24), h = ref::Uniform(rng, 1, 24);
    const Bitmap n = ref::RandomPicture(rng, w, h), a = ref::RandomPicture(rng, w, h);
    const double k = iteration % 2 ? factors[rng() % factors.size()] : std::uniform_real_distribution<>(0, 1)(rng);
    for (int kind = 0; kind < TskEffectBmp::kMorphKinds; ++kind) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " " << w << "x" << h << " k " << k);
      ASSERT_EQ(RunMorph(kind, n, a, k), ReferenceMorph(kind, n, a, k));
    }
  }
}

Bitmap ReferenceEffect(int effect, Bitmap b, double k) {
  const int32_t w = b.Width(), h = b.Height();
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      if (effect == 2) {
        const uint8_t g = Channel(0.3 * At(b, x, y, 2) + 0.59 * At(b, x, y, 1) + 0.11 * At(b, x, y, 0));
        for (int c = 0; c < 3; ++c) At(b, x, y, c) = g;
        continue;
      }
      for (int c = 0; c < 3; ++c) {
        uint8_t& v = At(b, x, y, c);
        if (effect == 0) v = Channel((1 - k) * v + 255 * k);
        if (effect == 1) v = Channel((1 - k) * v);
        if (effect == 5) v = static_cast<uint8_t>(255 - v);
      }
    }
  return b;
}

TEST(TskEffectBmpTest, ChannelEffectsMatchThePerPixelReference) {
  std::mt19937 rng(77);
  for (int iteration = 0; iteration < 100; ++iteration) {
    const Bitmap pic = ref::RandomPicture(rng, ref::Uniform(rng, 1, 20), ref::Uniform(rng, 1, 20));
    const double k = std::uniform_real_distribution<>(-0.2, 1.2)(rng);
    TskEffectBmp b(pic);
    b.Brighten(k);
    ASSERT_EQ(b.Bitmap(), ReferenceEffect(0, pic, std::clamp(k, 0.0, 1.0)));
    b = TskEffectBmp(pic);
    b.Darken(k);
    ASSERT_EQ(b.Bitmap(), ReferenceEffect(1, pic, std::clamp(k, 0.0, 1.0)));
    b = TskEffectBmp(pic);
    b.Grayscale();
    ASSERT_EQ(b.Bitmap(), ReferenceEffect(2, pic, 0));
    b = TskEffectBmp(pic);
    b.Invert();
    ASSERT_EQ(b.Bitmap(), ReferenceEffect(5, pic, 0));
  }
  // The inactive effects by their stored values use the frame's parameters.
  const Bitmap pic = ref::RandomPicture(rng, 9, 7);
  TskEffectBmp b(pic);
  ASSERT_TRUE(b.ApplyInactiveEffect(0));
  EXPECT_EQ(b.Bitmap(), ReferenceEffect(0, pic, 0.5));
  b = TskEffectBmp(pic);
  ASSERT_TRUE(b.ApplyInactiveEffect(1));
  EXPECT_EQ(b.Bitmap(), ReferenceEffect(1, pic, 0.3));
}

TEST(TskEffectBmpTest, NoiseAddsOneDrawPerPixelToAllChannels) {
  Bitmap pic(3, 2, 24);
  pic.SetPixel(0, 0, gfx::Rgb(10, 250, 0));
  pic.SetPixel(1, 0, gfx::Rgb(100, 100, 100));
  TskEffectBmp b(pic);
  std::vector<int> draws;
  int next = 0;
  // Draws 0, 49, 1, 48, ... with amount 50: offsets -25, +24, -24, +23, ...
  b.AddNoise(50, [&](int amount) {
    draws.push_back(amount);
    const int r = next % 2 ? amount - 1 - next / 2 : next / 2;
    ++next;
    return r;
  });
  EXPECT_EQ(draws, std::vector<int>(6, 50));
  EXPECT_EQ(b.ReadPixel(0, 0), gfx::Rgb(0, 225, 0));     // -25, clamped at 0
  EXPECT_EQ(b.ReadPixel(1, 0), gfx::Rgb(124, 124, 124));  // +24
  EXPECT_EQ(b.ReadPixel(2, 0), gfx::Rgb(0, 0, 0));        // -24 from black
  EXPECT_EQ(b.ReadPixel(0, 1), gfx::Rgb(23, 23, 23));     // +23

  // The default generator repeats itself, so an inactive frame does not shimmer between paints.
  TskEffectBmp c1(pic), c2(pic);
  c1.AddNoise(50);
  c2.ApplyInactiveEffect(3);
  EXPECT_EQ(c1.Bitmap(), c2.Bitmap());
  TskEffectBmp none(pic);
  none.AddNoise(0);
  EXPECT_EQ(none.Bitmap(), pic);
}

// In place from the top: rows above are read blurred; neighbours off the image use the pixel's
// own row or column.
Bitmap ReferenceSplitBlur(Bitmap b, int amount) {
  const int32_t w = b.Width(), h = b.Height();
  for (int32_t y = 0; y < h; ++y) {
    const Bitmap before = b;
    const int32_t up = y - amount < 0 ? y : y - amount, down = y + amount >= h ? y : y + amount;
    for (int32_t x = 0; x < w; ++x) {
      const int32_t l = x - amount < 0 ? x : x - amount, r = x + amount >= w ? x : x + amount;
      for (int c = 0; c < 3; ++c)
        At(b, x, y, c) = static_cast<uint8_t>(
            (At(before, l, up, c) + At(before, r, up, c) + At(before, l, down, c) + At(before, r, down, c)) / 4);
    }
  }
  return b;
}

TEST(TskEffectBmpTest, SplitBlurMatchesThePerPixelReference) {
  std::mt19937 rng(8);
  for (int amount : {1, 2, 5, 30}) {
    const Bitmap pic = ref::RandomPicture(rng, ref::Uniform(rng, 1, 15), ref::Uniform(rng, 1, 15));
    TskEffectBmp b(pic);
    b.SplitBlur(amount);
    ASSERT_EQ(b.Bitmap(), ReferenceSplitBlur(pic, amount)) << "amount " << amount;
  }
  // A single pixel averages itself four times; amount 0 changes nothing.
  Bitmap one(1, 1, 24);
  one.SetPixel(0, 0, gfx::Rgb(3, 7, 255));
  TskEffectBmp b(one);
  b.SplitBlur(1);
  EXPECT_EQ(b.Bitmap(), one);
  const Bitmap pic = ref::RandomPicture(rng, 4, 4);
  TskEffectBmp still(pic);
  still.SplitBlur(0);
  EXPECT_EQ(still.Bitmap(), pic);
}

TEST(TskEffectBmpTest, QuarterTurns) {
  const Bitmap pic = Coded(3, 2, 0);
  const TskEffectBmp b(pic);
  TskEffectBmp left = TskEffectBmp::CreateSized(1, 1), right = TskEffectBmp::CreateSized(2, 3);
  b.RotateLeftInto(left);
  b.RotateRightInto(right);
  ASSERT_EQ(left.Bitmap().GetSize(), (gfx::Size{2, 3}));
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) {
      EXPECT_EQ(left.ReadPixel(y, 3 - 1 - x), pic.Pixel(x, y));
      EXPECT_EQ(right.ReadPixel(2 - 1 - y, x), pic.Pixel(x, y));
    }
}

TEST(TskEffectBmpTest, PixelAndRowAccess) {
  TskEffectBmp b = TskEffectBmp::CreateSized(5, 2);
  EXPECT_EQ(b.MemorySize(), 16u * 2);  // rows of 15 bytes padded to 16
  b.WritePixel(4, 1, gfx::Rgb(1, 2, 3));
  b.WritePixel(5, 1, gfx::kWhite);   // outside: ignored
  EXPECT_EQ(b.ReadPixel(-1, 0), gfx::kBlack);
  uint8_t row[15];
  b.ReadRow(1, row);
  EXPECT_EQ(row[12], 3);
  EXPECT_EQ(row[14], 1);
  b.WriteRow(0, row);
  EXPECT_EQ(b.ReadPixel(4, 0), gfx::Rgb(1, 2, 3));
  EXPECT_EQ(b.RowPointer(1)[13], 2);
  Bitmap surface(8, 8, 24);
  b.DrawTo(surface, 3, 6);
  EXPECT_EQ(surface.Pixel(7, 7), gfx::Rgb(1, 2, 3));
  EXPECT_EQ(surface.Pixel(7, 6), gfx::Rgb(1, 2, 3));
}

}  // namespace
}  // namespace skin
