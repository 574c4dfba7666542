// Region on pixman's region32.
#include "gfx/Region.h"

#include <pixman.h>

#include <limits>
#include <new>

namespace gfx {

struct Region::Impl {
  pixman_region32_t r;
  Impl() { pixman_region32_init(&r); }
  ~Impl() { pixman_region32_fini(&r); }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;
};

namespace {

pixman_region32_t ToPixman(const Rect& rect) {
  pixman_region32_t r;
  if (rect.IsEmpty())
    pixman_region32_init(&r);
  else
    pixman_region32_init_rect(&r, rect.left, rect.top, static_cast<unsigned>(rect.Width()),
                              static_cast<unsigned>(rect.Height()));
  return r;
}

}  // namespace

const Region::Impl& Region::Read() const {
  // Never changed after its construction, so every thread may read it.
  static const Impl kEmpty;
  return impl_ ? *impl_ : kEmpty;
}

Region::Impl& Region::Write() {
  if (!impl_) impl_ = std::make_unique<Impl>();
  return *impl_;
}

Region::Region() noexcept = default;

Region::Region(const Rect& rect) { Union(rect); }

Region::Region(const std::vector<Rect>& rects) : Region(FromRects(rects.data(), rects.size())) {}

Region Region::FromRects(const Rect* rects, size_t count) {
  std::vector<pixman_box32_t> boxes;
  boxes.reserve(count);
  for (size_t i = 0; i < count; ++i)
    if (!rects[i].IsEmpty()) boxes.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  Region out;
  if (boxes.empty()) return out;
  if (boxes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) throw std::bad_alloc();
  // pixman sorts and merges an arbitrary list itself (its validate pass) when given all boxes at once.
  pixman_region32_t& r = out.Write().r;
  pixman_region32_fini(&r);
  if (!pixman_region32_init_rects(&r, boxes.data(), static_cast<int>(boxes.size()))) {
    pixman_region32_init(&r);
    throw std::bad_alloc();
  }
  return out;
}

Region::Region(const Region& other) {
  if (other.impl_) pixman_region32_copy(&Write().r, &other.impl_->r);
}

Region::Region(Region&& other) noexcept : impl_(std::move(other.impl_)) {}

Region& Region::operator=(const Region& other) {
  if (this != &other) pixman_region32_copy(&Write().r, &other.Read().r);
  return *this;
}

Region& Region::operator=(Region&& other) noexcept {
  if (this != &other) impl_ = std::move(other.impl_);  // `other` is left empty
  return *this;
}

Region::~Region() = default;

bool Region::IsEmpty() const { return !pixman_region32_not_empty(&Read().r); }

Rect Region::Bounds() const {
  if (IsEmpty()) return {};
  const pixman_box32_t* b = pixman_region32_extents(&Read().r);
  return {b->x1, b->y1, b->x2, b->y2};
}

bool Region::Contains(Point p) const {
  return pixman_region32_contains_point(&Read().r, p.x, p.y, nullptr);
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> out;
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&Read().r, &n);
  out.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
  return out;
}

Region& Region::Union(const Region& other) {
  pixman_region32_t& r = Write().r;
  pixman_region32_union(&r, &r, &other.Read().r);
  return *this;
}

Region& Region::Union(const Rect& rect) {
  if (rect.IsEmpty()) return *this;
  pixman_region32_t& r = Write().r;
  pixman_region32_union_rect(&r, &r, rect.left, rect.top, static_cast<unsigned>(rect.Width()),
                             static_cast<unsigned>(rect.Height()));
  return *this;
}

Region& Region::Intersect(const Region& other) {
  pixman_region32_t& r = Write().r;
  pixman_region32_intersect(&r, &r, &other.Read().r);
  return *this;
}

Region& Region::Intersect(const Rect& rect) {
  pixman_region32_t clip = ToPixman(rect);
  pixman_region32_t& r = Write().r;
  pixman_region32_intersect(&r, &r, &clip);
  pixman_region32_fini(&clip);
  return *this;
}

Region& Region::Subtract(const Region& other) {
  pixman_region32_t& r = Write().r;
  pixman_region32_subtract(&r, &r, &other.Read().r);
  return *this;
}

Region& Region::Offset(int32_t dx, int32_t dy) {
  if (impl_) pixman_region32_translate(&impl_->r, dx, dy);
  return *this;
}

bool operator==(const Region& a, const Region& b) {
  // pixman compares the extents too, and an emptied region keeps a position in them; every empty
  // region is the same set of pixels.
  if (a.IsEmpty() && b.IsEmpty()) return true;
  return pixman_region32_equal(&a.Read().r, &b.Read().r);
}

}  // namespace gfx
