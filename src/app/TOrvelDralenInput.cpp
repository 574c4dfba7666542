// TOrvelDralen: the keys that stand for the picture page's buttons and menu, and dropped files.
#include <algorithm>

#include "app/TOrvelDralen.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/Edit.h"
#include "ui/ImageView.h"
#include "ui/MenuItem.h"

namespace app {

namespace {

constexpr uint16_t kVkF10 = platform::kVkF1 + 9;

// Runs the control's click as the mouse would; false when the control is disabled.
bool ClickIfEnabled(ui::Control* c) {
  if (c == nullptr || !c->Enabled()) return false;
  c->Click();
  return true;
}

bool ClickIfEnabled(ui::MenuItem* item) {
  if (item == nullptr || !item->Enabled()) return false;
  item->Click();
  return true;
}

}  // namespace

void TOrvelDralen::FormKeyDown(ui::Control*, uint16_t& key, ui::ShiftState shift) {
  const bool ctrl = ui::Has(shift, ui::kCtrl);
  const bool alt = ui::Has(shift, ui::kAlt);
  const bool shifted = ui::Has(shift, ui::kShift);
  if (alt) return;
  if (key == platform::kVkF1 && !ctrl && !shifted) {
    if (ClickIfEnabled(N2)) key = 0;
    return;
  }
  if (skSkinPageControl2->ActivePage() != skSkinTabSheet1) return;
  bool handled = false;
  if (ctrl) {
    switch (key) {
      case 'O': handled = ClickIfEnabled(skSkinButton1); break;
      case 'S': handled = ClickIfEnabled(skSkinButton3); break;
      case platform::kVkOemPlus:
      case platform::kVkAdd: handled = ClickIfEnabled(bigbutton); break;
      case platform::kVkOemMinus:
      case platform::kVkSubtract: handled = ClickIfEnabled(smallbutton); break;
      case 'R': handled = ClickIfEnabled(N901); break;
      case 'H': handled = ClickIfEnabled(N1); break;
      default: break;
    }
  } else if (((key == kVkF10 && shifted) || (key == platform::kVkApps && !shifted)) &&
             dynamic_cast<ui::Edit*>(ActiveControl()) == nullptr) {
    // (A size edit keeps these keys for its own menu.)
    // The picture's menu opens over the middle of the part of the view that shows.
    // Both rectangles are in the box's client coordinates.
    const gfx::Rect box{0, 0, skSkinScrollBox1->ClientWidth(), skSkinScrollBox1->ClientHeight()};
    const gfx::Rect view = Image1->BoundsRect();
    const gfx::Rect shown = view.Intersect(box).IsEmpty() ? box : view.Intersect(box);
    const gfx::Point at = Image1->ClientToScreen(
        {shown.left + shown.Width() / 2 - view.left, shown.top + shown.Height() / 2 - view.top});
    skSkinPopupMenu1->PopupForControl(Image1, at);
    handled = true;
  }
  if (handled) key = 0;
}

void TOrvelDralen::FormDropFiles(ui::Component* sender, const std::vector<std::string>& files) {
  if (skSkinPageControl2->ActivePage() == skSkinTabSheet3) BatchDropFiles(sender, files);
  if (files.empty() || skSkinPageControl2->ActivePage() != skSkinTabSheet1) return;
  OpenPictureFile(files.front());
}

}  // namespace app
