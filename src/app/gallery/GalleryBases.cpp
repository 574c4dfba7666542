// Gallery samples of the bare control bases: how a record sizes and draws a control.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "skin/controls/TskGraphicSkinCustomControl.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace app {

namespace {

// A windowed base control bound to `record`, asked for w x h.
void AddWindowed(GalleryBuilder& b, const char* record, const char* state, int w, int h) {
  auto* c = b.Make<skin::TskSkinCustomControl>(std::string("base-") + record, state);
  c->SetSkinDataName(record);
  c->SetBounds(0, 0, w, h);
  c->SetSkinData(b.SkinData());
}

}  // namespace

void AddBaseSamples(GalleryBuilder& b) {
  b.Heading("控件基类: button 75 x 25 与 140 x 25 (水平), trackbar 40 x 90 (垂直), panel 90 x 60 (九宫), 无记录 60 x 30");
  AddWindowed(b, "button", "75x25", 75, 25);
  AddWindowed(b, "button", "140x25", 140, 25);
  AddWindowed(b, "trackbar", "40x90", 40, 90);
  AddWindowed(b, "panel", "90x60", 90, 60);
  AddWindowed(b, "norecord", "60x30", 60, 30);
  auto* g = b.Make<skin::TskGraphicSkinCustomControl>("base-button", "graphic");
  g->SetSkinDataName("button");
  g->SetBounds(0, 0, 75, 25);
  g->SetSkinData(b.SkinData());
}

}  // namespace app
