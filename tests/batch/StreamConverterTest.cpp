// Band-at-a-time conversion: the same bytes as the whole-picture path, the cases it leaves to that
// path, and damaged sources that leave no output behind.
#include "batch/StreamConverter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "picture/PictureFile.h"
#include "support/CameraJpeg.h"
#include "support/LibjpegOptimized.h"
#include "support/TempDir.h"

namespace batch {
namespace {

using testing_support::TempDir;

std::string Data(const std::string& name) { return std::string(ORVEL_TEST_DATA_DIR) + "/jpeg/" + name; }

gfx::Bitmap Pattern(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 7 + y), static_cast<uint8_t>((x * y) % 251),
                                static_cast<uint8_t>((x ^ y) * 3)));
  return b;
}

// What the whole-picture path writes: decode whole, encode in memory. Optimised sequential output
// must be libjpeg's own two-pass bytes, so those stand in for it there.
std::vector<uint8_t> WholePictureBytes(const std::string& source, const ConvertOptions& options) {
  const std::vector<uint8_t> bytes = testing_support::ReadBytes(source);
  std::optional<picture::LoadedPicture> loaded = picture::DecodePictureFile(source, bytes);
  gfx::JpegEncodeOptions encode;
  encode.quality = options.quality;
  encode.icc_profile = loaded->icc_profile;
  if (options.keep_metadata) encode.markers = loaded->markers;
  encode.progressive = options.progressive;
  encode.optimize = options.optimize;
  if (options.optimize && !options.progressive) return testing_support::LibjpegOptimizedBytes(loaded->bitmap, encode);
  return gfx::EncodeJpeg(loaded->bitmap, encode);
}

TEST(StreamConverterTest, SameBytesAsTheWholePicturePath) {
  TempDir dir;
  // A camera photo (EXIF with a thumbnail, which goes; orientation 1) taller than several bands.
  const std::vector<uint8_t> exif = testing_support::CameraExif({.orientation = 1, .thumbnail = true});
  testing_support::WriteBytes(dir / "camera.jpg",
                              gfx::EncodeJpeg(Pattern(83, 301), {.quality = 92, .markers = {{gfx::kJpegApp1, exif},
                                                                  {gfx::kJpegComment, {'h', 'i'}}}}));
  struct Case {
    std::string source;
    ConvertOptions options;
  };
  const ConvertOptions plain{};
  const ConvertOptions two{.two_threads = true};
  const ConvertOptions strip_q90{.quality = 90, .keep_metadata = false};
  const ConvertOptions progressive{.quality = 60, .progressive = true, .two_threads = true};
  const ConvertOptions progressive_optimized{.progressive = true, .optimize = true};
  const ConvertOptions optimized{.optimize = true, .two_threads = true};
  const ConvertOptions optimized_q100{.quality = 100, .optimize = true};
  const ConvertOptions optimized_q1_strip{.quality = 1, .optimize = true, .keep_metadata = false, .two_threads = true};
  const Case cases[] = {
      {dir / "camera.jpg", plain},        {dir / "camera.jpg", two},
      {dir / "camera.jpg", strip_q90},    {dir / "camera.jpg", progressive},
      {dir / "camera.jpg", progressive_optimized}, {dir / "camera.jpg", optimized},
      {Data("testorig.jpg"), two},        {Data("peacock.s1x1-444.jpeg"), plain},
      {Data("peacock.s2x1-422.jpeg"), two}, {Data("peacock.grayscale.jpeg"), plain},
      {Data("peacock.progressive.jpeg"), two}, {Data("jpg-cmyk-1.jpg"), plain},
      {Data("pil_sample_cmyk.jpg"), two}, {Data("restarts.jpg"), plain},
      {Data("icc_profile_big.jpg"), two}, {Data("testimgari.jpg"), plain},
      {dir / "camera.jpg", optimized_q100}, {dir / "camera.jpg", optimized_q1_strip},
      {Data("testorig.jpg"), optimized},  {Data("icc_profile_big.jpg"), optimized_q100},
      {Data("peacock.grayscale.jpeg"), optimized_q1_strip},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source + (c.options.two_threads ? " (two threads)" : ""));
    const std::string out = dir / "out.jpg";
    std::optional<ConvertResult> result = StreamPicture(c.source, out, c.options);
    ASSERT_TRUE(result.has_value());
    const std::vector<uint8_t> written = testing_support::ReadBytes(out);
    EXPECT_EQ(written, WholePictureBytes(c.source, c.options));
    EXPECT_EQ(result->output_bytes, written.size());
    EXPECT_EQ(result->source_bytes, testing_support::ReadBytes(c.source).size());
  }
}

TEST(StreamConverterTest, LeavesToTheWholePicturePathWhatItCannotStreamExactly) {
  TempDir dir;
  testing_support::WriteBytes(dir / "pic.bmp", testing_support::ReadBytes(std::string(ORVEL_TEST_DATA_DIR) +
                                                                          "/bmpsuite/g/rgb24.bmp"));
  struct Case {
    std::string source;
    ConvertOptions options;
  };
  const Case cases[] = {
      {Data("hopper_orientation_6.jpg"), {}},        // turned
      {Data("testorig.jpg"), {.format = OutputFormat::kWebp}},
      {Data("testorig.jpg"), {.format = OutputFormat::kBmp}},
      {dir / "pic.bmp", {}},                         // not a JPEG
      {dir / "missing.jpg", {}},                     // the whole-picture path reports it
      {"/dev/null", {}},                             // not a regular file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_FALSE(StreamPicture(c.source, dir / "out.jpg", c.options).has_value());
    EXPECT_EQ(dir.List(), std::vector<std::string>{"pic.bmp"});
  }
}

TEST(StreamConverterTest, NoLargerCopiesTheSmallerSource) {
  TempDir dir;
  const std::string source = Data("testorig.jpg");
  std::optional<ConvertResult> result =
      StreamPicture(source, dir / "out.jpg", {.quality = 100, .no_larger = true, .two_threads = true});
  ASSERT_TRUE(result.has_value());
  EXPECT_TRUE(result->copied_source);
  EXPECT_EQ(testing_support::ReadBytes(dir / "out.jpg"), testing_support::ReadBytes(source));
  EXPECT_EQ(dir.List(), std::vector<std::string>{"out.jpg"});
}

TEST(StreamConverterTest, DamageFoundMidStreamLeavesNothingBehind) {
  TempDir dir;
  const std::vector<uint8_t> good = gfx::EncodeJpeg(Pattern(64, 400), {.quality = 80});
  std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(good.size() * 2 / 3));
  std::vector<uint8_t> broken = good;  // an end marker in the middle of the data
  broken[good.size() / 2] = 0xFF;
  broken[good.size() / 2 + 1] = 0xD9;
  testing_support::WriteBytes(dir / "cut.jpg", cut);
  testing_support::WriteBytes(dir / "broken.jpg", broken);
  ASSERT_EQ(testing_support::ReadBytes(dir / "cut.jpg").size(), cut.size());
  std::filesystem::create_directory(dir / "out");
  // Optimised tables keep the blocks until the end: nothing is written before the damage either.
  const ConvertOptions ways[] = {{}, {.two_threads = true}, {.optimize = true}, {.optimize = true, .two_threads = true}};
  for (const char* name : {"cut.jpg", "broken.jpg"}) {
    for (const ConvertOptions& way : ways) {
      SCOPED_TRACE(std::string(name) + (way.two_threads ? " (two threads)" : "") + (way.optimize ? " optimised" : ""));
      try {
        StreamPicture(dir / name, dir / "out/pic.jpg", way);
        ADD_FAILURE() << "no error";
      } catch (const gfx::ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(dir / name), std::string::npos) << e.what();
      }
      EXPECT_TRUE(TempDir::ListOf(dir / "out").empty());
    }
  }
}

// Records the rows told; asks to give up once `abort_after` reports have come (never when 0).
// Told from the decoding thread, read here after the conversion has joined it.
class Rows : public ConvertProgress {
 public:
  explicit Rows(size_t abort_after) : abort_after_(abort_after) {}
  void RowsDone(int64_t done, int64_t total) override {
    last = done;
    this->total = total;
    ++reports;
  }
  bool AbortRequested() const override { return abort_after_ > 0 && reports >= abort_after_; }
  int64_t last = 0, total = 0;
  size_t reports = 0;

 private:
  size_t abort_after_;
};

TEST(StreamConverterTest, ReportsRowsAndGivesUpOnEitherThreadLeavingNothing) {
  TempDir dir;
  testing_support::WriteBytes(dir / "tall.jpg", gfx::EncodeJpeg(Pattern(40, 500), {.quality = 80}));
  std::filesystem::create_directory(dir / "out");
  for (bool two_threads : {false, true}) {
    SCOPED_TRACE(two_threads ? "two threads" : "one thread");
    Rows whole(0);
    ASSERT_TRUE(StreamPicture(dir / "tall.jpg", dir / "out/pic.jpg", {.two_threads = two_threads}, &whole));
    EXPECT_EQ(whole.last, 500);
    EXPECT_EQ(whole.total, 500);
    EXPECT_GT(whole.reports, 2u);
    std::filesystem::remove(dir / "out/pic.jpg");

    Rows early(2);
    EXPECT_THROW(StreamPicture(dir / "tall.jpg", dir / "out/pic.jpg", {.two_threads = two_threads}, &early),
                 ConvertAborted);
    EXPECT_LT(early.last, 500);
    EXPECT_TRUE(TempDir::ListOf(dir / "out").empty());
  }
}

}  // namespace
}  // namespace batch
