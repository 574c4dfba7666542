// Component: a named part of a window with an owner that frees it, and removal notifications.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Component;

using NotifyEvent = std::function<void(Component* sender)>;

// A component belongs to its owner: the owner keeps it in its list (for lookup by name and
// for removal notifications) and frees it when it was handed over with Own or Make. Controls are
// held by their parent control instead and only registered with their owner (InsertComponent).
// Components that refer to another one ask to be told when it goes away (FreeNotification) and
// clear their reference in Notification.
class Component {
 public:
  enum class Operation { kInsert, kRemove };

  Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component();

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  Component* Owner() const { return owner_; }

  // Takes ownership of `c` and returns it; the new component is announced to the owned ones.
  template <class T>
  T* Own(std::unique_ptr<T> c) {
    T* raw = c.get();
    Adopt(std::unique_ptr<Component>(std::move(c)));
    return raw;
  }
  template <class T, class... Args>
  T* Make(Args&&... args) {
    return Own(std::make_unique<T>(std::forward<Args>(args)...));
  }

  // Makes this the owner of `c` for lookup by name and removal notifications while something else
  // holds its memory (a parent control holds its children).
  void InsertComponent(Component* c);

  // Every component whose owner this is, in creation order.
  const std::vector<Component*>& Components() const { return components_; }
  Component* FindComponent(const std::string& name) const;

  // Asks to receive Notification(other, kRemove) when `other` is destroyed.
  void FreeNotification(Component* other);
  void RemoveFreeNotification(Component* other);

  // Frees every component held in memory by this one, newest first.
  void DestroyComponents();
  bool Destroying() const { return destroying_; }

 protected:
  // Told when a component this one owns or watches is inserted or removed.
  virtual void Notification(Component* component, Operation operation);
  // Marks the start of destruction so that derived classes can skip repaints and relayouts.
  void BeginDestroy() { destroying_ = true; }

 private:
  void Adopt(std::unique_ptr<Component> c);
  void RemoveFromOwner();

  std::string name_;
  Component* owner_ = nullptr;
  std::vector<Component*> components_;
  std::vector<std::unique_ptr<Component>> held_;
  std::vector<Component*> free_notifies_;
  bool destroying_ = false;
};

}  // namespace ui
