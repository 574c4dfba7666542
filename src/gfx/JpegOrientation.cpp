// Reading the EXIF orientation tag and turning or mirroring the decoded pixels to match it.
#include "gfx/JpegOrientation.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

namespace gfx {

namespace {

constexpr uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kTypeShort = 3;
constexpr uint16_t kTypeLong = 4;

// A bounds-checked view of the TIFF structure inside the segment.
class TiffReader {
 public:
  TiffReader(const uint8_t* data, size_t size, bool big_endian)
      : data_(data), size_(size), big_endian_(big_endian) {}

  bool Has(size_t offset, size_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }
  uint16_t U16(size_t offset) const {
    const uint8_t* p = data_ + offset;
    return big_endian_ ? static_cast<uint16_t>(p[0] << 8 | p[1])
                       : static_cast<uint16_t>(p[1] << 8 | p[0]);
  }
  uint32_t U32(size_t offset) const {
    uint32_t hi = U16(offset), lo = U16(offset + 2);
    return big_endian_ ? (hi << 16 | lo) : (lo << 16 | hi);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  bool big_endian_;
};

}  // namespace

int ExifOrientation(const uint8_t* payload, size_t size) {
  if (size < sizeof kExifHeader + 8 || std::memcmp(payload, kExifHeader, sizeof kExifHeader) != 0)
    return 1;
  const uint8_t* tiff = payload + sizeof kExifHeader;
  const size_t tiff_size = size - sizeof kExifHeader;
  bool big_endian;
  if (tiff[0] == 'M' && tiff[1] == 'M') {
    big_endian = true;
  } else if (tiff[0] == 'I' && tiff[1] == 'I') {
    big_endian = false;
  } else {
    return 1;
  }
  TiffReader reader(tiff, tiff_size, big_endian);
  if (reader.U16(2) != 42) return 1;
  const size_t ifd = reader.U32(4);
  if (!reader.Has(ifd, 2)) return 1;
  const size_t count = reader.U16(ifd);
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = ifd + 2 + i * 12;
    if (!reader.Has(entry, 12)) return 1;
    if (reader.U16(entry) != kOrientationTag) continue;
    const uint16_t type = reader.U16(entry + 2);
    if (reader.U32(entry + 4) < 1) return 1;
    uint32_t value = 0;
    if (type == kTypeShort) {
      value = reader.U16(entry + 8);
    } else if (type == kTypeLong) {
      value = reader.U32(entry + 8);
    }
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
  }
  return 1;
}

Bitmap ApplyOrientation(Bitmap picture, int orientation) {
  if (orientation < 2 || orientation > 8 || picture.IsEmpty()) return picture;
  const int32_t w = picture.Width(), h = picture.Height();
  const bool swaps = orientation >= 5;
  Bitmap out(swaps ? h : w, swaps ? w : h, 24);
  const auto s = static_cast<ptrdiff_t>(picture.Stride());
  const ptrdiff_t last = (h - 1) * s;
  const uint8_t* src = picture.Data();
  if (!swaps) {
    // Mirrors and the half turn keep rows whole: copy or reverse each one.
    const bool flip = orientation == 3 || orientation == 4, mirror = orientation == 2 || orientation == 3;
    for (int32_t y = 0; y < h; ++y) {
      const uint8_t* in = picture.Row(flip ? h - 1 - y : y);
      uint8_t* d = out.Row(y);
      if (!mirror) {
        std::memcpy(d, in, static_cast<size_t>(w) * 3);
        continue;
      }
      for (int32_t x = w - 1; x >= 0; --x, d += 3) {
        d[0] = in[x * 3];
        d[1] = in[x * 3 + 1];
        d[2] = in[x * 3 + 2];
      }
    }
    return out;
  }
  // Output pixel (x, y) is source byte start(y) + x * step(y). The turns walk the source across
  // rows, so the output is done in tiles whose source rows stay in the cache.
  constexpr int32_t kTile = 64;
  for (int32_t ty = 0; ty < out.Height(); ty += kTile) {
    for (int32_t tx = 0; tx < out.Width(); tx += kTile) {
      const int32_t y_end = std::min(out.Height(), ty + kTile), x_end = std::min(out.Width(), tx + kTile);
      for (int32_t y = ty; y < y_end; ++y) {
        ptrdiff_t start = 0, step = 0;
        switch (orientation) {
          case 5: start = y * 3; step = s; break;
          case 6: start = last + y * 3; step = -s; break;
          case 7: start = last + (w - 1 - y) * 3; step = -s; break;
          default: start = (w - 1 - y) * 3; step = s; break;  // 8
        }
        uint8_t* d = out.Row(y) + tx * 3;
        for (int32_t x = tx; x < x_end; ++x, d += 3) {
          const uint8_t* p = src + start + x * step;
          d[0] = p[0];
          d[1] = p[1];
          d[2] = p[2];
        }
      }
    }
  }
  return out;
}

PictureExtent OrientExtent(PictureExtent extent, Size size, int orientation) {
  if (orientation < 2 || orientation > 8) return extent;
  if (orientation >= 5) {
    std::swap(extent.x, extent.y);
    std::swap(extent.width, extent.height);
    std::swap(size.width, size.height);
  }
  // The stored right column (or, turned, the stored bottom row) ends up on the left for these,
  // and the stored bottom row (or the stored right column) on top for the others below.
  const bool to_left = orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
  const bool to_top = orientation == 3 || orientation == 4 || orientation == 7 || orientation == 8;
  if (to_left) extent.x = size.width - extent.x - extent.width;
  if (to_top) extent.y = size.height - extent.y - extent.height;
  return extent;
}

}  // namespace gfx
