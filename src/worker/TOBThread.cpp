// TOBThread: a component that runs its handler on new threads, counts them and reports their end on the UI thread.
#include "worker/TOBThread.h"

#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <stop_token>
#include <vector>

#include "ui/Application.h"
#include "worker/TOBHideThread.h"

namespace worker {

// Lives as long as any of its threads: the end of a thread reaches the component through it,
// and finds nothing once the component is gone.
struct TOBThread::Shared {
  TOBThread* owner = nullptr;  // read and cleared on the UI thread only
};

namespace {

struct Level {
  int32_t priority;
  int nice;
};
// The kernel's per-thread nice values standing for the priority levels.
constexpr Level kLevels[] = {{-15, 19}, {-2, 10}, {-1, 5}, {0, 0}, {1, -5}, {2, -10}, {15, -20}};

// A call a handler hands to the UI thread and waits for. The waiting side may give up while the
// call is still queued; the UI thread then skips it.
class UiCall {
 public:
  explicit UiCall(std::function<void()> fn) : fn_(std::move(fn)) {}

  // On the UI thread.
  void Run() {
    {
      std::lock_guard lock(mutex_);
      if (state_ == State::kAbandoned) return;
      state_ = State::kRunning;
    }
    std::exception_ptr error;
    try {
      fn_();
    } catch (...) {
      error = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    error_ = error;
    state_ = State::kDone;
    done_.notify_all();
  }

  // On the waiting thread: true when the call ran; false when `stop` came first.
  bool Wait(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    done_.wait(lock, stop, [this] { return state_ == State::kDone; });
    if (state_ == State::kQueued) {
      state_ = State::kAbandoned;
      return false;
    }
    // Taken already: it runs to its end on the UI thread.
    done_.wait(lock, [this] { return state_ == State::kDone; });
    if (error_) std::rethrow_exception(error_);
    return true;
  }

 private:
  enum class State { kQueued, kRunning, kDone, kAbandoned };
  std::mutex mutex_;
  std::condition_variable_any done_;
  State state_ = State::kQueued;
  std::function<void()> fn_;
  std::exception_ptr error_;
};

}  // namespace

bool TOBThread::StopRequested() {
  TOBHideThread* current = TOBHideThread::Current();
  return current != nullptr && current->StopRequestedFlag();
}

bool TOBThread::Synchronize(const std::function<void()>& fn) {
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) throw std::logic_error("TOBThread::Synchronize needs the application");
  if (app->IsMainThread()) {
    fn();
    return true;
  }
  TOBHideThread* current = TOBHideThread::Current();
  auto call = std::make_shared<UiCall>(fn);
  app->RunOnMainThread([call] { call->Run(); });
  return call->Wait(current != nullptr ? current->StopToken() : std::stop_token());
}

TOBThread::TOBThread() : shared_(std::make_shared<Shared>()) { shared_->owner = this; }

TOBThread::~TOBThread() {
  destroying_ = true;
  StopAndJoinAll();
  // The ends the threads queued for the UI thread would now find nothing; deliver them here, so
  // every started thread is counted off. An error from an event is reported later by the loop.
  shared_->owner = nullptr;
  ui::Application* app = ui::Application::Current();
  std::vector<uint32_t> unreported;
  for (const auto& [id, t] : threads_)
    if (!t->Reported()) unreported.push_back(id);
  for (uint32_t id : unreported) {
    try {
      ThreadDone(id);
    } catch (...) {
      std::exception_ptr e = std::current_exception();
      if (app != nullptr) app->RunOnMainThread([app, e] { app->HandleException(e); });
    }
  }
}

void TOBThread::StopAndJoinAll() {
  // A held thread is never started: it has nothing to join, and its end is delivered like the others.
  for (auto& [id, t] : threads_) t->RequestStop();
  for (auto& [id, t] : threads_) t->Join();
}

uint32_t TOBThread::Execute(void* params) {
  if (!OnExecute || destroying_) return 0;
  if (exclusif_ && running_count_ > 0) return 0;
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) throw std::logic_error("TOBThread needs the application to report the end of its threads");
  ++running_count_;
  uint32_t id = next_id_++;
  if (next_id_ == 0) next_id_ = 1;
  std::shared_ptr<Shared> shared = shared_;
  auto done = [app, shared](uint32_t finished_id) {
    app->RunOnMainThread([shared, finished_id] {
      if (shared->owner != nullptr) shared->owner->ThreadDone(finished_id);
    });
  };
  TNotifyEventParams handler = OnExecute;
  // An exception escaping the handler goes to the general error report instead of ending the
  // process; the thread then ends like any other.
  TNotifyEventParams guarded = [app, handler](ui::Component* sender, void* p) {
    try {
      handler(sender, p);
    } catch (...) {
      std::exception_ptr e = std::current_exception();
      app->RunOnMainThread([app, e] { app->HandleException(e); });
    }
  };
  auto thread = std::make_unique<TOBHideThread>(id, guarded, params, done);
  thread->SetFreeOnTerminate(free_on_terminate_);
  TOBHideThread* raw = thread.get();
  threads_[id] = std::move(thread);
  if (Onbegin) Onbegin(nullptr);
  if (run_on_create_) raw->Release();
  return id;
}

void TOBThread::ThreadDone(uint32_t id) {
  auto it = threads_.find(id);
  if (it == threads_.end() || it->second->Reported()) return;
  it->second->SetReported();
  it->second->Join();
  if (it->second->FreeOnTerminate()) threads_.erase(it);
  --running_count_;
  if (OnFinish) OnFinish(nullptr);
  if (running_count_ == 0 && OnFinishAll) OnFinishAll(nullptr);
}

TOBHideThread* TOBThread::Find(ThreadHandle handle) const {
  auto it = threads_.find(handle);
  return it == threads_.end() ? nullptr : it->second.get();
}

int32_t TOBThread::GetPriority(ThreadHandle handle) const {
  if (handle == 0) return 0;
  TOBHideThread* t = Find(handle);
  int nice = 0;
  if (t == nullptr || !t->GetNice(nice)) return kPriorityErrorReturn;
  // The level whose nice value is nearest.
  const Level* best = &kLevels[0];
  for (const Level& l : kLevels) {
    if (std::abs(l.nice - nice) < std::abs(best->nice - nice)) best = &l;
  }
  return best->priority;
}

bool TOBThread::SetPriority(ThreadHandle handle, uint8_t priority) {
  TOBHideThread* t = Find(handle);
  if (t == nullptr) return false;
  int32_t wanted = priority;
  for (const Level& l : kLevels) {
    if (l.priority == wanted) return t->SetNice(l.nice);
  }
  return false;
}

bool TOBThread::QuitThread(ThreadHandle handle) {
  TOBHideThread* t = Find(handle);
  if (t == nullptr || t->Finished()) return false;
  t->RequestStop();
  // A held thread is started so that it ends (without running the handler) and is counted off.
  while (t->SuspendCount() > 0) t->Release();
  return true;
}

int32_t TOBThread::Suspend(ThreadHandle handle) {
  TOBHideThread* t = Find(handle);
  if (t == nullptr || t->Started()) return kSuspendFailed;
  return t->Hold();
}

int32_t TOBThread::Resume(ThreadHandle handle) {
  TOBHideThread* t = Find(handle);
  if (t == nullptr) return kSuspendFailed;
  if (t->Started()) return 0;
  return t->Release();
}

}  // namespace worker
