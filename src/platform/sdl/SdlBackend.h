// The desktop backend: SDL2 for windows, input and clipboard; Xlib for window shapes and screen capture.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"

struct SDL_Cursor;
union SDL_Event;

namespace platform {

class SdlSurface;
class X11Connection;

// Opens the display named by DISPLAY. Throws std::runtime_error with the reason when there is no
// usable display.
std::unique_ptr<Backend> CreateSdlBackend();

// Window-system input arrives as SDL events and is translated into the program's events. Where
// the window manager runs move/size loops for clients (_NET_WM_MOVERESIZE) SDL's hit test hands
// caption and border presses to it; without one (a bare X server) the backend runs the loop itself
// by following the pointer until the left button is released. Activation follows the rules of
// Backend: a press activates at once, so the program sees kActivate before the kMouseDown whatever
// the window manager does later.
class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;

  std::string Name() const override { return "sdl"; }
  bool ScriptedInput() const override { return false; }
  std::unique_ptr<Surface> CreateSurface(const SurfaceParams& params) override;
  bool PollEvent(Event& event) override;
  bool WaitEvent(Event& event, int32_t timeout_ms) override;
  void Wake() override;
  uint64_t NowMs() const override;
  SurfaceId ActiveSurface() const override { return active_; }
  gfx::Point CursorPos() const override;
  void SetCursorPos(gfx::Point screen) override;
  void SetCursor(CursorShape shape) override;
  void SetCapture(SurfaceId surface) override;
  void ReleaseCapture() override;
  SurfaceId CaptureSurface() const override { return capture_; }
  bool IsKeyDown(KeyCode key) const override;
  uint32_t Modifiers() const override;
  void StartTextInput(SurfaceId surface, const gfx::Rect& caret) override;
  void StopTextInput() override;
  gfx::Size ScreenSize() const override;
  std::vector<Monitor> Monitors() const override;
  gfx::Bitmap CaptureScreen(const gfx::Rect& rect) override;
  bool LayeredWindowsAvailable() const override;
  void Beep() override;
  bool OpenUrl(const std::string& url) override;
  std::string ClipboardText() const override;
  void SetClipboardText(const std::string& utf8) override;
  std::string PrimarySelectionText() const override;
  void SetPrimarySelectionText(const std::string& utf8) override;

  // Whether a window manager runs; without one the backend moves the keyboard focus itself.
  bool HasWindowManager() const { return has_wm_; }
  bool WindowManagerMovesWindows() const { return wm_move_resize_; }

 private:
  friend class SdlSurface;

  void Push(Event event) { pending_.push_back(std::move(event)); }
  SdlSurface* Find(SurfaceId id) const;
  SdlSurface* FindWindow(uint32_t sdl_window_id) const;
  void Unregister(SdlSurface* surface);
  void OnHidden(SdlSurface* surface);
  void SetActive(SurfaceId id);
  // Raises and gives the keyboard focus to the surface, the window system permitting.
  void FocusWindow(SdlSurface* surface);
  void RaiseOwned(SdlSurface* owner);

  void DrainSdl();
  void Translate(const SDL_Event& e);
  void OnWindowEvent(const SDL_Event& e);
  void OnMouseButton(const SDL_Event& e);
  void OnMouseMotion(const SDL_Event& e);
  Event MouseEvent(EventType type, SdlSurface* target, gfx::Point screen) const;
  gfx::Point GlobalMouse(uint32_t* buttons = nullptr) const;
  // Work done after each batch of SDL events: deferred focus loss, the loops, polled capture.
  void AfterPump();
  bool NeedsPolling() const;
  void StartWindowManagerLoop(SdlSurface* surface);
  void StartOwnLoop(SdlSurface* surface, HitCode hit, gfx::Point screen);
  void EndLoop(SdlSurface* surface);
  void StepOwnLoop(gfx::Point screen);

  std::unique_ptr<X11Connection> x11_;
  bool has_wm_ = false;
  bool wm_move_resize_ = false;
  uint32_t wake_type_ = 0;
  std::atomic<bool> wake_pending_{false};
  std::vector<SdlSurface*> surfaces_;
  std::deque<Event> pending_;
  SurfaceId next_id_ = 1;
  SurfaceId active_ = kNoSurface;
  SurfaceId capture_ = kNoSurface;
  bool focus_lost_pending_ = false;
  // The last mouse state reported, so polled capture input is not reported twice.
  gfx::Point last_mouse_;
  uint32_t last_buttons_ = 0;
  // A move/size loop: run by the window manager, or by the backend itself.
  SurfaceId loop_surface_ = kNoSurface;
  bool own_loop_ = false;
  HitCode loop_hit_ = HitCode::kClient;
  gfx::Rect loop_start_;
  gfx::Point loop_origin_;
  // The last press SDL handed to the window manager, for double clicks on the frame.
  SurfaceId frame_press_surface_ = kNoSurface;
  uint64_t frame_press_ms_ = 0;
  gfx::Point frame_press_pos_;
  bool frame_press_was_double_ = false;
  std::vector<std::string> drop_files_;
  CursorShape cursor_shape_ = CursorShape::kArrow;
  std::vector<SDL_Cursor*> cursors_;
};

}  // namespace platform
