// ListBox: the plain list box.
#include "ui/ListBox.h"

#include <algorithm>
#include <stdexcept>

#include "gfx/Canvas.h"
#include "ui/KeyCodes.h"
#include "ui/PlainDraw.h"
#include "ui/ScrollBar.h"

namespace ui {

namespace {

constexpr int32_t kBorder = 2;
constexpr int32_t kTextMargin = 2;

void CheckRoom(size_t count) {
  if (count >= static_cast<size_t>(ListBox::kMaxItems)) {
    throw std::length_error("列表项过多：一个列表最多容纳 16777216 项");
  }
}

}  // namespace

ListBox::ListBox() {
  SetOpaque(true);
  SetTabStop(true);
  SetColor(kColorWindow);
  SetParentColor(false);
  auto vbar = std::make_unique<ScrollBar>(ScrollAxis::kVertical);
  vbar->SetVisible(false);
  vbar->OnScroll = [this](ScrollCode code, int32_t position) { Scroll(ScrollAxis::kVertical, code, position); };
  vbar_ = AddChild(std::move(vbar));
  auto hbar = std::make_unique<ScrollBar>(ScrollAxis::kHorizontal);
  hbar->SetVisible(false);
  hbar->OnScroll = [this](ScrollCode code, int32_t position) { Scroll(ScrollAxis::kHorizontal, code, position); };
  hbar_ = AddChild(std::move(hbar));
  SetBounds(0, 0, 120, 96);
}

ListBox::~ListBox() = default;

// --- items ---

int32_t ListBox::AddItem(std::string text) {
  CheckRoom(items_.size());
  size_t at = items_.size();
  if (sorted_) {
    at = static_cast<size_t>(std::upper_bound(items_.begin(), items_.end(), text) - items_.begin());
  }
  InsertItem(static_cast<int32_t>(at), std::move(text));
  return static_cast<int32_t>(at);
}

void ListBox::InsertItem(int32_t index, std::string text) {
  CheckRoom(items_.size());
  if (sorted_) {
    index = static_cast<int32_t>(std::upper_bound(items_.begin(), items_.end(), text) - items_.begin());
  } else if (index < 0 || index > Count()) {
    index = Count();
  }
  items_.insert(items_.begin() + index, std::move(text));
  if (multi_select_) selected_.insert(selected_.begin() + index, 0);
  if (item_index_ >= index) ++item_index_;
  if (anchor_ >= index) ++anchor_;
  ScrollChanged();
  Invalidate();
}

void ListBox::DeleteItem(int32_t index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("列表项序号超出范围");
  items_.erase(items_.begin() + index);
  if (multi_select_) selected_.erase(selected_.begin() + index);
  if (item_index_ == index) {
    item_index_ = -1;
  } else if (item_index_ > index) {
    --item_index_;
  }
  if (anchor_ == index) {
    anchor_ = item_index_;
  } else if (anchor_ > index) {
    --anchor_;
  }
  ClampTop();
  ScrollChanged();
  Invalidate();
}

void ListBox::SetItem(int32_t index, std::string text) {
  if (index < 0 || index >= Count()) throw std::out_of_range("列表项序号超出范围");
  items_[static_cast<size_t>(index)] = std::move(text);
  Invalidate();
}

void ListBox::SetItems(std::vector<std::string> items) {
  CheckRoom(items.size() == 0 ? 0 : items.size() - 1);
  items_ = std::move(items);
  if (sorted_) std::stable_sort(items_.begin(), items_.end());
  selected_.assign(multi_select_ ? items_.size() : 0, 0);
  item_index_ = -1;
  anchor_ = -1;
  top_index_ = 0;
  horizontal_offset_ = 0;
  ScrollChanged();
  Invalidate();
}

void ListBox::Clear() { SetItems({}); }

void ListBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (sorted_) SetItems(std::move(items_));
}

// --- selection ---

void ListBox::SetItemIndex(int32_t index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index >= 0) MakeVisible(index);
  if (!multi_select_ && index == item_index_) return;
  item_index_ = index;
  anchor_ = index;
  if (multi_select_) {
    std::fill(selected_.begin(), selected_.end(), 0);
    if (index >= 0) selected_[static_cast<size_t>(index)] = 1;
  }
  Invalidate();
}

void ListBox::SetMultiSelect(bool v) {
  if (v == multi_select_) return;
  multi_select_ = v;
  selected_.assign(v ? items_.size() : 0, 0);
  if (v && item_index_ >= 0) selected_[static_cast<size_t>(item_index_)] = 1;
  Invalidate();
}

bool ListBox::Selected(int32_t index) const {
  if (index < 0 || index >= Count()) return false;
  if (!multi_select_) return index == item_index_;
  return selected_[static_cast<size_t>(index)] != 0;
}

void ListBox::SetSelected(int32_t index, bool selected) {
  if (index < 0 || index >= Count()) throw std::out_of_range("列表项序号超出范围");
  if (!multi_select_) {
    if (selected) {
      SetItemIndex(index);
    } else if (index == item_index_) {
      SetItemIndex(-1);
    }
    return;
  }
  selected_[static_cast<size_t>(index)] = selected ? 1 : 0;
  InvalidateRect(ItemRect(index));
}

int32_t ListBox::SelCount() const {
  if (!multi_select_) return item_index_ >= 0 ? 1 : 0;
  return static_cast<int32_t>(std::count(selected_.begin(), selected_.end(), uint8_t{1}));
}

void ListBox::SelectAll(bool selected) {
  if (!multi_select_) {
    if (!selected) SetItemIndex(-1);
    return;
  }
  std::fill(selected_.begin(), selected_.end(), selected ? 1 : 0);
  Invalidate();
}

void ListBox::RangeSelect(int32_t from, int32_t to) {
  if (from > to) std::swap(from, to);
  std::fill(selected_.begin(), selected_.end(), 0);
  for (int32_t i = std::max(from, 0); i <= to && i < Count(); ++i) selected_[static_cast<size_t>(i)] = 1;
}

void ListBox::SelectByUser(int32_t index, bool extend) {
  if (Count() == 0) return;
  index = std::clamp(index, 0, Count() - 1);
  if (multi_select_ && extended_select_) {
    if (!extend || anchor_ < 0) anchor_ = index;
    RangeSelect(anchor_, index);
    item_index_ = index;
  } else if (multi_select_) {
    // A plain multiple-selection list moves only the focus rectangle with keys.
    item_index_ = index;
  } else {
    item_index_ = index;
    anchor_ = index;
  }
  MakeVisible(index);
  Invalidate();
  if (OnSelect) OnSelect(this);
}

// --- geometry ---

void ListBox::SetItemHeight(int32_t height) {
  height = std::max(height, 1);
  if (height == item_height_) return;
  item_height_ = height;
  ClampTop();
  ScrollChanged();
  Invalidate();
}

gfx::Rect ListBox::ListArea() const {
  gfx::Rect r = ClientRect();
  if (border_) r = {r.left + kBorder, r.top + kBorder, r.right - kBorder, r.bottom - kBorder};
  if (vbar_->Visible()) r.right -= ScrollBar::kBreadth;
  if (hbar_->Visible()) r.bottom -= ScrollBar::kBreadth;
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

int32_t ListBox::VisibleRows() const { return std::max(1, ListArea().Height() / item_height_); }

gfx::Rect ListBox::ItemRect(int32_t index) const {
  const gfx::Rect area = ListArea();
  const int64_t top = area.top + (int64_t{index} - top_index_) * item_height_;
  const auto clamped = static_cast<int32_t>(std::clamp<int64_t>(top, -(int64_t{1} << 30), int64_t{1} << 30));
  return {area.left, clamped, area.right, clamped + item_height_};
}

int32_t ListBox::ItemAtPos(gfx::Point p, bool existing) const {
  const gfx::Rect area = ListArea();
  if (!area.Contains(p)) return -1;
  const int64_t row = int64_t{top_index_} + (p.y - area.top) / item_height_;
  if (existing && row >= Count()) return -1;
  return static_cast<int32_t>(std::min<int64_t>(row, kMaxItems));
}

void ListBox::SetTopIndex(int32_t index) {
  const int32_t before = top_index_;
  top_index_ = index;
  ClampTop();
  if (top_index_ == before) return;
  Invalidate();
  ScrollChanged();
}

void ListBox::ClampTop() {
  top_index_ = std::clamp(top_index_, 0, std::max(0, Count() - VisibleRows()));
}

void ListBox::MakeVisible(int32_t index) {
  if (index < 0 || index >= Count()) return;
  if (index < top_index_) {
    SetTopIndex(index);
  } else if (index >= top_index_ + VisibleRows()) {
    SetTopIndex(index - VisibleRows() + 1);
  }
}

void ListBox::SetBorder(bool v) {
  if (v == border_) return;
  border_ = v;
  ScrollChanged();
  Invalidate();
}

// --- horizontal scrolling ---

void ListBox::SetHorizontalExtent(int32_t pixels) {
  pixels = std::max(pixels, 0);
  if (pixels == horizontal_extent_) return;
  horizontal_extent_ = pixels;
  ScrollChanged();
  SetHorizontalOffset(horizontal_offset_);
  Invalidate();
}

void ListBox::SetHorizontalOffset(int32_t pixels) {
  pixels = HorzScrollInfo().Clamp(pixels);
  if (pixels == horizontal_offset_) return;
  horizontal_offset_ = pixels;
  Invalidate();
  ScrollChanged();
}

// --- scrolling ---

ScrollInfo ListBox::VertScrollInfo() const {
  return {0, std::max(0, Count() - 1), VisibleRows(), top_index_};
}

ScrollInfo ListBox::HorzScrollInfo() const {
  return {0, std::max(0, horizontal_extent_ - 1), ListArea().Width(), horizontal_offset_};
}

void ListBox::Scroll(ScrollAxis axis, ScrollCode code, int32_t thumb) {
  if (code == kSbEndScroll) return;
  if (axis == ScrollAxis::kVertical) {
    SetTopIndex(ScrolledPosition(VertScrollInfo(), code, thumb));
    return;
  }
  // A line across is the width of a few characters.
  SetHorizontalOffset(ScrolledPosition(HorzScrollInfo(), code, thumb, 8));
}

void ListBox::SetBuiltInBars(bool v) {
  if (v == built_in_bars_) return;
  built_in_bars_ = v;
  ScrollChanged();
  Invalidate();
}

ScrollBar* ListBox::VertBar() const { return vbar_->Visible() ? vbar_ : nullptr; }
ScrollBar* ListBox::HorzBar() const { return hbar_->Visible() ? hbar_ : nullptr; }

void ListBox::ShowBars() {
  bool vertical = false;
  bool horizontal = false;
  if (built_in_bars_) {
    gfx::Rect inner = ClientRect();
    if (border_) inner = {inner.left + kBorder, inner.top + kBorder, inner.right - kBorder, inner.bottom - kBorder};
    // Each bar takes room from the other's test, so two rounds settle both.
    for (int round = 0; round < 2; ++round) {
      const int32_t height = inner.Height() - (horizontal ? ScrollBar::kBreadth : 0);
      const int32_t width = inner.Width() - (vertical ? ScrollBar::kBreadth : 0);
      vertical = int64_t{Count()} * item_height_ > height;
      horizontal = horizontal_extent_ > width;
    }
  }
  vbar_->SetVisible(vertical);
  hbar_->SetVisible(horizontal);
  ClampTop();
  const gfx::Rect area = ListArea();
  if (vertical) {
    vbar_->SetBounds(area.right, area.top, ScrollBar::kBreadth, area.Height());
    vbar_->SetInfo(VertScrollInfo());
  }
  if (horizontal) {
    hbar_->SetBounds(area.left, area.bottom, area.Width(), ScrollBar::kBreadth);
    hbar_->SetInfo(HorzScrollInfo());
  }
}

void ListBox::ScrollChanged() {
  // Showing a bar resizes the list area, which asks again; one round is enough.
  if (in_scroll_changed_) return;
  in_scroll_changed_ = true;
  ShowBars();
  in_scroll_changed_ = false;
  if (OnScrollChange) OnScrollChange(this);
}

void ListBox::Resize() {
  WinControl::Resize();
  ScrollChanged();
}

// --- drawing ---

void ListBox::SetStyle(ListBoxStyle style) {
  style_ = style;
  Invalidate();
}

uint8_t ListBox::ItemState(int32_t index) const {
  uint8_t state = kItemNone;
  if (Selected(index)) state |= kItemSelected;
  if (index == item_index_ && has_focus_) state |= kItemFocused;
  if (!EffectivelyEnabled()) state |= kItemDisabled;
  return state;
}

void ListBox::Paint(gfx::Canvas& canvas) {
  const gfx::Rect client = ClientRect();
  if (border_) {
    canvas.FillRect(client, GetColor());
    DrawBevel(canvas, client, false);
    DrawBevel(canvas, {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1}, false);
  }
  const gfx::Rect area = ListArea();
  if (area.IsEmpty()) return;
  // Only the rows in view are visited, so the number of items does not matter.
  const int32_t last = std::min(Count(), top_index_ + area.Height() / item_height_ + 1);
  int32_t bottom = area.top;
  for (int32_t i = top_index_; i < last; ++i) {
    const gfx::Rect row = ItemRect(i).Intersect(area);
    if (row.IsEmpty()) continue;
    canvas.Save();
    canvas.IntersectClip(row);
    DrawItem(canvas, i, ItemRect(i), ItemState(i));
    canvas.Restore();
    bottom = row.bottom;
  }
  if (bottom < area.bottom) {
    canvas.Save();
    const gfx::Rect rest{area.left, bottom, area.right, area.bottom};
    canvas.IntersectClip(rest);
    DrawEmptyArea(canvas, rest);
    canvas.Restore();
  }
}

void ListBox::EraseBackground(gfx::Canvas& /*canvas*/) {
  // Paint covers the whole control.
}

void ListBox::DrawItem(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state) {
  if (style_ == ListBoxStyle::kOwnerDrawFixed && OnDrawItem) {
    OnDrawItem(*this, canvas, index, rect, state);
    return;
  }
  DrawItemDefault(canvas, index, rect, state);
}

void ListBox::DrawItemDefault(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state) {
  const bool selected = (state & kItemSelected) != 0;
  canvas.FillRect(rect, selected ? kColorHighlight : GetColor());
  gfx::Font font = GetFont();
  if ((state & kItemDisabled) != 0) {
    font.SetColor(kColorGrayText);
  } else if (selected) {
    font.SetColor(kColorWindow);
  }
  canvas.SetFont(font);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  gfx::Rect text{rect.left + kTextMargin - horizontal_offset_, rect.top, rect.right - kTextMargin, rect.bottom};
  canvas.DrawText(text, Item(index), gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtNoPrefix);
  if ((state & kItemFocused) != 0) canvas.DrawFocusRect(rect);
}

void ListBox::DrawEmptyArea(gfx::Canvas& canvas, const gfx::Rect& rect) { canvas.FillRect(rect, GetColor()); }

// --- input ---

bool ListBox::WantsKey(uint16_t key) const {
  switch (key) {
    case platform::kVkUp:
    case platform::kVkDown:
    case platform::kVkLeft:
    case platform::kVkRight:
    case platform::kVkHome:
    case platform::kVkEnd:
    case platform::kVkPrior:
    case platform::kVkNext:
      return true;
    default:
      return WinControl::WantsKey(key);
  }
}

void ListBox::WndProc(Message& m) {
  if (m.id == kMsgVScroll || m.id == kMsgHScroll) {
    const auto code = static_cast<ScrollCode>(m.wparam & 0xFFFF);
    const auto thumb = static_cast<int32_t>((m.wparam >> 16) & 0xFFFF);
    Scroll(m.id == kMsgVScroll ? ScrollAxis::kVertical : ScrollAxis::kHorizontal, code, thumb);
    m.result = 0;
    return;
  }
  WinControl::WndProc(m);
}

void ListBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (CanFocus() && !Focused()) SetFocus();
  WinControl::MouseDown(button, shift, x, y);
  if (button != MouseButton::kLeft) return;
  const int32_t index = ItemAtPos({x, y}, true);
  if (index < 0) return;
  if (multi_select_ && !extended_select_) {
    item_index_ = index;
    anchor_ = index;
    selected_[static_cast<size_t>(index)] ^= 1;
    Invalidate();
    if (OnSelect) OnSelect(this);
    return;
  }
  if (multi_select_ && Has(shift, kCtrl)) {
    item_index_ = index;
    anchor_ = index;
    selected_[static_cast<size_t>(index)] ^= 1;
    Invalidate();
    if (OnSelect) OnSelect(this);
    return;
  }
  tracking_ = true;
  SelectByUser(index, Has(shift, kShift));
}

void ListBox::MouseMove(ShiftState shift, int x, int y) {
  WinControl::MouseMove(shift, x, y);
  if (!tracking_ || !Has(shift, kLeftHeld)) return;
  const gfx::Rect area = ListArea();
  // Dragging past an edge scrolls a row towards it.
  int32_t index = ItemAtPos({std::clamp(x, area.left, area.right - 1), y}, true);
  if (y < area.top) index = std::max(0, top_index_ - 1);
  if (y >= area.bottom) index = std::min(Count() - 1, top_index_ + VisibleRows());
  if (index < 0) index = Count() - 1;
  if (index != item_index_) SelectByUser(index, true);
}

void ListBox::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::kLeft) tracking_ = false;
  WinControl::MouseUp(button, shift, x, y);
}

bool ListBox::MouseWheel(ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  const int notches = delta / 120 != 0 ? delta / 120 : (delta > 0 ? 1 : -1);
  SetTopIndex(static_cast<int32_t>(std::clamp<int64_t>(int64_t{top_index_} - int64_t{notches} * kWheelRows, 0, kMaxItems)));
  return true;
}

void ListBox::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == 0 || Count() == 0) return;
  const bool extend = Has(shift, kShift);
  const int32_t current = std::max(item_index_, 0);
  const int32_t page = std::max(1, VisibleRows() - 1);
  switch (key) {
    case platform::kVkUp:
    case platform::kVkLeft:
      SelectByUser(item_index_ < 0 ? 0 : current - 1, extend);
      break;
    case platform::kVkDown:
    case platform::kVkRight:
      SelectByUser(item_index_ < 0 ? 0 : current + 1, extend);
      break;
    case platform::kVkHome:
      SelectByUser(0, extend);
      break;
    case platform::kVkEnd:
      SelectByUser(Count() - 1, extend);
      break;
    case platform::kVkPrior:
      SelectByUser(current - page, extend);
      break;
    case platform::kVkNext:
      SelectByUser(current + page, extend);
      break;
    case platform::kVkSpace:
      if (!multi_select_ || item_index_ < 0) return;
      selected_[static_cast<size_t>(item_index_)] ^= 1;
      Invalidate();
      if (OnSelect) OnSelect(this);
      break;
    case platform::kVkA:
      if (!multi_select_ || !extended_select_ || !Has(shift, kCtrl)) return;
      SelectAll(true);
      if (OnSelect) OnSelect(this);
      break;
    default:
      return;
  }
  key = 0;
}

void ListBox::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  // Control characters and the space (which toggles in a multiple-selection list) do not search.
  if (ch <= U' ' || ch == 0x7F || Count() == 0) return;
  const std::string& text = type_ahead_.Add(ch);
  const int32_t found = FindPrefix(items_, text, TypeAheadStart(text, item_index_, Count()));
  if (found >= 0) SelectByUser(found, false);
  ch = 0;
}

void ListBox::DoEnter() {
  WinControl::DoEnter();
  has_focus_ = true;
  if (item_index_ >= 0) InvalidateRect(ItemRect(item_index_));
}

void ListBox::DoExit() {
  WinControl::DoExit();
  has_focus_ = false;
  tracking_ = false;
  if (item_index_ >= 0) InvalidateRect(ItemRect(item_index_));
}

}  // namespace ui
