// BatchRun: one run of the batch engine: the files' jobs, the workers, and the reporting thread's side.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "batch/BatchCompressor.h"
#include "batch/FileConverter.h"
#include "batch/SourceList.h"

namespace batch {

// Workers take the files in list order and convert them; the thread that made the run reports
// the starts and ends in list order. Everything the two sides share is guarded by one mutex and
// announced through one condition variable. Destroying the run stops and joins its workers, so no
// path out of BatchCompressor::Run leaves a thread running.
//
// A file costs the run a few bytes besides its names in the source list: its output name is made
// again when it is needed, and a report is held only from the file's end until it is handed on.
class BatchRun {
 public:
  // `cancel` is read by the workers before they take a file, `abort` between the decoded rows of
  // the files they convert. `sources` must outlive the run. `two_threads_per_file`: the cores
  // outnumber the workers twice, so each streamed file may decode and encode on two threads.
  BatchRun(const SourceList& sources, const BatchOptions& options, const std::atomic<bool>& cancel,
           const std::atomic<bool>& abort, bool two_threads_per_file = false);
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
  // Per file flags.
  enum : uint8_t {
    kOutputIsSource = 1,  // the output would overwrite a source of this batch
    kSkip = 2,            // skip_existing: the output is there and up to date
  };
  static constexpr size_t kNone = SIZE_MAX;

  std::string OutputOf(size_t index) const;
  void Plan();
  // The flags of every file whose output is `output`, `last` being the last of them.
  using FileId = std::pair<uint64_t, uint64_t>;  // device and inode
  uint8_t OutputFlags(const std::string& output, size_t last, const std::vector<FileId>& source_ids) const;

  // Worker side.
  class FileProgress;
  void Work(std::stop_token stop);
  std::optional<size_t> Take(std::stop_token stop);
  FileReport Convert(size_t index);
  void Finish(size_t index, FileReport report);
  void Progress(size_t index, uint64_t input_bytes, int64_t done, int64_t total);

  // Reporting side, under the lock.
  bool SomethingToReport() const;
  // Moves the reports that are due into `due`, in list order; true when the run is over.
  bool CollectDue(std::vector<FileReport>& due);

  const BatchOptions& options_;
  const ConvertOptions convert_;
  const std::atomic<bool>& cancel_;
  const std::atomic<bool>& abort_;
  const SourceList& sources_;
  std::vector<uint8_t> flags_;     // set while planning, then only read
  std::vector<uint8_t> finished_;  // under the lock
  // For each file, the previous file with the same output name (kNone when none); that one's
  // output must land first, so the later source's stands.
  std::vector<size_t> previous_same_output_;

  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;
  bool failure_seen_ = false;
  unsigned running_workers_ = 0;
  size_t started_reported_ = 0;
  size_t finished_reported_ = 0;
  std::map<size_t, FileReport> results_;  // ended, not yet handed on
  // The latest progress of files, not yet handed on: one entry a file, a few at a time.
  struct RowCount {
    uint64_t input_bytes;
    int64_t done;
    int64_t total;
  };
  std::map<size_t, RowCount> progress_;

  std::stop_source stop_;
  std::vector<std::jthread> workers_;  // last: joined before the state they use goes
};

}  // namespace batch
