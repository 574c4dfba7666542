// Font resolution, metrics and measuring through fontconfig and FreeType.
#include "gfx/Font.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace gfx {
namespace {

TEST(FontTest, ArialResolvesToAMetricCompatibleFaceAtTheClassicSize) {
  const Font arial("Arial", 14);
  EXPECT_EQ(arial.ResolvedFamily(), "Liberation Sans");
  const FontMetrics m = arial.Metrics();
  EXPECT_EQ(m.pixel_size, 12);
  EXPECT_EQ(m.ascent, 11);
  EXPECT_EQ(m.descent, 3);
  EXPECT_EQ(m.height, 14);
  EXPECT_EQ(m.internal_leading, 2);
  EXPECT_GT(m.average_char_width, 0);
  EXPECT_GE(m.underline_position, 1);
  EXPECT_LE(m.underline_position + m.underline_thickness, m.descent);
  EXPECT_EQ(Font().Metrics(), m);  // the default font is "Arial" 14
  EXPECT_EQ(Font("Arial", 0).Metrics(), m);
  // Families that only exist elsewhere land on an installed sans face.
  EXPECT_EQ(Font("MS Sans Serif", 11).ResolvedFamily(), "Liberation Sans");
  EXPECT_EQ(Font("MS Sans Serif", 11).TextHeight(), 11);
}

TEST(FontTest, PositiveHeightsAreCellHeightsAndNegativeHeightsEmSizes) {
  for (int32_t h = 6; h <= 48; ++h) {
    const FontMetrics cell = Font("Arial", h).Metrics();
    EXPECT_EQ(cell.height, h);
    EXPECT_EQ(cell.ascent + cell.descent, cell.height);
    EXPECT_LE(cell.pixel_size, h);
    const FontMetrics em = Font("Arial", -h).Metrics();
    EXPECT_EQ(em.pixel_size, h);
    EXPECT_GE(em.height, h);
  }
  // A hostile height is bounded instead of exhausting memory.
  EXPECT_LE(Font("Arial", 2000000000).Metrics().pixel_size, 512);
  EXPECT_LE(Font("Arial", -2000000000).Metrics().pixel_size, 512);
}

TEST(FontTest, WidthsAddUpWithoutKerning) {
  const Font f("Arial", 14);
  EXPECT_EQ(f.TextWidth(""), 0);
  EXPECT_GT(f.CharWidth(U'a'), 0);
  // "AV" and "To" are kerned pairs in most faces; classic text output ignores kerning.
  struct Pair {
    const char* utf8;
    char32_t first, second;
  };
  for (const Pair& p : {Pair{"ab", U'a', U'b'}, Pair{"AV", U'A', U'V'}, Pair{"To", U'T', U'o'}, Pair{"图a", U'图', U'a'}})
    EXPECT_EQ(f.TextWidth(p.utf8), f.CharWidth(p.first) + f.CharWidth(p.second)) << p.utf8;
  EXPECT_EQ(f.CaretPositions("ab图"),
            (std::vector<int32_t>{0, f.CharWidth(U'a'), f.CharWidth(U'a') + f.CharWidth(U'b'), f.TextWidth("ab图")}));
  EXPECT_EQ(f.TextWidth("a\tb\n"), f.TextWidth("ab"));  // control characters have no width
  EXPECT_GT(Font("Arial", 14, kFontBold).TextWidth("Hello world"), f.TextWidth("Hello world"));
  EXPECT_GT(Font("Arial", 28).TextWidth("Hello"), f.TextWidth("Hello"));
  EXPECT_EQ(f.TextExtent("Hello"), (Size{f.TextWidth("Hello"), 14}));
  // Damaged UTF-8 is measured, not refused.
  EXPECT_GT(f.TextWidth("\xE5\x9B"), 0);
}

TEST(FontTest, ChineseFallsBackToACjkFace) {
  const Font f("Arial", 14);
  EXPECT_TRUE(f.HasGlyph(U'图'));
  EXPECT_TRUE(f.HasGlyph(U'，'));
  EXPECT_GE(f.CharWidth(U'图'), 10);
  EXPECT_EQ(f.ResolvedFamily(), "Liberation Sans");  // line metrics still from the chosen face
  EXPECT_TRUE(Font("宋体", 14).HasGlyph(U'图'));
  EXPECT_FALSE(f.HasGlyph(U'\n'));
}

TEST(FontTest, UnknownFamiliesStillGetAFace) {
  const Font f("No Such Family At All", 14, kFontItalic | kFontBold);
  EXPECT_FALSE(f.ResolvedFamily().empty());
  EXPECT_EQ(f.Metrics().height, 14);
  EXPECT_GT(f.TextWidth("abc"), 0);
  EXPECT_GT(Font("", 14).TextWidth("abc"), 0);
}

TEST(FontTest, MeasuringFromManyThreadsAgrees) {
  const std::vector<std::string> texts = {"Hello world", "图片压缩（免费共享）", "批量压缩 致谢", "0123456789"};
  std::vector<int32_t> expected;
  for (const auto& t : texts) expected.push_back(Font("Arial", 14).TextWidth(t));
  std::vector<std::thread> threads;
  std::vector<int> mismatches(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 50; ++round) {
        // Fresh sizes too, so that threads resolve fonts and render glyphs at the same time.
        Font(t % 2 ? "Tahoma" : "Arial", 10 + round % 20).TextWidth(texts[static_cast<size_t>(round) % texts.size()]);
        for (size_t i = 0; i < texts.size(); ++i)
          if (Font("Arial", 14).TextWidth(texts[i]) != expected[i]) ++mismatches[static_cast<size_t>(t)];
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(mismatches, (std::vector<int>(4, 0)));
}

}  // namespace
}  // namespace gfx
