// What a scrolling control tells its bars and what a bar tells it back: the range with its page and
// position, and the classic scroll codes of kMsgHScroll/kMsgVScroll.
#pragma once

#include <cstdint>

namespace ui {

constexpr uint32_t kMsgHScroll = 0x0114;
constexpr uint32_t kMsgVScroll = 0x0115;

// wparam of kMsgHScroll/kMsgVScroll: the code in the low word, the thumb position (for
// kSbThumbPosition and kSbThumbTrack) in the high word, as the classic messages carry them.
enum ScrollCode : uint16_t {
  kSbLineUp = 0,  // also line left
  kSbLineDown = 1,
  kSbPageUp = 2,
  kSbPageDown = 3,
  kSbThumbPosition = 4,  // the thumb was let go at a position
  kSbThumbTrack = 5,     // the thumb is being dragged
  kSbTop = 6,
  kSbBottom = 7,
  kSbEndScroll = 8,
};

enum class ScrollAxis : uint8_t { kHorizontal, kVertical };

// A scroll range: the position runs from min to max - page + 1 (to max without a page). A control
// that scrolls rows sets min 0, max rows - 1 and page visible rows.
struct ScrollInfo {
  int32_t min = 0;
  int32_t max = 0;
  int32_t page = 0;
  int32_t position = 0;

  // The highest position the range allows (never below min).
  int32_t MaxPosition() const;
  // `p` within [min, MaxPosition()].
  int32_t Clamp(int64_t p) const;
  // True when the whole range fits the page, so a bar has nothing to scroll.
  bool FitsPage() const { return page > 0 && max - min + 1 <= page; }

  bool operator==(const ScrollInfo&) const = default;
};

// The position a scroll code moves `info` to: a line is `line` units, a page is the page (at least
// one line); kSbThumbPosition and kSbThumbTrack go to `thumb`. The result is clamped.
int32_t ScrolledPosition(const ScrollInfo& info, ScrollCode code, int32_t thumb, int32_t line = 1);

}  // namespace ui
