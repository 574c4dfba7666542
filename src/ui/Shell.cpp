// Hands a web address or a file to the desktop's own handler.
#include "ui/Shell.h"

#include "platform/Backend.h"

namespace ui {

bool OpenUrl(const std::string& url) {
  if (!platform::HasBackend()) return false;
  return platform::GetBackend().OpenUrl(url);
}

}  // namespace ui
