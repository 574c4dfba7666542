// The desktop's services for controls above the toolkit: its handler for addresses and files, its beep.
#include "ui/Shell.h"

#include "platform/Backend.h"

namespace ui {

bool OpenUrl(const std::string& url) {
  if (!platform::HasBackend()) return false;
  return platform::GetBackend().OpenUrl(url);
}

void Beep() {
  if (platform::HasBackend()) platform::GetBackend().Beep();
}

}  // namespace ui
