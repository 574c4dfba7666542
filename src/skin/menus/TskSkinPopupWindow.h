// TskSkinPopupWindow: one open level of a menu: a popup surface showing the sub-items of one menu item.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "skin/menus/TskSkinMenuItem.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"

namespace ui {
class ImageList;
}

namespace skin {

class TskDataSkinMenuItem;
class TskDataSkinPopupWindow;
class TskSkinData;
class TskSkinMenu;

// The window never takes the activation or the keyboard: its form keeps both. Its input comes from
// its own 50 ms cursor polling, the button releases it receives, and the keys its engine passes on.
//
//   +--------------------------+  the items area: the skin's itemsrect grown with the window, or
//   | [^ scroll marker, 10 px] |  (2, 2, width - 2, height - 2) in the default look; while the items
//   | glyph | caption  shortcut|  do not fit into the work area the window is as high as the work
//   | glyph | caption        > |  area and a 10-pixel scroll marker band lies at each end of it
//   | [v scroll marker, 10 px] |
//   +--------------------------+
class TskSkinPopupWindow : public ui::Form, private ui::MenuItemObserver {
 public:
  static constexpr uintptr_t kScrollTimerId = 1;
  static constexpr uintptr_t kPollTimerId = 2;
  static constexpr uintptr_t kBlendTimerId = 3;
  static constexpr uint32_t kPollIntervalMs = 50;
  static constexpr uint32_t kBlendIntervalMs = 20;
  static constexpr uint32_t kScrollIntervalMs = 100;
  static constexpr int32_t kScrollMarkerHeight = 10;

  // `data` null (or an empty skin, or a popup record without a window picture) gives the default look.
  TskSkinPopupWindow(TskSkinMenu& engine, TskSkinData* data);
  ~TskSkinPopupWindow() override;

  // Builds the level for the sub-items of parent_item from first_index on, places it by the anchor
  // and shows it without taking the activation.
  void ShowAt(const gfx::Rect& anchor, ui::MenuItem* parent_item, bool upward, bool is_submenu, int first_index,
              bool first_level);
  // Ends the level for good: timers stop, the window hides and lets go of the items. The engine
  // frees it later.
  void Shut();
  bool IsShut() const { return shut_; }

  // --- state ---
  ui::MenuItem* ParentItem() const { return parent_item_; }
  bool Skinned() const { return popup_record_ != nullptr; }
  const std::vector<TskSkinMenuItem>& ItemObjects() const { return items_; }
  int HighlightIndex() const { return highlight_; }
  bool NeedsScroll() const { return needs_scroll_; }
  int FirstVisible() const { return first_visible_; }
  int VisibleItemCount() const { return visible_count_; }
  // 0 none, 1 up, 2 down.
  int ScrollDirection() const { return scroll_direction_; }
  const gfx::Rect& CurrentItemsRect() const { return items_rect_; }
  int32_t GlyphColumnWidth() const { return glyph_column_width_; }
  const gfx::Font& WindowFont() const { return window_font_; }
  // The item's rectangle in screen coordinates.
  gfx::Rect ScreenItemRect(int index) const;
  // The index of the shown item under a window point, or -1.
  int ItemAt(gfx::Point p) const;
  // The first item that can be chosen (enabled, not a separator) in the given direction, or -1.
  int FirstSelectable() const;

  // --- input (from the engine and the window's own handlers) ---
  void KeyDown(uint16_t key);
  // The hover step at a window point.
  void HoverAt(gfx::Point p);
  // A button release at a window point.
  void ReleaseAt(gfx::Point p, bool left_button);
  // Clicks item i: runs it, or opens its submenu at once.
  void ClickItem(int i);
  // The mark of the item whose submenu is open: set when it opens, cleared when it closes.
  void MarkSubmenuOpen(int i);
  void SubmenuClosed();
  // The submenu delay ran out for this item: it is run and its submenu opens.
  void OpenPendingSubmenu(ui::MenuItem* item);
  // Polls the cursor once (what the 50 ms timer does).
  void PollCursor();
  // One step of scrolling (what the 100 ms timer does).
  void ScrollStep();

 protected:
  void WndProc(ui::Message& m) override;
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas&) override {}

 private:
  void MenuItemChanged(ui::MenuItem* item, Change change) override;

  // Building.
  void ChooseFont();
  void MakeItems(int first_index);
  int32_t ItemHeight(const ui::MenuItem& item) const;
  int32_t ItemTextWidth(const ui::MenuItem& item) const;
  gfx::Size ComputeSize();
  void ComputeGeometry(gfx::Size size);
  void LayoutItems();
  void ApplyRegion();
  void ApplyAlpha(bool first_level);

  // Items.
  bool Selectable(int i) const;
  void SetHighlight(int i, bool by_keyboard);
  void EnterItem(int i, bool by_mouse);
  void LeaveItem(int i);
  void MoveSelection(bool down);
  void EnsureVisible(int i, bool wrapped_to_top, bool wrapped_to_bottom);
  void StartScroll(int direction);
  void StopScroll();
  void StartMorph();
  void BlendStep();

  // Painting (TskSkinPopupWindowPaint.cpp).
  void RebuildBack();
  void DrawBackground();
  void DrawScrollMarkers();
  void DrawItem(int i);
  void DrawSkinnedItem(gfx::Canvas& canvas, const TskSkinMenuItem& item, const gfx::Rect& r);
  void DrawDefaultItem(gfx::Canvas& canvas, const TskSkinMenuItem& item, const gfx::Rect& r);
  void DrawItemMark(gfx::Canvas& canvas, const ui::MenuItem& item, int32_t image_x, int32_t glyph_x,
                    int32_t mark_x, int32_t cy, gfx::Color color);
  void RedrawItem(int i);
  void RedrawMarkers();

  TskSkinMenu* engine_;
  TskSkinData* data_ = nullptr;
  const TskDataSkinPopupWindow* popup_record_ = nullptr;
  const TskDataSkinMenuItem* item_record_ = nullptr;
  const gfx::Bitmap* popup_picture_ = nullptr;
  const gfx::Bitmap* popup_mask_ = nullptr;
  const gfx::Bitmap* item_picture_ = nullptr;  // the item record's own picture, or null
  const ui::ImageList* images_ = nullptr;
  ui::MenuItem* parent_item_ = nullptr;
  std::vector<TskSkinMenuItem> items_;
  gfx::Font window_font_;
  int32_t glyph_column_width_ = 19;
  int highlight_ = -1;
  int previous_highlight_ = -1;
  bool needs_scroll_ = false;
  int first_visible_ = 0;
  int visible_count_ = 0;
  int scroll_direction_ = 0;
  gfx::Rect items_rect_;
  gfx::Point lt_, rt_, lb_, rb_;  // corner points for the current size
  gfx::Point last_cursor_;
  bool shut_ = false;
  bool blending_ = false;
  // The whole window composed off-screen; the background alone, for redrawing single items.
  gfx::Bitmap back_;
  gfx::Bitmap background_;
  bool back_valid_ = false;
};

}  // namespace skin
