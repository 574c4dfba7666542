// Ellipsis fitting and caption placing with the real font machinery.
#include "skin/render/SkinText.h"

#include <gtest/gtest.h>

#include "gfx/Canvas.h"

namespace skin {
namespace {

class SkinTextTest : public testing::Test {
 protected:
  gfx::Bitmap bitmap_{200, 40, 24};
  gfx::Canvas canvas_{bitmap_};
};

TEST_F(SkinTextTest, FitTextWithEllipsis) {
  const int32_t dots = canvas_.TextWidth("...");
  const std::string latin = "Compress pictures";
  const std::string chinese = "图片另存为新文件";
  struct Case {
    std::string text;
    int32_t width;
  } cases[] = {
      {latin, canvas_.TextWidth(latin)},      // fits exactly
      {latin, canvas_.TextWidth(latin) - 1},  // one pixel short
      {latin, 60},
      {chinese, canvas_.TextWidth(chinese) / 2},
      {latin, dots},
      {latin, dots - 1},  // narrower than "...": still "..."
      {latin, 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " in " << c.width);
    const std::string fitted = FitTextWithEllipsis(canvas_, c.text, c.width);
    if (canvas_.TextWidth(c.text) <= c.width) {
      EXPECT_EQ(fitted, c.text);
      continue;
    }
    ASSERT_GE(fitted.size(), 3u);
    ASSERT_EQ(fitted.substr(fitted.size() - 3), "...");
    const std::string kept = fitted.substr(0, fitted.size() - 3);
    ASSERT_EQ(c.text.compare(0, kept.size(), kept), 0);
    ASSERT_LT(kept.size(), c.text.size());
    if (!kept.empty()) {
      EXPECT_LE(canvas_.TextWidth(fitted), c.width);
    }
    // One more whole character would not fit (or would leave nothing dropped).
    size_t next = kept.size() + 1;
    while (next < c.text.size() && (static_cast<unsigned char>(c.text[next]) & 0xC0) == 0x80) ++next;
    if (next < c.text.size()) {
      EXPECT_GT(canvas_.TextWidth(c.text.substr(0, next) + "..."), c.width);
    }
  }
  EXPECT_EQ(FitTextWithEllipsis(canvas_, latin, dots - 1), "...");
  EXPECT_EQ(FitTextWithEllipsis(canvas_, chinese, canvas_.TextWidth("图...")), "图...");
}

// The bounding box of the pixels that are not white.
gfx::Rect Ink(const gfx::Bitmap& b) {
  gfx::Rect r{b.Width(), b.Height(), 0, 0};
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != gfx::kWhite) r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
  return r;
}

TEST_F(SkinTextTest, ClippedTextStartsTwoPixelsInAndStaysInside) {
  canvas_.Brush().style = gfx::BrushStyle::kClear;
  const gfx::Rect box{10, 5, 60, 35};
  for (int32_t offset : {0, 7}) {
    bitmap_.Fill(gfx::kWhite);
    DrawClippedText(canvas_, box, "HHHHHHHHHHHHHHHHHHHH", offset);
    const gfx::Rect ink = Ink(bitmap_);
    EXPECT_GE(ink.left, box.left + offset + 2);
    EXPECT_LE(ink.left, box.left + offset + 4);
    EXPECT_EQ(ink.right, box.right);  // cut at the box
    // The line's cell is centred on the box's middle row.
    const int32_t cell_top = box.top + box.Height() / 2 - canvas_.TextHeight("H") / 2;
    EXPECT_GE(ink.top, cell_top);
    EXPECT_LE(ink.bottom, cell_top + canvas_.TextHeight("H"));
  }
}

TEST_F(SkinTextTest, VCenteredTextSitsInTheMiddle) {
  canvas_.Brush().style = gfx::BrushStyle::kClear;
  bitmap_.Fill(gfx::kWhite);
  const gfx::Rect box{0, 0, 200, 40};
  DrawTextVCentered(canvas_, box, "H\nH");
  const gfx::Rect ink = Ink(bitmap_);
  // One line only, its cell centred: equal space above and below up to a pixel of rounding.
  const int32_t cell_top = (40 - canvas_.TextHeight("H")) / 2;
  EXPECT_GE(ink.top, cell_top);
  EXPECT_LE(ink.bottom, cell_top + canvas_.TextHeight("H"));
  EXPECT_LT(ink.left, 3);
}

}  // namespace
}  // namespace skin
