// Gallery samples of the text fields: edits, the button edit, numeric edits, memos and the plain fields.
#include <memory>
#include <string>
#include <utility>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryInput.h"
#include "app/gallery/GalleryRegistry.h"
#include "platform/Backend.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinMemo.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "ui/Edit.h"
#include "ui/Memo.h"

namespace app {

namespace {

using skin::NumericValueType;
using skin::TskSkinEdit;
using skin::TskSkinMemo;
using skin::TskSkinNumericEdit;
using skin::TskSkinScrollBar;

const char* const kUsage =
    "用法: 打开一张图片, 选择质量和尺寸, 然后保存。\n"
    "批量压缩: 在批量页加入文件, 选择输出目录, 点开始。\n"
    "Very long lines wrap at spaces, and Chinese text such as 图片压缩工具的使用说明 breaks between any two characters.\n"
    "第四行\n第五行\n第六行\n第七行\n第八行\n第九行\n第十行";

TskSkinEdit* Edit(GalleryBuilder& b, const char* record, const char* state, const std::string& text, int w = 121) {
  auto* e = b.Make<TskSkinEdit>(record, state);
  e->SetSkinDataName(record);
  e->SetBounds(0, 0, w, 20);
  e->SetText(text);
  e->SetSkinData(b.SkinData());
  return e;
}

void AddEdits(GalleryBuilder& b) {
  b.Heading("edit 121 x 20 -> 121 x 17: 普通, 悬停 (白字), 焦点, 禁用, 只读, 选中, 右对齐, 长文本滚动; buttonedit");
  TskSkinEdit* live = Edit(b, "edit", "live", "", 160);
  const GalleryEvents ev = b.Events("edit", "live");
  live->OnChange = [ev, live](ui::Component*) { ev("change", live->Text()); };
  live->OnKeyPress = [ev](ui::Control*, char32_t& ch) {
    if (ch == 13) ev("keypress", "enter");
  };
  // The page opens with the focus here. What is selected there goes to the primary selection and
  // Ctrl+C copies it to the clipboard: after each key and click, whichever of the two changed is
  // printed.
  auto seen = std::make_shared<std::pair<std::string, std::string>>();
  auto print_selections = [ev, seen] {
    const std::string clip = platform::GetBackend().ClipboardText();
    const std::string primary = platform::GetBackend().PrimarySelectionText();
    if (clip != seen->first) ev("clipboard", clip);
    if (primary != seen->second) ev("primary", primary);
    *seen = {clip, primary};
  };
  live->OnMouseUp = [print_selections](ui::Control*, ui::MouseButton, ui::ShiftState, int, int) { print_selections(); };
  live->OnKeyUp = [print_selections](ui::Control*, uint16_t&, ui::ShiftState) { print_selections(); };
  Edit(b, "edit", "normal", "C:\\图片\\输出");
  TskSkinEdit* hot = Edit(b, "edit", "hot", "悬停");
  TskSkinEdit* focused = Edit(b, "edit", "focused", "焦点");
  Edit(b, "edit", "disabled", "禁用")->SetEnabled(false);
  Edit(b, "edit", "readonly", "只读文字")->SetReadOnly(true);
  TskSkinEdit* selected = Edit(b, "edit", "selected", "选中 selection");
  Edit(b, "edit", "right", "右对齐")->SetAlignment(ui::TextAlignment::kRight);
  TskSkinEdit* scrolled = Edit(b, "edit", "scrolled", "A long path: /home/user/图片/2026/十二月/假期/海边/照片.jpg");
  b.NewRow();
  TskSkinEdit* button = Edit(b, "buttonedit", "button", "带按钮", 140);
  button->SetButtonMode(true);
  const GalleryEvents bev = b.Events("buttonedit", "button");
  button->OnButtonClick = [bev](ui::Component*) { bev("buttonclick", ""); };
  TskSkinEdit* button_hot = Edit(b, "buttonedit", "buttonhot", "按钮悬停", 140);
  button_hot->SetButtonMode(true);
  TskSkinEdit* button_down = Edit(b, "buttonedit", "buttondown", "按钮按下", 140);
  button_down->SetButtonMode(true);
  b.WhenShown([hot, focused, selected, scrolled, button_hot, button_down](GalleryInput& in) {
    in.Focus(*focused);
    in.Focus(*scrolled);
    scrolled->SetSel(scrolled->Text().size(), scrolled->Text().size());
    in.Focus(*selected);
    selected->SetSel(0, 6);
    in.Hover(*hot);
    const gfx::Rect r = button_down->ButtonRect();
    in.Press(*button_down, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    const gfx::Rect h = button_hot->ButtonRect();
    in.Hover(*button_hot, {(h.left + h.right) / 2, (h.top + h.bottom) / 2});
  });
}

TskSkinNumericEdit* Numeric(GalleryBuilder& b, const char* state, double min, double max) {
  auto* e = b.Make<TskSkinNumericEdit>("edit", state);
  e->SetMinValue(min);
  e->SetMaxValue(max);
  e->SetSkinData(b.SkinData());
  return e;
}

void AddNumericEdits(GalleryBuilder& b) {
  b.Heading("数字: 0..10000 (输入 12345 得 10000, 字母响铃), 3.14159 显示 3.14, 边界 0 和 0 不限制");
  TskSkinNumericEdit* live = Numeric(b, "numeric", 0, 10000);
  const GalleryEvents ev = b.Events("numeric", "numeric");
  live->OnChange = [ev, live](ui::Component*) { ev("change", live->Text() + " value " + std::to_string(static_cast<long long>(live->Value()))); };
  TskSkinNumericEdit* f = Numeric(b, "float", 0, 0);
  f->SetValueType(NumericValueType::kFloat);
  f->SetValue(3.14159);
  Numeric(b, "nobounds", 0, 0)->SetValue(123456);
}

void AddMemos(GalleryBuilder& b) {
  b.Heading("memo: 外部滚动条, 只读 (菜单只有复制和全选), 悬停, 禁用; 普通 ui::Edit 和 ui::Memo");
  auto* memo = b.Make<TskSkinMemo>("memo", "bar");
  memo->SetBounds(0, 0, 220, 100);
  memo->SetText(kUsage);
  memo->SetSkinData(b.SkinData());
  auto* bar = b.Make<TskSkinScrollBar>("vscrollbar", "memobar");
  bar->SetSkinDataName("vscrollbar");
  bar->SetKind(skin::ScrollBarKind::sbVertical);
  bar->SetDefaultHeight(0);
  bar->SetDefaultWidth(19);
  bar->SetBounds(0, 0, 19, 100);
  bar->SetSkinData(b.SkinData());
  memo->SetVScrollBar(bar);
  const GalleryEvents ev = b.Events("memo", "bar");
  memo->OnScrolled = [ev, memo](ui::Component*) { ev("scrolled", std::to_string(memo->FirstVisibleLine())); };
  memo->OnChange = [ev, memo](ui::Component*) { ev("change", std::to_string(memo->Text().size()) + " bytes"); };
  auto* readonly = b.Make<TskSkinMemo>("memo", "readonly");
  readonly->SetBounds(0, 0, 160, 100);
  readonly->SetText(kUsage);
  readonly->SetReadOnly(true);
  readonly->SetSkinData(b.SkinData());
  auto* hot = b.Make<TskSkinMemo>("memo", "hot");
  hot->SetBounds(0, 0, 100, 60);
  hot->SetText("悬停\nhover");
  hot->SetSkinData(b.SkinData());
  auto* disabled = b.Make<TskSkinMemo>("memo", "disabled");
  disabled->SetBounds(0, 0, 100, 60);
  disabled->SetText("禁用\ndisabled");
  disabled->SetSkinData(b.SkinData());
  disabled->SetEnabled(false);
  b.NewRow();
  auto* plain = b.Make<ui::Edit>("plainedit", "live");
  plain->SetText("plain 图片");
  const GalleryEvents pev = b.Events("plainedit", "live");
  plain->OnChange = [pev, plain](ui::Component*) { pev("change", plain->Text()); };
  auto* plain_memo = b.Make<ui::Memo>("plainmemo", "live");
  plain_memo->SetBounds(0, 0, 200, 80);
  plain_memo->SetText(kUsage);
  b.WhenShown([memo, hot](GalleryInput& in) {
    memo->ScrollToLine(2);
    in.Hover(*hot);
  });
}

}  // namespace

void AddEditSamples(GalleryBuilder& b) {
  AddEdits(b);
  AddNumericEdits(b);
  AddMemos(b);
}

}  // namespace app
