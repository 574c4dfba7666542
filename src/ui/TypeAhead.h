// TypeAhead: the text typed into a list to find an item by its beginning, and the prefix search.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Keys typed in quick succession make one search text; a key after a pause of kPauseMs or more
// starts a new one. The pause is measured on the backend's clock.
class TypeAhead {
 public:
  static constexpr uint64_t kPauseMs = 500;

  // Adds a typed character and returns the search text it belongs to.
  const std::string& Add(char32_t ch);
  void Reset() { text_.clear(); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  uint64_t last_ms_ = 0;
};

// Whether `text` begins with `prefix`, ASCII letters compared without case (other bytes exactly,
// so a UTF-8 prefix matches only whole characters).
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Whether `a` and `b` are equal with ASCII letters compared without case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The first item beginning with `prefix`, searched from `start` on and wrapping round to the
// items before it; -1 when none does or the prefix is empty.
int32_t FindPrefix(const std::vector<std::string>& items, std::string_view prefix, int32_t start);

// Where a list's search for `text` starts: a single character from the item after `current`, so
// one letter pressed again steps through the items that begin with it; a longer text from the first
// item.
int32_t TypeAheadStart(std::string_view text, int32_t current, int32_t count);

}  // namespace ui
