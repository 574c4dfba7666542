// TskSkinCustomEdit and TskSkinEdit: the toolkit's edit with a skinned border, state colours, a button and a skinned context menu.
#include "skin/controls/TskSkinEdit.h"

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/SkinEditLook.h"
#include "skin/data/SkinEditRecords.h"
#include "skin/render/SkinStrip.h"

namespace skin {

namespace {

// The plain button's fills while pressed and while hot.
constexpr gfx::Color kPressedFill = gfx::Rgb(133, 147, 181);
constexpr gfx::Color kHotFill = gfx::Rgb(182, 189, 210);
constexpr gfx::Color kNavy = gfx::Rgb(0, 0, 128);

}  // namespace

TskSkinCustomEdit::TskSkinCustomEdit() : link_([this] { ApplySkin(); }) {
  link_.SetName("edit");
  SetBorder(false);
  SetTransparentText(true);
  SetMargins(2, 2);
  SetFont(default_font_);
  SetBounds(Left(), Top(), 121, 20);
}

TskSkinCustomEdit::~TskSkinCustomEdit() = default;

const TskDataSkinEditControl* TskSkinCustomEdit::Record() const { return link_.RecordAs<TskDataSkinEditControl>(); }

const gfx::Bitmap* TskSkinCustomEdit::Picture() const { return EditPicture(link_, Record()); }

void TskSkinCustomEdit::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  if (link_.Loaded()) ApplySkin();
}

void TskSkinCustomEdit::SetSkinDataName(std::string name) {
  link_.SetName(std::move(name));
  if (link_.Loaded()) ApplySkin();
}

void TskSkinCustomEdit::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  if (Record() == nullptr || !use_skin_font_) ApplySkin();
}

void TskSkinCustomEdit::SetUseSkinFont(bool use) {
  use_skin_font_ = use;
  ApplySkin();
}

void TskSkinCustomEdit::SetDefaultWidth(int w) {
  default_width_ = w;
  if (Record() == nullptr && w > 0) SetWidth(w);
}

void TskSkinCustomEdit::SetDefaultHeight(int h) {
  default_height_ = h;
  if (Record() == nullptr && h > 0) SetHeight(h);
}

void TskSkinCustomEdit::SetButtonMode(bool v) {
  button_mode_ = v;
  if (v && link_.Name() == "edit") link_.SetName("buttonedit");
  if (!v && link_.Name() == "buttonedit") link_.SetName("edit");
  ApplySkin();
}

void TskSkinCustomEdit::ApplySkin() {
  const TskDataSkinEditControl* r = Record();
  if (r == nullptr) {
    SetFont(default_font_);
    if (default_width_ > 0) SetWidth(default_width_);
    if (default_height_ > 0) SetHeight(default_height_);
  } else {
    SetFont(SkinTextFont(use_skin_font_, default_font_, r->font.fontname, r->font.fontheight, r->font.fontstyle,
                         r->font.fontcolor));
    SetHeight(Height());  // SetBounds keeps the skin's height
  }
  Invalidate();
}

void TskSkinCustomEdit::SkinMessageChange(const void* skin_data) {
  if (!link_.Concerns(skin_data)) return;
  ApplySkin();
}

void TskSkinCustomEdit::SetBounds(int left, int top, int width, int height) {
  const TskDataSkinEditControl* r = Record();
  if (r != nullptr && r->skinrect.Height() > 0 && Picture() != nullptr) height = r->skinrect.Height();
  ui::Edit::SetBounds(left, top, width, height);
}

gfx::Rect TskSkinCustomEdit::FrameInsets() const {
  const TskDataSkinEditControl* r = Record();
  if (r != nullptr && Picture() != nullptr) return EditFrameInsets(*r);
  return {2, 2, button_mode_ ? Height() + 2 : 2, 2};
}

gfx::Rect TskSkinCustomEdit::ButtonRect() const {
  if (!button_mode_) return {};
  const TskDataSkinEditControl* r = Record();
  if (r != nullptr && Picture() != nullptr) {
    gfx::Rect b = r->buttonrect;
    // A button drawn in the right piece moves with the right edge.
    if (b.left >= r->righttoppoint.x) b = b.Offset(Width() - r->skinrect.Width(), 0);
    return b;
  }
  return {Width() - Height(), 0, Width(), Height()};
}

gfx::Color TskSkinCustomEdit::TextColor() const {
  return EditTextColor(Record(), EffectivelyEnabled(), hot_ || HasFocus(), default_font_.Color());
}

void TskSkinCustomEdit::PaintFrame(gfx::Canvas& canvas) {
  const TskDataSkinEditControl* r = Record();
  const gfx::Bitmap* pic = Picture();
  if (r == nullptr || pic == nullptr) {
    PaintPlainEditFrame(canvas, Width(), Height(), GetColor());
    if (!button_mode_) return;
    const gfx::Rect b = ButtonRect();
    const bool pressed = button_down_ && button_hot_;
    canvas.FillRect(b, pressed ? kPressedFill : button_hot_ ? kHotFill : ui::kColorBtnFace);
    canvas.FrameRect(b, pressed || button_hot_ ? kNavy : ui::kColorBtnShadow);
    return;
  }
  const bool active = (hot_ || HasFocus()) && !r->activeskinrect.IsEmpty();
  const gfx::Rect source = active ? r->activeskinrect : r->skinrect;
  gfx::Bitmap strip;
  BuildHorzStrip(strip, r->lefttoppoint.x, r->skinrect.Width() - r->righttoppoint.x, Width(), source, *pic);
  canvas.Draw(0, 0, strip);
  if (!button_mode_) return;
  gfx::Rect image;
  if (!EffectivelyEnabled() && !r->unenabledbuttonrect.IsEmpty()) {
    image = r->unenabledbuttonrect;
  } else if (button_down_ && button_hot_) {
    image = r->downbuttonrect.IsEmpty() ? r->activebuttonrect : r->downbuttonrect;
  } else if (button_hot_) {
    image = r->activebuttonrect;
  }
  if (image.IsEmpty()) return;
  const gfx::Rect b = ButtonRect();
  canvas.CopyRect({b.left, b.top}, *pic, image);
}

void TskSkinCustomEdit::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  Invalidate();
}

void TskSkinCustomEdit::SetButtonState(bool hot, bool down) {
  if (button_hot_ == hot && button_down_ == down) return;
  button_hot_ = hot;
  button_down_ = down;
  Invalidate();
}

void TskSkinCustomEdit::MouseEnter() {
  SetHot(true);
  ui::Edit::MouseEnter();
}

void TskSkinCustomEdit::MouseLeave() {
  SetHot(false);
  SetButtonState(false, false);
  ui::Edit::MouseLeave();
}

void TskSkinCustomEdit::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (button_mode_ && ButtonRect().Contains({x, y})) {
    if (button == ui::MouseButton::kLeft) SetButtonState(true, true);
    return;
  }
  ui::Edit::MouseDown(button, shift, x, y);
}

void TskSkinCustomEdit::MouseMove(ui::ShiftState shift, int x, int y) {
  if (button_mode_) SetButtonState(ButtonRect().Contains({x, y}), button_down_);
  if (button_down_) return;
  ui::Edit::MouseMove(shift, x, y);
}

void TskSkinCustomEdit::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (button == ui::MouseButton::kLeft && button_down_) {
    const bool on = ButtonRect().Contains({x, y});
    SetButtonState(on, false);
    if (!on) return;
    if (!Focused()) SetFocus();
    if (OnButtonClick) OnButtonClick(this);
    return;
  }
  ui::Edit::MouseUp(button, shift, x, y);
}

void TskSkinCustomEdit::DoEnter() {
  ui::Edit::DoEnter();
  Invalidate();
}

void TskSkinCustomEdit::DoExit() {
  ui::Edit::DoExit();
  Invalidate();
}

void TskSkinCustomEdit::EnabledChanged() {
  ui::Edit::EnabledChanged();
  Invalidate();
}

bool TskSkinCustomEdit::DefaultContextMenu(gfx::Point screen) {
  menu_.Open(*this, link_.Data(), screen);
  return true;
}

void TskSkinCustomEdit::WndProc(ui::Message& m) {
  if (menu_.HandleMessage(*this, m)) return;
  ui::Edit::WndProc(m);
}

}  // namespace skin
