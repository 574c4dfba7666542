// The skinned splitter's thickness and strip, and the skinned bevel's colours and divider line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlTestEnv.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinSplitter.h"
#include "ui/Panel.h"

namespace {

using skin::TskSkinBevel;
using skin::TskSkinSplitter;
using skin_test::SkinControlTest;

class TskSkinSplitterBevelTest : public SkinControlTest {};

TEST_F(TskSkinSplitterBevelTest, TheSplitterTakesTheSkinThicknessAndDrawsItsStrip) {
  struct Case {
    const char* record;
    ui::Align align;
    bool bind;
    int thickness;
  };
  const Case cases[] = {
      {"vsplitter", ui::Align::kLeft, true, 10},    // skinrect 319,28,329,68: 10 wide
      {"hsplitter", ui::Align::kTop, true, 10},     // skinrect 166,73,206,83: 10 high
      {"nosuchrecord", ui::Align::kLeft, true, 7},  // DefaultSize
      {"vsplitter", ui::Align::kRight, false, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    auto* s = form_->MakeChild<TskSkinSplitter>(form_);
    s->SetAlign(c.align);
    s->SetSkinDataName(c.record);
    s->SetDefaultSize(7);
    s->SetSkinData(c.bind ? &skin_ : nullptr);
    const bool across = c.align == ui::Align::kTop;
    EXPECT_EQ(across ? s->Height() : s->Width(), c.thickness);
    EXPECT_EQ(s->MinSize(), c.thickness);
    s->Hide();
  }
  // A vertical strip: the top end (lefttoppoint.y = 4 rows), the middle tiled, the bottom end
  // (40 - 36 = 4 rows) against the bottom.
  auto* s = form_->MakeChild<TskSkinSplitter>(form_);
  s->SetAlign(ui::Align::kLeft);
  s->SetSkinData(&skin_);
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  const int h = s->Height();
  EXPECT_EQ(PixelAt(*s, 5, 2), pic.Pixel(319 + 5, 28 + 2));
  EXPECT_EQ(PixelAt(*s, 5, 4 + 32 + 1), pic.Pixel(319 + 5, 28 + 4 + 1));
  EXPECT_EQ(PixelAt(*s, 5, h - 1), pic.Pixel(319 + 5, 28 + 39));
}

TEST_F(TskSkinSplitterBevelTest, TheBevelTakesTheSkinColoursAndCanBeADivider) {
  // "bevel": lightcolor 16777215, darkcolor 14340297.
  struct Case {
    bool bind;
    bool divider;
    ui::BevelShape shape;
    gfx::Point dark_at, light_at, empty_at;
  };
  const Case cases[] = {
      {true, false, ui::BevelShape::kBox, {0, 0}, {19, 9}, {10, 5}},
      {false, false, ui::BevelShape::kBox, {0, 0}, {19, 9}, {10, 5}},
      {true, true, ui::BevelShape::kTopLine, {10, 4}, {10, 5}, {0, 4}},
      {true, true, ui::BevelShape::kBox, {9, 5}, {10, 5}, {9, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bind) + std::to_string(c.divider) + std::to_string(static_cast<int>(c.shape)));
    TskSkinBevel bevel;
    bevel.SetBounds(0, 0, 20, 10);
    bevel.SetShape(c.shape);
    bevel.SetDividerMode(c.divider);
    bevel.SetSkinData(c.bind ? &skin_ : nullptr);
    const gfx::Color light = c.bind ? 16777215 : ui::kColorBtnHighlight;
    const gfx::Color dark = c.bind ? 14340297 : ui::kColorBtnShadow;
    EXPECT_EQ(bevel.LightColor(), light);
    EXPECT_EQ(bevel.DarkColor(), dark);
    gfx::Bitmap b(20, 10, 24);
    b.Fill(gfx::Rgb(1, 2, 3));
    gfx::Canvas canvas(b);
    bevel.Send(ui::Message::MakeCanvas(ui::kMsgPaint, canvas));
    EXPECT_EQ(b.Pixel(c.dark_at.x, c.dark_at.y), dark);
    EXPECT_EQ(b.Pixel(c.light_at.x, c.light_at.y), light);
    EXPECT_EQ(b.Pixel(c.empty_at.x, c.empty_at.y), gfx::Rgb(1, 2, 3));
  }
}

TEST_F(TskSkinSplitterBevelTest, TheBevelForgetsSkinDataThatGoesAway) {
  auto data = std::make_unique<skin::TskSkinData>();
  resources::LoadEmbeddedSkin(*data);
  TskSkinBevel bevel;
  bevel.SetSkinData(data.get());
  EXPECT_EQ(bevel.DarkColor(), 14340297u);
  data.reset();
  EXPECT_EQ(bevel.SkinData(), nullptr);
  EXPECT_EQ(bevel.DarkColor(), ui::kColorBtnShadow);
}

}  // namespace
