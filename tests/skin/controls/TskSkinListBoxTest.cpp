// The skinned list box: bars made and freed as the rows need them, the list area beside and above
// them, row images from the record, the height for a number of rows.
#include "skin/controls/TskSkinListBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinScrollBar.h"

namespace {

using skin::TskSkinListBox;

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) items.push_back("item " + std::to_string(i));
  return items;
}

class TskSkinListBoxTest : public skin_test::RangeControlTest {
 protected:
  gfx::Bitmap Shot(const ui::Control& c) {
    Pump();
    const gfx::Point o = c.ClientToScreen({0, 0});
    return backend_->CaptureScreen(gfx::Rect::FromSize(o.x, o.y, c.Width(), c.Height()));
  }
};

// The program's "listbox": skinrect 24 x 24, clientrect 3,3,21,21, item images 18 high. At 120 x 120
// the list is 114 high (six rows); without a record it runs from 2 to 118 (five rows of 20).
struct LookCase {
  bool bind;
  int rows;
};

class TskSkinListBoxLooks : public TskSkinListBoxTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(TskSkinListBoxLooks, VerticalBarComesWithOverflowWithThePageOfTheVisibleRowsAndGoesAgain) {
  const LookCase& c = GetParam();
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 120, c.bind);
  box->SetItems(Numbered(c.rows));
  EXPECT_EQ(box->VScrollBar(), nullptr);
  const int32_t full_width = box->ListRect().Width();
  box->AddItem("one more");
  ASSERT_NE(box->VScrollBar(), nullptr);
  EXPECT_EQ(box->VScrollBar()->PageSize(), c.rows);
  EXPECT_EQ(box->VScrollBar()->Max(), c.rows);
  EXPECT_EQ(box->ListRect().right, box->VScrollBar()->Left());
  EXPECT_LT(box->ListRect().Width(), full_width);
  // The wheel scrolls one row and the bar follows.
  backend_->InjectWheel(ScreenPoint(box->List(), 10, 10), -120);
  Pump();
  EXPECT_EQ(box->TopIndex(), 1);
  EXPECT_EQ(box->VScrollBar()->Position(), 1);
  // The bar scrolls the list.
  box->VScrollBar()->SetPosition(0);
  EXPECT_EQ(box->TopIndex(), 0);
  box->DeleteItem(0);
  EXPECT_EQ(box->VScrollBar(), nullptr);
  EXPECT_EQ(box->ListRect().Width(), full_width);
}

TEST_P(TskSkinListBoxLooks, HorizontalBarAloneShortensTheListSoTheLastRowStaysClear) {
  const LookCase& c = GetParam();
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 120, c.bind);
  // Rows enough to fill the list but for the bar's height.
  std::vector<std::string> items = Numbered(c.rows - 2);
  items.push_back("an item far wider than the list box that holds it");
  box->SetItems(items);
  box->SetHorizontalExtent(true);
  ASSERT_NE(box->HScrollBar(), nullptr);
  EXPECT_EQ(box->VScrollBar(), nullptr);
  EXPECT_LE(box->ListRect().bottom, box->HScrollBar()->Top());
  EXPECT_LE(box->List().ItemRect(c.rows - 2).bottom, box->List().Height());
  box->HScrollBar()->SetPosition(10);
  EXPECT_EQ(box->List().HorizontalOffset(), 10);
  box->SetHorizontalExtent(false);
  EXPECT_EQ(box->HScrollBar(), nullptr);
  EXPECT_EQ(box->List().HorizontalOffset(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothLooks, TskSkinListBoxLooks,
                         ::testing::Values(LookCase{true, 6}, LookCase{false, 5}),
                         [](const auto& info) { return info.param.bind ? "Skinned" : "Plain"; });

TEST_F(TskSkinListBoxTest, MovingTheHorizontalBarShiftsTheTextLeftByItsPosition) {
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 120, false);
  box->SetItems({"WWWWWWWWWWWWWWWWWWWWWWWWWWWW", "MMMMMMMMMMMMMMMMMMMMMMMMMMMM"});
  box->SetHorizontalExtent(true);
  ASSERT_NE(box->HScrollBar(), nullptr);
  const gfx::Bitmap before = Shot(box->List());
  box->HScrollBar()->SetPosition(10);
  const gfx::Bitmap after = Shot(box->List());
  // Inside the text area (2 pixels in from each side), a column x now shows what x + 10 showed.
  int differing = 0;
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 2; x + 10 < before.Width() - 2; ++x) {
      ASSERT_EQ(after.Pixel(x, y), before.Pixel(x + 10, y)) << x << "," << y;
      if (before.Pixel(x, y) != after.Pixel(x, y)) ++differing;
    }
  }
  EXPECT_GT(differing, 0);
}

TEST_F(TskSkinListBoxTest, RowCountSetsTheHeightForThatManyRows) {
  struct Case {
    bool bind;
    int rows;
    int height;
  };
  // With the record: skin height 24 + rows x 18 + clientrect top 3 - bottom 21.
  for (const Case& c : {Case{true, 4, 6 + 4 * 18}, Case{true, 1, 6 + 18}, Case{false, 4, 4 * 20 + 4}}) {
    auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 120, c.bind);
    box->SetItems(Numbered(10));
    box->SetRowCount(c.rows);
    EXPECT_EQ(box->Height(), c.height) << c.bind << " " << c.rows;
    EXPECT_EQ(box->List().VisibleRows(), c.rows);
    form_->RemoveChild(box).reset();
  }
}

// A list-box record on a coordinate picture: frame 0,0,24,24 with client area 3,3,21,21; the normal,
// selected and focused item images 30 wide and 18 high one above the other.
constexpr const char* kFixtureList =
    "[SKINCONTROLS]\ncount=1\n0=l:listbox\n[l]\npictureindex=0\nskinrect=0,0,24,24\nlefttoppoint=4,4\n"
    "righttoppoint=20,4\nleftbottompoint=4,20\nrightbottompoint=20,20\nclientrect=3,3,21,21\n"
    "itemrect=30,0,60,18\nactiveitemrect=30,20,60,38\nfocusitemrect=30,40,60,58\nitemleftoffset=4\n"
    "itemrightoffset=4\nitemtextrect=5,0,25,18\nfontcolor=0\n";

TEST_F(TskSkinListBoxTest, RowsAndTheAreaUnderThemComeFromTheRecordsImages) {
  LoadFixture(kFixtureList, {skin_test::CoordinatePicture(80, 60)});
  auto* box = Make<TskSkinListBox>("l", 10, 10, 100, 100);
  ASSERT_EQ(box->ItemHeight(), 18);
  box->SetItems({"", "", ""});
  box->SetItemIndex(1);
  struct Case {
    bool focused;
    int row;
    int image_top;
  };
  for (const Case& c : {Case{false, 0, 0}, Case{false, 1, 20}, Case{true, 1, 40}, Case{true, 2, 0}}) {
    if (c.focused) box->List().SetFocus();
    // Column 2 lies in the image's left end, row 5 in its body.
    EXPECT_EQ(PixelAt(box->List(), 2, c.row * 18 + 5), gfx::Rgb(32, static_cast<uint8_t>(c.image_top + 5), 77))
        << "row " << c.row << (c.focused ? " focused" : "");
  }
  // Under the last row the client area (3..21 of the frame) is tiled from the area's corner.
  EXPECT_EQ(PixelAt(box->List(), 20, 3 * 18 + 1), gfx::Rgb(3 + 20 % 18, 3 + 1, 77));
}

TEST_F(TskSkinListBoxTest, CaptionModeMakesRoomForTheBarAndItsButtons) {
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 120, false);
  box->SetItems(Numbered(10));
  box->SetCaptionMode(true);
  EXPECT_EQ(box->ListRect().top, 21);
  box->SetRowCount(4);
  EXPECT_EQ(box->Height(), 4 * 20 + 4 + 20);
  EXPECT_EQ(box->List().VisibleRows(), 4);
  // Squares of 17 at the bar's right end.
  EXPECT_EQ(box->CaptionButtonRect(TskSkinListBox::kUpButton), (gfx::Rect{101, 2, 118, 19}));
  EXPECT_EQ(box->CaptionButtonRect(TskSkinListBox::kDownButton), (gfx::Rect{84, 2, 101, 19}));
  EXPECT_EQ(box->CaptionButtonRect(TskSkinListBox::kCheckButton), (gfx::Rect{67, 2, 84, 19}));
  box->SetCaptionMode(false);
  EXPECT_TRUE(box->CaptionButtonRect(TskSkinListBox::kUpButton).IsEmpty());
  EXPECT_EQ(box->ListRect().top, 2);
}

TEST_F(TskSkinListBoxTest, HeldCaptionButtonRepeatsPausesOutsideAndResumes) {
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 140, false);
  box->SetItems(Numbered(20));
  box->SetCaptionMode(true);
  box->SetItemIndex(0);
  const gfx::Rect down = box->CaptionButtonRect(TskSkinListBox::kDownButton);
  Press(*box, down.left + 5, down.top + 5);
  EXPECT_EQ(box->ItemIndex(), 1) << "a press acts at once";
  Advance(499);
  EXPECT_EQ(box->ItemIndex(), 1);
  Advance(1);
  EXPECT_EQ(box->ItemIndex(), 2) << "then after 500 ms";
  Advance(100);
  Advance(100);
  EXPECT_EQ(box->ItemIndex(), 4) << "then every 100 ms";
  MoveTo(*box, 10, 10);
  for (int i = 0; i < 3; ++i) Advance(100);
  EXPECT_EQ(box->ItemIndex(), 4) << "paused outside the button";
  MoveTo(*box, down.left + 5, down.top + 5);
  Advance(50);
  EXPECT_EQ(box->ItemIndex(), 5) << "resumed 50 ms after coming back";
  Release(*box, down.left + 5, down.top + 5);
  for (int i = 0; i < 3; ++i) Advance(100);
  EXPECT_EQ(box->ItemIndex(), 5);
}

TEST_F(TskSkinListBoxTest, CaptionButtonEventsReplaceTheirActions) {
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 140, false);
  box->SetItems(Numbered(5));
  box->SetCaptionMode(true);
  box->SetItemIndex(2);
  std::vector<std::string> seen;
  box->OnUpButtonClick = [&](ui::Component*) { seen.push_back("up"); };
  box->OnListBoxClick = [&](ui::Component*) { seen.push_back("list click"); };
  const gfx::Rect up = box->CaptionButtonRect(TskSkinListBox::kUpButton);
  const gfx::Rect check = box->CaptionButtonRect(TskSkinListBox::kCheckButton);
  Press(*box, up.left + 5, up.top + 5);
  Advance(800);
  EXPECT_TRUE(seen.empty()) << "a button with its own event waits for the release";
  Release(*box, up.left + 5, up.top + 5);
  Press(*box, check.left + 5, check.top + 5);
  Release(*box, check.left + 5, check.top + 5);
  EXPECT_EQ(seen, (std::vector<std::string>{"up", "list click"}));
  EXPECT_EQ(box->ItemIndex(), 2);
}

TEST_F(TskSkinListBoxTest, InnerListEventsReachTheListBoxAsSender) {
  auto* box = Make<TskSkinListBox>("listbox", 10, 10, 120, 120);
  box->SetItems(Numbered(3));
  std::vector<std::string> seen;
  box->OnListBoxMouseDown = [&](ui::Control* sender, ui::MouseButton, ui::ShiftState, int, int) {
    seen.push_back(sender == box ? "down" : "down from another");
  };
  box->OnListBoxClick = [&](ui::Component* sender) { seen.push_back(sender == box ? "click" : "click from another"); };
  box->OnListBoxKeyDown = [&](ui::Control* sender, uint16_t&, ui::ShiftState) {
    seen.push_back(sender == box ? "key" : "key from another");
  };
  backend_->Click(ScreenPoint(box->List(), 10, 25));
  backend_->InjectKeyDown(platform::kVkDown);
  Pump();
  EXPECT_EQ(seen, (std::vector<std::string>{"down", "click", "key"}));
  EXPECT_EQ(box->ItemIndex(), 2);
}

}  // namespace
