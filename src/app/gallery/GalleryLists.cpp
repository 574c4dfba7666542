// Gallery samples of the lists: skinned list boxes and combo boxes, and the toolkit's own two.
#include <memory>
#include <string>
#include <vector>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "skin/controls/TskPopupListBox.h"
#include "skin/controls/TskSkinComboBox.h"
#include "skin/controls/TskSkinListBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"

namespace app {

namespace {

using skin::TskSkinComboBox;
using skin::TskSkinListBox;

const std::vector<std::string>& Formats() {
  static const std::vector<std::string> kFormats = {"JPEG 图片", "BMP 位图", "PNG 图片", "GIF 动画",
                                                     "TIFF 图像", "全部文件", "其他格式"};
  return kFormats;
}

std::vector<std::string> Numbered(const char* prefix, int n) {
  std::vector<std::string> items;
  for (int i = 1; i <= n; ++i) items.push_back(prefix + std::to_string(i));
  return items;
}

// --- list boxes ---

TskSkinListBox* ListSample(GalleryBuilder& b, const char* state, std::vector<std::string> items, int index,
                           int w = 110, int h = 100) {
  auto* l = b.Make<TskSkinListBox>("listbox", state);
  l->SetBounds(0, 0, w, h);
  l->SetItems(std::move(items));
  l->SetItemIndex(index);
  l->SetSkinData(b.SkinData());
  return l;
}

void AddListBoxes(GalleryBuilder& b) {
  b.Heading("listbox: 普通, 选中, 焦点, 禁用, 多选, 100 项 (滚动到 40), 横向滚动条 (不遮最后一行), 标题栏, 活动 (打印事件)");
  ListSample(b, "normal", Formats(), -1);
  ListSample(b, "selected", Formats(), 2);
  TskSkinListBox* focused = ListSample(b, "focused", Formats(), 1);
  ListSample(b, "disabled", Formats(), 2)->SetEnabled(false);
  TskSkinListBox* multi = ListSample(b, "multiselect", {}, -1);
  multi->SetMultiSelect(true);
  multi->SetExtendedSelect(true);
  multi->SetItems(Formats());
  for (int i : {0, 2, 3}) multi->List().SetSelected(i, true);
  TskSkinListBox* scrolled = ListSample(b, "scrolled", Numbered("图片 ", 100), 42);
  scrolled->SetTopIndex(40);
  TskSkinListBox* wide = ListSample(b, "hextent", {}, 0, 110, 100);
  wide->SetHorizontalExtent(true);
  wide->SetItems({"C:/图片/2026/旅行/海边日落全景.jpg", "C:/图片/2026/家人/生日聚会合影.jpg", "短名.bmp"});
  wide->SetItemIndex(0);
  TskSkinListBox* caption = ListSample(b, "caption", Formats(), 0);
  caption->SetCaption("图片格式");
  caption->SetCaptionMode(true);
  TskSkinListBox* live = ListSample(b, "live", Numbered("项目 ", 30), -1);
  const GalleryEvents ev = b.Events("listbox", "live");
  live->OnListBoxClick = [ev, live](ui::Component*) { ev("click", std::to_string(live->ItemIndex())); };
  live->OnListBoxDblClick = [ev, live](ui::Component*) { ev("dblclick", std::to_string(live->ItemIndex())); };
  b.WhenShown([focused, caption](GalleryInput& in) {
    in.Focus(focused->List());
    const gfx::Rect down = caption->CaptionButtonRect(TskSkinListBox::kDownButton);
    if (!down.IsEmpty()) in.Hover(*caption, {down.left + 4, down.top + 4});
  });
}

// --- combo boxes ---

TskSkinComboBox* ComboSample(GalleryBuilder& b, const char* state, std::vector<std::string> items, int index) {
  auto* c = b.Make<TskSkinComboBox>("combobox", state);
  c->SetBounds(0, 0, 130, 20);
  c->SetItems(std::move(items));
  if (index >= 0) c->SetItemIndex(index);
  c->SetSkinData(b.SkinData());
  c->SetTabStop(false);  // no sample takes the focus when the window opens
  return c;
}

void AddComboBoxes(GalleryBuilder& b) {
  b.Heading("combobox: 活动 (打印 change, click, closeup), 普通, 焦点, 禁用, 空, 下拉中 (20 项, 显示 8 行)");
  TskSkinComboBox* live = ComboSample(b, "live", Formats(), 0);
  const GalleryEvents ev = b.Events("combobox", "live");
  live->OnChange = [ev, live](ui::Component*) { ev("change", live->Text()); };
  live->OnClick = [ev, live](ui::Component*) { ev("click", std::to_string(live->ItemIndex())); };
  live->OnCloseUp = [ev, live](ui::Component*) { ev("closeup", live->Text()); };
  live->OnDropDown = [ev](ui::Component*) { ev("dropdown", ""); };
  live->SetTabStop(true);
  ComboSample(b, "normal", Formats(), 1);
  TskSkinComboBox* focused = ComboSample(b, "focused", Formats(), 2);
  ComboSample(b, "disabled", Formats(), 0)->SetEnabled(false);
  ComboSample(b, "empty", {}, -1);
  TskSkinComboBox* dropped = ComboSample(b, "dropped", Numbered("文件夹 ", 20), 3);
  b.WhenShown([focused, dropped](GalleryInput& in) {
    in.Focus(*focused);
    dropped->DropDown();
  });
}

void AddEditComboBoxes(GalleryBuilder& b) {
  b.Heading("combobox 编辑样式: 活动 (可输入, 自动补全, 打印 change, click, closeup), 列表中的项, 输入的文字, 禁用");
  TskSkinComboBox* live = ComboSample(b, "edit-live", Formats(), 0);
  live->SetStyle(skin::ComboStyle::kEdit);
  const GalleryEvents ev = b.Events("combobox", "edit-live");
  live->OnChange = [ev, live](ui::Component*) { ev("change", live->Text()); };
  live->OnClick = [ev, live](ui::Component*) { ev("click", std::to_string(live->ItemIndex())); };
  live->OnCloseUp = [ev, live](ui::Component*) { ev("closeup", live->Text()); };
  auto sample = [&b](const char* state, int index) {
    TskSkinComboBox* c = ComboSample(b, state, Formats(), index);
    c->SetStyle(skin::ComboStyle::kEdit);
    // The samples other than the live one stay out of the tab order.
    c->EditControl()->SetTabStop(false);
    return c;
  };
  sample("edit-item", 2);
  sample("edit-typed", -1)->SetText("自定义 *.webp");
  sample("edit-disabled", 1)->SetEnabled(false);
}

// --- the toolkit's own ---

void AddToolkitLists(GalleryBuilder& b) {
  b.Heading("工具包自带: 列表框 (内置滚动条, 多选), 组合框");
  auto* list = b.Make<ui::ListBox>("ui-listbox", "scrolled");
  list->SetBounds(0, 0, 110, 100);
  list->SetItems(Numbered("行 ", 30));
  list->SetItemIndex(4);
  list->SetTabStop(false);
  auto* multi = b.Make<ui::ListBox>("ui-listbox", "multiselect");
  multi->SetBounds(0, 0, 110, 100);
  multi->SetMultiSelect(true);
  multi->SetItems(Formats());
  for (int i : {1, 2, 4}) multi->SetSelected(i, true);
  multi->SetTabStop(false);
  auto* combo = b.Make<ui::ComboBox>("ui-combobox", "live");
  combo->SetBounds(0, 0, 130, 21);
  combo->SetItems(Formats());
  combo->SetItemIndex(0);
  const GalleryEvents ev = b.Events("ui-combobox", "live");
  combo->OnChange = [ev, combo](ui::Component*) { ev("change", combo->Text()); };
  combo->OnClick = [ev, combo](ui::Component*) { ev("click", std::to_string(combo->ItemIndex())); };
  combo->OnCloseUp = [ev, combo](ui::Component*) { ev("closeup", combo->Text()); };
}

}  // namespace

void AddListSamples(GalleryBuilder& b) {
  AddListBoxes(b);
  AddToolkitLists(b);
  AddComboBoxes(b);
  AddEditComboBoxes(b);
}

}  // namespace app
