// ImageList: equal-sized small pictures with transparent parts, drawn enabled or greyed.
#include "ui/ImageList.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "ui/Control.h"

namespace ui {

namespace {

gfx::Color PixelAt(const gfx::Bitmap& bgr24, int32_t x, int32_t y) {
  const uint8_t* p = bgr24.Row(y) + 3 * static_cast<size_t>(x);
  return gfx::Rgb(p[2], p[1], p[0]);
}

// The solid pixels of one image as a region, at (x, y); `ink_only` keeps only the pixels a greyed
// image shows (every solid pixel that is not white).
gfx::Region SolidRegion(const gfx::Bitmap& pixels, const std::vector<uint8_t>& solid, int32_t x, int32_t y,
                        bool ink_only) {
  std::vector<gfx::Rect> runs;
  const int32_t w = pixels.Width();
  for (int32_t row = 0; row < pixels.Height(); ++row) {
    int32_t col = 0;
    while (col < w) {
      auto inside = [&](int32_t c) {
        if (solid[static_cast<size_t>(row) * w + c] == 0) return false;
        return !ink_only || PixelAt(pixels, c, row) != gfx::kWhite;
      };
      if (!inside(col)) {
        ++col;
        continue;
      }
      int32_t start = col;
      while (col < w && inside(col)) ++col;
      runs.push_back({x + start, y + row, x + col, y + row + 1});
    }
  }
  return gfx::Region(runs);
}

}  // namespace

ImageList::ImageList(int32_t width, int32_t height) : width_(std::max(width, 0)), height_(std::max(height, 0)) {}

void ImageList::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  images_.clear();
  Changed();
}

int ImageList::Add(const gfx::Bitmap& picture) { return AddCells(picture, false, 0); }

int ImageList::AddMasked(const gfx::Bitmap& picture, gfx::Color transparent) {
  return AddCells(picture, true, transparent);
}

int ImageList::AddCells(const gfx::Bitmap& picture, bool masked, gfx::Color transparent) {
  if (width_ <= 0 || height_ <= 0 || picture.Width() < width_ || picture.Height() <= 0) return -1;
  const gfx::Bitmap bgr = picture.ToBgr24();
  const int first = Count();
  for (int32_t left = 0; left + width_ <= bgr.Width(); left += width_) {
    images_.push_back(Cut(bgr, left, masked, transparent));
  }
  Changed();
  return first;
}

ImageList::Image ImageList::Cut(const gfx::Bitmap& bgr, int32_t left, bool masked, gfx::Color transparent) const {
  Image image{gfx::Bitmap(width_, height_, 24), std::vector<uint8_t>(static_cast<size_t>(width_) * height_, 0)};
  const int32_t rows = std::min(height_, bgr.Height());
  for (int32_t y = 0; y < rows; ++y) {
    for (int32_t x = 0; x < width_; ++x) {
      const gfx::Color c = PixelAt(bgr, left + x, y);
      image.pixels.SetPixel(x, y, c);
      image.solid[static_cast<size_t>(y) * width_ + x] = (!masked || c != transparent) ? 1 : 0;
    }
  }
  return image;
}

bool ImageList::ReplaceMasked(int index, const gfx::Bitmap& picture, gfx::Color transparent) {
  if (!ValidIndex(index) || picture.Width() < width_ || picture.Height() <= 0) return false;
  images_[static_cast<size_t>(index)] = Cut(picture.ToBgr24(), 0, true, transparent);
  Changed();
  return true;
}

void ImageList::Delete(int index) {
  if (!ValidIndex(index)) return;
  images_.erase(images_.begin() + index);
  Changed();
}

void ImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

void ImageList::Draw(gfx::Canvas& canvas, int32_t x, int32_t y, int index, bool enabled) const {
  if (!ValidIndex(index)) return;
  const Image& image = images_[static_cast<size_t>(index)];
  gfx::CanvasSaver saver(canvas);
  if (enabled) {
    canvas.IntersectClip(SolidRegion(image.pixels, image.solid, x, y, false));
    canvas.Draw(x, y, image.pixels);
    return;
  }
  // The classic greyed look: the ink in the highlight colour one pixel down and right, then the
  // ink in the shadow colour in place.
  gfx::Region ink = SolidRegion(image.pixels, image.solid, x, y, true);
  gfx::Region shifted = ink;
  shifted.Offset(1, 1);
  canvas.FillRegion(shifted, kColorBtnHighlight);
  canvas.FillRegion(ink, kColorBtnShadow);
}

gfx::Bitmap ImageList::GetBitmap(int index, gfx::Color background) const {
  if (!ValidIndex(index)) return {};
  gfx::Bitmap out(width_, height_, 24);
  out.Fill(background);
  gfx::Canvas canvas(out);
  Draw(canvas, 0, 0, index, true);
  return out;
}

bool ImageList::IsSolid(int index, int32_t x, int32_t y) const {
  if (!ValidIndex(index) || x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return images_[static_cast<size_t>(index)].solid[static_cast<size_t>(y) * width_ + x] != 0;
}

void ImageList::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace ui
