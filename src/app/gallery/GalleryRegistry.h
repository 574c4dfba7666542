// The control families of the gallery: each family's function, and the order they are shown in.
#pragma once

#include <span>

namespace app {

class GalleryBuilder;

// Adds a family's samples, in every state, to one half of the gallery. It is called twice: with
// the program's skin data (builder.SkinData() set) and without any (the plain look), and must
// build the same samples both times.
using GalleryFamilyFn = void (*)(GalleryBuilder& builder);

struct GalleryFamily {
  const char* name;
  GalleryFamilyFn add;
};

// Every family in display order (GalleryRegistry.cpp lists them).
std::span<const GalleryFamily> GalleryFamilies();

// One function per family, each in its own file app/gallery/Gallery<Family>.cpp.
void AddButtonSamples(GalleryBuilder& builder);
void AddPanelSamples(GalleryBuilder& builder);

}  // namespace app
