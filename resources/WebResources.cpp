// The shipped web pages and their pictures as built into the executable.
#include "resources/WebResources.h"

namespace resources {

namespace embedded {
// Written by cmake/EmbeddedWeb.cmake.
extern const WebFile kWebFiles[];
extern const size_t kWebFileCount;
}  // namespace embedded

std::optional<std::span<const uint8_t>> EmbeddedWebFile(std::string_view name) {
  for (size_t i = 0; i < embedded::kWebFileCount; ++i) {
    const WebFile& file = embedded::kWebFiles[i];
    if (name == file.name) return std::span<const uint8_t>(file.data, file.size);
  }
  return std::nullopt;
}

}  // namespace resources
