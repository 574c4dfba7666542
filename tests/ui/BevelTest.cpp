// The bevel's shapes and styles, pixel by pixel.
#include "ui/Bevel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Canvas.h"

namespace {

constexpr gfx::Color L = ui::kColorBtnHighlight;
constexpr gfx::Color D = ui::kColorBtnShadow;
constexpr gfx::Color B = gfx::Rgb(1, 2, 3);  // the background: nothing drawn

struct Probe {
  int x, y;
  gfx::Color colour;
};

TEST(BevelTest, ShapesAndStylesDrawTheirEdges) {
  struct Case {
    ui::BevelShape shape;
    ui::BevelStyle style;
    std::vector<Probe> probes;  // on a 10 x 8 bevel
  };
  const Case cases[] = {
      {ui::BevelShape::kBox, ui::BevelStyle::kLowered, {{0, 0, D}, {5, 0, D}, {0, 7, D}, {9, 7, L}, {9, 0, L}, {5, 4, B}}},
      {ui::BevelShape::kBox, ui::BevelStyle::kRaised, {{0, 0, L}, {9, 7, D}, {9, 3, D}, {3, 7, D}, {0, 7, L}}},
      {ui::BevelShape::kFrame, ui::BevelStyle::kLowered, {{0, 0, D}, {1, 1, L}, {8, 6, D}, {9, 7, L}, {4, 4, B}}},
      {ui::BevelShape::kTopLine, ui::BevelStyle::kLowered, {{4, 0, D}, {4, 1, L}, {4, 2, B}}},
      {ui::BevelShape::kBottomLine, ui::BevelStyle::kRaised, {{4, 6, L}, {4, 7, D}, {4, 5, B}}},
      {ui::BevelShape::kLeftLine, ui::BevelStyle::kLowered, {{0, 4, D}, {1, 4, L}, {2, 4, B}}},
      {ui::BevelShape::kRightLine, ui::BevelStyle::kLowered, {{8, 4, D}, {9, 4, L}, {7, 4, B}}},
      {ui::BevelShape::kSpacer, ui::BevelStyle::kLowered, {{0, 0, B}, {9, 7, B}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.shape)) + "/" + std::to_string(static_cast<int>(c.style)));
    ui::Bevel bevel;
    bevel.SetBounds(0, 0, 10, 8);
    bevel.SetShape(c.shape);
    bevel.SetStyle(c.style);
    gfx::Bitmap b(10, 8, 24);
    b.Fill(B);
    gfx::Canvas canvas(b);
    bevel.Send(ui::Message::MakeCanvas(ui::kMsgPaint, canvas));
    for (const Probe& p : c.probes) EXPECT_EQ(b.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

}  // namespace
