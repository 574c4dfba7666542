// Gallery samples of the list view: the four styles, selected, focused, pressed-header and scrolled
// states, a live report printing its events and an owner-data list of 100,000 items.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "ui/ImageList.h"

namespace app {

namespace {

using skin::TskSkinListView;
using skin::TskSkinScrollBar;

constexpr gfx::Color kKey = gfx::Rgb(255, 0, 255);
constexpr int32_t kHugeCount = 100000;

// A picture file's icon of `size` pixels: a sheet with a sky, a hill and a sun, in two tints.
ui::ImageList* PictureIcons(ui::Component& owner, int32_t size) {
  auto* list = owner.Make<ui::ImageList>(size, size);
  gfx::Bitmap strip(size * 2, size, 24);
  strip.Fill(kKey);
  gfx::Canvas canvas(strip);
  const gfx::Color skies[] = {gfx::Rgb(120, 170, 230), gfx::Rgb(240, 180, 110)};
  for (int i = 0; i < 2; ++i) {
    const int32_t x = i * size;
    const gfx::Rect sheet{x + 1, 1, x + size - 1, size - 1};
    canvas.FillRect(sheet, skies[i]);
    canvas.FrameRect(sheet, gfx::Rgb(60, 60, 60));
    const gfx::Point hill[] = {{x + 2, size - 2}, {x + size / 3, size / 2}, {x + size / 2, size * 2 / 3},
                               {x + size * 3 / 4, size / 3}, {x + size - 2, size - 2}};
    canvas.Pen().color = gfx::Rgb(70, 140, 70);
    canvas.Brush().color = gfx::Rgb(70, 140, 70);
    canvas.Polygon(hill);
    canvas.Pen().color = gfx::Rgb(250, 230, 80);
    canvas.Brush().color = gfx::Rgb(250, 230, 80);
    canvas.Ellipse({x + 3, 3, x + 3 + size / 4, 3 + size / 4});
  }
  list->AddMasked(strip, kKey);
  return list;
}

const char* const kNames[] = {"海边日落.jpg", "portrait.bmp", "山顶.jpg", "scan-0042.bmp", "猫.jpg", "合影 2026.jpg",
                              "logo.bmp", "街景.jpg"};

// A list view of `count` held picture items beside its two skinned bars, in a w x h area.
TskSkinListView* ListSample(GalleryBuilder& b, const char* state, ui::ViewStyle style, int w, int h, int count) {
  auto* area = b.Make<ui::WinControl>("listview", state);
  area->SetBounds(0, 0, w, h);
  auto* hbar = area->MakeChild<TskSkinScrollBar>(nullptr);
  hbar->SetAlign(ui::Align::kBottom);
  auto* vbar = area->MakeChild<TskSkinScrollBar>(nullptr);
  vbar->SetKind(skin::ScrollBarKind::sbVertical);
  vbar->SetSkinDataName("vscrollbar");
  vbar->SetDefaultHeight(0);
  vbar->SetDefaultWidth(19);
  vbar->SetBounds(0, 0, 19, h);
  vbar->SetAlign(ui::Align::kRight);
  auto* lv = area->MakeChild<TskSkinListView>(nullptr);
  lv->SetAlign(ui::Align::kClient);
  lv->SetViewStyle(style);
  lv->SetMultiSelect(true);
  lv->SetSmallImages(PictureIcons(*area, 16));
  lv->SetLargeImages(PictureIcons(*area, 32));
  lv->AddColumn("名称", 110);
  lv->AddColumn("大小", 60, ui::TextAlignment::kRight);
  lv->AddColumn("尺寸", 80, ui::TextAlignment::kCenter);
  for (int i = 0; i < count; ++i) {
    const std::string name = kNames[i % 8];
    lv->AddItem(i < 8 ? name : std::to_string(i) + "_" + name, i % 2,
                {std::to_string(40 + i * 37 % 900) + " KB", std::to_string(640 + i * 64) + "x" + std::to_string(480 + i * 48)});
  }
  for (skin::TskSkinControl* bar : {static_cast<skin::TskSkinControl*>(hbar), static_cast<skin::TskSkinControl*>(vbar)})
    bar->SetSkinData(b.SkinData());
  lv->SetSkinData(b.SkinData());
  lv->SetHScrollBar(hbar);
  lv->SetVScrollBar(vbar);
  return lv;
}

// Prints selection changes, activations and column clicks.
void PrintEvents(GalleryBuilder& b, TskSkinListView* lv, const char* state) {
  const GalleryEvents ev = b.Events("listview", state);
  lv->OnSelectionChange = [ev](ui::Component* c) {
    auto* v = static_cast<ui::ListView*>(c);
    ev("select", std::to_string(v->ItemIndex()) + " (" + std::to_string(v->SelCount()) + ")");
  };
  lv->OnActivate = [ev](ui::ListView*, int32_t index) { ev("activate", std::to_string(index)); };
  lv->OnColumnClick = [ev](ui::ListView*, int column) { ev("columnclick", std::to_string(column)); };
}

}  // namespace

void AddListViewSamples(GalleryBuilder& b) {
  b.Heading("listview 报表: 选中两项, 焦点项, 按下表头, 已滚动 (下 20, 右 30); 列表风格 (无垂直滚动条)");
  TskSkinListView* selected = ListSample(b, "selected", ui::ViewStyle::kReport, 230, 120, 6);
  selected->SetSelected(1, true);
  selected->SetSelected(2, true);
  TskSkinListView* focused = ListSample(b, "focused", ui::ViewStyle::kReport, 230, 120, 6);
  TskSkinListView* pressed = ListSample(b, "pressedheader", ui::ViewStyle::kReport, 230, 120, 6);
  TskSkinListView* scrolled = ListSample(b, "scrolled", ui::ViewStyle::kReport, 230, 120, 60);
  ListSample(b, "list", ui::ViewStyle::kList, 230, 120, 30);
  b.NewRow();
  ListSample(b, "icon", ui::ViewStyle::kIcon, 230, 130, 8)->SetItemIndex(2);
  ListSample(b, "smallicon", ui::ViewStyle::kSmallIcon, 230, 130, 12)->SetListColumnWidth(110);

  b.Heading("listview 活动示例 (打印选择, 激活, 列点击); 100,000 项虚拟数据, 已按 End");
  TskSkinListView* live = ListSample(b, "live", ui::ViewStyle::kReport, 300, 150, 25);
  PrintEvents(b, live, "live");
  TskSkinListView* huge = ListSample(b, "owner100k", ui::ViewStyle::kReport, 300, 150, 0);
  huge->SetOwnerData(true);
  huge->OnData = [](const ui::ListView*, int32_t index, ui::ListItemData& out) {
    out.caption = "第 " + std::to_string(index + 1) + " 张图片.jpg";
    out.image_index = index % 2;
    out.sub_items = {std::to_string(index % 997 + 3) + " KB", std::to_string(index)};
  };
  huge->SetItemCount(kHugeCount);
  PrintEvents(b, huge, "owner100k");

  b.WhenShown([focused, pressed, scrolled, huge](GalleryInput& in) {
    in.Focus(*focused);
    focused->SetItemIndex(3);
    ui::HeaderControl* header = pressed->Header();
    in.Press(*header, {header->SectionRect(1).left + 20, header->Height() / 2});
    scrolled->ScrollTo(ui::ScrollAxis::kVertical, 20);
    scrolled->ScrollTo(ui::ScrollAxis::kHorizontal, 30);
    in.Key(*huge, platform::kVkEnd);
  });
}

}  // namespace app
