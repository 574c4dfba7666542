// TOBThread: a component that runs its handler on new threads, counts them and reports their end on the UI thread.
#include "worker/TOBThread.h"

#include <chrono>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

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

}  // namespace

TOBThread::TOBThread() : shared_(std::make_shared<Shared>()) { shared_->owner = this; }

TOBThread::~TOBThread() {
  shared_->owner = nullptr;
  // Ask every thread to stop, start the held ones so they end at once, and wait for all of them.
  // Calls they hand to the UI thread meanwhile are served, so a thread waiting for one can end.
  for (auto& [id, t] : threads_) {
    t->RequestStop();
    while (t->SuspendCount() > 0) t->Release();
  }
  ui::Application* app = ui::Application::Current();
  for (auto& [id, t] : threads_) {
    while (!t->Finished()) {
      if (app != nullptr && app->IsMainThread()) app->ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    t->Join();
  }
}

uint32_t TOBThread::Execute(void* params) {
  if (!OnExecute) return 0;
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
  if (it != threads_.end()) {
    it->second->Join();
    if (it->second->FreeOnTerminate()) threads_.erase(it);
  }
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
