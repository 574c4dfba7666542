// TskSkinMemo: the toolkit's memo with a skinned frame and background, state colours and an outside skinned bar.
#include "skin/controls/TskSkinMemo.h"

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/SkinEditLook.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/data/SkinEditRecords.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinImage.h"

namespace skin {

TskSkinMemo::TskSkinMemo() : link_([this] { ApplySkin(); }) {
  link_.SetName("memo");
  SetShowScrollBar(false);
  SetBorder(false);
  SetTransparentText(true);
  SetFont(default_font_);
}

TskSkinMemo::~TskSkinMemo() {
  if (bar_ != nullptr) RemoveFreeNotification(bar_);
}

const TskDataSkinMemoControl* TskSkinMemo::Record() const { return link_.RecordAs<TskDataSkinMemoControl>(); }

const gfx::Bitmap* TskSkinMemo::Picture() const { return EditPicture(link_, Record()); }

void TskSkinMemo::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  if (link_.Loaded()) ApplySkin();
}

void TskSkinMemo::SetSkinDataName(std::string name) {
  link_.SetName(std::move(name));
  if (link_.Loaded()) ApplySkin();
}

void TskSkinMemo::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  ApplySkin();
}

void TskSkinMemo::SetUseSkinFont(bool use) {
  use_skin_font_ = use;
  ApplySkin();
}

void TskSkinMemo::SetBitMapBG(bool v) {
  bitmap_bg_ = v;
  Invalidate();
}

void TskSkinMemo::SetVScrollBar(TskSkinScrollBar* bar) {
  if (bar_ != nullptr) {
    RemoveFreeNotification(bar_);
    bar_->OnChange = nullptr;
  }
  bar_ = bar;
  if (bar_ == nullptr) return;
  FreeNotification(bar_);
  bar_->AssignRange(0, 0, 0, 0);
  bar_->OnChange = [this](ui::Component*) {
    if (bar_ == nullptr) return;
    VScroll(ui::kSbThumbPosition, bar_->Position());
    Invalidate();
  };
  UpdateMemoScrollBar();
}

void TskSkinMemo::Notification(ui::Component* component, Operation operation) {
  ui::Memo::Notification(component, operation);
  if (operation == Operation::kRemove && component == bar_) bar_ = nullptr;
}

void TskSkinMemo::ApplySkin() {
  const TskDataSkinMemoControl* r = Record();
  if (r == nullptr) {
    SetFont(default_font_);
    SetColor(ui::kColorWindow);
  } else {
    SetFont(SkinTextFont(use_skin_font_, default_font_, r->font.fontname, r->font.fontheight, r->font.fontstyle,
                         r->font.fontcolor));
    SetColor(r->bgcolor);
  }
  Resize();
  UpdateMemoScrollBar();
  Invalidate();
}

void TskSkinMemo::SkinMessageChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) ApplySkin();
}

void TskSkinMemo::UpdateMemoScrollBar() {
  if (bar_ == nullptr) return;
  if (!Enabled()) {
    bar_->SetEnabled(false);
    return;
  }
  const int lh = GetFont().TextHeight();
  const int v = lh > 0 ? std::max(1, TextArea().Height() / lh) : 1;
  const int n = static_cast<int>(LineCount());
  const int f = static_cast<int>(FirstVisibleLine());
  if (v < n) {
    bar_->AssignRange(0, n, v + 1, f);
    bar_->SetEnabled(true);
  } else {
    bar_->AssignRange(0, 0, 0, 0);
    bar_->SetEnabled(false);
  }
}

gfx::Rect TskSkinMemo::FrameInsets() const {
  const TskDataSkinMemoControl* r = Record();
  if (r != nullptr && Picture() != nullptr) return EditFrameInsets(*r);
  return {2, 2, 2, 2};
}

gfx::Color TskSkinMemo::TextColor() const {
  return EditTextColor(Record(), EffectivelyEnabled(), hot_ || HasFocus(), default_font_.Color());
}

void TskSkinMemo::PaintFrame(gfx::Canvas& canvas) {
  const TskDataSkinMemoControl* r = Record();
  const gfx::Bitmap* pic = Picture();
  if (r == nullptr || pic == nullptr) {
    PaintPlainEditFrame(canvas, Width(), Height(), GetColor());
    return;
  }
  const bool active = (hot_ || HasFocus()) && !r->activeskinrect.IsEmpty();
  SkinSource src;
  src.source = active ? r->activeskinrect : r->skinrect;
  src.lt = r->lefttoppoint;
  src.rt = r->righttoppoint;
  src.lb = r->leftbottompoint;
  src.rb = r->rightbottompoint;
  src.client = r->clientrect;
  const SkinTarget dst = UsualTarget(src, Width(), Height());
  gfx::Bitmap image;
  BuildSkinImage(image, *pic, src, dst, bitmap_bg_);
  canvas.Draw(0, 0, image);
  if (!bitmap_bg_) canvas.FillRect(dst.client, hot_ || HasFocus() ? r->activebgcolor : r->bgcolor);
}

void TskSkinMemo::Change() {
  ui::Memo::Change();
  UpdateMemoScrollBar();
}

void TskSkinMemo::Scrolled() {
  ui::Memo::Scrolled();
  UpdateMemoScrollBar();
}

void TskSkinMemo::MouseEnter() {
  hot_ = true;
  Invalidate();
  ui::Memo::MouseEnter();
}

void TskSkinMemo::MouseLeave() {
  hot_ = false;
  Invalidate();
  ui::Memo::MouseLeave();
}

void TskSkinMemo::DoEnter() {
  ui::Memo::DoEnter();
  Invalidate();
}

void TskSkinMemo::DoExit() {
  ui::Memo::DoExit();
  Invalidate();
}

void TskSkinMemo::EnabledChanged() {
  ui::Memo::EnabledChanged();
  UpdateMemoScrollBar();
  Invalidate();
}

void TskSkinMemo::Resize() {
  ui::Memo::Resize();
  UpdateMemoScrollBar();
}

bool TskSkinMemo::DefaultContextMenu(gfx::Point screen) {
  menu_.Open(*this, link_.Data(), screen);
  return true;
}

void TskSkinMemo::WndProc(ui::Message& m) {
  if (menu_.HandleMessage(*this, m)) return;
  ui::Memo::WndProc(m);
}

}  // namespace skin
