#include "skin/dialogs/ShellRoot.h"

#include <utility>

#include "platform/ShellNamespace.h"
#include "ui/TypeAhead.h"

namespace skin {

bool ChangeShellRoot(platform::ShellNamespace* shell, const std::string& text, std::string& root, std::string& root_id) {
  if (ui::EqualsNoCase(text, root)) return false;
  if (shell != nullptr) root_id = shell->Parse(text);
  root = text;
  return true;
}

}  // namespace skin
