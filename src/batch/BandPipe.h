// Bands of picture rows handed from a thread that fills them to a thread that empties them.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

namespace batch {

// A fixed set of row bands cycling between a filling thread (the decoder) and an emptying
// thread (the encoder), so the memory held is that of the bands however tall the picture is.
// Either side can stop the other: the filler by closing (with the error that stopped it, if
// any), the emptier by abandoning. Every wait ends when the other side has stopped.
class BandPipe {
 public:
  struct Band {
    std::vector<uint8_t*> rows;  // capacity rows, each row_bytes long, into the pipe's memory
    uint64_t count = 0;          // rows filled
  };

  BandPipe(size_t row_bytes, size_t rows_per_band, size_t bands);
  BandPipe(const BandPipe&) = delete;
  BandPipe& operator=(const BandPipe&) = delete;

  // Filling side: an empty band, or null once the emptying side has abandoned the pipe.
  Band* TakeEmpty();
  // Hands a filled band (count set) over to the emptying side.
  void PutFilled(Band* band);
  // No more bands will come; `error`, when set, is what stopped the filling.
  void Close(std::exception_ptr error = nullptr);

  // Emptying side: the next filled band in order, or null once the pipe is closed and drained
  // (at once when it was closed with an error).
  Band* TakeFilled();
  // Gives an emptied band back for filling.
  void PutEmpty(Band* band);
  // The emptying side stops: the filling side's next TakeEmpty gives null.
  void Abandon();
  // After TakeFilled has given null: the error the filling side closed with, if any.
  std::exception_ptr Error();

 private:
  std::vector<uint8_t> memory_;
  std::vector<Band> bands_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Band*> empty_;
  std::deque<Band*> filled_;
  bool closed_ = false;
  bool abandoned_ = false;
  std::exception_ptr error_;
};

}  // namespace batch
