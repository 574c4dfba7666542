// Message wrapping: at blanks, between Chinese characters, inside long paths and long words.
#include "skin/frame/MessageText.h"

#include <gtest/gtest.h>

#include <string>

#include "gfx/Font.h"
#include "gfx/TextUtf8.h"

namespace skin {
namespace {

int32_t Width(const gfx::Font& f, const std::string& s) { return f.TextWidth(s); }

TEST(MessageTextTest, BreaksWhereALineMayEnd) {
  const gfx::Font font("Arial", 14);
  const struct {
    const char* name;
    std::string text;
    std::string room;  // the widest line that fits
    std::string wrapped;
  } cases[] = {
      {"fits", "short text", "short text", "short text"},
      {"at the last blank", "one two three four", "one two", "one two\nthree\nfour"},
      {"blanks at a break are dropped", "one    two", "one ", "one\ntwo"},
      {"between Chinese characters", "图片压缩取点比例", "图片压", "图片压\n缩取点\n比例"},
      {"closing punctuation stays with its line", "图片，压缩", "图片", "图\n片，\n压缩"},
      {"after a path separator", "C:\\Users\\someone\\Pictures\\photo.jpg", "C:\\Users\\someone\\Pic",
       "C:\\Users\\someone\\\nPictures\\photo.jpg"},
      {"a word without a break place", "aaaaaaaaaa", "aaaa", "aaaa\naaaa\naa"},
      {"breaks in the text stay", "one\ntwo\r\nthree", "one two three", "one\ntwo\nthree"},
      {"mixed", "无法打开文件 D:\\图片\\输出\\a.jpg", "无法打开文件 D:\\图", "无法打开文件 D:\\图\n片\\输出\\a.jpg"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WrapMessageText(font, c.text, Width(font, c.room)), c.wrapped) << c.name;
  }
}

TEST(MessageTextTest, EveryLineFitsAndKeepsAtLeastOneCharacter) {
  const gfx::Font font("Arial", 14);
  const std::string text = "D:\\一个非常长的文件夹名字\\another_very_long_folder_name_without_blanks\\图片 2024.jpg 已经存在";
  for (int32_t room : {1, 20, 57, 120, 333}) {
    const std::string wrapped = WrapMessageText(font, text, room);
    size_t start = 0;
    std::string joined;
    while (start <= wrapped.size()) {
      size_t end = wrapped.find('\n', start);
      if (end == std::string::npos) end = wrapped.size();
      const std::string line = wrapped.substr(start, end - start);
      EXPECT_FALSE(line.empty()) << room;
      if (gfx::DecodeUtf8(line).size() > 1) {
        EXPECT_LE(Width(font, line), room) << room << ": " << line;
      }
      joined += line;
      start = end + 1;
    }
    std::string without_blanks;
    for (char ch : text) {
      if (ch != ' ') without_blanks += ch;
    }
    std::string joined_without_blanks;
    for (char ch : joined) {
      if (ch != ' ') joined_without_blanks += ch;
    }
    EXPECT_EQ(joined_without_blanks, without_blanks) << room;  // nothing lost but blanks at breaks
  }
}

}  // namespace
}  // namespace skin
