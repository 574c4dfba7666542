// Skin pictures with a simple first-fit packer.
#include "Sheet.h"

#include <stdexcept>

namespace skingen {

namespace {
constexpr int32_t kGap = 2;
}

Sheet::Sheet(int32_t width, int32_t height, gfx::Color background)
    : picture_(width, height, 24), painter_(picture_), background_(background) {
  picture_.Fill(background);
}

gfx::Rect Sheet::Reserve(const gfx::Rect& r) {
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
      if (IsFree(r)) return Reserve(r);
    }
  }
  throw std::runtime_error("skin sheet is full");
}

}  // namespace skingen
