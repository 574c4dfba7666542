// The desktop's services for controls above the toolkit: its handler for addresses and files, its beep.
#pragma once

#include <string>

namespace ui {

// Opens `url` with the desktop's handler as one argument, never through a shell. Returns false when
// there is no backend or the backend refuses the address (empty, a leading '-', control characters).
bool OpenUrl(const std::string& url);

// The desktop's simple beep, for refused input (nothing without a backend).
void Beep();

}  // namespace ui
