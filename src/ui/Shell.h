// Hands a web address or a file to the desktop's own handler, for controls above the toolkit.
#pragma once

#include <string>

namespace ui {

// Opens `url` with the desktop's handler as one argument, never through a shell. Returns false when
// there is no backend or the backend refuses the address (empty, a leading '-', control characters).
bool OpenUrl(const std::string& url);

}  // namespace ui
