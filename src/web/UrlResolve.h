// Making a page's relative addresses absolute against the page's own address.
#pragma once

#include <string>
#include <string_view>

namespace web {

// The reference resolved against the base as the URI syntax defines it: "." and ".." segments
// removed, the base's query kept for an empty reference, the fragment taken from the reference.
// Spaces, tabs and line breaks around the reference are dropped, as pages often leave them.
std::string ResolveUrl(std::string_view base, std::string_view reference);

}  // namespace web
