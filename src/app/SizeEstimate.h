// SizeEstimate: the size the single-picture save would write, worked out in the background.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "gfx/JpegCodec.h"

namespace ui {
class Application;
}

namespace app {

// What the save would work from: the picture and the settings it saves with.
struct EstimateInput {
  std::shared_ptr<const gfx::Bitmap> picture;
  int quality = 75;
  std::optional<gfx::Size> custom_size;
  std::vector<uint8_t> icc_profile;
  std::vector<gfx::JpegMarker> markers;
};

// The status text of an estimate: "约 120 KB（-87%）", the change against the picture's own file
// when there is one ("约 120 KB" without, as for a capture).
std::string EstimateText(uint64_t output_bytes, std::optional<uint64_t> source_bytes);

// Works out the size of the JPEG the save would write for the current picture and settings by
// encoding it exactly as the save does, on a thread of its own. Each change restarts a short
// settling time on the UI thread; when it runs out the state is taken as it is then and encoded,
// so a burst of changes (a dragged slider, typed digits) costs one encoding of its last state.
// Only the newest state's result is delivered: one that a later change has overtaken is dropped.
// Made, told and destroyed on the UI thread; nothing there waits for an encoding.
class SizeEstimate {
 public:
  // Reads the state to estimate on the UI thread; nothing when there is nothing to estimate.
  using Take = std::function<std::optional<EstimateInput>()>;
  // On the UI thread with the bytes the save would write, or nothing when there is no picture or
  // the settings are ones the save refuses.
  using Done = std::function<void(std::optional<uint64_t> bytes)>;

  // Milliseconds from the last change to the start of the encoding.
  static constexpr uint32_t kSettleMs = 100;

  SizeEstimate(ui::Application& app, Take take, Done done);
  SizeEstimate(const SizeEstimate&) = delete;
  SizeEstimate& operator=(const SizeEstimate&) = delete;
  // Drops what is queued, lets a running encoding end (its result goes nowhere) and joins the thread.
  ~SizeEstimate();

  // The picture or a setting changed: a new estimate follows once the changes settle.
  void Changed();
  // Encodings finished so far, delivered or dropped (for tests and measurements); a counted
  // encoding's result is already queued for the UI thread.
  uint64_t Encodings() const;

 private:
  struct Shared;

  void Settled();
  void Run(std::stop_token stop);

  ui::Application& app_;
  Take take_;
  Done done_;
  uintptr_t timer_ = 0;
  // UI thread only: counts changes; a result is delivered only when none came after its state.
  uint64_t change_ = 0;
  std::shared_ptr<Shared> shared_;
  std::jthread thread_;
};

}  // namespace app
