// The skinned combo box: its rectangles, the dropped list's rows and place, choosing with the
// pointer, Escape, type-ahead and the events in their order.
#include "skin/controls/TskSkinComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Surface.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskPopupListBox.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinListRecords.h"
#include "ui/DropDownWindow.h"
#include "ui/Edit.h"

namespace {

using skin::ComboStyle;
using skin::TskSkinComboBox;

// Counts the change hook, which runs whenever an item is chosen or the edit's text changes.
class CountingCombo : public TskSkinComboBox {
 public:
  int changes = 0;

 protected:
  void Change() override { ++changes; }
};

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) items.push_back("item " + std::to_string(i));
  return items;
}

class TskSkinComboBoxTest : public skin_test::RangeControlTest {
 protected:
  TskSkinComboBox* MakeCombo(bool bind = true) {
    auto* combo = Make<TskSkinComboBox>("combobox", 10, 10, 120, 20, bind);
    combo->OnChange = [this](ui::Component*) { events_.push_back("change"); };
    combo->OnClick = [this](ui::Component*) { events_.push_back("click"); };
    combo->OnCloseUp = [this](ui::Component*) { events_.push_back("closeup"); };
    return combo;
  }
  void ClickButton(const TskSkinComboBox& combo) {
    backend_->Click(ScreenPoint(combo, combo.DropButtonRect().left + 3, 8));
    Pump();
  }
  void Key(uint16_t key) {
    backend_->InjectKeyDown(key);
    backend_->InjectKeyUp(key);
    Pump();
  }
  void Type(const char* text) {
    backend_->InjectText(text);
    Pump();
  }
  gfx::Point RowPoint(const TskSkinComboBox& combo, int row) {
    const ui::ListBox& list = combo.ListBox().List();
    return list.ClientToScreen({10, list.ItemRect(row).top + list.ItemHeight() / 2});
  }

  std::vector<std::string> events_;
};

TEST_F(TskSkinComboBoxTest, ProgramSkinPlacesTheButtonAtTheRightEndAndTheFieldBesideIt) {
  // "combobox": skinrect 60 x 20, righttoppoint 38,10, buttonrect 42,1,59,19, clientrect 4,2,40,18.
  auto* combo = MakeCombo();
  EXPECT_EQ(combo->Height(), 20);
  EXPECT_EQ(combo->DropButtonRect(), (gfx::Rect{102, 1, 119, 19}));
  EXPECT_EQ(combo->FieldRect(), (gfx::Rect{4, 2, 100, 18}));
  auto* plain = Make<TskSkinComboBox>("combobox", 10, 40, 120, 21, false);
  EXPECT_EQ(plain->DropButtonRect(), (gfx::Rect{101, 2, 118, 19}));
  EXPECT_EQ(plain->FieldRect(), (gfx::Rect{2, 2, 100, 19}));
}

TEST_F(TskSkinComboBoxTest, DroppedListHasDropDownCountRowsOrAsManyAsTheItems) {
  for (bool bind : {true, false}) {
    auto* combo = MakeCombo(bind);
    for (const auto& [items, rows] : {std::pair{20, 8}, std::pair{3, 3}}) {
      combo->SetItems(Numbered(items));
      ClickButton(*combo);
      ASSERT_TRUE(combo->DroppedDown()) << bind << " " << items;
      EXPECT_EQ(combo->ListBox().List().VisibleRows(), rows) << bind << " " << items;
      EXPECT_EQ(combo->ListBox().RowCount(), rows);
      EXPECT_EQ(combo->ListBox().VScrollBar() != nullptr, items > rows);
      EXPECT_EQ(combo->Window().Width(), 120);
      EXPECT_EQ(combo->Window().Top(), ScreenPoint(*combo, 0, combo->Height()).y);
      ClickButton(*combo);
      EXPECT_FALSE(combo->DroppedDown());
    }
    // The list takes the "listbox" record the combo's record names.
    if (bind) {
      EXPECT_EQ(combo->ListBox().RecordIndex(), skin_.FindControlIndex("listbox"));
    }
    combo->SetItems({});
    ClickButton(*combo);
    EXPECT_FALSE(combo->DroppedDown()) << "an empty combo never drops";
    form_->RemoveChild(combo).reset();
  }
}

TEST_F(TskSkinComboBoxTest, OpensAboveItselfNearTheBottomOfTheWorkArea) {
  form_->SetBounds(kFormLeft, 1024 - 40, 300, 40);
  Pump();
  auto* combo = MakeCombo();
  combo->SetItems(Numbered(20));
  ClickButton(*combo);
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->Window().BoundsRect().bottom, ScreenPoint(*combo, 0, 0).y);
}

TEST_F(TskSkinComboBoxTest, ReleaseOnTheThirdRowChangesClicksAndClosesUpInThatOrder) {
  auto* combo = MakeCombo();
  combo->SetItems(Numbered(5));
  ClickButton(*combo);
  MoveToScreen(RowPoint(*combo, 2));
  EXPECT_EQ(combo->ItemIndex(), 2) << "the selection follows the pointer";
  EXPECT_TRUE(events_.empty());
  backend_->Click(RowPoint(*combo, 2));
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "item 2");
  EXPECT_EQ(events_, (std::vector<std::string>{"change", "click", "closeup"}));
  // The same row again: the text does not change, so no OnChange.
  events_.clear();
  ClickButton(*combo);
  backend_->Click(RowPoint(*combo, 2));
  Pump();
  EXPECT_EQ(events_, (std::vector<std::string>{"click", "closeup"}));
}

TEST_F(TskSkinComboBoxTest, EscapeAndPressesElsewhereRestoreTheSavedIndexWithoutEvents) {
  auto* combo = MakeCombo();
  combo->SetItems(Numbered(5));
  combo->SetItemIndex(1);
  events_.clear();
  ClickButton(*combo);
  EXPECT_EQ(combo->SavedIndex(), 1);
  MoveToScreen(RowPoint(*combo, 3));
  EXPECT_EQ(combo->ItemIndex(), 3);
  Key(platform::kVkEscape);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "item 1");
  EXPECT_TRUE(events_.empty());
  ClickButton(*combo);
  MoveToScreen(RowPoint(*combo, 4));
  backend_->Click(ScreenPoint(*form_, 250, 300));
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_TRUE(events_.empty());
}

TEST_F(TskSkinComboBoxTest, TypedLettersJoinWithinTheirPauseAndStepAfterIt) {
  auto* combo = MakeCombo();
  combo->SetItems({"apple", "banana", "bbq", "berry", "cherry"});
  combo->SetFocus();
  Type("b");
  Advance(100);
  Type("b");
  EXPECT_EQ(combo->Text(), "bbq") << "\"bb\" typed within 500 ms";
  combo->SetItemIndex(0);
  Advance(600);
  Type("b");
  EXPECT_EQ(combo->Text(), "banana");
  Advance(600);
  Type("b");
  EXPECT_EQ(combo->Text(), "bbq") << "a \"b\" 600 ms later steps to the next item beginning with it";
  combo->SetAutoComplete(false);
  Type("b");
  EXPECT_EQ(combo->Text(), "berry");
  Type("b");
  EXPECT_EQ(combo->Text(), "banana") << "each key alone, wrapping round";
}

TEST_F(TskSkinComboBoxTest, KeysMoveThroughTheIndexSetterAndStopAtTheEnds) {
  auto* combo = MakeCombo();
  combo->SetItems(Numbered(12));
  combo->SetFocus();
  combo->SetItemIndex(0);
  combo->SetItemIndex(0);
  EXPECT_EQ(events_, (std::vector<std::string>{"change", "click", "click"})) << "the same index clicks again";
  struct Case {
    int start;
    uint16_t key;
    int index;
  };
  const Case cases[] = {{0, platform::kVkUp, 0},     {0, platform::kVkDown, 1},   {11, platform::kVkRight, 11},
                        {5, platform::kVkLeft, 4},   {1, platform::kVkNext, 8},   {10, platform::kVkNext, 11},
                        {10, platform::kVkPrior, 1}, {3, platform::kVkPrior, 0}};
  for (const Case& c : cases) {
    combo->SetItemIndex(c.start);
    Key(c.key);
    EXPECT_EQ(combo->ItemIndex(), c.index) << c.start << " key " << c.key;
    EXPECT_EQ(combo->Text(), "item " + std::to_string(c.index));
  }
  // Alt+Down drops the list; Down then moves the index through the setter, so Escape keeps it.
  backend_->InjectKeyDown(platform::kVkMenu);
  Key(platform::kVkDown);
  backend_->InjectKeyUp(platform::kVkMenu);
  Pump();
  ASSERT_TRUE(combo->DroppedDown());
  Key(platform::kVkDown);
  EXPECT_EQ(combo->SavedIndex(), 1);
  Key(platform::kVkEscape);
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(TskSkinComboBoxTest, DroppedListTakesTheTranslucencyAskedFor) {
  struct Case {
    bool layered, blend, animation;
    int opacity;
  };
  const Case cases[] = {{true, true, false, 180}, {true, true, true, 180}, {true, false, false, 255},
                        {false, true, false, 255}};
  for (const Case& c : cases) {
    backend_->SetLayeredWindowsAvailable(c.layered);
    auto* combo = MakeCombo();
    combo->SetItems(Numbered(3));
    combo->SetAlphaBlend(true);
    combo->SetAlphaBlendValue(180);
    // A list once shown translucent becomes opaque again when AlphaBlend is turned off.
    combo->DropDown();
    combo->CloseUp(false);
    combo->SetAlphaBlend(c.blend);
    combo->SetAlphaBlendAnimation(c.animation);
    combo->DropDown();
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Window().Surface()->Opacity(), c.opacity) << c.layered << c.blend << c.animation;
    form_->RemoveChild(combo).reset();
  }
}

TEST_F(TskSkinComboBoxTest, FocusLeavingClosesTheList) {
  auto* combo = MakeCombo();
  auto* other = Make<TskSkinComboBox>("combobox", 10, 60, 120, 20);
  combo->SetItems(Numbered(4));
  combo->SetFocus();
  ClickButton(*combo);
  ASSERT_TRUE(combo->DroppedDown());
  other->SetFocus();
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
}

// --- edit style ---

class TskSkinComboBoxEditTest : public TskSkinComboBoxTest {
 protected:
  CountingCombo* MakeEditCombo(bool bind = true) {
    auto* combo = Make<CountingCombo>("combobox", 10, 10, 120, 20, bind);
    combo->OnChange = [this, combo](ui::Component*) { events_.push_back("change " + combo->Text()); };
    combo->OnClick = [this](ui::Component*) { events_.push_back("click"); };
    combo->OnCloseUp = [this](ui::Component*) { events_.push_back("closeup"); };
    combo->SetItems({"apple", "banana", "bbq", "berry", "cherry"});
    combo->SetStyle(ComboStyle::kEdit);
    return combo;
  }
  // A typed character as the keyboard sends it: its key down, its text, its key up.
  void TypeKey(char c) {
    const uint16_t key = static_cast<uint16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    backend_->InjectKeyDown(key);
    backend_->InjectText(std::string(1, c).c_str());
    backend_->InjectKeyUp(key);
    Pump();
  }
};

TEST_F(TskSkinComboBoxEditTest, EditLiesOverTheFieldInTheSkinsColoursAndTakesTheFocus) {
  for (bool bind : {true, false}) {
    auto* combo = MakeEditCombo(bind);
    ui::Edit* edit = combo->EditControl();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->BoundsRect(), combo->FieldRect()) << bind;
    EXPECT_FALSE(combo->TabStop());
    EXPECT_EQ(edit->TransparentText(), bind) << "over the skin image the edit draws no background";
    if (bind) {
      const auto* r = skin_.FindControlRecord<skin::TskDataSkinComboBox>("combobox");
      ASSERT_NE(r, nullptr);
      EXPECT_EQ(edit->GetFont().Color(), r->font.fontcolor);
    }
    combo->SetFocus();
    Pump();
    EXPECT_TRUE(edit->Focused()) << "the combo hands its focus on to the edit";
    // The edit follows the size of the combo.
    combo->SetBounds(10, 10, 160, 20);
    Pump();
    EXPECT_EQ(edit->BoundsRect(), combo->FieldRect());
    combo->SetStyle(ComboStyle::kFixed);
    EXPECT_EQ(combo->EditControl(), nullptr);
    EXPECT_TRUE(combo->TabStop());
    form_->RemoveChild(combo).reset();
  }
}

TEST_F(TskSkinComboBoxEditTest, TextFollowsTheTypedTextAndTheChosenRow) {
  auto* combo = MakeEditCombo();
  combo->SetFocus();
  Type("c");
  Type("h");
  EXPECT_EQ(combo->Text(), "ch");
  EXPECT_EQ(combo->ItemIndex(), 4) << "the row beginning with the typed text is chosen silently";
  EXPECT_EQ(events_, (std::vector<std::string>{"change c", "change ch"}));
  EXPECT_EQ(combo->changes, 2);
  events_.clear();
  ClickButton(*combo);
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(combo->EditControl()->Focused());
  MoveToScreen(RowPoint(*combo, 1));
  backend_->Click(RowPoint(*combo, 1));
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->EditControl()->Text(), "banana");
  EXPECT_EQ(combo->Text(), "banana");
  EXPECT_EQ(events_, (std::vector<std::string>{"change banana", "click", "closeup"}));
  // Setting Text or an index from outside shows in the edit.
  combo->SetItemIndex(3);
  EXPECT_EQ(combo->EditControl()->Text(), "berry");
  combo->SetText("free text");
  EXPECT_EQ(combo->EditControl()->Text(), "free text");
  EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(TskSkinComboBoxEditTest, UpAndDownChooseThroughTheIndexSetter) {
  // Both keys must keep SavedIndex and the change hook with the chosen row, closed or open.
  struct Case {
    bool open;
    int start;
    uint16_t key;
    int index;
  };
  const Case cases[] = {{false, 2, platform::kVkDown, 3}, {false, 2, platform::kVkUp, 1},
                        {false, 4, platform::kVkDown, 4}, {false, 0, platform::kVkUp, 0},
                        {true, 1, platform::kVkDown, 2},  {true, 1, platform::kVkUp, 0}};
  auto* combo = MakeEditCombo();
  combo->SetFocus();
  for (const Case& c : cases) {
    combo->SetItemIndex(c.start);
    if (c.open) combo->DropDown();
    const size_t caret = combo->EditControl()->CaretPos();
    events_.clear();
    combo->changes = 0;
    Key(c.key);
    const bool moved = c.index != c.start;
    EXPECT_EQ(combo->ItemIndex(), c.index) << c.open << " " << c.start << " key " << c.key;
    EXPECT_EQ(combo->SavedIndex(), c.index) << c.open << " " << c.start << " key " << c.key;
    EXPECT_EQ(combo->EditControl()->Text(), combo->Item(c.index));
    EXPECT_EQ(combo->changes, moved ? 1 : 0) << c.open << " " << c.start << " key " << c.key;
    EXPECT_EQ(events_.size(), moved ? 2u : 0u) << "change and one click";
    if (!moved) {
      EXPECT_EQ(combo->EditControl()->CaretPos(), caret) << "the key does not reach the edit";
    }
    if (c.open) {
      Key(platform::kVkEscape);
      EXPECT_FALSE(combo->DroppedDown());
      EXPECT_EQ(combo->ItemIndex(), c.index) << "Escape keeps the row the key chose";
    }
  }
}

TEST_F(TskSkinComboBoxEditTest, TypedTextCompletesWithTheRestSelected) {
  auto* combo = MakeEditCombo();
  combo->SetFocus();
  ui::Edit* edit = combo->EditControl();
  TypeKey('b');
  EXPECT_EQ(edit->Text(), "banana");
  EXPECT_EQ(edit->SelStart(), 1u);
  EXPECT_EQ(edit->SelLength(), 5u);
  TypeKey('e');
  EXPECT_EQ(edit->Text(), "berry") << "typing replaces the completed part";
  EXPECT_EQ(edit->SelStart(), 2u);
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(combo->Text(), "berry");
  TypeKey('z');
  EXPECT_EQ(edit->Text(), "bez") << "no row begins with it";
  EXPECT_EQ(edit->SelLength(), 0u);
  // Text typed in the middle, and shortcuts, complete nothing.
  edit->SetSel(1, 1);
  TypeKey('a');
  EXPECT_EQ(edit->Text(), "baez");
  backend_->InjectKeyDown(platform::kVkControl);
  Key(platform::kVkA);
  backend_->InjectKeyUp(platform::kVkControl);
  Pump();
  EXPECT_EQ(edit->SelText(), "baez");
  combo->SetAutoComplete(false);
  edit->SetText("");
  TypeKey('c');
  EXPECT_EQ(edit->Text(), "c");
}

TEST_F(TskSkinComboBoxEditTest, EscapeAndTheEditLosingTheFocusCloseTheList) {
  auto* combo = MakeEditCombo();
  auto* other = Make<TskSkinComboBox>("combobox", 10, 60, 120, 20);
  combo->SetItemIndex(1);
  combo->SetFocus();
  ClickButton(*combo);
  ASSERT_TRUE(combo->DroppedDown());
  MoveToScreen(RowPoint(*combo, 4));
  events_.clear();
  Key(platform::kVkEscape);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_TRUE(events_.empty());
  ClickButton(*combo);
  ASSERT_TRUE(combo->DroppedDown());
  Key(platform::kVkNext);
  EXPECT_EQ(combo->ListBox().ItemIndex(), 4) << "Page Down moves the open list only";
  EXPECT_EQ(combo->Text(), "banana");
  Key(platform::kVkReturn);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "cherry");
  ClickButton(*combo);
  other->SetFocus();
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
}

}  // namespace
