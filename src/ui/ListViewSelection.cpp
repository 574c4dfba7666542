// ListViewSelection: runs of selected items.
#include "ui/ListViewSelection.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

bool ListViewSelection::Contains(int32_t index) const {
  auto it = runs_.upper_bound(index);
  if (it == runs_.begin()) return false;
  --it;
  return index < it->second;
}

void ListViewSelection::Add(int32_t first, int32_t last) {
  if (first >= last) return;
  // Merge with every run that overlaps or touches [first, last).
  auto it = runs_.upper_bound(first);
  if (it != runs_.begin()) {
    auto prev = std::prev(it);
    if (prev->second >= first) it = prev;
  }
  while (it != runs_.end() && it->first <= last) {
    first = std::min(first, it->first);
    last = std::max(last, it->second);
    it = runs_.erase(it);
  }
  runs_.emplace(first, last);
}

void ListViewSelection::Remove(int32_t first, int32_t last) {
  if (first >= last) return;
  auto it = runs_.upper_bound(first);
  if (it != runs_.begin()) --it;
  while (it != runs_.end() && it->first < last) {
    const int32_t run_first = it->first;
    const int32_t run_last = it->second;
    if (run_last <= first) {
      ++it;
      continue;
    }
    it = runs_.erase(it);
    if (run_first < first) runs_.emplace(run_first, first);
    if (run_last > last) it = runs_.emplace(last, run_last).first;
  }
}

void ListViewSelection::Erase(int32_t index) {
  Remove(index, index + 1);
  std::vector<std::pair<int32_t, int32_t>> above(runs_.upper_bound(index), runs_.end());
  runs_.erase(runs_.upper_bound(index), runs_.end());
  // A run that ended at the deleted item now touches the next one, which Add merges.
  for (const auto& [first, last] : above) Add(first - 1, last - 1);
}

int64_t ListViewSelection::Count() const {
  int64_t n = 0;
  for (const auto& [first, last] : runs_) n += static_cast<int64_t>(last) - first;
  return n;
}

int32_t ListViewSelection::NextFrom(int32_t from) const {
  auto it = runs_.upper_bound(from);
  if (it != runs_.begin()) {
    auto prev = std::prev(it);
    if (from < prev->second) return from;
  }
  return it == runs_.end() ? -1 : it->first;
}

}  // namespace ui
