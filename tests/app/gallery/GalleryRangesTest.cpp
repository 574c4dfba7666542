// The range controls' gallery samples: their sizes under the skin, the states input left them in,
// and the events live samples print.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/controls/TskSkinUpDown.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryRangesTest : public UiTest {
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
  template <class T>
  T* Find(size_t half, const std::string& name, const std::string& state) const {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name == name && s.state == state) return dynamic_cast<T*>(s.control);
    }
    return nullptr;
  }
  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryRangesTest, SkinnedSamplesTakeTheSkinSizes) {
  struct Case {
    const char* name;
    const char* state;
    int w, h;
  };
  const Case cases[] = {{"htrackbar", "quality", 81, 15}, {"htrackbar", "batch", 97, 15}, {"hupdown", "normal", 36, 18}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.state);
    auto* control = Find<ui::Control>(0, c.name, c.state);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Width(), c.w);
    EXPECT_EQ(control->Height(), c.h);
  }
  EXPECT_EQ(Find<skin::TskSkinTrackBar>(0, "htrackbar", "quality")->ThumbBounds(), (gfx::Rect{41, 5, 59, 11}));
  EXPECT_EQ(Find<skin::TskSkinTrackBar>(0, "htrackbar", "batch")->ThumbBounds(), (gfx::Rect{53, 5, 71, 11}));
}

TEST_F(GalleryRangesTest, InputLeftTheSamplesInTheirStates) {
  for (size_t half : {0u, 1u}) {
    SCOPED_TRACE(half);
    EXPECT_TRUE(Find<skin::TskSkinTrackBar>(half, "htrackbar", "dragging")->Dragging());
    EXPECT_TRUE(Find<skin::TskSkinScrollBar>(half, "hscrollbar", "dragging")->Dragging());
    auto* pressed = Find<skin::TskSkinScrollBar>(half, "hscrollbar", "pressed");
    EXPECT_TRUE(pressed->PartDown(skin::TskSkinScrollBar::kDecrease));
    EXPECT_EQ(pressed->Position(), 0);
    EXPECT_EQ(Find<skin::TskSkinScrollBar>(half, "hscrollbar", "hot")->HotPart(), skin::TskSkinScrollBar::kIncrease);
    auto* updown = Find<skin::TskSkinUpDown>(half, "hupdown", "pressed");
    EXPECT_EQ(updown->PressedButton(), skin::TskSkinUpDown::kDownButton);
    EXPECT_EQ(updown->Position(), 0);
    // The big scroll box was paged down and right once: its content moved by a page each way.
    auto* area = Find<ui::WinControl>(half, "scrollbox", "1000x800");
    skin::TskSkinScrollBox* box = nullptr;
    area->ForEachChild([&](ui::Control& c) {
      if (auto* b = dynamic_cast<skin::TskSkinScrollBox*>(&c)) box = b;
    });
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->VScrollBar(), nullptr);
    EXPECT_EQ(box->VScrollBar()->Position(), 60);
    EXPECT_EQ(box->HScrollBar()->Position(), 60);
    ASSERT_EQ(box->ChildCount(), 1u);
    EXPECT_EQ(box->Child(0)->BoundsRect().TopLeft(), (gfx::Point{-60, -60}));
  }
}

TEST_F(GalleryRangesTest, LiveSamplesPrintTheirEvents) {
  auto* bar = Find<skin::TskSkinTrackBar>(0, "htrackbar", "quality");
  auto* updown = Find<skin::TskSkinUpDown>(1, "hupdown", "normal");
  testing::internal::CaptureStdout();
  bar->SetValue(80);
  backend_->Click(updown->ClientToScreen({40, 12}));
  Pump();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("skinned/htrackbar/quality change 80\n"), std::string::npos) << out;
  EXPECT_NE(out.find("plain/hupdown/normal change 6\n"), std::string::npos) << out;
  EXPECT_NE(out.find("plain/hupdown/normal up 6\n"), std::string::npos) << out;
}

}  // namespace
