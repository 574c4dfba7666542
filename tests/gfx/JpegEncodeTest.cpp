// Encoding: byte equality with cjpeg at every quality, depth conversion, ICC profiles and refusals.
#include "gfx/JpegCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gfx/ImageError.h"
#include "gfx/JpegTestTools.h"
#include "support/CameraJpeg.h"

namespace gfx {
namespace {

using testing::JpegDataPath;
using testing::ReadBytes;

// Everything from the first quantisation table on: the JFIF header before it may carry another
// pixel density (cjpeg copies a bitmap file's resolution into it).
std::vector<uint8_t> FromFirstDqt(const std::vector<uint8_t>& jpeg) {
  const uint8_t dqt[2] = {0xFF, 0xDB};
  auto at = std::search(jpeg.begin(), jpeg.end(), std::begin(dqt), std::end(dqt));
  return std::vector<uint8_t>(at, jpeg.end());
}

// Encodes `picture` at every quality and compares with cjpeg run on `cjpeg_input` (a file holding
// the same pixels).
void ExpectSameAsCjpegAtEveryQuality(const Bitmap& picture, const std::filesystem::path& cjpeg_input,
                                     const std::filesystem::path& scratch) {
  const auto out = scratch / "cjpeg.jpg";
  for (int quality = 1; quality <= 100; ++quality) {
    SCOPED_TRACE(::testing::Message() << "quality " << quality);
    ASSERT_TRUE(testing::Run("cjpeg -baseline -quality " + std::to_string(quality) + " -outfile '" +
                             out.string() + "' '" + cjpeg_input.string() + "'"));
    const std::vector<uint8_t> expected = FromFirstDqt(ReadBytes(out));
    ASSERT_FALSE(expected.empty());
    const std::vector<uint8_t> ours = FromFirstDqt(EncodeJpeg(picture, {.quality = quality, .icc_profile = {}}));
    EXPECT_TRUE(ours == expected) << ours.size() << " bytes, cjpeg " << expected.size();
  }
}

TEST(JpegEncodeTest, BitmapSourceMatchesCjpegAtEveryQuality) {
  ORVEL_REQUIRE_TOOL("cjpeg");
  testing::ScratchDir scratch;
  const Bitmap picture = testing::PhotoLike(37, 29);  // odd sizes: partial blocks on both edges
  const auto bmp = scratch.Path() / "source.bmp";
  testing::WriteBmp24(bmp, picture);
  ExpectSameAsCjpegAtEveryQuality(picture, bmp, scratch.Path());
}

TEST(JpegEncodeTest, JpegSourceMatchesCjpegAtEveryQuality) {
  ORVEL_REQUIRE_TOOL("djpeg");
  ORVEL_REQUIRE_TOOL("cjpeg");
  testing::ScratchDir scratch;
  const std::string source = JpegDataPath("peacock.s2x2-420.jpeg");
  const auto ppm = scratch.Path() / "source.ppm";
  ASSERT_TRUE(testing::Run("djpeg -rgb -ppm -outfile '" + ppm.string() + "' '" + source + "'"));
  ExpectSameAsCjpegAtEveryQuality(DecodeJpeg(ReadBytes(source)).bitmap, ppm, scratch.Path());
}

TEST(JpegEncodeTest, QualityOutsideTheScaleIsClamped) {
  const Bitmap picture = testing::PhotoLike(20, 12);
  auto encode = [&](int quality) { return EncodeJpeg(picture, {.quality = quality, .icc_profile = {}}); };
  EXPECT_TRUE(encode(0) == encode(1));
  EXPECT_TRUE(encode(-5) == encode(1));
  EXPECT_TRUE(encode(250) == encode(100));
  EXPECT_FALSE(encode(1) == encode(100));
}

TEST(JpegEncodeTest, OtherDepthsEncodeAsTheirColours) {
  const Bitmap colours = testing::PhotoLike(19, 7);
  Bitmap indexed(19, 7, 8);
  std::vector<Color> palette;
  for (int i = 0; i < 256; ++i) palette.push_back(Rgb(static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 40));
  indexed.SetPalette(palette);
  for (int32_t y = 0; y < 7; ++y)
    for (int32_t x = 0; x < 19; ++x) indexed.Row(y)[x] = static_cast<uint8_t>(x * 13 + y * 7);
  for (const Bitmap& picture : {colours.ConvertTo(32), indexed}) {
    SCOPED_TRACE(picture.BitsPerPixel());
    EXPECT_TRUE(EncodeJpeg(picture) == EncodeJpeg(picture.ToBgr24()));
  }
}

TEST(JpegEncodeTest, IccProfileSurvivesDecodeAndEncode) {
  const JpegPicture source = DecodeJpeg(ReadBytes(JpegDataPath("icc_profile_big.jpg")));
  ASSERT_FALSE(source.icc_profile.empty());
  const std::vector<uint8_t> saved =
      EncodeJpeg(source.bitmap, {.quality = 75, .icc_profile = source.icc_profile});
  const JpegPicture back = DecodeJpeg(saved);
  EXPECT_TRUE(back.icc_profile == source.icc_profile);
  EXPECT_EQ(back.bitmap.GetSize(), source.bitmap.GetSize());
}

TEST(JpegEncodeTest, MetadataSegmentsTravelFromDecodeToEncodeAndLeaveTheScanAlone) {
  Bitmap picture(12, 8, 24);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) picture.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 30), 77));
  const std::string xmp_text = "http://ns.adobe.com/xap/1.0/";
  std::vector<uint8_t> xmp(xmp_text.begin(), xmp_text.end());
  xmp.push_back(0);
  xmp.insert(xmp.end(), {'<', 'x', '/', '>'});
  const std::vector<uint8_t> comment = {'h', 'o', 'l', 'i', 'd', 'a', 'y'};
  const std::vector<uint8_t> icc(300, 0x42);
  const std::vector<JpegMarker> markers = {{kJpegComment, comment},
                                           {kJpegApp1, testing_support::CameraExif({.orientation = 6})},
                                           {kJpegApp1, xmp}};
  const std::vector<uint8_t> file = EncodeJpeg(picture, {.quality = 80, .icc_profile = icc, .markers = markers});

  // APP1 segments first, in their order, then the profile, then the rest.
  std::vector<int> order;
  for (const auto& [marker, payload] : testing_support::JpegSegments(file)) order.push_back(marker);
  EXPECT_EQ(order, (std::vector<int>{0xE0, 0xE1, 0xE1, 0xE2, 0xFE, 0xDB, 0xDB, 0xC0, 0xC4, 0xC4, 0xC4, 0xC4, 0xDA}));
  EXPECT_EQ(FromFirstDqt(file), FromFirstDqt(EncodeJpeg(picture, {.quality = 80})));

  // Decoding turns the pixels and gives the segments as they are to be written with them.
  const JpegPicture back = DecodeJpeg(file);
  EXPECT_EQ(back.bitmap.GetSize(), (Size{8, 12}));
  EXPECT_EQ(back.icc_profile, icc);
  ASSERT_EQ(back.markers.size(), 3u);
  EXPECT_EQ(back.markers[0], (JpegMarker{kJpegApp1, back.markers[0].data}));
  const testing_support::ExifFacts exif = testing_support::ReadExifFacts(back.markers[0].data);
  EXPECT_EQ(exif.orientation, 1);
  EXPECT_EQ(exif.thumbnail_bytes, 0u);
  EXPECT_EQ(exif.make, "Orvel Optics");
  EXPECT_EQ(back.markers[1], (JpegMarker{kJpegApp1, xmp}));
  EXPECT_EQ(back.markers[2], (JpegMarker{kJpegComment, comment}));

  // A segment no JPEG file can hold is refused.
  EXPECT_THROW(EncodeJpeg(picture, {.markers = {{kJpegApp1, std::vector<uint8_t>(65534)}}}), ImageError);
  EXPECT_THROW(EncodeJpeg(picture, {.markers = {{0xDB, comment}}}), ImageError);
}

TEST(JpegEncodeTest, PicturesAJpegCannotHoldAreRefused) {
  for (const Bitmap& picture : {Bitmap(), Bitmap(65501, 1, 24)}) {
    SCOPED_TRACE(picture.Width());
    try {
      EncodeJpeg(picture);
      ADD_FAILURE() << "encoded";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find("JPEG"), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace gfx
