// The desktop backend: SDL2 for windows, input and clipboard; Xlib for window shapes and screen capture.
#pragma once

#include <memory>

#include "platform/Backend.h"

namespace platform {

// Opens the display named by DISPLAY. Throws std::runtime_error with
// the reason when there is no usable display.
std::unique_ptr<Backend> CreateSdlBackend();

}  // namespace platform
