// JPEG decoding and encoding through libjpeg.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "gfx/RowProgress.h"

namespace gfx {

class FileReader;

inline constexpr int kJpegApp1 = 0xE1;     // EXIF and XMP segments
inline constexpr int kJpegComment = 0xFE;  // comment segments

// A metadata segment kept from a source: an APP1 segment (EXIF, XMP) or a comment.
struct JpegMarker {
  int code = 0;                       // kJpegApp1 or kJpegComment
  std::vector<uint8_t> data;          // the payload, without the marker and length bytes
  friend bool operator==(const JpegMarker&, const JpegMarker&) = default;
};

struct JpegPicture {
  Bitmap bitmap;                      // 24-bit, with the file's orientation already applied
  std::vector<uint8_t> icc_profile;   // the source's ICC profile, empty when it has none
  // The source's APP1 and comment segments in file order, ready to be written with the decoded
  // pixels: the EXIF orientation reads 1 and the EXIF thumbnail is gone (an EXIF segment that
  // cannot be read is left out).
  std::vector<JpegMarker> markers;
  // The part of the bitmap the picture covers: all of it, but a scaled read can end the picture
  // part-way into an edge column or row.
  PictureExtent extent;
};

// Decodes a JPEG file into a 24-bit picture: grey-scale becomes three equal channels, Adobe
// CMYK/YCCK is converted to RGB, an EXIF orientation is applied to the pixels. A damaged or
// truncated file is refused with ImageError, and so is one whose picture would have more than
// `max_pixels` pixels, before anything is allocated for it.
JpegPicture DecodeJpeg(std::span<const uint8_t> data);
JpegPicture DecodeJpeg(std::span<const uint8_t> data, uint64_t max_pixels);
// DecodeJpeg telling `progress` (when not null) of the rows as they come; when it asks to give up,
// the decoding ends with DecodeAborted.
JpegPicture DecodeJpeg(std::span<const uint8_t> data, RowProgress* progress);
JpegPicture ReadJpegFile(const std::string& path);  // errors name the file

// Decodes at the smallest of the full size, 1/2, 1/4 and 1/8 whose picture still covers `want`
// (both sides at least as large, as the picture is seen once its orientation is applied; a side of 0
// asks for nothing). libjpeg scales in its DCT, so a small preview of a large photo reads only a
// fraction of the work. Pictures smaller than `want` come whole. Errors as DecodeJpeg.
JpegPicture DecodeJpegScaled(std::span<const uint8_t> data, Size want);
JpegPicture ReadJpegFileScaled(const std::string& path, Size want);  // errors name the file
// Reads an open JPEG file, in pieces, for a resize to `target`: at the smallest eighth of the full size (1/8, 2/8 ... 8/8) whose
// picture still covers twice `target` as it is seen. libjpeg's DCT then does most of a large
// shrink at little cost, and the filter that follows still has two source pixels for each pixel
// it makes, so the result stays close to a resize of the whole picture. The picture's `extent`
// tells the resize which part of the edge pixels it covers. Errors as DecodeJpeg.
JpegPicture ReadJpegToResize(FileReader& file, Size target);

struct JpegEncodeOptions {
  int quality = 75;                   // 0..100; 0 is taken as 1, as libjpeg does
  std::vector<uint8_t> icc_profile{};  // written as APP2 markers when not empty
  std::vector<JpegMarker> markers{};   // written as they are: APP1 segments before the profile, others after
  bool progressive = false;            // libjpeg's progressive scan script instead of one sequential scan
  bool optimize = false;               // Huffman tables made for the picture: smaller, same pixels
};

// Encodes a picture (any depth; converted to 24 bits) with libjpeg's defaults, the quality with
// baseline tables, sequential (unless asked otherwise), colour. The metadata segments come before the first table, so
// the bytes from there on are the same with or without them. Throws ImageError for the empty picture (a JPEG file cannot
// hold zero pixels) and for sizes the format cannot hold (above 65500 pixels a side).
std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, const JpegEncodeOptions& options = {});

}  // namespace gfx
