// What the command line's batch prints while it runs: a line per file, a progress bar that one
// terminal line shows, JSON lines for scripts, or nothing but failures.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "batch/BatchCompressor.h"

namespace app {

class BatchReporter {
 public:
  enum class Mode {
    kLines,  // a line per finished file and the summary (off a terminal)
    kBar,    // one line redrawn in place, at most ten times a second, then the summary
    kJson,   // one JSON object per finished file and one for the summary, a line each
    kQuiet,  // failures only, on the error stream
  };
  using Clock = std::function<double()>;  // seconds from any fixed start

  // `out` takes the report, `errors` the quiet mode's failures; `files` is the list's length.
  BatchReporter(Mode mode, std::FILE* out, std::FILE* errors, size_t files, Clock clock);

  void OnFile(const batch::FileReport& report);
  void OnEnd(const batch::BatchSummary& summary);

  // A JSON string literal of the text: quotes, backslashes and control characters escaped, bytes
  // that are no UTF-8 replaced by U+FFFD, so every line parses whatever the file names hold.
  static std::string JsonString(const std::string& text);

 private:
  void DrawBar(bool force);

  Mode mode_;
  std::FILE* out_;
  std::FILE* errors_;
  size_t files_;
  Clock clock_;
  double start_ = 0;
  double last_draw_ = -1;
  size_t finished_ = 0;
  uint64_t in_bytes_ = 0;
  uint64_t out_bytes_ = 0;
  size_t bar_width_ = 0;  // characters of the line drawn last, to clear it
};

}  // namespace app
