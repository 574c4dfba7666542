// The default style sheet every page starts from.
#pragma once

#include <string_view>

namespace web {

// How the elements of HTML look before a page's own styles: which are blocks, list items, table
// parts or hidden, and the usual margins, fonts and link colours.
std::string_view MasterStyleSheet();

}  // namespace web
