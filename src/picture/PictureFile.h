// Reading a picture file by its name's ending, and saving the current picture as JPEG or bitmap.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace picture {

struct LoadedPicture {
  gfx::Bitmap bitmap;                 // 24-bit from a JPEG; a bitmap file keeps its stored depth
  std::vector<uint8_t> icc_profile;   // the JPEG source's colour profile, kept for saving
};

// Reads one picture file. The last three characters of the name, upper-cased, choose the reader:
// "BMP" the bitmap reader; "JPG" (or a name ending "JPEG") the JPEG decoder; "ICO", "WMF" and "EMF"
// give an empty picture. Gives nothing when no such file exists or the ending is unknown; throws
// gfx::ImageError naming the file when it is damaged or cannot be read.
std::optional<LoadedPicture> LoadPictureFromFile(const std::string& name);

// The name with the extension of its last component replaced by `extension` (".jpg"), or with it
// added when there is none. A leading dot of a file name does not start an extension.
std::string ReplaceExtension(const std::string& name, const std::string& extension);

// The name part of a path: what follows the last separator.
std::string FileNamePart(const std::string& path);

// Saves as JPEG under `name` with its extension replaced by ".jpg", at quality 0..100 (0 is taken
// as 1), stretched to `custom_size` when given (a side of 0 is refused and nothing is written).
// Returns the name written. The file is written whole or not at all.
std::string SavePictureAsJpeg(const gfx::Bitmap& picture, const std::string& name, int quality,
                              std::optional<gfx::Size> custom_size,
                              const std::vector<uint8_t>& icc_profile = {});

// Saves as a bitmap file at the picture's own depth under `name` with its extension replaced by
// ".bmp", stretched to `custom_size` when given. Returns the name written.
std::string SavePictureAsBitmap(const gfx::Bitmap& picture, const std::string& name,
                                std::optional<gfx::Size> custom_size);

// Resizes keeping the pixel depth: palette pictures by nearest neighbour on their indexes (the
// palette stays), the others with the high-quality filter.
gfx::Bitmap ResizeKeepingDepth(const gfx::Bitmap& picture, int32_t width, int32_t height);

}  // namespace picture
