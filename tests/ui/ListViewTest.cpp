// ListView on the headless backend: keys, mouse, type-ahead, header, owner data and scroll ranges.
#include "ui/ListView.h"

#include <set>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "ui/Form.h"
#include "ui/ScrollBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

// The selected indices, for small lists.
std::vector<int32_t> SelectedOf(const ui::ListView& lv) {
  std::vector<int32_t> out;
  for (int32_t i = lv.Selection().NextFrom(0); i >= 0; i = lv.Selection().NextFrom(i + 1)) out.push_back(i);
  return out;
}

class ListViewTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 320, 240);
    form_->SetColor(gfx::kWhite);
    lv_ = form_->MakeChild<ui::ListView>(form_);
    lv_->SetBounds(10, 10, 220, 160);
    lv_->AddColumn("名称", 100);
    lv_->AddColumn("大小", 60, ui::TextAlignment::kRight);
    lv_->OnSelectionChange = [this](ui::Component*) { ++changes_; };
    form_->Show();
    lv_->SetFocus();
    Pump();
  }

  void Fill(int n) {
    for (int i = 0; i < n; ++i) lv_->AddItem("item " + std::to_string(i), -1, {std::to_string(i * 10)});
    Pump();
  }

  gfx::Point ScreenOf(int32_t index) const {
    const gfx::Rect r = lv_->ItemRect(index);
    return lv_->ClientToScreen({r.left + 95, (r.top + r.bottom) / 2});  // right of the caption
  }

  // Presses `key` with the modifier keys held.
  void Press(uint16_t key, ui::ShiftState shift = ui::kShiftNone) {
    if (ui::Has(shift, ui::kShift)) backend_->InjectKeyDown(platform::kVkShift);
    if (ui::Has(shift, ui::kCtrl)) backend_->InjectKeyDown(platform::kVkControl);
    backend_->PressKey(key);
    if (ui::Has(shift, ui::kCtrl)) backend_->InjectKeyUp(platform::kVkControl);
    if (ui::Has(shift, ui::kShift)) backend_->InjectKeyUp(platform::kVkShift);
    Pump();
  }

  void ClickItem(int32_t index, ui::ShiftState shift = ui::kShiftNone) {
    if (ui::Has(shift, ui::kShift)) backend_->InjectKeyDown(platform::kVkShift);
    if (ui::Has(shift, ui::kCtrl)) backend_->InjectKeyDown(platform::kVkControl);
    backend_->Click(ScreenOf(index));
    if (ui::Has(shift, ui::kCtrl)) backend_->InjectKeyUp(platform::kVkControl);
    if (ui::Has(shift, ui::kShift)) backend_->InjectKeyUp(platform::kVkShift);
    Pump();
  }

  ui::Form* form_ = nullptr;
  ui::ListView* lv_ = nullptr;
  int changes_ = 0;
};

struct Stroke {
  uint16_t key;
  ui::ShiftState shift;
};

struct KeyCase {
  const char* name;
  bool multi;
  std::vector<Stroke> strokes;
  int32_t focused;
  std::vector<int32_t> selected;
};

class ListViewKeys : public ListViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListViewKeys, MoveTheFocusAndTheSelection) {
  const KeyCase& c = GetParam();
  lv_->SetMultiSelect(c.multi);
  Fill(30);
  for (const Stroke& s : c.strokes) Press(s.key, s.shift);
  EXPECT_EQ(lv_->ItemFocused(), c.focused);
  if (c.name != std::string("ctrl_a")) EXPECT_EQ(SelectedOf(*lv_), c.selected);
  else EXPECT_EQ(lv_->SelCount(), 30);
}

using platform::kVkDown;
using platform::kVkEnd;
using platform::kVkHome;
using platform::kVkSpace;
using platform::kVkUp;

INSTANTIATE_TEST_SUITE_P(
    Cases, ListViewKeys,
    ::testing::Values(
        KeyCase{"first_key_takes_the_first_item", false, {{kVkDown, ui::kShiftNone}}, 0, {0}},
        KeyCase{"down_down_up", false, {{kVkDown, ui::kShiftNone}, {kVkDown, ui::kShiftNone}, {kVkDown, ui::kShiftNone}, {kVkUp, ui::kShiftNone}}, 1, {1}},
        KeyCase{"end_then_home", false, {{kVkEnd, ui::kShiftNone}, {kVkHome, ui::kShiftNone}}, 0, {0}},
        KeyCase{"end_stays_at_the_last", false, {{kVkEnd, ui::kShiftNone}, {kVkDown, ui::kShiftNone}}, 29, {29}},
        KeyCase{"shift_range", true, {{kVkDown, ui::kShiftNone}, {kVkDown, ui::kShiftNone}, {kVkDown, ui::kShift}, {kVkDown, ui::kShift}}, 3, {1, 2, 3}},
        KeyCase{"shift_range_back_over_the_anchor", true, {{kVkEnd, ui::kShiftNone}, {kVkUp, ui::kShift}, {kVkHome, ui::kShiftNone}, {kVkDown, ui::kShift}}, 1, {0, 1}},
        KeyCase{"shift_without_multiselect", false, {{kVkDown, ui::kShiftNone}, {kVkDown, ui::kShift}}, 1, {1}},
        KeyCase{"ctrl_moves_focus_space_toggles", true, {{kVkDown, ui::kShiftNone}, {kVkDown, ui::kCtrl}, {kVkDown, ui::kCtrl}, {kVkSpace, ui::kCtrl}}, 2, {0, 2}},
        KeyCase{"ctrl_a", true, {{kVkDown, ui::kShiftNone}, {platform::kVkA, ui::kCtrl}}, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListViewTest, PageKeysMoveAboutAPageAndKeepTheFocusedItemWhole) {
  Fill(100);
  Press(platform::kVkDown);
  Press(platform::kVkNext);
  const int32_t after_page = lv_->ItemFocused();
  EXPECT_GT(after_page, 1);
  const gfx::Rect r = lv_->ItemRect(after_page);
  EXPECT_GE(r.top, lv_->Header()->Height());
  EXPECT_LE(r.bottom, lv_->ClientHeight());
  Press(platform::kVkNext);
  EXPECT_GT(lv_->ItemFocused(), after_page);
  EXPECT_GT(lv_->TopItem(), 0);
  Press(platform::kVkPrior);
  Press(platform::kVkPrior);
  EXPECT_EQ(lv_->ItemFocused(), 0);
  EXPECT_EQ(lv_->TopItem(), 0);
}

TEST_F(ListViewTest, ArrowsFollowTheLinesOfEachStyle) {
  Fill(40);
  lv_->SetListColumnWidth(60);
  // In list style items run down a column: Right goes to the same row of the next column; in the
  // icon styles items run along a row: Down goes to the same place in the next row.
  for (ui::ViewStyle style : {ui::ViewStyle::kList, ui::ViewStyle::kSmallIcon, ui::ViewStyle::kIcon}) {
    lv_->SetViewStyle(style);
    lv_->SetItemIndex(0);
    const bool list = style == ui::ViewStyle::kList;
    Press(list ? platform::kVkRight : platform::kVkDown);
    const gfx::Rect first = lv_->ItemRect(0);
    const gfx::Rect moved = lv_->ItemRect(lv_->ItemFocused());
    if (list) {
      EXPECT_EQ(moved.left, first.right);
      EXPECT_EQ(moved.top, first.top);
    } else {
      EXPECT_EQ(moved.top, first.bottom);
      EXPECT_EQ(moved.left, first.left);
    }
    Press(list ? platform::kVkDown : platform::kVkRight);
    EXPECT_EQ(lv_->ItemFocused(), list ? lv_->ItemAt(moved.left + 1, moved.bottom + 1)
                                       : lv_->ItemAt(moved.right + 1, moved.top + 1));
  }
}

TEST_F(ListViewTest, ClicksSelectWithCtrlAndShift) {
  lv_->SetMultiSelect(true);
  Fill(10);
  ClickItem(2);
  EXPECT_EQ(SelectedOf(*lv_), (std::vector<int32_t>{2}));
  ClickItem(4, ui::kCtrl);
  EXPECT_EQ(SelectedOf(*lv_), (std::vector<int32_t>{2, 4}));
  ClickItem(7, ui::kShift);  // from the last plain or Ctrl click
  EXPECT_EQ(SelectedOf(*lv_), (std::vector<int32_t>{4, 5, 6, 7}));
  ClickItem(5, ui::kCtrl);
  EXPECT_EQ(SelectedOf(*lv_), (std::vector<int32_t>{4, 6, 7}));
  EXPECT_EQ(lv_->ItemFocused(), 5);
  EXPECT_EQ(changes_, 4);
  // Right of the columns nothing is hit and the selection goes.
  backend_->Click(lv_->ClientToScreen({190, lv_->ItemRect(0).top + 3}));
  Pump();
  EXPECT_TRUE(SelectedOf(*lv_).empty());
  EXPECT_EQ(changes_, 5);
}

TEST_F(ListViewTest, DoubleClickAndEnterActivateTheItem) {
  Fill(5);
  std::vector<int32_t> activated;
  lv_->OnActivate = [&](ui::ListView*, int32_t index) { activated.push_back(index); };
  backend_->Click(ScreenOf(3));
  backend_->Click(ScreenOf(3));
  Pump();
  Press(platform::kVkUp);
  Press(platform::kVkReturn);
  EXPECT_EQ(activated, (std::vector<int32_t>{3, 2}));
}

TEST_F(ListViewTest, HeaderClicksReportTheColumnAndEdgesResizeIt) {
  Fill(3);
  std::vector<int> clicked;
  lv_->OnColumnClick = [&](ui::ListView*, int column) { clicked.push_back(column); };
  ui::HeaderControl* header = lv_->Header();
  const int mid_y = header->Height() / 2;
  backend_->Click(header->ClientToScreen({130, mid_y}));
  Pump();
  EXPECT_EQ(clicked, (std::vector<int>{1}));
  // A drag from the first section's right edge widens it and the report with it.
  const int32_t before = lv_->HorzScrollInfo().max;
  backend_->InjectMouseMove(header->ClientToScreen({100, mid_y}));
  backend_->InjectMouseDown(header->ClientToScreen({100, mid_y}));
  backend_->InjectMouseMove(header->ClientToScreen({140, mid_y}));
  backend_->InjectMouseUp(header->ClientToScreen({140, mid_y}));
  Pump();
  EXPECT_EQ(header->Section(0).width, 140);
  EXPECT_EQ(lv_->HorzScrollInfo().max, before + 40);
  EXPECT_EQ(clicked.size(), 1u);  // a resize is no click
  // The item's second column moved right with the edge.
  EXPECT_EQ(lv_->ItemAt(150, lv_->ItemRect(0).top + 2), 0);
}

TEST_F(ListViewTest, TypeAheadFindsByPrefixAndRestartsAfterAPause) {
  for (const char* s : {"apple", "banana", "blueberry", "cherry", "Bob", "苹果"}) lv_->AddItem(s);
  Pump();
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(lv_->ItemIndex(), 1);
  backend_->InjectText("l");
  Pump();
  EXPECT_EQ(lv_->ItemIndex(), 2);  // "bl"
  Advance(ui::ListView::kTypeAheadPauseMs + 100);
  backend_->InjectText("B");
  Pump();
  EXPECT_EQ(lv_->ItemIndex(), 4);  // a new search starts after the focused item, without case
  Advance(ui::ListView::kTypeAheadPauseMs + 100);
  backend_->InjectText("苹");
  Pump();
  EXPECT_EQ(lv_->ItemIndex(), 5);
  Advance(ui::ListView::kTypeAheadPauseMs + 100);
  backend_->InjectText("z");
  Pump();
  EXPECT_EQ(lv_->ItemIndex(), 5);  // no match leaves the selection
}

class ListViewHuge : public ListViewTest, public ::testing::WithParamInterface<int64_t> {};

TEST_P(ListViewHuge, EndShowsTheLastItemAtOnceAskingOnlyForVisibleItems) {
  const int64_t count = GetParam();
  std::set<int32_t> asked;
  lv_->SetOwnerData(true);
  lv_->SetMultiSelect(true);
  lv_->OnData = [&](const ui::ListView*, int32_t index, ui::ListItemData& out) {
    asked.insert(index);
    out.caption = "第 " + std::to_string(index) + " 项";
  };
  lv_->SetItemCount(count);
  Pump();
  asked.clear();
  Press(platform::kVkEnd);
  const int32_t last = static_cast<int32_t>(count - 1);
  EXPECT_EQ(lv_->ItemFocused(), last);
  EXPECT_EQ(SelectedOf(*lv_), (std::vector<int32_t>{last}));
  const gfx::Rect r = lv_->ItemRect(last);
  EXPECT_GE(r.top, lv_->Header()->Height());
  EXPECT_LE(r.bottom, lv_->ClientHeight());
  const ui::ScrollInfo v = lv_->VertScrollInfo();
  EXPECT_EQ(v.position, v.max - v.page + 1);
  // The painted screen asked for the last page only.
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(*asked.rbegin(), last);
  EXPECT_GT(*asked.begin(), last - 50);
  EXPECT_EQ(backend_->ScreenPixel(ScreenOf(last)), ui::kColorHighlight);
  Press(platform::kVkA, ui::kCtrl);
  EXPECT_EQ(lv_->SelCount(), count);
  // Back to the top and a step down the list, still by the visible items only.
  Press(platform::kVkHome);
  EXPECT_EQ(lv_->TopItem(), 0);
  EXPECT_LT(asked.size(), 100u);
}

INSTANTIATE_TEST_SUITE_P(Counts, ListViewHuge, ::testing::Values(int64_t{100000}, int64_t{50000000}));

TEST_F(ListViewTest, ItemCountsThatCannotWorkAreRefused) {
  EXPECT_THROW(lv_->SetItemCount(10), std::logic_error);  // items are held: no count to set
  lv_->SetOwnerData(true);
  EXPECT_THROW(lv_->AddItem("x"), std::logic_error);
  for (int64_t bad : {int64_t{-1}, ui::ListView::kMaxItems + 1, int64_t{1} << 40}) {
    try {
      lv_->SetItemCount(bad);
      ADD_FAILURE() << bad;
    } catch (const std::length_error& e) {
      EXPECT_NE(std::string(e.what()).find("列表项数"), std::string::npos);
    }
  }
  lv_->SetItemCount(ui::ListView::kMaxItems);
  EXPECT_EQ(lv_->ItemCount(), ui::ListView::kMaxItems);
  Press(platform::kVkEnd);
  EXPECT_EQ(lv_->ItemFocused(), ui::ListView::kMaxItems - 1);
}

TEST_F(ListViewTest, ScrollRangesFollowTheStyle) {
  Fill(50);
  const ui::ScrollInfo v = lv_->VertScrollInfo();
  EXPECT_EQ(v.min, 0);
  EXPECT_EQ(v.max, 49);
  EXPECT_EQ(v.page, lv_->VisibleLineCount());
  EXPECT_EQ(v.position, 0);
  // The built-in bar shows the same range and moves the list.
  ASSERT_TRUE(lv_->VertBar()->Visible());
  EXPECT_EQ(lv_->VertBar()->Info(), v);
  lv_->Send(ui::kMsgVScroll, ui::kSbLineDown);
  EXPECT_EQ(lv_->VertScrollInfo().position, 1);
  lv_->ScrollTo(ui::ScrollAxis::kVertical, 1);
  backend_->Click(lv_->VertBar()->ClientToScreen({8, lv_->VertBar()->Height() - 8}));  // the down arrow
  Pump();
  EXPECT_EQ(lv_->VertScrollInfo().position, 2);
  lv_->Scroll(ui::ScrollAxis::kVertical, ui::kSbTop);
  lv_->Scroll(ui::ScrollAxis::kVertical, ui::kSbPageDown);
  EXPECT_EQ(lv_->VertScrollInfo().position, v.page);
  EXPECT_EQ(lv_->VertBar()->Info().position, v.page);
  EXPECT_EQ(lv_->TopItem(), v.page);
  lv_->Scroll(ui::ScrollAxis::kVertical, ui::kSbBottom);
  EXPECT_EQ(lv_->VertScrollInfo().position, 50 - v.page);
  backend_->InjectWheel(ScreenOf(lv_->TopItem()), 120);
  Pump();
  EXPECT_EQ(lv_->VertScrollInfo().position, 50 - v.page - ui::ListView::kWheelLines);
  // The report is wider than the view: it scrolls sideways in pixels, the header with it.
  lv_->Header()->SetSectionWidth(1, 300);
  const ui::ScrollInfo h = lv_->HorzScrollInfo();
  EXPECT_EQ(h.max, 399);
  const int32_t shown = lv_->ClientWidth() - ui::ScrollBar::kBreadth;  // beside the vertical bar
  EXPECT_EQ(h.page, shown);
  EXPECT_TRUE(lv_->HorzBar()->Visible());
  lv_->ScrollTo(ui::ScrollAxis::kHorizontal, 10000);
  EXPECT_EQ(lv_->HorzScrollInfo().position, 400 - shown);
  EXPECT_EQ(lv_->Header()->Offset(), 400 - shown);
  // List style scrolls by columns only.
  lv_->SetViewStyle(ui::ViewStyle::kList);
  EXPECT_EQ(lv_->VertScrollInfo(), ui::ScrollInfo{});
  const ui::ScrollInfo cols = lv_->HorzScrollInfo();
  EXPECT_GT(cols.max, 0);
  lv_->Scroll(ui::ScrollAxis::kHorizontal, ui::kSbLineDown);
  EXPECT_EQ(lv_->ItemRect(0).right, 0);  // the first column moved out to the left
  EXPECT_FALSE(lv_->VertBar()->Visible());
  EXPECT_TRUE(lv_->HorzBar()->Visible());
  // Without the built-in bars the items take the whole client area.
  lv_->ScrollTo(ui::ScrollAxis::kHorizontal, 0);
  auto second_column = [&] { return lv_->ItemAt(lv_->ItemRect(0).right + 2, lv_->ItemRect(0).top + 2); };
  const int32_t per_column_with_bar = second_column();
  lv_->SetBuiltInBars(false);
  EXPECT_FALSE(lv_->HorzBar()->Visible());
  EXPECT_GE(second_column(), per_column_with_bar);
  EXPECT_GT(lv_->ItemRect(second_column() - 1).bottom, lv_->ClientHeight() - ui::ScrollBar::kBreadth);
}

TEST_F(ListViewTest, SelectionShowsInTheHighlightWhileFocused) {
  Fill(4);
  lv_->SetItemIndex(1);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel(ScreenOf(1)), ui::kColorHighlight);
  EXPECT_EQ(backend_->ScreenPixel(ScreenOf(2)), ui::kColorWindow);
  // A focused control elsewhere leaves the selection in the face colour.
  auto* other = form_->MakeChild<ui::ListView>(form_);
  other->SetBounds(240, 10, 60, 60);
  other->SetFocus();
  Pump();
  EXPECT_EQ(backend_->ScreenPixel(ScreenOf(1)), ui::kColorBtnFace);
}

TEST_F(ListViewTest, DeletingAnItemMovesTheSelectionMarksUp) {
  lv_->SetMultiSelect(true);
  Fill(6);
  lv_->SetSelected(1, true);
  lv_->SetSelected(4, true);
  lv_->SetItemFocused(5);
  lv_->DeleteItem(2);
  EXPECT_EQ(SelectedOf(*lv_), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(lv_->ItemFocused(), 4);
  EXPECT_EQ(lv_->Item(2).caption, "item 3");
}

}  // namespace
