// ImageList: equally sized pictures kept side by side, drawn by index (menus, tool buttons).
#include "ui/ImageList.h"

#include <algorithm>

#include "gfx/Canvas.h"

namespace ui {

ImageList::ImageList(int32_t width, int32_t height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

int32_t ImageList::Add(const gfx::Bitmap& picture, std::optional<gfx::Color> transparent) {
  const int32_t first = Count();
  if (picture.IsEmpty()) return first;
  gfx::Bitmap src = picture.ToBgr24();
  const int32_t cells = std::max<int32_t>(1, src.Width() / width_);
  for (int32_t cell = 0; cell < cells; ++cell) {
    Image image{gfx::Bitmap(width_, height_, 24), std::vector<uint8_t>(static_cast<size_t>(width_) * height_, 0)};
    for (int32_t y = 0; y < height_ && y < src.Height(); ++y) {
      for (int32_t x = 0; x < width_; ++x) {
        const int32_t sx = cell * width_ + x;
        if (sx >= src.Width()) break;
        gfx::Color c = src.Pixel(sx, y);
        if (transparent && c == *transparent) continue;
        image.pixels.SetPixel(x, y, c);
        image.opaque[static_cast<size_t>(y) * width_ + x] = 1;
      }
    }
    images_.push_back(std::move(image));
  }
  return first;
}

void ImageList::Draw(gfx::Canvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const Image& image = images_[static_cast<size_t>(index)];
  for (int32_t iy = 0; iy < height_; ++iy) {
    for (int32_t ix = 0; ix < width_; ++ix) {
      if (!image.opaque[static_cast<size_t>(iy) * width_ + ix]) continue;
      gfx::Color c = image.pixels.Pixel(ix, iy);
      if (!enabled) {
        // Grey by luminance, then lifted towards white so it reads as unavailable.
        int grey = (gfx::Red(c) * 30 + gfx::Green(c) * 59 + gfx::Blue(c) * 11) / 100;
        grey = 128 + grey / 2;
        c = gfx::Rgb(static_cast<uint8_t>(grey), static_cast<uint8_t>(grey), static_cast<uint8_t>(grey));
      }
      canvas.SetPixel(x + ix, y + iy, c);
    }
  }
}

}  // namespace ui
