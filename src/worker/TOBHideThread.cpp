// TOBHideThread: one worker thread of TOBThread: created held, started once, stoppable by request.
#include "worker/TOBHideThread.h"

#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace worker {

namespace {

thread_local TOBHideThread* t_current = nullptr;

}  // namespace

TOBHideThread* TOBHideThread::Current() { return t_current; }

TOBHideThread::TOBHideThread(uint32_t id, TNotifyEventParams handler, void* params,
                             std::function<void(uint32_t)> done)
    : id_(id), handler_(std::move(handler)), params_(params), done_(std::move(done)) {}

TOBHideThread::~TOBHideThread() { Join(); }

int32_t TOBHideThread::Release() {
  int32_t previous = suspend_count_;
  if (suspend_count_ > 0) --suspend_count_;
  if (suspend_count_ == 0 && !started_) {
    started_ = true;
    thread_ = std::jthread([this] { Body(); });
  }
  return previous;
}

void TOBHideThread::Join() {
  if (thread_.joinable()) thread_.join();
}

void TOBHideThread::Body() {
  t_current = this;
  tid_.store(static_cast<int>(syscall(SYS_gettid)));
  if (nice_set_.load()) setpriority(PRIO_PROCESS, static_cast<id_t>(tid_.load()), wanted_nice_.load());
  // A thread asked to stop before it ran ends without running the handler.
  if (!stop_.stop_requested() && handler_) handler_(nullptr, params_);
  t_current = nullptr;
  finished_.store(true);
  if (done_) done_(id_);
}

bool TOBHideThread::SetNice(int nice) {
  if (finished_.load()) return false;
  wanted_nice_.store(nice);
  nice_set_.store(true);
  int tid = tid_.load();
  if (tid == 0) return true;
  return setpriority(PRIO_PROCESS, static_cast<id_t>(tid), nice) == 0;
}

bool TOBHideThread::GetNice(int& nice) const {
  if (finished_.load()) return false;
  int tid = tid_.load();
  if (tid == 0) {
    nice = wanted_nice_.load();
    return true;
  }
  errno = 0;
  int value = getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
  if (value == -1 && errno != 0) return false;
  nice = value;
  return true;
}

}  // namespace worker
