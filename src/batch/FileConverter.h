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

// How each output is written.
struct ConvertOptions {
  int quality = 75;             // 0..100
  bool keep_metadata = true;    // EXIF (orientation normal, no thumbnail), XMP and comments; the
                                // colour profile is always kept
  bool keep_dates = false;      // the output gets the source's modification time
};

// Reads the source through the picture reader (the kind is told by its content: JPEG with its
// orientation applied and its colour profile and metadata kept, bitmap, PNG or WebP) and writes
// it as a JPEG. Returns the number of bytes written. Throws gfx::ImageError naming the file that
// failed, also when the source is no picture the reader knows.
uint64_t ConvertToJpeg(const std::string& source, const std::string& output, const ConvertOptions& options);

// Gives `output` the access and modification times of `source`. Throws gfx::ImageError naming
// the file when either cannot be reached.
void CopyFileTimes(const std::string& source, const std::string& output);

}  // namespace batch
