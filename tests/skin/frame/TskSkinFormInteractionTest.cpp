// The skinned frame under the mouse and keyboard: hit tests, caption buttons, window states, moving and sizing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/frame/FrameTestEnv.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/menus/TskSkinHint.h"
#include "skin/menus/TskSkinHintWindow.h"
#include "ui/Application.h"
#include "ui/Message.h"

namespace {

using frame_test::FrameTest;
using skin::FrameWindowState;
using skin::TskSkinForm;

class TskSkinFormInteractionTest : public FrameTest {
 protected:
  // Moves the mouse over an object of the frame and clicks it.
  void ClickObject(ui::Form* form, TskSkinForm* frame, const char* id) {
    const gfx::Rect r = frame->FindObject(id)->ObjectRect;
    const gfx::Point p = At(form, r.left + r.Width() / 2, r.top + r.Height() / 2);
    backend_->InjectMouseMove(p);
    Pump();
    backend_->Click(p);
    Pump();
  }
  // Drags from one window point of the form by (dx, dy) with the window system's move/size loop.
  void Drag(ui::Form* form, gfx::Point from, int dx, int dy) {
    const gfx::Point p = At(form, from.x, from.y);
    backend_->InjectMouseDown(p);
    backend_->InjectMouseMove({p.x + dx / 2, p.y + dy / 2});
    backend_->InjectMouseMove({p.x + dx, p.y + dy});
    backend_->InjectMouseUp({p.x + dx, p.y + dy});
    Pump();
  }
};

struct HitCase {
  gfx::Point p;
  intptr_t code;
};

// The skin's hit-test points are 38,30 / 174,30 / 6,159 / 207,159 in its 216 x 167 picture, the
// border 4 pixels wide; at 689 x 503 the right points move by 473 and the bottom ones by 336.
TEST_F(TskSkinFormInteractionTest, HitTestsFollowTheStoredPointsOfTheShape) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  ASSERT_EQ(form->Width(), 689);
  const HitCase sizeable[] = {
      {{2, 10}, ui::kHtTopLeft},       {{20, 2}, ui::kHtTopLeft},       {{2, 30}, ui::kHtTopLeft},
      {{2, 31}, ui::kHtLeft},          {{3, 100}, ui::kHtLeft},         {{2, 494}, ui::kHtLeft},
      {{2, 495}, ui::kHtBottomLeft},   {{2, 501}, ui::kHtBottomLeft},   {{40, 1}, ui::kHtTop},
      {{646, 1}, ui::kHtTop},          {{647, 1}, ui::kHtTopRight},     {{686, 2}, ui::kHtTopRight},
      {{686, 100}, ui::kHtRight},      {{686, 494}, ui::kHtRight},      {{686, 500}, ui::kHtBottomRight},
      {{300, 501}, ui::kHtBottom},     {{679, 501}, ui::kHtBottom},     {{680, 501}, ui::kHtBottomRight},
      {{100, 10}, ui::kHtCaption},     {{100, 5}, ui::kHtObject},       {{660, 15}, ui::kHtObject},
      {{16, 15}, ui::kHtObject},       {{6, 495}, ui::kHtObject},       {{300, 200}, ui::kHtClient},
  };
  for (const HitCase& c : sizeable) {
    EXPECT_EQ(frame->HitTest(c.p), c.code) << "at " << c.p.x << "," << c.p.y;
  }
  // Through the window procedure, as the backend asks: screen coordinates in.
  EXPECT_EQ(form->Send(ui::Message::MakeNcMouse(ui::kMsgNcHitTest, ui::kHtNowhere, At(form, 3, 100))), ui::kHtLeft);

  // A maximized window and a rolled-up one have no sizing borders.
  frame->SetWindowState(FrameWindowState::kMaximized);
  const HitCase maximized[] = {{{2, 100}, ui::kHtObject}, {{100, 10}, ui::kHtCaption}, {{300, 200}, ui::kHtClient}};
  for (const HitCase& c : maximized) EXPECT_EQ(frame->HitTest(c.p), c.code) << "maximized " << c.p.x << "," << c.p.y;
  frame->SetWindowState(FrameWindowState::kNormal);
  frame->SetRollUp(true);
  const HitCase rolled[] = {{{2, 20}, ui::kHtObject}, {{100, 10}, ui::kHtCaption}, {{686, 34}, ui::kHtObject}};
  for (const HitCase& c : rolled) EXPECT_EQ(frame->HitTest(c.p), c.code) << "rolled up " << c.p.x << "," << c.p.y;
}

TEST_F(TskSkinFormInteractionTest, AFixedBorderHasNoSizingBorders) {
  ui::Form* form = app_->CreateForm<ui::Form>();
  form->SetBorderStyle(ui::BorderStyle::kDialog);
  TskSkinForm* frame = TskSkinForm::Attach(*form);
  frame->SetBorderIcons(0);
  frame->SetSkinData(&skin_);
  form->SetBounds(40, 30, 432, 433);
  form->Show();
  Pump();
  const HitCase cases[] = {{{2, 100}, ui::kHtObject},  {{2, 10}, ui::kHtObject},   {{430, 431}, ui::kHtObject},
                           {{100, 10}, ui::kHtCaption}, {{100, 100}, ui::kHtClient}};
  for (const HitCase& c : cases) EXPECT_EQ(frame->HitTest(c.p), c.code) << "at " << c.p.x << "," << c.p.y;
  // Without border icons only the close button is left.
  std::vector<std::string> enabled;
  for (const auto& o : frame->Objects()) {
    if (o->IsEnabled && o->IsVisible && o->GetKind() == skin::TskActiveSkinObject::Kind::kStdButton)
      enabled.push_back(o->IDName);
  }
  EXPECT_EQ(enabled, std::vector<std::string>{"closebutton"});
}

TEST_F(TskSkinFormInteractionTest, TheWindowIsNeverSizedBelowThePictureWidthAndTheFrameHeight) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  // The form's own smaller limit does not undercut the frame's.
  form->SetMinSize({150, 29});
  ui::MinMaxInfo info{};
  form->Send(ui::Message::MakeMinMaxInfo(info));
  EXPECT_EQ(info.min_track, (gfx::Size{216, 37}));
  EXPECT_EQ(info.max_track, (gfx::Size{1280, 1024}));
  Drag(form, {686, 500}, -900, -900);
  EXPECT_EQ(form->BoundsRect(), gfx::Rect::FromSize(40, 30, 216, 37));
  EXPECT_FALSE(frame->InSizeMove());
  Drag(form, {214, 35}, 300, 200);
  EXPECT_EQ(form->BoundsRect(), gfx::Rect::FromSize(40, 30, 516, 237));
  // The caption row follows the right edge.
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, (gfx::Rect{477, 7, 496, 23}));
}

TEST_F(TskSkinFormInteractionTest, RollingUpLeavesTheFrameAndRollingDownTheExactHeight) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  int changes = 0;
  frame->OnChangeRollUpState = [&](ui::Component*) { ++changes; };
  ClickObject(form, frame, "rollupbutton");
  EXPECT_TRUE(frame->RolledUp());
  EXPECT_EQ(form->Height(), 37);
  EXPECT_TRUE(form->ClientRect().IsEmpty());
  ClickObject(form, frame, "rollupbutton");
  EXPECT_FALSE(frame->RolledUp());
  EXPECT_EQ(form->Height(), 503);
  EXPECT_EQ(changes, 2);
  // Asking twice changes nothing.
  frame->SetRollUp(false);
  EXPECT_EQ(form->Height(), 503);
  EXPECT_EQ(changes, 2);
}

TEST_F(TskSkinFormInteractionTest, ACaptionDoubleClickMaximizesASizeableWindowAndRollsUpADialog) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
  const gfx::Rect normal = form->BoundsRect();
  backend_->Click(At(form, 100, 15));
  backend_->Click(At(form, 100, 15));
  Pump();
  EXPECT_EQ(frame->WindowState(), FrameWindowState::kMaximized);
  backend_->AdvanceClock(1000);
  backend_->Click(At(form, 100, 15));
  backend_->Click(At(form, 100, 15));
  Pump();
  EXPECT_EQ(frame->WindowState(), FrameWindowState::kNormal);
  EXPECT_EQ(form->BoundsRect(), normal);

  ui::Form* dialog = app_->CreateForm<ui::Form>();
  dialog->SetBorderStyle(ui::BorderStyle::kDialog);
  TskSkinForm* dframe = TskSkinForm::Attach(*dialog);
  dframe->SetBorderIcons(skin::biRollUp);
  dframe->SetSkinData(&skin_);
  dialog->SetBounds(500, 400, 300, 200);
  dialog->Show();
  Pump();
  backend_->AdvanceClock(1000);
  backend_->Click(At(dialog, 100, 15));
  backend_->Click(At(dialog, 100, 15));
  Pump();
  EXPECT_TRUE(dframe->RolledUp());
  EXPECT_EQ(dialog->Height(), 37);
}

TEST_F(TskSkinFormInteractionTest, MinimizedFormsStandInARowAtTheBottomThatWrapsUpwards) {
  app_->CreateForm<ui::Form>();  // the main form minimizes the application instead
  backend_->SetMonitors({{{0, 0, 1280, 1024}, {0, 0, 500, 1000}, true}});
  std::vector<TskSkinForm*> frames;
  std::vector<ui::Form*> forms;
  for (int i = 0; i < 3; ++i) {
    TskSkinForm* frame = nullptr;
    forms.push_back(ShownForm(10 + i * 330, 30, 300, 200, &skin_, &frame));
    frames.push_back(frame);
  }
  const gfx::Rect first_bounds = forms[0]->BoundsRect();
  const gfx::Rect expected[] = {gfx::Rect::FromSize(0, 963, 216, 37), gfx::Rect::FromSize(216, 963, 216, 37),
                                gfx::Rect::FromSize(0, 926, 216, 37)};
  for (int i = 0; i < 3; ++i) {
    ClickObject(forms[static_cast<size_t>(i)], frames[static_cast<size_t>(i)], "minbutton");
    EXPECT_EQ(frames[static_cast<size_t>(i)]->WindowState(), FrameWindowState::kMinimized);
    EXPECT_EQ(forms[static_cast<size_t>(i)]->BoundsRect(), expected[i]) << "form " << i;
  }
  // A minimized form comes back to where it was.
  ClickObject(forms[0], frames[0], "minbutton");
  EXPECT_EQ(frames[0]->WindowState(), FrameWindowState::kNormal);
  EXPECT_EQ(forms[0]->BoundsRect(), first_bounds);
}

TEST_F(TskSkinFormInteractionTest, MaximizingFillsTheWorkAreaOrStaysAPixelInsideABareMonitor) {
  struct Case {
    const char* name;
    gfx::Rect work_area;
    bool full_screen;
    gfx::Rect expected;
  };
  const Case cases[] = {
      {"task bar", {0, 0, 1280, 984}, false, {0, 0, 1280, 984}},
      {"no task bar", {0, 0, 1280, 1024}, false, {1, 1, 1279, 1023}},
      {"full screen over a task bar", {0, 0, 1280, 984}, true, {0, 0, 1280, 1024}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend_->SetMonitors({{{0, 0, 1280, 1024}, c.work_area, true}});
    TskSkinForm* frame = nullptr;
    ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
    frame->MaximizeOnFullScreen = c.full_screen;
    ClickObject(form, frame, "maxbutton");
    EXPECT_EQ(frame->WindowState(), FrameWindowState::kMaximized);
    EXPECT_EQ(form->BoundsRect(), c.expected);
    // A maximized window does not move with its caption.
    Drag(form, {100, 15}, 50, 50);
    EXPECT_EQ(form->BoundsRect(), c.expected);
    ClickObject(form, frame, "maxbutton");
    EXPECT_EQ(form->BoundsRect(), gfx::Rect::FromSize(40, 30, 414, 337));
    app_->DestroyForm(form);
  }
}

TEST_F(TskSkinFormInteractionTest, MagneticEdgesPullAWindowDroppedCloserThanTheirDistance) {
  struct Case {
    int dx;
    int expected_left;
  };
  // From left 100: 4 pixels from the work area's left edge snaps, 5 does not.
  const Case cases[] = {{-96, 0}, {-95, 5}, {-104, 0}, {-105, -5}};
  for (const Case& c : cases) {
    TskSkinForm* frame = nullptr;
    ui::Form* form = ShownForm(100, 300, 400, 300, &skin_, &frame);
    frame->Magnetic = true;
    frame->MagneticSize = 5;
    Drag(form, {100, 15}, c.dx, 0);
    EXPECT_EQ(form->Left(), c.expected_left) << "moved by " << c.dx;
    EXPECT_EQ(form->Top(), 300);
    app_->DestroyForm(form);
  }
}

TEST_F(TskSkinFormInteractionTest, AHeldButtonRunsItsCommandOnlyWhenReleasedOverIt) {
  for (bool back_over : {false, true}) {
    SCOPED_TRACE(back_over ? "dragged back" : "dragged off");
    TskSkinForm* frame = nullptr;
    ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
    auto* button = static_cast<skin::TskSkinButtonObject*>(frame->FindObject("rollupbutton"));
    const gfx::Point on = At(form, 596, 15);
    const gfx::Point off = At(form, 300, 200);
    backend_->InjectMouseMove(on);
    Pump();
    backend_->InjectMouseDown(on);
    Pump();
    EXPECT_TRUE(button->Pressed);
    EXPECT_EQ(app_->CaptureControl(), form);
    backend_->InjectMouseMove(off);
    Advance(50);
    EXPECT_FALSE(button->Highlighted);
    EXPECT_EQ(frame->HotIndex(), -1);
    const gfx::Point release = back_over ? on : off;
    if (back_over) {
      backend_->InjectMouseMove(on);
      Advance(50);
      EXPECT_TRUE(button->Highlighted);
    }
    backend_->InjectMouseUp(release);
    Pump();
    EXPECT_FALSE(button->Pressed);
    EXPECT_EQ(app_->CaptureControl(), nullptr);
    EXPECT_EQ(frame->RolledUp(), back_over);
    EXPECT_EQ(form->Height(), back_over ? 37 : 503);
    app_->DestroyForm(form);
  }
}

TEST_F(TskSkinFormInteractionTest, HoveringFadesAButtonInAndTheHoverEndsWithinATick) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  form->UpdateNow();
  skin::TskActiveSkinObject* close = frame->FindObject("closebutton");
  const gfx::Bitmap& objects = *skin_.ActivePicture(3);
  backend_->InjectMouseMove(At(form, 655, 10));
  Advance(50);
  ASSERT_GE(frame->HotIndex(), 0);
  EXPECT_EQ(frame->Objects()[static_cast<size_t>(frame->HotIndex())].get(), close);
  EXPECT_TRUE(close->Highlighted);
  for (int i = 1; i <= 10; ++i) Advance(20);
  EXPECT_DOUBLE_EQ(close->MorphProgress, 1.0);
  // The active image (85,10 in the objects picture) stands where the button is.
  EXPECT_EQ(backend_->ScreenPixel(At(form, 655, 10)), objects.Pixel(85 + 5, 10 + 3));
  // The cursor leaves the window without passing the frame: the next tick ends the hover.
  backend_->InjectMouseMove({1200, 1000});
  Advance(50);
  EXPECT_EQ(frame->HotIndex(), -1);
  EXPECT_FALSE(close->Highlighted);
  for (int i = 1; i <= 10; ++i) Advance(20);
  EXPECT_DOUBLE_EQ(close->MorphProgress, 0.0);
  EXPECT_EQ(backend_->ScreenPixel(At(form, 655, 10)), objects.Pixel(127 + 5, 1 + 3));
}

TEST_F(TskSkinFormInteractionTest, AnObjectsHintShowsWhileTheCursorRestsOnIt) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  auto* hint = form->Make<skin::TskSkinHint>();
  hint->SetSkinData(&skin_);
  frame->SetSkinHint(hint);
  frame->ShowObjectHint = true;
  backend_->InjectMouseMove(At(form, 655, 10));
  Advance(50);
  EXPECT_FALSE(hint->ObjectHintWindow().Visible());
  Advance(app_->HintPause());
  EXPECT_TRUE(hint->ObjectHintWindow().Visible());
  EXPECT_EQ(hint->ObjectHintWindow().Caption(), "Close");
  // Leaving the button takes the hint away; a press on the frame does too.
  backend_->InjectMouseMove(At(form, 300, 200));
  Advance(50);
  EXPECT_FALSE(hint->ObjectHintWindow().Visible());
  backend_->InjectMouseMove(At(form, 655, 10));
  Advance(50);
  Advance(app_->HintPause());
  ASSERT_TRUE(hint->ObjectHintWindow().Visible());
  backend_->InjectMouseDown(At(form, 100, 5));
  backend_->InjectMouseUp(At(form, 100, 5));
  Pump();
  EXPECT_FALSE(hint->ObjectHintWindow().Visible());
}

TEST_F(TskSkinFormInteractionTest, TheCloseButtonAndAltF4CloseTheForm) {
  app_->CreateForm<ui::Form>();
  for (bool by_key : {false, true}) {
    SCOPED_TRACE(by_key ? "Alt+F4" : "close button");
    TskSkinForm* frame = nullptr;
    ui::Form* form = ShownForm(40, 30, 300, 200, &skin_, &frame);
    int closes = 0;
    form->OnClose = [&](ui::Component*, ui::CloseAction&) { ++closes; };
    if (by_key) {
      backend_->InjectKeyDown(platform::kVkMenu);
      backend_->PressKey(platform::kVkF4);
      backend_->InjectKeyUp(platform::kVkMenu);
      Pump();
    } else {
      ClickObject(form, frame, "closebutton");
    }
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form->Visible());
    app_->DestroyForm(form);
  }
}

TEST_F(TskSkinFormInteractionTest, AFormDestroyedWhileAButtonIsHeldLeavesNoCapture) {
  // The frame component alone goes first: the test holds it, the form lives on.
  ui::Form* form = app_->CreateForm<ui::Form>();
  auto held = std::make_unique<TskSkinForm>(*form);
  form->InsertComponent(held.get());
  held->SetSkinData(&skin_);
  form->SetBounds(40, 30, 689, 503);
  form->Show();
  Pump();
  const gfx::Point on = At(form, 596, 15);
  backend_->InjectMouseMove(on);
  Pump();
  backend_->InjectMouseDown(on);
  Pump();
  ASSERT_EQ(app_->CaptureControl(), form);
  ASSERT_NE(backend_->CaptureSurface(), platform::kNoSurface);
  held.reset();
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  EXPECT_EQ(backend_->CaptureSurface(), platform::kNoSurface);
  backend_->InjectMouseUp(on);
  Pump();

  ui::Form* second = ShownForm(40, 30, 675, 466, &skin_);
  backend_->InjectMouseMove(on);
  Pump();
  backend_->InjectMouseDown(on);
  Pump();
  ASSERT_EQ(app_->CaptureControl(), second);
  app_->DestroyForm(second);
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  EXPECT_EQ(backend_->CaptureSurface(), platform::kNoSurface);
  backend_->InjectMouseUp(on);
  Pump();
}

TEST_F(TskSkinFormInteractionTest, AFormDestroyedInsideItsMoveLoopEndsTheLoop) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
  const gfx::Point p = At(form, 100, 15);
  int step = 0;
  bool destroyed = false;
  backend_->SetIdleHandler([&] {
    ++step;
    if (step == 1) {
      backend_->InjectMouseMove({p.x + 20, p.y + 10});
      return true;
    }
    if (step == 2 && !destroyed) {
      EXPECT_TRUE(backend_->InSizeMove());
      EXPECT_TRUE(frame->InSizeMove());
      app_->DestroyForm(form);
      destroyed = true;
    }
    return false;
  });
  backend_->InjectMouseDown(p);
  Pump();
  backend_->SetIdleHandler(nullptr);
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(backend_->InSizeMove());
  EXPECT_EQ(backend_->CaptureSurface(), platform::kNoSurface);
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  backend_->InjectMouseUp({p.x + 20, p.y + 10});
  Pump();
}

}  // namespace
