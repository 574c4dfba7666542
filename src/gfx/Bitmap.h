// A picture in memory: rows top-down, 4-byte aligned, at 1, 4, 8 (palette), 16, 24 or 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace gfx {

// Pixel layouts by depth:
//   1, 4, 8: palette indexes, most significant bits first within a byte;
//   16: little-endian x-R5-G5-B5;
//   24: blue, green, red (the working format of every pixel routine);
//   32: blue, green, red, unused.
class Bitmap {
 public:
  // Pictures whose pixels would need more than this many bytes at 32 bits are refused.
  static constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

  Bitmap() = default;  // the empty 0 x 0 picture
  // A zero-filled picture; throws ImageError when the size is negative or too large.
  Bitmap(int32_t width, int32_t height, int bits_per_pixel = 24);

  static bool IsSupportedDepth(int bits_per_pixel);
  static size_t StrideFor(int32_t width, int bits_per_pixel);
  // True when width x height pixels may be allocated (non-negative and within kMaxPixels).
  static bool IsAllowedSize(int64_t width, int64_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  int BitsPerPixel() const { return bits_; }
  size_t Stride() const { return stride_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  uint8_t* Row(int32_t y) { return data_.data() + static_cast<size_t>(y) * stride_; }
  const uint8_t* Row(int32_t y) const { return data_.data() + static_cast<size_t>(y) * stride_; }
  uint8_t* Data() { return data_.data(); }
  const uint8_t* Data() const { return data_.data(); }
  size_t ByteSize() const { return data_.size(); }

  // Palette for depths 1, 4 and 8 (at most 2^depth entries); empty for the others.
  const std::vector<Color>& Palette() const { return palette_; }
  void SetPalette(std::vector<Color> palette);

  // Slow single-pixel access for any depth; for tests and small pictures only.
  Color Pixel(int32_t x, int32_t y) const;
  // At 24 and 32 bits only; an index depth needs its palette index written directly.
  void SetPixel(int32_t x, int32_t y, Color c);
  void Fill(Color c);  // 24 and 32 bits only

  // A 24-bit blue-green-red copy of any depth (the picture itself when it is 24-bit).
  Bitmap ToBgr24() const;
  // A copy at another depth: 24 or 32 from any depth; index depths only from the same depth.
  Bitmap ConvertTo(int bits_per_pixel) const;

  // Same size, depth, palette and pixels (padding bytes are ignored).
  friend bool operator==(const Bitmap& a, const Bitmap& b);

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  int bits_ = 24;
  size_t stride_ = 0;
  std::vector<uint8_t> data_;
  std::vector<Color> palette_;
};

}  // namespace gfx
