// Fuzz target: the bitmap file decoder on arbitrary bytes, as a file of its own and in a stream,
// and the writer on whatever it decodes.
// fuzz-seeds: tests/data/bmpsuite
#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  for (bool standalone : {true, false}) {
    gfx::Bitmap picture;
    size_t consumed = 0;
    try {
      picture = gfx::DecodeBmp(bytes, &consumed, standalone);
    } catch (const gfx::ImageError&) {
      continue;
    }
    // A decoded file never claims bytes beyond the buffer.
    if (consumed > size) __builtin_trap();
    // What was decoded is written and read back unchanged; huge pictures are left out so that the
    // fuzzer spends its time on the decoder.
    if (static_cast<uint64_t>(picture.Width()) * picture.Height() > (1u << 20)) continue;
    gfx::Bitmap back = gfx::DecodeBmp(gfx::EncodeBmp(picture), nullptr, false);
    if (!(back == picture)) __builtin_trap();
  }
  return 0;
}
