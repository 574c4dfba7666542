// TfrmScreen: the borderless capture window that covers the screen with a frozen image of it.
#pragma once

#include <cstdint>

#include "ui/Form.h"

namespace ui {
class ImageView;
}

namespace app {

class TOrvelDralen;

// Each showing freezes the screen into Image1 and beeps. The first click starts a rubber band
// drawn in inverted pixels on the frozen image, the second click ends it: the rectangle between
// the two clicks becomes the main window's current picture and the window closes. Escape, closing
// the window, or a rectangle without area ends the capture and leaves the current picture alone.
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
  // True between the first and the second click of one capture.
  bool Selecting = false;

  // Covers the screen and freezes it; runs while the window is being shown, before it appears.
  void FormShow(ui::Component* sender);
  void Image1MouseDown(ui::Component* sender, ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void Image1MouseMove(ui::Component* sender, ui::ShiftState shift, int x, int y);

 protected:
  void VisibleChanged() override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;

 private:
  // Inverts the outline of the rectangle from the first click to (x, y); a second call with the
  // same corner puts the pixels back.
  void InvertBand(int32_t x, int32_t y);
  void TakeSelection();
};

}  // namespace app
