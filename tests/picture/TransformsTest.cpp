// Quarter turns and mirroring on small pictures of known pixels.
#include "picture/Transforms.h"

#include <gtest/gtest.h>

#include <random>

namespace picture {
namespace {

gfx::Bitmap Letters(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>('a' + y * w + x), 0, 0));
  return b;
}

std::string Spell(const gfx::Bitmap& b) {
  std::string s;
  for (int y = 0; y < b.Height(); ++y) {
    if (y) s += '/';
    for (int x = 0; x < b.Width(); ++x) s += static_cast<char>(gfx::Red(b.Pixel(x, y)));
  }
  return s;
}

TEST(TransformsTest, SmallPicture) {
  gfx::Bitmap p = Letters(3, 2);  // abc / def
  Rotate90(p);
  EXPECT_EQ(Spell(p), "da/eb/fc");
  gfx::Bitmap q = Letters(3, 2);
  FlipHorz(q);
  EXPECT_EQ(Spell(q), "cba/fed");
}

TEST(TransformsTest, FourTurnsAndTwoFlipsGiveThePictureBack) {
  std::mt19937 random(7);
  for (auto [w, h] : {std::pair{1, 1}, std::pair{1, 7}, std::pair{130, 67}, std::pair{65, 129}}) {
    gfx::Bitmap original(w, h, 24);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) original.SetPixel(x, y, random() & 0xFFFFFF);
    gfx::Bitmap p = original;
    for (int i = 0; i < 4; ++i) {
      Rotate90(p);
      EXPECT_EQ(p.Width(), i % 2 == 0 ? h : w);
    }
    EXPECT_EQ(p, original);
    FlipHorz(p);
    FlipHorz(p);
    EXPECT_EQ(p, original);
  }
}

TEST(TransformsTest, EmptyStaysEmptyAndPalettePicturesBecome24Bit) {
  gfx::Bitmap empty;
  Rotate90(empty);
  FlipHorz(empty);
  EXPECT_TRUE(empty.IsEmpty());

  gfx::Bitmap pal(2, 1, 4);
  pal.SetPalette({gfx::Rgb(1, 2, 3), gfx::Rgb(4, 5, 6)});
  pal.Row(0)[0] = 0x01;  // pixels: index 0, index 1
  FlipHorz(pal);
  ASSERT_EQ(pal.BitsPerPixel(), 24);
  EXPECT_EQ(pal.Pixel(0, 0), gfx::Rgb(4, 5, 6));
  EXPECT_EQ(pal.Pixel(1, 0), gfx::Rgb(1, 2, 3));
}

}  // namespace
}  // namespace picture
