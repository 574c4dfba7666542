// BatchRun: one run of the batch engine: the files' jobs, the workers, and the reporting thread's side.
#include "batch/BatchRun.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <new>
#include <set>
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

bool NotOlder(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec >= b.tv_nsec;
}

void Count(BatchSummary& summary, const FileReport& r) {
  if (r.status == FileStatus::kDone) {
    ++summary.done;
    summary.input_bytes += r.input_bytes;
    summary.output_bytes += r.output_bytes;
    if (!r.skipped && r.output_bytes > r.input_bytes) ++summary.larger;
    if (r.copied_source) ++summary.copied;
    if (r.skipped) ++summary.skipped;
  } else if (r.status == FileStatus::kFailed) {
    ++summary.failed;
  }
}

}  // namespace

BatchRun::BatchRun(const std::vector<std::string>& sources, const BatchOptions& options,
                   const std::atomic<bool>& cancel)
    : options_(options),
      convert_{.quality = options.quality,
               .format = options.format,
               .progressive = options.progressive,
               .optimize = options.optimize,
               .keep_metadata = options.keep_metadata,
               .keep_dates = options.keep_dates,
               .no_larger = options.no_larger},
      cancel_(cancel),
      jobs_(sources.size()) {
  // Outputs are named and checked against the sources before any file is written.
  std::set<FileId> source_ids;
  std::map<std::string, size_t> last_with_output;
  for (size_t i = 0; i < jobs_.size(); ++i) {
    jobs_[i].source = sources[i];
    const std::string sub = i < options.output_subfolders.size() ? options.output_subfolders[i] : std::string();
    jobs_[i].output = OutputNameFor(sub.empty() ? options.output_folder : options.output_folder + "/" + sub, sources[i],
                                    ExtensionOf(options.format));
    jobs_[i].subfolder = !sub.empty();
    FileId id;
    if (StatFile(sources[i], &id, nullptr)) source_ids.insert(id);
    auto [it, inserted] = last_with_output.try_emplace(jobs_[i].output, i);
    if (!inserted) {
      jobs_[i].previous_same_output = it->second;
      it->second = i;
    }
  }
  for (Job& job : jobs_) {
    FileId id;
    job.output_is_source = StatFile(job.output, &id, nullptr) && source_ids.count(id) > 0;
    // The output that stands is the last source's with that name: when it is there already and
    // not older than that source, every source with the name is left alone.
    if (options.skip_existing) {
      struct stat output {}, source {};
      const std::string& last_source = jobs_[last_with_output[job.output]].source;
      job.skip = ::stat(job.output.c_str(), &output) == 0 && ::stat(last_source.c_str(), &source) == 0 &&
                 !S_ISDIR(output.st_mode) && NotOlder(output.st_mtim, source.st_mtim);
    }
  }
}

BatchRun::~BatchRun() {
  stop_.request_stop();
  workers_.clear();  // joins; a worker ends after the file it is converting
}

void BatchRun::StartWorkers(unsigned count, const BatchCompressor::ThreadStarter& start) {
  workers_.reserve(count);  // so that keeping a started thread cannot fail
  for (unsigned i = 0; i < count; ++i) {
    {
      std::lock_guard lock(mutex_);
      ++running_workers_;
    }
    try {
      workers_.push_back(start([this, stop = stop_.get_token()] { Work(stop); }));
    } catch (const std::exception& e) {
      std::lock_guard lock(mutex_);
      --running_workers_;
      if (workers_.empty()) throw gfx::ImageError(std::string("无法启动压缩线程: ") + e.what());
      return;
    }
  }
}

void BatchRun::Work(std::stop_token stop) {
  while (std::optional<size_t> index = Take(stop)) Finish(*index, Convert(*index));
  std::lock_guard lock(mutex_);
  --running_workers_;
  changed_.notify_all();
}

std::optional<size_t> BatchRun::Take(std::stop_token stop) {
  std::lock_guard lock(mutex_);
  if (next_ >= jobs_.size() || cancel_ || stop.stop_requested() || (options_.stop_on_failure && failure_seen_))
    return std::nullopt;
  size_t index = next_++;
  jobs_[index].taken = true;
  changed_.notify_all();
  return index;
}

FileReport BatchRun::Convert(size_t index) {
  const Job& job = jobs_[index];  // its names are not changed after planning
  FileReport report;
  report.index = index;
  report.source = job.source;
  report.output = job.output;
  try {
    if (job.skip) {
      StatFile(job.source, nullptr, &report.input_bytes);
      StatFile(job.output, nullptr, &report.output_bytes);
      report.skipped = true;
      report.status = FileStatus::kDone;
      return report;
    }
    if (job.output_is_source) throw gfx::ImageError("输出文件 " + job.output + " 是本批的源文件，不能覆盖");
    if (!StatFile(job.source, nullptr, &report.input_bytes))
      throw gfx::ImageError("无法读取文件 " + job.source + ": 文件不存在");
    if (job.previous_same_output) {
      // The earlier source with this output name was taken before this one; wait for it to land.
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return jobs_[*job.previous_same_output].finished; });
    }
    if (job.subfolder) {
      std::error_code error;
      const std::filesystem::path folder = std::filesystem::path(job.output).parent_path();
      std::filesystem::create_directories(folder, error);
      if (error) throw gfx::ImageError("无法建立文件夹 " + folder.string() + ": " + error.message());
    }
    const ConvertResult result = ConvertPicture(job.source, job.output, convert_);
    report.input_bytes = result.source_bytes;  // what was read, which a pipe's size does not tell
    report.output_bytes = result.output_bytes;
    report.copied_source = result.copied_source;
    report.status = FileStatus::kDone;
  } catch (const std::bad_alloc&) {
    report.status = FileStatus::kFailed;
    report.error = "内存不足，无法处理 " + job.source;
  } catch (const std::exception& e) {
    report.status = FileStatus::kFailed;
    report.error = e.what();
  }
  return report;
}

void BatchRun::Finish(size_t index, FileReport report) {
  std::lock_guard lock(mutex_);
  if (report.status == FileStatus::kFailed) failure_seen_ = true;
  jobs_[index].result = std::move(report);
  jobs_[index].finished = true;
  changed_.notify_all();
}

BatchSummary BatchRun::Report(const BatchCompressor::Listener& listener) {
  BatchSummary summary;
  summary.files = jobs_.size();
  std::vector<FileReport> due;
  for (bool over = false; !over;) {
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return SomethingToReport(); });
      over = CollectDue(due);
    }
    // The listener runs without the lock, so the workers go on meanwhile.
    for (const FileReport& r : due) {
      Count(summary, r);
      if (listener) listener(r);
    }
    due.clear();
  }
  summary.cancelled = summary.done + summary.failed < summary.files;
  return summary;
}

bool BatchRun::SomethingToReport() const {
  const size_t n = jobs_.size();
  return (started_reported_ < n && jobs_[started_reported_].taken) ||
         (finished_reported_ < started_reported_ && jobs_[finished_reported_].finished) || running_workers_ == 0;
}

bool BatchRun::CollectDue(std::vector<FileReport>& due) {
  const size_t n = jobs_.size();
  while (started_reported_ < n && jobs_[started_reported_].taken) {
    FileReport r;
    r.index = started_reported_;
    r.source = jobs_[started_reported_].source;
    r.output = jobs_[started_reported_].output;
    due.push_back(std::move(r));
    ++started_reported_;
  }
  // A file's end is reported only after its start and after every earlier file's end.
  while (finished_reported_ < started_reported_ && jobs_[finished_reported_].finished)
    due.push_back(jobs_[finished_reported_++].result);
  return running_workers_ == 0 && finished_reported_ == started_reported_ &&
         (started_reported_ == n || !jobs_[started_reported_].taken);
}

}  // namespace batch
