// MessageText: breaking a message into lines no wider than the room a message box has.
#include "skin/frame/MessageText.h"

#include <string_view>

#include "gfx/Font.h"
#include "gfx/TextUtf8.h"

namespace skin {

namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

// Ideographs, kana, hangul and full-width forms: a line may break before or after any of them.
bool IsWide(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

// Punctuation that closes what comes before it and so never starts a line.
bool IsClosing(char32_t c) {
  static constexpr std::u32string_view kClosing = U",.;:!?)]}，。、；：！？）】」』》〉”’";
  return kClosing.find(c) != std::u32string_view::npos;
}

// Whether a line may end between line[i - 1] and line[i] (0 < i).
bool CanBreakBefore(const std::u32string& s, size_t i) {
  const char32_t prev = s[i - 1];
  const char32_t cur = s[i];
  if (IsBlank(cur) || IsClosing(cur)) return false;
  if (IsBlank(prev)) return true;
  if (prev == U'\\' || prev == U'/') return true;
  return IsWide(prev) || IsWide(cur);
}

void WrapParagraph(const gfx::Font& font, const std::u32string& s, int32_t max_width, std::u32string& out) {
  size_t start = 0;
  while (start < s.size()) {
    int32_t width = 0;
    size_t last_break = start;  // start: none found on this line
    size_t i = start;
    for (; i < s.size(); ++i) {
      if (i > start && CanBreakBefore(s, i)) last_break = i;
      const int32_t w = font.CharWidth(s[i]);
      // Blanks may hang past the edge; they are dropped at the break.
      if (i > start && !IsBlank(s[i]) && width + w > max_width) break;
      width += w;
    }
    if (i >= s.size()) {
      out.append(s, start, s.size() - start);
      return;
    }
    const size_t end = last_break > start ? last_break : i;
    size_t line_end = end;
    while (line_end > start && IsBlank(s[line_end - 1])) --line_end;
    out.append(s, start, line_end - start);
    out.push_back(U'\n');
    start = end;
    while (start < s.size() && IsBlank(s[start])) ++start;
  }
}

}  // namespace

std::string WrapMessageText(const gfx::Font& font, std::string_view text, int32_t max_width) {
  const std::u32string s = gfx::DecodeUtf8(text);
  std::u32string out;
  size_t begin = 0;
  while (begin <= s.size()) {
    size_t end = s.find_first_of(U"\r\n", begin);
    if (end == std::u32string::npos) end = s.size();
    WrapParagraph(font, s.substr(begin, end - begin), max_width, out);
    if (end >= s.size()) break;
    // "\r\n" is one break.
    size_t next = end + 1;
    if (s[end] == U'\r' && next < s.size() && s[next] == U'\n') ++next;
    out.push_back(U'\n');
    begin = next;
  }
  return gfx::EncodeUtf8(out);
}

}  // namespace skin
