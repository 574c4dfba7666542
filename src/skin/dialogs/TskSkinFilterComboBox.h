// TskSkinFilterComboBox: a drop-down of file-type filters, each a description shown and a mask.
#pragma once

#include <string>
#include <vector>

#include "skin/controls/TskSkinComboBox.h"

namespace skin {

// The filter is "description|mask|description|mask..." ("All files (*.*)|*.*" at creation). Setting
// another filter rebuilds the entries and selects the first. Choosing an entry changes the text,
// which fires OnChange: that is where a folder list takes CurrentMask.
class TskSkinFilterComboBox : public TskSkinComboBox {
 public:
  TskSkinFilterComboBox();

  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter);
  // The masks, one per shown entry.
  const std::vector<std::string>& FilterMasks() const { return masks_; }
  // The selected entry's mask. With nothing selected the last entry is selected first; an empty
  // filter gives "*.*".
  std::string CurrentMask();

 private:
  void BuildEntries();

  std::string filter_ = "All files (*.*)|*.*";
  std::vector<std::string> masks_;
};

}  // namespace skin
