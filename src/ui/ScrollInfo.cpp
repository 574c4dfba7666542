// Scroll ranges and what the scroll codes do to them.
#include "ui/ScrollInfo.h"

#include <algorithm>

namespace ui {

int32_t ScrollInfo::MaxPosition() const {
  const int64_t top = page > 0 ? int64_t{max} - page + 1 : int64_t{max};
  return static_cast<int32_t>(std::max<int64_t>(top, min));
}

int32_t ScrollInfo::Clamp(int64_t p) const {
  return static_cast<int32_t>(std::clamp<int64_t>(p, min, MaxPosition()));
}

int32_t ScrolledPosition(const ScrollInfo& info, ScrollCode code, int32_t thumb, int32_t line) {
  const int64_t page = std::max(info.page, std::max(line, 1));
  const int64_t p = info.position;
  switch (code) {
    case kSbLineUp: return info.Clamp(p - line);
    case kSbLineDown: return info.Clamp(p + line);
    case kSbPageUp: return info.Clamp(p - page);
    case kSbPageDown: return info.Clamp(p + page);
    case kSbThumbPosition:
    case kSbThumbTrack: return info.Clamp(thumb);
    case kSbTop: return info.min;
    case kSbBottom: return info.MaxPosition();
    case kSbEndScroll: break;
  }
  return info.Clamp(p);
}

}  // namespace ui
