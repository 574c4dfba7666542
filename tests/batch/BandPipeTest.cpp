// The band hand-over between a filling and an emptying thread, with real threads (written to run
// under the thread sanitizer too).
#include "batch/BandPipe.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace batch {
namespace {

constexpr size_t kRowBytes = 8;
constexpr size_t kRows = 3;

// Fills `bands` bands, band i with rows of the byte i, until the pipe is abandoned.
void Fill(BandPipe& pipe, int bands, const char* error = nullptr) {
  for (int i = 0; i < bands; ++i) {
    BandPipe::Band* band = pipe.TakeEmpty();
    if (band == nullptr) return;
    for (uint8_t* row : band->rows)
      for (size_t x = 0; x < kRowBytes; ++x) row[x] = static_cast<uint8_t>(i);
    band->count = band->rows.size();
    pipe.PutFilled(band);
  }
  pipe.Close(error ? std::make_exception_ptr(std::runtime_error(error)) : nullptr);
}

TEST(BandPipeTest, BandsArriveInOrderWhileTwoBuffersCycle) {
  BandPipe pipe(kRowBytes, kRows, 2);
  std::jthread filler([&pipe] { Fill(pipe, 50); });
  int expected = 0;
  while (BandPipe::Band* band = pipe.TakeFilled()) {
    ASSERT_EQ(band->count, kRows);
    for (const uint8_t* row : band->rows)
      for (size_t x = 0; x < kRowBytes; ++x) ASSERT_EQ(row[x], expected);
    ++expected;
    pipe.PutEmpty(band);
  }
  EXPECT_EQ(expected, 50);
  EXPECT_EQ(pipe.Error(), nullptr);
}

TEST(BandPipeTest, EitherSideStopsTheOther) {
  {  // The emptying side gives up after one band: the filler's next wait for a buffer ends.
    BandPipe pipe(kRowBytes, kRows, 2);
    std::jthread filler([&pipe] { Fill(pipe, 1000); });
    ASSERT_NE(pipe.TakeFilled(), nullptr);
    pipe.Abandon();
  }  // joined here: a filler still waiting would hang the test
  {  // The filling side fails: the emptier gets no more bands, then the error.
    BandPipe pipe(kRowBytes, kRows, 4);
    std::jthread filler([&pipe] { Fill(pipe, 3, "damaged"); });
    filler.join();
    EXPECT_EQ(pipe.TakeFilled(), nullptr);
    ASSERT_NE(pipe.Error(), nullptr);
    EXPECT_THROW(std::rethrow_exception(pipe.Error()), std::runtime_error);
  }
}

}  // namespace
}  // namespace batch
