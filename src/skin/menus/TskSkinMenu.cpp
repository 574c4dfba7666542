// TskSkinMenu: the menu engine of a form: the stack of open popup levels, the submenu delay and closing.
//
// Item activation (ActivateItem):
// - no sub-items, not executed: the levels above the item's level close;
// - no sub-items, executed: everything closes, then the item's command runs and the last opening
//   control gets message 1229;
// - sub-items, not executed, by the pointer: the levels above close and the submenu opens after
//   kSubmenuDelayMs unless the pointer moves on first;
// - sub-items, executed: the item's command runs first (its handler may fill the submenu), then the
//   submenu opens at once beside the item.
#include "skin/menus/TskSkinMenu.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/KeyCodes.h"
#include "skin/data/SkinData.h"
#include "skin/menus/TskSkinPopupWindow.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"
#include "ui/Message.h"

namespace skin {

namespace {

// Watches one menu item across a handler that may free it.
class ItemWatch : private ui::MenuItemObserver {
 public:
  explicit ItemWatch(ui::MenuItem* item) : item_(item) { item_->AddObserver(this); }
  ItemWatch(const ItemWatch&) = delete;
  ItemWatch& operator=(const ItemWatch&) = delete;
  ~ItemWatch() override {
    if (item_ != nullptr) item_->RemoveObserver(this);
  }
  bool Gone() const { return item_ == nullptr; }

 private:
  void MenuItemChanged(ui::MenuItem*, Change change) override {
    if (change == Change::kGone) item_ = nullptr;
  }
  ui::MenuItem* item_;
};

bool HasVisibleChildFrom(const ui::MenuItem* item, int first_index) {
  if (item == nullptr || first_index < 0) return false;
  for (size_t i = static_cast<size_t>(first_index); i < item->Count(); ++i) {
    if (item->Item(i)->Visible()) return true;
  }
  return false;
}

// Frees a closed popup window once the message loop has control again, so that a window whose own
// handler closed the menu is not freed while that handler is still running. The task owns the
// window, so this works even when the engine is gone by then.
void FreeLater(std::unique_ptr<TskSkinPopupWindow> window) {
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;  // the window goes here and now
  std::shared_ptr<TskSkinPopupWindow> held(std::move(window));
  app->RunOnMainThread([held] {});
}

}  // namespace

TskSkinMenu::TskSkinMenu(ui::Form* form) : form_(form) {
  SetName("TskSkinMenu");
  if (form_ != nullptr) FreeNotification(form_);
}

TskSkinMenu::~TskSkinMenu() {
  *alive_ = false;
  SetSkin(nullptr);
  StopSubmenuTimer();
  RemoveFilter();
  ShutLevelsFrom(0);
  open_ = false;
}

void TskSkinMenu::Notification(ui::Component* component, Operation operation) {
  ui::Component::Notification(component, operation);
  if (operation != Operation::kRemove || component != form_) return;
  // The form is going: close without telling it anything.
  form_ = nullptr;
  StopSubmenuTimer();
  pending_level_ = nullptr;
  pending_item_ = nullptr;
  ShutLevelsFrom(0);
  EndMenu();
}

void TskSkinMenu::PopupItems(ui::Control* opening_control, TskSkinData* data, bool upward, ui::MenuItem* parent_item,
                             const gfx::Rect& anchor, int first_index) {
  auto alive = alive_;
  first_level_ = !open_ && levels_.empty();
  // A menu still open ends completely (with its own closing messages) before the new one starts.
  if (open_ || !levels_.empty()) CloseAll();
  if (!*alive) return;
  if (!HasVisibleChildFrom(parent_item, first_index)) return;
  SetSkin(data);
  opening_control_.Set(opening_control);
  gfx::Rect near = form_ != nullptr ? form_->BoundsRect() : anchor;
  work_area_ = platform::GetBackend().GetWorkArea(near, true);
  open_ = true;
  first_level_ = true;
  InstallFilter();
  try {
    OpenLevel(anchor, parent_item, upward, false, first_index);
  } catch (...) {
    first_level_ = false;
    if (*alive) CloseAll();
    throw;
  }
  first_level_ = false;
}

void TskSkinMenu::SetSkin(TskSkinData* data) {
  if (skin_data_ == data) return;
  if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
}

void TskSkinMenu::SkinDataDestroyed(TskSkinData* data) {
  if (data != skin_data_) return;
  skin_data_ = nullptr;
  CloseAll();
}

void TskSkinMenu::OpenLevel(const gfx::Rect& anchor, ui::MenuItem* parent_item, bool upward, bool is_submenu,
                            int first_index) {
  auto window = std::make_unique<TskSkinPopupWindow>(*this, skin_data_);
  TskSkinPopupWindow* raw = window.get();
  levels_.push_back(std::move(window));
  raw->ShowAt(anchor, parent_item, upward, is_submenu, first_index, first_level_);
}

void TskSkinMenu::ShutLevelsFrom(size_t n) {
  if (pending_level_ != nullptr && LevelIndex(pending_level_) >= n) {
    StopSubmenuTimer();
    pending_level_ = nullptr;
    pending_item_ = nullptr;
  }
  while (levels_.size() > n) {
    std::unique_ptr<TskSkinPopupWindow> window = std::move(levels_.back());
    levels_.pop_back();
    window->Shut();
    FreeLater(std::move(window));
  }
}

void TskSkinMenu::CloseLevelsFrom(size_t n) {
  // Without its first level the menu has ended, which the form hears about as well.
  if (n == 0) {
    CloseAll();
    return;
  }
  const bool closing_any = n < levels_.size();
  ShutLevelsFrom(n);
  // The item whose submenu this was no longer shows it as open.
  if (closing_any && levels_.size() == n) levels_[n - 1]->SubmenuClosed();
}

void TskSkinMenu::EndMenu() {
  open_ = false;
  StopSubmenuTimer();
  pending_level_ = nullptr;
  pending_item_ = nullptr;
  RemoveFilter();
  last_opening_control_.Set(opening_control_.Get());
  opening_control_.Set(nullptr);
}

void TskSkinMenu::CloseAll() {
  const bool was_open = open_ || !levels_.empty();
  ShutLevelsFrom(0);
  StopSubmenuTimer();
  pending_level_ = nullptr;
  pending_item_ = nullptr;
  if (!was_open) return;
  ui::Control* opener = opening_control_.Get();
  EndMenu();
  // Either message may run code that destroys this engine or the other receiver.
  auto alive = alive_;
  ComponentWatch<ui::Control> opener_watch(opener);
  if (form_ != nullptr) form_->Send(ui::kSkinMsgCloseMenus);
  if (!*alive) return;
  if (ui::Control* c = opener_watch.Get(); c != nullptr && c != form_) c->Send(ui::kSkinMsgCloseMenus);
}

size_t TskSkinMenu::LevelIndex(const TskSkinPopupWindow* level) const {
  for (size_t i = 0; i < levels_.size(); ++i) {
    if (levels_[i].get() == level) return i;
  }
  return levels_.size();
}

TskSkinPopupWindow* TskSkinMenu::LevelAt(gfx::Point screen) const {
  for (auto it = levels_.rbegin(); it != levels_.rend(); ++it) {
    TskSkinPopupWindow* w = it->get();
    if (!w->Visible() || !w->BoundsRect().Contains(screen)) continue;
    const auto& region = w->WindowRegion();
    if (region && !region->Contains({screen.x - w->Left(), screen.y - w->Top()})) continue;
    return w;
  }
  return nullptr;
}

bool TskSkinMenu::CheckBoundForm() {
  if (form_ == nullptr || form_->Showing()) return true;
  CloseAll();
  return false;
}

void TskSkinMenu::ActivateItem(TskSkinPopupWindow* level, TskSkinMenuItem& item, bool from_keyboard, bool execute) {
  ui::MenuItem* mi = item.item;
  const size_t index = LevelIndex(level);
  if (mi == nullptr || index >= levels_.size()) return;
  auto alive = alive_;
  if (!HasVisibleChildFrom(mi, 0)) {
    if (!execute) {
      CloseLevelsFrom(index + 1);
      return;
    }
    StopSubmenuTimer();
    ItemWatch watch(mi);
    CloseAll();
    if (!*alive || watch.Gone()) return;
    ComponentWatch<ui::Control> opener(last_opening_control_.Get());
    mi->Click();
    if (*alive) last_opening_control_.Set(nullptr);
    if (ui::Control* c = opener.Get()) c->Send(ui::kSkinMsgMenuItemRun);
    return;
  }
  if (!execute) {
    CloseLevelsFrom(index + 1);
    if (from_keyboard) return;
    pending_level_ = level;
    pending_item_ = mi;
    StartSubmenuTimer();
    return;
  }
  StopSubmenuTimer();
  pending_level_ = nullptr;
  pending_item_ = nullptr;
  ItemWatch watch(mi);
  try {
    mi->Click();
  } catch (...) {
    // A menu whose item failed does not stay open half-way.
    if (*alive) CloseAll();
    throw;
  }
  if (!*alive || watch.Gone() || level->IsShut()) return;
  CloseLevelsFrom(LevelIndex(level) + 1);
  if (level->IsShut() || !HasVisibleChildFrom(mi, 0)) return;
  const auto& objects = level->ItemObjects();
  int at = -1;
  for (size_t i = 0; i < objects.size(); ++i) {
    if (objects[i].item == mi) at = static_cast<int>(i);
  }
  if (at < 0) return;
  level->MarkSubmenuOpen(at);
  try {
    OpenLevel(level->ScreenItemRect(at), mi, false, true, 0);
  } catch (...) {
    if (*alive) CloseAll();
    throw;
  }
}

void TskSkinMenu::CancelPending(const ui::MenuItem* item) {
  if (pending_item_ != item || item == nullptr) return;
  StopSubmenuTimer();
  pending_level_ = nullptr;
  pending_item_ = nullptr;
}

void TskSkinMenu::StartSubmenuTimer() {
  StopSubmenuTimer();
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  submenu_timer_ = app->SetTimer(kSubmenuDelayMs, [this] { SubmenuTimerTick(); });
}

void TskSkinMenu::StopSubmenuTimer() {
  if (submenu_timer_ == 0) return;
  if (ui::Application* app = ui::Application::Current()) app->KillTimer(submenu_timer_);
  submenu_timer_ = 0;
}

void TskSkinMenu::SubmenuTimerTick() {
  StopSubmenuTimer();
  TskSkinPopupWindow* level = pending_level_;
  ui::MenuItem* item = pending_item_;
  pending_level_ = nullptr;
  pending_item_ = nullptr;
  if (level == nullptr || level->IsShut() || LevelIndex(level) >= levels_.size()) return;
  level->OpenPendingSubmenu(item);
}

void TskSkinMenu::KeyDown(uint16_t key) {
  TskSkinPopupWindow* top = TopLevel();
  if (top == nullptr || !top->Visible()) {
    if (key == platform::kVkEscape) CloseAll();
    return;
  }
  switch (key) {
    case platform::kVkEscape:
      // The first level's Escape ends the menu (CloseLevelsFrom(0) is CloseAll).
      CloseLevelsFrom(levels_.size() - 1);
      return;
    case platform::kVkLeft:
      if (levels_.size() >= 2) CloseLevelsFrom(levels_.size() - 1);
      return;
    default:
      top->KeyDown(key);
  }
}

void TskSkinMenu::InstallFilter() {
  if (filter_id_ != 0) return;
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  filter_id_ = app->AddInputFilter([this](platform::SurfaceId surface, ui::Message& m) { return FilterInput(surface, m); });
}

void TskSkinMenu::RemoveFilter() {
  if (filter_id_ == 0) return;
  if (ui::Application* app = ui::Application::Current()) app->RemoveInputFilter(filter_id_);
  filter_id_ = 0;
}

bool TskSkinMenu::IsLevelSurface(uint32_t surface) const {
  for (const auto& level : levels_) {
    if (level->Surface() != nullptr && level->Surface()->Id() == surface) return true;
  }
  return false;
}

bool TskSkinMenu::FilterInput(uint32_t surface, ui::Message& m) {
  switch (m.id) {
    case ui::kMsgKeyDown:
      KeyDown(m.Key());
      return true;
    case ui::kMsgSysKeyDown:
      // Alt combinations belong to the form (Alt+F4 among them); the menu gives way.
      CloseAll();
      return false;
    case ui::kMsgChar:
    case ui::kMsgMouseWheel:
      return true;
    case ui::kMsgLButtonDown:
    case ui::kMsgRButtonDown:
    case ui::kMsgMButtonDown: {
      if (IsLevelSurface(surface)) return false;
      // A press on the control that opened the menu only closes it, so pressing a menu button
      // again toggles the menu instead of opening it anew.
      const gfx::Point at = m.At();
      bool on_opener = false;
      if (ui::Control* opener = opening_control_.Get(); opener != nullptr && opener->Showing()) {
        gfx::Point o = opener->ClientToScreen({0, 0});
        on_opener = gfx::Rect::FromSize(o.x, o.y, opener->Width(), opener->Height()).Contains(at);
      }
      CloseAll();
      return on_opener;
    }
    default:
      return false;
  }
}

}  // namespace skin
