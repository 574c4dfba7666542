// TOrvelDralen: the main window: its attributes, creation and destruction work, the current picture
// and the handlers that transform it or open the colour dialog and the capture.
#include "app/TOrvelDralen.h"

#include "app/SizeEstimate.h"
#include "app/BatchPage.h"
#include "app/TfrmScreen.h"
#include "app/TfrmsetC.h"
#include "picture/Transforms.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/frame/TskSkinMessage.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/ImageView.h"
#include "ui/ProgressBar.h"
#include "ui/Shell.h"
#include "web/HtmlView.h"
#include "web/WebAddresses.h"
#include "worker/TOBThread.h"

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
  // The window hears keys before its focused control, for the picture page's shortcuts.
  SetKeyPreview(true);
  OnKeyDown = [this](ui::Control* sender, uint16_t& key, ui::ShiftState shift) { FormKeyDown(sender, key, shift); };
  OnDropFiles = [this](ui::Component* sender, const std::vector<std::string>& files) { FormDropFiles(sender, files); };
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

  BuildPages();
  WireHandlers();
}

void TOrvelDralen::FormCreate(ui::Component*) {
  // Placed once, at creation, at the right end of the status bar; it does not follow later
  // resizing.
  ui::WinControl* bar = skSkinStatusBar1;
  StatusProgress = bar->MakeChild<ui::ProgressBar>(this);
  StatusProgress->SetName("StatusProgress");
  StatusProgress->Hide();
  StatusProgress->SetBounds(bar->Width() - kStatusProgressWidth, 2, kStatusProgressWidth, bar->Height() - 4);
  // Each view shows its shipped page at once and fetches in the background: start-up never waits
  // on the network, and nothing here hears when a page arrives.
  WebBrowser1->Load(web::AdsUrl());
  WebBrowser2->Load(web::DownloadsUrl());
  StartSizeEstimate();
}

TOrvelDralen::~TOrvelDralen() {
  if (batch_page_) batch_page_->StopForClose();
  // obthread_ goes before batch_page_ (it is declared after it) and joins the worker, whose job
  // the page holds.
}

void TOrvelDralen::FormDestroy(ui::Component*) {
  // A running batch gives up its files in progress as soon as the window goes; the destructor
  // then waits for its worker.
  if (batch_page_) batch_page_->StopForClose();
  // The estimate's thread ends with the window; an encoding under way finishes unheard.
  size_estimate_.reset();
  if (StatusProgress == nullptr) return;
  ui::ProgressBar* bar = StatusProgress;
  StatusProgress = nullptr;
  if (bar->Parent() != nullptr) bar->Parent()->RemoveChild(bar).reset();
}

void TOrvelDralen::SizeViewToPicture() {
  const gfx::Bitmap& picture = Image1->Picture();
  Image1->SetBounds(Image1->Left(), Image1->Top(), picture.Width(), picture.Height());
}

void TOrvelDralen::TransformPicture(void (*transform)(gfx::Bitmap&)) {
  if (!Image1->HasPicture()) return;
  Image1->SetAutoSize(true);
  Image1->SetStretch(true);
  transform(Image1->EditPicture());
  Image1->PictureChanged();
  SizeViewToPicture();
  SetPictureMiddle();
  // From here the view keeps the picture's size and shows it unscaled: any zoom is gone.
  Image1->SetAutoSize(false);
  Image1->SetStretch(false);
}

void TOrvelDralen::N901Click(ui::Component*) { TransformPicture(picture::Rotate90); }

void TOrvelDralen::N1Click(ui::Component*) { TransformPicture(picture::FlipHorz); }

void TOrvelDralen::N2Click(ui::Component*) { skSkinPageControl2->SetActivePage(skSkinTabSheet2); }

void TOrvelDralen::skSkinLinkLabel2Click(ui::Component*) { (void)ui::OpenUrl(home_url_); }

void TOrvelDralen::ShowColourDialog(const char* caption) {
  if (frmsetC == nullptr || Image1->Picture().Height() == 0) return;
  frmsetC->SetMode(caption);
  frmsetC->ShowModal();
}

void TOrvelDralen::skSkinButton7Click(ui::Component*) { ShowColourDialog(TfrmsetC::kContrastCaption); }

void TOrvelDralen::skSkinButton8Click(ui::Component*) { ShowColourDialog(TfrmsetC::kSaturationCaption); }

void TOrvelDralen::skSkinButton9Click(ui::Component*) { ShowColourDialog(TfrmsetC::kRgbCaption); }

void TOrvelDralen::skSkinButton10Click(ui::Component*) {
  if (frmScreen == nullptr) return;
  Image1->SetBounds(10, 10, Image1->Width(), Image1->Height());
  frmScreen->Show();
  skSkinButton3->SetEnabled(true);
  skSkinTrackBar1->SetEnabled(true);
  skSkinCheckRadioBox1->SetEnabled(true);
}

}  // namespace app
