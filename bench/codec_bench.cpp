// Speed of JPEG decoding and encoding and of the high-quality resize, in pixels per second, with a
// plain libjpeg decode-and-encode loop as the yardstick for the codec's own overhead.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "gfx/Bitmap.h"
#include "gfx/JpegCodec.h"
#include "gfx/Resample.h"

namespace {

// A photo-like picture: smooth shading, a few hard edges and fine grain, so the entropy coder and
// the filters see a realistic mix rather than flat areas.
gfx::Bitmap PhotoLike(int32_t width, int32_t height) {
  gfx::Bitmap picture(width, height, 24);
  uint32_t seed = 12345;
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = picture.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>(seed >> 28) - 8;
      const bool inside = (x / 97 + y / 61) % 3 == 0;
      int b = x * 200 / width + (inside ? 40 : 0) + grain;
      int g = y * 180 / height + 30 + grain;
      int r = (x + y) * 150 / (width + height) + (inside ? 0 : 60) + grain;
      row[x * 3] = static_cast<uint8_t>(b < 0 ? 0 : b > 255 ? 255 : b);
      row[x * 3 + 1] = static_cast<uint8_t>(g < 0 ? 0 : g > 255 ? 255 : g);
      row[x * 3 + 2] = static_cast<uint8_t>(r < 0 ? 0 : r > 255 ? 255 : r);
    }
  }
  return picture;
}

constexpr int32_t kWidth = 2048, kHeight = 1536;  // about three megapixels

const gfx::Bitmap& Picture() {
  static const gfx::Bitmap picture = PhotoLike(kWidth, kHeight);
  return picture;
}

const std::vector<uint8_t>& PictureJpeg() {
  static const std::vector<uint8_t> jpeg = gfx::EncodeJpeg(Picture(), {.quality = 90, .icc_profile = {}});
  return jpeg;
}

void SetPixels(benchmark::State& state, int64_t pixels_per_iteration) {
  state.SetItemsProcessed(state.iterations() * pixels_per_iteration);
  state.counters["Mpx/s"] = benchmark::Counter(static_cast<double>(state.iterations() * pixels_per_iteration) / 1e6,
                                               benchmark::Counter::kIsRate);
}

void BM_DecodeJpeg(benchmark::State& state) {
  const std::vector<uint8_t>& jpeg = PictureJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(gfx::DecodeJpeg(jpeg));
  SetPixels(state, int64_t{kWidth} * kHeight);
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);

void BM_EncodeJpegQ75(benchmark::State& state) {
  const gfx::Bitmap& picture = Picture();
  for (auto _ : state) benchmark::DoNotOptimize(gfx::EncodeJpeg(picture, {.quality = 75, .icc_profile = {}}));
  SetPixels(state, int64_t{kWidth} * kHeight);
}
BENCHMARK(BM_EncodeJpegQ75)->Unit(benchmark::kMillisecond);

// What one batch file costs: decode, then encode at quality 75.
void BM_CodecRoundTrip(benchmark::State& state) {
  const std::vector<uint8_t>& jpeg = PictureJpeg();
  for (auto _ : state) {
    gfx::JpegPicture picture = gfx::DecodeJpeg(jpeg);
    benchmark::DoNotOptimize(gfx::EncodeJpeg(picture.bitmap, {.quality = 75, .icc_profile = {}}));
  }
  SetPixels(state, int64_t{kWidth} * kHeight);
}
BENCHMARK(BM_CodecRoundTrip)->Unit(benchmark::kMillisecond);

// The same work written as a plain C program would: libjpeg's memory source and destination, RGB
// rows in a malloc'd buffer, default error handling.
void BM_PlainLibjpegRoundTrip(benchmark::State& state) {
  const std::vector<uint8_t>& jpeg = PictureJpeg();
  for (auto _ : state) {
    jpeg_decompress_struct d;
    jpeg_error_mgr derr;
    d.err = jpeg_std_error(&derr);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, jpeg.data(), jpeg.size());
    jpeg_read_header(&d, TRUE);
    d.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d);
    const size_t stride = size_t{d.output_width} * 3;
    auto* pixels = static_cast<JSAMPLE*>(std::malloc(stride * d.output_height));
    while (d.output_scanline < d.output_height) {
      JSAMPROW row = pixels + stride * d.output_scanline;
      jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);

    jpeg_compress_struct c;
    jpeg_error_mgr cerr;
    c.err = jpeg_std_error(&cerr);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long out_size = 0;
    jpeg_mem_dest(&c, &out, &out_size);
    c.image_width = d.output_width;
    c.image_height = d.output_height;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 75, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
      JSAMPROW row = pixels + stride * c.next_scanline;
      jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    benchmark::DoNotOptimize(out);
    jpeg_destroy_compress(&c);
    jpeg_destroy_decompress(&d);
    std::free(out);
    std::free(pixels);
  }
  SetPixels(state, int64_t{kWidth} * kHeight);
}
BENCHMARK(BM_PlainLibjpegRoundTrip)->Unit(benchmark::kMillisecond);

// Resizing to the given size; pixels counted are the source's.
void BM_ResizeHighQuality(benchmark::State& state) {
  const gfx::Bitmap& picture = Picture();
  const auto width = static_cast<int32_t>(state.range(0)), height = static_cast<int32_t>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(gfx::ResizeHighQuality(picture, width, height));
  SetPixels(state, int64_t{kWidth} * kHeight);
}
BENCHMARK(BM_ResizeHighQuality)
    ->Args({800, 600})    // shrink by 2.56
    ->Args({160, 120})    // thumbnail: averaged first, then filtered
    ->Args({1900, 1400})  // slight shrink
    ->Args({4096, 3072})  // enlarge by two
    ->UseRealTime()       // the resize runs on several threads; rates follow the wall clock
    ->Unit(benchmark::kMillisecond);

// The picture dialog's preview of a 24-megapixel photo (6000 x 4000): the scaled read at the
// smallest DCT scale that covers the panel, then the resize to the panel, as the preview shows it.
// The full decode beside it is the cost the scaled read avoids.
const std::vector<uint8_t>& BigPhotoJpeg() {
  static const std::vector<uint8_t> jpeg =
      gfx::EncodeJpeg(PhotoLike(6000, 4000), {.quality = 90, .icc_profile = {}});
  return jpeg;
}

void BM_PreviewJpeg24Mp(benchmark::State& state) {
  const std::vector<uint8_t>& jpeg = BigPhotoJpeg();
  const auto panel_w = static_cast<int32_t>(state.range(0)), panel_h = static_cast<int32_t>(state.range(1));
  // The photo fitted into the panel, keeping its 3:2 shape.
  const int32_t fit_w = std::min(panel_w, panel_h * 3 / 2), fit_h = fit_w * 2 / 3;
  for (auto _ : state) {
    const gfx::Bitmap scaled = gfx::DecodeJpegScaled(jpeg, {fit_w, fit_h}).bitmap;
    benchmark::DoNotOptimize(gfx::ResizeHighQuality(scaled, fit_w, fit_h));
  }
  SetPixels(state, int64_t{6000} * 4000);
}
BENCHMARK(BM_PreviewJpeg24Mp)
    ->Args({240, 240})    // a small preview panel: read at 1/8
    ->Args({640, 480})    // read at 1/8 (750 x 500)
    ->Args({1200, 900})   // read at 1/4
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg24MpWhole(benchmark::State& state) {
  const std::vector<uint8_t>& jpeg = BigPhotoJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(gfx::DecodeJpeg(jpeg));
  SetPixels(state, int64_t{6000} * 4000);
}
BENCHMARK(BM_DecodeJpeg24MpWhole)->Unit(benchmark::kMillisecond);

}  // namespace
