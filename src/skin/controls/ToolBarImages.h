// What a tool bar offers the speed buttons on it: its three image lists.
#pragma once

namespace ui {
class ImageList;
}

namespace skin {

// A parent that implements this lends its image lists to the speed buttons on it that have no
// glyph of their own. Any list may be null.
class ToolBarImages {
 public:
  virtual ~ToolBarImages() = default;
  virtual ui::ImageList* Images() const = 0;
  virtual ui::ImageList* HotImages() const = 0;
  virtual ui::ImageList* DisabledImages() const = 0;
};

}  // namespace skin
