// TskSkinGauge: the skinned progress bar, a Value between MinValue and MaxValue shown as a tiled fill and a text.
#include "skin/controls/TskSkinGauge.h"

#include "gfx/Canvas.h"
#include "skin/controls/GaugeFill.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeMath.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/render/PieceCopy.h"

namespace skin {

TskSkinGauge::TskSkinGauge() {
  SetSkinDataName("gauge");
  SetBounds(0, 0, 100, 20);
}

void TskSkinGauge::SetMinValue(int32_t v) {
  min_ = v;
  value_ = ClampMinFirst(value_, min_, max_);
  Invalidate();
}

void TskSkinGauge::SetMaxValue(int32_t v) {
  max_ = v;
  value_ = ClampMinFirst(value_, min_, max_);
  Invalidate();
}

void TskSkinGauge::SetValue(int32_t v) {
  const int32_t clamped = ClampMinFirst(v, min_, max_);
  if (clamped == value_) return;
  value_ = clamped;
  Invalidate();
}

void TskSkinGauge::SetVertical(bool v) {
  if (v == vertical_) return;
  vertical_ = v;
  Invalidate();
}

void TskSkinGauge::SetUseSkinSize(bool v) {
  if (v == use_skin_size_) return;
  use_skin_size_ = v;
  ApplySkin();
}

void TskSkinGauge::SetProgressText(std::string text) {
  progress_text_ = std::move(text);
  Invalidate();
}

void TskSkinGauge::SetShowProgressText(bool v) {
  show_progress_text_ = v;
  Invalidate();
}

void TskSkinGauge::SetShowPercent(bool v) {
  show_percent_ = v;
  Invalidate();
}

std::string TskSkinGauge::Text() const {
  return GaugeText(progress_text_, show_progress_text_, show_percent_, RangeRatio(value_, min_, max_));
}

void TskSkinGauge::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  const auto* record = SkinRecordAs<TskDataSkinGaugeControl>();
  has_gauge_record_ = record != nullptr;
  if (record == nullptr) return;
  progressarea_ = HeldRecordRect(record->progressarea);
  progressrect_ = HeldRecordRect(record->progressrect);
  beginoffset_ = record->beginoffset;
  endoffset_ = record->endoffset;
  vertical_ = record->vertical;
  record_font_ = SkinTextFont(UseSkinFont(), DefaultFont(), record->font.fontname, record->font.fontheight, record->font.fontstyle,
                              record->font.fontcolor);
}

bool TskSkinGauge::HasSkinLook() const { return has_gauge_record_ && TskSkinCustomControl::HasSkinLook(); }

void TskSkinGauge::FitSizeToSkin(int32_t& width, int32_t& height) {
  if (use_skin_size_) {
    TskSkinCustomControl::FitSizeToSkin(width, height);
    return;
  }
  // The geometry follows the size asked for, which is kept.
  int32_t w = width, h = height;
  TskSkinCustomControl::FitSizeToSkin(w, h);
}

void TskSkinGauge::UpdateSkinRegion() {
  if (use_skin_size_) {
    TskSkinCustomControl::UpdateSkinRegion();
    return;
  }
  if (Shape() != nullptr) SetShape(std::nullopt);
}

gfx::Rect TskSkinGauge::CurrentProgressArea() const {
  if (!HasSkinLook()) return {1, 1, Width() - 1, Height() - 1};
  gfx::Rect r = progressarea_;
  const SkinSizingKind sizing = SkinSizing();
  if (sizing == SkinSizingKind::kFixed || sizing == SkinSizingKind::kNone) return r;
  const gfx::Rect& skin = Geometry().skinrect;
  if (vertical_) {
    r.bottom += Height() - skin.Height();
  } else {
    r.right += Width() - skin.Width();
  }
  return r;
}

gfx::Rect TskSkinGauge::FilledRect() const {
  return GaugeFilledRect(CurrentProgressArea(), RangeRatio(value_, min_, max_), vertical_);
}

void TskSkinGauge::DrawSkinLayers(gfx::Bitmap& bitmap) {
  if (!DrawSkinPart(bitmap, Picture(), Geometry().skinrect)) return;
  DrawGaugeProgress(bitmap, FilledRect(), *Picture(), progressrect_, beginoffset_, endoffset_, vertical_);
}

void TskSkinGauge::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (use_skin_size_) {
    DrawSkinLayers(bitmap);
  } else {
    DrawSkinLayers(layers_);
    gfx::Canvas canvas(bitmap);
    canvas.StretchDraw(bitmap.Bounds(), layers_);
  }
  DrawGaugeText(bitmap, record_font_);
}

void TskSkinGauge::DrawDefaultImage(gfx::Bitmap& bitmap) {
  {
    gfx::Canvas canvas(bitmap);
    const gfx::Rect all = bitmap.Bounds();
    canvas.FillRect(all, ui::kColorWindow);
    canvas.FrameRect(all, ui::kColorBtnShadow);
    canvas.FillRect(FilledRect(), kPlainHotFill);
  }
  DrawGaugeText(bitmap, DefaultFont());
}

void TskSkinGauge::DrawGaugeText(gfx::Bitmap& bitmap, const gfx::Font& font) const {
  const std::string text = Text();
  if (text.empty()) return;
  gfx::Canvas canvas(bitmap);
  canvas.SetFont(font);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const gfx::Size extent = canvas.TextExtent(text);
  const int32_t w = Width(), h = Height();
  if (!vertical_) {
    canvas.TextOut(w / 2 - extent.width / 2, h / 2 - extent.height / 2, text);
    return;
  }
  // Turned to read upwards: the text's cell lies left of and above the point it is drawn at.
  canvas.Font().SetEscapement(900);
  canvas.TextOut(w / 2 - extent.height / 2, extent.width / 2 + h / 2, text);
}

}  // namespace skin
