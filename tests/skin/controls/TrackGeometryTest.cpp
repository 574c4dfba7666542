// Thumb placement and the value a dragged offset stands for, from the program's track bars.
#include "skin/controls/TrackGeometry.h"

#include <gtest/gtest.h>

#include "skin/controls/RectPrint.h"

#include "skin/controls/RangeMath.h"

namespace skin {
namespace {

struct ThumbCase {
  const char* name;
  gfx::Rect track;
  gfx::Size thumb;
  double q;
  bool vertical;
  int32_t start, end, offset;
  gfx::Rect bounds;
};

TEST(TrackGeometryTest, ThumbSitsWhereTheRatioPutsIt) {
  const ThumbCase cases[] = {
      // The quality slider, 81 wide: the record's track area widened by 3.
      {"quality 75", {14, 3, 68, 13}, {18, 6}, 0.75, false, 23, 59, 27, {41, 5, 59, 11}},
      {"quality 0", {14, 3, 68, 13}, {18, 6}, 0.0, false, 23, 59, 0, {14, 5, 32, 11}},
      {"quality 100", {14, 3, 68, 13}, {18, 6}, 1.0, false, 23, 59, 36, {50, 5, 68, 11}},
      // The batch slider, 97 wide.
      {"batch 75", {14, 3, 84, 13}, {18, 6}, 0.75, false, 23, 75, 39, {53, 5, 71, 11}},
      // The vertical record: the minimum at the bottom.
      {"vertical min", {3, 14, 13, 65}, {6, 18}, 0.0, true, 23, 56, 0, {5, 47, 11, 65}},
      {"vertical max", {3, 14, 13, 65}, {6, 18}, 1.0, true, 23, 56, 33, {5, 14, 11, 32}},
      // Ratios outside 0..1 (bounds set inside out) are held to the track.
      {"ratio above one", {14, 3, 68, 13}, {18, 6}, 3.5, false, 23, 59, 36, {50, 5, 68, 11}},
      {"ratio below zero", {14, 3, 68, 13}, {18, 6}, -2.0, false, 23, 59, 0, {14, 5, 32, 11}},
      // A track shorter than the thumb: nowhere to move.
      {"short track", {0, 0, 10, 10}, {18, 6}, 1.0, false, 9, 1, 0, {0, 2, 18, 8}},
      // The plain look of a 100 x 20 bar: R = 2,2,98,18 and an 8 x 16 thumb.
      {"plain 50", {2, 2, 98, 18}, {8, 16}, 0.5, false, 6, 94, 44, {46, 2, 54, 18}},
  };
  for (const ThumbCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TrackThumb t = CalcTrackThumb(c.track, c.thumb, c.q, c.vertical);
    EXPECT_EQ(t.start, c.start);
    EXPECT_EQ(t.end, c.end);
    EXPECT_EQ(t.offset, c.offset);
    EXPECT_EQ(t.bounds, c.bounds);
  }
}

TEST(TrackGeometryTest, DraggedOffsetsGiveValues) {
  // Track from 23 to 59 (length 36) on a 0..100 bar.
  const struct {
    int32_t a;
    int32_t value;
  } cases[] = {{27, 75}, {26, 72}, {18, 50}, {0, 0}, {36, 100}, {-40, 0}, {400, 100}, {1, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(ValueAtRatio(TrackRatioFromOffset(c.a, 23, 59), 0, 100), c.value) << c.a;
  }
  // A track with no length always gives the minimum.
  EXPECT_EQ(TrackRatioFromOffset(5, 9, 1), 0.0);
  EXPECT_EQ(TrackRatioFromOffset(5, 9, 9), 0.0);
}

TEST(TrackGeometryTest, PlainThumbSizeFollowsTheBar) {
  EXPECT_EQ(PlainTrackThumbSize(100, 20, false), (gfx::Size{8, 16}));
  EXPECT_EQ(PlainTrackThumbSize(20, 100, true), (gfx::Size{16, 8}));
  EXPECT_EQ(PlainTrackThumbSize(2, 2, false), (gfx::Size{0, 0}));
}

}  // namespace
}  // namespace skin
