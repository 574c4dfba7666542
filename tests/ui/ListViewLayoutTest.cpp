// ListViewLayout: item rectangles and hit tests of the four styles, and huge counts.
#include "ui/ListViewLayout.h"

#include <gtest/gtest.h>

namespace {

using ui::ListViewLayout;
using ui::ViewStyle;

struct LayoutCase {
  const char* name;
  ViewStyle style;
  int32_t count;
  int32_t index;      // the item looked at, with the first line shown being `top`
  int32_t top;
  gfx::Rect rect;     // where it lies
  int32_t per_line;
  int32_t lines;
  int32_t max_top;
};

// An area of 100 x 60 below a 20-pixel header: cells 30 x 10 (icons 40 x 25), report columns 70 wide.
ListViewLayout Make(ViewStyle style, int32_t count) {
  ListViewLayout l;
  l.style = style;
  l.count = count;
  l.area = {0, 20, 100, 80};
  l.cell_width = style == ViewStyle::kIcon ? 40 : 30;
  l.cell_height = style == ViewStyle::kIcon ? 25 : 10;
  l.report_width = 70;
  return l;
}

class LayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTable, PlacesAndFindsTheItem) {
  const LayoutCase& c = GetParam();
  const ListViewLayout l = Make(c.style, c.count);
  EXPECT_EQ(l.PerLine(), c.per_line);
  EXPECT_EQ(l.LineCount(), c.lines);
  EXPECT_EQ(l.MaxTopLine(), c.max_top);
  const gfx::Rect r = l.ItemRect(c.index, c.top, 0);
  EXPECT_EQ(r, c.rect);
  if (l.area.Contains({r.left + 1, r.top + 1})) {
    EXPECT_EQ(l.ItemAt({r.left + 1, r.top + 1}, c.top, 0), c.index);
    EXPECT_EQ(l.ItemAt({r.right - 1, r.bottom - 1}, c.top, 0), c.index);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, LayoutTable,
    ::testing::Values(
        // Six whole rows fit 60 pixels; 20 rows leave 14 to scroll.
        LayoutCase{"report_first", ViewStyle::kReport, 20, 0, 0, {0, 20, 70, 30}, 1, 20, 14},
        LayoutCase{"report_scrolled", ViewStyle::kReport, 20, 9, 5, {0, 60, 70, 70}, 1, 20, 14},
        // Six per column, three whole columns in 100 pixels: 20 items are 4 columns.
        LayoutCase{"list_second_column", ViewStyle::kList, 20, 7, 0, {30, 30, 60, 40}, 6, 4, 1},
        LayoutCase{"list_scrolled", ViewStyle::kList, 20, 19, 1, {60, 30, 90, 40}, 6, 4, 1},
        // Three per row.
        LayoutCase{"small_icon", ViewStyle::kSmallIcon, 20, 4, 0, {30, 30, 60, 40}, 3, 7, 1},
        LayoutCase{"icon", ViewStyle::kIcon, 5, 3, 0, {40, 45, 80, 70}, 2, 3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListViewLayoutTest, PointsOutsideTheItemsHitNothing) {
  ListViewLayout report = Make(ViewStyle::kReport, 3);
  EXPECT_EQ(report.ItemAt({5, 10}, 0, 0), -1);   // on the header
  EXPECT_EQ(report.ItemAt({80, 25}, 0, 0), -1);  // right of the columns
  EXPECT_EQ(report.ItemAt({5, 55}, 0, 0), -1);   // below the last item
  EXPECT_EQ(report.ItemAt({5, 25}, 0, 0), 0);
  // Scrolled sideways, the columns' end moves left with them.
  EXPECT_EQ(report.ItemAt({65, 25}, 0, 10), -1);
  ListViewLayout list = Make(ViewStyle::kList, 20);
  EXPECT_EQ(list.ItemAt({95, 25}, 3, 0), -1);  // past the last column
}

TEST(ListViewLayoutTest, AHugeCountNeverOverflows) {
  for (ViewStyle style : {ViewStyle::kReport, ViewStyle::kList, ViewStyle::kSmallIcon, ViewStyle::kIcon}) {
    ListViewLayout l = Make(style, INT32_MAX - 1);
    const int32_t last = INT32_MAX - 2;
    // The last item, seen from the top, is far away but its rectangle is still ordered.
    const gfx::Rect far = l.ItemRect(last, 0, 0);
    EXPECT_LE(far.left, far.right);
    EXPECT_LE(far.top, far.bottom);
    EXPECT_FALSE(l.area.Intersect(far).Width() > 0 && l.area.Intersect(far).Height() > 0);
    // At the last page it shows, and a point on it finds it.
    const int32_t top = l.MaxTopLine();
    const gfx::Rect near = l.ItemRect(last, top, 0);
    EXPECT_TRUE(l.area.Contains({near.left, near.top})) << static_cast<int>(style);
    EXPECT_EQ(l.ItemAt({near.left, near.top}, top, 0), last);
    int32_t first = 0;
    int32_t end = 0;
    l.VisibleRange(top, first, end);
    EXPECT_EQ(end, INT32_MAX - 1);
    EXPECT_LT(end - first, 100);
  }
}

}  // namespace
