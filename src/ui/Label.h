// Label: static text on its parent, optionally sized to the text, with an accelerator for a focus control.
#pragma once

#include "ui/GraphicControl.h"

namespace ui {

class WinControl;

enum class TextAlignment { kLeft, kRight, kCenter };

class Label : public GraphicControl {
 public:
  Label();

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; SetOpaque(!v); Invalidate(); }
  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment a) { alignment_ = a; Invalidate(); }
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool v) { show_accel_char_ = v; Invalidate(); }
  // The control an accelerator in the caption focuses.
  WinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(WinControl* c);

  bool HandleAccelerator() override;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void CaptionChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }
  void Notification(Component* component, Operation operation) override;

 private:
  uint32_t TextFlags() const;
  void AdjustBounds();

  bool auto_size_ = true;
  bool word_wrap_ = false;
  bool transparent_ = false;
  bool show_accel_char_ = true;
  TextAlignment alignment_ = TextAlignment::kLeft;
  WinControl* focus_control_ = nullptr;
};

}  // namespace ui
