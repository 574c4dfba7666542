// The size panel's estimate on the real window, headless: it follows the quality, the custom size
// and the picture, equals what the save writes, and the window closes in the middle of one.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/SizeEstimate.h"
#include "app/TOrvelDralen.h"
#include "app/MainWindowTestHelpers.h"
#include "gfx/JpegCodec.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "support/TempDir.h"
#include "ui/UiTestEnv.h"
#include "web/WebTestEnv.h"

namespace {

using web_test::PumpUntil;

gfx::Bitmap Photo(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 7 + y), static_cast<uint8_t>(y * 5), static_cast<uint8_t>(x ^ y)));
  return b;
}

class TOrvelDralenEstimateTest : public ui_test::UiTest {
 protected:
  void SetUp() override {
    main_ = main_window_test::ShowMainWindow(*app_);
    Pump();
    // A camera-style file: a colour profile and a comment, which the save keeps.
    gfx::JpegEncodeOptions options;
    options.quality = 95;
    options.icc_profile = std::vector<uint8_t>(900, 3);
    options.markers.push_back({gfx::kJpegComment, std::vector<uint8_t>(400, 'c')});
    source_ = dir_ / "photo.jpg";
    testing_support::WriteBytes(source_, gfx::EncodeJpeg(Photo(300, 200), options));
  }
  // Runs the settling time out and the loop until the estimate of the state as it is now is shown.
  std::string SettledText() {
    const uint64_t before = main_->SizeEstimator()->Encodings();
    Advance(app::SizeEstimate::kSettleMs);
    EXPECT_TRUE(PumpUntil(*app_, [&] { return main_->SizeEstimator()->Encodings() > before; }));
    Pump();
    return main_->skSkinStatusPanel2->Caption();
  }

  testing_support::TempDir dir_;
  std::string source_;
  app::TOrvelDralen* main_ = nullptr;
};

TEST_F(TOrvelDralenEstimateTest, ThePanelShowsAfterThePicturesSizeWhatTheSaveWrites) {
  main_->OpenPictureFile(source_);
  const std::string own = main_->skSkinStatusPanel2->Caption();
  const uint64_t source_bytes = std::filesystem::file_size(source_);
  ASSERT_EQ(own, "图片高:200;  图片宽:300;  图片大小:" + std::to_string(source_bytes / 1024) + "KB");
  struct Case {
    const char* name;
    int quality;
    bool custom;
    int width;  // the ratio lock gives the height
  };
  const Case cases[] = {
      {"as opened", 75, false, 0},
      {"lower quality", 20, false, 0},
      {"custom size", 20, true, 120},
      {"custom size, other width", 90, true, 450},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    main_->skSkinTrackBar1->SetValue(k.quality);
    main_->skSkinCheckRadioBox1->SetChecked(k.custom);
    if (k.custom) main_->skSkinNumericEdit1->SetValue(k.width);
    const std::string text = SettledText();
    const std::string saved = main_->SavePictureTo(dir_ / ("out-" + std::to_string(&k - cases) + ".jpg"), 1);
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(text, own + "  " + app::EstimateText(std::filesystem::file_size(saved), source_bytes));
    EXPECT_EQ(main_->SizeEstimateText(), app::EstimateText(std::filesystem::file_size(saved), source_bytes));
  }
  // A custom size the save refuses leaves the picture's own size alone.
  main_->skSkinNumericEdit1->SetValue(0);
  EXPECT_EQ(SettledText(), own);
  EXPECT_EQ(main_->SizeEstimateText(), "");
  // A turned picture is estimated anew, against the same file.
  main_->skSkinCheckRadioBox1->SetChecked(false);
  SettledText();
  main_->N901Click(nullptr);
  const std::string turned = SettledText();
  const std::string saved = main_->SavePictureTo(dir_ / "turned.jpg", 1);
  EXPECT_EQ(turned, own + "  " + app::EstimateText(std::filesystem::file_size(saved), source_bytes));
}

TEST_F(TOrvelDralenEstimateTest, DraggingTheQualityGivesOneEstimateOfWhereItStops) {
  main_->OpenPictureFile(source_);
  SettledText();
  const uint64_t encodings = main_->SizeEstimator()->Encodings();
  for (int quality = 75; quality >= 30; quality -= 5) {
    main_->skSkinTrackBar1->SetValue(quality);
    Advance(16);
  }
  SettledText();
  EXPECT_EQ(main_->SizeEstimator()->Encodings(), encodings + 1);
  const std::string saved = main_->SavePictureTo(dir_ / "out.jpg", 1);
  EXPECT_EQ(main_->SizeEstimateText(),
            app::EstimateText(std::filesystem::file_size(saved), std::filesystem::file_size(source_)));
}

TEST_F(TOrvelDralenEstimateTest, ClosingTheWindowDuringAnEstimateEndsCleanly) {
  testing_support::WriteBytes(source_, gfx::EncodeJpeg(Photo(2000, 1500)));
  main_->OpenPictureFile(source_);
  main_->skSkinCheckRadioBox1->SetChecked(true);
  main_->skSkinNumericEdit1->SetValue(2500);
  Advance(app::SizeEstimate::kSettleMs);  // an encoding starts
  main_->Close();
  Pump();
  EXPECT_TRUE(app_->Terminated());
  app_.reset();  // the windows go, and the estimate's thread with them
}

}  // namespace
