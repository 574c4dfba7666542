// The plain edit: keys, mouse, clipboard and primary selection, input-method composition, painting.
#include "ui/Edit.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/Form.h"
#include "ui/KeyCodes.h"
#include "ui/MenuItem.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class EditTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 300, 200);
    form_->SetColor(gfx::Rgb(0, 128, 0));
    edit_ = form_->MakeChild<ui::Edit>(form_);
    edit_->SetBounds(10, 10, 121, 21);
    edit_->OnChange = [this](ui::Component*) { ++changes_; };
    other_ = form_->MakeChild<ui::Edit>(form_);
    other_->SetBounds(10, 50, 121, 21);
    form_->Show();
    Pump();
    edit_->SetFocus();
    Pump();
  }
  // Presses a key with the modifiers held around it.
  void Press(uint16_t key, ui::ShiftState mods = ui::kShiftNone) {
    if (ui::Has(mods, ui::kCtrl)) backend_->InjectKeyDown(platform::kVkControl);
    if (ui::Has(mods, ui::kShift)) backend_->InjectKeyDown(platform::kVkShift);
    backend_->PressKey(key);
    if (ui::Has(mods, ui::kShift)) backend_->InjectKeyUp(platform::kVkShift);
    if (ui::Has(mods, ui::kCtrl)) backend_->InjectKeyUp(platform::kVkControl);
    Pump();
  }
  void Type(const std::string& text) {
    backend_->InjectText(text);
    Pump();
  }
  // Screen point of a text position, in the middle of the line.
  gfx::Point At(size_t pos) const {
    gfx::Rect c = edit_->CaretRect();
    return edit_->ClientToScreen({edit_->XOfPos(pos), (c.top + c.bottom) / 2});
  }

  ui::Form* form_ = nullptr;
  ui::Edit* edit_ = nullptr;
  ui::Edit* other_ = nullptr;
  int changes_ = 0;
};

constexpr uint16_t kKeyC = platform::kVkA + 2;
constexpr uint16_t kKeyV = platform::kVkA + 21;
constexpr uint16_t kKeyX = platform::kVkA + 23;
constexpr uint16_t kKeyZ = platform::kVkA + 25;

struct KeyCase {
  const char* name;
  std::string text;
  size_t caret;
  std::vector<std::pair<uint16_t, ui::ShiftState>> keys;
  std::string text_after;
  size_t sel_start, sel_length;
};

class EditKeys : public EditTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EditKeys, EditAndMoveAsTheKeysSay) {
  const KeyCase& c = GetParam();
  edit_->SetText(c.text);
  edit_->SetSel(c.caret, c.caret);
  for (auto [key, mods] : c.keys) Press(key, mods);
  EXPECT_EQ(edit_->Text(), c.text_after);
  EXPECT_EQ(edit_->SelStart(), c.sel_start);
  EXPECT_EQ(edit_->SelLength(), c.sel_length);
}

using platform::kVkBack;
using platform::kVkDelete;
using platform::kVkEnd;
using platform::kVkHome;
using platform::kVkLeft;
using platform::kVkRight;
const std::string kPicture = "\xE5\x9B\xBE\xE7\x89\x87";  // two Chinese characters

INSTANTIATE_TEST_SUITE_P(
    Cases, EditKeys,
    ::testing::Values(
        KeyCase{"home_end", "abc", 1, {{kVkEnd, ui::kShiftNone}}, "abc", 3, 0},
        KeyCase{"shift_home_selects", "abc", 2, {{kVkHome, ui::kShift}}, "abc", 0, 2},
        KeyCase{"shift_right_over_chinese", kPicture, 0, {{kVkRight, ui::kShift}}, kPicture, 0, 3},
        KeyCase{"left_collapses_a_selection", "abcd", 3, {{kVkLeft, ui::kShift}, {kVkLeft, ui::kShift}, {kVkLeft, ui::kShiftNone}},
                "abcd", 1, 0},
        KeyCase{"ctrl_right_by_words", "one two", 0, {{kVkRight, ui::kCtrl}}, "one two", 4, 0},
        KeyCase{"ctrl_shift_left_selects_a_word", "one two", 7, {{kVkLeft, ui::kCtrl | ui::kShift}}, "one two", 4, 3},
        KeyCase{"backspace_chinese", "a" + kPicture, 7, {{kVkBack, ui::kShiftNone}}, "a\xE5\x9B\xBE", 4, 0},
        KeyCase{"ctrl_backspace_a_word", "one two", 7, {{kVkBack, ui::kCtrl}}, "one ", 4, 0},
        KeyCase{"delete_a_base_with_its_mark", "xe\xCC\x81y", 1, {{kVkDelete, ui::kShiftNone}}, "xy", 1, 0},
        KeyCase{"ctrl_a_then_delete", "abc", 1, {{platform::kVkA, ui::kCtrl}, {kVkDelete, ui::kShiftNone}}, "", 0, 0},
        KeyCase{"undo_a_deletion", "abc", 3, {{kVkBack, ui::kShiftNone}, {kKeyZ, ui::kCtrl}}, "abc", 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditTest, TypingFiresOnChangeAndInvalidBytesBecomeReplacementCharacters) {
  Type("Hello ");
  Type(kPicture);
  EXPECT_EQ(edit_->Text(), "Hello " + kPicture);
  EXPECT_EQ(changes_, 8);
  // Bytes that are no UTF-8 arrive one replacement character each, never a crash.
  backend_->SetClipboardText("\xFFz\nsecond line");
  Press(kKeyV, ui::kCtrl);
  EXPECT_EQ(edit_->Text(), "Hello " + kPicture + "\xEF\xBF\xBDz");
  // Setting the text it already has is no change; a new text is one.
  const int changes = changes_;
  edit_->SetText(edit_->Text());
  EXPECT_EQ(changes_, changes);
  edit_->SetText("Hello");
  EXPECT_EQ(changes_, changes + 1);
}

TEST_F(EditTest, ClipboardAndPrimarySelection) {
  Type("Hello " + kPicture);
  Press(platform::kVkA, ui::kCtrl);
  EXPECT_EQ(backend_->PrimarySelectionText(), "Hello " + kPicture);  // selecting sets it
  Press(kKeyC, ui::kCtrl);
  EXPECT_EQ(backend_->ClipboardText(), "Hello " + kPicture);
  // Shift+arrows select too, and so set it.
  Press(kVkEnd);
  Press(kVkLeft, ui::kShift);
  EXPECT_EQ(backend_->PrimarySelectionText(), "\xE7\x89\x87");
  Press(kKeyX, ui::kCtrl);
  EXPECT_EQ(edit_->Text(), "Hello \xE5\x9B\xBE");
  EXPECT_EQ(backend_->ClipboardText(), "\xE7\x89\x87");
  Press(kVkHome);
  Press(kKeyV, ui::kCtrl);
  EXPECT_EQ(edit_->Text(), "\xE7\x89\x87Hello \xE5\x9B\xBE");
  // A middle click pastes the primary selection where it points, in another field too.
  backend_->SetPrimarySelectionText("P");
  other_->SetText("ab");
  gfx::Rect c = other_->CaretRect();
  gfx::Point mid = other_->ClientToScreen({other_->XOfPos(1), (c.top + c.bottom) / 2});
  backend_->Click(mid, platform::MouseButton::kMiddle);
  Pump();
  EXPECT_EQ(other_->Text(), "aPb");
}

TEST_F(EditTest, MousePlacesTheCaretDragsAndDoubleClicksSelect) {
  edit_->SetText("one two");
  backend_->Click(At(5));
  Pump();
  EXPECT_EQ(edit_->CaretPos(), 5u);
  EXPECT_EQ(edit_->SelLength(), 0u);
  backend_->InjectMouseDown(At(1));
  backend_->InjectMouseMove(At(6));
  backend_->InjectMouseUp(At(6));
  Pump();
  EXPECT_EQ(edit_->SelText(), "ne tw");
  EXPECT_EQ(backend_->PrimarySelectionText(), "ne tw");
  backend_->AdvanceClock(1000);
  backend_->Click(At(5));
  backend_->Click(At(5));
  Pump();
  EXPECT_EQ(edit_->SelText(), "two");
}

TEST_F(EditTest, ReadOnlyIgnoresChangesButSelectsAndCopies) {
  edit_->SetText("keep");
  edit_->SetReadOnly(true);
  changes_ = 0;
  backend_->SetClipboardText("x");
  Type("z");
  Press(kVkBack);
  Press(kVkDelete);
  Press(kKeyV, ui::kCtrl);
  Press(platform::kVkA, ui::kCtrl);
  Press(kKeyX, ui::kCtrl);
  EXPECT_EQ(edit_->Text(), "keep");
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(edit_->SelLength(), 4u);
  Press(kKeyC, ui::kCtrl);
  EXPECT_EQ(backend_->ClipboardText(), "keep");
}

TEST_F(EditTest, CompositionIsShownAtTheCaretAndCommitted) {
  Type("ab");
  Press(kVkLeft);
  const gfx::Rect before = backend_->TextInputCaret();
  EXPECT_EQ(backend_->TextInputSurface(), form_->Surface()->Id());
  backend_->InjectTextEditing("ni", 2);
  Pump();
  EXPECT_EQ(edit_->CompositionText(), "ni");
  EXPECT_EQ(edit_->Text(), "ab");  // not committed yet
  // The candidate window follows the caret, which stands after the composition.
  EXPECT_GT(backend_->TextInputCaret().left, before.left);
  EXPECT_EQ(backend_->TextInputCaret().top, before.top);
  backend_->InjectText("\xE4\xBD\xA0");
  backend_->InjectTextEditing("", 0);
  Pump();
  EXPECT_EQ(edit_->CompositionText(), "");
  EXPECT_EQ(edit_->Text(), "a\xE4\xBD\xA0" "b");
  EXPECT_EQ(edit_->CaretPos(), 4u);
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretInView) {
  edit_->SetText(std::string(200, 'w'));
  Press(kVkEnd);
  EXPECT_GT(edit_->ScrollX(), 0);
  gfx::Rect area = edit_->TextArea();
  gfx::Rect caret = edit_->CaretRect();
  EXPECT_GE(caret.left, area.left);
  EXPECT_LT(caret.left, area.right);
  Press(kVkHome);
  EXPECT_EQ(edit_->ScrollX(), 0);
}

TEST_F(EditTest, MaxLengthAndEnterAndTheCaretBlink) {
  edit_->SetMaxLength(3);
  Type("abcdef");
  EXPECT_EQ(edit_->Text(), "abc");
  char32_t heard = 0;
  edit_->OnKeyPress = [&](ui::Control*, char32_t& ch) { heard = ch; };
  Press(platform::kVkReturn);
  EXPECT_EQ(heard, 13u);
  EXPECT_EQ(edit_->Text(), "abc");
  EXPECT_TRUE(edit_->CaretShown());
  Advance(ui::Edit::kCaretBlinkMs);
  EXPECT_FALSE(edit_->CaretShown());
  Advance(ui::Edit::kCaretBlinkMs);
  EXPECT_TRUE(edit_->CaretShown());
  other_->SetFocus();
  Pump();
  EXPECT_FALSE(edit_->CaretShown());
}

TEST_F(EditTest, ContextMenuItemsFollowTheState) {
  edit_->SetText("text");
  ui::MenuItem root;
  auto enabled = [&] {
    std::string s;
    for (size_t i = 0; i < root.Count(); ++i) {
      if (!root.Item(i)->IsSeparator()) s += root.Item(i)->Enabled() ? '1' : '0';
    }
    return s;
  };
  backend_->SetClipboardText("");
  edit_->SetSel(0, 0);
  edit_->FillContextMenu(root);
  EXPECT_EQ(enabled(), "000001");  // undo, cut, copy, paste, delete, select all
  root.Clear();
  backend_->SetClipboardText("c");
  edit_->SetSel(0, 2);
  edit_->FillContextMenu(root);
  EXPECT_EQ(enabled(), "011111");
  root.Clear();
  edit_->SetReadOnly(true);
  edit_->SelectAll();
  edit_->FillContextMenu(root);
  EXPECT_EQ(enabled(), "001000");
  // The items run the commands.
  edit_->SetReadOnly(false);
  root.Clear();
  edit_->FillContextMenu(root);
  root.Item(5)->Click();  // delete
  EXPECT_EQ(edit_->Text(), "");
}

TEST_F(EditTest, PaintsTextSelectionAndAlignment) {
  edit_->SetText("IIII");
  other_->SetFocus();
  Pump();
  auto dark_columns = [&] {
    std::vector<int> xs;
    for (int x = 12; x < 129; ++x) {
      for (int y = 12; y < 29; ++y) {
        gfx::Color p = backend_->ScreenPixel({x, y});
        if (gfx::Red(p) + gfx::Green(p) + gfx::Blue(p) < 300) {
          xs.push_back(x);
          break;
        }
      }
    }
    return xs;
  };
  std::vector<int> left = dark_columns();
  ASSERT_FALSE(left.empty());
  EXPECT_LT(left.front(), 20);
  edit_->SetAlignment(ui::TextAlignment::kRight);
  Pump();
  std::vector<int> right = dark_columns();
  ASSERT_FALSE(right.empty());
  EXPECT_GT(right.front(), 100);
  // A focused selection is highlighted; transparent text lets the form's colour through.
  edit_->SetFocus();
  edit_->SelectAll();
  Pump();
  // Above the letters, inside the line.
  EXPECT_EQ(backend_->ScreenPixel({edit_->XOfPos(0) + 10 + 1, edit_->CaretRect().top + 10}), ui::kColorHighlight);
  edit_->SetSel(0, 0);
  edit_->SetTransparentText(true);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({40, 20}), gfx::Rgb(0, 128, 0));
}

}  // namespace
