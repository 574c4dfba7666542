// The colour dialog on the real windows, headless: its place, thumbnails, sliders, "确定" and "取消".
#include "app/TfrmsetC.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "ui/ImageView.h"
#include "ui/ProgressBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;
using Opener = void (app::TOrvelDralen::*)(ui::Component*);

constexpr Opener kContrast = &app::TOrvelDralen::skSkinButton7Click;
constexpr Opener kSaturation = &app::TOrvelDralen::skSkinButton8Click;
constexpr Opener kRgb = &app::TOrvelDralen::skSkinButton9Click;

gfx::Bitmap Filled(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h, 24);
  b.Fill(c);
  return b;
}

class TfrmsetCTest : public UiTest {
 protected:
  void SetUp() override {
    app::Windows w = app::CreateWindows(*app_);
    main_ = w.OrvelDralen;
    dialog_ = w.frmsetC;
    main_->Show();
    Pump();
  }
  void SetPicture(const gfx::Bitmap& picture) {
    main_->Image1->SetPicture(picture);
    main_->Image2->SetPicture(picture);
  }
  void ClickControl(const ui::Control& c) {
    backend_->Click(c.ClientToScreen({c.Width() / 2, c.Height() / 2}));
  }
  // Opens the dialog as its main-window button does, lets `use` work the dialog once it shows,
  // then clicks "确定" (ok) or "取消". False when the dialog never showed.
  bool RunDialog(Opener open, const std::function<void(app::TfrmsetC&)>& use, bool ok) {
    bool shown = false;
    backend_->SetIdleHandler([&] {
      if (shown || !dialog_->Visible()) return false;
      shown = true;
      use(*dialog_);
      ClickControl(ok ? *dialog_->skSkinButton1 : *dialog_->skSkinButton2);
      return true;
    });
    (main_->*open)(nullptr);
    backend_->SetIdleHandler(nullptr);
    EXPECT_FALSE(dialog_->Visible());
    return shown;
  }

  app::TOrvelDralen* main_ = nullptr;
  app::TfrmsetC* dialog_ = nullptr;
};

TEST_F(TfrmsetCTest, SlidersPreviewAndOkAppliesToTheWholePicture) {
  struct Case {
    const char* name;
    Opener open;
    std::vector<int> sliders;  // contrast or saturation: one value; RGB: red, green, blue; none: untouched
    gfx::Color pixel;
    gfx::Color expected;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {"contrast +100", kContrast, {100}, gfx::Rgb(200, 100, 50), gfx::Rgb(250, 50, 0), {"+100"}},
      {"contrast -100", kContrast, {-100}, gfx::Rgb(200, 100, 50), gfx::Rgb(172, 110, 80), {"-100"}},
      {"contrast -255", kContrast, {-255}, gfx::Rgb(200, 100, 50), gfx::Rgb(127, 127, 127), {"-255"}},
      {"saturation untouched is 0", kSaturation, {}, gfx::Rgb(200, 100, 50), gfx::Rgb(116, 116, 116), {"0"}},
      {"saturation 255", kSaturation, {255}, gfx::Rgb(200, 100, 50), gfx::Rgb(200, 100, 50), {"255"}},
      {"saturation -255", kSaturation, {-255}, gfx::Rgb(200, 100, 50), gfx::Rgb(32, 132, 182), {"-255"}},
      {"saturation -255 clamps", kSaturation, {-255}, gfx::Rgb(255, 255, 0), gfx::Rgb(85, 85, 255), {"-255"}},
      {"rgb", kRgb, {100, -30, 0}, gfx::Rgb(200, 20, 50), gfx::Rgb(255, 0, 50), {"+100", "-30", "0"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    // A fresh program each time: the sliders as at start.
    app_.reset();
    app_ = std::make_unique<ui::Application>();
    SetUp();
    const gfx::Bitmap picture = Filled(300, 200, k.pixel);
    SetPicture(picture);
    std::vector<std::string> labels;
    gfx::Color preview = 0;
    ASSERT_TRUE(RunDialog(
        k.open,
        [&](app::TfrmsetC& d) {
          std::vector<skin::TskSkinTrackBar*> bars;
          std::vector<skin::TskSkinLabel*> shown;
          if (k.open == kContrast) bars = {d.trackbarcontrast}, shown = {d.Labelcontrast};
          if (k.open == kSaturation) bars = {d.skSkinTrackBar1}, shown = {d.skSkinLabel1};
          if (k.open == kRgb)
            bars = {d.TrackBarRed, d.TrackBarGreen, d.TrackBarBlue}, shown = {d.labelred, d.labelgreen, d.labelblue};
          for (size_t i = 0; i < k.sliders.size(); ++i) bars[i]->SetValue(k.sliders[i]);
          for (skin::TskSkinLabel* l : shown) labels.push_back(l->Caption());
          preview = d.ImageafterChange->Picture().Pixel(90, 60);
          EXPECT_EQ(d.ImageBeforeChange->Picture().Pixel(90, 60), k.pixel);
        },
        true));
    EXPECT_EQ(labels, k.labels);
    EXPECT_EQ(preview, k.expected);
    EXPECT_EQ(main_->Image1->Picture(), Filled(300, 200, k.expected));
    // "恢复" can still undo it.
    EXPECT_EQ(main_->Image2->Picture(), picture);
  }
}

TEST_F(TfrmsetCTest, EachModeShowsItsCaptionAndGroupAtItsPlace) {
  SetPicture(Filled(8, 8, gfx::Rgb(1, 2, 3)));
  struct Case {
    Opener open;
    const char* caption;
    std::vector<bool> groups;
  };
  for (const Case& k : {Case{kContrast, "对比度调整", {true, false, false}},
                        Case{kSaturation, "饱和度调整", {false, true, false}},
                        Case{kRgb, "RGB调整", {false, false, true}}}) {
    SCOPED_TRACE(k.caption);
    std::vector<bool> groups;
    gfx::Rect outer, client;
    ASSERT_TRUE(RunDialog(
        k.open,
        [&](app::TfrmsetC& d) {
          groups = {d.skSkinGroupBox1->Visible(), d.skSkinGroupBox2->Visible(), d.GroupBoxRGBChange->Visible()};
          outer = d.Surface()->Bounds();
          const gfx::Point origin = d.ClientToScreen({0, 0});
          client = {origin.x, origin.y, origin.x + d.ClientWidth(), origin.y + d.ClientHeight()};
          EXPECT_EQ(d.Caption(), k.caption);
        },
        false));
    EXPECT_EQ(groups, k.groups);
    EXPECT_EQ(outer, (gfx::Rect{300, 194, 300 + 432, 194 + 433}));
    EXPECT_EQ(client, (gfx::Rect{307, 224, 307 + 418, 224 + 396}));
  }
}

TEST_F(TfrmsetCTest, OpeningShowsTheSlidersAsTheyStandAndCancelAppliesNothing) {
  const gfx::Bitmap yellow = Filled(40, 30, gfx::Rgb(255, 255, 0));
  SetPicture(yellow);
  ASSERT_TRUE(RunDialog(kSaturation, [](app::TfrmsetC& d) { d.skSkinTrackBar1->SetValue(-255); }, false));
  ASSERT_TRUE(RunDialog(kContrast, [](app::TfrmsetC& d) { d.trackbarcontrast->SetValue(80); }, false));
  EXPECT_EQ(main_->Image1->Picture(), yellow);

  // The saturation slider kept -255: before anything moves, the label and the after thumbnail show
  // what "确定" would do.
  std::string saturation;
  gfx::Color after = 0;
  ASSERT_TRUE(RunDialog(
      kSaturation,
      [&](app::TfrmsetC& d) {
        saturation = d.skSkinLabel1->Caption();
        after = d.ImageafterChange->Picture().Pixel(0, 0);
      },
      true));
  EXPECT_EQ(saturation, "-255");
  EXPECT_EQ(after, gfx::Rgb(85, 85, 255));
  EXPECT_EQ(main_->Image1->Picture(), Filled(40, 30, gfx::Rgb(85, 85, 255)));
  // The progress bar went over the rows and stays hidden.
  EXPECT_EQ(main_->StatusProgress->Max(), 29);
  EXPECT_EQ(main_->StatusProgress->Position(), 29);
  EXPECT_FALSE(main_->StatusProgress->Visible());

  // The contrast slider is back at 0 at every opening.
  std::string contrast;
  ASSERT_TRUE(RunDialog(
      kContrast,
      [&](app::TfrmsetC& d) {
        contrast = d.Labelcontrast->Caption();
        after = d.ImageafterChange->Picture().Pixel(0, 0);
      },
      false));
  EXPECT_EQ(contrast, "0");
  EXPECT_EQ(after, gfx::Rgb(85, 85, 255));
}

TEST_F(TfrmsetCTest, ThumbnailsAreCentredInTheirPanels) {
  struct Case {
    int w, h;
    gfx::Rect view;  // within its panel
  };
  for (const Case& k : {Case{120, 90, {36, 39, 36 + 120, 39 + 90}}, Case{400, 300, {6, 17, 6 + 180, 17 + 135}},
                        // Taller than the 169-high panel: the top is -11 div 2, truncated to -5.
                        Case{300, 400, {29, -5, 29 + 135, -5 + 180}},
                        // A sliver keeps one pixel across.
                        Case{1, 5000, {96, -5, 96 + 1, -5 + 180}}}) {
    SCOPED_TRACE(testing::Message() << k.w << "x" << k.h);
    SetPicture(Filled(k.w, k.h, gfx::Rgb(9, 99, 199)));
    gfx::Rect before, after;
    gfx::Size before_size, after_size;
    ASSERT_TRUE(RunDialog(
        kRgb,
        [&](app::TfrmsetC& d) {
          before = d.ImageBeforeChange->BoundsRect();
          after = d.ImageafterChange->BoundsRect();
          before_size = d.ImageBeforeChange->Picture().GetSize();
          after_size = d.ImageafterChange->Picture().GetSize();
        },
        false));
    EXPECT_EQ(before, k.view);
    EXPECT_EQ(after, k.view);
    EXPECT_EQ(before_size, (gfx::Size{k.view.Width(), k.view.Height()}));
    EXPECT_EQ(after_size, before_size);
  }
}

TEST_F(TfrmsetCTest, NoPictureNoDialog) {
  for (Opener open : {kContrast, kSaturation, kRgb})
    EXPECT_FALSE(RunDialog(open, [](app::TfrmsetC&) {}, true));
  EXPECT_FALSE(main_->Image1->HasPicture());
}

}  // namespace
