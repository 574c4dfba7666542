// PopupMenu: a context menu's items, images and events; controls open it on a right click.
#pragma once

#include <memory>

#include "ui/Component.h"
#include "ui/MenuItem.h"

namespace ui {

class Control;
class ImageList;

// Holds the items (the sub-items of Items()). The toolkit draws no menus itself: a menu class
// implements Popup, and controls only keep a pointer to the menu and open it.
class PopupMenu : public Component {
 public:
  PopupMenu();
  ~PopupMenu() override;

  // The root item; its sub-items are the menu.
  MenuItem& Items() { return *items_; }
  const MenuItem& Items() const { return *items_; }
  // The pictures the items' image indexes refer to; none by default. Cleared when the list goes.
  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images);

  // Shows the menu with its top-left corner at the screen point.
  virtual void Popup(int screen_x, int screen_y) = 0;
  // The control whose right click opened the menu last.
  Control* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(Control* c);

  // Fired by Popup before the menu shows, so the application can adjust the items.
  NotifyEvent OnPopup;

 protected:
  void Notification(Component* component, Operation operation) override;

 private:
  std::unique_ptr<MenuItem> items_;
  ImageList* images_ = nullptr;
  Control* popup_component_ = nullptr;
};

}  // namespace ui
