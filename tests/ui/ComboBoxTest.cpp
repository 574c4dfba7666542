// The plain combo box: the dropped list's size and place, choosing from it, keys and type-ahead.
#include "ui/ComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "ui/DropDownWindow.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) items.push_back("item " + std::to_string(i));
  return items;
}

class ComboBoxTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(100, 100, 300, 200);
    form_->Show();
    combo_ = form_->MakeChild<ui::ComboBox>(form_);
    combo_->SetBounds(10, 10, 150, 21);
    combo_->OnChange = [this](ui::Component*) { events_.push_back("change"); };
    combo_->OnClick = [this](ui::Component*) { events_.push_back("click"); };
    combo_->OnCloseUp = [this](ui::Component*) { events_.push_back("closeup"); };
    Pump();
  }
  void ClickCombo() {
    backend_->Click(combo_->ClientToScreen({20, 10}));
    Pump();
  }
  void Press(uint16_t key) {
    backend_->InjectKeyDown(key);
    backend_->InjectKeyUp(key);
    Pump();
  }

  ui::Form* form_ = nullptr;
  ui::ComboBox* combo_ = nullptr;
  std::vector<std::string> events_;
};

TEST_F(ComboBoxTest, DroppedListShowsAtMostDropDownCountRows) {
  for (const auto& [items, rows] : {std::pair{20, 8}, std::pair{3, 3}}) {
    combo_->SetItems(Numbered(items));
    ClickCombo();
    ASSERT_TRUE(combo_->DroppedDown());
    EXPECT_EQ(combo_->List().VisibleRows(), rows) << items << " items";
    EXPECT_EQ(combo_->Window().Height(), rows * combo_->List().ItemHeight() + 4);
    // Under the combo, as wide as it.
    EXPECT_EQ(combo_->Window().Top(), combo_->ClientToScreen({0, 21}).y);
    EXPECT_EQ(combo_->Window().Width(), 150);
    ClickCombo();
    EXPECT_FALSE(combo_->DroppedDown());
  }
  combo_->SetItems({});
  ClickCombo();
  EXPECT_FALSE(combo_->DroppedDown()) << "an empty combo does not drop";
}

TEST_F(ComboBoxTest, OpensAboveNearTheBottomOfTheWorkArea) {
  const gfx::Rect work{0, 0, 1280, 1024};
  EXPECT_EQ(ui::DropDownWindow::Place({10, 990, 160, 1011}, {150, 132}, work), (gfx::Point{10, 990 - 132}));
  EXPECT_EQ(ui::DropDownWindow::Place({10, 800, 160, 821}, {150, 132}, work), (gfx::Point{10, 821}));
  form_->SetBounds(100, 980, 300, 40);
  combo_->SetItems(Numbered(20));
  ClickCombo();
  ASSERT_TRUE(combo_->DroppedDown());
  EXPECT_EQ(combo_->Window().BoundsRect().bottom, combo_->ClientToScreen({0, 0}).y);
}

TEST_F(ComboBoxTest, ClickOnTheThirdRowChangesClicksAndClosesInThatOrder) {
  combo_->SetItems(Numbered(5));
  ClickCombo();
  const gfx::Point row3 = combo_->List().ClientToScreen({20, combo_->List().ItemRect(2).top + 5});
  backend_->InjectMouseMove(row3);
  Pump();
  EXPECT_EQ(combo_->List().ItemIndex(), 2) << "the row under the pointer is chosen";
  EXPECT_EQ(combo_->ItemIndex(), -1) << "the field keeps its item while the list is open";
  backend_->Click(row3);
  Pump();
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->Text(), "item 2");
  EXPECT_EQ(events_, (std::vector<std::string>{"change", "click", "closeup"}));
}

TEST_F(ComboBoxTest, EscapeRestoresAndAPressElsewhereCloses) {
  combo_->SetItems(Numbered(5));
  combo_->SetItemIndex(1);
  combo_->SetFocus();
  ClickCombo();
  Press(platform::kVkDown);
  Press(platform::kVkDown);
  EXPECT_EQ(combo_->List().ItemIndex(), 3);
  Press(platform::kVkEscape);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->Text(), "item 1");
  EXPECT_EQ(events_, (std::vector<std::string>{"closeup"}));
  ClickCombo();
  backend_->Click(form_->ClientToScreen({250, 150}));
  Pump();
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, KeysAndTypeAheadChooseWhileClosed) {
  combo_->SetItems({"apple", "banana", "bbq", "berry"});
  combo_->SetFocus();
  Press(platform::kVkDown);
  EXPECT_EQ(combo_->Text(), "apple");
  backend_->InjectText("b");
  Pump();
  Advance(100);
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(combo_->Text(), "bbq");
  Advance(600);
  backend_->InjectText("b");
  Pump();
  EXPECT_EQ(combo_->Text(), "berry");
  Press(platform::kVkDown);
  EXPECT_EQ(combo_->Text(), "berry") << "stops at the last item";
  EXPECT_EQ(events_, (std::vector<std::string>{"change", "click", "change", "click", "change", "click",
                                                "change", "click"}));
}

}  // namespace
