// The batch's printed report: the bar redrawn in place at most ten times a second, JSON lines that
// parse one by one whatever the names hold, the quiet mode.
#include "app/BatchReporter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace app {
namespace {

using Mode = BatchReporter::Mode;

// A report written into memory, with a clock the test sets.
struct Capture {
  char* buffer = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  char* error_buffer = nullptr;
  size_t error_size = 0;
  std::FILE* errors = open_memstream(&error_buffer, &error_size);
  double now = 0;
  ~Capture() {
    std::fclose(out);
    std::fclose(errors);
    std::free(buffer);
    std::free(error_buffer);
  }
  BatchReporter Reporter(Mode mode, size_t files) {
    return BatchReporter(mode, out, errors, files, [this] { return now; });
  }
  std::string Text() {
    std::fflush(out);
    return std::string(buffer, size);
  }
  std::string Errors() {
    std::fflush(errors);
    return std::string(error_buffer, error_size);
  }
};

batch::FileReport Report(size_t index, batch::FileStatus status, const std::string& source = "a.jpg") {
  batch::FileReport r;
  r.index = index;
  r.status = status;
  r.source = source;
  r.output = "out/Orvel_" + source;
  if (status == batch::FileStatus::kDone) {
    r.input_bytes = 2000000;
    r.output_bytes = 500000;
  }
  if (status == batch::FileStatus::kFailed) r.error = "无法解码 PNG 图片: 文件数据不完整";
  return r;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(BatchReporterTest, TheBarIsOneLineRedrawnAtMostTenTimesASecond) {
  using batch::FileStatus;
  Capture c;
  BatchReporter reporter = c.Reporter(Mode::kBar, 3);
  struct Event { double at; batch::FileReport report; };
  const Event events[] = {
      {0.00, Report(0, FileStatus::kStarted)},  // drawn: the first
      {0.05, Report(0, FileStatus::kDone)},     // too soon
      {0.06, Report(1, FileStatus::kStarted)},  // too soon
      {0.20, Report(1, FileStatus::kDone)},     // drawn
      {0.21, Report(2, FileStatus::kStarted)},  // too soon
      {0.22, Report(2, FileStatus::kFailed)},   // a failure and the last file: printed and drawn
  };
  for (const Event& e : events) {
    c.now = e.at;
    reporter.OnFile(e.report);
  }
  batch::BatchSummary summary;
  summary.files = 3;
  summary.done = 2;
  summary.failed = 1;
  reporter.OnEnd(summary);
  const std::string text = c.Text();
  EXPECT_EQ(Count(text, "\r["), 3) << text;
  EXPECT_NE(text.find("\r[2/3] 4.0 MB -> 1.0 MB  节省 75%  20.0 MB/s  剩余 00:00"), std::string::npos) << text;
  EXPECT_NE(text.find("a.jpg 失败: 无法解码 PNG 图片"), std::string::npos) << text;
  // Lines end only after the failure, after the bar and after the summary.
  EXPECT_EQ(Count(text, "\n"), 3) << text;
  EXPECT_NE(text.find("压缩完成！ 3 个文件, 2 成功, 1 失败"), std::string::npos) << text;
}

TEST(BatchReporterTest, JsonLinesParseOneByOne) {
  using batch::FileStatus;
  ASSERT_EQ(std::system("command -v python3 >/dev/null"), 0);
  Capture c;
  BatchReporter reporter = c.Reporter(Mode::kJson, 4);
  const std::vector<std::string> names = {"plain.jpg", "quote\"back\\slash.jpg", "new\nline\ttab.jpg",
                                          "照片\xff\xfe broken.jpg"};
  for (size_t i = 0; i < names.size(); ++i) {
    reporter.OnFile(Report(i, FileStatus::kStarted, names[i]));
    reporter.OnFile(Report(i, i == 2 ? FileStatus::kFailed : FileStatus::kDone, names[i]));
  }
  batch::BatchSummary summary;
  summary.files = 4;
  summary.done = 3;
  summary.failed = 1;
  reporter.OnEnd(summary);
  const std::string text = c.Text();
  EXPECT_EQ(Count(text, "\n"), 5) << text;  // four files and the summary, no line for a start

  testing_support::TempDir dir;
  std::istringstream lines(text);
  std::string line;
  int n = 0;
  while (std::getline(lines, line)) {
    const std::string file = dir / ("line" + std::to_string(n++) + ".json");
    std::FILE* f = std::fopen(file.c_str(), "wb");
    std::fputs(line.c_str(), f);
    std::fclose(f);
    EXPECT_EQ(std::system(("python3 -m json.tool '" + file + "' >/dev/null").c_str()), 0) << line;
  }
  EXPECT_EQ(n, 5);
  EXPECT_EQ(BatchReporter::JsonString("a\"b\\c\n\x01照"), "\"a\\\"b\\\\c\\u000a\\u0001照\"");
  EXPECT_EQ(BatchReporter::JsonString("x\xff" "y\xe7\x85"), "\"x\\ufffdy\\ufffd\\ufffd\"");
}

TEST(BatchReporterTest, QuietPrintsOnlyFailuresOnTheErrorStream) {
  using batch::FileStatus;
  Capture c;
  BatchReporter reporter = c.Reporter(Mode::kQuiet, 2);
  reporter.OnFile(Report(0, FileStatus::kStarted));
  reporter.OnFile(Report(0, FileStatus::kDone));
  reporter.OnFile(Report(1, FileStatus::kStarted, "b.png"));
  reporter.OnFile(Report(1, FileStatus::kFailed, "b.png"));
  reporter.OnEnd({});
  EXPECT_EQ(c.Text(), "");
  EXPECT_EQ(c.Errors(), "b.png 失败: 无法解码 PNG 图片: 文件数据不完整\n");
}

}  // namespace
}  // namespace app
