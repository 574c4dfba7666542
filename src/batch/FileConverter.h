// Converting one source file of a batch into a JPEG file, whatever kind of picture the source is.
#pragma once

#include <cstdint>
#include <string>

namespace batch {

// True when the source's extension (from its last dot), upper-cased, is ".BMP".
bool IsBitmapSource(const std::string& source);

// folder + "/Orvel_" + the source's name part with its extension replaced by ".jpg" (added when
// it has none). The folder is used as given.
std::string OutputNameFor(const std::string& folder, const std::string& source);

// Reads the source through the picture reader (the kind is told by its content: JPEG with its
// orientation applied and its colour profile kept, bitmap, PNG or WebP) and writes it as a JPEG
// at the quality. Returns the number of bytes written. Throws gfx::ImageError naming the file
// that failed, also when the source is no picture the reader knows.
uint64_t ConvertToJpeg(const std::string& source, const std::string& output, int quality);

}  // namespace batch
