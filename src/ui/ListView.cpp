// ListView: items, selection, keys, mouse and painting of the toolkit's list view.
#include "ui/ListView.h"

#include <algorithm>
#include <stdexcept>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "platform/KeyCodes.h"
#include "ui/ImageList.h"
#include "ui/PlainDraw.h"
#include "ui/ScrollBar.h"

namespace ui {

namespace {

constexpr uintptr_t kTypeAheadTimer = 1;
constexpr int kBorder = 2;
constexpr int kTextGap = 4;          // between an image and its caption, and inside report cells
constexpr int32_t kIconCellWidth = 76;

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

ListView::ListView() {
  SetOpaque(true);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(kColorWindow);
  header_ = AddChild(std::make_unique<HeaderControl>());
  header_->OnSectionClick = [this](HeaderControl*, int section) {
    if (OnColumnClick) OnColumnClick(this, section);
  };
  vbar_ = AddChild(std::make_unique<ScrollBar>(ScrollAxis::kVertical));
  hbar_ = AddChild(std::make_unique<ScrollBar>(ScrollAxis::kHorizontal));
  vbar_->OnScroll = [this](ScrollCode code, int32_t position) {
    if (code != kSbEndScroll) ScrollTo(ScrollAxis::kVertical, position);
  };
  hbar_->OnScroll = [this](ScrollCode code, int32_t position) {
    if (code != kSbEndScroll) ScrollTo(ScrollAxis::kHorizontal, position);
  };
  SetBounds(0, 0, 250, 150);
  header_->OnSectionsChange = [this](Component*) {
    UpdateScroll();
    Invalidate();
  };
  UpdateScroll();
}

ListView::~ListView() {
  SetSmallImages(nullptr);
  SetLargeImages(nullptr);
}

// --- style ---

void ListView::SetViewStyle(ViewStyle style) {
  if (style == style_) return;
  // The focused item stays in view across the change of layout.
  style_ = style;
  top_line_ = 0;
  h_offset_ = 0;
  UpdateScroll();
  if (focused_ >= 0) MakeVisible(focused_);
  Invalidate();
}

void ListView::SetMultiSelect(bool v) {
  if (v == multi_select_) return;
  multi_select_ = v;
  if (!v && selection_.Count() > 1) {
    const int32_t keep = focused_ >= 0 && selection_.Contains(focused_) ? focused_ : selection_.First();
    selection_.Clear();
    selection_.Set(keep, true);
    SelectionChanged();
  }
}

void ListView::SetShowColumnHeaders(bool v) {
  if (v == show_column_headers_) return;
  show_column_headers_ = v;
  UpdateScroll();
  Invalidate();
}

void ListView::SetBorder(bool v) {
  if (v == border_) return;
  border_ = v;
  Realign();
  UpdateScroll();
  Invalidate();
}

gfx::Rect ListView::ClientRect() const {
  if (!border_) return WinControl::ClientRect();
  return {kBorder, kBorder, std::max(kBorder, Width() - kBorder), std::max(kBorder, Height() - kBorder)};
}

void ListView::SetListColumnWidth(int32_t w) {
  list_column_width_ = std::max(1, w);
  UpdateScroll();
  Invalidate();
}

void ListView::SetSmallImages(ImageList* images) {
  if (images == small_images_) return;
  if (small_images_ != nullptr && small_images_ != large_images_) RemoveFreeNotification(small_images_);
  small_images_ = images;
  if (images != nullptr) FreeNotification(images);
  header_->SetImages(images);
  UpdateScroll();
  Invalidate();
}

void ListView::SetLargeImages(ImageList* images) {
  if (images == large_images_) return;
  if (large_images_ != nullptr && large_images_ != small_images_) RemoveFreeNotification(large_images_);
  large_images_ = images;
  if (images != nullptr) FreeNotification(images);
  UpdateScroll();
  Invalidate();
}

void ListView::Notification(Component* component, Operation operation) {
  WinControl::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component != small_images_ && component != large_images_) return;
  if (component == small_images_) small_images_ = nullptr;
  if (component == large_images_) large_images_ = nullptr;
  // Rows and cells take their size from the images.
  UpdateScroll();
  Invalidate();
}

int ListView::AddColumn(std::string caption, int32_t width, TextAlignment alignment) {
  const int index = header_->AddSection({std::move(caption), width, alignment, -1});
  UpdateScroll();
  Invalidate();
  return index;
}

// --- items ---

void ListView::SetOwnerData(bool v) {
  if (v == owner_data_) return;
  owner_data_ = v;
  items_.clear();
  owner_count_ = 0;
  selection_.Clear();
  focused_ = anchor_ = -1;
  UpdateScroll();
  Invalidate();
}

int32_t ListView::ItemCount() const { return owner_data_ ? owner_count_ : static_cast<int32_t>(items_.size()); }

void ListView::SetItemCount(int64_t count) {
  if (!owner_data_) throw std::logic_error("列表视图不是虚拟数据模式，不能直接设置项数");
  if (count < 0 || count > kMaxItems) {
    throw std::length_error("列表项数 " + std::to_string(count) + " 无效：应在 0 到 " +
                            std::to_string(kMaxItems) + " 之间");
  }
  owner_count_ = static_cast<int32_t>(count);
  selection_.Truncate(owner_count_);
  if (focused_ >= owner_count_) focused_ = owner_count_ - 1;
  if (anchor_ >= owner_count_) anchor_ = -1;
  UpdateScroll();
  Invalidate();
}

int32_t ListView::AddItem(std::string caption, int image_index, std::vector<std::string> sub_items) {
  if (owner_data_) throw std::logic_error("虚拟数据模式的列表视图不保存列表项");
  if (static_cast<int64_t>(items_.size()) >= kMaxItems) throw std::length_error("列表项过多");
  items_.push_back({std::move(caption), image_index, std::move(sub_items)});
  UpdateScroll();
  Invalidate();
  return static_cast<int32_t>(items_.size()) - 1;
}

void ListView::SetItem(int32_t index, ListItemData data) {
  if (owner_data_) throw std::logic_error("虚拟数据模式的列表视图不保存列表项");
  items_.at(static_cast<size_t>(index)) = std::move(data);
  InvalidateRect(ItemRect(index));
}

void ListView::DeleteItem(int32_t index) {
  if (owner_data_) throw std::logic_error("虚拟数据模式的列表视图不保存列表项");
  if (index < 0 || index >= ItemCount()) throw std::out_of_range("列表项序号超出范围");
  items_.erase(items_.begin() + index);
  // Items after the deleted one move up, and so do their selection marks.
  const bool was_selected = selection_.Contains(index);
  selection_.Erase(index);
  if (focused_ > index || focused_ >= ItemCount()) --focused_;
  if (anchor_ > index || anchor_ >= ItemCount()) --anchor_;
  UpdateScroll();
  Invalidate();
  if (was_selected) SelectionChanged();
}

void ListView::Clear() {
  const bool had_selection = !selection_.Empty();
  items_.clear();
  owner_count_ = 0;
  selection_.Clear();
  focused_ = anchor_ = -1;
  top_line_ = h_offset_ = 0;
  UpdateScroll();
  Invalidate();
  if (had_selection) SelectionChanged();
}

ListItemData ListView::Item(int32_t index) const {
  if (index < 0 || index >= ItemCount()) throw std::out_of_range("列表项序号超出范围");
  if (!owner_data_) return items_[static_cast<size_t>(index)];
  ListItemData data;
  if (OnData) OnData(this, index, data);
  return data;
}

// --- selection ---

void ListView::SelectionChanged() {
  Invalidate();
  if (OnSelectionChange) OnSelectionChange(this);
}

void ListView::SetSelected(int32_t index, bool selected) {
  if (index < 0 || index >= ItemCount() || selection_.Contains(index) == selected) return;
  if (selected && !multi_select_) selection_.Clear();
  selection_.Set(index, selected);
  SelectionChanged();
}

void ListView::SetItemIndex(int32_t index) {
  if (index < 0 || index >= ItemCount()) {
    ClearSelection();
    return;
  }
  ListViewSelection only;
  only.Set(index, true);
  focused_ = anchor_ = index;
  if (only == selection_) return;
  selection_ = only;
  SelectionChanged();
}

void ListView::SelectAll() {
  if (!multi_select_ || ItemCount() == 0) return;
  if (selection_.Count() == ItemCount()) return;
  selection_.Add(0, ItemCount());
  SelectionChanged();
}

void ListView::ClearSelection() {
  if (selection_.Empty()) return;
  selection_.Clear();
  SelectionChanged();
}

void ListView::SetItemFocused(int32_t index) {
  if (index < -1 || index >= ItemCount() || index == focused_) return;
  focused_ = index;
  Invalidate();
}

void ListView::SelectByUser(int32_t target, ShiftState shift, bool toggle) {
  if (target < 0 || target >= ItemCount()) return;
  focused_ = target;
  ListViewSelection next = selection_;
  if (multi_select_ && toggle) {
    next.Set(target, !next.Contains(target));
    anchor_ = target;
  } else if (multi_select_ && Has(shift, kShift) && anchor_ >= 0) {
    next.Clear();
    next.Add(std::min(anchor_, target), std::max(anchor_, target) + 1);
  } else if (multi_select_ && Has(shift, kCtrl)) {
    // Ctrl with a moving key only moves the focus; Ctrl+Space toggles.
  } else {
    next.Clear();
    next.Set(target, true);
    anchor_ = target;
  }
  MakeVisible(target);
  Invalidate();
  if (next == selection_) return;
  selection_ = next;
  SelectionChanged();
}

// --- geometry ---

int32_t ListView::RowHeight() const {
  int32_t h = GetFont().TextHeight() + 3;
  if (small_images_ != nullptr) h = std::max(h, small_images_->Height() + 2);
  return h;
}

ListViewLayout ListView::Layout() const {
  ListViewLayout l;
  l.style = style_;
  l.count = ItemCount();
  const gfx::Rect cr = ClientRect();
  l.area = {0, 0, cr.Width() - (vbar_shown_ ? ScrollBar::kBreadth : 0),
            cr.Height() - (hbar_shown_ ? ScrollBar::kBreadth : 0)};
  l.area.right = std::max(0, l.area.right);
  l.area.bottom = std::max(0, l.area.bottom);
  if (style_ == ViewStyle::kReport && show_column_headers_) l.area.top = std::min(l.area.bottom, header_->Height());
  l.cell_height = RowHeight();
  l.cell_width = list_column_width_;
  l.report_width = header_->SectionsWidth();
  if (style_ == ViewStyle::kIcon) {
    const int32_t image_w = large_images_ != nullptr ? large_images_->Width() : 32;
    const int32_t image_h = large_images_ != nullptr ? large_images_->Height() : 32;
    l.cell_width = std::max(kIconCellWidth, image_w + 2 * kTextGap);
    l.cell_height = image_h + GetFont().TextHeight() + 3 * kTextGap;
  }
  return l;
}

gfx::Rect ListView::ItemRect(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return {};
  return Layout().ItemRect(index, top_line_, h_offset_);
}

int32_t ListView::ItemAt(int x, int y) const { return Layout().ItemAt({x, y}, top_line_, h_offset_); }

int32_t ListView::TopItem() const {
  if (ItemCount() == 0) return -1;
  return static_cast<int32_t>(std::min<int64_t>(ItemCount() - 1, static_cast<int64_t>(top_line_) * Layout().PerLine()));
}

void ListView::MakeVisible(int32_t index) {
  if (index < 0 || index >= ItemCount()) return;
  const ListViewLayout l = Layout();
  const int32_t line = l.LineOf(index);
  int32_t top = top_line_;
  if (line < top) top = line;
  if (line >= top + l.LinesPerPage()) top = line - l.LinesPerPage() + 1;
  ScrollTo(style_ == ViewStyle::kList ? ScrollAxis::kHorizontal : ScrollAxis::kVertical, top);
}

ScrollInfo ListView::VertScrollInfo() const {
  if (style_ == ViewStyle::kList) return {};
  const ListViewLayout l = Layout();
  return {0, std::max(0, l.LineCount() - 1), l.LinesPerPage(), top_line_};
}

ScrollInfo ListView::HorzScrollInfo() const {
  const ListViewLayout l = Layout();
  if (style_ == ViewStyle::kList) return {0, std::max(0, l.LineCount() - 1), l.LinesPerPage(), top_line_};
  if (style_ == ViewStyle::kReport) return {0, std::max(0, l.report_width - 1), std::max(1, l.area.Width()), h_offset_};
  return {};
}

void ListView::Scroll(ScrollAxis axis, ScrollCode code, int32_t thumb) {
  const bool lines = axis == ScrollAxis::kVertical || style_ == ViewStyle::kList;
  const ScrollInfo info = axis == ScrollAxis::kVertical ? VertScrollInfo() : HorzScrollInfo();
  // Sideways in report style a line is a few pixels.
  ScrollTo(axis, ScrolledPosition(info, code, thumb, lines ? 1 : 16));
}

void ListView::ScrollTo(ScrollAxis axis, int32_t position) {
  const bool vertical_lines = axis == ScrollAxis::kVertical && style_ != ViewStyle::kList;
  const bool horizontal_lines = axis == ScrollAxis::kHorizontal && style_ == ViewStyle::kList;
  const ListViewLayout l = Layout();
  if (vertical_lines || horizontal_lines) {
    const int32_t top = std::clamp(position, 0, l.MaxTopLine());
    if (top == top_line_) return;
    top_line_ = top;
  } else if (axis == ScrollAxis::kHorizontal && style_ == ViewStyle::kReport) {
    const int32_t x = std::clamp(position, 0, std::max(0, l.report_width - l.area.Width()));
    if (x == h_offset_) return;
    h_offset_ = x;
    header_->SetOffset(h_offset_);
  } else {
    return;
  }
  Invalidate();
  SyncBars();
  ScrollChanged();
}

void ListView::ClampPosition() {
  const ListViewLayout l = Layout();
  top_line_ = std::clamp(top_line_, 0, l.MaxTopLine());
  h_offset_ = style_ == ViewStyle::kReport ? std::clamp(h_offset_, 0, std::max(0, l.report_width - l.area.Width())) : 0;
  header_->SetOffset(h_offset_);
}

void ListView::UpdateScroll() {
  if (updating_scroll_ || vbar_ == nullptr) return;
  updating_scroll_ = true;
  const gfx::Rect cr = ClientRect();
  // A bar takes room from the other axis, which may then need its own bar: settle in two rounds.
  vbar_shown_ = hbar_shown_ = false;
  for (int round = 0; round < 2 && built_in_bars_; ++round) {
    const ScrollInfo v = VertScrollInfo();
    const ScrollInfo h = HorzScrollInfo();
    vbar_shown_ = v.page > 0 && !v.FitsPage();
    hbar_shown_ = h.page > 0 && !h.FitsPage();
  }
  const int bar = ScrollBar::kBreadth;
  vbar_->SetVisible(vbar_shown_);
  hbar_->SetVisible(hbar_shown_);
  vbar_->SetBounds(cr.Width() - bar, 0, bar, cr.Height() - (hbar_shown_ ? bar : 0));
  hbar_->SetBounds(0, cr.Height() - bar, cr.Width() - (vbar_shown_ ? bar : 0), bar);
  const bool header_shown = style_ == ViewStyle::kReport && show_column_headers_;
  header_->SetVisible(header_shown);
  header_->SetFont(GetFont());
  header_->SetBounds(0, 0, cr.Width() - (vbar_shown_ ? bar : 0), HeaderControl::HeightFor(GetFont()));
  ClampPosition();
  SyncBars();
  updating_scroll_ = false;
  ScrollChanged();
}

void ListView::SyncBars() {
  if (vbar_ == nullptr) return;
  vbar_->SetInfo(VertScrollInfo());
  hbar_->SetInfo(HorzScrollInfo());
  // A line of the report's sideways range is a few pixels.
  hbar_->SetLineStep(style_ == ViewStyle::kReport ? 16 : 1);
}

void ListView::ScrollChanged() {
  if (OnScrollChange) OnScrollChange(this);
}

void ListView::SetBuiltInBars(bool v) {
  if (v == built_in_bars_) return;
  built_in_bars_ = v;
  UpdateScroll();
  Invalidate();
}

void ListView::WndProc(Message& m) {
  if (m.id == kMsgVScroll || m.id == kMsgHScroll) {
    const auto code = static_cast<ScrollCode>(m.wparam & 0xFFFF);
    const auto thumb = static_cast<int32_t>((static_cast<uintptr_t>(m.wparam) >> 16) & 0xFFFF);
    Scroll(m.id == kMsgVScroll ? ScrollAxis::kVertical : ScrollAxis::kHorizontal, code, thumb);
    return;
  }
  WinControl::WndProc(m);
}

void ListView::Resize() {
  WinControl::Resize();
  UpdateScroll();
  Invalidate();
}

void ListView::FontChanged() {
  WinControl::FontChanged();
  UpdateScroll();
  Invalidate();
}

// --- painting ---

void ListView::Paint(gfx::Canvas& canvas) {
  if (border_) {
    const gfx::Rect outer{-kBorder, -kBorder, Width() - kBorder, Height() - kBorder};
    DrawBevel(canvas, outer, false);
    DrawBevel(canvas, {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1}, false);
  }
  const ListViewLayout l = Layout();
  if (vbar_shown_ && hbar_shown_) {
    const gfx::Rect cr = ClientRect();
    canvas.FillRect({l.area.right, l.area.bottom, cr.Width(), cr.Height()}, kColorBtnFace);
  }
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(l.area);
  int32_t first = 0;
  int32_t last = 0;
  l.VisibleRange(top_line_, first, last);
  ListItemData data;
  for (int32_t i = first; i < last; ++i) {
    const gfx::Rect r = l.ItemRect(i, top_line_, h_offset_);
    if (!canvas.IsVisible(r)) continue;
    const bool selected = selection_.Contains(i);
    if (OnDrawItem) {
      OnDrawItem(this, canvas, i, r, selected, i == focused_);
      continue;
    }
    if (owner_data_) {
      data.caption.clear();
      data.image_index = -1;
      data.sub_items.clear();
      if (OnData) OnData(this, i, data);
      PaintItem(canvas, i, data, r);
    } else {
      PaintItem(canvas, i, items_[static_cast<size_t>(i)], r);
    }
  }
}

void ListView::PaintItem(gfx::Canvas& canvas, int32_t index, const ListItemData& data, const gfx::Rect& r) const {
  const bool selected = selection_.Contains(index);
  const bool focused = has_focus_;
  const gfx::Color text_color = selected && focused ? kColorBtnHighlight : GetFont().Color();
  canvas.SetFont(GetFont());
  canvas.Font().SetColor(text_color);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const gfx::DrawTextFlags line = gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtEndEllipsis | gfx::kDtNoPrefix;
  const gfx::Color mark = focused ? kColorHighlight : kColorBtnFace;

  if (style_ == ViewStyle::kIcon) {
    const int32_t iw = large_images_ != nullptr ? large_images_->Width() : 32;
    const int32_t ih = large_images_ != nullptr ? large_images_->Height() : 32;
    if (large_images_ != nullptr) large_images_->Draw(canvas, r.left + (r.Width() - iw) / 2, r.top + kTextGap, data.image_index);
    gfx::Rect text{r.left + 1, r.top + ih + 2 * kTextGap, r.right - 1, r.bottom - kTextGap + 2};
    if (selected) canvas.FillRect(text, mark);
    gfx::Rect t = text;
    canvas.DrawText(t, data.caption, line | gfx::kDtCenter);
    if (index == focused_ && focused) canvas.DrawFocusRect(text);
    return;
  }

  int32_t x = r.left + 2;
  if (small_images_ != nullptr) {
    if (small_images_->ValidIndex(data.image_index)) {
      small_images_->Draw(canvas, x, r.top + (r.Height() - small_images_->Height()) / 2, data.image_index);
    }
    x += small_images_->Width() + kTextGap / 2;
  }
  // The first column's cell (the whole cell in the other styles) holds the caption.
  int32_t first_right = r.right;
  if (style_ == ViewStyle::kReport) first_right = header_->SectionCount() > 0 ? r.left + header_->Section(0).width : r.left;
  int32_t caption_right = first_right;
  if (style_ != ViewStyle::kReport) caption_right = std::min(r.right, x + kTextGap + canvas.TextWidth(data.caption) + kTextGap);
  gfx::Rect caption{x, r.top, caption_right, r.bottom};
  if (selected) canvas.FillRect(caption, mark);
  gfx::Rect t{caption.left + kTextGap / 2, caption.top, caption.right - kTextGap / 2, caption.bottom};
  canvas.DrawText(t, data.caption, line);
  if (index == focused_ && focused) canvas.DrawFocusRect(caption);
  if (style_ != ViewStyle::kReport) return;

  canvas.Font().SetColor(GetFont().Color());
  int32_t left = first_right;
  for (int c = 1; c < header_->SectionCount(); ++c) {
    const HeaderSection& s = header_->Section(c);
    const size_t sub = static_cast<size_t>(c - 1);
    if (sub < data.sub_items.size() && s.width > 2 * kTextGap) {
      gfx::Rect cell{left + kTextGap, r.top, left + s.width - kTextGap, r.bottom};
      gfx::DrawTextFlags flags = line;
      if (s.alignment == TextAlignment::kRight) flags = flags | gfx::kDtRight;
      if (s.alignment == TextAlignment::kCenter) flags = flags | gfx::kDtCenter;
      canvas.DrawText(cell, data.sub_items[sub], flags);
    }
    left += s.width;
  }
}

// --- input ---

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
