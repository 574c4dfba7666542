// Translation between SDL's keys and the program's virtual key codes.
#pragma once

#include <SDL_keyboard.h>

#include "platform/KeyCodes.h"

namespace platform {

// Letters and digits follow the key's symbol (so the layout decides what 'A' is); every other key
// follows its position. Unknown keys give kVkNone.
KeyCode VkFromSdl(SDL_Keycode key, SDL_Scancode scancode);

// The physical keys that produce `vk` (the side-neutral modifier codes give both sides); the count
// written to `out` (at most 2).
int ScancodesForVk(KeyCode vk, SDL_Scancode out[2]);

}  // namespace platform
