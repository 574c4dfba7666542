// ImageList: equally sized pictures kept side by side, drawn by index (menus, tool buttons).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "ui/Component.h"

namespace gfx {
class Canvas;
}

namespace ui {

class ImageList : public Component {
 public:
  explicit ImageList(int32_t width = 16, int32_t height = 16);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int32_t Count() const { return static_cast<int32_t>(images_.size()); }

  // Adds the picture, cut into cells of the list's size from the left (a narrower or lower picture
  // is one cell, its missing part transparent); pixels of `transparent` are not drawn. Returns the
  // index of the first image added.
  int32_t Add(const gfx::Bitmap& picture, std::optional<gfx::Color> transparent = std::nullopt);
  void Clear() { images_.clear(); }

  // Draws image `index` with its top-left at (x, y); a disabled image is drawn as a pale grey
  // picture of itself. An index outside the list draws nothing.
  void Draw(gfx::Canvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled = true) const;

 private:
  struct Image {
    gfx::Bitmap pixels;  // 24-bit, width x height
    std::vector<uint8_t> opaque;  // one byte per pixel
  };

  int32_t width_;
  int32_t height_;
  std::vector<Image> images_;
};

}  // namespace ui
