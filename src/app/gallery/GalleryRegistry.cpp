// The control families of the gallery: each family's function, and the order they are shown in.
#include "app/gallery/GalleryRegistry.h"

namespace app {

namespace {

// One line per family; the gallery shows them in this order.
constexpr GalleryFamily kFamilies[] = {
    {"buttons", AddButtonSamples},
    {"panels", AddPanelSamples},
};

}  // namespace

std::span<const GalleryFamily> GalleryFamilies() { return kFamilies; }

}  // namespace app
