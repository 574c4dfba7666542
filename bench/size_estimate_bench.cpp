// One size estimate of a three-megapixel picture, from the settled change to the result on the UI
// thread, and the share of it the UI thread pays (taking a copy of the picture). Argument 0: the
// picture's own size; 1: a custom size while only the quality moves (the resized picture is kept);
// 2: a custom size that changes each time (resized every time).
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <random>

#include "app/SizeEstimate.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/Application.h"

namespace {

constexpr int kWidth = 2000, kHeight = 1500;  // three megapixels

// Smooth shades with a little grain, closer to a photo than pure noise.
gfx::Bitmap PhotoLike() {
  gfx::Bitmap b(kWidth, kHeight, 24);
  std::mt19937 random(1);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = b.Row(y);
    for (int x = 0; x < kWidth; ++x) {
      const int grain = static_cast<int>(random() % 9) - 4;
      row[3 * x] = static_cast<uint8_t>(std::clamp(x * 255 / kWidth + grain, 0, 255));
      row[3 * x + 1] = static_cast<uint8_t>(std::clamp(y * 255 / kHeight + grain, 0, 255));
      row[3 * x + 2] = static_cast<uint8_t>(std::clamp(((x / 40 + y / 40) % 2) * 120 + 60 + grain, 0, 255));
    }
  }
  return b;
}

void BM_SizeEstimateRound(benchmark::State& state) {
  auto backend = std::make_unique<platform::HeadlessBackend>();
  platform::HeadlessBackend* clock = backend.get();
  platform::SetBackend(std::move(backend));
  {
    ui::Application app;
    const gfx::Bitmap picture = PhotoLike();
    const int64_t mode = state.range(0);
    int quality = 50;
    int width = 1200;
    uint64_t got = 0;
    app::SizeEstimate estimate(
        app,
        [&]() -> std::optional<app::EstimateInput> {
          // As the window does: a copy of its picture, taken on the UI thread.
          return app::EstimateInput{std::make_shared<const gfx::Bitmap>(picture), quality,
                                    mode != 0 ? std::optional<gfx::Size>(gfx::Size{width, 900}) : std::nullopt, {}, {}};
        },
        [&](std::optional<uint64_t> bytes) { got = bytes.value_or(1); });
    auto round = [&] {
      got = 0;
      if (mode == 2) width = width == 1200 ? 1201 : 1200;
      quality = quality == 50 ? 51 : 50;
      estimate.Changed();
      clock->AdvanceClock(app::SizeEstimate::kSettleMs);
      while (got == 0) app.HandleMessage();
    };
    round();  // the first estimate of a custom size makes the resized picture
    for (auto _ : state) round();
    state.counters["bytes"] = static_cast<double>(got);
  }
  platform::SetBackend(nullptr);
}
BENCHMARK(BM_SizeEstimateRound)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SizeEstimateTakeCopy(benchmark::State& state) {
  const gfx::Bitmap picture = PhotoLike();
  for (auto _ : state) {
    auto copy = std::make_shared<const gfx::Bitmap>(picture);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_SizeEstimateTakeCopy)->Unit(benchmark::kMillisecond);

}  // namespace
