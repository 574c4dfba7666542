// Reading a picture file by its content, and saving the current picture as JPEG or bitmap.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "gfx/JpegCodec.h"
#include "gfx/RowProgress.h"

namespace picture {

struct LoadedPicture {
  gfx::Bitmap bitmap;                 // 24-bit, but a bitmap file keeps its stored depth
  std::vector<uint8_t> icc_profile;   // the JPEG source's colour profile, kept for saving
  std::vector<gfx::JpegMarker> markers;  // the JPEG source's EXIF, XMP and comments, for saving
};

// The kinds of picture file the reader knows by their first bytes.
enum class PictureFormat { kUnknown, kJpeg, kBmp, kPng, kWebp };

// The format that the bytes' signature names, kUnknown when none matches.
PictureFormat FormatOfBytes(std::span<const uint8_t> bytes);

// Reads one picture file, the one reading entry point of the command line, the window and the
// batch. What the first bytes are chooses the reader: JPEG, bitmap, PNG or WebP. Only when they
// match none of these does the name's ending decide: "BMP", "JPG" or "JPEG", "PNG" and "WEBP"
// (any case) pick that reader, which then says why the file is damaged; "ICO", "WMF" and "EMF"
// give an empty picture. Gives nothing when no such regular file exists or neither the bytes nor
// the ending name a known kind; throws gfx::ImageError naming the file when it is damaged or
// cannot be read.
std::optional<LoadedPicture> LoadPictureFromFile(const std::string& name);
// LoadPictureFromFile, then the picture resized to `size` as the saves resize it: with the
// high-quality filter, or keeping a bitmap file's depth when `keep_depth` (see ResizeKeepingDepth).
// A JPEG is decoded only as large as the resize needs (see gfx::ReadJpegToResize), which costs
// a fraction of a whole decode and resize when it shrinks by much. A side of 0 is refused.
std::optional<LoadedPicture> LoadPictureResized(const std::string& name, gfx::Size size, bool keep_depth);

// The reading of LoadPictureFromFile on bytes already read from the file `name` (a pipe as well
// as a regular file): the same choice of reader, the same results and errors. `progress`, when
// given, is told of the decoded rows; when it asks to give up, the reading ends with
// gfx::DecodeAborted.
std::optional<LoadedPicture> DecodePictureFile(const std::string& name, std::span<const uint8_t> bytes,
                                               gfx::RowProgress* progress = nullptr);

// The name with the extension of its last component replaced by `extension` (".jpg"), or with it
// added when there is none. A leading dot of a file name does not start an extension.
std::string ReplaceExtension(const std::string& name, const std::string& extension);

// The name part of a path: what follows the last separator.
std::string FileNamePart(const std::string& path);

// The bytes SavePictureAsJpeg writes for these settings, and its errors, without writing anything.
std::vector<uint8_t> EncodePictureAsJpeg(const gfx::Bitmap& picture, int quality,
                                         std::optional<gfx::Size> custom_size,
                                         const std::vector<uint8_t>& icc_profile = {},
                                         const std::vector<gfx::JpegMarker>& markers = {});

// Saves as JPEG under `name` with its extension replaced by ".jpg", at quality 0..100 (0 is taken
// as 1), stretched to `custom_size` when given (a side of 0 is refused and nothing is written),
// with the source's colour profile and metadata segments (see LoadedPicture). Returns the name
// written. The file is written whole or not at all.
std::string SavePictureAsJpeg(const gfx::Bitmap& picture, const std::string& name, int quality,
                              std::optional<gfx::Size> custom_size,
                              const std::vector<uint8_t>& icc_profile = {},
                              const std::vector<gfx::JpegMarker>& markers = {});

// Saves as a lossy WebP at quality 0..100 under `name` with its extension replaced by ".webp",
// stretched to `custom_size` when given. Returns the name written.
std::string SavePictureAsWebp(const gfx::Bitmap& picture, const std::string& name, int quality,
                              std::optional<gfx::Size> custom_size);

// Saves as a bitmap file at the picture's own depth under `name` with its extension replaced by
// ".bmp", stretched to `custom_size` when given. Returns the name written.
std::string SavePictureAsBitmap(const gfx::Bitmap& picture, const std::string& name,
                                std::optional<gfx::Size> custom_size);

// Resizes keeping the pixel depth: palette pictures by nearest neighbour on their indexes (the
// palette stays), the others with the high-quality filter.
gfx::Bitmap ResizeKeepingDepth(const gfx::Bitmap& picture, int32_t width, int32_t height);

}  // namespace picture
