// The process-wide window-system backend: surfaces, the event queue, clock, screen, clipboard, shell.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "platform/Event.h"
#include "platform/Surface.h"

namespace platform {

struct Monitor {
  gfx::Rect bounds;     // the whole monitor, in screen coordinates
  gfx::Rect work_area;  // without task bars and docks
  bool primary = false;
};

enum class CursorShape : uint8_t {
  kArrow,
  kIBeam,
  kWait,
  kCrosshair,
  kHand,
  kSizeNWSE,  // top-left / bottom-right corners
  kSizeNESW,  // top-right / bottom-left corners
  kSizeWE,
  kSizeNS,
  kSizeAll,
  kNo,
  kHidden,
};

// Everything the rest of the program may ask of the window system. One instance per process
// (SetBackend/GetBackend). All members are for the UI thread only, except Wake, which any thread may
// call at any time.
//
// Input model: the backend turns window-system input into Events and queues them. Mouse input goes
// to the topmost visible surface whose shape contains the point, or to the surface holding the
// mouse capture. A press on a surface other than a popup activates it (kDeactivate/kFocusOut for
// the old one, kActivate/kFocusIn for the new one, before the kMouseDown). Key and text events go to
// the active surface. A left press where the surface's hit test answers kCaption or a border code is
// delivered as kMouseDown (with that hit) and then runs the window system's move or size loop:
// kSizeMoveBegin, kMoved/kResized while it runs, kSizeMoveEnd; the release is consumed by the loop.
class Backend {
 public:
  virtual ~Backend() = default;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  // "sdl" or "headless".
  virtual std::string Name() const = 0;
  // Whether input comes from a script rather than from a user: then a WaitEvent that returns false
  // means the script has nothing more, and a loop that waits for input must stop instead of waiting
  // again.
  virtual bool ScriptedInput() const = 0;

  // Creates a hidden surface. Throws std::runtime_error when the window system refuses.
  virtual std::unique_ptr<Surface> CreateSurface(const SurfaceParams& params) = 0;

  // --- Event queue ---
  // Takes the next queued event without waiting; false when there is none.
  virtual bool PollEvent(Event& event) = 0;
  // Waits up to timeout_ms (negative: without limit) for the next event; false when none came.
  // The headless backend never sleeps and never advances its clock here; see HeadlessBackend.
  virtual bool WaitEvent(Event& event, int32_t timeout_ms) = 0;
  // Thread-safe: queues one kWake (calls before it is taken may share it) and ends a WaitEvent.
  virtual void Wake() = 0;

  // Monotonic milliseconds since an arbitrary start (virtual time on the headless backend).
  virtual uint64_t NowMs() const = 0;
  // Longest pause between the two presses of a double click.
  virtual uint32_t DoubleClickTimeMs() const { return 500; }

  // --- Activation, mouse and keyboard state ---
  virtual SurfaceId ActiveSurface() const = 0;
  virtual gfx::Point CursorPos() const = 0;
  virtual void SetCursorPos(gfx::Point screen) = 0;
  virtual void SetCursor(CursorShape shape) = 0;
  // Sends every mouse event to `surface` until released, wherever the cursor is. Capturing for
  // another surface sends kCaptureLost to the previous holder.
  virtual void SetCapture(SurfaceId surface) = 0;
  virtual void ReleaseCapture() = 0;
  virtual SurfaceId CaptureSurface() const = 0;
  // Whether a key or mouse button (kVkLButton ...) is down now.
  virtual bool IsKeyDown(KeyCode key) const = 0;
  // The kMod* bits now.
  virtual uint32_t Modifiers() const = 0;
  // Typed characters always arrive as kTextInput (control keys such as Return, Back and Escape only
  // as key events). StartTextInput says a text field of `surface` has the focus: the input method
  // (for Chinese, say) may compose there and places its candidate window at `caret` (surface
  // coordinates); StopTextInput says no text field has it any more.
  virtual void StartTextInput(SurfaceId surface, const gfx::Rect& caret) = 0;
  virtual void StopTextInput() = 0;

  // --- Screen ---
  // The primary monitor's size.
  virtual gfx::Size ScreenSize() const = 0;
  // At least one monitor; the primary one first.
  virtual std::vector<Monitor> Monitors() const = 0;
  // With several monitors, the monitor nearest to `near` (largest overlap, else shortest distance):
  // its work area (work_area_only) or its whole area. With one monitor: the primary work area, or
  // (0, 0, screen width, screen height).
  gfx::Rect GetWorkArea(const gfx::Rect& near, bool work_area_only) const;
  gfx::Rect GetWorkArea(const Surface& surface, bool work_area_only) const {
    return GetWorkArea(surface.Bounds(), work_area_only);
  }
  // A frozen 24-bit picture of `rect` of the screen as it looks now (every window included); parts
  // outside the screen are black. Throws std::runtime_error when the screen cannot be read.
  virtual gfx::Bitmap CaptureScreen(const gfx::Rect& rect) = 0;

  // Whether surfaces can be made translucent (Surface::SetOpacity).
  virtual bool LayeredWindowsAvailable() const = 0;

  // --- Desktop services ---
  virtual void Beep() = 0;
  // Opens a URL or file with the desktop's handler, without a shell; false when it could not be
  // started. The handler's own success is not waited for.
  virtual bool OpenUrl(const std::string& url) = 0;
  virtual std::string ClipboardText() const = 0;
  virtual void SetClipboardText(const std::string& utf8) = 0;
  // The X primary selection: the text last selected in any program, pasted by a middle click.
  // Empty when there is none (or the window system has no such thing).
  virtual std::string PrimarySelectionText() const = 0;
  virtual void SetPrimarySelectionText(const std::string& utf8) = 0;

 protected:
  Backend() = default;
};

// The process-wide backend: set once at start-up (tests may replace it). SetBackend(nullptr)
// destroys the current one; every surface must have been destroyed before.
void SetBackend(std::unique_ptr<Backend> backend);
// Throws std::logic_error when no backend is set.
Backend& GetBackend();
bool HasBackend();

// Shared by the backends: the interactive move/size step. Given the bounds when the loop began, the
// hit code, the cursor movement since the press and the size limits ((0, 0) = none), returns the new
// outer bounds: kCaption moves, a border code moves that edge or corner, keeping the opposite edges.
gfx::Rect SizeMoveBounds(const gfx::Rect& start, HitCode hit, gfx::Point delta, gfx::Size min_size,
                         gfx::Size max_size);
// Keeps the size of `bounds` within the limits ((0, 0) = none), anchoring the edges a resize from
// `hit` does not drag (kCaption and the others anchor the top-left).
gfx::Rect ClampToSizeLimits(const gfx::Rect& bounds, HitCode hit, gfx::Size min_size, gfx::Size max_size);

}  // namespace platform
