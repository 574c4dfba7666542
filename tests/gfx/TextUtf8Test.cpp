// UTF-8 decoding of valid and damaged input, and encoding back.
#include "gfx/TextUtf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gfx {
namespace {

TEST(TextUtf8Test, DecodesValidAndReplacesDamagedSequences) {
  struct Case {
    std::string bytes;
    std::u32string expected;
  };
  const std::vector<Case> cases = {
      {"aB", U"aB"},
      {"\xC3\xA9", U"\u00E9"},
      {"图片", U"图片"},
      {"\xF0\x9F\x98\x80", U"\U0001F600"},
      {"\xE5\x9B", U"\uFFFD\uFFFD"},            // truncated at the end
      {"\xE5" "a", U"\uFFFDa"},                 // continuation missing
      {"\x80", U"\uFFFD"},                      // stray continuation byte
      {"\xC0\xAF", U"\uFFFD\uFFFD"},            // overlong slash
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\xFF", U"\uFFFD"},
  };
  for (const Case& k : cases) EXPECT_EQ(DecodeUtf8(k.bytes), k.expected) << k.bytes;
}

TEST(TextUtf8Test, EncodesScalarValuesAndReplacesOthers) {
  const std::u32string text = U"a\u00E9图\U0001F600";
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
  EXPECT_EQ(EncodeUtf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
  EXPECT_EQ(EncodeUtf8(std::u32string(1, char32_t{0x110000})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace gfx
