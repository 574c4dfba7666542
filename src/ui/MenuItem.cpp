// MenuItem: one entry of a menu (caption, shortcut text, states, image) and the entries below it.
#include "ui/MenuItem.h"

#include <algorithm>

namespace ui {

MenuItem::~MenuItem() {
  BeginDestroy();
  Notify(MenuItemObserver::Change::kGone);
  observers_.clear();
  // Newest first, like components; each one tells its own watchers.
  while (!items_.empty()) {
    std::unique_ptr<MenuItem> last = std::move(items_.back());
    items_.pop_back();
    last.reset();
  }
}

void MenuItem::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(MenuItemObserver::Change::kLook);
}

void MenuItem::SetShortCutText(std::string text) {
  if (text == shortcut_text_) return;
  shortcut_text_ = std::move(text);
  Notify(MenuItemObserver::Change::kLook);
}

void MenuItem::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(MenuItemObserver::Change::kLook);
}

void MenuItem::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  // Another set of items is shown: for the windows that show the parent's items this is a change of
  // the list.
  if (parent_ != nullptr) parent_->Notify(MenuItemObserver::Change::kChildren);
}

void MenuItem::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (v && radio_item_ && parent_ != nullptr) {
    for (const auto& sibling : parent_->items_) {
      MenuItem* s = sibling.get();
      if (s != this && s->radio_item_ && s->group_index_ == group_index_ && s->checked_) {
        s->checked_ = false;
        s->Notify(MenuItemObserver::Change::kLook);
      }
    }
  }
  Notify(MenuItemObserver::Change::kLook);
}

void MenuItem::SetRadioItem(bool v) {
  if (v == radio_item_) return;
  radio_item_ = v;
  Notify(MenuItemObserver::Change::kLook);
}

void MenuItem::SetImageIndex(int v) {
  if (v == image_index_) return;
  image_index_ = v;
  Notify(MenuItemObserver::Change::kLook);
}

char32_t MenuItem::AcceleratorChar() const {
  const std::string& s = caption_;
  for (size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != '&') continue;
    if (s[i + 1] == '&') {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(s[i + 1]);
    // Only a plain character can be typed as an accelerator; a multi-byte one is none.
    if (c >= 0x80) return 0;
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    return c;
  }
  return 0;
}

int MenuItem::MenuIndex() const {
  if (parent_ == nullptr) return -1;
  for (size_t i = 0; i < parent_->items_.size(); ++i) {
    if (parent_->items_[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

void MenuItem::Adopt(MenuItem* item) {
  if (item->parent_ != nullptr) {
    // Taken from another parent: that one gives it up without freeing it.
    std::unique_ptr<MenuItem> held = item->parent_->Remove(item);
    (void)held.release();
  }
  item->parent_ = this;
}

MenuItem* MenuItem::Add(std::unique_ptr<MenuItem> item) { return Insert(items_.size(), std::move(item)); }

MenuItem* MenuItem::Add(std::string caption, NotifyEvent on_click) {
  auto item = std::make_unique<MenuItem>(std::move(caption));
  item->OnClick = std::move(on_click);
  return Add(std::move(item));
}

MenuItem* MenuItem::AddSeparator() { return Add("-"); }

MenuItem* MenuItem::Insert(size_t index, std::unique_ptr<MenuItem> item) {
  if (!item) return nullptr;
  MenuItem* raw = item.get();
  Adopt(raw);
  index = std::min(index, items_.size());
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
  Notify(MenuItemObserver::Change::kChildren);
  return raw;
}

std::unique_ptr<MenuItem> MenuItem::Remove(MenuItem* item) {
  auto it = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  if (it == items_.end()) return nullptr;
  std::unique_ptr<MenuItem> out = std::move(*it);
  items_.erase(it);
  out->parent_ = nullptr;
  Notify(MenuItemObserver::Change::kChildren);
  return out;
}

void MenuItem::Clear() {
  if (items_.empty()) return;
  // Watchers let go of the items before they are freed.
  std::vector<std::unique_ptr<MenuItem>> gone = std::move(items_);
  items_.clear();
  Notify(MenuItemObserver::Change::kChildren);
  while (!gone.empty()) {
    gone.back()->parent_ = nullptr;
    gone.pop_back();
  }
}

MenuItem* MenuItem::Find(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->Name() == name) return item.get();
    if (MenuItem* found = item->Find(name)) return found;
  }
  return nullptr;
}

PopupMenu* MenuItem::Menu() const {
  const MenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

void MenuItem::Click() {
  if (auto_check_) SetChecked(radio_item_ ? true : !checked_);
  if (OnClick) OnClick(this);
}

void MenuItem::AddObserver(MenuItemObserver* observer) {
  if (observer == nullptr) return;
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void MenuItem::RemoveObserver(MenuItemObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void MenuItem::Notify(MenuItemObserver::Change change) {
  if (observers_.empty()) return;
  // An observer may stop watching (or make others stop) while it is told.
  std::vector<MenuItemObserver*> copy = observers_;
  for (MenuItemObserver* o : copy) {
    if (std::find(observers_.begin(), observers_.end(), o) != observers_.end()) o->MenuItemChanged(this, change);
  }
}

}  // namespace ui
