// Pixel loops shared by the canvas's drawing files: clipped fills and coverage blending.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Canvas.h"

namespace gfx {

// 8-bit coverage over a rectangle of the bitmap, row after row (bounds.Width() bytes a row).
struct CoverageMask {
  Rect bounds;
  std::vector<uint8_t> coverage;
};

class CanvasPainter {
 public:
  static const std::vector<Rect>& ClipRects(const Canvas& c) { return c.state_.clip_rects; }
  // Replaces the clip by region (bitmap coordinates) limited to the bitmap.
  static void SetClip(Canvas& c, Region region);
  // Canvas coordinates to bitmap coordinates, saturating far outside any bitmap instead of overflowing.
  static Rect ToBitmap(const Canvas& c, const Rect& r);
  static Point ToBitmap(const Canvas& c, Point p);
  // Draws with the pen from a to b (canvas coordinates), end point excluded.
  static void Line(Canvas& c, Point a, Point b);
  // Applies the pen to the listed pixels (bitmap coordinates, each listed once), honouring its
  // width and dot style.
  static void PenPoints(Canvas& c, const std::vector<Point>& points);
  // Applies the pen's raster operation to region (bitmap coordinates) within the clip.
  static void PenRegion(Canvas& c, const Region& region);
  // r in bitmap coordinates; limited to the clip.
  static void FillBitmapRect(Canvas& c, const Rect& r, Color color);
  // Mixes color into the bitmap by the mask's coverage, within the clip and within limit (bitmap
  // coordinates).
  static void BlendMask(Canvas& c, const CoverageMask& mask, Color color, const Rect& limit);
};

}  // namespace gfx
