// PopupMenu: the interface of a context menu that controls open on a right click.
#pragma once

#include "ui/Component.h"

namespace ui {

class Control;

// The menu classes implement Popup; controls only keep a pointer to it and open it.
class PopupMenu : public Component {
 public:
  // Shows the menu with its top-left corner at the screen point.
  virtual void Popup(int screen_x, int screen_y) = 0;
  // The control whose right click opened the menu last.
  Control* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(Control* c) { popup_component_ = c; }

 private:
  Control* popup_component_ = nullptr;
};

}  // namespace ui
