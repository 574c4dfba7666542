// TskSkinHintWindow: the hint window drawn from the skin's hint record, or plain without one.
#include "skin/menus/TskSkinHintWindow.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "platform/Backend.h"
#include "skin/data/SkinData.h"
#include "skin/menus/RecordFont.h"
#include "skin/menus/TskSkinHint.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinImage.h"
#include "ui/Application.h"
#include "ui/Control.h"

namespace skin {

namespace {

constexpr gfx::Color kInfoText = gfx::kBlack;

gfx::Size TextExtent(const gfx::Font& font, const std::string& text) {
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(font);
  gfx::Rect r{0, 0, 0, 0};
  canvas.DrawText(r, text, gfx::kDtCalcRect | gfx::kDtNoPrefix);
  return {r.Width(), r.Height()};
}

}  // namespace

TskSkinHintWindow::TskSkinHintWindow() { SetName("TskSkinHintWindow"); }

TskSkinHintWindow::~TskSkinHintWindow() { SetHintComponent(nullptr); }

void TskSkinHintWindow::SetHintComponent(TskSkinHint* hint) { own_hint_ = hint; }

TskSkinHint* TskSkinHintWindow::FindHint() const {
  if (own_hint_ != nullptr) return own_hint_;
  ui::Application* app = ui::Application::Current();
  ui::Form* main = app != nullptr ? app->MainForm() : nullptr;
  if (main == nullptr) return nullptr;
  for (ui::Component* c : main->Components()) {
    if (auto* hint = dynamic_cast<TskSkinHint*>(c); hint != nullptr && hint->Active()) return hint;
  }
  return nullptr;
}

gfx::Size TskSkinHintWindow::Prepare(TskSkinHint* hint, const std::string& text) {
  record_ = nullptr;
  picture_ = nullptr;
  mask_ = nullptr;
  TskSkinData* data = hint->SkinData();
  if (data != nullptr && !data->IsEmpty() && data->HintWindow().windowpictureindex != -1) {
    const gfx::Bitmap* picture = data->ActivePicture24(data->HintWindow().windowpictureindex);
    // A record naming a picture the skin lacks gives the plain look.
    if (picture != nullptr && !picture->IsEmpty()) {
      record_ = &data->HintWindow();
      picture_ = picture;
      mask_ = data->ActivePicture(record_->maskpictureindex);
    }
  }
  font_ = hint->DefaultFont();
  text_color_ = kInfoText;
  if (record_ != nullptr) {
    if (hint->UseSkinFont()) font_ = RecordFont(record_->fontname, record_->fontheight, record_->fontstyle);
    text_color_ = record_->fontcolor;
  }
  const gfx::Size text_size = TextExtent(font_, text);
  if (record_ == nullptr) {
    client_ = {2, 2, text_size.width + 2, text_size.height + 2};
    return {text_size.width + 4, text_size.height + 4};
  }
  const gfx::Rect& c = record_->clientrect;
  const int32_t w = std::max(text_size.width + c.left + (picture_->Width() - c.right), picture_->Width());
  const int32_t h = std::max(text_size.height + c.top + (picture_->Height() - c.bottom), picture_->Height());
  client_ = {c.left, c.top, c.right + w - picture_->Width(), c.bottom + h - picture_->Height()};
  return {w, h};
}

gfx::Rect TskSkinHintWindow::CalcHintRect(int, const std::string& text) {
  TskSkinHint* hint = FindHint();
  if (hint == nullptr) return {0, 0, 0, 0};
  const gfx::Size size = Prepare(hint, text);
  return {0, 0, size.width, size.height};
}

void TskSkinHintWindow::ActivateHint(const gfx::Rect& screen_rect, const std::string& text) {
  TskSkinHint* hint = FindHint();
  if (hint == nullptr) return;
  const gfx::Size size = Prepare(hint, text);
  SetCaption(text);
  int32_t left = screen_rect.left;
  int32_t top = screen_rect.top;
  const gfx::Size screen = platform::GetBackend().ScreenSize();
  if (left + size.width > screen.width) left -= size.width + 2;
  if (top + size.height > screen.height) top -= size.height + 2;
  SetBounds(left, top, size.width, size.height);
  if (platform::GetBackend().LayeredWindowsAvailable()) {
    const uint8_t alpha = hint->AlphaBlend() ? hint->AlphaBlendValue() : 255;
    if (applied_alpha_ != alpha) {
      SetAlphaBlendValue(alpha);
      applied_alpha_ = alpha;
    }
  }
  std::optional<gfx::Region> region;
  if (record_ != nullptr && mask_ != nullptr && !mask_->IsEmpty()) {
    const TskDataSkinHintWindow& r = *record_;
    const int32_t dx = size.width - picture_->Width();
    const int32_t dy = size.height - picture_->Height();
    MaskSource src{r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, r.clientrect};
    SkinTarget dst{r.lefttoppoint,
                   {r.righttoppoint.x + dx, r.righttoppoint.y},
                   {r.leftbottompoint.x, r.leftbottompoint.y + dy},
                   {r.rightbottompoint.x + dx, r.rightbottompoint.y + dy},
                   client_,
                   size.width,
                   size.height};
    region = RegionForSize(*mask_, src, dst);
  }
  SetWindowRegion(std::move(region));
  Invalidate();
  Show();
}

void TskSkinHintWindow::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width();
  const int32_t h = Height();
  if (w <= 0 || h <= 0) return;
  gfx::Bitmap back(w, h, 24);
  gfx::Canvas off(back);
  if (record_ != nullptr) {
    const TskDataSkinHintWindow& r = *record_;
    SkinSource src{{0, 0, picture_->Width(), picture_->Height()},
                   r.lefttoppoint,
                   r.righttoppoint,
                   r.leftbottompoint,
                   r.rightbottompoint,
                   r.clientrect};
    const SkinTarget dst = UsualTarget(src, w, h);
    BuildSkinImageStretched(back, *picture_, src, dst, true,
                            EdgeStretch{r.leftstretch, r.topstretch, r.rightstretch, r.bottomstretch});
    off.SetFont(font_);
    off.Font().SetColor(text_color_);
    off.Brush().style = gfx::BrushStyle::kClear;
    // The lines centred as a block in the client rectangle.
    gfx::Rect measure{0, 0, 0, 0};
    off.DrawText(measure, Caption(), gfx::kDtCalcRect | gfx::kDtNoPrefix);
    gfx::Rect text = client_;
    text.top += (client_.Height() - measure.Height()) / 2;
    off.DrawText(text, Caption(), gfx::kDtCenter | gfx::kDtNoPrefix | gfx::kDtNoClip);
  } else {
    off.FillRect({0, 0, w, h}, ui::kColorInfoBk);
    off.FrameRect({0, 0, w, h}, ui::kColorBtnShadow);
    off.SetFont(font_);
    off.Font().SetColor(text_color_);
    off.Brush().style = gfx::BrushStyle::kClear;
    gfx::Rect text{2, 2, w - 2, h - 2};
    off.DrawText(text, Caption(), gfx::kDtLeft | gfx::kDtNoPrefix);
  }
  canvas.Draw(0, 0, back);
}

}  // namespace skin
