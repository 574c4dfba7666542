// A skin picture being drawn: its pixels, a painter, and a packer that finds room for new pieces.
#pragma once

#include <cstdint>
#include <vector>

#include "Painter.h"
#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace skingen {

class Sheet {
 public:
  Sheet(int32_t width, int32_t height, gfx::Color background);

  gfx::Bitmap& Picture() { return picture_; }
  Painter& Paint() { return painter_; }
  gfx::Color Background() const { return background_; }

  // Marks a rectangle whose place is fixed, so that Place never puts anything there. Throws when
  // the rectangle is empty, does not lie wholly on the sheet or overlaps a piece already there: two
  // pieces drawn over each other would spoil both without a word.
  gfx::Rect Reserve(const gfx::Rect& r);
  // The first free w x h place, scanning rows from the top and each row from the left, with a
  // 2-pixel gap to every other piece. Throws when the sheet is full.
  gfx::Rect Place(int32_t w, int32_t h);

 private:
  bool IsFree(const gfx::Rect& r) const;

  gfx::Bitmap picture_;
  Painter painter_;
  gfx::Color background_;
  std::vector<gfx::Rect> used_;
};

}  // namespace skingen
