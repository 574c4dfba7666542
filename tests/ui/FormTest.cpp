// Forms on the headless backend: the window procedure, the non-client protocol, move/size loops and shapes.
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gfx/Canvas.h"
#include "ui/UiTestEnv.h"
#include "ui/Message.h"

namespace {

using ui_test::UiTest;

// A frame handler the way a skinned frame component works: it saves the form's window procedure,
// installs its own, answers the non-client messages and passes the rest to the saved one.
class FrameHook {
 public:
  static constexpr int kBorder = 4;
  static constexpr int kCaption = 24;

  explicit FrameHook(ui::Form& form) : form_(form) {
    saved_ = form.WindowProc();
    form.SetWindowProc([this](ui::Message& m) { Proc(m); });
    form.SetSystemFrame(false);
  }
  ~FrameHook() { Detach(); }
  void Detach() { form_.SetWindowProc(saved_); }

  std::vector<uint32_t> log;
  std::vector<intptr_t> nc_down_hits;
  bool returned_after_loop = false;

 private:
  void Proc(ui::Message& m) {
    log.push_back(m.id);
    switch (m.id) {
      case ui::kMsgNcCalcSize: {
        ui::NcCalcSizeParams* p = m.CalcSize();
        p->rect = {p->rect.left + kBorder, p->rect.top + kCaption, p->rect.right - kBorder, p->rect.bottom - kBorder};
        return;
      }
      case ui::kMsgNcHitTest: {
        gfx::Point s = m.At();
        int x = s.x - form_.Left();
        int y = s.y - form_.Top();
        int w = form_.Width();
        int h = form_.Height();
        if (x >= w - kBorder && y >= h - kBorder) m.result = ui::kHtBottomRight;
        else if (x >= w - kBorder) m.result = ui::kHtRight;
        else if (y < kCaption && x >= w - 20) m.result = ui::kHtObject;  // a frame button
        else if (y < kCaption) m.result = ui::kHtCaption;
        else if (form_.ClientRect().Contains({x, y})) m.result = ui::kHtClient;
        else m.result = ui::kHtObject;
        return;
      }
      case ui::kMsgNcPaint: {
        ui::Form::WindowDC dc(form_);
        dc.Canvas().FillRect({0, 0, form_.Width(), kCaption}, gfx::Rgb(0, 0, 200));
        return;
      }
      case ui::kMsgNcLButtonDown:
        nc_down_hits.push_back(m.wparam);
        saved_(m);
        // The move/size loop ran inside the saved procedure.
        returned_after_loop = std::find(log.begin(), log.end(), ui::kMsgExitSizeMove) != log.end();
        log.push_back(0xFFFF);  // marks the return from the saved procedure
        return;
      default:
        saved_(m);
    }
  }

  ui::Form& form_;
  ui::WindowProcFn saved_;
};

size_t IndexOf(const std::vector<uint32_t>& log, uint32_t id, size_t from = 0) {
  auto it = std::find(log.begin() + static_cast<long>(std::min(from, log.size())), log.end(), id);
  return static_cast<size_t>(it - log.begin());
}

class FormTest : public UiTest {
 protected:
  ui::Form* MakeForm(gfx::Rect r) {
    auto* f = app_->CreateForm<ui::Form>();
    f->SetBounds(r.left, r.top, r.Width(), r.Height());
    return f;
  }
};

TEST_F(FormTest, ReplacedWindowProcedureSeesTheNonClientProtocolInOrder) {
  ui::Form* form = MakeForm(gfx::Rect::FromSize(100, 100, 300, 200));
  FrameHook hook(*form);
  form->Show();
  Pump();
  const auto& log = hook.log;
  size_t calc = IndexOf(log, ui::kMsgNcCalcSize);
  size_t show = IndexOf(log, ui::kMsgShowWindow);
  size_t ncact = IndexOf(log, ui::kMsgNcActivate);
  size_t act = IndexOf(log, ui::kMsgActivate);
  size_t ncpaint = IndexOf(log, ui::kMsgNcPaint);
  size_t erase = IndexOf(log, ui::kMsgEraseBackground);
  size_t paint = IndexOf(log, ui::kMsgPaint);
  ASSERT_LT(paint, log.size());
  EXPECT_LT(calc, show);
  EXPECT_LT(show, ncact);
  EXPECT_LT(ncact, act);
  EXPECT_LT(ncpaint, log.size());
  EXPECT_LT(erase, paint);
  EXPECT_EQ(form->ClientRect(), (gfx::Rect{4, 24, 296, 196}));
  // The frame drawn on the window device context and the client background are on screen.
  EXPECT_EQ(backend_->ScreenPixel({150, 105}), gfx::Rgb(0, 0, 200));
  EXPECT_EQ(backend_->ScreenPixel({150, 150}), ui::kColorBtnFace);
  // Putting the saved procedure back ends the hook's part.
  hook.Detach();
  size_t before = hook.log.size();
  form->Send(ui::Message::MakeNcMouse(ui::kMsgNcHitTest, ui::kHtNowhere, {150, 105}));
  EXPECT_EQ(hook.log.size(), before);
}

TEST_F(FormTest, CaptionDragRunsTheMoveLoopInsideTheButtonMessage) {
  ui::Form* form = MakeForm(gfx::Rect::FromSize(100, 100, 300, 200));
  FrameHook hook(*form);
  form->Show();
  Pump();
  hook.log.clear();
  backend_->InjectMouseDown({150, 110});
  backend_->InjectMouseMove({170, 140});
  backend_->InjectMouseUp({170, 140});
  Pump();
  ASSERT_EQ(hook.nc_down_hits, std::vector<intptr_t>{ui::kHtCaption});
  EXPECT_TRUE(hook.returned_after_loop);
  const auto& log = hook.log;
  size_t down = IndexOf(log, ui::kMsgNcLButtonDown);
  size_t enter = IndexOf(log, ui::kMsgEnterSizeMove);
  size_t moving = IndexOf(log, ui::kMsgMoving);
  size_t exit = IndexOf(log, ui::kMsgExitSizeMove);
  size_t back = IndexOf(log, 0xFFFF);
  EXPECT_LT(down, enter);
  EXPECT_LT(enter, exit);
  EXPECT_LT(exit, back);
  EXPECT_LT(back, log.size());
  (void)moving;
  EXPECT_EQ(form->BoundsRect(), gfx::Rect::FromSize(120, 130, 300, 200));
}

TEST_F(FormTest, BorderDragResizesThroughSizingAndSize) {
  ui::Form* form = MakeForm(gfx::Rect::FromSize(100, 100, 300, 200));
  FrameHook hook(*form);
  form->SetMinSize({200, 60});
  form->Show();
  Pump();
  hook.log.clear();
  backend_->InjectMouseDown({398, 200});
  backend_->InjectMouseMove({300, 200});  // would make it 202 wide
  backend_->InjectMouseMove({250, 200});  // below the minimum width
  backend_->InjectMouseUp({250, 200});
  Pump();
  EXPECT_EQ(hook.nc_down_hits, std::vector<intptr_t>{ui::kHtRight});
  EXPECT_LT(IndexOf(hook.log, ui::kMsgSizing), hook.log.size());
  EXPECT_LT(IndexOf(hook.log, ui::kMsgSize), hook.log.size());
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->ClientRect(), (gfx::Rect{4, 24, 196, 196}));
}

TEST_F(FormTest, AlignedChildrenFillTheClientAreaFromItsCornerUnderAFrame) {
  ui::Form* form = MakeForm(gfx::Rect::FromSize(100, 100, 300, 200));
  FrameHook hook(*form);
  form->Show();
  Pump();
  // Children stand in client coordinates: the frame's border and caption are not counted twice.
  auto* top = form->MakeChild<ui::WinControl>(nullptr);
  top->SetBounds(0, 0, 50, 20);
  top->SetAlign(ui::Align::kTop);
  auto* rest = form->MakeChild<ui::WinControl>(nullptr);
  rest->SetAlign(ui::Align::kClient);
  const int w = 300 - 2 * FrameHook::kBorder, h = 200 - FrameHook::kCaption - FrameHook::kBorder;
  EXPECT_EQ(top->BoundsRect(), gfx::Rect::FromSize(0, 0, w, 20));
  EXPECT_EQ(rest->BoundsRect(), gfx::Rect::FromSize(0, 20, w, h - 20));
}

TEST_F(FormTest, NonClientMouseMessagesCarryTheHitCodeAndScreenPoint) {
  ui::Form* form = MakeForm(gfx::Rect::FromSize(100, 100, 300, 200));
  std::vector<ui::Message> seen;
  ui::WindowProcFn saved = form->WindowProc();
  FrameHook hook(*form);
  ui::WindowProcFn hooked = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    if (m.id >= ui::kMsgNcMouseMove && m.id <= ui::kMsgNcMButtonDblClk) seen.push_back(m);
    hooked(m);
  });
  form->Show();
  Pump();
  // A frame button: no move loop, the press and release arrive as non-client messages.
  backend_->InjectMouseMove({390, 110});
  backend_->InjectMouseDown({390, 110});
  backend_->InjectMouseUp({390, 110});
  Pump();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].id, ui::kMsgNcMouseMove);
  EXPECT_EQ(seen[1].id, ui::kMsgNcLButtonDown);
  EXPECT_EQ(seen[2].id, ui::kMsgNcLButtonUp);
  for (const auto& m : seen) {
    EXPECT_EQ(m.Hit(), ui::kHtObject);
    EXPECT_EQ(m.At(), (gfx::Point{390, 110}));
  }
  (void)saved;
}

TEST_F(FormTest, ShapedWindowTakesInputOnlyInsideItsShape) {
  ui::Form* back = MakeForm(gfx::Rect::FromSize(0, 0, 400, 400));
  back->SetBorderStyle(ui::BorderStyle::kNone);
  back->SetColor(gfx::Rgb(0, 200, 0));
  ui::Form* front = MakeForm(gfx::Rect::FromSize(50, 50, 200, 200));
  front->SetBorderStyle(ui::BorderStyle::kNone);
  front->SetColor(gfx::Rgb(200, 0, 0));
  int back_clicks = 0;
  int front_clicks = 0;
  back->OnClick = [&](ui::Component*) { ++back_clicks; };
  front->OnClick = [&](ui::Component*) { ++front_clicks; };
  back->Show();
  front->Show();
  front->SetWindowRegion(gfx::Region(gfx::Rect{0, 0, 100, 100}));
  Pump();
  EXPECT_EQ(backend_->ScreenPixel({60, 60}), gfx::Rgb(200, 0, 0));
  EXPECT_EQ(backend_->ScreenPixel({200, 200}), gfx::Rgb(0, 200, 0));
  backend_->Click({60, 60});
  Pump();
  backend_->Click({200, 200});
  Pump();
  EXPECT_EQ(front_clicks, 1);
  EXPECT_EQ(back_clicks, 1);
}

TEST_F(FormTest, ClosingTheMainFormEndsTheLoopEvenWithHiddenForms) {
  ui::Form* main = MakeForm(gfx::Rect::FromSize(0, 0, 200, 100));
  ui::Form* other = MakeForm(gfx::Rect::FromSize(0, 0, 200, 100));
  EXPECT_EQ(app_->MainForm(), main);
  main->Show();
  Pump();
  backend_->InjectCloseRequest(main->Surface()->Id());
  app_->Run();
  EXPECT_TRUE(app_->Terminated());
  EXPECT_FALSE(other->Visible());
}

TEST_F(FormTest, SetTextUpdatesTheSurfaceTitle) {
  ui::Form* form = MakeForm(gfx::Rect::FromSize(0, 0, 200, 100));
  form->Show();
  form->SetCaption("标题");
  EXPECT_EQ(form->Surface()->Title(), "标题");
}

}  // namespace

TEST_F(FormTest, ScreenCentredFormsKeepTheirCaptionOnTheScreen) {
  // The headless screen is 1280 x 1024: a form that fits is centred, a larger one starts at the
  // screen's edge on the side where it does not fit.
  struct Case {
    int width, height;
    gfx::Point expected;
  };
  const Case cases[] = {{400, 300, {440, 362}}, {600, 1600, {340, 0}}, {1500, 200, {0, 412}}, {2000, 1500, {0, 0}}};
  for (const Case& c : cases) {
    auto* f = app_->CreateForm<ui::Form>();
    f->SetPosition(ui::FormPosition::kScreenCenter);
    f->SetBounds(0, 0, c.width, c.height);
    f->Show();
    EXPECT_EQ(gfx::Point(f->Left(), f->Top()), c.expected) << c.width << " x " << c.height;
  }
}
