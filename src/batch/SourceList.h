// The sources of a batch from the command line's arguments: files as given, folders opened.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace batch {

struct Source {
  std::string path;
  std::string subfolder;  // the source's folder below the folder argument it was found in ("" at its top)
};

// Expands the arguments in order: a file stays as it is (subfolder ""); a folder gives its
// pictures (files whose first bytes or name ending are those of a JPEG, BMP, PNG or WebP), in
// name order, and with `recursive` those of its subfolders too, each folder's entries in name order
// before the next folder's. Entries whose names start with a dot are skipped, and links to folders
// are not followed, so a link that points back up cannot make a loop. A folder that cannot be read
// is told to `warn` and the walk goes on.
std::vector<Source> ExpandSources(const std::vector<std::string>& arguments, bool recursive,
                                  const std::function<void(const std::string&)>& warn);

}  // namespace batch
