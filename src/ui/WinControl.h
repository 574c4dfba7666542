// WinControl: a control with children, tab order, keyboard focus and keyboard input.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "gfx/Region.h"
#include "ui/Control.h"

namespace ui {

class WinControl : public Control {
 public:
  WinControl();
  ~WinControl() override;

  bool IsWindowed() const override { return true; }
  WinControl* AsWinControl() const override { return const_cast<WinControl*>(this); }

  // --- children: this control owns them; z-order is their order (first painted first) ---
  size_t ChildCount() const override { return children_.size(); }
  Control* Child(size_t index) const override { return children_[index].get(); }
  // Takes ownership of a new child (one without a parent) and returns it. Throws std::logic_error,
  // leaving `child` with the caller, when the child has a parent already or contains this control.
  template <class T>
  T* AddChild(std::unique_ptr<T>&& child) {
    T* raw = child.get();
    CheckNewChild(raw);
    InsertChild(std::unique_ptr<Control>(std::move(child)));
    return raw;
  }
  // Creates a child that this control owns. `owner` (may be null), usually the form, finds it by
  // name and is told when it goes.
  template <class T, class... Args>
  T* MakeChild(Component* owner, Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    if (owner != nullptr) owner->InsertComponent(child.get());
    return AddChild(std::move(child));
  }
  // Gives up a child: it leaves this control and the caller owns it (null when it is no child).
  std::unique_ptr<Control> RemoveChild(Control* child);

  // --- focus and tab order ---
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v) { tab_stop_ = v; }
  int TabOrder() const;
  void SetTabOrder(int index);
  // Windowed children in tab order.
  const std::vector<WinControl*>& TabList() const { return tab_list_; }
  virtual bool CanFocus() const;
  void SetFocus();
  bool Focused() const;
  // Appends this control's windowed descendants in tab order, depth-first.
  void GetTabOrderList(std::vector<WinControl*>& out) const;
  // Keys the control handles itself instead of leaving them to dialog navigation.
  virtual bool WantsKey(uint16_t key) const;
  // Whether characters typed while focused go to this control rather than to accelerators.
  virtual bool WantsChars() const { return false; }
  // A key the focused control left to dialog navigation, offered first to the focused control and
  // then to each of its parents (a page control takes Ctrl+Tab this way); true consumes it.
  virtual bool HandleDialogKey(uint16_t /*key*/, ShiftState /*shift*/) { return false; }
  // Where typed text appears (client coordinates), so an input method can place its window.
  virtual gfx::Rect CaretRect() const { return ClientRect(); }

  // --- alignment ---
  // Places aligned children in the client area and re-applies anchors.
  void Realign();
  void DisableAlign() { ++align_disabled_; }
  void EnableAlign();

  Control* ControlAtPoint(gfx::Point client_point, bool allow_disabled) override;

  // --- shape ---
  // An optional shape in the control's own client coordinates (nullopt: the whole rectangle). The
  // control paints only inside it and takes the mouse only there: outside it the parent and the
  // siblings below show through and receive the clicks. The shape stays as set when the bounds
  // change; a control whose shape depends on its size sets it again in Resize. A form uses
  // SetWindowRegion for its window's shape.
  void SetShape(std::optional<gfx::Region> shape);
  const gfx::Region* Shape() const { return shape_ ? &*shape_ : nullptr; }

  // Paints this control and its visible children into the canvas, clipped to `dirty`
  // (in this control's client coordinates).
  void PaintTree(gfx::Canvas& canvas, const gfx::Rect& dirty);

  KeyEvent OnKeyDown;
  KeyEvent OnKeyUp;
  KeyPressEvent OnKeyPress;
  NotifyEvent OnEnter;
  NotifyEvent OnExit;

 protected:
  void WndProc(Message& m) override;
  virtual void KeyDown(uint16_t& key, ShiftState shift);
  virtual void KeyUp(uint16_t& key, ShiftState shift);
  virtual void KeyPress(char32_t& ch);
  virtual void DoEnter();
  virtual void DoExit();
  void Resize() override;
  bool HandleAccelerator() override;
  // Frees every child now, newest first.
  void DestroyChildren();
  // Lays out aligned children inside `rect` (client coordinates); derived controls may shrink it.
  virtual gfx::Rect AlignRect() const { return ClientRect(); }

 private:
  friend class Control;
  void CheckNewChild(const Control* child) const;
  void InsertChild(std::unique_ptr<Control> child);
  // Places the visible children of one alignment inside `rect` and takes their room from it.
  void PlaceAligned(Align align, gfx::Rect& rect);
  void PaintChild(Control* child, gfx::Canvas& canvas, const gfx::Rect& dirty);

  std::vector<std::unique_ptr<Control>> children_;
  std::vector<WinControl*> tab_list_;
  std::optional<gfx::Region> shape_;
  bool tab_stop_ = false;
  int align_disabled_ = 0;
  bool realigning_ = false;
};

}  // namespace ui
