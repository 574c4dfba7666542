// TOrvelDralen: the size panel's estimate of the file the single-picture save would write.
#include "app/SizeEstimate.h"
#include "app/TOrvelDralen.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "ui/Application.h"
#include "ui/ImageView.h"

namespace app {

void TOrvelDralen::StartSizeEstimate() {
  size_estimate_ = std::make_unique<SizeEstimate>(
      *ui::Application::Current(),
      [this]() -> std::optional<EstimateInput> {
        // What the save would take at this moment (see SavePictureTo).
        if (Image1->Picture().IsEmpty()) return std::nullopt;
        EstimateInput input;
        input.picture = std::make_shared<const gfx::Bitmap>(Image1->Picture());
        input.quality = skSkinTrackBar1->Value();
        if (skSkinCheckRadioBox1->Checked()) {
          input.custom_size = gfx::Size{static_cast<int>(skSkinNumericEdit1->Value()),
                                        static_cast<int>(skSkinNumericEdit2->Value())};
        }
        input.icc_profile = metadata_.icc_profile;
        input.markers = metadata_.markers;
        return input;
      },
      [this](std::optional<uint64_t> bytes) { ShowSizeEstimate(bytes); });
  // Every change of the current picture (open, turn, colour, capture, restore) and the height as
  // it is typed (the save reads the edit as it stands) are changes of the estimate too.
  Image1->OnChange = [this](ui::Component*) { EstimateChanged(); };
  skSkinNumericEdit2->OnChange = [this](ui::Component*) { EstimateChanged(); };
}

void TOrvelDralen::EstimateChanged() {
  if (size_estimate_ != nullptr) size_estimate_->Changed();
}

void TOrvelDralen::ShowSizeEstimate(std::optional<uint64_t> bytes) {
  estimate_text_ = bytes ? EstimateText(*bytes, metadata_.file_bytes) : std::string();
  std::string text = size_text_;
  if (!text.empty() && !estimate_text_.empty()) text += "  ";
  skSkinStatusPanel2->SetCaption(text + estimate_text_);
}

}  // namespace app
