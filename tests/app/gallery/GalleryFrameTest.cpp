// The gallery's frame pictures: each form caught in its own state, the window's shape cut out, and no
// sample form left behind.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "gfx/Bitmap.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryFrameTest : public UiTest {
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
    window_->UpdateNow();
  }
  ~GalleryFrameTest() override { app_.reset(); }

  // The sample's rectangle in the window's client area.
  gfx::Rect Place(size_t half, const std::string& state) {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name != "form" || s.state != state) continue;
      const gfx::Point at = s.control->ClientToScreen({0, 0});
      const gfx::Point origin = window_->ClientToScreen({0, 0});
      return gfx::Rect::FromSize(at.x - origin.x, at.y - origin.y, s.control->Width(), s.control->Height());
    }
    ADD_FAILURE() << "no form sample " << state;
    return {};
  }
  // The picture of a sample as the gallery shows it.
  gfx::Bitmap Picture(size_t half, const std::string& state) {
    const gfx::Rect r = Place(half, state);
    gfx::Bitmap out(r.Width(), r.Height(), 24);
    for (int y = 0; y < r.Height(); ++y) {
      for (int x = 0; x < r.Width(); ++x) out.SetPixel(x, y, window_->FrameBuffer().Pixel(r.left + x, r.top + y));
    }
    return out;
  }
  // The rows in which two pictures of one size differ: {first, last}, or {-1, -1} when they are equal.
  static std::pair<int, int> DifferingRows(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < a.Height(); ++y) {
      for (int x = 0; x < a.Width(); ++x) {
        if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
        if (rows.first < 0) rows.first = y;
        rows.second = y;
        break;
      }
    }
    return rows;
  }

  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryFrameTest, EachPictureShowsItsStateInTheCaptionRowOnly) {
  ASSERT_EQ(window_->FrameBuffer().Width(), window_->ClientWidth());
  const struct {
    size_t half;
    int caption_bottom;  // the first row of the client area in the pictures
  } halves[] = {{0, 30}, {1, 21}};
  for (const auto& h : halves) {
    SCOPED_TRACE(window_->Halves()[h.half]->Half());
    const gfx::Bitmap active = Picture(h.half, "active");
    for (const char* state : {"inactive", "close-hovered", "maximize-pressed"}) {
      SCOPED_TRACE(state);
      const gfx::Bitmap other = Picture(h.half, state);
      ASSERT_EQ(other.Width(), active.Width());
      ASSERT_EQ(other.Height(), active.Height());
      const auto rows = DifferingRows(active, other);
      EXPECT_GE(rows.first, 0);
      EXPECT_LT(rows.second, h.caption_bottom);
    }
    // A hovered and a pressed button are two different looks.
    EXPECT_GE(DifferingRows(Picture(h.half, "close-hovered"), Picture(h.half, "maximize-pressed")).first, 0);
    const gfx::Rect rolled = Place(h.half, "rolled-up");
    EXPECT_EQ(rolled.Width(), active.Width());
    EXPECT_LT(rolled.Height(), h.caption_bottom + 8);
  }
  // The skinned forms have the skin's frame around a 270 x 50 client area, rolled up to 37.
  EXPECT_EQ(Place(0, "active").Width(), 270 + 14);
  EXPECT_EQ(Place(0, "active").Height(), 50 + 37);
  EXPECT_EQ(Place(0, "rolled-up").Height(), 37);
}

TEST_F(GalleryFrameTest, TheShapeIsCutOutAndTheSampleFormsAreGone) {
  // The skin's rounded top-left corner lets the half's background through.
  const gfx::Rect r = Place(0, "active");
  const gfx::Bitmap& shown = window_->FrameBuffer();
  EXPECT_EQ(shown.Pixel(r.left, r.top), shown.Pixel(r.left - 1, r.top));
  EXPECT_NE(shown.Pixel(r.left + 4, r.top + 4), shown.Pixel(r.left - 1, r.top + 4));
  for (const ui::Form* f : app_->LiveForms()) {
    EXPECT_NE(f->Name(), "FrameSample");
    EXPECT_NE(f->Name(), "MessageForm");
  }
}

}  // namespace
