// The Xlib side of the desktop backend: window shapes, screen capture, window-manager and compositor checks.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"

struct _XDisplay;

namespace platform {

// A connection of our own to the X server, for the root window and the window manager's state.
// Window ids are server-wide, so it may also act on windows another connection (SDL's) created,
// as long as that connection has flushed their creation.
class X11Connection {
 public:
  // Throws std::runtime_error when the display cannot be opened.
  explicit X11Connection(const char* display_name);
  // Makes protocol errors (a request naming a window that was destroyed meanwhile, say) non-fatal
  // for the whole process: Xlib's default handler would end the program. Each error is written
  // to stderr once and otherwise ignored.
  static void InstallErrorHandler();
  ~X11Connection();
  X11Connection(const X11Connection&) = delete;
  X11Connection& operator=(const X11Connection&) = delete;

  _XDisplay* Display() const { return display_; }
  gfx::Size RootSize() const;
  // A window manager announces itself on the root window (_NET_SUPPORTING_WM_CHECK).
  bool HasWindowManager() const;
  // Whether the window manager runs move/size loops for clients (_NET_WM_MOVERESIZE).
  bool SupportsMoveResize() const;
  // A compositing manager owns the _NET_WM_CM_S<screen> selection; only then is opacity visible.
  bool HasCompositor() const;

  // Sets the bounding (and so the input) shape of `window` from the region's rectangles, or removes
  // it; flushes the connection.
  static void SetShape(_XDisplay* display, unsigned long window, const std::optional<gfx::Region>& shape);
  // Marks `window` as belonging to `owner` for the window manager (kept above it, no task-bar entry).
  static void SetTransientFor(_XDisplay* display, unsigned long window, unsigned long owner);

  // The pointer's root position now, and which of the left, right and middle buttons are down
  // (bits 1, 2 and 4).
  gfx::Point QueryPointer(unsigned* buttons) const;

  // A 24-bit copy of `rect` of the root window; parts outside the screen stay black.
  gfx::Bitmap CaptureRoot(const gfx::Rect& rect) const;
  void Bell() const;

 private:
  _XDisplay* display_ = nullptr;
};

}  // namespace platform
