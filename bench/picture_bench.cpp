// Pixel routines per megapixel: contrast, saturation, RGB shift, rotation and mirroring.
#include <benchmark/benchmark.h>

#include <random>

#include "picture/ColorAdjust.h"
#include "picture/Thumbnail.h"
#include "picture/Transforms.h"

namespace {

gfx::Bitmap Noise(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  std::mt19937 random(1);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b.Row(y);
    for (int x = 0; x < w * 3; ++x) row[x] = static_cast<uint8_t>(random());
  }
  return b;
}

constexpr int kWidth = 2000, kHeight = 1500;  // three megapixels

void Pixels(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight);
}

void BM_AdjustContrast(benchmark::State& state) {
  gfx::Bitmap b = Noise(kWidth, kHeight);
  for (auto _ : state) picture::AdjustContrast(b, static_cast<int>(state.range(0)));
  Pixels(state);
}
BENCHMARK(BM_AdjustContrast)->Arg(100)->Arg(-100)->Unit(benchmark::kMillisecond);

void BM_AdjustSaturation(benchmark::State& state) {
  gfx::Bitmap b = Noise(kWidth, kHeight);
  for (auto _ : state) picture::AdjustSaturation(b, -128, nullptr);
  Pixels(state);
}
BENCHMARK(BM_AdjustSaturation)->Unit(benchmark::kMillisecond);

void BM_ShiftRGB(benchmark::State& state) {
  gfx::Bitmap b = Noise(kWidth, kHeight);
  for (auto _ : state) picture::ShiftRGB(b, 20, -10, 5, nullptr);
  Pixels(state);
}
BENCHMARK(BM_ShiftRGB)->Unit(benchmark::kMillisecond);

void BM_Rotate90(benchmark::State& state) {
  gfx::Bitmap b = Noise(kWidth, kHeight);
  for (auto _ : state) picture::Rotate90(b);
  Pixels(state);
}
BENCHMARK(BM_Rotate90)->Unit(benchmark::kMillisecond);

void BM_FlipHorz(benchmark::State& state) {
  gfx::Bitmap b = Noise(kWidth, kHeight);
  for (auto _ : state) picture::FlipHorz(b);
  Pixels(state);
}
BENCHMARK(BM_FlipHorz)->Unit(benchmark::kMillisecond);

void BM_MakeThumbnail(benchmark::State& state) {
  gfx::Bitmap b = Noise(kWidth, kHeight);
  for (auto _ : state) benchmark::DoNotOptimize(picture::MakeThumbnail(b));
  Pixels(state);
}
BENCHMARK(BM_MakeThumbnail)->Unit(benchmark::kMillisecond);

}  // namespace
