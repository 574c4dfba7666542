// Converting one source file into a JPEG file: bitmap sources and JPEG sources.
#pragma once

#include <cstdint>
#include <string>

namespace batch {

// True when the source's extension (from its last dot), upper-cased, is ".BMP".
bool IsBitmapSource(const std::string& source);

// folder + "/Orvel_" + the source's name part with its extension replaced by ".jpg" (added when
// it has none). The folder is used as given.
std::string OutputNameFor(const std::string& folder, const std::string& source);

// Reads the source with the bitmap reader and writes it as a JPEG at the quality. Returns the
// number of bytes written. Throws gfx::ImageError naming the file that failed.
uint64_t Bmp2jpg(const std::string& source, const std::string& output, int quality);

// Decodes the source as a JPEG (its orientation applied, its colour profile kept) and writes it
// again at the quality. Returns the number of bytes written.
uint64_t jpg2jpg(const std::string& source, const std::string& output, int quality);

// Bmp2jpg for bitmap sources, jpg2jpg for every other source.
uint64_t ConvertToJpeg(const std::string& source, const std::string& output, int quality);

}  // namespace batch
