// TskSkinMenuSpeedButton: a skinned speed button that drops a skinned popup menu down below itself.
#include "skin/controls/TskSkinMenuSpeedButton.h"

#include <memory>

#include "gfx/Canvas.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/menus/ComponentWatch.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "skin/render/SkinGlyphs.h"
#include "ui/Application.h"
#include "ui/Message.h"

namespace skin {

TskSkinMenuSpeedButton::TskSkinMenuSpeedButton() {
  SetSkinDataName("toolmenubutton");
  SetBounds(0, 0, 37, 25);
}

TskSkinMenuSpeedButton::~TskSkinMenuSpeedButton() { SetSkinPopupMenu(nullptr); }

void TskSkinMenuSpeedButton::SetSkinPopupMenu(TskSkinPopupMenu* menu) {
  if (menu_ != nullptr) RemoveFreeNotification(menu_);
  menu_ = menu;
  if (menu_ != nullptr) FreeNotification(menu_);
}

void TskSkinMenuSpeedButton::Notification(ui::Component* component, Operation operation) {
  TskSkinSpeedButton::Notification(component, operation);
  if (operation == Operation::kRemove && component == menu_) menu_ = nullptr;
}

gfx::Rect TskSkinMenuSpeedButton::TrackButtonRect() const {
  const auto* record = SkinRecordAs<TskDataSkinMenuButtonControl>();
  if (record == nullptr || Geometry().sizing == SkinSizingKind::kNone) {
    return {Width() - kPlainTrackWidth, 0, Width(), Height()};
  }
  gfx::Rect r = record->trackbuttonrect;
  const int32_t dw = Width() - Geometry().skinrect.Width();
  const int32_t dh = Height() - Geometry().skinrect.Height();
  switch (Geometry().sizing) {
    case SkinSizingKind::kHorizontal:
    case SkinSizingKind::kNinePart:
      r = {r.left + dw, r.top, r.right + dw, r.bottom};
      break;
    case SkinSizingKind::kVertical:
      r = {r.left, r.top + dh, r.right, r.bottom + dh};
      break;
    default:
      break;
  }
  return r;
}

void TskSkinMenuSpeedButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const bool drops = button == ui::MouseButton::kLeft && menu_ != nullptr && EffectivelyEnabled() && !menu_open_ &&
                     (!track_button_mode_ || TrackButtonRect().Contains({x, y}));
  if (!drops) {
    TskSkinSpeedButton::MouseDown(button, shift, x, y);
    return;
  }
  OpenMenu();
}

void TskSkinMenuSpeedButton::OpenMenu() {
  ComponentWatch<TskSkinMenuSpeedButton> self(this);
  // The pointer is over the button, which keeps its hover look, and so shows down, while the menu
  // is open.
  SetDown(true);
  menu_open_ = true;
  left_while_open_ = false;
  // The press belongs to the menu now: its release goes to whatever lies under the pointer, so a
  // drag from the button onto an item and a release there chooses the item.
  if (ui::Application* app = ui::Application::Current(); app != nullptr && app->CaptureControl() == this) {
    app->SetCaptureControl(nullptr);
  }
  const gfx::Point o = ClientToScreen({0, 0});
  TskSkinPopupMenu* menu = menu_;
  menu->PopupAtRect(gfx::Rect::FromSize(o.x, o.y, Width(), Height()), false, this);
  if (self.Get() == nullptr || !menu_open_) return;
  // A menu with nothing to show (or no form to show it) does not open: the button comes back up.
  SkinMenuHost* host = menu_ != nullptr ? FindMenuHost(menu_->FindForm()) : nullptr;
  if (host == nullptr || !host->MenuEngine().IsOpen() || host->MenuEngine().OpeningControl() != this) {
    menu_open_ = false;
    SetDown(false);
    return;
  }
  if (OnShowTrackMenu) OnShowTrackMenu(this);
}

void TskSkinMenuSpeedButton::MenuClosed() {
  if (!menu_open_) return;
  menu_open_ = false;
  SetDown(false);
  ComponentWatch<TskSkinMenuSpeedButton> self(this);
  if (left_while_open_) TskSkinSpeedButton::MouseLeave();
  if (self.Get() != nullptr && OnHideTrackMenu) OnHideTrackMenu(this);
}

void TskSkinMenuSpeedButton::MouseLeave() {
  if (menu_open_) {
    // Only the hover flag changes while the menu is open; the button stays down.
    left_while_open_ = true;
    return;
  }
  TskSkinSpeedButton::MouseLeave();
}

void TskSkinMenuSpeedButton::WndProc(ui::Message& m) {
  if (m.id == ui::kSkinMsgCloseMenus) {
    MenuClosed();
    return;
  }
  if (m.id == ui::kMsgMouseEnter && menu_open_) left_while_open_ = false;
  TskSkinSpeedButton::WndProc(m);
}

void TskSkinMenuSpeedButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
  TskSkinSpeedButton::DrawDefaultImage(bitmap);
  gfx::Canvas canvas(bitmap);
  const gfx::Rect track = TrackButtonRect();
  DrawSmallDownArrow(canvas, track, EffectivelyEnabled() ? ui::kColorBtnText : ui::kColorBtnShadow);
}

}  // namespace skin
