// Desktop surface: an SDL window, shaped through Xlib, showing a kept copy of the presented pixels.
#include "platform/sdl/SdlSurface.h"

#include <stdexcept>

#include "gfx/Blit.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/sdl/X11Connection.h"

// Last: SDL's window-system header brings Xlib and its macros (one of them is named CursorShape).
#include <SDL.h>
#include <SDL_syswm.h>

namespace platform {

namespace {

SDL_HitTestResult ToSdlHit(HitCode code) {
  switch (code) {
    case HitCode::kCaption:
      return SDL_HITTEST_DRAGGABLE;
    case HitCode::kLeft:
      return SDL_HITTEST_RESIZE_LEFT;
    case HitCode::kRight:
      return SDL_HITTEST_RESIZE_RIGHT;
    case HitCode::kTop:
      return SDL_HITTEST_RESIZE_TOP;
    case HitCode::kTopLeft:
      return SDL_HITTEST_RESIZE_TOPLEFT;
    case HitCode::kTopRight:
      return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HitCode::kBottom:
      return SDL_HITTEST_RESIZE_BOTTOM;
    case HitCode::kBottomLeft:
      return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HitCode::kBottomRight:
      return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    default:
      return SDL_HITTEST_NORMAL;
  }
}

SDL_HitTestResult SDLCALL HitTestThunk(SDL_Window*, const SDL_Point* point, void* data) {
  auto* surface = static_cast<SdlSurface*>(data);
  return ToSdlHit(surface->HitAt({point->x, point->y}));
}

Uint32 WindowFlags(const SurfaceParams& p, bool decorated) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (!decorated) flags |= SDL_WINDOW_BORDERLESS;
  // A window SDL does not call resizable gets a fixed size in its hints, and the window manager
  // then refuses the size loops the toolkit's hit test asks for; an undecorated window sizes only
  // through those, so it keeps the flag.
  bool framed_kind = p.kind == SurfaceKind::kNormal || p.kind == SurfaceKind::kDialog;
  if (framed_kind && (!decorated || p.resizable)) flags |= SDL_WINDOW_RESIZABLE;
  switch (p.kind) {
    case SurfaceKind::kNormal:
      break;
    case SurfaceKind::kDialog:
      flags |= SDL_WINDOW_SKIP_TASKBAR;
      break;
    case SurfaceKind::kPopup:
      // Popup menus are override-redirect windows: the window manager neither frames nor focuses them.
      flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
      break;
    case SurfaceKind::kCapture:
      flags |= SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
      break;
  }
  return flags;
}

// An SDL window needs at least one pixel each way.
int AtLeastOne(int32_t v) { return v < 1 ? 1 : v; }

}  // namespace

SdlSurface::SdlSurface(SdlBackend* backend, SurfaceId id, const SurfaceParams& params)
    : Surface(id, params.kind),
      backend_(backend),
      owner_(params.owner ? params.owner->Id() : kNoSurface),
      decorated_(params.decorated && (params.kind == SurfaceKind::kNormal || params.kind == SurfaceKind::kDialog)),
      title_(params.title) {
  const gfx::Rect& b = params.bounds;
  window_ = SDL_CreateWindow(title_.c_str(), b.left, b.top, AtLeastOne(b.Width()), AtLeastOne(b.Height()),
                             WindowFlags(params, decorated_));
  if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
  window_id_ = SDL_GetWindowID(window_);
  // Making the window surface first: SDL may replace the X window while doing so, and every Xlib
  // call below must reach the final one.
  SDL_GetWindowSurface(window_);
  if (owner_ != kNoSurface) {
    auto* owner = static_cast<SdlSurface*>(params.owner);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11)
      X11Connection::SetTransientFor(info.info.x11.display, info.info.x11.window, owner->XWindow());
  }
  if (decorated_) pending_outer_ = b;
  reported_ = Bounds();
  ResizePixels();
}

bool SdlSurface::ApplyPendingBounds() {
  if (!pending_outer_ || FrameExtents() == gfx::Rect{}) return false;
  gfx::Rect wanted = *pending_outer_;
  pending_outer_.reset();
  ApplyBounds(wanted);
  reported_ = Bounds();
  return true;
}

SdlSurface::~SdlSurface() {
  if (backend_) backend_->Unregister(this);
  SDL_DestroyWindow(window_);
}

unsigned long SdlSurface::XWindow() const {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

gfx::Rect SdlSurface::FrameExtents() const {
  if (!decorated_) return {};
  int top = 0, left = 0, bottom = 0, right = 0;
  // Without a window manager there is no frame, and SDL reports an error.
  if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) return {};
  return {left, top, right, bottom};
}

gfx::Rect SdlSurface::Bounds() const {
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &w, &h);
  gfx::Rect f = FrameExtents();
  return {x - f.left, y - f.top, x + w + f.right, y + h + f.bottom};
}

gfx::Rect SdlSurface::ClientRect() const {
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  gfx::Rect f = FrameExtents();
  return gfx::Rect::FromSize(f.left, f.top, w, h);
}

gfx::Point SdlSurface::Origin() const {
  int x = 0, y = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  return {x, y};
}

void SdlSurface::ApplyBounds(const gfx::Rect& outer) {
  gfx::Rect f = FrameExtents();
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  int new_w = AtLeastOne(outer.Width() - f.left - f.right);
  int new_h = AtLeastOne(outer.Height() - f.top - f.bottom);
  SDL_SetWindowPosition(window_, outer.left + f.left, outer.top + f.top);
  if (new_w != w || new_h != h) {
    SDL_SetWindowSize(window_, new_w, new_h);
    ResizePixels();
    Repaint();
  }
}

void SdlSurface::SetBounds(const gfx::Rect& outer) {
  gfx::Rect r = ClampToSizeLimits(outer, HitCode::kCaption, min_size_, max_size_);
  ApplyBounds(r);
  reported_ = Bounds();
  if (decorated_ && FrameExtents() == gfx::Rect{}) pending_outer_ = r;
}

void SdlSurface::ResizePixels() {
  gfx::Size size = FrameSize();
  if (pixels_.Width() == size.width && pixels_.Height() == size.height) return;
  gfx::Bitmap fresh(size.width, size.height, 24);
  if (!pixels_.IsEmpty()) gfx::CopyRect(fresh, {0, 0}, pixels_, pixels_.Bounds());
  pixels_ = std::move(fresh);
}

void SdlSurface::Show(bool activate) {
  bool popup = Kind() == SurfaceKind::kPopup;
  bool quiet = popup || !activate;
  if (quiet) SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "1");
  SDL_ShowWindow(window_);
  if (quiet) SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "0");
  visible_ = true;
  ApplyShape();
  Repaint();
  if (!backend_) return;
  if (quiet) {
    Raise();
    // Without a window manager SDL hands the focus to every window it maps; give it back.
    if (SdlSurface* active = backend_->Find(backend_->ActiveSurface()); active && !backend_->HasWindowManager())
      SDL_SetWindowInputFocus(active->Window());
    return;
  }
  backend_->FocusWindow(this);
  backend_->SetActive(Id());
}

void SdlSurface::Hide() {
  if (!visible_) return;
  SDL_HideWindow(window_);
  visible_ = false;
  if (backend_) backend_->OnHidden(this);
}

void SdlSurface::Raise() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info) || info.subsystem != SDL_SYSWM_X11) return;
  // A plain restack: SDL_RaiseWindow would also ask the window manager to activate the window.
  XRaiseWindow(info.info.x11.display, info.info.x11.window);
  XFlush(info.info.x11.display);
  if (backend_) backend_->RaiseOwned(this);
}

void SdlSurface::Activate() {
  if (!backend_ || !IsShown()) return;
  if (Kind() == SurfaceKind::kPopup) {
    Raise();
    return;
  }
  backend_->FocusWindow(this);
  backend_->SetActive(Id());
}

void SdlSurface::Minimize() {
  if (minimized_) return;
  if (backend_ && backend_->HasWindowManager()) {
    SDL_MinimizeWindow(window_);
    return;  // the window event reports it
  }
  // Nobody keeps icons on a bare X server: a minimized window is simply unmapped.
  SDL_HideWindow(window_);
  minimized_ = true;
  if (!backend_) return;
  Event e;
  e.type = EventType::kMinimized;
  e.surface = Id();
  backend_->Push(e);
  backend_->OnHidden(this);
}

void SdlSurface::Restore() {
  if (!minimized_) return;
  if (backend_ && backend_->HasWindowManager()) {
    SDL_RestoreWindow(window_);
    return;
  }
  minimized_ = false;
  if (visible_) SDL_ShowWindow(window_);
  if (!backend_) return;
  Event e;
  e.type = EventType::kRestored;
  e.surface = Id();
  backend_->Push(e);
  if (visible_) Activate();
}

void SdlSurface::SetTitle(const std::string& utf8) {
  title_ = utf8;
  SDL_SetWindowTitle(window_, utf8.c_str());
}

void SdlSurface::SetShape(std::optional<gfx::Region> shape) {
  shape_ = std::move(shape);
  shaped_window_ = 0;
  ApplyShape();
}

void SdlSurface::ApplyShape() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info) || info.subsystem != SDL_SYSWM_X11) return;
  if (shaped_window_ == info.info.x11.window) return;
  X11Connection::SetShape(info.info.x11.display, info.info.x11.window, shape_);
  shaped_window_ = info.info.x11.window;
}

bool SdlSurface::SetOpacity(uint8_t alpha) {
  opacity_ = alpha;
  if (!backend_ || !backend_->LayeredWindowsAvailable()) return false;
  return SDL_SetWindowOpacity(window_, static_cast<float>(alpha) / 255.0f) == 0;
}

void SdlSurface::SetMinSize(gfx::Size size) {
  min_size_ = size;
  // SDL takes only positive limits: "no limit" is the smallest or the largest size X allows.
  gfx::Rect f = FrameExtents();
  bool none = size.width <= 0 || size.height <= 0;
  SDL_SetWindowMinimumSize(window_, none ? 1 : AtLeastOne(size.width - f.left - f.right),
                           none ? 1 : AtLeastOne(size.height - f.top - f.bottom));
}

void SdlSurface::SetMaxSize(gfx::Size size) {
  max_size_ = size;
  constexpr int kLargest = 32767;
  gfx::Rect f = FrameExtents();
  bool none = size.width <= 0 || size.height <= 0;
  SDL_SetWindowMaximumSize(window_, none ? kLargest : AtLeastOne(size.width - f.left - f.right),
                           none ? kLargest : AtLeastOne(size.height - f.top - f.bottom));
}

void SdlSurface::SetHitTest(HitTestFn fn) {
  hit_test_ = std::move(fn);
  // Only a window manager that runs move/size loops gets the presses; otherwise the backend reads
  // the hit code itself on every press.
  if (backend_ && backend_->WindowManagerMovesWindows())
    SDL_SetWindowHitTest(window_, hit_test_ ? HitTestThunk : nullptr, this);
}

HitCode SdlSurface::HitAt(gfx::Point local) const {
  gfx::Size size = FrameSize();
  if (!gfx::Rect{0, 0, size.width, size.height}.Contains(local)) return last_hit_ = HitCode::kNowhere;
  last_hit_ = hit_test_ ? hit_test_(local) : HitCode::kClient;
  return last_hit_;
}

gfx::Rect SdlSurface::FilterSizeMove(const gfx::Rect& proposed, HitCode hit) const {
  gfx::Rect r = size_move_filter_ ? size_move_filter_(proposed, hit) : proposed;
  return ClampToSizeLimits(r, hit, min_size_, max_size_);
}

void SdlSurface::Present(const gfx::Bitmap& frame, const gfx::Rect& rect) {
  if (frame.BitsPerPixel() != 24) throw std::invalid_argument("a surface presents 24-bit pictures only");
  ResizePixels();
  gfx::Rect r = rect.Intersect(frame.Bounds()).Intersect(pixels_.Bounds());
  if (r.IsEmpty()) return;
  gfx::CopyRect(pixels_, r.TopLeft(), frame, r);
  BlitToWindow(r);
}

void SdlSurface::Repaint() {
  ResizePixels();
  BlitToWindow(pixels_.Bounds());
}

void SdlSurface::BlitToWindow(const gfx::Rect& rect) {
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (!target) return;
  gfx::Rect r = rect.Intersect({0, 0, target->w, target->h}).Intersect(pixels_.Bounds());
  if (r.IsEmpty()) return;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  const SDL_PixelFormat* f = target->format;
  bool xrgb = f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0xFF00 && f->Bmask == 0xFF;
  for (int32_t y = r.top; y < r.bottom; ++y) {
    const uint8_t* s = pixels_.Row(y) + static_cast<size_t>(r.left) * 3;
    auto* row = static_cast<uint8_t*>(target->pixels) + static_cast<size_t>(y) * target->pitch;
    if (xrgb) {
      auto* d = reinterpret_cast<Uint32*>(row) + r.left;
      for (int32_t x = r.left; x < r.right; ++x, s += 3)
        *d++ = 0xFF000000u | (Uint32{s[2]} << 16) | (Uint32{s[1]} << 8) | s[0];
      continue;
    }
    for (int32_t x = r.left; x < r.right; ++x, s += 3) {
      Uint32 pixel = SDL_MapRGB(f, s[2], s[1], s[0]);
      uint8_t* d = row + static_cast<size_t>(x) * f->BytesPerPixel;
      SDL_memcpy(d, &pixel, f->BytesPerPixel);  // little-endian: the low bytes hold the pixel
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  SDL_Rect update{r.left, r.top, r.Width(), r.Height()};
  SDL_UpdateWindowSurfaceRects(window_, &update, 1);
}

}  // namespace platform
