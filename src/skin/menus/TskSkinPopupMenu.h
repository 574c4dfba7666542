// TskSkinPopupMenu: a popup menu shown by its form's skinned menu engine.
#pragma once

#include "gfx/Geometry.h"
#include "skin/data/SkinDataClient.h"
#include "ui/PopupMenu.h"

namespace ui {
class Control;
class Form;
}  // namespace ui

namespace skin {

class SkinMenuHost;
class TskSkinData;

// Any control whose popup menu is one of these shows it skinned: the toolkit's right-click handling
// calls Popup. The menu belongs to a form (given, else its owner when that is a form, else the
// owner's owner); without a menu host on that form nothing is shown.
class TskSkinPopupMenu : public ui::PopupMenu, private SkinDataClient {
 public:
  TskSkinPopupMenu();
  ~TskSkinPopupMenu() override;

  // The skin the menu is drawn from (cleared when it is destroyed). Without one, the first popup
  // takes the host's menus skin and keeps it.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* data);
  // The form whose engine shows the menu (cleared when it goes); null: found from the owner.
  ui::Form* GetForm() const { return form_; }
  void SetForm(ui::Form* form);

  // At a screen point, no opening control.
  void Popup(int screen_x, int screen_y) override;
  // Below (or, with upward, above) a screen rectangle, for menu buttons and frame buttons; the
  // opening control gets 1228 when the menu closes and 1229 after an item ran.
  void PopupAtRect(const gfx::Rect& screen_rect, bool upward, ui::Control* opening_control);
  // At a screen point for a control (an edit's context menu); shown only once SkinData is known.
  void PopupForControl(ui::Control* opening_control, gfx::Point screen);

  // The form the menu belongs to now.
  ui::Form* FindForm() const;

 protected:
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void Show(const gfx::Rect& anchor, bool upward, ui::Control* opening_control, bool need_skin);
  void SkinDataDestroyed(TskSkinData* data) override;

  TskSkinData* skin_data_ = nullptr;
  ui::Form* form_ = nullptr;
};

}  // namespace skin
