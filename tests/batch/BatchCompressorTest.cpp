// The batch engine: report order, failures, name clashes, protection of sources, cancelling, refused threads.
#include "batch/BatchCompressor.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "support/TempDir.h"

namespace batch {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

gfx::Bitmap Picture(int w, int h, uint8_t tint) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 7 + tint), static_cast<uint8_t>(y * 3), tint));
  return b;
}

struct Recorder {
  std::vector<std::string> events;  // "S0", "D0", "F1", ...
  std::vector<FileReport> reports;
  BatchCompressor::Listener listener() {
    return [this](const FileReport& r) {
      const char* kind = r.status == FileStatus::kStarted   ? "S"
                         : r.status == FileStatus::kDone    ? "D"
                         : r.status == FileStatus::kAborted ? "A"
                         : r.status == FileStatus::kProgress ? "P"
                                                             : "F";
      events.push_back(kind + std::to_string(r.index));
      reports.push_back(r);
    };
  }
};

TEST(BatchCompressorTest, ConvertsEveryFileAndReportsInOrder) {
  TempDir in, out;
  WriteBytes(in / "a.bmp", gfx::EncodeBmp(Picture(64, 48, 10)));
  WriteBytes(in / "b.JPG", gfx::EncodeJpeg(Picture(300, 200, 20)));
  WriteBytes(in / "photo", gfx::EncodeJpeg(Picture(8, 8, 30)));  // a JPEG without extension
  WriteBytes(in / "c.bmp", gfx::EncodeBmp(Picture(5, 5, 40)));
  std::vector<std::string> sources = {in / "a.bmp", in / "b.JPG", in / "photo", in / "c.bmp"};

  for (unsigned workers : {1u, 2u, 3u}) {
    Recorder rec;
    BatchOptions options{out.path(), 60, workers, false};
    BatchSummary s = BatchCompressor().Run(sources, options, rec.listener());
    EXPECT_EQ(s.files, 4u);
    EXPECT_EQ(s.done, 4u);
    EXPECT_EQ(s.failed, 0u);
    EXPECT_FALSE(s.cancelled);
    std::vector<std::string> starts, ends;
    for (const std::string& e : rec.events) (e[0] == 'S' ? starts : ends).push_back(e.substr(1));
    EXPECT_EQ(starts, (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(ends, (std::vector<std::string>{"0", "1", "2", "3"}));
    uint64_t out_bytes = 0;
    for (const FileReport& r : rec.reports)
      if (r.status == FileStatus::kDone) {
        EXPECT_EQ(r.output_bytes, ReadBytes(r.output).size());
        EXPECT_EQ(r.input_bytes, ReadBytes(r.source).size());
        out_bytes += r.output_bytes;
      }
    EXPECT_EQ(s.output_bytes, out_bytes);
  }
  EXPECT_EQ(out.List(), (std::vector<std::string>{"Orvel_a.jpg", "Orvel_b.jpg", "Orvel_c.jpg", "Orvel_photo.jpg"}));
  gfx::JpegPicture b = gfx::DecodeJpeg(ReadBytes(out / "Orvel_b.jpg"));
  EXPECT_EQ(b.bitmap.GetSize(), (gfx::Size{300, 200}));
}

TEST(BatchCompressorTest, AFailedFileIsReportedAndTheOthersGoOn) {
  TempDir in, out;
  std::vector<uint8_t> jpeg = gfx::EncodeJpeg(Picture(64, 64, 5));
  WriteBytes(in / "good.jpg", jpeg);
  WriteBytes(in / "cut.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2)));
  WriteBytes(in / "garbage.bmp", {'B', 'M', 1, 2, 3});
  Recorder rec;
  BatchSummary s = BatchCompressor().Run({in / "cut.jpg", in / "missing.jpg", in / "garbage.bmp", in / "good.jpg"},
                                         {out.path(), 75, 2, false}, rec.listener());
  EXPECT_EQ(s.done, 1u);
  EXPECT_EQ(s.failed, 3u);
  for (const FileReport& r : rec.reports) {
    if (r.status != FileStatus::kFailed) continue;
    std::string name = r.source.substr(r.source.rfind('/') + 1);
    EXPECT_NE(r.error.find(name), std::string::npos) << "the message names the file: " << r.error;
  }
  // Nothing half-written: only the good file's output, and no temporary files.
  EXPECT_EQ(out.List(), (std::vector<std::string>{"Orvel_good.jpg"}));
}

TEST(BatchCompressorTest, StopOnFailureStartsNoFurtherFile) {
  TempDir in, out;
  WriteBytes(in / "bad.jpg", {0xFF, 0xD8, 0xFF});
  WriteBytes(in / "good.jpg", gfx::EncodeJpeg(Picture(8, 8, 5)));
  BatchSummary s = BatchCompressor().Run({in / "bad.jpg", in / "good.jpg", in / "good.jpg"},
                                         {out.path(), 75, 1, true}, nullptr);
  EXPECT_EQ(s.failed, 1u);
  EXPECT_EQ(s.done, 0u);
  EXPECT_TRUE(s.cancelled);
  EXPECT_TRUE(out.List().empty());
}

TEST(BatchCompressorTest, TheLaterSourceWithTheSameNameWins) {
  // The first source is large and slow, the second tiny: with two workers the second finishes
  // first, yet its output must be the one that stands, as in a sequential run.
  TempDir one, two, out;
  WriteBytes(one / "cat.bmp", gfx::EncodeBmp(Picture(1500, 1000, 1)));
  WriteBytes(two / "cat.jpg", gfx::EncodeJpeg(Picture(9, 7, 2)));
  for (int round = 0; round < 3; ++round) {
    BatchSummary s = BatchCompressor().Run({one / "cat.bmp", two / "cat.jpg"}, {out.path(), 75, 2, false}, nullptr);
    EXPECT_EQ(s.done, 2u);
    EXPECT_EQ(gfx::DecodeJpeg(ReadBytes(out / "Orvel_cat.jpg")).bitmap.Width(), 9) << "round " << round;
  }
}

TEST(BatchCompressorTest, NeverOverwritesASourceOfTheBatch) {
  TempDir dir;
  std::vector<uint8_t> first = gfx::EncodeJpeg(Picture(8, 8, 1));
  std::vector<uint8_t> second = gfx::EncodeJpeg(Picture(8, 8, 200));
  WriteBytes(dir / "cat.jpg", first);
  WriteBytes(dir / "Orvel_cat.jpg", second);
  Recorder rec;
  BatchSummary s = BatchCompressor().Run({dir / "cat.jpg", dir / "Orvel_cat.jpg"}, {dir.path(), 75, 2, false},
                                         rec.listener());
  EXPECT_EQ(s.failed, 1u);
  EXPECT_EQ(s.done, 1u);
  EXPECT_EQ(ReadBytes(dir / "Orvel_cat.jpg"), second);  // the source is untouched
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"Orvel_Orvel_cat.jpg", "Orvel_cat.jpg", "cat.jpg"}));
}

TEST(BatchCompressorTest, OutputFolderMustExist) {
  TempDir in;
  try {
    BatchCompressor().Run({in / "x.jpg"}, {in / "nowhere", 75, 0, false}, nullptr);
    FAIL();
  } catch (const gfx::ImageError& e) {
    EXPECT_STREQ(e.what(), "不是有效的路径！请重新选择！");
  }
  EXPECT_THROW(BatchCompressor().Run({}, {"", 75, 0, false}, nullptr), gfx::ImageError);
}

TEST(BatchCompressorTest, CancelStopsStartingFiles) {
  // The first source is a pipe: its only worker waits in the read until the listener, told of
  // the first start, has asked to cancel and then written the picture. So the request lands
  // while the first file is in progress, and no other file may start.
  TempDir in, out;
  ASSERT_EQ(::mkfifo((in / "a.jpg").c_str(), 0600), 0);
  WriteBytes(in / "b.jpg", gfx::EncodeJpeg(Picture(40, 30, 1)));
  std::vector<std::string> sources(20, in / "b.jpg");
  sources.insert(sources.begin(), in / "a.jpg");
  BatchCompressor compressor;
  Recorder rec;
  auto record = rec.listener();
  BatchSummary s = compressor.Run(sources, {out.path(), 75, 1, false}, [&](const FileReport& r) {
    record(r);
    if (r.index == 0 && r.status == FileStatus::kStarted) {
      compressor.Cancel();
      WriteBytes(in / "a.jpg", gfx::EncodeJpeg(Picture(16, 16, 9)));
    }
  });
  EXPECT_TRUE(s.cancelled);
  EXPECT_EQ(s.done, 1u);
  EXPECT_EQ(rec.events, (std::vector<std::string>{"S0", "D0"}));
  EXPECT_EQ(out.List(), std::vector<std::string>{"Orvel_a.jpg"});
}

TEST(BatchCompressorTest, AbortGivesUpTheFileInProgressAndKeepsFinishedOutputs) {
  // The second source is a pipe: the worker waits in its read until the listener, told of its
  // start, has asked to abort; only then is the picture written, so the request lands mid-file.
  // A worker that sees the request before it opens the pipe never reads it, so the picture is
  // written from aside, to a pipe with a reader only, and the writer gives up when the run ends.
  TempDir in, out;
  WriteBytes(in / "a.jpg", gfx::EncodeJpeg(Picture(40, 30, 1)));
  const std::string pipe = in / "b.jpg";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  WriteBytes(in / "c.jpg", gfx::EncodeJpeg(Picture(40, 30, 2)));
  const std::vector<uint8_t> picture = gfx::EncodeJpeg(Picture(16, 16, 9));
  std::atomic<bool> run_over{false};
  std::thread feeder;
  BatchCompressor compressor;
  Recorder rec;
  auto record = rec.listener();
  BatchSummary s = compressor.Run({in / "a.jpg", pipe, in / "c.jpg"}, {out.path(), 75, 1, false},
                                  [&](const FileReport& r) {
                                    record(r);
                                    if (r.index != 1 || r.status != FileStatus::kStarted) return;
                                    compressor.Abort();
                                    feeder = std::thread([&] {
                                      while (!run_over) {
                                        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                                        if (fd >= 0) {
                                          EXPECT_EQ(::write(fd, picture.data(), picture.size()),
                                                    static_cast<ssize_t>(picture.size()));
                                          ::close(fd);
                                          return;
                                        }
                                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                                      }
                                    });
                                  });
  run_over = true;
  if (feeder.joinable()) feeder.join();
  // Starts and ends each come in list order (a start may come before an earlier file's end).
  std::vector<std::string> starts, ends;
  for (const std::string& e : rec.events) (e[0] == 'S' ? starts : ends).push_back(e);
  EXPECT_EQ(starts, (std::vector<std::string>{"S0", "S1"}));
  EXPECT_EQ(ends, (std::vector<std::string>{"D0", "A1"}));
  EXPECT_EQ(s.done, 1u);
  EXPECT_EQ(s.aborted, 1u);
  EXPECT_EQ(s.failed, 0u);
  EXPECT_TRUE(s.cancelled);
  EXPECT_EQ(out.List(), std::vector<std::string>{"Orvel_a.jpg"});  // no temporary file either

  Recorder next;  // the request applied to that run only
  ::unlink((in / "b.jpg").c_str());
  s = compressor.Run({in / "a.jpg", in / "c.jpg"}, {out.path(), 75, 1, false}, next.listener());
  EXPECT_EQ(s.done, 2u);
}

TEST(BatchCompressorTest, ProgressOfEachFileComesBetweenItsStartAndItsEnd) {
  TempDir in, out;
  std::vector<std::string> sources;
  for (int i = 0; i < 5; ++i) {
    sources.push_back(in / ("tall" + std::to_string(i) + ".jpg"));
    WriteBytes(sources.back(), gfx::EncodeJpeg(Picture(16, 200 + 40 * i, static_cast<uint8_t>(i))));
  }
  BatchOptions options{out.path(), 75, 2, false};
  options.report_progress = true;
  Recorder rec;
  BatchSummary s = BatchCompressor().Run(sources, options, rec.listener());
  EXPECT_EQ(s.done, 5u);
  for (size_t i = 0; i < sources.size(); ++i) {
    std::string states;  // the file's own reports, in the order they came
    int64_t last_rows = 0;
    for (const FileReport& r : rec.reports) {
      if (r.index != i) continue;
      states += rec.events[&r - rec.reports.data()][0];
      if (r.status != FileStatus::kProgress) continue;
      EXPECT_EQ(r.rows_total, 200 + 40 * static_cast<int64_t>(i));
      EXPECT_GE(r.rows_done, last_rows);
      EXPECT_EQ(r.input_bytes, ReadBytes(sources[i]).size());
      last_rows = r.rows_done;
    }
    // Started, some progress, ended; the last progress is the last row.
    EXPECT_EQ(states.front(), 'S') << i;
    EXPECT_EQ(states.back(), 'D') << i;
    EXPECT_EQ(states.find_first_not_of('P', 1), states.size() - 1) << states;
    EXPECT_GT(states.size(), 2u) << i;
    EXPECT_EQ(last_rows, 200 + 40 * static_cast<int64_t>(i));
  }
}

TEST(BatchCompressorTest, ACancelBeforeTheRunIsHonouredAndEndsWithIt) {
  TempDir in, out;
  WriteBytes(in / "a.jpg", gfx::EncodeJpeg(Picture(8, 8, 1)));
  const std::vector<std::string> sources(3, in / "a.jpg");
  BatchCompressor compressor;
  compressor.Cancel();
  Recorder cancelled;
  BatchSummary s = compressor.Run(sources, {out.path(), 75, 2, false}, cancelled.listener());
  EXPECT_TRUE(s.cancelled);
  EXPECT_EQ(s.done + s.failed, 0u);
  EXPECT_TRUE(cancelled.events.empty());
  EXPECT_TRUE(out.List().empty());

  Recorder next;  // the request applied to one run only
  s = compressor.Run(sources, {out.path(), 75, 2, false}, next.listener());
  EXPECT_FALSE(s.cancelled);
  EXPECT_EQ(s.done, 3u);
  EXPECT_EQ(next.events.size(), 6u);
}

TEST(BatchCompressorTest, WorkersThatCannotStartLeaveTheListToThoseThatDid) {
  TempDir in;
  std::vector<std::string> sources;
  for (int i = 0; i < 6; ++i) {
    sources.push_back(in / ("p" + std::to_string(i) + ".jpg"));
    WriteBytes(sources.back(), gfx::EncodeJpeg(Picture(24, 16, static_cast<uint8_t>(i))));
  }
  struct Case {
    unsigned workers;
    unsigned refused_from;  // the first start the system refuses
  };
  const Case kCases[] = {{2, 1}, {4, 1}, {4, 3}, {3, 0}, {1, 0}};
  for (const Case& c : kCases) {
    SCOPED_TRACE("workers " + std::to_string(c.workers) + ", refused from start " + std::to_string(c.refused_from));
    TempDir out;
    BatchCompressor compressor;
    unsigned attempts = 0;
    compressor.SetThreadStarter([&](std::function<void()> body) {
      if (attempts++ >= c.refused_from)
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      return std::jthread(std::move(body));
    });
    Recorder rec;
    if (c.refused_from == 0) {
      try {
        compressor.Run(sources, {out.path(), 75, c.workers, false}, rec.listener());
        ADD_FAILURE() << "no worker started, yet the run did not fail";
      } catch (const gfx::ImageError& e) {
        EXPECT_NE(std::string(e.what()).find("无法启动压缩线程"), std::string::npos) << e.what();
      }
      EXPECT_EQ(attempts, 1u);
      EXPECT_TRUE(rec.events.empty());
      EXPECT_TRUE(out.List().empty());
      continue;
    }
    BatchSummary s = compressor.Run(sources, {out.path(), 75, c.workers, false}, rec.listener());
    EXPECT_EQ(attempts, c.refused_from + 1);  // no start is tried after a refusal
    EXPECT_EQ(s.done, sources.size());
    EXPECT_FALSE(s.cancelled);
    std::vector<std::string> starts, ends;
    for (const std::string& e : rec.events) (e[0] == 'S' ? starts : ends).push_back(e.substr(1));
    const std::vector<std::string> kInOrder = {"0", "1", "2", "3", "4", "5"};
    EXPECT_EQ(starts, kInOrder);
    EXPECT_EQ(ends, kInOrder);
    EXPECT_EQ(out.List().size(), sources.size());
  }
}

TEST(BatchCompressorTest, AThrowingListenerEndsTheRunWithEveryWorkerJoined) {
  TempDir in, out;
  WriteBytes(in / "a.jpg", gfx::EncodeJpeg(Picture(8, 8, 1)));
  const std::vector<std::string> sources(40, in / "a.jpg");
  BatchCompressor compressor;
  EXPECT_THROW(compressor.Run(sources, {out.path(), 75, 3, false},
                              [](const FileReport& r) {
                                if (r.index == 2) throw std::runtime_error("停止");
                              }),
               std::runtime_error);
  // The compressor is usable again: nothing of the failed run is left running or requested.
  BatchSummary s = compressor.Run({in / "a.jpg"}, {out.path(), 75, 3, false}, nullptr);
  EXPECT_EQ(s.done, 1u);
  EXPECT_FALSE(s.cancelled);
}

TEST(BatchCompressorTest, EmptyListDoesNothing) {
  TempDir out;
  BatchSummary s = BatchCompressor().Run({}, {out.path(), 75, 0, false}, nullptr);
  EXPECT_EQ(s.files, 0u);
  EXPECT_FALSE(s.cancelled);
}

}  // namespace
}  // namespace batch
