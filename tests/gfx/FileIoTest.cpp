// Whole-file reading and the atomic write: contents, permissions, and what a failure leaves behind.
#include "gfx/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <thread>
#include <vector>

#include "gfx/ImageError.h"
#include "support/TempDir.h"

namespace gfx {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

// The process's file-creation mask, read without changing it for longer than the two calls.
mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

TEST(FileIoTest, WritesReplacesAndReadsBack) {
  testing_support::TempDir dir;
  const std::string path = dir / "out.bin";
  WriteFileAtomically(path, std::vector<uint8_t>{1, 2, 3});
  EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{1, 2, 3}));
  WriteFileAtomically(path, std::vector<uint8_t>{});
  EXPECT_TRUE(ReadWholeFile(path).empty());
  EXPECT_EQ(dir.List(), std::vector<std::string>{"out.bin"});  // no temporary file is left
}

TEST(FileIoTest, NewFilesTakeTheUsualPermissionsAndOldOnesKeepTheirs) {
  testing_support::TempDir dir;
  const std::string fresh = dir / "fresh.bin";
  WriteFileAtomically(fresh, std::vector<uint8_t>{7});
  EXPECT_EQ(ModeOf(fresh), 0666 & ~CurrentUmask());

  const std::string kept = dir / "kept.bin";
  WriteFileAtomically(kept, std::vector<uint8_t>{1});
  ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
  WriteFileAtomically(kept, std::vector<uint8_t>{2});
  EXPECT_EQ(ModeOf(kept), 0640u);
  EXPECT_EQ(ReadWholeFile(kept), std::vector<uint8_t>{2});
}

// The batch engine writes one output per core at the same time. A write must not change the
// process's file-creation mask on the way, or a file written alongside takes the wrong permissions.
TEST(FileIoTest, WritesOnManyThreadsAllTakeTheUsualPermissions) {
  testing_support::TempDir dir;
  constexpr int kThreads = 4;
  constexpr int kFilesEach = 300;
  const mode_t expected = 0666 & ~CurrentUmask();
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&dir, t] {
      for (int i = 0; i < kFilesEach; ++i) {
        std::string name = std::to_string(t);
        name += '-';
        name += std::to_string(i);
        WriteFileAtomically(dir / name, std::vector<uint8_t>{1});
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  int wrong = 0;
  for (const std::string& name : dir.List()) {
    if (ModeOf(dir / name) != expected) ++wrong;
  }
  EXPECT_EQ(wrong, 0) << "files written with other permissions than " << std::oct << expected;
}

TEST(FileIoTest, FailuresNameTheFileAndLeaveNothing) {
  testing_support::TempDir dir;
  const struct {
    const char* name;
    std::string path;
    bool write;
  } cases[] = {
      {"read a missing file", dir / "missing.bin", false},
      {"read a folder", dir.path(), false},
      {"write into a missing folder", dir / "no-such-folder/out.bin", true},
      {"write over a folder", dir.path(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      if (c.write) {
        WriteFileAtomically(c.path, std::vector<uint8_t>{1});
      } else {
        ReadWholeFile(c.path);
      }
      ADD_FAILURE() << "no error";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
    }
  }
  EXPECT_TRUE(dir.List().empty());
}

}  // namespace
}  // namespace gfx
