// Tests of the headless backend: composition, routing, capture, activation, move/size loop, clock.
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <thread>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"

namespace platform {
namespace {

constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0);
constexpr gfx::Color kBlue = gfx::Rgb(0, 0, 255);
constexpr gfx::Color kGreen = gfx::Rgb(0, 255, 0);

class HeadlessBackendTest : public ::testing::Test {
 protected:
  std::unique_ptr<Surface> Make(SurfaceKind kind, gfx::Rect bounds, gfx::Color fill, Surface* owner = nullptr,
                                bool activate = true) {
    SurfaceParams p;
    p.kind = kind;
    p.bounds = bounds;
    p.owner = owner;
    auto s = backend_.CreateSurface(p);
    gfx::Bitmap frame(bounds.Width(), bounds.Height(), 24);
    frame.Fill(fill);
    s->Present(frame, frame.Bounds());
    s->Show(activate);
    return s;
  }

  std::vector<Event> Drain() {
    std::vector<Event> events;
    Event e;
    while (backend_.PollEvent(e)) events.push_back(e);
    return events;
  }

  // The events of one type, in order.
  static std::vector<Event> OfType(const std::vector<Event>& events, EventType type) {
    std::vector<Event> out;
    for (const Event& e : events)
      if (e.type == type) out.push_back(e);
    return out;
  }

  HeadlessBackend backend_;
};

// A lower surface and an upper one with a 20 x 20 hole in its shape:
//
//   (100,100)+-------------+ lower (red)
//            |   (150,150)+------------+ upper (blue)
//            |            |  hole at   |
//            |            |  (200,200) |
//            +------------|            |
//                         +------------+ (350,350)
class TwoSurfacesTest : public HeadlessBackendTest {
 protected:
  void SetUp() override {
    lower_ = Make(SurfaceKind::kNormal, {100, 100, 300, 300}, kRed);
    upper_ = Make(SurfaceKind::kNormal, {150, 150, 350, 350}, kBlue);
    gfx::Region shape(gfx::Rect{0, 0, 200, 200});
    shape.Subtract(gfx::Region(gfx::Rect{50, 50, 70, 70}));
    upper_->SetShape(shape);
    Drain();
  }
  std::unique_ptr<Surface> lower_;
  std::unique_ptr<Surface> upper_;
};

TEST_F(TwoSurfacesTest, ComposesByZOrderAndShape) {
  struct Case {
    gfx::Point at;
    gfx::Color expected;
  } cases[] = {
      {{120, 120}, kRed},  {{160, 160}, kBlue}, {{205, 205}, kRed},  // through the hole
      {{330, 330}, kBlue}, {{50, 50}, HeadlessBackend::kDesktopColor},
  };
  gfx::Bitmap screen = backend_.ScreenBitmap();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at.x);
    EXPECT_EQ(screen.Pixel(c.at.x, c.at.y), c.expected);
  }
  // Raising the lower one covers the upper one where they overlap; hiding it uncovers it again.
  lower_->Raise();
  EXPECT_EQ(backend_.ScreenPixel({160, 160}), kRed);
  lower_->Hide();
  EXPECT_EQ(backend_.ScreenPixel({160, 160}), kBlue);
  EXPECT_EQ(backend_.ScreenPixel({120, 120}), HeadlessBackend::kDesktopColor);
  upper_->Minimize();
  EXPECT_EQ(backend_.ScreenPixel({160, 160}), HeadlessBackend::kDesktopColor);
}

TEST_F(TwoSurfacesTest, PresentCopiesOnlyTheRectangle) {
  gfx::Bitmap frame(200, 200, 24);
  frame.Fill(kGreen);
  upper_->Present(frame, {10, 10, 20, 20});
  EXPECT_EQ(backend_.ScreenPixel({165, 165}), kGreen);
  EXPECT_EQ(backend_.ScreenPixel({175, 175}), kBlue);
  // A rectangle reaching past the picture and the surface is clipped, not refused.
  gfx::Bitmap small(5, 5, 24);
  small.Fill(kRed);
  upper_->Present(small, {-10, -10, 500, 500});
  EXPECT_EQ(backend_.ScreenPixel({154, 154}), kRed);
  EXPECT_EQ(backend_.ScreenPixel({155, 155}), kBlue);
  EXPECT_THROW(upper_->Present(gfx::Bitmap(4, 4, 32), {0, 0, 4, 4}), std::invalid_argument);
}

TEST_F(TwoSurfacesTest, OpacityBlendsOnlyWhenAvailable) {
  EXPECT_TRUE(upper_->SetOpacity(128));
  gfx::Color blended = backend_.ScreenPixel({160, 160});
  EXPECT_EQ(gfx::Red(blended), 127);
  EXPECT_EQ(gfx::Blue(blended), 128);
  backend_.SetLayeredWindowsAvailable(false);
  EXPECT_FALSE(upper_->SetOpacity(100));
  EXPECT_EQ(upper_->Opacity(), 100);
  EXPECT_EQ(backend_.ScreenPixel({160, 160}), kBlue);
}

TEST_F(TwoSurfacesTest, CaptureScreenCopiesTheComposedScreen) {
  gfx::Bitmap shot = backend_.CaptureScreen({90, 90, 160, 160});
  ASSERT_EQ(shot.GetSize(), (gfx::Size{70, 70}));
  EXPECT_EQ(shot.Pixel(0, 0), HeadlessBackend::kDesktopColor);
  EXPECT_EQ(shot.Pixel(15, 15), kRed);
  EXPECT_EQ(shot.Pixel(65, 65), kBlue);
  // Beyond the screen the picture is black; an empty rectangle gives the empty picture.
  gfx::Bitmap edge = backend_.CaptureScreen({1270, 1000, 1290, 1030});
  EXPECT_EQ(edge.Pixel(5, 5), HeadlessBackend::kDesktopColor);
  EXPECT_EQ(edge.Pixel(15, 5), gfx::kBlack);
  EXPECT_EQ(edge.Pixel(5, 25), gfx::kBlack);
  EXPECT_TRUE(backend_.CaptureScreen({10, 10, 10, 50}).IsEmpty());
}

TEST_F(TwoSurfacesTest, RoutesMouseToTopmostShapedSurface) {
  struct Case {
    gfx::Point at;
    SurfaceId expected;
    gfx::Point local;
  } cases[] = {
      {{120, 120}, lower_->Id(), {20, 20}},
      {{160, 170}, upper_->Id(), {10, 20}},
      {{210, 205}, lower_->Id(), {110, 105}},  // the hole shows the lower surface
      {{340, 340}, upper_->Id(), {190, 190}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at.x);
    backend_.InjectMouseMove(c.at);
    std::vector<Event> moves = OfType(Drain(), EventType::kMouseMove);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].surface, c.expected);
    EXPECT_EQ(moves[0].local, c.local);
    EXPECT_EQ(moves[0].screen, c.at);
    EXPECT_EQ(moves[0].hit, HitCode::kClient);
  }
  // Over the desktop nothing gets the move, and the surface the cursor left hears so.
  backend_.InjectMouseMove({20, 20});
  std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, EventType::kMouseLeave);
  EXPECT_EQ(events[0].surface, upper_->Id());
}

TEST_F(TwoSurfacesTest, CaptureTakesAllMouseInput) {
  backend_.SetCapture(lower_->Id());
  backend_.InjectMouseMove({340, 340});
  backend_.InjectMouseDown({20, 30});
  backend_.InjectMouseUp({20, 30});
  std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 3u);
  for (const Event& e : events) {
    EXPECT_EQ(e.surface, lower_->Id());
    EXPECT_EQ(e.hit, HitCode::kClient);
  }
  EXPECT_EQ(events[0].local, (gfx::Point{240, 240}));
  EXPECT_EQ(events[1].local, (gfx::Point{-80, -70}));
  // A press under the capture does not activate what lies below the cursor.
  EXPECT_EQ(backend_.ActiveSurface(), upper_->Id());

  // Another capture takes it away with notice; after the release input follows the cursor again.
  backend_.SetCapture(upper_->Id());
  events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, EventType::kCaptureLost);
  EXPECT_EQ(events[0].surface, lower_->Id());
  backend_.ReleaseCapture();
  backend_.InjectMouseMove({120, 120});
  std::vector<Event> moves = OfType(Drain(), EventType::kMouseMove);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].surface, lower_->Id());
  // Hiding the holder ends the capture.
  backend_.SetCapture(lower_->Id());
  lower_->Hide();
  EXPECT_EQ(backend_.CaptureSurface(), kNoSurface);
  EXPECT_EQ(OfType(Drain(), EventType::kCaptureLost).size(), 1u);
}

TEST_F(TwoSurfacesTest, ClickActivatesAndRaises) {
  ASSERT_EQ(backend_.ActiveSurface(), upper_->Id());
  backend_.InjectMouseDown({120, 120});
  std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0].type, EventType::kDeactivate);
  EXPECT_EQ(events[0].surface, upper_->Id());
  EXPECT_EQ(events[1].type, EventType::kFocusOut);
  EXPECT_EQ(events[2].type, EventType::kActivate);
  EXPECT_EQ(events[2].surface, lower_->Id());
  EXPECT_EQ(events[3].type, EventType::kFocusIn);
  EXPECT_EQ(events[4].type, EventType::kMouseDown);
  EXPECT_EQ(events[4].button, MouseButton::kLeft);
  EXPECT_EQ(events[4].modifiers & kModLeftButton, kModLeftButton);
  EXPECT_EQ(backend_.ZOrder().back(), lower_->Id());
  backend_.InjectMouseUp({120, 120});

  // Keys go to the active surface, with the modifiers held.
  backend_.InjectKeyDown(kVkShift);
  backend_.PressKey(kVkA);
  backend_.InjectKeyUp(kVkShift);
  backend_.InjectText("图");
  events = Drain();
  std::vector<Event> downs = OfType(events, EventType::kKeyDown);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[1].key, kVkA);
  EXPECT_EQ(downs[1].surface, lower_->Id());
  EXPECT_EQ(downs[1].modifiers, kModShift);
  ASSERT_EQ(OfType(events, EventType::kTextInput).size(), 1u);
  EXPECT_EQ(OfType(events, EventType::kTextInput)[0].text, "图");

  // A press on the desktop deactivates the program.
  backend_.Click({10, 10});
  EXPECT_EQ(backend_.ActiveSurface(), kNoSurface);
}

TEST_F(HeadlessBackendTest, PopupsNeverTakeTheActivation) {
  auto main = Make(SurfaceKind::kNormal, {0, 0, 400, 400}, kRed);
  auto menu = Make(SurfaceKind::kPopup, {50, 50, 150, 200}, kBlue, main.get());
  EXPECT_EQ(backend_.ActiveSurface(), main->Id());
  Drain();
  backend_.Click({60, 60});
  std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].type, EventType::kMouseDown);
  EXPECT_EQ(events[0].surface, menu->Id());
  EXPECT_EQ(events[1].type, EventType::kMouseUp);
  EXPECT_EQ(backend_.ActiveSurface(), main->Id());
  // Popups stay above the normal windows even when one is raised.
  main->Activate();
  EXPECT_EQ(backend_.SurfaceAt({60, 60}), menu->Id());
  backend_.PressKey(kVkDown);
  for (const Event& e : Drain()) EXPECT_EQ(e.surface, main->Id());
}

TEST_F(HeadlessBackendTest, DialogsStayAboveTheirOwnerAndHandBackActivation) {
  auto owner = Make(SurfaceKind::kNormal, {0, 0, 400, 400}, kRed);
  auto dialog = Make(SurfaceKind::kDialog, {100, 100, 200, 200}, kBlue, owner.get());
  auto other = Make(SurfaceKind::kNormal, {50, 50, 500, 500}, kGreen);
  EXPECT_EQ(backend_.SurfaceAt({150, 150}), other->Id());
  backend_.Click({10, 10});  // the owner comes up, and its dialog with it
  EXPECT_EQ(backend_.ZOrder(), (std::vector<SurfaceId>{other->Id(), owner->Id(), dialog->Id()}));
  dialog->Activate();
  dialog->Hide();
  EXPECT_EQ(backend_.ActiveSurface(), owner->Id());
  EXPECT_THROW(Make(SurfaceKind::kDialog, {0, 0, 10, 10}, kRed), std::invalid_argument);
}

// A 200 x 100 skinned window: caption band 20 high, 4-pixel borders, a frame button at the top right.
class SizeMoveTest : public HeadlessBackendTest {
 protected:
  void SetUp() override {
    window_ = Make(SurfaceKind::kNormal, {100, 100, 300, 200}, kRed);
    window_->SetHitTest([this](gfx::Point p) {
      gfx::Size s = window_->FrameSize();
      if (p.x < 4 && p.y < 4) return HitCode::kTopLeft;
      if (p.x >= s.width - 4 && p.y >= s.height - 4) return HitCode::kBottomRight;
      if (p.x < 4) return HitCode::kLeft;
      if (p.x >= s.width - 20 && p.y < 20) return HitCode::kObject;
      if (p.y < 20) return HitCode::kCaption;
      return HitCode::kClient;
    });
    Drain();
  }
  std::unique_ptr<Surface> window_;
};

TEST_F(SizeMoveTest, CaptionPressMovesTheWindow) {
  backend_.InjectMouseDown({150, 110});
  backend_.InjectMouseMove({180, 150});
  backend_.InjectMouseMove({190, 170});
  backend_.InjectMouseUp({190, 170});
  std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0].type, EventType::kMouseDown);
  EXPECT_EQ(events[0].hit, HitCode::kCaption);
  EXPECT_EQ(events[1].type, EventType::kSizeMoveBegin);
  EXPECT_EQ(events[1].hit, HitCode::kCaption);
  EXPECT_EQ(events[2].type, EventType::kMoved);
  EXPECT_EQ(events[2].rect, (gfx::Rect{130, 140, 330, 240}));
  EXPECT_EQ(events[3].type, EventType::kMoved);
  EXPECT_EQ(events[4].type, EventType::kSizeMoveEnd);
  EXPECT_EQ(events[4].rect, (gfx::Rect{140, 160, 340, 260}));
  EXPECT_EQ(window_->Bounds(), (gfx::Rect{140, 160, 340, 260}));
  EXPECT_EQ(backend_.ScreenPixel({335, 255}), kRed);
  EXPECT_FALSE(backend_.InSizeMove());
  // Frame objects and the client get ordinary presses.
  backend_.Click({330, 170});
  backend_.Click({200, 220});
  events = Drain();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].hit, HitCode::kObject);
  EXPECT_EQ(events[1].type, EventType::kMouseUp);
  EXPECT_EQ(events[2].hit, HitCode::kClient);
}

TEST_F(SizeMoveTest, CaptionDoubleClickStartsNoLoop) {
  backend_.InjectMouseDown({150, 110});
  backend_.InjectMouseUp({150, 110});  // ends the (empty) loop of the first press
  backend_.InjectMouseDown({150, 110});
  backend_.InjectMouseUp({150, 110});
  std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[2].type, EventType::kSizeMoveEnd);
  EXPECT_EQ(events[3].type, EventType::kMouseDown);
  EXPECT_EQ(events[3].click_count, 2);
  EXPECT_EQ(events[3].hit, HitCode::kCaption);
  EXPECT_EQ(events[4].type, EventType::kMouseUp);
  EXPECT_EQ(OfType(events, EventType::kSizeMoveBegin).size(), 1u);
  EXPECT_FALSE(backend_.InSizeMove());
}

TEST_F(SizeMoveTest, BorderPressResizesWithinLimitsAndFilter) {
  window_->SetMinSize({150, 60});
  // The filter snaps the left edge to multiples of 10.
  window_->SetSizeMoveFilter([](const gfx::Rect& r, HitCode) {
    gfx::Rect snapped = r;
    snapped.left = r.left / 10 * 10;
    return snapped;
  });
  backend_.InjectMouseDown({101, 150});
  backend_.InjectMouseMove({77, 150});
  EXPECT_EQ(window_->Bounds(), (gfx::Rect{70, 100, 300, 200}));
  backend_.InjectMouseMove({190, 150});  // narrower than the minimum: held at 150
  EXPECT_EQ(window_->Bounds(), (gfx::Rect{150, 100, 300, 200}));
  backend_.InjectMouseUp({190, 150});
  std::vector<Event> events = Drain();
  EXPECT_EQ(OfType(events, EventType::kResized).size(), 2u);
  EXPECT_EQ(OfType(events, EventType::kMouseUp).size(), 0u);
  // The frame buffer follows the new size, keeping what was presented.
  EXPECT_EQ(window_->FrameSize(), (gfx::Size{150, 100}));
  EXPECT_EQ(backend_.ScreenPixel({155, 105}), kRed);
}

TEST_F(SizeMoveTest, EscapeCancelsTheLoop) {
  backend_.InjectMouseDown({298, 198});
  backend_.InjectMouseMove({350, 260});
  EXPECT_EQ(window_->Bounds(), (gfx::Rect{100, 100, 352, 262}));
  backend_.InjectKeyDown(kVkEscape);
  EXPECT_EQ(window_->Bounds(), (gfx::Rect{100, 100, 300, 200}));
  EXPECT_FALSE(backend_.InSizeMove());
  std::vector<Event> events = Drain();
  EXPECT_EQ(events.back().type, EventType::kSizeMoveEnd);
  EXPECT_EQ(OfType(events, EventType::kKeyDown).size(), 0u);
}

TEST_F(HeadlessBackendTest, DoubleClicksFollowTheVirtualClock) {
  auto s = Make(SurfaceKind::kNormal, {0, 0, 100, 100}, kRed);
  struct Step {
    uint64_t advance_ms;
    gfx::Point at;
    int32_t click_count;
  } steps[] = {
      {0, {10, 10}, 1},   {500, {12, 8}, 2},  // within the time and the distance
      {10, {12, 8}, 1},                       // a third press starts over
      {100, {20, 8}, 1},                      // too far away
      {501, {20, 8}, 1},                      // too late
  };
  for (const Step& step : steps) {
    backend_.AdvanceClock(step.advance_ms);
    backend_.Click(step.at);
    std::vector<Event> downs = OfType(Drain(), EventType::kMouseDown);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].click_count, step.click_count) << "at " << backend_.NowMs();
  }
}

TEST_F(HeadlessBackendTest, WaitingNeverAdvancesTimeByItself) {
  Event e;
  EXPECT_FALSE(backend_.WaitEvent(e, 1000));
  EXPECT_EQ(backend_.NowMs(), 0u);
  backend_.AdvanceClock(250);
  EXPECT_EQ(backend_.NowMs(), 250u);

  // The idle handler is how a test drives a loop that waits.
  int calls = 0;
  backend_.SetIdleHandler([&] {
    ++calls;
    if (calls == 3) backend_.InjectQuit();
    backend_.AdvanceClock(10);
    return calls < 3;
  });
  ASSERT_TRUE(backend_.WaitEvent(e, -1));
  EXPECT_EQ(e.type, EventType::kQuit);
  EXPECT_EQ(backend_.NowMs(), 280u);
  backend_.SetIdleHandler(nullptr);

  // Wake from other threads: one event for calls made before it is taken.
  std::thread a([&] { backend_.Wake(); });
  std::thread b([&] { backend_.Wake(); });
  a.join();
  b.join();
  ASSERT_TRUE(backend_.WaitEvent(e, -1));
  EXPECT_EQ(e.type, EventType::kWake);
  EXPECT_FALSE(backend_.PollEvent(e));
  backend_.Wake();
  EXPECT_TRUE(backend_.PollEvent(e));
}

TEST_F(HeadlessBackendTest, DecoratedSurfacesKeepTheirFrameOutsideTheClient) {
  backend_.SetFrameExtents(4, 24, 4, 4);
  SurfaceParams p;
  p.bounds = {100, 100, 308, 228};
  p.decorated = true;
  auto s = backend_.CreateSurface(p);
  EXPECT_EQ(s->ClientRect(), (gfx::Rect{4, 24, 204, 124}));
  EXPECT_EQ(s->FrameSize(), (gfx::Size{200, 100}));
  s->Show(true);
  gfx::Bitmap frame(200, 100, 24);
  frame.Fill(kBlue);
  s->Present(frame, frame.Bounds());
  EXPECT_EQ(backend_.ScreenPixel({104, 124}), kBlue);
  EXPECT_NE(backend_.ScreenPixel({104, 110}), kBlue);
  Drain();
  backend_.InjectMouseMove({110, 130});
  backend_.InjectMouseMove({150, 110});
  backend_.InjectMouseMove({306, 226});
  std::vector<Event> moves = OfType(Drain(), EventType::kMouseMove);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[0].local, (gfx::Point{6, 6}));
  EXPECT_EQ(moves[0].hit, HitCode::kClient);
  EXPECT_EQ(moves[1].hit, HitCode::kCaption);
  EXPECT_EQ(moves[2].hit, HitCode::kBottomRight);
}

TEST_F(HeadlessBackendTest, DestroyingASurfaceForgetsIt) {
  auto a = Make(SurfaceKind::kNormal, {0, 0, 100, 100}, kRed);
  auto b = Make(SurfaceKind::kNormal, {50, 50, 150, 150}, kBlue);
  backend_.SetCapture(b->Id());
  b.reset();
  Drain();
  EXPECT_EQ(backend_.CaptureSurface(), kNoSurface);
  EXPECT_EQ(backend_.ActiveSurface(), a->Id());
  EXPECT_EQ(backend_.SurfaceAt({120, 120}), kNoSurface);
  backend_.InjectMouseMove({120, 120});
  backend_.Click({60, 60});
  for (const Event& e : Drain()) EXPECT_NE(e.surface, SurfaceId{2});
}

}  // namespace
}  // namespace platform
