// Application: the forms in creation order, the message loop, timers, modal loops, hints and cross-thread calls.
#include "ui/Application.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <stdexcept>

#include "gfx/TextUtf8.h"
#include "platform/Backend.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"
#include "ui/MessageBox.h"

namespace ui {

namespace {

Application* g_application = nullptr;

bool IsInputEvent(platform::EventType t) {
  using platform::EventType;
  return t == EventType::kMouseDown || t == EventType::kMouseUp || t == EventType::kKeyDown;
}

}  // namespace

struct SyncState {
  std::mutex mutex;
  std::condition_variable cv;
  bool done = false;
  std::exception_ptr error;
};

Application::Application() : main_thread_(std::this_thread::get_id()) {
  if (g_application != nullptr) throw std::logic_error("an application object exists already");
  g_application = this;
  HintWindowFactory = [] { return std::make_unique<HintWindow>(); };
}

Application::~Application() {
  CancelHint();
  hint_holder_.reset();
  // Forms go newest first; each one's destruction hook runs before it is freed.
  while (!forms_.empty()) DestroyForm(forms_.back().get());
  // Nobody will run the calls still waiting: let their callers go on.
  std::deque<CrossThreadTask> left;
  {
    std::lock_guard<std::mutex> lock(cross_mutex_);
    left.swap(cross_);
  }
  for (CrossThreadTask& t : left) {
    if (!t.sync) continue;
    std::lock_guard<std::mutex> lock(t.sync->mutex);
    t.sync->error = std::make_exception_ptr(std::runtime_error("The application has closed."));
    t.sync->done = true;
    t.sync->cv.notify_all();
  }
  g_application = nullptr;
}

Application* Application::Current() { return g_application; }

void Application::AddForm(std::unique_ptr<Form> form) {
  Form* raw = form.get();
  forms_.push_back(std::move(form));
  if (main_form_ == nullptr) main_form_ = raw;
  Guard([raw] { raw->DoCreate(); });
}

std::vector<Form*> Application::Forms() const {
  std::vector<Form*> out;
  for (const auto& f : forms_) out.push_back(f.get());
  return out;
}

void Application::FormCreated(Form* f) { live_forms_.push_back(f); }

bool Application::IsLive(const Form* f) const {
  return std::find(live_forms_.begin(), live_forms_.end(), f) != live_forms_.end();
}

void Application::FormRemoved(Form* f) {
  live_forms_.erase(std::remove(live_forms_.begin(), live_forms_.end(), f), live_forms_.end());
  to_release_.erase(std::remove(to_release_.begin(), to_release_.end(), f), to_release_.end());
  if (active_form_ == f) active_form_ = nullptr;
  if (main_form_ == f) main_form_ = nullptr;
  if (hint_window_ == f) hint_window_ = nullptr;
}

void Application::FormActivated(Form* f, bool active) {
  if (active) active_form_ = f;
  else if (active_form_ == f) active_form_ = nullptr;
}

void Application::QueueRelease(Form* f) {
  if (std::find(to_release_.begin(), to_release_.end(), f) == to_release_.end()) to_release_.push_back(f);
}

void Application::DestroyForm(Form* form) {
  if (!IsLive(form)) return;
  Guard([form] { form->DoDestroy(); });
  auto it = std::find_if(forms_.begin(), forms_.end(), [form](const auto& p) { return p.get() == form; });
  if (it != forms_.end()) {
    std::unique_ptr<Form> gone = std::move(*it);
    forms_.erase(it);
    gone.reset();
    return;
  }
  // A form owned elsewhere (by a component or a caller): the owner frees it.
}

void Application::Guard(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    HandleException(std::current_exception());
  }
}

void Application::Run() {
  if (main_form_ != nullptr && !main_form_->Visible()) Guard([this] { main_form_->Show(); });
  ++loop_depth_;
  while (!terminated_) HandleMessage();
  --loop_depth_;
}

void Application::Terminate() {
  terminated_ = true;
  if (platform::HasBackend()) platform::GetBackend().Wake();
}

void Application::RunUntil(const std::function<bool()>& done) {
  ++loop_depth_;
  while (!terminated_) {
    bool finished = false;
    Guard([&] { finished = done(); });
    if (finished) break;
    HandleMessage();
  }
  --loop_depth_;
}

bool Application::PumpEvents() {
  platform::Backend& backend = platform::GetBackend();
  bool any = false;
  platform::Event ev;
  while (!terminated_ && backend.PollEvent(ev)) {
    any = true;
    DispatchEvent(ev);
  }
  return any;
}

void Application::ProcessMessages() {
  ProcessTimers();
  for (;;) {
    bool any = PumpEvents();
    any |= ProcessPosted();
    any |= ProcessCrossThread();
    ReleaseForms();
    UpdateHint();
    if (!any || terminated_) break;
  }
  PaintForms();
}

bool Application::HandleMessage() {
  platform::Backend& backend = platform::GetBackend();
  bool any = ProcessTimers();
  any |= PumpEvents();
  any |= ProcessPosted();
  any |= ProcessCrossThread();
  ReleaseForms();
  UpdateHint();
  PaintForms();
  if (any || terminated_) return true;
  int32_t timeout = NextTimerDelay();
  platform::Event ev;
  if (backend.WaitEvent(ev, timeout)) {
    DispatchEvent(ev);
    PaintForms();
    return true;
  }
  bool fired = ProcessTimers();
  if (fired) PaintForms();
  return fired;
}

void Application::DispatchEvent(const platform::Event& ev) {
  using platform::EventType;
  if (ev.type == EventType::kWake) {
    ProcessCrossThread();
    return;
  }
  if (ev.type == EventType::kQuit) {
    Terminate();
    return;
  }
  Form* f = FormForSurface(ev.surface);
  if (f == nullptr) return;
  // A press that a pending move/size loop did not start with means the loop never began.
  if (IsInputEvent(ev.type)) {
    for (Form* other : live_forms_) other->CancelPendingSizeMove();
  }
  Guard([&] {
    if (FilterInput(ev)) return;
    f->HandleEvent(ev);
  });
}

bool Application::FilterInput(const platform::Event& ev) {
  if (input_filters_.empty()) return false;
  using platform::EventType;
  uint8_t bits = 0;
  if (ev.modifiers & platform::kModShift) bits |= kShift;
  if (ev.modifiers & platform::kModAlt) bits |= kAlt;
  if (ev.modifiers & platform::kModControl) bits |= kCtrl;
  const auto shift = static_cast<ShiftState>(bits);
  Message m;
  switch (ev.type) {
    case EventType::kKeyDown:
      m = Message::MakeKey(Has(shift, kAlt) ? kMsgSysKeyDown : kMsgKeyDown, ev.key, shift);
      break;
    case EventType::kTextInput: {
      const std::u32string text = gfx::DecodeUtf8(ev.text);
      if (text.empty()) return false;
      m = Message::MakeChar(text[0]);
      break;
    }
    case EventType::kMouseWheel:
      m = Message::MakeWheel(shift, ev.wheel_delta, ev.screen);
      break;
    case EventType::kMouseDown:
      m = Message::MakeMouse(ev.button == platform::MouseButton::kLeft    ? kMsgLButtonDown
                             : ev.button == platform::MouseButton::kRight ? kMsgRButtonDown
                                                                          : kMsgMButtonDown,
                             shift, ev.screen);
      break;
    default:
      return false;
  }
  // Newest first; a filter may remove itself or others while it runs.
  std::vector<uintptr_t> ids;
  for (auto it = input_filters_.rbegin(); it != input_filters_.rend(); ++it) ids.push_back(it->first);
  for (uintptr_t id : ids) {
    auto it = std::find_if(input_filters_.begin(), input_filters_.end(), [id](const auto& f) { return f.first == id; });
    if (it == input_filters_.end()) continue;
    InputFilter filter = it->second;
    if (filter(ev.surface, m)) return true;
  }
  return false;
}

uintptr_t Application::AddInputFilter(InputFilter filter) {
  uintptr_t id = next_filter_id_++;
  input_filters_.emplace_back(id, std::move(filter));
  return id;
}

void Application::RemoveInputFilter(uintptr_t id) {
  input_filters_.erase(std::remove_if(input_filters_.begin(), input_filters_.end(),
                                      [id](const auto& f) { return f.first == id; }),
                       input_filters_.end());
}

bool Application::HasInputFilter(uintptr_t id) const {
  return std::any_of(input_filters_.begin(), input_filters_.end(), [id](const auto& f) { return f.first == id; });
}

Form* Application::FormForSurface(platform::SurfaceId id) const {
  if (id == platform::kNoSurface) return nullptr;
  for (Form* f : live_forms_) {
    if (f->Surface() != nullptr && f->Surface()->Id() == id) return f;
  }
  return nullptr;
}

void Application::PostMessage(Control* target, const Message& m) {
  // Every thread queues into the same list, so ControlDestroyed clears a worker's message for a
  // control that goes away before the loop delivers it just like one posted on the UI thread.
  {
    std::lock_guard<std::mutex> lock(posted_mutex_);
    posted_.emplace_back(target, m);
  }
  if (!IsMainThread() || loop_depth_ == 0) {
    if (platform::HasBackend()) platform::GetBackend().Wake();
  }
}

void Application::SendToAllForms(uint32_t id, intptr_t wparam, intptr_t lparam) {
  std::vector<Form*> forms = live_forms_;
  for (Form* f : forms) {
    if (IsLive(f)) f->Send(id, wparam, lparam);
  }
}

bool Application::ProcessPosted() {
  size_t n = 0;
  {
    std::lock_guard<std::mutex> lock(posted_mutex_);
    n = posted_.size();
  }
  if (n == 0) return false;
  // Only what was queued before this round, so a handler that posts again cannot starve input.
  for (size_t i = 0; i < n; ++i) {
    Control* target = nullptr;
    Message m;
    {
      std::lock_guard<std::mutex> lock(posted_mutex_);
      if (posted_.empty()) break;
      target = posted_.front().first;
      m = posted_.front().second;
      posted_.pop_front();
    }
    if (target == nullptr) continue;
    Guard([&] { target->Dispatch(m); });
  }
  return true;
}

void Application::RunOnMainThread(std::function<void()> fn) {
  {
    std::lock_guard<std::mutex> lock(cross_mutex_);
    cross_.push_back({std::move(fn), nullptr});
  }
  if (platform::HasBackend()) platform::GetBackend().Wake();
}

void Application::RunOnMainThreadSync(const std::function<void()>& fn) {
  if (IsMainThread()) {
    fn();
    return;
  }
  auto state = std::make_shared<SyncState>();
  {
    std::lock_guard<std::mutex> lock(cross_mutex_);
    cross_.push_back({fn, state});
  }
  if (platform::HasBackend()) platform::GetBackend().Wake();
  std::unique_lock<std::mutex> lock(state->mutex);
  state->cv.wait(lock, [&] { return state->done; });
  if (state->error) std::rethrow_exception(state->error);
}

bool Application::ProcessCrossThread() {
  std::deque<CrossThreadTask> tasks;
  {
    std::lock_guard<std::mutex> lock(cross_mutex_);
    tasks.swap(cross_);
  }
  if (tasks.empty()) return false;
  for (CrossThreadTask& t : tasks) {
    if (!t.sync) {
      Guard(t.fn);
      continue;
    }
    std::exception_ptr error;
    try {
      t.fn();
    } catch (...) {
      error = std::current_exception();
    }
    std::lock_guard<std::mutex> lock(t.sync->mutex);
    t.sync->error = error;
    t.sync->done = true;
    t.sync->cv.notify_all();
  }
  return true;
}

void Application::SetControlTimer(Control* target, uintptr_t id, uint32_t interval_ms) {
  uint64_t now = platform::GetBackend().NowMs();
  if (interval_ms == 0) interval_ms = 1;
  for (TimerEntry& t : timers_) {
    if (t.key == 0 && t.target == target && t.id == id) {
      t.interval = interval_ms;
      t.due = now + interval_ms;
      return;
    }
  }
  timers_.push_back({0, target, id, interval_ms, now + interval_ms, nullptr});
}

void Application::KillControlTimer(Control* target, uintptr_t id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const TimerEntry& t) { return t.key == 0 && t.target == target && t.id == id; }),
                timers_.end());
}

uintptr_t Application::SetTimer(uint32_t interval_ms, std::function<void()> fn) {
  if (interval_ms == 0) interval_ms = 1;
  uintptr_t key = next_timer_id_++;
  timers_.push_back({key, nullptr, 0, interval_ms, platform::GetBackend().NowMs() + interval_ms, std::move(fn)});
  return key;
}

void Application::KillTimer(uintptr_t id) {
  if (id == 0) return;
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const TimerEntry& t) { return t.key == id; }),
                timers_.end());
}

int32_t Application::NextTimerDelay() const {
  uint64_t now = platform::GetBackend().NowMs();
  int64_t best = -1;
  auto consider = [&](uint64_t due) {
    int64_t d = due > now ? static_cast<int64_t>(due - now) : 0;
    if (best < 0 || d < best) best = d;
  };
  for (const TimerEntry& t : timers_) consider(t.due);
  if (hint_waiting_) consider(hint_due_);
  if (hint_window_ != nullptr && hint_window_->Visible()) consider(hint_hide_due_);
  return static_cast<int32_t>(std::min<int64_t>(best, 1 << 30));
}

bool Application::ProcessTimers() {
  uint64_t now = platform::GetBackend().NowMs();
  // Each due timer fires once per round, like the classic low-priority timer message: a late
  // timer does not fire a burst to catch up.
  struct Due {
    uintptr_t key;
    Control* target;
    uintptr_t id;
  };
  std::vector<Due> due;
  for (TimerEntry& t : timers_) {
    if (t.due > now) continue;
    t.due = now + t.interval;
    due.push_back({t.key, t.target, t.id});
  }
  for (const Due& d : due) {
    // The timer may have been killed by an earlier one.
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const TimerEntry& t) {
      return t.key == d.key && t.target == d.target && t.id == d.id;
    });
    if (it == timers_.end()) continue;
    if (d.key != 0) {
      std::function<void()> fn = it->fn;
      Guard(fn);
    } else {
      Control* target = d.target;
      uintptr_t id = d.id;
      Guard([&] { target->Send(kMsgTimer, static_cast<intptr_t>(id)); });
    }
  }
  UpdateHint();
  return !due.empty();
}

void Application::PaintForms() {
  for (size_t i = 0; i < live_forms_.size(); ++i) {
    Form* f = live_forms_[i];
    if (!f->NeedsPaint()) continue;
    Guard([f] { f->UpdateNow(); });
  }
}

void Application::ReleaseForms() {
  while (!to_release_.empty()) {
    Form* f = to_release_.front();
    to_release_.erase(to_release_.begin());
    DestroyForm(f);
  }
}

void Application::HandleException(std::exception_ptr e) {
  std::string text;
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& x) {
    text = x.what();
  } catch (...) {
    text = "Unknown error.";
  }
  ShowException(text);
}

void Application::ShowException(const std::string& text) {
  if (showing_exception_ || terminated_) {
    // An error while the report itself is up (or while closing) cannot be shown in a box.
    std::fprintf(stderr, "%s\n", text.c_str());
    return;
  }
  showing_exception_ = true;
  // A report that fails itself goes to the error stream: it must never leave the loop.
  try {
    if (OnException) {
      OnException(text);
    } else {
      std::string caption = title_;
      if (caption.empty() && main_form_ != nullptr) caption = main_form_->Caption();
      ShowMessageBox(text, caption, MessageBoxButtons::kOk, MessageBoxIcon::kError);
    }
  } catch (const std::exception& x) {
    std::fprintf(stderr, "%s\n%s\n", text.c_str(), x.what());
  } catch (...) {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
  showing_exception_ = false;
}

void Application::SetCaptureControl(Control* c) {
  if (c == capture_) return;
  Control* old = capture_;
  capture_ = c;
  auto_capture_ = false;
  if (platform::HasBackend()) {
    Form* f = c != nullptr ? c->ParentForm() : nullptr;
    if (f != nullptr && f->Surface() != nullptr) platform::GetBackend().SetCapture(f->Surface()->Id());
    else platform::GetBackend().ReleaseCapture();
  }
  if (old != nullptr) old->Send(kMsgCaptureChanged);
}

void Application::CaptureUntilRelease(Control* c) {
  SetCaptureControl(c);
  auto_capture_ = true;
}

void Application::EndCaptureOfPress(Control* c) {
  if (auto_capture_ && capture_ == c) SetCaptureControl(nullptr);
}

void Application::SetMouseControl(Control* c) {
  if (c == mouse_control_) return;
  Control* old = mouse_control_;
  mouse_control_ = c;
  if (old != nullptr) Guard([old] { old->Send(kMsgMouseLeave); });
  if (c != nullptr && c == mouse_control_) Guard([c] { c->Send(kMsgMouseEnter); });
}

namespace {

// The control whose hint shows for `c`: the nearest one with a hint, when hints are on for it.
Control* HintSource(Control* c) {
  for (; c != nullptr; c = c->Parent()) {
    if (c->Hint().empty()) continue;
    for (Control* p = c; p != nullptr; p = p->Parent()) {
      if (p->ShowHint()) return c;
    }
    return nullptr;
  }
  return nullptr;
}

}  // namespace

namespace {

platform::CursorShape ShapeFor(Cursor c) {
  switch (c) {
    case Cursor::kHand: return platform::CursorShape::kHand;
    case Cursor::kIBeam: return platform::CursorShape::kIBeam;
    case Cursor::kWait: return platform::CursorShape::kWait;
    case Cursor::kCross: return platform::CursorShape::kCrosshair;
    case Cursor::kSizeWE: return platform::CursorShape::kSizeWE;
    case Cursor::kSizeNS: return platform::CursorShape::kSizeNS;
    case Cursor::kSizeNWSE: return platform::CursorShape::kSizeNWSE;
    case Cursor::kSizeNESW: return platform::CursorShape::kSizeNESW;
    case Cursor::kSizeAll: return platform::CursorShape::kSizeAll;
    case Cursor::kDefault:
    case Cursor::kArrow: return platform::CursorShape::kArrow;
  }
  return platform::CursorShape::kArrow;
}

}  // namespace

void Application::MouseMovedOver(Control* c, gfx::Point screen) {
  SetMouseControl(c);
  // The cursor of the control under the mouse, or of the nearest parent that names one.
  Cursor cursor = Cursor::kDefault;
  for (Control* p = capture_ != nullptr ? capture_ : c; p != nullptr && cursor == Cursor::kDefault; p = p->Parent()) {
    cursor = p->GetCursor();
  }
  if (c != nullptr || capture_ != nullptr) platform::GetBackend().SetCursor(ShapeFor(cursor));
  hint_cursor_ = screen;
  Control* source = show_hint_ ? HintSource(c) : nullptr;
  if (source == hint_control_) return;
  bool was_showing = hint_window_ != nullptr && hint_window_->Visible();
  CancelHint();
  hint_control_ = source;
  if (source == nullptr) return;
  hint_waiting_ = true;
  // Moving from one hint to the next shows the next one almost at once.
  hint_due_ = platform::GetBackend().NowMs() + (was_showing ? 50 : hint_pause_);
}

void Application::CancelHint() {
  hint_waiting_ = false;
  hint_control_ = nullptr;
  if (hint_window_ != nullptr && hint_window_->Visible()) hint_window_->ReleaseHint();
}

void Application::ResetHintWindow() {
  CancelHint();
  hint_window_ = nullptr;
  hint_holder_.reset();
}

void Application::UpdateHint() {
  if (!platform::HasBackend()) return;
  uint64_t now = platform::GetBackend().NowMs();
  if (hint_waiting_ && now >= hint_due_ && hint_control_ != nullptr) {
    hint_waiting_ = false;
    Control* source = hint_control_;
    Guard([&] {
      if (!hint_holder_) {
        hint_holder_ = HintWindowFactory();
        hint_window_ = hint_holder_.get();
      }
      gfx::Rect r = hint_window_->CalcHintRect(300, source->Hint()).Offset(hint_cursor_.x, hint_cursor_.y + 20);
      // Kept on the monitor the cursor is on.
      gfx::Rect area = platform::GetBackend().GetWorkArea(r, false);
      if (r.right > area.right) r = r.Offset(area.right - r.right, 0);
      if (r.bottom > area.bottom) r = r.Offset(0, hint_cursor_.y - 4 - r.bottom);
      if (r.left < area.left) r = r.Offset(area.left - r.left, 0);
      if (r.top < area.top) r = r.Offset(0, area.top - r.top);
      hint_window_->ActivateHint(r, source->Hint());
      hint_hide_due_ = now + hint_hide_pause_;
    });
    return;
  }
  if (hint_window_ != nullptr && hint_window_->Visible() && now >= hint_hide_due_) hint_window_->ReleaseHint();
}

void Application::ControlDestroyed(Control* c) {
  ++destroy_epoch_;
  if (capture_ == c) {
    capture_ = nullptr;
    if (platform::HasBackend()) platform::GetBackend().ReleaseCapture();
  }
  if (mouse_control_ == c) mouse_control_ = nullptr;
  if (hint_control_ == c) CancelHint();
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [c](const TimerEntry& t) { return t.target == c; }),
                timers_.end());
  {
    std::lock_guard<std::mutex> lock(posted_mutex_);
    for (auto& p : posted_) {
      if (p.first == c) p.first = nullptr;
    }
  }
  for (Form* f : live_forms_) f->ControlGone(c);
}

void Application::ControlHidden(Control* c) {
  auto inside = [c](Control* x) {
    if (x == nullptr) return false;
    if (x == c) return true;
    return c->Contains(x);
  };
  if (inside(capture_)) SetCaptureControl(nullptr);
  if (inside(mouse_control_)) SetMouseControl(nullptr);
  if (inside(hint_control_)) CancelHint();
  for (Form* f : live_forms_) {
    if (f != c) Guard([f, c] { f->DropFocusWithin(c); });
  }
}

}  // namespace ui
