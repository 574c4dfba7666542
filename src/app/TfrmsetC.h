// TfrmsetC: the colour adjustment dialog, hidden until shown modally.
#pragma once

#include "ui/Form.h"

namespace app {

class TOrvelDralen;

class TfrmsetC : public ui::Form {
 public:
  // The dialog reads and writes the main window's picture through this reference.
  explicit TfrmsetC(TOrvelDralen& main);

  TOrvelDralen& OrvelDralen;
};

}  // namespace app
