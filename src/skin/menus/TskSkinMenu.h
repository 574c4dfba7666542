// TskSkinMenu: the menu engine of a form: the stack of open popup levels, the submenu delay and closing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "skin/data/SkinDataClient.h"
#include "skin/menus/ComponentWatch.h"
#include "ui/Component.h"

namespace ui {
class Control;
class Form;
class MenuItem;
struct Message;
}  // namespace ui

namespace skin {

class TskSkinData;
class TskSkinPopupWindow;
struct TskSkinMenuItem;

// One per skinned form. Level 0 is the first popup of a menu, each open submenu one level more.
// While a level is open the engine holds an application-wide input filter: key presses go to the
// topmost level and are swallowed, typed characters and wheel input are swallowed, Alt combinations
// and presses outside the popups close the menu and pass on. However the menu ends, the filter goes
// with it, and SkinMsgCloseMenus (1228) goes to the bound form and to the opening control.
//
// Item handlers may do anything, destroying the form, the opening control or the menu included:
// popup windows are freed only once control is back in the message loop (so a window whose own
// handler closed the menu is never freed under it), nothing is touched after a handler unless it
// still exists, and message 1229 goes to the last opening control only while it exists.
class TskSkinMenu : public ui::Component, private SkinDataClient {
 public:
  static constexpr uint32_t kSubmenuDelayMs = 500;

  explicit TskSkinMenu(ui::Form* form);
  ~TskSkinMenu() override;

  ui::Form* BoundForm() const { return form_; }

  // --- settings (the skinned form writes its own through) ---
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool v) { use_skin_font_ = v; }
  int32_t DefaultItemHeight() const { return default_item_height_; }
  void SetDefaultItemHeight(int32_t v) {
    if (v > 0) default_item_height_ = v;
  }
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& f) { default_font_ = f; }
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v) { alpha_blend_ = v; }
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v) { alpha_blend_value_ = v; }
  bool AlphaBlendAnimation() const { return alpha_blend_animation_; }
  void SetAlphaBlendAnimation(bool v) { alpha_blend_animation_ = v; }

  // --- opening and closing ---
  // Shows the sub-items of parent_item from first_index on under `anchor` (screen coordinates; a
  // point is the rectangle (x, y, x, y)), drawn from `data` (null or an empty skin: the default
  // look). Any menu open before is closed first. Nothing opens, and the engine stays closed, when
  // the item has no sub-items from first_index on. The opening control gets 1228 when the menu
  // closes and 1229 after an item of it ran.
  void PopupItems(ui::Control* opening_control, TskSkinData* data, bool upward, ui::MenuItem* parent_item,
                  const gfx::Rect& anchor, int first_index = 0);
  bool IsOpen() const { return open_; }
  // Closes every level, then sends 1228 to the bound form and the opening control.
  void CloseAll();
  // Closes level n and those above it; with n = 0 the whole menu ends as with CloseAll.
  void CloseLevelsFrom(size_t n);

  size_t LevelCount() const { return levels_.size(); }
  TskSkinPopupWindow* Level(size_t n) const { return n < levels_.size() ? levels_[n].get() : nullptr; }
  TskSkinPopupWindow* TopLevel() const { return levels_.empty() ? nullptr : levels_.back().get(); }

  // The menu key step: the key goes to the topmost visible level; Escape that leaves no level open
  // ends the menu. (The engine's input filter calls this for every key press while it is open.)
  void KeyDown(uint16_t key);

  // --- used by the popup levels ---
  TskSkinData* SkinData() const { return skin_data_; }
  // The work area of the monitor holding the bound form, taken when the menu opened.
  const gfx::Rect& WorkArea() const { return work_area_; }
  // Runs an item of `level`: see the item activation rules in TskSkinMenu.cpp.
  void ActivateItem(TskSkinPopupWindow* level, TskSkinMenuItem& item, bool from_keyboard, bool execute);
  // Stops a pending submenu of this item.
  void CancelPending(const ui::MenuItem* item);
  size_t LevelIndex(const TskSkinPopupWindow* level) const;
  // The topmost open level whose window shows at the screen point, or null.
  TskSkinPopupWindow* LevelAt(gfx::Point screen) const;
  // Closes the menu when the bound form no longer shows; false then.
  bool CheckBoundForm();
  ui::Control* OpeningControl() const { return opening_control_.Get(); }

 protected:
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void SetSkin(TskSkinData* data);
  // Open levels draw from the skin: they close with it.
  void SkinDataDestroyed(TskSkinData* data) override;
  void OpenLevel(const gfx::Rect& anchor, ui::MenuItem* parent_item, bool upward, bool is_submenu, int first_index);
  void SubmenuTimerTick();
  void StartSubmenuTimer();
  void StopSubmenuTimer();
  void InstallFilter();
  void RemoveFilter();
  bool FilterInput(uint32_t surface, ui::Message& m);
  bool IsLevelSurface(uint32_t surface) const;
  // Closes the levels from n on; each window is freed once the message loop has control again.
  void ShutLevelsFrom(size_t n);
  // Ends an open menu: the filter goes and the opening control becomes the last one.
  void EndMenu();

  ui::Form* form_;
  bool use_skin_font_ = true;
  int32_t default_item_height_ = 20;
  gfx::Font default_font_{"Arial", 14};
  bool alpha_blend_ = false;
  uint8_t alpha_blend_value_ = 150;
  bool alpha_blend_animation_ = false;

  std::vector<std::unique_ptr<TskSkinPopupWindow>> levels_;
  bool open_ = false;
  bool first_level_ = false;
  uintptr_t submenu_timer_ = 0;
  TskSkinPopupWindow* pending_level_ = nullptr;
  ui::MenuItem* pending_item_ = nullptr;
  gfx::Rect work_area_;
  TskSkinData* skin_data_ = nullptr;
  ComponentWatch<ui::Control> opening_control_;
  ComponentWatch<ui::Control> last_opening_control_;
  uintptr_t filter_id_ = 0;
  // Shared with callbacks that may run after the engine is gone (a scheduled free, an item
  // handler that destroyed the form).
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
