// ScrollBar: the plain scroll bar. Buttons and track repeat while held, after a first pause, the
// way desktop scroll bars do; the thumb follows the pointer and reports each position it passes.
#include "ui/ScrollBar.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "gfx/Canvas.h"
#include "ui/PlainDraw.h"

namespace ui {

namespace {

constexpr uintptr_t kRepeatTimer = 1;
constexpr uint32_t kFirstRepeatMs = 400;
constexpr uint32_t kRepeatMs = 50;
// Lines scrolled per wheel notch, as plain scrolling controls do.
constexpr int kWheelLines = 3;

}  // namespace

ScrollBar::ScrollBar(ScrollAxis axis) : axis_(axis) {
  SetOpaque(true);
  SetTabStop(false);
  if (axis_ == ScrollAxis::kVertical) {
    SetBounds(0, 0, kBreadth, 120);
  } else {
    SetBounds(0, 0, 120, kBreadth);
  }
}

ScrollBar::~ScrollBar() { KillTimer(kRepeatTimer); }

void ScrollBar::SetInfo(const ScrollInfo& info) {
  ScrollInfo next = info;
  if (next.max < next.min) next.max = next.min;
  next.page = std::max(next.page, 0);
  next.position = next.Clamp(next.position);
  if (next == info_) return;
  info_ = next;
  Invalidate();
}

void ScrollBar::SetPosition(int32_t position) {
  ScrollInfo next = info_;
  next.position = position;
  SetInfo(next);
}

bool ScrollBar::CanScroll() const { return Enabled() && info_.MaxPosition() > info_.min; }

ScrollBar::Parts ScrollBar::CalcParts() const {
  Parts p;
  const bool vertical = axis_ == ScrollAxis::kVertical;
  const int length = vertical ? Height() : Width();
  const int breadth = vertical ? Width() : Height();
  // Buttons shrink to half the bar each when the bar is shorter than two of them.
  const int button = std::min(kBreadth, length / 2);
  auto span = [&](int a, int b) {
    return vertical ? gfx::Rect{0, a, breadth, b} : gfx::Rect{a, 0, b, breadth};
  };
  p.dec = span(0, button);
  p.inc = span(length - button, length);
  p.track = span(button, length - button);
  const int track = length - 2 * button;
  const int64_t range = int64_t{info_.max} - info_.min + 1;
  if (!CanScroll() || track < kMinThumb || range <= 0) {
    return p;
  }
  int thumb = info_.page > 0 ? static_cast<int>(int64_t{track} * info_.page / range) : kBreadth;
  thumb = std::clamp(thumb, kMinThumb, track);
  const int64_t positions = int64_t{info_.MaxPosition()} - info_.min;
  const int offset = static_cast<int>((track - thumb) * (int64_t{info_.position} - info_.min) / positions);
  p.thumb = span(button + offset, button + offset + thumb);
  return p;
}

void ScrollBar::Step(ScrollCode code) {
  const int32_t next = ScrolledPosition(info_, code, info_.position, line_step_);
  if (next == info_.position) return;
  SetPosition(next);
  if (OnScroll) OnScroll(code, info_.position);
}

void ScrollBar::StepHeld() {
  const Parts parts = CalcParts();
  switch (held_) {
    case Held::kDec: Step(kSbLineUp); break;
    case Held::kInc: Step(kSbLineDown); break;
    case Held::kPageDec: {
      const int start = axis_ == ScrollAxis::kVertical ? parts.thumb.top : parts.thumb.left;
      if (parts.thumb.IsEmpty() || last_along_ < start) Step(kSbPageUp);
      break;
    }
    case Held::kPageInc: {
      const int end = axis_ == ScrollAxis::kVertical ? parts.thumb.bottom : parts.thumb.right;
      if (parts.thumb.IsEmpty() || last_along_ >= end) Step(kSbPageDown);
      break;
    }
    case Held::kThumb:
    case Held::kNone: break;
  }
}

void ScrollBar::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (button != MouseButton::kLeft || !CanScroll()) return;
  const Parts parts = CalcParts();
  const gfx::Point at{x, y};
  const int along = Along(x, y);
  last_along_ = along;
  if (parts.dec.Contains(at)) {
    held_ = Held::kDec;
  } else if (parts.inc.Contains(at)) {
    held_ = Held::kInc;
  } else if (parts.thumb.Contains(at)) {
    held_ = Held::kThumb;
    drag_offset_ = along - (axis_ == ScrollAxis::kVertical ? parts.thumb.top : parts.thumb.left);
    Invalidate();
    return;
  } else if (parts.track.Contains(at) && !parts.thumb.IsEmpty()) {
    const int start = axis_ == ScrollAxis::kVertical ? parts.thumb.top : parts.thumb.left;
    held_ = along < start ? Held::kPageDec : Held::kPageInc;
  } else {
    return;
  }
  Invalidate();
  StepHeld();
  SetTimer(kRepeatTimer, kFirstRepeatMs);
}

void ScrollBar::TimerTick(uintptr_t id) {
  if (id != kRepeatTimer) return WinControl::TimerTick(id);
  if (held_ == Held::kNone || held_ == Held::kThumb) {
    KillTimer(kRepeatTimer);
    return;
  }
  SetTimer(kRepeatTimer, kRepeatMs);
  StepHeld();
}

void ScrollBar::MouseMove(ShiftState shift, int x, int y) {
  WinControl::MouseMove(shift, x, y);
  last_along_ = Along(x, y);
  if (held_ != Held::kThumb) return;
  const Parts parts = CalcParts();
  const bool vertical = axis_ == ScrollAxis::kVertical;
  const int track_start = vertical ? parts.track.top : parts.track.left;
  const int free = (vertical ? parts.track.Height() - parts.thumb.Height()
                             : parts.track.Width() - parts.thumb.Width());
  if (free <= 0) return;
  const int offset = std::clamp(last_along_ - drag_offset_ - track_start, 0, free);
  const int64_t positions = int64_t{info_.MaxPosition()} - info_.min;
  // Rounded to the nearest position so the thumb lands where the pointer left it.
  const int32_t position = info_.Clamp(info_.min + (offset * positions + free / 2) / free);
  if (position == info_.position) return;
  SetPosition(position);
  if (OnScroll) OnScroll(kSbThumbTrack, info_.position);
}

void ScrollBar::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseUp(button, shift, x, y);
  if (button != MouseButton::kLeft || held_ == Held::kNone) return;
  const Held was = held_;
  held_ = Held::kNone;
  KillTimer(kRepeatTimer);
  Invalidate();
  if (!OnScroll) return;
  if (was == Held::kThumb) OnScroll(kSbThumbPosition, info_.position);
  OnScroll(kSbEndScroll, info_.position);
}

bool ScrollBar::MouseWheel(ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  if (!CanScroll() || delta == 0) return false;
  const int notches = std::max(1, std::abs(delta) / 120);
  for (int i = 0; i < notches * kWheelLines; ++i) Step(delta > 0 ? kSbLineUp : kSbLineDown);
  return true;
}

void ScrollBar::DrawArrow(gfx::Canvas& canvas, const gfx::Rect& r, bool towards_end, bool enabled) const {
  // A solid triangle 4 rows deep, centred in the button.
  const gfx::Color color = enabled ? kColorBtnText : kColorGrayText;
  const int cx = r.left + r.Width() / 2;
  const int cy = r.top + r.Height() / 2;
  for (int i = 0; i < 4; ++i) {
    const int row = i - 2;
    const int half = towards_end ? 3 - i : i;  // the tip is one pixel wide
    if (axis_ == ScrollAxis::kVertical) {
      canvas.FillRect({cx - half - 1, cy + row, cx + half, cy + row + 1}, color);
    } else {
      canvas.FillRect({cx + row, cy - half - 1, cx + row + 1, cy + half}, color);
    }
  }
}

void ScrollBar::Paint(gfx::Canvas& canvas) {
  const Parts parts = CalcParts();
  const bool enabled = CanScroll();
  // The track: a light checker of the face and the highlight, pressed part darker.
  canvas.FillRect(parts.track, gfx::Rgb(234, 232, 228));
  if (held_ == Held::kPageDec || held_ == Held::kPageInc) {
    gfx::Rect pressed = parts.track;
    const bool vertical = axis_ == ScrollAxis::kVertical;
    if (!parts.thumb.IsEmpty()) {
      if (held_ == Held::kPageDec) {
        (vertical ? pressed.bottom : pressed.right) = vertical ? parts.thumb.top : parts.thumb.left;
      } else {
        (vertical ? pressed.top : pressed.left) = vertical ? parts.thumb.bottom : parts.thumb.right;
      }
    }
    canvas.FillRect(pressed, kColor3dDkShadow);
  }
  for (const auto& [r, towards_end, held] :
       {std::tuple{parts.dec, false, Held::kDec}, std::tuple{parts.inc, true, Held::kInc}}) {
    if (r.IsEmpty()) continue;
    canvas.FillRect(r, kColorBtnFace);
    if (held_ == held) {
      canvas.FrameRect(r, kColorBtnShadow);
    } else {
      DrawRaisedEdge(canvas, r);
    }
    gfx::Rect glyph = held_ == held ? gfx::Rect{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1} : r;
    DrawArrow(canvas, glyph, towards_end, enabled);
  }
  if (!parts.thumb.IsEmpty()) {
    canvas.FillRect(parts.thumb, kColorBtnFace);
    DrawRaisedEdge(canvas, parts.thumb);
  }
}

}  // namespace ui
