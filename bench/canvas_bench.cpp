// Canvas speed: text with cached glyphs, formatted text, fills and nearest-neighbour stretches.
#include <benchmark/benchmark.h>

#include "gfx/Canvas.h"

namespace {

void BM_TextOutMixedLine(benchmark::State& state) {
  gfx::Bitmap b(675, 40);
  gfx::Canvas c(b);
  c.Brush().style = gfx::BrushStyle::kClear;
  for (auto _ : state) c.TextOut(4, 4, "图片压缩（免费共享） Quality 85% 打开图片");
}
BENCHMARK(BM_TextOutMixedLine);

void BM_DrawTextWordBreak(benchmark::State& state) {
  gfx::Bitmap b(300, 200);
  gfx::Canvas c(b);
  c.Brush().style = gfx::BrushStyle::kClear;
  for (auto _ : state) {
    gfx::Rect r{0, 0, 300, 200};
    c.DrawText(r, "批量压缩会把列表中的每一张图片压缩成 JPEG 文件，保存到输出文件夹，文件名前加上前缀。", gfx::kDtWordBreak);
  }
}
BENCHMARK(BM_DrawTextWordBreak);

void BM_MeasureText(benchmark::State& state) {
  const gfx::Font f("Arial", 14);
  for (auto _ : state) benchmark::DoNotOptimize(f.TextWidth("图片压缩（免费共享） Quality 85%"));
}
BENCHMARK(BM_MeasureText);

void BM_FillRectClient(benchmark::State& state) {
  gfx::Bitmap b(675, 466);
  gfx::Canvas c(b);
  for (auto _ : state) c.FillRect({0, 0, 675, 466}, gfx::Rgb(236, 233, 216));
  state.SetItemsProcessed(state.iterations() * 675 * 466);
}
BENCHMARK(BM_FillRectClient);

void BM_StretchDrawClient(benchmark::State& state) {
  gfx::Bitmap src(64, 64);
  src.Fill(gfx::Rgb(10, 20, 30));
  gfx::Bitmap b(675, 466);
  gfx::Canvas c(b);
  for (auto _ : state) c.StretchDraw({0, 0, 675, 466}, src);
  state.SetItemsProcessed(state.iterations() * 675 * 466);
}
BENCHMARK(BM_StretchDrawClient);

}  // namespace
