// PNG decoding straight into a 24-bit picture's rows through libpng's transformations.
#include "gfx/PngCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <png.h>

#include "gfx/AlphaOverWhite.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

constexpr const char* kDecodeError = "无法解码 PNG 图片: ";
constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// libpng reports a fatal error through the error function, which must not return: it jumps back to
// the setjmp in RunGuarded. The steps run between that setjmp and the jump hold only plain data,
// so no destructor is ever skipped.
struct ReadState {
  const uint8_t* data;
  size_t size;
  size_t position;
  char message[160];
};

void OnError(png_structp png, png_const_charp text) {
  auto* state = static_cast<ReadState*>(png_get_error_ptr(png));
  std::snprintf(state->message, sizeof state->message, "%s", text ? text : "?");
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}  // damage that libpng can step over is no error

void OnRead(png_structp png, png_bytep out, size_t length) {
  auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
  if (state->size - state->position < length) png_error(png, "文件数据不完整");
  std::memcpy(out, state->data + state->position, length);
  state->position += length;
}

using Step = void (*)(png_structp png, png_infop info, void* context);

bool RunGuarded(png_structp png, png_infop info, Step step, void* context) {
  if (setjmp(png_jmpbuf(png))) return false;
  step(png, info, context);
  return true;
}

struct Header {
  png_uint_32 width;
  png_uint_32 height;
  int channels;    // after the transformations: 3, or 4 with alpha
  int passes;      // 7 for an interlaced file
};

void ReadHeader(png_structp png, png_infop info, void* context) {
  auto* header = static_cast<Header*>(context);
  png_read_info(png, info);
  header->width = png_get_image_width(png, info);
  header->height = png_get_image_height(png, info);
  // Palette to colour, grey below 8 bits to 8 bits, a transparent colour to an alpha channel.
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  header->passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  header->channels = png_get_channels(png, info);
  if (header->channels != 3 && header->channels != 4) png_error(png, "不支持的像素格式");
}

struct Pixels {
  png_bytepp rows;        // where each row is read: the picture's rows, or the alpha rows
  uint8_t* const* out;    // the picture's rows, when the rows above carry alpha
  png_uint_32 width;
  png_uint_32 height;
  int passes;
  RowProgress* progress;  // told of the rows, or null
  bool aborted;           // the progress asked to give up
};

// Tells the progress of a row; true when it asks to give up. No exception may cross libpng's
// frames, so the caller throws once the guard has returned.
bool RowRead(Pixels* pixels, uint64_t done) {
  if (pixels->progress == nullptr) return false;
  pixels->progress->RowsDone(static_cast<int64_t>(done), static_cast<int64_t>(pixels->height) * pixels->passes);
  pixels->aborted = pixels->progress->AbortRequested();
  return pixels->aborted;
}

void ReadPixels(png_structp png, png_infop info, void* context) {
  auto* pixels = static_cast<Pixels*>(context);
  // Each pass of an interlaced file adds pixels to rows read before, so every row stays in place.
  for (int pass = 0; pass < pixels->passes; ++pass) {
    for (png_uint_32 y = 0; y < pixels->height; ++y) {
      png_read_row(png, pixels->rows[y], nullptr);
      if (RowRead(pixels, uint64_t{pixels->height} * pass + y + 1)) return;
    }
  }
  png_read_end(png, info);
}

// Reads the rows one at a time through a scratch row with alpha and composes each over white.
void ReadAlphaRows(png_structp png, png_infop info, void* context) {
  auto* pixels = static_cast<Pixels*>(context);
  for (png_uint_32 y = 0; y < pixels->height; ++y) {
    png_read_row(png, pixels->rows[0], nullptr);
    BgraRowOverWhite(pixels->rows[0], pixels->out[y], static_cast<int32_t>(pixels->width));
    if (RowRead(pixels, y + 1)) return;
  }
  png_read_end(png, info);
}

class PngReader {
 public:
  explicit PngReader(ReadState& state) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (png_ == nullptr || info_ == nullptr) {
      png_destroy_read_struct(&png_, &info_, nullptr);
      throw ImageError(std::string(kDecodeError) + "内存不足");
    }
    png_set_read_fn(png_, &state, OnRead);
  }
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  void Run(Step step, void* context, const ReadState& state) {
    if (!RunGuarded(png_, info_, step, context)) throw ImageError(std::string(kDecodeError) + state.message);
  }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

bool LooksLikePng(std::span<const uint8_t> data) {
  return data.size() >= sizeof kSignature && std::memcmp(data.data(), kSignature, sizeof kSignature) == 0;
}

Bitmap DecodePng(std::span<const uint8_t> data, uint64_t max_pixels, RowProgress* progress) {
  if (!LooksLikePng(data)) throw ImageError(std::string(kDecodeError) + "不是 PNG 文件");
  ReadState state{data.data(), data.size(), 0, {}};
  PngReader reader(state);
  Header header{};
  reader.Run(ReadHeader, &header, state);
  const uint64_t width = header.width, height = header.height;
  if (!Bitmap::IsAllowedSize(static_cast<int64_t>(width), static_cast<int64_t>(height)) ||
      width * height > max_pixels) {
    throw ImageError(std::string(kDecodeError) + "图片尺寸过大 (" + std::to_string(width) + " x " +
                     std::to_string(height) + ")");
  }

  Bitmap picture(static_cast<int32_t>(width), static_cast<int32_t>(height), 24);
  std::unique_ptr<uint8_t*[]> out(new uint8_t*[height]);
  for (uint64_t y = 0; y < height; ++y) out[y] = picture.Row(static_cast<int32_t>(y));
  Pixels pixels{out.get(), out.get(), header.width, header.height, header.passes, progress, false};
  if (header.channels == 3) {
    reader.Run(ReadPixels, &pixels, state);
    if (pixels.aborted) throw DecodeAborted();
    return picture;
  }
  if (header.passes == 1) {
    std::unique_ptr<uint8_t[]> scratch(new uint8_t[width * 4]);
    uint8_t* scratch_row = scratch.get();
    pixels.rows = &scratch_row;
    reader.Run(ReadAlphaRows, &pixels, state);
    if (pixels.aborted) throw DecodeAborted();
    return picture;
  }
  // An interlaced file with alpha is read whole before its rows can be composed.
  Bitmap alpha(static_cast<int32_t>(width), static_cast<int32_t>(height), 32);
  std::unique_ptr<uint8_t*[]> alpha_rows(new uint8_t*[height]);
  for (uint64_t y = 0; y < height; ++y) alpha_rows[y] = alpha.Row(static_cast<int32_t>(y));
  pixels.rows = alpha_rows.get();
  reader.Run(ReadPixels, &pixels, state);
  if (pixels.aborted) throw DecodeAborted();
  for (uint64_t y = 0; y < height; ++y)
    BgraRowOverWhite(alpha.Row(static_cast<int32_t>(y)), out[y], static_cast<int32_t>(width));
  return picture;
}

}  // namespace gfx
