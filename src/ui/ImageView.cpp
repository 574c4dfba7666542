// ImageView: shows one picture, optionally sized to it, stretched over the view or centred in it.
#include "ui/ImageView.h"

#include "gfx/Canvas.h"

namespace ui {

ImageView::ImageView() { SetBounds(0, 0, 105, 105); }

void ImageView::SetPicture(gfx::Bitmap picture) {
  picture_ = std::move(picture);
  has_picture_ = true;
  PictureChanged();
}

void ImageView::ClearPicture() {
  picture_ = gfx::Bitmap();
  has_picture_ = false;
  PictureChanged();
}

void ImageView::PictureChanged() {
  drawn_ = gfx::Bitmap();
  if (auto_size_ && !picture_.IsEmpty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Invalidate();
  if (OnChange) OnChange(this);
}

void ImageView::SetAutoSize(bool v) {
  auto_size_ = v;
  if (v && !picture_.IsEmpty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

gfx::Rect ImageView::DestRect() const {
  if (stretch_) return {0, 0, Width(), Height()};
  int w = picture_.Width();
  int h = picture_.Height();
  if (!center_) return {0, 0, w, h};
  int x = (Width() - w) / 2;
  int y = (Height() - h) / 2;
  return {x, y, x + w, y + h};
}

const gfx::Bitmap& ImageView::Drawn() {
  if (picture_.BitsPerPixel() == 24) return picture_;
  if (drawn_.IsEmpty()) drawn_ = picture_.ToBgr24();
  return drawn_;
}

void ImageView::Paint(gfx::Canvas& canvas) {
  if (picture_.IsEmpty()) return;
  const gfx::Bitmap& picture = Drawn();
  gfx::Rect dst = DestRect();
  if (dst.Width() == picture.Width() && dst.Height() == picture.Height()) {
    canvas.Draw(dst.left, dst.top, picture);
    return;
  }
  canvas.StretchDraw(dst, picture);
}

}  // namespace ui
