// The batch page's tally: weighed by bytes, with the decoded share of files in progress; the time
// left and the end text.
#include "app/BatchProgress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app {
namespace {

using batch::FileReport;
using batch::FileStatus;

FileReport Report(size_t index, FileStatus status, uint64_t bytes = 0, int64_t rows = 0, int64_t total = 0) {
  FileReport r;
  r.index = index;
  r.status = status;
  r.input_bytes = bytes;
  r.rows_done = rows;
  r.rows_total = total;
  if (status == FileStatus::kFailed) r.error = "文件 \"f" + std::to_string(index) + "\": 已损坏";
  return r;
}

TEST(BatchProgressTest, WeighsFilesByTheirBytes) {
  struct Step {
    FileReport report;
    int32_t per_mille;
    size_t first_unfinished;
  };
  // Three files of 100, 800 and 100 bytes.
  BatchProgress p(3);
  p.SetTotalBytes(1000);
  const Step steps[] = {
      {Report(0, FileStatus::kStarted), 0, 0},
      {Report(1, FileStatus::kStarted), 0, 0},
      {Report(1, FileStatus::kProgress, 800, 1, 4), 200, 0},  // a quarter of the large file
      {Report(0, FileStatus::kProgress, 100, 10, 10), 300, 0},
      {Report(0, FileStatus::kDone, 100), 300, 1},            // its progress is replaced by its bytes
      {Report(1, FileStatus::kProgress, 800, 3, 4), 700, 1},
      {Report(1, FileStatus::kDone, 800), 900, 2},
      {Report(2, FileStatus::kStarted), 900, 2},
      {Report(2, FileStatus::kDone, 100), 1000, 3},
  };
  for (const Step& s : steps) {
    p.Take(s.report);
    const BatchProgress::View v = p.Read();
    EXPECT_EQ(v.per_mille, s.per_mille) << "after file " << s.report.index;
    EXPECT_EQ(v.first_unfinished, s.first_unfinished) << "after file " << s.report.index;
  }
  EXPECT_EQ(p.Read().done, 3u);
}

TEST(BatchProgressTest, LargeBatchesFailuresAndFilesThatGrew) {
  // Forty thousand files of 100 KB: four gigabytes, more than 32 bits count.
  BatchProgress big(40000);
  big.SetTotalBytes(40000ull * 102400);
  for (size_t i = 0; i < 20000; ++i) big.Take(Report(i, FileStatus::kDone, 102400));
  EXPECT_EQ(big.Read().per_mille, 500);

  // A file that is larger now than when the batch started cannot push the gauge past its end.
  BatchProgress grown(1);
  grown.SetTotalBytes(10);
  grown.Take(Report(0, FileStatus::kDone, 50));
  EXPECT_EQ(grown.Read().per_mille, BatchProgress::kRange);

  // The first failure is kept with its file; given-up files count as ended.
  BatchProgress failing(3);
  failing.SetTotalBytes(300);
  failing.Take(Report(0, FileStatus::kDone, 100));
  failing.Take(Report(1, FileStatus::kFailed));
  failing.Take(Report(2, FileStatus::kAborted));
  const BatchProgress::View v = failing.Read();
  EXPECT_EQ(v.per_mille, 333);
  EXPECT_EQ(v.failed, 1u);
  EXPECT_EQ(v.failed_index, 1u);
  EXPECT_EQ(v.failure, "文件 \"f1\": 已损坏");
  EXPECT_EQ(v.aborted, 1u);
  EXPECT_EQ(v.first_unfinished, 3u);

  // Only empty files: they are counted instead of weighed.
  BatchProgress empty(4);
  empty.Take(Report(0, FileStatus::kDone, 0));
  EXPECT_EQ(empty.Read().per_mille, 250);
}

TEST(BatchProgressTest, TimeLeftAndEndTexts) {
  struct Case {
    uint64_t elapsed_ms;
    int32_t per_mille;
    const char* text;
  };
  for (const Case& c : {Case{999, 500, ""},  // not before the first second
                        Case{5000, 0, ""},   // nothing to go by yet
                        Case{20000, 200, "剩余 1:20 "}, Case{1000, 999, "剩余 0:01 "}, Case{1000, 1000, "剩余 0:00 "},
                        Case{3600000, 250, "剩余 3:00:00 "}, Case{61000, 500, "剩余 1:01 "}}) {
    EXPECT_EQ(TimeLeftText(c.elapsed_ms, c.per_mille), c.text) << c.elapsed_ms << " " << c.per_mille;
  }
  batch::BatchSummary s;
  s.input_bytes = 3 * 1024 * 1024;
  s.output_bytes = 1024 * 1024;
  EXPECT_EQ(BatchDoneText(s), "压缩完成！节省 2.0 MB");
  s.output_bytes = s.input_bytes + 100;
  s.larger = 2;
  EXPECT_EQ(BatchDoneText(s), "压缩完成！增加 100 字节，2 个文件变大");
}

}  // namespace
}  // namespace app
