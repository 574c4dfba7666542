// The gauge: fill under the program's skin and fixture skins, its text, orientations and the plain look.
#include "skin/controls/TskSkinGauge.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeControlTestEnv.h"

namespace {

using skin::TskSkinGauge;

// A horizontal gauge record on a coordinate picture: a 60 x 16 image, the progress area 2,2,58,14
// and the given progress image and ends.
std::string FixtureGauge(const std::string& progressrect, int begin, int end, int vertical = 0) {
  return "[SKINCONTROLS]\ncount=1\n0=g:gauge\n[g]\npictureindex=0\nskinrect=0,0,60,16\nlefttoppoint=8,8\n"
         "righttoppoint=52,8\nclientrect=2,2,58,14\nprogressarea=2,2,58,14\nprogressrect=" +
         progressrect + "\nbeginoffset=" + std::to_string(begin) + "\nendoffset=" + std::to_string(end) +
         "\nvertical=" + std::to_string(vertical) + "\nfontcolor=0\n";
}

class TskSkinGaugeTest : public skin_test::RangeControlTest {
 protected:
  // The box of pixels that differ between two paints of the control (empty when none do).
  gfx::Rect Difference(const ui::Control& c, const gfx::Bitmap& before) {
    Pump();
    const gfx::Point o = c.ClientToScreen({0, 0});
    const gfx::Bitmap after = backend_->CaptureScreen(gfx::Rect::FromSize(o.x, o.y, c.Width(), c.Height()));
    gfx::Rect box;
    bool any = false;
    for (int32_t y = 0; y < after.Height(); ++y) {
      for (int32_t x = 0; x < after.Width(); ++x) {
        if (after.Pixel(x, y) == before.Pixel(x, y)) continue;
        if (!any) box = {x, y, x + 1, y + 1};
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        any = true;
      }
    }
    return box;
  }
  gfx::Bitmap Shot(const ui::Control& c) {
    Pump();
    const gfx::Point o = c.ClientToScreen({0, 0});
    return backend_->CaptureScreen(gfx::Rect::FromSize(o.x, o.y, c.Width(), c.Height()));
  }
};

TEST_F(TskSkinGaugeTest, ProgramSkinTilesItsProgressImage) {
  // "gauge": 106,41,166,57 (60 x 16), horizontal; progressarea 2,2,58,14; progressrect 291,28,299,40.
  TskSkinGauge* g = Make<TskSkinGauge>("gauge", 10, 10, 100, 20);
  EXPECT_EQ(g->Width(), 100);
  EXPECT_EQ(g->Height(), 16);
  EXPECT_EQ(g->CurrentProgressArea(), (gfx::Rect{2, 2, 98, 14}));
  EXPECT_EQ(g->FilledRect(), (gfx::Rect{2, 2, 50, 14}));
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  for (int32_t x : {2, 9, 10, 49}) EXPECT_EQ(PixelAt(*g, x, 6), pic.Pixel(291 + (x - 2) % 8, 28 + 4)) << x;
  // Unfilled: the image's middle (columns 8 to 52) tiled from column 8.
  EXPECT_EQ(PixelAt(*g, 60, 6), pic.Pixel(106 + 8 + (60 - 8) % 44, 41 + 6));
}

TEST_F(TskSkinGaugeTest, FiveWholeCopiesAndOneCutToTwentyEight) {
  LoadFixture(FixtureGauge("100,20,139,32", 0, 0), {skin_test::CoordinatePicture(300, 60)});
  // 227 wide: the progress area grows to 223 pixels.
  TskSkinGauge* g = Make<TskSkinGauge>("g", 10, 10, 227, 30);
  g->SetValue(100);
  ASSERT_EQ(g->FilledRect(), (gfx::Rect{2, 2, 225, 14}));
  int cut = 0;
  for (int32_t x = 2; x < 225; ++x) {
    ASSERT_EQ(PixelAt(*g, x, 5), gfx::Rgb(100 + (x - 2) % 39, 23, 77)) << x;
    if (x >= 2 + 5 * 39) ++cut;
  }
  EXPECT_EQ(cut, 28);
}

TEST_F(TskSkinGaugeTest, AProgressImageWithoutAMiddleDrawsItsEndsAndTheText) {
  LoadFixture(FixtureGauge("100,20,106,32", 3, 3), {skin_test::CoordinatePicture(300, 60)});
  TskSkinGauge* g = Make<TskSkinGauge>("g", 10, 10, 100, 16);
  g->SetValue(100);
  const gfx::Bitmap without_text = Shot(*g);
  EXPECT_EQ(PixelAt(*g, 2, 5), gfx::Rgb(100, 23, 77));
  EXPECT_EQ(PixelAt(*g, 4, 5), gfx::Rgb(102, 23, 77));
  EXPECT_EQ(PixelAt(*g, 97, 5), gfx::Rgb(105, 23, 77));
  EXPECT_EQ(PixelAt(*g, 50, 5), gfx::Rgb(50, 5, 77));  // no middle copies: the gauge's own image shows
  g->SetShowPercent(true);
  EXPECT_FALSE(Difference(*g, without_text).IsEmpty());
}

TEST_F(TskSkinGaugeTest, TextIsCentredAndTurnedOnAVerticalGauge) {
  TskSkinGauge* g = Make<TskSkinGauge>("nosuchrecord", 10, 10, 120, 30);
  g->SetMaxValue(8);
  g->SetValue(1);
  g->SetShowPercent(true);
  EXPECT_EQ(g->Text(), "12%");  // 12.5 rounds to the even 12
  g->SetProgressText("已完成");
  g->SetShowProgressText(true);
  EXPECT_EQ(g->Text(), "已完成12%");
  g->SetShowPercent(false);
  g->SetShowProgressText(false);
  const gfx::Bitmap blank = Shot(*g);
  g->SetShowPercent(true);
  const gfx::Rect across = Difference(*g, blank);
  ASSERT_FALSE(across.IsEmpty());
  EXPECT_GT(across.Width(), across.Height());
  EXPECT_NEAR(across.left + across.right, 120, 4);
  EXPECT_NEAR(across.top + across.bottom, 30, 6);

  TskSkinGauge* v = Make<TskSkinGauge>("nosuchrecord", 200, 10, 30, 120);
  v->SetVertical(true);
  v->SetMaxValue(8);
  v->SetValue(1);
  const gfx::Bitmap vblank = Shot(*v);
  v->SetShowPercent(true);
  const gfx::Rect up = Difference(*v, vblank);
  ASSERT_FALSE(up.IsEmpty());
  EXPECT_GT(up.Height(), up.Width());
  EXPECT_NEAR(up.top + up.bottom, 120, 4);
  EXPECT_NEAR(up.left + up.right, 30, 6);
}

TEST_F(TskSkinGaugeTest, PlainLookFillsFromTheStartOrTheBottom) {
  TskSkinGauge* g = Make<TskSkinGauge>("nosuchrecord", 10, 10, 102, 20);
  g->SetValue(25);
  EXPECT_EQ(g->FilledRect(), (gfx::Rect{1, 1, 26, 19}));
  EXPECT_EQ(PixelAt(*g, 0, 0), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*g, 25, 10), skin::kPlainHotFill);
  EXPECT_EQ(PixelAt(*g, 26, 10), ui::kColorWindow);
  g->SetVertical(true);
  EXPECT_EQ(g->FilledRect(), (gfx::Rect{1, 15, 101, 19}));  // 4.5 rows round to the even 4
  EXPECT_EQ(PixelAt(*g, 50, 15), skin::kPlainHotFill);
  EXPECT_EQ(PixelAt(*g, 50, 14), ui::kColorWindow);
}

TEST_F(TskSkinGaugeTest, BoundsSetInsideOutStayDefined) {
  TskSkinGauge* g = Make<TskSkinGauge>("gauge", 10, 10, 100, 20);
  g->SetMinValue(10);
  g->SetMaxValue(0);
  EXPECT_EQ(g->Value(), 0);
  g->SetValue(5);
  EXPECT_EQ(g->Value(), 0);
  const gfx::Rect area = g->CurrentProgressArea();
  const gfx::Rect f = g->FilledRect();
  EXPECT_GE(f.left, area.left);
  EXPECT_LE(f.right, area.right);
  g->SetShowPercent(true);
  EXPECT_EQ(g->Text(), "100%");
  g->SetMaxValue(10);  // equal bounds: nothing filled, 0 %
  EXPECT_EQ(g->FilledRect().Width(), 0);
  EXPECT_EQ(g->Text(), "0%");
  Pump();
}

TEST_F(TskSkinGaugeTest, RecordOrientationAndKeepingTheAskedSize) {
  // "vgauge" 301,28,317,88 is vertical and fills upwards from its progress area's bottom.
  TskSkinGauge* v = Make<TskSkinGauge>("vgauge", 10, 10, 40, 100);
  EXPECT_TRUE(v->Vertical());
  EXPECT_EQ(v->Width(), 16);
  EXPECT_EQ(v->CurrentProgressArea(), (gfx::Rect{2, 2, 14, 98}));
  EXPECT_EQ(v->FilledRect(), (gfx::Rect{2, 50, 14, 98}));
  // With UseSkinSize off the gauge keeps the size asked for and has no shape.
  TskSkinGauge* g = Make<TskSkinGauge>("gauge", 10, 150, 100, 20);
  ASSERT_NE(g->Shape(), nullptr);
  g->SetUseSkinSize(false);
  g->SetBounds(10, 150, 100, 40);
  EXPECT_EQ(g->Height(), 40);
  EXPECT_EQ(g->Shape(), nullptr);
  // The 16-pixel image is stretched to 40 rows: row 39 shows the image's last row.
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  EXPECT_EQ(PixelAt(*g, 0, 39), pic.Pixel(106, 41 + 15));
  EXPECT_EQ(PixelAt(*g, 0, 0), pic.Pixel(106, 41));
}

}  // namespace

namespace {

TEST_F(TskSkinGaugeTest, AbsurdSkinGeometryDrawsLessButNeverBreaks) {
  const std::string h = skin_test::kHuge;
  const std::string base = "pictureindex=0\nskinrect=0,0,40,10\nlefttoppoint=5,5\nrighttoppoint=35,5\nfontcolor=0\n";
  const struct {
    const char* name;
    std::string keys;
  } cases[] = {
      {"huge area", base + "progressarea=0,0," + h + "," + h + "\nprogressrect=0,0,8,8\n"},
      {"huge image", base + "progressarea=2,2,38,8\nprogressrect=0,0," + h + "," + h + "\n"},
      {"image far away", base + "progressarea=2,2,38,8\nprogressrect=" + h + "," + h + "," + h + "," + h + "\n"},
      {"huge ends", base + "progressarea=2,2,38,8\nprogressrect=0,0,8,8\nbeginoffset=" + h + "\nendoffset=" + h + "\n"},
      {"huge ends upright", base + "vertical=1\nprogressarea=2,2,38,8\nprogressrect=0,0,8,8\nbeginoffset=" + h +
                                "\nendoffset=" + h + "\n"},
      {"one-pixel image", base + "progressarea=0,0," + h + ",9\nprogressrect=3,3,4,4\n"},
      {"no picture", "pictureindex=9\nskinrect=0,0,40,10\nprogressarea=2,2,38,8\nprogressrect=0,0,8,8\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadFixture(skin_test::OneRecord("gauge", c.keys), {skin_test::CoordinatePicture(48, 16)});
    TskSkinGauge* g = Make<TskSkinGauge>("r", 10, 10, 150, 20);
    g->SetShowPercent(true);
    for (int v : {0, 50, 100}) {
      g->SetValue(v);
      Pump();
    }
    g->SetUseSkinSize(false);
    g->SetBounds(10, 10, 150, 40);
    Pump();
    form_->RemoveChild(g).reset();
  }
}

}  // namespace
