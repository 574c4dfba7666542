// TskSkinMenuSpeedButton: a skinned speed button that drops a skinned popup menu down below itself.
#pragma once

#include "gfx/Geometry.h"
#include "skin/controls/TskSkinSpeedButton.h"

namespace skin {

class TskSkinPopupMenu;

// The drop-down part is the record's trackbuttonrect (moved with the width or height as the button
// is sized), or the rightmost 15 pixels without a record, where the plain look draws a small down
// arrow. A left press in it, or anywhere when TrackButtonMode is off, holds the button down and
// opens SkinPopupMenu under the button; the button comes back up when the menu closes. With
// TrackButtonMode on, a press elsewhere is an ordinary click.
class TskSkinMenuSpeedButton : public TskSkinSpeedButton {
 public:
  static constexpr int32_t kPlainTrackWidth = 15;

  TskSkinMenuSpeedButton();
  ~TskSkinMenuSpeedButton() override;

  TskSkinPopupMenu* SkinPopupMenu() const { return menu_; }
  // Cleared when the menu is destroyed.
  void SetSkinPopupMenu(TskSkinPopupMenu* menu);
  bool TrackButtonMode() const { return track_button_mode_; }
  void SetTrackButtonMode(bool v) { track_button_mode_ = v; }
  bool MenuOpen() const { return menu_open_; }
  // The drop-down part in the button's coordinates.
  gfx::Rect TrackButtonRect() const;

  ui::NotifyEvent OnShowTrackMenu;
  ui::NotifyEvent OnHideTrackMenu;

 protected:
  void WndProc(ui::Message& m) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void OpenMenu();
  void MenuClosed();

  TskSkinPopupMenu* menu_ = nullptr;
  bool track_button_mode_ = false;
  bool menu_open_ = false;
  // The pointer left while the menu was open: the button is let go of when it closes.
  bool left_while_open_ = false;
};

}  // namespace skin
