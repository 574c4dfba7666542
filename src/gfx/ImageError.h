// The exception every reader, writer and bitmap operation throws, carrying a text for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace gfx {

class ImageError : public std::runtime_error {
 public:
  explicit ImageError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace gfx
