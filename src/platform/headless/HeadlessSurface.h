// A surface of the headless backend: its place on the virtual screen and the pixels last presented.
#pragma once

#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "platform/Surface.h"

namespace platform {

class HeadlessBackend;

class HeadlessSurface : public Surface {
 public:
  HeadlessSurface(HeadlessBackend* backend, SurfaceId id, const SurfaceParams& params);
  ~HeadlessSurface() override;

  gfx::Rect Bounds() const override { return bounds_; }
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
  void SetTitle(const std::string& utf8) override { title_ = utf8; }
  void SetShape(std::optional<gfx::Region> shape) override { shape_ = std::move(shape); }
  const std::optional<gfx::Region>& Shape() const override { return shape_; }
  bool SetOpacity(uint8_t alpha) override;
  uint8_t Opacity() const override { return opacity_; }
  void SetMinSize(gfx::Size size) override { min_size_ = size; }
  void SetMaxSize(gfx::Size size) override { max_size_ = size; }
  void SetHitTest(HitTestFn fn) override { hit_test_ = std::move(fn); }
  void SetSizeMoveFilter(SizeMoveFilterFn fn) override { size_move_filter_ = std::move(fn); }
  void Present(const gfx::Bitmap& frame, const gfx::Rect& rect) override;

  // For the backend.
  bool IsShown() const { return visible_ && !minimized_; }
  SurfaceId OwnerId() const { return owner_; }
  bool Decorated() const { return decorated_; }
  bool Resizable() const { return resizable_; }
  gfx::Size MinSize() const { return min_size_; }
  gfx::Size MaxSize() const { return max_size_; }
  const gfx::Bitmap& Pixels() const { return pixels_; }
  // The frame-buffer origin in screen coordinates.
  gfx::Point Origin() const;
  // Whether the screen point belongs to the surface (its frame, or its shape within the client).
  bool ContainsScreenPoint(gfx::Point screen) const;
  // What the window system or the toolkit's hit test says about a screen point on the surface.
  HitCode HitAt(gfx::Point screen) const;
  // The bounds an interactive loop proposes after the filter and the size limits.
  gfx::Rect FilterSizeMove(const gfx::Rect& proposed, HitCode hit) const;
  // Moves and sizes without clamping; returns true when anything changed.
  bool ApplyBounds(const gfx::Rect& outer);
  void Detach() { backend_ = nullptr; }

 private:
  void ResizePixels();

  HeadlessBackend* backend_;
  SurfaceId owner_ = kNoSurface;
  bool decorated_ = false;
  bool resizable_ = true;
  gfx::Rect bounds_;
  std::string title_;
  bool visible_ = false;
  bool minimized_ = false;
  std::optional<gfx::Region> shape_;
  uint8_t opacity_ = 255;
  gfx::Size min_size_;
  gfx::Size max_size_;
  HitTestFn hit_test_;
  SizeMoveFilterFn size_move_filter_;
  gfx::Bitmap pixels_;  // the frame buffer as last presented
};

}  // namespace platform
