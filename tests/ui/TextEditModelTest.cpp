// The edit model: caret moves and deletion on UTF-8 text, words, the length limit and undo.
#include "ui/TextEditModel.h"

#include <gtest/gtest.h>

namespace {

using ui::TextEditModel;

// "e" + combining acute, two Chinese characters and a four-byte character.
const std::string kMixed = "ae\xCC\x81\xE5\x9B\xBE\xE7\x89\x87\xF0\x9F\x98\x80z";

enum class Op { kRight, kLeft, kBackspace, kDelete };

struct CaretCase {
  const char* name;
  std::string text;
  size_t caret;  // where the caret starts
  Op op;
  size_t caret_after;
  std::string text_after;
};

class CaretMoves : public ::testing::TestWithParam<CaretCase> {};

TEST_P(CaretMoves, NeverSplitACharacterOrAMarkFromItsBase) {
  const CaretCase& c = GetParam();
  TextEditModel m;
  m.SetText(c.text);
  m.MoveCaret(c.caret, false);
  switch (c.op) {
    case Op::kRight: m.MoveCaret(m.NextBoundary(m.Caret()), false); break;
    case Op::kLeft: m.MoveCaret(m.PrevBoundary(m.Caret()), false); break;
    case Op::kBackspace: m.DeleteBackward(); break;
    case Op::kDelete: m.DeleteForward(); break;
  }
  EXPECT_EQ(m.Caret(), c.caret_after);
  EXPECT_EQ(m.Text(), c.text_after);
  EXPECT_EQ(m.Length(), ui::CountCodePoints(m.Text()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaretMoves,
    ::testing::Values(
        CaretCase{"right_over_ascii", kMixed, 0, Op::kRight, 1, kMixed},
        CaretCase{"right_over_base_and_mark", kMixed, 1, Op::kRight, 4, kMixed},
        CaretCase{"left_over_base_and_mark", kMixed, 4, Op::kLeft, 1, kMixed},
        CaretCase{"right_over_chinese", kMixed, 4, Op::kRight, 7, kMixed},
        CaretCase{"right_over_four_bytes", kMixed, 10, Op::kRight, 14, kMixed},
        CaretCase{"caret_inside_a_character_snaps_back", kMixed, 5, Op::kRight, 7, kMixed},
        CaretCase{"caret_between_base_and_mark_snaps_back", kMixed, 2, Op::kRight, 4, kMixed},
        CaretCase{"backspace_takes_base_and_mark", kMixed, 4, Op::kBackspace, 1,
                  "a\xE5\x9B\xBE\xE7\x89\x87\xF0\x9F\x98\x80z"},
        CaretCase{"backspace_takes_a_chinese_character", kMixed, 10, Op::kBackspace, 7,
                  "ae\xCC\x81\xE5\x9B\xBE\xF0\x9F\x98\x80z"},
        CaretCase{"delete_takes_four_bytes", kMixed, 10, Op::kDelete, 10, "ae\xCC\x81\xE5\x9B\xBE\xE7\x89\x87z"},
        CaretCase{"delete_at_the_end_does_nothing", "ab", 2, Op::kDelete, 2, "ab"},
        CaretCase{"backspace_at_the_start_does_nothing", "ab", 0, Op::kBackspace, 0, "ab"},
        CaretCase{"invalid_bytes_are_replacement_characters", "a\xFF\xC3", 1, Op::kDelete, 1,
                  "a\xEF\xBF\xBD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextEditModelTest, WordsForCtrlArrowsAndDoubleClicks) {
  TextEditModel m;
  m.SetText("hello, wide \xE5\x9B\xBE\xE7\x89\x87\xE5\x8E\x8B world");
  // hello|, |wide |图片压| world
  EXPECT_EQ(m.NextWordStart(0), 5u);
  EXPECT_EQ(m.NextWordStart(5), 7u);
  EXPECT_EQ(m.NextWordStart(7), 12u);
  EXPECT_EQ(m.NextWordStart(12), 22u);
  EXPECT_EQ(m.PrevWordStart(22), 12u);
  EXPECT_EQ(m.PrevWordStart(12), 7u);
  EXPECT_EQ(m.PrevWordStart(3), 0u);
  EXPECT_EQ(m.WordAt(15), (std::pair<size_t, size_t>{12, 21}));
  EXPECT_EQ(m.WordAt(2), (std::pair<size_t, size_t>{0, 5}));
  EXPECT_EQ(m.WordAt(m.Text().size()), (std::pair<size_t, size_t>{22, 27}));
}

TEST(TextEditModelTest, MaxLengthCountsCharactersAndKeepsClustersWhole) {
  TextEditModel m;
  m.SetMaxLength(2);
  // Room for two code points would cut between "e" and its mark: the cut goes before the "e".
  EXPECT_TRUE(m.ReplaceSelection("\xE5\x9B\xBE" "e\xCC\x81xyz"));
  EXPECT_EQ(m.Text(), "\xE5\x9B\xBE");
  EXPECT_TRUE(m.ReplaceSelection("ab"));
  EXPECT_EQ(m.Text(), "\xE5\x9B\xBE" "a");
  EXPECT_FALSE(m.ReplaceSelection("c"));
  // Replacing a selection frees its room first.
  m.Select(0, 3);
  EXPECT_TRUE(m.ReplaceSelection("xy"));
  EXPECT_EQ(m.Text(), "xa");
}

TEST(TextEditModelTest, UndoTakesBackTypingAsOneStepAndRestoresTheSelection) {
  TextEditModel m;
  m.SetText("one two");
  m.Select(4, 7);
  m.ReplaceSelection("2", true);
  m.ReplaceSelection("2", true);
  EXPECT_EQ(m.Text(), "one 22");
  m.MoveCaret(0, false);
  m.ReplaceSelection("x", true);  // typing elsewhere is a new step
  EXPECT_TRUE(m.Undo());
  EXPECT_EQ(m.Text(), "one 22");
  EXPECT_TRUE(m.Undo());
  EXPECT_EQ(m.Text(), "one two");
  EXPECT_EQ(m.SelectedText(), "two");
  EXPECT_FALSE(m.Undo());
}

}  // namespace
