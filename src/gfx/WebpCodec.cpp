// WebP decoding straight into a picture's rows, and lossy encoding from them, through libwebp.
#include "gfx/WebpCodec.h"

#include <cstring>
#include <memory>
#include <string>

#include <webp/decode.h>
#include <webp/encode.h>

#include "gfx/AlphaOverWhite.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

constexpr const char* kDecodeError = "无法解码 WebP 图片: ";
constexpr const char* kEncodeError = "无法编码 WebP 图片: ";
constexpr int32_t kMaxSide = 16383;

std::string StatusText(VP8StatusCode status) {
  switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY: return "内存不足";
    case VP8_STATUS_UNSUPPORTED_FEATURE: return "不支持的功能";
    case VP8_STATUS_NOT_ENOUGH_DATA: return "文件数据不完整";
    default: return "文件数据已损坏";
  }
}

struct WebpFree {
  void operator()(uint8_t* p) const { WebPFree(p); }
};

}  // namespace

bool LooksLikeWebp(std::span<const uint8_t> data) {
  return data.size() >= 12 && std::memcmp(data.data(), "RIFF", 4) == 0 && std::memcmp(data.data() + 8, "WEBP", 4) == 0;
}

Bitmap DecodeWebp(std::span<const uint8_t> data, uint64_t max_pixels) {
  WebPBitstreamFeatures features;
  VP8StatusCode status = WebPGetFeatures(data.data(), data.size(), &features);
  if (status != VP8_STATUS_OK) throw ImageError(kDecodeError + StatusText(status));
  if (features.has_animation) throw ImageError(std::string(kDecodeError) + "不支持动画图片");
  const uint64_t width = static_cast<uint64_t>(features.width), height = static_cast<uint64_t>(features.height);
  if (!Bitmap::IsAllowedSize(features.width, features.height) || width * height > max_pixels) {
    throw ImageError(std::string(kDecodeError) + "图片尺寸过大 (" + std::to_string(width) + " x " +
                     std::to_string(height) + ")");
  }
  Bitmap picture(features.width, features.height, 24);
  if (!features.has_alpha) {
    if (WebPDecodeBGRInto(data.data(), data.size(), picture.Data(), picture.ByteSize(),
                          static_cast<int>(picture.Stride())) == nullptr)
      throw ImageError(std::string(kDecodeError) + "文件数据不完整或已损坏");
    return picture;
  }
  Bitmap alpha(features.width, features.height, 32);
  if (WebPDecodeBGRAInto(data.data(), data.size(), alpha.Data(), alpha.ByteSize(),
                         static_cast<int>(alpha.Stride())) == nullptr)
    throw ImageError(std::string(kDecodeError) + "文件数据不完整或已损坏");
  for (int32_t y = 0; y < picture.Height(); ++y) BgraRowOverWhite(alpha.Row(y), picture.Row(y), picture.Width());
  return picture;
}

std::vector<uint8_t> EncodeWebp(const Bitmap& bitmap, int quality) {
  if (bitmap.IsEmpty()) throw ImageError(std::string(kEncodeError) + "图片是空的 (0 x 0)");
  if (bitmap.Width() > kMaxSide || bitmap.Height() > kMaxSide)
    throw ImageError(std::string(kEncodeError) + "图片尺寸超过 WebP 的上限 16383 (" +
                     std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height()) + ")");
  Bitmap converted;
  const Bitmap* source = &bitmap;
  if (bitmap.BitsPerPixel() != 24) {
    converted = bitmap.ToBgr24();
    source = &converted;
  }
  uint8_t* output = nullptr;
  const float factor = static_cast<float>(quality < 0 ? 0 : quality > 100 ? 100 : quality);
  const size_t size = WebPEncodeBGR(source->Data(), source->Width(), source->Height(),
                                    static_cast<int>(source->Stride()), factor, &output);
  std::unique_ptr<uint8_t, WebpFree> owned(output);
  if (size == 0 || output == nullptr) throw ImageError(std::string(kEncodeError) + "编码失败");
  return std::vector<uint8_t>(output, output + size);
}

}  // namespace gfx
