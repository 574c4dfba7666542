// Scroll bar parts and thumbs in the plain look and on skin tracks, and positions from thumb drags.
#include "skin/controls/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include "skin/controls/RectPrint.h"

namespace skin {
namespace {

struct PlainCase {
  const char* name;
  int32_t width, height;
  bool vertical;
  ScrollRange range;
  gfx::Rect dec, inc, track, thumb;
};

TEST(ScrollBarGeometryTest, PlainPartsAndThumb) {
  const PlainCase cases[] = {
      // 16-pixel buttons, a 16-pixel thumb at the top of the 389-pixel track.
      {"vertical 19 x 423 at 0", 19, 423, true, {0, 499, 0, 0},
       {1, 1, 18, 17}, {1, 406, 18, 422}, {1, 17, 18, 406}, {1, 17, 18, 33}},
      {"vertical 19 x 423 at 499", 19, 423, true, {0, 499, 0, 499},
       {1, 1, 18, 17}, {1, 406, 18, 422}, {1, 17, 18, 406}, {1, 390, 18, 406}},
      {"horizontal 200 x 19 at 50", 200, 19, false, {0, 100, 0, 50},
       {1, 1, 17, 18}, {183, 1, 199, 18}, {17, 1, 183, 18}, {92, 1, 108, 18}},
      // A page: round(389 x 404 / 800) = 196 pixels long; at the last position it ends the track.
      {"paged at the end", 19, 423, true, {0, 799, 404, 396},
       {1, 1, 18, 17}, {1, 406, 18, 422}, {1, 17, 18, 406}, {1, 210, 18, 406}},
      // A page as large as the range fills the track and stays inside it.
      {"page covers the range", 200, 19, false, {0, 99, 150, 0},
       {1, 1, 17, 18}, {183, 1, 199, 18}, {17, 1, 183, 18}, {17, 1, 183, 18}},
      // Bounds inside out: the thumb never leaves the track.
      {"inside out", 200, 19, false, {100, 0, 0, 0},
       {1, 1, 17, 18}, {183, 1, 199, 18}, {17, 1, 183, 18}, {167, 1, 183, 18}},
      {"inside out with a page", 19, 423, true, {100, 0, 10, 0},
       {1, 1, 18, 17}, {1, 406, 18, 422}, {1, 17, 18, 406}, {1, 17, 18, 405}},
      // Too short for a track: no thumb.
      {"tiny", 19, 20, true, {0, 100, 0, 50}, {1, 1, 18, 17}, {1, 3, 18, 19}, {1, 17, 18, 17}, {}},
  };
  for (const PlainCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ScrollParts p = CalcPlainScrollParts(c.width, c.height, c.range, c.vertical);
    EXPECT_EQ(p.dec, c.dec);
    EXPECT_EQ(p.inc, c.inc);
    EXPECT_EQ(p.track, c.track);
    EXPECT_EQ(p.thumb, c.thumb);
  }
}

TEST(ScrollBarGeometryTest, SkinThumbUsesTheImageLength) {
  // The horizontal record's 24 x 19 thumb on a track from 18 to 142 (a 160-pixel bar).
  const gfx::Rect track{18, 0, 142, 19};
  ScrollThumb t = CalcScrollThumb(track.left, track.Width(), 24, {0, 100, 0, 50}, false, false);
  EXPECT_EQ(t.length, 24);
  EXPECT_EQ(t.start, 30);
  EXPECT_EQ(t.end, 130);
  EXPECT_EQ(t.offset, 50);
  EXPECT_EQ(ScrollThumbRect(track, t, 19, false), (gfx::Rect{68, 0, 92, 19}));
  // With a page the thumb grows: round(124 x 50 / 101) = 61, odd and kept odd; at the end it
  // closes the track exactly instead of reaching a pixel past it.
  t = CalcScrollThumb(track.left, track.Width(), 24, {0, 100, 50, 51}, false, false);
  EXPECT_EQ(t.length, 61);
  EXPECT_EQ(t.offset, 63);
  EXPECT_EQ(ScrollThumbRect(track, t, 19, false), (gfx::Rect{81, 0, 142, 19}));
  // A narrower thumb image is centred across the track.
  EXPECT_EQ(ScrollThumbRect({0, 18, 19, 42}, {}, 0, true), (gfx::Rect{}));
  EXPECT_EQ(ScrollThumbRect({0, 18, 19, 100}, {0, 0, 0, 24}, 11, true), (gfx::Rect{4, 18, 15, 42}));
}

TEST(ScrollBarGeometryTest, PositionsFromDraggedOffsets) {
  // Plain vertical 19 x 423: the thumb centre runs from 25 to 398 (373 pixels).
  const ScrollRange plain{0, 499, 0, 0};
  const ScrollThumb t = CalcPlainScrollParts(19, 423, plain, true).along;
  const ScrollRange paged{0, 799, 404, 0};
  const ScrollThumb tp = CalcPlainScrollParts(19, 423, paged, true).along;
  const struct {
    const char* name;
    ScrollThumb thumb;
    ScrollRange range;
    int32_t d;
    int64_t position;
  } cases[] = {
      {"start", t, plain, 0, 0},          {"end", t, plain, 373, 499},    {"middle", t, plain, 186, 249},
      {"before", t, plain, -50, 0},       {"past", t, plain, 9000, 499},  {"paged end", tp, paged, 193, 396},
      {"paged middle", tp, paged, 96, 197},
      {"no track", ScrollThumb{10, 10, 0, 16}, plain, 50, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ScrollPositionFromOffset(c.d, c.thumb, c.range), c.position);
  }
}

TEST(ScrollBarGeometryTest, PositionsClampToTheRangeAndPage) {
  const struct {
    ScrollRange range;
    int64_t position;
    int32_t clamped;
  } cases[] = {
      {{0, 100, 0, 0}, 50, 50},    {{0, 100, 0, 0}, 101, 100}, {{0, 100, 0, 0}, -1, 0},
      {{0, 999, 493, 0}, 900, 507}, {{0, 999, 493, 0}, 507, 507},
      {{100, 0, 0, 0}, 50, 0},     {{100, 0, 10, 0}, 50, -9},  // inside out: the maximum wins
      {{0, 99, 150, 0}, 5, 0},  // a page larger than the range keeps the position at the minimum
  };
  for (const auto& c : cases) EXPECT_EQ(ClampScrollPosition(c.range, c.position), c.clamped) << c.position;
}

}  // namespace
}  // namespace skin
