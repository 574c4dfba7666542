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

// The gallery's pages: the basic controls, the frame (forms in its states) with its popups (menus,
// hints, message boxes), and the complex controls (edits, pages, lists, trees, tool bars).
enum class GalleryPage { kBasic, kFrame, kComplex };

// Every family of a page in display order (GalleryRegistry.cpp lists them).
std::span<const GalleryFamily> GalleryFamilies(GalleryPage page = GalleryPage::kBasic);

// One function per family, each in its own file app/gallery/Gallery<Family>.cpp.
void AddButtonSamples(GalleryBuilder& builder);
void AddRangeSamples(GalleryBuilder& builder);
void AddPanelSamples(GalleryBuilder& builder);
void AddFrameSamples(GalleryBuilder& builder);
void AddMenuSamples(GalleryBuilder& builder);
void AddEditSamples(GalleryBuilder& builder);
void AddPageSamples(GalleryBuilder& builder);
void AddListViewSamples(GalleryBuilder& builder);
void AddListSamples(GalleryBuilder& builder);
void AddTreeSamples(GalleryBuilder& builder);

}  // namespace app
