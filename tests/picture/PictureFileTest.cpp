// Loading by name ending and the single-picture saves.
#include "picture/PictureFile.h"

#include <gtest/gtest.h>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
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

TEST(PictureFileTest, TheNameEndingChoosesTheReader) {
  TempDir dir;
  gfx::Bitmap pal(4, 3, 8);
  pal.SetPalette({gfx::Rgb(1, 2, 3), gfx::Rgb(200, 100, 0)});
  pal.Row(1)[2] = 1;
  std::vector<uint8_t> bmp = gfx::EncodeBmp(pal);
  std::vector<uint8_t> jpeg = gfx::EncodeJpeg(Gradient(16, 8));
  WriteBytes(dir / "a.bmp", bmp);
  WriteBytes(dir / "abmp", bmp);  // no dot needed before the ending
  WriteBytes(dir / "a.JPG", jpeg);
  WriteBytes(dir / "a.jpg", jpeg);
  WriteBytes(dir / "a.Jpeg", jpeg);
  WriteBytes(dir / "a.png", jpeg);
  WriteBytes(dir / "a.ico", jpeg);

  for (const char* name : {"a.bmp", "abmp"}) {
    auto p = LoadPictureFromFile(dir / name);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->bitmap, pal) << name;  // a bitmap file keeps its depth and palette
  }
  for (const char* name : {"a.JPG", "a.jpg", "a.Jpeg"}) {
    auto p = LoadPictureFromFile(dir / name);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->bitmap.BitsPerPixel(), 24);
    EXPECT_EQ(p->bitmap.Width(), 16);
  }
  EXPECT_FALSE(LoadPictureFromFile(dir / "a.png"));
  EXPECT_FALSE(LoadPictureFromFile(dir / "missing.jpg"));
  EXPECT_FALSE(LoadPictureFromFile(dir.path()));  // a folder is no file
  auto ico = LoadPictureFromFile(dir / "a.ico");
  ASSERT_TRUE(ico);
  EXPECT_TRUE(ico->bitmap.IsEmpty());

  WriteBytes(dir / "bad.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2)));
  try {
    LoadPictureFromFile(dir / "bad.jpg");
    FAIL() << "a truncated JPEG must be refused";
  } catch (const gfx::ImageError& e) {
    EXPECT_NE(std::string(e.what()).find("bad.jpg"), std::string::npos) << e.what();
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
