// The root of a browsing control: a root-folder name or a path as given, and its id.
#pragma once

#include <string>

namespace platform {
class ShellNamespace;
}

namespace skin {

// Makes `text` the root held in `root` and `root_id`. With a namespace the text is parsed first,
// so a text that cannot be parsed throws platform::ShellError before anything changes; without
// one only the text is kept. False, and nothing changes, when `text` names the root already
// (compared without case).
bool ChangeShellRoot(platform::ShellNamespace* shell, const std::string& text, std::string& root, std::string& root_id);

}  // namespace skin
