// Desktop backend: SDL event translation, activation, move/size loops, screen and desktop services.
#include "platform/sdl/SdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/sdl/SdlKeyMap.h"
#include "platform/sdl/SdlSurface.h"
#include "platform/sdl/X11Connection.h"

namespace platform {

namespace {

// How often the pointer is read while a loop or a capture follows it outside SDL's events.
constexpr int32_t kPollMs = 10;

MouseButton FromSdlButton(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return MouseButton::kLeft;
    case SDL_BUTTON_RIGHT:
      return MouseButton::kRight;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::kMiddle;
    default:
      return MouseButton::kNone;
  }
}

}  // namespace

std::unique_ptr<Backend> CreateSdlBackend() { return std::make_unique<SdlBackend>(); }

SdlBackend::SdlBackend() {
  // Shapes and capture go through Xlib, so SDL must talk X11 (XWayland on a Wayland desktop).
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  // The software frame buffer keeps SDL from recreating windows for a renderer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The program captures the mouse itself when a control wants it.
  SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Installed before SDL starts too: SDL chains its own handler to the one it finds and puts that
  // back when it closes its connections, which is when late errors (SDL wakes itself with events
  // sent to a window, and that window may be gone by the time the server reads them) surface.
  X11Connection::InstallErrorHandler();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    throw std::runtime_error(std::string("cannot open the display: ") + SDL_GetError());
  X11Connection::InstallErrorHandler();
  try {
    x11_ = std::make_unique<X11Connection>(nullptr);
  } catch (...) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    throw;
  }
  has_wm_ = x11_->HasWindowManager();
  wm_move_resize_ = x11_->SupportsMoveResize();
  wake_type_ = SDL_RegisterEvents(1);
  SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
  last_mouse_ = GlobalMouse(&last_buttons_);
}

SdlBackend::~SdlBackend() {
  for (SdlSurface* s : surfaces_) s->Detach();
  for (SDL_Cursor* c : cursors_)
    if (c) SDL_FreeCursor(c);
  x11_.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

std::unique_ptr<Surface> SdlBackend::CreateSurface(const SurfaceParams& params) {
  if (params.kind == SurfaceKind::kDialog && !params.owner)
    throw std::invalid_argument("an owned dialog needs its owner");
  auto surface = std::make_unique<SdlSurface>(this, next_id_++, params);
  surfaces_.push_back(surface.get());
  return surface;
}

SdlSurface* SdlBackend::Find(SurfaceId id) const {
  if (id == kNoSurface) return nullptr;
  for (SdlSurface* s : surfaces_)
    if (s->Id() == id) return s;
  return nullptr;
}

SdlSurface* SdlBackend::FindWindow(uint32_t sdl_window_id) const {
  for (SdlSurface* s : surfaces_)
    if (s->WindowId() == sdl_window_id) return s;
  return nullptr;
}

void SdlBackend::Unregister(SdlSurface* surface) {
  surface->Hide();
  OnHidden(surface);
  std::erase(surfaces_, surface);
}

void SdlBackend::OnHidden(SdlSurface* surface) {
  SurfaceId id = surface->Id();
  if (loop_surface_ == id) loop_surface_ = kNoSurface;
  if (capture_ == id) {
    capture_ = kNoSurface;
    SDL_CaptureMouse(SDL_FALSE);
    Event e;
    e.type = EventType::kCaptureLost;
    e.surface = id;
    Push(e);
  }
  if (active_ != id) return;
  // The activation passes to the owner when it is shown, else to another shown window.
  SdlSurface* next = Find(surface->OwnerId());
  if (!next || !next->IsShown() || next->Kind() == SurfaceKind::kPopup) {
    next = nullptr;
    for (auto it = surfaces_.rbegin(); it != surfaces_.rend(); ++it)
      if (*it != surface && (*it)->IsShown() && (*it)->Kind() != SurfaceKind::kPopup &&
          (*it)->Kind() != SurfaceKind::kCapture) {
        next = *it;
        break;
      }
  }
  if (next) FocusWindow(next);
  SetActive(next ? next->Id() : kNoSurface);
}

void SdlBackend::SetActive(SurfaceId id) {
  if (id == active_) return;
  for (const Event& e : ActivationChangeEvents(active_, id)) Push(e);
  active_ = id;
  focus_lost_pending_ = false;
}

void SdlBackend::FocusWindow(SdlSurface* surface) {
  SDL_RaiseWindow(surface->Window());
  // A window manager gives the focus on request; a bare server needs it set directly.
  if (!has_wm_) SDL_SetWindowInputFocus(surface->Window());
  RaiseOwned(surface);
}

void SdlBackend::RaiseOwned(SdlSurface* owner) {
  if (has_wm_) return;  // the window manager keeps transient windows above their owners
  for (SdlSurface* s : surfaces_)
    if (s->OwnerId() == owner->Id() && s->IsShown() && s->Kind() == SurfaceKind::kDialog) s->Raise();
}

// --- Event queue ---

bool SdlBackend::PollEvent(Event& event) { return WaitEvent(event, 0); }

bool SdlBackend::WaitEvent(Event& event, int32_t timeout_ms) {
  uint64_t deadline = timeout_ms < 0 ? 0 : SDL_GetTicks64() + static_cast<uint64_t>(timeout_ms);
  for (;;) {
    DrainSdl();
    AfterPump();
    if (!pending_.empty()) {
      event = std::move(pending_.front());
      pending_.pop_front();
      return true;
    }
    uint64_t now = SDL_GetTicks64();
    if (timeout_ms >= 0 && now >= deadline) return false;
    int wait = timeout_ms < 0 ? -1 : static_cast<int>(deadline - now);
    if (NeedsPolling()) wait = wait < 0 ? kPollMs : std::min(wait, kPollMs);
    SDL_Event e;
    bool got = wait < 0 ? SDL_WaitEvent(&e) != 0 : SDL_WaitEventTimeout(&e, wait) != 0;
    if (got) Translate(e);
  }
}

void SdlBackend::Wake() {
  if (wake_pending_.exchange(true)) return;
  SDL_Event e{};
  e.type = wake_type_;
  SDL_PushEvent(&e);
}

uint64_t SdlBackend::NowMs() const { return SDL_GetTicks64(); }

gfx::Point SdlBackend::GlobalMouse(uint32_t* buttons) const {
  // Asked of the server each time: SDL's own global state is only refreshed by its events.
  unsigned b = 0;
  gfx::Point p = x11_->QueryPointer(&b);
  if (buttons) {
    *buttons = 0;
    if (b & 1) *buttons |= kModLeftButton;
    if (b & 2) *buttons |= kModRightButton;
    if (b & 4) *buttons |= kModMiddleButton;
  }
  return p;
}

void SdlBackend::DrainSdl() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) Translate(e);
}

bool SdlBackend::NeedsPolling() const { return loop_surface_ != kNoSurface || capture_ != kNoSurface; }

void SdlBackend::Translate(const SDL_Event& e) {
  if (e.type == wake_type_) {
    wake_pending_ = false;
    Push(Event{});
    return;
  }
  switch (e.type) {
    case SDL_WINDOWEVENT:
      OnWindowEvent(e);
      return;
    case SDL_MOUSEMOTION:
      OnMouseMotion(e);
      return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      OnMouseButton(e);
      return;
    case SDL_MOUSEWHEEL: {
      if (loop_surface_ != kNoSurface) return;
      SdlSurface* target = capture_ != kNoSurface ? Find(capture_) : FindWindow(e.wheel.windowID);
      if (!target) return;
      Event ev = MouseEvent(EventType::kMouseWheel, target, GlobalMouse());
      int32_t y = e.wheel.y;
      if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) y = -y;
      ev.wheel_delta = y * 120;
      if (ev.wheel_delta != 0) Push(ev);
      return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      KeyCode vk = VkFromSdl(e.key.keysym.sym, e.key.keysym.scancode);
      if (e.type == SDL_KEYDOWN && vk == kVkEscape && own_loop_ && loop_surface_ != kNoSurface) {
        // Escape cancels the loop and puts the window back.
        SdlSurface* s = Find(loop_surface_);
        s->ApplyBounds(loop_start_);
        EndLoop(s);
        return;
      }
      if (active_ == kNoSurface || vk == kVkNone) return;
      Event ev;
      ev.type = e.type == SDL_KEYDOWN ? EventType::kKeyDown : EventType::kKeyUp;
      ev.surface = active_;
      ev.key = vk;
      ev.repeat = e.key.repeat != 0;
      // The modifiers the key came with: a pump may already have taken their release (Alt+F4
      // typed quickly), so the state now can be behind the event.
      ev.modifiers = Modifiers() & ~(kModShift | kModControl | kModAlt);
      if (e.key.keysym.mod & KMOD_SHIFT) ev.modifiers |= kModShift;
      if (e.key.keysym.mod & KMOD_CTRL) ev.modifiers |= kModControl;
      if (e.key.keysym.mod & KMOD_ALT) ev.modifiers |= kModAlt;
      Push(ev);
      return;
    }
    case SDL_TEXTINPUT: {
      if (active_ == kNoSurface || e.text.text[0] == 0) return;
      Event ev;
      ev.type = EventType::kTextInput;
      ev.surface = active_;
      ev.text = e.text.text;
      Push(ev);
      return;
    }
    case SDL_TEXTEDITING: {
      if (active_ == kNoSurface) return;
      Event ev;
      ev.type = EventType::kTextEditing;
      ev.surface = active_;
      ev.text = e.edit.text;
      ev.edit_cursor = e.edit.start;
      Push(ev);
      return;
    }
    case SDL_DROPBEGIN:
      drop_files_.clear();
      return;
    case SDL_DROPFILE:
      if (e.drop.file) {
        drop_files_.emplace_back(e.drop.file);
        SDL_free(e.drop.file);
      }
      return;
    case SDL_DROPCOMPLETE: {
      SdlSurface* target = FindWindow(e.drop.windowID);
      if (target && !drop_files_.empty()) {
        Event ev = MouseEvent(EventType::kDropFiles, target, GlobalMouse());
        ev.files = std::move(drop_files_);
        Push(ev);
      }
      drop_files_.clear();
      return;
    }
    case SDL_QUIT: {
      Event ev;
      ev.type = EventType::kQuit;
      Push(ev);
      return;
    }
    default:
      return;
  }
}

void SdlBackend::OnWindowEvent(const SDL_Event& e) {
  SdlSurface* s = FindWindow(e.window.windowID);
  if (!s) return;
  Event ev;
  ev.surface = s->Id();
  if (s->ApplyPendingBounds()) {
    // The outer bounds are what the program asked for, but the client area inside them changed.
    ev.type = EventType::kResized;
    ev.rect = s->Bounds();
    Push(ev);
  }
  switch (e.window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      s->Repaint();
      return;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      gfx::Rect old = s->ReportedBounds();
      gfx::Rect now = s->Bounds();
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) s->Repaint();
      if (now == old) return;
      // A window-manager loop proposes; the program's filter and limits decide.
      if (loop_surface_ == s->Id() && !own_loop_) {
        gfx::Rect filtered = s->FilterSizeMove(now, loop_hit_);
        if (filtered != now) {
          s->ApplyBounds(filtered);
          now = s->Bounds();
        }
      }
      s->SetReportedBounds(now);
      ev.rect = now;
      if (now.TopLeft() != old.TopLeft()) {
        ev.type = EventType::kMoved;
        Push(ev);
      }
      if (now.Width() != old.Width() || now.Height() != old.Height()) {
        ev.type = EventType::kResized;
        Push(ev);
      }
      return;
    }
    case SDL_WINDOWEVENT_MINIMIZED:
      if (s->IsMinimized()) return;
      s->SetMinimizedFlag(true);
      ev.type = EventType::kMinimized;
      Push(ev);
      OnHidden(s);
      return;
    case SDL_WINDOWEVENT_RESTORED:
      if (!s->IsMinimized()) return;
      s->SetMinimizedFlag(false);
      ev.type = EventType::kRestored;
      Push(ev);
      return;
    case SDL_WINDOWEVENT_LEAVE:
      if (capture_ == s->Id() || loop_surface_ == s->Id()) return;
      ev.type = EventType::kMouseLeave;
      ev.screen = GlobalMouse();
      ev.modifiers = Modifiers();
      Push(ev);
      return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (s->Kind() == SurfaceKind::kPopup) {
        // Popups never keep the focus (a bare server gives it to every window SDL maps).
        if (SdlSurface* active = Find(active_); active && !has_wm_) SDL_SetWindowInputFocus(active->Window());
        return;
      }
      // SDL has taken every pending X event already: a gain that is no longer true is stale.
      if (SDL_GetKeyboardFocus() != s->Window()) return;
      SetActive(s->Id());
      return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (s->Id() == active_) focus_lost_pending_ = true;
      return;
    case SDL_WINDOWEVENT_CLOSE:
      ev.type = EventType::kCloseRequest;
      Push(ev);
      return;
    case SDL_WINDOWEVENT_HIT_TEST:
      StartWindowManagerLoop(s);
      return;
    default:
      return;
  }
}

Event SdlBackend::MouseEvent(EventType type, SdlSurface* target, gfx::Point screen) const {
  Event e;
  e.type = type;
  e.surface = target->Id();
  e.screen = screen;
  gfx::Point o = target->Origin();
  e.local = {screen.x - o.x, screen.y - o.y};
  // Under the capture all mouse input is client input, wherever the cursor is.
  e.hit = capture_ == target->Id() ? HitCode::kClient : target->HitAt(e.local);
  e.modifiers = Modifiers();
  return e;
}

void SdlBackend::OnMouseMotion(const SDL_Event& e) {
  SdlSurface* source = FindWindow(e.motion.windowID);
  gfx::Point screen = GlobalMouse();
  if (source) {
    gfx::Point o = source->Origin();
    screen = {o.x + e.motion.x, o.y + e.motion.y};
  }
  if (loop_surface_ != kNoSurface) {
    // The window moves under the pointer, so event coordinates lag behind: read the pointer.
    if (own_loop_) StepOwnLoop(GlobalMouse());
    return;
  }
  SdlSurface* target = capture_ != kNoSurface ? Find(capture_) : source;
  if (!target || screen == last_mouse_) return;
  last_mouse_ = screen;
  Push(MouseEvent(EventType::kMouseMove, target, screen));
}

void SdlBackend::OnMouseButton(const SDL_Event& e) {
  MouseButton button = FromSdlButton(e.button.button);
  if (button == MouseButton::kNone) return;
  bool down = e.type == SDL_MOUSEBUTTONDOWN;
  if (loop_surface_ != kNoSurface) {
    if (!down && button == MouseButton::kLeft) EndLoop(Find(loop_surface_));
    return;  // the loop owns the mouse
  }
  // A press or release already reported from the polled capture is not reported twice.
  uint32_t bit = ModifierBit(button);
  if (down == ((last_buttons_ & bit) != 0)) return;
  last_buttons_ = down ? (last_buttons_ | bit) : (last_buttons_ & ~bit);
  SdlSurface* source = FindWindow(e.button.windowID);
  gfx::Point screen = GlobalMouse();
  if (source) {
    gfx::Point o = source->Origin();
    screen = {o.x + e.button.x, o.y + e.button.y};
  }
  last_mouse_ = screen;
  SdlSurface* target = capture_ != kNoSurface ? Find(capture_) : source;
  if (!target) return;
  if (down && capture_ == kNoSurface && target->Kind() != SurfaceKind::kPopup && target->Id() != active_) {
    FocusWindow(target);
    SetActive(target->Id());
  }
  Event ev = MouseEvent(down ? EventType::kMouseDown : EventType::kMouseUp, target, screen);
  ev.button = button;
  if (down) ev.click_count = (e.button.clicks >= 2 && e.button.clicks % 2 == 0) ? 2 : 1;
  Push(ev);
  // The second press of a double click is the double click itself, and starts no loop.
  if (down && button == MouseButton::kLeft && capture_ == kNoSurface && ev.click_count == 1 && StartsSizeMove(ev.hit))
    StartOwnLoop(target, ev.hit, screen);
}

void SdlBackend::StartWindowManagerLoop(SdlSurface* surface) {
  // SDL has handed the press to the window manager; the program still hears of the press.
  uint32_t buttons = 0;
  gfx::Point screen = GlobalMouse(&buttons);
  if (surface->Kind() != SurfaceKind::kPopup && surface->Id() != active_) SetActive(surface->Id());
  Event ev = MouseEvent(EventType::kMouseDown, surface, screen);
  ev.hit = surface->LastHit();
  ev.button = MouseButton::kLeft;
  // SDL counts no clicks for the presses it hands over, so double clicks on the frame (a caption
  // double click maximizes) are recognised here.
  uint64_t now = SDL_GetTicks64();
  bool is_double = !frame_press_was_double_ && frame_press_surface_ == surface->Id() &&
                   now - frame_press_ms_ <= DoubleClickTimeMs() && std::abs(screen.x - frame_press_pos_.x) <= 2 &&
                   std::abs(screen.y - frame_press_pos_.y) <= 2;
  ev.click_count = is_double ? 2 : 1;
  frame_press_was_double_ = is_double;
  frame_press_surface_ = surface->Id();
  frame_press_ms_ = now;
  frame_press_pos_ = screen;
  Push(ev);
  loop_surface_ = surface->Id();
  own_loop_ = false;
  loop_hit_ = ev.hit;
  loop_start_ = surface->Bounds();
  loop_origin_ = screen;
  Event begin;
  begin.type = EventType::kSizeMoveBegin;
  begin.surface = surface->Id();
  begin.hit = ev.hit;
  begin.screen = screen;
  begin.rect = loop_start_;
  Push(begin);
}

void SdlBackend::StartOwnLoop(SdlSurface* surface, HitCode hit, gfx::Point screen) {
  loop_surface_ = surface->Id();
  own_loop_ = true;
  loop_hit_ = hit;
  loop_start_ = surface->Bounds();
  loop_origin_ = screen;
  Event begin;
  begin.type = EventType::kSizeMoveBegin;
  begin.surface = surface->Id();
  begin.hit = hit;
  begin.screen = screen;
  begin.rect = loop_start_;
  Push(begin);
}

void SdlBackend::StepOwnLoop(gfx::Point screen) {
  SdlSurface* s = Find(loop_surface_);
  if (!s) return;
  gfx::Point delta{screen.x - loop_origin_.x, screen.y - loop_origin_.y};
  gfx::Rect proposed = SizeMoveBounds(loop_start_, loop_hit_, delta, {}, {});
  gfx::Rect target = s->FilterSizeMove(proposed, loop_hit_);
  gfx::Rect old = s->ReportedBounds();
  if (target == old) return;
  s->ApplyBounds(target);
  gfx::Rect now = s->Bounds();
  s->SetReportedBounds(now);
  Event ev;
  ev.surface = s->Id();
  ev.rect = now;
  if (now.TopLeft() != old.TopLeft()) {
    ev.type = EventType::kMoved;
    Push(ev);
  }
  if (now.Width() != old.Width() || now.Height() != old.Height()) {
    ev.type = EventType::kResized;
    Push(ev);
  }
}

void SdlBackend::EndLoop(SdlSurface* surface) {
  loop_surface_ = kNoSurface;
  if (!surface) return;
  gfx::Rect now = surface->Bounds();
  if (now != surface->ReportedBounds()) {
    Event moved;
    moved.surface = surface->Id();
    moved.rect = now;
    moved.type = now.TopLeft() != surface->ReportedBounds().TopLeft() ? EventType::kMoved : EventType::kResized;
    surface->SetReportedBounds(now);
    Push(moved);
  }
  Event end;
  end.type = EventType::kSizeMoveEnd;
  end.surface = surface->Id();
  end.hit = loop_hit_;
  end.rect = now;
  end.screen = GlobalMouse(&last_buttons_);
  last_mouse_ = end.screen;
  Push(end);
}

void SdlBackend::AfterPump() {
  if (focus_lost_pending_) {
    focus_lost_pending_ = false;
    SdlSurface* focus = nullptr;
    if (SDL_Window* w = SDL_GetKeyboardFocus()) focus = FindWindow(SDL_GetWindowID(w));
    // Focus moving to one of our popups keeps the activation where it was.
    if (!focus) SetActive(kNoSurface);
  }
  if (loop_surface_ != kNoSurface) {
    uint32_t buttons = 0;
    gfx::Point screen = GlobalMouse(&buttons);
    if (own_loop_) StepOwnLoop(screen);
    if (!(buttons & kModLeftButton)) EndLoop(Find(loop_surface_));
    return;
  }
  if (capture_ == kNoSurface) return;
  // The pointer may be outside every window of ours, where SDL reports nothing: read it directly.
  SdlSurface* target = Find(capture_);
  if (!target) return;
  uint32_t buttons = 0;
  gfx::Point screen = GlobalMouse(&buttons);
  if (screen != last_mouse_) {
    last_mouse_ = screen;
    Push(MouseEvent(EventType::kMouseMove, target, screen));
  }
  for (MouseButton b : {MouseButton::kLeft, MouseButton::kRight, MouseButton::kMiddle}) {
    uint32_t bit = ModifierBit(b);
    if ((buttons & bit) == (last_buttons_ & bit)) continue;
    bool down = (buttons & bit) != 0;
    last_buttons_ = down ? (last_buttons_ | bit) : (last_buttons_ & ~bit);
    Event ev = MouseEvent(down ? EventType::kMouseDown : EventType::kMouseUp, target, screen);
    ev.button = b;
    if (down) ev.click_count = 1;
    Push(ev);
  }
}

// --- Mouse and keyboard state ---

gfx::Point SdlBackend::CursorPos() const { return GlobalMouse(); }

void SdlBackend::SetCursorPos(gfx::Point screen) { SDL_WarpMouseGlobal(screen.x, screen.y); }

void SdlBackend::SetCursor(CursorShape shape) {
  if (shape == CursorShape::kHidden) {
    SDL_ShowCursor(SDL_DISABLE);
    cursor_shape_ = shape;
    return;
  }
  if (cursor_shape_ == CursorShape::kHidden) SDL_ShowCursor(SDL_ENABLE);
  cursor_shape_ = shape;
  static constexpr SDL_SystemCursor kSystem[] = {
      SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_IBEAM,    SDL_SYSTEM_CURSOR_WAIT,   SDL_SYSTEM_CURSOR_CROSSHAIR,
      SDL_SYSTEM_CURSOR_HAND,     SDL_SYSTEM_CURSOR_SIZENWSE, SDL_SYSTEM_CURSOR_SIZENESW, SDL_SYSTEM_CURSOR_SIZEWE,
      SDL_SYSTEM_CURSOR_SIZENS,   SDL_SYSTEM_CURSOR_SIZEALL,  SDL_SYSTEM_CURSOR_NO,
  };
  size_t index = static_cast<size_t>(shape);
  if (index >= std::size(kSystem)) return;
  if (cursors_.size() <= index) cursors_.resize(std::size(kSystem), nullptr);
  if (!cursors_[index]) cursors_[index] = SDL_CreateSystemCursor(kSystem[index]);
  if (cursors_[index]) SDL_SetCursor(cursors_[index]);
}

void SdlBackend::SetCapture(SurfaceId surface) {
  SdlSurface* s = Find(surface);
  if (!s || !s->IsShown()) surface = kNoSurface;
  if (capture_ != kNoSurface && capture_ != surface) {
    Event e;
    e.type = EventType::kCaptureLost;
    e.surface = capture_;
    Push(e);
  }
  capture_ = surface;
  // SDL captures for the focused window; events reaching it are re-addressed to the capture, and
  // AfterPump reads the pointer where SDL cannot follow it.
  SDL_CaptureMouse(surface != kNoSurface ? SDL_TRUE : SDL_FALSE);
  // The button state stays what the events said so far: the pointer may be ahead of the queue
  // (a release already made but not yet taken), and that release must still be reported once.
  if (surface != kNoSurface) last_mouse_ = GlobalMouse();
}

void SdlBackend::ReleaseCapture() {
  if (capture_ == kNoSurface) return;
  capture_ = kNoSurface;
  SDL_CaptureMouse(SDL_FALSE);
}

bool SdlBackend::IsKeyDown(KeyCode key) const {
  uint32_t buttons = 0;
  switch (key) {
    case kVkLButton:
      GlobalMouse(&buttons);
      return buttons & kModLeftButton;
    case kVkRButton:
      GlobalMouse(&buttons);
      return buttons & kModRightButton;
    case kVkMButton:
      GlobalMouse(&buttons);
      return buttons & kModMiddleButton;
    default:
      break;
  }
  SDL_Scancode codes[2];
  int n = ScancodesForVk(key, codes);
  const Uint8* state = SDL_GetKeyboardState(nullptr);
  for (int i = 0; i < n; ++i)
    if (state[codes[i]]) return true;
  return false;
}

uint32_t SdlBackend::Modifiers() const {
  // SDL's own button state, which follows the events taken so far.
  Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  uint32_t m = 0;
  if (buttons & SDL_BUTTON_LMASK) m |= kModLeftButton;
  if (buttons & SDL_BUTTON_RMASK) m |= kModRightButton;
  if (buttons & SDL_BUTTON_MMASK) m |= kModMiddleButton;
  SDL_Keymod mod = SDL_GetModState();
  if (mod & KMOD_SHIFT) m |= kModShift;
  if (mod & KMOD_CTRL) m |= kModControl;
  if (mod & KMOD_ALT) m |= kModAlt;
  return m;
}

void SdlBackend::StartTextInput(SurfaceId surface, const gfx::Rect& caret) {
  if (!Find(surface)) return;
  SDL_Rect r{caret.left, caret.top, caret.Width(), caret.Height()};
  SDL_SetTextInputRect(&r);
  SDL_StartTextInput();
}

void SdlBackend::StopTextInput() {
  // Typed characters keep arriving as text (as a keyboard gives them), so text input stays on; the
  // input method simply has no caret to follow any more.
}

// --- Screen ---

gfx::Size SdlBackend::ScreenSize() const {
  SDL_Rect r;
  if (SDL_GetDisplayBounds(0, &r) != 0) return x11_->RootSize();
  return {r.w, r.h};
}

std::vector<Monitor> SdlBackend::Monitors() const {
  std::vector<Monitor> monitors;
  int n = SDL_GetNumVideoDisplays();
  for (int i = 0; i < n; ++i) {
    SDL_Rect b, u;
    if (SDL_GetDisplayBounds(i, &b) != 0) continue;
    if (SDL_GetDisplayUsableBounds(i, &u) != 0) u = b;
    monitors.push_back({gfx::Rect::FromSize(b.x, b.y, b.w, b.h), gfx::Rect::FromSize(u.x, u.y, u.w, u.h), i == 0});
  }
  if (monitors.empty()) {
    gfx::Size root = x11_->RootSize();
    monitors.push_back({{0, 0, root.width, root.height}, {0, 0, root.width, root.height}, true});
  }
  return monitors;
}

gfx::Bitmap SdlBackend::CaptureScreen(const gfx::Rect& rect) { return x11_->CaptureRoot(rect); }

bool SdlBackend::LayeredWindowsAvailable() const { return x11_->HasCompositor(); }

// --- Desktop services ---

void SdlBackend::Beep() { x11_->Bell(); }

bool SdlBackend::OpenUrl(const std::string& url) {
  // The address goes to the desktop's opener as one argument, never through a shell. A leading
  // '-' would read as an option, and control characters have no place in an address or a path.
  if (url.empty() || url.front() == '-') return false;
  for (unsigned char c : url)
    if (c < 0x20 || c == 0x7F) return false;
  return SDL_OpenURL(url.c_str()) == 0;
}

std::string SdlBackend::ClipboardText() const {
  char* text = SDL_GetClipboardText();
  if (!text) return {};
  std::string result(text);
  SDL_free(text);
  return result;
}

void SdlBackend::SetClipboardText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }

std::string SdlBackend::PrimarySelectionText() const {
  char* text = SDL_GetPrimarySelectionText();
  if (!text) return {};
  std::string result(text);
  SDL_free(text);
  return result;
}

void SdlBackend::SetPrimarySelectionText(const std::string& utf8) { SDL_SetPrimarySelectionText(utf8.c_str()); }

}  // namespace platform
