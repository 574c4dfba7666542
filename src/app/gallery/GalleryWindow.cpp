// GalleryWindow: "Orvel 控件样例", every control family in both looks: skinned on the left, plain on the right.
#include "app/gallery/GalleryWindow.h"

#include <algorithm>

#include "app/gallery/GalleryRegistry.h"
#include "resources/EmbeddedSkin.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace app {

namespace {

constexpr int kMargin = 8;

}  // namespace

GalleryWindow::GalleryWindow() {
  SetName("GalleryWindow");
  SetCaption(kCaption);
  SetFont(gfx::Font("MS Sans Serif", 11));
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderStyle(ui::BorderStyle::kSingle);
  SetClientSize(2 * kHalfWidth, 600);
  resources::FillEmbeddedStoredSkin(skStoredSkin1);
  skSkinData1.SetMessageSink(&skin_sink_);
  skSkinData1.SetStoredSkin(&skStoredSkin1);
}

GalleryWindow::~GalleryWindow() {
  // The samples go before the skin data they point to.
  BeginDestroy();
  DestroyChildren();
}

void GalleryWindow::Build() {
  struct HalfSpec {
    const char* name;
    skin::TskSkinData* skin;
    gfx::Color colour;
  };
  const HalfSpec specs[] = {
      {"skinned", &skSkinData1, gfx::Rgb(232, 236, 242)},
      {"plain", nullptr, ui::kColorBtnFace},
  };
  int bottom = 0;
  int left = 0;
  std::vector<ui::Panel*> panels;
  for (const HalfSpec& spec : specs) {
    ui::Panel* half = MakeChild<ui::Panel>(this);
    half->SetName(std::string(spec.name) + "Half");
    half->SetBevelOuter(ui::Bevel::kNone);
    half->SetColor(spec.colour);
    half->SetBounds(left, 0, kHalfWidth, ClientHeight());
    left += kHalfWidth;
    panels.push_back(half);
    auto builder = std::make_unique<GalleryBuilder>(*half, spec.skin, spec.name, live_);
    for (const GalleryFamily& family : GalleryFamilies()) family.add(*builder);
    bottom = std::max(bottom, builder->Layout({kMargin, kMargin, kHalfWidth - kMargin, 100000}));
    halves_.push_back(std::move(builder));
  }
  const int height = bottom + kMargin;
  SetClientSize(2 * kHalfWidth, height);
  for (ui::Panel* p : panels) p->SetHeight(height);
}

void GalleryWindow::SetUpStates(GalleryInput& input) {
  for (auto& half : halves_) half->RunActions(input);
  // Morphs and other animations run to their end before the gallery is looked at.
  input.Advance(1000);
  *live_ = true;
}

}  // namespace app
