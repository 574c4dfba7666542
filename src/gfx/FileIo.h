// Whole-file reading and writing; writes go through a temporary file renamed over the target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gfx {

// Reads a whole file; throws ImageError naming the file when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Writes bytes to a temporary file in the target's folder and renames it over the target when
// complete, so a failure never leaves a half-written file nor destroys the old one. Throws
// ImageError naming the file on failure.
void WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);
inline void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace gfx
