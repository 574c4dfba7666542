// Bitmap storage, pixel access and depth conversion.
#include "gfx/Bitmap.h"

#include <cstring>
#include <string>

#include "gfx/ImageError.h"

namespace gfx {

namespace {

uint8_t IndexAt(const uint8_t* row, int32_t x, int bits) {
  switch (bits) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
    default: return row[x];
  }
}

uint8_t Expand5(unsigned v) { return static_cast<uint8_t>((v << 3) | (v >> 2)); }

}  // namespace

bool Bitmap::IsSupportedDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

size_t Bitmap::StrideFor(int32_t width, int bits) {
  return ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
}

bool Bitmap::IsAllowedSize(int64_t width, int64_t height) {
  if (width < 0 || height < 0) return false;
  if (width == 0 || height == 0) return true;
  if (width > (int64_t{1} << 30) || height > (int64_t{1} << 30)) return false;
  return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= kMaxPixels;
}

Bitmap::Bitmap(int32_t width, int32_t height, int bits_per_pixel) {
  if (!IsSupportedDepth(bits_per_pixel))
    throw ImageError("不支持的颜色深度: " + std::to_string(bits_per_pixel));
  if (!IsAllowedSize(width, height))
    throw ImageError("图片尺寸过大: " + std::to_string(width) + " x " + std::to_string(height));
  width_ = width;
  height_ = height;
  bits_ = bits_per_pixel;
  if (width == 0 || height == 0) {
    width_ = height_ = 0;
    return;
  }
  stride_ = StrideFor(width, bits_per_pixel);
  data_.assign(stride_ * static_cast<size_t>(height), 0);
}

void Bitmap::SetPalette(std::vector<Color> palette) {
  if (bits_ > 8) {
    palette_.clear();
    return;
  }
  if (palette.size() > (size_t{1} << bits_)) palette.resize(size_t{1} << bits_);
  palette_ = std::move(palette);
}

Color Bitmap::Pixel(int32_t x, int32_t y) const {
  const uint8_t* row = Row(y);
  switch (bits_) {
    case 1:
    case 4:
    case 8: {
      uint8_t index = IndexAt(row, x, bits_);
      return index < palette_.size() ? palette_[index] : kBlack;
    }
    case 16: {
      unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
      return Rgb(Expand5((v >> 10) & 31), Expand5((v >> 5) & 31), Expand5(v & 31));
    }
    case 24: return Rgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    default: return Rgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
  }
}

void Bitmap::SetPixel(int32_t x, int32_t y, Color c) {
  uint8_t* row = Row(y);
  size_t step = bits_ == 32 ? 4 : 3;
  if (bits_ != 24 && bits_ != 32) throw ImageError("SetPixel needs a 24 or 32-bit picture");
  uint8_t* p = row + static_cast<size_t>(x) * step;
  p[0] = Blue(c);
  p[1] = Green(c);
  p[2] = Red(c);
}

void Bitmap::Fill(Color c) {
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) SetPixel(x, y, c);
}

Bitmap Bitmap::ToBgr24() const {
  if (bits_ == 24) return *this;
  Bitmap out(width_, height_, 24);
  for (int32_t y = 0; y < height_; ++y) {
    const uint8_t* src = Row(y);
    uint8_t* dst = out.Row(y);
    if (bits_ == 32) {
      for (int32_t x = 0; x < width_; ++x) {
        dst[3 * x] = src[4 * x];
        dst[3 * x + 1] = src[4 * x + 1];
        dst[3 * x + 2] = src[4 * x + 2];
      }
      continue;
    }
    for (int32_t x = 0; x < width_; ++x) {
      Color c = Pixel(x, y);
      dst[3 * x] = Blue(c);
      dst[3 * x + 1] = Green(c);
      dst[3 * x + 2] = Red(c);
    }
  }
  return out;
}

Bitmap Bitmap::ConvertTo(int bits) const {
  if (bits == bits_) return *this;
  if (bits == 24) return ToBgr24();
  if (bits != 32) throw ImageError("不支持的颜色深度转换");
  Bitmap src = ToBgr24();
  Bitmap out(width_, height_, 32);
  for (int32_t y = 0; y < height_; ++y) {
    const uint8_t* s = src.Row(y);
    uint8_t* d = out.Row(y);
    for (int32_t x = 0; x < width_; ++x) {
      d[4 * x] = s[3 * x];
      d[4 * x + 1] = s[3 * x + 1];
      d[4 * x + 2] = s[3 * x + 2];
    }
  }
  return out;
}

bool operator==(const Bitmap& a, const Bitmap& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_ || a.bits_ != b.bits_ || a.palette_ != b.palette_)
    return false;
  size_t used = (static_cast<size_t>(a.width_) * a.bits_ + 7) / 8;
  for (int32_t y = 0; y < a.height_; ++y) {
    size_t full = a.bits_ < 8 && (a.width_ * a.bits_) % 8 ? used - 1 : used;
    if (std::memcmp(a.Row(y), b.Row(y), full) != 0) return false;
    if (full != used) {
      int spare = 8 - (a.width_ * a.bits_) % 8;
      uint8_t mask = static_cast<uint8_t>(0xFF << spare);
      if ((a.Row(y)[full] & mask) != (b.Row(y)[full] & mask)) return false;
    }
  }
  return true;
}

}  // namespace gfx
