// Control: a visible component with bounds in its parent's client area, alignment, input and painting.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/Color.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "ui/Component.h"
#include "ui/Input.h"
#include "ui/Message.h"

namespace gfx {
class Canvas;
}

namespace ui {

class Form;
class PopupMenu;
class WinControl;

enum class Align { kNone, kTop, kBottom, kLeft, kRight, kClient };

enum Anchors : uint8_t { kAnchorLeft = 1, kAnchorTop = 2, kAnchorRight = 4, kAnchorBottom = 8 };
constexpr Anchors operator|(Anchors a, Anchors b) {
  return static_cast<Anchors>(static_cast<uint8_t>(a) | static_cast<uint8_t>(b));
}

enum class Cursor { kDefault, kArrow, kHand, kIBeam, kWait, kCross, kSizeWE, kSizeNS, kSizeNWSE, kSizeNESW, kSizeAll };

// A window procedure: receives a message, sets its result.
using WindowProcFn = std::function<void(Message&)>;

// The classic button face colour, the default colour of controls and forms.
constexpr gfx::Color kColorBtnFace = gfx::Rgb(212, 208, 200);
constexpr gfx::Color kColorBtnShadow = gfx::Rgb(128, 128, 128);
constexpr gfx::Color kColorBtnHighlight = gfx::Rgb(255, 255, 255);
constexpr gfx::Color kColorBtnText = gfx::Rgb(0, 0, 0);
constexpr gfx::Color kColorGrayText = gfx::Rgb(128, 128, 128);
constexpr gfx::Color kColorHighlight = gfx::Rgb(10, 36, 106);
constexpr gfx::Color kColorWindow = gfx::Rgb(255, 255, 255);
constexpr gfx::Color kColor3dDkShadow = gfx::Rgb(64, 64, 64);
constexpr gfx::Color kColorInfoBk = gfx::Rgb(255, 255, 225);

class Control : public Component {
 public:
  Control();
  ~Control() override;

  // --- tree ---
  // A parent owns its children (WinControl::AddChild / MakeChild); a control without a parent is
  // owned by whoever made it (a form by the application, a test's control by the test).
  WinControl* Parent() const { return parent_; }
  // Moves the control, with its ownership, from its parent to `parent`. Throws std::logic_error
  // for a control without a parent (add it with AddChild), a null parent (take it out with
  // RemoveChild) or a parent below the control itself.
  void SetParent(WinControl* parent);
  // The form the control is on (itself for a form), or null.
  Form* ParentForm() const;
  virtual bool IsWindowed() const { return false; }
  // This control as a windowed control or as a form, or null.
  virtual WinControl* AsWinControl() const { return nullptr; }
  virtual Form* AsForm() const { return nullptr; }
  // The children in z-order (first painted first); only windowed controls have any.
  virtual size_t ChildCount() const { return 0; }
  virtual Control* Child(size_t /*index*/) const { return nullptr; }
  // Calls fn for each child in z-order. fn may hide, show or repaint controls; should it add or
  // remove children, the walk may miss or repeat one but never reaches a destroyed one.
  void ForEachChild(const std::function<void(Control&)>& fn) const;
  // Whether c is this control or one below it.
  bool Contains(const Control* c) const;

  // --- geometry (parent's client coordinates) ---
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  gfx::Rect BoundsRect() const { return bounds_; }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  virtual void SetBounds(int left, int top, int width, int height);
  // The area children and painting use, in the control's own coordinates.
  virtual gfx::Rect ClientRect() const { return {0, 0, Width(), Height()}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientSize(int width, int height);
  gfx::Point ClientToScreen(gfx::Point p) const;
  gfx::Point ScreenToClient(gfx::Point p) const;
  // Offset of this control's client origin inside its form's window (outer) coordinates.
  gfx::Point OriginInWindow() const;

  Align GetAlign() const { return align_; }
  void SetAlign(Align a);
  Anchors GetAnchors() const { return anchors_; }
  void SetAnchors(Anchors a);

  // --- state ---
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a shown form.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // Enabled here and in every parent.
  bool EffectivelyEnabled() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v) { show_hint_ = v; }

  const gfx::Font& GetFont() const { return font_; }
  void SetFont(const gfx::Font& f);
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool v);
  gfx::Color GetColor() const { return color_; }
  void SetColor(gfx::Color c);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool v);
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor c) { cursor_ = c; }
  PopupMenu* GetPopupMenu() const { return popup_menu_; }
  void SetPopupMenu(PopupMenu* menu);
  // Whether the control paints its whole rectangle (so the parent need not paint under it).
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool v) { opaque_ = v; }

  // --- painting ---
  void Invalidate();
  void InvalidateRect(const gfx::Rect& r);  // in client coordinates
  // Paints pending changes of the whole form now.
  void Update();
  void Repaint() { Invalidate(); Update(); }

  // --- messages ---
  // Delivers a message synchronously through the window procedure and returns its result.
  intptr_t Send(uint32_t id, intptr_t wparam = 0, intptr_t lparam = 0);
  intptr_t Send(Message m);
  void Dispatch(Message& m);
  // The current window procedure; a component may save it, install its own and call the saved one.
  WindowProcFn WindowProc();
  void SetWindowProc(WindowProcFn proc) { window_proc_ = std::move(proc); }
  // Queues a message for this control; it is delivered by the message loop.
  void Post(uint32_t id, intptr_t wparam = 0, intptr_t lparam = 0);

  // --- timers: kMsgTimer with the id in wparam goes through the window procedure ---
  void SetTimer(uintptr_t id, uint32_t interval_ms);
  void KillTimer(uintptr_t id);

  // --- hit testing ---
  // The topmost visible child (or this) under a point of the client area; GraphicControls have none.
  virtual Control* ControlAtPoint(gfx::Point client_point, bool allow_disabled);

  // Dialog-key roles: a default button answers Enter, a cancel button Escape.
  virtual bool IsDefaultButton() const { return false; }
  virtual bool IsCancelButton() const { return false; }
  // The control's own context menu, shown when neither OnContextPopup nor a PopupMenu took the
  // request: true when it showed one.
  virtual bool DefaultContextMenu(gfx::Point /*screen*/) { return false; }
  // Runs the control's click action (buttons override this with their own behaviour).
  virtual void Click();
  // Keyboard accelerator: true when the caption's "&" marks this character.
  bool IsAccelerator(char32_t ch) const;
  // Called for a matching accelerator; by default focuses or clicks nothing.
  virtual bool HandleAccelerator() { return false; }

  // --- events ---
  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;
  NotifyEvent OnMouseEnter;
  NotifyEvent OnMouseLeave;
  MouseWheelEvent OnMouseWheel;
  NotifyEvent OnResize;
  std::function<void(Control* sender, gfx::Point at, bool& handled)> OnContextPopup;

  // Painting entry used by the form: draws this control in its own coordinates.
  virtual void Paint(gfx::Canvas& canvas);
  // Fills the background with the control's colour; answers kMsgEraseBackground.
  virtual void EraseBackground(gfx::Canvas& canvas);

  // --- skin changes (see WalkSkinChange) ---
  // Called before the skin data object `skin_data` (null: any skin data) changes, so a control drops
  // what it took from it, and after it changed, so the control takes up the new skin and repaints.
  virtual void SkinMessageBeforeChange(const void* /*skin_data*/) {}
  virtual void SkinMessageChange(const void* /*skin_data*/) {}

 protected:
  // The default window procedure: turns messages into calls of the handlers below.
  virtual void WndProc(Message& m);
  void Notification(Component* component, Operation operation) override;

  virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseMove(ShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool MouseWheel(ShiftState shift, int delta, int x, int y);
  virtual void DblClick();
  virtual void Resize();
  virtual void TimerTick(uintptr_t id);
  virtual void CaptionChanged() {}
  virtual void FontChanged() {}
  virtual void EnabledChanged() {}
  virtual void VisibleChanged();
  virtual void ParentChanged() {}
  // Whether a press and release inside the control fires Click (buttons manage clicks themselves).
  virtual bool ClicksOnRelease() const { return true; }
  // Turns a client mouse-button message into DblClick, MouseDown, MouseUp and Click.
  void HandleMouseButton(const Message& m);

  // Called by WinControl when a parent's font or colour changes.
  friend class WinControl;
  void ParentFontChanged();
  void ParentColorChanged();
  // Adjusts the position to the parent's new client size (anchors right/bottom).
  void ApplyAnchors(gfx::Size parent_client);
  void RememberAnchorDistances();
  // Bounds set by alignment: no anchor bookkeeping.
  void SetAlignedBounds(const gfx::Rect& r);
  void RequestParentRealign();

  // For forms, which start hidden without announcing it.
  void InitVisible(bool v) { visible_ = v; }

  gfx::Rect bounds_;
  bool clicked_ = false;  // a press began inside and waits for the release

 private:
  void ApplyBounds(const gfx::Rect& r);

  // Set while the object is alive, so a debug build can tell a message sent to a destroyed control.
  static constexpr uint32_t kLiveMark = 0x4C495645;
  uint32_t live_mark_ = kLiveMark;
  WinControl* parent_ = nullptr;
  Align align_ = Align::kNone;
  Anchors anchors_ = kAnchorLeft | kAnchorTop;
  int anchor_right_ = 0;   // distance from the right edge to the parent's client right edge
  int anchor_bottom_ = 0;  // likewise at the bottom
  bool visible_ = true;
  bool enabled_ = true;
  bool show_hint_ = false;
  bool parent_font_ = true;
  bool parent_color_ = true;
  bool opaque_ = false;
  std::string caption_;
  std::string hint_;
  gfx::Font font_{"MS Sans Serif", 11};
  gfx::Color color_ = kColorBtnFace;
  Cursor cursor_ = Cursor::kDefault;
  PopupMenu* popup_menu_ = nullptr;
  WindowProcFn window_proc_;
};

}  // namespace ui
