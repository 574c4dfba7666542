// The skinned tool bar: skin handed to its buttons, and the scroll arrows when the row does not fit.
#include "skin/controls/TskSkinToolBar.h"

#include <gtest/gtest.h>

#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinSpeedButton.h"

namespace {

using skin::TskSkinToolBar;

class TskSkinToolBarTest : public skin_test::RangeControlTest {
 protected:
  // A tool bar `width` wide holding eight 25-pixel speed buttons side by side (200 pixels).
  TskSkinToolBar* Bar(int width, bool can_scroll) {
    auto* bar = form_->MakeChild<TskSkinToolBar>(form_);
    bar->SetBounds(20, 20, width, 25);
    for (int i = 0; i < 8; ++i) {
      auto* b = bar->MakeChild<skin::TskSkinSpeedButton>(form_);
      b->SetBounds(i * 25, 0, 25, 25);
      buttons_.push_back(b);
    }
    bar->SetCanScroll(can_scroll);
    Pump();
    return bar;
  }
  std::vector<skin::TskSkinSpeedButton*> buttons_;
};

TEST_F(TskSkinToolBarTest, SkinDataReachesEveryButtonAndBevel) {
  TskSkinToolBar* bar = Bar(300, false);
  auto* bevel = bar->MakeChild<skin::TskSkinBevel>(form_);
  EXPECT_EQ(bar->SkinDataName(), "toolpanel");
  EXPECT_EQ(bar->Height(), 25);
  bar->SetSkinData(&skin_);
  for (auto* b : buttons_) EXPECT_EQ(b->SkinData(), &skin_);
  EXPECT_EQ(bevel->SkinData(), &skin_);
  bar->SetFlat(true);
  for (auto* b : buttons_) EXPECT_TRUE(b->Flat());
}

TEST_F(TskSkinToolBarTest, WithoutScrollingTheButtonsKeepTheirPlaces) {
  TskSkinToolBar* bar = Bar(300, false);
  bar->SetWidth(60);
  Pump();
  EXPECT_FALSE(bar->ScrollMode());
  EXPECT_EQ(bar->ClientRect(), (gfx::Rect{0, 0, 60, 25}));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(buttons_[static_cast<size_t>(i)]->Left(), i * 25);
}

TEST_F(TskSkinToolBarTest, HoldingAnArrowScrollsUntilTheEndIsInView) {
  TskSkinToolBar* bar = Bar(100, true);
  ASSERT_TRUE(bar->ScrollMode());
  EXPECT_EQ(bar->ClientRect(), (gfx::Rect{12, 0, 88, 25}));
  EXPECT_EQ(bar->ContentExtent(), 200);

  // Held: a step of one client width (76) every 50 ms, up to the row's end (200 - 76 + 1).
  const gfx::Point right = bar->ClientToScreen({bar->ClientWidth() + 5, 10});
  backend_->InjectMouseMove(right);
  backend_->InjectMouseDown(right);
  Pump();
  EXPECT_EQ(bar->ScrollPosition(), 0);
  Advance(50);
  EXPECT_EQ(bar->ScrollPosition(), 76);
  Advance(50);
  EXPECT_EQ(bar->ScrollPosition(), 125);
  Advance(50);
  backend_->InjectMouseUp(right);
  Pump();
  EXPECT_EQ(bar->ScrollPosition(), 125);
  EXPECT_EQ(buttons_[0]->Left(), -125);
  EXPECT_LE(buttons_[7]->Left() + 25, bar->ClientWidth() + 1);

  // A click on the left arrow with an offset set steps once, on release.
  bar->SetScrollOffset(30);
  const gfx::Point left = bar->ClientToScreen({-5, 10});
  backend_->Click(left);
  Pump();
  EXPECT_EQ(bar->ScrollPosition(), 95);
  EXPECT_EQ(buttons_[0]->Left(), -95);

  // Room for everything: the row goes back and the arrows go.
  bar->SetWidth(300);
  Pump();
  EXPECT_FALSE(bar->ScrollMode());
  EXPECT_EQ(bar->ScrollPosition(), 0);
  EXPECT_EQ(buttons_[0]->Left(), 0);
}

TEST_F(TskSkinToolBarTest, HotScrollRunsWhileThePointerRestsOnAnArrow) {
  TskSkinToolBar* bar = Bar(100, true);
  bar->SetHotScroll(true);
  bar->SetScrollOffset(10);
  MoveToScreen(bar->ClientToScreen({bar->ClientWidth() + 5, 10}));
  Advance(50);
  Advance(50);
  EXPECT_EQ(bar->ScrollPosition(), 20);
  MoveToScreen(bar->ClientToScreen({30, 10}));
  Advance(50);
  EXPECT_EQ(bar->ScrollPosition(), 20);
}

TEST_F(TskSkinToolBarTest, PlainArrowsInTheButtonLook) {
  TskSkinToolBar* bar = Bar(100, true);
  EXPECT_EQ(PixelAt(*bar, -12, 0), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*bar, -6, 2), ui::kColorBtnFace);
  MoveTo(*bar, -6, 10);
  EXPECT_EQ(PixelAt(*bar, -12, 0), gfx::Rgb(0, 0, 128));
  EXPECT_EQ(PixelAt(*bar, -6, 2), gfx::Rgb(182, 189, 210));
}

}  // namespace
