// The program's own pictures for shell items, small (16 x 16) and large (32 x 32).
#pragma once

#include <cstdint>

#include "platform/ShellNamespace.h"

namespace ui {
class ImageList;
}

namespace skin {

inline constexpr int32_t kSmallShellIcon = 16;
inline constexpr int32_t kLargeShellIcon = 32;

// The image of an item of this kind in a list made by FillShellIcons.
inline int ShellIconIndex(platform::ShellIcon icon) { return static_cast<int>(icon); }

// Sets `images` to `size` x `size` and draws one image per kind, in the order of platform::ShellIcon.
void FillShellIcons(ui::ImageList& images, int32_t size);

}  // namespace skin
