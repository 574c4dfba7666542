// TskSkinScrollBox: a skinned container whose content is scrolled by external skinned scroll bars.
#include "skin/controls/TskSkinScrollBox.h"

#include <algorithm>
#include <vector>

#include "gfx/Canvas.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGlyphs.h"

namespace skin {

namespace {

int32_t ToInt32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

TskSkinScrollBox::TskSkinScrollBox() {
  SetSkinDataName("scrollbox");
  SetBounds(0, 0, 150, 150);
}

TskSkinScrollBox::~TskSkinScrollBox() {
  // The bars outlive the box: they must not call back into it.
  Release(hbar_);
  if (vbar_ != hbar_) Release(vbar_);
}

// --- bars ---

void TskSkinScrollBox::Release(TskSkinScrollBar* bar) {
  if (bar == nullptr) return;
  bar->OnChange = nullptr;
  bar->OnLastChange = nullptr;
  RemoveFreeNotification(bar);
}

void TskSkinScrollBox::TakeOver(TskSkinScrollBar* bar, bool vertical) {
  bar->OnChange = [this, vertical](ui::Component*) { BarChanged(vertical); };
  bar->OnLastChange = [this](ui::Component*) { Invalidate(); };
  FreeNotification(bar);
  guard_ = true;
  bar->SetCanFocused(false);
  bar->SetEnabled(true);
  bar->SetVisible(false);
  guard_ = false;
  (vertical ? last_vpos_ : last_hpos_) = bar->Position();
}

void TskSkinScrollBox::SetHScrollBar(TskSkinScrollBar* bar) {
  if (bar == hbar_) return;
  if (hbar_ != vbar_) Release(hbar_);
  hbar_ = bar;
  if (bar != nullptr) TakeOver(bar, false);
  UpdateScrollBars();
}

void TskSkinScrollBox::SetVScrollBar(TskSkinScrollBar* bar) {
  if (bar == vbar_) return;
  if (vbar_ != hbar_) Release(vbar_);
  vbar_ = bar;
  if (bar != nullptr) TakeOver(bar, true);
  UpdateScrollBars();
}

void TskSkinScrollBox::Notification(ui::Component* component, Operation operation) {
  TskSkinCustomControl::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component == hbar_) hbar_ = nullptr;
  if (component == vbar_) vbar_ = nullptr;
}

void TskSkinScrollBox::SetBorderStyle(SkinBorderStyle border) {
  if (border == border_) return;
  border_ = border;
  Realign();
  if (Parent() != nullptr) Parent()->InvalidateRect(BoundsRect());
  UpdateScrollBars();
}

// --- geometry ---

const gfx::Bitmap* TskSkinScrollBox::BackgroundPicture() const {
  const auto* record = SkinRecordAs<TskDataSkinScrollBoxControl>();
  if (record == nullptr) return nullptr;
  const gfx::Bitmap* pic = SkinData()->ActivePicture24(record->bgpictureindex);
  return pic != nullptr && !pic->IsEmpty() ? pic : nullptr;
}

bool TskSkinScrollBox::HasSkinLook() const {
  return BackgroundPicture() != nullptr || TskSkinCustomControl::HasSkinLook();
}

gfx::Rect TskSkinScrollBox::Border() const {
  if (BackgroundPicture() != nullptr || border_ == SkinBorderStyle::bvNone) return {};
  if (!TskSkinCustomControl::HasSkinLook()) return {1, 1, 1, 1};
  const SkinControlGeometry& g = Geometry();
  auto held = [](int32_t v) { return std::clamp(v, 0, kMaxSkinExtent); };
  return {held(g.clientrect.left), held(g.clientrect.top), held(g.skinrect.Width() - g.clientrect.right),
          held(g.skinrect.Height() - g.clientrect.bottom)};
}

gfx::Rect TskSkinScrollBox::ClientRect() const {
  const gfx::Rect b = Border();
  const int32_t w = Width(), h = Height();
  const int32_t left = std::min(b.left, w), top = std::min(b.top, h);
  return {left, top, std::max(left, w - b.right), std::max(top, h - b.bottom)};
}

gfx::Rect TskSkinScrollBox::AlignRect() const {
  const int32_t cw = ClientWidth(), ch = ClientHeight();
  const bool h = hbar_ != nullptr && hbar_->Visible();
  const bool v = vbar_ != nullptr && vbar_->Visible();
  const int32_t x = h ? -hbar_->Position() : 0;
  const int32_t y = v ? -vbar_->Position() : 0;
  const int32_t w = h ? std::max(hbar_->Max(), cw) : cw;
  const int32_t hh = v ? std::max(vbar_->Max(), ch) : ch;
  return {x, y, ToInt32(int64_t{x} + w), ToInt32(int64_t{y} + hh)};
}

// --- scrolling ---

int32_t TskSkinScrollBox::ContentExtent(bool vertical) const {
  bool any = false;
  int32_t extent = 0;
  for (size_t i = 0; i < ChildCount(); ++i) {
    const ui::Control* c = Child(i);
    if (!c->Visible() || c == hbar_ || c == vbar_) continue;
    const int32_t edge = vertical ? c->BoundsRect().bottom : c->BoundsRect().right;
    extent = any ? std::max(extent, edge) : edge;
    any = true;
  }
  return extent;
}

void TskSkinScrollBox::ScrollChildren(int32_t dx, int32_t dy) {
  if (dx == 0 && dy == 0) return;
  DisableAlign();
  ForEachChild([&](ui::Control& c) {
    if (&c == hbar_ || &c == vbar_ || c.GetAlign() != ui::Align::kNone) return;
    c.SetBounds(c.Left() + dx, c.Top() + dy, c.Width(), c.Height());
  });
  EnableAlign();  // places the aligned children in the moved area
  Invalidate();
}

void TskSkinScrollBox::BarChanged(bool vertical) {
  TskSkinScrollBar* bar = vertical ? vbar_ : hbar_;
  if (bar == nullptr) return;
  int32_t& last = vertical ? last_vpos_ : last_hpos_;
  const int32_t position = bar->Position();
  // The content moves up (left) as the position grows.
  const int32_t delta = ToInt32(int64_t{last} - position);
  last = position;
  if (vertical) ScrollChildren(0, delta);
  else ScrollChildren(delta, 0);
}

void TskSkinScrollBox::UpdateScroll(bool vertical, bool& show) {
  TskSkinScrollBar* bar = vertical ? vbar_ : hbar_;
  if (bar == nullptr || Parent() == nullptr) return;
  const int64_t client = vertical ? ClientHeight() : ClientWidth();
  const int64_t extent = ContentExtent(vertical);
  const int32_t p = bar->Position();
  int32_t& grow = vertical ? grow_h_ : grow_w_;
  if (client < extent + p) {
    // The content reaches past the client area.
    show = true;
    const int64_t m = extent + p - 1;
    int64_t wanted = p;
    if (p > 0 && extent < client && grow > 0) {
      // The box grew while scrolled: the content follows the growth back towards the start.
      wanted = p - std::min<int64_t>(grow, p);
    } else if (grow == 0 && m < bar->Max() && p > 0 && extent < client) {
      // The content got shorter and a gap shows at the far end: back to the start.
      wanted = 0;
    }
    bar->AssignRange(0, ToInt32(m), ToInt32(client), ToInt32(wanted));
  } else {
    show = keep_bars_shown_ && bar->Visible();
    bar->AssignRange(0, 0, 0, 0);
  }
  // A bar kept shown with nothing to scroll is greyed, without a thumb.
  if (keep_bars_shown_) bar->SetEnabled(client < extent + p);
  // The children always sit at minus the bar's position, whatever the range clamped it to.
  const int32_t shift = ToInt32(int64_t{p} - bar->Position());
  grow = 0;
  (vertical ? last_vpos_ : last_hpos_) = bar->Position();
  if (vertical) ScrollChildren(0, shift);
  else ScrollChildren(shift, 0);
}

void TskSkinScrollBox::ApplyVisibility(bool show_h, bool show_v) {
  guard_ = true;
  if (hbar_ != nullptr) hbar_->SetVisible(show_h);
  if (vbar_ != nullptr) vbar_->SetVisible(show_v);
  if (GetAlign() != ui::Align::kNone && Parent() != nullptr) Parent()->Realign();
  guard_ = false;
}

void TskSkinScrollBox::UpdateScrollBars() {
  if (guard_ || Destroying()) return;
  // Showing or hiding a bar changes the client area of an aligned box, so the ranges are worked
  // out again for the new area; a second change (the other bar now needed) gets one more round.
  for (int round = 0; round < 3; ++round) {
    bool show_h = hbar_ != nullptr && hbar_->Visible();
    bool show_v = vbar_ != nullptr && vbar_->Visible();
    UpdateScroll(false, show_h);
    UpdateScroll(true, show_v);
    if (hbar_ != nullptr && vbar_ != nullptr) hbar_->SetBoth(show_v);
    const bool changed = (hbar_ != nullptr && show_h != hbar_->Visible()) ||
                         (vbar_ != nullptr && show_v != vbar_->Visible());
    if (!changed) return;
    ApplyVisibility(show_h, show_v);
  }
}

void TskSkinScrollBox::SetKeepBarsShown(bool v) {
  keep_bars_shown_ = v;
  UpdateScrollBars();
}

// --- reactions ---

void TskSkinScrollBox::Resize() {
  const gfx::Size size{Width(), Height()};
  // Growth counts only from a size the box already had.
  grow_w_ = last_size_.width > 0 && size.width > last_size_.width ? size.width - last_size_.width : 0;
  grow_h_ = last_size_.height > 0 && size.height > last_size_.height ? size.height - last_size_.height : 0;
  last_size_ = size;
  TskSkinCustomControl::Resize();
  UpdateScrollBars();
}

void TskSkinScrollBox::WndProc(ui::Message& m) {
  TskSkinCustomControl::WndProc(m);
  if (m.id == ui::kMsgMove && GetAlign() == ui::Align::kNone) UpdateScrollBars();
}

void TskSkinScrollBox::VisibleChanged() {
  TskSkinCustomControl::VisibleChanged();
  if (!Visible()) {
    ApplyVisibility(false, false);
    return;
  }
  ApplyVisibility(hbar_ != nullptr, vbar_ != nullptr);
  UpdateScrollBars();
}

void TskSkinScrollBox::ApplySkin() {
  TskSkinCustomControl::ApplySkin();
  // The border follows the new skin: the children and the bars beside the box are placed again.
  Realign();
  if (Parent() != nullptr) {
    Parent()->Realign();
    Parent()->InvalidateRect(BoundsRect());
  }
  UpdateScrollBars();
}

// --- painting ---

void TskSkinScrollBox::DrawPlainBorder(gfx::Bitmap& bitmap) const {
  gfx::Canvas canvas(bitmap);
  const gfx::Rect all = bitmap.Bounds();
  switch (border_) {
    case SkinBorderStyle::bvNone:
      return;
    case SkinBorderStyle::bvFrame:
      canvas.FrameRect(all, ui::kColorBtnShadow);
      return;
    case SkinBorderStyle::bvRaised:
      DrawFrame3D(canvas, all, ui::kColorBtnShadow, ui::kColorBtnHighlight);
      return;
    case SkinBorderStyle::bvLowered:
      DrawFrame3D(canvas, all, ui::kColorBtnHighlight, ui::kColorBtnShadow);
      return;
  }
}

void TskSkinScrollBox::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (w <= 0 || h <= 0 || !gfx::Bitmap::IsAllowedSize(w, h)) return;
  LoadSkinRecord();
  ResetTarget(offscreen_, w, h);
  gfx::Bitmap scratch;
  if (const gfx::Bitmap* bg = BackgroundPicture()) {
    CopyPiece(offscreen_, offscreen_.Bounds(), As24(*bg, scratch), bg->Bounds(), Fit::kRepeat, Fit::kRepeat);
  } else if (TskSkinCustomControl::HasSkinLook() && border_ != SkinBorderStyle::bvNone) {
    // The record's nine-part image: its frame around the box, its inner part tiled behind the children.
    DrawSkinPart(offscreen_, Picture(), Geometry().skinrect);
  } else if (TskSkinCustomControl::HasSkinLook()) {
    const SkinControlGeometry& g = Geometry();
    const gfx::Rect inner = g.clientrect.Offset(g.skinrect.left, g.skinrect.top);
    CopyPiece(offscreen_, offscreen_.Bounds(), As24(*Picture(), scratch), inner, Fit::kRepeat, Fit::kRepeat);
  } else {
    gfx::Canvas(offscreen_).FillRect(offscreen_.Bounds(), ui::kColorBtnFace);
    DrawPlainBorder(offscreen_);
  }
  const gfx::Rect cr = ClientRect();
  // The border lies outside the client area, where the canvas starts.
  if (offscreen_.Width() < w || offscreen_.Height() < h) canvas.FillRect({-cr.left, -cr.top, w - cr.left, h - cr.top}, GetColor());
  canvas.Draw(-cr.left, -cr.top, offscreen_);
}

}  // namespace skin
