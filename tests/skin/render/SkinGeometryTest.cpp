// Rectangle and point tests and the usual target geometry.
#include "skin/render/SkinGeometry.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using gfx::Point;
using gfx::Rect;

TEST(SkinGeometryTest, RectangleAndPointTests) {
  const Rect r{2, 3, 10, 8};
  EXPECT_EQ(RectWidth(r), 8);
  EXPECT_EQ(RectHeight(r), 5);
  struct NullCase {
    Rect r;
    bool null;
  } nulls[] = {{r, false}, {{2, 3, 2, 8}, true}, {{2, 3, 10, 3}, true}, {{5, 5, 4, 9}, true}, {{0, 0, 1, 1}, false}};
  for (const NullCase& c : nulls) EXPECT_EQ(IsNullRect(c.r), c.null);
  struct PointCase {
    Point p;
    bool null, inside;
  } points[] = {
      {{0, 0}, true, false}, {{0, 5}, true, false}, {{5, 0}, true, false}, {{5, 5}, false, true},
      {{2, 3}, false, true}, {{10, 8}, false, true},  // every edge counts as inside
      {{11, 8}, false, false}, {{10, 9}, false, false}, {{1, 5}, false, false},
  };
  for (const PointCase& c : points) {
    SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(IsNullPoint(c.p), c.null);
    EXPECT_EQ(PointInside(r, c.p), c.inside);
  }
  struct InsideCase {
    Rect a;
    bool inside;
  } rects[] = {
      {{2, 3, 9, 7}, true},
      {{2, 3, 10, 7}, false},  // the bottom-right corner must pass the half-open test
      {{2, 3, 9, 8}, false},
      {{1, 3, 9, 7}, false},
      {{4, 4, 5, 5}, true},
  };
  for (const InsideCase& c : rects) EXPECT_EQ(RectInside(c.a, r), c.inside);
}

TEST(SkinGeometryTest, UsualTargetMovesTheRightAndBottomCorners) {
  const SkinSource s{{5, 3, 65, 23}, {12, 9}, {46, 10}, {12, 15}, {46, 15}, {7, 2, 53, 18}};
  const SkinTarget t = UsualTarget(s, 100, 30);
  EXPECT_EQ(t.lt, (Point{12, 9}));
  EXPECT_EQ(t.rt, (Point{86, 10}));
  EXPECT_EQ(t.lb, (Point{12, 25}));
  EXPECT_EQ(t.rb, (Point{86, 25}));
  EXPECT_EQ(t.client, (Rect{7, 2, 93, 28}));
  EXPECT_EQ(t.width, 100);
  EXPECT_EQ(t.height, 30);
}

}  // namespace
}  // namespace skin
