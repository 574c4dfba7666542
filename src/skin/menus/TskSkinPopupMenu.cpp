// TskSkinPopupMenu: a popup menu shown by its form's skinned menu engine.
#include "skin/menus/TskSkinPopupMenu.h"

#include <memory>

#include "skin/data/SkinData.h"
#include "skin/menus/ComponentWatch.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TskSkinMenu.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace skin {

TskSkinPopupMenu::TskSkinPopupMenu() { SetName("TskSkinPopupMenu"); }

TskSkinPopupMenu::~TskSkinPopupMenu() { SetSkinData(nullptr); }

void TskSkinPopupMenu::SetSkinData(TskSkinData* data) {
  if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
}

void TskSkinPopupMenu::SkinDataDestroyed(TskSkinData* data) {
  if (data == skin_data_) skin_data_ = nullptr;
}

void TskSkinPopupMenu::SetForm(ui::Form* form) {
  if (form_ != nullptr) RemoveFreeNotification(form_);
  form_ = form;
  if (form_ != nullptr) FreeNotification(form_);
}

void TskSkinPopupMenu::Notification(ui::Component* component, Operation operation) {
  ui::PopupMenu::Notification(component, operation);
  if (operation == Operation::kRemove && component == form_) form_ = nullptr;
}

ui::Form* TskSkinPopupMenu::FindForm() const {
  if (form_ != nullptr) return form_;
  ui::Component* owner = Owner();
  if (auto* f = dynamic_cast<ui::Form*>(owner)) return f;
  if (owner != nullptr) return dynamic_cast<ui::Form*>(owner->Owner());
  return nullptr;
}

void TskSkinPopupMenu::Popup(int screen_x, int screen_y) {
  Show({screen_x, screen_y, screen_x, screen_y}, false, nullptr, false);
}

void TskSkinPopupMenu::PopupAtRect(const gfx::Rect& screen_rect, bool upward, ui::Control* opening_control) {
  Show(screen_rect, upward, opening_control, false);
}

void TskSkinPopupMenu::PopupForControl(ui::Control* opening_control, gfx::Point screen) {
  Show({screen.x, screen.y, screen.x, screen.y}, false, opening_control, true);
}

void TskSkinPopupMenu::Show(const gfx::Rect& anchor, bool upward, ui::Control* opening_control, bool need_skin) {
  // The handler may free the menu: nothing of it is touched afterwards unless it is still there.
  ComponentWatch<TskSkinPopupMenu> self(this);
  if (OnPopup) OnPopup(this);
  if (self.Get() == nullptr) return;
  SkinMenuHost* host = FindMenuHost(FindForm());
  if (host == nullptr) return;
  if (skin_data_ == nullptr) SetSkinData(host->MenusSkinData());
  if (need_skin && skin_data_ == nullptr) return;
  TskSkinMenu& engine = host->MenuEngine();
  // A menu still open ends before the form's menu-open step, so the form sees the old menu close
  // and the new one open, in that order.
  if (engine.IsOpen()) engine.CloseAll();
  if (self.Get() == nullptr || FindMenuHost(FindForm()) != host) return;
  host->MenuOpenStep();
  if (self.Get() == nullptr || FindMenuHost(FindForm()) != host) return;
  engine.PopupItems(opening_control, skin_data_, upward, &Items(), anchor, 0);
}

}  // namespace skin
