// ComponentWatch: a pointer to a component that becomes null when the component is destroyed.
#pragma once

#include "ui/Component.h"

namespace skin {

// For code that calls out to handlers which may destroy what it refers to: it asks the watch
// afterwards instead of trusting the pointer.
template <class T>
class ComponentWatch : public ui::Component {
 public:
  explicit ComponentWatch(T* target = nullptr) { Set(target); }
  ~ComponentWatch() override { Set(nullptr); }

  T* Get() const { return target_; }
  void Set(T* target) {
    if (target_ != nullptr) RemoveFreeNotification(target_);
    target_ = target;
    if (target_ != nullptr) FreeNotification(target_);
  }

 protected:
  void Notification(ui::Component* component, Operation operation) override {
    if (operation == Operation::kRemove && component == target_) target_ = nullptr;
  }

 private:
  T* target_ = nullptr;
};

}  // namespace skin
