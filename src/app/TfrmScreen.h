// TfrmScreen: the borderless capture window that covers the screen with a frozen image of it.
#pragma once

#include <cstdint>

#include "ui/Form.h"

namespace ui {
class ImageView;
}

namespace app {

class TOrvelDralen;

class TfrmScreen : public ui::Form {
 public:
  // The capture becomes the main window's current picture.
  explicit TfrmScreen(TOrvelDralen& main);

  TOrvelDralen& OrvelDralen;
  ui::ImageView* Image1 = nullptr;

  int32_t StartX = 0;
  int32_t StartY = 0;
  int32_t EndX = 0;
  int32_t EndY = 0;
  int32_t CornerX = 0;
  int32_t CornerY = 0;
  bool Selecting = false;
};

}  // namespace app
