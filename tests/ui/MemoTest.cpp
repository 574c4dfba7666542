// The plain memo: wrapping, lines and scrolling, keys across lines, read-only use and its menu.
#include "ui/Memo.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/Form.h"
#include "ui/KeyCodes.h"
#include "ui/MenuItem.h"
#include "ui/ScrollBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class MemoTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 400, 300);
    memo_ = form_->MakeChild<ui::Memo>(form_);
    memo_->SetBounds(10, 10, 200, 120);
    form_->Show();
    Pump();
    memo_->SetFocus();
    Pump();
  }
  void Press(uint16_t key, ui::ShiftState mods = ui::kShiftNone) {
    if (ui::Has(mods, ui::kCtrl)) backend_->InjectKeyDown(platform::kVkControl);
    if (ui::Has(mods, ui::kShift)) backend_->InjectKeyDown(platform::kVkShift);
    backend_->PressKey(key);
    if (ui::Has(mods, ui::kShift)) backend_->InjectKeyUp(platform::kVkShift);
    if (ui::Has(mods, ui::kCtrl)) backend_->InjectKeyUp(platform::kVkControl);
    Pump();
  }
  std::string Numbered(int n) {
    std::string t;
    for (int i = 0; i < n; ++i) {
      if (i > 0) t += '\n';
      t += "line ";
      t += std::to_string(i);
    }
    return t;
  }
  ui::Form* form_ = nullptr;
  ui::Memo* memo_ = nullptr;
};

TEST_F(MemoTest, WrapsChineseBetweenAnyTwoCharactersAndWordsAfterSpaces) {
  std::string chinese;
  for (int i = 0; i < 40; ++i) chinese += "\xE5\x9B\xBE";  // 40 of the same character, no spaces
  memo_->SetText(chinese + "\nalpha beta gamma delta epsilon zeta eta theta iota kappa");
  ASSERT_GT(memo_->LineCount(), 4u);
  const int width = memo_->TextArea().Width();
  std::string joined;
  size_t chinese_lines = 0;
  for (size_t i = 0; i < memo_->LineCount(); ++i) {
    const size_t a = memo_->LineStart(i), b = memo_->LineEnd(i);
    const std::string line = memo_->Text().substr(a, b - a);
    EXPECT_LE(memo_->GetFont().TextWidth(line), width) << line;
    if (a < chinese.size()) {
      ++chinese_lines;
      EXPECT_EQ(line.size() % 3, 0u);  // never a character split
    } else {
      // Latin lines end at a space or at the paragraph's end: no word is cut.
      EXPECT_TRUE(b == memo_->Text().size() || memo_->Text()[b] == ' ' || memo_->Text()[b - 1] == ' ') << line;
    }
    joined += line;
  }
  EXPECT_GT(chinese_lines, 1u);
  memo_->SetWordWrap(false);
  EXPECT_EQ(memo_->LineCount(), 2u);
}

TEST_F(MemoTest, EditsLayOutOnlyWhatTheyTouchYetMatchAFreshLayout) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "word \xE5\x9B\xBE\xE7\x89\x87 " + std::to_string(i) + (i % 3 ? " " : "\n");
  memo_->SetText(text);
  auto* fresh = form_->MakeChild<ui::Memo>(form_);
  fresh->SetBounds(10, 150, 200, 120);
  auto same_lines = [&] {
    fresh->SetText(memo_->Text());
    if (fresh->LineCount() != memo_->LineCount()) return false;
    for (size_t i = 0; i < fresh->LineCount(); ++i) {
      if (fresh->LineStart(i) != memo_->LineStart(i) || fresh->LineEnd(i) != memo_->LineEnd(i)) return false;
    }
    return true;
  };
  memo_->SetSel(40, 40);
  backend_->InjectText("inserted words that wrap \xE5\x8E\x8B\xE7\xBC\xA9");
  Pump();
  EXPECT_TRUE(same_lines());
  Press(platform::kVkReturn);
  EXPECT_TRUE(same_lines());
  Press(platform::kVkBack);
  Press(platform::kVkBack);
  EXPECT_TRUE(same_lines());
  memo_->SetSel(10, 120);  // across paragraphs
  Press(platform::kVkDelete);
  EXPECT_TRUE(same_lines());
  backend_->SetClipboardText("a\nb\n\nc");
  Press(platform::kVkA + 21, ui::kCtrl);
  EXPECT_TRUE(same_lines());
  Press(platform::kVkA + 25, ui::kCtrl);
  Press(platform::kVkA + 25, ui::kCtrl);
  EXPECT_TRUE(same_lines());
  memo_->SetSel(memo_->Text().size(), memo_->Text().size());
  backend_->InjectText("end");
  Pump();
  EXPECT_TRUE(same_lines());
}

TEST_F(MemoTest, WheelBarAndScrollCodesMoveTheFirstVisibleLine) {
  memo_->SetText(Numbered(100));
  EXPECT_EQ(memo_->LineCount(), 100u);
  const size_t page = memo_->VisibleLineCount();
  ui::ScrollInfo info = memo_->VScrollInfo();
  EXPECT_EQ(info.max, 99);
  EXPECT_EQ(info.page, static_cast<int32_t>(page));
  backend_->InjectWheel(memo_->ClientToScreen({50, 50}), -3 * 120);
  Pump();
  EXPECT_EQ(memo_->FirstVisibleLine(), 3u);
  EXPECT_EQ(memo_->BuiltInScrollBar()->Info().position, 3);
  memo_->Send(ui::kMsgVScroll, ui::kSbThumbPosition | (50 << 16));
  EXPECT_EQ(memo_->FirstVisibleLine(), 50u);
  memo_->VScroll(ui::kSbBottom);
  EXPECT_EQ(memo_->FirstVisibleLine(), 100u - page);
  // The bar's up arrow scrolls the memo.
  ui::ScrollBar* bar = memo_->BuiltInScrollBar();
  backend_->Click(bar->ClientToScreen({5, 5}));
  Pump();
  EXPECT_EQ(memo_->FirstVisibleLine(), 99u - page);
  // The press on the bar leaves the focus with the memo; moving the caret below the page scrolls
  // it into view.
  EXPECT_TRUE(memo_->Focused());
  memo_->SetSel(0, 0);
  EXPECT_EQ(memo_->FirstVisibleLine(), 0u);
  for (size_t i = 0; i < page + 2; ++i) Press(platform::kVkDown);
  EXPECT_EQ(memo_->LineOfPos(memo_->CaretPos()), page + 2);
  EXPECT_EQ(memo_->FirstVisibleLine(), 3u);
}

TEST_F(MemoTest, KeysAcrossLines) {
  memo_->SetText("abcdef\nxy\nabcdefgh");
  memo_->SetSel(4, 4);
  Press(platform::kVkDown);  // the short line's end
  EXPECT_EQ(memo_->CaretPos(), 9u);
  Press(platform::kVkDown);  // back to the remembered column
  EXPECT_EQ(memo_->CaretPos(), 14u);
  Press(platform::kVkHome);
  EXPECT_EQ(memo_->CaretPos(), 10u);
  Press(platform::kVkEnd, ui::kCtrl | ui::kShift);
  EXPECT_EQ(memo_->SelText(), "abcdefgh");
  EXPECT_EQ(backend_->PrimarySelectionText(), "abcdefgh");
  Press(platform::kVkReturn);
  EXPECT_EQ(memo_->Text(), "abcdef\nxy\n\n");
  Press(platform::kVkBack);
  Press(platform::kVkBack);
  EXPECT_EQ(memo_->Text(), "abcdef\nxy");
  // Pasted line breaks of any kind become one kind; bad bytes become replacement characters.
  backend_->SetClipboardText("1\r\n2\r3\xFF");
  Press(platform::kVkA + 21, ui::kCtrl);
  EXPECT_EQ(memo_->Text(), "abcdef\nxy1\n2\n3\xEF\xBF\xBD");
}

TEST_F(MemoTest, ReadOnlyMemoScrollsAndSelectsButKeepsItsText) {
  memo_->SetText(Numbered(50));
  memo_->SetReadOnly(true);
  backend_->InjectText("z");
  Pump();
  Press(platform::kVkDelete);
  Press(platform::kVkReturn);
  EXPECT_EQ(memo_->Text(), Numbered(50));
  backend_->InjectWheel(memo_->ClientToScreen({50, 50}), -120);
  Pump();
  EXPECT_EQ(memo_->FirstVisibleLine(), 1u);
  Press(platform::kVkEnd, ui::kShift);
  EXPECT_GT(memo_->SelLength(), 0u);
  // Its menu offers copy and select all, nothing that would change the text.
  backend_->SetClipboardText("x");
  ui::MenuItem root;
  memo_->FillContextMenu(root);
  std::string enabled;
  for (size_t i = 0; i < root.Count(); ++i) {
    if (!root.Item(i)->IsSeparator()) enabled += root.Item(i)->Enabled() ? '1' : '0';
  }
  EXPECT_EQ(enabled, "001001");
}

TEST_F(MemoTest, CompositionIsShownOnItsLineAndCommitted) {
  memo_->SetText("ab\ncd");
  memo_->SetSel(4, 4);
  const gfx::Rect before = backend_->TextInputCaret();
  backend_->InjectTextEditing("zhong", 5);
  Pump();
  EXPECT_EQ(memo_->CompositionText(), "zhong");
  EXPECT_GT(backend_->TextInputCaret().left, before.left);
  EXPECT_EQ(backend_->TextInputCaret().top, before.top);
  backend_->InjectText("\xE4\xB8\xAD");
  backend_->InjectTextEditing("", 0);
  Pump();
  EXPECT_EQ(memo_->Text(), "ab\nc\xE4\xB8\xAD" "d");
  EXPECT_EQ(memo_->CompositionText(), "");
}

}  // namespace
