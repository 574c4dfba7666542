// The plain controls: image view, progress bar, label, group box, button and message box.
#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/ProgressBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

gfx::Bitmap Picture(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h, 24);
  b.Fill(c);
  return b;
}

class PlainControlsTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 300, 200);
    form_->SetColor(gfx::kWhite);
    form_->Show();
    Pump();
  }
  ui::Form* form_ = nullptr;
};

TEST_F(PlainControlsTest, ImageViewWithoutAPictureReadsAsEmpty) {
  auto* view = form_->MakeChild<ui::ImageView>(form_);
  EXPECT_FALSE(view->HasPicture());
  EXPECT_TRUE(view->Picture().IsEmpty());
  EXPECT_EQ(view->Picture().Width(), 0);
  view->SetPicture(Picture(3, 2, gfx::kBlack));
  view->ClearPicture();
  EXPECT_TRUE(view->Picture().IsEmpty());
}

TEST_F(PlainControlsTest, ImageViewShowsAPalettePictureAsItIsNowAfterEachChange) {
  auto* view = form_->MakeChild<ui::ImageView>(form_);
  view->SetBounds(10, 10, 40, 20);
  view->SetStretch(true);
  gfx::Bitmap picture(4, 2, 8);
  picture.SetPalette({gfx::Rgb(200, 0, 0), gfx::Rgb(0, 200, 0), gfx::Rgb(0, 0, 200)});
  view->SetPicture(picture);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({15, 15}), gfx::Rgb(200, 0, 0));
  // Changed in place, then a new picture: each shows, not what was drawn before.
  view->EditPicture().Row(0)[0] = 1;
  view->PictureChanged();
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({15, 15}), gfx::Rgb(0, 200, 0));
  picture.Row(0)[0] = 2;
  view->SetPicture(picture);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({15, 15}), gfx::Rgb(0, 0, 200));
}

struct ImageCase {
  const char* name;
  bool auto_size, stretch, center;
  gfx::Rect view_after;  // bounds after the picture (10 x 6) is set on a 40 x 30 view at 20, 20
  gfx::Rect dest;
};

class ImageViewLayout : public PlainControlsTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ImageViewLayout, PlacesThePicture) {
  const ImageCase& c = GetParam();
  auto* view = form_->MakeChild<ui::ImageView>(form_);
  view->SetBounds(20, 20, 40, 30);
  view->SetAutoSize(c.auto_size);
  view->SetStretch(c.stretch);
  view->SetCenter(c.center);
  view->SetPicture(Picture(10, 6, gfx::Rgb(255, 0, 0)));
  Pump();
  EXPECT_EQ(view->BoundsRect(), c.view_after);
  EXPECT_EQ(view->DestRect(), c.dest);
  // The picture's pixels are on screen exactly where the destination says, and nowhere else.
  gfx::Rect on_screen = c.dest.Offset(view->Left(), view->Top());
  EXPECT_EQ(backend_->ScreenPixel({on_screen.left, on_screen.top}), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({on_screen.right - 1, on_screen.bottom - 1}), gfx::Rgb(255, 0, 0));
  if (on_screen.right < view->BoundsRect().right) {
    EXPECT_EQ(backend_->ScreenPixel({on_screen.right, on_screen.top}), gfx::kWhite);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageViewLayout,
    ::testing::Values(ImageCase{"plain", false, false, false, {20, 20, 60, 50}, {0, 0, 10, 6}},
                      ImageCase{"centred", false, false, true, {20, 20, 60, 50}, {15, 12, 25, 18}},
                      ImageCase{"stretched", false, true, false, {20, 20, 60, 50}, {0, 0, 40, 30}},
                      ImageCase{"auto_size", true, true, true, {20, 20, 30, 26}, {0, 0, 10, 6}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlainControlsTest, ProgressBarKeepsItsPositionInRange) {
  auto* bar = form_->MakeChild<ui::ProgressBar>(form_);
  bar->SetPosition(150);
  EXPECT_EQ(bar->Position(), 100);
  bar->SetMax(40);
  EXPECT_EQ(bar->Position(), 40);
  bar->SetRange(50, 10);  // a maximum below the minimum is raised to it
  EXPECT_EQ(bar->Max(), 50);
  EXPECT_EQ(bar->Position(), 50);
  bar->SetRange(0, 100);
  bar->SetBounds(0, 0, 102, 10);
  bar->SetPosition(50);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({50, 5}), ui::kColorHighlight);
  EXPECT_NE(backend_->ScreenPixel({52, 5}), ui::kColorHighlight);
}

TEST_F(PlainControlsTest, AutoSizedLabelFollowsItsText) {
  auto* label = form_->MakeChild<ui::Label>(form_);
  label->SetCaption("75%");
  int short_width = label->Width();
  label->SetCaption("图片压缩取点比例");
  EXPECT_GT(label->Width(), short_width);
  EXPECT_EQ(label->Height(), label->GetFont().TextHeight());
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GT(label->Width(), short_width);
}

TEST_F(PlainControlsTest, GroupBoxAlignsChildrenBelowItsCaption) {
  auto* box = form_->MakeChild<ui::GroupBox>(form_);
  box->SetCaption("推荐下载");
  box->SetBounds(0, 0, 100, 80);
  auto* inner = box->MakeChild<ui::WinControl>(form_);
  inner->SetAlign(ui::Align::kClient);
  EXPECT_EQ(inner->Top(), box->GetFont().TextHeight());
  EXPECT_EQ(inner->BoundsRect().bottom, 78);
}

TEST_F(PlainControlsTest, MessageBoxReturnsThePressedButton) {
  int step = 0;
  backend_->SetIdleHandler([&] {
    ++step;
    if (step == 1) backend_->PressKey(platform::kVkTab);  // to the second button
    if (step == 2) backend_->PressKey(platform::kVkSpace);
    return step < 3;
  });
  EXPECT_EQ(ui::ShowMessageBox("继续?", "Orvel", ui::MessageBoxButtons::kYesNo), ui::kMrNo);
  step = 0;
  backend_->SetIdleHandler([&] {
    if (++step == 1) backend_->PressKey(platform::kVkEscape);
    return false;
  });
  EXPECT_EQ(ui::ShowMessageBox("x", "Orvel", ui::MessageBoxButtons::kOkCancel), ui::kMrCancel);
  backend_->SetIdleHandler(nullptr);
}

}  // namespace
