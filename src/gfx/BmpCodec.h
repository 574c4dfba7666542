// Reading and writing the bitmap file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/RowProgress.h"

namespace gfx {

// Decodes one bitmap file from the start of `data`.
//
// Accepted: core (12-byte), info (40), v2/v3 (52/56), OS/2 2.x (16..64), v4 (108) and v5 (124)
// headers; 1, 2, 4 and 8-bit palettes; 16 and 32-bit pixels with or without bit fields (alpha
// masks included); 24-bit; RLE4, RLE8 and the OS/2 RLE24; bottom-up and top-down rows (run-length
// rows bottom-up only, as the format defines them). Refused besides damage: a plane count other
// than 1, run-length rows stored top-down, embedded JPEG or PNG pictures.
//
// Result depth: palette pictures keep their depth and palette (2-bit ones become 4-bit with the
// same indexes); 16 and 32-bit pictures keep their depth when their layout is the plain one
// (x-5-5-5, x-8-8-8: rows are copied as stored) and become 24-bit otherwise, each channel scaled
// to the full 0..255 range. Pixels that an RLE stream skips (delta, early end of line or of the
// picture) get palette index 0, or black for RLE24. A run that passes a row's end into the
// row's padding to four bytes (as some writers encode rows) is clipped at the row's end; one that
// goes further is refused. A palette shorter than the indexes the pixels
// use is kept as it is: the missing entries show black, and EncodeBmp writes them as black ones.
//
// `consumed`, when given, receives the bytes the file took: the total size of its file header, so
// files can follow each other in a stream. `standalone` says the buffer is a whole file of its own:
// the pixels may then lie anywhere in the buffer, and a total size that is smaller than the pixel
// offset or larger than the buffer (as some writers leave it) is taken as the whole buffer. In a
// stream (`standalone` false) the file must lie within its total size and that size within the
// buffer.
//
// Throws ImageError with a reason on damaged or hostile input; never reads outside `data` and
// refuses pictures too large for Bitmap before allocating them.
//
// `progress`, when given, is told of the rows as they are decoded; when it asks to give up, the
// decoding ends with DecodeAborted.
Bitmap DecodeBmp(std::span<const uint8_t> data, size_t* consumed = nullptr, bool standalone = true,
                 RowProgress* progress = nullptr);

// Reads a bitmap file; errors name the file.
Bitmap ReadBmpFile(const std::string& path);

enum class BmpDepth { kOwn, k24 };

// Encodes a bitmap file with the 40-byte info header and bottom-up rows: at the picture's own
// depth with its palette, or at 24 bits. The palette written covers every index the pixels use,
// so that every reader accepts the file: entries the picture lacks are written black, as it shows
// them, and an index picture without a palette gets a whole black one.
std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap, BmpDepth depth = BmpDepth::kOwn);

}  // namespace gfx
