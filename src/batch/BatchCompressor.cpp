// The batch engine: workers take files in list order; the calling thread reports in that order.
#include "batch/BatchCompressor.h"

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <set>
#include <thread>
#include <utility>

#include "batch/FileConverter.h"
#include "gfx/ImageError.h"

namespace batch {

namespace {

using FileId = std::pair<dev_t, ino_t>;

bool StatFile(const std::string& path, FileId* id, uint64_t* size) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (id) *id = {st.st_dev, st.st_ino};
  if (size) *size = static_cast<uint64_t>(st.st_size);
  return true;
}

struct Job {
  std::string source;
  std::string output;
  // Index of the previous source with the same output name; its output must land first.
  std::optional<size_t> previous_same_output;
  bool output_is_source = false;
  bool taken = false;
  bool finished = false;
  FileReport result;
};

}  // namespace

bool IsExistingFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

BatchSummary BatchCompressor::Run(const std::vector<std::string>& sources, const BatchOptions& options,
                                  const Listener& listener) {
  const auto start = std::chrono::steady_clock::now();
  cancel_requested_ = false;
  if (!IsExistingFolder(options.output_folder)) throw gfx::ImageError("不是有效的路径！请重新选择！");

  const size_t n = sources.size();
  std::vector<Job> jobs(n);
  std::set<FileId> source_ids;
  std::map<std::string, size_t> last_with_output;
  for (size_t i = 0; i < n; ++i) {
    jobs[i].source = sources[i];
    jobs[i].output = OutputNameFor(options.output_folder, sources[i]);
    FileId id;
    if (StatFile(sources[i], &id, nullptr)) source_ids.insert(id);
    auto [it, inserted] = last_with_output.try_emplace(jobs[i].output, i);
    if (!inserted) {
      jobs[i].previous_same_output = it->second;
      it->second = i;
    }
  }
  for (Job& job : jobs) {
    FileId id;
    job.output_is_source = StatFile(job.output, &id, nullptr) && source_ids.count(id) > 0;
  }

  std::mutex mutex;
  std::condition_variable changed;
  size_t next = 0;
  bool failure_seen = false;
  unsigned running_workers = 0;

  auto process = [&](size_t i) {
    Job& job = jobs[i];
    FileReport report;
    report.index = i;
    report.source = job.source;
    report.output = job.output;
    try {
      if (job.output_is_source)
        throw gfx::ImageError("输出文件 " + job.output + " 是本批的源文件，不能覆盖");
      if (!StatFile(job.source, nullptr, &report.input_bytes))
        throw gfx::ImageError("无法读取文件 " + job.source + ": 文件不存在");
      if (job.previous_same_output) {
        // The earlier source with this output name was taken before this one; wait for it to land.
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return jobs[*job.previous_same_output].finished; });
      }
      report.output_bytes = ConvertToJpeg(job.source, job.output, options.quality);
      report.status = FileStatus::kDone;
    } catch (const std::bad_alloc&) {
      report.status = FileStatus::kFailed;
      report.error = "内存不足，无法处理 " + job.source;
    } catch (const std::exception& e) {
      report.status = FileStatus::kFailed;
      report.error = e.what();
    }
    std::lock_guard lock(mutex);
    job.result = std::move(report);
    job.finished = true;
    if (job.result.status == FileStatus::kFailed) failure_seen = true;
    changed.notify_all();
  };

  auto worker = [&] {
    for (;;) {
      size_t i;
      {
        std::lock_guard lock(mutex);
        if (next >= n || cancel_requested_ || (options.stop_on_failure && failure_seen)) break;
        i = next++;
        jobs[i].taken = true;
        changed.notify_all();
      }
      process(i);
    }
    std::lock_guard lock(mutex);
    --running_workers;
    changed.notify_all();
  };

  unsigned count = options.workers ? options.workers : std::max(1u, std::thread::hardware_concurrency());
  count = static_cast<unsigned>(std::min<size_t>(count, std::max<size_t>(n, 1)));
  std::vector<std::thread> threads;
  running_workers = count;
  for (unsigned t = 0; t < count; ++t) threads.emplace_back(worker);

  BatchSummary summary;
  summary.files = n;
  size_t started_reported = 0, finished_reported = 0;
  std::vector<FileReport> pending;
  try {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [&] {
        return (started_reported < n && jobs[started_reported].taken) ||
               (finished_reported < n && jobs[finished_reported].finished) || running_workers == 0;
      });
      pending.clear();
      while (started_reported < n && jobs[started_reported].taken) {
        FileReport r;
        r.index = started_reported;
        r.source = jobs[started_reported].source;
        r.output = jobs[started_reported].output;
        pending.push_back(std::move(r));
        ++started_reported;
      }
      // A file's end is reported only after its start and after every earlier file's end.
      while (finished_reported < started_reported && jobs[finished_reported].finished)
        pending.push_back(jobs[finished_reported++].result);
      bool all_done = running_workers == 0 && finished_reported == started_reported &&
                      (started_reported == n || !jobs[started_reported].taken);
      lock.unlock();
      for (const FileReport& r : pending) {
        if (r.status == FileStatus::kDone) {
          ++summary.done;
          summary.input_bytes += r.input_bytes;
          summary.output_bytes += r.output_bytes;
        } else if (r.status == FileStatus::kFailed) {
          ++summary.failed;
        }
        if (listener) listener(r);
      }
      lock.lock();
      if (all_done) break;
    }
  } catch (...) {
    // A listener that throws ends the batch: no new file starts, and the workers are joined first.
    cancel_requested_ = true;
    for (std::thread& t : threads) t.join();
    throw;
  }
  for (std::thread& t : threads) t.join();
  summary.cancelled = summary.done + summary.failed < n;
  summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return summary;
}

}  // namespace batch
