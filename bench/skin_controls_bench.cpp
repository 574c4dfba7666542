// Paint costs of the skinned controls, with the program's skin and in their plain look.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskGraphicSkinCustomControl.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinCustomControl.h"
#include "skin/controls/TskSkinExPanel.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/data/SkinData.h"
#include "ui/Message.h"

namespace {

// The program's skin, loaded once for every benchmark.
skin::TskSkinData& Skin() {
  static skin::TskSkinData* data = [] {
    auto* d = new skin::TskSkinData();
    resources::LoadEmbeddedSkin(*d);
    return d;
  }();
  return *data;
}

// Paints `control` (already sized and bound) again and again onto a canvas of its size: the
// whole paint of a control as its form asks for it, off-screen bitmap and block copy included.
void PaintLoop(benchmark::State& state, ui::Control& control) {
  gfx::Bitmap target(std::max(1, control.Width()), std::max(1, control.Height()), 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    control.Send(ui::Message::MakeCanvas(ui::kMsgPaint, canvas));
    benchmark::DoNotOptimize(target.Data());
  }
  state.SetLabel(std::to_string(control.Width()) + "x" + std::to_string(control.Height()));
}

// Argument 0: plain (no skin data); 1: with the program's skin.
template <class T>
void PaintBench(benchmark::State& state, const std::function<void(T&)>& configure, int w, int h) {
  T control;
  control.SetBounds(0, 0, w, h);
  configure(control);
  control.SetSkinData(state.range(0) != 0 ? &Skin() : nullptr);
  PaintLoop(state, control);
}

void BM_PaintBaseButton(benchmark::State& state) {
  PaintBench<skin::TskSkinCustomControl>(state, [](auto& c) { c.SetSkinDataName("button"); }, 75, 25);
}
BENCHMARK(BM_PaintBaseButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintGraphicBase(benchmark::State& state) {
  PaintBench<skin::TskGraphicSkinCustomControl>(state, [](auto& c) { c.SetSkinDataName("button"); }, 75, 25);
}
BENCHMARK(BM_PaintGraphicBase)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintPanel(benchmark::State& state) {
  PaintBench<skin::TskSkinPanel>(state, [](auto&) {}, 150, 150);
}
BENCHMARK(BM_PaintPanel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintPanelTexture(benchmark::State& state) {
  PaintBench<skin::TskSkinPanel>(state, [](auto& p) { p.SetBorderStyle(skin::SkinBorderStyle::bvNone); }, 150, 150);
}
BENCHMARK(BM_PaintPanelTexture)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintCheckedCaptionPanel(benchmark::State& state) {
  PaintBench<skin::TskSkinPanel>(
      state,
      [](auto& p) {
        p.SetCaptionMode(true);
        p.SetCheckedMode(true);
        p.SetRollUpMode(true);
        p.SetChecked(true);
        p.SetCaption("自定义图片大小");
      },
      150, 80);
}
BENCHMARK(BM_PaintCheckedCaptionPanel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintGroupBox(benchmark::State& state) {
  PaintBench<skin::TskSkinGroupBox>(state, [](auto& g) { g.SetCaption("使用说明"); }, 150, 100);
}
BENCHMARK(BM_PaintGroupBox)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintStatusBar(benchmark::State& state) {
  PaintBench<skin::TskSkinStatusBar>(state, [](auto&) {}, 675, 21);
}
BENCHMARK(BM_PaintStatusBar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Argument 1 (second): 0 open, 1 rolled.
void BM_PaintExPanel(benchmark::State& state) {
  skin::TskSkinExPanel p;
  p.SetBounds(0, 0, 150, 144);
  p.SetCaption("图像设置");
  p.SetSkinData(state.range(0) != 0 ? &Skin() : nullptr);
  if (state.range(1) != 0) p.SetRollState(true);
  PaintLoop(state, p);
}
BENCHMARK(BM_PaintExPanel)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_PaintLabel(benchmark::State& state) {
  PaintBench<skin::TskSkinLabel>(state, [](auto& l) { l.SetCaption("Orvel个人版图片压缩"); }, 140, 21);
}
BENCHMARK(BM_PaintLabel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintStatusPanel(benchmark::State& state) {
  PaintBench<skin::TskSkinStatusPanel>(state, [](auto& l) { l.SetCaption("未加载图片"); }, 120, 21);
}
BENCHMARK(BM_PaintStatusPanel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintStdLabel(benchmark::State& state) {
  PaintBench<skin::TskSkinStdLabel>(state, [](auto& l) { l.SetCaption("约束比例"); }, 60, 14);
}
BENCHMARK(BM_PaintStdLabel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintLinkLabel(benchmark::State& state) {
  PaintBench<skin::TskSkinLinkLabel>(state, [](auto& l) { l.SetCaption("访问主页"); }, 60, 14);
}
BENCHMARK(BM_PaintLinkLabel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintSplitter(benchmark::State& state) {
  PaintBench<skin::TskSkinSplitter>(state, [](auto& s) { s.SetAlign(ui::Align::kLeft); }, 10, 300);
}
BENCHMARK(BM_PaintSplitter)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintBevel(benchmark::State& state) {
  PaintBench<skin::TskSkinBevel>(state, [](auto& b) { b.SetShape(ui::BevelShape::kFrame); }, 150, 100);
}
BENCHMARK(BM_PaintBevel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// --- buttons ---

// One fade step of the 75 x 20 "button" half way between its images: both state images built,
// blended by the record's gradient morph and copied, as each 20 ms tick repaints it.
void BM_ButtonMorphStep(benchmark::State& state) {
  skin::TskSkinButton b;
  b.SetCaption("打开图片");
  b.SetSkinData(&Skin());
  b.SetBounds(0, 0, 75, 25);
  b.Send(ui::kMsgMouseEnter);
  for (int i = 0; i < 5; ++i) b.Send(ui::kMsgTimer, skin::TskSkinButton::kFadeTimer);
  if (b.MorphFactor() != 0.5) state.SkipWithError("the fade did not reach its middle");
  PaintLoop(state, b);
}
BENCHMARK(BM_ButtonMorphStep)->Unit(benchmark::kMicrosecond);

void BM_PaintButton(benchmark::State& state) {
  PaintBench<skin::TskSkinButton>(state, [](auto& b) { b.SetCaption("打开图片"); }, 75, 25);
}
BENCHMARK(BM_PaintButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintSpeedButton(benchmark::State& state) {
  PaintBench<skin::TskSkinSpeedButton>(state, [](auto& b) { b.SetCaption("工具"); }, 60, 25);
}
BENCHMARK(BM_PaintSpeedButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintCheckBox(benchmark::State& state) {
  PaintBench<skin::TskSkinCheckRadioBox>(
      state,
      [](auto& b) {
        b.SetCaption("自定义图片大小");
        b.SetChecked(true);
      },
      150, 25);
}
BENCHMARK(BM_PaintCheckBox)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
