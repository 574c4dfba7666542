// The skinned check and radio boxes driven by real input: toggling, groups, OnClick on every
// assignment, keys, the flat looks with and without a record, and the faced look.
#include "skin/controls/TskSkinCheckRadioBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlTestEnv.h"
#include "ui/Panel.h"

namespace {

using skin::TskSkinCheckRadioBox;
using skin_test::SkinControlTest;

constexpr gfx::Color kFormColour = gfx::Rgb(1, 2, 3);

class CheckBoxTest : public SkinControlTest {
 protected:
  TskSkinCheckRadioBox* Make(const std::string& name, bool skinned = true, bool radio = false) {
    auto* b = form_->MakeChild<TskSkinCheckRadioBox>(form_);
    b->SetName(name);
    b->SetBounds(20, 20 + 30 * static_cast<int>(form_->ChildCount() - 1), 150, 25);
    if (radio) {
      b->SetRadio(true);
      b->SetSkinDataName("radiobox");
      b->SetGroupIndex(1);
    }
    if (skinned) b->SetSkinData(&skin_);
    b->OnClick = [this, name](ui::Component* sender) {
      clicks_.push_back(name + (static_cast<TskSkinCheckRadioBox*>(sender)->Checked() ? " on" : " off"));
    };
    return b;
  }
  void ClickOn(const ui::Control& c) {
    backend_->InjectMouseMove(ScreenPoint(c, 8, 12));
    backend_->Click(ScreenPoint(c, 8, 12));
    Pump();
  }
  gfx::Color Skin(int x, int y) const { return skin_.ActivePicture(0)->Pixel(x, y); }

  std::vector<std::string> clicks_;
};

TEST_F(CheckBoxTest, AFlatBoxKeepsItsSizeUnderAnySkin) {
  for (bool skinned : {true, false}) {
    TskSkinCheckRadioBox* b = Make("flat", skinned);
    EXPECT_EQ(b->Width(), 150);
    EXPECT_EQ(b->Height(), 25);
    b->SetBounds(20, 20, 200, 40);
    EXPECT_EQ(b->Height(), 40);
    EXPECT_EQ(b->Shape(), nullptr);
    resources::LoadEmbeddedSkin(skin_);  // a skin change sizes nothing either
    Pump();
    EXPECT_EQ(b->Width(), 200);
    EXPECT_EQ(b->Height(), 40);
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
  }
}

TEST_F(CheckBoxTest, ClicksToggleACheckBoxAndOnlyTurnOnARadioBox) {
  TskSkinCheckRadioBox* check = Make("check");
  TskSkinCheckRadioBox* radio = Make("radio", true, true);
  ClickOn(*check);
  ClickOn(*check);
  ClickOn(*radio);
  ClickOn(*radio);
  EXPECT_FALSE(check->Checked());
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(clicks_, (std::vector<std::string>{"check on", "check off", "radio on"}));
  // Released away from the box: no toggle.
  backend_->InjectMouseDown(ScreenPoint(*check, 8, 12));
  backend_->InjectMouseUp(ScreenPoint(*check, 8, 120));
  Pump();
  EXPECT_FALSE(check->Checked());
}

TEST_F(CheckBoxTest, EveryAssignmentFiresOnClickButARadioTurnedOff) {
  struct Case {
    bool radio;
    bool start;
    bool value;
    bool fires;
  };
  const Case cases[] = {
      {false, false, false, true}, {false, true, true, true},  {false, false, true, true},
      {true, false, true, true},   {true, true, true, true},   {true, true, false, false},
  };
  for (const Case& c : cases) {
    TskSkinCheckRadioBox* b = Make("b", true, c.radio);
    b->SetGroupIndex(0);
    b->SetChecked(c.start);
    clicks_.clear();
    b->SetChecked(c.value);
    EXPECT_EQ(clicks_.size(), c.fires ? 1u : 0u) << c.radio << c.start << c.value;
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
  }
}

TEST_F(CheckBoxTest, CheckingARadioUnchecksTheRestOfItsGroup) {
  TskSkinCheckRadioBox* one = Make("one", true, true);
  TskSkinCheckRadioBox* two = Make("two", true, true);
  TskSkinCheckRadioBox* other_group = Make("three", true, true);
  other_group->SetGroupIndex(2);
  other_group->SetChecked(true);
  // Under another parent the same group index is another group.
  auto* panel = form_->MakeChild<ui::Panel>(form_);
  panel->SetBounds(300, 0, 200, 100);
  auto* elsewhere = panel->MakeChild<TskSkinCheckRadioBox>(form_);
  elsewhere->SetRadio(true);
  elsewhere->SetGroupIndex(1);
  elsewhere->SetChecked(true);
  clicks_.clear();
  ClickOn(*one);
  ClickOn(*two);
  EXPECT_FALSE(one->Checked());
  EXPECT_TRUE(two->Checked());
  EXPECT_TRUE(other_group->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(clicks_, (std::vector<std::string>{"one on", "two on"}));
}

TEST_F(CheckBoxTest, SpaceAndTheAcceleratorToggleTheBox) {
  TskSkinCheckRadioBox* b = Make("keys");
  b->SetCaption("约束比例(&K)");
  EXPECT_FALSE(b->TabStop());
  backend_->InjectKeyDown(platform::kVkMenu);
  backend_->PressKey('K');
  backend_->InjectKeyUp(platform::kVkMenu);
  Pump();
  EXPECT_EQ(form_->ActiveControl(), b);
  EXPECT_TRUE(b->Checked());
  backend_->PressKey(platform::kVkSpace);
  Pump();
  EXPECT_FALSE(b->Checked());
  b->SetCanFocused(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_FALSE(b->TabStop());
}

struct FlatLookCase {
  const char* name;
  bool radio, checked, enabled, hot;
};

TEST_F(CheckBoxTest, TheFlatSkinnedBoxCopiesItsCheckImageOverTheParent) {
  const FlatLookCase cases[] = {
      {"check unchecked", false, false, true, false}, {"check checked", false, true, true, false},
      {"check hot", false, false, true, true},        {"check checked hot", false, true, true, true},
      {"check disabled", false, true, false, false},  {"radio checked", true, true, true, false},
      {"radio hot", true, false, true, true},         {"radio disabled", true, false, false, false},
  };
  for (const FlatLookCase& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinCheckRadioBox* b = Make(c.name, true, c.radio);
    b->SetChecked(c.checked);
    b->SetEnabled(c.enabled);
    if (c.hot) backend_->InjectMouseMove(ScreenPoint(*b, 100, 12));
    Pump();
    const gfx::Rect r = b->SkinFields().CheckImage(c.enabled, c.hot, c.checked);
    ASSERT_EQ(r.Width(), 14);
    const gfx::Color key = Skin(r.left, r.bottom - 1);
    // The image sits at x = 3, y = 25 div 2 - 14 div 2 = 5; the key colour shows the parent.
    for (int y = 0; y < 14; ++y) {
      for (int x = 0; x < 14; ++x) {
        const gfx::Color want = Skin(r.left + x, r.top + y) == key ? kFormColour : Skin(r.left + x, r.top + y);
        ASSERT_EQ(PixelAt(*b, 3 + x, 5 + y), want) << x << "," << y;
      }
    }
    EXPECT_EQ(PixelAt(*b, 1, 1), kFormColour);
    backend_->InjectMouseMove(ScreenPoint(*form_, 590, 390));
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
  }
}

TEST_F(CheckBoxTest, ThePlainFlatBoxDrawsItsSquareAndMark) {
  struct Case {
    const char* name;
    bool radio, checked, enabled, hot;
    gfx::Color frame, mark;  // mark: a pixel every mark covers, (9, 13) on a 25 high box
  };
  const Case cases[] = {
      {"unchecked", false, false, true, false, ui::kColorBtnShadow, kFormColour},
      {"hot", false, false, true, true, skin::kPlainFrame, kFormColour},
      {"checked", false, true, true, false, ui::kColorBtnShadow, gfx::kBlack},
      {"checked disabled", false, true, false, false, ui::kColorBtnShadow, ui::kColorBtnShadow},
      {"radio checked", true, true, true, false, ui::kColorBtnShadow, gfx::kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinCheckRadioBox* b = Make(c.name, false, c.radio);
    b->SetChecked(c.checked);
    b->SetEnabled(c.enabled);
    if (c.hot) backend_->InjectMouseMove(ScreenPoint(*b, 100, 12));
    Pump();
    // The square runs from (3, 5) to (17, 19).
    EXPECT_EQ(PixelAt(*b, 3, 5), c.frame);
    EXPECT_EQ(PixelAt(*b, 16, 18), c.frame);
    EXPECT_EQ(PixelAt(*b, 9, 13), c.mark);
    EXPECT_EQ(PixelAt(*b, 1, 1), kFormColour);
    backend_->InjectMouseMove(ScreenPoint(*form_, 590, 390));
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
  }
}

TEST_F(CheckBoxTest, TheFocusedFlatBoxFramesItsCaption) {
  for (bool skinned : {true, false}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    TskSkinCheckRadioBox* b = Make("focus", skinned);
    b->SetCaption("自定义图片大小");
    b->SetCanFocused(true);
    auto framed = [&] {
      Pump();
      // The caption starts at 21 (skinned: image 14 + 7) or 22 (plain); its frame 2 pixels left.
      const int x = skinned ? 19 : 20;
      int marked = 0;
      for (int y = 0; y < b->Height(); ++y) marked += PixelAt(*b, x, y) != kFormColour;
      return marked;
    };
    EXPECT_EQ(framed(), 0);
    b->SetFocus();
    EXPECT_GT(framed(), 3);
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
  }
}

TEST_F(CheckBoxTest, ABoxThatIsNotFlatHasTheRecordsFace) {
  TskSkinCheckRadioBox* b = Make("faced");
  b->SetFlat(false);
  b->SetBounds(20, 20, 150, 25);
  EXPECT_EQ(b->Height(), 20);  // "checkbox" sizes horizontally
  EXPECT_EQ(b->Width(), 150);
  // Left end of skinrect 207,28,247,48; active face 249,28,...
  EXPECT_EQ(PixelAt(*b, 1, 1), Skin(208, 29));
  backend_->InjectMouseMove(ScreenPoint(*b, 100, 10));
  Pump();
  EXPECT_EQ(PixelAt(*b, 1, 1), Skin(250, 29));
  // The check image is centred in checkimagearea 2,3,16,17.
  const gfx::Rect r = b->SkinFields().activeuncheckimagerect;
  EXPECT_EQ(PixelAt(*b, 2 + 7, 3 + 7), Skin(r.left + 7, r.top + 7));
}

TEST_F(CheckBoxTest, BrokenCheckImagesNeverReadOutsideThePicture) {
  const char* rects[] = {
      "checkimagerect=60,20,74,34\nuncheckimagerect=100000,0,100014,14\n",
      "checkimagerect=0,0,0,0\nuncheckimagerect=5,5,5,5\ntextarea=30,0,10,20\ncheckimagearea=50,50,0,0\n",
      "checkimagerect=0,0,9000,9000\nactiveskinrect=0,0,9000,9000\n",
  };
  for (const char* r : rects) {
    SCOPED_TRACE(r);
    std::string ini = "[SKINCONTROLS]\ncount=1\n0=checkbox:checkradio\n[checkbox]\npictureindex=0\n";
    ini += "skinrect=0,0,40,20\nlefttoppoint=4,10\nrighttoppoint=36,10\nclientrect=0,0,40,20\n";
    ini += r;
    LoadFixture(ini, {skin_test::CoordinatePicture(64, 24)});
    for (bool flat : {true, false}) {
      TskSkinCheckRadioBox* b = Make("broken");
      b->SetFlat(flat);
      b->SetCaption("x");
      for (bool checked : {false, true}) {
        b->SetChecked(checked);
        backend_->InjectMouseMove(ScreenPoint(*b, 5, 5));
        Pump();
        backend_->InjectMouseMove(ScreenPoint(*form_, 590, 390));
        Pump();
      }
      std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
    }
  }
}

}  // namespace
