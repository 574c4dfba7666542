// Fuzzes the reader of a stored skin's Pictures stream; what it accepts must write and read back.
// fuzz-seeds: tests/data/skins/seeds/pictures
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gfx/ImageError.h"
#include "skin/storage/SkinPictures.h"

namespace {

uint64_t PixelBytes(const skin::SkinPictures& p) {
  uint64_t total = p.main.ByteSize() + p.inactive.ByteSize() + p.mask.ByteSize();
  for (const gfx::Bitmap& b : p.active) total += b.ByteSize();
  return total;
}

// Empty pictures are alike whatever depth they were declared with.
bool Same(const gfx::Bitmap& a, const gfx::Bitmap& b) { return (a.IsEmpty() && b.IsEmpty()) || a == b; }

bool Same(const skin::SkinPictures& a, const skin::SkinPictures& b) {
  if (!(Same(a.main, b.main) && Same(a.inactive, b.inactive) && Same(a.mask, b.mask))) return false;
  if (a.active.size() != b.active.size()) return false;
  for (size_t i = 0; i < a.active.size(); ++i) {
    if (!Same(a.active[i], b.active[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::SkinPictures pictures;
  size_t consumed = 0;
  try {
    pictures = skin::DecodeSkinPictures(std::span<const uint8_t>(data, size), &consumed);
  } catch (const gfx::ImageError&) {
    return 0;
  }
  if (consumed > size) __builtin_trap();
  // Round trip small results only, so the check stays fast.
  if (PixelBytes(pictures) > (uint64_t{4} << 20)) return 0;
  std::vector<uint8_t> written = skin::EncodeSkinPictures(pictures);
  size_t written_consumed = 0;
  skin::SkinPictures back = skin::DecodeSkinPictures(written, &written_consumed);
  if (written_consumed != written.size() || !Same(back, pictures)) __builtin_trap();
  return 0;
}
