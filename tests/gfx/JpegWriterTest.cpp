// The row-band JPEG writer: optimised tables from its kept blocks give libjpeg's own two-pass bytes.
#include "gfx/JpegWriter.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "gfx/JpegCodec.h"
#include "support/LibjpegOptimized.h"

namespace gfx {
namespace {

enum class Kind { kNoise, kFlat, kStripes };

// Noise has coefficients everywhere, and at low qualities lone ones after long runs of zeros; a
// flat picture has blocks of nothing but DC; stripes put all the energy in a few frequencies.
Bitmap Picture(Kind kind, int w, int h) {
  Bitmap b(w, h, 24);
  unsigned v = static_cast<unsigned>(w * 31 + h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      v = v * 1103515245u + 12345u;
      const uint8_t n = static_cast<uint8_t>(v >> 24);
      switch (kind) {
        case Kind::kNoise:
          b.SetPixel(x, y, Rgb(static_cast<uint8_t>(x * 9 + n / 8), static_cast<uint8_t>(y * 5), n));
          break;
        case Kind::kFlat:
          b.SetPixel(x, y, Rgb(200, 120, 40));
          break;
        case Kind::kStripes:
          b.SetPixel(x, y, (x / 3 + y) % 2 != 0 ? Rgb(255, 255, 255) : Rgb(0, 30, 90));
          break;
      }
    }
  return b;
}

TEST(JpegWriterTest, OptimisedTablesGiveLibjpegsOwnTwoPassBytes) {
  // Sizes off the 16-pixel blocks of subsampled colour pad the right and bottom edges with blocks
  // of their own, which must be kept and counted like the others.
  const std::vector<uint8_t> icc(3000, 0x5A);
  const std::vector<JpegMarker> markers = {{kJpegComment, {'o', 'k'}}, {kJpegApp1, {'E', 'x', 'i', 'f', 0, 0, 1}}};
  struct Case {
    Kind kind;
    int w, h, quality;
    bool metadata;
  };
  const Case cases[] = {
      {Kind::kNoise, 1, 1, 75, false},     {Kind::kNoise, 17, 9, 75, true},    {Kind::kNoise, 33, 65, 30, false},
      {Kind::kNoise, 64, 48, 95, false},   {Kind::kNoise, 250, 7, 100, false}, {Kind::kNoise, 131, 77, 1, true},
      {Kind::kNoise, 300, 200, 5, false},  {Kind::kFlat, 1, 1, 100, false},   {Kind::kFlat, 45, 31, 75, false},
      {Kind::kFlat, 96, 64, 1, true},      {Kind::kStripes, 127, 33, 100, false}, {Kind::kStripes, 80, 80, 50, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << ", " << c.w << " x " << c.h << " q"
                                    << c.quality << (c.metadata ? " with metadata" : ""));
    const Bitmap picture = Picture(c.kind, c.w, c.h);
    JpegEncodeOptions options{.quality = c.quality, .optimize = true};
    if (c.metadata) {
      options.icc_profile = icc;
      options.markers = markers;
    }
    const std::vector<uint8_t> optimised = EncodeJpeg(picture, options);
    EXPECT_EQ(optimised, testing_support::LibjpegOptimizedBytes(picture, options));
    options.optimize = false;
    EXPECT_LE(optimised.size(), EncodeJpeg(picture, options).size());
  }
}

}  // namespace
}  // namespace gfx
