// TOBThread: a component that runs its handler on new threads, counts them and reports their end on the UI thread.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/Component.h"

namespace worker {

// The handler type: a sender (always null here) and the untyped pointer given to Execute.
using TNotifyEventParams = std::function<void(ui::Component* sender, void* params)>;

class TOBHideThread;

// Threads are named by a 32-bit identifier, which is also the handle the pass-through methods
// take. Stopping is cooperative: QuitThread asks a thread to stop, the handler sees it through
// StopRequested() and returns; every thread that ends reaches ThreadDone on the UI thread, so the
// running count always comes back down.
//
// Destroying the component asks every thread to stop and waits for them on the UI thread without
// serving its messages, then delivers the ends not yet delivered (OnFinish, OnFinishAll) before
// the component goes. An owner therefore destroys the component before what its events touch. A
// handler that must wait for the UI thread uses Synchronize, which gives up when the thread is
// asked to stop; waiting with Application::RunOnMainThreadSync would hold the destruction forever.
class TOBThread : public ui::Component {
 public:
  using ThreadHandle = uint32_t;
  // The failure values of the pass-through methods.
  static constexpr int32_t kPriorityErrorReturn = 0x7FFFFFFF;
  static constexpr int32_t kSuspendFailed = -1;
  // Priority levels the pass-through methods understand.
  static constexpr int32_t kPriorityIdle = -15;
  static constexpr int32_t kPriorityLowest = -2;
  static constexpr int32_t kPriorityBelowNormal = -1;
  static constexpr int32_t kPriorityNormal = 0;
  static constexpr int32_t kPriorityAboveNormal = 1;
  static constexpr int32_t kPriorityHighest = 2;
  static constexpr int32_t kPriorityTimeCritical = 15;

  TOBThread();
  ~TOBThread() override;

  int32_t RunningCount() const { return running_count_; }
  bool Exclusif() const { return exclusif_; }
  void SetExclusif(bool v) { exclusif_ = v; }
  bool RunOnCreate() const { return run_on_create_; }
  void SetRunOnCreate(bool v) { run_on_create_ = v; }
  bool FreeOnTerminate() const { return free_on_terminate_; }
  void SetFreeOnTerminate(bool v) { free_on_terminate_ = v; }
  const std::string& About() const { return about_; }
  void SetAbout(std::string v) { about_ = std::move(v); }

  ui::NotifyEvent Onbegin;
  TNotifyEventParams OnExecute;
  ui::NotifyEvent OnFinish;
  ui::NotifyEvent OnFinishAll;

  // Starts a thread running OnExecute with `params`; 0 when nothing was started (no handler, or
  // Exclusif while a thread runs). Call it on the UI thread.
  uint32_t Execute(void* params);
  bool OneThreadIsRunning() const { return running_count_ > 0; }

  // 0 for handle 0; kPriorityErrorReturn for an unknown or finished thread.
  int32_t GetPriority(ThreadHandle handle) const;
  // The byte is widened to an integer, so only the non-negative levels can be asked for.
  bool SetPriority(ThreadHandle handle, uint8_t priority);
  // Asks the thread to stop; the handler decides when. False for an unknown or finished thread.
  bool QuitThread(ThreadHandle handle);
  // A thread can be held only before it starts (RunOnCreate off); a running thread cannot be
  // suspended on this system and gives kSuspendFailed. Both return the previous suspend count.
  int32_t Suspend(ThreadHandle handle);
  int32_t Resume(ThreadHandle handle);

  // Inside a handler: whether QuitThread or the component's destruction asked the current thread
  // to stop.
  static bool StopRequested();
  // Inside a handler: runs fn on the UI thread and waits for it; an exception thrown by fn reaches
  // the caller. False, with fn not run, when the thread is asked to stop before the UI thread took
  // the call (fn must not destroy the component). On the UI thread fn runs at once.
  static bool Synchronize(const std::function<void()>& fn);

 private:
  struct Shared;
  void ThreadDone(uint32_t id);
  // Asks every thread to stop and joins the started ones; only the threads run meanwhile.
  void StopAndJoinAll();
  TOBHideThread* Find(ThreadHandle handle) const;

  int32_t running_count_ = 0;
  bool exclusif_ = true;
  bool run_on_create_ = true;
  bool free_on_terminate_ = true;
  bool destroying_ = false;
  std::string about_;
  uint32_t next_id_ = 1;
  std::map<uint32_t, std::unique_ptr<TOBHideThread>> threads_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace worker
