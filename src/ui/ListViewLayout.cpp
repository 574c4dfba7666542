// ListViewLayout: item placement for the four view styles.
#include "ui/ListViewLayout.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int64_t kFar = 1 << 29;  // a coordinate well outside any area, still safe to add to

int32_t ClampCoord(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, -kFar, kFar)); }

}  // namespace

int32_t ListViewLayout::PerLine() const {
  switch (style) {
    case ViewStyle::kReport:
      return 1;
    case ViewStyle::kList:
      return std::max(1, area.Height() / std::max(1, cell_height));
    case ViewStyle::kIcon:
    case ViewStyle::kSmallIcon:
      return std::max(1, area.Width() / std::max(1, cell_width));
  }
  return 1;
}

int32_t ListViewLayout::LineCount() const {
  const int64_t per = PerLine();
  return static_cast<int32_t>((static_cast<int64_t>(count) + per - 1) / per);
}

int32_t ListViewLayout::LinesPerPage() const {
  const int32_t extent = style == ViewStyle::kList ? area.Width() : area.Height();
  const int32_t line = style == ViewStyle::kList ? cell_width : cell_height;
  return std::max(1, extent / std::max(1, line));
}

int32_t ListViewLayout::MaxTopLine() const { return std::max(0, LineCount() - LinesPerPage()); }

gfx::Rect ListViewLayout::ItemRect(int32_t index, int32_t top_line, int32_t h_offset) const {
  const int32_t per = PerLine();
  const int64_t line = index / per - static_cast<int64_t>(top_line);
  const int64_t in_line = index % per;
  int64_t x = area.left;
  int64_t y = area.top;
  int64_t w = cell_width;
  switch (style) {
    case ViewStyle::kReport:
      x -= h_offset;
      w = report_width;
      y += line * cell_height;
      break;
    case ViewStyle::kList:
      x += line * cell_width;
      y += in_line * cell_height;
      break;
    case ViewStyle::kIcon:
    case ViewStyle::kSmallIcon:
      x += in_line * cell_width;
      y += line * cell_height;
      break;
  }
  return {ClampCoord(x), ClampCoord(y), ClampCoord(x + w), ClampCoord(y + cell_height)};
}

int32_t ListViewLayout::ItemAt(gfx::Point p, int32_t top_line, int32_t h_offset) const {
  if (!area.Contains(p) || cell_height <= 0) return -1;
  const int32_t dx = p.x - area.left;
  const int32_t dy = p.y - area.top;
  const int32_t per = PerLine();
  int64_t line = top_line;
  int64_t in_line = 0;
  switch (style) {
    case ViewStyle::kReport:
      if (dx + static_cast<int64_t>(h_offset) >= report_width) return -1;
      line += dy / cell_height;
      break;
    case ViewStyle::kList:
      line += dx / std::max(1, cell_width);
      in_line = dy / cell_height;
      if (in_line >= per) return -1;
      break;
    case ViewStyle::kIcon:
    case ViewStyle::kSmallIcon:
      line += dy / cell_height;
      in_line = dx / std::max(1, cell_width);
      if (in_line >= per) return -1;
      break;
  }
  const int64_t index = line * per + in_line;
  return index < count ? static_cast<int32_t>(index) : -1;
}

void ListViewLayout::VisibleRange(int32_t top_line, int32_t& first, int32_t& last) const {
  const int64_t per = PerLine();
  // A partly shown line at the far edge counts too.
  const int64_t lines = LinesPerPage() + 1;
  first = static_cast<int32_t>(std::min<int64_t>(count, top_line * per));
  last = static_cast<int32_t>(std::min<int64_t>(count, (top_line + lines) * per));
}

}  // namespace ui
