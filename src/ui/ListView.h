// ListView: the toolkit's list of items in list, icon, small-icon and report styles, holding its
// items or, with owner data, only their count.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/HeaderControl.h"
#include "ui/ListViewLayout.h"
#include "ui/ListViewSelection.h"
#include "ui/ScrollInfo.h"
#include "ui/WinControl.h"

namespace ui {

class ImageList;
class ScrollBar;

// What an item shows: its caption, its image and, in report style, one text per further column.
struct ListItemData {
  std::string caption;
  int image_index = -1;
  std::vector<std::string> sub_items;
};

class ListView : public WinControl {
 public:
  // The most items a list view holds: item numbers are 32-bit, and one past the last must be too.
  static constexpr int64_t kMaxItems = INT32_MAX - 1;
  // A type-ahead search restarts after this pause between keys.
  static constexpr uint32_t kTypeAheadPauseMs = 1000;
  // Without OnDataFind, a type-ahead search in owner data asks OnData for at most this many items,
  // so a key press never walks millions of them.
  static constexpr int32_t kOwnerDataSearchLimit = 10000;
  // Lines a wheel notch scrolls.
  static constexpr int kWheelLines = 3;

  ListView();
  ~ListView() override;

  // --- style ---
  ViewStyle GetViewStyle() const { return style_; }
  void SetViewStyle(ViewStyle style);
  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool v);
  bool ShowColumnHeaders() const { return show_column_headers_; }
  void SetShowColumnHeaders(bool v);
  // The sunken two-pixel border; a control that draws its own frame turns it off.
  bool Border() const { return border_; }
  void SetBorder(bool v);
  // Width of a column of items in list style and of a cell in small-icon style.
  int32_t ListColumnWidth() const { return list_column_width_; }
  void SetListColumnWidth(int32_t w);
  ImageList* SmallImages() const { return small_images_; }
  void SetSmallImages(ImageList* images);
  ImageList* LargeImages() const { return large_images_; }
  void SetLargeImages(ImageList* images);

  // --- columns (report style), held by the header's sections ---
  HeaderControl* Header() const { return header_; }
  int ColumnCount() const { return header_->SectionCount(); }
  int AddColumn(std::string caption, int32_t width, TextAlignment alignment = TextAlignment::kLeft);

  // --- items ---
  // With owner data the list holds only a count; OnData supplies what an item shows when it is
  // painted or searched. Switching drops the items and the selection.
  bool OwnerData() const { return owner_data_; }
  void SetOwnerData(bool v);
  int32_t ItemCount() const;
  // Owner data only: sets the count. Throws std::length_error with a message for a negative count
  // or one above kMaxItems, and std::logic_error without owner data.
  void SetItemCount(int64_t count);
  // Held items (not owner data): add, change, delete, clear. Return the index added.
  int32_t AddItem(std::string caption, int image_index = -1, std::vector<std::string> sub_items = {});
  void SetItem(int32_t index, ListItemData data);
  void DeleteItem(int32_t index);
  void Clear();
  // What item `index` shows (from OnData with owner data).
  ListItemData Item(int32_t index) const;

  // --- selection and focus ---
  bool Selected(int32_t index) const { return selection_.Contains(index); }
  void SetSelected(int32_t index, bool selected);
  int64_t SelCount() const { return selection_.Count(); }
  const ListViewSelection& Selection() const { return selection_; }
  // The first selected item (-1: none); setting selects only that item and focuses it.
  int32_t ItemIndex() const { return selection_.First(); }
  void SetItemIndex(int32_t index);
  void SelectAll();
  void ClearSelection();
  int32_t ItemFocused() const { return focused_; }
  void SetItemFocused(int32_t index);

  // --- geometry and scrolling ---
  // An item's rectangle in client coordinates (outside the client area when scrolled away).
  gfx::Rect ItemRect(int32_t index) const;
  int32_t ItemAt(int x, int y) const;
  // The first item shown and how many whole lines fit.
  int32_t TopItem() const;
  int32_t VisibleLineCount() const { return Layout().LinesPerPage(); }
  // Scrolls so the item shows whole.
  void MakeVisible(int32_t index);
  // The ranges: rows (report, icon styles) or columns (list style) as lines; the report style's
  // horizontal range in pixels. An axis the style does not scroll reads as an empty range.
  ScrollInfo VertScrollInfo() const;
  ScrollInfo HorzScrollInfo() const;
  // Moves one axis as a bar's scroll code asks (thumb: the position for the thumb codes).
  void Scroll(ScrollAxis axis, ScrollCode code, int32_t thumb = 0);
  // Sets an axis's position directly (clamped).
  void ScrollTo(ScrollAxis axis, int32_t position);
  // The built-in bars; a skinned control hides them and shows its own. kMsgVScroll and kMsgHScroll
  // reach Scroll through the window procedure too.
  bool BuiltInBars() const { return built_in_bars_; }
  void SetBuiltInBars(bool v);
  ScrollBar* VertBar() const { return vbar_; }
  ScrollBar* HorzBar() const { return hbar_; }

  // --- events ---
  // Owner data: fill `out` for item `index`.
  std::function<void(const ListView* sender, int32_t index, ListItemData& out)> OnData;
  // Owner data: the first item at or after `start` (wrapping) whose caption starts with `prefix`
  // (compared without case), or -1; type-ahead uses it instead of asking OnData item by item.
  std::function<int32_t(const ListView* sender, const std::string& prefix, int32_t start)> OnDataFind;
  // After the user or the program changed the selection (once per change, however many items).
  NotifyEvent OnSelectionChange;
  // Double click on an item or Enter on the focused one.
  std::function<void(ListView* sender, int32_t index)> OnActivate;
  std::function<void(ListView* sender, int column)> OnColumnClick;
  // Fired when the scroll position or range changes, so external bars can follow.
  NotifyEvent OnScrollChange;
  // Draws an item instead of the default (canvas in client coordinates).
  std::function<void(ListView* sender, gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect,
                     bool selected, bool focused)>
      OnDrawItem;

  bool WantsKey(uint16_t key) const override;
  bool WantsChars() const override { return true; }
  gfx::Rect ClientRect() const override;

 protected:
  // Called after the scroll position, a range or the header's visibility changed; fires
  // OnScrollChange. A control that shows its own bars follows the ranges here.
  virtual void ScrollChanged();
  void WndProc(Message& m) override;
  void Paint(gfx::Canvas& canvas) override;
  void Resize() override;
  void FontChanged() override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void DblClick() override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void TimerTick(uintptr_t id) override;
  void DoEnter() override;
  void DoExit() override;
  void Notification(Component* component, Operation operation) override;

 private:
  static constexpr int kBorder = 2;
  static constexpr int kTextGap = 4;  // between an image and its caption, and inside report cells
  static constexpr int32_t kIconCellWidth = 76;

  ListViewLayout Layout() const;
  int32_t RowHeight() const;
  // Lays out the header and the built-in bars for the current ranges, then clamps the position.
  void UpdateScroll();
  void ClampPosition();
  // Gives the built-in bars the current ranges.
  void SyncBars();
  void PaintItem(gfx::Canvas& canvas, int32_t index, const ListItemData& data, const gfx::Rect& r) const;
  // Moves the focus to `target` as a click or key with `shift` does, and scrolls it into view.
  void SelectByUser(int32_t target, ShiftState shift, bool toggle);
  int32_t FindByPrefix(const std::string& prefix, int32_t start) const;
  void SelectionChanged();

  ViewStyle style_ = ViewStyle::kReport;
  bool multi_select_ = false;
  bool show_column_headers_ = true;
  bool border_ = true;
  bool owner_data_ = false;
  bool built_in_bars_ = true;
  bool vbar_shown_ = false;
  bool hbar_shown_ = false;
  bool updating_scroll_ = false;
  bool has_focus_ = false;  // between the focus arriving and leaving: the selection shows highlighted
  int32_t list_column_width_ = 150;
  int32_t owner_count_ = 0;
  std::vector<ListItemData> items_;
  ListViewSelection selection_;
  int32_t focused_ = -1;
  int32_t anchor_ = -1;  // where a Shift range starts
  int32_t top_line_ = 0;
  int32_t h_offset_ = 0;  // report style, pixels
  std::string typed_;
  ImageList* small_images_ = nullptr;
  ImageList* large_images_ = nullptr;
  HeaderControl* header_ = nullptr;
  ScrollBar* vbar_ = nullptr;
  ScrollBar* hbar_ = nullptr;
};

}  // namespace ui
