// TskSkinForm's system menu: the built-in commands, merging them into the application's menu, opening it.
#include <array>
#include <memory>
#include <string>

#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"
#include "ui/PopupMenu.h"

namespace skin {

namespace {

constexpr const char* kMinItem = "ZUV_MINITEM";
constexpr const char* kMaxItem = "ZUV_MAXITEM";
constexpr const char* kRestoreItem = "ZUV_RESTORE";
constexpr const char* kRollUpItem = "ZUV_ROLLUP";
constexpr const char* kMinToTrayItem = "ZUV_MINTOTRAY";
constexpr const char* kCloseItem = "ZUV_CLOSE";

std::unique_ptr<ui::MenuItem> MakeItem(const char* name, const char* caption, ui::NotifyEvent on_click,
                                       const char* shortcut = "") {
  auto item = std::make_unique<ui::MenuItem>(caption);
  item->SetName(name);
  item->SetShortCutText(shortcut);
  item->OnClick = std::move(on_click);
  return item;
}

}  // namespace

void TskSkinForm::MinimizeStep() { SetWindowState(FrameWindowState::kMinimized); }

void TskSkinForm::RestoreStep() {
  if (rolled_while_maximized_ || (rolled_up_ && window_state_ == FrameWindowState::kNormal)) {
    SetRollUp(false);
    return;
  }
  SetWindowState(FrameWindowState::kNormal);
}

// The built-in items in menu order, each only when it applies now; `close` last.
void TskSkinForm::BuildDefaultSystemMenu() {
  ui::MenuItem& root = *default_system_menu_;
  root.Clear();
  const bool minimized = window_state_ == FrameWindowState::kMinimized;
  const bool maximized = window_state_ == FrameWindowState::kMaximized;
  if ((border_icons_ & biMinimize) != 0 && !minimized)
    root.Add(MakeItem(kMinItem, "Mi&nimize", [this](ui::Component*) { MinimizeStep(); }));
  if ((border_icons_ & biMaximize) != 0 && !maximized)
    root.Add(MakeItem(kMaxItem, "Ma&ximize", [this](ui::Component*) { SetWindowState(FrameWindowState::kMaximized); }));
  if (window_state_ != FrameWindowState::kNormal || rolled_up_)
    root.Add(MakeItem(kRestoreItem, "&Restore", [this](ui::Component*) { RestoreStep(); }));
  if ((border_icons_ & biRollUp) != 0 && !rolled_up_ && !minimized)
    root.Add(MakeItem(kRollUpItem, "Ro&llUp", [this](ui::Component*) { SetRollUp(true); }));
  // The program has no notification-area icon, so the tray command does nothing.
  if ((border_icons_ & biMinimizeToTray) != 0) root.Add(MakeItem(kMinToTrayItem, "Minimize to &Tray", nullptr));
  if (root.HasChildren()) root.AddSeparator();
  root.Add(MakeItem(kCloseItem, "&Close", [this](ui::Component*) { form_.Close(); }, "Alt+F4"));
}

void TskSkinForm::MergeSystemMenu() {
  ui::MenuItem& root = system_menu_->Items();
  for (const char* name : {kMinItem, kMaxItem, kCloseItem, kMinToTrayItem, kRollUpItem, kRestoreItem}) {
    for (size_t i = root.Count(); i-- > 0;) {
      if (root.Item(i)->Name() == name) root.Remove(root.Item(i));
    }
  }
  const bool minimized = window_state_ == FrameWindowState::kMinimized;
  const bool maximized = window_state_ == FrameWindowState::kMaximized;
  // Each goes in at the top, so the menu reads in the opposite order.
  if ((border_icons_ & biMinimizeToTray) != 0) root.Insert(0, MakeItem(kMinToTrayItem, "Minimize to &Tray", nullptr));
  if ((border_icons_ & biRollUp) != 0 && !rolled_up_ && !minimized)
    root.Insert(0, MakeItem(kRollUpItem, "Ro&llUp", [this](ui::Component*) { SetRollUp(true); }));
  if ((border_icons_ & biMaximize) != 0 && !maximized)
    root.Insert(0, MakeItem(kMaxItem, "Ma&ximize",
                            [this](ui::Component*) { SetWindowState(FrameWindowState::kMaximized); }));
  if (window_state_ != FrameWindowState::kNormal || rolled_up_)
    root.Insert(0, MakeItem(kRestoreItem, "&Restore", [this](ui::Component*) { RestoreStep(); }));
  if ((border_icons_ & biMinimize) != 0 && !minimized)
    root.Insert(0, MakeItem(kMinItem, "Mi&nimize", [this](ui::Component*) { MinimizeStep(); }));
  root.Add(MakeItem(kCloseItem, "&Close", [this](ui::Component*) { form_.Close(); }, "Alt+F4"));
}

ui::MenuItem* TskSkinForm::GetSystemMenuItems() {
  if (system_menu_ != nullptr) {
    if (UseDefaultSysMenu) MergeSystemMenu();
    return &system_menu_->Items();
  }
  BuildDefaultSystemMenu();
  return default_system_menu_.get();
}

void TskSkinForm::MenuOpenStep() {
  if (skin_menu_open_) return;
  skin_menu_open_ = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TskSkinForm::MenusClosed() {
  skin_menu_open_ = false;
  for (const auto& o : objects_) {
    if (o->GetKind() != TskActiveSkinObject::Kind::kButton && o->GetKind() != TskActiveSkinObject::Kind::kStdButton)
      continue;
    auto* button = static_cast<TskSkinButtonObject*>(o.get());
    if (!button->HasPopup || !button->Pressed) continue;
    button->SetDown(false);
    break;
  }
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

void TskSkinForm::PopupSystemMenu(int32_t x, int32_t y) {
  auto alive = alive_;
  // An open menu ends first, so the form hears it close before the new one opens.
  if (menu_engine_->IsOpen()) menu_engine_->CloseAll();
  if (!*alive) return;
  MenuOpenStep();
  if (!*alive) return;
  ui::MenuItem* items = GetSystemMenuItems();
  menu_engine_->PopupItems(nullptr, MenusSkinData(), false, items, {x, y, x, y}, 0);
  if (*alive && !menu_engine_->IsOpen() && skin_menu_open_) MenusClosed();
}

void TskSkinForm::PopupSystemMenuAt(const gfx::Rect& object_rect) {
  auto alive = alive_;
  const gfx::Rect anchor = object_rect.Offset(form_.Left(), form_.Top());
  if (menu_engine_->IsOpen()) menu_engine_->CloseAll();
  if (!*alive) return;
  ui::MenuItem* items = GetSystemMenuItems();
  if (auto* skinned = dynamic_cast<TskSkinPopupMenu*>(system_menu_)) {
    skinned->PopupAtRect(anchor, false, nullptr);
  } else {
    MenuOpenStep();
    if (!*alive) return;
    menu_engine_->PopupItems(nullptr, MenusSkinData(), false, items, anchor, 0);
  }
  // Nothing to show: the button that asked comes back up at once.
  if (*alive && !menu_engine_->IsOpen()) MenusClosed();
}

}  // namespace skin
