// TfrmsetC: the colour adjustment dialog, hidden until shown modally.
#include "app/TfrmsetC.h"

#include "app/TOrvelDralen.h"

namespace app {

TfrmsetC::TfrmsetC(TOrvelDralen& main) : OrvelDralen(main) {
  SetName("frmsetC");
  SetSurfaceKind(platform::SurfaceKind::kDialog);
  SetBorderStyle(ui::BorderStyle::kDialog);
  SetPosition(ui::FormPosition::kMainFormCenter);
  SetFont(gfx::Font("MS Sans Serif", 11));
}

}  // namespace app
