// The shell namespace's system calls on Linux.
#pragma once

#include <memory>

#include "platform/ShellSystem.h"

namespace platform {

// Plain POSIX calls on the real file system; opening goes to the backend's OpenUrl.
std::unique_ptr<ShellSystem> MakeLinuxShellSystem();

}  // namespace platform
