// A small PNG writer for tests: any colour type, depth and interlacing, with a palette and a
// transparent colour, from samples given as 16-bit values.
#pragma once

#include <csetjmp>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include <png.h>

namespace gfx::testing {

struct PngRecipe {
  int width = 1;
  int height = 1;
  int color_type = PNG_COLOR_TYPE_RGB;
  int bit_depth = 8;
  bool interlaced = false;
  std::vector<png_color> palette{};
  std::vector<uint8_t> palette_alpha{};     // tRNS of a palette file
  std::vector<uint16_t> transparent{};      // tRNS colour key: one grey or three colour samples
  std::vector<uint16_t> samples{};          // every channel of every pixel, row by row
};

inline void AppendPngBytes(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// Packs the samples into the file's row layout (sub-byte depths most significant bits first).
inline std::vector<std::vector<uint8_t>> PackPngRows(const PngRecipe& s, int channels) {
  std::vector<std::vector<uint8_t>> rows(s.height);
  const size_t per_row = static_cast<size_t>(s.width) * channels;
  for (int y = 0; y < s.height; ++y) {
    std::vector<uint8_t>& row = rows[y];
    row.assign((per_row * s.bit_depth + 7) / 8, 0);
    for (size_t i = 0; i < per_row; ++i) {
      uint16_t v = s.samples[y * per_row + i];
      if (s.bit_depth == 16) {
        row[2 * i] = static_cast<uint8_t>(v >> 8);
        row[2 * i + 1] = static_cast<uint8_t>(v);
      } else if (s.bit_depth == 8) {
        row[i] = static_cast<uint8_t>(v);
      } else {
        size_t bit = i * s.bit_depth;
        row[bit / 8] |= static_cast<uint8_t>(v << (8 - s.bit_depth - bit % 8));
      }
    }
  }
  return rows;
}

inline std::vector<uint8_t> WritePng(const PngRecipe& s) {
  static const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  std::vector<std::vector<uint8_t>> rows = PackPngRows(s, kChannels[s.color_type]);
  std::vector<png_bytep> pointers;
  for (auto& r : rows) pointers.push_back(r.data());
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("test PNG writer failed");
  }
  png_set_write_fn(png, &out, AppendPngBytes, nullptr);
  png_set_IHDR(png, info, s.width, s.height, s.bit_depth, s.color_type,
               s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!s.palette.empty()) png_set_PLTE(png, info, s.palette.data(), static_cast<int>(s.palette.size()));
  if (!s.palette_alpha.empty())
    png_set_tRNS(png, info, s.palette_alpha.data(), static_cast<int>(s.palette_alpha.size()), nullptr);
  if (!s.transparent.empty()) {
    png_color_16 key{};
    if (s.transparent.size() == 1) {
      key.gray = s.transparent[0];
    } else {
      key.red = s.transparent[0];
      key.green = s.transparent[1];
      key.blue = s.transparent[2];
    }
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
  png_set_rows(png, info, pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace gfx::testing
