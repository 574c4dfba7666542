// Compresses a list of pictures into JPEG (or WebP, or bitmap) files in one folder, in parallel,
// reporting in order.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "batch/FileConverter.h"

namespace batch {

class SourceList;

struct BatchOptions {
  std::string output_folder;
  int quality = 75;             // 0..100
  unsigned workers = 0;         // 0: one per core
  bool stop_on_failure = false; // start no further file once one has failed
  bool keep_metadata = true;    // EXIF, XMP and comments of JPEG sources (the colour profile always)
  bool keep_dates = false;      // each output gets its source's modification time
  OutputFormat format = OutputFormat::kJpeg;
  bool progressive = false;     // JPEG outputs: progressive scans
  bool optimize = false;        // JPEG outputs: Huffman tables made for each picture
  bool no_larger = false;       // see ConvertOptions
  bool skip_existing = false;   // leave an output that exists and is not older than its source
  // Each output goes below output_folder in its source's subfolder (see SourceList), made when
  // missing, so that the outputs mirror the sources' folders.
  bool keep_tree = false;
  // Also report how far the files in progress are decoded (kProgress), so a caller can show the
  // share of a long file that is done.
  bool report_progress = false;
};

// kAborted: the file was given up in progress (BatchCompressor::Abort); it left no output.
// kProgress: how far the file in progress is decoded (report_progress only).
enum class FileStatus { kStarted, kDone, kFailed, kAborted, kProgress };

struct FileReport {
  size_t index = 0;
  FileStatus status = FileStatus::kStarted;
  std::string source;
  std::string output;
  uint64_t input_bytes = 0;   // with kDone, and with kProgress the source's size
  uint64_t output_bytes = 0;  // with kDone
  bool copied_source = false; // with kDone: the output is a byte copy of the smaller source
  bool skipped = false;       // with kDone: the output was up to date and left as it was
  std::string error;          // with kFailed: the reader's or writer's text
  int64_t rows_done = 0;      // with kProgress: rows decoded of rows_total
  int64_t rows_total = 0;
};

struct BatchSummary {
  size_t files = 0;      // files in the list
  size_t done = 0;
  size_t failed = 0;
  size_t aborted = 0;    // files given up in progress
  uint64_t input_bytes = 0;
  uint64_t output_bytes = 0;
  size_t larger = 0;     // outputs larger than their sources
  size_t copied = 0;     // outputs that are byte copies of their sources (no_larger)
  size_t skipped = 0;    // outputs left as they were (skip_existing)
  double seconds = 0;
  bool cancelled = false;  // some files were never started
};

// True when the path exists and is a folder.
bool IsExistingFolder(const std::string& path);

class BatchCompressor {
 public:
  using Listener = std::function<void(const FileReport&)>;
  // Starts one worker thread running `body`.
  using ThreadStarter = std::function<std::jthread(std::function<void()> body)>;

  BatchCompressor();

  // Converts every source as the single-file converters do, on worker threads. The listener is
  // called on the calling thread: each file's kStarted in the files' order, and each file's kDone,
  // kFailed or kAborted in the files' order too; with report_progress, kProgress reports of a file
  // come between its start and its end (files in progress at once may take turns), the last one
  // giving the rows the file ended at. Each output is written whole to a temporary file and then
  // renamed; when two sources share an output name the later one's output stands, as in a
  // sequential run; a file whose output would overwrite a source of this batch fails instead.
  // When the system refuses a worker thread, the workers already running do the whole list.
  // Every worker has ended when Run returns or throws. Throws gfx::ImageError when the output
  // folder does not exist or not one worker could start.
  BatchSummary RunSources(const SourceList& sources, const BatchOptions& options, const Listener& listener);
  // RunSources for a list of paths, none in a subfolder.
  BatchSummary Run(const std::vector<std::string>& sources, const BatchOptions& options, const Listener& listener);

  // Asks the running batch, or the next one when none runs, to start no further file; files in
  // progress finish. The request ends with the run it applied to. Any thread.
  void Cancel() { cancel_requested_ = true; }
  // Cancel, and the files in progress are given up between their decoded rows (reported as
  // kAborted, with no output and no temporary file left); outputs already written stay. Any thread.
  void Abort() {
    abort_requested_ = true;
    cancel_requested_ = true;
  }

  // Replaces how worker threads are started (a test makes a start fail as an exhausted system
  // does, with std::system_error).
  void SetThreadStarter(ThreadStarter start) { start_thread_ = std::move(start); }

 private:
  std::atomic<bool> cancel_requested_{false};
  std::atomic<bool> abort_requested_{false};
  ThreadStarter start_thread_;
};

}  // namespace batch
