// Application: the forms in creation order, the message loop, timers, modal loops, hints and cross-thread calls.
#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Event.h"
#include "ui/Message.h"

namespace ui {

class Control;
class Form;
class HintWindow;

// One per program (the process-wide application object). It owns the forms it creates and
// destroys them, newest first, when it goes away. The backend (platform::SetBackend) must be set
// before it is created and outlive it.
class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  // The application object of this process, or null.
  static Application* Current();

  // --- forms ---
  // Creates a form (the first one becomes the main form), then runs its creation hook.
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = form.get();
    AddForm(std::move(form));
    return raw;
  }
  void AddForm(std::unique_ptr<Form> form);
  // Forms in creation order.
  std::vector<Form*> Forms() const;
  Form* MainForm() const { return main_form_; }
  Form* ActiveForm() const { return active_form_; }
  // Destroys a form now (its destruction hook runs first).
  void DestroyForm(Form* form);

  // --- the loop ---
  // Shows the main form when it is visible and runs the loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles everything pending without waiting, paints, and returns.
  void ProcessMessages();
  // Waits for and handles one round of input, messages and timers (a modal loop's step);
  // false when nothing came.
  bool HandleMessage();
  // Caption of the error report (the main form's caption when empty).
  const std::string& Title() const { return title_; }
  void SetTitle(std::string t) { title_ = std::move(t); }
  // Runs the loop until `done` is true or the application terminates.
  void RunUntil(const std::function<bool()>& done);

  // --- messages and cross-thread calls ---
  // Queues a message for the control; any thread may call it. The message is dropped when the
  // control is destroyed before the loop delivers it.
  void PostMessage(Control* target, const Message& m);
  // Sends a message synchronously to every form that exists, in creation order (a form created
  // or destroyed by a handler meanwhile is skipped).
  void SendToAllForms(uint32_t id, intptr_t wparam = 0, intptr_t lparam = 0);
  // Queues fn for the UI thread; any thread may call it.
  void RunOnMainThread(std::function<void()> fn);
  // Runs fn on the UI thread and waits for it; on the UI thread it runs at once. An exception
  // thrown by fn reaches the caller. Throws when the application goes away before fn ran.
  void RunOnMainThreadSync(const std::function<void()>& fn);
  bool IsMainThread() const { return std::this_thread::get_id() == main_thread_; }

  // --- timers ---
  // Delivers kMsgTimer (wparam = id) to the control every interval; setting again restarts it.
  void SetControlTimer(Control* target, uintptr_t id, uint32_t interval_ms);
  void KillControlTimer(Control* target, uintptr_t id);
  // A timer that calls fn; returns its id (never 0).
  uintptr_t SetTimer(uint32_t interval_ms, std::function<void()> fn);
  void KillTimer(uintptr_t id);
  // Milliseconds until the next timer is due (-1: none).
  int32_t NextTimerDelay() const;

  // --- errors ---
  // Reports an exception that escaped a handler: OnException when set, else a message box with
  // the error's text. The loop goes on afterwards.
  void HandleException(std::exception_ptr e);
  void ShowException(const std::string& text);
  std::function<void(const std::string& text)> OnException;

  // --- hints ---
  uint32_t HintPause() const { return hint_pause_; }
  void SetHintPause(uint32_t ms) { hint_pause_ = ms; }
  uint32_t HintHidePause() const { return hint_hide_pause_; }
  void SetHintHidePause(uint32_t ms) { hint_hide_pause_ = ms; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v) { show_hint_ = v; }
  // The hint window on screen, or null.
  HintWindow* CurrentHint() const { return hint_window_; }
  void CancelHint();
  // Makes the hint windows; replaceable so a skinned hint can take over.
  std::function<std::unique_ptr<HintWindow>()> HintWindowFactory;
  // Frees the hint window made so far, so the next hint comes from HintWindowFactory.
  void ResetHintWindow();

  // --- application-wide input filter ---
  // A filter sees input before any form does, as the message the form would get: kMsgKeyDown and
  // kMsgSysKeyDown, kMsgChar (the first character of the typed text), kMsgMouseWheel and the button
  // presses kMsgLButtonDown, kMsgRButtonDown and kMsgMButtonDown, whose points (Message::At) are in
  // screen coordinates. It returns true to swallow the input. The newest filter sees it first; one that passes hands it to
  // the one installed before it. A popup menu installs one while it is open.
  using InputFilter = std::function<bool(platform::SurfaceId surface, Message& m)>;
  uintptr_t AddInputFilter(InputFilter filter);  // returns an id (never 0)
  void RemoveInputFilter(uintptr_t id);
  bool HasInputFilter(uintptr_t id) const;

  // --- mouse state ---
  Control* CaptureControl() const { return capture_; }
  void SetCaptureControl(Control* c);
  // The capture a press takes: it ends with the release of every button (EndCaptureOfPress), unless
  // a handler set a capture of its own meanwhile.
  void CaptureUntilRelease(Control* c);
  void EndCaptureOfPress(Control* c);
  Control* MouseControl() const { return mouse_control_; }

  // Called by controls and forms.
  void ControlDestroyed(Control* c);
  void FormCreated(Form* f);
  void FormRemoved(Form* f);
  void FormActivated(Form* f, bool active);
  // Destroys the form when the loop gets back to it.
  void QueueRelease(Form* f);
  // The mouse is over `c` (null: over no control of a form) at the screen point.
  void MouseMovedOver(Control* c, gfx::Point screen);
  void SetMouseControl(Control* c);
  // Every form that exists, owned here or not, in creation order.
  const std::vector<Form*>& LiveForms() const { return live_forms_; }
  // Whether the form still exists.
  bool IsLive(const Form* f) const;
  // Changes whenever a control is destroyed, so a caller can tell that a pointer it held across a
  // handler may be stale.
  uint64_t DestroyEpoch() const { return destroy_epoch_; }
  void ControlHidden(Control* c);

 private:
  struct TimerEntry {
    uintptr_t key;  // timer id for function timers; 0 for control timers
    Control* target;
    uintptr_t id;
    uint32_t interval;
    uint64_t due;
    std::function<void()> fn;
  };
  struct CrossThreadTask {
    std::function<void()> fn;
    std::shared_ptr<struct SyncState> sync;
  };

  void DispatchEvent(const platform::Event& ev);
  // Runs the input filters over the event; true when one swallowed it.
  bool FilterInput(const platform::Event& ev);
  // One guarded step: exceptions reach the error report.
  void Guard(const std::function<void()>& step);
  bool PumpEvents();
  bool ProcessPosted();
  bool ProcessCrossThread();
  bool ProcessTimers();
  void PaintForms();
  void ReleaseForms();
  Form* FormForSurface(platform::SurfaceId id) const;
  void UpdateHint();

  std::thread::id main_thread_;
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<Form*> live_forms_;  // every form that exists, owned here or not
  std::unique_ptr<HintWindow> hint_holder_;
  std::vector<Form*> to_release_;
  Form* main_form_ = nullptr;
  Form* active_form_ = nullptr;
  bool terminated_ = false;
  int loop_depth_ = 0;
  std::mutex posted_mutex_;  // posted_ is filled by any thread
  std::deque<std::pair<Control*, Message>> posted_;
  std::vector<TimerEntry> timers_;
  uintptr_t next_timer_id_ = 1;
  std::mutex cross_mutex_;
  std::deque<CrossThreadTask> cross_;
  std::vector<std::pair<uintptr_t, InputFilter>> input_filters_;  // oldest first
  uintptr_t next_filter_id_ = 1;
  bool showing_exception_ = false;
  uint64_t destroy_epoch_ = 0;
  Control* capture_ = nullptr;
  bool auto_capture_ = false;  // the capture was taken by a press and ends with the release
  Control* mouse_control_ = nullptr;
  // Hints.
  uint32_t hint_pause_ = 500;
  uint32_t hint_hide_pause_ = 2500;
  bool show_hint_ = true;
  Control* hint_control_ = nullptr;
  uint64_t hint_due_ = 0;
  bool hint_waiting_ = false;
  uint64_t hint_hide_due_ = 0;
  gfx::Point hint_cursor_;
  HintWindow* hint_window_ = nullptr;
};

}  // namespace ui
