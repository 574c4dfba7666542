// SkinEditMenu: the skinned context menu of a text field, built anew each time it opens.
#include "skin/controls/SkinEditMenu.h"

#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/TextField.h"

namespace skin {

namespace {

// Posted to the field when the context menu closed, so the menu is freed outside its own handlers.
constexpr uint32_t kMsgFreeMenu = ui::kMsgUser + 0x61;

}  // namespace

SkinEditMenu::SkinEditMenu() = default;

SkinEditMenu::~SkinEditMenu() = default;

void SkinEditMenu::Open(ui::TextField& field, TskSkinData* data, gfx::Point screen) {
  menu_ = std::make_unique<TskSkinPopupMenu>();
  menu_->SetForm(field.ParentForm());
  if (data != nullptr) menu_->SetSkinData(data);
  field.FillContextMenu(menu_->Items());
  menu_->PopupForControl(&field, screen);
}

bool SkinEditMenu::HandleMessage(ui::Control& field, const ui::Message& m) {
  if (m.id == ui::kSkinMsgCloseMenus && menu_ != nullptr) {
    field.Post(kMsgFreeMenu);
    return false;
  }
  if (m.id != kMsgFreeMenu) return false;
  menu_.reset();
  return true;
}

}  // namespace skin
