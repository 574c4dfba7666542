// The program's own skin: every picture drawn from code and the skin.ini that describes them.
#pragma once

#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace skingen {

struct NamedPicture {
  std::string file_name;
  gfx::Bitmap picture;  // at its stored depth
};

struct SkinFolder {
  std::vector<std::string> ini_lines;
  NamedPicture frame;
  NamedPicture mask;
  std::vector<NamedPicture> active;  // index = picture number
};

// Draws the whole skin.
SkinFolder BuildSkin();

// Writes skin.ini and the bitmap files into `folder` (which must exist).
void WriteSkinFolder(const SkinFolder& skin, const std::string& folder);

}  // namespace skingen
