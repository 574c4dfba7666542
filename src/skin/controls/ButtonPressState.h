// ButtonPressState: the down, hover, press, repeat and fade state the push and speed buttons share.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/controls/SkinButtonLook.h"
#include "ui/WinControl.h"

namespace skin {

// The state runs the button's two timers (the fade and the repeat), so every call that may start
// or stop one, or needs a repaint, takes the button.
class ButtonPressState {
 public:
  static constexpr uintptr_t kFadeTimer = 1;
  static constexpr uintptr_t kRepeatTimer = 2;

  bool Down() const { return down_; }
  // Sets the flag alone: no fade, no repaint.
  void SetDownFlag(bool v) { down_ = v; }
  bool Hovered() const { return hovered_; }
  void SetHovered(bool v) { hovered_ = v; }
  // A left press is held on the button.
  bool MousePressed() const { return mouse_pressed_; }
  bool Repeating() const { return repeating_; }
  MorphFade& Fade() { return fade_; }
  const MorphFade& Fade() const { return fade_; }

  // Puts the button down or up and repaints it; with a fading record (`morphs`) it shows the
  // active image at once and fades from there once it goes up.
  void SetDown(ui::Control& button, bool v, bool morphs);
  // After a change of the lit state: a fading record fades towards it, any other repaints.
  void Refresh(ui::Control& button, bool morphs);
  void StopFade(ui::Control& button);
  // One tick of the fade timer towards `lit`; a record that stopped fading jumps to the end.
  void FadeTick(ui::Control& button, bool morphs, bool lit);
  void StartRepeat(ui::Control& button, uint32_t interval_ms);
  void StopRepeat(ui::Control& button);

  // A left press: true when it puts the button down (the caller then does so); a press on a
  // button already down only notes that, which lets a group button with AllowAllUp come up.
  bool Press(int group_index);
  // The release of a held left press, `inside` the button: true when it is a click (the caller
  // puts the button up and clicks). A plain button that is let go elsewhere just comes up.
  bool Release(ui::Control& button, bool inside, int group_index, bool allow_all_up);
  // A held press ends without a click (capture lost, disabled, hidden): the repeat stops, a plain
  // button comes up and the mouse capture is let go.
  void Abandon(ui::Control& button, int group_index);

 private:
  bool down_ = false;
  bool hovered_ = false;
  bool mouse_pressed_ = false;
  bool pressed_while_down_ = false;
  bool fading_ = false;
  bool repeating_ = false;
  MorphFade fade_;
};

// A group button that went down releases the others of its class and group on the same parent.
template <class Button>
void ReleaseGroupOf(Button& pressed) {
  if (pressed.Parent() == nullptr) return;
  std::vector<ui::Control*> siblings;
  pressed.Parent()->ForEachChild([&](ui::Control& c) { siblings.push_back(&c); });
  for (ui::Control* c : siblings) {
    auto* other = dynamic_cast<Button*>(c);
    if (other != nullptr && other != &pressed && other->GroupIndex() == pressed.GroupIndex() && other->Down()) {
      other->SetDown(false);
    }
  }
}

}  // namespace skin
