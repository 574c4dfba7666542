// Line layout with a fixed-width measure: prefixes, line breaks, wrapping, tabs and ellipsis.
#include "gfx/TextLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/TextUtf8.h"

namespace gfx {
namespace {

// Latin characters 10 wide, CJK characters 20, the dot 3.
int32_t FakeAdvance(char32_t c) {
  if (c == U'.') return 3;
  return IsCjkBreakable(c) ? 20 : 10;
}

std::vector<std::string> Lines(std::string_view text, DrawTextFlags flags, int32_t width, int32_t tab = 80) {
  std::vector<std::string> out;
  for (const TextLine& line : LayoutText(DecodeUtf8(text), flags, width, tab, FakeAdvance))
    out.push_back(EncodeUtf8(line.text));
  return out;
}

using V = std::vector<std::string>;

TEST(TextLayoutTest, LineBreaksAndWrapping) {
  struct Case {
    std::string text;
    DrawTextFlags flags;
    int32_t width;
    V expected;
  };
  const std::vector<Case> cases = {
      {"", 0, 100, {""}},
      {"one\ntwo\r\nthree\rfour", 0, 10, {"one", "two", "three", "four"}},
      {"a\n", 0, 100, {"a", ""}},
      {"a\nb", kDtSingleLine, 100, {"ab"}},
      {"aaa bbb ccc", kDtWordBreak, 75, {"aaa bbb", "ccc"}},
      {"aaa bbb ccc", kDtWordBreak, 70, {"aaa bbb", "ccc"}},
      {"aaa bbb ccc", kDtWordBreak, 69, {"aaa", "bbb", "ccc"}},
      {"aaa   bbb", kDtWordBreak, 40, {"aaa", "bbb"}},                // spaces at a break vanish
      {"abcdefgh ij", kDtWordBreak, 30, {"abcdefgh", "ij"}},           // a long word stays whole
      {"aaa bbb", kDtWordBreak | kDtSingleLine, 30, {"aaa bbb"}},      // single line never wraps
      {"图片压缩免费", kDtWordBreak, 60, {"图片压", "缩免费"}},          // CJK breaks anywhere
      {"图片，压缩", kDtWordBreak, 40, {"图", "片，", "压缩"}},          // but not before a comma
      {"abc图片", kDtWordBreak, 45, {"abc", "图片"}},
      {"x\naaa bbb", kDtWordBreak, 40, {"x", "aaa", "bbb"}},
  };
  for (const Case& k : cases) EXPECT_EQ(Lines(k.text, k.flags, k.width), k.expected) << k.text << " / " << k.width;
}

TEST(TextLayoutTest, PrefixMarksUnderlineAndDoubleAmpersandIsLiteral) {
  auto lines = LayoutText(U"&File && &x&", 0, 1000, 80, FakeAdvance);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text, U"File & x");
  EXPECT_EQ(lines[0].underlined, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(lines[0].Width(), 80);
  lines = LayoutText(U"&File", kDtNoPrefix, 1000, 80, FakeAdvance);
  EXPECT_EQ(lines[0].text, U"&File");
  EXPECT_EQ(lines[0].underlined, (std::vector<uint8_t>(5, 0)));
}

TEST(TextLayoutTest, TabsExpandToStopsOnlyWhenAsked) {
  auto lines = LayoutText(U"a\tb\tc", kDtExpandTabs, 1000, 40, FakeAdvance);
  EXPECT_EQ(lines[0].x, (std::vector<int32_t>{0, 10, 40, 50, 80, 90}));
  lines = LayoutText(U"a\tb", 0, 1000, 40, FakeAdvance);
  EXPECT_EQ(lines[0].Width(), 20);
}

TEST(TextLayoutTest, EndEllipsisFitsOrLeavesOnlyDots) {
  struct Case {
    std::string text;
    int32_t width;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"abcdef", 60, "abcdef"},     // fits: unchanged
      {"abcdef", 58, "abcd..."},    // 40 + 9 <= 58 < 50 + 9
      {"abcdef", 48, "abc..."},
      {"图片压缩", 50, "图片..."},
      {"abcdef", 5, "..."},         // not even the dots fit
      {"&abcdef", 38, "ab..."},
  };
  for (const Case& k : cases) {
    auto lines = LayoutText(DecodeUtf8(k.text), kDtSingleLine | kDtEndEllipsis, k.width, 80, FakeAdvance);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(EncodeUtf8(lines[0].text), k.expected) << k.text << " / " << k.width;
    if (k.width >= 9) {
      EXPECT_LE(lines[0].Width(), k.width);
    }
  }
  auto lines = LayoutText(U"&abcdef", kDtSingleLine | kDtEndEllipsis, 38, 80, FakeAdvance);
  EXPECT_EQ(lines[0].underlined, (std::vector<uint8_t>{1, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace gfx
