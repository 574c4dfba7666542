// Fuzz target: the EXIF rewrite on arbitrary APP1 payloads; what it writes is an EXIF payload
// that fits one segment, and a second rewrite still reads it.
// fuzz-seeds: tests/data/exif
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gfx/ExifRewrite.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
  payload.insert(payload.end(), data, data + size);
  std::optional<std::vector<uint8_t>> once = gfx::RewriteExifForTurnedPixels(payload);
  if (!once) return 0;
  if (once->size() > 65533 || !gfx::IsExifPayload(*once)) __builtin_trap();
  std::optional<std::vector<uint8_t>> twice = gfx::RewriteExifForTurnedPixels(*once);
  if (!twice) __builtin_trap();
  return 0;
}
