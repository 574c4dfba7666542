// TskSkinBevel: the toolkit's bevel in the skin's light and dark colours, or as a divider line.
#include "skin/controls/TskSkinBevel.h"

#include "gfx/Canvas.h"
#include "skin/data/SkinPanelRecords.h"

namespace skin {

TskSkinBevel::TskSkinBevel() : link_([this] { ApplySkin(); }) { link_.SetName("bevel"); }

void TskSkinBevel::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  ApplySkin();
}

void TskSkinBevel::SetDividerMode(bool on) {
  if (on == divider_mode_) return;
  divider_mode_ = on;
  Invalidate();
}

void TskSkinBevel::SkinMessageChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) ApplySkin();
}

void TskSkinBevel::ApplySkin() {
  const auto* r = link_.RecordAs<TskDataSkinBevel>();
  if (r == nullptr) {
    SetColors(ui::kColorBtnHighlight, ui::kColorBtnShadow);
    return;
  }
  SetColors(r->lightcolor, r->darkcolor);
}

void TskSkinBevel::Paint(gfx::Canvas& canvas) {
  if (!divider_mode_) {
    ui::Bevel::Paint(canvas);
    return;
  }
  const ui::BevelShape shape = Shape();
  if (shape == ui::BevelShape::kSpacer) return;
  const gfx::Color first = Style() == ui::BevelStyle::kLowered ? DarkColor() : LightColor();
  const gfx::Color second = Style() == ui::BevelStyle::kLowered ? LightColor() : DarkColor();
  const int w = Width(), h = Height();
  if (shape == ui::BevelShape::kTopLine || shape == ui::BevelShape::kBottomLine) {
    const int y = h / 2 - 1;
    canvas.FillRect({2, y, w - 2, y + 1}, first);
    canvas.FillRect({2, y + 1, w - 2, y + 2}, second);
    return;
  }
  const int x = w / 2 - 1;
  canvas.FillRect({x, 2, x + 1, h - 2}, first);
  canvas.FillRect({x + 1, 2, x + 2, h - 2}, second);
}

}  // namespace skin
