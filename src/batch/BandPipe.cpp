// BandPipe: two queues of band pointers under one mutex, announced through one condition variable.
#include "batch/BandPipe.h"

namespace batch {

BandPipe::BandPipe(size_t row_bytes, size_t rows_per_band, size_t bands)
    : memory_(row_bytes * rows_per_band * bands), bands_(bands) {
  uint8_t* next = memory_.data();
  for (Band& band : bands_) {
    band.rows.resize(rows_per_band);
    for (uint8_t*& row : band.rows) {
      row = next;
      next += row_bytes;
    }
    empty_.push_back(&band);
  }
}

BandPipe::Band* BandPipe::TakeEmpty() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return abandoned_ || !empty_.empty(); });
  if (abandoned_) return nullptr;
  Band* band = empty_.front();
  empty_.pop_front();
  return band;
}

void BandPipe::PutFilled(Band* band) {
  std::lock_guard lock(mutex_);
  filled_.push_back(band);
  changed_.notify_all();
}

void BandPipe::Close(std::exception_ptr error) {
  std::lock_guard lock(mutex_);
  closed_ = true;
  error_ = std::move(error);
  changed_.notify_all();
}

BandPipe::Band* BandPipe::TakeFilled() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return closed_ || !filled_.empty(); });
  if (filled_.empty() || error_) return nullptr;  // a failed filling makes the rest worthless
  Band* band = filled_.front();
  filled_.pop_front();
  return band;
}

void BandPipe::PutEmpty(Band* band) {
  std::lock_guard lock(mutex_);
  empty_.push_back(band);
  changed_.notify_all();
}

void BandPipe::Abandon() {
  std::lock_guard lock(mutex_);
  abandoned_ = true;
  changed_.notify_all();
}

std::exception_ptr BandPipe::Error() {
  std::lock_guard lock(mutex_);
  return error_;
}

}  // namespace batch
