// Decoding a page's pictures: PNG with and without transparency, the first frame of a GIF, JPEG
// and BMP through the program's readers, and the refusals.
#include "web/WebImage.h"

#include <gif_lib.h>

#include <gtest/gtest.h>

#include <string>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "web/WebTestEnv.h"

namespace {

std::span<const uint8_t> Bytes(const std::string& s) { return {reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

int AppendGif(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

// A 4 x 2 GIF: a first frame of red, green and transparent pixels, then a second, all blue frame
// that must not show.
std::string TwoFrameGif() {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendGif, &error);
  EGifSetGifVersion(gif, true);
  GifColorType colors[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 0}, {0, 0, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colors);
  EGifPutScreenDesc(gif, 4, 2, 2, 0, map);
  const unsigned char gcb[4] = {0x01, 0, 0, 2};  // transparent index 2
  EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gcb);
  EGifPutImageDesc(gif, 0, 0, 4, 2, false, nullptr);
  GifPixelType rows[2][4] = {{0, 1, 2, 0}, {1, 1, 1, 1}};
  EGifPutLine(gif, rows[0], 4);
  EGifPutLine(gif, rows[1], 4);
  GifPixelType blue[4] = {3, 3, 3, 3};
  EGifPutImageDesc(gif, 0, 0, 4, 2, false, nullptr);
  EGifPutLine(gif, blue, 4);
  EGifPutLine(gif, blue, 4);
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

gfx::Bitmap Solid(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h, 24);
  b.Fill(c);
  return b;
}

TEST(WebImage, DecodesEachFormatByItsContent) {
  web::WebImage png = web::DecodeWebImage(Bytes(web_test::PngBytes(3, 2, 10, 20, 30)));
  EXPECT_EQ(png.pixels.GetSize(), (gfx::Size{3, 2}));
  EXPECT_EQ(png.pixels.Pixel(2, 1), gfx::Rgb(10, 20, 30));
  EXPECT_FALSE(png.HasAlpha());

  web::WebImage translucent = web::DecodeWebImage(Bytes(web_test::PngBytes(2, 2, 255, 255, 255, 128)));
  ASSERT_TRUE(translucent.HasAlpha());
  EXPECT_EQ(translucent.alpha[3], 128);

  web::WebImage gif = web::DecodeWebImage(Bytes(TwoFrameGif()));
  ASSERT_EQ(gif.pixels.GetSize(), (gfx::Size{4, 2}));
  ASSERT_TRUE(gif.HasAlpha());
  EXPECT_EQ(gif.pixels.Pixel(0, 0), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(gif.pixels.Pixel(1, 0), gfx::Rgb(0, 255, 0));
  EXPECT_EQ(gif.alpha[2], 0);  // the transparent index
  EXPECT_EQ(gif.alpha[0], 255);
  EXPECT_EQ(gif.pixels.Pixel(3, 1), gfx::Rgb(0, 255, 0));  // the first frame, not the blue second

  const std::vector<uint8_t> bmp = gfx::EncodeBmp(Solid(5, 3, gfx::Rgb(0, 0, 255)));
  web::WebImage from_bmp = web::DecodeWebImage(bmp);
  EXPECT_EQ(from_bmp.pixels.GetSize(), (gfx::Size{5, 3}));
  EXPECT_EQ(from_bmp.pixels.Pixel(4, 2), gfx::Rgb(0, 0, 255));

  const std::vector<uint8_t> jpeg = gfx::EncodeJpeg(Solid(16, 8, gfx::Rgb(200, 200, 200)));
  web::WebImage from_jpeg = web::DecodeWebImage(jpeg);
  EXPECT_EQ(from_jpeg.pixels.GetSize(), (gfx::Size{16, 8}));
  EXPECT_EQ(from_jpeg.pixels.BitsPerPixel(), 24);
}

TEST(WebImage, RefusesDamagedUnknownAndOversizedPictures) {
  const std::string png = web_test::PngBytes(4, 4, 1, 2, 3);
  std::vector<uint8_t> wide_bmp = gfx::EncodeBmp(Solid(2, 2, gfx::kBlack));
  wide_bmp[18] = 0x01;  // width 4097 in the info header, far beyond the bytes that follow
  wide_bmp[19] = 0x10;
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"text", "<html></html>"},
      {"PNG cut short", png.substr(0, png.size() / 2)},
      {"PNG wider than allowed", web_test::PngBytes(web::kMaxWebImageSide + 1, 1, 0, 0, 0)},
      {"BMP wider than allowed", std::string(wide_bmp.begin(), wide_bmp.end())},
      {"GIF header only", "GIF89a"},
      {"JPEG marker only", "\xff\xd8\xff"},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_THROW(web::DecodeWebImage(Bytes(bytes)), gfx::ImageError) << name;
  }
  EXPECT_NO_THROW(web::DecodeWebImage(Bytes(web_test::PngBytes(web::kMaxWebImageSide, 1, 0, 0, 0))));
}

}  // namespace
