// SkinEditMenu: the skinned context menu of a text field, built anew each time it opens.
#pragma once

#include <memory>

#include "gfx/Geometry.h"

namespace ui {
class Control;
struct Message;
class TextField;
}  // namespace ui

namespace skin {

class TskSkinData;
class TskSkinPopupMenu;

// Built at every opening, so the items' states are those of the moment it opens; freed once it
// closed, through a message the field posts to itself, so the menu never goes inside its own
// handlers.
class SkinEditMenu {
 public:
  SkinEditMenu();
  ~SkinEditMenu();
  SkinEditMenu(const SkinEditMenu&) = delete;
  SkinEditMenu& operator=(const SkinEditMenu&) = delete;

  // The menu last opened (null once it closed).
  TskSkinPopupMenu* Menu() const { return menu_.get(); }
  // Opens the field's standard items at a screen point, drawn from `data` when there is one.
  void Open(ui::TextField& field, TskSkinData* data, gfx::Point screen);
  // The field's window procedure gives every message here first; true when the message was the
  // menu's own and needs nothing more.
  bool HandleMessage(ui::Control& field, const ui::Message& m);

 private:
  std::unique_ptr<TskSkinPopupMenu> menu_;
};

}  // namespace skin
