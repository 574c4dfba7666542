// TfrmsetC: the colour adjustment dialog, hidden until shown modally.
#include "app/TfrmsetC.h"

#include "app/TOrvelDralen.h"
#include "skin/frame/TskSkinForm.h"

namespace app {

TfrmsetC::TfrmsetC(TOrvelDralen& main) : OrvelDralen(main) {
  SetName("frmsetC");
  SetSurfaceKind(platform::SurfaceKind::kDialog);
  SetBorderStyle(ui::BorderStyle::kDialog);
  SetPosition(ui::FormPosition::kMainFormCenter);
  SetFont(gfx::Font("MS Sans Serif", 11));
  skSkinForm1 = skin::TskSkinForm::Attach(*this);
  skSkinForm1->SetName("skSkinForm1");
  skSkinForm1->SetBorderIcons(0);
  skSkinForm1->SetSkinData(&main.skSkinData1);
}

}  // namespace app
