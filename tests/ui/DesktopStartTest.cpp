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

// Last: Xlib's macros must not reach the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

extern char** environ;

namespace {

// DISPLAY when set, else a private Xvfb that picks its own display number.
class PrivateX {
 public:
  std::optional<std::string> Start() {
    if (const char* d = std::getenv("DISPLAY"); d != nullptr && *d != '\0') return std::string(d);
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string fd = std::to_string(fds[1]);
    const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", nullptr};
    if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (pid_ != 0 && poll(&p, 1, 10000) > 0) {
      char c = 0;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    if (number.empty()) {
      Stop();
      return std::nullopt;
    }
    std::string name = ":" + number;
    setenv("DISPLAY", name.c_str(), 1);
    started_ = true;
    return name;
  }
  void Stop() {
    if (pid_ != 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = 0;
    }
    if (started_) unsetenv("DISPLAY");
    started_ = false;
  }

 private:
  pid_t pid_ = 0;
  bool started_ = false;
};

PrivateX g_x;

class DesktopStartTest : public ::testing::Test {
 protected:
  // One desktop backend for the suite, as in the program: one per process.
  static void SetUpTestSuite() {
    if (!g_x.Start().has_value()) {
      skip_reason_ = "no X server could be started";
      return;
    }
    try {
      platform::SetBackend(platform::CreateSdlBackend());
    } catch (const std::exception& e) {
      skip_reason_ = e.what();
    }
  }
  static void TearDownTestSuite() {
    if (platform::HasBackend()) platform::SetBackend(nullptr);
    g_x.Stop();
  }

  void SetUp() override {
    if (!skip_reason_.empty()) GTEST_SKIP() << skip_reason_;
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

  static inline std::string skip_reason_;
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
  EXPECT_EQ(attributes.width, 675);
  EXPECT_EQ(attributes.height, 466);
  EXPECT_EQ(attributes.map_state, IsViewable);
  EXPECT_EQ(w.OrvelDralen->Surface()->Title(), "图片压缩（免费共享）");
  // The client area is painted (the form's colour), not left to the server's background.
  gfx::Rect outer = w.OrvelDralen->Surface()->Bounds();
  gfx::Bitmap shot = platform::GetBackend().CaptureScreen(gfx::Rect::FromSize(outer.left + 300, outer.top + 200, 1, 1));
  EXPECT_EQ(shot.Pixel(0, 0), ui::kColorBtnFace);
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
