// The windows on a real X server (a private Xvfb when DISPLAY is unset): title, client size, shape, closing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "gfx/Region.h"
#include "platform/Backend.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/sdl/SdlSurface.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "support/DesktopSuite.h"

// Last: Xlib's macros must not reach the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

extern char** environ;

namespace {

class DesktopStartTest : public testing_support::DesktopSuite {
 protected:
  void SetUp() override {
    if (!SkipReason().empty()) GTEST_SKIP() << SkipReason();
    x_ = XOpenDisplay(nullptr);
    ASSERT_NE(x_, nullptr);
    app_ = std::make_unique<ui::Application>();
  }
  void TearDown() override {
    app_.reset();
    if (x_ != nullptr) XCloseDisplay(x_);
  }
  // Runs the loop for a while of real time so the server and the window system catch up.
  void PumpFor(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      app_->ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  static unsigned long XWindowOf(ui::Form* f) {
    return static_cast<platform::SdlSurface*>(f->Surface())->XWindow();
  }

  Display* x_ = nullptr;
  std::unique_ptr<ui::Application> app_;
};

TEST_F(DesktopStartTest, MainWindowIsARealWindowWithItsTitleAndClientSize) {
  app::Windows w = app::CreateWindows(*app_);
  w.OrvelDralen->Show();
  PumpFor(300);
  Window xw = XWindowOf(w.OrvelDralen);
  XWindowAttributes attributes;
  ASSERT_NE(XGetWindowAttributes(x_, xw, &attributes), 0);
  // The skinned frame is part of the window: 675 x 466 of client inside a 689 x 503 window.
  EXPECT_EQ(attributes.width, 689);
  EXPECT_EQ(attributes.height, 503);
  EXPECT_EQ(w.OrvelDralen->ClientWidth(), 675);
  EXPECT_EQ(w.OrvelDralen->ClientHeight(), 466);
  EXPECT_EQ(attributes.map_state, IsViewable);
  EXPECT_EQ(w.OrvelDralen->Surface()->Title(), "图片压缩（免费共享）");
  // Shaped by the skin's mask: the rounded top corners are cut away.
  int count = 0;
  int ordering = 0;
  XRectangle* rects = XShapeGetRectangles(x_, xw, ShapeBounding, &count, &ordering);
  std::vector<gfx::Rect> got;
  for (int i = 0; i < count; ++i) got.push_back(gfx::Rect::FromSize(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
  if (rects != nullptr) XFree(rects);
  gfx::Region shape(got);
  EXPECT_FALSE(shape.Contains({0, 0}));
  EXPECT_TRUE(shape.Contains({344, 0}));
  EXPECT_TRUE(shape.Contains({0, 502}));
  // The window shows what the program painted, not the server's background: a pixel of the frame
  // and one of the page area, on screen as in the window's own picture.
  gfx::Rect outer = w.OrvelDralen->Surface()->Bounds();
  for (gfx::Point at : {gfx::Point{344, 10}, gfx::Point{300, 200}}) {
    gfx::Bitmap shot = platform::GetBackend().CaptureScreen(gfx::Rect::FromSize(outer.left + at.x, outer.top + at.y, 1, 1));
    EXPECT_EQ(shot.Pixel(0, 0), w.OrvelDralen->FrameBuffer().Pixel(at.x, at.y));
  }
}

TEST_F(DesktopStartTest, FormRegionShapesTheXWindow) {
  auto* form = app_->CreateForm<ui::Form>();
  form->SetBorderStyle(ui::BorderStyle::kNone);
  form->SetBounds(100, 100, 120, 120);
  gfx::Region shape(std::vector<gfx::Rect>{{0, 0, 120, 30}, {40, 30, 80, 120}});
  form->Show();
  form->SetWindowRegion(shape);
  PumpFor(200);
  int count = 0;
  int ordering = 0;
  XRectangle* rects = XShapeGetRectangles(x_, XWindowOf(form), ShapeBounding, &count, &ordering);
  std::vector<gfx::Rect> got;
  for (int i = 0; i < count; ++i) got.push_back(gfx::Rect::FromSize(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
  if (rects != nullptr) XFree(rects);
  EXPECT_EQ(gfx::Region(got), shape);
}

TEST_F(DesktopStartTest, CloseRequestFromTheWindowSystemEndsTheLoop) {
  app::Windows w = app::CreateWindows(*app_);
  w.OrvelDralen->Show();
  PumpFor(200);
  Window xw = XWindowOf(w.OrvelDralen);
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = xw;
  ev.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(x_, xw, False, NoEventMask, &ev);
  XFlush(x_);
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!app_->Terminated() && std::chrono::steady_clock::now() < end) app_->HandleMessage();
  EXPECT_TRUE(app_->Terminated());
  EXPECT_FALSE(w.OrvelDralen->Visible());
}

}  // namespace
