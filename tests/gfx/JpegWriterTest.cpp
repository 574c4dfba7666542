// The row-band JPEG writer: optimised tables from its counting pass give libjpeg's own two-pass bytes.
#include "gfx/JpegWriter.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/JpegCodec.h"

namespace gfx {
namespace {

Bitmap Noise(int w, int h, unsigned seed) {
  Bitmap b(w, h, 24);
  unsigned v = seed;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      v = v * 1103515245u + 12345u;
      const uint8_t n = static_cast<uint8_t>(v >> 24);
      b.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 9 + n / 8), static_cast<uint8_t>(y * 5), n));
    }
  return b;
}

// libjpeg's own optimisation, which keeps every coefficient between its two passes.
std::vector<uint8_t> LibjpegTwoPass(const Bitmap& bitmap, int quality) {
  JpegEncodeOptions options{.quality = quality, .optimize = true};
  JpegWriter writer(bitmap.Width(), bitmap.Height(), options, JpegWriter::Output::kMemory);
  std::vector<const uint8_t*> rows;
  for (int y = 0; y < bitmap.Height(); ++y) rows.push_back(bitmap.Row(y));
  writer.WriteRows(rows.data(), rows.size());
  writer.Finish();
  return writer.TakeBytes();
}

TEST(JpegWriterTest, CountingPassTablesGiveLibjpegsOptimisedBytes) {
  // Sizes off the 16-pixel blocks of subsampled colour pad the right and bottom edges with blocks
  // of their own, which both ways must count alike.
  struct Case { int w, h, quality; };
  for (const Case& c : {Case{1, 1, 75}, Case{17, 9, 75}, Case{33, 65, 30}, Case{64, 48, 95}, Case{250, 7, 100}}) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " q" << c.quality);
    const Bitmap picture = Noise(c.w, c.h, static_cast<unsigned>(c.w * 31 + c.h));
    const std::vector<uint8_t> counted = EncodeJpeg(picture, {.quality = c.quality, .optimize = true});
    EXPECT_EQ(counted, LibjpegTwoPass(picture, c.quality));
    EXPECT_LT(counted.size(), EncodeJpeg(picture, {.quality = c.quality}).size());
  }
}

}  // namespace
}  // namespace gfx
