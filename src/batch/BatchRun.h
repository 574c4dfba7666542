// BatchRun: one run of the batch engine: the files' jobs, the workers, and the reporting thread's side.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "batch/BatchCompressor.h"
#include "batch/FileConverter.h"

namespace batch {

// Workers take the files in list order and convert them; the thread that made the run reports
// the starts and ends in list order. Everything the two sides share is guarded by one mutex and
// announced through one condition variable. Destroying the run stops and joins its workers, so no
// path out of BatchCompressor::Run leaves a thread running.
class BatchRun {
 public:
  // `cancel` is read by the workers before they take a file.
  BatchRun(const std::vector<std::string>& sources, const BatchOptions& options, const std::atomic<bool>& cancel);
  BatchRun(const BatchRun&) = delete;
  BatchRun& operator=(const BatchRun&) = delete;
  ~BatchRun();

  // Starts up to `count` workers through `start`. When the system refuses one, those already
  // running carry the whole list; throws gfx::ImageError when not even the first could start.
  void StartWorkers(unsigned count, const BatchCompressor::ThreadStarter& start);
  // On the calling thread: hands every start and end to the listener in list order, until every
  // worker has ended and every taken file is reported. A listener's exception ends the run.
  BatchSummary Report(const BatchCompressor::Listener& listener);

 private:
  struct Job {
    std::string source;
    std::string output;
    // Index of the previous source with the same output name; its output must land first.
    std::optional<size_t> previous_same_output;
    bool output_is_source = false;
    bool skip = false;  // skip_existing: the output is there and up to date
    bool subfolder = false;  // the output goes below the output folder, in a folder made on demand
    bool taken = false;
    bool finished = false;
    FileReport result;
  };

  // Worker side.
  void Work(std::stop_token stop);
  std::optional<size_t> Take(std::stop_token stop);
  FileReport Convert(size_t index);
  void Finish(size_t index, FileReport report);

  // Reporting side, under the lock.
  bool SomethingToReport() const;
  // Moves the reports that are due into `due`, in list order; true when the run is over.
  bool CollectDue(std::vector<FileReport>& due);

  const BatchOptions& options_;
  const ConvertOptions convert_;
  const std::atomic<bool>& cancel_;
  std::vector<Job> jobs_;

  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;
  bool failure_seen_ = false;
  unsigned running_workers_ = 0;
  size_t started_reported_ = 0;
  size_t finished_reported_ = 0;

  std::stop_source stop_;
  std::vector<std::jthread> workers_;  // last: joined before the state they use goes
};

}  // namespace batch
