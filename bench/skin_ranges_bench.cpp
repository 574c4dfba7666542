// Range controls: the paint of each, skinned and plain, and one step of a track-bar drag.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/data/SkinData.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

// The headless backend, the application, a form and the program's skin around the controls measured.
struct Env {
  Env() {
    platform::SetBackend(std::make_unique<platform::HeadlessBackend>());
    app = std::make_unique<ui::Application>();
    form = app->CreateForm<ui::Form>();
    form->SetBorderStyle(ui::BorderStyle::kNone);
    form->SetBounds(0, 0, 400, 300);
    resources::LoadEmbeddedSkin(skin);
  }
  ~Env() {
    app.reset();
    platform::SetBackend(nullptr);
  }
  template <class T>
  T* Make(const char* record, int w, int h, bool skinned) {
    auto* c = form->MakeChild<T>(form);
    c->SetSkinDataName(record);
    c->SetBounds(10, 10, w, h);
    if (skinned) c->SetSkinData(&skin);
    return c;
  }
  skin::TskSkinData skin;
  std::unique_ptr<ui::Application> app;
  ui::Form* form = nullptr;
};

// Paints the control into a canvas of its size as the form's paint does, and returns a pixel.
void PaintLoop(benchmark::State& state, ui::Control& c) {
  gfx::Bitmap target(c.Width(), c.Height(), 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    c.Send(ui::kMsgPaint, reinterpret_cast<intptr_t>(&canvas));
    benchmark::DoNotOptimize(target.Data());
  }
  state.SetLabel(state.range(0) != 0 ? "skinned" : "plain");
}

void BM_TrackBarPaint(benchmark::State& state) {
  Env env;
  auto* t = env.Make<skin::TskSkinTrackBar>("htrackbar", 81, 20, state.range(0) != 0);
  t->SetValue(75);
  PaintLoop(state, *t);
}
BENCHMARK(BM_TrackBarPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_GaugePaint(benchmark::State& state) {
  Env env;
  auto* g = env.Make<skin::TskSkinGauge>("statusgauge", 160, 21, state.range(0) != 0);
  g->SetValue(35);
  g->SetShowPercent(true);
  PaintLoop(state, *g);
}
BENCHMARK(BM_GaugePaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ScrollBarPaint(benchmark::State& state) {
  Env env;
  auto* s = env.Make<skin::TskSkinScrollBar>("hscrollbar", 200, 19, state.range(0) != 0);
  s->AssignRange(0, 999, 493, 200);
  PaintLoop(state, *s);
}
BENCHMARK(BM_ScrollBarPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ScrollBoxPaint(benchmark::State& state) {
  Env env;
  auto* b = env.Make<skin::TskSkinScrollBox>("scrollbox", 200, 150, state.range(0) != 0);
  PaintLoop(state, *b);
}
BENCHMARK(BM_ScrollBoxPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_UpDownPaint(benchmark::State& state) {
  Env env;
  auto* u = env.Make<skin::TskSkinUpDown>("hupdown", 50, 25, state.range(0) != 0);
  PaintLoop(state, *u);
}
BENCHMARK(BM_UpDownPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// One mouse move of a thumb drag (the value changes every time) and the paint it asks for.
void BM_TrackBarDragStep(benchmark::State& state) {
  Env env;
  auto* t = env.Make<skin::TskSkinTrackBar>("htrackbar", 81, 20, state.range(0) != 0);
  t->SetValue(50);
  const gfx::Rect thumb = t->ThumbBounds();
  const int x = (thumb.left + thumb.right) / 2, y = (thumb.top + thumb.bottom) / 2;
  t->Send(ui::kMsgLButtonDown, ui::kLeftHeld, ui::MakePointParam(x, y));
  gfx::Bitmap target(t->Width(), t->Height(), 24);
  gfx::Canvas canvas(target);
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 8;
    t->Send(ui::kMsgMouseMove, ui::kLeftHeld, ui::MakePointParam(x - 8 + 2 * step, y));
    t->Send(ui::kMsgPaint, reinterpret_cast<intptr_t>(&canvas));
    benchmark::DoNotOptimize(target.Data());
  }
  state.SetLabel(state.range(0) != 0 ? "skinned" : "plain");
}
BENCHMARK(BM_TrackBarDragStep)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
