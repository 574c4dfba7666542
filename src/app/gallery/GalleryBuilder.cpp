// GalleryBuilder: what a control family's gallery function adds its samples to, for one half of the window.
#include "app/gallery/GalleryBuilder.h"

#include <algorithm>
#include <cstdio>

#include "ui/Label.h"

namespace app {

namespace {

constexpr int kGap = 6;         // between samples of a row and between rows
constexpr int kHeadingGap = 4;  // between a heading and its row

}  // namespace

GalleryBuilder::GalleryBuilder(ui::WinControl& parent, skin::TskSkinData* skin_data, std::string half,
                               std::shared_ptr<bool> live)
    : parent_(parent), skin_data_(skin_data), half_(std::move(half)), live_(std::move(live)) {}

void GalleryBuilder::Heading(const std::string& text) {
  auto label = std::make_unique<ui::Label>();
  label->SetTransparent(true);
  label->SetFont(gfx::Font("Arial", 13, gfx::kFontRegular, gfx::Rgb(80, 80, 80)));
  label->SetCaption(text);
  ui::Label* raw = parent_.AddChild(std::move(label));
  items_.push_back({Item::Kind::kHeading, raw});
}

void GalleryBuilder::NewRow() { items_.push_back({Item::Kind::kBreak, nullptr}); }

void GalleryBuilder::Record(std::string name, std::string state, ui::Control* control) {
  samples_.push_back({std::move(name), std::move(state), control});
  items_.push_back({Item::Kind::kSample, control});
}

GalleryEvents GalleryBuilder::Events(const std::string& name, const std::string& state) const {
  std::string id = half_ + "/" + name + "/" + state;
  std::shared_ptr<bool> live = live_;
  return [id, live](const std::string& event, const std::string& value) {
    if (!*live) return;
    std::printf("%s %s %s\n", id.c_str(), event.c_str(), value.c_str());
    std::fflush(stdout);
  };
}

int GalleryBuilder::Layout(const gfx::Rect& area) {
  int x = area.left;
  int y = area.top;
  int row_height = 0;
  auto next_row = [&] {
    if (x == area.left && row_height == 0) return;
    y += row_height + kGap;
    x = area.left;
    row_height = 0;
  };
  for (const Item& item : items_) {
    switch (item.kind) {
      case Item::Kind::kBreak:
        next_row();
        break;
      case Item::Kind::kHeading: {
        next_row();
        ui::Control* c = item.control;
        c->SetBounds(area.left, y, c->Width(), c->Height());
        y += c->Height() + kHeadingGap;
        break;
      }
      case Item::Kind::kSample: {
        ui::Control* c = item.control;
        if (c->GetAlign() != ui::Align::kNone) break;
        if (x > area.left && x + c->Width() > area.right) next_row();
        c->SetBounds(x, y, c->Width(), c->Height());
        // A control may refuse the position's size (a skin keeps its own); its bounds tell.
        x += c->Width() + kGap;
        row_height = std::max(row_height, c->Height());
        break;
      }
    }
  }
  next_row();
  return y;
}

void GalleryBuilder::RunActions(GalleryInput& input) {
  for (auto& action : actions_) action(input);
}

}  // namespace app
