// TskSkinCustomEdit and TskSkinEdit: the toolkit's edit with a skinned border, state colours, a button and a skinned context menu.
#pragma once

#include <string>

#include "gfx/Font.h"
#include "skin/controls/SkinDataLink.h"
#include "skin/controls/SkinEditMenu.h"
#include "ui/Edit.h"

namespace gfx {
class Bitmap;
}

namespace skin {

class TskDataSkinEditControl;
class TskSkinPopupMenu;

// The text is drawn transparently over the border picture, which fills the whole control: with a
// record a horizontal strip of skinrect (activeskinrect while hot or focused) cut at the record's
// corner points, the text inside clientrect; without one a two-pixel plain frame. The control
// takes the skin's height whenever it is sized. The text colour follows the state: the record's
// activefontcolor while hot or focused, fontcolor otherwise, disabledfontcolor when disabled.
class TskSkinCustomEdit : public ui::Edit {
 public:
  TskSkinCustomEdit();
  ~TskSkinCustomEdit() override;

  TskSkinData* SkinData() const { return link_.Data(); }
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name);
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);
  int DefaultWidth() const { return default_width_; }
  void SetDefaultWidth(int w);
  int DefaultHeight() const { return default_height_; }
  void SetDefaultHeight(int h);
  // A button at the right end of the field ("buttonedit" record); a click on it fires
  // OnButtonClick after giving the field the focus. Switching it switches a default record name
  // between "edit" and "buttonedit".
  bool ButtonMode() const { return button_mode_; }
  void SetButtonMode(bool v);

  // Re-reads the record: font, height and colours.
  void ApplySkin();
  bool Hot() const { return hot_; }
  bool ButtonHot() const { return button_hot_; }
  bool ButtonDown() const { return button_down_; }
  // The button's rectangle in client coordinates (empty without ButtonMode).
  gfx::Rect ButtonRect() const;
  // The context menu last opened (null once it closed).
  TskSkinPopupMenu* ContextMenu() const { return menu_.Menu(); }

  gfx::Color TextColor() const override;
  void SetBounds(int left, int top, int width, int height) override;
  bool DefaultContextMenu(gfx::Point screen) override;
  void SkinMessageChange(const void* skin_data) override;

  ui::NotifyEvent OnButtonClick;

 protected:
  void WndProc(ui::Message& m) override;
  gfx::Rect FrameInsets() const override;
  void PaintFrame(gfx::Canvas& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;

  const TskDataSkinEditControl* Record() const;
  const gfx::Bitmap* Picture() const;

 private:
  void SetHot(bool hot);
  void SetButtonState(bool hot, bool down);

  SkinDataLink link_;
  gfx::Font default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  int default_width_ = 0;
  int default_height_ = 20;
  bool button_mode_ = false;
  bool hot_ = false;
  bool button_hot_ = false;
  bool button_down_ = false;
  SkinEditMenu menu_;
};

// The single-line skinned field placed on forms.
class TskSkinEdit : public TskSkinCustomEdit {
 public:
  TskSkinEdit() = default;
};

}  // namespace skin
