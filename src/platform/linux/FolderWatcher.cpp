// The folder watcher on Linux: inotify for the folder, an eventfd that releases the thread.
#include "platform/FolderWatcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace platform {

namespace {

constexpr uint32_t kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                                IN_MOVE_SELF | IN_ONLYDIR;
// After these the watch is gone: the folder was deleted, moved away or its file system unmounted.
constexpr uint32_t kGoneMask = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;

std::string WatchError(const std::string& folder, int error) {
  return "无法监视文件夹 \"" + folder + "\": " + std::strerror(error);
}

}  // namespace

struct FolderWatcher::Shared {
  std::mutex mutex;
  std::condition_variable handed;
  bool stopping = false;
  uint64_t posted = 0;  // hand-overs posted so far
  uint64_t done = 0;    // the last hand-over that ran
  std::function<void()> on_change;
};

FolderWatcher::Descriptor::~Descriptor() {
  if (fd_ >= 0) close(fd_);
}

FolderWatcher::FolderWatcher(const std::string& folder, PostTask post, std::function<void()> on_change)
    : shared_(std::make_shared<Shared>()),
      post_(std::move(post)),
      inotify_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)),
      release_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
  shared_->on_change = std::move(on_change);
  if (inotify_.Get() < 0 || release_.Get() < 0) throw std::runtime_error(WatchError(folder, errno));
  if (inotify_add_watch(inotify_.Get(), folder.c_str(), kWatchMask) < 0)
    throw std::runtime_error(WatchError(folder, errno));
  thread_ = std::jthread([this] { Run(); });
}

FolderWatcher::~FolderWatcher() {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->stopping = true;
  }
  shared_->handed.notify_all();
  // One write to a counter nobody else writes cannot overflow it, so it always lands.
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(release_.Get(), &one, sizeof one);
  thread_.join();
}

void FolderWatcher::Run() {
  using Clock = std::chrono::steady_clock;
  pollfd fds[2] = {{inotify_.Get(), POLLIN, 0}, {release_.Get(), POLLIN, 0}};
  bool pending = false;
  Clock::time_point deadline;
  alignas(inotify_event) char buffer[8192];
  for (;;) {
    int timeout = -1;
    if (pending) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      timeout = static_cast<int>(std::max<int64_t>(0, left));
    }
    {
      std::lock_guard lock(shared_->mutex);
      if (shared_->stopping) return;
    }
    // A stop that comes between the look above and the poll is seen by the poll, through the
    // eventfd.
    const int ready = poll(fds, 2, timeout);
    if (ready < 0 && errno != EINTR) return;
    if (ready > 0 && fds[1].revents != 0) return;
    if (ready > 0 && fds[0].revents != 0) {
      bool changed = false, gone = (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
      for (;;) {
        const ssize_t got = read(inotify_.Get(), buffer, sizeof buffer);
        if (got <= 0) break;
        for (ssize_t at = 0; at < got;) {
          const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
          changed = true;
          if (event->mask & kGoneMask) gone = true;
          at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
      }
      // Once the folder is gone nothing more comes from it; only the release is waited for.
      if (gone) fds[0].fd = -1;
      if ((changed || gone) && !pending) {
        pending = true;
        deadline = Clock::now() + std::chrono::milliseconds(kCoalesceMs);
      }
    }
    if (pending && Clock::now() >= deadline) {
      pending = false;
      if (!HandOver()) return;
    }
  }
}

bool FolderWatcher::HandOver() {
  uint64_t ticket;
  {
    std::lock_guard lock(shared_->mutex);
    if (shared_->stopping) return false;
    ticket = ++shared_->posted;
  }
  // The task holds the shared state, not the watcher: it may run after the watcher is gone, and
  // then does nothing.
  std::shared_ptr<Shared> shared = shared_;
  try {
    post_([shared, ticket] {
      {
        std::lock_guard lock(shared->mutex);
        if (shared->stopping) return;
      }
      struct MarkDone {
        Shared& s;
        uint64_t ticket;
        ~MarkDone() {
          {
            std::lock_guard lock(s.mutex);
            s.done = std::max(s.done, ticket);
          }
          s.handed.notify_all();
        }
      } mark{*shared, ticket};
      shared->on_change();
    });
  } catch (...) {
    // A task that could not be queued is a change lost; the next one reports the folder again.
    return true;
  }
  std::unique_lock lock(shared_->mutex);
  shared_->handed.wait(lock, [&] { return shared_->stopping || shared_->done >= ticket; });
  return !shared_->stopping;
}

}  // namespace platform
