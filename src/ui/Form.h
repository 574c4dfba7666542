// Form: a windowed control that is a top-level surface, with outer bounds, a client rectangle and a frame buffer.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "platform/Event.h"
#include "platform/Surface.h"
#include "ui/WinControl.h"

namespace gfx {
class Canvas;
}

namespace ui {

enum class BorderStyle { kNone, kSingle, kSizeable, kDialog, kToolWindow, kSizeToolWin };
enum class FormPosition { kDesigned, kScreenCenter, kMainFormCenter };
enum class CloseAction { kNone, kHide, kFree, kMinimize };

// Modal results.
constexpr int kMrNone = 0;
constexpr int kMrOk = 1;
constexpr int kMrCancel = 2;
constexpr int kMrAbort = 3;
constexpr int kMrRetry = 4;
constexpr int kMrIgnore = 5;
constexpr int kMrYes = 6;
constexpr int kMrNo = 7;

// Coordinates: a form's Left/Top/Width/Height are its outer bounds on the screen. "Window
// coordinates" have their origin at the outer top-left corner; the client rectangle (ClientRect)
// is in window coordinates and comes from kMsgNcCalcSize. Children are placed in client
// coordinates. Every message of the form, the non-client ones included, goes through its window
// procedure (Control::WindowProc / SetWindowProc).
//
// A form with a border uses the window system's own decorations until something calls
// SetSystemFrame(false) (a component drawing its own frame); then the frame buffer covers the
// whole outer rectangle and the non-client area is the window procedure's to paint.
class Form : public WinControl {
 public:
  Form();
  ~Form() override;

  Form* AsForm() const override { return const_cast<Form*>(this); }

  // --- window attributes ---
  BorderStyle GetBorderStyle() const { return border_style_; }
  void SetBorderStyle(BorderStyle style);
  bool Sizeable() const { return border_style_ == BorderStyle::kSizeable || border_style_ == BorderStyle::kSizeToolWin; }
  bool SystemFrame() const { return system_frame_ && border_style_ != BorderStyle::kNone; }
  // Switches the window system's frame on or off; recreates the surface when it exists.
  void SetSystemFrame(bool on);
  platform::SurfaceKind SurfaceKind() const { return surface_kind_; }
  void SetSurfaceKind(platform::SurfaceKind kind) { surface_kind_ = kind; }
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition p) { position_ = p; }
  // Smallest and largest outer size (0 = no limit).
  gfx::Size MinSize() const { return min_size_; }
  void SetMinSize(gfx::Size s);
  gfx::Size MaxSize() const { return max_size_; }
  void SetMaxSize(gfx::Size s);
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool v) { key_preview_ = v; }

  gfx::Rect ClientRect() const override { return client_rect_; }
  // Children stand in client coordinates, whose origin is the client rectangle's corner, not the
  // window's: aligned children fill the client area from (0, 0).
  gfx::Rect AlignRect() const override { return {0, 0, client_rect_.Width(), client_rect_.Height()}; }
  void SetBounds(int left, int top, int width, int height) override;
  // Sends kMsgNcCalcSize again and lays the form out for the new client rectangle.
  void RecalcClientRect();
  // Asks kMsgGetMinMaxInfo again and hands the limits to the window system (after whatever
  // answers the message changed its mind, a frame component switching skins say).
  void ApplySizeLimits();

  // --- surface ---
  platform::Surface* Surface() const { return surface_.get(); }
  bool HandleAllocated() const { return surface_ != nullptr; }
  platform::Surface& HandleNeeded();
  // Destroys and recreates the surface (after a change of frame or kind).
  void RecreateWnd();
  // The window shape in window coordinates; nullopt is the whole rectangle. Input outside the
  // shape goes to what lies below.
  void SetWindowRegion(std::optional<gfx::Region> region);
  const std::optional<gfx::Region>& WindowRegion() const { return window_region_; }
  // Translucency 0-255; false when the window system cannot show it.
  bool SetAlphaBlendValue(uint8_t alpha);

  // --- painting ---
  void InvalidateWindowRect(const gfx::Rect& r);  // window coordinates
  void InvalidateAll();
  // Paints what is invalid and presents what changed.
  void UpdateNow();
  bool NeedsPaint() const { return !invalid_.IsEmpty() || !unpresented_.IsEmpty(); }
  // The frame buffer (its origin at the buffer offset of window coordinates).
  const gfx::Bitmap& FrameBuffer() const { return frame_; }

  // A canvas over the whole window in window coordinates (non-client area included), like a
  // window device context. What is drawn is presented when the object goes away: the whole
  // window, or only `area` (window coordinates, also the canvas's clip) when one is given.
  class WindowDC {
   public:
    explicit WindowDC(Form& form);
    WindowDC(Form& form, const gfx::Rect& area);
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC();
    gfx::Canvas& Canvas() { return *canvas_; }

   private:
    Form& form_;
    std::unique_ptr<gfx::Canvas> canvas_;
    std::optional<gfx::Rect> area_;
  };

  // --- activation, focus, closing ---
  bool Active() const { return active_; }
  void Activate();
  // The window system's minimize and restore (the program's own window states are a frame
  // component's business).
  void Minimize();
  void Restore();
  bool Minimized() const { return surface_ && surface_->IsMinimized(); }
  WinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(WinControl* control);
  // Moves the focus to the next (or previous) focusable control in tab order, wrapping around.
  void SelectNext(bool forward);
  void Close();
  // Shows the form, runs a nested loop until ModalResult is set and returns it.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int r) { modal_result_ = r; }
  // Queues the destruction of the form; it happens when the loop gets back to it.
  void Release();

  // Runs the creation and destruction hooks (Application calls these).
  void DoCreate();
  void DoDestroy();

  NotifyEvent OnCreate;
  NotifyEvent OnDestroy;
  NotifyEvent OnShow;
  NotifyEvent OnHide;
  NotifyEvent OnActivate;
  NotifyEvent OnDeactivate;
  std::function<void(Component* sender, bool& can_close)> OnCloseQuery;
  std::function<void(Component* sender, CloseAction& action)> OnClose;
  std::function<void(Component* sender, gfx::Canvas& canvas)> OnPaint;
  std::function<void(Component* sender, const std::vector<std::string>& files)> OnDropFiles;

  // --- called by the application ---
  void HandleEvent(const platform::Event& ev);
  // A press that did not start the move/size loop it announced means the loop never began.
  void CancelPendingSizeMove() {
    if (!in_size_move_) size_move_pending_ = false;
  }
  // Text input (input methods included) is on while a control that takes characters has the focus;
  // such a control calls this again when its caret moved, so the candidate window follows it.
  void UpdateTextInput();
  // `c` is going away: the focus, when on c or below it, goes without a kill-focus message.
  void ControlGone(Control* c);
  // `c` was hidden or disabled: the focus, when on c or below it, goes with a kill-focus message.
  void DropFocusWithin(Control* c);

 protected:
  void WndProc(Message& m) override;
  void VisibleChanged() override;
  void Paint(gfx::Canvas& canvas) override;
  virtual bool CloseQuery();
  // Dialog-key handling after the focused control left the key alone.
  virtual bool DialogKey(uint16_t key, ShiftState shift);

 private:
  class ModalScope;

  // The surface (FormSurface.cpp).
  platform::SurfaceParams SurfaceParamsNow();
  void CreateSurface();
  void InstallSurfaceHooks();
  void DestroySurface();
  void EnsureFrameBuffer();
  gfx::Point BufferOffset() const;
  void SurfaceBoundsChanged(const gfx::Rect& outer);
  // Showing and activation (Form.cpp).
  void PlaceOnFirstShow();
  void SetActive(bool active);
  // Painting (FormPainting.cpp).
  void PaintInvalid();
  // The backend's events (FormEvents.cpp).
  void HandleInput(const platform::Event& ev);
  void HandleWindowEvent(const platform::Event& ev);
  void MouseLeft();
  void Exposed(const gfx::Rect& surface_rect);
  void CaptureLost();
  void SizeMoveChanged(const platform::Event& ev);
  void RunSizeMoveLoop();
  // The mouse (FormMouse.cpp).
  void HandleMouse(const platform::Event& ev);
  void SendNonClientMouse(const platform::Event& ev);
  void SendWheel(Control* target, const platform::Event& ev, gfx::Point window_point);
  void SendClientMouse(Control& target, const platform::Event& ev, gfx::Point window_point, bool take_capture);
  void OpenContextMenu(Control& target, gfx::Point screen);
  // The keyboard (FormKeyboard.cpp) and the focus (FormFocus.cpp).
  void HandleKey(const platform::Event& ev);
  void HandleText(const platform::Event& ev);
  bool TryAccelerator(char32_t ch);
  // Sends kMsgFocusChanged to every control of the form, parents first.
  void NotifyFocusChanged(WinControl* focused);
  // Closing and modal loops (FormModal.cpp).
  void CloseMessage();
  bool ModalLoopDone();
  // The default window procedure's answers (FormMessages.cpp).
  void CalcClientArea(NcCalcSizeParams& params) const;
  intptr_t DefaultHitTest(gfx::Point screen) const;
  void ActivateMessage(bool active);
  void FillMinMaxInfo(MinMaxInfo& info) const;

  std::unique_ptr<platform::Surface> surface_;
  gfx::Bitmap frame_;
  gfx::Region invalid_;      // window coordinates, waiting to be painted
  gfx::Region unpresented_;  // window coordinates, painted and waiting to be presented
  gfx::Rect client_rect_;
  std::optional<gfx::Region> window_region_;
  std::optional<uint8_t> alpha_;
  BorderStyle border_style_ = BorderStyle::kSizeable;
  bool system_frame_ = true;
  platform::SurfaceKind surface_kind_ = platform::SurfaceKind::kNormal;
  FormPosition position_ = FormPosition::kDesigned;
  gfx::Size min_size_;
  gfx::Size max_size_;
  bool key_preview_ = false;
  bool placed_ = false;
  bool active_ = false;
  bool modal_ = false;
  int modal_result_ = kMrNone;
  bool in_size_move_ = false;
  bool size_move_pending_ = false;
  bool applying_surface_bounds_ = false;
  bool painting_ = false;  // inside UpdateNow: a window DC leaves presenting to it
  WinControl* active_control_ = nullptr;
};

}  // namespace ui
