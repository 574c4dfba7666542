// TfrmsetC: the colour adjustment dialog, hidden until shown modally.
#pragma once

#include "ui/Form.h"

namespace skin {
class TskSkinForm;
}

namespace app {

class TOrvelDralen;

class TfrmsetC : public ui::Form {
 public:
  // The dialog reads and writes the main window's picture through this reference.
  explicit TfrmsetC(TOrvelDralen& main);

  TOrvelDralen& OrvelDralen;
  // The dialog's skinned frame, drawn from the main window's skin, with no caption buttons but
  // close (the dialog owns it).
  skin::TskSkinForm* skSkinForm1 = nullptr;
};

}  // namespace app
