// The folder watcher on a real temporary folder: it reports changes through the posted task and
// stops through its release, also while a hand-over waits.
#include "platform/FolderWatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <stdexcept>

#include "support/TempDir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// Stands in for the UI thread's queue: the watcher posts, the test thread runs.
class TaskQueue {
 public:
  FolderWatcher::PostTask Poster() {
    return [this](std::function<void()> task) {
      {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
      }
      posted_.notify_all();
    };
  }

  // Waits (with a generous limit) for a posted task and takes it; an empty function when none came.
  std::function<void()> Take() {
    std::unique_lock lock(mutex_);
    if (!posted_.wait_for(lock, std::chrono::seconds(20), [&] { return !tasks_.empty(); })) return {};
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    return task;
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> tasks_;
};

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

TEST(FolderWatcherTest, ReportsNewRenamedAndDeletedNamesAndTheFolderGoing) {
  testing_support::TempDir dir;
  const std::string folder = dir / "watched";
  fs::create_directory(folder);
  TaskQueue queue;
  int changes = 0;
  FolderWatcher watcher(folder, queue.Poster(), [&] { ++changes; });

  const std::function<void()> steps[] = {
      [&] { Touch(folder + "/new.jpg"); },
      [&] { fs::rename(folder + "/new.jpg", folder + "/renamed.jpg"); },
      [&] { fs::create_directory(folder + "/sub"); },
      [&] { fs::remove(folder + "/renamed.jpg"); },
      [&] { fs::remove_all(folder); },
  };
  int expected = 0;
  for (const auto& step : steps) {
    step();
    std::function<void()> task = queue.Take();
    ASSERT_TRUE(task) << "no report after change " << expected + 1;
    task();
    EXPECT_EQ(changes, ++expected);
  }
}

TEST(FolderWatcherTest, StopsWhileAHandOverWaitsAndItsTaskThenDoesNothing) {
  testing_support::TempDir dir;
  TaskQueue queue;
  std::atomic<int> changes = 0;
  auto watcher = std::make_unique<FolderWatcher>(dir.path(), queue.Poster(), [&] { ++changes; });
  Touch(dir / "a.jpg");
  std::function<void()> task = queue.Take();  // posted; the watcher now waits for it to run
  ASSERT_TRUE(task);
  watcher.reset();  // must not wait for the task
  task();
  EXPECT_EQ(changes, 0);
}

TEST(FolderWatcherTest, StopsWhenIdleAndRefusesAFolderItCannotWatch) {
  testing_support::TempDir dir;
  TaskQueue queue;
  { FolderWatcher idle(dir.path(), queue.Poster(), [] {}); }
  Touch(dir / "file");
  EXPECT_THROW(FolderWatcher(dir / "missing", queue.Poster(), [] {}), std::runtime_error);
  EXPECT_THROW(FolderWatcher(dir / "file", queue.Poster(), [] {}), std::runtime_error);
}

}  // namespace
}  // namespace platform
