// MessageLayout: where a message box puts its text, icon and buttons, and how large it is.
#include "skin/frame/MessageLayout.h"

#include <algorithm>

#include "skin/frame/MessageIcons.h"

namespace skin {

namespace {

constexpr int32_t kRightMargin = 40;

}  // namespace

MessageLayout LayOutMessage(const MessageLayoutRequest& r) {
  MessageLayout out;
  const int n = std::max(r.button_count, 0);
  const int32_t row = n == 0 ? 0 : n * kMessageButtonWidth + (n - 1) * kMessageButtonGap;
  out.text = gfx::Rect::FromSize(kMessageTextAt.x, kMessageTextAt.y, r.text.width, r.text.height);
  int32_t width = std::max(out.text.right, row) + kRightMargin;
  int32_t height = r.button_height + r.text.height + 50;
  // The outer width keeps to the work area, then to the frame's own smallest width.
  width = std::min(width, r.work_area.Width() - r.frame.width);
  width = std::max(width, r.min_outer_width - r.frame.width);
  // A text taller than the work area leaves the buttons in view; the text is cut at the bottom.
  const int32_t room = r.work_area.Height() - r.frame.height;
  if (height > room && room > 0) {
    height = room;
    out.text.bottom = std::max(out.text.top, height - r.button_height - 35);
  }
  out.client = {std::max(width, 0), std::max(height, 0)};
  out.icon = {5, std::max<int32_t>(10, out.text.top + out.text.Height() / 2 - kMessageIconSize / 2)};
  int32_t x = (out.client.width - row) / 2;
  const int32_t y = out.client.height - r.button_height - 10;
  for (int i = 0; i < n; ++i) {
    out.buttons.push_back(gfx::Rect::FromSize(x, y, kMessageButtonWidth, r.button_height));
    x += kMessageButtonWidth + kMessageButtonGap;
  }
  return out;
}

int32_t MaxMessageTextWidth(const gfx::Rect& work_area, gfx::Size frame) {
  return std::max(1, work_area.Width() - frame.width - kMessageTextAt.x - kRightMargin);
}

}  // namespace skin
