// Watches one folder for names that appear, disappear or move, and for the folder going away.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace platform {

// A thread of its own waits for the folder's changes and reports each burst once, at most once per
// kCoalesceMs, by posting a task that runs `on_change` on the UI thread. It waits for that task
// before it looks for more, and gives the wait up when it is asked to stop, so a UI thread that
// destroys the watcher never waits for a task it has not run yet. Subfolders are not watched.
class FolderWatcher {
 public:
  // Queues a task to run on the UI thread; called from the watcher's thread.
  using PostTask = std::function<void(std::function<void()>)>;
  static constexpr int kCoalesceMs = 100;

  // Starts watching. Throws std::runtime_error when the folder cannot be watched.
  FolderWatcher(const std::string& folder, PostTask post, std::function<void()> on_change);
  // Releases the thread and joins it; a posted task that has not run yet then does nothing.
  ~FolderWatcher();
  FolderWatcher(const FolderWatcher&) = delete;
  FolderWatcher& operator=(const FolderWatcher&) = delete;

 private:
  struct Shared;
  class Descriptor {
   public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

   private:
    int fd_;
  };

  void Run();
  // Posts one change and waits until it ran; false when a stop was asked meanwhile.
  bool HandOver();

  std::shared_ptr<Shared> shared_;
  PostTask post_;
  Descriptor inotify_;
  Descriptor release_;
  std::jthread thread_;  // started last, joined by the destructor before anything it uses goes
};

}  // namespace platform
