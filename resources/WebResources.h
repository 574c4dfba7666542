// The shipped web pages and their pictures as built into the executable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace resources {

// One embedded file of resources/web. The bytes are followed by a zero byte not counted in size.
struct WebFile {
  const char* name;
  const uint8_t* data;
  size_t size;
};

// The embedded file of that name (a plain file name such as "downloads.html"), or nothing.
std::optional<std::span<const uint8_t>> EmbeddedWebFile(std::string_view name);

}  // namespace resources
