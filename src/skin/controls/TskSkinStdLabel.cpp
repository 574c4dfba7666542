// TskSkinStdLabel and TskSkinLinkLabel: the toolkit's label drawn in the skin's text colours; the link opens its URL.
#include "skin/controls/TskSkinStdLabel.h"

#include "gfx/Canvas.h"
#include "platform/Backend.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinPanelRecords.h"

namespace skin {

TskSkinStdLabel::TskSkinStdLabel() : link_([this] { Invalidate(); }) {
  link_.SetName("stdlabel");
  SetTransparent(true);
}

void TskSkinStdLabel::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  FitToText();
  Invalidate();
}

void TskSkinStdLabel::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  FitToText();
  Invalidate();
}

void TskSkinStdLabel::SetUseSkinFont(bool use) {
  use_skin_font_ = use;
  FitToText();
  Invalidate();
}

void TskSkinStdLabel::SkinMessageChange(const void* skin_data) {
  if (!link_.Concerns(skin_data)) return;
  FitToText();
  Invalidate();
}

void TskSkinStdLabel::CaptionChanged() {
  ui::Label::CaptionChanged();
  FitToText();
}

void TskSkinStdLabel::FontChanged() {
  ui::Label::FontChanged();
  FitToText();
}

gfx::Font TskSkinStdLabel::TextFont() const {
  const auto* r = link_.RecordAs<TskDataSkinStdLabelControl>();
  if (r == nullptr) return use_skin_font_ ? default_font_ : GetFont();
  if (!use_skin_font_) {
    gfx::Font font = GetFont();
    font.SetColor(r->fontcolor);
    return font;
  }
  return RecordFont(r->fontname, r->fontheight, r->fontstyle, r->fontcolor);
}

void TskSkinStdLabel::FitToText() {
  if (!AutoSize() || WordWrap() || Destroying()) return;
  const gfx::Font font = TextFont();
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(font);
  gfx::Rect r{0, 0, 0, 0};
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  canvas.DrawText(r, text, gfx::kDtCalcRect | (ShowAccelChar() ? 0u : static_cast<uint32_t>(gfx::kDtNoPrefix)));
  SetBounds(Left(), Top(), r.Width(), r.Height());
}

void TskSkinStdLabel::Paint(gfx::Canvas& canvas) {
  gfx::Rect r{0, 0, Width(), Height()};
  if (!Transparent()) canvas.FillRect(r, GetColor());
  uint32_t flags = WordWrap() ? static_cast<uint32_t>(gfx::kDtWordBreak) : 0u;
  if (!ShowAccelChar()) flags |= gfx::kDtNoPrefix;
  if (Alignment() == ui::TextAlignment::kCenter) flags |= gfx::kDtCenter;
  if (Alignment() == ui::TextAlignment::kRight) flags |= gfx::kDtRight;
  canvas.SetFont(TextFont());
  canvas.Brush().style = gfx::BrushStyle::kClear;
  if (!EffectivelyEnabled()) {
    canvas.Font().SetColor(ui::kColorBtnHighlight);
    gfx::Rect shifted = r.Offset(1, 1);
    canvas.DrawText(shifted, Caption(), flags);
    canvas.Font().SetColor(ui::kColorBtnShadow);
  }
  canvas.DrawText(r, Caption(), flags);
}

TskSkinLinkLabel::TskSkinLinkLabel() {
  default_font_ = gfx::Font("Arial", 14, gfx::kFontUnderline);
  SetCursor(ui::Cursor::kHand);
}

void TskSkinLinkLabel::SetDefaultActiveFontColor(gfx::Color c) {
  default_active_font_color_ = c;
  if (hot_) Invalidate();
}

gfx::Font TskSkinLinkLabel::TextFont() const {
  gfx::Font font = TskSkinStdLabel::TextFont();
  font.SetStyle(font.Style() | gfx::kFontUnderline);
  if (!hot_) return font;
  const auto* r = link_.RecordAs<TskDataSkinStdLabelControl>();
  font.SetColor(r != nullptr ? r->activefontcolor : default_active_font_color_);
  return font;
}

void TskSkinLinkLabel::MouseEnter() {
  TskSkinStdLabel::MouseEnter();
  hot_ = true;
  Invalidate();
}

void TskSkinLinkLabel::MouseLeave() {
  TskSkinStdLabel::MouseLeave();
  hot_ = false;
  Invalidate();
}

void TskSkinLinkLabel::Click() {
  // The handler may destroy the label; the address is taken first.
  const std::string url = url_;
  TskSkinStdLabel::Click();
  // The address goes to the desktop's handler as one argument; no shell ever sees it.
  if (!url.empty() && platform::HasBackend()) platform::GetBackend().OpenUrl(url);
}

}  // namespace skin
