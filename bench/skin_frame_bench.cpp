// Skinned frame costs: a whole frame paint, one caption button's fade step, a hit test.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/Backend.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Message.h"

namespace {

// A shown 689 x 503 form with the program's skin on the headless backend.
struct FrameScene {
  FrameScene() {
    platform::SetBackend(std::make_unique<platform::HeadlessBackend>());
    app = std::make_unique<ui::Application>();
    resources::LoadEmbeddedSkin(skin);
    form = app->CreateForm<ui::Form>();
    form->SetCaption("图片压缩（免费共享）");
    frame = skin::TskSkinForm::Attach(*form);
    frame->SetSkinData(&skin);
    form->SetBounds(100, 100, 689, 503);
    form->Show();
    app->ProcessMessages();
    form->UpdateNow();
  }
  ~FrameScene() {
    app.reset();
    platform::SetBackend(nullptr);
  }

  skin::TskSkinData skin;
  std::unique_ptr<ui::Application> app;
  ui::Form* form = nullptr;
  skin::TskSkinForm* frame = nullptr;
};

// The whole non-client area: four strips cut and tiled, the objects drawn into them, the caption
// text, then the window shown.
void BM_FramePaint(benchmark::State& state) {
  FrameScene scene;
  for (auto _ : state) {
    scene.form->Send(ui::kMsgNcPaint);
    benchmark::DoNotOptimize(scene.form->FrameBuffer().Data());
  }
}
BENCHMARK(BM_FramePaint)->Unit(benchmark::kMicrosecond);

// One 20 ms step of the close button fading to its hovered look: the blend of its two images,
// drawn and shown over the button's rectangle alone.
void BM_CaptionButtonMorphStep(benchmark::State& state) {
  FrameScene scene;
  skin::TskActiveSkinObject* close = scene.frame->FindObject("closebutton");
  close->Highlighted = true;
  for (auto _ : state) {
    close->MorphProgress = 0.5;
    scene.frame->RedrawObject(*close);
    benchmark::DoNotOptimize(scene.form->FrameBuffer().Data());
  }
}
BENCHMARK(BM_CaptionButtonMorphStep)->Unit(benchmark::kMicrosecond);

// Hit tests over the frame: corners, edges, caption, buttons and client.
void BM_HitTest(benchmark::State& state) {
  FrameScene scene;
  const std::vector<gfx::Point> points = {{2, 10},   {3, 100},  {2, 500},  {300, 1},   {686, 2},  {686, 100},
                                          {686, 500}, {300, 501}, {100, 10}, {660, 15}, {300, 200}, {6, 495}};
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scene.frame->HitTest(points[i]));
    i = (i + 1) % points.size();
  }
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kNanosecond);

}  // namespace
