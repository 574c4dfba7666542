// The control families of the gallery: each family's function, and the order they are shown in.
#include "app/gallery/GalleryRegistry.h"

namespace app {

namespace {

// One line per family; the gallery shows them in this order.
constexpr GalleryFamily kFamilies[] = {
    {"buttons", AddButtonSamples},
    {"ranges", AddRangeSamples},
    {"panels", AddPanelSamples},
};

// The sample forms' pictures head the page; the menus come last, since the menu they leave open
// drops over whatever lies below its button.
constexpr GalleryFamily kFrameFamilies[] = {
    {"frame", AddFrameSamples},
    {"menus", AddMenuSamples},
};

// The complex controls' families are added here as they are built.
constexpr GalleryFamily kComplexFamilies[] = {
    {"edits", AddEditSamples},
    {"pages", AddPageSamples},
    {"listview", AddListViewSamples},
    {"lists", AddListSamples},
    {"trees", AddTreeSamples},
};

}  // namespace

std::span<const GalleryFamily> GalleryFamilies(GalleryPage page) {
  if (page == GalleryPage::kFrame) return kFrameFamilies;
  if (page == GalleryPage::kComplex) return kComplexFamilies;
  return kFamilies;
}

}  // namespace app
