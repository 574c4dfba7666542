// BatchProgress: the byte-weighted tally of a running batch, and the texts the batch page shows.
#include "app/BatchProgress.h"

#include <algorithm>
#include <cstdio>

namespace app {

void BatchProgress::SetTotalBytes(uint64_t bytes) {
  std::lock_guard lock(mutex_);
  total_bytes_ = bytes;
}

void BatchProgress::Take(const batch::FileReport& r) {
  std::lock_guard lock(mutex_);
  switch (r.status) {
    case batch::FileStatus::kStarted:
      return;
    case batch::FileStatus::kProgress:
      if (r.rows_total > 0)
        in_progress_[r.index] = r.input_bytes * static_cast<uint64_t>(std::clamp<int64_t>(r.rows_done, 0, r.rows_total)) /
                                static_cast<uint64_t>(r.rows_total);
      break;
    case batch::FileStatus::kDone:
      in_progress_.erase(r.index);
      finished_bytes_ += r.input_bytes;
      ++view_.done;
      view_.first_unfinished = r.index + 1;
      break;
    case batch::FileStatus::kFailed:
      in_progress_.erase(r.index);
      if (view_.failed++ == 0) {
        view_.failure = r.error;
        view_.failed_index = r.index;
      }
      view_.first_unfinished = r.index + 1;
      break;
    case batch::FileStatus::kAborted:
      in_progress_.erase(r.index);
      ++view_.aborted;
      view_.first_unfinished = r.index + 1;
      break;
  }
  uint64_t bytes = finished_bytes_;
  for (const auto& [index, share] : in_progress_) bytes += share;
  if (total_bytes_ > 0) {
    view_.per_mille = static_cast<int32_t>(std::min<uint64_t>(kRange, bytes * kRange / total_bytes_));
  } else if (files_ > 0) {
    // Only empty files: count them instead.
    view_.per_mille = static_cast<int32_t>((view_.done + view_.failed + view_.aborted) * kRange / files_);
  }
}

BatchProgress::View BatchProgress::Read() const {
  std::lock_guard lock(mutex_);
  return view_;
}

std::string TimeLeftText(uint64_t elapsed_ms, int32_t per_mille) {
  if (elapsed_ms < 1000 || per_mille <= 0) return "";
  const uint64_t left_ms = elapsed_ms * static_cast<uint64_t>(BatchProgress::kRange - std::min(per_mille, BatchProgress::kRange)) /
                           static_cast<uint64_t>(per_mille);
  const uint64_t seconds = (left_ms + 999) / 1000;
  char text[64];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "剩余 %llu:%02llu:%02llu ", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned long long>(seconds / 60 % 60), static_cast<unsigned long long>(seconds % 60));
  } else {
    std::snprintf(text, sizeof text, "剩余 %llu:%02llu ", static_cast<unsigned long long>(seconds / 60),
                  static_cast<unsigned long long>(seconds % 60));
  }
  return text;
}

namespace {

// 1536 -> "1.5 KB": bytes, KB, MB or GB with one decimal above bytes.
std::string SizeText(uint64_t bytes) {
  char text[32];
  if (bytes < 1024) {
    std::snprintf(text, sizeof text, "%llu 字节", static_cast<unsigned long long>(bytes));
  } else {
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024;
    int unit = 0;
    while (value >= 1024 && unit < 3) {
      value /= 1024;
      ++unit;
    }
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
  }
  return text;
}

}  // namespace

std::string BatchDoneText(const batch::BatchSummary& s) {
  std::string text = "压缩完成！";
  if (s.output_bytes <= s.input_bytes) {
    text += "节省 " + SizeText(s.input_bytes - s.output_bytes);
  } else {
    text += "增加 " + SizeText(s.output_bytes - s.input_bytes);
  }
  if (s.larger > 0) text += "，" + std::to_string(s.larger) + " 个文件变大";
  return text;
}

}  // namespace app
