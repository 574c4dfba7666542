// Morphs and effects on whole rows of a 24-bit picture.
#include "skin/render/TskEffectBmp.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "gfx/Blit.h"

namespace skin {

namespace {

constexpr double kRoundShift = 6755399441055744.0;  // 1.5 * 2^52

// Rounds to the nearest integer, halves to even: adding 1.5 * 2^52 leaves no bits below the units,
// the default rounding mode resolves a tie to the even neighbour, and the integer then sits in the
// low bits of the sum. Exact for |v| < 2^31, far beyond any channel computation, and much cheaper
// than a library call.
inline int32_t RoundToInt(double v) {
  const double shifted = v + kRoundShift;
  uint64_t bits;
  std::memcpy(&bits, &shifted, sizeof bits);
  return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

inline uint8_t ToChannel(double v) { return static_cast<uint8_t>(std::clamp(RoundToInt(v), 0, 255)); }

double Clamp01(double k) {
  if (!(k > 0)) return 0;  // also NaN
  return k > 1 ? 1 : k;
}

// n[i] = Round(wn·n[i] + wa·a[i]) over count channel bytes. The weights are never negative and add
// up to 1, so every value lies in 0..255 and the rounded integer is the low byte of the shifted
// sum; the loop has no branch and vectorises.
void BlendSpan(uint8_t* __restrict n, const uint8_t* __restrict a, size_t count, double wn, double wa) {
  for (size_t i = 0; i < count; ++i) {
    const double shifted = (wn * n[i] + wa * a[i]) + kRoundShift;
    uint64_t bits;
    std::memcpy(&bits, &shifted, sizeof bits);
    n[i] = static_cast<uint8_t>(bits);
  }
}

// As BlendSpan with a pair of weights per channel byte.
void BlendSpan(uint8_t* __restrict n, const uint8_t* __restrict a, size_t count, const double* wn,
               const double* wa) {
  for (size_t i = 0; i < count; ++i) {
    const double shifted = (wn[i] * n[i] + wa[i] * a[i]) + kRoundShift;
    uint64_t bits;
    std::memcpy(&bits, &shifted, sizeof bits);
    n[i] = static_cast<uint8_t>(bits);
  }
}

// The weights of a soft edge: t starts at 0 and grows by step per pixel, held at 1.
std::vector<double> Ramp(int32_t count, double step) {
  std::vector<double> t(static_cast<size_t>(std::max(count, 0)));
  double v = 0;
  for (double& w : t) {
    w = v;
    v = std::min(1.0, v + step);
  }
  return t;
}

}  // namespace

TskEffectBmp TskEffectBmp::CreateSized(int32_t width, int32_t height) {
  return TskEffectBmp(gfx::Bitmap(width, height, 24));
}

TskEffectBmp TskEffectBmp::CreateFromBitmap(const gfx::Bitmap& bitmap) { return TskEffectBmp(bitmap.ToBgr24()); }

TskEffectBmp::TskEffectBmp(gfx::Bitmap bitmap)
    : bitmap_(bitmap.BitsPerPixel() == 24 ? std::move(bitmap) : bitmap.ToBgr24()) {}

gfx::Color TskEffectBmp::ReadPixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return gfx::kBlack;
  const uint8_t* p = bitmap_.Row(y) + static_cast<size_t>(x) * 3;
  return gfx::Rgb(p[2], p[1], p[0]);
}

void TskEffectBmp::WritePixel(int32_t x, int32_t y, gfx::Color c) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  uint8_t* p = bitmap_.Row(y) + static_cast<size_t>(x) * 3;
  p[0] = gfx::Blue(c);
  p[1] = gfx::Green(c);
  p[2] = gfx::Red(c);
}

void TskEffectBmp::ReadRow(int32_t y, uint8_t* buffer) const {
  std::memcpy(buffer, bitmap_.Row(y), static_cast<size_t>(Width()) * 3);
}

void TskEffectBmp::WriteRow(int32_t y, const uint8_t* buffer) {
  std::memcpy(bitmap_.Row(y), buffer, static_cast<size_t>(Width()) * 3);
}

void TskEffectBmp::DrawTo(gfx::Bitmap& surface, int32_t x, int32_t y) const {
  gfx::CopyRect(surface, {x, y}, bitmap_, bitmap_.Bounds());
}

bool TskEffectBmp::SameSize(const TskEffectBmp& other) const {
  return Width() == other.Width() && Height() == other.Height() && !bitmap_.IsEmpty();
}

void TskEffectBmp::BlendColumns(const TskEffectBmp& active, const double* t, int32_t x_from, int32_t x_to) {
  if (x_from > x_to) return;
  const size_t count = static_cast<size_t>(x_to - x_from + 1) * 3;
  // Each column's weights repeated for its three channels, so the row loop runs over bytes.
  std::vector<double> wn(count), wa(count);
  for (size_t i = 0; i < count; ++i) {
    wn[i] = t[i / 3];
    wa[i] = 1.0 - t[i / 3];
  }
  for (int32_t y = 0; y < Height(); ++y)
    BlendSpan(bitmap_.Row(y) + static_cast<size_t>(x_from) * 3, active.bitmap_.Row(y) + static_cast<size_t>(x_from) * 3,
              count, wn.data(), wa.data());
}

// Columns x_from..x_to (inclusive) take the active image's columns from from_x on.
void TskEffectBmp::TakeColumns(const TskEffectBmp& active, int32_t x_from, int32_t x_to, int32_t from_x) {
  if (x_from > x_to) return;
  const size_t bytes = static_cast<size_t>(x_to - x_from + 1) * 3;
  for (int32_t y = 0; y < Height(); ++y)
    std::memcpy(bitmap_.Row(y) + static_cast<size_t>(x_from) * 3,
                active.bitmap_.Row(y) + static_cast<size_t>(from_x) * 3, bytes);
}

bool TskEffectBmp::Morph(int kind, const TskEffectBmp& active, double k) {
  switch (kind) {
    case 0: MorphBlend(active, k); return true;
    case 1: MorphGradient(active, k); return true;
    case 2: MorphLeftGradient(active, k); return true;
    case 3: MorphRightGradient(active, k); return true;
    case 4: MorphLeftSlide(active, k); return true;
    case 5: MorphRightSlide(active, k); return true;
    case 6: MorphPush(active, k); return true;
    default: return false;
  }
}

void TskEffectBmp::MorphBlend(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphBlend(TskEffectBmp(bitmap_), k);  // the row loops need two images
  k = Clamp01(k);
  const size_t count = static_cast<size_t>(Width()) * 3;
  for (int32_t y = 0; y < Height(); ++y) BlendSpan(bitmap_.Row(y), active.bitmap_.Row(y), count, 1.0 - k, k);
}

void TskEffectBmp::MorphGradient(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphGradient(TskEffectBmp(bitmap_), k);  // the row loops need two images
  k = Clamp01(k);
  const int32_t w = Width(), h = Height();
  if (w < h) {
    // Rows: a fully active band in the middle, soft edges above and below.
    const int32_t b = RoundToInt(h * k);
    const int32_t d = (h - 1 - b) / 2;
    const double step = d == 0 ? 0.0 : 1.0 / d;
    const int32_t c = b / 2, m = h / 2;
    const int32_t top = std::max(0, m - c), bottom = std::min(h - 1, m + c);
    const size_t row_bytes = static_cast<size_t>(w) * 3;
    for (int32_t y = top; y <= bottom; ++y) std::memcpy(bitmap_.Row(y), active.bitmap_.Row(y), row_bytes);
    const std::vector<double> up = Ramp(top + 1, step), down = Ramp(h - bottom, step);
    for (int32_t y = top; y >= 0; --y)
      BlendSpan(bitmap_.Row(y), active.bitmap_.Row(y), row_bytes, up[static_cast<size_t>(top - y)],
                1.0 - up[static_cast<size_t>(top - y)]);
    for (int32_t y = bottom; y < h; ++y)
      BlendSpan(bitmap_.Row(y), active.bitmap_.Row(y), row_bytes, down[static_cast<size_t>(y - bottom)],
                1.0 - down[static_cast<size_t>(y - bottom)]);
    return;
  }
  const int32_t a = RoundToInt(w * k);
  const int32_t b = (w - a) / 2;
  const double step = b == 0 ? 1.0 : 1.0 / b;
  const int32_t c = a / 2, m = w / 2;
  const int32_t left = std::max(0, m - c), right = std::min(w - 1, m + c);
  TakeColumns(active, left, right, left);
  // The left ramp is stored from column 0 up, so column x (<= left) has weight ramp[left - x].
  const std::vector<double> ramp_left = Ramp(left + 1, step);
  std::vector<double> t(static_cast<size_t>(left + 1));
  for (int32_t x = 0; x <= left; ++x) t[static_cast<size_t>(x)] = ramp_left[static_cast<size_t>(left - x)];
  BlendColumns(active, t.data(), 0, left);
  const std::vector<double> ramp_right = Ramp(w - right, step);
  BlendColumns(active, ramp_right.data(), right, w - 1);
}

void TskEffectBmp::MorphLeftGradient(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphLeftGradient(TskEffectBmp(bitmap_), k);  // the row loops need two images
  const int32_t w = Width();
  const int32_t a = std::max(1, std::min(w - 1, RoundToInt(w * Clamp01(k))));
  const int32_t last = std::min(a, w - 1);
  std::vector<double> t(static_cast<size_t>(last + 1));
  for (int32_t x = 0; x <= last; ++x) t[static_cast<size_t>(x)] = std::min(1.0, static_cast<double>(x) / a);
  BlendColumns(active, t.data(), 0, last);
}

void TskEffectBmp::MorphRightGradient(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphRightGradient(TskEffectBmp(bitmap_), k);  // the row loops need two images
  const int32_t w = Width();
  const int32_t a = std::max(0, std::min(w - 1, w - RoundToInt(w * Clamp01(k))));
  const double step = w - a <= 0 ? 1.0 : 1.0 / (w - a);
  // The ramp runs from the right edge leftwards: column x has weight ramp[w - 1 - x].
  const std::vector<double> ramp = Ramp(w - a, step);
  std::vector<double> t(ramp.size());
  for (int32_t x = a; x < w; ++x) t[static_cast<size_t>(x - a)] = ramp[static_cast<size_t>(w - 1 - x)];
  BlendColumns(active, t.data(), a, w - 1);
}

void TskEffectBmp::MorphLeftSlide(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphLeftSlide(TskEffectBmp(bitmap_), k);  // the row loops need two images
  const int32_t w = Width();
  const int32_t b = std::max(1, std::min(w - 1, RoundToInt(w * Clamp01(k))));
  TakeColumns(active, 0, b - 1, w - b);
}

void TskEffectBmp::MorphRightSlide(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphRightSlide(TskEffectBmp(bitmap_), k);  // the row loops need two images
  const int32_t w = Width();
  const int32_t b = std::max(1, std::min(w - 1, RoundToInt(w * Clamp01(k))));
  TakeColumns(active, w - b, w - 1, 0);
}

void TskEffectBmp::MorphPush(const TskEffectBmp& active, double k) {
  if (!SameSize(active)) return;
  if (&active == this) return MorphPush(TskEffectBmp(bitmap_), k);  // the row loops need two images
  const int32_t w = Width();
  const int32_t a = std::max(0, std::min(w - 1, RoundToInt(w * Clamp01(k))));
  // Columns a + 1 and on take N's columns from 0; column a (N's column 0) is covered by A below.
  const size_t moved = static_cast<size_t>(w - a - 1) * 3;
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* row = bitmap_.Row(y);
    std::memmove(row + static_cast<size_t>(a + 1) * 3, row, moved);
  }
  TakeColumns(active, 0, a, w - a - 1);
}

bool TskEffectBmp::ApplyInactiveEffect(int effect) {
  switch (effect) {
    case 0: Brighten(0.5); return true;
    case 1: Darken(0.3); return true;
    case 2: Grayscale(); return true;
    case 3: AddNoise(50); return true;
    case 4: SplitBlur(1); return true;
    case 5: Invert(); return true;
    default: return false;
  }
}

void TskEffectBmp::MapChannels(const uint8_t (&table)[256]) {
  const size_t count = static_cast<size_t>(Width()) * 3;
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* p = bitmap_.Row(y);
    for (size_t i = 0; i < count; ++i) p[i] = table[p[i]];
  }
}

void TskEffectBmp::Brighten(double k) {
  k = Clamp01(k);
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = ToChannel((1.0 - k) * v + 255.0 * k);
  MapChannels(table);
}

void TskEffectBmp::Darken(double k) {
  k = Clamp01(k);
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = ToChannel((1.0 - k) * v);
  MapChannels(table);
}

void TskEffectBmp::Invert() {
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = static_cast<uint8_t>(255 - v);
  MapChannels(table);
}

void TskEffectBmp::Grayscale() {
  // The three products are the same doubles whether looked up or multiplied per pixel.
  double red[256], green[256], blue[256];
  for (int v = 0; v < 256; ++v) {
    red[v] = 0.3 * v;
    green[v] = 0.59 * v;
    blue[v] = 0.11 * v;
  }
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* p = bitmap_.Row(y);
    for (int32_t x = 0; x < Width(); ++x, p += 3) {
      const uint8_t g = ToChannel(red[p[2]] + green[p[1]] + blue[p[0]]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TskEffectBmp::AddNoise(int amount) {
  std::minstd_rand engine(20061122u);
  AddNoise(amount, [&engine](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); });
}

void TskEffectBmp::AddNoise(int amount, const NoiseSource& random) {
  if (amount <= 0) return;
  const int half = amount / 2;
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* p = bitmap_.Row(y);
    for (int32_t x = 0; x < Width(); ++x, p += 3) {
      const int n = random(amount) - half;
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(std::clamp(p[c] + n, 0, 255));
    }
  }
}

void TskEffectBmp::SplitBlur(int amount) {
  if (amount <= 0 || bitmap_.IsEmpty()) return;
  const int32_t w = Width(), h = Height();
  // The four neighbours' columns per x, each replaced by x itself off the picture.
  std::vector<size_t> left(static_cast<size_t>(w)), right(static_cast<size_t>(w));
  for (int32_t x = 0; x < w; ++x) {
    left[static_cast<size_t>(x)] = static_cast<size_t>(x - amount >= 0 ? x - amount : x) * 3;
    right[static_cast<size_t>(x)] = static_cast<size_t>(x + amount < w ? x + amount : x) * 3;
  }
  // Each row is built in the buffer from rows of the picture (those above already blurred), then
  // written back.
  std::vector<uint8_t> buffer(static_cast<size_t>(w) * 3);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* up = bitmap_.Row(y - amount >= 0 ? y - amount : y);
    const uint8_t* down = bitmap_.Row(y + amount < h ? y + amount : y);
    uint8_t* out = buffer.data();
    for (int32_t x = 0; x < w; ++x, out += 3) {
      const size_t l = left[static_cast<size_t>(x)], r = right[static_cast<size_t>(x)];
      for (int c = 0; c < 3; ++c)
        out[c] = static_cast<uint8_t>((up[l + c] + up[r + c] + down[l + c] + down[r + c]) / 4);
    }
    WriteRow(y, buffer.data());
  }
}

void TskEffectBmp::RotateLeftInto(TskEffectBmp& target) const {
  const int32_t w = Width(), h = Height();
  if (target.Width() != h || target.Height() != w || target.bitmap_.BitsPerPixel() != 24)
    target.bitmap_ = gfx::Bitmap(h, w, 24);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* src = bitmap_.Row(y);
    for (int32_t x = 0; x < w; ++x) std::memcpy(target.bitmap_.Row(w - 1 - x) + static_cast<size_t>(y) * 3, src + x * 3, 3);
  }
}

void TskEffectBmp::RotateRightInto(TskEffectBmp& target) const {
  const int32_t w = Width(), h = Height();
  if (target.Width() != h || target.Height() != w || target.bitmap_.BitsPerPixel() != 24)
    target.bitmap_ = gfx::Bitmap(h, w, 24);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* src = bitmap_.Row(y);
    const size_t col = static_cast<size_t>(h - 1 - y) * 3;
    for (int32_t x = 0; x < w; ++x) std::memcpy(target.bitmap_.Row(x) + col, src + x * 3, 3);
  }
}

}  // namespace skin
