// Skin pictures with a simple first-fit packer.
#include "Sheet.h"

#include <stdexcept>
#include <string>

namespace skingen {

namespace {

constexpr int32_t kGap = 2;

std::string Text(const gfx::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

}  // namespace

Sheet::Sheet(int32_t width, int32_t height, gfx::Color background)
    : picture_(width, height, 24), painter_(picture_), background_(background) {
  picture_.Fill(background);
}

gfx::Rect Sheet::Reserve(const gfx::Rect& r) {
  if (r.IsEmpty() || r.left < 0 || r.top < 0 || r.right > picture_.Width() || r.bottom > picture_.Height())
    throw std::logic_error("skin piece " + Text(r) + " does not lie on its " + std::to_string(picture_.Width()) +
                           " x " + std::to_string(picture_.Height()) + " sheet");
  for (const gfx::Rect& u : used_) {
    if (!r.Intersect(u).IsEmpty()) throw std::logic_error("skin piece " + Text(r) + " overlaps piece " + Text(u));
  }
  used_.push_back(r);
  return r;
}

bool Sheet::IsFree(const gfx::Rect& r) const {
  if (r.left < 0 || r.top < 0 || r.right > picture_.Width() || r.bottom > picture_.Height()) return false;
  const gfx::Rect grown{r.left - kGap, r.top - kGap, r.right + kGap, r.bottom + kGap};
  for (const gfx::Rect& u : used_) {
    if (!grown.Intersect(u).IsEmpty()) return false;
  }
  return true;
}

gfx::Rect Sheet::Place(int32_t w, int32_t h) {
  for (int32_t y = 1; y + h <= picture_.Height(); ++y) {
    for (int32_t x = 1; x + w <= picture_.Width(); ++x) {
      const gfx::Rect r = gfx::Rect::FromSize(x, y, w, h);
      if (IsFree(r)) {
        used_.push_back(r);
        return r;
      }
    }
  }
  throw std::runtime_error("skin sheet is full");
}

}  // namespace skingen
