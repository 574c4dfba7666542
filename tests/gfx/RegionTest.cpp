// Region algebra and point tests.
#include "gfx/Region.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

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

TEST(RegionTest, AMovedFromRegionIsTheEmptyRegion) {
  const Rect kBox{2, 3, 7, 9};
  struct Case {
    const char* name;
    std::function<Region(Region&)> op;
    std::vector<Rect> expected;
  };
  const Case kCases[] = {
      {"copy", [](Region& r) { return Region(r); }, {}},
      {"copy assigned", [](Region& r) { Region c(Rect{1, 1, 2, 2}); c = r; return c; }, {}},
      {"move assigned to", [&](Region& r) { r = Region(kBox); return r; }, {kBox}},
      {"copy assigned to", [&](Region& r) { const Region box(kBox); r = box; return r; }, {kBox}},
      {"union with a region", [&](Region& r) { return r.Union(Region(kBox)); }, {kBox}},
      {"union with a rectangle", [&](Region& r) { return r.Union(kBox); }, {kBox}},
      {"intersect with a region", [&](Region& r) { return r.Intersect(Region(kBox)); }, {}},
      {"intersect with a rectangle", [&](Region& r) { return r.Intersect(kBox); }, {}},
      {"subtract", [&](Region& r) { return r.Subtract(Region(kBox)); }, {}},
      {"offset", [](Region& r) { return r.Offset(4, 5); }, {}},
      {"moved again", [](Region& r) { return Region(std::move(r)); }, {}},
      {"as the other operand", [&](Region& r) { return Region(kBox).Union(r).Subtract(r); }, {kBox}},
      {"intersected into", [&](Region& r) { return Region(kBox).Intersect(r); }, {}},
  };
  for (bool by_assignment : {false, true}) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(c.name) + (by_assignment ? ", moved by assignment" : ", moved by construction"));
      Region moved(Rect{0, 0, 10, 10});
      Region taken(Rect{50, 50, 60, 60});
      if (by_assignment)
        taken = std::move(moved);
      else
        taken = Region(std::move(moved));
      EXPECT_EQ(taken.Bounds(), (Rect{0, 0, 10, 10}));
      EXPECT_TRUE(moved.IsEmpty());
      EXPECT_EQ(moved.Bounds(), Rect{});
      EXPECT_FALSE(moved.Contains({0, 0}));
      EXPECT_TRUE(moved.Rects().empty());
      EXPECT_TRUE(moved == Region());
      Region result = c.op(moved);
      EXPECT_EQ(result.Rects(), c.expected);
      EXPECT_EQ(result == Region(), c.expected.empty());
    }
  }
}

TEST(RegionTest, EveryEmptyRegionIsEqual) {
  Region emptied(Rect{5, 5, 6, 6});
  emptied.Intersect(Rect{0, 0, 1, 1});
  Region shifted;
  shifted.Offset(30, 40);
  Region subtracted(Rect{8, 8, 9, 12});
  subtracted.Subtract(Region(Rect{0, 0, 20, 20}));
  for (const Region* r : {&emptied, &shifted, &subtracted}) {
    EXPECT_TRUE(r->IsEmpty());
    EXPECT_TRUE(*r == Region());
    EXPECT_TRUE(Region() == *r);
  }
  EXPECT_FALSE(emptied == Region(Rect{0, 0, 1, 1}));
}

TEST(RegionTest, ARectangleListIsTheUnionOfItsRectangles) {
  // Unsorted, overlapping, repeated and empty rectangles.
  const std::vector<Rect> kRects = {{10, 10, 20, 20}, {0, 0, 5, 5}, {15, 0, 30, 12}, {0, 0, 5, 5},
                                    {3, 3, 3, 9},     {4, 2, 12, 4}, {-6, 25, -1, 40}};
  Region one_by_one;
  for (const Rect& r : kRects) one_by_one.Union(r);
  Region listed(kRects);
  EXPECT_TRUE(listed == one_by_one);
  EXPECT_EQ(listed.Rects(), one_by_one.Rects());
  EXPECT_TRUE(listed == Region::FromRects(kRects.data(), kRects.size()));
  EXPECT_TRUE(Region(std::vector<Rect>{}).IsEmpty());
  EXPECT_TRUE(Region(std::vector<Rect>{{4, 4, 4, 8}}).IsEmpty());
}

}  // namespace
}  // namespace gfx
