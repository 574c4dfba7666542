// Fuzz target: a page's picture (PNG, GIF, JPEG or BMP by its content) through the web decoder; a
// decoded picture never exceeds the allowed size and its alpha bytes match its pixels.
// fuzz-seeds: resources/web tests/data/bmpsuite
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "web/WebImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  web::WebImage image;
  try {
    image = web::DecodeWebImage(std::span<const uint8_t>(data, size));
  } catch (const std::exception&) {
    return 0;
  }
  const int64_t w = image.pixels.Width();
  const int64_t h = image.pixels.Height();
  if (w <= 0 || h <= 0 || w > web::kMaxWebImageSide || h > web::kMaxWebImageSide) __builtin_trap();
  if (image.HasAlpha() && image.alpha.size() != static_cast<size_t>(w * h)) __builtin_trap();
  if (image.pixels.BitsPerPixel() != 24) __builtin_trap();
  return 0;
}
