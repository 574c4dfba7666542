// TfrmScreen: the borderless capture window that covers the screen with a frozen image of it.
#include "app/TfrmScreen.h"

#include "app/TOrvelDralen.h"
#include "ui/ImageView.h"

namespace app {

TfrmScreen::TfrmScreen(TOrvelDralen& main) : OrvelDralen(main) {
  SetName("frmScreen");
  SetCaption("frmScreen");
  SetSurfaceKind(platform::SurfaceKind::kCapture);
  SetBorderStyle(ui::BorderStyle::kNone);
  Image1 = MakeChild<ui::ImageView>(this);
  Image1->SetName("Image1");
  Image1->SetAlign(ui::Align::kClient);
}

}  // namespace app
