// TOrvelDralen: the main window: its attributes, creation and destruction work.
#pragma once

#include <cstdint>

#include "app/FormSkinMessageSink.h"
#include "skin/data/SkinData.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Form.h"

namespace skin {
class TskSkinForm;
}

namespace ui {
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

  void FormCreate(ui::Component* sender);
  void FormDestroy(ui::Component* sender);

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
};

}  // namespace app
