// The gallery window: both halves hold the same samples, laid out inside the window without overlap.
#include "app/gallery/GalleryWindow.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/gallery/GalleryRegistry.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryWindowTest : public UiTest {
 protected:
  void SetUp() override {
    window_ = app_->CreateForm<app::GalleryWindow>();
    window_->Build();
    window_->Show();
    Pump();
    app::GalleryInput input([this](uint32_t ms) {
      for (uint32_t t = 0; t < ms; t += 20) Advance(20);
    });
    window_->SetUpStates(input);
  }

  // The sample's rectangle in the window's client area.
  gfx::Rect Place(const app::GallerySample& s) const {
    gfx::Point at = s.control->ClientToScreen({0, 0});
    gfx::Point origin = window_->ClientToScreen({0, 0});
    return gfx::Rect::FromSize(at.x - origin.x, at.y - origin.y, s.control->Width(), s.control->Height());
  }

  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryWindowTest, BothHalvesShowTheSameSamples) {
  ASSERT_EQ(window_->Halves().size(), 2u);
  const auto& skinned = window_->Halves()[0]->Samples();
  const auto& plain = window_->Halves()[1]->Samples();
  EXPECT_EQ(window_->Halves()[0]->Half(), "skinned");
  EXPECT_EQ(window_->Halves()[1]->Half(), "plain");
  ASSERT_EQ(skinned.size(), plain.size());
  EXPECT_FALSE(skinned.empty());
  std::set<std::pair<std::string, std::string>> names;
  for (size_t i = 0; i < skinned.size(); ++i) {
    EXPECT_EQ(skinned[i].name, plain[i].name);
    EXPECT_EQ(skinned[i].state, plain[i].state);
    // A sample is found by its name and state, so each pair appears once per half.
    EXPECT_TRUE(names.insert({skinned[i].name, skinned[i].state}).second) << skinned[i].name << " " << skinned[i].state;
  }
}

TEST_F(GalleryWindowTest, SamplesLieInsideTheirHalfWithoutOverlapping) {
  const int half_width = app::GalleryWindow::kHalfWidth;
  for (size_t h = 0; h < window_->Halves().size(); ++h) {
    const auto& samples = window_->Halves()[h]->Samples();
    const gfx::Rect half = gfx::Rect::FromSize(static_cast<int>(h) * half_width, 0, half_width, window_->ClientHeight());
    std::vector<gfx::Rect> top_level;
    for (const app::GallerySample& s : samples) {
      SCOPED_TRACE(window_->Halves()[h]->Half() + " " + s.name + " " + s.state);
      const gfx::Rect r = Place(s);
      EXPECT_GT(r.Width(), 0);
      EXPECT_GT(r.Height(), 0);
      EXPECT_EQ(r.Intersect(half), r);
      if (s.control->Parent() != &window_->Halves()[h]->Parent()) continue;
      for (const gfx::Rect& other : top_level) EXPECT_TRUE(r.Intersect(other).IsEmpty());
      top_level.push_back(r);
    }
  }
}

TEST_F(GalleryWindowTest, SamplesReachTheirStatesAndSizes) {
  // Sizes of skinned samples (width, height; 0: not checked) as the program's skin gives them.
  struct Case {
    const char* name;
    const char* state;
    int w, h;
  };
  const Case cases[] = {
      {"expanel", "rolled", 140, 17},
      {"expanel", "rolled-sideways", 17, 100},
      {"expanel", "normal", 140, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.state);
    const app::GallerySample* found = nullptr;
    for (const app::GallerySample& s : window_->Halves()[0]->Samples()) {
      if (s.name == c.name && s.state == c.state) found = &s;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->control->Width(), c.w);
    EXPECT_EQ(found->control->Height(), c.h);
  }
}

}  // namespace
