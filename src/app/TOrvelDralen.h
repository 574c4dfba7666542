// TOrvelDralen: the main window: its attributes, creation and destruction work, the current picture
// and the handlers that transform it or open the colour dialog and the capture.
#pragma once

#include <cstdint>

#include "app/FormSkinMessageSink.h"
#include "skin/data/SkinData.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Form.h"

namespace skin {
class TskSkinForm;
}

namespace gfx {
class Bitmap;
}
namespace ui {
class ImageView;
class ProgressBar;
}
namespace skin {
class TskSkinMessage;
}

namespace app {

class TfrmScreen;
class TfrmsetC;

class TOrvelDralen : public ui::Form {
 public:
  static constexpr const char* kCaption = "图片压缩（免费共享）";
  static constexpr int kClientWidth = 675;
  static constexpr int kClientHeight = 466;
  static constexpr int kMinWidth = 150;
  static constexpr int kMinHeight = 29;
  static constexpr int kStatusProgressWidth = 400;

  TOrvelDralen();

  // The other two windows, set once all three exist.
  TfrmsetC* frmsetC = nullptr;
  TfrmScreen* frmScreen = nullptr;

  // Created in FormCreate, freed in FormDestroy; no part of the program shows it.
  ui::ProgressBar* StatusProgress = nullptr;
  // The status bar StatusProgress is placed on, once the pages exist; the form itself until then.
  ui::WinControl* skSkinStatusBar1 = nullptr;
  int32_t ListMouseX = 0;
  int32_t ListMouseY = 0;

  // The current picture is Image1's, its restore copy the hidden Image2's (taken when a file is
  // opened). Both sit on the area that shows the picture: the picture page's scroll box once the
  // pages exist, the form itself until then.
  ui::ImageView* Image1 = nullptr;
  ui::ImageView* Image2 = nullptr;

  void FormCreate(ui::Component* sender);
  void FormDestroy(ui::Component* sender);

  // Places Image1 in the middle of the area that holds it, each half taken before the subtraction,
  // or at 0 on a side where it does not fit.
  void SetPictureMiddle();
  // "旋转90度" and "水平翻转": turn or mirror the current picture; the view shows it unscaled at its
  // new size. Nothing happens before the view holds a picture.
  void N901Click(ui::Component* sender);
  void N1Click(ui::Component* sender);
  // "恢复": the restore copy becomes the current picture again. Before a file was opened there is
  // none and the current picture (a capture, say) stays.
  void N3Click(ui::Component* sender);
  // "对比度", "饱和度", "RGB": the colour dialog in that mode, modally; nothing without a picture.
  void skSkinButton7Click(ui::Component* sender);
  void skSkinButton8Click(ui::Component* sender);
  void skSkinButton9Click(ui::Component* sender);
  // "截屏": shows the capture window, which later makes the chosen rectangle the current picture.
  void skSkinButton10Click(ui::Component* sender);

 private:
  // Declared before the skin data so it outlives it.
  FormSkinMessageSink skin_sink_{this};

 public:
  // The skin built into the program, and the skin data object every skinned component of the
  // three windows draws from. The data loads from the stored skin when the window is built.
  skin::TskStoredSkin skStoredSkin1;
  skin::TskSkinData skSkinData1;
  // Every message of the program (information boxes and the general error report) goes through
  // it, in the skin's label and buttons.
  skin::TskSkinMessage* skSkinMessage1 = nullptr;
  // The window's skinned frame (the window owns it).
  skin::TskSkinForm* skSkinForm1 = nullptr;

 private:
  void TransformPicture(void (*transform)(gfx::Bitmap&));
  // The view takes the picture's size (also an empty picture's, which auto-size leaves alone).
  void SizeViewToPicture();
  void ShowColourDialog(const char* caption);
};

}  // namespace app
