// The skin sheet's packer: fixed pieces may not overlap, packed pieces keep clear of every other.
#include "Sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace skingen {
namespace {

using gfx::Rect;

struct ReserveCase {
  const char* name;
  std::vector<Rect> before;
  Rect piece;
  bool refused;
};

TEST(SheetTest, ReserveRefusesPiecesThatOverlapOrLeaveTheSheet) {
  const ReserveCase cases[] = {
      {"apart", {{0, 0, 10, 10}}, {20, 0, 30, 10}, false},
      {"edge to edge", {{0, 0, 10, 10}, {10, 10, 20, 20}}, {10, 0, 20, 10}, false},
      {"one pixel over", {{0, 0, 10, 10}}, {9, 9, 20, 20}, true},
      {"the same place", {{5, 5, 15, 15}}, {5, 5, 15, 15}, true},
      {"inside another", {{0, 0, 40, 40}}, {10, 10, 20, 20}, true},
      {"around another", {{10, 10, 20, 20}}, {0, 0, 40, 40}, true},
      {"over the second of two", {{0, 0, 10, 10}, {30, 30, 40, 40}}, {35, 0, 45, 35}, true},
      {"off the left", {}, {-1, 0, 10, 10}, true},
      {"off the bottom", {}, {0, 50, 10, 61}, true},
      {"the whole sheet", {}, {0, 0, 80, 60}, false},
      {"empty", {}, {5, 5, 5, 10}, true},
  };
  for (const ReserveCase& c : cases) {
    SCOPED_TRACE(c.name);
    Sheet sheet(80, 60, gfx::kWhite);
    for (const Rect& r : c.before) sheet.Reserve(r);
    if (c.refused) {
      EXPECT_THROW(sheet.Reserve(c.piece), std::logic_error);
    } else {
      EXPECT_EQ(sheet.Reserve(c.piece), c.piece);
    }
  }
}

TEST(SheetTest, PlaceKeepsTwoPixelsFromEveryPieceAndSaysWhenFull) {
  Sheet sheet(40, 20, gfx::kWhite);
  sheet.Reserve({1, 1, 11, 11});
  // The first free place from the top left, two pixels right of the reserved piece.
  EXPECT_EQ(sheet.Place(10, 10), (Rect{13, 1, 23, 11}));
  EXPECT_EQ(sheet.Place(10, 10), (Rect{25, 1, 35, 11}));
  // A packed piece is taken like a reserved one.
  EXPECT_THROW(sheet.Reserve({30, 5, 32, 7}), std::logic_error);
  EXPECT_THROW(sheet.Place(10, 10), std::runtime_error);
}

}  // namespace
}  // namespace skingen
