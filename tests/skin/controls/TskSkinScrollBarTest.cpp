// The scroll bar: parts in both looks, button and page repeats on the virtual clock, drags, and held
// bars that are disabled, hidden or freed.
#include "skin/controls/TskSkinScrollBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeControlTestEnv.h"

namespace {

using skin::ScrollBarKind;
using skin::TskSkinScrollBar;

class TskSkinScrollBarTest : public skin_test::RangeControlTest {
 protected:
  TskSkinScrollBar* Bar(const std::string& name, ScrollBarKind kind, int w, int h) {
    auto* bar = Make<TskSkinScrollBar>(name, 20, 20, w, h, false);
    bar->SetKind(kind);
    if (kind == ScrollBarKind::sbVertical) {
      bar->SetDefaultHeight(0);
      bar->SetDefaultWidth(19);
    }
    bar->SetBounds(20, 20, w, h);
    bar->SetSkinData(&skin_);
    bar->OnChange = [this](ui::Component* c) { changes_.push_back(static_cast<TskSkinScrollBar*>(c)->Position()); };
    Pump();
    return bar;
  }
  // Runs the clock on to `ms` after the start of the test's clock.
  void AdvanceTo(uint64_t ms) { Advance(ms - backend_->NowMs()); }
  std::vector<int32_t> changes_;
};

TEST_F(TskSkinScrollBarTest, PartsInBothLooks) {
  struct Case {
    const char* name;
    const char* record;
    ScrollBarKind kind;
    int w, h;
    gfx::Size size;
    gfx::Rect dec, inc, track, thumb;
  };
  const Case cases[] = {
      {"plain vertical 19 x 423", "nosuchrecord", ScrollBarKind::sbVertical, 19, 423, {19, 423},
       {1, 1, 18, 17}, {1, 406, 18, 422}, {1, 17, 18, 406}, {1, 17, 18, 33}},
      // Without a record DefaultHeight (19) sets the height.
      {"plain horizontal", "nosuchrecord", ScrollBarKind::sbHorizontal, 200, 30, {200, 19},
       {1, 1, 17, 18}, {183, 1, 199, 18}, {17, 1, 183, 18}, {17, 1, 33, 18}},
      // "hscrollbar" 60 x 19: the track and the increase button move with the width.
      {"skinned horizontal", "hscrollbar", ScrollBarKind::sbHorizontal, 160, 30, {160, 19},
       {0, 0, 18, 19}, {142, 0, 160, 19}, {18, 0, 142, 19}, {18, 0, 42, 19}},
      {"skinned vertical", "vscrollbar", ScrollBarKind::sbVertical, 40, 200, {19, 200},
       {0, 0, 19, 18}, {0, 182, 19, 200}, {0, 18, 19, 182}, {0, 18, 19, 42}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinScrollBar* bar = Bar(c.record, c.kind, c.w, c.h);
    if (c.h == 423) bar->AssignRange(0, 499, 0, 0);
    const skin::ScrollParts p = bar->Parts();
    EXPECT_EQ(p.dec, c.dec);
    EXPECT_EQ(p.inc, c.inc);
    EXPECT_EQ(p.track, c.track);
    EXPECT_EQ(p.thumb, c.thumb);
    EXPECT_EQ(bar->Width(), c.size.width);
    EXPECT_EQ(bar->Height(), c.size.height);
    form_->RemoveChild(bar);
  }
}

TEST_F(TskSkinScrollBarTest, PlainLookShowsStatesInItsParts) {
  form_->SetBounds(kFormLeft, kFormTop, 600, 480);
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbVertical, 19, 423);
  bar->AssignRange(0, 499, 0, 0);
  EXPECT_EQ(PixelAt(*bar, 1, 17), ui::kColorBtnShadow);  // the thumb's frame
  EXPECT_EQ(PixelAt(*bar, 1, 1), ui::kColorBtnShadow);   // the top button's frame
  EXPECT_EQ(PixelAt(*bar, 9, 9), gfx::kBlack);           // its arrow
  MoveTo(*bar, 9, 410);
  EXPECT_EQ(PixelAt(*bar, 1, 406), skin::kPlainFrame);
  EXPECT_EQ(PixelAt(*bar, 3, 408), skin::kPlainHotFill);
  Press(*bar, 9, 410);
  EXPECT_EQ(PixelAt(*bar, 3, 408), skin::kPlainPressedFill);
  Release(*bar, 9, 410);
  EXPECT_EQ(PixelAt(*bar, 3, 408), skin::kPlainHotFill);
  // Disabled: no thumb, the track shows where it was, and the arrows are grey.
  const gfx::Color track = PixelAt(*bar, 9, 300);
  EXPECT_NE(track, ui::kColorBtnShadow);
  bar->SetEnabled(false);
  EXPECT_EQ(PixelAt(*bar, 1, 18), track);
  EXPECT_EQ(PixelAt(*bar, 9, 9), ui::kColorGrayText);
}

TEST_F(TskSkinScrollBarTest, SkinnedButtonsShowTheirImages) {
  TskSkinScrollBar* bar = Bar("hscrollbar", ScrollBarKind::sbHorizontal, 160, 19);
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  MoveTo(*bar, 150, 9);
  EXPECT_EQ(PixelAt(*bar, 145, 5), pic.Pixel(63 + 3, 162 + 5));  // activeupbuttonrect
  Press(*bar, 150, 9);
  EXPECT_EQ(PixelAt(*bar, 145, 5), pic.Pixel(83 + 3, 164 + 5));  // downupbuttonrect
  Release(*bar, 150, 9);
  MoveTo(*bar, 30, 9);  // the thumb, now at 19,0,43,19 for position 1
  EXPECT_EQ(PixelAt(*bar, 25, 5), pic.Pixel(281 + 6, 177 + 5));  // activethumbrect
}

TEST_F(TskSkinScrollBarTest, HoldingAButtonRepeatsAfter500ThenEvery50Ms) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbHorizontal, 200, 19);
  Press(*bar, 190, 9);
  const struct {
    uint64_t at;
    int32_t position;
  } steps[] = {{0, 1}, {499, 1}, {500, 1}, {549, 1}, {550, 2}, {599, 2}, {600, 3}, {650, 4}};
  for (const auto& s : steps) {
    AdvanceTo(s.at);
    EXPECT_EQ(bar->Position(), s.position) << s.at;
  }
  // Off the button the repeat pauses; back on it, it resumes 50 ms later.
  MoveTo(*bar, 100, 9);
  AdvanceTo(700);
  AdvanceTo(800);
  EXPECT_EQ(bar->Position(), 4);
  MoveTo(*bar, 190, 9);
  AdvanceTo(849);
  EXPECT_EQ(bar->Position(), 4);
  AdvanceTo(850);
  EXPECT_EQ(bar->Position(), 5);
  Release(*bar, 190, 9);
  AdvanceTo(1500);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(changes_, (std::vector<int32_t>{1, 2, 3, 4, 5}));
}

TEST_F(TskSkinScrollBarTest, PagingStopsWhenTheThumbReachesTheMouse) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbHorizontal, 200, 19);
  bar->SetLargeChange(10);
  int pages = 0;
  bar->OnPageDown = [&](ui::Component*) { ++pages; };
  Press(*bar, 150, 9);
  EXPECT_EQ(bar->Position(), 10);
  for (uint64_t t = 50; t <= 2000; t += 50) AdvanceTo(t);
  // At 80 the thumb (137 to 153) covers the mouse.
  EXPECT_EQ(bar->Position(), 80);
  EXPECT_EQ(pages, 8);
  EXPECT_EQ(bar->RepeatMode(), TskSkinScrollBar::kRepeatNone);
  Release(*bar, 150, 9);
  // Paging up from the end.
  bar->SetPosition(100);
  Press(*bar, 20, 9);
  EXPECT_EQ(bar->Position(), 90);
  Release(*bar, 20, 9);
}

TEST_F(TskSkinScrollBarTest, ButtonClickHandlersReplaceTheStep) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbHorizontal, 200, 19);
  int ups = 0;
  bar->OnUpButtonClick = [&](ui::Component*) { ++ups; };
  Press(*bar, 190, 9);
  for (uint64_t t = 50; t <= 600; t += 50) AdvanceTo(t);
  Release(*bar, 190, 9);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(ups, 3);
  EXPECT_TRUE(changes_.empty());
}

TEST_F(TskSkinScrollBarTest, DraggingTheThumbFiresEveryPositionAndOneLastChange) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbVertical, 19, 423);
  bar->AssignRange(0, 499, 0, 0);
  int last = 0;
  bar->OnLastChange = [&](ui::Component*) { ++last; };
  Press(*bar, 9, 25);
  ASSERT_TRUE(bar->Dragging());
  // The thumb centre runs 373 pixels: 186 of them are position 249.
  MoveTo(*bar, 9, 25 + 186);
  MoveTo(*bar, 9, 25 + 186);
  MoveTo(*bar, 30, 25 + 373);
  MoveTo(*bar, 9, 2000);
  EXPECT_EQ(bar->Position(), 499);
  Release(*bar, 9, 2000);
  EXPECT_EQ(changes_, (std::vector<int32_t>{249, 499}));
  EXPECT_EQ(last, 1);
  EXPECT_FALSE(bar->Dragging());
}

TEST_F(TskSkinScrollBarTest, RangeSettersKeepThePositionWithoutOnChange) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbHorizontal, 200, 19);
  bar->AssignRange(0, 999, 493, 800);
  EXPECT_EQ(bar->Position(), 507);
  bar->SetPageSize(600);  // does not fit from 507
  EXPECT_EQ(bar->PageSize(), 493);
  bar->SetPageSize(-5);
  EXPECT_EQ(bar->PageSize(), 493);
  bar->SetMax(899);
  EXPECT_EQ(bar->Position(), 407);
  bar->SetMin(500);
  EXPECT_EQ(bar->Position(), 500);
  // Inside out: defined, the thumb stays on the track.
  bar->SetMax(100);
  bar->SetPosition(300);
  const skin::ScrollParts p = bar->Parts();
  EXPECT_GE(p.thumb.left, p.track.left);
  EXPECT_LE(p.thumb.right, p.track.right);
  EXPECT_EQ(bar->Position(), 100 - 493 + 1);  // the upper bound wins
  Press(*bar, 190, 9);
  for (uint64_t t = 50; t <= 700; t += 50) AdvanceTo(t);
  Release(*bar, 190, 9);
  EXPECT_EQ(bar->Position(), 100 - 493 + 1);
  EXPECT_TRUE(changes_.empty());
}

TEST_F(TskSkinScrollBarTest, ABarDisabledHiddenOrFreedWhileHeldStopsAndLetsTheMouseGo) {
  struct Case {
    const char* name;
    void (*act)(TskSkinScrollBar*, ui::Form*);
  };
  const Case cases[] = {
      {"disabled", [](TskSkinScrollBar* b, ui::Form*) { b->SetEnabled(false); }},
      {"hidden", [](TskSkinScrollBar* b, ui::Form*) { b->Hide(); }},
      {"parent hidden", [](TskSkinScrollBar* b, ui::Form*) { b->Parent()->Hide(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* holder = Make<TskSkinScrollBar>("unused", 0, 0, 10, 10, false);
    form_->RemoveChild(holder).reset();
    auto* panel = form_->MakeChild<ui::WinControl>(form_);
    panel->SetBounds(0, 0, 300, 100);
    auto* bar = panel->MakeChild<TskSkinScrollBar>(form_);
    bar->SetSkinDataName("nosuchrecord");
    bar->SetBounds(20, 20, 200, 19);
    Pump();
    Press(*bar, 190, 9);
    ASSERT_EQ(bar->Position(), 1);
    ASSERT_EQ(app_->CaptureControl(), bar);
    c.act(bar, form_);
    Advance(2000);
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(bar->RepeatMode(), TskSkinScrollBar::kRepeatNone);
    EXPECT_EQ(app_->CaptureControl(), nullptr);
    EXPECT_FALSE(bar->PartDown(TskSkinScrollBar::kIncrease));
    ReleaseAtScreen(ScreenPoint(*bar, 190, 9));
    form_->RemoveChild(panel).reset();
  }
}

TEST_F(TskSkinScrollBarTest, AHandlerMayFreeTheBarWhileItRepeats) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbHorizontal, 200, 19);
  int calls = 0;
  bar->OnChange = [&](ui::Component*) {
    if (++calls == 2) form_->RemoveChild(bar).reset();
  };
  const gfx::Point at = ScreenPoint(*bar, 190, 9);
  Press(*bar, 190, 9);
  Advance(500);
  Advance(50);
  ASSERT_EQ(form_->ChildCount(), 0u);
  Advance(500);
  Advance(500);
  ReleaseAtScreen(at);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(app_->NextTimerDelay(), -1);
}

TEST_F(TskSkinScrollBarTest, BothTakesTheCornerRecordOrLeavesTheMarkerFree) {
  TskSkinScrollBar* bar = Bar("hscrollbar", ScrollBarKind::sbHorizontal, 200, 19);
  bar->SetBoth(true);
  EXPECT_EQ(bar->SkinDataName(), "bothhscrollbar");
  // "bothhscrollbar" is 79 wide with the same parts: the increase button ends 19 pixels early.
  EXPECT_EQ(bar->Parts().inc, (gfx::Rect{163, 0, 181, 19}));
  bar->SetBoth(false);
  EXPECT_EQ(bar->SkinDataName(), "hscrollbar");
  EXPECT_EQ(bar->Parts().inc, (gfx::Rect{182, 0, 200, 19}));
  TskSkinScrollBar* plain = Bar("hscrollbar", ScrollBarKind::sbHorizontal, 200, 19);
  plain->SetSkinData(nullptr);
  plain->SetBothMarkerWidth(30);
  plain->SetBoth(true);
  EXPECT_EQ(plain->Parts().inc, (gfx::Rect{153, 1, 169, 18}));
  plain->SetBothMarkerWidth(-4);
  EXPECT_EQ(plain->BothMarkerWidth(), 30);
}

TEST_F(TskSkinScrollBarTest, KeysAndWheelWhenItTakesTheFocus) {
  TskSkinScrollBar* bar = Bar("nosuchrecord", ScrollBarKind::sbHorizontal, 200, 19);
  bar->SetSmallChange(5);
  bar->SetCanFocused(true);
  Press(*bar, 100, 9);
  Release(*bar, 100, 9);
  ASSERT_TRUE(bar->Focused());
  const int32_t start = bar->Position();
  backend_->PressKey(platform::kVkRight);
  backend_->PressKey(platform::kVkDown);
  backend_->PressKey(platform::kVkUp);
  Pump();
  EXPECT_EQ(bar->Position(), start + 5);
  backend_->InjectWheel(ScreenPoint(*bar, 100, 9), -120);
  Pump();
  EXPECT_EQ(bar->Position(), start + 10);
}

}  // namespace

namespace {

TEST_F(TskSkinScrollBarTest, AbsurdSkinGeometryDrawsLessButNeverBreaks) {
  const std::string h = skin_test::kHuge;
  const std::string base = "pictureindex=0\nskinrect=0,0,40,10\nlefttoppoint=5,5\nrighttoppoint=35,5\n";
  const struct {
    const char* name;
    std::string keys;
  } cases[] = {
      {"huge track", base + "trackarea=0,0," + h + "," + h + "\nthumbrect=0,0,6,6\n"},
      {"huge thumb", base + "trackarea=10,0,30,10\nthumbrect=0,0," + h + "," + h + "\nactivethumbrect=" + h + "," + h +
                         "," + h + "," + h + "\nthumboffset1=" + h + "\nthumboffset2=" + h + "\n"},
      {"zero thumb", base + "trackarea=10,0,30,10\nthumbrect=0,0,0,0\n"},
      {"huge buttons", base + "trackarea=10,0,30,10\nthumbrect=0,0,6,6\nupbuttonrect=0,0," + h + "," + h +
                           "\ndownbuttonrect=" + h + ",0," + h + ",10\nactiveupbuttonrect=0,0," + h + "," + h +
                           "\nactivedownbuttonrect=" + h + "," + h + "," + h + "," + h + "\n"},
      {"huge glyph", base + "trackarea=10,0,30,10\nthumbrect=0,0,6,6\nglyphrect=0,0," + h + "," + h + "\n"},
      {"no picture", "pictureindex=5\nskinrect=0,0,40,10\ntrackarea=10,0,30,10\nthumbrect=0,0,6,6\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadFixture(skin_test::OneRecord("scrollbar", c.keys), {skin_test::CoordinatePicture(48, 16)});
    for (ScrollBarKind kind : {ScrollBarKind::sbHorizontal, ScrollBarKind::sbVertical}) {
      TskSkinScrollBar* bar = Bar("r", kind, 160, 160);
      for (int32_t page : {0, 30}) {
        bar->AssignRange(0, 100, page, 40);
        Pump();
        for (gfx::Point at : {gfx::Point{2, 2}, gfx::Point{80, 5}, gfx::Point{5, 80}, gfx::Point{150, 5}}) {
          Press(*bar, at.x, at.y);
          MoveTo(*bar, at.x + 40, at.y + 40);
          Advance(600);
          Release(*bar, at.x + 40, at.y + 40);
        }
      }
      EXPECT_GE(bar->Position(), 0);
      EXPECT_LE(bar->Position(), 100);
      form_->RemoveChild(bar).reset();
    }
  }
}

}  // namespace
