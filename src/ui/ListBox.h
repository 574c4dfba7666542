// ListBox: the toolkit's plain list box: a column of text rows of one height, with single or
// multiple selection, type-ahead, keys, wheel and its own two scroll bars.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/ScrollInfo.h"
#include "ui/TypeAhead.h"
#include "ui/WinControl.h"

namespace ui {

class ScrollBar;

enum class ListBoxStyle : uint8_t { kStandard, kOwnerDrawFixed };

// The state a row is drawn in.
enum ListItemState : uint8_t { kItemNone = 0, kItemSelected = 1, kItemFocused = 2, kItemDisabled = 4 };

class ListBox : public WinControl {
 public:
  // Rows beyond this number are refused: their row offsets would leave the scroll range's 32 bits.
  static constexpr int32_t kMaxItems = 16 * 1024 * 1024;
  // Rows one wheel notch scrolls.
  static constexpr int32_t kWheelRows = 3;

  ListBox();
  ~ListBox() override;

  // --- items ---
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  const std::string& Item(int32_t index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  // Appends (or, when Sorted, inserts in order) and returns the item's index. Throws
  // std::length_error beyond kMaxItems. A sorted insert moves every item after it, so a large list
  // is better given at once with SetItems, which sorts once.
  int32_t AddItem(std::string text);
  // Index -1 or Count() appends; a sorted list places the item in order whatever the index.
  void InsertItem(int32_t index, std::string text);
  void DeleteItem(int32_t index);
  void SetItem(int32_t index, std::string text);
  // Replaces every item at once (sorted once when Sorted); the selection is cleared.
  void SetItems(std::vector<std::string> items);
  void Clear();
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  // --- selection ---
  // The current row: the selected one, or the one with the focus rectangle in a multiple-selection
  // list. -1 for none; an index outside the items clears it. Programmatic changes fire nothing.
  int32_t ItemIndex() const { return item_index_; }
  void SetItemIndex(int32_t index);
  // Several rows may be selected: a click toggles one, or with ExtendedSelect a click selects one,
  // Ctrl+click toggles and Shift+click or Shift+keys select a run from the anchor.
  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool v);
  bool ExtendedSelect() const { return extended_select_; }
  void SetExtendedSelect(bool v) { extended_select_ = v; }
  bool Selected(int32_t index) const;
  void SetSelected(int32_t index, bool selected);
  int32_t SelCount() const;
  void SelectAll(bool selected);

  // --- geometry ---
  int32_t ItemHeight() const { return item_height_; }
  void SetItemHeight(int32_t height);
  int32_t TopIndex() const { return top_index_; }
  void SetTopIndex(int32_t index);
  // Whole rows that fit the list area (at least 1).
  int32_t VisibleRows() const;
  // The rows area: the client area less the border and the shown built-in bars.
  gfx::Rect ListArea() const;
  // A row's rectangle in client coordinates (also for rows scrolled out of view).
  gfx::Rect ItemRect(int32_t index) const;
  // The row under a client point; -1 outside the rows, or with `existing` below the last item
  // (otherwise the row number the point would have).
  int32_t ItemAtPos(gfx::Point p, bool existing) const;
  // Scrolls the least amount that shows the row whole.
  void MakeVisible(int32_t index);

  // A plain sunken border of 2 pixels (on at creation).
  bool Border() const { return border_; }
  void SetBorder(bool v);

  // --- horizontal scrolling ---
  // The width in pixels the rows can be scrolled across (0: none).
  int32_t HorizontalExtent() const { return horizontal_extent_; }
  void SetHorizontalExtent(int32_t pixels);
  // How far the rows are scrolled to the left, in pixels.
  int32_t HorizontalOffset() const { return horizontal_offset_; }
  void SetHorizontalOffset(int32_t pixels);

  // --- scrolling ---
  // Rows: min 0, max Count() - 1, page VisibleRows(), position TopIndex().
  ScrollInfo VertScrollInfo() const;
  // Pixels: min 0, max HorizontalExtent() - 1, page the rows' width, position HorizontalOffset().
  ScrollInfo HorzScrollInfo() const;
  // Moves the rows as a scroll code asks (kMsgVScroll/kMsgHScroll do the same, their thumb position
  // carrying 16 bits only).
  void Scroll(ScrollAxis axis, ScrollCode code, int32_t thumb);
  // Whether the list shows its own bars when the rows overflow (on at creation). A skinned list turns
  // them off and shows its own, reading the ranges above.
  bool BuiltInBars() const { return built_in_bars_; }
  void SetBuiltInBars(bool v);
  // The built-in bars (null while hidden).
  ScrollBar* VertBar() const;
  ScrollBar* HorzBar() const;

  // --- drawing ---
  ListBoxStyle Style() const { return style_; }
  void SetStyle(ListBoxStyle style);
  // Owner drawing (kOwnerDrawFixed): draws one row into the canvas inside `rect` in `state`
  // (ListItemState bits); the canvas is clipped to the row.
  std::function<void(ListBox& sender, gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state)>
      OnDrawItem;

  // The user changed the current row or the selection (keys, mouse, type-ahead).
  NotifyEvent OnSelect;
  // The rows scrolled or their ranges changed (items added or deleted, size, item height).
  NotifyEvent OnScrollChange;

  bool WantsKey(uint16_t key) const override;
  bool WantsChars() const override { return true; }
  // Whether the focus arrived and has not left (the rows show it with the focus rectangle).
  bool HasFocus() const { return has_focus_; }

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas& canvas) override;
  void WndProc(Message& m) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void DoEnter() override;
  void DoExit() override;
  void Resize() override;

  // Draws one row: owner drawing when asked for, else DrawItemDefault. `rect` is in client
  // coordinates and the canvas is clipped to it.
  virtual void DrawItem(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state);
  // The plain row: highlight fill and text when selected, a focus rectangle when focused.
  void DrawItemDefault(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state);
  // Fills the part of the list area below the last row.
  virtual void DrawEmptyArea(gfx::Canvas& canvas, const gfx::Rect& rect);
  // The state a row is drawn in now.
  uint8_t ItemState(int32_t index) const;
  // Moves the current row as the user does: selects it (a run from the anchor with `extend`), shows
  // it and fires OnSelect.
  void SelectByUser(int32_t index, bool extend);
  // Called after the ranges or the positions changed: places the built-in bars, fires OnScrollChange.
  virtual void ScrollChanged();

 private:
  void ClampTop();
  void ShowBars();
  void RangeSelect(int32_t from, int32_t to);

  std::vector<std::string> items_;
  // One byte per item, kept only for a multiple-selection list.
  std::vector<uint8_t> selected_;
  bool sorted_ = false;
  bool multi_select_ = false;
  bool extended_select_ = false;
  int32_t item_index_ = -1;
  int32_t anchor_ = -1;
  int32_t item_height_ = 16;
  int32_t top_index_ = 0;
  int32_t horizontal_extent_ = 0;
  int32_t horizontal_offset_ = 0;
  bool border_ = true;
  bool built_in_bars_ = true;
  bool tracking_ = false;
  bool has_focus_ = false;
  bool in_scroll_changed_ = false;
  ListBoxStyle style_ = ListBoxStyle::kStandard;
  TypeAhead type_ahead_;
  ScrollBar* vbar_ = nullptr;
  ScrollBar* hbar_ = nullptr;
};

}  // namespace ui
