// Menu costs: opening a popup level (build, place, compose, present) and closing it again.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/menus/TskSkinMenu.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"

namespace {

// A shown form on the headless backend with an engine and the program's skin.
struct MenuScene {
  MenuScene() {
    auto backend = std::make_unique<platform::HeadlessBackend>();
    platform::SetBackend(std::move(backend));
    app = std::make_unique<ui::Application>();
    resources::LoadEmbeddedSkin(skin);
    form = app->CreateForm<ui::Form>();
    form->SetBounds(100, 100, 689, 503);
    form->Show();
    app->ProcessMessages();
    engine = std::make_unique<skin::TskSkinMenu>(form);
  }
  ~MenuScene() {
    engine.reset();
    app.reset();
    platform::SetBackend(nullptr);
  }

  skin::TskSkinData skin;
  std::unique_ptr<ui::Application> app;
  ui::Form* form = nullptr;
  std::unique_ptr<skin::TskSkinMenu> engine;
};

// Opens `count` items and closes them; one iteration covers the menu's opening paint, which the
// message loop does before the user sees anything.
void OpenMenu(benchmark::State& state, bool skinned) {
  MenuScene scene;
  ui::MenuItem root;
  const int count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) {
    if (i % 7 == 6) root.AddSeparator();
    else root.Add("菜单项 Item " + std::to_string(i))->SetShortCutText(i % 3 == 0 ? "Ctrl+" + std::to_string(i) : "");
  }
  for (auto _ : state) {
    scene.engine->PopupItems(nullptr, skinned ? &scene.skin : nullptr, false, &root, {300, 200, 300, 200});
    scene.app->ProcessMessages();
    state.PauseTiming();
    scene.engine->CloseAll();
    scene.app->ProcessMessages();
    state.ResumeTiming();
  }
}

void BM_OpenMenuSkinned(benchmark::State& state) { OpenMenu(state, true); }
void BM_OpenMenuDefaultLook(benchmark::State& state) { OpenMenu(state, false); }
BENCHMARK(BM_OpenMenuSkinned)->Arg(20)->Arg(3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenMenuDefaultLook)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
