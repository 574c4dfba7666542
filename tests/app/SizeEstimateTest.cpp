// The background size estimate: equal to what the save writes, one encoding per burst of changes
// with only the newest state delivered, and going away in the middle of an encoding.
#include "app/SizeEstimate.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "picture/PictureFile.h"
#include "support/TempDir.h"
#include "ui/UiTestEnv.h"
#include "web/WebTestEnv.h"

namespace {

using web_test::PumpUntil;

// A picture with detail in it, so the quality and the size change the encoded bytes.
std::shared_ptr<const gfx::Bitmap> Detailed(int width, int height) {
  auto picture = std::make_shared<gfx::Bitmap>(width, height, 24);
  uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = picture->Row(y);
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525 + 1013904223;
      const uint8_t noise = static_cast<uint8_t>(seed >> 27);
      row[3 * x] = static_cast<uint8_t>(x * 255 / width + noise);
      row[3 * x + 1] = static_cast<uint8_t>(y * 255 / height);
      row[3 * x + 2] = static_cast<uint8_t>((x ^ y) + noise);
    }
  }
  return picture;
}

class SizeEstimateTest : public ui_test::UiTest {
 protected:
  // An estimate of `state` as the test sets it; every delivered result is kept in order.
  std::unique_ptr<app::SizeEstimate> Make() {
    return std::make_unique<app::SizeEstimate>(
        *app_, [this]() -> std::optional<app::EstimateInput> { return state_; },
        [this](std::optional<uint64_t> bytes) { results_.push_back(bytes); });
  }
  // Lets the changes settle and runs the loop until a result arrives.
  void SettleAndWait() {
    const size_t before = results_.size();
    Advance(app::SizeEstimate::kSettleMs);
    ASSERT_TRUE(PumpUntil(*app_, [&] { return results_.size() > before; }));
  }

  std::optional<app::EstimateInput> state_;
  std::vector<std::optional<uint64_t>> results_;
};

TEST_F(SizeEstimateTest, TheEstimateIsTheSizeOfTheFileTheSaveWrites) {
  testing_support::TempDir dir;
  const auto picture = Detailed(240, 160);
  // The same size, other pixels: a resized picture kept from before must not be taken for it.
  auto turned = std::make_shared<gfx::Bitmap>(*picture);
  for (int y = 0; y < 80; ++y) std::swap_ranges(turned->Row(y), turned->Row(y) + 240 * 3, turned->Row(159 - y));
  const std::vector<uint8_t> profile(600, 7);
  const std::vector<gfx::JpegMarker> markers = {{gfx::kJpegComment, {'o', 'r', 'v', 'e', 'l'}},
                                                {gfx::kJpegApp1, std::vector<uint8_t>(300, 1)}};
  struct Case {
    const char* name;
    int quality;
    std::optional<gfx::Size> custom_size;
    bool metadata;
    std::shared_ptr<const gfx::Bitmap> source;
  };
  const Case cases[] = {
      {"default quality", 75, std::nullopt, false, picture},
      {"quality 0 is taken as 1", 0, std::nullopt, false, picture},
      {"best quality", 100, std::nullopt, false, picture},
      {"custom size, larger", 60, gfx::Size{500, 333}, false, picture},
      {"same custom size, other quality", 95, gfx::Size{500, 333}, false, picture},
      {"same custom size, other pixels", 95, gfx::Size{500, 333}, false, turned},
      {"custom size, smaller", 90, gfx::Size{48, 32}, false, turned},
      {"profile and metadata kept", 75, gfx::Size{48, 32}, true, turned},
  };
  auto estimate = Make();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    state_ = app::EstimateInput{k.source, k.quality, k.custom_size, k.metadata ? profile : std::vector<uint8_t>{},
                                k.metadata ? markers : std::vector<gfx::JpegMarker>{}};
    estimate->Changed();
    SettleAndWait();
    const std::string saved = picture::SavePictureAsJpeg(*k.source, dir / "out.jpg", k.quality, k.custom_size,
                                                         state_->icc_profile, state_->markers);
    ASSERT_TRUE(results_.back().has_value());
    EXPECT_EQ(*results_.back(), std::filesystem::file_size(saved));
  }
  // Settings the save refuses, and no picture at all, give no estimate.
  state_->custom_size = gfx::Size{0, 100};
  estimate->Changed();
  SettleAndWait();
  EXPECT_EQ(results_.back(), std::nullopt);
  state_.reset();
  estimate->Changed();
  SettleAndWait();
  EXPECT_EQ(results_.back(), std::nullopt);
}

TEST_F(SizeEstimateTest, ABurstOfChangesGivesOneEstimateOfItsLastState) {
  const auto picture = Detailed(320, 240);
  auto estimate = Make();
  // A slider dragged from 20 to 80, a step every 10 ms.
  for (int quality = 20; quality <= 80; quality += 3) {
    state_ = app::EstimateInput{picture, quality, std::nullopt, {}, {}};
    estimate->Changed();
    Advance(10);
  }
  Advance(app::SizeEstimate::kSettleMs - 11);
  EXPECT_EQ(estimate->Encodings(), 0u);
  EXPECT_TRUE(results_.empty());
  SettleAndWait();
  ASSERT_EQ(results_.size(), 1u);
  EXPECT_EQ(*results_[0], picture::EncodePictureAsJpeg(*picture, 80, std::nullopt).size());
  EXPECT_EQ(estimate->Encodings(), 1u);
}

TEST_F(SizeEstimateTest, AResultOvertakenByALaterChangeIsDropped) {
  const auto picture = Detailed(320, 240);
  std::unique_ptr<app::SizeEstimate> estimate;
  int takes = 0;
  estimate = std::make_unique<app::SizeEstimate>(
      *app_,
      [&]() -> std::optional<app::EstimateInput> {
        // The first state is outdated the moment it is taken, as by a key pressed meanwhile.
        if (++takes == 1) estimate->Changed();
        return state_;
      },
      [&](std::optional<uint64_t> bytes) { results_.push_back(bytes); });
  state_ = app::EstimateInput{picture, 30, std::nullopt, {}, {}};
  estimate->Changed();
  Advance(app::SizeEstimate::kSettleMs);
  state_->quality = 90;
  ASSERT_TRUE(PumpUntil(*app_, [&] { return estimate->Encodings() == 1; }));
  Pump();
  EXPECT_TRUE(results_.empty());
  SettleAndWait();
  ASSERT_EQ(results_.size(), 1u);
  EXPECT_EQ(*results_[0], picture::EncodePictureAsJpeg(*picture, 90, std::nullopt).size());
}

TEST_F(SizeEstimateTest, GoingAwayDuringAnEncodingDeliversNothing) {
  const auto picture = Detailed(1600, 1200);
  for (bool encoding : {false, true}) {
    SCOPED_TRACE(encoding ? "while encoding" : "while settling");
    auto estimate = Make();
    state_ = app::EstimateInput{picture, 75, gfx::Size{2000, 1500}, {}, {}};
    estimate->Changed();
    if (encoding) Advance(app::SizeEstimate::kSettleMs);
    estimate.reset();
    // Whatever was on its way, and any timer left behind, reaches nobody.
    Advance(app::SizeEstimate::kSettleMs * 2);
    EXPECT_TRUE(results_.empty());
  }
}

TEST(EstimateTextTest, SizeAndChangeAgainstThePicturesOwnFile) {
  struct Case {
    uint64_t output;
    std::optional<uint64_t> source;
    const char* text;
  };
  const Case cases[] = {
      {120 * 1024, 923 * 1024, "约 120 KB（-87%）"},
      {120 * 1024, 100 * 1024, "约 120 KB（+20%）"},
      {5000, 5000, "约 5 KB（0%）"},
      {1000, 1004, "约 1 KB（0%）"},            // a change below half a percent
      {120 * 1024, std::nullopt, "约 120 KB"},  // a capture has no file of its own
      {120 * 1024, 0, "约 120 KB"},             // nor has an empty file a size to compare with
      {100, 20 * 1024, "约 1 KB（-100%）"},      // never "约 0 KB" for a file that has bytes
      {1535, std::nullopt, "约 1 KB"},
      {1536, std::nullopt, "约 2 KB"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    EXPECT_EQ(app::EstimateText(k.output, k.source), k.text);
  }
}

}  // namespace
