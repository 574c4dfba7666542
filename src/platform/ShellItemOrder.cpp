// Natural, case-insensitive name order for shell items.
#include "platform/ShellItemOrder.h"

#include <cstddef>

namespace platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char Fold(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

// Compares the digit runs starting at a[i] and b[j] by value and moves both past their runs. Leading
// zeros do not count, so a longer run without them is the larger number whatever its length.
int CompareDigitRuns(std::string_view a, size_t& i, std::string_view b, size_t& j) {
  while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
  while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
  size_t ie = i, je = j;
  while (ie < a.size() && IsDigit(a[ie])) ++ie;
  while (je < b.size() && IsDigit(b[je])) ++je;
  const size_t alen = ie - i, blen = je - j;
  int result = alen < blen ? -1 : alen > blen ? 1 : 0;
  for (size_t k = 0; result == 0 && k < alen; ++k) result = a[i + k] < b[j + k] ? -1 : a[i + k] > b[j + k] ? 1 : 0;
  i = ie;
  j = je;
  return result;
}

}  // namespace

int CompareShellNames(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int runs = CompareDigitRuns(a, i, b, j); runs != 0) return runs;
      continue;
    }
    const unsigned char ca = Fold(a[i]), cb = Fold(b[j]);
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

int CompareShellItems(bool a_folder, std::string_view a_name, bool b_folder, std::string_view b_name) {
  if (a_folder != b_folder) return a_folder ? -1 : 1;
  return CompareShellNames(a_name, b_name);
}

}  // namespace platform
