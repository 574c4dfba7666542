// The gallery's frame page: the skinned menu shown open, a menu chosen from with Down and Enter, and
// message boxes that print their results.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "platform/KeyCodes.h"
#include "skin/frame/TskMessageForm.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/menus/TskSkinPopupWindow.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryMenusTest : public UiTest {
 protected:
  void SetUp() override {
    window_ = app_->CreateForm<app::GalleryWindow>(app::GalleryPage::kFrame);
    window_->Build();
    window_->Show();
    window_->Activate();
    Pump();
    app::GalleryInput input([this](uint32_t ms) {
      for (uint32_t t = 0; t < ms; t += 20) Advance(20);
    });
    window_->SetUpStates(input);
  }
  ~GalleryMenusTest() override { app_.reset(); }

  const app::GallerySample& Sample(size_t half, const std::string& name, const std::string& state) {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name == name && s.state == state) return s;
    }
    ADD_FAILURE() << name << " " << state;
    return window_->Halves()[half]->Samples().front();
  }
  skin::TskSkinMenu& Engine() { return skin::FindMenuHost(window_)->MenuEngine(); }
  gfx::Point Centre(const ui::Control* c) { return c->ClientToScreen({c->Width() / 2, c->Height() / 2}); }

  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryMenusTest, TheSkinnedMenuShowsOpenWithItsSubmenu) {
  EXPECT_EQ(window_->Caption(), app::GalleryWindow::kFrameCaption);
  ASSERT_EQ(Engine().LevelCount(), 2u);
  EXPECT_TRUE(Engine().Level(0)->Skinned());
  EXPECT_TRUE(Engine().Level(1)->Skinned());
  EXPECT_EQ(Engine().OpeningControl(), Sample(0, "toolmenubutton", "menu").control);
}

TEST_F(GalleryMenusTest, APlainMenuRunsTheItemChosenWithDownAndEnter) {
  const ui::Control* button = Sample(1, "toolmenubutton", "menu").control;
  testing::internal::CaptureStdout();
  backend_->Click(Centre(button));
  Pump();
  ASSERT_EQ(Engine().LevelCount(), 1u);
  EXPECT_FALSE(Engine().Level(0)->Skinned());
  backend_->PressKey(platform::kVkDown);
  backend_->PressKey(platform::kVkReturn);
  Pump();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("plain/toolmenubutton/menu menu 水平翻转(&H)"), std::string::npos) << out;
  EXPECT_FALSE(Engine().IsOpen());
}

TEST_F(GalleryMenusTest, MessageBoxesPrintTheirResults) {
  const struct {
    size_t half;
    const char* state;
    platform::KeyCode key;
    const char* printed;
  } cases[] = {
      {0, "information-ok", platform::kVkReturn, "skinned/messagebox/information-ok result 1"},
      {1, "confirm-yes-no-cancel", platform::kVkEscape, "plain/messagebox/confirm-yes-no-cancel result 2"},
      {0, "confirm-yes-no", platform::kVkEscape, "skinned/messagebox/confirm-yes-no result 7"},
  };
  for (const auto& c : cases) {
    backend_->SetIdleHandler([&] {
      auto* box = dynamic_cast<skin::TskMessageForm*>(app_->ActiveForm());
      if (box == nullptr || !box->Visible()) return false;
      backend_->PressKey(c.key);
      return true;
    });
    testing::internal::CaptureStdout();
    backend_->Click(Centre(Sample(c.half, "messagebox", c.state).control));
    Pump();
    const std::string out = testing::internal::GetCapturedStdout();
    backend_->SetIdleHandler(nullptr);
    EXPECT_NE(out.find(c.printed), std::string::npos) << out;
  }
}

}  // namespace
