// TabControl: a row of tabs on one side of a page area, with a change event, scrolling and keys.
#include "ui/TabControl.h"

#include <algorithm>
#include <cstdint>

#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
#include "ui/ImageList.h"
#include "ui/PlainDraw.h"
#include "ui/ScrollInfo.h"

namespace ui {

namespace {

// Room around a measured caption along the line, and above and below it across the line.
constexpr int32_t kCaptionPadding = 12;
constexpr int32_t kThicknessPadding = 6;
// Gap between a tab's image and its caption.
constexpr int32_t kImageGap = 3;
// The tabs start this far from the control's edge, and the frame lies this far inside its own edge.
constexpr int32_t kLineInset = 2;
constexpr int32_t kFrameInset = 4;

gfx::Size MeasureText(const gfx::Font& font, const std::string& text) {
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(font);
  return canvas.TextExtent(text);
}

}  // namespace

TabControl::TabControl() {
  SetTabStop(true);
  SetOpaque(true);
  SetBounds(0, 0, 289, 193);
}

TabControl::~TabControl() {
  if (images_ != nullptr) RemoveFreeNotification(images_);
}

// --- tabs ---

int TabControl::InsertTab(int index, std::string caption, int image_index) {
  index = std::clamp(index, 0, TabCount());
  tabs_.insert(tabs_.begin() + index, Tab{std::move(caption), image_index});
  if (tab_index_ >= index) ++tab_index_;
  Relayout();
  return index;
}

void TabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  tabs_.erase(tabs_.begin() + index);
  if (tab_index_ > index || tab_index_ >= TabCount()) --tab_index_;
  if (tab_index_ < 0 && !tabs_.empty()) tab_index_ = 0;
  Relayout();
}

void TabControl::ClearTabs() {
  tabs_.clear();
  tab_index_ = kNoTab;
  first_tab_ = 0;
  Relayout();
}

void TabControl::SetTabCaption(int index, std::string caption) {
  if (index < 0 || index >= TabCount()) return;
  Tab& t = tabs_[static_cast<size_t>(index)];
  if (t.caption == caption) return;
  t.caption = std::move(caption);
  t.length = -1;
  Relayout();
}

void TabControl::SetTabImageIndex(int index, int image_index) {
  if (index < 0 || index >= TabCount()) return;
  Tab& t = tabs_[static_cast<size_t>(index)];
  if (t.image_index == image_index) return;
  t.image_index = image_index;
  t.length = -1;
  Relayout();
}

void TabControl::SetTabIndex(int index) {
  if (index < 0 || index >= TabCount()) index = kNoTab;
  if (index == tab_index_) return;
  tab_index_ = index;
  MakeTabVisible(index);
  TabsChanged();
  Invalidate();
}

// --- look and layout ---

void TabControl::SetTabPosition(TabPosition p) {
  if (p == position_) return;
  position_ = p;
  first_tab_ = 0;
  Relayout();
}

void TabControl::SetTabWidth(int32_t w) {
  tab_width_ = std::max(w, 0);
  ItemSizeRule();
}

void TabControl::SetTabHeight(int32_t h) {
  tab_height_ = std::max(h, 0);
  ItemSizeRule();
}

void TabControl::SetTabItemSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == item_width_ && height == item_height_) return;
  item_width_ = width;
  item_height_ = height;
  Relayout(true);
}

void TabControl::SetImages(ImageList* images) {
  if (images == images_) return;
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = images;
  if (images_ != nullptr) FreeNotification(images_);
  Relayout(true);
}

void TabControl::SetScrollButtonsShown(bool shown) {
  if (shown == scroll_buttons_shown_) return;
  scroll_buttons_shown_ = shown;
  Relayout();
}

void TabControl::Notification(Component* component, Operation operation) {
  WinControl::Notification(component, operation);
  if (operation == Operation::kRemove && component == images_) {
    images_ = nullptr;
    if (!Destroying()) Relayout(true);
  }
}

void TabControl::Measure() const {
  if (measured_) return;
  // Measured once per layout change, so painting and hit testing many tabs stays cheap.
  thickness_ = item_height_;
  if (thickness_ <= 0) {
    thickness_ = MeasureText(GetFont(), "Ag").height + kThicknessPadding;
    if (images_ != nullptr) thickness_ = std::max(thickness_, images_->Height() + kThicknessPadding);
  }
  // Only tabs whose caption or image changed since their last measuring are measured again.
  starts_.assign(tabs_.size() + 1, 0);
  for (size_t i = 0; i < tabs_.size(); ++i) {
    const Tab& t = tabs_[i];
    if (item_width_ > 0) {
      t.length = item_width_;
    } else if (t.length < 0) {
      t.length = MeasureText(GetFont(), t.caption).width + kCaptionPadding;
      if (images_ != nullptr && images_->ValidIndex(t.image_index)) t.length += images_->Width() + kImageGap;
    }
    starts_[i + 1] = starts_[i] + t.length;
  }
  measured_ = true;
}

int32_t TabControl::TabThickness() const {
  Measure();
  return thickness_;
}

int32_t TabControl::TabLength(int index) const {
  Measure();
  return static_cast<int32_t>(starts_[static_cast<size_t>(index) + 1] - starts_[static_cast<size_t>(index)]);
}

gfx::Rect TabControl::TabRect(int index) const {
  if (index < 0 || index >= TabCount()) return {};
  Measure();
  const int32_t t = thickness_;
  const int64_t origin = Horizontal() ? starts_[static_cast<size_t>(first_tab_)] : 0;
  const int64_t from = kLineInset + starts_[static_cast<size_t>(index)] - origin;
  const int64_t to = from + TabLength(index);
  const int32_t start = static_cast<int32_t>(std::clamp<int64_t>(from, INT32_MIN / 2, INT32_MAX / 2));
  const int32_t end = static_cast<int32_t>(std::clamp<int64_t>(to, INT32_MIN / 2, INT32_MAX / 2));
  const int32_t w = Width(), h = Height();
  switch (position_) {
    case TabPosition::kTop: return {start, kLineInset, end, kLineInset + t};
    case TabPosition::kBottom: return {start, h - kLineInset - t, end, h - kLineInset};
    case TabPosition::kLeft: return {kLineInset, start, kLineInset + t, end};
    case TabPosition::kRight: return {w - kLineInset - t, start, w - kLineInset, end};
  }
  return {};
}

int TabControl::TabAtPoint(gfx::Point p) const {
  for (int i = 0; i < TabCount(); ++i) {
    if (TabItemRect(i).Contains(p)) return i;
  }
  return kNoTab;
}

gfx::Rect TabControl::FrameRect() const {
  const int32_t w = Width(), h = Height();
  const int32_t line = kLineInset + TabThickness();
  switch (position_) {
    case TabPosition::kTop: return {0, std::min(line, h), w, h};
    case TabPosition::kBottom: return {0, 0, w, std::max(h - line, 0)};
    case TabPosition::kLeft: return {std::min(line, w), 0, w, h};
    case TabPosition::kRight: return {0, 0, std::max(w - line, 0), h};
  }
  return {};
}

gfx::Rect TabControl::DisplayRect() const {
  const gfx::Rect f = FrameRect();
  gfx::Rect d{f.left + kFrameInset, f.top + kFrameInset, f.right - kFrameInset, f.bottom - kFrameInset};
  d.right = std::max(d.right, d.left);
  d.bottom = std::max(d.bottom, d.top);
  return d;
}

// --- scrolling ---

int32_t TabControl::TabLineEnd(int32_t scroller_width) const { return Width() - scroller_width - 3; }

bool TabControl::Overflowing() const {
  if (!Horizontal() || tabs_.empty()) return false;
  if (first_tab_ > 0) return true;
  return TabRect(TabCount() - 1).right > TabLineEnd(0);
}

int TabControl::MaxFirstVisibleTab() const {
  if (!Horizontal() || tabs_.empty()) return 0;
  Measure();
  if (kLineInset + starts_.back() <= TabLineEnd(0)) return 0;
  // With the scroller in place: the first tab from which the rest fits before it.
  const int32_t end = TabLineEnd(ScrollerReserve());
  int32_t len = kLineInset;
  int first = TabCount();
  while (first > 0 && len + TabLength(first - 1) <= end) len += TabLength(--first);
  return std::min(first, TabCount() - 1);
}

void TabControl::ScrollTabs(int first) {
  first = std::clamp(first, 0, MaxFirstVisibleTab());
  if (first == first_tab_) return;
  first_tab_ = first;
  TabsChanged();
  Invalidate();
}

void TabControl::WndProc(Message& m) {
  if (m.id != kMsgHScroll) {
    WinControl::WndProc(m);
    return;
  }
  const auto code = static_cast<ScrollCode>(m.wparam & 0xFFFF);
  const auto thumb = static_cast<int>((static_cast<uintptr_t>(m.wparam) >> 16) & 0xFFFF);
  switch (code) {
    case kSbThumbPosition:
    case kSbThumbTrack: ScrollTabs(thumb); break;
    case kSbLineUp:
    case kSbPageUp: ScrollTabs(first_tab_ - 1); break;
    case kSbLineDown:
    case kSbPageDown: ScrollTabs(first_tab_ + 1); break;
    case kSbTop: ScrollTabs(0); break;
    case kSbBottom: ScrollTabs(MaxFirstVisibleTab()); break;
    case kSbEndScroll: break;
  }
  // Every scroll repaints the line, moved or not.
  Invalidate();
}

void TabControl::ClampScroll() { first_tab_ = std::clamp(first_tab_, 0, MaxFirstVisibleTab()); }

void TabControl::MakeTabVisible(int index) {
  if (!Horizontal() || index < 0) return;
  if (index < first_tab_) {
    first_tab_ = index;
    return;
  }
  const int32_t end = TabLineEnd(Overflowing() ? ScrollerReserve() : 0);
  while (first_tab_ < index && TabRect(index).right > end) ++first_tab_;
  ClampScroll();
}

gfx::Rect TabControl::ScrollButtonRect(int which) const {
  if (!scroll_buttons_shown_ || !Overflowing()) return {};
  const int32_t half = kScrollButtonsWidth / 2;
  const int32_t t = std::min(TabThickness(), half);
  const int32_t left = Width() - kScrollButtonsWidth + which * half;
  const int32_t top = position_ == TabPosition::kTop ? kLineInset : Height() - kLineInset - t;
  return {left, top, left + half, top + t};
}

void TabControl::Relayout(bool remeasure_all) {
  measured_ = false;
  if (remeasure_all)
    for (Tab& t : tabs_) t.length = -1;
  if (update_depth_ > 0) {
    relayout_pending_ = true;
    return;
  }
  ClampScroll();
  TabsChanged();
  Invalidate();
}

void TabControl::TabsChanged() {}

void TabControl::BeginUpdate() { ++update_depth_; }

void TabControl::EndUpdate() {
  if (update_depth_ == 0 || --update_depth_ > 0 || !relayout_pending_) return;
  relayout_pending_ = false;
  Relayout();
}

void TabControl::Resize() {
  ClampScroll();
  MakeTabVisible(tab_index_);
  TabsChanged();
  WinControl::Resize();
  Invalidate();
}

void TabControl::FontChanged() {
  WinControl::FontChanged();
  Relayout(true);
}

// --- user changes ---

bool TabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TabControl::Change() {
  if (OnChange) OnChange(this);
}

bool TabControl::ChangeTab(int index) {
  if (index < 0 || index >= TabCount() || index == tab_index_) return false;
  if (!CanChange()) return false;
  tab_index_ = index;
  MakeTabVisible(index);
  TabsChanged();
  Invalidate();
  Change();
  return true;
}

bool TabControl::SelectNextTab(bool forward) {
  const int n = TabCount();
  if (n < 2) return false;
  const int from = tab_index_ < 0 ? (forward ? n - 1 : 0) : tab_index_;
  return ChangeTab((from + (forward ? 1 : n - 1)) % n);
}

bool TabControl::WantsKey(uint16_t key) const {
  return key == platform::kVkLeft || key == platform::kVkRight || key == platform::kVkUp ||
         key == platform::kVkDown || key == platform::kVkHome || key == platform::kVkEnd;
}

bool TabControl::HandleDialogKey(uint16_t key, ShiftState shift) {
  if (!Has(shift, kCtrl) || Has(shift, kAlt) || !EffectivelyEnabled()) return false;
  const bool back = Has(shift, kShift);
  bool forward = false;
  if (key == platform::kVkTab) {
    forward = !back;
  } else if (!back && (key == platform::kVkNext || key == platform::kVkPrior)) {
    forward = key == platform::kVkNext;
  } else {
    return false;
  }
  // The key is taken even when there is no other tab, so it never moves the focus instead.
  SelectNextTab(forward);
  return true;
}

void TabControl::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  const int n = TabCount();
  if (key == 0 || n == 0) return;
  int target = kNoTab;
  if (key == platform::kVkLeft || key == platform::kVkUp) target = std::max(tab_index_ - 1, 0);
  if (key == platform::kVkRight || key == platform::kVkDown) target = std::min(tab_index_ + 1, n - 1);
  if (key == platform::kVkHome) target = 0;
  if (key == platform::kVkEnd) target = n - 1;
  if (target == kNoTab) return;
  key = 0;
  ChangeTab(target);
}

void TabControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (button != MouseButton::kLeft || !EffectivelyEnabled()) return;
  for (int which = 0; which < 2; ++which) {
    if (ScrollButtonRect(which).Contains({x, y})) {
      ScrollTabs(first_tab_ + (which == 0 ? -1 : 1));
      return;
    }
  }
  const int hit = TabAtPoint({x, y});
  if (hit == kNoTab) return;
  if (CanFocus() && !Focused()) SetFocus();
  ChangeTab(hit);
}

void TabControl::DoEnter() {
  WinControl::DoEnter();
  Invalidate();
}

void TabControl::DoExit() {
  WinControl::DoExit();
  Invalidate();
}

// --- plain look ---

void TabControl::EraseBackground(gfx::Canvas& /*canvas*/) {}

void TabControl::DrawPlainTab(gfx::Canvas& canvas, int index, const gfx::Rect& tab, bool selected) {
  gfx::Rect r = tab;
  // The selected tab stands out by two pixels and merges with the frame below it.
  if (selected) {
    switch (position_) {
      case TabPosition::kTop: r = {r.left - 2, r.top - 2, r.right + 2, r.bottom + 1}; break;
      case TabPosition::kBottom: r = {r.left - 2, r.top - 1, r.right + 2, r.bottom + 2}; break;
      case TabPosition::kLeft: r = {r.left - 2, r.top - 2, r.right + 1, r.bottom + 2}; break;
      case TabPosition::kRight: r = {r.left - 1, r.top - 2, r.right + 2, r.bottom + 2}; break;
    }
  }
  canvas.FillRect(r, GetColor());
  const gfx::Color light = kColorBtnHighlight, dark = kColorBtnShadow;
  const int32_t x0 = r.left, y0 = r.top, x1 = r.right - 1, y1 = r.bottom - 1;
  auto line = [&canvas](int32_t ax, int32_t ay, int32_t bx, int32_t by, gfx::Color c) {
    canvas.Pen().color = c;
    canvas.MoveTo(ax, ay);
    canvas.LineTo(bx, by);
  };
  switch (position_) {
    case TabPosition::kTop:
      line(x0, y1 + 1, x0, y0, light), line(x0, y0, x1, y0, light), line(x1, y0 + 1, x1, y1 + 1, dark);
      break;
    case TabPosition::kBottom:
      line(x0, y0, x0, y1, light), line(x0, y1, x1, y1, dark), line(x1, y1, x1, y0 - 1, dark);
      break;
    case TabPosition::kLeft:
      line(x1 + 1, y0, x0, y0, light), line(x0, y0, x0, y1, light), line(x0, y1, x1 + 1, y1, dark);
      break;
    case TabPosition::kRight:
      line(x0, y0, x1, y0, light), line(x1, y0, x1, y1, dark), line(x1, y1, x0 - 1, y1, dark);
      break;
  }

  const Tab& t = tabs_[static_cast<size_t>(index)];
  canvas.SetFont(GetFont());
  canvas.Font().SetColor(EffectivelyEnabled() ? GetFont().Color() : kColorGrayText);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const gfx::Size text = canvas.TextExtent(t.caption);
  const bool image = images_ != nullptr && images_->ValidIndex(t.image_index);
  const int32_t iw = image ? images_->Width() + kImageGap : 0;
  const int32_t along = iw + text.width;
  if (Horizontal()) {
    const int32_t x = r.left + (r.Width() - along) / 2;
    if (image) images_->Draw(canvas, x, r.top + (r.Height() - images_->Height()) / 2, t.image_index, EffectivelyEnabled());
    canvas.TextOut(x + iw, r.top + (r.Height() - text.height) / 2, t.caption);
  } else {
    // Lying tabs read upwards on the left, downwards on the right, the image before the caption.
    const bool up = position_ == TabPosition::kLeft;
    const int32_t start = up ? r.bottom - (r.Height() - along) / 2 : r.top + (r.Height() - along) / 2;
    if (image) {
      const int32_t iy = up ? start - images_->Height() : start;
      images_->Draw(canvas, r.left + (r.Width() - images_->Width()) / 2, iy, t.image_index, EffectivelyEnabled());
    }
    canvas.Font().SetEscapement(up ? 900 : 2700);
    const int32_t across = (r.Width() - text.height) / 2;
    if (up) canvas.TextOut(r.left + across, start - iw, t.caption);
    else canvas.TextOut(r.right - across, start + iw, t.caption);
    canvas.Font().SetEscapement(0);
  }
  if (selected && Focused()) canvas.DrawFocusRect({r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
}

void TabControl::DrawScrollButtons(gfx::Canvas& canvas) {
  for (int which = 0; which < 2; ++which) {
    const gfx::Rect b = ScrollButtonRect(which);
    if (b.IsEmpty()) return;
    canvas.FillRect(b, GetColor());
    DrawRaisedEdge(canvas, b);
    const bool enabled = which == 0 ? first_tab_ > 0 : first_tab_ < MaxFirstVisibleTab();
    canvas.Pen().color = enabled ? kColorBtnText : kColorGrayText;
    // A small triangle pointing the way the button scrolls.
    const int32_t cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    for (int32_t i = 0; i < 4; ++i) {
      const int32_t x = which == 0 ? cx - 2 + i : cx + 1 - i;
      canvas.MoveTo(x, cy - i);
      canvas.LineTo(x, cy + i + 1);
    }
  }
}

void TabControl::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  canvas.FillRect({0, 0, w, h}, GetColor());
  const gfx::Rect frame = FrameRect();
  if (!frame.IsEmpty()) DrawRaisedEdge(canvas, frame);
  {
    gfx::CanvasSaver saver(canvas);
    for (int which = 0; which < 2; ++which) {
      const gfx::Rect b = ScrollButtonRect(which);
      if (!b.IsEmpty()) canvas.ExcludeClip(b);
    }
    const gfx::Rect all{0, 0, w, h};
    for (int i = 0; i < TabCount(); ++i) {
      const gfx::Rect r = TabItemRect(i);
      if (i != tab_index_ && !r.Intersect(all).IsEmpty()) DrawPlainTab(canvas, i, r, false);
    }
    if (tab_index_ != kNoTab) DrawPlainTab(canvas, tab_index_, TabItemRect(tab_index_), true);
  }
  gfx::CanvasSaver saver(canvas);
  DrawScrollButtons(canvas);
}

}  // namespace ui
