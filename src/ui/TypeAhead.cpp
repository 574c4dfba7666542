// TypeAhead: the search text of a list and the case-insensitive prefix search.
#include "ui/TypeAhead.h"

#include "gfx/TextUtf8.h"
#include "platform/Backend.h"

namespace ui {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

const std::string& TypeAhead::Add(char32_t ch) {
  const uint64_t now = platform::GetBackend().NowMs();
  if (text_.empty() || now - last_ms_ >= kPauseMs) text_.clear();
  last_ms_ = now;
  text_ += gfx::EncodeUtf8(std::u32string(1, ch));
  return text_;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
  }
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithNoCase(a, b); }

int32_t FindPrefix(const std::vector<std::string>& items, std::string_view prefix, int32_t start) {
  const auto count = static_cast<int32_t>(items.size());
  if (prefix.empty() || count == 0) return -1;
  if (start < 0 || start >= count) start = 0;
  for (int32_t n = 0; n < count; ++n) {
    const int32_t i = (start + n) % count;
    if (StartsWithNoCase(items[static_cast<size_t>(i)], prefix)) return i;
  }
  return -1;
}

int32_t TypeAheadStart(std::string_view text, int32_t current, int32_t count) {
  if (count <= 0) return 0;
  if (gfx::DecodeUtf8(text).size() == 1) return current + 1 >= count ? 0 : current + 1;
  return 0;
}

}  // namespace ui
