// Button: the plain push button with default and cancel roles and a modal result.
#pragma once

#include "ui/WinControl.h"

namespace ui {

class Button : public WinControl {
 public:
  Button();

  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; Invalidate(); }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  // When not 0, a click sets the form's modal result.
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int r) { modal_result_ = r; }
  bool Down() const { return down_; }

  bool IsDefaultButton() const override { return default_; }
  bool IsCancelButton() const override { return cancel_; }
  void Click() override;
  bool HandleAccelerator() override;
  bool WantsKey(uint16_t key) const override;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyUp(uint16_t& key, ShiftState shift) override;
  void WndProc(Message& m) override;
  // The button fires its click itself (release inside, Enter, Space).
  bool ClicksOnRelease() const override { return false; }

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modal_result_ = 0;
  bool down_ = false;      // drawn pressed
  bool tracking_ = false;  // a left press began on the button
  bool space_down_ = false;
};

}  // namespace ui
