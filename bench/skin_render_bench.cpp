// Skin rendering costs: a frame and a button built from their pictures, mask regions and morph steps.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "gfx/Bitmap.h"
#include "skin/render/BorderStrips.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/SkinImage.h"
#include "skin/render/SkinStrip.h"
#include "skin/render/TskEffectBmp.h"

namespace {

gfx::Bitmap Noise(int32_t w, int32_t h, uint32_t seed) {
  gfx::Bitmap b(w, h, 24);
  std::mt19937 rng(seed);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w * 3; ++x) b.Row(y)[x] = static_cast<uint8_t>(rng());
  return b;
}

// A window mask: black inside, white outside rounded corners of the given radius.
gfx::Bitmap RoundedMask(int32_t w, int32_t h, int32_t radius) {
  gfx::Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const int32_t dx = std::max(0, std::max(radius - x, x - (w - 1 - radius)));
      const int32_t dy = std::max(0, std::max(radius - y, y - (h - 1 - radius)));
      if (dx * dx + dy * dy > radius * radius) b.SetPixel(x, y, gfx::kWhite);
    }
  return b;
}

// A 216 x 167 frame picture: 30-row caption, 4-pixel sides and bottom, a client of 208 x 133.
const skin::SkinSource kFrame{{0, 0, 216, 167}, {40, 40}, {176, 40}, {40, 140}, {176, 140}, {4, 30, 212, 163}};

void BM_FrameBuild(benchmark::State& state) {
  const gfx::Bitmap pic = Noise(216, 167, 1);
  const skin::SkinTarget t = skin::UsualTarget(kFrame, 689, 503);
  gfx::Bitmap out;
  for (auto _ : state) {
    skin::BuildSkinImage(out, pic, kFrame, t, true);
    benchmark::DoNotOptimize(out.Data());
  }
}
BENCHMARK(BM_FrameBuild)->Unit(benchmark::kMicrosecond);

void BM_FrameBorders(benchmark::State& state) {
  const gfx::Bitmap pic = Noise(216, 167, 1);
  const skin::SkinTarget t = skin::UsualTarget(kFrame, 689, 503);
  skin::BorderStrips strips;
  for (auto _ : state) {
    skin::BuildFrameBorders(strips, pic, kFrame, t, {});
    benchmark::DoNotOptimize(strips.top.Data());
  }
}
BENCHMARK(BM_FrameBorders)->Unit(benchmark::kMicrosecond);

void BM_ButtonBuild(benchmark::State& state) {
  const gfx::Bitmap pic = Noise(60, 80, 2);  // four 60 x 20 states stacked
  gfx::Bitmap out;
  for (auto _ : state) {
    skin::BuildHorzStrip(out, 12, 14, 75, {0, 20, 60, 40}, pic);
    benchmark::DoNotOptimize(out.Data());
  }
}
BENCHMARK(BM_ButtonBuild)->Unit(benchmark::kMicrosecond);

void BM_MaskRegionSmall(benchmark::State& state) {
  const gfx::Bitmap mask = RoundedMask(216, 167, 12);
  for (auto _ : state) benchmark::DoNotOptimize(skin::RegionFromMask(mask));
}
BENCHMARK(BM_MaskRegionSmall)->Unit(benchmark::kMicrosecond);

void BM_MaskRegionLarge(benchmark::State& state) {
  const gfx::Bitmap mask = RoundedMask(1920, 1080, 12);
  for (auto _ : state) benchmark::DoNotOptimize(skin::RegionFromMask(mask));
}
BENCHMARK(BM_MaskRegionLarge)->Unit(benchmark::kMicrosecond);

// Arguments: the morph kind (0 mkdefault to 6 mkpush) and the size (0: a 75 x 20 button, 1: 400 x 300).
void BM_Morph(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const bool large = state.range(1) != 0;
  const int32_t w = large ? 400 : 75, h = large ? 300 : 20;
  skin::TskEffectBmp normal(Noise(w, h, 3));
  const skin::TskEffectBmp active(Noise(w, h, 4));
  for (auto _ : state) {
    normal.Morph(kind, active, 0.4);
    benchmark::DoNotOptimize(normal.RowPointer(0));
  }
  state.SetLabel(large ? "400x300" : "75x20");
}
BENCHMARK(BM_Morph)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
