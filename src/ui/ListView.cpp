// ListView: style, items, selection, geometry and scrolling of the toolkit's list view.
#include "ui/ListView.h"

#include <algorithm>
#include <stdexcept>

#include "ui/ImageList.h"
#include "ui/ScrollBar.h"

namespace ui {

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
    // The message carries a thumb position of 16 bits only; bars of longer lists call ScrollTo.
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

}  // namespace ui
