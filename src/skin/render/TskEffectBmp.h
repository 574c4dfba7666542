// A 24-bit picture with in-place morphs (fades between two images) and inactive-frame effects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"

namespace skin {

// Conventions of every operation: the object itself is the normal image N, `active` the active image
// A, k the morph factor (0: all N, 1: all A). Channel values are computed per channel in double
// precision, rounded to the nearest integer with halves going to the even neighbour, and clamped to
// 0..255. A morph does nothing unless both images have the same size. k is held to 0..1, so no
// factor moves a column index off the image.
class TskEffectBmp {
 public:
  // Morph kinds by their stored values (0 mkdefault to 6 mkpush) and inactive effects by theirs
  // (0 iebrightness to 5 ieinvert).
  static constexpr int kMorphKinds = 7;
  static constexpr int kInactiveEffects = 6;

  // Returns a value in 0..amount - 1 for each pixel of AddNoise.
  using NoiseSource = std::function<int(int amount)>;

  // A width x height picture, black.
  static TskEffectBmp CreateSized(int32_t width, int32_t height);
  // A copy of any picture converted to 24 bits.
  static TskEffectBmp CreateFromBitmap(const gfx::Bitmap& bitmap);
  // Takes the picture over (converted to 24 bits first when it has another depth).
  explicit TskEffectBmp(gfx::Bitmap bitmap);

  int32_t Width() const { return bitmap_.Width(); }
  int32_t Height() const { return bitmap_.Height(); }
  size_t MemorySize() const { return bitmap_.ByteSize(); }
  const gfx::Bitmap& Bitmap() const { return bitmap_; }
  gfx::Bitmap TakeBitmap() { return std::move(bitmap_); }

  // Outside the picture ReadPixel gives black and WritePixel does nothing.
  gfx::Color ReadPixel(int32_t x, int32_t y) const;
  void WritePixel(int32_t x, int32_t y, gfx::Color c);
  // 3 x width bytes of row y, out of or into buffer.
  void ReadRow(int32_t y, uint8_t* buffer) const;
  void WriteRow(int32_t y, const uint8_t* buffer);
  uint8_t* RowPointer(int32_t y) { return bitmap_.Row(y); }
  const uint8_t* RowPointer(int32_t y) const { return bitmap_.Row(y); }
  // Copies the whole picture unscaled onto surface (24-bit) with its top-left corner at (x, y).
  void DrawTo(gfx::Bitmap& surface, int32_t x, int32_t y) const;

  // Runs the morph of the stored kind; false (and nothing done) for an unknown kind.
  bool Morph(int kind, const TskEffectBmp& active, double k);
  // Every pixel becomes (1 - k)·N + k·A.
  void MorphBlend(const TskEffectBmp& active, double k);
  // The active image opens from the middle with soft edges: across when the picture is at least as
  // wide as high, otherwise from top to bottom.
  void MorphGradient(const TskEffectBmp& active, double k);
  // Fully A at the left edge fading to N at column Round(W·k).
  void MorphLeftGradient(const TskEffectBmp& active, double k);
  // Fully A at the right edge fading towards N over Round(W·k) columns.
  void MorphRightGradient(const TskEffectBmp& active, double k);
  // The right end of A, Round(W·k) columns wide, over the left of N.
  void MorphLeftSlide(const TskEffectBmp& active, double k);
  // The left end of A, Round(W·k) columns wide, over the right of N.
  void MorphRightSlide(const TskEffectBmp& active, double k);
  // A pushes in from the left and shoves N out to the right.
  void MorphPush(const TskEffectBmp& active, double k);

  // Runs the inactive effect of the stored value with the frame's parameters (brighten 0.5,
  // darken 0.3, noise 50, split blur 1); false (and nothing done) for an unknown value.
  bool ApplyInactiveEffect(int effect);
  void Brighten(double k);  // v -> (1 - k)·v + 255·k
  void Darken(double k);    // v -> (1 - k)·v
  void Grayscale();         // all three -> 0.3·red + 0.59·green + 0.11·blue
  void Invert();            // v -> 255 - v
  // Adds r - amount div 2 to the three channels of each pixel, r drawn per pixel in row order.
  // The default source is a fixed-seed generator, so an inactive frame looks the same on every paint.
  void AddNoise(int amount);
  void AddNoise(int amount, const NoiseSource& random);
  // Each pixel becomes the average of its four diagonal neighbours at distance amount, rows worked
  // in place from the top (rows above are read already blurred). A neighbour off the picture is
  // replaced by the pixel's own row or column. Nothing for an amount of 0 or less.
  void SplitBlur(int amount);

  // Quarter turns into target, which is made height x width: counter-clockwise, pixel (x, y) to
  // (y, W - 1 - x); clockwise, pixel (x, y) to (H - 1 - y, x).
  void RotateLeftInto(TskEffectBmp& target) const;
  void RotateRightInto(TskEffectBmp& target) const;

 private:
  bool SameSize(const TskEffectBmp& other) const;
  void MapChannels(const uint8_t (&table)[256]);
  void BlendColumns(const TskEffectBmp& active, const double* t, int32_t x_from, int32_t x_to);
  void TakeColumns(const TskEffectBmp& active, int32_t x_from, int32_t x_to, int32_t from_x);

  gfx::Bitmap bitmap_;
};

}  // namespace skin
