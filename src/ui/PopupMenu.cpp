// PopupMenu: a context menu's items, images and events; controls open it on a right click.
#include "ui/PopupMenu.h"

#include "ui/Control.h"
#include "ui/ImageList.h"

namespace ui {

PopupMenu::PopupMenu() : items_(std::make_unique<MenuItem>()) { items_->menu_ = this; }

PopupMenu::~PopupMenu() {
  // The items go before the rest of the menu, so that whoever watches them is told while the menu
  // is still whole.
  items_.reset();
}

void PopupMenu::SetImages(ImageList* images) {
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = images;
  if (images_ != nullptr) FreeNotification(images_);
}

void PopupMenu::SetPopupComponent(Control* c) {
  if (popup_component_ != nullptr) RemoveFreeNotification(popup_component_);
  popup_component_ = c;
  if (c != nullptr) FreeNotification(c);
}

void PopupMenu::Notification(Component* component, Operation operation) {
  Component::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == popup_component_) popup_component_ = nullptr;
}

}  // namespace ui
