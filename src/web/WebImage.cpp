// Pictures of web pages: decoding PNG, GIF (first frame), JPEG and BMP into a bitmap with alpha.
#include "web/WebImage.h"

#include <gif_lib.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"

namespace web {

namespace {

bool StartsWith(std::span<const uint8_t> data, std::string_view magic) {
  return data.size() >= magic.size() && std::memcmp(data.data(), magic.data(), magic.size()) == 0;
}

void CheckSide(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0 || width > kMaxWebImageSide || height > kMaxWebImageSide) {
    throw gfx::ImageError("网页图片尺寸超出范围（" + std::to_string(width) + " x " +
                          std::to_string(height) + "）");
  }
}

// Splits 8-bit BGRA rows into the 24-bit pixels and, when any pixel is not opaque, the alpha bytes.
WebImage FromBgra(const uint8_t* bgra, int32_t width, int32_t height) {
  WebImage image;
  image.pixels = gfx::Bitmap(width, height, 24);
  std::vector<uint8_t> alpha(static_cast<size_t>(width) * height);
  bool translucent = false;
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = image.pixels.Row(y);
    const uint8_t* src = bgra + static_cast<size_t>(y) * width * 4;
    for (int32_t x = 0; x < width; ++x) {
      row[x * 3] = src[x * 4];
      row[x * 3 + 1] = src[x * 4 + 1];
      row[x * 3 + 2] = src[x * 4 + 2];
      alpha[static_cast<size_t>(y) * width + x] = src[x * 4 + 3];
      translucent |= src[x * 4 + 3] != 255;
    }
  }
  if (translucent) image.alpha = std::move(alpha);
  return image;
}

WebImage DecodePng(std::span<const uint8_t> data) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&png, data.data(), data.size()) == 0) {
    throw gfx::ImageError(std::string("PNG 图片已损坏：") + png.message);
  }
  // The image is freed on every path, a failed size check included.
  std::unique_ptr<png_image, void (*)(png_image*)> guard(&png, png_image_free);
  CheckSide(png.width, png.height);
  png.format = PNG_FORMAT_BGRA;
  std::vector<uint8_t> bgra(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, bgra.data(), 0, nullptr) == 0) {
    throw gfx::ImageError(std::string("PNG 图片已损坏：") + png.message);
  }
  return FromBgra(bgra.data(), static_cast<int32_t>(png.width), static_cast<int32_t>(png.height));
}

struct GifSource {
  std::span<const uint8_t> data;
  size_t offset = 0;
};

int ReadGifBytes(GifFileType* gif, GifByteType* out, int wanted) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  size_t n = std::min(static_cast<size_t>(std::max(wanted, 0)), source->data.size() - source->offset);
  std::memcpy(out, source->data.data() + source->offset, n);
  source->offset += n;
  return static_cast<int>(n);
}

void CloseGif(GifFileType* gif) {
  int ignored = 0;
  DGifCloseFile(gif, &ignored);
}

[[noreturn]] void GifFailed(int code) {
  const char* text = GifErrorString(code);
  throw gfx::ImageError(std::string("GIF 图片已损坏：") + (text ? text : "?"));
}

// The first frame only, drawn on the logical screen at its offset; the rest of the screen is
// transparent. Records are read one by one so later frames are never decoded or allocated.
WebImage DecodeGif(std::span<const uint8_t> data) {
  GifSource source{data};
  int error = 0;
  std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(DGifOpen(&source, ReadGifBytes, &error),
                                                         CloseGif);
  if (!gif) GifFailed(error);
  CheckSide(gif->SWidth, gif->SHeight);
  const int32_t width = gif->SWidth;
  const int32_t height = gif->SHeight;
  int transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) GifFailed(gif->Error);
    if (type == TERMINATE_RECORD_TYPE) throw gfx::ImageError("GIF 图片没有画面");
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) GifFailed(gif->Error);
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock gcb{};
        if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK) transparent = gcb.TransparentColor;
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) GifFailed(gif->Error);
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) GifFailed(gif->Error);
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (map == nullptr) throw gfx::ImageError("GIF 图片没有调色板");
    if (desc.Width <= 0 || desc.Height <= 0 || desc.Width > width || desc.Height > height) {
      throw gfx::ImageError("GIF 图片的画面超出画布");
    }
    std::vector<uint8_t> bgra(static_cast<size_t>(width) * height * 4, 0);
    std::vector<GifPixelType> line(desc.Width);
    // Interlaced frames store their rows in four passes.
    std::vector<int> rows;
    if (desc.Interlace) {
      for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int r = start; r < desc.Height; r += step) rows.push_back(r);
      }
    } else {
      for (int r = 0; r < desc.Height; ++r) rows.push_back(r);
    }
    for (int r : rows) {
      if (DGifGetLine(gif.get(), line.data(), desc.Width) == GIF_ERROR) GifFailed(gif->Error);
      const int y = desc.Top + r;
      for (int i = 0; i < desc.Width; ++i) {
        const int x = desc.Left + i;
        if (x < 0 || x >= width || y < 0 || y >= height) continue;
        const int index = line[i];
        if (index == transparent || index >= map->ColorCount) continue;
        uint8_t* px = &bgra[(static_cast<size_t>(y) * width + x) * 4];
        px[0] = map->Colors[index].Blue;
        px[1] = map->Colors[index].Green;
        px[2] = map->Colors[index].Red;
        px[3] = 255;
      }
    }
    return FromBgra(bgra.data(), width, height);
  }
}

// The width and height a bitmap file's header declares, read before the reader allocates anything.
void CheckBmpSize(std::span<const uint8_t> data) {
  auto le = [&](size_t at, size_t bytes) -> int64_t {
    if (at + bytes > data.size()) throw gfx::ImageError("BMP 图片已损坏：文件不完整");
    uint32_t v = 0;
    for (size_t i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(data[at + i]) << (8 * i);
    return bytes == 2 ? static_cast<int64_t>(v) : static_cast<int64_t>(static_cast<int32_t>(v));
  };
  const int64_t header = le(14, 4);
  const bool core = header == 12;
  const int64_t width = core ? le(18, 2) : le(18, 4);
  const int64_t height = core ? le(20, 2) : le(22, 4);
  CheckSide(width, height < 0 ? -height : height);
}

WebImage Opaque(gfx::Bitmap bitmap) {
  WebImage image;
  image.pixels = bitmap.BitsPerPixel() == 24 ? std::move(bitmap) : bitmap.ConvertTo(24);
  return image;
}

}  // namespace

WebImage DecodeWebImage(std::span<const uint8_t> data) {
  if (StartsWith(data, "\x89PNG\r\n\x1a\n")) return DecodePng(data);
  if (StartsWith(data, "GIF87a") || StartsWith(data, "GIF89a")) return DecodeGif(data);
  if (StartsWith(data, "\xff\xd8\xff")) {
    constexpr uint64_t kMaxPixels = uint64_t{kMaxWebImageSide} * kMaxWebImageSide;
    gfx::JpegPicture jpeg = gfx::DecodeJpeg(data, kMaxPixels);
    CheckSide(jpeg.bitmap.Width(), jpeg.bitmap.Height());
    return Opaque(std::move(jpeg.bitmap));
  }
  if (StartsWith(data, "BM")) {
    CheckBmpSize(data);
    return Opaque(gfx::DecodeBmp(data));
  }
  throw gfx::ImageError("不是可以显示的网页图片");
}

}  // namespace web
