// The button samples of the gallery: each rests in the state its name says, and the live ones
// print their clicks.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryButtonsTest : public UiTest {
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
  T* Sample(size_t half, const std::string& name, const std::string& state) {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name == name && s.state == state) return dynamic_cast<T*>(s.control);
    }
    ADD_FAILURE() << name << " " << state;
    return nullptr;
  }

  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryButtonsTest, SamplesRestInTheirStatesInBothHalves) {
  for (size_t half : {0u, 1u}) {
    SCOPED_TRACE(window_->Halves()[half]->Half());
    auto* hot = Sample<skin::TskSkinButton>(half, "button", "hot");
    ASSERT_NE(hot, nullptr);
    EXPECT_TRUE(hot->Hovered());
    if (half == 0) {
      EXPECT_DOUBLE_EQ(hot->MorphFactor(), 1.0);  // the fade ran to its end
    }
    EXPECT_TRUE(Sample<skin::TskSkinButton>(half, "button", "pressed")->Down());
    EXPECT_TRUE(Sample<skin::TskSkinButton>(half, "button", "default")->Hovered());
    EXPECT_FALSE(Sample<skin::TskSkinButton>(half, "button", "disabled")->Enabled());
    EXPECT_TRUE(Sample<skin::TskSkinButton>(half, "button", "grouped-down")->Down());
    EXPECT_FALSE(Sample<skin::TskSkinButton>(half, "button", "grouped-up-1")->Down());
    EXPECT_TRUE(Sample<skin::TskSkinButton>(half, "button", "allowallup-1")->Down());
    EXPECT_TRUE(Sample<skin::TskSkinButton>(half, "button", "allowallup-2")->Down());
    EXPECT_TRUE(Sample<skin::TskSkinSpeedButton>(half, "toolbutton", "pressed")->Down());
    EXPECT_TRUE(Sample<skin::TskSkinSpeedButton>(half, "toolbutton", "flat-hot")->Hovered());
    EXPECT_TRUE(Sample<skin::TskSkinSpeedButton>(half, "toolbutton", "grouped-down")->Down());
    EXPECT_TRUE(Sample<skin::TskSkinCheckRadioBox>(half, "checkbox", "checked")->Checked());
    EXPECT_FALSE(Sample<skin::TskSkinCheckRadioBox>(half, "checkbox", "checked")->Hovered());
    EXPECT_TRUE(Sample<skin::TskSkinCheckRadioBox>(half, "radiobox", "grouped-checked")->Checked());
    EXPECT_FALSE(Sample<skin::TskSkinCheckRadioBox>(half, "radiobox", "grouped-unchecked")->Checked());
  }
}

TEST_F(GalleryButtonsTest, ALiveButtonPrintsOneClickAndNoneForAReleaseFarAway) {
  auto* b = Sample<skin::TskSkinButton>(0, "button", "normal");
  ASSERT_NE(b, nullptr);
  const gfx::Point centre = b->ClientToScreen({b->Width() / 2, b->Height() / 2});
  ::testing::internal::CaptureStdout();
  backend_->InjectMouseMove(centre);
  backend_->Click(centre);
  Pump();
  backend_->InjectMouseDown(centre);
  backend_->InjectMouseMove({centre.x + 100, centre.y});
  backend_->InjectMouseUp({centre.x + 100, centre.y});
  Pump();
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, "skinned/button/normal click 打开图片\n");
}

}  // namespace
