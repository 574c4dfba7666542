// The screen capture on the real windows over the headless backend's virtual screen.
#include "app/TfrmScreen.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "platform/KeyCodes.h"
#include "ui/ImageView.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

// Every pixel of the pattern tells where it is.
gfx::Color PatternAt(int x, int y) { return gfx::Rgb(x % 256, y % 256, (x / 256) * 16 + y / 256); }

gfx::Bitmap PatternArea(const gfx::Rect& r) {
  gfx::Bitmap b(r.Width(), r.Height(), 24);
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) b.SetPixel(x, y, PatternAt(r.left + x, r.top + y));
  return b;
}

gfx::Color Inverted(gfx::Color c) { return gfx::Rgb(255 - gfx::Red(c), 255 - gfx::Green(c), 255 - gfx::Blue(c)); }

class TfrmScreenTest : public UiTest {
 protected:
  void SetUp() override {
    // A window of the pattern at the screen's top-left, under the main window.
    platform::SurfaceParams p;
    p.bounds = {0, 0, 640, 480};
    pattern_ = backend_->CreateSurface(p);
    pattern_->Present(PatternArea({0, 0, 640, 480}), {0, 0, 640, 480});
    pattern_->Show(false);
    app::Windows w = app::CreateWindows(*app_);
    main_ = w.OrvelDralen;
    screen_ = w.frmScreen;
    main_->Show();
    Pump();
    // A picture opened before: the current picture and its restore copy.
    opened_ = gfx::Bitmap(5, 4, 24);
    opened_.Fill(gfx::Rgb(200, 0, 0));
    main_->Image1->SetPicture(opened_);
    main_->Image2->SetPicture(opened_);
  }
  void StartCapture() {
    main_->skSkinButton10Click(nullptr);
    Pump();
  }

  std::unique_ptr<platform::Surface> pattern_;
  app::TOrvelDralen* main_ = nullptr;
  app::TfrmScreen* screen_ = nullptr;
  gfx::Bitmap opened_;
};

TEST_F(TfrmScreenTest, TwoClicksTakeTheRectangleBetweenThemInEitherOrder) {
  struct Case {
    gfx::Point first, second;
  };
  for (const Case& k : {Case{{100, 80}, {300, 200}}, Case{{300, 200}, {100, 80}}, Case{{300, 80}, {100, 200}}}) {
    SCOPED_TRACE(testing::Message() << k.first.x << "," << k.first.y << " then " << k.second.x << "," << k.second.y);
    const int beeps = backend_->Beeps();
    StartCapture();
    ASSERT_TRUE(screen_->Visible());
    EXPECT_EQ(backend_->Beeps(), beeps + 1);
    EXPECT_EQ(screen_->Surface()->Bounds(), (gfx::Rect{0, 0, 1280, 1024}));
    // The frozen image is the screen as it was, the main window included.
    EXPECT_EQ(screen_->Image1->Picture().Pixel(150, 100), PatternAt(150, 100));
    EXPECT_EQ(main_->Image1->Left(), 10);
    EXPECT_EQ(main_->Image1->Top(), 10);

    backend_->Click(k.first);
    Pump();
    // The rubber band follows the pointer in inverted pixels, on the screen too.
    backend_->InjectMouseMove({250, 150});
    Pump();
    backend_->InjectMouseMove({220, 170});
    Pump();
    const gfx::Point corner = {std::min(k.first.x, 220), std::min(k.first.y, 170)};
    EXPECT_EQ(backend_->ScreenPixel(corner), Inverted(PatternAt(corner.x, corner.y)));
    // The band drawn before is gone.
    EXPECT_EQ(screen_->Image1->Picture().Pixel(249, 150), PatternAt(249, 150));

    backend_->Click(k.second);
    Pump();
    EXPECT_FALSE(screen_->Visible());
    EXPECT_EQ(backend_->ActiveSurface(), main_->Surface()->Id());
    EXPECT_EQ(main_->Image1->Picture(), PatternArea({100, 80, 300, 200}));
    EXPECT_EQ(main_->Image1->BoundsRect(), (gfx::Rect{10, 10, 210, 130}));
    // The capture is the current picture only: the restore copy is the opened picture.
    EXPECT_EQ(main_->Image2->Picture(), opened_);
  }
  // At once a 24-bit picture the transforms work on; "恢复" brings back the opened one.
  main_->N901Click(nullptr);
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{120, 200}));
  EXPECT_EQ(main_->Image1->Picture().Pixel(119, 0), PatternAt(100, 80));
  main_->N3Click(nullptr);
  EXPECT_EQ(main_->Image1->Picture(), opened_);
}

TEST_F(TfrmScreenTest, CancelledCapturesLeaveThePictureAndTheNextOneStartsFresh) {
  struct Case {
    const char* name;
    std::function<void()> cancel;
  };
  const Case cases[] = {
      {"escape", [&] { backend_->PressKey(platform::kVkEscape); }},
      {"close", [&] { backend_->InjectCloseRequest(screen_->Surface()->Id()); }},
      {"two clicks at one point", [&] { backend_->Click({100, 80}); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    StartCapture();
    backend_->Click({100, 80});
    backend_->InjectMouseMove({150, 90});
    Pump();
    k.cancel();
    Pump();
    EXPECT_FALSE(screen_->Visible());
    EXPECT_FALSE(screen_->Selecting);
    EXPECT_EQ(main_->Image1->Picture(), opened_);

    // A new capture: its first click starts a band rather than ending the old one.
    backend_->AdvanceClock(1000);
    StartCapture();
    backend_->Click({300, 200});
    Pump();
    EXPECT_TRUE(screen_->Visible());
    backend_->Click({100, 80});
    Pump();
    EXPECT_EQ(main_->Image1->Picture(), PatternArea({100, 80, 300, 200}));
    main_->Image1->SetPicture(opened_);
  }
}

}  // namespace
