// Bitmap file encoding: file header, 40-byte info header, palette and bottom-up rows.
#include <algorithm>
#include <cstring>
#include <string>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

// One more than the highest palette index the pixels use (0 for an empty picture).
size_t IndexesUsed(const Bitmap& bitmap) {
  const int bits = bitmap.BitsPerPixel();
  const size_t per_byte = static_cast<size_t>(8 / bits);
  const uint8_t mask = static_cast<uint8_t>((1u << bits) - 1);
  size_t highest_plus_one = 0;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      size_t shift = 8 - static_cast<size_t>(bits) * (static_cast<size_t>(x) % per_byte + 1);
      size_t index = (row[static_cast<size_t>(x) / per_byte] >> shift) & mask;
      highest_plus_one = std::max(highest_plus_one, index + 1);
    }
  }
  return highest_plus_one;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap, BmpDepth depth) {
  if (depth == BmpDepth::k24 && bitmap.BitsPerPixel() != 24) return EncodeBmp(bitmap.ToBgr24());
  const int bits = bitmap.BitsPerPixel();
  const int32_t width = bitmap.Width();
  const int32_t height = bitmap.Height();

  std::vector<Color> palette;
  if (bits <= 8) {
    palette = bitmap.Palette();
    // Readers take an empty colour count as "all 2^bits colours", so a missing palette is written
    // as a black one rather than leaving them to take the pixels for colours. Readers refuse an
    // index past the colour count, so a short palette is completed in black, as Bitmap shows it.
    if (palette.empty()) palette.assign(size_t{1} << bits, kBlack);
    if (palette.size() < (size_t{1} << bits)) palette.resize(std::max(palette.size(), IndexesUsed(bitmap)), kBlack);
  }
  // Rows as the file stores them: the same 4-byte alignment as in memory.
  const size_t stride = Bitmap::StrideFor(width, bits);
  const uint64_t image_size = static_cast<uint64_t>(stride) * static_cast<uint64_t>(height);
  const uint64_t offset = 14 + 40 + 4 * palette.size();
  const uint64_t total = offset + image_size;
  if (total > 0xFFFFFFFFu) throw ImageError("图片太大，无法写成位图文件");

  std::vector<uint8_t> out(static_cast<size_t>(total), 0);
  uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<uint32_t>(total));
  Put32(p + 10, static_cast<uint32_t>(offset));
  uint8_t* h = p + 14;
  Put32(h, 40);
  Put32(h + 4, static_cast<uint32_t>(width));
  Put32(h + 8, static_cast<uint32_t>(height));
  Put16(h + 12, 1);  // planes
  Put16(h + 14, static_cast<uint32_t>(bits));
  Put32(h + 16, 0);  // uncompressed
  Put32(h + 20, static_cast<uint32_t>(image_size));
  Put32(h + 32, static_cast<uint32_t>(palette.size()));
  uint8_t* entry = h + 40;
  for (Color c : palette) {
    entry[0] = Blue(c);
    entry[1] = Green(c);
    entry[2] = Red(c);
    entry += 4;
  }
  uint8_t* row = p + offset;
  for (int32_t y = height - 1; y >= 0; --y, row += stride) std::memcpy(row, bitmap.Row(y), stride);
  return out;
}

}  // namespace gfx
