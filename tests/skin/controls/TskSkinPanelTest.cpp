// Panels, group boxes and status bars: where children go, checking, rolling up and caption clicks.
#include "skin/controls/TskSkinPanel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/controls/SkinControlTestEnv.h"
#include "skin/controls/TskSkinLabel.h"
#include "ui/Panel.h"

namespace {

using skin::SkinBorderStyle;
using skin::TskSkinPanel;
using skin_test::SkinControlTest;

class TskSkinPanelTest : public SkinControlTest {
 protected:
  template <class T = TskSkinPanel>
  T* Make(int w, int h, bool bind) {
    auto* p = form_->MakeChild<T>(form_);
    p->SetBounds(10, 10, w, h);
    if (bind) p->SetSkinData(&skin_);
    return p;
  }
  // A child aligned to the whole client area shows where the panel lays its children out.
  ui::Control* ClientChild(ui::WinControl* parent) {
    auto* c = parent->AddChild(std::make_unique<ui::Panel>());
    c->SetAlign(ui::Align::kClient);
    return c;
  }
};

TEST_F(TskSkinPanelTest, ChildrenAreLaidOutInTheClientArea) {
  struct Case {
    const char* name;
    bool bind;
    const char* record;
    SkinBorderStyle border;
    bool caption;
    gfx::Rect client;
  };
  const Case cases[] = {
      {"plain framed", false, "panel", SkinBorderStyle::bvFrame, false, {1, 1, 149, 69}},
      {"plain borderless", false, "panel", SkinBorderStyle::bvNone, false, {0, 0, 150, 70}},
      // Inside the 1-pixel border, below the caption bar.
      {"plain caption", false, "panel", SkinBorderStyle::bvFrame, true, {1, 23, 149, 69}},
      {"plain borderless caption", false, "panel", SkinBorderStyle::bvNone, true, {0, 22, 150, 70}},
      // The program's "panel" is nine-part with clientrect 1,1,23,23 in 24 x 24.
      {"skinned framed", true, "panel", SkinBorderStyle::bvFrame, false, {1, 1, 149, 69}},
      {"skinned texture", true, "panel", SkinBorderStyle::bvNone, false, {0, 0, 150, 70}},
      {"skinned borderless caption", true, "panel", SkinBorderStyle::bvNone, true, {1, 1, 149, 69}},
      // "groupbox": 40 x 44 with clientrect 1,21,39,40.
      {"group box", true, "groupbox", SkinBorderStyle::bvFrame, true, {1, 21, 149, 66}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinPanel* p = Make(150, 70, false);
    p->SetSkinDataName(c.record);
    p->SetBorderStyle(c.border);
    p->SetCaptionMode(c.caption);
    ui::Control* child = ClientChild(p);
    if (c.bind) p->SetSkinData(&skin_);
    EXPECT_EQ(child->BoundsRect(), c.client);
  }
}

TEST_F(TskSkinPanelTest, ABorderlessNinePartPanelShowsOnlyItsInnerTexture) {
  // The "panel" texture is the client part 1,1,23,23 of skinrect 230,50,254,74, tiled from (0, 0).
  TskSkinPanel* p = Make(100, 60, false);
  p->SetBorderStyle(SkinBorderStyle::bvNone);
  p->SetSkinData(&skin_);
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  for (gfx::Point at : {gfx::Point{0, 0}, gfx::Point{21, 3}, gfx::Point{22, 23}, gfx::Point{99, 59}}) {
    SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
    EXPECT_EQ(PixelAt(*p, at.x, at.y), pic.Pixel(231 + at.x % 22, 51 + at.y % 22));
  }
}

TEST_F(TskSkinPanelTest, CheckingEnablesTheChildrenAndAlwaysFires) {
  struct Case {
    bool checked_mode;
    bool auto_enabled;
    bool value;
    bool children_enabled;
  };
  const Case cases[] = {
      {true, true, false, false},
      {true, true, true, true},
      {true, false, false, true},
      {false, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.checked_mode) + std::to_string(c.auto_enabled) + std::to_string(c.value));
    TskSkinPanel* p = Make(100, 60, true);
    p->SetCheckedMode(c.checked_mode);
    p->SetAutoEnabledControls(c.auto_enabled);
    ui::Control* a = ClientChild(p);
    ui::Control* b = ClientChild(p);
    int fired = 0;
    p->OnChecked = [&](ui::Component*) { ++fired; };
    p->SetChecked(c.value);
    p->SetChecked(c.value);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(a->Enabled(), c.children_enabled);
    EXPECT_EQ(b->Enabled(), c.children_enabled);
    EXPECT_EQ(p->Checked(), c.value);
  }
}

TEST_F(TskSkinPanelTest, RollingUpKeepsTheCaptionAndGivesBackTheSameChildren) {
  struct Case {
    const char* name;
    bool bind;
    const char* record;
    int rolled;
  };
  const Case cases[] = {
      {"plain", false, "panel", 23},        // DefaultCaptionHeight + 1
      {"group box", true, "groupbox", 25},  // the height less the client height: 44 - 19
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinPanel* p = Make(150, 120, false);
    p->SetSkinDataName(c.record);
    p->SetCaptionMode(true);
    if (c.bind) p->SetSkinData(&skin_);
    ui::Control* shown = ClientChild(p);
    ui::Control* hidden = ClientChild(p);
    hidden->Hide();
    p->SetRollUpState(true);
    EXPECT_FALSE(p->RollUpState()) << "without RollUpMode the panel stays down";
    p->SetRollUpMode(true);
    p->SetRollUpState(true);
    EXPECT_EQ(p->Height(), c.rolled);
    EXPECT_EQ(p->RealHeight(), 120);
    EXPECT_FALSE(shown->Visible());
    p->SetRollUpState(false);
    EXPECT_EQ(p->Height(), 120);
    EXPECT_EQ(p->RealHeight(), -1);
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hidden->Visible());
  }
}

TEST_F(TskSkinPanelTest, AChildDestroyedWhileRolledUpIsForgotten) {
  TskSkinPanel* p = Make(150, 120, false);
  p->SetCaptionMode(true);
  p->SetRollUpMode(true);
  ui::Control* child = ClientChild(p);
  p->SetRollUpState(true);
  std::unique_ptr<ui::Control> held = p->RemoveChild(child);
  held.reset();
  p->SetRollUpState(false);
  EXPECT_EQ(p->Height(), 120);
  EXPECT_EQ(p->ChildCount(), 0u);
}

TEST_F(TskSkinPanelTest, ACaptionClickChecksAndRolls) {
  TskSkinPanel* p = Make(150, 120, false);
  p->SetCaptionMode(true);
  p->SetCheckedMode(true);
  p->SetRollUpMode(true);
  Pump();
  backend_->Click(ScreenPoint(*p, 60, 60));  // below the caption: nothing
  Pump();
  EXPECT_FALSE(p->Checked());
  EXPECT_FALSE(p->RollUpState());
  backend_->Click(ScreenPoint(*p, 60, 10));
  Pump();
  EXPECT_TRUE(p->Checked());
  EXPECT_TRUE(p->RollUpState());
  EXPECT_EQ(p->Height(), 23);
  backend_->Click(ScreenPoint(*p, 60, 10));
  Pump();
  EXPECT_FALSE(p->Checked());
  EXPECT_EQ(p->Height(), 120);
}

TEST_F(TskSkinPanelTest, ASkinChangeRollsARolledPanelUpForTheNewSkin) {
  TskSkinPanel* p = Make(150, 120, false);
  p->SetSkinDataName("groupbox");
  p->SetCaptionMode(true);
  p->SetRollUpMode(true);
  p->SetRollUpState(true);
  EXPECT_EQ(p->Height(), 23);
  p->SetSkinData(&skin_);
  EXPECT_EQ(p->Height(), 25);
  EXPECT_EQ(p->RealHeight(), 120);
  p->SetRollUpState(false);
  EXPECT_EQ(p->Height(), 120);
}

TEST_F(TskSkinPanelTest, AStatusBarHandsItsSkinDataToItsSkinnedChildren) {
  auto* bar = form_->MakeChild<skin::TskSkinStatusBar>(form_);
  EXPECT_EQ(bar->GetAlign(), ui::Align::kBottom);
  EXPECT_EQ(bar->Height(), 21);
  EXPECT_EQ(bar->Top(), form_->ClientHeight() - 21);
  auto* text = bar->AddChild(std::make_unique<skin::TskSkinStatusPanel>());
  ui::Control* other = ClientChild(bar);
  bar->SetSkinData(&skin_);
  EXPECT_EQ(text->SkinData(), &skin_);
  EXPECT_NE(text->RecordIndex(), skin::TskSkinControl::kNoRecord);
  (void)other;
}

}  // namespace
