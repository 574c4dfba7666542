// The skinned push button driven by real input on the headless backend: sizing, images, fading,
// clicks, repeat, groups, keys, default and cancel, and handlers that disable or destroy it.
#include "skin/controls/TskSkinButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlTestEnv.h"
#include "ui/Panel.h"

namespace {

using skin::TskSkinButton;
using skin_test::SkinControlTest;

class SkinButtonTest : public SkinControlTest {
 protected:
  TskSkinButton* Make(const std::string& name, bool skinned = true, ui::WinControl* parent = nullptr) {
    if (parent == nullptr) parent = form_;
    auto* b = parent->MakeChild<TskSkinButton>(form_);
    b->SetName(name);
    b->SetBounds(20, 20 + 30 * static_cast<int>(parent->ChildCount() - 1), 75, 25);
    if (skinned) b->SetSkinData(&skin_);
    b->OnClick = [this, name](ui::Component*) { clicks_.push_back({name, backend_->NowMs()}); };
    return b;
  }
  // Steps the virtual clock in 10 ms steps, as a running loop would see it.
  void Run(uint64_t ms) {
    for (uint64_t t = 0; t < ms; t += 10) Advance(10);
  }
  void MoveTo(const ui::Control& c, int x, int y) {
    backend_->InjectMouseMove(ScreenPoint(c, x, y));
    Pump();
  }
  void Press(const ui::Control& c, int x, int y) {
    MoveTo(c, x, y);
    backend_->InjectMouseDown(ScreenPoint(c, x, y));
    Pump();
  }
  void Release(const ui::Control& c, int x, int y) {
    backend_->InjectMouseUp(ScreenPoint(c, x, y));
    Pump();
  }
  void ClickOn(const ui::Control& c) {
    Press(c, 30, 10);
    Release(c, 30, 10);
  }
  std::vector<std::string> ClickNames() const {
    std::vector<std::string> names;
    for (const auto& c : clicks_) names.push_back(c.first);
    return names;
  }
  gfx::Color Skin(int x, int y) const { return skin_.ActivePicture(0)->Pixel(x, y); }

  std::vector<std::pair<std::string, uint64_t>> clicks_;
};

TEST_F(SkinButtonTest, TheButtonRecordSizesAndShapesTheButton) {
  TskSkinButton* b = Make("open");
  EXPECT_EQ(b->Width(), 75);
  EXPECT_EQ(b->Height(), 20);
  EXPECT_EQ(b->CurrentClientRect(), (gfx::Rect{7, 2, 68, 18}));
  EXPECT_EQ(b->SkinSizing(), skin::SkinSizingKind::kHorizontal);
  ASSERT_NE(b->Shape(), nullptr);
  EXPECT_TRUE(b->Shape()->Contains({37, 10}));
  EXPECT_EQ(b->SkinFields().activeskinrect, (gfx::Rect{3, 27, 63, 47}));
  EXPECT_EQ(b->SkinFields().downskinrect, (gfx::Rect{3, 49, 63, 69}));
  EXPECT_TRUE(b->SkinFields().morphing);
  EXPECT_EQ(b->SkinFields().morphkind, skin::MorphKind::mkgradient);
}

TEST_F(SkinButtonTest, ANormalButtonCopiesBothEndsAndTilesTheMiddle) {
  TskSkinButton* b = Make("open");
  // Row 3 lies above the caption; the mask keeps these columns.
  struct Case {
    int x;
    int source_x;
  };
  const Case cases[] = {{5, 8}, {11, 14}, {12, 15}, {45, 48}, {46, 15}, {60, 29}, {61, 49}, {70, 58}};
  for (const Case& c : cases) EXPECT_EQ(PixelAt(*b, c.x, 3), Skin(c.source_x, 8)) << c.x;
}

TEST_F(SkinButtonTest, AClickOutsideTheShapeReachesTheControlBelow) {
  auto* below = form_->MakeChild<ui::Panel>(form_);
  below->SetBounds(10, 10, 120, 60);
  int below_presses = 0;
  below->OnMouseDown = [&](ui::Control*, ui::MouseButton, ui::ShiftState, int, int) { ++below_presses; };
  TskSkinButton* b = Make("open");
  b->SetBounds(20, 20, 75, 25);
  ASSERT_NE(b->Shape(), nullptr);
  gfx::Point outside{-1, -1};
  for (int y = 0; y < b->Height() && outside.x < 0; ++y) {
    for (int x = 0; x < b->Width(); ++x) {
      if (!b->Shape()->Contains({x, y})) {
        outside = {x, y};
        break;
      }
    }
  }
  ASSERT_GE(outside.x, 0) << "the button's mask cuts nothing away";
  Press(*b, outside.x, outside.y);
  Release(*b, outside.x, outside.y);
  EXPECT_EQ(below_presses, 1);
  EXPECT_TRUE(clicks_.empty());
  ClickOn(*b);
  EXPECT_EQ(below_presses, 1);
  EXPECT_EQ(ClickNames(), std::vector<std::string>{"open"});
}

TEST_F(SkinButtonTest, HoveringFadesToTheActiveImageInTenTwentyMillisecondSteps) {
  TskSkinButton* b = Make("open");
  const gfx::Color normal = Skin(8, 8), active = Skin(8, 30);
  ASSERT_NE(normal, active);
  EXPECT_EQ(PixelAt(*b, 5, 3), normal);
  MoveTo(*b, 30, 10);
  EXPECT_DOUBLE_EQ(b->MorphFactor(), 0.0);
  for (int step = 1; step <= 10; ++step) {
    Advance(20);
    EXPECT_DOUBLE_EQ(b->MorphFactor(), step / 10.0) << step;
  }
  EXPECT_EQ(PixelAt(*b, 5, 3), active);
  Advance(20);  // the tick after the end stops the timer
  EXPECT_EQ(app_->NextTimerDelay(), -1);
  // Leaving fades back the same way.
  backend_->InjectMouseMove(ScreenPoint(*b, 200, 200));
  Pump();
  for (int step = 9; step >= 0; --step) {
    Advance(20);
    EXPECT_DOUBLE_EQ(b->MorphFactor(), step / 10.0) << step;
  }
  EXPECT_EQ(PixelAt(*b, 5, 3), normal);
}

TEST_F(SkinButtonTest, PressShowsTheDownImageAndAReleaseInsideClicksOnce) {
  TskSkinButton* b = Make("open");
  Press(*b, 30, 10);
  EXPECT_TRUE(b->Down());
  EXPECT_DOUBLE_EQ(b->MorphFactor(), 1.0);
  EXPECT_EQ(PixelAt(*b, 5, 3), Skin(8, 52));
  Release(*b, 30, 10);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(ClickNames(), std::vector<std::string>{"open"});
}

TEST_F(SkinButtonTest, AReleaseAwayFromTheButtonDoesNotClick) {
  struct Case {
    const char* name;
    std::vector<gfx::Point> moves;  // after the press, in the button's coordinates
    gfx::Point release;
    int clicks;
  };
  const Case cases[] = {
      {"inside", {}, {30, 10}, 1},
      {"100 px away", {}, {130, 10}, 0},
      {"dragged out", {{130, 10}}, {130, 10}, 0},
      {"out and back in", {{130, 10}, {40, 12}}, {40, 12}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clicks_.clear();
    TskSkinButton* b = Make(c.name);
    Press(*b, 30, 10);
    for (gfx::Point p : c.moves) MoveTo(*b, p.x, p.y);
    if (c.moves.size() == 1) {
      // Not shown down while outside (from the next fade tick on); the press focused it, so it
      // looks active.
      Run(250);
      EXPECT_EQ(PixelAt(*b, 5, 3), Skin(8, 30));
    }
    if (c.moves.size() == 2) {
      EXPECT_EQ(PixelAt(*b, 5, 3), Skin(8, 52));  // down again once back
    }
    Release(*b, c.release.x, c.release.y);
    EXPECT_EQ(static_cast<int>(clicks_.size()), c.clicks);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(app_->CaptureControl(), nullptr);
    MoveTo(*b, 200, 200);
  }
}

TEST_F(SkinButtonTest, RepeatClicksEveryIntervalWhileHeldAndOnRelease) {
  TskSkinButton* b = Make("repeat");
  b->SetRepeatMode(true);
  const uint64_t start = backend_->NowMs();
  Press(*b, 30, 10);
  Run(350);
  std::vector<uint64_t> at;
  for (const auto& c : clicks_) at.push_back(c.second - start);
  EXPECT_EQ(at, (std::vector<uint64_t>{100, 200, 300}));
  Release(*b, 30, 10);
  EXPECT_EQ(clicks_.size(), 4u);
  Run(300);
  EXPECT_EQ(clicks_.size(), 4u);
}

TEST_F(SkinButtonTest, LeavingAHeldRepeatButtonPausesItsRepeats) {
  TskSkinButton* b = Make("repeat");
  b->SetRepeatMode(true);
  b->SetRepeatInterval(50);
  Press(*b, 30, 10);
  Run(120);
  EXPECT_EQ(clicks_.size(), 2u);
  MoveTo(*b, 150, 10);
  Run(300);
  EXPECT_EQ(clicks_.size(), 2u);
  MoveTo(*b, 30, 10);
  Run(120);
  EXPECT_EQ(clicks_.size(), 4u);
  MoveTo(*b, 150, 10);
  Release(*b, 150, 10);  // released outside: no last click
  EXPECT_EQ(clicks_.size(), 4u);
}

TEST_F(SkinButtonTest, GroupsKeepOneButtonDownUnlessAllUpIsAllowed) {
  struct Step {
    int press;  // 0-based button pressed and released
    std::vector<bool> down;
    std::vector<std::string> clicks;  // clicks so far
  };
  struct Case {
    const char* name;
    bool allow_all_up;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"exclusive",
       false,
       {{0, {true, false, false}, {"b0"}},
        {1, {false, true, false}, {"b0", "b1"}},
        {1, {false, true, false}, {"b0", "b1"}},
        {2, {false, false, true}, {"b0", "b1", "b2"}}}},
      {"all up allowed",
       true,
       {{1, {false, true, false}, {"b1"}},
        {1, {false, false, false}, {"b1", "b1"}},
        {1, {false, true, false}, {"b1", "b1", "b1"}},
        {2, {false, true, true}, {"b1", "b1", "b1", "b2"}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* panel = form_->MakeChild<ui::Panel>(form_);
    panel->SetBounds(0, 0, 300, 200);
    clicks_.clear();
    std::vector<TskSkinButton*> group;
    for (int i = 0; i < 3; ++i) {
      const char* names[] = {"b0", "b1", "b2"};
      TskSkinButton* b = Make(names[i], true, panel);
      b->SetGroupIndex(1);
      b->SetAllowAllUp(c.allow_all_up);
      EXPECT_FALSE(b->CanFocused());
      group.push_back(b);
    }
    for (const Step& s : c.steps) {
      Press(*group[s.press], 30, 10);
      Release(*group[s.press], 30, 10);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(group[i]->Down(), s.down[i]) << "button " << i << " after pressing " << s.press;
      EXPECT_EQ(ClickNames(), s.clicks);
      EXPECT_NE(form_->ActiveControl(), group[s.press]);
    }
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(panel);
  }
}

TEST_F(SkinButtonTest, AGroupButtonClicksOnThePress) {
  TskSkinButton* b = Make("g");
  b->SetGroupIndex(2);
  Press(*b, 30, 10);
  EXPECT_EQ(ClickNames(), std::vector<std::string>{"g"});
  Release(*b, 30, 10);
  EXPECT_EQ(ClickNames(), std::vector<std::string>{"g"});
  EXPECT_TRUE(b->Down());
}

TEST_F(SkinButtonTest, SpaceEnterAndTheAcceleratorClickTheFocusedButton) {
  TskSkinButton* b = Make("open");
  b->SetCaption("&Open");
  TskSkinButton* other = Make("other");
  other->SetFocus();
  backend_->InjectKeyDown(platform::kVkMenu);
  backend_->PressKey('O');
  backend_->InjectKeyUp(platform::kVkMenu);
  Pump();
  EXPECT_EQ(form_->ActiveControl(), b);
  EXPECT_EQ(ClickNames(), std::vector<std::string>{"open"});
  backend_->InjectKeyDown(platform::kVkSpace);
  Pump();
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks_.size(), 1u);
  backend_->InjectKeyUp(platform::kVkSpace);
  Pump();
  EXPECT_FALSE(b->Down());
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_EQ(ClickNames(), (std::vector<std::string>{"open", "open", "open"}));
}

TEST_F(SkinButtonTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  TskSkinButton* ok = Make("ok");
  ok->SetDefault(true);
  TskSkinButton* cancel = Make("cancel");
  cancel->SetCancel(true);
  auto* field = form_->MakeChild<ui::WinControl>(form_);
  field->SetBounds(200, 20, 50, 20);
  field->SetFocus();
  Pump();
  // The default button looks active while the focus is on a control that is not a button.
  EXPECT_TRUE(ok->Hovered());
  EXPECT_TRUE(ok->ActsAsDefault());
  Run(250);
  EXPECT_EQ(PixelAt(*ok, 5, 3), Skin(8, 30));
  backend_->PressKey(platform::kVkReturn);
  backend_->PressKey(platform::kVkEscape);
  Pump();
  EXPECT_EQ(ClickNames(), (std::vector<std::string>{"ok", "cancel"}));
  // With another button focused, Enter is that button's and the default one looks normal.
  cancel->SetFocus();
  Pump();
  EXPECT_FALSE(ok->ActsAsDefault());
  EXPECT_FALSE(ok->Hovered());
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_EQ(ClickNames(), (std::vector<std::string>{"ok", "cancel", "cancel"}));
  Run(250);
  EXPECT_EQ(PixelAt(*ok, 5, 3), Skin(8, 8));
}

TEST_F(SkinButtonTest, AClickSetsTheModalResultOfItsForm) {
  TskSkinButton* b = Make("ok");
  b->SetModalResult(ui::kMrOk);
  ClickOn(*b);
  EXPECT_EQ(form_->ModalResult(), ui::kMrOk);
}

// A 4-cell glyph strip: cell n solid (n * 50, 0, 0) but for its bottom-left pixel (the key).
gfx::Bitmap FourCells() {
  gfx::Bitmap strip(16, 4, 24);
  for (int cell = 0; cell < 4; ++cell)
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        strip.SetPixel(cell * 4 + x, y, x == 0 && y == 3 ? gfx::Rgb(255, 0, 255) : gfx::Rgb((cell + 1) * 50, 0, 0));
  return strip;
}

TEST_F(SkinButtonTest, FourGlyphCellsShowHotPressedAndDisabled) {
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    TskSkinButton* b = Make("glyph", skinned);
    b->SetGlyph(FourCells());
    b->SetNumGlyphs(4);
    b->SetBounds(b->Left(), b->Top(), 40, 20);
    // Centred without a caption: x = 20 - (4 + 1) div 2, y = 10 - 2 (client rectangle of the
    // plain look is the whole button; the skinned one is 7,2,33,18, centre 20,10).
    auto cell = [&](bool pressed) { return PixelAt(*b, pressed ? 19 : 18, pressed ? 9 : 8); };
    EXPECT_EQ(cell(false), gfx::Rgb(50, 0, 0));
    MoveTo(*b, 30, 15);
    Run(250);
    EXPECT_EQ(cell(false), gfx::Rgb(200, 0, 0));
    Press(*b, 30, 15);
    EXPECT_EQ(cell(true), gfx::Rgb(150, 0, 0));
    Release(*b, 30, 15);
    MoveTo(*b, 200, 200);
    b->SetEnabled(false);
    EXPECT_EQ(cell(false), gfx::Rgb(100, 0, 0));
  }
}

TEST_F(SkinButtonTest, ThePlainLookFillsHotAndPressedInANavyFrame) {
  TskSkinButton* b = Make("plain", false);
  EXPECT_EQ(b->Height(), 25);
  EXPECT_EQ(PixelAt(*b, 0, 0), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*b, 3, 3), ui::kColorBtnFace);
  MoveTo(*b, 30, 10);
  EXPECT_EQ(PixelAt(*b, 0, 0), skin::kPlainFrame);
  EXPECT_EQ(PixelAt(*b, 3, 3), skin::kPlainHotFill);
  Press(*b, 30, 10);
  EXPECT_EQ(PixelAt(*b, 0, 0), skin::kPlainFrame);
  EXPECT_EQ(PixelAt(*b, 3, 3), skin::kPlainPressedFill);
  Release(*b, 30, 10);
  EXPECT_EQ(PixelAt(*b, 3, 3), skin::kPlainHotFill);  // still under the mouse
}

// What happens to a held repeating button.
enum class Fate { kDisabled, kHidden, kParentHidden, kParentDisabled, kDestroyed, kDestroyedByItsClick };

TEST_F(SkinButtonTest, AHeldRepeatStopsWhenItsButtonIsDisabledHiddenOrDestroyed) {
  struct Case {
    const char* name;
    Fate fate;
  };
  const Case cases[] = {
      {"disabled", Fate::kDisabled},          {"hidden", Fate::kHidden},
      {"parent hidden", Fate::kParentHidden}, {"parent disabled", Fate::kParentDisabled},
      {"destroyed", Fate::kDestroyed},        {"destroyed by its own click", Fate::kDestroyedByItsClick},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clicks_.clear();
    auto* panel = form_->MakeChild<ui::Panel>(form_);
    panel->SetBounds(0, 0, 300, 200);
    TskSkinButton* b = Make("held", true, panel);
    b->SetRepeatMode(true);
    if (c.fate == Fate::kDestroyedByItsClick) {
      b->OnClick = [&, panel](ui::Component* sender) {
        clicks_.push_back({"held", backend_->NowMs()});
        std::unique_ptr<ui::Control> gone = panel->RemoveChild(static_cast<ui::Control*>(sender));
      };
    }
    Press(*b, 30, 10);
    Run(150);
    ASSERT_EQ(clicks_.size(), 1u);
    ASSERT_EQ(app_->CaptureControl() == nullptr, c.fate == Fate::kDestroyedByItsClick);
    switch (c.fate) {
      case Fate::kDisabled: b->SetEnabled(false); break;
      case Fate::kHidden: b->Hide(); break;
      case Fate::kParentHidden: panel->Hide(); break;
      case Fate::kParentDisabled: panel->SetEnabled(false); break;
      case Fate::kDestroyed: {
        std::unique_ptr<ui::Control> gone = panel->RemoveChild(b);
        break;
      }
      case Fate::kDestroyedByItsClick: break;
    }
    Pump();
    EXPECT_EQ(app_->CaptureControl(), nullptr);
    Run(500);
    EXPECT_EQ(clicks_.size(), 1u);
    if (c.fate != Fate::kDestroyed && c.fate != Fate::kDestroyedByItsClick) {
      EXPECT_FALSE(b->Down());
    }
    backend_->InjectMouseUp(ScreenPoint(*form_, 0, 0));
    Pump();
    EXPECT_EQ(clicks_.size(), 1u);
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(panel);
  }
}

TEST_F(SkinButtonTest, AClickHandlerMayDestroyItsButton) {
  for (bool hovered_fade : {false, true}) {
    TskSkinButton* b = Make("doomed");
    b->OnClick = [&](ui::Component* sender) {
      clicks_.push_back({"doomed", 0});
      std::unique_ptr<ui::Control> gone = form_->RemoveChild(static_cast<ui::Control*>(sender));
    };
    if (hovered_fade) {
      MoveTo(*b, 30, 10);
      Advance(20);  // a fade is under way when the click comes
    }
    ClickOn(*b);
    Run(400);
    EXPECT_EQ(clicks_.size(), hovered_fade ? 2u : 1u);
    EXPECT_EQ(app_->NextTimerDelay(), -1);
  }
}

TEST_F(SkinButtonTest, BrokenButtonGeometryDrawsLessButNeverReadsOutsideThePicture) {
  struct Case {
    const char* name;
    const char* rects;
  };
  const Case cases[] = {
      {"outside the picture", "skinrect=50,50,110,70\nactiveskinrect=500,500,560,520\ndownskinrect=-5,-5,55,15\n"},
      {"partly outside", "skinrect=30,10,90,30\nactiveskinrect=0,0,60,20\ndownskinrect=20,0,80,20\n"},
      {"empty states", "skinrect=0,0,60,20\nactiveskinrect=0,0,0,0\ndownskinrect=4,4,4,4\n"},
      {"huge", "skinrect=0,0,100000,100000\nactiveskinrect=0,0,100000,100000\ndownskinrect=0,0,1,1\n"},
      {"points outside", "skinrect=0,0,60,20\nlefttoppoint=900,9\nrighttoppoint=-40,10\n"},
      {"picture missing", "pictureindex=7\nskinrect=0,0,60,20\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string ini = "[SKINCONTROLS]\ncount=1\n0=button:button\n[button]\npictureindex=0\n";
    ini += "lefttoppoint=12,9\nrighttoppoint=46,10\nclientrect=7,2,53,18\nmorphing=1\nmorphkind=mkpush\n";
    ini += c.rects;
    LoadFixture(ini, {skin_test::CoordinatePicture(64, 24)});
    TskSkinButton* b = Make(c.name);
    b->SetCaption("x");
    b->SetBounds(20, 20, 75, 25);
    MoveTo(*b, 10, 10);
    Run(100);
    Press(*b, 10, 10);
    Release(*b, 10, 10);
    b->SetEnabled(false);
    Pump();
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
  }
}

}  // namespace
