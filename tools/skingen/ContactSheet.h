// A review picture of a skin: the frame and every control record drawn at a few sizes and states.
#pragma once

#include <string>

namespace skingen {

// Loads the skin folder whose INI file is `ini_path` and writes the contact sheet as a 24-bit
// bitmap file.
void WriteContactSheet(const std::string& ini_path, const std::string& out_path);

}  // namespace skingen
