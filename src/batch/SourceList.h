// The sources of a batch: held in one buffer however long the list, and the walk of folder
// arguments that fills it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// A list of sources, each a path and the folder below the folder argument it was found in ("" for
// a file named as it is, or found at the top of the folder). Every entry lives in one contiguous
// buffer ("path\0subfolder\0") with one offset an entry, so a list of a hundred thousand files
// costs its names' bytes and a few bytes more, not an object and two strings a file.
class SourceList {
 public:
  void Add(std::string_view path, std::string_view subfolder = {});
  size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  // Both stay valid until the list changes; the path's data() ends with a NUL, for system calls.
  std::string_view Path(size_t index) const;
  std::string_view Subfolder(size_t index) const;
  // Sorts by path (entries with equal paths keep their order), then keeps every `count`-th entry
  // starting at `first`.
  void SortAndKeepEvery(size_t first, size_t count);

 private:
  std::string text_;
  std::vector<size_t> starts_;
};

// Adds the sources an argument stands for: a file stays as it is (subfolder ""); a folder gives
// its pictures (files whose first bytes or name ending are those of a JPEG, BMP, PNG or WebP), in
// name order, and with `recursive` those of its subfolders too, each folder's entries in name order
// before the next folder's. Entries whose names start with a dot are skipped, and links to folders
// are not followed, so a link that points back up cannot make a loop. A folder that cannot be read
// is told to `warn` and the walk goes on.
void AddSources(const std::string& argument, bool recursive, SourceList& out,
                const std::function<void(const std::string&)>& warn);

}  // namespace batch
