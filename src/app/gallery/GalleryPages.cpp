// Gallery samples of the page controls, the toolkit's tab control and the tool bars.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinToolBar.h"
#include "ui/ImageList.h"
#include "ui/KeyCodes.h"
#include "ui/TabControl.h"

namespace app {

namespace {

using skin::TskSkinPageControl;
using skin::TskSkinTabSheet;
using skin::TskSkinToolBar;

constexpr const char* kCaptions[] = {"常规", "尺寸", "批量", "截屏", "颜色", "旋转", "水印", "格式", "关于"};

gfx::Point Middle(const gfx::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A page control of `pages` pages, w x h, each page holding a label that names it. A change prints
// the caption of the page now shown.
TskSkinPageControl* Pages(GalleryBuilder& b, const char* state, int pages, int w, int h,
                          ui::TabPosition position = ui::TabPosition::kTop) {
  auto* c = b.Make<TskSkinPageControl>("tab", state);
  c->SetBounds(0, 0, w, h);
  c->SetTabStop(false);  // no sample takes the focus when the window opens
  c->SetTabPosition(position);
  for (int i = 0; i < pages; ++i) {
    TskSkinTabSheet* page = c->NewPage<TskSkinTabSheet>(nullptr, kCaptions[i % 9]);
    auto* label = page->MakeChild<skin::TskSkinStdLabel>(nullptr);
    label->SetCaption(std::string(kCaptions[i % 9]) + " 页");
    label->SetBounds(8, 8, 60, 16);
    label->SetSkinData(b.SkinData());
  }
  c->SetSkinData(b.SkinData());
  const GalleryEvents ev = b.Events("tab", state);
  c->OnChange = [ev, c](ui::Component*) { ev("change", c->ActivePage() != nullptr ? c->ActivePage()->Caption() : ""); };
  return c;
}

ui::ImageList* ToolImages(ui::Component& owner);

void AddPageControls(GalleryBuilder& b) {
  b.Heading("tab: 普通, 热页签 (mouseinfontcolor), 焦点, 禁用, 页签过多 (滚动器), 无页; 页签在下, 左, 右; 带图标");
  Pages(b, "normal", 3, 200, 90);
  TskSkinPageControl* hot = Pages(b, "hot", 3, 200, 90);
  TskSkinPageControl* focused = Pages(b, "focused", 3, 200, 90);
  Pages(b, "disabled", 3, 200, 90)->SetEnabled(false);
  TskSkinPageControl* overflow = Pages(b, "overflow", 9, 200, 90);
  Pages(b, "empty", 0, 120, 90);
  b.NewRow();
  Pages(b, "bottom", 3, 200, 90, ui::TabPosition::kBottom);
  Pages(b, "left", 3, 150, 140, ui::TabPosition::kLeft);
  Pages(b, "right", 3, 150, 140, ui::TabPosition::kRight);
  TskSkinPageControl* images = Pages(b, "images", 3, 200, 90);
  images->SetImages(ToolImages(b.Parent()));
  for (int i = 0; i < images->PageCount(); ++i) images->Page(i)->SetImageIndex(i);
  b.WhenShown([hot, focused, overflow](GalleryInput& in) {
    in.Hover(*hot, Middle(hot->TabItemRect(1)));
    // The last tab chosen by key: the line scrolls and the scroller follows.
    in.Key(*overflow, platform::kVkEnd);
    focused->SetTabStop(true);
    in.Focus(*focused);
  });
}

// The toolkit's own tab control with more tabs than fit, its scroll buttons at the line's end.
void AddTabControls(GalleryBuilder& b) {
  b.Heading("工具包页签控件: 页签过多 (滚动按钮), 底部");
  for (const char* state : {"overflow", "bottom"}) {
    auto* t = b.Make<ui::TabControl>("tabcontrol", state);
    t->SetBounds(0, 0, 220, 70);
    t->SetTabStop(false);
    for (const char* caption : kCaptions) t->AddTab(caption);
    t->SetTabIndex(0);
    if (std::string(state) == "bottom") t->SetTabPosition(ui::TabPosition::kBottom);
    const GalleryEvents ev = b.Events("tabcontrol", state);
    t->OnChange = [ev, t](ui::Component*) { ev("change", t->TabCaption(t->TabIndex())); };
  }
}

// Four 16 x 16 tool images: coloured squares with a darker edge.
ui::ImageList* ToolImages(ui::Component& owner) {
  auto* list = owner.Make<ui::ImageList>(16, 16);
  gfx::Bitmap strip(64, 16, 24);
  const gfx::Color key = gfx::Rgb(255, 0, 255);
  strip.Fill(key);
  gfx::Canvas canvas(strip);
  const gfx::Color colours[] = {gfx::Rgb(200, 150, 40), gfx::Rgb(60, 140, 60), gfx::Rgb(50, 90, 190), gfx::Rgb(170, 50, 50)};
  for (int i = 0; i < 4; ++i) {
    canvas.FillRect({i * 16 + 2, 2, i * 16 + 14, 14}, colours[i]);
    canvas.FrameRect({i * 16 + 2, 2, i * 16 + 14, 14}, gfx::Rgb(40, 40, 40));
  }
  list->AddMasked(strip, key);
  return list;
}

TskSkinToolBar* ToolBar(GalleryBuilder& b, const char* state, int w, int buttons, bool can_scroll) {
  auto* bar = b.Make<TskSkinToolBar>("toolpanel", state);
  bar->SetBounds(0, 0, w, 25);
  bar->SetImages(ToolImages(b.Parent()));
  bar->SetFlat(true);
  const GalleryEvents ev = b.Events("toolpanel", state);
  for (int i = 0; i < buttons; ++i) {
    auto* button = bar->MakeChild<skin::TskSkinSpeedButton>(nullptr);
    button->SetBounds(i * 25, 0, 25, 25);
    button->SetImageIndex(i % 4);
    button->OnClick = [ev, i](ui::Component*) { ev("click", std::to_string(i)); };
  }
  bar->SetSkinData(b.SkinData());
  bar->SetCanScroll(can_scroll);
  return bar;
}

void AddToolBars(GalleryBuilder& b) {
  b.Heading("toolpanel: 工具栏; 可滚动 (按钮过多时两端出现箭头, 右箭头悬停)");
  ToolBar(b, "toolbar", 200, 6, false);
  TskSkinToolBar* scrolling = ToolBar(b, "scrolling", 120, 10, true);
  b.WhenShown([scrolling](GalleryInput& in) { in.Hover(*scrolling, {scrolling->ClientWidth() + 6, 12}); });
}

}  // namespace

void AddPageSamples(GalleryBuilder& builder) {
  AddPageControls(builder);
  AddTabControls(builder);
  AddToolBars(builder);
}

}  // namespace app
