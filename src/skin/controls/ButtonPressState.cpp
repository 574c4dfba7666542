// ButtonPressState: the down, hover, press, repeat and fade state the push and speed buttons share.
#include "skin/controls/ButtonPressState.h"

#include <algorithm>

#include "ui/Application.h"

namespace skin {

void ButtonPressState::SetDown(ui::Control& button, bool v, bool morphs) {
  down_ = v;
  if (morphs) {
    fade_.SetActive();
    if (v) {
      StopFade(button);
    } else if (!fading_) {
      fading_ = true;
      button.SetTimer(kFadeTimer, MorphFade::kTickMs);
    }
  }
  button.Invalidate();
}

void ButtonPressState::Refresh(ui::Control& button, bool morphs) {
  if (!morphs) {
    button.Invalidate();
    return;
  }
  if (fading_) return;
  fading_ = true;
  button.SetTimer(kFadeTimer, MorphFade::kTickMs);
}

void ButtonPressState::StopFade(ui::Control& button) {
  if (!fading_) return;
  fading_ = false;
  button.KillTimer(kFadeTimer);
}

void ButtonPressState::FadeTick(ui::Control& button, bool morphs, bool lit) {
  if (!morphs) {
    if (lit) fade_.SetActive();
    else fade_.SetNormal();
    StopFade(button);
  } else if (!fade_.Tick(lit)) {
    StopFade(button);
  }
  button.Invalidate();
}

void ButtonPressState::StartRepeat(ui::Control& button, uint32_t interval_ms) {
  repeating_ = true;
  button.SetTimer(kRepeatTimer, std::max<uint32_t>(interval_ms, 1));
}

void ButtonPressState::StopRepeat(ui::Control& button) {
  if (!repeating_) return;
  repeating_ = false;
  button.KillTimer(kRepeatTimer);
}

bool ButtonPressState::Press(int group_index) {
  mouse_pressed_ = true;
  if (down_) {
    if (group_index != 0) pressed_while_down_ = true;
    return false;
  }
  hovered_ = true;
  pressed_while_down_ = false;
  return true;
}

bool ButtonPressState::Release(ui::Control& button, bool inside, int group_index, bool allow_all_up) {
  mouse_pressed_ = false;
  // The click needs the release over the button: hover alone is kept by a default button.
  const bool over = hovered_ && inside;
  if (group_index != 0) return down_ && allow_all_up && pressed_while_down_ && over;
  StopRepeat(button);
  if (over) return true;
  if (down_) {
    down_ = false;
    button.Invalidate();
  }
  return false;
}

void ButtonPressState::Abandon(ui::Control& button, int group_index) {
  StopRepeat(button);
  if (mouse_pressed_) {
    mouse_pressed_ = false;
    if (group_index == 0 && down_) {
      down_ = false;
      button.Invalidate();
    }
  }
  ui::Application* app = ui::Application::Current();
  if (app != nullptr && app->CaptureControl() == &button) app->SetCaptureControl(nullptr);
}

}  // namespace skin
