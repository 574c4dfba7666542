// ImageList: equal-sized small pictures with transparent parts, drawn enabled or greyed.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "ui/Component.h"

namespace gfx {
class Canvas;
}

namespace ui {

// Every image is Width() x Height(). A picture added whole is cut into cells of that size from the
// left; a last cell narrower than Width() is dropped, and a picture lower than Height() leaves the
// cells' lower rows transparent. Each image keeps its own mask, so a colour that is transparent in
// one picture may be solid in another.
class ImageList : public Component {
 public:
  explicit ImageList(int32_t width = 16, int32_t height = 16);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Changes the image size; the images are dropped, as they no longer fit.
  void SetSize(int32_t width, int32_t height);
  int Count() const { return static_cast<int>(images_.size()); }
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

  // Adds the cells of `picture`, every pixel solid; returns the index of the first one added, or
  // -1 when the picture holds no whole cell.
  int Add(const gfx::Bitmap& picture);
  // As Add, with the pixels of `transparent` left out.
  int AddMasked(const gfx::Bitmap& picture, gfx::Color transparent);
  // Replaces image `index` by the first cell of `picture` (pixels of `transparent` left out); false
  // for an index outside the list or a picture without a whole cell.
  bool ReplaceMasked(int index, const gfx::Bitmap& picture, gfx::Color transparent);
  void Delete(int index);
  void Clear();

  // Draws image `index` with its top-left corner at (x, y): its solid pixels as they are when
  // enabled, otherwise greyed (the darker solid pixels embossed: highlight one pixel right and down,
  // shadow on top). Nothing for an invalid index.
  void Draw(gfx::Canvas& canvas, int32_t x, int32_t y, int index, bool enabled = true) const;
  // Image `index` on a background colour, Width() x Height(); an empty picture for an invalid index.
  gfx::Bitmap GetBitmap(int index, gfx::Color background) const;
  // Whether pixel (x, y) of image `index` is solid.
  bool IsSolid(int index, int32_t x, int32_t y) const;

  // Fires after every change of the images or their size.
  NotifyEvent OnChange;

 private:
  struct Image {
    gfx::Bitmap pixels;          // 24-bit, Width() x Height()
    std::vector<uint8_t> solid;  // one byte per pixel, row by row
  };
  int AddCells(const gfx::Bitmap& picture, bool masked, gfx::Color transparent);
  Image Cut(const gfx::Bitmap& picture24, int32_t left, bool masked, gfx::Color transparent) const;
  void Changed();

  int32_t width_;
  int32_t height_;
  std::vector<Image> images_;
};

}  // namespace ui
