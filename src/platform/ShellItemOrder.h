// The order of shell items: folders first, then names as people count them.
#pragma once

#include <string_view>

namespace platform {

// Compares two names case-insensitively (ASCII letters), taking runs of digits by value, so "2"
// comes before "10" and "a01" beside "a1". Names equal in that sense fall back to a plain byte
// comparison, which keeps the order total. Negative, 0 or positive.
int CompareShellNames(std::string_view a, std::string_view b);

// Folders before non-folders, then CompareShellNames.
int CompareShellItems(bool a_folder, std::string_view a_name, bool b_folder, std::string_view b_name);

}  // namespace platform
