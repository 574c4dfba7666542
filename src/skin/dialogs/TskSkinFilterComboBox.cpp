// The filter drop-down: entries from the filter string and the selected mask.
#include "skin/dialogs/TskSkinFilterComboBox.h"

#include <utility>

#include "skin/dialogs/FileFilters.h"

namespace skin {

TskSkinFilterComboBox::TskSkinFilterComboBox() { BuildEntries(); }

void TskSkinFilterComboBox::SetFilter(const std::string& filter) {
  // Compared exactly: descriptions that differ only in case are still another text to show.
  if (filter == filter_) return;
  filter_ = filter;
  BuildEntries();
}

void TskSkinFilterComboBox::BuildEntries() {
  std::vector<std::string> descriptions;
  masks_.clear();
  for (FilterEntry& entry : ParseFilter(filter_)) {
    descriptions.push_back(std::move(entry.description));
    masks_.push_back(std::move(entry.mask));
  }
  SetItems(std::move(descriptions));
  if (Count() > 0) SetItemIndex(0);
  else SetText({});
}

std::string TskSkinFilterComboBox::CurrentMask() {
  if (ItemIndex() < 0 && Count() > 0) SetItemIndex(Count() - 1);
  const int32_t index = ItemIndex();
  if (index < 0 || index >= static_cast<int32_t>(masks_.size())) return "*.*";
  return masks_[static_cast<size_t>(index)];
}

}  // namespace skin
