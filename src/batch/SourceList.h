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
  // Removes every entry for whose index `remove` is true, in one pass; the others keep their order.
  void RemoveWhere(const std::function<bool(size_t index)>& remove);
  // Appends every entry of `other`, in its order.
  void Append(const SourceList& other);
  void Clear();
  // The bytes the list holds (its buffer and offsets), for a caller that weighs its memory.
  size_t MemoryBytes() const { return text_.capacity() + starts_.capacity() * sizeof(size_t); }

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

// How WalkSources chooses files and hands them on.
struct SourceWalk {
  bool recursive = false;
  // Chooses a file of a folder by its name (the last component); when empty, the pictures as
  // AddSources chooses them.
  std::function<bool(std::string_view name)> accept;
  // Called after each folder's files were added to the list; false ends the walk there.
  std::function<bool()> folder_done;
  std::function<void(const std::string&)> warn;
};

// AddSources with the choice of files and a call after each folder, so a caller can hand a long
// walk's list on in parts or stop it.
void WalkSources(const std::string& argument, const SourceWalk& walk, SourceList& out);

}  // namespace batch
