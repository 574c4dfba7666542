// GalleryWindow: "Orvel 控件样例", every control family in both looks: skinned on the left, plain on the right.
#pragma once

#include <memory>
#include <vector>

#include "app/FormSkinMessageSink.h"
#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "skin/data/SkinData.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Form.h"

namespace app {

class GalleryWindow : public ui::Form {
 public:
  static constexpr const char* kCaption = "Orvel 控件样例";
  static constexpr const char* kFrameCaption = "Orvel 窗口框架样例";
  static constexpr const char* kComplexCaption = "Orvel 复合控件样例";
  static constexpr int kHalfWidth = 630;

  explicit GalleryWindow(GalleryPage page = GalleryPage::kBasic);
  ~GalleryWindow() override;

  GalleryPage Page() const { return page_; }
  // Builds both halves from every family of the page and lays them out; the window takes the
  // height the taller half needs.
  void Build();
  // Puts every sample into its state (once the window is shown), then lets events print.
  void SetUpStates(GalleryInput& input);

  // Both halves' builders: the skinned one first.
  const std::vector<std::unique_ptr<GalleryBuilder>>& Halves() const { return halves_; }

 private:
  // Declared before the skin data so it outlives it.
  FormSkinMessageSink skin_sink_{this};

 public:
  // The program's own skin, as the main window holds it.
  skin::TskStoredSkin skStoredSkin1;
  skin::TskSkinData skSkinData1;

 private:
  GalleryPage page_;
  std::shared_ptr<bool> live_ = std::make_shared<bool>(false);
  std::vector<std::unique_ptr<GalleryBuilder>> halves_;
};

}  // namespace app
