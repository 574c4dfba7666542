// PNG decoding: every colour type and depth, interlacing, transparency over white, damaged files.
#include "gfx/PngCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/ImageError.h"
#include "gfx/PngTestWriter.h"

namespace gfx {
namespace {

using testing::PngRecipe;
using testing::WritePng;

// A 9 x 9 picture touches every pass of an interlaced file.
constexpr int kSide = 9;

uint8_t Red(int x, int y) { return static_cast<uint8_t>(x * 28 + y); }
uint8_t Green(int x, int y) { return static_cast<uint8_t>(y * 27 + x % 2); }
uint8_t Blue(int x, int y) { return static_cast<uint8_t>((x ^ y) * 17); }
uint8_t Alpha(int x, int y) { return static_cast<uint8_t>((x * 9 + y) * 3); }

// (c * a + 255 * (255 - a)) / 255, rounded.
uint8_t OverWhite(uint8_t c, uint8_t a) { return static_cast<uint8_t>((c * a + 255 * (255 - a) + 127) / 255); }

Bitmap Expected(bool alpha, bool grey) {
  Bitmap b(kSide, kSide, 24);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      uint8_t r = Red(x, y), g = grey ? r : Green(x, y), bl = grey ? r : Blue(x, y);
      uint8_t a = alpha ? Alpha(x, y) : 255;
      b.SetPixel(x, y, Rgb(OverWhite(r, a), OverWhite(g, a), OverWhite(bl, a)));
    }
  }
  return b;
}

// The samples of the test picture for a colour type, scaled to the depth.
std::vector<uint16_t> Samples(int color_type, int depth) {
  auto scale = [depth](uint8_t v) -> uint16_t { return depth == 16 ? static_cast<uint16_t>(v * 257) : v; };
  std::vector<uint16_t> s;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      s.push_back(scale(Red(x, y)));
      if (color_type & PNG_COLOR_MASK_COLOR) {
        s.push_back(scale(Green(x, y)));
        s.push_back(scale(Blue(x, y)));
      }
      if (color_type & PNG_COLOR_MASK_ALPHA) s.push_back(scale(Alpha(x, y)));
    }
  }
  return s;
}

TEST(PngCodecTest, EveryEightAndSixteenBitColourTypeInterlacedOrNot) {
  struct Case { const char* name; int color_type; int depth; };
  const Case cases[] = {
      {"colour", PNG_COLOR_TYPE_RGB, 8},         {"colour 16-bit", PNG_COLOR_TYPE_RGB, 16},
      {"colour and alpha", PNG_COLOR_TYPE_RGBA, 8}, {"colour and alpha 16-bit", PNG_COLOR_TYPE_RGBA, 16},
      {"grey", PNG_COLOR_TYPE_GRAY, 8},          {"grey 16-bit", PNG_COLOR_TYPE_GRAY, 16},
      {"grey and alpha", PNG_COLOR_TYPE_GA, 8},  {"grey and alpha 16-bit", PNG_COLOR_TYPE_GA, 16},
  };
  for (const Case& c : cases) {
    for (bool interlaced : {false, true}) {
      PngRecipe png{.width = kSide, .height = kSide, .color_type = c.color_type, .bit_depth = c.depth,
                   .interlaced = interlaced, .samples = Samples(c.color_type, c.depth)};
      Bitmap decoded = DecodePng(WritePng(png));
      EXPECT_EQ(decoded, Expected(c.color_type & PNG_COLOR_MASK_ALPHA, !(c.color_type & PNG_COLOR_MASK_COLOR)))
          << c.name << (interlaced ? ", interlaced" : "");
    }
  }
}

TEST(PngCodecTest, PalettesLowDepthsAndTransparentColours) {
  const std::vector<png_color> palette = {{10, 20, 30}, {200, 100, 0}, {0, 255, 0}, {1, 2, 3}};
  struct Case {
    const char* name;
    PngRecipe png;
    std::vector<Color> pixels;
  };
  const Case cases[] = {
      {"2-bit palette",
       {.width = 4, .color_type = PNG_COLOR_TYPE_PALETTE, .bit_depth = 2, .palette = palette, .samples = {3, 0, 1, 2}},
       {Rgb(1, 2, 3), Rgb(10, 20, 30), Rgb(200, 100, 0), Rgb(0, 255, 0)}},
      {"8-bit palette with alpha for its first entries, interlaced",
       {.width = 3, .color_type = PNG_COLOR_TYPE_PALETTE, .bit_depth = 8, .interlaced = true, .palette = palette,
        .palette_alpha = {0, 128}, .samples = {0, 1, 2}},
       {Rgb(255, 255, 255), Rgb(OverWhite(200, 128), OverWhite(100, 128), 127), Rgb(0, 255, 0)}},
      {"1-bit grey", {.width = 3, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 1, .samples = {1, 0, 1}},
       {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(255, 255, 255)}},
      {"4-bit grey with a transparent grey",
       {.width = 3, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 4, .transparent = {0}, .samples = {0, 5, 15}},
       {Rgb(255, 255, 255), Rgb(85, 85, 85), Rgb(255, 255, 255)}},
      {"colour with a transparent colour",
       {.width = 2, .color_type = PNG_COLOR_TYPE_RGB, .bit_depth = 8, .transparent = {0, 0, 0},
        .samples = {0, 0, 0, 0, 0, 1}},
       {Rgb(255, 255, 255), Rgb(0, 0, 1)}},
  };
  for (const Case& c : cases) {
    Bitmap decoded = DecodePng(WritePng(c.png));
    ASSERT_EQ(decoded.Width(), static_cast<int32_t>(c.pixels.size())) << c.name;
    for (size_t x = 0; x < c.pixels.size(); ++x)
      EXPECT_EQ(decoded.Pixel(static_cast<int32_t>(x), 0), c.pixels[x]) << c.name << " pixel " << x;
  }
}

TEST(PngCodecTest, DamagedFilesAreRefused) {
  const std::vector<uint8_t> good = WritePng(
      {.width = kSide, .height = kSide, .color_type = PNG_COLOR_TYPE_RGB, .samples = Samples(PNG_COLOR_TYPE_RGB, 8)});
  std::vector<uint8_t> bad_crc = good;
  bad_crc[20] ^= 0x40;  // inside the header chunk, so its checksum no longer matches
  std::vector<uint8_t> bad_size = good;
  bad_size[16] = 0x7F;  // width 2^30 and more
  struct Case { const char* name; std::vector<uint8_t> bytes; const char* reason; };
  const Case cases[] = {
      {"cut in the pixel data", {good.begin(), good.begin() + static_cast<long>(good.size() / 2)}, "不完整"},
      {"without its end chunk", {good.begin(), good.end() - 12}, "不完整"},
      {"header checksum", bad_crc, "PNG"},
      {"width beyond the limits", bad_size, "PNG"},
      {"signature only", {good.begin(), good.begin() + 8}, "不完整"},
      {"no PNG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, "不是 PNG"},
  };
  for (const Case& c : cases) {
    try {
      DecodePng(c.bytes);
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.name << ": " << e.what();
    }
  }
  EXPECT_THROW(DecodePng(good, kSide * kSide - 1), ImageError);  // the pixel limit, before any pixel
  EXPECT_NO_THROW(DecodePng(good, kSide * kSide));
}

}  // namespace
}  // namespace gfx
