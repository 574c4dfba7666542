// Where popup levels go: below, above in the lower half, to the right, and submenus beside their item.
#include "skin/menus/PopupPlacement.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

struct PlacementCase {
  const char* name;
  PopupPlacementRequest request;
  gfx::Point expected;
};

PopupPlacementRequest Req(gfx::Size size, gfx::Rect anchor, gfx::Rect work, bool submenu = false, bool upward = false,
                          bool scroll = false, int32_t items_top = 3) {
  PopupPlacementRequest r;
  r.size = size;
  r.anchor = anchor;
  r.work_area = work;
  r.items_top = items_top;
  r.submenu = submenu;
  r.upward = upward;
  r.needs_scroll = scroll;
  return r;
}

TEST(PopupPlacementTest, PlacesByAnchorAndWorkArea) {
  const gfx::Rect screen{0, 0, 1280, 1024};
  const gfx::Rect small{0, 0, 800, 600};
  const PlacementCase cases[] = {
      {"below a point", Req({150, 200}, {100, 100, 100, 100}, screen), {100, 100}},
      {"below a button", Req({150, 200}, {100, 100, 180, 125}, screen), {100, 125}},
      {"exactly fits below", Req({150, 200}, {100, 400, 100, 400}, small), {100, 400}},
      {"lower half: above, bottom at the point", Req({150, 200}, {100, 900, 100, 900}, screen), {100, 700}},
      {"lower half: above a button", Req({150, 200}, {100, 500, 180, 525}, small), {100, 300}},
      {"upper half: up to the bottom, right of the point", Req({150, 400}, {100, 250, 100, 250}, small), {101, 200}},
      {"lower half, no room above: top, right of the point", Req({150, 400}, {100, 350, 100, 350}, small), {101, 0}},
      {"overlapping at the right edge goes left", Req({150, 400}, {700, 250, 700, 250}, small), {549, 200}},
      {"kept inside the right edge", Req({150, 200}, {1200, 100, 1200, 100}, screen), {1130, 100}},
      {"kept inside the left edge", Req({150, 200}, {50, 100, 50, 100}, {100, 0, 900, 600}), {100, 100}},
      {"submenu lines its first item up", Req({150, 200}, {200, 100, 350, 120}, small, true), {351, 97}},
      {"submenu in the upper half ends at the bottom", Req({150, 400}, {200, 250, 350, 270}, small, true), {351, 200}},
      {"submenu in the lower half ends at its item", Req({150, 200}, {200, 500, 350, 520}, small, true), {351, 323}},
      {"submenu never above the top", Req({150, 590}, {200, 500, 350, 520}, small, true), {351, 0}},
      {"submenu at the right edge goes left", Req({150, 200}, {640, 100, 790, 120}, small, true), {489, 97}},
      {"upward above its button", Req({150, 200}, {100, 500, 180, 525}, small, false, true), {100, 300}},
      {"upward without room: below, to the right", Req({150, 200}, {100, 50, 180, 75}, small, false, true), {181, 75}},
      {"upward without room below either", Req({150, 560}, {100, 50, 180, 75}, small, false, true), {181, 40}},
      {"upward in the lower half without room", Req({150, 590}, {100, 400, 180, 425}, small, false, true), {181, 0}},
      {"scrolling: the top, right of the anchor", Req({150, 600}, {100, 300, 100, 300}, small, false, false, true),
       {101, 0}},
  };
  for (const PlacementCase& c : cases) {
    EXPECT_EQ(PlacePopup(c.request), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace skin
