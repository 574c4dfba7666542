// Fuzz target: the PNG decoder on arbitrary bytes, with a pixel limit that keeps each run small.
// fuzz-seeds: tests/data/png
#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/ImageError.h"
#include "gfx/PngCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    gfx::Bitmap picture = gfx::DecodePng(std::span<const uint8_t>(data, size), uint64_t{1} << 22);
    // Whatever decodes is a whole 24-bit picture.
    if (picture.BitsPerPixel() != 24 || picture.IsEmpty()) __builtin_trap();
  } catch (const gfx::ImageError&) {
  }
  return 0;
}
