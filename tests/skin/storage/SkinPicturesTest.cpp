// Tests of the pictures stream: layout, flag bytes, counts and refusal of damaged streams.
#include "skin/storage/SkinPictures.h"

#include <gtest/gtest.h>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"

namespace skin {
namespace {

// A picture at an index depth with a palette and a pattern in whole bytes of each row.
gfx::Bitmap IndexPicture(int32_t width, int32_t height, int bits, size_t colours) {
  gfx::Bitmap b(width, height, bits);
  std::vector<gfx::Color> palette;
  for (size_t i = 0; i < colours; ++i) palette.push_back(gfx::Rgb(uint8_t(i * 3), uint8_t(i * 5), uint8_t(i * 7)));
  b.SetPalette(palette);
  size_t row_bytes = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 7) / 8;
  for (int32_t y = 0; y < height; ++y) {
    for (size_t x = 0; x < row_bytes; ++x) b.Row(y)[x] = static_cast<uint8_t>((x * 13 + static_cast<size_t>(y) * 7) % colours);
  }
  return b;
}

gfx::Bitmap TruePicture(int32_t width, int32_t height) {
  gfx::Bitmap b(width, height, 24);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) b.SetPixel(x, y, gfx::Rgb(uint8_t(x * 20), uint8_t(y * 40), 99));
  }
  return b;
}

SkinPictures Sample() {
  SkinPictures p;
  p.main = IndexPicture(12, 5, 8, 59);
  p.mask = IndexPicture(6, 5, 4, 16);
  p.active.push_back(IndexPicture(16, 3, 1, 2));
  p.active.push_back(TruePicture(5, 4));
  return p;
}

void ExpectSame(const SkinPictures& a, const SkinPictures& b) {
  EXPECT_TRUE(a.main == b.main);
  EXPECT_TRUE(a.inactive == b.inactive);
  EXPECT_TRUE(a.mask == b.mask);
  ASSERT_EQ(a.active.size(), b.active.size());
  for (size_t i = 0; i < a.active.size(); ++i) EXPECT_TRUE(a.active[i] == b.active[i]) << i;
}

TEST(SkinPicturesTest, LayoutAndRoundTrip) {
  const SkinPictures pictures = Sample();
  const std::vector<uint8_t> stream = EncodeSkinPictures(pictures);
  const std::vector<uint8_t> main_bmp = gfx::EncodeBmp(pictures.main);
  const std::vector<uint8_t> mask_bmp = gfx::EncodeBmp(pictures.mask);

  // flag 0 + main, a lone 1 for the empty inactive picture, flag 0 + mask, count 2, two files.
  size_t pos = 0;
  EXPECT_EQ(stream[pos++], 0);
  EXPECT_EQ(std::vector<uint8_t>(stream.begin() + 1, stream.begin() + 1 + static_cast<long>(main_bmp.size())),
            main_bmp);
  pos += main_bmp.size();
  EXPECT_EQ(stream[pos++], 1);
  EXPECT_EQ(stream[pos++], 0);
  pos += mask_bmp.size();
  EXPECT_EQ(std::vector<uint8_t>(stream.begin() + static_cast<long>(pos), stream.begin() + static_cast<long>(pos) + 4),
            (std::vector<uint8_t>{2, 0, 0, 0}));
  EXPECT_EQ(stream.size(), pos + 4 + gfx::EncodeBmp(pictures.active[0]).size() +
                               gfx::EncodeBmp(pictures.active[1]).size());

  size_t consumed = 0;
  SkinPictures back = DecodeSkinPictures(stream, &consumed);
  EXPECT_EQ(consumed, stream.size());
  ExpectSame(back, pictures);
  EXPECT_EQ(back.main.BitsPerPixel(), 8);
  EXPECT_EQ(back.mask.BitsPerPixel(), 4);
  EXPECT_EQ(back.active[0].BitsPerPixel(), 1);
}

TEST(SkinPicturesTest, FlagsAndCounts) {
  const std::vector<uint8_t> one = gfx::EncodeBmp(IndexPicture(4, 2, 8, 3));
  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
    size_t consumed;
    size_t active;
  };
  std::vector<uint8_t> with_one = {1, 1, 1, 1, 0, 0, 0};
  with_one.insert(with_one.end(), one.begin(), one.end());
  std::vector<uint8_t> trailing = with_one;
  trailing.insert(trailing.end(), {'[', 'V', ']'});
  const Case cases[] = {
      {"count 0 ends right after the count", {1, 1, 1, 0, 0, 0, 0}, 7, 0},
      {"any non-zero flag means empty", {2, 0xFF, 0x80, 0, 0, 0, 0}, 7, 0},
      {"a negative count means none", {1, 1, 1, 0xFF, 0xFF, 0xFF, 0xFF}, 7, 0},
      {"one picture", with_one, with_one.size(), 1},
      {"bytes after the stream are left", trailing, with_one.size(), 1},
  };
  for (const Case& c : cases) {
    size_t consumed = 0;
    SkinPictures p = DecodeSkinPictures(c.stream, &consumed);
    EXPECT_EQ(consumed, c.consumed) << c.name;
    EXPECT_EQ(p.active.size(), c.active) << c.name;
    EXPECT_TRUE(p.main.IsEmpty() && p.inactive.IsEmpty() && p.mask.IsEmpty()) << c.name;
  }
  EXPECT_EQ(EncodeSkinPictures({}), (std::vector<uint8_t>{1, 1, 1, 0, 0, 0, 0}));
}

TEST(SkinPicturesTest, RefusesDamagedStreams) {
  const std::vector<uint8_t> stream = EncodeSkinPictures(Sample());
  // Every cut short stream is refused, wherever the cut falls.
  for (size_t n = 0; n < stream.size(); ++n) {
    std::vector<uint8_t> cut(stream.begin(), stream.begin() + static_cast<long>(n));
    EXPECT_THROW(DecodeSkinPictures(cut), gfx::ImageError) << "cut at " << n;
  }

  auto with_size = [](std::vector<uint8_t> s, size_t at, uint32_t size) {
    for (int i = 0; i < 4; ++i) s[at + 2 + static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (8 * i));
    return s;
  };
  std::vector<uint8_t> not_bmp = stream;
  not_bmp[1] = 'X';
  const std::vector<std::vector<uint8_t>> damaged = {
      not_bmp,
      with_size(stream, 1, 0xFFFFFFF0u),                          // main picture's size past the end
      with_size(stream, 1, 3),                                    // smaller than a file header
      {1, 1, 1, 0xFF, 0xFF, 0xFF, 0x7F},                          // absurd count, nothing follows
      {1, 1, 1, 0x00, 0x10, 0x00, 0x00, 'B', 'M', 20, 0, 0, 0},  // count 4096 with 6 bytes left
  };
  for (const auto& s : damaged) EXPECT_THROW(DecodeSkinPictures(s), gfx::ImageError);
}

}  // namespace
}  // namespace skin
