// The batch engine: checks the output folder, makes one run and hands it its workers.
#include "batch/BatchCompressor.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "batch/BatchRun.h"
#include "batch/SourceList.h"
#include "gfx/ImageError.h"

namespace batch {

namespace {

unsigned WorkerCount(const BatchOptions& options, size_t files) {
  unsigned count = options.workers ? options.workers : std::max(1u, std::thread::hardware_concurrency());
  return static_cast<unsigned>(std::min<size_t>(count, files));
}

// Clears the cancel and abort requests when the run they applied to ends, however it ends.
class CancelReset {
 public:
  CancelReset(std::atomic<bool>& cancel, std::atomic<bool>& abort) : cancel_(cancel), abort_(abort) {}
  CancelReset(const CancelReset&) = delete;
  CancelReset& operator=(const CancelReset&) = delete;
  ~CancelReset() {
    abort_ = false;
    cancel_ = false;
  }

 private:
  std::atomic<bool>& cancel_;
  std::atomic<bool>& abort_;
};

}  // namespace

bool IsExistingFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

BatchCompressor::BatchCompressor()
    : start_thread_([](std::function<void()> body) { return std::jthread(std::move(body)); }) {}

BatchSummary BatchCompressor::Run(const std::vector<std::string>& sources, const BatchOptions& options,
                                  const Listener& listener) {
  SourceList list;
  for (const std::string& source : sources) list.Add(source);
  return RunSources(list, options, listener);
}

BatchSummary BatchCompressor::RunSources(const SourceList& sources, const BatchOptions& options, const Listener& listener) {
  const auto start = std::chrono::steady_clock::now();
  CancelReset reset(cancel_requested_, abort_requested_);
  if (!IsExistingFolder(options.output_folder)) throw gfx::ImageError("不是有效的路径！请重新选择！");
  BatchSummary summary;
  {
    const unsigned workers = WorkerCount(options, sources.size());
    // A short list leaves cores idle: each of its files then decodes and encodes side by side.
    BatchRun run(sources, options, cancel_requested_, abort_requested_,
                 workers * 2 <= std::thread::hardware_concurrency());
    run.StartWorkers(workers, start_thread_);
    summary = run.Report(listener);
  }  // the workers are joined here, before the time is taken
  summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return summary;
}

}  // namespace batch
