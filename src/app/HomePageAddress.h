// The address the help page's home-page link shows and opens.
#pragma once

#include <string>

namespace app {

// The configured home page, else the shipped home page written to the user's cache folder. When
// that folder cannot be written (no home folder, a read-only or full disk, a file in its place),
// the shipped page goes to a new private folder under the temporary folder instead, so the link
// still opens the program's own page. Empty only when no page can be written anywhere.
std::string HomePageAddress();

}  // namespace app
