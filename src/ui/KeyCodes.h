// The key codes the toolkit's key events carry, for the layers above the toolkit.
#pragma once

// They are the backend's platform-neutral codes (the classic desktop values); the layers above the
// toolkit reach them through this header, never through the platform layer itself.
#include "platform/KeyCodes.h"
