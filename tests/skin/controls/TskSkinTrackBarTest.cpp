// The track bar: sizing and thumb placement under the program's skin, drags, jumps, keys and the plain look.
#include "skin/controls/TskSkinTrackBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeControlTestEnv.h"

namespace {

using skin::TskSkinTrackBar;

class TskSkinTrackBarTest : public skin_test::RangeControlTest {
 protected:
  TskSkinTrackBar* Bar(int w, int h, const std::string& name = "htrackbar") {
    auto* bar = Make<TskSkinTrackBar>(name, 20, 20, w, h);
    bar->OnChange = [this](ui::Component* c) { changes_.push_back(static_cast<TskSkinTrackBar*>(c)->Value()); };
    return bar;
  }
  // Presses the thumb at its centre.
  gfx::Point PressThumb(TskSkinTrackBar& bar) {
    const gfx::Rect t = bar.ThumbBounds();
    const gfx::Point at{(t.left + t.right) / 2, (t.top + t.bottom) / 2};
    Press(bar, at.x, at.y);
    return at;
  }
  std::vector<int32_t> changes_;
};

TEST_F(TskSkinTrackBarTest, ProgramSkinSizesAndPlacesTheThumb) {
  struct Case {
    const char* name;
    int asked_w, asked_h, value;
    int w, h;
    gfx::Rect track, thumb;
  };
  const Case cases[] = {
      {"quality slider", 81, 20, 75, 81, 15, {14, 3, 68, 13}, {41, 5, 59, 11}},
      {"batch slider", 97, 20, 75, 97, 15, {14, 3, 84, 13}, {53, 5, 71, 11}},
      {"at the minimum", 81, 20, 0, 81, 15, {14, 3, 68, 13}, {14, 5, 32, 11}},
      {"at the maximum", 81, 20, 100, 81, 15, {14, 3, 68, 13}, {50, 5, 68, 11}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinTrackBar* bar = Bar(c.asked_w, c.asked_h);
    bar->SetValue(c.value);
    EXPECT_EQ(bar->Width(), c.w);
    EXPECT_EQ(bar->Height(), c.h);
    EXPECT_EQ(bar->CurrentTrackArea(), c.track);
    EXPECT_EQ(bar->ThumbBounds(), c.thumb);
    // The thumb image (the record's buttonrect 135,33,153,39) is drawn where the thumb is.
    const gfx::Bitmap& pic = *skin_.ActivePicture(0);
    EXPECT_EQ(PixelAt(*bar, c.thumb.left + 9, c.thumb.top + 3), pic.Pixel(135 + 9, 33 + 3));
    form_->RemoveChild(bar);
  }
}

TEST_F(TskSkinTrackBarTest, DraggingFollowsTheDisplacement) {
  TskSkinTrackBar* bar = Bar(81, 20);
  bar->SetValue(75);
  changes_.clear();
  const gfx::Point at = PressThumb(*bar);
  EXPECT_TRUE(bar->Dragging());
  EXPECT_TRUE(changes_.empty());  // a press alone changes nothing
  // The active thumb image (155,33,...) shows while dragging.
  EXPECT_EQ(PixelAt(*bar, 41 + 9, 5 + 3), skin_.ActivePicture(0)->Pixel(155 + 9, 33 + 3));
  struct Step {
    int dx;
    int value;
  };
  // Displacements from the press point.
  const Step steps[] = {{-1, 72}, {-9, 50}, {-9, 50}, {-27, 0}, {-60, 0}, {-18, 25}, {200, 100}, {9, 100}};
  for (const Step& s : steps) {
    MoveTo(*bar, at.x + s.dx, at.y + 40);  // off the bar vertically: only x counts
    EXPECT_EQ(bar->Value(), s.value) << s.dx;
  }
  // One OnChange per distinct value, none while pinned at a bound.
  EXPECT_EQ(changes_, (std::vector<int32_t>{72, 50, 0, 25, 100}));
  Release(*bar, at.x + 200, at.y);
  EXPECT_FALSE(bar->Dragging());
  EXPECT_EQ(bar->Value(), 100);
  EXPECT_EQ(PixelAt(*bar, 50 + 9, 5 + 3), skin_.ActivePicture(0)->Pixel(135 + 9, 33 + 3));
}

TEST_F(TskSkinTrackBarTest, PressAndReleaseWithoutAMoveChangesNothingButAZeroMoveSnaps) {
  TskSkinTrackBar* bar = Bar(81, 20);
  bar->SetValue(75);
  changes_.clear();
  gfx::Point at = PressThumb(*bar);
  Release(*bar, at.x, at.y);
  EXPECT_TRUE(changes_.empty());
  // 74 sits at offset round(26.64) = 27, which stands for 75: a move of 0 pixels snaps to it.
  bar->SetValue(74);
  changes_.clear();
  at = PressThumb(*bar);
  MoveTo(*bar, at.x, at.y);
  EXPECT_EQ(bar->Value(), 75);
  EXPECT_EQ(changes_, (std::vector<int32_t>{75}));
  Release(*bar, at.x, at.y);
}

TEST_F(TskSkinTrackBarTest, AClickOnTheTrackJumpsOnlyWhenAsked) {
  TskSkinTrackBar* bar = Bar(81, 20);
  bar->SetValue(75);
  Press(*bar, 20, 7);
  Release(*bar, 20, 7);
  EXPECT_EQ(bar->Value(), 75);
  bar->SetJumpWhenClick(true);
  // a = x - 18 div 2 - 14 (the track's left): x = 32 gives 9 pixels of 36, a quarter.
  Press(*bar, 32, 7);
  Release(*bar, 32, 7);
  EXPECT_EQ(bar->Value(), 25);
  Press(*bar, 2, 7);
  Release(*bar, 2, 7);
  EXPECT_EQ(bar->Value(), 0);
  EXPECT_EQ(changes_, (std::vector<int32_t>{75, 25, 0}));
}

TEST_F(TskSkinTrackBarTest, BoundsMoveTheValueSilently) {
  TskSkinTrackBar* bar = Bar(81, 20);
  bar->SetValue(75);
  changes_.clear();
  bar->SetMaxValue(60);
  EXPECT_EQ(bar->Value(), 60);
  bar->SetMinValue(65);  // inside out: defined, every value at the maximum
  EXPECT_EQ(bar->Value(), 60);
  bar->SetValue(10);
  EXPECT_EQ(bar->Value(), 60);
  bar->SetValue(1000);
  EXPECT_EQ(bar->Value(), 60);
  EXPECT_TRUE(changes_.empty());
  // The thumb stays on the track, and a drag on it yields the one reachable value.
  const gfx::Rect track = bar->CurrentTrackArea();
  const gfx::Rect t = bar->ThumbBounds();
  EXPECT_GE(t.left, track.left);
  EXPECT_LE(t.right, track.right);
  const gfx::Point at = PressThumb(*bar);
  MoveTo(*bar, at.x - 30, at.y);
  MoveTo(*bar, at.x + 30, at.y);
  Release(*bar, at.x, at.y);
  EXPECT_EQ(bar->Value(), 60);
  EXPECT_TRUE(changes_.empty());
  // Equal bounds: the thumb at the start.
  bar->SetMinValue(60);
  EXPECT_EQ(bar->ThumbBounds(), (gfx::Rect{14, 5, 32, 11}));
}

TEST_F(TskSkinTrackBarTest, TheRecordDecidesTheOrientation) {
  TskSkinTrackBar* bar = Bar(40, 120, "trackbar");
  EXPECT_TRUE(bar->Vertical());
  EXPECT_EQ(bar->Width(), 15);
  EXPECT_EQ(bar->Height(), 120);
  // trackarea 3,14,13,65 grown by 42 at the bottom; the minimum is at the bottom.
  EXPECT_EQ(bar->CurrentTrackArea(), (gfx::Rect{3, 14, 13, 107}));
  bar->SetValue(0);
  EXPECT_EQ(bar->ThumbBounds(), (gfx::Rect{5, 89, 11, 107}));
  // Dragging upwards raises the value: 37 of 75 pixels.
  const gfx::Point at = PressThumb(*bar);
  MoveTo(*bar, at.x, at.y - 37);
  EXPECT_EQ(bar->Value(), 49);
  Release(*bar, at.x, at.y - 37);
}

TEST_F(TskSkinTrackBarTest, PlainLookAndItsThumbStates) {
  TskSkinTrackBar* bar = Bar(100, 20, "nosuchrecord");
  EXPECT_EQ(bar->CurrentTrackArea(), (gfx::Rect{2, 2, 98, 18}));
  EXPECT_EQ(bar->ThumbBounds(), (gfx::Rect{46, 2, 54, 18}));
  EXPECT_EQ(PixelAt(*bar, 0, 0), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*bar, 10, 9), ui::kColorBtnShadow);     // the groove's top row
  EXPECT_EQ(PixelAt(*bar, 10, 10), ui::kColorBtnHighlight); // and its bottom row
  EXPECT_EQ(PixelAt(*bar, 46, 2), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*bar, 50, 9), ui::kColorBtnFace);
  const gfx::Point at = PressThumb(*bar);
  EXPECT_EQ(PixelAt(*bar, 46, 2), skin::kPlainFrame);
  EXPECT_EQ(PixelAt(*bar, 50, 5), skin::kPlainPressedFill);
  Release(*bar, at.x, at.y);
  EXPECT_EQ(PixelAt(*bar, 50, 5), ui::kColorBtnFace);
  // Focused (when it may take the focus): the hot fill.
  bar->SetCanFocused(true);
  bar->SetFocus();
  EXPECT_EQ(PixelAt(*bar, 50, 5), skin::kPlainHotFill);
}

TEST_F(TskSkinTrackBarTest, KeysAndWheelOnlyWhenItTakesTheFocus) {
  TskSkinTrackBar* bar = Bar(100, 20, "nosuchrecord");
  Press(*bar, 5, 5);
  Release(*bar, 5, 5);
  EXPECT_FALSE(bar->Focused());
  backend_->PressKey(platform::kVkRight);
  Pump();
  EXPECT_EQ(bar->Value(), 50);
  bar->SetCanFocused(true);
  EXPECT_TRUE(bar->TabStop());
  Press(*bar, 5, 5);
  Release(*bar, 5, 5);
  EXPECT_TRUE(bar->Focused());
  const struct {
    platform::KeyCode key;
    int value;
  } keys[] = {{platform::kVkRight, 51}, {platform::kVkUp, 52}, {platform::kVkLeft, 51}, {platform::kVkDown, 50}};
  for (const auto& k : keys) {
    backend_->PressKey(k.key);
    Pump();
    EXPECT_EQ(bar->Value(), k.value) << k.key;
  }
  // A positive wheel delta lowers a horizontal bar.
  backend_->InjectWheel(ScreenPoint(*bar, 5, 5), 120);
  Pump();
  EXPECT_EQ(bar->Value(), 49);
  backend_->InjectWheel(ScreenPoint(*bar, 5, 5), -120);
  Pump();
  EXPECT_EQ(bar->Value(), 50);
}

TEST_F(TskSkinTrackBarTest, LosingTheMouseEndsTheDrag) {
  TskSkinTrackBar* bar = Bar(81, 20);
  const gfx::Point at = PressThumb(*bar);
  ASSERT_TRUE(bar->Dragging());
  bar->SetEnabled(false);
  Pump();
  EXPECT_FALSE(bar->Dragging());
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  MoveTo(*bar, at.x - 20, at.y);
  EXPECT_EQ(bar->Value(), 50);
}

TEST_F(TskSkinTrackBarTest, AHandlerMayDestroyTheBar) {
  TskSkinTrackBar* bar = Bar(81, 20);
  bar->SetValue(75);
  int calls = 0;
  bar->OnChange = [&](ui::Component*) {
    ++calls;
    form_->RemoveChild(bar).reset();
  };
  const gfx::Point at = ScreenPoint(*bar, 50, 8);
  Press(*bar, 50, 8);
  MoveToScreen({at.x - 10, at.y});
  MoveToScreen({at.x - 20, at.y});
  ReleaseAtScreen({at.x - 20, at.y});
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(form_->ChildCount(), 0u);
}

}  // namespace

namespace {

TEST_F(TskSkinTrackBarTest, AbsurdSkinGeometryDrawsLessButNeverBreaks) {
  const std::string h = skin_test::kHuge;
  const std::string base = "pictureindex=0\nskinrect=0,0,40,10\nlefttoppoint=5,5\nrighttoppoint=35,5\n";
  const struct {
    const char* name;
    std::string keys;
  } cases[] = {
      {"huge track", base + "trackarea=0,0," + h + "," + h + "\nbuttonrect=0,0,6,6\n"},
      {"huge thumb", base + "trackarea=2,2,38,8\nbuttonrect=0,0," + h + "," + h + "\nactivebuttonrect=" + h + "," + h +
                         "," + h + "," + h + "\n"},
      {"no thumb", base + "trackarea=2,2,38,8\nbuttonrect=0,0,0,0\n"},
      {"track far away", base + "trackarea=1000000,1000000,1000010,1000010\nbuttonrect=0,0,6,6\n"},
      {"points outside the image", "pictureindex=0\nskinrect=0,0,40,10\nlefttoppoint=900,5\nrighttoppoint=" + h +
                                       ",5\ntrackarea=2,2,38,8\nbuttonrect=0,0,6,6\n"},
      {"no picture", "pictureindex=7\nskinrect=0,0,40,10\nlefttoppoint=5,5\nrighttoppoint=35,5\ntrackarea=2,2,38,8\n"},
      {"huge image", "pictureindex=0\nskinrect=0,0," + h + "," + h + "\ntrackarea=2,2,38,8\nbuttonrect=0,0,6,6\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadFixture(skin_test::OneRecord("trackbar", c.keys), {skin_test::CoordinatePicture(48, 16)});
    TskSkinTrackBar* bar = Bar(120, 20, "r");
    bar->SetJumpWhenClick(true);
    for (int v : {0, 37, 100}) {
      bar->SetValue(v);
      Pump();
    }
    const gfx::Rect t = bar->ThumbBounds();
    const gfx::Point at{std::clamp((t.left + t.right) / 2, 0, 119), std::clamp((t.top + t.bottom) / 2, 0, 9)};
    Press(*bar, at.x, at.y);
    MoveTo(*bar, at.x - 50, at.y);
    MoveTo(*bar, at.x + 500, at.y);
    Release(*bar, at.x + 500, at.y);
    Press(*bar, 3, 3);
    Release(*bar, 3, 3);
    EXPECT_GE(bar->Value(), 0);
    EXPECT_LE(bar->Value(), 100);
    form_->RemoveChild(bar).reset();
  }
}

}  // namespace
