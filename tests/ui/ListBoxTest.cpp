// The plain list box: bars and ranges, keys, mouse selection, type-ahead, sorting, large lists.
#include "ui/ListBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "ui/Form.h"
#include "ui/ScrollBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) items.push_back("item " + std::to_string(i));
  return items;
}

class ListBoxTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 300, 300);
    form_->Show();
    list_ = form_->MakeChild<ui::ListBox>(form_);
    // 100 high: 96 inside the border, six rows of 16.
    list_->SetBounds(10, 10, 120, 100);
    list_->OnSelect = [this](ui::Component*) { ++selects_; };
    list_->SetFocus();
    Pump();
  }
  void Press(uint16_t key) {
    backend_->InjectKeyDown(key);
    backend_->InjectKeyUp(key);
    Pump();
  }
  void ClickRow(int row, ui::ShiftState held = ui::kShiftNone) {
    if (held == ui::kShift) backend_->InjectKeyDown(platform::kVkShift);
    if (held == ui::kCtrl) backend_->InjectKeyDown(platform::kVkControl);
    backend_->Click(list_->ClientToScreen({20, 2 + row * 16 + 8}));
    if (held == ui::kShift) backend_->InjectKeyUp(platform::kVkShift);
    if (held == ui::kCtrl) backend_->InjectKeyUp(platform::kVkControl);
    Pump();
  }
  std::vector<int> SelectedRows() const {
    std::vector<int> out;
    for (int i = 0; i < list_->Count(); ++i) {
      if (list_->Selected(i)) out.push_back(i);
    }
    return out;
  }

  ui::Form* form_ = nullptr;
  ui::ListBox* list_ = nullptr;
  int selects_ = 0;
};

TEST_F(ListBoxTest, VerticalBarAppearsWhenRowsOverflowWithThePageOfTheVisibleRows) {
  list_->SetItems(Numbered(6));
  EXPECT_EQ(list_->VertBar(), nullptr);
  list_->AddItem("seventh");
  ASSERT_NE(list_->VertBar(), nullptr);
  // The bar narrows the list area, not its height: still six rows.
  EXPECT_EQ(list_->VertScrollInfo(), (ui::ScrollInfo{0, 6, 6, 0}));
  EXPECT_EQ(list_->VertBar()->Info(), list_->VertScrollInfo());
  EXPECT_EQ(list_->ListArea().right, 120 - 2 - ui::ScrollBar::kBreadth);
  list_->DeleteItem(0);
  EXPECT_EQ(list_->VertBar(), nullptr);
  EXPECT_EQ(list_->ListArea().right, 118);
}

TEST_F(ListBoxTest, HorizontalBarTakesItsRowFromTheListArea) {
  list_->SetItems(Numbered(3));
  list_->SetHorizontalExtent(400);
  ASSERT_NE(list_->HorzBar(), nullptr);
  EXPECT_EQ(list_->ListArea().bottom, 98 - ui::ScrollBar::kBreadth);
  list_->Scroll(ui::ScrollAxis::kHorizontal, ui::kSbBottom, 0);
  EXPECT_EQ(list_->HorizontalOffset(), 400 - list_->ListArea().Width());
  list_->SetHorizontalExtent(0);
  EXPECT_EQ(list_->HorzBar(), nullptr);
  EXPECT_EQ(list_->HorizontalOffset(), 0);
}

TEST_F(ListBoxTest, KeysMoveTheCurrentRowAndKeepItInView) {
  struct Case {
    int start;
    uint16_t key;
    int index;
    int top;
  };
  const Case cases[] = {
      {-1, platform::kVkDown, 0, 0},  {0, platform::kVkUp, 0, 0},     {3, platform::kVkDown, 4, 0},
      {5, platform::kVkDown, 6, 1},   {0, platform::kVkNext, 5, 0},   {5, platform::kVkNext, 10, 5},
      {10, platform::kVkPrior, 5, 5}, {7, platform::kVkHome, 0, 0},   {0, platform::kVkEnd, 19, 14},
      {19, platform::kVkRight, 19, 14},
  };
  list_->SetItems(Numbered(20));
  for (const Case& c : cases) {
    list_->SetTopIndex(0);
    list_->SetItemIndex(c.start);
    Press(c.key);
    EXPECT_EQ(list_->ItemIndex(), c.index) << "start " << c.start << " key " << c.key;
    EXPECT_EQ(list_->TopIndex(), c.top) << "start " << c.start << " key " << c.key;
  }
}

TEST_F(ListBoxTest, ClickSelectsTheRowUnderThePointerOfTheScrolledList) {
  list_->SetItems(Numbered(20));
  list_->SetTopIndex(4);
  ClickRow(2);
  EXPECT_EQ(list_->ItemIndex(), 6);
  EXPECT_EQ(selects_, 1);
  // Below the last item of a short list nothing changes.
  list_->SetItems(Numbered(2));
  ClickRow(4);
  EXPECT_EQ(list_->ItemIndex(), -1);
}

TEST_F(ListBoxTest, ExtendedSelectionTakesRunsAndToggles) {
  list_->SetMultiSelect(true);
  list_->SetExtendedSelect(true);
  list_->SetItems(Numbered(6));
  ClickRow(1);
  ClickRow(3, ui::kShift);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2, 3}));
  ClickRow(2, ui::kCtrl);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
  backend_->InjectKeyDown(platform::kVkShift);
  Press(platform::kVkDown);
  backend_->InjectKeyUp(platform::kVkShift);
  Pump();
  // The anchor moved to the Ctrl+clicked row.
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3}));
  EXPECT_EQ(list_->SelCount(), 2);
  // Deleting a row above keeps the anchor on its item.
  list_->DeleteItem(0);
  ClickRow(4, ui::kShift);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ListBoxTest, PlainMultipleSelectionTogglesEachClickedRow) {
  list_->SetMultiSelect(true);
  list_->SetItems(Numbered(6));
  ClickRow(0);
  ClickRow(4);
  ClickRow(0);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{4}));
}

TEST_F(ListBoxTest, TypeAheadJoinsQuickKeysAndStartsAgainAfterAPause) {
  list_->SetItems({"apple", "Banana", "bbq", "berry", "cherry"});
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(list_->ItemIndex(), 1);
  Advance(100);
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(list_->ItemIndex(), 2) << "\"bb\" within the pause";
  Advance(600);
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(list_->ItemIndex(), 3) << "a new \"b\" steps to the next item that begins with it";
  Advance(600);
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(list_->ItemIndex(), 1) << "and wraps round";
}

TEST_F(ListBoxTest, SortedListKeepsItsOrderAndTheCurrentRowFollowsInsertions) {
  list_->SetItems({"delta", "alpha", "charlie"});
  list_->SetSorted(true);
  EXPECT_EQ(list_->Items(), (std::vector<std::string>{"alpha", "charlie", "delta"}));
  list_->SetItemIndex(1);
  EXPECT_EQ(list_->AddItem("bravo"), 1);
  EXPECT_EQ(list_->Item(list_->ItemIndex()), "charlie");
  list_->DeleteItem(2);
  EXPECT_EQ(list_->ItemIndex(), -1);
}

TEST_F(ListBoxTest, WheelScrollsThreeRowsPerNotchWithinTheRange) {
  list_->SetItems(Numbered(20));
  const gfx::Point at = list_->ClientToScreen({20, 20});
  backend_->InjectWheel(at, -120);
  Pump();
  EXPECT_EQ(list_->TopIndex(), 3);
  for (int i = 0; i < 10; ++i) backend_->InjectWheel(at, -120);
  Pump();
  EXPECT_EQ(list_->TopIndex(), 14);
}

TEST_F(ListBoxTest, AMillionItemsReachTheirEndAtOnce) {
  list_->SetItems(Numbered(1000000));
  Press(platform::kVkEnd);
  EXPECT_EQ(list_->ItemIndex(), 999999);
  EXPECT_EQ(list_->TopIndex(), 999999 - 5);
  // The thumb position rides in 16 bits of the message; the method takes the whole range.
  list_->Scroll(ui::ScrollAxis::kVertical, ui::kSbThumbPosition, 500000);
  EXPECT_EQ(list_->TopIndex(), 500000);
  form_->Repaint();
}

}  // namespace
