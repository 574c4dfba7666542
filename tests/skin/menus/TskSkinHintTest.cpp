// The hint component and its window: object hints near the cursor, sizes, the skinned look, and the
// application's hints.
#include "skin/menus/TskSkinHint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "gfx/Canvas.h"
#include "skin/menus/TskSkinHintWindow.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"
#include "ui/Panel.h"
#include "ui/UiTestEnv.h"

namespace skin {
namespace {

class TskSkinHintTest : public ui_test::UiTest {
 protected:
  TskSkinHintTest() {
    resources::LoadEmbeddedSkin(skin_);
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBounds(100, 100, 400, 300);
    form_->Show();
    Pump();
  }
  ~TskSkinHintTest() override { app_.reset(); }

  TskSkinHint* MakeHint() {
    auto* hint = form_->Make<TskSkinHint>();
    hint->SetSkinData(&skin_);
    return hint;
  }

  TskSkinData skin_;
  ui::Form* form_ = nullptr;
};

TEST_F(TskSkinHintTest, AnObjectHintNearTheCornerMovesUpAndLeftByItsOwnSize) {
  TskSkinHint* hint = MakeHint();
  TskSkinHintWindow& w = hint->ObjectHintWindow();
  const gfx::Size screen = backend_->ScreenSize();
  const struct {
    gfx::Point cursor;
    bool moved_left;
    bool moved_up;
  } cases[] = {
      {{300, 300}, false, false},
      {{screen.width - 10, 300}, true, false},
      {{300, screen.height - 10}, false, true},
      {{screen.width - 10, screen.height - 10}, true, true},
  };
  for (const auto& c : cases) {
    backend_->SetCursorPos(c.cursor);
    hint->ShowHintText("图片压缩取点比例");
    Advance(app_->HintPause() - 1);
    EXPECT_FALSE(w.Visible());
    Advance(1);
    ASSERT_TRUE(w.Visible());
    const gfx::Point at{c.cursor.x, c.cursor.y + TskSkinHint::kCursorHeightBelowHotSpot};
    EXPECT_EQ(w.Left(), c.moved_left ? at.x - w.Width() - 2 : at.x);
    EXPECT_EQ(w.Top(), c.moved_up ? at.y - w.Height() - 2 : at.y);
    Advance(app_->HintHidePause());
    EXPECT_FALSE(w.Visible());
  }
  // A new text before the pause ends starts the pause again.
  hint->ShowHintText("一");
  Advance(app_->HintPause() / 2);
  hint->ShowHintText("二");
  Advance(app_->HintPause() / 2 + 1);
  EXPECT_FALSE(w.Visible());
  Advance(app_->HintPause() / 2);
  EXPECT_TRUE(w.Visible());
  EXPECT_EQ(w.Caption(), "二");
  hint->HideHintText();
  EXPECT_FALSE(w.Visible());
}

TEST_F(TskSkinHintTest, SizeFollowsTheTextAndTheSkinPicture) {
  TskSkinHint* hint = MakeHint();
  TskSkinHintWindow& w = hint->ObjectHintWindow();
  const TskDataSkinHintWindow& r = skin_.HintWindow();
  const gfx::Bitmap* picture = skin_.ActivePicture(r.windowpictureindex);
  ASSERT_NE(picture, nullptr);
  const gfx::Font skin_font("Arial", r.fontheight);
  for (const std::string text : {"A", "图片压缩取点比例", "第一行\nsecond line"}) {
    hint->SetSkinData(&skin_);
    gfx::Rect r1 = w.CalcHintRect(0, text);
    EXPECT_TRUE(w.Skinned());
    gfx::Bitmap scratch(1, 1, 24);
    gfx::Canvas canvas(scratch);
    canvas.SetFont(skin_font);
    gfx::Rect extent{0, 0, 0, 0};
    canvas.DrawText(extent, text, gfx::kDtCalcRect | gfx::kDtNoPrefix);
    EXPECT_EQ(r1.Width(), std::max(extent.Width() + r.clientrect.left + picture->Width() - r.clientrect.right,
                                   picture->Width()))
        << text;
    EXPECT_EQ(r1.Height(), std::max(extent.Height() + r.clientrect.top + picture->Height() - r.clientrect.bottom,
                                    picture->Height()))
        << text;
    hint->SetSkinData(nullptr);
    gfx::Rect r2 = w.CalcHintRect(0, text);
    EXPECT_FALSE(w.Skinned());
    canvas.SetFont(hint->DefaultFont());
    extent = {0, 0, 0, 0};
    canvas.DrawText(extent, text, gfx::kDtCalcRect | gfx::kDtNoPrefix);
    EXPECT_EQ(r2, (gfx::Rect{0, 0, extent.Width() + 4, extent.Height() + 4})) << text;
  }
}

TEST_F(TskSkinHintTest, SkinnedHintShowsThePictureAndTheTextInTheRecordsColour) {
  TskSkinHint* hint = MakeHint();
  backend_->SetCursorPos({300, 300});
  hint->ShowHintText("取点比例");
  Advance(app_->HintPause());
  TskSkinHintWindow& w = hint->ObjectHintWindow();
  ASSERT_TRUE(w.Visible());
  Pump();
  const gfx::Bitmap* picture = skin_.ActivePicture(skin_.HintWindow().windowpictureindex);
  EXPECT_EQ(w.FrameBuffer().Pixel(0, 0), picture->Pixel(0, 0));
  // Anti-aliased strokes come close to the record's font colour.
  const gfx::Color ink = skin_.HintWindow().fontcolor;
  auto near_ink = [&](gfx::Color c) {
    return std::abs(gfx::Red(c) - gfx::Red(ink)) < 40 && std::abs(gfx::Green(c) - gfx::Green(ink)) < 40 &&
           std::abs(gfx::Blue(c) - gfx::Blue(ink)) < 40;
  };
  bool text = false;
  for (int32_t y = 0; y < w.Height() && !text; ++y) {
    for (int32_t x = 0; x < w.Width() && !text; ++x) text = near_ink(w.FrameBuffer().Pixel(x, y));
  }
  EXPECT_TRUE(text);
}

TEST_F(TskSkinHintTest, ApplicationHintsFollowTheActiveComponentOfTheMainForm) {
  auto* panel = form_->MakeChild<ui::Panel>(form_);
  panel->SetBounds(10, 10, 100, 50);
  panel->SetHint("提示");
  panel->SetShowHint(true);
  auto hover = [&] {
    app_->CancelHint();
    backend_->InjectMouseMove({10, 10});
    Pump();
    backend_->InjectMouseMove({150, 130});
    Pump();
    Advance(app_->HintPause());
    return app_->CurrentHint();
  };
  TskSkinHint* first = MakeHint();
  TskSkinHint* second = MakeHint();
  EXPECT_TRUE(second->Active());
  first->SetActive(true);
  EXPECT_FALSE(second->Active());
  ui::HintWindow* shown = hover();
  ASSERT_NE(dynamic_cast<TskSkinHintWindow*>(shown), nullptr);
  EXPECT_TRUE(shown->Visible());
  EXPECT_TRUE(static_cast<TskSkinHintWindow*>(shown)->Skinned());
  // Without an active component a skinned hint window shows nothing.
  first->SetActive(false);
  shown = hover();
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(shown->Visible());
}

TEST_F(TskSkinHintTest, DestroyingTheComponentGivesBackThePlainHints) {
  auto hint = std::make_unique<TskSkinHint>();
  EXPECT_NE(dynamic_cast<TskSkinHintWindow*>(app_->HintWindowFactory().get()), nullptr);
  hint.reset();
  EXPECT_EQ(dynamic_cast<TskSkinHintWindow*>(app_->HintWindowFactory().get()), nullptr);
}

}  // namespace
}  // namespace skin
