// Splitter: a bar between two aligned controls that the user drags to resize the one beside it.
#pragma once

#include <functional>

#include "ui/GraphicControl.h"

namespace ui {

// How a drag shows itself: kUpdate resizes the neighbour with every move, kLine shows an inverted
// line where the splitter would go and resizes on release, kNone resizes on release only.
enum class ResizeStyle { kNone, kLine, kUpdate };

// The splitter takes the alignment of the control it resizes (left, right, top or bottom) and sits
// against that control's inner edge: the neighbour is the visible sibling of the same alignment
// whose edge touches the splitter. Dragging changes the neighbour's width (left, right) or height
// (top, bottom), never below MinSize, and never so far that less than MinSize is left beyond the
// splitter.
class Splitter : public GraphicControl {
 public:
  Splitter();

  int MinSize() const { return min_size_; }
  void SetMinSize(int size) { min_size_ = size < 1 ? 1 : size; }
  ResizeStyle GetResizeStyle() const { return resize_style_; }
  void SetResizeStyle(ResizeStyle style) { resize_style_ = style; }
  // Whether the user is dragging the splitter now.
  bool Dragging() const { return neighbour_ != nullptr; }
  // The control the splitter would resize, or null.
  Control* FindNeighbour() const;

  // Asked before each new size is taken; clearing `accept` keeps the previous one.
  std::function<void(Control* sender, int& new_size, bool& accept)> OnCanResize;
  // After the neighbour took its new size.
  NotifyEvent OnMoved;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void WndProc(Message& m) override;
  void Notification(Component* component, Operation operation) override;
  bool Horizontal() const;  // a bar across (top or bottom alignment)

 private:
  int SizeFor(gfx::Point screen) const;
  void Apply(int size);
  void ShowLine(int size);
  void HideLine();
  void EndDrag(bool apply);
  gfx::Rect LineRect(int size) const;  // in the form's window coordinates

  int min_size_ = 30;
  ResizeStyle resize_style_ = ResizeStyle::kLine;
  Control* neighbour_ = nullptr;
  gfx::Point down_;  // screen
  int start_size_ = 0;
  int max_size_ = 0;
  int new_size_ = 0;
  bool line_shown_ = false;
  int line_size_ = 0;
};

}  // namespace ui
