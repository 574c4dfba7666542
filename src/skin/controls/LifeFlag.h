// A flag a control holds while it exists, so code that ran one of its handlers can tell whether
// the handler destroyed it.
#pragma once

#include <memory>

namespace skin {

// A handler may free the control that fired it. The control keeps a LifeFlag member; before it
// calls a handler it takes a Watch, and afterwards touches nothing of itself unless the watch says
// it is still alive.
class LifeFlag {
 public:
  LifeFlag() : alive_(std::make_shared<bool>(true)) {}
  ~LifeFlag() { *alive_ = false; }
  LifeFlag(const LifeFlag&) = delete;
  LifeFlag& operator=(const LifeFlag&) = delete;

  class Watch {
   public:
    explicit Watch(std::shared_ptr<const bool> alive) : alive_(std::move(alive)) {}
    bool Alive() const { return *alive_; }

   private:
    std::shared_ptr<const bool> alive_;
  };
  Watch Observe() const { return Watch(alive_); }

 private:
  std::shared_ptr<bool> alive_;
};

}  // namespace skin
