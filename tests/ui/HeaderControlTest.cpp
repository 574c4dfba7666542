// HeaderControl: which section or edge a point hits, and what a press, drag and release do.
#include "ui/HeaderControl.h"

#include <vector>

#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;


// Sections 40, 0 and 60 wide: the empty middle one shares its edges with the first.
struct HitCase {
  int32_t offset;
  int x;
  int section;
  int edge;
};

class HeaderHits : public ::testing::TestWithParam<HitCase> {};

TEST_P(HeaderHits, FindTheSectionAndTheEdge) {
  const HitCase& c = GetParam();
  ui::HeaderControl h;
  h.SetBounds(0, 0, 200, 20);
  h.AddSection({"a", 40});
  h.AddSection({"b", 0});
  h.AddSection({"c", 60});
  h.SetOffset(c.offset);
  EXPECT_EQ(h.SectionAt(c.x), c.section);
  EXPECT_EQ(h.ResizeEdgeAt(c.x), c.edge);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderHits,
    ::testing::Values(HitCase{0, 5, 0, -1}, HitCase{0, 39, 0, 1} /* the empty section's edge wins */,
                      HitCase{0, 38, 0, 1}, HitCase{0, 44, 2, -1}, HitCase{0, 99, 2, 2}, HitCase{0, 104, -1, -1},
                      HitCase{0, -1, -1, -1},
                      // Scrolled 30 to the left: the first edge is at 10.
                      HitCase{30, 5, 0, -1}, HitCase{30, 10, 2, 1}, HitCase{30, 69, 2, 2}, HitCase{30, 75, -1, -1}));

class HeaderControlTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 300, 100);
    header_ = form_->MakeChild<ui::HeaderControl>(form_);
    header_->SetBounds(0, 0, 250, 20);
    header_->AddSection({"a", 40});
    header_->AddSection({"b", 60});
    header_->OnSectionClick = [this](ui::HeaderControl*, int s) { clicks_.push_back(s); };
    form_->Show();
    Pump();
  }
  void Drag(int from, int to) {
    backend_->InjectMouseMove({from, 10});
    backend_->InjectMouseDown({from, 10});
    backend_->InjectMouseMove({to, 10});
    Pump();
  }
  ui::Form* form_ = nullptr;
  ui::HeaderControl* header_ = nullptr;
  std::vector<int> clicks_;
};

TEST_F(HeaderControlTest, AReleaseOnThePressedSectionClicksIt) {
  Drag(60, 70);
  EXPECT_EQ(header_->PressedSection(), 1);
  backend_->InjectMouseUp({70, 10});
  Pump();
  EXPECT_EQ(header_->PressedSection(), -1);
  // Pressed on one section and let go on another: no click.
  Drag(60, 20);
  backend_->InjectMouseUp({20, 10});
  // Let go below the header: no click either.
  Drag(20, 20);
  backend_->InjectMouseMove({20, 50});
  backend_->InjectMouseUp({20, 50});
  Pump();
  EXPECT_EQ(clicks_, (std::vector<int>{1}));
}

TEST_F(HeaderControlTest, AnEdgeDragResizesWithoutGoingBelowNothing) {
  std::vector<int32_t> widths;
  header_->OnSectionResize = [&](ui::HeaderControl* h, int s) { widths.push_back(h->Section(s).width); };
  Drag(40, 10);
  backend_->InjectMouseMove({-20, 10});  // past the section's left side
  backend_->InjectMouseUp({-20, 10});
  Pump();
  EXPECT_EQ(header_->Section(0).width, 0);
  EXPECT_EQ(widths.front(), 10);
  // The section dragged down to nothing can be widened again from its edge at 0.
  Drag(1, 30);
  backend_->InjectMouseUp({30, 10});
  Pump();
  EXPECT_EQ(header_->Section(0).width, 29);
  EXPECT_EQ(header_->Section(1).width, 60);
  EXPECT_TRUE(clicks_.empty());
}

}  // namespace
