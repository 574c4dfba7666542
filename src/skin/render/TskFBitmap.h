// A 24-bit picture with a table of row pointers, for pixel loops that walk rows directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"

namespace skin {

// Pixels are blue, green, red; rows run top-down, each 3 x width bytes followed by width mod 4
// filler bytes, so the stride is a multiple of 4.
class TskFBitmap {
 public:
  // A copy of any picture converted to 24 bits.
  explicit TskFBitmap(const gfx::Bitmap& source);
  // A black width x height picture.
  TskFBitmap(int32_t width, int32_t height);
  // The row table points into the pixel memory, which a move keeps and a copy would not.
  TskFBitmap(const TskFBitmap&) = delete;
  TskFBitmap& operator=(const TskFBitmap&) = delete;
  TskFBitmap(TskFBitmap&&) noexcept = default;
  TskFBitmap& operator=(TskFBitmap&&) noexcept = default;

  int32_t Width() const { return bitmap_.Width(); }
  int32_t Height() const { return bitmap_.Height(); }
  size_t Stride() const { return bitmap_.Stride(); }
  int32_t FillerBytes() const { return Width() % 4; }
  size_t MemorySize() const { return bitmap_.ByteSize(); }
  uint8_t* Pixels() { return bitmap_.Data(); }
  const uint8_t* Pixels() const { return bitmap_.Data(); }
  uint8_t* Row(int32_t y) { return rows_[static_cast<size_t>(y)]; }
  const uint8_t* Row(int32_t y) const { return rows_[static_cast<size_t>(y)]; }

  const gfx::Bitmap& Bitmap() const { return bitmap_; }

 private:
  void MakeRows();

  gfx::Bitmap bitmap_;
  std::vector<uint8_t*> rows_;
};

}  // namespace skin
