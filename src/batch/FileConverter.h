// Converting one source file of a batch into a JPEG, WebP or bitmap file, whatever kind of picture
// the source is.
#pragma once

#include <cstdint>
#include <string>

#include "batch/ConvertProgress.h"

namespace batch {

// True when the source's extension (from its last dot), upper-cased, is ".BMP".
bool IsBitmapSource(const std::string& source);

enum class OutputFormat { kJpeg, kWebp, kBmp };

// The extension an output of the format gets: ".jpg", ".webp" or ".bmp".
const char* ExtensionOf(OutputFormat format);

// folder + "/Orvel_" + the source's name part with its extension replaced by `extension` (added
// when it has none). The folder is used as given.
std::string OutputNameFor(const std::string& folder, const std::string& source, const char* extension = ".jpg");

// How each output is written.
struct ConvertOptions {
  int quality = 75;             // 0..100, for JPEG and WebP alike
  OutputFormat format = OutputFormat::kJpeg;
  bool progressive = false;     // JPEG: progressive scans
  bool optimize = false;        // JPEG: Huffman tables made for each picture
  bool keep_metadata = true;    // EXIF (orientation normal, no thumbnail), XMP and comments; the
                                // colour profile is always kept
  bool keep_dates = false;      // the output gets the source's modification time
  bool no_larger = false;       // a JPEG output larger than its JPEG source is replaced by a byte
                                // copy of the source (not with keep_metadata off: the copy
                                // would carry the metadata that was to be left out)
  bool two_threads = false;     // a picture converted a band at a time is decoded on a thread of
                                // its own while this one encodes (for cores no other file uses)
};

struct ConvertResult {
  uint64_t source_bytes = 0;
  uint64_t output_bytes = 0;
  bool copied_source = false;   // the output is a byte copy of the source (no_larger)
};

// Reads the source through the picture reader (the kind is told by its content: JPEG with its
// orientation applied and its colour profile and metadata kept, bitmap, PNG or WebP) and writes
// it in the output format (a JPEG that needs no turn goes to JPEG a band of rows at a time, see
// StreamPicture, with the same bytes): JPEG with the colour profile and, unless stripped, the metadata; WebP
// (lossy) or a bitmap file at the picture's depth, both without metadata. Says how many bytes
// were read and written. Throws gfx::ImageError naming the file that failed, also when the
// source is no picture the reader knows. `progress`, when given, is told of the decoded rows and
// asked between them, and once more before the output is encoded and before it is written, whether
// to give up: then ConvertAborted is thrown and nothing is written.
ConvertResult ConvertPicture(const std::string& source, const std::string& output, const ConvertOptions& options,
                             ConvertProgress* progress = nullptr);

// Gives `output` the access and modification times of `source`. Throws gfx::ImageError naming
// the file when either cannot be reached.
void CopyFileTimes(const std::string& source, const std::string& output);

}  // namespace batch
