// Tests of the plain tab control and page control: layout per side, scrolling, changes and keys.
#include "ui/TabControl.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/ScrollInfo.h"
#include "ui/UiTestEnv.h"

namespace {

class TabControlTest : public ui_test::UiTest {
 protected:
  TabControlTest() {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(20, 20, 640, 400);
    form_->Show();
    Pump();
  }

  ui::TabControl* MakeTabs(int count, int32_t width) {
    auto* tabs = form_->MakeChild<ui::TabControl>(nullptr);
    tabs->SetBounds(10, 10, width, 200);
    tabs->SetTabItemSize(50, 20);
    for (int i = 0; i < count; ++i) tabs->AddTab("tab " + std::to_string(i));
    tabs->SetTabIndex(0);
    return tabs;
  }

  void CtrlKey(platform::KeyCode key, bool shift = false) {
    backend_->InjectKeyDown(platform::kVkControl);
    if (shift) backend_->InjectKeyDown(platform::kVkShift);
    backend_->PressKey(key);
    if (shift) backend_->InjectKeyUp(platform::kVkShift);
    backend_->InjectKeyUp(platform::kVkControl);
    Pump();
  }

  ui::Form* form_ = nullptr;
};

TEST_F(TabControlTest, TabsAndPageAreaLieOnTheChosenSide) {
  struct Case {
    ui::TabPosition position;
    gfx::Rect second_tab;
    gfx::Rect display;
  };
  // 300 x 200 control, tabs 50 long and 20 thick starting 2 from the edge; the page area lies 4
  // inside the frame that the tab line leaves.
  const Case cases[] = {
      {ui::TabPosition::kTop, {52, 2, 102, 22}, {4, 26, 296, 196}},
      {ui::TabPosition::kBottom, {52, 178, 102, 198}, {4, 4, 296, 174}},
      {ui::TabPosition::kLeft, {2, 52, 22, 102}, {26, 4, 296, 196}},
      {ui::TabPosition::kRight, {278, 52, 298, 102}, {4, 4, 274, 196}},
  };
  ui::TabControl* tabs = MakeTabs(3, 300);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    tabs->SetTabPosition(c.position);
    EXPECT_EQ(tabs->TabItemRect(1), c.second_tab);
    EXPECT_EQ(tabs->DisplayRect(), c.display);
    const gfx::Rect r = c.second_tab;
    EXPECT_EQ(tabs->TabAtPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), 1);
  }
  EXPECT_TRUE(tabs->TabItemRect(3).IsEmpty());
}

TEST_F(TabControlTest, MeasuredTabsGrowWithTheirCaptions) {
  ui::TabControl* tabs = MakeTabs(0, 300);
  tabs->SetTabItemSize(0, 0);
  tabs->AddTab("a");
  tabs->AddTab("a much longer caption");
  EXPECT_GT(tabs->TabItemRect(1).Width(), tabs->TabItemRect(0).Width());
  EXPECT_EQ(tabs->TabItemRect(1).left, tabs->TabItemRect(0).right);
  EXPECT_GT(tabs->TabItemRect(0).Height(), 0);
}

TEST_F(TabControlTest, OverflowingTabsScrollAndComeBackWhenThereIsRoom) {
  // Ten 50-pixel tabs on a 200-pixel line: the last three tabs fit before the scroll buttons.
  ui::TabControl* tabs = MakeTabs(10, 200);
  EXPECT_TRUE(tabs->Overflowing());
  EXPECT_EQ(tabs->MaxFirstVisibleTab(), 7);
  EXPECT_FALSE(tabs->ScrollButtonRect(1).IsEmpty());

  tabs->ScrollTabs(100);
  EXPECT_EQ(tabs->FirstVisibleTab(), 7);
  // The scrolled-away tabs lie left of the line's start.
  EXPECT_EQ(tabs->TabItemRect(6).right, 2);
  EXPECT_EQ(tabs->TabItemRect(7).left, 2);
  tabs->ScrollTabs(-4);
  EXPECT_EQ(tabs->FirstVisibleTab(), 0);
  // The scroll message moves the line as a bar would: thumb, line and end codes.
  struct Scroll {
    ui::ScrollCode code;
    int thumb;
    int first;
  };
  const Scroll scrolls[] = {{ui::kSbThumbPosition, 3, 3}, {ui::kSbLineDown, 0, 4}, {ui::kSbLineUp, 0, 3},
                            {ui::kSbBottom, 0, 7},       {ui::kSbTop, 0, 0},      {ui::kSbThumbTrack, 50, 7}};
  for (const Scroll& sc : scrolls) {
    tabs->Send(ui::kMsgHScroll, static_cast<intptr_t>(sc.code | (static_cast<uintptr_t>(sc.thumb) << 16)));
    EXPECT_EQ(tabs->FirstVisibleTab(), sc.first) << "code " << sc.code;
  }
  tabs->ScrollTabs(0);

  // Selecting a tab beyond the line's end brings it into view.
  ASSERT_TRUE(tabs->ChangeTab(5));
  EXPECT_LE(tabs->TabItemRect(5).right, tabs->TabLineEnd(ui::TabControl::kScrollButtonsWidth));
  EXPECT_GT(tabs->FirstVisibleTab(), 0);

  // The right scroll button steps one tab.
  const int first = tabs->FirstVisibleTab();
  const gfx::Rect right = tabs->ScrollButtonRect(1);
  backend_->Click(tabs->ClientToScreen({right.left + 3, right.top + 3}));
  Pump();
  EXPECT_EQ(tabs->FirstVisibleTab(), first + 1);

  tabs->SetWidth(600);
  EXPECT_FALSE(tabs->Overflowing());
  EXPECT_EQ(tabs->FirstVisibleTab(), 0);
  EXPECT_TRUE(tabs->ScrollButtonRect(1).IsEmpty());
}

TEST_F(TabControlTest, UserChangesAskFirstAndCodeChangesFireNothing) {
  ui::TabControl* tabs = MakeTabs(3, 300);
  std::vector<std::string> log;
  bool allow = true;
  tabs->OnChanging = [&](ui::Control*, bool& a) {
    log.push_back("changing " + std::to_string(tabs->TabIndex()));
    a = allow;
  };
  tabs->OnChange = [&](ui::Component*) { log.push_back("change " + std::to_string(tabs->TabIndex())); };

  backend_->Click(tabs->ClientToScreen({75, 10}));
  Pump();
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_TRUE(tabs->Focused());
  EXPECT_EQ(log, (std::vector<std::string>{"changing 0", "change 1"}));

  log.clear();
  allow = false;
  backend_->Click(tabs->ClientToScreen({125, 10}));
  Pump();
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 1"}));

  log.clear();
  tabs->SetTabIndex(2);
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_TRUE(log.empty());
}

TEST_F(TabControlTest, DeletingTabsKeepsTheSelectionOnATab) {
  ui::TabControl* tabs = MakeTabs(3, 300);
  tabs->SetTabIndex(2);
  tabs->DeleteTab(0);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(tabs->TabCaption(1), "tab 2");
  tabs->DeleteTab(1);
  EXPECT_EQ(tabs->TabIndex(), 0);
  tabs->DeleteTab(0);
  EXPECT_EQ(tabs->TabIndex(), ui::TabControl::kNoTab);
  tabs->DeleteTab(0);  // nothing left: ignored
  EXPECT_EQ(tabs->TabCount(), 0);
}

TEST_F(TabControlTest, KeysMoveTheSelection) {
  ui::TabControl* tabs = MakeTabs(4, 300);
  tabs->SetFocus();
  struct Step {
    platform::KeyCode key;
    bool ctrl;
    bool shift;
    int expected;
  };
  const Step steps[] = {
      {platform::kVkRight, false, false, 1}, {platform::kVkEnd, false, false, 3},
      {platform::kVkRight, false, false, 3},  // arrows stop at the ends
      {platform::kVkTab, true, false, 0},     // Ctrl+Tab wraps round
      {platform::kVkTab, true, true, 3},      {platform::kVkPrior, true, false, 2},
      {platform::kVkNext, true, false, 3},    {platform::kVkHome, false, false, 0},
      {platform::kVkLeft, false, false, 0},
  };
  for (const Step& s : steps) {
    if (s.ctrl) {
      CtrlKey(s.key, s.shift);
    } else {
      backend_->PressKey(s.key);
      Pump();
    }
    EXPECT_EQ(tabs->TabIndex(), s.expected) << "key " << s.key;
  }
  EXPECT_TRUE(tabs->Focused());
}

class PageControlTest : public TabControlTest {
 protected:
  PageControlTest() {
    pages_ = form_->MakeChild<ui::PageControl>(nullptr);
    pages_->SetBounds(10, 10, 300, 200);
    pages_->SetTabItemSize(50, 20);
  }
  ui::PageControl* pages_ = nullptr;
};

TEST_F(PageControlTest, TabsFollowThePagesAndShowTheActiveOne) {
  ui::TabSheet* a = pages_->NewPage(nullptr, "A");
  ui::TabSheet* b = pages_->NewPage(nullptr, "B");
  ui::TabSheet* c = pages_->NewPage(nullptr, "C");
  EXPECT_EQ(pages_->ActivePage(), a);
  EXPECT_TRUE(a->Visible());
  EXPECT_FALSE(b->Visible());
  EXPECT_EQ(a->BoundsRect(), pages_->DisplayRect());

  b->SetTabVisible(false);
  EXPECT_EQ(pages_->TabCount(), 2);
  EXPECT_EQ(pages_->TabCaption(1), "C");
  EXPECT_EQ(pages_->PageOfTab(1), c);
  EXPECT_EQ(pages_->TabOfPage(b), ui::TabControl::kNoTab);

  std::vector<int> changes;
  pages_->OnChange = [&](ui::Component*) { changes.push_back(pages_->ActivePageIndex()); };
  backend_->Click(pages_->ClientToScreen({75, 10}));
  Pump();
  EXPECT_EQ(pages_->ActivePage(), c);
  EXPECT_TRUE(c->Visible());
  EXPECT_FALSE(a->Visible());
  EXPECT_EQ(changes, std::vector<int>{2});

  c->SetCaption("Cee");
  EXPECT_EQ(pages_->TabCaption(1), "Cee");

  // The active page going leaves its nearest neighbour with a tab active.
  pages_->DeletePage(2);
  EXPECT_EQ(pages_->PageCount(), 2);
  EXPECT_EQ(pages_->ActivePage(), a);
  EXPECT_TRUE(a->Visible());
  EXPECT_EQ(pages_->TabIndex(), 0);
}

TEST_F(PageControlTest, CtrlTabWorksFromAControlOnAPage) {
  ui::TabSheet* a = pages_->NewPage(nullptr, "A");
  ui::TabSheet* b = pages_->NewPage(nullptr, "B");
  auto* button = a->MakeChild<ui::Button>(nullptr);
  button->SetFocus();
  CtrlKey(platform::kVkTab);
  EXPECT_EQ(pages_->ActivePage(), b);
  // The focus left the hidden page for the page control, which takes the keys on.
  EXPECT_TRUE(pages_->Focused());
  CtrlKey(platform::kVkPrior);
  EXPECT_EQ(pages_->ActivePage(), a);
}

TEST_F(PageControlTest, AControlWithoutPagesPaintsAndTakesKeys) {
  pages_->SetFocus();
  Pump();
  CtrlKey(platform::kVkTab);
  backend_->PressKey(platform::kVkRight);
  backend_->Click(pages_->ClientToScreen({20, 10}));
  Pump();
  EXPECT_EQ(pages_->ActivePage(), nullptr);
  EXPECT_EQ(pages_->TabIndex(), ui::TabControl::kNoTab);
  EXPECT_FALSE(pages_->SelectNextPage(true));
  // The frame is painted: the top-left corner of the page area's frame is the highlight colour.
  const gfx::Rect f = pages_->FrameRect();
  EXPECT_EQ(backend_->ScreenPixel(pages_->ClientToScreen({f.left, f.top})), ui::kColorBtnHighlight);
}

TEST_F(PageControlTest, ThousandsOfMeasuredPagesStayUsable) {
  // Each tab is measured once, not again for every page added after it.
  pages_->SetTabItemSize(0, 0);
  for (int i = 0; i < 3000; ++i) pages_->NewPage(nullptr, "页 " + std::to_string(i));
  EXPECT_EQ(pages_->TabCount(), 3000);
  pages_->SetFocus();
  backend_->PressKey(platform::kVkEnd);
  Pump();
  EXPECT_EQ(pages_->ActivePageIndex(), 2999);
  EXPECT_TRUE(pages_->ActivePage()->Visible());
  EXPECT_LE(pages_->TabItemRect(2999).right, pages_->TabLineEnd(ui::TabControl::kScrollButtonsWidth));
  EXPECT_GT(pages_->TabItemRect(2999).left, 0);
}

TEST_F(PageControlTest, PagesGoWithTheControl) {
  ui::TabSheet* a = pages_->NewPage(nullptr, "A");
  a->MakeChild<ui::Button>(nullptr);
  (void)form_->RemoveChild(pages_);
  pages_ = nullptr;
  Pump();
  SUCCEED();
}

}  // namespace
