// Mask tests and filter strings.
#include "skin/dialogs/FileFilters.h"

#include <utility>

namespace skin {

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Whether `needle` occurs in `haystack`, ASCII letters compared without case.
bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
  if (needle.size() > haystack.size()) return false;
  for (size_t start = 0; start + needle.size() <= haystack.size(); ++start) {
    size_t i = 0;
    while (i < needle.size() && Upper(haystack[start + i]) == Upper(needle[i])) ++i;
    if (i == needle.size()) return true;
  }
  return false;
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask.find(".*") != std::string_view::npos) return true;
  const size_t dot = name.rfind('.');
  // "notes." has nothing after its dot: a lone "." would occur in every mask.
  if (dot == std::string_view::npos || dot + 1 == name.size()) return false;
  return ContainsNoCase(mask, name.substr(dot));
}

std::vector<FilterEntry> ParseFilter(std::string_view filter) {
  std::vector<FilterEntry> entries;
  std::string_view rest = filter;
  for (size_t bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
    FilterEntry entry{std::string(rest.substr(0, bar)), {}};
    rest.remove_prefix(bar + 1);
    const size_t next = rest.find('|');
    entry.mask = std::string(rest.substr(0, next));
    rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace skin
