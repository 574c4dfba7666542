// TskSkinTrackBar: the skinned slider, an integer Value between MinValue and MaxValue set by dragging a thumb.
#include "skin/controls/TskSkinTrackBar.h"

#include "gfx/Canvas.h"
#include "ui/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeMath.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"

namespace skin {

namespace {

// How much of a disabled bar's thumb shows over what lies behind it.
constexpr uint8_t kDisabledThumbAlpha = 110;

}  // namespace

TskSkinTrackBar::TskSkinTrackBar() {
  SetSkinDataName("htrackbar");
  SetTabStop(false);
  SetBounds(0, 0, 100, 20);
}

void TskSkinTrackBar::SetMinValue(int32_t v) {
  min_ = v;
  value_ = ClampMinFirst(value_, min_, max_);
  Invalidate();
}

void TskSkinTrackBar::SetMaxValue(int32_t v) {
  max_ = v;
  value_ = ClampMinFirst(value_, min_, max_);
  Invalidate();
}

void TskSkinTrackBar::SetValue(int32_t v) { AssignValue(v); }

bool TskSkinTrackBar::AssignValue(int64_t v) {
  const int32_t clamped = ClampMinFirst(v, min_, max_);
  if (clamped == value_) return true;
  value_ = clamped;
  Invalidate();
  if (!OnChange) return true;
  const LifeFlag::Watch watch = life_.Observe();
  OnChange(this);
  return watch.Alive();
}

void TskSkinTrackBar::SetVertical(bool v) {
  if (v == vertical_) return;
  vertical_ = v;
  Invalidate();
}

void TskSkinTrackBar::SetCanFocused(bool v) {
  can_focused_ = v;
  SetTabStop(v);
}

bool TskSkinTrackBar::CanFocus() const { return can_focused_ && TskSkinCustomControl::CanFocus(); }

bool TskSkinTrackBar::WantsKey(uint16_t key) const {
  if (can_focused_ && (key == platform::kVkLeft || key == platform::kVkRight || key == platform::kVkUp ||
                       key == platform::kVkDown))
    return true;
  return TskSkinCustomControl::WantsKey(key);
}

void TskSkinTrackBar::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  const auto* record = SkinRecordAs<TskDataSkinTrackBarControl>();
  has_track_record_ = record != nullptr;
  if (record == nullptr) return;
  trackarea_ = HeldRecordRect(record->trackarea);
  buttonrect_ = HeldRecordRect(record->buttonrect);
  activebuttonrect_ = IsNullRect(record->activebuttonrect) ? buttonrect_ : HeldRecordRect(record->activebuttonrect);
  // With a record the skin decides the orientation.
  vertical_ = record->vertical;
}

bool TskSkinTrackBar::HasSkinLook() const { return has_track_record_ && TskSkinCustomControl::HasSkinLook(); }

gfx::Rect TskSkinTrackBar::CurrentTrackArea() const {
  if (!HasSkinLook()) return {2, 2, Width() - 2, Height() - 2};
  gfx::Rect r = trackarea_;
  const SkinSizingKind sizing = SkinSizing();
  if (sizing == SkinSizingKind::kFixed || sizing == SkinSizingKind::kNone) return r;
  const gfx::Rect& skin = Geometry().skinrect;
  if (vertical_) {
    r.bottom += Height() - skin.Height();
  } else {
    r.right += Width() - skin.Width();
  }
  return r;
}

TrackThumb TskSkinTrackBar::Thumb() const {
  const gfx::Size size = HasSkinLook() ? gfx::Size{buttonrect_.Width(), buttonrect_.Height()}
                                       : PlainTrackThumbSize(Width(), Height(), vertical_);
  return CalcTrackThumb(CurrentTrackArea(), size, RangeRatio(value_, min_, max_), vertical_);
}

int32_t TskSkinTrackBar::ValueFromOffset(int32_t a) const {
  const TrackThumb t = Thumb();
  return ValueAtRatio(TrackRatioFromOffset(a, t.start, t.end), min_, max_);
}

bool TskSkinTrackBar::ShowsActiveThumb() const { return dragging_ || (can_focused_ && Focused()); }

void TskSkinTrackBar::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (!DrawSkinPart(bitmap, Picture(), Geometry().skinrect)) return;
  const gfx::Rect& source = ShowsActiveThumb() ? activebuttonrect_ : buttonrect_;
  const gfx::Rect at = Thumb().bounds;
  gfx::Bitmap scratch;
  const gfx::Bitmap& pic = As24(*Picture(), scratch);
  if (Enabled()) {
    CopyPiece(bitmap, gfx::Rect::FromSize(at.left, at.top, source.Width(), source.Height()), pic, source);
    return;
  }
  // A disabled bar shows its thumb faded into the track, as the skin has no disabled thumb.
  gfx::Canvas(bitmap).BlendBitmap(at.TopLeft(), pic, source, kDisabledThumbAlpha);
}

void TskSkinTrackBar::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const int32_t w = bitmap.Width(), h = bitmap.Height();
  canvas.FillRect({0, 0, w, h}, ui::kColorBtnFace);
  canvas.FrameRect({0, 0, w, h}, ui::kColorBtnShadow);
  const gfx::Rect groove = vertical_ ? gfx::Rect{w / 2 - 1, 4, w / 2 + 1, h - 4} : gfx::Rect{4, h / 2 - 1, w - 4, h / 2 + 1};
  if (!groove.IsEmpty()) DrawFrame3D(canvas, groove, ui::kColorBtnShadow, ui::kColorBtnHighlight);
  const gfx::Rect thumb = Thumb().bounds;
  if (dragging_) {
    DrawPlainHighlight(canvas, thumb, PlainState::kPressed);
  } else if (can_focused_ && Focused()) {
    DrawPlainHighlight(canvas, thumb, PlainState::kHot);
  } else {
    DrawPlainFramedFace(canvas, thumb);
  }
  if (!Enabled()) canvas.BlendRect(thumb, ui::kColorBtnFace, 255 - kDisabledThumbAlpha);
}

void TskSkinTrackBar::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  if (!watch.Alive() || !mouse_support_) return;
  const TrackThumb t = Thumb();
  // The thumb's right and bottom edges count as on it.
  if (!PointInside(t.bounds, {x, y})) return;
  dragging_ = true;
  drag_coordinate_ = vertical_ ? y : x;
  drag_offset_ = t.offset;
  Invalidate();
}

void TskSkinTrackBar::MouseMove(ui::ShiftState shift, int x, int y) {
  if (dragging_ && mouse_support_) {
    const int64_t a = vertical_ ? int64_t{drag_offset_} + drag_coordinate_ - y : int64_t{drag_offset_} + x - drag_coordinate_;
    if (!AssignValue(ValueFromOffset(ClampMinFirst(a, INT32_MIN, INT32_MAX)))) return;
  }
  TskSkinCustomControl::MouseMove(shift, x, y);
}

void TskSkinTrackBar::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::MouseUp(button, shift, x, y);
  if (!watch.Alive() || !mouse_support_) return;
  if (dragging_) {
    dragging_ = false;
    Invalidate();
    return;
  }
  if (!jump_when_click_) return;
  const gfx::Rect track = CurrentTrackArea();
  const gfx::Rect thumb = Thumb().bounds;
  const int32_t a0 = !HasSkinLook() ? 2 : vertical_ ? track.top : track.left;
  const int64_t a = vertical_ ? int64_t{Height()} - y - thumb.Height() / 2 - a0 : int64_t{x} - thumb.Width() / 2 - a0;
  AssignValue(ValueFromOffset(ClampMinFirst(a, INT32_MIN, INT32_MAX)));
}

bool TskSkinTrackBar::MouseWheel(ui::ShiftState shift, int delta, int x, int y) {
  if (!can_focused_ || !Focused()) return TskSkinCustomControl::MouseWheel(shift, delta, x, y);
  const int step = (delta > 0) == vertical_ ? 1 : -1;
  AssignValue(int64_t{value_} + step);
  return true;
}

void TskSkinTrackBar::KeyDown(uint16_t& key, ui::ShiftState shift) {
  const LifeFlag::Watch watch = life_.Observe();
  TskSkinCustomControl::KeyDown(key, shift);
  if (!watch.Alive() || !can_focused_) return;
  if (key == platform::kVkLeft || key == platform::kVkDown) AssignValue(int64_t{value_} - 1);
  else if (key == platform::kVkUp || key == platform::kVkRight) AssignValue(int64_t{value_} + 1);
}

void TskSkinTrackBar::WndProc(ui::Message& m) {
  // A drag ends when the bar loses the mouse (it was disabled or hidden while held).
  if (m.id == ui::kMsgCaptureChanged && dragging_) {
    dragging_ = false;
    Invalidate();
  }
  TskSkinCustomControl::WndProc(m);
}

}  // namespace skin
