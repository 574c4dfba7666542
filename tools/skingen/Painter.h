// Anti-aliased shapes and gradients drawn onto a 24-bit picture, for drawing skin pieces from code.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace skingen {

// Every shape is sampled 4 x 4 times per pixel and blended over what is already there, so edges
// come out smooth against the background the piece is drawn on.
class Painter {
 public:
  explicit Painter(gfx::Bitmap& target) : target_(target) {}

  void Fill(const gfx::Rect& r, gfx::Color c);
  // A top-to-bottom gradient over the rectangle (first row `top`, last row `bottom`).
  void VerticalGradient(const gfx::Rect& r, gfx::Color top, gfx::Color bottom);
  void HorizontalGradient(const gfx::Rect& r, gfx::Color left, gfx::Color right);

  // A rounded rectangle filled with a vertical gradient; `radius` 0 gives square corners. Only the
  // corners listed in `corners` (bit 1 top-left, 2 top-right, 4 bottom-right, 8 bottom-left) round.
  void RoundRect(const gfx::Rect& r, double radius, gfx::Color top, gfx::Color bottom, int corners = 15);
  // The outline `width` pixels wide just inside a rounded rectangle.
  void RoundFrame(const gfx::Rect& r, double radius, double width, gfx::Color c, int corners = 15);
  // A round-capped line of the given width between two points in pixel coordinates (pixel centres
  // lie at .5).
  void Line(double x0, double y0, double x1, double y1, double width, gfx::Color c);
  void Disc(double cx, double cy, double radius, gfx::Color c);
  void Ring(double cx, double cy, double radius, double width, gfx::Color c);

  // Mixes `c` into one pixel with opacity `alpha` (0..1).
  void Blend(int32_t x, int32_t y, gfx::Color c, double alpha);

 private:
  template <class Inside>
  void Cover(const gfx::Rect& bounds, gfx::Color c, Inside inside);

  gfx::Bitmap& target_;
};

gfx::Color Mix(gfx::Color a, gfx::Color b, double t);

}  // namespace skingen
