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

Region::Region() : impl_(std::make_unique<Impl>()) {}

Region::Region(const Rect& rect) : Region() { Union(rect); }

Region::Region(const std::vector<Rect>& rects) : Region() {
  std::vector<pixman_box32_t> boxes;
  boxes.reserve(rects.size());
  for (const Rect& r : rects)
    if (!r.IsEmpty()) boxes.push_back({r.left, r.top, r.right, r.bottom});
  if (boxes.empty()) return;
  // init_rects needs banded input; unioning them one by one is always correct.
  for (const auto& b : boxes) {
    pixman_region32_union_rect(&impl_->r, &impl_->r, b.x1, b.y1, static_cast<unsigned>(b.x2 - b.x1),
                               static_cast<unsigned>(b.y2 - b.y1));
  }
}

Region Region::FromRects(const Rect* rects, size_t count) {
  std::vector<pixman_box32_t> boxes;
  boxes.reserve(count);
  for (size_t i = 0; i < count; ++i)
    if (!rects[i].IsEmpty()) boxes.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  Region out;
  if (boxes.empty()) return out;
  if (boxes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) throw std::bad_alloc();
  // pixman sorts and merges an arbitrary list itself (its validate pass) when given all boxes at once.
  pixman_region32_fini(&out.impl_->r);
  if (!pixman_region32_init_rects(&out.impl_->r, boxes.data(), static_cast<int>(boxes.size()))) {
    pixman_region32_init(&out.impl_->r);
    throw std::bad_alloc();
  }
  return out;
}

Region::Region(const Region& other) : Region() { pixman_region32_copy(&impl_->r, &other.impl_->r); }

Region::Region(Region&& other) noexcept : impl_(std::move(other.impl_)) {}

Region& Region::operator=(const Region& other) {
  if (this != &other) {
    if (!impl_) impl_ = std::make_unique<Impl>();
    pixman_region32_copy(&impl_->r, &other.impl_->r);
  }
  return *this;
}

Region& Region::operator=(Region&& other) noexcept {
  impl_.swap(other.impl_);
  return *this;
}

Region::~Region() = default;

bool Region::IsEmpty() const { return !impl_ || !pixman_region32_not_empty(&impl_->r); }

Rect Region::Bounds() const {
  if (IsEmpty()) return {};
  const pixman_box32_t* b = pixman_region32_extents(&impl_->r);
  return {b->x1, b->y1, b->x2, b->y2};
}

bool Region::Contains(Point p) const {
  return impl_ && pixman_region32_contains_point(&impl_->r, p.x, p.y, nullptr);
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> out;
  if (!impl_) return out;
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&impl_->r, &n);
  out.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
  return out;
}

Region& Region::Union(const Region& other) {
  pixman_region32_union(&impl_->r, &impl_->r, &other.impl_->r);
  return *this;
}

Region& Region::Union(const Rect& rect) {
  if (rect.IsEmpty()) return *this;
  pixman_region32_union_rect(&impl_->r, &impl_->r, rect.left, rect.top, static_cast<unsigned>(rect.Width()),
                             static_cast<unsigned>(rect.Height()));
  return *this;
}

Region& Region::Intersect(const Region& other) {
  pixman_region32_intersect(&impl_->r, &impl_->r, &other.impl_->r);
  return *this;
}

Region& Region::Intersect(const Rect& rect) {
  pixman_region32_t r = ToPixman(rect);
  pixman_region32_intersect(&impl_->r, &impl_->r, &r);
  pixman_region32_fini(&r);
  return *this;
}

Region& Region::Subtract(const Region& other) {
  pixman_region32_subtract(&impl_->r, &impl_->r, &other.impl_->r);
  return *this;
}

Region& Region::Offset(int32_t dx, int32_t dy) {
  pixman_region32_translate(&impl_->r, dx, dy);
  return *this;
}

bool operator==(const Region& a, const Region& b) {
  return pixman_region32_equal(&a.impl_->r, &b.impl_->r);
}

}  // namespace gfx
