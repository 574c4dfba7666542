// Tests of the shared move/size step, size limits and the work-area lookup.
#include "platform/Backend.h"

#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"

namespace platform {
namespace {

struct SizeMoveCase {
  HitCode hit;
  gfx::Point delta;
  gfx::Size min_size;
  gfx::Size max_size;
  gfx::Rect expected;
};

TEST(SizeMoveBoundsTest, MovesOrDragsOneEdgeWithinLimits) {
  const gfx::Rect start{100, 100, 300, 250};  // 200 x 150
  const SizeMoveCase cases[] = {
      {HitCode::kCaption, {-30, 15}, {500, 500}, {}, {70, 115, 270, 265}},  // a move ignores the limits
      {HitCode::kLeft, {-20, 99}, {}, {}, {80, 100, 300, 250}},
      {HitCode::kLeft, {190, 0}, {50, 50}, {}, {250, 100, 300, 250}},  // held at the minimum width
      {HitCode::kRight, {500, 0}, {}, {400, 0}, {100, 100, 500, 250}},  // held at the maximum width
      {HitCode::kTop, {7, -10}, {}, {}, {100, 90, 300, 250}},
      {HitCode::kBottom, {0, -200}, {}, {}, {100, 100, 300, 100}},  // no limit: down to nothing
      {HitCode::kTopLeft, {10, 20}, {}, {}, {110, 120, 300, 250}},
      {HitCode::kTopRight, {10, 20}, {}, {}, {100, 120, 310, 250}},
      {HitCode::kBottomLeft, {10, 20}, {}, {}, {110, 100, 300, 270}},
      {HitCode::kBottomRight, {10, 20}, {216, 37}, {}, {100, 100, 316, 270}},
      {HitCode::kObject, {10, 20}, {}, {}, start},
      {HitCode::kClient, {10, 20}, {}, {}, start},
  };
  for (const SizeMoveCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.hit));
    EXPECT_EQ(SizeMoveBounds(start, c.hit, c.delta, c.min_size, c.max_size), c.expected);
  }
}

TEST(SizeMoveBoundsTest, ClampKeepsTheUndraggedEdges) {
  const gfx::Rect small{100, 100, 110, 110};
  EXPECT_EQ(ClampToSizeLimits(small, HitCode::kCaption, {50, 40}, {}), (gfx::Rect{100, 100, 150, 140}));
  EXPECT_EQ(ClampToSizeLimits(small, HitCode::kTopLeft, {50, 40}, {}), (gfx::Rect{60, 70, 110, 110}));
  EXPECT_EQ(ClampToSizeLimits({0, 0, 900, 900}, HitCode::kBottomRight, {}, {800, 600}), (gfx::Rect{0, 0, 800, 600}));
}

TEST(WorkAreaTest, NearestMonitorOrWholeScreen) {
  HeadlessBackend backend;
  // One monitor: the work area, or the whole screen.
  backend.SetMonitors({{{0, 0, 1280, 1024}, {0, 0, 1280, 994}, true}});
  EXPECT_EQ(backend.GetWorkArea(gfx::Rect{1500, 10, 1600, 100}, true), (gfx::Rect{0, 0, 1280, 994}));
  EXPECT_EQ(backend.GetWorkArea(gfx::Rect{1500, 10, 1600, 100}, false), (gfx::Rect{0, 0, 1280, 1024}));

  backend.SetMonitors({{{0, 0, 1280, 1024}, {0, 0, 1280, 994}, true},
                       {{1280, 0, 2304, 768}, {1280, 25, 2304, 768}, false}});
  struct Case {
    gfx::Rect near;
    bool work_area_only;
    gfx::Rect expected;
  } cases[] = {
      {{100, 100, 300, 300}, true, {0, 0, 1280, 994}},
      {{1200, 100, 1400, 300}, true, {1280, 25, 2304, 768}},    // mostly on the second monitor
      {{1200, 100, 1300, 300}, false, {0, 0, 1280, 1024}},      // mostly on the first
      {{3000, 100, 3100, 200}, false, {1280, 0, 2304, 768}},    // on none: the nearest
      {{-500, 2000, -400, 2100}, true, {0, 0, 1280, 994}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.near.left);
    EXPECT_EQ(backend.GetWorkArea(c.near, c.work_area_only), c.expected);
  }
}

TEST(BackendSlotTest, HoldsOneBackend) {
  SetBackend(nullptr);
  EXPECT_FALSE(HasBackend());
  EXPECT_THROW(GetBackend(), std::logic_error);
  SetBackend(std::make_unique<HeadlessBackend>());
  EXPECT_EQ(GetBackend().Name(), "headless");
  SetBackend(nullptr);
  EXPECT_FALSE(HasBackend());
}

}  // namespace
}  // namespace platform
