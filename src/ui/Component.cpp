// Component: a named part of a window with an owner that frees it, and removal notifications.
#include "ui/Component.h"

#include <algorithm>

namespace ui {

namespace {

template <class T>
void Erase(std::vector<T*>& v, const T* item) {
  v.erase(std::remove(v.begin(), v.end(), item), v.end());
}

}  // namespace

Component::~Component() {
  destroying_ = true;
  DestroyComponents();
  // Tell every watcher first, then drop the links both ways so no one keeps a dangling pointer.
  std::vector<Component*> watchers = std::move(free_notifies_);
  free_notifies_.clear();
  for (Component* w : watchers) {
    Erase(w->free_notifies_, this);
    w->Notification(this, Operation::kRemove);
  }
  // Components that are still registered (held elsewhere) lose their owner.
  for (Component* c : components_) c->owner_ = nullptr;
  components_.clear();
  RemoveFromOwner();
}

Component* Component::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (Component* c : components_) {
    if (c->name_ == name) return c;
  }
  return nullptr;
}

void Component::FreeNotification(Component* other) {
  if (other == nullptr || other == this) return;
  if (std::find(other->free_notifies_.begin(), other->free_notifies_.end(), this) == other->free_notifies_.end()) {
    other->free_notifies_.push_back(this);
  }
  if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end()) {
    free_notifies_.push_back(other);
  }
}

void Component::RemoveFreeNotification(Component* other) {
  if (other == nullptr) return;
  Erase(other->free_notifies_, this);
  Erase(free_notifies_, other);
}

void Component::DestroyComponents() {
  while (!held_.empty()) {
    std::unique_ptr<Component> last = std::move(held_.back());
    held_.pop_back();
    last.reset();
  }
}

void Component::Notification(Component*, Operation) {}

void Component::Adopt(std::unique_ptr<Component> c) {
  Component* raw = c.get();
  InsertComponent(raw);
  held_.push_back(std::move(c));
}

void Component::InsertComponent(Component* c) {
  c->RemoveFromOwner();
  c->owner_ = this;
  components_.push_back(c);
  Notification(c, Operation::kInsert);
}

void Component::RemoveFromOwner() {
  if (owner_ == nullptr) return;
  Component* owner = owner_;
  owner_ = nullptr;
  Erase(owner->components_, this);
  // The owner may still hold the memory when this runs from a destructor called elsewhere;
  // release without deleting, since the object is already being destroyed.
  for (auto& h : owner->held_) {
    if (h.get() == this) (void)h.release();
  }
  owner->held_.erase(std::remove(owner->held_.begin(), owner->held_.end(), nullptr), owner->held_.end());
  if (!owner->destroying_) owner->Notification(this, Operation::kRemove);
}

}  // namespace ui
