// TfrmsetC: the colour adjustment dialog: before and after thumbnails, one mode's sliders, "确定" and "取消".
#pragma once

#include <string>

#include "ui/Form.h"

namespace gfx {
class Bitmap;
}
namespace ui {
class ImageView;
}
namespace skin {
class TskSkinButton;
class TskSkinForm;
class TskSkinGroupBox;
class TskSkinLabel;
class TskSkinPanel;
class TskSkinTrackBar;
}  // namespace skin

namespace app {

class TOrvelDralen;

// Hidden until the main window shows it modally in one of three modes. The mode is the window's
// caption, which "确定" compares; each mode shows its own group of sliders. The sliders only change
// the after thumbnail; "确定" applies their values to the whole current picture.
class TfrmsetC : public ui::Form {
 public:
  static constexpr const char* kContrastCaption = "对比度调整";
  static constexpr const char* kSaturationCaption = "饱和度调整";
  static constexpr const char* kRgbCaption = "RGB调整";
  static constexpr int kLeft = 300;
  static constexpr int kTop = 194;
  static constexpr int kClientWidth = 418;
  static constexpr int kClientHeight = 396;

  // The dialog reads and writes the main window's picture through this reference.
  explicit TfrmsetC(TOrvelDralen& main);

  TOrvelDralen& OrvelDralen;
  // The dialog's skinned frame, drawn from the main window's skin (the dialog owns it).
  skin::TskSkinForm* skSkinForm1 = nullptr;

  skin::TskSkinPanel* Panel1 = nullptr;
  ui::ImageView* ImageBeforeChange = nullptr;
  skin::TskSkinPanel* Panel2 = nullptr;
  ui::ImageView* ImageafterChange = nullptr;

  skin::TskSkinGroupBox* skSkinGroupBox1 = nullptr;  // contrast
  skin::TskSkinLabel* skSkinLabel2 = nullptr;
  skin::TskSkinLabel* Labelcontrast = nullptr;
  skin::TskSkinTrackBar* trackbarcontrast = nullptr;

  skin::TskSkinGroupBox* skSkinGroupBox2 = nullptr;  // saturation
  skin::TskSkinLabel* skSkinLabel3 = nullptr;
  skin::TskSkinLabel* skSkinLabel1 = nullptr;
  skin::TskSkinTrackBar* skSkinTrackBar1 = nullptr;

  skin::TskSkinGroupBox* GroupBoxRGBChange = nullptr;  // red, green, blue
  skin::TskSkinLabel* skSkinLabel4 = nullptr;
  skin::TskSkinLabel* labelred = nullptr;
  skin::TskSkinTrackBar* TrackBarRed = nullptr;
  skin::TskSkinLabel* skSkinLabel6 = nullptr;
  skin::TskSkinLabel* labelgreen = nullptr;
  skin::TskSkinTrackBar* TrackBarGreen = nullptr;
  skin::TskSkinLabel* skSkinLabel5 = nullptr;
  skin::TskSkinLabel* labelblue = nullptr;
  skin::TskSkinTrackBar* TrackBarBlue = nullptr;

  skin::TskSkinPanel* skSkinPanel1 = nullptr;
  skin::TskSkinButton* skSkinButton1 = nullptr;  // "确定"
  skin::TskSkinButton* skSkinButton2 = nullptr;  // "取消"

  // Readies the dialog for the mode whose caption is given: shows its group, makes both
  // thumbnails from the current picture, resets the contrast slider and shows the sliders' present
  // values in the labels and the after thumbnail (the saturation and RGB sliders keep theirs).
  void SetMode(const std::string& caption);
  // Both thumbnails from `picture`, centred in their panels; nothing for an empty picture.
  void LoadImage(const gfx::Bitmap& picture);

  void trackbarcontrastChange(ui::Component* sender);
  void skSkinTrackBar1Change(ui::Component* sender);
  // Shared by the three RGB sliders.
  void TrackBarRedChange(ui::Component* sender);
  void skSkinButton1Click(ui::Component* sender);
  void skSkinButton2Click(ui::Component* sender);
};

}  // namespace app
