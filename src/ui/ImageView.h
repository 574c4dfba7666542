// ImageView: shows one picture, optionally sized to it, stretched over the view or centred in it.
#pragma once

#include "gfx/Bitmap.h"
#include "ui/GraphicControl.h"

namespace ui {

class ImageView : public GraphicControl {
 public:
  ImageView();

  // The picture; a view that never got one reads as the empty (0 x 0) bitmap.
  const gfx::Bitmap& Picture() const { return picture_; }
  bool HasPicture() const { return has_picture_; }
  void SetPicture(gfx::Bitmap picture);
  void ClearPicture();
  // Changes the picture in place; call PictureChanged afterwards.
  gfx::Bitmap& EditPicture() {
    has_picture_ = true;
    drawn_ = gfx::Bitmap();
    return picture_;
  }
  void PictureChanged();

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; Invalidate(); }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; Invalidate(); }
  // Where the picture is drawn, in the view's coordinates.
  gfx::Rect DestRect() const;

  NotifyEvent OnChange;

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  // What paints: the picture itself at 24 bits, else its 24-bit copy, made at the first paint after
  // a change and kept, so that zooming and scrolling do not convert the whole picture each time.
  const gfx::Bitmap& Drawn();

  gfx::Bitmap picture_;
  gfx::Bitmap drawn_;
  bool has_picture_ = false;
  bool auto_size_ = false;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace ui
