// File-type filters: the masks that decide which files a folder list shows, and filter strings of
// description and mask pairs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// Whether a file of this name passes `mask` ("*.jpg;*.jpeg;*.bmp;"). Any mask holding ".*" passes
// everything; otherwise the name's extension (from its last dot, dot included) must occur in the
// mask, letters compared without case. A name without an extension, or ending in its dot, passes
// only through ".*". Folders are not asked: they always show.
bool MatchesMask(std::string_view name, std::string_view mask);

// One entry of a filter drop-down.
struct FilterEntry {
  std::string description;
  std::string mask;
};

// Splits "desc|mask|desc|mask" into entries; a description with no "|" after it has no mask and is
// dropped.
std::vector<FilterEntry> ParseFilter(std::string_view filter);

}  // namespace skin
