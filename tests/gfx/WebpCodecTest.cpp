// WebP still pictures: lossy round trips, alpha over white, damaged and oversized files.
#include "gfx/WebpCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <webp/encode.h>

#include "gfx/ImageError.h"

namespace gfx {
namespace {

Bitmap Picture(int w, int h, int bits) {
  Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), 128));
  return bits == 24 ? b : b.ConvertTo(bits);
}

int LargestDifference(const Bitmap& a, const Bitmap& b) {
  int most = 0;
  for (int32_t y = 0; y < a.Height(); ++y)
    for (int32_t x = 0; x < a.Width() * 3; ++x) most = std::max(most, std::abs(a.Row(y)[x] - b.Row(y)[x]));
  return most;
}

TEST(WebpCodecTest, LossyRoundTripKeepsSizeAndColours) {
  for (int bits : {24, 32}) {
    Bitmap source = Picture(61, 37, bits);
    std::vector<uint8_t> file = EncodeWebp(source, 90);
    ASSERT_TRUE(LooksLikeWebp(file));
    Bitmap back = DecodeWebp(file);
    ASSERT_EQ(back.GetSize(), source.GetSize());
    EXPECT_EQ(back.BitsPerPixel(), 24);
    EXPECT_LE(LargestDifference(back, source.ToBgr24()), 24) << bits;
  }
  // A higher quality makes a larger file of the same picture.
  EXPECT_LT(EncodeWebp(Picture(61, 37, 24), 10).size(), EncodeWebp(Picture(61, 37, 24), 95).size());
}

TEST(WebpCodecTest, AlphaIsComposedOverWhite) {
  // Lossless, so that the composed pixels are exact.
  const uint8_t bgra[] = {10, 20, 30, 255, 10, 20, 30, 0, 0, 0, 200, 128};
  uint8_t* out = nullptr;
  size_t size = WebPEncodeLosslessBGRA(bgra, 3, 1, 12, &out);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> file(out, out + size);
  WebPFree(out);
  Bitmap back = DecodeWebp(file);
  EXPECT_EQ(back.Pixel(0, 0), Rgb(30, 20, 10));
  EXPECT_EQ(back.Pixel(1, 0), Rgb(255, 255, 255));
  EXPECT_EQ(back.Pixel(2, 0), Rgb(227, 127, 127));  // (200 * 128 + 255 * 127) / 255 and 255 * 127 / 255
}

TEST(WebpCodecTest, DamagedAndOversizedFilesAreRefused) {
  const std::vector<uint8_t> good = EncodeWebp(Picture(40, 30, 24), 75);
  std::vector<uint8_t> scrambled = good;
  for (size_t i = 30; i < scrambled.size(); i += 3) scrambled[i] ^= 0x5A;
  struct Case { const char* name; std::vector<uint8_t> bytes; };
  const Case cases[] = {
      {"cut in half", {good.begin(), good.begin() + static_cast<long>(good.size() / 2)}},
      {"header only", {good.begin(), good.begin() + 12}},
      {"scrambled data", scrambled},
      {"no WebP", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
  };
  for (const Case& c : cases) {
    try {
      DecodeWebp(c.bytes);
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find("WebP"), std::string::npos) << c.name << ": " << e.what();
    }
  }
  EXPECT_THROW(DecodeWebp(good, 40 * 30 - 1), ImageError);
  EXPECT_THROW(EncodeWebp(Bitmap(), 75), ImageError);
  EXPECT_THROW(EncodeWebp(Bitmap(16384, 1, 24), 75), ImageError);
}

}  // namespace
}  // namespace gfx
