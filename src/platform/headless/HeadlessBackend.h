// A backend without a display: a virtual screen, scripted input and a virtual clock for tests.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "platform/Backend.h"

namespace platform {

class HeadlessSurface;

// Behaves like a small window system so the whole program can run in tests:
// - The screen (1280 x 1024 unless SetMonitors says otherwise) composes the visible surfaces
//   bottom to top: normal and dialog surfaces, then popups, then capture surfaces; a dialog stays
//   above its owner. Each surface shows its presented pixels inside its shape, blended by its
//   opacity; uncovered screen is the desktop colour.
// - Injected input is routed like a window system routes it (see Backend). A left press on kCaption
//   or a border code starts a scripted move/size loop: every following InjectMouseMove moves or
//   sizes the surface (kMoved/kResized), InjectMouseUp ends it (kSizeMoveEnd, no kMouseUp).
// - Time is virtual: NowMs starts at 0 and changes only through AdvanceClock. WaitEvent returns a
//   queued event at once; with none queued it runs the idle handler (if one is set) and looks
//   again, and otherwise returns false at once without advancing time. A test that drives a loop
//   which waits (a modal loop, say) installs an idle handler that injects input or advances the
//   clock, and returns false from it when it has nothing more to do.
// Injection calls run hit tests synchronously and only queue events; the program sees them when it
// next polls. Everything except Wake is for the test's (UI) thread.
class HeadlessBackend : public Backend {
 public:
  static constexpr gfx::Color kDesktopColor = gfx::Rgb(0, 128, 128);

  HeadlessBackend();
  ~HeadlessBackend() override;

  // --- Backend ---
  std::string Name() const override { return "headless"; }
  bool ScriptedInput() const override { return true; }
  std::unique_ptr<Surface> CreateSurface(const SurfaceParams& params) override;
  bool PollEvent(Event& event) override;
  bool WaitEvent(Event& event, int32_t timeout_ms) override;
  void Wake() override;
  uint64_t NowMs() const override { return now_ms_; }
  SurfaceId ActiveSurface() const override { return active_; }
  gfx::Point CursorPos() const override { return cursor_; }
  void SetCursorPos(gfx::Point screen) override;
  void SetCursor(CursorShape shape) override { cursor_shape_ = shape; }
  void SetCapture(SurfaceId surface) override;
  void ReleaseCapture() override;
  SurfaceId CaptureSurface() const override { return capture_; }
  bool IsKeyDown(KeyCode key) const override;
  uint32_t Modifiers() const override;
  void StartTextInput(SurfaceId surface, const gfx::Rect& caret) override;
  void StopTextInput() override;
  gfx::Size ScreenSize() const override;
  std::vector<Monitor> Monitors() const override { return monitors_; }
  gfx::Bitmap CaptureScreen(const gfx::Rect& rect) override;
  bool LayeredWindowsAvailable() const override { return layered_; }
  void Beep() override { ++beeps_; }
  bool OpenUrl(const std::string& url) override;
  std::string ClipboardText() const override { return clipboard_; }
  void SetClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
  std::string PrimarySelectionText() const override { return primary_selection_; }
  void SetPrimarySelectionText(const std::string& utf8) override { primary_selection_ = utf8; }

  // --- Set-up for tests ---
  // Replaces the monitors (the first is the primary one; at least one).
  void SetMonitors(std::vector<Monitor> monitors);
  void SetLayeredWindowsAvailable(bool available) { layered_ = available; }
  // The window-system frame around decorated surfaces (0 on every side unless set).
  void SetFrameExtents(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Called by WaitEvent when the queue is empty; returns false when it has nothing more to do.
  void SetIdleHandler(std::function<bool()> handler) { idle_ = std::move(handler); }

  // --- Time ---
  void AdvanceClock(uint64_t ms) { now_ms_ += ms; }

  // --- Input injection (screen coordinates) ---
  void InjectMouseMove(gfx::Point screen);
  void InjectMouseDown(gfx::Point screen, MouseButton button = MouseButton::kLeft);
  void InjectMouseUp(gfx::Point screen, MouseButton button = MouseButton::kLeft);
  // Down and up at one point.
  void Click(gfx::Point screen, MouseButton button = MouseButton::kLeft);
  void InjectWheel(gfx::Point screen, int32_t delta);
  // Key events go to the active surface; holding kVkShift/kVkControl/kVkMenu sets the modifiers.
  void InjectKeyDown(KeyCode key, bool repeat = false);
  void InjectKeyUp(KeyCode key);
  void PressKey(KeyCode key);  // down and up
  // Committed text (as an input method or a keyboard would give it) to the active surface.
  void InjectText(const std::string& utf8);
  void InjectTextEditing(const std::string& utf8, int32_t cursor);
  // Window-system requests for one surface.
  void InjectCloseRequest(SurfaceId surface);
  void InjectDropFiles(gfx::Point screen, std::vector<std::string> files);
  void InjectQuit();

  // --- Observation ---
  // The composed screen (primary monitor's size, 24-bit); one pixel of it (black off the screen).
  gfx::Bitmap ScreenBitmap() const;
  gfx::Color ScreenPixel(gfx::Point screen) const;
  // The topmost visible surface whose shape contains the point (kNoSurface: the desktop).
  SurfaceId SurfaceAt(gfx::Point screen) const;
  // Visible surfaces bottom to top.
  std::vector<SurfaceId> ZOrder() const;
  CursorShape Cursor() const { return cursor_shape_; }
  int Beeps() const { return beeps_; }
  const std::vector<std::string>& OpenedUrls() const { return opened_urls_; }
  SurfaceId TextInputSurface() const { return text_input_; }
  gfx::Rect TextInputCaret() const { return text_input_caret_; }
  bool InSizeMove() const { return size_move_ != kNoSurface; }
  // Events queued and not yet taken.
  size_t PendingEvents() const;

 private:
  friend class HeadlessSurface;

  void Push(Event event);
  gfx::Bitmap ComposeArea(const gfx::Rect& area) const;
  HeadlessSurface* Find(SurfaceId id) const;
  HeadlessSurface* TopmostAt(gfx::Point screen) const;
  void Unregister(HeadlessSurface* surface);
  void BringToTop(HeadlessSurface* surface);
  void SetActive(SurfaceId id);
  void OnHidden(HeadlessSurface* surface);
  Event MouseEvent(EventType type, HeadlessSurface* target, gfx::Point screen) const;
  void RouteHover(gfx::Point screen);
  int Band(const HeadlessSurface* surface) const;

  std::vector<HeadlessSurface*> surfaces_;  // bottom to top, hidden ones included
  std::vector<Monitor> monitors_;
  gfx::Rect frame_extents_;  // left, top, right, bottom widths
  bool layered_ = true;
  uint64_t now_ms_ = 0;
  SurfaceId next_id_ = 1;
  SurfaceId active_ = kNoSurface;
  SurfaceId capture_ = kNoSurface;
  SurfaceId hover_ = kNoSurface;
  SurfaceId text_input_ = kNoSurface;
  gfx::Rect text_input_caret_;
  gfx::Point cursor_;
  CursorShape cursor_shape_ = CursorShape::kArrow;
  uint32_t buttons_ = 0;  // kModLeftButton ...
  std::vector<KeyCode> keys_down_;
  // Double-click detection.
  MouseButton last_press_button_ = MouseButton::kNone;
  uint64_t last_press_ms_ = 0;
  gfx::Point last_press_pos_;
  SurfaceId last_press_surface_ = kNoSurface;
  bool last_press_was_double_ = false;
  // The scripted move/size loop.
  SurfaceId size_move_ = kNoSurface;
  HitCode size_move_hit_ = HitCode::kClient;
  gfx::Rect size_move_start_;
  gfx::Point size_move_origin_;
  std::function<bool()> idle_;
  int beeps_ = 0;
  std::vector<std::string> opened_urls_;
  std::string clipboard_;
  std::string primary_selection_;

  mutable std::mutex queue_mutex_;  // the queue is shared with Wake
  std::deque<Event> queue_;
  bool wake_pending_ = false;
};

}  // namespace platform
