// Pictures of web pages: decoding PNG, GIF (first frame), JPEG and BMP into a bitmap with alpha.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/Bitmap.h"

namespace web {

// A decoded picture: 24-bit pixels and, for pictures with transparency, one alpha byte per pixel
// (rows top-down, no padding; 0 transparent, 255 opaque). An opaque picture has no alpha bytes.
struct WebImage {
  gfx::Bitmap pixels;
  std::vector<uint8_t> alpha;

  bool HasAlpha() const { return !alpha.empty(); }
};

// The largest width and height a page's picture may have; larger ones are refused before their
// pixels are allocated.
constexpr int32_t kMaxWebImageSide = 4096;

// Decodes a picture by its content (the file's signature, not its name or type header). Throws
// gfx::ImageError for an unknown format, damaged data or a picture larger than kMaxWebImageSide.
WebImage DecodeWebImage(std::span<const uint8_t> data);

}  // namespace web
