// Picture loading by content, and the JPEG and bitmap saves of the single picture.
#include "picture/PictureFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "gfx/JpegReader.h"
#include "gfx/PngCodec.h"
#include "gfx/WebpCodec.h"
#include "gfx/Resample.h"

namespace picture {

namespace {

std::string UpperTail(const std::string& name, size_t count) {
  std::string tail = name.size() >= count ? name.substr(name.size() - count) : name;
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return tail;
}

bool IsRegularFile(const std::string& name) {
  struct stat st {};
  return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void CheckCustomSize(const gfx::Size& size) {
  if (size.width <= 0 || size.height <= 0)
    throw gfx::ImageError("自定义图片大小无效: 宽度和高度都必须大于 0 (" + std::to_string(size.width) + " x " +
                          std::to_string(size.height) + ")");
}

uint8_t IndexAt(const uint8_t* row, int32_t x, int bits) {
  switch (bits) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
    default: return row[x];
  }
}

void PutIndex(uint8_t* row, int32_t x, int bits, uint8_t index) {
  switch (bits) {
    case 1: row[x >> 3] = static_cast<uint8_t>(row[x >> 3] | ((index & 1) << (7 - (x & 7)))); return;
    case 4: row[x >> 1] = static_cast<uint8_t>(row[x >> 1] | ((index & 0x0F) << ((x & 1) ? 0 : 4))); return;
    default: row[x] = index;
  }
}

gfx::Bitmap PackTo16(const gfx::Bitmap& bgr) {
  gfx::Bitmap out(bgr.Width(), bgr.Height(), 16);
  for (int32_t y = 0; y < bgr.Height(); ++y) {
    const uint8_t* s = bgr.Row(y);
    uint8_t* d = out.Row(y);
    for (int32_t x = 0; x < bgr.Width(); ++x, s += 3, d += 2) {
      unsigned v = ((s[2] >> 3) << 10) | ((s[1] >> 3) << 5) | (s[0] >> 3);
      d[0] = static_cast<uint8_t>(v & 0xFF);
      d[1] = static_cast<uint8_t>(v >> 8);
    }
  }
  return out;
}

}  // namespace

PictureFormat FormatOfBytes(std::span<const uint8_t> bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return PictureFormat::kJpeg;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return PictureFormat::kBmp;
  if (gfx::LooksLikePng(bytes)) return PictureFormat::kPng;
  if (gfx::LooksLikeWebp(bytes)) return PictureFormat::kWebp;
  return PictureFormat::kUnknown;
}

std::optional<LoadedPicture> LoadPictureFromFile(const std::string& name) {
  if (!IsRegularFile(name)) return std::nullopt;
  return DecodePictureFile(name, gfx::ReadWholeFile(name));
}

std::optional<LoadedPicture> LoadPictureResized(const std::string& name, gfx::Size size, bool keep_depth) {
  CheckCustomSize(size);
  if (!IsRegularFile(name)) return std::nullopt;
  gfx::FileReader file(name);
  if (!gfx::StartsAsJpeg(file)) {
    std::optional<LoadedPicture> loaded = DecodePictureFile(name, gfx::ReadWholeFile(name));
    if (loaded && !loaded->bitmap.IsEmpty()) {
      loaded->bitmap = keep_depth ? ResizeKeepingDepth(loaded->bitmap, size.width, size.height)
                                  : gfx::ResizeHighQuality(loaded->bitmap, size.width, size.height);
    }
    return loaded;
  }
  gfx::JpegPicture jpeg;
  try {
    jpeg = gfx::ReadJpegToResize(file, size);
  } catch (const gfx::ImageError& e) {
    throw gfx::ImageError("文件 \"" + name + "\": " + e.what());
  }
  gfx::Bitmap resized = gfx::ResizeHighQuality(jpeg.bitmap, jpeg.extent, size.width, size.height);
  return LoadedPicture{std::move(resized), std::move(jpeg.icc_profile), std::move(jpeg.markers)};
}

std::optional<LoadedPicture> DecodePictureFile(const std::string& name, std::span<const uint8_t> bytes,
                                               gfx::RowProgress* progress) {
  PictureFormat format = FormatOfBytes(bytes);
  if (format == PictureFormat::kUnknown) {
    const std::string key = UpperTail(name, 3);
    if (key == "BMP") format = PictureFormat::kBmp;
    else if (key == "JPG" || UpperTail(name, 4) == "JPEG") format = PictureFormat::kJpeg;
    else if (key == "PNG") format = PictureFormat::kPng;
    else if (UpperTail(name, 4) == "WEBP") format = PictureFormat::kWebp;
    else if (key == "ICO" || key == "WMF" || key == "EMF") return LoadedPicture{};
    else return std::nullopt;
  }
  try {
    switch (format) {
      case PictureFormat::kJpeg: {
        gfx::JpegPicture jpeg = gfx::DecodeJpeg(bytes, progress);
        return LoadedPicture{std::move(jpeg.bitmap), std::move(jpeg.icc_profile), std::move(jpeg.markers)};
      }
      case PictureFormat::kBmp: return LoadedPicture{gfx::DecodeBmp(bytes, nullptr, true, progress), {}, {}};
      case PictureFormat::kPng: return LoadedPicture{gfx::DecodePng(bytes, gfx::Bitmap::kMaxPixels, progress), {}, {}};
      case PictureFormat::kWebp: {
        // libwebp decodes the picture in one call: asked before it, told once it is whole.
        gfx::ReportRows(progress, 0, 1);
        LoadedPicture loaded{gfx::DecodeWebp(bytes), {}, {}};
        gfx::ReportRows(progress, 1, 1);
        return loaded;
      }
      case PictureFormat::kUnknown: break;
    }
  } catch (const gfx::ImageError& e) {
    throw gfx::ImageError("文件 \"" + name + "\": " + e.what());
  }
  return std::nullopt;
}

std::string FileNamePart(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReplaceExtension(const std::string& name, const std::string& extension) {
  size_t start = name.rfind('/');
  start = start == std::string::npos ? 0 : start + 1;
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot <= start) return name + extension;
  return name.substr(0, dot) + extension;
}

gfx::Bitmap ResizeKeepingDepth(const gfx::Bitmap& picture, int32_t width, int32_t height) {
  CheckCustomSize({width, height});
  const int bits = picture.BitsPerPixel();
  if (bits > 8) {
    gfx::Bitmap resized = gfx::ResizeHighQuality(picture, width, height);
    if (bits == 32) return resized.ConvertTo(32);
    if (bits == 16) return PackTo16(resized);
    return resized;
  }
  gfx::Bitmap out(width, height, bits);
  out.SetPalette(picture.Palette());
  if (picture.IsEmpty()) return out;
  const int64_t sw = picture.Width(), sh = picture.Height();
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* src = picture.Row(static_cast<int32_t>(y * sh / height));
    uint8_t* dst = out.Row(y);
    for (int32_t x = 0; x < width; ++x)
      PutIndex(dst, x, bits, IndexAt(src, static_cast<int32_t>(x * sw / width), bits));
  }
  return out;
}

std::vector<uint8_t> EncodePictureAsJpeg(const gfx::Bitmap& picture, int quality,
                                         std::optional<gfx::Size> custom_size,
                                         const std::vector<uint8_t>& icc_profile,
                                         const std::vector<gfx::JpegMarker>& markers) {
  if (custom_size) CheckCustomSize(*custom_size);
  if (picture.IsEmpty()) throw gfx::ImageError("没有可以保存的图片！");
  gfx::JpegEncodeOptions options;
  options.quality = std::clamp(quality, 0, 100);
  options.icc_profile = icc_profile;
  options.markers = markers;
  return custom_size ? gfx::EncodeJpeg(gfx::ResizeHighQuality(picture, custom_size->width, custom_size->height), options)
                     : gfx::EncodeJpeg(picture, options);
}

std::string SavePictureAsJpeg(const gfx::Bitmap& picture, const std::string& name, int quality,
                              std::optional<gfx::Size> custom_size, const std::vector<uint8_t>& icc_profile,
                              const std::vector<gfx::JpegMarker>& markers) {
  std::vector<uint8_t> bytes = EncodePictureAsJpeg(picture, quality, custom_size, icc_profile, markers);
  const std::string target = ReplaceExtension(name, ".jpg");
  gfx::WriteFileAtomically(target, bytes);
  return target;
}

std::string SavePictureAsWebp(const gfx::Bitmap& picture, const std::string& name, int quality,
                              std::optional<gfx::Size> custom_size) {
  if (custom_size) CheckCustomSize(*custom_size);
  if (picture.IsEmpty()) throw gfx::ImageError("没有可以保存的图片！");
  const std::string target = ReplaceExtension(name, ".webp");
  std::vector<uint8_t> bytes =
      custom_size ? gfx::EncodeWebp(gfx::ResizeHighQuality(picture, custom_size->width, custom_size->height), quality)
                  : gfx::EncodeWebp(picture, quality);
  gfx::WriteFileAtomically(target, bytes);
  return target;
}

std::string SavePictureAsBitmap(const gfx::Bitmap& picture, const std::string& name,
                                std::optional<gfx::Size> custom_size) {
  if (custom_size) CheckCustomSize(*custom_size);
  if (picture.IsEmpty()) throw gfx::ImageError("没有可以保存的图片！");
  const std::string target = ReplaceExtension(name, ".bmp");
  std::vector<uint8_t> bytes =
      custom_size ? gfx::EncodeBmp(ResizeKeepingDepth(picture, custom_size->width, custom_size->height))
                  : gfx::EncodeBmp(picture);
  gfx::WriteFileAtomically(target, bytes);
  return target;
}

}  // namespace picture
