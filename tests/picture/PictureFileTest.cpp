// Loading by content (the name's ending when the content matches no kind) and the single-picture saves.
#include "picture/PictureFile.h"

#include <gtest/gtest.h>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "gfx/PngTestWriter.h"
#include "gfx/WebpCodec.h"
#include "support/TempDir.h"

namespace picture {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

gfx::Bitmap Gradient(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 9), static_cast<uint8_t>(y * 13), 90));
  return b;
}

TEST(PictureFileTest, ReplaceExtension) {
  struct Case { const char* in; const char* out; };
  for (const Case& c : {Case{"photo.png", "photo.jpg"}, Case{"photo", "photo.jpg"}, Case{"a.b.jpeg", "a.b.jpg"},
                        Case{"dir.d/photo", "dir.d/photo.jpg"}, Case{"/x/.hidden", "/x/.hidden.jpg"},
                        Case{"x.", "x.jpg"}}) {
    EXPECT_EQ(ReplaceExtension(c.in, ".jpg"), c.out) << c.in;
  }
  EXPECT_EQ(FileNamePart("/a/b/c.bmp"), "c.bmp");
  EXPECT_EQ(FileNamePart("c.bmp"), "c.bmp");
}

TEST(PictureFileTest, TheContentChoosesTheReaderAndTheEndingOnlyWhenNoneMatches) {
  TempDir dir;
  gfx::Bitmap pal(4, 3, 8);
  pal.SetPalette({gfx::Rgb(1, 2, 3), gfx::Rgb(200, 100, 0)});
  pal.Row(1)[2] = 1;
  const std::vector<uint8_t> bmp = gfx::EncodeBmp(pal);
  const std::vector<uint8_t> jpeg = gfx::EncodeJpeg(Gradient(16, 8));
  const std::vector<uint8_t> png = gfx::testing::WritePng(
      {.width = 2, .color_type = PNG_COLOR_TYPE_RGB, .samples = {255, 0, 0, 0, 0, 255}});
  const std::vector<uint8_t> webp = gfx::EncodeWebp(Gradient(10, 6), 80);
  const std::vector<uint8_t> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};

  // What a file holds decides, whatever its name says.
  struct Case { const char* name; const std::vector<uint8_t>& bytes; int32_t width; int bits; };
  const Case readable[] = {
      {"a.bmp", bmp, 4, 8},      {"abmp", bmp, 4, 8},       {"pic.jpg", bmp, 4, 8},    {"a.JPG", jpeg, 16, 24},
      {"a.Jpeg", jpeg, 16, 24},  {"shot.png", jpeg, 16, 24}, {"noname", jpeg, 16, 24}, {"a.png", png, 2, 24},
      {"png.jpg", png, 2, 24},   {"a.webp", webp, 10, 24},  {"webp.bmp", webp, 10, 24},
  };
  for (const Case& c : readable) {
    WriteBytes(dir / c.name, c.bytes);
    auto p = LoadPictureFromFile(dir / c.name);
    ASSERT_TRUE(p) << c.name;
    EXPECT_EQ(p->bitmap.Width(), c.width) << c.name;
    EXPECT_EQ(p->bitmap.BitsPerPixel(), c.bits) << c.name;
  }
  EXPECT_EQ(LoadPictureFromFile(dir / "pic.jpg")->bitmap, pal);  // a bitmap file keeps depth and palette
  EXPECT_EQ(LoadPictureFromFile(dir / "png.jpg")->bitmap.Pixel(1, 0), gfx::Rgb(0, 0, 255));

  // Bytes that match no kind: the ending picks the reader, which refuses them naming the file.
  for (const char* name : {"bad.bmp", "bad.JPG", "bad.jpeg", "bad.png", "bad.WebP"}) {
    WriteBytes(dir / name, garbage);
    try {
      LoadPictureFromFile(dir / name);
      ADD_FAILURE() << name << " was accepted";
    } catch (const gfx::ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
  }
  WriteBytes(dir / "notes.txt", garbage);
  EXPECT_FALSE(LoadPictureFromFile(dir / "notes.txt"));
  EXPECT_FALSE(LoadPictureFromFile(dir / "missing.jpg"));
  EXPECT_FALSE(LoadPictureFromFile(dir.path()));  // a folder is no file
  WriteBytes(dir / "a.ico", garbage);
  auto ico = LoadPictureFromFile(dir / "a.ico");
  ASSERT_TRUE(ico);
  EXPECT_TRUE(ico->bitmap.IsEmpty());

  // Damaged files of a known kind are refused with the file's name.
  const std::pair<const char*, const std::vector<uint8_t>*> damaged[] = {
      {"cut.jpg", &jpeg}, {"cut.png", &png}, {"cut.webp", &webp}};
  for (const auto& [name, bytes] : damaged) {
    WriteBytes(dir / name, std::vector<uint8_t>(bytes->begin(), bytes->begin() + static_cast<long>(bytes->size() / 2)));
    try {
      LoadPictureFromFile(dir / name);
      ADD_FAILURE() << name << " was accepted";
    } catch (const gfx::ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
  }
}

TEST(PictureFileTest, SavesUnderTheReplacedExtension) {
  TempDir dir;
  gfx::Bitmap picture = Gradient(20, 10);
  EXPECT_EQ(SavePictureAsJpeg(picture, dir / "photo.png", 75, std::nullopt), dir / "photo.jpg");
  EXPECT_EQ(SavePictureAsBitmap(picture, dir / "photo.png", std::nullopt), dir / "photo.bmp");
  EXPECT_EQ(SavePictureAsJpeg(picture, dir / "noext", 0, std::nullopt), dir / "noext.jpg");
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"noext.jpg", "photo.bmp", "photo.jpg"}));
  EXPECT_EQ(gfx::DecodeBmp(ReadBytes(dir / "photo.bmp")), picture);
  gfx::JpegPicture back = gfx::DecodeJpeg(ReadBytes(dir / "noext.jpg"));  // quality 0 still writes a picture
  EXPECT_EQ(back.bitmap.Width(), 20);
}

TEST(PictureFileTest, CustomSize) {
  TempDir dir;
  gfx::Bitmap picture = Gradient(40, 30);
  SavePictureAsJpeg(picture, dir / "big.jpg", 90, gfx::Size{333, 250});
  gfx::JpegPicture big = gfx::DecodeJpeg(ReadBytes(dir / "big.jpg"));
  EXPECT_EQ(big.bitmap.GetSize(), (gfx::Size{333, 250}));

  gfx::Bitmap pal(4, 2, 4);
  pal.SetPalette({gfx::Rgb(0, 0, 0), gfx::Rgb(255, 0, 0)});
  pal.Row(0)[0] = 0x01;  // pixel 1 of row 0 is red
  SavePictureAsBitmap(pal, dir / "pal.bmp", gfx::Size{8, 4});
  gfx::Bitmap back = gfx::DecodeBmp(ReadBytes(dir / "pal.bmp"));
  EXPECT_EQ(back.BitsPerPixel(), 4);
  EXPECT_EQ(back.Palette(), pal.Palette());
  EXPECT_EQ(back.Pixel(2, 0), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(back.Pixel(3, 1), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(back.Pixel(4, 0), gfx::Rgb(0, 0, 0));
}

TEST(PictureFileTest, ZeroCustomSizeWritesNothingAndKeepsTheOldFile) {
  TempDir dir;
  WriteBytes(dir / "keep.jpg", {1, 2, 3});
  EXPECT_THROW(SavePictureAsJpeg(Gradient(4, 4), dir / "keep.jpg", 75, gfx::Size{0, 10}), gfx::ImageError);
  EXPECT_THROW(SavePictureAsBitmap(Gradient(4, 4), dir / "keep.bmp", gfx::Size{10, 0}), gfx::ImageError);
  EXPECT_THROW(SavePictureAsJpeg(gfx::Bitmap(), dir / "empty.jpg", 75, std::nullopt), gfx::ImageError);
  EXPECT_EQ(ReadBytes(dir / "keep.jpg"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"keep.jpg"}));
}

TEST(PictureFileTest, AFailedWriteLeavesNothingBehind) {
  TempDir dir;
  EXPECT_THROW(SavePictureAsJpeg(Gradient(4, 4), dir / "missing/sub.jpg", 75, std::nullopt), gfx::ImageError);
  EXPECT_TRUE(dir.List().empty());
}

}  // namespace
}  // namespace picture
