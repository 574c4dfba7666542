// TabControl: a row of tabs on one side of a page area, with a change event, scrolling and keys.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/WinControl.h"

namespace ui {

class ImageList;

enum class TabPosition { kTop, kBottom, kLeft, kRight };

// A handler that may veto a tab change by setting allow to false.
using TabChangingEvent = std::function<void(Control* sender, bool& allow)>;

// The tabs lie in one line along the side given by TabPosition. Top and bottom tabs run from left to
// right; left and right tabs are laid lying down, from top to bottom, their captions turned to read
// upwards (left) or downwards (right). A tab is TabWidth long along the line (0: measured from its
// caption and image) and TabHeight thick (0: from the font and the images).
//
// When top or bottom tabs do not fit, the line scrolls: the first tabs move off to the left (their
// rectangles end at or before x = 0) and two scroll buttons at the line's right end step through
// them. A control built on this one may hide those buttons and scroll with ScrollTabs itself.
//
// A user's change (a click, a key) asks OnChanging first, which may veto it, then selects the tab
// and fires OnChange; setting TabIndex from code fires neither.
class TabControl : public WinControl {
 public:
  static constexpr int kNoTab = -1;
  // The built-in scroll buttons: two squares of the tab height, at most this wide together.
  static constexpr int32_t kScrollButtonsWidth = 34;

  TabControl();
  ~TabControl() override;

  // --- tabs ---
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  // Inserts a tab at index (clamped to 0..TabCount()); returns its index.
  int InsertTab(int index, std::string caption, int image_index = -1);
  int AddTab(std::string caption, int image_index = -1) { return InsertTab(TabCount(), std::move(caption), image_index); }
  // Removes the tab (nothing for an index out of range); the selection stays on the same tab when
  // it remains, and moves to its neighbour when the selected tab goes.
  void DeleteTab(int index);
  void ClearTabs();
  const std::string& TabCaption(int index) const { return tabs_.at(static_cast<size_t>(index)).caption; }
  void SetTabCaption(int index, std::string caption);
  int TabImageIndex(int index) const { return tabs_.at(static_cast<size_t>(index)).image_index; }
  void SetTabImageIndex(int index, int image_index);

  // The selected tab, or kNoTab. An index out of range selects nothing.
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index);

  // --- look and layout ---
  TabPosition GetTabPosition() const { return position_; }
  void SetTabPosition(TabPosition p);
  // The asked tab size (0: automatic). Setting either runs ItemSizeRule.
  int32_t TabWidth() const { return tab_width_; }
  void SetTabWidth(int32_t w);
  int32_t TabHeight() const { return tab_height_; }
  void SetTabHeight(int32_t h);
  // The size the tabs are laid out with (0: measured), both at once as one re-layout. It follows
  // TabWidth and TabHeight unless a control built on this one sets it from elsewhere.
  void SetTabItemSize(int32_t width, int32_t height);
  int32_t ItemWidth() const { return item_width_; }
  int32_t ItemHeight() const { return item_height_; }
  ImageList* Images() const { return images_; }
  // Not owned; forgotten when the list is destroyed.
  void SetImages(ImageList* images);
  // Whether the built-in scroll buttons appear when the tabs overflow (on by default).
  bool ScrollButtonsShown() const { return scroll_buttons_shown_; }
  void SetScrollButtonsShown(bool shown);

  // The rectangle of tab `index` as the tab line lays it out (client coordinates); empty for an
  // index out of range. Scrolled-away tabs lie left of x = 0.
  gfx::Rect TabRect(int index) const;
  // The rectangle a tab is drawn and hit in. The same as TabRect here; a control built on this one
  // may move it.
  virtual gfx::Rect TabItemRect(int index) const { return TabRect(index); }
  // The tab under a client point, or kNoTab.
  int TabAtPoint(gfx::Point p) const;
  // The page area inside the frame, where a page's content goes.
  virtual gfx::Rect DisplayRect() const;
  // The frame around the page area: the client area without the tab line.
  gfx::Rect FrameRect() const;

  // --- scrolling (top and bottom tabs) ---
  // How many tabs are scrolled away at the left.
  int FirstVisibleTab() const { return first_tab_; }
  // The highest first tab that still leaves the line filled: 0 when every tab fits.
  int MaxFirstVisibleTab() const;
  // Scrolls so that `first` (clamped to 0..MaxFirstVisibleTab()) is the first tab shown.
  void ScrollTabs(int first);
  // Whether the tabs do not fit the line, so it scrolls.
  bool Overflowing() const;
  // The right end of the room the tabs have before they count as hidden, reserving `scroller_width`
  // for a scroller at the line's end.
  int32_t TabLineEnd(int32_t scroller_width) const;
  // Where the built-in scroll buttons lie (empty while they are not shown); [0] steps left, [1] right.
  gfx::Rect ScrollButtonRect(int which) const;

  // --- user changes ---
  // Selects a tab as a user does: OnChanging may veto; returns whether the selection moved.
  bool ChangeTab(int index);
  // The next (or previous) tab, wrapping round; false when there is nothing to move to.
  bool SelectNextTab(bool forward);

  bool WantsKey(uint16_t key) const override;
  bool HandleDialogKey(uint16_t key, ShiftState shift) override;

  TabChangingEvent OnChanging;
  NotifyEvent OnChange;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void Resize() override;
  void FontChanged() override;
  void Notification(Component* component, Operation operation) override;
  // kMsgHScroll scrolls the tab line: the thumb codes to that first tab, the line codes by one tab.
  void WndProc(Message& m) override;

  // Asks OnChanging; false vetoes.
  virtual bool CanChange();
  // After a user's change: fires OnChange.
  virtual void Change();
  // Called whenever the layout of the tabs changed (tabs, sizes, position, scrolling, resizing).
  virtual void TabsChanged();
  // Turns TabWidth and TabHeight into the item size; the base takes them as they are.
  virtual void ItemSizeRule() { SetTabItemSize(tab_width_, tab_height_); }
  // The room kept free at the line's end for a scroller while the tabs overflow.
  virtual int32_t ScrollerReserve() const { return scroll_buttons_shown_ ? kScrollButtonsWidth : 0; }
  // Between the two, changes of the tabs are laid out once, at the end.
  void BeginUpdate();
  void EndUpdate();
  // Whether the tabs lie along the top or bottom edge.
  bool Horizontal() const { return position_ == TabPosition::kTop || position_ == TabPosition::kBottom; }
  // The thickness of the tab line: the tab height, measured when TabHeight is 0.
  int32_t TabThickness() const;
  // The length of tab `index` along the line.
  int32_t TabLength(int index) const;
  // Draws one tab of the plain look into r.
  void DrawPlainTab(gfx::Canvas& canvas, int index, const gfx::Rect& r, bool selected);
  void DrawScrollButtons(gfx::Canvas& canvas);

 private:
  struct Tab {
    std::string caption;
    int image_index = -1;
    mutable int32_t length = -1;  // measured length along the line, -1 until measured
  };
  // After a change of the tabs or their sizes; remeasure_all forgets every measured length.
  void Relayout(bool remeasure_all = false);
  // Fills the measurement cache: the tab thickness and where each tab starts along the line.
  void Measure() const;
  // Keeps the first tab within range and the selected tab in view.
  void ClampScroll();
  void MakeTabVisible(int index);

  std::vector<Tab> tabs_;
  int tab_index_ = kNoTab;
  TabPosition position_ = TabPosition::kTop;
  int32_t tab_width_ = 0;
  int32_t tab_height_ = 0;
  int32_t item_width_ = 0;
  int32_t item_height_ = 0;
  ImageList* images_ = nullptr;
  bool scroll_buttons_shown_ = true;
  int first_tab_ = 0;
  int update_depth_ = 0;
  bool relayout_pending_ = false;
  mutable bool measured_ = false;
  mutable int32_t thickness_ = 0;
  mutable std::vector<int64_t> starts_;  // starts_[i]: the length of the tabs before tab i
};

}  // namespace ui
