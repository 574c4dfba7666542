// TOrvelDralen: the main window: its attributes, creation and destruction work.
#include "app/TOrvelDralen.h"

#include "resources/EmbeddedSkin.h"
#include "skin/frame/TskSkinMessage.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/ProgressBar.h"

namespace app {

TOrvelDralen::TOrvelDralen() {
  SetName("OrvelDralen");
  SetCaption(kCaption);
  SetFont(gfx::Font("MS Sans Serif", 11));
  SetShowHint(true);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderStyle(ui::BorderStyle::kSizeable);
  SetClientSize(kClientWidth, kClientHeight);
  SetMinSize({kMinWidth, kMinHeight});
  OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
  OnDestroy = [this](ui::Component* sender) { FormDestroy(sender); };
  // As the window's description is read: the stored skin gets its content, then the skin data
  // its link to it, which loads the skin at once and announces it to the open forms.
  resources::FillEmbeddedStoredSkin(skStoredSkin1);
  skSkinData1.SetMessageSink(&skin_sink_);
  skSkinData1.SetStoredSkin(&skStoredSkin1);
  skSkinMessage1 = Make<skin::TskSkinMessage>();
  skSkinMessage1->SetName("skSkinMessage1");
  skSkinMessage1->SetSkinData(&skSkinData1);
  skSkinMessage1->SetCtrlSkinData(&skSkinData1);
  // The skinned frame takes the window's frame over from the window system and draws the skin's:
  // the caption buttons system menu, minimize, maximize and roll-up.
  skSkinForm1 = skin::TskSkinForm::Attach(*this);
  skSkinForm1->SetName("skSkinForm1");
  skSkinForm1->SetBorderIcons(skin::biSystemMenu | skin::biMinimize | skin::biMaximize | skin::biRollUp);
  skSkinForm1->SetDefCaptionFont(gfx::Font("Arial", 14, gfx::kFontBold, ui::kColorBtnText));
  skSkinForm1->SetDefMenuItemHeight(20);
  skSkinForm1->Magnetic = false;
  skSkinForm1->MagneticSize = 5;
  skSkinForm1->SetAlphaBlendValue(200);
  skSkinForm1->SetAlphaBlend(false);
  skSkinForm1->SetSkinData(&skSkinData1);
  // The client area keeps its size inside the skin's frame.
  SetClientSize(kClientWidth, kClientHeight);
}

void TOrvelDralen::FormCreate(ui::Component*) {
  // Placed once, at creation, at the right end of the status bar; it does not follow later
  // resizing.
  ui::WinControl* bar = skSkinStatusBar1 != nullptr ? skSkinStatusBar1 : this;
  StatusProgress = bar->MakeChild<ui::ProgressBar>(this);
  StatusProgress->SetName("StatusProgress");
  StatusProgress->Hide();
  StatusProgress->SetBounds(bar->Width() - kStatusProgressWidth, 2, kStatusProgressWidth, bar->Height() - 4);
}

void TOrvelDralen::FormDestroy(ui::Component*) {
  if (StatusProgress == nullptr) return;
  ui::ProgressBar* bar = StatusProgress;
  StatusProgress = nullptr;
  if (bar->Parent() != nullptr) bar->Parent()->RemoveChild(bar).reset();
}

}  // namespace app
