// Timer: a non-visual component that fires OnTimer on the UI thread every Interval milliseconds.
#include "ui/Timer.h"

#include "ui/Application.h"

namespace ui {

Timer::Timer() { Update(); }

Timer::~Timer() {
  if (Application* app = Application::Current()) app->KillTimer(id_);
}

void Timer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Update();
}

void Timer::SetInterval(uint32_t ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void Timer::Update() {
  Application* app = Application::Current();
  if (app == nullptr) return;
  app->KillTimer(id_);
  id_ = 0;
  if (!enabled_ || interval_ == 0) return;
  id_ = app->SetTimer(interval_, [this] {
    if (OnTimer) OnTimer(this);
  });
}

}  // namespace ui
