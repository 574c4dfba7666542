// Painting: invalidation, the erase-background protocol, clipping to children and what reaches the screen.
#include <gtest/gtest.h>

#include "gfx/Canvas.h"
#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

// A windowed control that counts its paints and can leave its background alone.
class Probe : public ui::WinControl {
 public:
  Probe() { SetOpaque(true); }
  int paints = 0;
  int erases = 0;
  bool swallow_erase = false;
  gfx::Rect last_clip;

 protected:
  void WndProc(ui::Message& m) override {
    if (m.id == ui::kMsgEraseBackground) {
      ++erases;
      if (swallow_erase) {
        m.result = 1;
        return;
      }
    }
    ui::WinControl::WndProc(m);
  }
  void Paint(gfx::Canvas& canvas) override {
    ++paints;
    last_clip = canvas.ClipBounds();
  }
};

class PaintTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(100, 100, 200, 100);
    form_->SetColor(gfx::Rgb(255, 255, 255));
    panel_ = form_->MakeChild<Probe>(form_);
    panel_->SetBounds(10, 10, 50, 50);
    panel_->SetColor(gfx::Rgb(0, 0, 255));
    other_ = form_->MakeChild<Probe>(form_);
    other_->SetBounds(100, 10, 50, 50);
    other_->SetColor(gfx::Rgb(0, 255, 0));
    form_->OnPaint = [this](ui::Component*, gfx::Canvas&) { ++form_paints_; };
    form_->Show();
    Pump();
  }
  ui::Form* form_ = nullptr;
  Probe* panel_ = nullptr;
  Probe* other_ = nullptr;
  int form_paints_ = 0;
};

TEST_F(PaintTest, ChangesReachTheScreenOnlyThroughTheLoop) {
  EXPECT_EQ(backend_->ScreenPixel({115, 115}), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(backend_->ScreenPixel({105, 105}), gfx::Rgb(255, 255, 255));
  panel_->SetColor(gfx::Rgb(255, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({115, 115}), gfx::Rgb(0, 0, 255));
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({115, 115}), gfx::Rgb(255, 0, 0));
  // Moving a control repaints both where it was and where it is.
  panel_->SetLeft(20);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({112, 115}), gfx::Rgb(255, 255, 255));
  EXPECT_EQ(backend_->ScreenPixel({125, 115}), gfx::Rgb(255, 0, 0));
}

TEST_F(PaintTest, InvalidatingOneControlRepaintsOnlyItsArea) {
  int panel_before = panel_->paints;
  int other_before = other_->paints;
  int form_before = form_paints_;
  panel_->InvalidateRect({0, 0, 10, 10});
  Pump();
  EXPECT_EQ(panel_->paints, panel_before + 1);
  EXPECT_EQ(panel_->last_clip, (gfx::Rect{0, 0, 10, 10}));
  EXPECT_EQ(other_->paints, other_before);
  // The form does not paint under an opaque windowed child.
  EXPECT_EQ(form_paints_, form_before);
  form_->InvalidateWindowRect({0, 0, 5, 5});
  Pump();
  EXPECT_EQ(form_paints_, form_before + 1);
  EXPECT_EQ(panel_->paints, panel_before + 1);
}

// A control whose client area sits inside a border.
class InsetProbe : public Probe {
 public:
  gfx::Rect ClientRect() const override { return {3, 2, Width() - 3, Height() - 2}; }
};

TEST_F(PaintTest, InvalidatingAnInsetControlRepaintsAllOfItAndNothingElse) {
  auto* inset = form_->MakeChild<InsetProbe>(form_);
  inset->SetBounds(10, 70, 40, 20);
  Pump();
  const int other_before = other_->paints;
  inset->Invalidate();
  Pump();
  // Client coordinates: the border runs from -3,-2 to the far edge.
  EXPECT_EQ(inset->last_clip, (gfx::Rect{-3, -2, 37, 18}));
  EXPECT_EQ(other_->paints, other_before);
}

TEST_F(PaintTest, ControlThatAnswersEraseBackgroundKeepsWhatWasThere) {
  panel_->swallow_erase = true;
  panel_->SetColor(gfx::Rgb(255, 0, 0));
  Pump();
  // Nothing filled the background: the old pixels stay.
  EXPECT_EQ(backend_->ScreenPixel({115, 115}), gfx::Rgb(0, 0, 255));
  EXPECT_GT(panel_->erases, 1);
}

TEST_F(PaintTest, HiddenControlsAreNotPaintedAndUncoverTheirParent) {
  other_->Hide();
  int before = other_->paints;
  form_->InvalidateAll();
  Pump();
  EXPECT_EQ(other_->paints, before);
  EXPECT_EQ(backend_->ScreenPixel({215, 115}), gfx::Rgb(255, 255, 255));
}

TEST_F(PaintTest, ShapedChildPaintsOnlyInsideItsShapeAndKeepsItAcrossMoves) {
  // Over panel_ (10,10 - 60,60, blue) and reaching past it onto the white form.
  auto* shaped = form_->AddChild(std::make_unique<Probe>());
  shaped->SetBounds(30, 30, 50, 50);
  shaped->SetColor(gfx::Rgb(255, 0, 0));
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({175, 175}), gfx::Rgb(255, 0, 0));
  shaped->SetShape(gfx::Region(gfx::Rect{0, 0, 10, 10}));
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({135, 135}), gfx::Rgb(255, 0, 0));   // inside the shape
  EXPECT_EQ(backend_->ScreenPixel({145, 145}), gfx::Rgb(0, 0, 255));   // the sibling below
  EXPECT_EQ(backend_->ScreenPixel({175, 175}), gfx::Rgb(255, 255, 255));  // the parent
  // The shape stays with the control when it moves.
  shaped->SetLeft(40);
  Pump();
  ASSERT_NE(shaped->Shape(), nullptr);
  EXPECT_EQ(backend_->ScreenPixel({145, 135}), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({135, 135}), gfx::Rgb(0, 0, 255));
  shaped->SetShape(std::nullopt);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({175, 175}), gfx::Rgb(255, 0, 0));
}

TEST_F(PaintTest, AWindowDCOverAnAreaDrawsAndShowsThatAreaAtOnce) {
  {
    // As a frame redraws one of its buttons from a timer: outside the paint cycle.
    ui::Form::WindowDC dc(*form_, {70, 20, 90, 40});
    dc.Canvas().FillRect({0, 0, 200, 100}, gfx::Rgb(255, 0, 0));
  }
  EXPECT_EQ(backend_->ScreenPixel({175, 125}), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({165, 125}), gfx::Rgb(255, 255, 255));
  EXPECT_EQ(backend_->ScreenPixel({115, 115}), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(form_->FrameBuffer().Pixel(105, 5), gfx::Rgb(255, 255, 255));
}

}  // namespace

namespace {

// A container whose client area lies inside a 3-pixel border it paints itself.
class Framed : public ui::WinControl {
 public:
  Framed() { SetOpaque(true); }
  gfx::Rect ClientRect() const override { return {3, 3, Width() - 3, Height() - 3}; }

 protected:
  void Paint(gfx::Canvas& canvas) override {
    canvas.FillRect({-3, -3, Width() - 3, Height() - 3}, gfx::Rgb(255, 0, 0));
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()}, gfx::Rgb(255, 255, 255));
  }
};

TEST_F(UiTest, ChildrenReachingPastTheClientAreaLeaveTheBorderAlone) {
  auto* form = app_->CreateForm<ui::Form>();
  form->SetBorderStyle(ui::BorderStyle::kNone);
  form->SetBounds(100, 100, 200, 100);
  auto* framed = form->MakeChild<Framed>(form);
  framed->SetBounds(10, 10, 60, 60);
  // A child scrolled up and left, as in a scrolled container, and one reaching past the far side.
  auto* child = framed->MakeChild<ui::WinControl>(form);
  child->SetColor(gfx::Rgb(0, 0, 255));
  child->SetBounds(-20, -20, 40, 40);
  auto* far = framed->MakeChild<ui::WinControl>(form);
  far->SetColor(gfx::Rgb(0, 255, 0));
  far->SetBounds(40, 40, 40, 40);
  form->Show();
  Pump();
  const gfx::Point o{100 + 10, 100 + 10};
  EXPECT_EQ(backend_->ScreenPixel({o.x + 1, o.y + 1}), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({o.x + 4, o.y + 4}), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(backend_->ScreenPixel({o.x + 58, o.y + 58}), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({o.x + 55, o.y + 55}), gfx::Rgb(0, 255, 0));
}

}  // namespace
