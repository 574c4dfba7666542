// The batch's printed report in its four modes.
#include "app/BatchReporter.h"

#include <algorithm>
#include <utility>

namespace app {

namespace {

constexpr double kBarInterval = 0.1;  // seconds between two drawings of the bar

unsigned long long U(uint64_t v) { return static_cast<unsigned long long>(v); }

double Megabytes(uint64_t bytes) { return static_cast<double>(bytes) / 1e6; }

// The length of the UTF-8 sequence that starts at `i`, or 0 when none valid does.
size_t Utf8Length(const std::string& s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

}  // namespace

BatchReporter::BatchReporter(Mode mode, std::FILE* out, std::FILE* errors, size_t files, Clock clock)
    : mode_(mode), out_(out), errors_(errors), files_(files), clock_(std::move(clock)) {
  start_ = clock_();
}

std::string BatchReporter::JsonString(const std::string& text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
      ++i;
    } else if (size_t n = Utf8Length(text, i)) {
      out.append(text, i, n);
      i += n;
    } else {
      out += "\\ufffd";
      ++i;
    }
  }
  return out + "\"";
}

void BatchReporter::OnFile(const batch::FileReport& r) {
  if (r.status == batch::FileStatus::kStarted) {
    if (mode_ == Mode::kBar) DrawBar(false);
    return;
  }
  ++finished_;
  if (r.status == batch::FileStatus::kDone) {
    in_bytes_ += r.input_bytes;
    out_bytes_ += r.output_bytes;
  }
  const bool done = r.status == batch::FileStatus::kDone;
  switch (mode_) {
    case Mode::kJson:
      std::fprintf(out_,
                   "{\"index\": %zu, \"source\": %s, \"output\": %s, \"status\": \"%s\", \"input_bytes\": %llu, "
                   "\"output_bytes\": %llu, \"larger\": %s, \"copied_source\": %s, \"skipped\": %s, \"error\": %s}\n",
                   r.index, JsonString(r.source).c_str(), JsonString(r.output).c_str(), done ? "done" : "failed",
                   U(r.input_bytes), U(r.output_bytes),
                   done && !r.skipped && r.output_bytes > r.input_bytes ? "true" : "false",
                   r.copied_source ? "true" : "false", r.skipped ? "true" : "false",
                   done ? "null" : JsonString(r.error).c_str());
      break;
    case Mode::kQuiet:
      if (!done) std::fprintf(errors_, "%s 失败: %s\n", r.source.c_str(), r.error.c_str());
      break;
    case Mode::kBar:
      if (!done) {
        // A failure stays on the screen: it takes the bar's line, and the bar is drawn below it.
        std::fprintf(out_, "\r%*s\r%s 失败: %s\n", static_cast<int>(bar_width_), "", r.source.c_str(), r.error.c_str());
        bar_width_ = 0;
      }
      DrawBar(!done || finished_ == files_);
      break;
    case Mode::kLines:
      if (done) {
        std::fprintf(out_, "[%zu/%zu] %s -> %s  %llu -> %llu 字节%s\n", r.index + 1, files_, r.source.c_str(),
                     r.output.c_str(), U(r.input_bytes), U(r.output_bytes),
                     r.skipped                        ? " (输出已存在且不旧于源文件, 跳过)"
                     : r.copied_source                ? " (压缩后会变大, 已原样复制源文件)"
                     : r.output_bytes > r.input_bytes ? " (压缩后变大)"
                                                      : "");
      } else {
        std::fprintf(out_, "[%zu/%zu] %s 失败: %s\n", r.index + 1, files_, r.source.c_str(), r.error.c_str());
      }
      break;
  }
  std::fflush(out_);
}

void BatchReporter::DrawBar(bool force) {
  const double now = clock_();
  if (!force && last_draw_ >= 0 && now - last_draw_ < kBarInterval) return;
  last_draw_ = now;
  const double seconds = std::max(now - start_, 1e-9);
  const double rate = Megabytes(in_bytes_) / seconds;
  const int saving = in_bytes_ ? static_cast<int>(100 - 100.0 * static_cast<double>(out_bytes_) / static_cast<double>(in_bytes_)) : 0;
  char left[32] = "--:--";
  if (finished_ > 0 && finished_ < files_) {
    const long remaining = static_cast<long>(seconds / static_cast<double>(finished_) * static_cast<double>(files_ - finished_));
    std::snprintf(left, sizeof left, "%02ld:%02ld", remaining / 60, remaining % 60);
  } else if (finished_ == files_) {
    std::snprintf(left, sizeof left, "00:00");
  }
  char line[256];
  const int width = std::snprintf(line, sizeof line, "[%zu/%zu] %.1f MB -> %.1f MB  节省 %d%%  %.1f MB/s  剩余 %s",
                                  finished_, files_, Megabytes(in_bytes_), Megabytes(out_bytes_), saving, rate, left);
  const int pad = std::max(0, static_cast<int>(bar_width_) - width);
  std::fprintf(out_, "\r%s%*s", line, pad, "");
  bar_width_ = static_cast<size_t>(std::max(width, 0));
  std::fflush(out_);
}

void BatchReporter::OnEnd(const batch::BatchSummary& s) {
  if (mode_ == Mode::kQuiet) return;
  if (mode_ == Mode::kJson) {
    std::fprintf(out_,
                 "{\"summary\": true, \"files\": %zu, \"done\": %zu, \"failed\": %zu, \"input_bytes\": %llu, "
                 "\"output_bytes\": %llu, \"larger\": %zu, \"copied_source\": %zu, \"skipped\": %zu, \"seconds\": %.3f, "
                 "\"cancelled\": %s}\n",
                 s.files, s.done, s.failed, U(s.input_bytes), U(s.output_bytes), s.larger, s.copied, s.skipped,
                 s.seconds,
                 s.cancelled ? "true" : "false");
    std::fflush(out_);
    return;
  }
  if (mode_ == Mode::kBar && bar_width_ > 0) std::fputc('\n', out_);
  std::fprintf(out_, "压缩完成！ %zu 个文件, %zu 成功, %zu 失败; 输入 %llu 字节, 输出 %llu 字节; %.2f 秒\n", s.files,
               s.done, s.failed, U(s.input_bytes), U(s.output_bytes), s.seconds);
  if (s.larger > 0) std::fprintf(out_, "%zu 个文件压缩后变大 (--no-larger 可改为原样复制 JPEG 源文件)\n", s.larger);
  if (s.copied > 0) std::fprintf(out_, "%zu 个文件压缩后会变大, 已原样复制源文件\n", s.copied);
  if (s.skipped > 0) std::fprintf(out_, "%zu 个文件的输出已存在且不旧于源文件, 已跳过\n", s.skipped);
  std::fflush(out_);
}

}  // namespace app
