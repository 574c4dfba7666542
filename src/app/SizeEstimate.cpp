// SizeEstimate: the size the single-picture save would write, worked out in the background.
#include "app/SizeEstimate.h"

#include <condition_variable>
#include <exception>
#include <mutex>

#include "gfx/Resample.h"
#include "picture/PictureFile.h"
#include "ui/Application.h"

namespace app {

namespace {

uint64_t RoundedKb(uint64_t bytes) {
  const uint64_t kb = (bytes + 512) / 1024;
  return kb == 0 && bytes > 0 ? 1 : kb;
}

// The last custom-size picture the thread made, with the picture it came from: while only the
// quality moves, the resizing (the larger part of the work) is done once.
struct ResizedPicture {
  std::shared_ptr<const gfx::Bitmap> source;
  gfx::Size size;
  gfx::Bitmap picture;
};

// The bytes the save writes for `input`: the same encoding, run on the resized picture it would
// make (kept in `resized` for the next state).
std::vector<uint8_t> Encode(const EstimateInput& input, ResizedPicture& resized) {
  const std::optional<gfx::Size>& size = input.custom_size;
  if (!size || size->width <= 0 || size->height <= 0 || input.picture->IsEmpty()) {
    return picture::EncodePictureAsJpeg(*input.picture, input.quality, size, input.icc_profile, input.markers);
  }
  if (resized.source == nullptr || resized.size != *size || !(*resized.source == *input.picture)) {
    resized.source.reset();
    resized.picture = gfx::ResizeHighQuality(*input.picture, size->width, size->height);
    resized.source = input.picture;
    resized.size = *size;
  }
  return picture::EncodePictureAsJpeg(resized.picture, input.quality, std::nullopt, input.icc_profile,
                                      input.markers);
}

}  // namespace

std::string EstimateText(uint64_t output_bytes, std::optional<uint64_t> source_bytes) {
  std::string text = "约 " + std::to_string(RoundedKb(output_bytes)) + " KB";
  if (!source_bytes || *source_bytes == 0) return text;
  // The change in whole percent, rounded half away from zero.
  const uint64_t source = *source_bytes;
  const bool larger = output_bytes > source;
  const uint64_t diff = larger ? output_bytes - source : source - output_bytes;
  const uint64_t percent = (diff * 200 + source) / (2 * source);
  text += "（";
  if (percent != 0) text += larger ? "+" : "-";
  text += std::to_string(percent) + "%）";
  return text;
}

struct SizeEstimate::Shared {
  std::mutex mutex;
  std::condition_variable_any wake;
  // The state waiting for the thread (only the newest is kept) and the change it was taken at.
  std::optional<EstimateInput> queued;
  uint64_t queued_change = 0;
  uint64_t encodings = 0;
  // UI thread only: cleared when the estimate goes, so a result queued for the UI thread before
  // then finds nobody to tell.
  SizeEstimate* owner = nullptr;
};

SizeEstimate::SizeEstimate(ui::Application& app, Take take, Done done)
    : app_(app), take_(std::move(take)), done_(std::move(done)), shared_(std::make_shared<Shared>()) {
  shared_->owner = this;
  thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

SizeEstimate::~SizeEstimate() {
  if (timer_ != 0) app_.KillTimer(timer_);
  shared_->owner = nullptr;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queued.reset();
  }
  thread_.request_stop();
  thread_.join();
}

void SizeEstimate::Changed() {
  ++change_;
  if (timer_ != 0) app_.KillTimer(timer_);
  timer_ = app_.SetTimer(kSettleMs, [this] { Settled(); });
}

uint64_t SizeEstimate::Encodings() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->encodings;
}

void SizeEstimate::Settled() {
  app_.KillTimer(timer_);
  timer_ = 0;
  // The state is as of now; a change from here on (even one the taking itself causes) outdates it.
  const uint64_t change = change_;
  std::optional<EstimateInput> input = take_();
  if (!input || !input->picture || input->picture->IsEmpty()) {
    // Nothing to encode: said at once, and whatever is on its way is out of date.
    ++change_;
    {
      std::lock_guard lock(shared_->mutex);
      shared_->queued.reset();
    }
    done_(std::nullopt);
    return;
  }
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queued = std::move(input);
    shared_->queued_change = change;
  }
  shared_->wake.notify_one();
}

void SizeEstimate::Run(std::stop_token stop) {
  ResizedPicture resized;
  for (;;) {
    EstimateInput input;
    uint64_t change = 0;
    {
      std::unique_lock lock(shared_->mutex);
      if (!shared_->wake.wait(lock, stop, [&] { return shared_->queued.has_value(); })) return;
      input = std::move(*shared_->queued);
      shared_->queued.reset();
      change = shared_->queued_change;
    }
    std::optional<uint64_t> bytes;
    try {
      bytes = Encode(input, resized).size();
    } catch (const std::exception&) {
      bytes.reset();  // settings the save refuses (a side of 0) or a picture it cannot encode
    }
    input = {};  // the picture copy goes before the thread waits again
    app_.RunOnMainThread([shared = shared_, change, bytes] {
      SizeEstimate* owner = shared->owner;
      if (owner == nullptr || owner->change_ != change) return;
      owner->done_(bytes);
    });
    // Counted once the result is queued, so whoever sees the count finds the result queued too.
    std::lock_guard lock(shared_->mutex);
    ++shared_->encodings;
  }
}

}  // namespace app
