// The process-wide backend, work-area lookup and the shared move/size step.
#include "platform/Backend.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace platform {

std::vector<Event> ActivationChangeEvents(SurfaceId old_active, SurfaceId new_active) {
  std::vector<Event> events;
  Event e;
  if (old_active != kNoSurface) {
    e.surface = old_active;
    e.type = EventType::kDeactivate;
    events.push_back(e);
    e.type = EventType::kFocusOut;
    events.push_back(e);
  }
  if (new_active != kNoSurface) {
    e.surface = new_active;
    e.type = EventType::kActivate;
    events.push_back(e);
    e.type = EventType::kFocusIn;
    events.push_back(e);
  }
  return events;
}

namespace {

std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

int64_t OverlapArea(const gfx::Rect& a, const gfx::Rect& b) {
  gfx::Rect r = a.Intersect(b);
  return static_cast<int64_t>(r.Width()) * r.Height();
}

// Squared distance between two rectangles (0 when they touch or overlap).
int64_t GapSquared(const gfx::Rect& a, const gfx::Rect& b) {
  int64_t dx = std::max<int64_t>({0, int64_t{b.left} - a.right, int64_t{a.left} - b.right});
  int64_t dy = std::max<int64_t>({0, int64_t{b.top} - a.bottom, int64_t{a.top} - b.bottom});
  return dx * dx + dy * dy;
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
  if (high > 0 && value > high) value = high;
  if (low > 0 && value < low) value = low;
  return value;
}

}  // namespace

void SetBackend(std::unique_ptr<Backend> backend) { Slot() = std::move(backend); }

Backend& GetBackend() {
  if (!Slot()) throw std::logic_error("no window-system backend has been set");
  return *Slot();
}

bool HasBackend() { return Slot() != nullptr; }

gfx::Rect Backend::GetWorkArea(const gfx::Rect& near, bool work_area_only) const {
  std::vector<Monitor> monitors = Monitors();
  if (monitors.size() <= 1) {
    if (work_area_only && !monitors.empty()) return monitors.front().work_area;
    gfx::Size screen = ScreenSize();
    return {0, 0, screen.width, screen.height};
  }
  const Monitor* best = &monitors.front();
  int64_t best_overlap = -1;
  int64_t best_gap = std::numeric_limits<int64_t>::max();
  for (const Monitor& m : monitors) {
    int64_t overlap = OverlapArea(near, m.bounds);
    int64_t gap = GapSquared(near, m.bounds);
    if (overlap > best_overlap || (overlap == 0 && best_overlap == 0 && gap < best_gap)) {
      best = &m;
      best_overlap = overlap;
      best_gap = gap;
    }
  }
  return work_area_only ? best->work_area : best->bounds;
}

gfx::Rect SizeMoveBounds(const gfx::Rect& start, HitCode hit, gfx::Point delta, gfx::Size min_size,
                         gfx::Size max_size) {
  if (hit == HitCode::kCaption) return start.Offset(delta.x, delta.y);
  if (!IsBorderHit(hit)) return start;
  bool left = hit == HitCode::kLeft || hit == HitCode::kTopLeft || hit == HitCode::kBottomLeft;
  bool right = hit == HitCode::kRight || hit == HitCode::kTopRight || hit == HitCode::kBottomRight;
  bool top = hit == HitCode::kTop || hit == HitCode::kTopLeft || hit == HitCode::kTopRight;
  bool bottom = hit == HitCode::kBottom || hit == HitCode::kBottomLeft || hit == HitCode::kBottomRight;
  gfx::Rect r = start;
  // The dragged edge follows the cursor; the size limits hold it back, and the opposite edge stays.
  if (left) {
    int32_t width = Clamp(start.Width() - delta.x, min_size.width, max_size.width);
    r.left = start.right - std::max(width, 0);
  }
  if (right) {
    int32_t width = Clamp(start.Width() + delta.x, min_size.width, max_size.width);
    r.right = start.left + std::max(width, 0);
  }
  if (top) {
    int32_t height = Clamp(start.Height() - delta.y, min_size.height, max_size.height);
    r.top = start.bottom - std::max(height, 0);
  }
  if (bottom) {
    int32_t height = Clamp(start.Height() + delta.y, min_size.height, max_size.height);
    r.bottom = start.top + std::max(height, 0);
  }
  return r;
}

gfx::Rect ClampToSizeLimits(const gfx::Rect& bounds, HitCode hit, gfx::Size min_size, gfx::Size max_size) {
  bool left = hit == HitCode::kLeft || hit == HitCode::kTopLeft || hit == HitCode::kBottomLeft;
  bool top = hit == HitCode::kTop || hit == HitCode::kTopLeft || hit == HitCode::kTopRight;
  int32_t width = std::max(Clamp(bounds.Width(), min_size.width, max_size.width), 0);
  int32_t height = std::max(Clamp(bounds.Height(), min_size.height, max_size.height), 0);
  gfx::Rect r = bounds;
  if (left)
    r.left = r.right - width;
  else
    r.right = r.left + width;
  if (top)
    r.top = r.bottom - height;
  else
    r.bottom = r.top + height;
  return r;
}

}  // namespace platform
