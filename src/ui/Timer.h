// Timer: a non-visual component that fires OnTimer on the UI thread every Interval milliseconds.
#pragma once

#include <cstdint>

#include "ui/Component.h"

namespace ui {

class Timer : public Component {
 public:
  // Runs from creation on (Enabled, 1000 ms) like the classic timer component.
  Timer();
  ~Timer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  uint32_t Interval() const { return interval_; }
  // An interval of 0 stops the timer until another is set.
  void SetInterval(uint32_t ms);

  NotifyEvent OnTimer;

 private:
  void Update();

  bool enabled_ = true;
  uint32_t interval_ = 1000;
  uintptr_t id_ = 0;
};

}  // namespace ui
