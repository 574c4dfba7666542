// Headless surface: bounds, visibility and the presented pixels, reporting changes to its backend.
#include "platform/headless/HeadlessSurface.h"

#include <stdexcept>

#include "gfx/Blit.h"
#include "platform/headless/HeadlessBackend.h"

namespace platform {

HeadlessSurface::HeadlessSurface(HeadlessBackend* backend, SurfaceId id, const SurfaceParams& params)
    : Surface(id, params.kind),
      backend_(backend),
      owner_(params.owner ? params.owner->Id() : kNoSurface),
      decorated_(params.decorated && (params.kind == SurfaceKind::kNormal || params.kind == SurfaceKind::kDialog)),
      resizable_(params.resizable),
      bounds_(params.bounds),
      title_(params.title) {
  if (bounds_.Width() < 0 || bounds_.Height() < 0) bounds_ = {bounds_.left, bounds_.top, bounds_.left, bounds_.top};
  ResizePixels();
}

HeadlessSurface::~HeadlessSurface() {
  if (backend_) backend_->Unregister(this);
}

gfx::Rect HeadlessSurface::ClientRect() const {
  gfx::Rect r{0, 0, bounds_.Width(), bounds_.Height()};
  if (!decorated_ || !backend_) return r;
  const gfx::Rect& f = backend_->frame_extents_;
  r = {f.left, f.top, r.right - f.right, r.bottom - f.bottom};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

gfx::Point HeadlessSurface::Origin() const {
  gfx::Rect c = ClientRect();
  return {bounds_.left + c.left, bounds_.top + c.top};
}

void HeadlessSurface::ResizePixels() {
  gfx::Size size = FrameSize();
  if (pixels_.Width() == size.width && pixels_.Height() == size.height) return;
  gfx::Bitmap fresh(size.width, size.height, 24);
  if (!pixels_.IsEmpty()) gfx::CopyRect(fresh, {0, 0}, pixels_, pixels_.Bounds());
  pixels_ = std::move(fresh);
}

bool HeadlessSurface::ApplyBounds(const gfx::Rect& outer) {
  if (outer == bounds_) return false;
  bounds_ = outer;
  ResizePixels();
  return true;
}

void HeadlessSurface::SetBounds(const gfx::Rect& outer) {
  ApplyBounds(ClampToSizeLimits(outer, HitCode::kCaption, min_size_, max_size_));
}

void HeadlessSurface::Show(bool activate) {
  visible_ = true;
  if (!backend_) return;
  backend_->BringToTop(this);
  if (activate && Kind() != SurfaceKind::kPopup && !minimized_) backend_->SetActive(Id());
}

void HeadlessSurface::Hide() {
  if (!visible_) return;
  visible_ = false;
  if (backend_) backend_->OnHidden(this);
}

void HeadlessSurface::Raise() {
  if (backend_) backend_->BringToTop(this);
}

void HeadlessSurface::Activate() {
  if (!backend_) return;
  backend_->BringToTop(this);
  if (Kind() != SurfaceKind::kPopup && IsShown()) backend_->SetActive(Id());
}

void HeadlessSurface::Minimize() {
  if (minimized_) return;
  minimized_ = true;
  if (!backend_) return;
  Event e;
  e.type = EventType::kMinimized;
  e.surface = Id();
  backend_->Push(e);
  backend_->OnHidden(this);
}

void HeadlessSurface::Restore() {
  if (!minimized_) return;
  minimized_ = false;
  if (!backend_) return;
  Event e;
  e.type = EventType::kRestored;
  e.surface = Id();
  backend_->Push(e);
  if (visible_) Activate();
}

bool HeadlessSurface::SetOpacity(uint8_t alpha) {
  opacity_ = alpha;
  return backend_ && backend_->LayeredWindowsAvailable();
}

void HeadlessSurface::Present(const gfx::Bitmap& frame, const gfx::Rect& rect) {
  if (frame.BitsPerPixel() != 24) throw std::invalid_argument("a surface presents 24-bit pictures only");
  gfx::Rect r = rect.Intersect(frame.Bounds()).Intersect(pixels_.Bounds());
  if (r.IsEmpty()) return;
  gfx::CopyRect(pixels_, r.TopLeft(), frame, r);
}

bool HeadlessSurface::ContainsScreenPoint(gfx::Point screen) const {
  if (!IsShown() || !bounds_.Contains(screen)) return false;
  gfx::Point o = Origin();
  gfx::Point local{screen.x - o.x, screen.y - o.y};
  gfx::Rect client = ClientRect();
  if (!gfx::Rect{0, 0, client.Width(), client.Height()}.Contains(local)) return true;  // the frame
  return !shape_ || shape_->Contains(local);
}

HitCode HeadlessSurface::HitAt(gfx::Point screen) const {
  gfx::Point o = Origin();
  gfx::Point local{screen.x - o.x, screen.y - o.y};
  gfx::Rect client = ClientRect();
  if (gfx::Rect{0, 0, client.Width(), client.Height()}.Contains(local))
    return hit_test_ ? hit_test_(local) : HitCode::kClient;
  if (!bounds_.Contains(screen)) return HitCode::kNowhere;
  // The window system's own frame: the top band is the caption, the other sides size the window.
  gfx::Point outer{screen.x - bounds_.left, screen.y - bounds_.top};
  if (outer.y < client.top) return HitCode::kCaption;
  if (!resizable_) return HitCode::kObject;
  if (outer.x < client.left) return outer.y >= client.bottom ? HitCode::kBottomLeft : HitCode::kLeft;
  if (outer.x >= client.right) return outer.y >= client.bottom ? HitCode::kBottomRight : HitCode::kRight;
  return HitCode::kBottom;
}

gfx::Rect HeadlessSurface::FilterSizeMove(const gfx::Rect& proposed, HitCode hit) const {
  gfx::Rect r = size_move_filter_ ? size_move_filter_(proposed, hit) : proposed;
  return ClampToSizeLimits(r, hit, min_size_, max_size_);
}

}  // namespace platform
