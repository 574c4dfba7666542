// What reading pictures by content and keeping their metadata cost: a batch file's round trip
// with a camera's EXIF, XMP and thumbnail against the same round trip without them, optimised
// Huffman tables against the default ones, and PNG decoding against a plain libpng read loop.
#include <benchmark/benchmark.h>

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <vector>

#include <png.h>

#include "gfx/Bitmap.h"
#include "gfx/JpegCodec.h"
#include "gfx/PngCodec.h"
#include "gfx/PngTestWriter.h"
#include "support/CameraJpeg.h"

namespace {

constexpr int32_t kWidth = 2048, kHeight = 1536;  // about three megapixels

gfx::Bitmap PhotoLike() {
  gfx::Bitmap picture(kWidth, kHeight, 24);
  uint32_t seed = 12345;
  for (int32_t y = 0; y < kHeight; ++y) {
    uint8_t* row = picture.Row(y);
    for (int32_t x = 0; x < kWidth * 3; ++x) {
      seed = seed * 1664525u + 1013904223u;
      row[x] = static_cast<uint8_t>((x / 3 * 200 / kWidth) + (y * 50 / kHeight) + (seed >> 29));
    }
  }
  return picture;
}

const gfx::Bitmap& Picture() {
  static const gfx::Bitmap picture = PhotoLike();
  return picture;
}

std::vector<uint8_t> SourceJpeg(bool metadata) {
  gfx::JpegEncodeOptions options{.quality = 90};
  if (metadata) {
    const char xmp[] = "http://ns.adobe.com/xap/1.0/\0<x:xmpmeta><rdf:RDF/></x:xmpmeta>";
    options.markers = {{gfx::kJpegApp1, testing_support::CameraExif({.orientation = 1, .thumbnail = true})},
                       {gfx::kJpegApp1, std::vector<uint8_t>(xmp, xmp + sizeof xmp)},
                       {gfx::kJpegComment, {'h', 'o', 'l', 'i', 'd', 'a', 'y'}}};
  }
  return gfx::EncodeJpeg(Picture(), options);
}

void SetPixels(benchmark::State& state) {
  state.counters["Mpx/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kWidth * kHeight / 1e6,
                                               benchmark::Counter::kIsRate);
}

// One batch file: decode, then encode at quality 75 with whatever the source carried.
void BM_RoundTrip(benchmark::State& state) {
  const bool metadata = state.range(0) != 0;
  const bool optimize = state.range(1) != 0;
  const std::vector<uint8_t> jpeg = SourceJpeg(metadata);
  for (auto _ : state) {
    gfx::JpegPicture picture = gfx::DecodeJpeg(jpeg);
    benchmark::DoNotOptimize(gfx::EncodeJpeg(
        picture.bitmap, {.quality = 75, .markers = std::move(picture.markers), .optimize = optimize}));
  }
  SetPixels(state);
}
BENCHMARK(BM_RoundTrip)->ArgNames({"metadata", "optimize"})->Args({0, 0})->Args({1, 0})->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

const std::vector<uint8_t>& PngFile() {
  static const std::vector<uint8_t> file = [] {
    gfx::testing::PngRecipe png{.width = kWidth, .height = kHeight, .color_type = PNG_COLOR_TYPE_RGB};
    png.samples.reserve(size_t{kWidth} * kHeight * 3);
    for (int32_t y = 0; y < kHeight; ++y)
      for (int32_t x = 0; x < kWidth * 3; ++x) png.samples.push_back(Picture().Row(y)[x]);
    return gfx::testing::WritePng(png);
  }();
  return file;
}

void BM_DecodePng(benchmark::State& state) {
  const std::vector<uint8_t>& file = PngFile();
  for (auto _ : state) benchmark::DoNotOptimize(gfx::DecodePng(file));
  SetPixels(state);
}
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);

struct Source {
  const uint8_t* data;
  size_t size, at;
};
void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* s = static_cast<Source*>(png_get_io_ptr(png));
  if (s->size - s->at < length) png_error(png, "short");
  std::memcpy(out, s->data + s->at, length);
  s->at += length;
}

// The read loop libpng's own example and test program use: rows into one buffer, nothing else.
void BM_PlainLibpngRead(benchmark::State& state) {
  const std::vector<uint8_t>& file = PngFile();
  std::vector<uint8_t> pixels(size_t{kWidth} * kHeight * 3);
  for (auto _ : state) {
    Source source{file.data(), file.size(), 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
      png_destroy_read_struct(&png, &info, nullptr);
      state.SkipWithError("libpng failed");
      break;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    png_set_bgr(png);
    png_read_update_info(png, info);
    for (int32_t y = 0; y < kHeight; ++y) png_read_row(png, pixels.data() + size_t{kWidth} * 3 * y, nullptr);
    png_read_end(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    benchmark::DoNotOptimize(pixels.data());
  }
  SetPixels(state);
}
BENCHMARK(BM_PlainLibpngRead)->Unit(benchmark::kMillisecond);

}  // namespace
