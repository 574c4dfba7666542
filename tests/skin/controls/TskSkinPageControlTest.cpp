// The skinned page control: tab pictures and colours, the hot tab, the scroller, turned tabs, pages.
#include "skin/controls/TskSkinPageControl.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/KeyCodes.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/data/SkinViewRecords.h"

namespace {

using skin::TskSkinPageControl;
using skin::TskSkinTabSheet;

class TskSkinPageControlTest : public skin_test::RangeControlTest {
 protected:
  // A skinned page control with `pages` pages named "P0", "P1", ...
  TskSkinPageControl* Pages(int pages, int w = 400, bool bind = true) {
    auto* c = Make<TskSkinPageControl>("tab", 20, 20, w, 200, bind);
    for (int i = 0; i < pages; ++i) {
      std::string caption = "P";
      caption += std::to_string(i);
      c->NewPage<TskSkinTabSheet>(nullptr, caption);
    }
    Pump();
    return c;
  }
  const skin::TskDataSkinTabControl& TabRecord() { return *skin_.FindControlRecord<skin::TskDataSkinTabControl>("tab"); }
  // How many pixels of the rectangle have exactly colour c.
  int CountColour(const ui::Control& control, const gfx::Rect& r, gfx::Color c) {
    Pump();
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += backend_->ScreenPixel(control.ClientToScreen({x, y})) == c;
    return n;
  }
};

TEST_F(TskSkinPageControlTest, ProgramSkinSizesTheTabsAndFramesThePages) {
  TskSkinPageControl* c = Pages(3);
  EXPECT_NE(c->RecordIndex(), TskSkinPageControl::kNoRecord);
  EXPECT_EQ(c->ItemHeight(), 17);  // the height of tabrect
  const gfx::Rect tab = c->TabItemRect(0);
  EXPECT_EQ(tab.top, 0);
  EXPECT_EQ(tab.Height(), 17);
  // The frame's margins come from clientrect inside skinrect (1 on every side).
  EXPECT_EQ(c->DisplayRect(), (gfx::Rect{1, 18, 399, 199}));
  EXPECT_EQ(c->Page(0)->BoundsRect(), c->DisplayRect());

  // The selected tab shows activetabrect, the others tabrect; both with their 5-pixel ends.
  const gfx::Bitmap& pic = *skin_.ActivePicture(TabRecord().pictureindex);
  const gfx::Rect other = c->TabItemRect(1);
  EXPECT_EQ(PixelAt(*c, tab.left + 1, tab.top + 1), pic.Pixel(44 + 1, 1 + 1));
  EXPECT_EQ(PixelAt(*c, other.left + 1, other.top + 1), pic.Pixel(1 + 1, 1 + 1));
  EXPECT_EQ(PixelAt(*c, other.right - 2, other.top + 1), pic.Pixel(42 - 2, 1 + 1));

  // The page is tiled with the record's client part (28 pixels square at 88, 2).
  const ui::TabSheet* page = c->ActivePage();
  EXPECT_EQ(PixelAt(*page, 3, 4), pic.Pixel(88 + 3, 2 + 4));
  EXPECT_EQ(PixelAt(*page, 28 + 3, 28 + 4), pic.Pixel(88 + 3, 2 + 4));

  // Focused, the selected tab takes focustabrect.
  c->SetFocus();
  EXPECT_EQ(PixelAt(*c, tab.left + 1, tab.top + 1), pic.Pixel(1 + 1, 20 + 1));
}

TEST_F(TskSkinPageControlTest, HotTabKeepsItsPictureAndTakesTheHotColour) {
  TskSkinPageControl* c = Pages(3);
  const skin::TskDataSkinTabControl& r = TabRecord();
  ASSERT_TRUE(r.mouseintabrect.IsEmpty());
  const gfx::Rect tab = c->TabItemRect(1);
  const gfx::Color corner = PixelAt(*c, tab.left + 1, tab.top + 1);
  EXPECT_EQ(CountColour(*c, tab, r.mouseinfontcolor), 0);
  const int plain_text = CountColour(*c, tab, r.font.fontcolor);
  EXPECT_GT(plain_text, 0);

  MoveTo(*c, tab.left + 3, tab.top + 3);
  EXPECT_EQ(c->HotTab(), 1);
  EXPECT_EQ(PixelAt(*c, tab.left + 1, tab.top + 1), corner);
  EXPECT_EQ(CountColour(*c, tab, r.mouseinfontcolor), plain_text);

  // The selected tab never turns hot-coloured; leaving the control clears the hot tab.
  const gfx::Rect selected = c->TabItemRect(0);
  const int selected_before = CountColour(*c, selected, r.mouseinfontcolor);
  MoveTo(*c, selected.left + 3, selected.top + 3);
  EXPECT_EQ(CountColour(*c, selected, r.mouseinfontcolor), selected_before);
  EXPECT_EQ(CountColour(*c, tab, r.mouseinfontcolor), 0);
  MoveTo(*c, tab.left + 3, tab.top + 3);
  MoveToScreen({5, 5});
  EXPECT_EQ(c->HotTab(), ui::TabControl::kNoTab);
  EXPECT_EQ(CountColour(*c, tab, r.mouseinfontcolor), 0);
}

TEST_F(TskSkinPageControlTest, ScrollerComesWhenTabsOverflowAndGoesWhenTheyFit) {
  TskSkinPageControl* c = Pages(8);
  c->SetTabWidth(45);
  ASSERT_EQ(c->TabScroller(), nullptr);

  c->SetWidth(250);
  Pump();
  skin::TskSkinUpDown* s = c->TabScroller();
  ASSERT_NE(s, nullptr);
  // The "hupdown" look, at the line's right end.
  EXPECT_EQ(s->BoundsRect(), (gfx::Rect{250 - 36, 0, 250, 18}));
  EXPECT_EQ(s->Max(), c->HiddenTabCount());
  EXPECT_EQ(s->Position(), 0);

  // Stepping it scrolls the tabs one by one; the scrolled ones are counted.
  Press(*s, 27, 9);
  Release(*s, 27, 9);
  EXPECT_EQ(c->FirstVisibleTab(), 1);
  EXPECT_EQ(c->ScrolledTabCount(), 1);
  EXPECT_LE(c->TabItemRect(0).right, 0);

  // A key change to the last tab scrolls it into view and the scroller follows.
  c->SetFocus();
  backend_->PressKey(platform::kVkEnd);
  Pump();
  EXPECT_EQ(c->ActivePageIndex(), 7);
  EXPECT_LE(c->TabItemRect(7).right, 250 - 36 - 3);
  EXPECT_EQ(s->Position(), c->ScrolledTabCount());

  c->SetWidth(600);
  Pump();
  EXPECT_EQ(c->TabScroller(), nullptr);
  EXPECT_EQ(c->FirstVisibleTab(), 0);
  EXPECT_EQ(c->HiddenTabCount(), 0);

  // Bottom tabs put it at the bottom right.
  c->SetWidth(250);
  c->SetTabPosition(ui::TabPosition::kBottom);
  Pump();
  ASSERT_NE(c->TabScroller(), nullptr);
  EXPECT_EQ(c->TabScroller()->BoundsRect(), (gfx::Rect{250 - 36, 200 - 18, 250, 200}));
}

TEST_F(TskSkinPageControlTest, LyingTabsAreTheUprightTabTurned) {
  struct Case {
    ui::TabPosition position;
    bool reads_upwards;
  };
  const Case cases[] = {{ui::TabPosition::kLeft, true}, {ui::TabPosition::kRight, false}};
  for (bool skinned : {true, false}) {
    for (const Case& k : cases) {
      SCOPED_TRACE(testing::Message() << (skinned ? "skinned " : "plain ") << (k.reads_upwards ? "left" : "right"));
      TskSkinPageControl* c = Pages(2, 400, skinned);
      c->SetTabWidth(60);
      // The upright tab: w x h.
      const gfx::Rect up = c->TabItemRect(1);
      const int32_t w = up.Width(), h = up.Height();
      std::vector<gfx::Color> upright;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) upright.push_back(PixelAt(*c, up.left + x, up.top + y));
      c->SetTabPosition(k.position);
      const gfx::Rect lying = c->TabItemRect(1);
      ASSERT_EQ(lying.Width(), h);
      ASSERT_EQ(lying.Height(), w);
      Pump();
      int mismatches = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          // Left: the top row becomes the left column read upwards; right: the right column read down.
          const gfx::Point p = k.reads_upwards ? gfx::Point{y, w - 1 - x} : gfx::Point{h - 1 - y, x};
          mismatches += backend_->ScreenPixel(c->ClientToScreen({lying.left + p.x, lying.top + p.y})) !=
                        upright[static_cast<size_t>(y * w + x)];
        }
      }
      EXPECT_EQ(mismatches, 0);
      (void)form_->RemoveChild(c);
    }
  }
}

TEST_F(TskSkinPageControlTest, PlainLookWithoutSkinData) {
  TskSkinPageControl* c = Pages(2, 400, false);
  EXPECT_EQ(c->RecordIndex(), TskSkinPageControl::kNoRecord);
  EXPECT_EQ(c->ItemHeight(), 20);
  const gfx::Rect tab = c->TabItemRect(0);
  EXPECT_EQ(PixelAt(*c, tab.left, tab.top), gfx::Rgb(0, 0, 128));      // the selected tab's navy frame
  EXPECT_EQ(PixelAt(*c, tab.left + 2, tab.bottom - 2), gfx::Rgb(182, 189, 210));
  const gfx::Rect other = c->TabItemRect(1);
  EXPECT_EQ(PixelAt(*c, other.left + 1, other.top + 1), ui::kColorBtnFace);
  const gfx::Rect d = c->DisplayRect();
  EXPECT_EQ(PixelAt(*c, d.left - 1, d.top + 10), ui::kColorBtnShadow);
  c->SetTabHeight(30);
  EXPECT_EQ(c->TabItemRect(0).Height(), 30);
  // Binding the skin takes the record's height unless TabHeight asks otherwise.
  c->SetSkinData(&skin_);
  EXPECT_EQ(c->ItemHeight(), 30);
  c->SetTabHeight(0);
  EXPECT_EQ(c->ItemHeight(), 17);
}

TEST_F(TskSkinPageControlTest, ANewSkinResizesTheTabsAndRemakesTheScroller) {
  TskSkinPageControl* c = Pages(8);
  c->SetTabWidth(45);
  c->SetWidth(250);
  ASSERT_NE(c->TabScroller(), nullptr);
  // A skin whose tab record is 24 high, frames the pages with 3-pixel margins and names no
  // scroller look: the scroller takes the default up-down look in the new skin.
  LoadFixture(
      "[SKINCONTROLS]\ncount=1\n0=tab:tab\n[tab]\npictureindex=0\nskinrect=0,0,20,20\nclientrect=3,3,17,17\n"
      "tabrect=0,0,20,24\nlefttoppoint=3,3\nrighttoppoint=17,3\nleftbottompoint=3,17\nrightbottompoint=17,17\n",
      {skin_test::CoordinatePicture(40, 40)});
  Pump();
  EXPECT_EQ(c->ItemHeight(), 24);
  EXPECT_EQ(c->DisplayRect(), (gfx::Rect{3, 24 + 3, 250 - 3, 200 - 3}));
  ASSERT_NE(c->TabScroller(), nullptr);
  EXPECT_EQ(c->TabScroller()->SkinDataName(), "hupdown");
  // A skin without the record leaves the plain look.
  LoadFixture(skin_test::OneRecord("panel", "pictureindex=0\nskinrect=0,0,20,20\n"), {skin_test::CoordinatePicture(40, 40)});
  Pump();
  EXPECT_EQ(c->RecordIndex(), TskSkinPageControl::kNoRecord);
  EXPECT_EQ(c->ItemHeight(), 20);
}

TEST_F(TskSkinPageControlTest, WithoutPagesItPaintsItsFrameAndIgnoresKeys) {
  TskSkinPageControl* c = Pages(0);
  c->SetFocus();
  backend_->InjectKeyDown(platform::kVkControl);
  backend_->PressKey(platform::kVkTab);
  backend_->PressKey(platform::kVkNext);
  backend_->InjectKeyUp(platform::kVkControl);
  MoveTo(*c, 10, 5);
  Press(*c, 10, 5);
  Release(*c, 10, 5);
  c->SetWidth(30);
  Pump();
  EXPECT_EQ(c->ActivePage(), nullptr);
  EXPECT_EQ(c->TabScroller(), nullptr);
  EXPECT_EQ(c->HotTab(), ui::TabControl::kNoTab);
  const gfx::Bitmap& pic = *skin_.ActivePicture(TabRecord().pictureindex);
  const gfx::Rect d = c->DisplayRect();
  EXPECT_EQ(PixelAt(*c, d.left - 1, d.top - 1), pic.Pixel(87, 1));  // the frame's top-left corner
  EXPECT_EQ(PixelAt(*c, d.left + 3, d.top + 4), pic.Pixel(88 + 3, 2 + 4));  // the page background inside
}

}  // namespace
