// TskSkinSplitter: the toolkit's splitter drawn as a strip of the skin's splitter image.
#pragma once

#include <string>

#include "gfx/Bitmap.h"
#include "skin/controls/SkinDataLink.h"
#include "ui/Splitter.h"

namespace skin {

// Aligned to the top or bottom the record's image is a horizontal strip at the skin's height;
// aligned left or right a vertical strip at the skin's width. Without a record, or when not
// aligned to a side, the toolkit's own look is drawn. Applying a skin makes the thickness and the
// minimum size the skin's (DefaultSize without a record).
class TskSkinSplitter : public ui::Splitter {
 public:
  TskSkinSplitter();

  TskSkinData* SkinData() const { return link_.Data(); }
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name) { link_.SetName(std::move(name)); }
  int DefaultSize() const { return default_size_; }
  void SetDefaultSize(int size) { default_size_ = size; }

  void ApplySkin();
  void SkinMessageChange(const void* skin_data) override;

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  SkinDataLink link_;
  int default_size_ = 10;
  gfx::Bitmap offscreen_;
};

}  // namespace skin
