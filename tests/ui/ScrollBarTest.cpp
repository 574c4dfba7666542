// The plain scroll bar: what the codes do to a range, where the thumb sits, and what pressing,
// holding and dragging report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/ScrollBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

TEST(ScrollInfoTest, CodesMoveWithinTheRange) {
  struct Case {
    ui::ScrollInfo info;
    ui::ScrollCode code;
    int32_t thumb;
    int32_t expected;
  };
  const Case cases[] = {
      // rows 0..29 with 12 visible: the last position is 18
      {{0, 29, 12, 5}, ui::kSbLineDown, 0, 6},
      {{0, 29, 12, 0}, ui::kSbLineUp, 0, 0},
      {{0, 29, 12, 5}, ui::kSbPageDown, 0, 17},
      {{0, 29, 12, 10}, ui::kSbPageDown, 0, 18},
      {{0, 29, 12, 10}, ui::kSbPageUp, 0, 0},
      {{0, 29, 12, 10}, ui::kSbBottom, 0, 18},
      {{0, 29, 12, 10}, ui::kSbTop, 0, 0},
      {{0, 29, 12, 10}, ui::kSbThumbTrack, 99, 18},
      {{0, 29, 12, 10}, ui::kSbThumbPosition, -4, 0},
      // no page: a page step is one line, the position runs to max
      {{0, 100, 0, 50}, ui::kSbPageDown, 0, 51},
      {{0, 100, 0, 50}, ui::kSbBottom, 0, 100},
      // a page larger than the range stays at the minimum
      {{3, 10, 50, 3}, ui::kSbBottom, 0, 3},
      // extremes do not overflow
      {{INT32_MIN, INT32_MAX, 0, INT32_MAX}, ui::kSbLineDown, 0, INT32_MAX},
      {{INT32_MIN, INT32_MAX, 0, INT32_MIN}, ui::kSbPageUp, 0, INT32_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::ScrolledPosition(c.info, c.code, c.thumb), c.expected)
        << c.info.min << ".." << c.info.max << " page " << c.info.page << " at " << c.info.position
        << " code " << c.code;
  }
}

class ScrollBarTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBounds(0, 0, 200, 200);
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    bar_ = form_->MakeChild<ui::ScrollBar>(form_, ui::ScrollAxis::kVertical);
    bar_->SetBounds(10, 10, 16, 132);  // a 100-pixel track
    bar_->SetInfo({0, 29, 12, 0});
    bar_->OnScroll = [this](ui::ScrollCode code, int32_t pos) {
      log_.push_back(std::to_string(code) + "@" + std::to_string(pos));
    };
    form_->Show();
    Pump();
  }

  ui::Form* form_ = nullptr;
  ui::ScrollBar* bar_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(ScrollBarTest, ThumbIsProportionalToThePageAndFollowsThePosition) {
  ui::ScrollBar::Parts parts = bar_->CalcParts();
  EXPECT_EQ(parts.dec, (gfx::Rect{0, 0, 16, 16}));
  EXPECT_EQ(parts.inc, (gfx::Rect{0, 116, 16, 132}));
  EXPECT_EQ(parts.thumb, (gfx::Rect{0, 16, 16, 56}));  // 100 * 12 / 30 = 40 pixels
  bar_->SetPosition(18);
  EXPECT_EQ(bar_->CalcParts().thumb, (gfx::Rect{0, 76, 16, 116}));
  bar_->SetInfo({0, 29, 30, 0});  // everything fits: no thumb
  EXPECT_TRUE(bar_->CalcParts().thumb.IsEmpty());
  bar_->SetInfo({0, 1'000'000'000, 1, 0});  // a huge range keeps a thumb to grab
  EXPECT_EQ(bar_->CalcParts().thumb.Height(), ui::ScrollBar::kMinThumb);
}

TEST_F(ScrollBarTest, HeldArrowStepsOnceThenRepeatsAfterAPause) {
  backend_->InjectMouseDown({18, 138});  // the down arrow
  Pump();
  EXPECT_EQ(log_, (std::vector<std::string>{"1@1"}));
  Advance(399);
  EXPECT_EQ(bar_->Info().position, 1);
  Advance(1);
  Advance(50);
  EXPECT_EQ(bar_->Info().position, 3);
  backend_->InjectMouseUp({18, 138});
  Pump();
  Advance(500);
  EXPECT_EQ(bar_->Info().position, 3);
  EXPECT_EQ(log_.back(), "8@3");
}

TEST_F(ScrollBarTest, TrackPressPagesUntilTheThumbReachesThePointer) {
  backend_->InjectMouseDown({18, 120});  // the track near its end
  Pump();
  EXPECT_EQ(bar_->Info().position, 12);
  for (int i = 0; i < 10; ++i) Advance(400);
  EXPECT_EQ(bar_->Info().position, 18);
  backend_->InjectMouseUp({18, 120});
  Pump();
  EXPECT_EQ(log_, (std::vector<std::string>{"3@12", "3@18", "8@18"}));
}

TEST_F(ScrollBarTest, DraggedThumbTracksThenReportsWhereItWasLetGo) {
  backend_->InjectMouseDown({18, 40});  // on the thumb (26..66 in form coordinates)
  Pump();
  backend_->InjectMouseMove({18, 70});  // 30 of 60 free pixels: half way, position 9
  Pump();
  backend_->InjectMouseMove({18, 500});  // far past the end: the last position
  Pump();
  backend_->InjectMouseUp({18, 500});
  Pump();
  EXPECT_EQ(log_, (std::vector<std::string>{"5@9", "5@18", "4@18", "8@18"}));
}

TEST_F(ScrollBarTest, PressLeavesTheFocusWhereItWas) {
  auto* owner = form_->MakeChild<ui::WinControl>(form_);
  owner->SetBounds(40, 10, 50, 50);
  owner->SetTabStop(true);
  owner->SetFocus();
  backend_->Click({18, 138});
  Pump();
  EXPECT_EQ(bar_->Info().position, 1);
  EXPECT_TRUE(owner->Focused());
}

TEST_F(ScrollBarTest, DisabledOrFittingBarIgnoresPresses) {
  bar_->SetInfo({0, 5, 12, 0});
  backend_->Click({18, 138});
  Pump();
  bar_->SetInfo({0, 29, 12, 0});
  bar_->SetEnabled(false);
  backend_->Click({18, 138});
  Pump();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(bar_->Info().position, 0);
}

}  // namespace
