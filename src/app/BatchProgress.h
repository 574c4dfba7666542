// BatchProgress: the tally of a running batch that the batch page shows, fed by the engine's
// reports on the worker thread and read on the UI thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "batch/BatchCompressor.h"

namespace app {

// Progress is weighed by bytes: a file of 20 MB moves the gauge as much as a thousand of 20 KB.
// The gauge counts in thousandths of the batch's input bytes, so its range stays small however
// large the batch is.
class BatchProgress {
 public:
  static constexpr int32_t kRange = 1000;

  explicit BatchProgress(size_t files) : files_(files) {}

  // The sizes of the batch's files when it started; read off the UI thread, before the run.
  void SetTotalBytes(uint64_t bytes);

  // Worker thread: one report of the engine (starts, progress and ends, ends in list order).
  void Take(const batch::FileReport& report);

  struct View {
    int32_t per_mille = 0;        // 0..kRange: finished bytes and the decoded share of files in progress
    size_t first_unfinished = 0;  // in list order; `files` once every file has ended
    size_t done = 0;
    size_t failed = 0;
    size_t aborted = 0;
    std::string failure;          // the first failure's text, naming its file
    size_t failed_index = 0;
  };
  // Any thread.
  View Read() const;

 private:
  const size_t files_;
  mutable std::mutex mutex_;
  uint64_t total_bytes_ = 0;
  View view_;
  uint64_t finished_bytes_ = 0;
  std::map<size_t, uint64_t> in_progress_;  // file -> bytes of it decoded so far
};

// "剩余 1:20 ": the time left at the rate so far, once a second has passed and some progress shows;
// "" before. Hours show as "剩余 1:02:03 ".
std::string TimeLeftText(uint64_t elapsed_ms, int32_t per_mille);

// The end text of a batch: "压缩完成！", the bytes saved (or added) and how many outputs grew.
std::string BatchDoneText(const batch::BatchSummary& summary);

}  // namespace app
