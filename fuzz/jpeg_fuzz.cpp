// libFuzzer target: any bytes through the JPEG decoder, and small results back through the encoder.
#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Large pictures are valid but only make each run slow; the size check itself is what matters.
  constexpr uint64_t kMaxPixels = uint64_t{1} << 22;
  try {
    gfx::JpegPicture picture = gfx::DecodeJpeg(std::span<const uint8_t>(data, size), kMaxPixels);
    if (picture.bitmap.Width() * static_cast<int64_t>(picture.bitmap.Height()) <= 256 * 256)
      gfx::EncodeJpeg(picture.bitmap, {.quality = 50, .icc_profile = picture.icc_profile});
  } catch (const gfx::ImageError&) {
  }
  return 0;
}
