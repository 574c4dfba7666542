// Region algebra and point tests.
#include "gfx/Region.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

TEST(RegionTest, UnionIntersectSubtract) {
  Region r(Rect{0, 0, 10, 10});
  r.Union(Rect{10, 0, 20, 10});
  EXPECT_EQ(r.Bounds(), (Rect{0, 0, 20, 10}));
  EXPECT_EQ(r.Rects().size(), 1u);  // adjacent rectangles in one band merge
  r.Subtract(Region(Rect{5, 5, 15, 10}));
  EXPECT_FALSE(r.Contains({6, 6}));
  EXPECT_TRUE(r.Contains({4, 6}));
  EXPECT_FALSE(r.Contains({20, 0}));  // right edge is exclusive
  r.Intersect(Rect{0, 0, 3, 3});
  EXPECT_EQ(r.Rects(), (std::vector<Rect>{{0, 0, 3, 3}}));
  Region copy = r;
  copy.Offset(1, 1);
  EXPECT_EQ(copy.Bounds(), (Rect{1, 1, 4, 4}));
  EXPECT_FALSE(copy == r);
  EXPECT_TRUE(Region().IsEmpty());
}

}  // namespace
}  // namespace gfx
