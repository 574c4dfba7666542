// Headless backend: virtual screen composition, window-system-like input routing, virtual clock.
#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "gfx/Blit.h"
#include "platform/headless/HeadlessSurface.h"

namespace platform {

namespace {

constexpr int32_t kScreenWidth = 1280;
constexpr int32_t kScreenHeight = 1024;
// The window system's frame around decorated surfaces.
constexpr gfx::Color kFrameColor = gfx::Rgb(192, 192, 192);
// A second press within this distance of the first (each way) completes a double click.
constexpr int32_t kDoubleClickSlop = 2;

// Fills `area` (screen coordinates, already clipped to dst) from src placed at `origin`, blending
// by alpha.
void Compose(gfx::Bitmap& dst, const gfx::Rect& area, const gfx::Bitmap& src, gfx::Point origin, uint8_t alpha) {
  for (int32_t y = area.top; y < area.bottom; ++y) {
    uint8_t* d = dst.Row(y) + static_cast<size_t>(area.left) * 3;
    const uint8_t* s = src.Row(y - origin.y) + static_cast<size_t>(area.left - origin.x) * 3;
    size_t n = static_cast<size_t>(area.Width()) * 3;
    if (alpha == 255) {
      std::copy(s, s + n, d);
      continue;
    }
    for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>((s[i] * alpha + d[i] * (255 - alpha) + 127) / 255);
  }
}

void FillArea(gfx::Bitmap& dst, const gfx::Rect& area, gfx::Color c) {
  for (int32_t y = area.top; y < area.bottom; ++y)
    for (int32_t x = area.left; x < area.right; ++x) dst.SetPixel(x, y, c);
}

}  // namespace

HeadlessBackend::HeadlessBackend() {
  monitors_.push_back({{0, 0, kScreenWidth, kScreenHeight}, {0, 0, kScreenWidth, kScreenHeight}, true});
}

HeadlessBackend::~HeadlessBackend() {
  for (HeadlessSurface* s : surfaces_) s->Detach();
}

std::unique_ptr<Surface> HeadlessBackend::CreateSurface(const SurfaceParams& params) {
  if (params.kind == SurfaceKind::kDialog && !params.owner)
    throw std::invalid_argument("an owned dialog needs its owner");
  auto surface = std::make_unique<HeadlessSurface>(this, next_id_++, params);
  surfaces_.push_back(surface.get());
  BringToTop(surface.get());
  return surface;
}

void HeadlessBackend::Push(Event event) {
  std::lock_guard lock(queue_mutex_);
  queue_.push_back(std::move(event));
}

bool HeadlessBackend::PollEvent(Event& event) {
  std::lock_guard lock(queue_mutex_);
  if (queue_.empty()) return false;
  event = std::move(queue_.front());
  queue_.pop_front();
  if (event.type == EventType::kWake) wake_pending_ = false;
  return true;
}

bool HeadlessBackend::WaitEvent(Event& event, int32_t /*timeout_ms*/) {
  for (;;) {
    if (PollEvent(event)) return true;
    if (!idle_) return false;
    bool more = idle_();
    if (PollEvent(event)) return true;
    if (!more) return false;
  }
}

void HeadlessBackend::Wake() {
  std::lock_guard lock(queue_mutex_);
  if (wake_pending_) return;
  wake_pending_ = true;
  queue_.push_back(Event{});
}

size_t HeadlessBackend::PendingEvents() const {
  std::lock_guard lock(queue_mutex_);
  return queue_.size();
}

HeadlessSurface* HeadlessBackend::Find(SurfaceId id) const {
  for (HeadlessSurface* s : surfaces_)
    if (s->Id() == id) return s;
  return nullptr;
}

int HeadlessBackend::Band(const HeadlessSurface* surface) const {
  switch (surface->Kind()) {
    case SurfaceKind::kPopup:
      return 1;
    case SurfaceKind::kCapture:
      return 2;
    default:
      return 0;
  }
}

void HeadlessBackend::BringToTop(HeadlessSurface* surface) {
  // The surface goes to the top of its band, and the dialogs it owns (and theirs) stay above it in
  // their present order.
  std::vector<HeadlessSurface*> group{surface};
  for (size_t i = 0; i < group.size(); ++i)
    for (HeadlessSurface* s : surfaces_)
      if (s->OwnerId() == group[i]->Id() && Band(s) == Band(surface) &&
          std::find(group.begin(), group.end(), s) == group.end())
        group.push_back(s);
  std::vector<HeadlessSurface*> ordered{surface};
  for (HeadlessSurface* s : surfaces_)
    if (s != surface && std::find(group.begin(), group.end(), s) != group.end()) ordered.push_back(s);
  std::erase_if(surfaces_, [&](HeadlessSurface* s) { return std::find(group.begin(), group.end(), s) != group.end(); });
  auto at = surfaces_.begin();
  for (auto it = surfaces_.begin(); it != surfaces_.end(); ++it)
    if (Band(*it) <= Band(surface)) at = it + 1;
  surfaces_.insert(at, ordered.begin(), ordered.end());
}

void HeadlessBackend::SetActive(SurfaceId id) {
  if (id == active_) return;
  for (const Event& e : ActivationChangeEvents(active_, id)) Push(e);
  active_ = id;
}

void HeadlessBackend::OnHidden(HeadlessSurface* surface) {
  SurfaceId id = surface->Id();
  if (size_move_ == id) size_move_ = kNoSurface;
  if (capture_ == id) {
    capture_ = kNoSurface;
    Event e;
    e.type = EventType::kCaptureLost;
    e.surface = id;
    Push(e);
  }
  if (hover_ == id) hover_ = kNoSurface;
  if (text_input_ == id) text_input_ = kNoSurface;
  if (active_ != id) return;
  // The activation passes to the owner when it is shown, else to the topmost shown window.
  HeadlessSurface* next = Find(surface->OwnerId());
  if (!next || !next->IsShown() || Band(next) != 0) {
    next = nullptr;
    for (auto it = surfaces_.rbegin(); it != surfaces_.rend(); ++it)
      if (*it != surface && (*it)->IsShown() && (*it)->Kind() != SurfaceKind::kPopup) {
        next = *it;
        break;
      }
  }
  SetActive(next ? next->Id() : kNoSurface);
}

void HeadlessBackend::Unregister(HeadlessSurface* surface) {
  surface->Hide();
  OnHidden(surface);
  if (last_press_surface_ == surface->Id()) last_press_surface_ = kNoSurface;
  std::erase(surfaces_, surface);
}

HeadlessSurface* HeadlessBackend::TopmostAt(gfx::Point screen) const {
  for (auto it = surfaces_.rbegin(); it != surfaces_.rend(); ++it)
    if ((*it)->ContainsScreenPoint(screen)) return *it;
  return nullptr;
}

SurfaceId HeadlessBackend::SurfaceAt(gfx::Point screen) const {
  HeadlessSurface* s = TopmostAt(screen);
  return s ? s->Id() : kNoSurface;
}

std::vector<SurfaceId> HeadlessBackend::ZOrder() const {
  std::vector<SurfaceId> ids;
  for (HeadlessSurface* s : surfaces_)
    if (s->IsShown()) ids.push_back(s->Id());
  return ids;
}

Event HeadlessBackend::MouseEvent(EventType type, HeadlessSurface* target, gfx::Point screen) const {
  Event e;
  e.type = type;
  e.surface = target->Id();
  e.screen = screen;
  gfx::Point o = target->Origin();
  e.local = {screen.x - o.x, screen.y - o.y};
  // Under the capture all mouse input is client input, wherever the cursor is.
  e.hit = capture_ == target->Id() ? HitCode::kClient : target->HitAt(screen);
  e.modifiers = Modifiers();
  return e;
}

void HeadlessBackend::RouteHover(gfx::Point screen) {
  if (capture_ != kNoSurface) return;
  HeadlessSurface* under = TopmostAt(screen);
  SurfaceId id = under ? under->Id() : kNoSurface;
  if (id == hover_) return;
  if (hover_ != kNoSurface && Find(hover_)) {
    Event e;
    e.type = EventType::kMouseLeave;
    e.surface = hover_;
    e.screen = screen;
    e.modifiers = Modifiers();
    Push(e);
  }
  hover_ = id;
}

void HeadlessBackend::SetCursorPos(gfx::Point screen) { InjectMouseMove(screen); }

void HeadlessBackend::SetCapture(SurfaceId surface) {
  HeadlessSurface* s = Find(surface);
  if (!s || !s->IsShown()) surface = kNoSurface;
  if (capture_ != kNoSurface && capture_ != surface) {
    Event e;
    e.type = EventType::kCaptureLost;
    e.surface = capture_;
    Push(e);
  }
  capture_ = surface;
  if (surface != kNoSurface) hover_ = surface;
}

void HeadlessBackend::ReleaseCapture() {
  if (capture_ == kNoSurface) return;
  capture_ = kNoSurface;
  RouteHover(cursor_);
}

bool HeadlessBackend::IsKeyDown(KeyCode key) const {
  auto down = [&](KeyCode k) { return std::find(keys_down_.begin(), keys_down_.end(), k) != keys_down_.end(); };
  switch (key) {
    case kVkLButton:
      return buttons_ & kModLeftButton;
    case kVkRButton:
      return buttons_ & kModRightButton;
    case kVkMButton:
      return buttons_ & kModMiddleButton;
    case kVkShift:
      return down(kVkShift) || down(kVkLShift) || down(kVkRShift);
    case kVkControl:
      return down(kVkControl) || down(kVkLControl) || down(kVkRControl);
    case kVkMenu:
      return down(kVkMenu) || down(kVkLMenu) || down(kVkRMenu);
    default:
      return down(key);
  }
}

uint32_t HeadlessBackend::Modifiers() const {
  uint32_t m = buttons_;
  if (IsKeyDown(kVkShift)) m |= kModShift;
  if (IsKeyDown(kVkControl)) m |= kModControl;
  if (IsKeyDown(kVkMenu)) m |= kModAlt;
  return m;
}

void HeadlessBackend::StartTextInput(SurfaceId surface, const gfx::Rect& caret) {
  text_input_ = surface;
  text_input_caret_ = caret;
}

void HeadlessBackend::StopTextInput() {
  text_input_ = kNoSurface;
  text_input_caret_ = {};
}

gfx::Size HeadlessBackend::ScreenSize() const {
  const gfx::Rect& b = monitors_.front().bounds;
  return {b.Width(), b.Height()};
}

void HeadlessBackend::SetMonitors(std::vector<Monitor> monitors) {
  if (monitors.empty()) throw std::invalid_argument("the virtual screen needs at least one monitor");
  monitors_ = std::move(monitors);
}

void HeadlessBackend::SetFrameExtents(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  frame_extents_ = {left, top, right, bottom};
}

bool HeadlessBackend::OpenUrl(const std::string& url) {
  if (url.empty()) return false;
  opened_urls_.push_back(url);
  return true;
}

gfx::Bitmap HeadlessBackend::ComposeArea(const gfx::Rect& area) const {
  // `area` lies within the screen; the result holds it at (0, 0).
  gfx::Bitmap out(area.Width(), area.Height(), 24);
  out.Fill(kDesktopColor);
  gfx::Rect all = out.Bounds();
  for (HeadlessSurface* s : surfaces_) {
    if (!s->IsShown()) continue;
    uint8_t alpha = layered_ ? s->Opacity() : 255;
    gfx::Point o = s->Origin();
    o = {o.x - area.left, o.y - area.top};
    gfx::Rect client = gfx::Rect::FromSize(o.x, o.y, s->Pixels().Width(), s->Pixels().Height());
    if (s->Decorated()) {
      gfx::Region frame(s->Bounds().Offset(-area.left, -area.top));
      frame.Subtract(gfx::Region(client));
      frame.Intersect(all);
      for (const gfx::Rect& r : frame.Rects()) FillArea(out, r, kFrameColor);
    }
    gfx::Region visible = s->Shape() ? *s->Shape() : gfx::Region(s->Pixels().Bounds());
    visible.Offset(o.x, o.y);
    visible.Intersect(client);
    visible.Intersect(all);
    for (const gfx::Rect& r : visible.Rects()) Compose(out, r, s->Pixels(), o, alpha);
  }
  return out;
}

gfx::Bitmap HeadlessBackend::ScreenBitmap() const {
  gfx::Size size = ScreenSize();
  return ComposeArea({0, 0, size.width, size.height});
}

gfx::Color HeadlessBackend::ScreenPixel(gfx::Point screen) const {
  gfx::Size size = ScreenSize();
  if (!gfx::Rect{0, 0, size.width, size.height}.Contains(screen)) return gfx::kBlack;
  return ComposeArea({screen.x, screen.y, screen.x + 1, screen.y + 1}).Pixel(0, 0);
}

gfx::Bitmap HeadlessBackend::CaptureScreen(const gfx::Rect& rect) {
  if (rect.IsEmpty()) return gfx::Bitmap();
  gfx::Bitmap out(rect.Width(), rect.Height(), 24);
  gfx::Size size = ScreenSize();
  gfx::Rect part = rect.Intersect({0, 0, size.width, size.height});
  if (!part.IsEmpty()) {
    gfx::Bitmap screen = ComposeArea(part);
    gfx::CopyRect(out, {part.left - rect.left, part.top - rect.top}, screen, screen.Bounds());
  }
  return out;
}

// --- Injection ---

void HeadlessBackend::InjectMouseMove(gfx::Point screen) {
  cursor_ = screen;
  if (HeadlessSurface* s = Find(size_move_)) {
    gfx::Point delta{screen.x - size_move_origin_.x, screen.y - size_move_origin_.y};
    gfx::Rect proposed = SizeMoveBounds(size_move_start_, size_move_hit_, delta, s->MinSize(), s->MaxSize());
    gfx::Rect old = s->Bounds();
    if (!s->ApplyBounds(s->FilterSizeMove(proposed, size_move_hit_))) return;
    Event e;
    e.surface = s->Id();
    e.rect = s->Bounds();
    if (e.rect.TopLeft() != old.TopLeft()) {
      e.type = EventType::kMoved;
      Push(e);
    }
    if (e.rect.Width() != old.Width() || e.rect.Height() != old.Height()) {
      e.type = EventType::kResized;
      Push(e);
    }
    return;
  }
  RouteHover(screen);
  HeadlessSurface* target = capture_ != kNoSurface ? Find(capture_) : TopmostAt(screen);
  if (target) Push(MouseEvent(EventType::kMouseMove, target, screen));
}

void HeadlessBackend::InjectMouseDown(gfx::Point screen, MouseButton button) {
  if (size_move_ != kNoSurface) return;  // the loop owns the mouse
  cursor_ = screen;
  RouteHover(screen);
  HeadlessSurface* target = capture_ != kNoSurface ? Find(capture_) : TopmostAt(screen);
  if (!target) {
    // A press on the desktop takes the activation from the program.
    buttons_ |= ModifierBit(button);
    SetActive(kNoSurface);
    last_press_surface_ = kNoSurface;
    return;
  }
  if (capture_ == kNoSurface && target->Kind() != SurfaceKind::kPopup) {
    BringToTop(target);
    SetActive(target->Id());
  }
  buttons_ |= ModifierBit(button);
  Event e = MouseEvent(EventType::kMouseDown, target, screen);
  e.button = button;
  bool is_double = !last_press_was_double_ && last_press_button_ == button &&
                   last_press_surface_ == target->Id() && now_ms_ - last_press_ms_ <= DoubleClickTimeMs() &&
                   std::abs(screen.x - last_press_pos_.x) <= kDoubleClickSlop &&
                   std::abs(screen.y - last_press_pos_.y) <= kDoubleClickSlop;
  e.click_count = is_double ? 2 : 1;
  last_press_was_double_ = is_double;
  last_press_button_ = button;
  last_press_surface_ = target->Id();
  last_press_ms_ = now_ms_;
  last_press_pos_ = screen;
  Push(e);
  // The second press of a double click is the double click itself, and starts no loop.
  if (button != MouseButton::kLeft || capture_ != kNoSurface || is_double || !StartsSizeMove(e.hit)) return;
  size_move_ = target->Id();
  size_move_hit_ = e.hit;
  size_move_start_ = target->Bounds();
  size_move_origin_ = screen;
  Event begin;
  begin.type = EventType::kSizeMoveBegin;
  begin.surface = target->Id();
  begin.hit = e.hit;
  begin.screen = screen;
  begin.rect = size_move_start_;
  Push(begin);
}

void HeadlessBackend::InjectMouseUp(gfx::Point screen, MouseButton button) {
  cursor_ = screen;
  buttons_ &= ~ModifierBit(button);
  if (HeadlessSurface* s = Find(size_move_)) {
    if (button != MouseButton::kLeft) return;
    size_move_ = kNoSurface;
    Event e;
    e.type = EventType::kSizeMoveEnd;
    e.surface = s->Id();
    e.hit = size_move_hit_;
    e.screen = screen;
    e.rect = s->Bounds();
    Push(e);
    RouteHover(screen);
    return;
  }
  RouteHover(screen);
  HeadlessSurface* target = capture_ != kNoSurface ? Find(capture_) : TopmostAt(screen);
  if (!target) return;
  Event e = MouseEvent(EventType::kMouseUp, target, screen);
  e.button = button;
  Push(e);
}

void HeadlessBackend::Click(gfx::Point screen, MouseButton button) {
  InjectMouseDown(screen, button);
  InjectMouseUp(screen, button);
}

void HeadlessBackend::InjectWheel(gfx::Point screen, int32_t delta) {
  cursor_ = screen;
  HeadlessSurface* target = capture_ != kNoSurface ? Find(capture_) : TopmostAt(screen);
  if (!target) return;
  Event e = MouseEvent(EventType::kMouseWheel, target, screen);
  e.wheel_delta = delta;
  Push(e);
}

void HeadlessBackend::InjectKeyDown(KeyCode key, bool repeat) {
  if (HeadlessSurface* s = Find(size_move_); s && key == kVkEscape) {
    // Escape cancels the loop and puts the surface back where the loop found it.
    size_move_ = kNoSurface;
    gfx::Rect old = s->Bounds();
    s->ApplyBounds(size_move_start_);
    Event e;
    e.surface = s->Id();
    e.rect = s->Bounds();
    if (old.TopLeft() != e.rect.TopLeft()) {
      e.type = EventType::kMoved;
      Push(e);
    }
    if (old.Width() != e.rect.Width() || old.Height() != e.rect.Height()) {
      e.type = EventType::kResized;
      Push(e);
    }
    e.type = EventType::kSizeMoveEnd;
    e.hit = size_move_hit_;
    Push(e);
    return;
  }
  if (std::find(keys_down_.begin(), keys_down_.end(), key) == keys_down_.end()) keys_down_.push_back(key);
  if (active_ == kNoSurface) return;
  Event e;
  e.type = EventType::kKeyDown;
  e.surface = active_;
  e.key = key;
  e.repeat = repeat;
  e.modifiers = Modifiers();
  Push(e);
}

void HeadlessBackend::InjectKeyUp(KeyCode key) {
  std::erase(keys_down_, key);
  if (active_ == kNoSurface) return;
  Event e;
  e.type = EventType::kKeyUp;
  e.surface = active_;
  e.key = key;
  e.modifiers = Modifiers();
  Push(e);
}

void HeadlessBackend::PressKey(KeyCode key) {
  InjectKeyDown(key);
  InjectKeyUp(key);
}

void HeadlessBackend::InjectText(const std::string& utf8) {
  if (active_ == kNoSurface || utf8.empty()) return;
  Event e;
  e.type = EventType::kTextInput;
  e.surface = active_;
  e.text = utf8;
  Push(e);
}

void HeadlessBackend::InjectTextEditing(const std::string& utf8, int32_t cursor) {
  if (active_ == kNoSurface) return;
  Event e;
  e.type = EventType::kTextEditing;
  e.surface = active_;
  e.text = utf8;
  e.edit_cursor = cursor;
  Push(e);
}

void HeadlessBackend::InjectCloseRequest(SurfaceId surface) {
  if (!Find(surface)) return;
  Event e;
  e.type = EventType::kCloseRequest;
  e.surface = surface;
  Push(e);
}

void HeadlessBackend::InjectDropFiles(gfx::Point screen, std::vector<std::string> files) {
  HeadlessSurface* target = TopmostAt(screen);
  if (!target) return;
  Event e = MouseEvent(EventType::kDropFiles, target, screen);
  e.files = std::move(files);
  Push(e);
}

void HeadlessBackend::InjectQuit() {
  Event e;
  e.type = EventType::kQuit;
  Push(e);
}

}  // namespace platform
