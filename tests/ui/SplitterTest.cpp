// The splitter: which control it resizes, in which direction, within which limits, live or on release.
#include "ui/Splitter.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class SplitterTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(50, 50, 400, 300);
    form_->Show();
  }
  // A pane aligned `align`, a splitter beside it, and a client pane filling the rest.
  ui::Splitter* Build(ui::Align align, int size) {
    pane_ = form_->MakeChild<ui::Panel>(form_);
    const bool across = align == ui::Align::kTop || align == ui::Align::kBottom;
    pane_->SetBounds(0, 0, across ? 50 : size, across ? size : 50);
    pane_->SetAlign(align);
    auto* s = form_->MakeChild<ui::Splitter>(form_);
    s->SetAlign(align);
    // Placed just past the pane so that the alignment puts it beside the pane, not before it.
    if (align == ui::Align::kLeft) s->SetBounds(size + 1, 0, 5, 10);
    if (align == ui::Align::kRight) s->SetBounds(400 - size - 6, 0, 5, 10);
    if (align == ui::Align::kTop) s->SetBounds(0, size + 1, 10, 5);
    if (align == ui::Align::kBottom) s->SetBounds(0, 300 - size - 6, 10, 5);
    rest_ = form_->MakeChild<ui::Panel>(form_);
    rest_->SetAlign(ui::Align::kClient);
    Pump();
    return s;
  }
  gfx::Point Middle(const ui::Control& c) const { return c.ClientToScreen({c.Width() / 2, c.Height() / 2}); }
  void Drag(ui::Splitter* s, int dx, int dy, bool release = true) {
    const gfx::Point from = Middle(*s);
    backend_->InjectMouseMove(from);
    backend_->InjectMouseDown(from);
    Pump();
    backend_->InjectMouseMove({from.x + dx, from.y + dy});
    Pump();
    if (!release) return;
    backend_->InjectMouseUp({from.x + dx, from.y + dy});
    Pump();
  }
  int PaneSize(ui::Align align) const {
    return align == ui::Align::kTop || align == ui::Align::kBottom ? pane_->Height() : pane_->Width();
  }

  ui::Form* form_ = nullptr;
  ui::Panel* pane_ = nullptr;
  ui::Panel* rest_ = nullptr;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourOnEachSide) {
  struct Case {
    ui::Align align;
    int dx, dy;
    int size;
  };
  const Case cases[] = {
      {ui::Align::kLeft, 40, 0, 140},   {ui::Align::kLeft, -30, 0, 70},  {ui::Align::kRight, 40, 0, 60},
      {ui::Align::kRight, -25, 0, 125}, {ui::Align::kTop, 0, 20, 120},   {ui::Align::kBottom, 0, 20, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.align)) + " " + std::to_string(c.dx + c.dy));
    SetUp();
    ui::Splitter* s = Build(c.align, 100);
    ASSERT_EQ(s->FindNeighbour(), pane_);
    int moved = 0;
    s->OnMoved = [&](ui::Component*) { ++moved; };
    Drag(s, c.dx, c.dy);
    EXPECT_EQ(PaneSize(c.align), c.size);
    EXPECT_EQ(moved, 1);
    EXPECT_FALSE(s->Dragging());
    app_->DestroyForm(form_);
  }
}

TEST_F(SplitterTest, SizesStayWithinTheMinimumOnBothSides) {
  ui::Splitter* s = Build(ui::Align::kLeft, 100);
  s->SetMinSize(40);
  Drag(s, -90, 0);
  EXPECT_EQ(pane_->Width(), 40);
  // What lies beyond keeps at least the minimum too: 400 - 5 - 40.
  Drag(s, 500, 0);
  EXPECT_EQ(pane_->Width(), 355);
  EXPECT_EQ(rest_->Width(), 40);
}

TEST_F(SplitterTest, LiveOrOnRelease) {
  for (ui::ResizeStyle style : {ui::ResizeStyle::kUpdate, ui::ResizeStyle::kLine, ui::ResizeStyle::kNone}) {
    SCOPED_TRACE(static_cast<int>(style));
    SetUp();
    ui::Splitter* s = Build(ui::Align::kLeft, 100);
    s->SetResizeStyle(style);
    const gfx::Bitmap before = backend_->ScreenBitmap();
    Drag(s, 30, 0, false);
    EXPECT_TRUE(s->Dragging());
    EXPECT_EQ(pane_->Width(), style == ui::ResizeStyle::kUpdate ? 130 : 100);
    backend_->InjectMouseUp(Middle(*s));
    Pump();
    EXPECT_EQ(pane_->Width(), 130);
    app_->DestroyForm(form_);
  }
}

TEST_F(SplitterTest, TheLineShownDuringADragLeavesNoTrace) {
  ui::Splitter* s = Build(ui::Align::kLeft, 100);
  s->SetResizeStyle(ui::ResizeStyle::kLine);
  s->OnCanResize = [](ui::Control*, int&, bool& accept) { accept = false; };
  Pump();
  const gfx::Bitmap before = backend_->ScreenBitmap();
  Drag(s, 30, 0, false);
  EXPECT_NE(backend_->ScreenBitmap(), before) << "no line shown";
  backend_->InjectMouseMove(Middle(*s));
  backend_->InjectMouseUp(Middle(*s));
  Pump();
  EXPECT_EQ(pane_->Width(), 100);
  EXPECT_EQ(backend_->ScreenBitmap(), before);
}

TEST_F(SplitterTest, WithoutANeighbourNothingMoves) {
  auto* s = form_->MakeChild<ui::Splitter>(form_);
  s->SetAlign(ui::Align::kLeft);
  Pump();
  EXPECT_EQ(s->FindNeighbour(), nullptr);
  Drag(s, 30, 0);
  EXPECT_FALSE(s->Dragging());
  EXPECT_EQ(s->Left(), 0);
}

TEST_F(SplitterTest, ANeighbourDestroyedMidDragEndsIt) {
  ui::Splitter* s = Build(ui::Align::kLeft, 100);
  s->SetResizeStyle(ui::ResizeStyle::kUpdate);
  Drag(s, 10, 0, false);
  ASSERT_TRUE(s->Dragging());
  std::unique_ptr<ui::Control> held = form_->RemoveChild(pane_);
  held.reset();
  EXPECT_FALSE(s->Dragging());
  backend_->InjectMouseMove({Middle(*s).x + 20, Middle(*s).y});
  backend_->InjectMouseUp({Middle(*s).x + 20, Middle(*s).y});
  Pump();
}

}  // namespace
