// The EXIF rewrite for upright pixels: orientation normal, thumbnail gone, everything else kept.
#include "gfx/ExifRewrite.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/CameraJpeg.h"

namespace gfx {
namespace {

using testing_support::CameraExif;
using testing_support::ExifFacts;
using testing_support::ReadExifFacts;

TEST(ExifRewriteTest, OrientationBecomesNormalAndTheThumbnailGoesTheRestStays) {
  for (int orientation : {1, 6, 8}) {
    const std::vector<uint8_t> source = CameraExif({.orientation = orientation, .thumbnail = true});
    ASSERT_EQ(ReadExifFacts(source).thumbnail_bytes, 4u);  // the fixture has what is to be removed
    ASSERT_EQ(ReadExifFacts(source).orientation, orientation);
    std::optional<std::vector<uint8_t>> rewritten = RewriteExifForTurnedPixels(source);
    ASSERT_TRUE(rewritten) << orientation;
    ExifFacts f = ReadExifFacts(*rewritten);
    EXPECT_EQ(f.orientation, 1);
    EXPECT_EQ(f.thumbnail_bytes, 0u);
    EXPECT_EQ(f.thumbnail_entries, 0u);
    EXPECT_EQ(f.make, "Orvel Optics");
    EXPECT_EQ(f.date, "2024:07:14 09:30:05");
    EXPECT_EQ(f.latitude_ref, "N");
    EXPECT_EQ(f.latitude, (std::vector<double>{48, 51, 24.05}));
  }
}

TEST(ExifRewriteTest, WhatCannotBeReadIsNotWritten) {
  const std::vector<uint8_t> good = CameraExif({});
  struct Case { const char* name; std::vector<uint8_t> payload; };
  const Case cases[] = {
      {"no EXIF header", {'h', 't', 't', 'p', ':', '/', '/'}},
      {"header only", {'E', 'x', 'i', 'f', 0, 0}},
      {"header and no TIFF structure", {'E', 'x', 'i', 'f', 0, 0, 'X', 'X', 0, 0, 0, 0, 0, 0}},
      {"cut after the header", {good.begin(), good.begin() + 12}},
  };
  for (const Case& c : cases) EXPECT_FALSE(RewriteExifForTurnedPixels(c.payload)) << c.name;

  // Damage that libexif saves but cannot read back again is not written either.
  std::ifstream in(std::string(ORVEL_TEST_DATA_DIR) + "/exif/saved-unreadable.bin", std::ios::binary);
  std::vector<uint8_t> damaged = {'E', 'x', 'i', 'f', 0, 0};
  damaged.insert(damaged.end(), std::istreambuf_iterator<char>(in), {});
  ASSERT_GT(damaged.size(), 100u);
  if (std::optional<std::vector<uint8_t>> once = RewriteExifForTurnedPixels(damaged)) {
    EXPECT_TRUE(RewriteExifForTurnedPixels(*once));
  }
  EXPECT_FALSE(IsExifPayload({}));
  EXPECT_TRUE(IsExifPayload(good));
}

}  // namespace
}  // namespace gfx
