// Converting one file with a progress: every reader tells its rows and gives up between them,
// leaving no output and no temporary file.
#include "batch/ConvertProgress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/FileConverter.h"
#include "gfx/BmpCodec.h"
#include "gfx/JpegCodec.h"
#include "gfx/PngTestWriter.h"
#include "gfx/WebpCodec.h"
#include "support/TempDir.h"

namespace batch {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

constexpr int kWidth = 20, kHeight = 30;

gfx::Bitmap Picture(int bits) {
  if (bits == 8) {
    gfx::Bitmap indexed(kWidth, kHeight, 8);
    std::vector<gfx::Color> grey;
    for (int i = 0; i < 256; ++i) grey.push_back(gfx::Rgb(static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i)));
    indexed.SetPalette(grey);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) indexed.Row(y)[x] = static_cast<uint8_t>(x * 9 + y);
    return indexed;
  }
  gfx::Bitmap b(kWidth, kHeight, 24);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 9), static_cast<uint8_t>(y * 5), 77));
  return bits == 24 ? b : b.ConvertTo(bits);
}

std::vector<uint8_t> Png(bool interlaced, bool alpha) {
  const int channels = alpha ? 4 : 3;
  std::vector<uint16_t> samples(static_cast<size_t>(kWidth * kHeight * channels), 180);
  return gfx::testing::WritePng({.width = kWidth, .height = kHeight,
                                 .color_type = alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                                 .interlaced = interlaced, .samples = samples});
}

// Records every report; asks to give up once `abort_after` reports have come (never when 0).
class Recorder : public ConvertProgress {
 public:
  explicit Recorder(int abort_after = 0) : abort_after_(abort_after) {}
  void RowsDone(int64_t done, int64_t total) override { reports.push_back({done, total}); }
  bool AbortRequested() const override { return abort_after_ > 0 && static_cast<int>(reports.size()) >= abort_after_; }
  std::vector<std::pair<int64_t, int64_t>> reports;

 private:
  int abort_after_;
};

struct Source {
  const char* name;
  std::vector<uint8_t> bytes;
  int64_t rows;  // what the reader counts: each pass of an interlaced file, one step for WebP
};

std::vector<Source> Sources() {
  return {{"24-bit.bmp", gfx::EncodeBmp(Picture(24)), kHeight},
          {"8-bit.bmp", gfx::EncodeBmp(Picture(8)), kHeight},
          {"32-bit.bmp", gfx::EncodeBmp(Picture(32)), kHeight},
          {"photo.jpg", gfx::EncodeJpeg(Picture(24)), kHeight},
          {"plain.png", Png(false, false), kHeight},
          {"alpha.png", Png(false, true), kHeight},
          {"interlaced.png", Png(true, false), 7 * kHeight},
          {"still.webp", gfx::EncodeWebp(Picture(24), 80), 1}};
}

TEST(ConvertProgressTest, EveryReaderTellsItsRowsUpToTheLast) {
  TempDir in, out;
  for (const Source& s : Sources()) {
    WriteBytes(in / s.name, s.bytes);
    Recorder progress;
    ConvertPicture(in / s.name, out / "out.jpg", {}, &progress);
    ASSERT_FALSE(progress.reports.empty()) << s.name;
    for (size_t i = 0; i < progress.reports.size(); ++i) {
      EXPECT_EQ(progress.reports[i].second, s.rows) << s.name;
      if (i > 0) {
        EXPECT_GE(progress.reports[i].first, progress.reports[i - 1].first) << s.name;
      }
    }
    EXPECT_EQ(progress.reports.back().first, s.rows) << s.name;
    EXPECT_EQ(gfx::DecodeJpeg(ReadBytes(out / "out.jpg")).bitmap.GetSize(), (gfx::Size{kWidth, kHeight})) << s.name;
  }
}

TEST(ConvertProgressTest, GivingUpWritesNothingAndLeavesAnEarlierOutputAlone) {
  TempDir in, out;
  const std::vector<uint8_t> earlier = {'o', 'l', 'd'};
  for (const Source& s : Sources()) {
    WriteBytes(in / s.name, s.bytes);
    WriteBytes(out / "out.jpg", earlier);
    // Asked after the first report, and after the second: within the rows, and for WebP after
    // the picture is whole but before the output is written.
    for (int after : {1, 2}) {
      Recorder progress(after);
      EXPECT_THROW(ConvertPicture(in / s.name, out / "out.jpg", {}, &progress), ConvertAborted) << s.name;
      if (s.rows > 2) {
        EXPECT_LT(progress.reports.back().first, s.rows) << s.name << " read on after the request";
      }
      EXPECT_EQ(ReadBytes(out / "out.jpg"), earlier) << s.name;
      EXPECT_EQ(out.List(), std::vector<std::string>{"out.jpg"}) << s.name << ": a temporary file stayed";
    }
  }
}

}  // namespace
}  // namespace batch
