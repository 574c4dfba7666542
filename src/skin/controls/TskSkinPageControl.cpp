// TskSkinPageControl and its tab sheets: the page control drawn from the skin's tab record.
#include "skin/controls/TskSkinPageControl.h"

#include <algorithm>
#include <utility>

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinViewRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinStrip.h"
#include "skin/render/TskEffectBmp.h"
#include "ui/ImageList.h"
#include "ui/ScrollInfo.h"

namespace skin {

namespace {

constexpr gfx::Color kHotFace = gfx::Rgb(182, 189, 210);
constexpr gfx::Color kFocusedFace = gfx::Rgb(133, 147, 181);
constexpr gfx::Color kNavy = gfx::Rgb(0, 0, 128);

}  // namespace

TskSkinPageControl::TskSkinPageControl() : link_([this] { ApplySkin(); }) {
  link_.SetName("tab");
  default_font_.SetColor(ui::kColorBtnText);
  SetFont(default_font_);
  // The skinned scroller takes the place of the plain scroll buttons.
  SetScrollButtonsShown(false);
  ItemSizeRule();
}

TskSkinPageControl::~TskSkinPageControl() = default;

void TskSkinPageControl::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  if (link_.Loaded()) ApplySkin();
  else Invalidate();
}

void TskSkinPageControl::SetSkinDataName(std::string name) {
  link_.SetName(std::move(name));
  if (link_.Loaded()) ApplySkin();
}

void TskSkinPageControl::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  if (Record() == nullptr || !use_skin_font_) ApplySkin();
}

void TskSkinPageControl::SetUseSkinFont(bool use) {
  if (use == use_skin_font_) return;
  use_skin_font_ = use;
  ApplySkin();
}

void TskSkinPageControl::SetDefaultItemHeight(int32_t height) {
  default_item_height_ = height;
  if (Record() == nullptr) {
    ItemSizeRule();
    LayoutPages();
  }
}

// --- skin ---

void TskSkinPageControl::LoadSkinRecord() { record_index_ = Record() != nullptr ? link_.Data()->FindControlIndex(link_.Name()) : kNoRecord; }

const TskDataSkinTabControl* TskSkinPageControl::Record() const { return link_.RecordAs<TskDataSkinTabControl>(); }

const gfx::Bitmap* TskSkinPageControl::RecordPicture(const TskDataSkinTabControl& r) const {
  return link_.Data() != nullptr ? link_.Data()->ActivePicture(r.pictureindex) : nullptr;
}

void TskSkinPageControl::ItemSizeRule() {
  const TskDataSkinTabControl* r = Record();
  int32_t h = TabHeight();
  if (h <= 0) h = r != nullptr ? RectHeight(r->tabrect) : default_item_height_;
  SetTabItemSize(TabWidth(), h);
}

void TskSkinPageControl::ApplySkin() {
  if (Destroying()) return;
  LoadSkinRecord();
  const TskDataSkinTabControl* r = Record();
  if (r == nullptr) {
    SetFont(default_font_);
  } else {
    gfx::Font font = use_skin_font_ ? RecordFont(r->font.fontname, r->font.fontheight, r->font.fontstyle, r->font.fontcolor)
                                    : default_font_;
    font.SetColor(r->font.fontcolor);
    SetFont(font);
  }
  ItemSizeRule();
  LayoutPages();
  // A scroller made for the previous skin is made again in the new one's look.
  if (scroller_ != nullptr) {
    TskSkinUpDown* old = std::exchange(scroller_, nullptr);
    (void)RemoveChild(old);
  }
  UpdateTabScroller();
  Invalidate();
  if (ActivePage() != nullptr) ActivePage()->Invalidate();
}

void TskSkinPageControl::SkinMessageBeforeChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) record_index_ = kNoRecord;
}

void TskSkinPageControl::SkinMessageChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) ApplySkin();
}

// --- geometry ---

gfx::Rect TskSkinPageControl::Margins(const TskDataSkinTabControl& r) const {
  const gfx::Rect& sr = r.skinrect;
  const gfx::Rect& cl = r.clientrect;
  return {cl.left, cl.top, RectWidth(sr) - cl.right, RectHeight(sr) - cl.bottom};
}

gfx::Rect TskSkinPageControl::TabItemRect(int index) const {
  const gfx::Rect r = TabRect(index);
  if (r.IsEmpty()) return r;
  // The tabs sit against the control's edge, so the frame starts right where they end.
  switch (GetTabPosition()) {
    case ui::TabPosition::kTop: return r.Offset(-2, -2);
    case ui::TabPosition::kBottom: return r.Offset(-2, 2);
    case ui::TabPosition::kLeft: return r.Offset(-2, 0);
    case ui::TabPosition::kRight: return r.Offset(2, 0);
  }
  return r;
}

gfx::Rect TskSkinPageControl::DisplayRect() const {
  // The frame takes everything but the tab line; the pages lie inside the frame's margins (one
  // pixel without a record).
  const int32_t w = Width(), h = Height(), t = TabThickness();
  gfx::Rect f{0, 0, w, h};
  switch (GetTabPosition()) {
    case ui::TabPosition::kTop: f.top = t; break;
    case ui::TabPosition::kBottom: f.bottom = h - t; break;
    case ui::TabPosition::kLeft: f.left = t; break;
    case ui::TabPosition::kRight: f.right = w - t; break;
  }
  gfx::Rect m{1, 1, 1, 1};
  if (const TskDataSkinTabControl* r = Record()) m = Margins(*r);
  gfx::Rect d{f.left + m.left, f.top + m.top, f.right - m.right, f.bottom - m.bottom};
  d.right = std::max(d.right, d.left);
  d.bottom = std::max(d.bottom, d.top);
  return d;
}

// --- painting ---

void TskSkinPageControl::Paint(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (w <= 0 || h <= 0 || !gfx::Bitmap::IsAllowedSize(w, h)) return;
  LoadSkinRecord();
  ResetTarget(offscreen_, w, h);
  gfx::Canvas off(offscreen_);
  if (record_index_ == kNoRecord) DrawDefaultFrame(off);
  else DrawSkinFrame(off);
  DrawTabs(off);
  canvas.Draw(0, 0, offscreen_);
}

void TskSkinPageControl::DrawDefaultFrame(gfx::Canvas& canvas) {
  canvas.FillRect({0, 0, Width(), Height()}, ui::kColorBtnFace);
  const gfx::Rect d = DisplayRect();
  canvas.FrameRect({d.left - 1, d.top - 1, d.right + 1, d.bottom + 1}, ui::kColorBtnShadow);
}

void TskSkinPageControl::DrawSkinFrame(gfx::Canvas& canvas) {
  const TskDataSkinTabControl* r = Record();
  const gfx::Bitmap* picture = r != nullptr ? RecordPicture(*r) : nullptr;
  if (picture == nullptr) {
    DrawDefaultFrame(canvas);
    return;
  }
  gfx::Bitmap& target = canvas.Target();
  gfx::Bitmap scratch;
  const gfx::Bitmap& pic = As24(*picture, scratch);
  const gfx::Rect& sr = r->skinrect;
  const gfx::Rect m = Margins(*r);
  const gfx::Rect d = DisplayRect();
  const gfx::Rect f{d.left - m.left, d.top - m.top, d.right + m.right, d.bottom + m.bottom};
  const int32_t w = Width(), h = Height();
  canvas.FillRect({0, 0, w, h}, ui::kColorBtnFace);

  if (!IsNullRect(r->tabsbgrect)) {
    gfx::Rect band{0, 0, w, h};
    switch (GetTabPosition()) {
      case ui::TabPosition::kTop: band.bottom = f.top; break;
      case ui::TabPosition::kBottom: band.top = f.bottom; break;
      case ui::TabPosition::kLeft: band.right = f.left; break;
      case ui::TabPosition::kRight: band.left = f.right; break;
    }
    CopyPiece(target, band, pic, r->tabsbgrect, Fit::kRepeat, Fit::kRepeat);
  }

  const int32_t dw = f.Width() - RectWidth(sr), dh = f.Height() - RectHeight(sr);
  const gfx::Point lt = r->lefttoppoint;
  const gfx::Point rt{r->righttoppoint.x + dw, r->righttoppoint.y};
  const gfx::Point lb{r->leftbottompoint.x, r->leftbottompoint.y + dh};
  const gfx::Point rb{r->rightbottompoint.x + dw, r->rightbottompoint.y + dh};
  const gfx::Point srt = r->righttoppoint, slb = r->leftbottompoint, srb = r->rightbottompoint;
  // Edges, tiled between the corners.
  CopyPiece(target, {f.left + lt.x, f.top, f.left + rt.x, f.top + m.top}, pic,
            {sr.left + lt.x, sr.top, sr.left + srt.x, sr.top + m.top}, Fit::kRepeat, Fit::kScale);
  CopyPiece(target, {f.left + lb.x, f.bottom - m.bottom, f.left + rb.x, f.bottom}, pic,
            {sr.left + slb.x, sr.bottom - m.bottom, sr.left + srb.x, sr.bottom}, Fit::kRepeat, Fit::kScale);
  CopyPiece(target, {f.left, f.top + lt.y, f.left + m.left, f.top + lb.y}, pic,
            {sr.left, sr.top + lt.y, sr.left + m.left, sr.top + slb.y}, Fit::kScale, Fit::kRepeat);
  CopyPiece(target, {f.right - m.right, f.top + rt.y, f.right, f.top + rb.y}, pic,
            {sr.right - m.right, sr.top + srt.y, sr.right, sr.top + srb.y}, Fit::kScale, Fit::kRepeat);
  // Corners, unscaled.
  CopyPiece(target, {f.left, f.top, f.left + lt.x, f.top + lt.y}, pic, {sr.left, sr.top, sr.left + lt.x, sr.top + lt.y});
  CopyPiece(target, {f.left + rt.x, f.top, f.right, f.top + rt.y}, pic, {sr.left + srt.x, sr.top, sr.right, sr.top + srt.y});
  CopyPiece(target, {f.left, f.top + lb.y, f.left + lb.x, f.bottom}, pic, {sr.left, sr.top + slb.y, sr.left + slb.x, sr.bottom});
  CopyPiece(target, {f.left + rb.x, f.top + rb.y, f.right, f.bottom}, pic, {sr.left + srb.x, sr.top + srb.y, sr.right, sr.bottom});
  // Pages cover the inside; without one it shows the page background a page would have.
  if (ActivePage() == nullptr)
    CopyPiece(target, d, pic, r->clientrect.Offset(sr.left, sr.top), Fit::kRepeat, Fit::kRepeat);
}

void TskSkinPageControl::DrawTabs(gfx::Canvas& canvas) {
  // Tabs scrolled out of the control are not built at all.
  const gfx::Rect all{0, 0, Width(), Height()};
  int visible = 0;
  for (int i = 0; i < PageCount(); ++i) {
    if (!Page(i)->TabVisible()) continue;
    const gfx::Rect r = TabItemRect(visible);
    if (!r.Intersect(all).IsEmpty()) DrawTab(i, r, canvas, visible == hot_tab_, visible == TabIndex());
    ++visible;
  }
}

void TskSkinPageControl::DrawTab(int page_index, const gfx::Rect& r, gfx::Canvas& canvas, bool hot, bool selected) {
  if (page_index < 0 || page_index >= PageCount()) return;
  const ui::TabSheet* page = Page(page_index);
  const ui::TabPosition position = GetTabPosition();
  const bool lying = position == ui::TabPosition::kLeft || position == ui::TabPosition::kRight;
  const int32_t w = lying ? r.Height() : r.Width();
  const int32_t h = lying ? r.Width() : r.Height();
  if (w <= 0 || h <= 0 || !gfx::Bitmap::IsAllowedSize(w, h)) return;

  gfx::Bitmap tab;
  gfx::Font font = GetFont();
  const TskDataSkinTabControl* rec = Record();
  const gfx::Bitmap* picture = rec != nullptr ? RecordPicture(*rec) : nullptr;
  const bool focused = Focused();
  if (picture == nullptr) {
    ResetTarget(tab, w, h);
    gfx::Canvas c(tab);
    if (selected) {
      c.FillRect({0, 0, w, h}, focused ? kFocusedFace : kHotFace);
      c.FrameRect({0, 0, w, h}, kNavy);
    } else {
      c.FillRect({0, 0, w, h}, hot ? kHotFace : ui::kColorBtnFace);
    }
  } else {
    const gfx::Rect active = IsNullRect(rec->activetabrect) ? rec->tabrect : rec->activetabrect;
    const gfx::Rect focus = IsNullRect(rec->focustabrect) ? rec->activetabrect : rec->focustabrect;
    gfx::Rect source = active;
    if (hot && !selected && !IsNullRect(rec->mouseintabrect)) source = rec->mouseintabrect;
    else if (selected && focused) source = focus;
    else if (!selected) source = rec->tabrect;
    gfx::Bitmap strip;
    BuildHorzStrip(strip, rec->tableftoffset, rec->tabrightoffset, w, source, *picture);
    if (TabHeight() > 0) {
      ResetTarget(tab, w, h);
      CopyPiece(tab, {0, 0, w, h}, strip, strip.Bounds());
    } else {
      tab = std::move(strip);
    }
    if (use_skin_font_) font = RecordFont(rec->font.fontname, rec->font.fontheight, rec->font.fontstyle, rec->font.fontcolor);
    if (hot && !selected) font.SetColor(rec->mouseinfontcolor);
    else if (selected && focused) font.SetColor(rec->focusfontcolor);
    else if (!selected) font.SetColor(rec->font.fontcolor);
    else font.SetColor(rec->activefontcolor);
  }

  {
    gfx::Canvas c(tab);
    c.SetFont(font);
    c.Brush().style = gfx::BrushStyle::kClear;
    const ui::ImageList* images = Images();
    const std::string& caption = page->Caption();
    if (images != nullptr && images->ValidIndex(page->ImageIndex())) {
      const int32_t iw = images->Width(), ih = images->Height();
      const gfx::Size text = c.TextExtent(caption);
      const int32_t tw = text.width + 2, th = text.height;
      const int32_t x = w / 2 - (iw + tw + 2) / 2;
      images->Draw(c, x, h / 2 - ih / 2, page->ImageIndex(), page->Enabled());
      gfx::Rect tr{x + iw + 2, h / 2 - th / 2, x + iw + 2 + tw, h / 2 - th / 2 + th};
      c.DrawText(tr, caption, gfx::kDtCenter | gfx::kDtVCenter | gfx::kDtSingleLine | gfx::kDtNoPrefix);
    } else {
      gfx::Rect tr{0, 0, w, h};
      c.DrawText(tr, caption, gfx::kDtCenter | gfx::kDtVCenter | gfx::kDtSingleLine | gfx::kDtNoPrefix);
    }
  }

  if (lying) {
    // Built lying down and turned: the top row becomes the left column read upwards (left tabs) or
    // the right column read downwards (right tabs).
    TskEffectBmp flat(std::move(tab));
    TskEffectBmp turned = TskEffectBmp::CreateSized(0, 0);
    if (position == ui::TabPosition::kLeft) flat.RotateLeftInto(turned);
    else flat.RotateRightInto(turned);
    tab = turned.TakeBitmap();
  }
  canvas.Draw(r.left, r.top, tab);
}

// --- hot tab ---

void TskSkinPageControl::UpdateHotTab(int x, int y) {
  const int previous = hot_tab_;
  int hot = kNoTab;
  for (int i = 0; i < TabCount() && hot == kNoTab; ++i) {
    if (TabItemRect(i).Contains({x, y})) hot = i;
  }
  if (hot == previous) return;
  hot_tab_ = hot;
  // Only the two tabs concerned are painted again.
  if (previous != kNoTab) InvalidateRect(TabItemRect(previous));
  if (hot != kNoTab) InvalidateRect(TabItemRect(hot));
}

void TskSkinPageControl::MouseMove(ui::ShiftState shift, int x, int y) {
  ui::PageControl::MouseMove(shift, x, y);
  UpdateHotTab(x, y);
}

void TskSkinPageControl::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (button == ui::MouseButton::kLeft) UpdateHotTab(x, y);
  ui::PageControl::MouseDown(button, shift, x, y);
}

void TskSkinPageControl::MouseLeave() {
  ui::PageControl::MouseLeave();
  if (hot_tab_ == kNoTab) return;
  InvalidateRect(TabItemRect(hot_tab_));
  hot_tab_ = kNoTab;
}

// --- scroller ---

int TskSkinPageControl::ScrolledTabCount() const {
  int n = 0;
  for (int i = 0; i < TabCount(); ++i) {
    if (TabItemRect(i).right <= 0) ++n;
  }
  return n;
}

int TskSkinPageControl::HiddenTabCount() const {
  const int32_t end = Width() - (scroller_ != nullptr ? scroller_->Width() : 0) - 3;
  int n = 0;
  for (int i = 0; i < TabCount(); ++i) {
    const int32_t right = TabItemRect(i).right;
    if (right <= 0 || right > end) ++n;
  }
  return n;
}

int32_t TskSkinPageControl::ScrollerReserve() const {
  return scroller_ != nullptr ? scroller_->Width() : 2 * default_item_height_;
}

void TskSkinPageControl::UpdateTabScroller() {
  if (updating_scroller_ || Destroying()) return;
  updating_scroller_ = true;
  const bool horizontal = Horizontal();
  const int n = horizontal ? HiddenTabCount() : 0;
  if (scroller_ != nullptr && n == 0) {
    TskSkinUpDown* old = std::exchange(scroller_, nullptr);
    (void)RemoveChild(old);
  } else if (n > 0 && scroller_ == nullptr) {
    auto up = std::make_unique<TskSkinUpDown>();
    up->SetBounds(0, 0, 2 * default_item_height_, default_item_height_);
    up->SetMin(0);
    up->SetMax(n);
    up->SetPosition(ScrolledTabCount());
    up->SetIncrement(1);
    up->SetTabStop(false);
    const TskDataSkinTabControl* r = Record();
    if (r != nullptr && !r->updown.empty()) up->SetSkinDataName(r->updown);
    up->SetSkinData(link_.Data());
    up->OnChange = [this](ui::Component*) { TabScrollerChanged(); };
    scroller_ = AddChild(std::move(up));
  }
  if (scroller_ != nullptr) {
    scroller_->SetMax(HiddenTabCount());
    const int32_t top = GetTabPosition() == ui::TabPosition::kTop ? 0 : Height() - scroller_->Height();
    scroller_->SetBounds(Width() - scroller_->Width(), top, scroller_->Width(), scroller_->Height());
  }
  updating_scroller_ = false;
}

void TskSkinPageControl::TabScrollerChanged() {
  if (scroller_ == nullptr || updating_scroller_) return;
  updating_scroller_ = true;
  scroller_->SetMax(HiddenTabCount());
  // The line scrolls as for a scroll bar's thumb let go at the scroller's position.
  const auto thumb = static_cast<uintptr_t>(std::clamp(scroller_->Position(), 0, 0xFFFF));
  Send(ui::kMsgHScroll, static_cast<intptr_t>(ui::kSbThumbPosition | (thumb << 16)));
  updating_scroller_ = false;
  Invalidate();
}

void TskSkinPageControl::TabsChanged() {
  ui::PageControl::TabsChanged();
  UpdateTabScroller();
}

void TskSkinPageControl::Change() {
  if (scroller_ != nullptr && !updating_scroller_) {
    updating_scroller_ = true;
    scroller_->SetPosition(ScrolledTabCount());
    updating_scroller_ = false;
  }
  ui::PageControl::Change();
  Invalidate();
}

// --- tab sheets ---

TskSkinCustomTabSheet::TskSkinCustomTabSheet() = default;

void TskSkinCustomTabSheet::PaintSheetBackground(gfx::Canvas& canvas) {
  const int32_t w = Width(), h = Height();
  if (w < 1 || h < 1 || !gfx::Bitmap::IsAllowedSize(w, h)) return;
  auto* control = dynamic_cast<TskSkinPageControl*>(GetPageControl());
  if (control == nullptr) {
    canvas.FillRect({0, 0, w, h}, GetColor());
    return;
  }
  control->LoadSkinRecord();
  const TskDataSkinTabControl* r = control->Record();
  const TskSkinData* data = control->SkinData();
  const gfx::Bitmap* picture = nullptr;
  gfx::Rect piece;
  if (r != nullptr && data != nullptr) {
    if (r->bgpictureindex == -1) {
      picture = data->ActivePicture(r->pictureindex);
      piece = r->clientrect.Offset(r->skinrect.left, r->skinrect.top);
    } else {
      picture = data->ActivePicture(r->bgpictureindex);
      if (picture != nullptr) piece = picture->Bounds();
    }
  }
  if (picture == nullptr || IsNullRect(piece)) {
    canvas.FillRect({0, 0, w, h}, ui::kColorBtnFace);
    return;
  }
  gfx::Bitmap tiles;
  ResetTarget(tiles, w, h);
  gfx::Bitmap scratch;
  CopyPiece(tiles, tiles.Bounds(), As24(*picture, scratch), piece, Fit::kRepeat, Fit::kRepeat);
  canvas.Draw(0, 0, tiles);
}

void TskSkinCustomTabSheet::Paint(gfx::Canvas& canvas) { PaintSheetBackground(canvas); }

void TskSkinCustomTabSheet::EraseBackground(gfx::Canvas& /*canvas*/) {}

void TskSkinCustomTabSheet::Resize() {
  ui::TabSheet::Resize();
  Invalidate();
}

}  // namespace skin
