// Rewriting a JPEG's EXIF segment for a picture whose pixels have been turned upright.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gfx {

// True when an APP1 payload holds EXIF data (it starts with "Exif\0\0").
bool IsExifPayload(std::span<const uint8_t> payload);

// The EXIF payload to write with pixels that are already turned as the source's orientation
// asked: the orientation tag reads 1 (normal) and the thumbnail, which would still show the old
// orientation and pixels, is dropped with its directory. Every other entry (dates, camera,
// exposure, positions, the maker's notes) is kept. Gives nothing when the payload holds no EXIF
// entry that can be read, or when the result would not fit in one segment.
std::optional<std::vector<uint8_t>> RewriteExifForTurnedPixels(std::span<const uint8_t> payload);

}  // namespace gfx
