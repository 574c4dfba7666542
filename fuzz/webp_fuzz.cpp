// Fuzz target: the WebP decoder on arbitrary bytes, with a pixel limit that keeps each run small.
// fuzz-seeds: tests/data/webp
#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/ImageError.h"
#include "gfx/WebpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    gfx::Bitmap picture = gfx::DecodeWebp(std::span<const uint8_t>(data, size), uint64_t{1} << 22);
    if (picture.BitsPerPixel() != 24 || picture.IsEmpty()) __builtin_trap();
  } catch (const gfx::ImageError&) {
  }
  return 0;
}
