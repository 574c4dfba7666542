// The up-down control: skin size and buttons, clicks, the 500/100 ms repeat, pauses, bounds and the plain look.
#include "skin/controls/TskSkinUpDown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeControlTestEnv.h"

namespace {

using skin::TskSkinUpDown;
using skin::UpDownOrientation;

class TskSkinUpDownTest : public skin_test::RangeControlTest {
 protected:
  TskSkinUpDown* UpDown(const std::string& name, int w = 50, int h = 25) {
    auto* c = Make<TskSkinUpDown>(name, 30, 30, w, h);
    c->OnChange = [this](ui::Component* s) {
      log_.push_back("change " + std::to_string(static_cast<TskSkinUpDown*>(s)->Position()));
    };
    c->OnUpButtonClick = [this](ui::Component*) { log_.push_back("up"); };
    c->OnDownButtonClick = [this](ui::Component*) { log_.push_back("down"); };
    return c;
  }
  void AdvanceTo(uint64_t ms) { Advance(ms - backend_->NowMs()); }
  std::vector<std::string> log_;
};

TEST_F(TskSkinUpDownTest, ProgramSkinGivesTheSizeAndTheButtons) {
  TskSkinUpDown* c = UpDown("hupdown");
  EXPECT_EQ(c->Width(), 36);
  EXPECT_EQ(c->Height(), 18);
  EXPECT_EQ(c->ButtonRect(TskSkinUpDown::kUpButton), (gfx::Rect{18, 0, 36, 18}));
  EXPECT_EQ(c->ButtonRect(TskSkinUpDown::kDownButton), (gfx::Rect{0, 0, 18, 18}));
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  EXPECT_EQ(PixelAt(*c, 27, 9), pic.Pixel(142 + 27, 171 + 9));
  MoveTo(*c, 27, 9);
  EXPECT_EQ(PixelAt(*c, 27, 9), pic.Pixel(61 + 9, 183 + 9));   // activeupbuttonrect
  Press(*c, 27, 9);
  EXPECT_EQ(PixelAt(*c, 27, 9), pic.Pixel(121 + 9, 184 + 9));  // downupbuttonrect
  Release(*c, 27, 9);
  MoveTo(*c, 5, 9);
  EXPECT_EQ(PixelAt(*c, 5, 9), pic.Pixel(43 + 5, 183 + 9));    // activedownbuttonrect
  EXPECT_EQ(PixelAt(*c, 27, 9), pic.Pixel(142 + 27, 171 + 9));
}

TEST_F(TskSkinUpDownTest, AClickStepsOnReleaseThenFiresTheButtonsClick) {
  TskSkinUpDown* c = UpDown("hupdown");
  Press(*c, 27, 9);
  EXPECT_TRUE(log_.empty());  // the press alone changes nothing
  Release(*c, 27, 9);
  EXPECT_EQ(log_, (std::vector<std::string>{"change 1", "up"}));
  log_.clear();
  Press(*c, 5, 9);
  Release(*c, 5, 9);
  EXPECT_EQ(log_, (std::vector<std::string>{"change 0", "down"}));
  // At a bound the click still fires but the position stays and OnChange does not.
  log_.clear();
  Press(*c, 5, 9);
  Release(*c, 5, 9);
  EXPECT_EQ(log_, (std::vector<std::string>{"down"}));
  EXPECT_EQ(c->Position(), 0);
}

TEST_F(TskSkinUpDownTest, HoldingRepeatsAfter500ThenEvery100Ms) {
  TskSkinUpDown* c = UpDown("hupdown");
  Press(*c, 27, 9);
  const struct {
    uint64_t at;
    int32_t position;
  } steps[] = {{499, 0}, {500, 0}, {599, 0}, {600, 1}, {699, 1}, {700, 2}, {750, 2}};
  for (const auto& s : steps) {
    AdvanceTo(s.at);
    EXPECT_EQ(c->Position(), s.position) << s.at;
  }
  Release(*c, 27, 9);
  EXPECT_EQ(c->Position(), 3);
  AdvanceTo(2000);
  EXPECT_EQ(c->Position(), 3);
}

TEST_F(TskSkinUpDownTest, OffTheHeldButtonTheRepeatPausesAndTheOtherNeverLights) {
  TskSkinUpDown* c = UpDown("hupdown");
  Press(*c, 27, 9);
  AdvanceTo(500);
  AdvanceTo(600);
  ASSERT_EQ(c->Position(), 1);
  MoveTo(*c, 5, 9);  // onto the other button
  EXPECT_EQ(c->HotButton(), TskSkinUpDown::kNoButton);
  EXPECT_FALSE(c->ButtonActive(TskSkinUpDown::kDownButton));
  AdvanceTo(700);
  AdvanceTo(900);
  EXPECT_EQ(c->Position(), 1);
  MoveTo(*c, 27, 9);  // back: 50 ms later the next step
  AdvanceTo(949);
  EXPECT_EQ(c->Position(), 1);
  AdvanceTo(950);
  EXPECT_EQ(c->Position(), 2);
  // Released over the other button: no step and no click.
  MoveTo(*c, 5, 9);
  log_.clear();
  Release(*c, 5, 9);
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(c->Position(), 2);
}

TEST_F(TskSkinUpDownTest, PositionAndBounds) {
  TskSkinUpDown* c = UpDown("hupdown");
  c->SetPosition(0);
  EXPECT_EQ(log_, (std::vector<std::string>{"change 0"}));  // even the present value
  c->SetPosition(101);
  c->SetPosition(-1);
  EXPECT_EQ(c->Position(), 0);
  c->SetPosition(60);
  log_.clear();
  c->SetMax(50);
  EXPECT_EQ(c->Position(), 50);
  c->SetMin(55);  // inside out: every step is refused, nothing breaks
  EXPECT_EQ(c->Position(), 55);
  Press(*c, 27, 9);
  for (uint64_t t = 100; t <= 1000; t += 100) AdvanceTo(t);
  Release(*c, 27, 9);
  EXPECT_EQ(c->Position(), 55);
  EXPECT_EQ(log_, (std::vector<std::string>{"up"}));
  // Increment 0: the buttons still click.
  c->SetMin(0);
  c->SetIncrement(0);
  log_.clear();
  Press(*c, 5, 9);
  AdvanceTo(2000);
  Release(*c, 5, 9);
  EXPECT_EQ(log_, (std::vector<std::string>{"down"}));
}

TEST_F(TskSkinUpDownTest, PlainLookHalvesTheControl) {
  TskSkinUpDown* c = UpDown("nosuchrecord", 50, 25);
  EXPECT_EQ(c->ButtonRect(TskSkinUpDown::kDownButton), (gfx::Rect{0, 0, 25, 25}));
  EXPECT_EQ(c->ButtonRect(TskSkinUpDown::kUpButton), (gfx::Rect{25, 0, 50, 25}));
  EXPECT_EQ(PixelAt(*c, 25, 0), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*c, 37, 12), gfx::kBlack);  // the arrow's tip row
  MoveTo(*c, 40, 3);
  EXPECT_EQ(PixelAt(*c, 25, 0), skin::kPlainFrame);
  EXPECT_EQ(PixelAt(*c, 27, 3), skin::kPlainHotFill);
  Press(*c, 40, 3);
  EXPECT_EQ(PixelAt(*c, 27, 3), skin::kPlainPressedFill);
  Release(*c, 40, 3);
  c->SetOrientation(UpDownOrientation::udVertical);
  EXPECT_EQ(c->ButtonRect(TskSkinUpDown::kUpButton), (gfx::Rect{0, 0, 50, 12}));
  EXPECT_EQ(c->ButtonRect(TskSkinUpDown::kDownButton), (gfx::Rect{0, 12, 50, 25}));
}

TEST_F(TskSkinUpDownTest, DisabledOrFreedWhileHeld) {
  TskSkinUpDown* c = UpDown("hupdown");
  Press(*c, 27, 9);
  AdvanceTo(500);
  AdvanceTo(600);
  ASSERT_EQ(c->Position(), 1);
  c->SetEnabled(false);
  for (uint64_t t = 700; t <= 1500; t += 100) AdvanceTo(t);
  EXPECT_EQ(c->Position(), 1);
  EXPECT_EQ(c->PressedButton(), TskSkinUpDown::kNoButton);
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  ReleaseAtScreen(ScreenPoint(*c, 27, 9));
  EXPECT_EQ(c->Position(), 1);

  TskSkinUpDown* d = UpDown("hupdown");
  d->OnChange = [&](ui::Component*) { form_->RemoveChild(d).reset(); };
  const gfx::Point at = ScreenPoint(*d, 27, 9);
  Press(*d, 27, 9);
  AdvanceTo(2000);
  AdvanceTo(2100);
  AdvanceTo(2200);
  ReleaseAtScreen(at);
  EXPECT_EQ(form_->ChildCount(), 1u);
  EXPECT_EQ(app_->NextTimerDelay(), -1);
}

}  // namespace

namespace {

TEST_F(TskSkinUpDownTest, AbsurdSkinGeometryDrawsLessButNeverBreaks) {
  const std::string h = skin_test::kHuge;
  const struct {
    const char* name;
    std::string keys;
  } cases[] = {
      {"huge buttons", "pictureindex=0\nskinrect=0,0,36,18\nupbuttonrect=0,0," + h + "," + h + "\ndownbuttonrect=" + h +
                           "," + h + "," + h + "," + h + "\nactiveupbuttonrect=0,0," + h + "," + h + "\n"},
      {"images far away", "pictureindex=0\nskinrect=0,0,36,18\nupbuttonrect=18,0,36,18\ndownbuttonrect=0,0,18,18\n"
                          "activeupbuttonrect=" + h + ",0," + h + ",18\ndownupbuttonrect=900,900,918,918\n"},
      {"no picture", "pictureindex=4\nskinrect=0,0,36,18\nupbuttonrect=18,0,36,18\ndownbuttonrect=0,0,18,18\n"},
      {"huge image", "pictureindex=0\nskinrect=0,0," + h + ",18\nupbuttonrect=18,0,36,18\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadFixture(skin_test::OneRecord("updown", c.keys), {skin_test::CoordinatePicture(48, 24)});
    TskSkinUpDown* u = UpDown("r");
    for (gfx::Point at : {gfx::Point{5, 5}, gfx::Point{27, 9}}) {
      Press(*u, at.x, at.y);
      Advance(500);
      Advance(100);
      Release(*u, at.x, at.y);
    }
    EXPECT_GE(u->Position(), 0);
    form_->RemoveChild(u).reset();
  }
}

}  // namespace
