// ListViewSelection: the selected items of a list view as sorted runs, so selecting millions costs
// one entry, not one per item.
#pragma once

#include <cstdint>
#include <map>

namespace ui {

class ListViewSelection {
 public:
  bool Contains(int32_t index) const;
  // Selects or deselects the items [first, last); an empty run changes nothing.
  void Add(int32_t first, int32_t last);
  void Remove(int32_t first, int32_t last);
  void Set(int32_t index, bool selected) { selected ? Add(index, index + 1) : Remove(index, index + 1); }
  void Clear() { runs_.clear(); }
  bool Empty() const { return runs_.empty(); }
  // How many items are selected (64-bit: a run may cover every item of a huge list).
  int64_t Count() const;
  // The lowest selected index, or -1.
  int32_t First() const { return runs_.empty() ? -1 : runs_.begin()->first; }
  // The lowest selected index at or above `from`, or -1.
  int32_t NextFrom(int32_t from) const;
  // Item `index` was deleted: its mark goes and every mark above it moves down by one.
  void Erase(int32_t index);
  // Forgets everything at or above `count` (the list became shorter).
  void Truncate(int32_t count) { Remove(count, INT32_MAX); }
  bool operator==(const ListViewSelection&) const = default;

 private:
  std::map<int32_t, int32_t> runs_;  // first -> last (exclusive); runs never touch or overlap
};

}  // namespace ui
