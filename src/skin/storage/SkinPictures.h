// The pictures of a skin and their byte stream: three flagged pictures, a count and the active pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gfx/Bitmap.h"

namespace skin {

struct SkinPictures {
  gfx::Bitmap main;      // the frame picture
  gfx::Bitmap inactive;  // may be empty
  gfx::Bitmap mask;      // may be empty
  std::vector<gfx::Bitmap> active;  // the numbered pictures, index = number

  void Clear();
};

// Appends the stream: for main, inactive and mask a byte (1 when the picture is empty, 0 when a
// bitmap file at the picture's own depth follows), then the 32-bit little-endian count of active
// pictures and each of them as a bitmap file, back to back.
void AppendSkinPictures(const SkinPictures& pictures, std::vector<uint8_t>& out);
std::vector<uint8_t> EncodeSkinPictures(const SkinPictures& pictures);

// Reads the stream from the start of `data` (any non-zero flag byte means an empty picture; a
// count below 1 means no active pictures) and stores the bytes it took in `consumed`. A stream that
// ends early, a count that the remaining bytes cannot hold and any damaged bitmap are refused with
// SkinStorageError or gfx::ImageError; nothing is read outside `data`.
SkinPictures DecodeSkinPictures(std::span<const uint8_t> data, size_t* consumed = nullptr);

}  // namespace skin
