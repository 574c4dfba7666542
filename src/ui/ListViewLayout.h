// ListViewLayout: where a list view's items lie in each view style, as pure arithmetic on the item
// count, the cell sizes and the scroll position.
#pragma once

#include <cstdint>

#include "gfx/Geometry.h"

namespace ui {

enum class ViewStyle : uint8_t { kIcon, kSmallIcon, kList, kReport };

// The view scrolls by lines: rows in the report and icon styles, columns in list style. Positions
// are line numbers, so a list of millions of items never needs a pixel offset beyond 32 bits; pixel
// distances are worked out in 64 bits and clamped before they become rectangles.
//
//   report:  one item per row         list:  items run down, then right
//     0                                  0  3  6
//     1                                  1  4  7
//     2                                  2  5
//   icon and small icon: items run right, then down, as many per row as fit the width.
struct ListViewLayout {
  ViewStyle style = ViewStyle::kReport;
  int32_t count = 0;
  gfx::Rect area;            // where items show (the client area less the header)
  int32_t cell_width = 0;    // a list-style column, an icon cell; the report style ignores it
  int32_t cell_height = 0;   // a row (report, list, small icon) or an icon cell
  int32_t report_width = 0;  // the columns' total width in report style

  // Items in one line: per column in list style, per row in the icon styles, 1 in report style.
  int32_t PerLine() const;
  // Lines the items take.
  int32_t LineCount() const;
  // Whole lines the area shows (at least 1).
  int32_t LinesPerPage() const;
  // The highest first line that still fills the page.
  int32_t MaxTopLine() const;
  int32_t LineOf(int32_t index) const { return index / PerLine(); }
  // The item's rectangle with `top_line` first and the report style shifted left by `h_offset`
  // pixels; far-away items get rectangles outside the area, never an overflow.
  gfx::Rect ItemRect(int32_t index, int32_t top_line, int32_t h_offset) const;
  // The item under a point, or -1.
  int32_t ItemAt(gfx::Point p, int32_t top_line, int32_t h_offset) const;
  // The items [first, last) that show at least partly.
  void VisibleRange(int32_t top_line, int32_t& first, int32_t& last) const;
};

}  // namespace ui
