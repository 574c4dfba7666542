// PopupPlacement: where a popup level goes relative to its anchor inside the work area.
#include "skin/menus/PopupPlacement.h"

#include <algorithm>

namespace skin {

gfx::Point PlacePopup(const PopupPlacementRequest& r) {
  const gfx::Rect& a = r.anchor;
  const gfx::Rect& w = r.work_area;
  const int32_t width = r.size.width;
  const int32_t height = r.size.height;
  const bool upper_half = a.top < w.top + w.Height() / 2;
  bool overlapping = false;
  int32_t top;
  if (r.needs_scroll) {
    top = w.top;
  } else if (r.submenu) {
    if (a.top - r.items_top + height <= w.bottom) top = a.top - r.items_top;
    else if (upper_half) top = w.bottom - height;
    else top = std::max(w.top, a.bottom + r.items_top - height);
  } else if (r.upward) {
    if (a.top - height >= w.top) {
      top = a.top - height;
    } else {
      overlapping = true;
      if (upper_half) top = a.bottom + height <= w.bottom ? a.bottom : w.bottom - height;
      else top = w.top;
    }
  } else if (a.bottom + height <= w.bottom) {
    top = a.bottom;
  } else {
    overlapping = true;
    if (upper_half) {
      top = w.bottom - height;
    } else if (a.top - height >= w.top) {
      top = a.top - height;
      overlapping = false;
    } else {
      top = w.top;
    }
  }
  int32_t left;
  if (r.submenu || r.needs_scroll || overlapping) {
    left = a.right + width + 1 <= w.right ? a.right + 1 : a.left - width - 1;
  } else {
    left = a.left;
    if (left + width > w.right) left = w.right - width;
    if (left < w.left) left = w.left;
  }
  return {left, top};
}

}  // namespace skin
