// ListView: keys, type-ahead, mouse and wheel.
#include <algorithm>

#include "gfx/TextUtf8.h"
#include "platform/KeyCodes.h"
#include "ui/ListView.h"

namespace ui {

namespace {

constexpr uintptr_t kTypeAheadTimer = 1;

// Lower-cases ASCII letters only: other scripts compare as typed.
std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool StartsWithFolded(const std::string& caption, const std::string& folded_prefix) {
  if (caption.size() < folded_prefix.size()) return false;
  return Folded(std::string_view(caption).substr(0, folded_prefix.size())) == folded_prefix;
}

}  // namespace

bool ListView::WantsKey(uint16_t key) const {
  switch (key) {
    case platform::kVkUp:
    case platform::kVkDown:
    case platform::kVkLeft:
    case platform::kVkRight:
    case platform::kVkHome:
    case platform::kVkEnd:
    case platform::kVkPrior:
    case platform::kVkNext:
    case platform::kVkReturn:
      return true;
    default:
      return false;
  }
}

void ListView::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  const int32_t count = ItemCount();
  if (key == 0 || count == 0) return;
  const ListViewLayout l = Layout();
  const int64_t per = l.PerLine();
  const int64_t page = per * std::max(1, l.LinesPerPage() - (style_ == ViewStyle::kList ? 0 : 1));
  const int64_t from = focused_ >= 0 ? focused_ : -1;
  int64_t target = -2;
  // Along the lines (rows in report and icon styles, columns in list style) and across them.
  const int64_t down = style_ == ViewStyle::kList ? 1 : per;
  const int64_t right = style_ == ViewStyle::kList ? per : 1;
  switch (key) {
    case platform::kVkUp: target = from - down; break;
    case platform::kVkDown: target = from + down; break;
    case platform::kVkLeft:
      if (style_ == ViewStyle::kReport) {
        Scroll(ScrollAxis::kHorizontal, kSbLineUp);
        key = 0;
        return;
      }
      target = from - right;
      break;
    case platform::kVkRight:
      if (style_ == ViewStyle::kReport) {
        Scroll(ScrollAxis::kHorizontal, kSbLineDown);
        key = 0;
        return;
      }
      target = from + right;
      break;
    case platform::kVkHome: target = 0; break;
    case platform::kVkEnd: target = count - 1; break;
    case platform::kVkPrior: target = from - page; break;
    case platform::kVkNext: target = from + page; break;
    case platform::kVkSpace:
      if (focused_ >= 0 && multi_select_ && Has(shift, kCtrl)) SelectByUser(focused_, shift, true);
      else if (focused_ >= 0) SelectByUser(focused_, shift, false);
      key = 0;
      return;
    case platform::kVkA:
      if (!Has(shift, kCtrl)) return;
      SelectAll();
      key = 0;
      return;
    case platform::kVkReturn:
      if (focused_ >= 0 && OnActivate) OnActivate(this, focused_);
      key = 0;
      return;
    default:
      return;
  }
  const uint16_t pressed = key;
  key = 0;
  // With nothing focused yet, a key that moves relative to the focus starts at the first item.
  if (from < 0 && pressed != platform::kVkHome && pressed != platform::kVkEnd) target = 0;
  target = std::clamp<int64_t>(target, 0, count - 1);
  typed_.clear();
  SelectByUser(static_cast<int32_t>(target), shift, false);
}

void ListView::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  if (ch < 0x20 || ch == 0x7F || ItemCount() == 0) return;
  if (ch == U' ' && typed_.empty()) return;  // Space selects (KeyDown) unless it continues a search
  const bool continuing = !typed_.empty();
  gfx::AppendUtf8(typed_, ch);
  SetTimer(kTypeAheadTimer, kTypeAheadPauseMs);
  // A new search starts after the focused item; a longer prefix may still match the focused one.
  const int32_t start = focused_ < 0 ? 0 : (continuing ? focused_ : (focused_ + 1) % ItemCount());
  const int32_t found = FindByPrefix(typed_, start);
  ch = 0;
  if (found >= 0) SelectByUser(found, kShiftNone, false);
}

int32_t ListView::FindByPrefix(const std::string& prefix, int32_t start) const {
  const std::string folded = Folded(prefix);
  const int32_t count = ItemCount();
  if (owner_data_) {
    if (OnDataFind) return OnDataFind(this, folded, start);
    if (!OnData) return -1;
  }
  const int32_t limit = owner_data_ ? std::min(count, kOwnerDataSearchLimit) : count;
  ListItemData data;
  for (int32_t n = 0; n < limit; ++n) {
    const int32_t i = static_cast<int32_t>((static_cast<int64_t>(start) + n) % count);
    if (owner_data_) {
      data.caption.clear();
      OnData(this, i, data);
      if (StartsWithFolded(data.caption, folded)) return i;
    } else if (StartsWithFolded(items_[static_cast<size_t>(i)].caption, folded)) {
      return i;
    }
  }
  return -1;
}

void ListView::TimerTick(uintptr_t id) {
  WinControl::TimerTick(id);
  if (id != kTypeAheadTimer) return;
  KillTimer(kTypeAheadTimer);
  typed_.clear();
}

void ListView::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (CanFocus() && !Focused()) SetFocus();
  typed_.clear();
  const int32_t hit = ItemAt(x, y);
  if (button == MouseButton::kLeft) {
    if (hit < 0) {
      if (!Has(shift, kCtrl) && !Has(shift, kShift)) ClearSelection();
      return;
    }
    SelectByUser(hit, shift, Has(shift, kCtrl) && !Has(shift, kShift));
    return;
  }
  // A right click on an item outside the selection selects it, so a context menu acts on it.
  if (button == MouseButton::kRight && hit >= 0 && !selection_.Contains(hit)) SelectByUser(hit, kShiftNone, false);
}

void ListView::DblClick() {
  WinControl::DblClick();
  if (focused_ >= 0 && selection_.Contains(focused_) && OnActivate) OnActivate(this, focused_);
}

bool ListView::MouseWheel(ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  const int notches = delta / 120 != 0 ? delta / 120 : (delta > 0 ? 1 : -1);
  if (style_ == ViewStyle::kList) {
    ScrollTo(ScrollAxis::kHorizontal, top_line_ - notches);
    return true;
  }
  ScrollTo(ScrollAxis::kVertical, static_cast<int32_t>(std::clamp<int64_t>(
                                      static_cast<int64_t>(top_line_) - static_cast<int64_t>(notches) * kWheelLines,
                                      0, INT32_MAX)));
  return true;
}

void ListView::DoEnter() {
  has_focus_ = true;
  WinControl::DoEnter();
  Invalidate();
}

void ListView::DoExit() {
  has_focus_ = false;
  WinControl::DoExit();
  Invalidate();
}

}  // namespace ui
