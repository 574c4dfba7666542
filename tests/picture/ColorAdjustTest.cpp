// Contrast, saturation and RGB shifts against worked values, and the preview/in-place agreement.
#include "picture/ColorAdjust.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "picture/Progress.h"

namespace picture {
namespace {

struct Rgb3 {
  int r, g, b;
  friend bool operator==(const Rgb3&, const Rgb3&) = default;
};

void PrintTo(const Rgb3& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

gfx::Bitmap OnePixel(Rgb3 c) {
  gfx::Bitmap b(1, 1, 24);
  b.SetPixel(0, 0, gfx::Rgb(static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b)));
  return b;
}

Rgb3 PixelOf(const gfx::Bitmap& b) {
  gfx::Color c = b.Pixel(0, 0);
  return {gfx::Red(c), gfx::Green(c), gfx::Blue(c)};
}

TEST(ColorAdjustTest, ClampByte) {
  EXPECT_EQ(ClampByte(-1), 0);
  EXPECT_EQ(ClampByte(0), 0);
  EXPECT_EQ(ClampByte(200), 200);
  EXPECT_EQ(ClampByte(256), 255);
}

TEST(ColorAdjustTest, WorkedValues) {
  enum Kind { kContrast, kSaturation, kShift };
  struct Case {
    Kind kind;
    int amount[3];
    Rgb3 in;
    Rgb3 out;
  };
  const Case cases[] = {
      {kContrast, {100}, {200, 100, 50}, {250, 50, 0}},
      {kContrast, {-100}, {200, 100, 50}, {172, 110, 80}},
      {kContrast, {255}, {128, 127, 0}, {255, 0, 0}},
      {kContrast, {-255}, {255, 0, 200}, {127, 127, 127}},
      {kContrast, {0}, {1, 128, 254}, {1, 128, 254}},
      {kSaturation, {0}, {200, 100, 50}, {116, 116, 116}},
      {kSaturation, {255}, {200, 100, 50}, {200, 100, 50}},
      {kSaturation, {-255}, {200, 100, 50}, {32, 132, 182}},
      // Clamped rather than wrapped: the low eight bits of 340 would be 84, a random dark blue.
      {kSaturation, {-255}, {255, 255, 0}, {85, 85, 255}},
      {kShift, {100, -30, 0}, {200, 20, 50}, {255, 0, 50}},
      {kShift, {0, 0, 0}, {7, 8, 9}, {7, 8, 9}},
      {kShift, {-128, 127, -5}, {100, 200, 3}, {0, 255, 0}},
  };
  for (const Case& c : cases) {
    gfx::Bitmap in_place = OnePixel(c.in);
    gfx::Bitmap preview;
    switch (c.kind) {
      case kContrast:
        AdjustContrast(in_place, c.amount[0]);
        preview = in_place;
        break;
      case kSaturation:
        AdjustSaturation(in_place, c.amount[0], nullptr);
        PreviewSaturation(OnePixel(c.in), preview, c.amount[0]);
        break;
      case kShift:
        ShiftRGB(in_place, c.amount[0], c.amount[1], c.amount[2], nullptr);
        PreviewShiftRGB(OnePixel(c.in), preview, c.amount[0], c.amount[1], c.amount[2]);
        break;
    }
    EXPECT_EQ(PixelOf(in_place), c.out) << "kind " << c.kind << " amount " << c.amount[0];
    EXPECT_EQ(PixelOf(preview), c.out) << "preview, kind " << c.kind << " amount " << c.amount[0];
  }
}

TEST(ColorAdjustTest, SaturationStaysInRangeForEveryAmount) {
  // Every colour channel combination on a coarse grid, every amount: the clamped result never
  // jumps across the range (a wrapped value would differ from its neighbours by about 256).
  gfx::Bitmap grid(16, 16 * 16, 24);
  for (int y = 0; y < grid.Height(); ++y)
    for (int x = 0; x < 16; ++x)
      grid.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 17), static_cast<uint8_t>((y % 16) * 17),
                                   static_cast<uint8_t>((y / 16) * 17)));
  for (int a = -255; a <= 255; a += 15) {
    gfx::Bitmap out;
    PreviewSaturation(grid, out, a);
    for (int y = 0; y < grid.Height(); ++y)
      for (int x = 0; x < 16; ++x) {
        gfx::Color in = grid.Pixel(x, y), o = out.Pixel(x, y);
        int s = gfx::Red(in) + gfx::Green(in) + gfx::Blue(in);
        int g = s / 3;
        int t = (g * a) >> 8;
        auto expect = [&](int c) { return ClampByte(g - t + ((c * a) >> 8)); };
        ASSERT_EQ(gfx::Red(o), expect(gfx::Red(in))) << a;
        ASSERT_EQ(gfx::Green(o), expect(gfx::Green(in))) << a;
        ASSERT_EQ(gfx::Blue(o), expect(gfx::Blue(in))) << a;
      }
  }
}

class RecordingProgress : public Progress {
 public:
  void SetMax(int max) override { events.push_back(-1000 - max); }
  void SetPosition(int position) override { events.push_back(position); }
  std::vector<int> events;
};

TEST(ColorAdjustTest, InPlaceRoutinesReportRows) {
  gfx::Bitmap b(2, 3, 24);
  RecordingProgress saturation;
  AdjustSaturation(b, 10, &saturation);
  EXPECT_EQ(saturation.events, (std::vector<int>{0, -1002, 0, 1, 2}));  // position 0, max 2, rows
  RecordingProgress shift;
  ShiftRGB(b, 1, 1, 1, &shift);
  EXPECT_EQ(shift.events, (std::vector<int>{-1002, 0, 1, 2}));  // the position is not reset first
}

TEST(ColorAdjustTest, OtherDepthsAreBroughtTo24Bits) {
  gfx::Bitmap pal(3, 2, 8);
  pal.SetPalette({gfx::Rgb(200, 100, 50)});
  AdjustContrast(pal, 100);
  ASSERT_EQ(pal.BitsPerPixel(), 24);
  EXPECT_EQ(PixelOf(pal), (Rgb3{250, 50, 0}));

  // A preview into a destination that is too small is remade at the source's size.
  gfx::Bitmap source(5, 4, 24), small(1, 1, 24);
  PreviewShiftRGB(source, small, 10, 0, 0);
  EXPECT_EQ(small.Width(), 5);
  EXPECT_EQ(gfx::Red(small.Pixel(4, 3)), 10);
}

}  // namespace
}  // namespace picture
