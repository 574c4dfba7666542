// Costs of the list box with a million items: painting a screen of rows, paging, and measuring the
// widest item for the horizontal bar.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinListBox.h"
#include "skin/data/SkinData.h"
#include "ui/ListBox.h"

namespace {

skin::TskSkinData& Skin() {
  static skin::TskSkinData* data = [] {
    auto* d = new skin::TskSkinData();
    resources::LoadEmbeddedSkin(*d);
    return d;
  }();
  return *data;
}

std::vector<std::string> Items(int n) {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) items.push_back("图片 " + std::to_string(i) + ".jpg");
  return items;
}

// Argument: the number of items. Paints the whole 200 x 400 list, bars included.
void BM_PlainListPaint(benchmark::State& state) {
  ui::ListBox list;
  list.SetBounds(0, 0, 200, 400);
  list.SetItems(Items(static_cast<int>(state.range(0))));
  gfx::Bitmap target(200, 400, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    list.PaintTree(canvas, {0, 0, 200, 400});
    benchmark::DoNotOptimize(target.Data());
  }
}
BENCHMARK(BM_PlainListPaint)->Arg(1000)->Arg(1000000);

// A page down and the paint of the new screen, from the top to the end and round again.
void BM_PlainListPageDown(benchmark::State& state) {
  ui::ListBox list;
  list.SetBounds(0, 0, 200, 400);
  list.SetItems(Items(1000000));
  gfx::Bitmap target(200, 400, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    if (list.TopIndex() >= list.Count() - list.VisibleRows()) list.SetTopIndex(0);
    list.Scroll(ui::ScrollAxis::kVertical, ui::kSbPageDown, 0);
    list.PaintTree(canvas, {0, 0, 200, 400});
    benchmark::DoNotOptimize(target.Data());
  }
}
BENCHMARK(BM_PlainListPageDown);

// The skinned list box with the program's skin: a page down and the paint of the new screen.
void BM_SkinListPageDown(benchmark::State& state) {
  skin::TskSkinListBox box;
  box.SetBounds(0, 0, 200, 400);
  box.SetSkinData(&Skin());
  box.SetItems(Items(1000000));
  gfx::Bitmap target(200, 400, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    if (box.TopIndex() >= box.Count() - box.List().VisibleRows()) box.SetTopIndex(0);
    box.List().Scroll(ui::ScrollAxis::kVertical, ui::kSbPageDown, 0);
    box.PaintTree(canvas, {0, 0, 200, 400});
    benchmark::DoNotOptimize(target.Data());
  }
}
BENCHMARK(BM_SkinListPageDown)->Unit(benchmark::kMillisecond);

// Setting the items of a skinned list box with HorizontalExtent on: every item is measured once.
void BM_SkinListSetItemsMeasured(benchmark::State& state) {
  skin::TskSkinListBox box;
  box.SetBounds(0, 0, 200, 400);
  box.SetSkinData(&Skin());
  box.SetHorizontalExtent(true);
  const std::vector<std::string> items = Items(static_cast<int>(state.range(0)));
  for (auto _ : state) box.SetItems(items);
}
BENCHMARK(BM_SkinListSetItemsMeasured)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
