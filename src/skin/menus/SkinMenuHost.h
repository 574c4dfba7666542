// SkinMenuHost: how a popup menu reaches the menu engine of the form it belongs to.
#pragma once

namespace ui {
class Form;
}

namespace skin {

class TskSkinData;
class TskSkinMenu;

// The skinned form component implements this as a component of its form; a skinned popup menu finds
// it among the form's components (FindMenuHost) and opens its items through the host's engine. A
// form without a host shows no skinned menus.
//
// The engine keeps its own books: while any of its popups is open it holds an application-wide
// input filter (keys go to the topmost popup; wheel input is dropped; a press outside its popups
// closes them), and however the menu ends (an item ran or threw, Escape, a press elsewhere, the form
// hidden or destroyed) it removes that filter and sends SkinMsgCloseMenus (1228) to the bound form
// and to the control that opened the menu. The host need not install a filter of its own. Open
// levels draw from the skin's pictures, so the host closes the menu (CloseAll) when the skin the menu
// draws from (the engine's SkinData, whichever component gave it) is about to change
// (SkinMsgBeforeChange), and on the form's other closing messages.
class SkinMenuHost {
 public:
  virtual ~SkinMenuHost() = default;

  // The engine bound to the host's form; it lives as long as the host.
  virtual TskSkinMenu& MenuEngine() = 0;
  // The skin menus take when they have none of their own: the form's menus skin, else its frame
  // skin; null for none.
  virtual TskSkinData* MenusSkinData() const = 0;
  // The form's menu-open step, run just before a popup menu opens its first level.
  virtual void MenuOpenStep() = 0;
};

// The first component of the form that is a SkinMenuHost, or null (also for a null form).
SkinMenuHost* FindMenuHost(const ui::Form* form);

}  // namespace skin
