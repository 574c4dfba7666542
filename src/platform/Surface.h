// A top-level surface (a window on screen): bounds, visibility, title, shape, opacity, presenting pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "gfx/Geometry.h"
#include "gfx/Region.h"
#include "platform/Event.h"
#include "platform/HitCode.h"

namespace gfx {
class Bitmap;
}

namespace platform {

class Surface;

enum class SurfaceKind : uint8_t {
  kNormal,   // an ordinary top-level window (shown in the task bar)
  kDialog,   // a window owned by `owner`: kept above it, not in the task bar
  kPopup,    // menus and hints: never takes the activation or the keyboard focus, stays above the
             // normal windows, never decorated
  kCapture,  // full-screen capture: undecorated, above everything, takes the activation
};

struct SurfaceParams {
  SurfaceKind kind = SurfaceKind::kNormal;
  gfx::Rect bounds;   // outer bounds in screen coordinates
  std::string title;  // UTF-8
  Surface* owner = nullptr;  // kDialog: required; kPopup: optional (whose popup it is)
  // kNormal and kDialog only: true lets the window system draw its own frame and caption around the
  // frame buffer; false (the usual case here) leaves the whole outer rectangle to the toolkit.
  bool decorated = false;
  // Decorated surfaces only: whether the window system's frame lets the user resize.
  bool resizable = true;
};

// Answers the hit code for a point in surface coordinates. Called on the UI thread, synchronously
// while the backend processes input (inside Backend::PollEvent/WaitEvent, or inside an injection
// call of the headless backend).
using HitTestFn = std::function<HitCode(gfx::Point local)>;

// Adjusts the bounds an interactive move or resize proposes (snapping, keeping a maximized window in
// place). Gets the proposed outer bounds and the loop's hit code, returns the bounds to use. The
// backend applies the minimum and maximum sizes after the filter.
using SizeMoveFilterFn = std::function<gfx::Rect(const gfx::Rect& proposed, HitCode hit)>;

// Created by Backend::CreateSurface; destroying the object destroys the window. Not thread-safe:
// use from the UI thread only. A surface starts hidden.
class Surface {
 public:
  virtual ~Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  SurfaceId Id() const { return id_; }
  SurfaceKind Kind() const { return kind_; }

  // Outer bounds in screen coordinates. SetBounds moves and sizes at once (the size is kept within
  // the minimum and maximum sizes) and queues no kMoved/kResized for the change it makes itself.
  virtual gfx::Rect Bounds() const = 0;
  virtual void SetBounds(const gfx::Rect& outer) = 0;
  // Where the frame buffer lies inside the outer bounds, relative to the outer top-left. For an
  // undecorated surface this is (0, 0, width, height); for a decorated one it excludes the window
  // system's frame as far as the window system reports it (without a window manager the frame is
  // empty and the client rectangle is the whole outer rectangle).
  virtual gfx::Rect ClientRect() const = 0;
  // Size of the frame buffer Present expects: ClientRect's size.
  gfx::Size FrameSize() const {
    gfx::Rect r = ClientRect();
    return {r.Width(), r.Height()};
  }

  // Show makes the surface visible and puts it on top of its band; with `activate` (ignored for
  // popups) it also becomes the active surface with the keyboard focus.
  virtual void Show(bool activate) = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  // Raise puts the surface on top of its band without activating it; Activate raises and activates
  // (popups: raise only).
  virtual void Raise() = 0;
  virtual void Activate() = 0;
  virtual void Minimize() = 0;
  virtual void Restore() = 0;
  virtual bool IsMinimized() const = 0;

  virtual std::string Title() const = 0;
  virtual void SetTitle(const std::string& utf8) = 0;

  // The visible part of the surface in surface coordinates; std::nullopt means the whole rectangle.
  // Input outside the shape goes to whatever lies below it.
  virtual void SetShape(std::optional<gfx::Region> shape) = 0;
  virtual const std::optional<gfx::Region>& Shape() const = 0;

  // Constant opacity, 0 (invisible) to 255 (opaque). Returns false, and changes nothing visible,
  // when the backend cannot make windows translucent (Backend::LayeredWindowsAvailable); the value
  // is remembered either way.
  virtual bool SetOpacity(uint8_t alpha) = 0;
  virtual uint8_t Opacity() const = 0;

  // Size limits of the outer bounds for interactive resizing and SetBounds; (0, 0) means no limit.
  virtual void SetMinSize(gfx::Size size) = 0;
  virtual void SetMaxSize(gfx::Size size) = 0;

  // The hit test that drives the non-client mouse protocol and the window system's move/size loop.
  // Without one every point of the shape is kClient.
  virtual void SetHitTest(HitTestFn fn) = 0;
  virtual void SetSizeMoveFilter(SizeMoveFilterFn fn) = 0;

  // Copies `rect` (frame-buffer coordinates) of `frame`, a 24-bit picture laid over the frame buffer
  // at (0, 0), to the screen. Parts of the rectangle outside the picture or the frame buffer are
  // ignored. The surface keeps the pixels: it needs no repaint for being uncovered unless it sends
  // kExpose.
  virtual void Present(const gfx::Bitmap& frame, const gfx::Rect& rect) = 0;

 protected:
  Surface(SurfaceId id, SurfaceKind kind) : id_(id), kind_(kind) {}

 private:
  SurfaceId id_;
  SurfaceKind kind_;
};

}  // namespace platform
