// Message icons: each is its own colour and mark, drawn over the background without a box of its own.
#include "skin/frame/MessageIcons.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gfx/Canvas.h"

namespace skin {
namespace {

constexpr gfx::Color kBack = gfx::Rgb(240, 240, 240);

gfx::Bitmap Drawn(MessageIcon icon) {
  gfx::Bitmap b(40, 40, 24);
  gfx::Canvas c(b);
  c.FillRect({0, 0, 40, 40}, kBack);
  DrawMessageIcon(c, 4, 4, icon);
  return b;
}

TEST(MessageIconsTest, EachIconHasItsColourAndMarkOnAnUntouchedBackground) {
  const struct {
    MessageIcon icon;
    gfx::Point body;  // a point of the icon's body, clear of its mark
    bool (*body_colour)(gfx::Color);
    gfx::Point mark;  // a point of the mark
    gfx::Color mark_colour;
  } cases[] = {
      {MessageIcon::kWarning, {16, 26}, [](gfx::Color c) { return gfx::Red(c) > 200 && gfx::Green(c) > 150 && gfx::Blue(c) < 100; },
       {16, 15}, gfx::Rgb(32, 32, 32)},
      {MessageIcon::kError, {16, 6}, [](gfx::Color c) { return gfx::Red(c) > 180 && gfx::Green(c) < 90; },
       {16, 16}, gfx::kWhite},
      {MessageIcon::kInformation, {9, 16}, [](gfx::Color c) { return gfx::Blue(c) > 180 && gfx::Red(c) < 90; },
       {16, 19}, gfx::kWhite},
      {MessageIcon::kQuestion, {9, 16}, [](gfx::Color c) { return gfx::Blue(c) > 180 && gfx::Red(c) < 90; },
       {16, 24}, gfx::kWhite},
  };
  std::set<std::string> looks;
  for (const auto& c : cases) {
    const gfx::Bitmap b = Drawn(c.icon);
    EXPECT_TRUE(c.body_colour(b.Pixel(4 + c.body.x, 4 + c.body.y))) << static_cast<int>(c.icon);
    EXPECT_EQ(b.Pixel(4 + c.mark.x, 4 + c.mark.y), c.mark_colour) << static_cast<int>(c.icon);
    // The corners of the cell and everything outside it keep the background.
    for (gfx::Point p : {gfx::Point{4, 4}, gfx::Point{35, 4}, gfx::Point{0, 0}, gfx::Point{39, 39}, gfx::Point{36, 20}}) {
      EXPECT_EQ(b.Pixel(p.x, p.y), kBack) << static_cast<int>(c.icon);
    }
    looks.insert(std::string(reinterpret_cast<const char*>(b.Data()), b.ByteSize()));
  }
  EXPECT_EQ(looks.size(), 4u);
}

}  // namespace
}  // namespace skin
