// The error a skin container raises when its stream, payload or file is damaged or hostile.
#pragma once

#include <string>

#include "gfx/ImageError.h"

namespace skin {

// Derives from the picture error so that callers that report picture failures report these too.
class SkinStorageError : public gfx::ImageError {
 public:
  explicit SkinStorageError(const std::string& message) : gfx::ImageError(message) {}
};

}  // namespace skin
