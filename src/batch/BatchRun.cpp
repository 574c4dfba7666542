// BatchRun: one run of the batch engine: the files' jobs, the workers, and the reporting thread's side.
#include "batch/BatchRun.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <new>
#include <utility>

#include "batch/FileConverter.h"
#include "gfx/ImageError.h"

namespace batch {

namespace {

using FileId = std::pair<uint64_t, uint64_t>;  // device and inode

bool StatFile(const std::string& path, FileId* id, uint64_t* size) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (id) *id = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
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
  } else if (r.status == FileStatus::kAborted) {
    ++summary.aborted;
  }
}

}  // namespace

// The progress of one file on its worker: passes the abort request to the reader, and with
// report_progress hands the rows on at most every kInterval and once the last row is decoded, so
// the reporting thread is not woken for every row (waking it for each of many small steps costs
// the workers measurable time on a machine whose cores they fill).
class BatchRun::FileProgress : public ConvertProgress {
 public:
  FileProgress(BatchRun& run, size_t index, uint64_t input_bytes)
      : run_(run), index_(index), input_bytes_(input_bytes), last_(std::chrono::steady_clock::now()) {}

  void RowsDone(int64_t done, int64_t total) override {
    if (!run_.options_.report_progress || total <= 0) return;
    if (done < total) {
      const auto now = std::chrono::steady_clock::now();
      if (now - last_ < kInterval) return;
      last_ = now;
    }
    run_.Progress(index_, input_bytes_, done, total);
  }
  bool AbortRequested() const override { return run_.abort_.load(std::memory_order_relaxed); }

 private:
  static constexpr std::chrono::milliseconds kInterval{25};
  BatchRun& run_;
  const size_t index_;
  const uint64_t input_bytes_;
  std::chrono::steady_clock::time_point last_;
};

BatchRun::BatchRun(const SourceList& sources, const BatchOptions& options, const std::atomic<bool>& cancel,
                   const std::atomic<bool>& abort, bool two_threads_per_file)
    : options_(options),
      convert_{.quality = options.quality,
               .format = options.format,
               .progressive = options.progressive,
               .optimize = options.optimize,
               .keep_metadata = options.keep_metadata,
               .keep_dates = options.keep_dates,
               .no_larger = options.no_larger,
               .two_threads = two_threads_per_file},
      cancel_(cancel),
      abort_(abort),
      sources_(sources),
      flags_(sources.size(), 0),
      finished_(sources.size(), 0),
      previous_same_output_(sources.size(), kNone) {
  Plan();
}

std::string BatchRun::OutputOf(size_t index) const {
  std::string folder = options_.output_folder;
  if (options_.keep_tree && !sources_.Subfolder(index).empty()) folder.append("/").append(sources_.Subfolder(index));
  return OutputNameFor(folder, std::string(sources_.Path(index)), ExtensionOf(options_.format));
}

// Outputs are named and checked against the sources before any file is written. Files with the
// same output name are found by sorting the names' hashes, not by a map holding every name.
void BatchRun::Plan() {
  const size_t n = sources_.size();
  std::vector<FileId> source_ids;
  source_ids.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    FileId id;
    if (StatFile(sources_.Path(i).data(), &id, nullptr)) source_ids.push_back(id);
  }
  std::sort(source_ids.begin(), source_ids.end());
  source_ids.erase(std::unique(source_ids.begin(), source_ids.end()), source_ids.end());

  std::vector<std::pair<size_t, size_t>> by_hash(n);  // (hash of the output name, file)
  for (size_t i = 0; i < n; ++i) by_hash[i] = {std::hash<std::string>{}(OutputOf(i)), i};
  std::sort(by_hash.begin(), by_hash.end());
  struct Group {
    size_t earliest;  // of the files met so far
    uint8_t flags;
  };
  std::map<std::string, Group> groups;  // the names sharing one hash: almost always a single one
  for (size_t run = 0; run < n;) {
    size_t end = run;
    while (end < n && by_hash[end].first == by_hash[run].first) ++end;
    // From the last file to the first, so the first met with a name is the one whose output stands.
    groups.clear();
    for (size_t k = end; k-- > run;) {
      const size_t i = by_hash[k].second;
      std::string output = OutputOf(i);
      auto [it, inserted] = groups.try_emplace(std::move(output), Group{i, 0});
      if (inserted) {
        it->second.flags = OutputFlags(it->first, i, source_ids);
      } else {
        previous_same_output_[it->second.earliest] = i;
        it->second.earliest = i;
      }
      flags_[i] = it->second.flags;
    }
    run = end;
  }
}

uint8_t BatchRun::OutputFlags(const std::string& output, size_t last, const std::vector<FileId>& source_ids) const {
  struct stat out {};
  if (::stat(output.c_str(), &out) != 0) return 0;
  uint8_t flags = 0;
  if (std::binary_search(source_ids.begin(), source_ids.end(), FileId{static_cast<uint64_t>(out.st_dev), static_cast<uint64_t>(out.st_ino)})) flags |= kOutputIsSource;
  // The output that stands is the last source's with that name: when it is there already and not
  // older than that source, every source with the name is left alone.
  struct stat source {};
  if (options_.skip_existing && !S_ISDIR(out.st_mode) && ::stat(sources_.Path(last).data(), &source) == 0 &&
      NotOlder(out.st_mtim, source.st_mtim))
    flags |= kSkip;
  return flags;
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
  if (next_ >= sources_.size() || cancel_ || stop.stop_requested() || (options_.stop_on_failure && failure_seen_))
    return std::nullopt;
  const size_t index = next_++;
  changed_.notify_all();
  return index;
}

FileReport BatchRun::Convert(size_t index) {
  FileReport report;
  report.index = index;
  report.source = sources_.Path(index);
  report.output = OutputOf(index);
  const std::string& source = report.source;
  const std::string& output = report.output;
  try {
    if (flags_[index] & kSkip) {
      StatFile(source, nullptr, &report.input_bytes);
      StatFile(output, nullptr, &report.output_bytes);
      report.skipped = true;
      report.status = FileStatus::kDone;
      return report;
    }
    if (flags_[index] & kOutputIsSource) throw gfx::ImageError("输出文件 " + output + " 是本批的源文件，不能覆盖");
    if (!StatFile(source, nullptr, &report.input_bytes))
      throw gfx::ImageError("无法读取文件 " + source + ": 文件不存在");
    if (const size_t previous = previous_same_output_[index]; previous != kNone) {
      // The earlier source with this output name was taken before this one; wait for it to land.
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return finished_[previous] != 0; });
    }
    if (options_.keep_tree && !sources_.Subfolder(index).empty()) {
      // The output goes below the output folder, in a folder made on demand.
      std::error_code error;
      const std::filesystem::path folder = std::filesystem::path(output).parent_path();
      std::filesystem::create_directories(folder, error);
      if (error) throw gfx::ImageError("无法建立文件夹 " + folder.string() + ": " + error.message());
    }
    FileProgress progress(*this, index, report.input_bytes);
    const ConvertResult result = ConvertPicture(source, output, convert_, &progress);
    report.input_bytes = result.source_bytes;  // what was read, which a pipe's size does not tell
    report.output_bytes = result.output_bytes;
    report.copied_source = result.copied_source;
    report.status = FileStatus::kDone;
  } catch (const ConvertAborted&) {
    report.status = FileStatus::kAborted;
  } catch (const std::bad_alloc&) {
    report.status = FileStatus::kFailed;
    report.error = "内存不足，无法处理 " + source;
  } catch (const std::exception& e) {
    report.status = FileStatus::kFailed;
    report.error = e.what();
  }
  return report;
}

void BatchRun::Finish(size_t index, FileReport report) {
  std::lock_guard lock(mutex_);
  if (report.status == FileStatus::kFailed) failure_seen_ = true;
  results_.emplace(index, std::move(report));
  finished_[index] = 1;
  changed_.notify_all();
}

void BatchRun::Progress(size_t index, uint64_t input_bytes, int64_t done, int64_t total) {
  std::lock_guard lock(mutex_);
  progress_.insert_or_assign(index, RowCount{input_bytes, done, total});
  changed_.notify_all();
}

BatchSummary BatchRun::Report(const BatchCompressor::Listener& listener) {
  BatchSummary summary;
  summary.files = sources_.size();
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
  return started_reported_ < next_ || (finished_reported_ < started_reported_ && finished_[finished_reported_]) ||
         !progress_.empty() || running_workers_ == 0;
}

bool BatchRun::CollectDue(std::vector<FileReport>& due) {
  const auto progress_of = [&](size_t index) {
    auto node = progress_.extract(index);
    if (node.empty()) return;
    FileReport r;
    r.index = index;
    r.status = FileStatus::kProgress;
    r.input_bytes = node.mapped().input_bytes;
    r.rows_done = node.mapped().done;
    r.rows_total = node.mapped().total;
    due.push_back(std::move(r));
  };
  // Starts and ends in list order, and a file's end (after the latest progress of its rows, so
  // each file's last report of rows is its last row) before the next file's start whenever both
  // are due: the order does not hang on how soon this thread wakes. Files are taken in list
  // order, so every file below next_ has started; an end is due once its file and every earlier
  // one have ended.
  for (;;) {
    for (; finished_reported_ < started_reported_ && finished_[finished_reported_]; ++finished_reported_) {
      progress_of(finished_reported_);
      auto node = results_.extract(finished_reported_);
      due.push_back(std::move(node.mapped()));
    }
    if (started_reported_ >= next_) break;
    FileReport r;
    r.index = started_reported_;
    r.source = sources_.Path(started_reported_);
    r.output = OutputOf(started_reported_);
    due.push_back(std::move(r));
    ++started_reported_;
  }
  // The progress of files still in progress, all of them started and reported so.
  for (auto it = progress_.begin(); it != progress_.end();) progress_of((it++)->first);
  return running_workers_ == 0 && finished_reported_ == started_reported_;
}

}  // namespace batch
