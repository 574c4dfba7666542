// TskSkinScrollBar: a stand-alone skinned scroll bar with two step buttons, a track and a thumb.
#include "skin/controls/TskSkinScrollBar.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeMath.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"
#include "skin/render/SkinStrip.h"
#include "ui/Application.h"

namespace skin {

namespace {

constexpr int kNormalImage = 0;
constexpr int kActiveImage = 1;
constexpr int kPressedImage = 2;

// Half-way between the button face and the button highlight.
constexpr gfx::Color kPlainTrack = gfx::Rgb(234, 232, 228);

// `image` of the record's picture copied unscaled with its top-left corner at `at`.
void CopyImage(gfx::Bitmap& target, gfx::Point at, const gfx::Bitmap& pic, const gfx::Rect& image) {
  CopyPiece(target, gfx::Rect::FromSize(at.x, at.y, image.Width(), image.Height()), pic, image);
}

}  // namespace

TskSkinScrollBar::TskSkinScrollBar() {
  SetSkinDataName("hscrollbar");
  SetTabStop(false);
  SetBounds(0, 0, 200, 19);
  SetDefaultHeight(19);
}

// --- properties ---

void TskSkinScrollBar::SetKind(ScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  Invalidate();
}

void TskSkinScrollBar::SetMin(int32_t v) {
  range_.min = v;
  range_.position = ClampScrollPosition(range_, range_.position);
  Invalidate();
}

void TskSkinScrollBar::SetMax(int32_t v) {
  range_.max = v;
  range_.position = ClampScrollPosition(range_, range_.position);
  Invalidate();
}

void TskSkinScrollBar::SetPageSize(int32_t v) {
  const int64_t room = int64_t{range_.max} - range_.position + 1;
  if (v >= 0 && room >= v) {
    range_.page = v;
    range_.position = ClampScrollPosition(range_, range_.position);
  }
  Invalidate();
}

void TskSkinScrollBar::SetPosition(int32_t v) { ChangePosition(v); }

void TskSkinScrollBar::AssignRange(int32_t min, int32_t max, int32_t page, int32_t position) {
  range_ = {min, max, std::max(0, page), position};
  range_.position = ClampScrollPosition(range_, position);
  Invalidate();
}

void TskSkinScrollBar::SetSmallChange(int32_t v) {
  small_change_ = v;
  Invalidate();
}

void TskSkinScrollBar::SetLargeChange(int32_t v) {
  large_change_ = v;
  Invalidate();
}

void TskSkinScrollBar::SetBoth(bool v) {
  if (v == both_) return;
  both_ = v;
  if (v) {
    normal_skin_data_name_ = SkinDataName();
    SetSkinDataName(both_skin_data_name_);
  } else if (!normal_skin_data_name_.empty()) {
    SetSkinDataName(normal_skin_data_name_);
  }
  ApplySkin();
}

void TskSkinScrollBar::SetBothMarkerWidth(int32_t v) {
  if (v < 0) return;
  both_marker_width_ = v;
  Invalidate();
}

void TskSkinScrollBar::SetCanFocused(bool v) {
  can_focused_ = v;
  SetTabStop(v);
}

bool TskSkinScrollBar::CanFocus() const { return can_focused_ && TskSkinCustomControl::CanFocus(); }

bool TskSkinScrollBar::WantsKey(uint16_t key) const {
  if (can_focused_ && (key == platform::kVkLeft || key == platform::kVkRight || key == platform::kVkUp ||
                       key == platform::kVkDown))
    return true;
  return TskSkinCustomControl::WantsKey(key);
}

// --- record and geometry ---

void TskSkinScrollBar::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  const auto* r = SkinRecordAs<TskDataSkinScrollBarControl>();
  has_bar_record_ = r != nullptr;
  if (r == nullptr) return;
  // An empty pressed image falls back to the active one, an empty active thumb or glyph to the
  // normal one.
  auto or_else = [](const gfx::Rect& image, const gfx::Rect& fallback) {
    return IsNullRect(image) ? fallback : HeldRecordRect(image);
  };
  trackarea_ = HeldRecordRect(r->trackarea);
  part_rects_[kIncrease] = HeldRecordRect(r->upbuttonrect);
  part_rects_[kDecrease] = HeldRecordRect(r->downbuttonrect);
  gfx::Rect* up = button_images_[kIncrease];
  up[kActiveImage] = HeldRecordRect(r->activeupbuttonrect);
  up[kPressedImage] = or_else(r->downupbuttonrect, up[kActiveImage]);
  gfx::Rect* down = button_images_[kDecrease];
  down[kActiveImage] = HeldRecordRect(r->activedownbuttonrect);
  down[kPressedImage] = or_else(r->downdownbuttonrect, down[kActiveImage]);
  gfx::Rect* thumb = button_images_[kThumb];
  thumb[kNormalImage] = HeldRecordRect(r->thumbrect);
  thumb[kActiveImage] = or_else(r->activethumbrect, thumb[kNormalImage]);
  thumb[kPressedImage] = or_else(r->downthumbrect, thumb[kActiveImage]);
  glyph_images_[kNormalImage] = HeldRecordRect(r->glyphrect);
  glyph_images_[kActiveImage] = or_else(r->activeglyphrect, glyph_images_[kNormalImage]);
  glyph_images_[kPressedImage] = or_else(r->downglyphrect, glyph_images_[kActiveImage]);
  thumboffset1_ = r->thumboffset1;
  thumboffset2_ = r->thumboffset2;
}

bool TskSkinScrollBar::HasSkinLook() const { return has_bar_record_ && TskSkinCustomControl::HasSkinLook(); }

ScrollParts TskSkinScrollBar::Parts() const {
  const bool vertical = Vertical();
  if (!HasSkinLook()) {
    const int32_t w = !vertical && both_ ? Width() - both_marker_width_ : Width();
    return CalcPlainScrollParts(w, Height(), range_, vertical);
  }
  const SkinControlGeometry& g = Geometry();
  const int32_t dw = Width() - g.skinrect.Width();
  const int32_t dh = Height() - g.skinrect.Height();
  ScrollParts p;
  p.track = trackarea_;
  p.inc = part_rects_[kIncrease];
  p.dec = part_rects_[kDecrease];
  // The parts beyond the stretch point move with the size.
  if (!vertical) {
    p.track.right += dw;
    if (p.inc.left > g.righttoppoint.x) p.inc = p.inc.Offset(dw, 0);
    if (p.dec.left > g.righttoppoint.x) p.dec = p.dec.Offset(dw, 0);
  } else {
    p.track.bottom += dh;
    if (p.inc.top > g.leftbottompoint.y) p.inc = p.inc.Offset(0, dh);
    if (p.dec.top > g.leftbottompoint.y) p.dec = p.dec.Offset(0, dh);
  }
  const gfx::Rect& thumb = button_images_[kThumb][kNormalImage];
  const int32_t length = vertical ? thumb.Height() : thumb.Width();
  const int32_t breadth = vertical ? thumb.Width() : thumb.Height();
  const int32_t start = vertical ? p.track.top : p.track.left;
  const int32_t track_length = vertical ? p.track.Height() : p.track.Width();
  p.along = CalcScrollThumb(start, track_length, length, range_, vertical, false);
  p.thumb = ScrollThumbRect(p.track, p.along, breadth, vertical);
  return p;
}

int TskSkinScrollBar::PartAt(const ScrollParts& parts, gfx::Point p) const {
  if (Enabled() && parts.thumb.Contains(p)) return kThumb;
  if (parts.inc.Contains(p)) return kIncrease;
  if (parts.dec.Contains(p)) return kDecrease;
  return kNoPart;
}

int TskSkinScrollBar::SideOfThumb(const ScrollParts& parts, gfx::Point p) const {
  const int32_t at = Vertical() ? p.y : p.x;
  const int32_t track_start = Vertical() ? parts.track.top : parts.track.left;
  const int32_t lead = track_start + parts.along.offset;
  if (at < lead) return -1;
  if (at >= lead + parts.along.length) return 1;
  return 0;
}

// --- painting ---

void TskSkinScrollBar::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (!DrawSkinPart(bitmap, Picture(), Geometry().skinrect)) return;
  gfx::Bitmap scratch;
  const gfx::Bitmap& pic = As24(*Picture(), scratch);
  const ScrollParts p = Parts();
  for (int part : {kIncrease, kDecrease}) {
    const gfx::Rect& r = part == kIncrease ? p.inc : p.dec;
    if (down_[part] && active_[part]) CopyImage(bitmap, r.TopLeft(), pic, button_images_[part][kPressedImage]);
    else if (active_[part]) CopyImage(bitmap, r.TopLeft(), pic, button_images_[part][kActiveImage]);
  }
  if (!Enabled() || p.thumb.IsEmpty()) return;
  const int state = dragging_ || (can_focused_ && Focused()) ? kPressedImage
                    : active_[kThumb]                         ? kActiveImage
                                                              : kNormalImage;
  const gfx::Rect& image = button_images_[kThumb][state];
  if (range_.page == 0) {
    CopyImage(bitmap, p.thumb.TopLeft(), pic, image);
  } else {
    // The ends can be no longer than the image they are cut from.
    const int32_t extent = Vertical() ? image.Height() : image.Width();
    const int32_t end1 = std::clamp(thumboffset1_, 0, std::max(0, extent));
    const int32_t end2 = std::clamp(thumboffset2_, 0, std::max(0, extent));
    // Only the part of the image's breadth that lands on the bar is fitted to the thumb's length.
    const gfx::Rect shown = p.thumb.Intersect(bitmap.Bounds());
    if (shown.IsEmpty()) return;
    gfx::Bitmap fitted;
    if (Vertical()) {
      const gfx::Rect source{image.left + shown.left - p.thumb.left, image.top, image.left + shown.right - p.thumb.left,
                             image.bottom};
      BuildVertStrip(fitted, end1, end2, p.thumb.Height(), source, pic);
      gfx::Canvas(bitmap).Draw(shown.left, p.thumb.top, fitted);
    } else {
      const gfx::Rect source{image.left, image.top + shown.top - p.thumb.top, image.right,
                             image.top + shown.bottom - p.thumb.top};
      BuildHorzStrip(fitted, end1, end2, p.thumb.Width(), source, pic);
      gfx::Canvas(bitmap).Draw(p.thumb.left, shown.top, fitted);
    }
  }
  const gfx::Rect& glyph = glyph_images_[state];
  if (IsNullRect(glyph)) return;
  const gfx::Point at{p.thumb.left + (p.thumb.Width() - glyph.Width()) / 2,
                      p.thumb.top + (p.thumb.Height() - glyph.Height()) / 2};
  CopyImage(bitmap, at, pic, glyph);
}

void TskSkinScrollBar::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
  const ScrollParts p = Parts();
  // The track in the classic half-tone of face and highlight, so the bar stands out from a face
  // coloured window.
  canvas.FillRect(p.track, kPlainTrack);
  auto draw_part = [&](const gfx::Rect& r, bool pressed, bool active) {
    if (pressed) DrawPlainHighlight(canvas, r, PlainState::kPressed);
    else if (active) DrawPlainHighlight(canvas, r, PlainState::kHot);
    else DrawPlainFramedFace(canvas, r);
  };
  const bool vertical = Vertical();
  // A disabled bar's arrows are greyed like disabled text.
  const gfx::Color arrow = Enabled() ? gfx::kBlack : ui::kColorGrayText;
  draw_part(p.inc, down_[kIncrease] && active_[kIncrease], active_[kIncrease]);
  DrawArrow(canvas, p.inc, arrow, vertical ? kArrowDown : kArrowRight);
  draw_part(p.dec, down_[kDecrease] && active_[kDecrease], active_[kDecrease]);
  DrawArrow(canvas, p.dec, arrow, vertical ? kArrowUp : kArrowLeft);
  if (Enabled()) draw_part(p.thumb, dragging_ || (can_focused_ && Focused()), active_[kThumb]);
}

// --- actions ---

bool TskSkinScrollBar::Fire(const ui::NotifyEvent& event) {
  if (!event) return true;
  const LifeFlag::Watch watch = life_.Observe();
  event(this);
  return watch.Alive();
}

bool TskSkinScrollBar::ChangePosition(int64_t position) {
  const int32_t clamped = ClampScrollPosition(range_, position);
  if (clamped == range_.position) return true;
  range_.position = clamped;
  Invalidate();
  return Fire(OnChange);
}

bool TskSkinScrollBar::StepButton(int part) {
  if (part == kIncrease) {
    if (OnUpButtonClick) return Fire(OnUpButtonClick);
    return ChangePosition(int64_t{range_.position} + small_change_);
  }
  if (OnDownButtonClick) return Fire(OnDownButtonClick);
  return ChangePosition(int64_t{range_.position} - small_change_);
}

bool TskSkinScrollBar::StepPage(int direction) {
  if (direction < 0) {
    if (!ChangePosition(int64_t{range_.position} - large_change_)) return false;
    return Fire(OnPageUp);
  }
  if (!ChangePosition(int64_t{range_.position} + large_change_)) return false;
  return Fire(OnPageDown);
}

void TskSkinScrollBar::StartRepeat(uint32_t ms) { SetTimer(kRepeatTimer, ms); }

void TskSkinScrollBar::StopRepeat() {
  KillTimer(kRepeatTimer);
  repeat_mode_ = kRepeatNone;
}

void TskSkinScrollBar::StopHolding() {
  if (!held_ && captured_ == kNoPart && repeat_mode_ == kRepeatNone && !dragging_) return;
  StopRepeat();
  held_ = false;
  if (captured_ != kNoPart) {
    down_[captured_] = false;
    if (hot_ != captured_) active_[captured_] = false;
  }
  captured_ = kNoPart;
  dragging_ = false;
  Invalidate();
}

void TskSkinScrollBar::SetHot(int part) {
  if (part == hot_) return;
  const int old = hot_;
  hot_ = part;
  const bool button_repeat = repeat_mode_ == kRepeatIncrease || repeat_mode_ == kRepeatDecrease;
  if (old != kNoPart) {
    active_[old] = false;
    // Off the held button the repeat pauses ...
    if (old != kThumb && down_[old] && button_repeat) KillTimer(kRepeatTimer);
  }
  if (part != kNoPart) {
    active_[part] = true;
    // ... and back on it, it resumes at the fast pace.
    if (part != kThumb && down_[part] && button_repeat) StartRepeat(kRepeatMs);
  }
  Invalidate();
}

// --- input ---

void TskSkinScrollBar::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  if (!watch.Alive() || button != ui::MouseButton::kLeft) return;
  held_ = true;
  StopRepeat();
  first_delay_ = true;
  last_point_ = {x, y};
  const ScrollParts p = Parts();
  const int part = PartAt(p, last_point_);
  SetHot(part);
  if (part == kThumb) {
    captured_ = kThumb;
    dragging_ = true;
    drag_coordinate_ = Vertical() ? y : x;
    drag_offset_ = p.along.offset;
    Invalidate();
    return;
  }
  if (part == kIncrease || part == kDecrease) {
    captured_ = part;
    down_[part] = true;
    Invalidate();
    // The repeat is set up before the step, whose handler may disable or free the bar.
    repeat_mode_ = part == kIncrease ? kRepeatIncrease : kRepeatDecrease;
    StartRepeat(kFirstDelayMs);
    StepButton(part);
    return;
  }
  if (!p.track.Contains(last_point_)) return;
  const int side = SideOfThumb(p, last_point_);
  if (side == 0) return;
  repeat_mode_ = side < 0 ? kRepeatPageUp : kRepeatPageDown;
  StartRepeat(kFirstDelayMs);
  StepPage(side);
}

void TskSkinScrollBar::MouseMove(ui::ShiftState shift, int x, int y) {
  last_point_ = {x, y};
  const ScrollParts p = Parts();
  int part = PartAt(p, last_point_);
  // While a part is held no other part lights up.
  if (captured_ != kNoPart && part != captured_) part = kNoPart;
  SetHot(part);
  if (dragging_) {
    const int32_t along = Vertical() ? y : x;
    const int64_t d = int64_t{drag_offset_} + along - drag_coordinate_;
    if (!ChangePosition(ScrollPositionFromOffset(ClampMinFirst(d, INT32_MIN, INT32_MAX), p.along, range_))) return;
  }
  TskSkinCustomControl::MouseMove(shift, x, y);
}

void TskSkinScrollBar::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::MouseUp(button, shift, x, y);
  if (!watch.Alive()) return;
  held_ = false;
  if (repeat_mode_ == kRepeatPageUp || repeat_mode_ == kRepeatPageDown) StopRepeat();
  const int part = captured_;
  captured_ = kNoPart;
  if (part == kNoPart) return;
  down_[part] = false;
  if (hot_ != part) active_[part] = false;
  Invalidate();
  if (part != kThumb) {
    StopRepeat();
    return;
  }
  dragging_ = false;
  if (button == ui::MouseButton::kLeft) Fire(OnLastChange);
}

void TskSkinScrollBar::MouseLeave() {
  if (hot_ != kNoPart && hot_ != captured_ && !(hot_ == kThumb && dragging_)) {
    active_[hot_] = false;
    hot_ = kNoPart;
    Invalidate();
  }
  if (held_ && repeat_mode_ == kRepeatPageDown) StopRepeat();
  TskSkinCustomControl::MouseLeave();
}

bool TskSkinScrollBar::MouseWheel(ui::ShiftState shift, int delta, int x, int y) {
  if (!can_focused_ || !Focused()) return TskSkinCustomControl::MouseWheel(shift, delta, x, y);
  ChangePosition(int64_t{range_.position} + (delta > 0 ? -small_change_ : small_change_));
  return true;
}

void TskSkinScrollBar::KeyDown(uint16_t& key, ui::ShiftState shift) {
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::KeyDown(key, shift);
  if (!watch.Alive() || !can_focused_) return;
  if (key == platform::kVkLeft || key == platform::kVkUp) ChangePosition(int64_t{range_.position} - small_change_);
  else if (key == platform::kVkRight || key == platform::kVkDown)
    ChangePosition(int64_t{range_.position} + small_change_);
}

bool TskSkinScrollBar::RepeatTick() {
  if (first_delay_) {
    first_delay_ = false;
    StartRepeat(kRepeatMs);
    return true;
  }
  switch (repeat_mode_) {
    case kRepeatIncrease:
      return StepButton(kIncrease);
    case kRepeatDecrease:
      return StepButton(kDecrease);
    case kRepeatPageUp:
    case kRepeatPageDown: {
      // Paging goes on until the thumb reaches the mouse.
      const int side = repeat_mode_ == kRepeatPageUp ? -1 : 1;
      const ScrollParts p = Parts();
      if (PartAt(p, last_point_) == kThumb || SideOfThumb(p, last_point_) != side) {
        StopRepeat();
        return true;
      }
      return StepPage(side);
    }
    default:
      StopRepeat();
      return true;
  }
}

void TskSkinScrollBar::TimerTick(uintptr_t id) {
  if (id != kRepeatTimer) {
    TskSkinCustomControl::TimerTick(id);
    return;
  }
  // A bar disabled or hidden while held stops repeating and lets the mouse go.
  if (!Showing() || !EffectivelyEnabled()) {
    StopHolding();
    ui::Application* app = ui::Application::Current();
    if (app != nullptr && app->CaptureControl() == this) app->SetCaptureControl(nullptr);
    return;
  }
  RepeatTick();
}

void TskSkinScrollBar::WndProc(ui::Message& m) {
  // The mouse went elsewhere while a part was held (the bar was disabled or hidden, or another
  // control took the mouse): whatever the press started ends.
  if (m.id == ui::kMsgCaptureChanged) StopHolding();
  TskSkinCustomControl::WndProc(m);
}

}  // namespace skin
