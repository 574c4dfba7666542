// A surface of the desktop backend: an SDL window with its X11 shape and a copy of the presented pixels.
#pragma once

#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "platform/Surface.h"

struct SDL_Window;

namespace platform {

class SdlBackend;

class SdlSurface : public Surface {
 public:
  // Throws std::runtime_error when SDL cannot make the window.
  SdlSurface(SdlBackend* backend, SurfaceId id, const SurfaceParams& params);
  ~SdlSurface() override;

  gfx::Rect Bounds() const override;
  void SetBounds(const gfx::Rect& outer) override;
  gfx::Rect ClientRect() const override;
  void Show(bool activate) override;
  void Hide() override;
  bool IsVisible() const override { return visible_; }
  void Raise() override;
  void Activate() override;
  void Minimize() override;
  void Restore() override;
  bool IsMinimized() const override { return minimized_; }
  std::string Title() const override { return title_; }
  void SetTitle(const std::string& utf8) override;
  void SetShape(std::optional<gfx::Region> shape) override;
  const std::optional<gfx::Region>& Shape() const override { return shape_; }
  bool SetOpacity(uint8_t alpha) override;
  uint8_t Opacity() const override { return opacity_; }
  void SetMinSize(gfx::Size size) override;
  void SetMaxSize(gfx::Size size) override;
  void SetHitTest(HitTestFn fn) override;
  void SetSizeMoveFilter(SizeMoveFilterFn fn) override { size_move_filter_ = std::move(fn); }
  void Present(const gfx::Bitmap& frame, const gfx::Rect& rect) override;

  // For the backend.
  SDL_Window* Window() const { return window_; }
  uint32_t WindowId() const { return window_id_; }
  SurfaceId OwnerId() const { return owner_; }
  bool IsShown() const { return visible_ && !minimized_; }
  // The X11 window id as SDL has it now.
  unsigned long XWindow() const;
  // The frame-buffer origin in screen coordinates.
  gfx::Point Origin() const;
  HitCode HitAt(gfx::Point local) const;
  HitCode LastHit() const { return last_hit_; }
  gfx::Rect FilterSizeMove(const gfx::Rect& proposed, HitCode hit) const;
  // Moves and sizes the window to exactly these outer bounds.
  void ApplyBounds(const gfx::Rect& outer);
  // Bounds last reported to the program (or set by it); a window event that reports these same
  // bounds is not news.
  gfx::Rect ReportedBounds() const { return reported_; }
  void SetReportedBounds(const gfx::Rect& r) { reported_ = r; }
  void SetMinimizedFlag(bool minimized) { minimized_ = minimized; }
  // A decorated window is placed before the window manager has said how wide its frame is; once it
  // has, the outer bounds the program asked for are applied again. True when that happened now.
  bool ApplyPendingBounds();
  // Puts the kept pixels on screen again (after an expose or a size change).
  void Repaint();
  void Detach() { backend_ = nullptr; }

 private:
  void BlitToWindow(const gfx::Rect& rect);
  void ResizePixels();
  gfx::Rect FrameExtents() const;  // left, top, right, bottom widths of the window system's frame
  void ApplyShape();

  SdlBackend* backend_;
  SDL_Window* window_ = nullptr;
  uint32_t window_id_ = 0;
  SurfaceId owner_ = kNoSurface;
  bool decorated_ = false;
  std::string title_;
  bool visible_ = false;
  bool minimized_ = false;
  std::optional<gfx::Region> shape_;
  unsigned long shaped_window_ = 0;  // the X window the shape was last given to
  uint8_t opacity_ = 255;
  gfx::Size min_size_;
  gfx::Size max_size_;
  HitTestFn hit_test_;
  mutable HitCode last_hit_ = HitCode::kClient;
  SizeMoveFilterFn size_move_filter_;
  gfx::Rect reported_;
  std::optional<gfx::Rect> pending_outer_;
  gfx::Bitmap pixels_;  // the frame buffer as last presented
};

}  // namespace platform
