// A 100,000-item owner-data list view: painting a screen of it, scrolling a page, and the heap it
// takes for millions of items (none per item).
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/data/SkinData.h"
#include "ui/ListView.h"

namespace {

constexpr int32_t kItems = 100000;

skin::TskSkinData& Skin() {
  static skin::TskSkinData* data = [] {
    auto* d = new skin::TskSkinData();
    resources::LoadEmbeddedSkin(*d);
    return d;
  }();
  return *data;
}

void OwnerData(const ui::ListView*, int32_t index, ui::ListItemData& out) {
  out.caption = "第 " + std::to_string(index + 1) + " 张图片.jpg";
  out.image_index = -1;
  out.sub_items = {std::to_string(index % 997 + 3) + " KB", std::to_string(640 + index % 200) + "x480"};
}

// Argument 0: the plain list view; 1: the skinned one with the program's skin.
std::unique_ptr<ui::ListView> MakeList(int64_t skinned, int w, int h) {
  std::unique_ptr<ui::ListView> lv;
  if (skinned != 0) {
    auto s = std::make_unique<skin::TskSkinListView>();
    s->SetSkinData(&Skin());
    lv = std::move(s);
  } else {
    lv = std::make_unique<ui::ListView>();
  }
  lv->SetBounds(0, 0, w, h);
  lv->AddColumn("名称", 300);
  lv->AddColumn("大小", 120);
  lv->AddColumn("尺寸", 120);
  lv->SetOwnerData(true);
  lv->SetMultiSelect(true);
  lv->OnData = OwnerData;
  lv->SetItemCount(kItems);
  lv->SetItemIndex(kItems / 2);
  lv->MakeVisible(kItems / 2);
  return lv;
}

// Everything the form would paint for the control: its items and the header above them.
void PaintAll(ui::ListView& lv, gfx::Canvas& canvas) {
  lv.PaintTree(canvas, {0, 0, lv.ClientWidth(), lv.ClientHeight()});
}

void BM_ListViewPaintScreen(benchmark::State& state) {
  auto lv = MakeList(state.range(0), 1024, 768);
  gfx::Bitmap target(1024, 768, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    PaintAll(*lv, canvas);
    benchmark::DoNotOptimize(target.Data());
  }
  state.SetLabel(std::to_string(lv->VisibleLineCount()) + " rows");
}
BENCHMARK(BM_ListViewPaintScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One page further down and the screen painted again, as a Page Down press does.
void BM_ListViewScrollPage(benchmark::State& state) {
  auto lv = MakeList(state.range(0), 1024, 768);
  gfx::Bitmap target(1024, 768, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    if (lv->TopItem() + 2 * lv->VisibleLineCount() >= kItems) lv->ScrollTo(ui::ScrollAxis::kVertical, 0);
    lv->Scroll(ui::ScrollAxis::kVertical, ui::kSbPageDown);
    PaintAll(*lv, canvas);
    benchmark::DoNotOptimize(target.Data());
  }
}
BENCHMARK(BM_ListViewScrollPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The heap a list view takes for a count, with every item selected: the figure stays flat from a
// thousand items to ten million, as nothing is kept per item.
void BM_ListViewHeapForCount(benchmark::State& state) {
  const int64_t count = state.range(0);
  size_t grown = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    auto lv = std::make_unique<ui::ListView>();
    lv->SetOwnerData(true);
    lv->SetMultiSelect(true);
    lv->OnData = OwnerData;
    lv->SetItemCount(count);
    lv->SelectAll();
    lv->SetItemIndex(static_cast<int32_t>(count - 1));
    lv->SelectAll();
    grown = mallinfo2().uordblks - before;
    benchmark::DoNotOptimize(lv.get());
  }
  state.counters["heap_bytes"] = static_cast<double>(grown);
}
BENCHMARK(BM_ListViewHeapForCount)->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMicrosecond);

}  // namespace
