// Tree view costs: painting and scrolling 10,000 visible nodes, building and freeing a chain 100,000 deep.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "ui/Message.h"
#include "ui/TreeView.h"

namespace {

constexpr int kViewW = 400;
constexpr int kViewH = 600;

// 100 open top-level nodes with 99 children each: 10,000 rows.
std::unique_ptr<ui::TreeView> WideTree() {
  auto tree = std::make_unique<ui::TreeView>();
  tree->SetBounds(0, 0, kViewW, kViewH);
  for (int i = 0; i < 100; ++i) {
    ui::TreeNode* top = tree->AddChild(nullptr, "文件夹 " + std::to_string(i));
    for (int j = 0; j < 99; ++j) tree->AddChild(top, "图片 " + std::to_string(j) + ".jpg");
    top->Expand();
  }
  return tree;
}

void Paint(ui::TreeView& tree, gfx::Canvas& canvas) { tree.Send(ui::Message::MakeCanvas(ui::kMsgPaint, canvas)); }

void BM_TreePaintScreen(benchmark::State& state) {
  auto tree = WideTree();
  gfx::Bitmap target(kViewW, kViewH, 24);
  gfx::Canvas canvas(target);
  tree->ScrollTo(5000, 0);
  for (auto _ : state) {
    Paint(*tree, canvas);
    benchmark::DoNotOptimize(target.Data());
  }
  state.SetLabel(std::to_string(tree->RowCount()) + " rows, " + std::to_string(tree->VisibleCount()) + " in view");
}
BENCHMARK(BM_TreePaintScreen)->Unit(benchmark::kMillisecond);

// A page down and the paint that follows it.
void BM_TreeScrollPage(benchmark::State& state) {
  auto tree = WideTree();
  gfx::Bitmap target(kViewW, kViewH, 24);
  gfx::Canvas canvas(target);
  const int32_t rows = tree->RowCount();
  for (auto _ : state) {
    tree->Send(ui::kMsgVScroll, ui::kSbPageDown);
    if (tree->VertScroll().position >= rows - tree->VisibleCount()) tree->ScrollTo(0, 0);
    Paint(*tree, canvas);
    benchmark::DoNotOptimize(target.Data());
  }
}
BENCHMARK(BM_TreeScrollPage)->Unit(benchmark::kMillisecond);

// Building the rows after a change: expanding one more node of the wide tree.
void BM_TreeRowsAfterExpand(benchmark::State& state) {
  auto tree = WideTree();
  ui::TreeNode* first = tree->FirstNode();
  for (auto _ : state) {
    first->Collapse();
    first->Expand();
    benchmark::DoNotOptimize(tree->RowCount());
  }
}
BENCHMARK(BM_TreeRowsAfterExpand)->Unit(benchmark::kMillisecond);

void BM_TreeDeepChainBuildAndFree(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto tree = std::make_unique<ui::TreeView>();
    ui::TreeNode* n = nullptr;
    for (int i = 0; i < depth; ++i) n = tree->AddChild(n, "层");
    benchmark::DoNotOptimize(n);
    tree.reset();
  }
}
BENCHMARK(BM_TreeDeepChainBuildAndFree)->Arg(100000)->Unit(benchmark::kMillisecond);

// The deepest node of an open chain at the bottom of the view: each row's parents are walked
// only as far as the view reaches.
void BM_TreeDeepChainPaintBottom(benchmark::State& state) {
  auto tree = std::make_unique<ui::TreeView>();
  tree->SetBounds(0, 0, kViewW, kViewH);
  ui::TreeNode* n = nullptr;
  for (int i = 0; i < 100000; ++i) n = tree->AddChild(n, "层");
  tree->SetSelected(n);
  gfx::Bitmap target(kViewW, kViewH, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    Paint(*tree, canvas);
    benchmark::DoNotOptimize(target.Data());
  }
  state.SetLabel("scrolled left: " + std::to_string(tree->HorzScroll().position));
}
BENCHMARK(BM_TreeDeepChainPaintBottom)->Unit(benchmark::kMillisecond);

}  // namespace
