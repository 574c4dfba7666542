// Smoke tests of the desktop backend on a real X server (a private Xvfb when DISPLAY is unset).
#include "platform/sdl/SdlBackend.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "platform/sdl/SdlSurface.h"
#include "support/DesktopSuite.h"
#include "support/PrivateXServer.h"

// Last: Xlib's macros (None, Bool, CursorShape ...) must not reach the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

extern char** environ;

// SDL's video start-up asks D-Bus about the session and the D-Bus library keeps one buffer for the
// life of the process; the leak checker of sanitizer builds is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace platform {
namespace {

constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0);
// How long a condition may take on a loaded machine before the test is taken as stuck.
constexpr int kPatienceMs = 10000;
// No event for this long: nothing more is on its way.
constexpr int kQuietMs = 150;

pid_t Spawn(const std::vector<std::string>& args, posix_spawn_file_actions_t* actions = nullptr) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0) return 0;
  return pid;
}

// One server for the whole suite.
testing_support::PrivateXServer& XServer() {
  static testing_support::PrivateXServer server;
  return server;
}

class SdlBackendTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { display_ = XServer().Start(); }
  static void TearDownTestSuite() { XServer().Stop(); }

  void SetUp() override {
    if (!display_) GTEST_SKIP() << "no X server could be started";
    // A busy server may refuse a connection for a moment (its listen queue is short), so a few
    // attempts are made before the test is given up as having no display.
    std::string failure;
    for (int attempt = 0; attempt < 10 && !backend_; ++attempt) {
      try {
        backend_ = std::make_unique<SdlBackend>();
      } catch (const std::exception& e) {
        failure = e.what();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
      }
    }
    if (!backend_) GTEST_SKIP() << failure;
    x_ = XOpenDisplay(nullptr);
    ASSERT_NE(x_, nullptr);
  }

  void TearDown() override {
    surfaces_.clear();
    backend_.reset();
    if (x_) XCloseDisplay(x_);
  }

  SdlSurface* Make(SurfaceKind kind, gfx::Rect bounds, const std::string& title = "t", Surface* owner = nullptr) {
    SurfaceParams p;
    p.kind = kind;
    p.bounds = bounds;
    p.title = title;
    p.owner = owner;
    surfaces_.push_back(backend_->CreateSurface(p));
    return static_cast<SdlSurface*>(surfaces_.back().get());
  }

  // Takes events until `done` holds for the events so far. The limit only ends a test whose
  // condition never comes; the assertions that follow then say what is missing.
  std::vector<Event> PumpUntil(const std::function<bool(const std::vector<Event>&)>& done,
                               int limit_ms = kPatienceMs) {
    std::vector<Event> events;
    uint64_t end = backend_->NowMs() + static_cast<uint64_t>(limit_ms);
    while (!done(events) && backend_->NowMs() < end) {
      Event e;
      if (backend_->WaitEvent(e, 20)) events.push_back(e);
    }
    return events;
  }
  // Takes events until the condition holds, whatever the events.
  std::vector<Event> PumpUntil(const std::function<bool()>& done) {
    return PumpUntil([&](const std::vector<Event>&) { return done(); });
  }
  // Takes the events already on their way: until none has come for a moment. For checks that
  // something did not happen, after a condition showed that the server has done its part.
  std::vector<Event> PumpPending() {
    std::vector<Event> events;
    Event e;
    while (backend_->WaitEvent(e, kQuietMs)) events.push_back(e);
    return events;
  }

  // The window as the server shows it: mapped and viewable, and its place on the screen.
  bool Viewable(unsigned long window) {
    XWindowAttributes attributes;
    return window != 0 && XGetWindowAttributes(x_, window, &attributes) != 0 && attributes.map_state == IsViewable;
  }
  std::vector<Event> PumpUntilViewable(SdlSurface* s) {
    return PumpUntil([&] { return Viewable(s->XWindow()); });
  }
  gfx::Rect ServerRect(unsigned long window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x_, window, &attributes) == 0) return {};
    return gfx::Rect::FromSize(RootPosition(window).x, RootPosition(window).y, attributes.width, attributes.height);
  }
  std::vector<gfx::Rect> ShapeRects(unsigned long window) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(x_, window, ShapeBounding, &count, &ordering);
    std::vector<gfx::Rect> got;
    for (int i = 0; i < count; ++i)
      got.push_back(gfx::Rect::FromSize(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    if (rects) XFree(rects);
    return got;
  }
  bool BoundingShaped(unsigned long window) {
    Bool bounding_shaped = False, clip_shaped = False;
    int xb, yb, xc, yc;
    unsigned wb, hb, wc, hc;
    XShapeQueryExtents(x_, window, &bounding_shaped, &xb, &yb, &wb, &hb, &clip_shaped, &xc, &yc, &wc, &hc);
    return bounding_shaped;
  }

  static bool Has(const std::vector<Event>& events, EventType type, SurfaceId surface) {
    for (const Event& e : events)
      if (e.type == type && e.surface == surface) return true;
    return false;
  }

  // Runs an input tool to its end, taking events meanwhile as the program would; returns them.
  std::vector<Event> RunTool(const std::vector<std::string>& args) {
    std::vector<Event> events;
    pid_t pid = Spawn(args);
    if (pid == 0) {
      ADD_FAILURE() << args[0] << " could not be started";
      return events;
    }
    for (;;) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[0] << " failed";
        return events;
      }
      Event e;
      if (backend_->WaitEvent(e, 20)) events.push_back(e);
    }
  }

  // Runs the tool, then goes on taking events until `done` holds for all of them.
  std::vector<Event> RunToolUntil(const std::vector<std::string>& args,
                                  const std::function<bool(const std::vector<Event>&)>& done) {
    std::vector<Event> events = RunTool(args);
    for (Event& e : PumpUntil([&](const std::vector<Event>& more) {
           std::vector<Event> all = events;
           all.insert(all.end(), more.begin(), more.end());
           return done(all);
         }))
      events.push_back(std::move(e));
    return events;
  }

  gfx::Point RootPosition(unsigned long window) {
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(x_, window, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
    return {x, y};
  }

  static inline std::optional<std::string> display_;
  std::unique_ptr<SdlBackend> backend_;
  std::vector<std::unique_ptr<Surface>> surfaces_;
  Display* x_ = nullptr;
};

TEST_F(SdlBackendTest, WindowHasItsTitleAndClientSize) {
  const std::string title = "图片压缩（免费共享）";
  SdlSurface* s = Make(SurfaceKind::kNormal, {100, 120, 420, 360}, title);
  s->Show(true);
  PumpUntilViewable(s);
  unsigned long w = s->XWindow();
  ASSERT_NE(w, 0u);
  XWindowAttributes attributes;
  ASSERT_NE(XGetWindowAttributes(x_, w, &attributes), 0);
  EXPECT_EQ(attributes.width, 320);
  EXPECT_EQ(attributes.height, 240);
  EXPECT_EQ(attributes.map_state, IsViewable);
  EXPECT_EQ(RootPosition(w), (gfx::Point{100, 120}));
  EXPECT_EQ(s->Bounds(), (gfx::Rect{100, 120, 420, 360}));
  EXPECT_EQ(s->ClientRect(), (gfx::Rect{0, 0, 320, 240}));

  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  ASSERT_EQ(XGetWindowProperty(x_, w, XInternAtom(x_, "_NET_WM_NAME", False), 0, 1024, False,
                               XInternAtom(x_, "UTF8_STRING", False), &type, &format, &count, &remaining, &data),
            Success);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), count), title);
  XFree(data);

  // Moving and sizing from the program reaches the server and is not reported back as news.
  s->SetBounds({50, 60, 250, 160});
  std::vector<Event> events = PumpUntil([&] { return ServerRect(w) == gfx::Rect{50, 60, 250, 160}; });
  for (Event& e : PumpPending()) events.push_back(e);
  XGetWindowAttributes(x_, w, &attributes);
  EXPECT_EQ(attributes.width, 200);
  EXPECT_EQ(attributes.height, 100);
  EXPECT_EQ(RootPosition(w), (gfx::Point{50, 60}));
  EXPECT_FALSE(Has(events, EventType::kMoved, s->Id()));
  EXPECT_FALSE(Has(events, EventType::kResized, s->Id()));
}

TEST_F(SdlBackendTest, DecoratedWindowKeepsItsOuterBoundsAroundTheClient) {
  SurfaceParams p;
  p.bounds = {100, 100, 500, 400};
  p.decorated = true;
  surfaces_.push_back(backend_->CreateSurface(p));
  auto* s = static_cast<SdlSurface*>(surfaces_.back().get());
  s->Show(true);
  // A window manager, where there is one, frames the window after it is mapped.
  auto placed = [&] {
    gfx::Rect client = s->ClientRect();
    return Viewable(s->XWindow()) &&
           ServerRect(s->XWindow()) == client.Offset(p.bounds.left, p.bounds.top);
  };
  PumpUntil(placed);
  EXPECT_EQ(s->Bounds(), p.bounds);
  // The client is what the X window holds; whatever frame the window manager draws lies around it.
  gfx::Rect client = s->ClientRect();
  XWindowAttributes attributes;
  ASSERT_NE(XGetWindowAttributes(x_, s->XWindow(), &attributes), 0);
  EXPECT_EQ(client.Width(), attributes.width);
  EXPECT_EQ(client.Height(), attributes.height);
  EXPECT_EQ(RootPosition(s->XWindow()), (gfx::Point{p.bounds.left + client.left, p.bounds.top + client.top}));
  EXPECT_EQ(s->FrameSize(), (gfx::Size{client.Width(), client.Height()}));
}

TEST_F(SdlBackendTest, ShapeBecomesTheWindowsShape) {
  SdlSurface* s = Make(SurfaceKind::kNormal, {200, 200, 300, 300});
  gfx::Region shape(std::vector<gfx::Rect>{{0, 0, 100, 20}, {10, 20, 90, 100}});
  s->SetShape(shape);
  s->Show(true);
  gfx::Bitmap frame(100, 100, 24);
  frame.Fill(kRed);
  s->Present(frame, frame.Bounds());
  PumpUntil([&] {
    return Viewable(s->XWindow()) && gfx::Region(ShapeRects(s->XWindow())) == shape &&
           backend_->CaptureScreen({200, 200, 300, 300}).Pixel(50, 90) == kRed;
  });
  EXPECT_EQ(gfx::Region(ShapeRects(s->XWindow())), shape);

  // The screen shows the window only inside its shape (the bare server's root is black).
  gfx::Bitmap shot = backend_->CaptureScreen({200, 200, 300, 300});
  EXPECT_EQ(shot.Pixel(5, 5), kRed);
  EXPECT_EQ(shot.Pixel(50, 90), kRed);
  EXPECT_EQ(shot.Pixel(5, 50), gfx::kBlack);
  EXPECT_EQ(shot.Pixel(95, 95), gfx::kBlack);

  s->SetShape(std::nullopt);
  auto unshaped_red = [&] { return backend_->CaptureScreen({205, 250, 206, 251}).Pixel(0, 0) == kRed; };
  PumpUntil([&] { return !BoundingShaped(s->XWindow()) && unshaped_red(); });
  EXPECT_FALSE(BoundingShaped(s->XWindow()));
  EXPECT_TRUE(unshaped_red());
}

TEST_F(SdlBackendTest, CaptureReadsPresentedPixels) {
  SdlSurface* s = Make(SurfaceKind::kNormal, {0, 0, 64, 48});
  s->Show(true);
  gfx::Bitmap frame(64, 48, 24);
  frame.Fill(gfx::Rgb(10, 200, 30));
  frame.SetPixel(3, 4, gfx::Rgb(1, 2, 3));
  s->Present(frame, frame.Bounds());
  PumpUntil([&] {
    gfx::Bitmap shown = backend_->CaptureScreen({0, 0, 64, 48});
    return shown.Pixel(3, 4) == gfx::Rgb(1, 2, 3) && shown.Pixel(63, 47) == gfx::Rgb(10, 200, 30);
  });
  gfx::Bitmap shot = backend_->CaptureScreen({-10, 0, 54, 48});
  ASSERT_EQ(shot.GetSize(), (gfx::Size{64, 48}));
  EXPECT_EQ(shot.Pixel(0, 0), gfx::kBlack);  // left of the screen
  EXPECT_EQ(shot.Pixel(10, 0), gfx::Rgb(10, 200, 30));
  EXPECT_EQ(shot.Pixel(13, 4), gfx::Rgb(1, 2, 3));
  EXPECT_EQ(shot.Pixel(63, 47), gfx::Rgb(10, 200, 30));
}

TEST_F(SdlBackendTest, CaptionDragMovesTheWindow) {
  if (!testing_support::ToolOnPath("xdotool")) GTEST_SKIP() << "xdotool is needed to move the pointer";
  SdlSurface* s = Make(SurfaceKind::kNormal, {100, 100, 300, 250});
  s->SetHitTest([](gfx::Point p) { return p.y < 20 ? HitCode::kCaption : HitCode::kClient; });
  s->Show(true);
  PumpUntilViewable(s);
  std::vector<Event> events = RunToolUntil(
      {"xdotool", "mousemove", "150", "110", "sleep", "0.1", "mousedown", "1", "sleep", "0.1", "mousemove", "180",
       "150", "sleep", "0.1", "mousemove", "210", "170", "sleep", "0.1", "mouseup", "1"},
      [&](const std::vector<Event>& ev) { return Has(ev, EventType::kSizeMoveEnd, s->Id()); });
  ASSERT_TRUE(Has(events, EventType::kSizeMoveBegin, s->Id()));
  ASSERT_TRUE(Has(events, EventType::kSizeMoveEnd, s->Id()));
  EXPECT_EQ(s->Bounds(), (gfx::Rect{160, 160, 360, 310}));
  EXPECT_EQ(RootPosition(s->XWindow()), (gfx::Point{160, 160}));
  for (const Event& e : events) {
    if (e.type == EventType::kMouseDown) {
      EXPECT_EQ(e.hit, HitCode::kCaption);
    }
    EXPECT_NE(e.type, EventType::kMouseUp);  // the loop took the release
  }
}

TEST_F(SdlBackendTest, BorderDragResizesWithinTheMinimum) {
  if (!testing_support::ToolOnPath("xdotool")) GTEST_SKIP() << "xdotool is needed to move the pointer";
  SdlSurface* s = Make(SurfaceKind::kNormal, {100, 100, 300, 250});
  s->SetHitTest([s](gfx::Point p) { return p.x >= s->FrameSize().width - 4 ? HitCode::kRight : HitCode::kClient; });
  s->SetMinSize({150, 50});
  s->Show(true);
  PumpUntilViewable(s);
  std::vector<Event> events = RunToolUntil(
      {"xdotool", "mousemove", "298", "150", "sleep", "0.1", "mousedown", "1", "sleep", "0.1", "mousemove", "200",
       "150", "sleep", "0.1", "mouseup", "1"},
      [&](const std::vector<Event>& ev) { return Has(ev, EventType::kSizeMoveEnd, s->Id()); });
  EXPECT_TRUE(Has(events, EventType::kResized, s->Id()));
  EXPECT_EQ(s->Bounds(), (gfx::Rect{100, 100, 250, 250}));
  EXPECT_EQ(s->FrameSize(), (gfx::Size{150, 150}));
}

TEST_F(SdlBackendTest, ClicksActivateButPopupsDoNot) {
  if (!testing_support::ToolOnPath("xdotool")) GTEST_SKIP() << "xdotool is needed to move the pointer";
  SdlSurface* a = Make(SurfaceKind::kNormal, {0, 0, 200, 200});
  SdlSurface* b = Make(SurfaceKind::kNormal, {300, 0, 500, 200});
  a->Show(true);
  b->Show(true);
  PumpUntil([&] { return Viewable(a->XWindow()) && Viewable(b->XWindow()) && backend_->ActiveSurface() == b->Id(); });
  EXPECT_EQ(backend_->ActiveSurface(), b->Id());
  auto pressed_on = [](SurfaceId id) {
    return [id](const std::vector<Event>& ev) { return Has(ev, EventType::kMouseUp, id); };
  };
  std::vector<Event> events = RunToolUntil({"xdotool", "mousemove", "50", "50", "click", "1"}, pressed_on(a->Id()));
  EXPECT_EQ(backend_->ActiveSurface(), a->Id());
  EXPECT_TRUE(Has(events, EventType::kActivate, a->Id()));
  EXPECT_TRUE(Has(events, EventType::kMouseDown, a->Id()));

  SdlSurface* menu = Make(SurfaceKind::kPopup, {40, 40, 140, 140}, "menu", a);
  menu->Show(false);
  events = PumpUntilViewable(menu);
  for (Event& e : PumpPending()) events.push_back(std::move(e));
  EXPECT_EQ(backend_->ActiveSurface(), a->Id());
  EXPECT_FALSE(Has(events, EventType::kDeactivate, a->Id()));
  events = RunToolUntil({"xdotool", "mousemove", "60", "60", "click", "1"}, pressed_on(menu->Id()));
  for (Event& e : PumpPending()) events.push_back(std::move(e));
  EXPECT_TRUE(Has(events, EventType::kMouseDown, menu->Id()));
  EXPECT_EQ(backend_->ActiveSurface(), a->Id());
  EXPECT_FALSE(Has(events, EventType::kDeactivate, a->Id()));
}

TEST_F(SdlBackendTest, CaptureFollowsThePointerOutsideTheWindow) {
  if (!testing_support::ToolOnPath("xdotool")) GTEST_SKIP() << "xdotool is needed to move the pointer";
  SdlSurface* s = Make(SurfaceKind::kNormal, {100, 100, 200, 200});
  s->Show(true);
  PumpUntilViewable(s);
  RunTool({"xdotool", "mousemove", "150", "150", "mousedown", "1"});
  backend_->SetCapture(s->Id());
  std::vector<Event> events = RunToolUntil({"xdotool", "mousemove", "400", "300", "sleep", "0.1", "mouseup", "1"},
                                           [&](const std::vector<Event>& ev) { return Has(ev, EventType::kMouseUp, s->Id()); });
  bool moved_outside = false;
  for (const Event& e : events) {
    EXPECT_EQ(e.surface, s->Id());
    if (e.type == EventType::kMouseMove && e.local == gfx::Point{300, 200}) moved_outside = true;
    if (e.type == EventType::kMouseUp) {
      EXPECT_EQ(e.local, (gfx::Point{300, 200}));
      EXPECT_EQ(e.hit, HitCode::kClient);
    }
  }
  EXPECT_TRUE(moved_outside);
  EXPECT_TRUE(Has(events, EventType::kMouseUp, s->Id()));
  backend_->ReleaseCapture();
  events = RunTool({"xdotool", "mousemove", "420", "320", "click", "1"});
  for (Event& e : PumpPending()) events.push_back(std::move(e));
  // Nothing of ours is under the pointer any more: the window may hear that the pointer left, or
  // (with a window manager) that a press on the desktop deactivated it, but gets no mouse input.
  for (const Event& e : events) {
    EXPECT_NE(e.type, EventType::kMouseMove);
    EXPECT_NE(e.type, EventType::kMouseDown);
    EXPECT_NE(e.type, EventType::kMouseUp);
  }
}

TEST_F(SdlBackendTest, KeysAndTextGoToTheActiveWindow) {
  if (!testing_support::ToolOnPath("xdotool")) GTEST_SKIP() << "xdotool is needed to type";
  SdlSurface* s = Make(SurfaceKind::kNormal, {100, 100, 200, 200});
  s->Show(true);
  PumpUntil([&] { return Viewable(s->XWindow()) && backend_->ActiveSurface() == s->Id(); });
  std::vector<Event> events = RunToolUntil({"xdotool", "key", "shift+a", "Return", "F5"}, [&](const std::vector<Event>& ev) {
    return Has(ev, EventType::kKeyUp, s->Id()) && ev.back().type == EventType::kKeyUp && ev.back().key == kVkF1 + 4;
  });
  std::vector<KeyCode> downs;
  std::string text;
  for (const Event& e : events) {
    if (e.type == EventType::kKeyDown) {
      EXPECT_EQ(e.surface, s->Id());
      downs.push_back(e.key);
      if (e.key == kVkA) {
        EXPECT_EQ(e.modifiers & kModShift, kModShift);
      }
    }
    if (e.type == EventType::kTextInput) text += e.text;
  }
  EXPECT_EQ(downs, (std::vector<KeyCode>{kVkShift, kVkA, kVkReturn, kVkF1 + 4}));
  EXPECT_EQ(text, "A");
}

// Input that was all made before the program looks: what a busy program meets when the user is
// quick (Alt+F4 typed fast).
class SdlBackendLateTest : public SdlBackendTest {
 protected:
  void RunToolThenLook(const std::vector<std::string>& args) {
    pid_t pid = Spawn(args);
    ASSERT_NE(pid, 0) << args[0] << " could not be started";
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[0] << " failed";
  }
};

TEST_F(SdlBackendLateTest, AKeyKeepsTheModifiersItCameWith) {
  if (!testing_support::ToolOnPath("xdotool")) GTEST_SKIP() << "xdotool is needed to type";
  SdlSurface* s = Make(SurfaceKind::kNormal, {100, 100, 200, 200});
  s->Show(true);
  PumpUntil([&] { return Viewable(s->XWindow()) && backend_->ActiveSurface() == s->Id(); });
  PumpPending();
  RunToolThenLook({"xdotool", "key", "alt+F4"});
  std::vector<Event> events = PumpUntil([&](const std::vector<Event>& ev) { return Has(ev, EventType::kKeyUp, s->Id()) &&
                                                                                   ev.back().key == kVkMenu; }, 3000);
  bool seen = false;
  for (const Event& e : events) {
    if (e.type != EventType::kKeyDown || e.key != kVkF4) continue;
    seen = true;
    EXPECT_EQ(e.modifiers & kModAlt, kModAlt);
  }
  EXPECT_TRUE(seen);
}

TEST_F(SdlBackendTest, ScreenFactsOfABareServer) {
  std::vector<Monitor> monitors = backend_->Monitors();
  ASSERT_FALSE(monitors.empty());
  EXPECT_TRUE(monitors.front().primary);
  gfx::Size screen = backend_->ScreenSize();
  EXPECT_EQ(monitors.front().bounds, (gfx::Rect{0, 0, screen.width, screen.height}));
  // Without a compositor (as on our own bare server) nothing can be translucent, and that is said
  // rather than pretended.
  if (XServer().Started()) {
    EXPECT_FALSE(backend_->LayeredWindowsAvailable());
  }
  SdlSurface* s = Make(SurfaceKind::kNormal, {0, 0, 10, 10});
  EXPECT_EQ(s->SetOpacity(128), backend_->LayeredWindowsAvailable());
  EXPECT_EQ(s->Opacity(), 128);
  EXPECT_FALSE(backend_->OpenUrl("--help"));
  EXPECT_FALSE(backend_->OpenUrl("http://a\nb"));
  EXPECT_FALSE(backend_->OpenUrl(""));
}

TEST_F(SdlBackendTest, ClipboardAndPrimarySelectionAreSeparate) {
  // The selections belong to a window, so one must exist before the texts can be owned.
  Make(SurfaceKind::kNormal, {0, 0, 10, 10});
  backend_->SetClipboardText("Hello \xE5\x9B\xBE\xE7\x89\x87");
  backend_->SetPrimarySelectionText("primary");
  EXPECT_EQ(backend_->ClipboardText(), "Hello \xE5\x9B\xBE\xE7\x89\x87");
  EXPECT_EQ(backend_->PrimarySelectionText(), "primary");
}

TEST_F(SdlBackendTest, WakeEndsAWaitFromAnotherThread) {
  std::thread t([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    backend_->Wake();
    backend_->Wake();
  });
  Event e;
  bool got = false;
  for (int i = 0; i < 100 && !got; ++i) got = backend_->WaitEvent(e, 1000) && e.type == EventType::kWake;
  t.join();
  EXPECT_TRUE(got);
}

}  // namespace
}  // namespace platform
