// TOBHideThread: one worker thread of TOBThread: created held, started once, stoppable by request.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <thread>

#include "worker/TOBThread.h"

namespace worker {

class TOBHideThread {
 public:
  // `done` runs on the worker thread as its very last step.
  TOBHideThread(uint32_t id, TNotifyEventParams handler, void* params, std::function<void(uint32_t)> done);
  TOBHideThread(const TOBHideThread&) = delete;
  TOBHideThread& operator=(const TOBHideThread&) = delete;
  ~TOBHideThread();

  uint32_t Id() const { return id_; }
  bool FreeOnTerminate() const { return free_on_terminate_; }
  void SetFreeOnTerminate(bool v) { free_on_terminate_ = v; }

  bool Started() const { return started_; }
  bool Finished() const { return finished_.load(); }
  int32_t SuspendCount() const { return suspend_count_; }
  // Before the start only: one more hold. Returns the previous count.
  int32_t Hold() { return suspend_count_++; }
  // One hold less; the thread starts when none is left. Returns the previous count.
  int32_t Release();
  void RequestStop() { stop_.request_stop(); }
  bool StopRequestedFlag() const { return stop_.stop_requested(); }
  std::stop_token StopToken() const { return stop_.get_token(); }
  void Join();
  // Whether the component has taken this thread's end into account (UI thread only).
  bool Reported() const { return reported_; }
  void SetReported() { reported_ = true; }

  // The thread object whose handler runs on the calling thread, or null.
  static TOBHideThread* Current();

  // Priority as the kernel's nice value of the thread; remembered until the thread runs.
  bool SetNice(int nice);
  bool GetNice(int& nice) const;

 private:
  void Body();

  uint32_t id_;
  TNotifyEventParams handler_;
  void* params_;
  std::function<void(uint32_t)> done_;
  bool free_on_terminate_ = true;
  bool started_ = false;
  bool reported_ = false;
  int32_t suspend_count_ = 1;  // created held
  std::stop_source stop_;
  std::atomic<bool> finished_{false};
  std::atomic<int> tid_{0};
  std::atomic<int> wanted_nice_{0};
  std::atomic<bool> nice_set_{false};
  std::jthread thread_;  // last: it goes, joined, before what its body uses
};

}  // namespace worker
