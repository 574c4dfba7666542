// The main window's current picture: rotate, flip and restore on the real window, headless.
#include "app/TOrvelDralen.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/WindowedApp.h"
#include "gfx/Bitmap.h"
#include "ui/ImageView.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

// Pixels named by their colour: a picture of w x h from colours listed row by row.
gfx::Bitmap Picture(int w, int h, const std::vector<gfx::Color>& rows) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, rows[static_cast<size_t>(y * w + x)]);
  return b;
}

const gfx::Color a = gfx::Rgb(10, 0, 0), b = gfx::Rgb(20, 0, 0), c = gfx::Rgb(30, 0, 0);
const gfx::Color d = gfx::Rgb(0, 40, 0), e = gfx::Rgb(0, 50, 0), f = gfx::Rgb(0, 0, 60);

class TOrvelDralenPictureTest : public UiTest {
 protected:
  void SetUp() override {
    main_ = app::CreateWindows(*app_).OrvelDralen;
    main_->Show();
    Pump();
  }
  // What opening a file leaves: the picture as the current picture and as its restore copy.
  void Open(const gfx::Bitmap& picture) {
    main_->Image1->SetPicture(picture);
    main_->Image2->SetPicture(picture);
    main_->SetPictureMiddle();
  }
  // Where a view of w x h stands in the middle of the picture page's scroll box, 512 x 423 while
  // its bars are hidden.
  static gfx::Rect Middle(int w, int h) {
    const int left = 512 / 2 - w / 2, top = 423 / 2 - h / 2;
    return {left, top, left + w, top + h};
  }

  app::TOrvelDralen* main_ = nullptr;
};

TEST_F(TOrvelDralenPictureTest, RotateAndFlipMovePixelsAndRefitTheView) {
  using Handler = void (app::TOrvelDralen::*)(ui::Component*);
  struct Case {
    const char* name;
    Handler handler;
    int times;
    gfx::Bitmap expected;
  };
  const gfx::Bitmap start = Picture(3, 2, {a, b, c, d, e, f});
  const Case cases[] = {
      {"rotate", &app::TOrvelDralen::N901Click, 1, Picture(2, 3, {d, a, e, b, f, c})},
      {"flip", &app::TOrvelDralen::N1Click, 1, Picture(3, 2, {c, b, a, f, e, d})},
      {"four rotations", &app::TOrvelDralen::N901Click, 4, start},
      {"two flips", &app::TOrvelDralen::N1Click, 2, start},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    Open(start);
    // A zoomed preview: the view larger than the picture and stretched.
    main_->Image1->SetAutoSize(false);
    main_->Image1->SetBounds(0, 0, 300, 200);
    for (int i = 0; i < k.times; ++i) (main_->*k.handler)(nullptr);
    EXPECT_EQ(main_->Image1->Picture(), k.expected);
    EXPECT_EQ(main_->Image1->BoundsRect(), Middle(k.expected.Width(), k.expected.Height()));
    EXPECT_FALSE(main_->Image1->AutoSize());
    EXPECT_FALSE(main_->Image1->Stretch());
    EXPECT_EQ(main_->Image2->Picture(), start);
  }
}

TEST_F(TOrvelDralenPictureTest, TransformsNeedAPictureAndAnEmptyOneShrinksTheViewToNothing) {
  const gfx::Rect at_start = main_->Image1->BoundsRect();
  main_->N901Click(nullptr);
  main_->N1Click(nullptr);
  EXPECT_FALSE(main_->Image1->HasPicture());
  EXPECT_EQ(main_->Image1->BoundsRect(), at_start);
  EXPECT_TRUE(main_->Image1->Stretch());

  // A file that gave nothing leaves an empty picture: the view becomes 0 x 0, centred.
  main_->Image1->SetPicture(gfx::Bitmap());
  main_->N901Click(nullptr);
  EXPECT_TRUE(main_->Image1->Picture().IsEmpty());
  EXPECT_EQ(main_->Image1->BoundsRect(), Middle(0, 0));
}

TEST_F(TOrvelDralenPictureTest, RestoreBringsBackTheOpenedPictureAfterTransforms) {
  const gfx::Bitmap start = Picture(3, 2, {a, b, c, d, e, f});
  Open(start);
  main_->N901Click(nullptr);
  main_->N1Click(nullptr);
  main_->N901Click(nullptr);
  main_->N3Click(nullptr);
  EXPECT_EQ(main_->Image1->Picture(), start);
  EXPECT_EQ(main_->Image1->BoundsRect(), Middle(3, 2));
}

TEST_F(TOrvelDralenPictureTest, RestoreWithoutARestoreCopyKeepsTheCurrentPicture) {
  // A capture before any file was opened: there is nothing to go back to, and it must not be lost.
  const gfx::Bitmap capture = Picture(2, 1, {a, f});
  main_->Image1->SetPicture(capture);
  main_->N3Click(nullptr);
  EXPECT_EQ(main_->Image1->Picture(), capture);
  EXPECT_TRUE(main_->Image1->HasPicture());
}

}  // namespace
