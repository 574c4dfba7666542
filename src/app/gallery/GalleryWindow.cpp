// GalleryWindow: "Orvel 控件样例", every control family in both looks: skinned on the left, plain on the right.
#include "app/gallery/GalleryWindow.h"

#include <algorithm>

#include "app/gallery/GalleryRegistry.h"
#include "resources/EmbeddedSkin.h"
#include "ui/Label.h"
#include "skin/controls/TskSkinPanel.h"

namespace app {

namespace {

constexpr int kMargin = 8;

}  // namespace

GalleryWindow::GalleryWindow(GalleryPage page) : page_(page) {
  SetName("GalleryWindow");
  SetCaption(page == GalleryPage::kFrame     ? kFrameCaption
             : page == GalleryPage::kComplex ? kComplexCaption
                                             : kCaption);
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
  struct HalfLook {
    const char* name;
    skin::TskSkinData* skin;
  };
  const HalfLook halves_to_build[] = {{"skinned", &skSkinData1}, {"plain", nullptr}};
  int bottom = 0;
  int left = 0;
  std::vector<skin::TskSkinPanel*> panels;
  for (const HalfLook& entry : halves_to_build) {
    // A borderless panel: the skin's inner panel texture on the left, the button face on the right.
    skin::TskSkinPanel* half = MakeChild<skin::TskSkinPanel>(this);
    half->SetName(std::string(entry.name) + "Half");
    half->SetBorderStyle(skin::SkinBorderStyle::bvNone);
    half->SetBounds(left, 0, kHalfWidth, ClientHeight());
    half->SetSkinData(entry.skin);
    left += kHalfWidth;
    panels.push_back(half);
    auto builder = std::make_unique<GalleryBuilder>(*half, entry.skin, entry.name, live_);
    for (const GalleryFamily& family : GalleryFamilies(page_)) family.add(*builder);
    bottom = std::max(bottom, builder->Layout({kMargin, kMargin, kHalfWidth - kMargin, 100000}));
    halves_.push_back(std::move(builder));
  }
  const int height = bottom + kMargin;
  SetClientSize(2 * kHalfWidth, height);
  for (skin::TskSkinPanel* p : panels) p->SetHeight(height);
}

void GalleryWindow::SetUpStates(GalleryInput& input) {
  for (auto& half : halves_) half->RunActions(input);
  // Morphs and other animations run to their end before the gallery is looked at.
  input.Advance(1000);
  *live_ = true;
}

}  // namespace app
