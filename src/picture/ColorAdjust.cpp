// Colour adjustment routines: row by row over blue-green-red pixels, with lookup tables.
#include "picture/ColorAdjust.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "picture/Progress.h"

namespace picture {

namespace {

void Ensure24(gfx::Bitmap& bitmap) {
  if (bitmap.BitsPerPixel() != 24) bitmap = bitmap.ToBgr24();
}

// Reads a picture at 24 bits without copying one that already is.
class Bgr24View {
 public:
  explicit Bgr24View(const gfx::Bitmap& b) : picture_(b.BitsPerPixel() == 24 ? &b : nullptr) {
    if (!picture_) {
      converted_ = b.ToBgr24();
      picture_ = &converted_;
    }
  }
  Bgr24View(const Bgr24View&) = delete;
  Bgr24View& operator=(const Bgr24View&) = delete;
  const gfx::Bitmap& get() const { return *picture_; }

 private:
  const gfx::Bitmap* picture_;
  gfx::Bitmap converted_;
};

void PrepareDestination(const gfx::Bitmap& source, gfx::Bitmap& destination) {
  if (destination.BitsPerPixel() != 24 || destination.Width() < source.Width() ||
      destination.Height() < source.Height())
    destination = gfx::Bitmap(source.Width(), source.Height(), 24);
}

// A 256-entry table per channel value, applied to every byte of every row.
using ChannelTable = std::array<uint8_t, 256>;

ChannelTable ContrastTable(int a) {
  ChannelTable t{};
  for (int c = 0; c < 256; ++c) {
    if (a > 0) {
      int h = a / 2;
      t[c] = static_cast<uint8_t>(c >= 128 ? std::min(255, c + h) : std::max(0, c - h));
    } else {
      int d = (std::abs(127 - c) * a) / 255;  // truncates toward zero, d <= 0
      t[c] = static_cast<uint8_t>(c > 127 ? ClampByte(c + d) : ClampByte(c - d));
    }
  }
  return t;
}

ChannelTable ShiftTable(int offset) {
  ChannelTable t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>(ClampByte(c + offset));
  return t;
}

// The saturation tables: T[i] = floor(i * a / 256) and D[s] = s div 3 - T[s div 3] for a channel
// sum s, so each channel becomes D[R + G + B] + T[c].
struct SaturationTables {
  std::array<int16_t, 256> t{};
  std::array<int16_t, 768> d{};
  explicit SaturationTables(int a) {
    for (int i = 0; i < 256; ++i) t[i] = static_cast<int16_t>((i * a) >> 8);  // arithmetic shift: floor
    for (int j = 0; j < 768; ++j) d[j] = static_cast<int16_t>(j / 3 - t[j / 3]);
  }
};

void SaturateRow(const uint8_t* src, uint8_t* dst, int32_t width, const SaturationTables& s) {
  for (int32_t x = 0; x < width; ++x, src += 3, dst += 3) {
    int b = src[0], g = src[1], r = src[2];
    int d = s.d[r + g + b];
    dst[0] = static_cast<uint8_t>(ClampByte(d + s.t[b]));
    dst[1] = static_cast<uint8_t>(ClampByte(d + s.t[g]));
    dst[2] = static_cast<uint8_t>(ClampByte(d + s.t[r]));
  }
}

void ShiftRow(const uint8_t* src, uint8_t* dst, int32_t width, const ChannelTable& tr, const ChannelTable& tg,
              const ChannelTable& tb) {
  for (int32_t x = 0; x < width; ++x, src += 3, dst += 3) {
    dst[0] = tb[src[0]];
    dst[1] = tg[src[1]];
    dst[2] = tr[src[2]];
  }
}

}  // namespace

void AdjustContrast(gfx::Bitmap& bitmap, int amount) {
  Ensure24(bitmap);
  ChannelTable t = ContrastTable(amount);
  const size_t bytes = static_cast<size_t>(bitmap.Width()) * 3;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.Row(y);
    for (size_t i = 0; i < bytes; ++i) row[i] = t[row[i]];
  }
}

void AdjustSaturation(gfx::Bitmap& bitmap, int amount, Progress* progress) {
  Ensure24(bitmap);
  SaturationTables tables(amount);
  if (progress) {
    progress->SetPosition(0);
    progress->SetMax(bitmap.Height() - 1);
  }
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    SaturateRow(bitmap.Row(y), bitmap.Row(y), bitmap.Width(), tables);
    if (progress) progress->SetPosition(y);
  }
}

void PreviewSaturation(const gfx::Bitmap& source, gfx::Bitmap& destination, int amount) {
  Bgr24View view(source);
  const gfx::Bitmap& src = view.get();
  PrepareDestination(src, destination);
  SaturationTables tables(amount);
  for (int32_t y = 0; y < src.Height(); ++y) SaturateRow(src.Row(y), destination.Row(y), src.Width(), tables);
}

void ShiftRGB(gfx::Bitmap& bitmap, int red, int green, int blue, Progress* progress) {
  Ensure24(bitmap);
  ChannelTable tr = ShiftTable(red), tg = ShiftTable(green), tb = ShiftTable(blue);
  if (progress) progress->SetMax(bitmap.Height() - 1);
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    ShiftRow(bitmap.Row(y), bitmap.Row(y), bitmap.Width(), tr, tg, tb);
    if (progress) progress->SetPosition(y);
  }
}

void PreviewShiftRGB(const gfx::Bitmap& source, gfx::Bitmap& destination, int red, int green, int blue) {
  Bgr24View view(source);
  const gfx::Bitmap& src = view.get();
  PrepareDestination(src, destination);
  ChannelTable tr = ShiftTable(red), tg = ShiftTable(green), tb = ShiftTable(blue);
  for (int32_t y = 0; y < src.Height(); ++y) ShiftRow(src.Row(y), destination.Row(y), src.Width(), tr, tg, tb);
}

}  // namespace picture
