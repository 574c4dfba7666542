// TskSkinCustomListView: skin colours and font, skinned header sections and external bars.
#include "skin/controls/TskSkinListView.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinViewRecords.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinImage.h"
#include "skin/render/SkinStrip.h"
#include "skin/render/SkinText.h"
#include "ui/ImageList.h"

namespace skin {

namespace {

// The space between a header image and its caption, and the right caption's distance from the end.
constexpr int32_t kImageGap = 10;
// Below this size in either direction the bars are left as they are.
constexpr int kMinSizeForBars = 5;

SkinSource SourceOf(const TskDataSkinButtonControl& r, const gfx::Rect& source) {
  return {source, r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, r.clientrect};
}

}  // namespace

TskSkinCustomListView::TskSkinCustomListView()
    : link_([this] { ApplySkin(); }), header_link_([this] { Header()->Invalidate(); }) {
  link_.SetName("listview");
  header_link_.SetName("resizebutton");
  // The skinned control shows its frame and bars itself: no border, no built-in bars.
  SetBorder(false);
  SetBuiltInBars(false);
  SetFont(default_font_);
  SetColor(default_color_);
  HookHeader(GetViewStyle() == ui::ViewStyle::kReport && ShowColumnHeaders());
}

TskSkinCustomListView::~TskSkinCustomListView() {
  // The header and the bars outlive this part of the control: none may call back into it.
  HookHeader(false);
  Release(hbar_);
  if (vbar_ != hbar_) Release(vbar_);
}

// --- skin ---

void TskSkinCustomListView::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  header_link_.SetData(data);
  if (link_.Loaded()) ApplySkin();
}

void TskSkinCustomListView::SetSkinDataName(std::string name) {
  link_.SetName(std::move(name));
  if (link_.Loaded()) ApplySkin();
}

void TskSkinCustomListView::SetHeaderSkinDataName(std::string name) {
  header_link_.SetName(std::move(name));
  Header()->Invalidate();
}

void TskSkinCustomListView::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  if (link_.RecordAs<TskDataSkinListView>() == nullptr) ApplySkin();
}

void TskSkinCustomListView::SetDefaultColor(gfx::Color color) {
  default_color_ = color;
  if (link_.RecordAs<TskDataSkinListView>() == nullptr) ApplySkin();
}

void TskSkinCustomListView::SetUseSkinFont(bool use) {
  use_skin_font_ = use;
  ApplySkin();
}

void TskSkinCustomListView::ApplySkin() {
  const auto* record = link_.RecordAs<TskDataSkinListView>();
  if (record == nullptr) {
    SetColor(default_color_);
    SetFont(default_font_);
  } else {
    gfx::Font font = use_skin_font_
                         ? RecordFont(record->font.fontname, record->font.fontheight, record->font.fontstyle,
                                      record->font.fontcolor)
                         : default_font_;
    font.SetColor(record->font.fontcolor);
    SetFont(font);
    SetColor(record->bgcolor);
  }
  UpdateListScrollBars();
  if (GetAlign() != ui::Align::kNone && Parent() != nullptr) Parent()->Realign();
  Invalidate();
  Header()->Invalidate();
}

void TskSkinCustomListView::SkinMessageChange(const void* skin_data) {
  ui::ListView::SkinMessageChange(skin_data);
  if (link_.Concerns(skin_data)) ApplySkin();
}

// --- bars ---

void TskSkinCustomListView::Release(TskSkinScrollBar* bar) {
  if (bar == nullptr) return;
  bar->OnChange = nullptr;
  RemoveFreeNotification(bar);
}

void TskSkinCustomListView::TakeOver(TskSkinScrollBar* bar, bool vertical) {
  bar->OnChange = [this, vertical](ui::Component*) { BarChanged(vertical); };
  FreeNotification(bar);
  guard_ = true;
  bar->SetEnabled(true);
  bar->SetVisible(false);
  guard_ = false;
}

void TskSkinCustomListView::SetHScrollBar(TskSkinScrollBar* bar) {
  if (bar == hbar_) return;
  if (hbar_ != vbar_) Release(hbar_);
  hbar_ = bar;
  if (bar != nullptr) TakeOver(bar, false);
  UpdateListScrollBars();
}

void TskSkinCustomListView::SetVScrollBar(TskSkinScrollBar* bar) {
  if (bar == vbar_) return;
  if (vbar_ != hbar_) Release(vbar_);
  vbar_ = bar;
  if (bar != nullptr) TakeOver(bar, true);
  UpdateListScrollBars();
}

void TskSkinCustomListView::Notification(ui::Component* component, Operation operation) {
  ui::ListView::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component == hbar_) hbar_ = nullptr;
  if (component == vbar_) vbar_ = nullptr;
}

void TskSkinCustomListView::UpdateListScrollBars() {
  if (guard_ || scrolling_from_bar_ || Destroying()) return;
  if (Width() <= kMinSizeForBars || Height() <= kMinSizeForBars) return;
  const ui::ViewStyle style = GetViewStyle();
  const ui::ScrollInfo v = VertScrollInfo();
  const ui::ScrollInfo h = HorzScrollInfo();
  // The list style's items run sideways: it never needs the vertical bar.
  const bool show_v = Visible() && style != ui::ViewStyle::kList && v.page > 0 && !v.FitsPage();
  const bool show_h = Visible() && h.page > 0 && !h.FitsPage();
  guard_ = true;
  bool changed = false;
  if (vbar_ != nullptr) {
    if (show_v) {
      vbar_->AssignRange(v.min, v.max, v.page, v.position);
      vbar_->SetSmallChange(1);
      vbar_->SetLargeChange(std::max(1, v.page));
    }
    changed = changed || vbar_->Visible() != show_v;
    vbar_->SetVisible(show_v);
  }
  if (hbar_ != nullptr) {
    if (show_h) {
      hbar_->AssignRange(h.min, h.max, h.page, h.position);
      // Sideways a report scrolls in pixels, a list by whole columns.
      const bool pixels = style == ui::ViewStyle::kReport;
      hbar_->SetSmallChange(pixels ? 16 : 1);
      hbar_->SetLargeChange(pixels ? std::max(1, h.page) : 1);
    }
    hbar_->SetBoth(vbar_ != nullptr && vbar_->Visible());
    changed = changed || hbar_->Visible() != show_h;
    hbar_->SetVisible(show_h);
  }
  if (changed && GetAlign() != ui::Align::kNone && Parent() != nullptr) {
    Parent()->Realign();
    // Showing or hiding a bar resized the list, and with it its ranges: the shown bars take the
    // new ones, or the last columns could never be reached.
    const ui::ScrollInfo nv = VertScrollInfo();
    const ui::ScrollInfo nh = HorzScrollInfo();
    if (vbar_ != nullptr && vbar_->Visible()) vbar_->AssignRange(nv.min, nv.max, nv.page, nv.position);
    if (hbar_ != nullptr && hbar_->Visible()) hbar_->AssignRange(nh.min, nh.max, nh.page, nh.position);
  }
  guard_ = false;
}

void TskSkinCustomListView::BarChanged(bool vertical) {
  TskSkinScrollBar* bar = vertical ? vbar_ : hbar_;
  if (bar == nullptr) return;
  scrolling_from_bar_ = true;
  ScrollTo(vertical ? ui::ScrollAxis::kVertical : ui::ScrollAxis::kHorizontal, bar->Position());
  scrolling_from_bar_ = false;
}

void TskSkinCustomListView::ScrollChanged() {
  ui::ListView::ScrollChanged();
  HookHeader(GetViewStyle() == ui::ViewStyle::kReport && ShowColumnHeaders());
  UpdateListScrollBars();
}

void TskSkinCustomListView::VisibleChanged() {
  ui::ListView::VisibleChanged();
  if (Visible()) {
    UpdateListScrollBars();
    return;
  }
  guard_ = true;
  if (hbar_ != nullptr) hbar_->SetVisible(false);
  if (vbar_ != nullptr) vbar_->SetVisible(false);
  if (GetAlign() != ui::Align::kNone && Parent() != nullptr) Parent()->Realign();
  guard_ = false;
}

// --- header ---

void TskSkinCustomListView::HookHeader(bool hook) {
  if (hook == header_hooked_) return;
  ui::HeaderControl* header = Header();
  if (hook) {
    saved_header_proc_ = header->WindowProc();
    header->SetWindowProc([this](ui::Message& m) { HeaderProc(m); });
  } else {
    header->SetWindowProc(std::move(saved_header_proc_));
    saved_header_proc_ = nullptr;
  }
  header_hooked_ = hook;
  header->Invalidate();
}

void TskSkinCustomListView::HeaderProc(ui::Message& m) {
  if (m.id == ui::kMsgEraseBackground) {
    m.result = 1;  // the sections cover everything
    return;
  }
  if (m.id == ui::kMsgPaint) {
    if (gfx::Canvas* canvas = m.Canvas()) PaintHeader(*canvas);
    return;
  }
  saved_header_proc_(m);
}

void TskSkinCustomListView::PaintHeader(gfx::Canvas& canvas) {
  ui::HeaderControl* header = Header();
  const auto* record = header_link_.RecordAs<TskDataSkinButtonControl>();
  const gfx::Bitmap* pic = record != nullptr && link_.Loaded() ? SkinData()->ActivePicture24(record->pictureindex) : nullptr;
  if (pic == nullptr || pic->IsEmpty() || IsNullRect(record->skinrect)) record = nullptr;
  const int count = header->SectionCount();
  for (int i = 0; i < count; ++i) PaintSection(canvas, i, record);
  const int32_t rest = count == 0 ? 0 : header->SectionRect(count - 1).right;
  // The room right of the last section, one pixel past the header's width.
  if (rest < header->Width() + 1) PaintHeaderRest(canvas, {rest, 0, header->Width() + 1, header->Height()}, record);
}

void TskSkinCustomListView::PaintSection(gfx::Canvas& canvas, int index, const TskDataSkinButtonControl* record) {
  ui::HeaderControl* header = Header();
  const gfx::Rect r = header->SectionRect(index);
  if (r.IsEmpty() || r.right <= 0 || r.left >= header->Width()) return;
  const bool pressed = header->PressedSection() == index && header->HotSection() == index;
  const bool hot = header->HotSection() == index;
  gfx::Bitmap section(r.Width(), r.Height(), 24);
  gfx::Color text_color = ui::kColorBtnText;
  {
    gfx::Canvas sc(section);
    const gfx::Rect all = section.Bounds();
    if (record == nullptr) {
      if (pressed) DrawPlainHighlight(sc, all, PlainState::kPressed);
      else if (hot) DrawPlainHighlight(sc, all, PlainState::kHot);
      else DrawPlainFramedFace(sc, all);
    } else {
      const gfx::Bitmap& pic = *SkinData()->ActivePicture24(record->pictureindex);
      const gfx::Rect active = IsNullRect(record->activeskinrect) ? record->skinrect : record->activeskinrect;
      const gfx::Rect down = IsNullRect(record->downskinrect) ? active : record->downskinrect;
      const gfx::Rect source = pressed ? down : record->skinrect;
      text_color = pressed ? record->activefontcolor : record->font.fontcolor;
      if (!IsNullPoint(record->leftbottompoint)) {
        const SkinSource src = SourceOf(*record, source);
        BuildSkinImage(section, pic, src, UsualTarget(src, r.Width(), r.Height()), true);
      } else {
        // A strip at the skin's height, stretched to the section's.
        gfx::Bitmap strip;
        BuildHorzStrip(strip, record->lefttoppoint.x, RectWidth(source) - record->righttoppoint.x, r.Width(), source, pic);
        sc.StretchDraw(all, strip);
      }
    }
    sc.SetFont(GetFont());
    sc.Font().SetColor(text_color);
    sc.Brush().style = gfx::BrushStyle::kClear;
    if (OnDrawHeaderSection) OnDrawHeaderSection(this, sc, index, all, pressed);
    else PaintSectionContent(sc, index, all, text_color);
  }
  canvas.Draw(r.left, r.top, section);
}

void TskSkinCustomListView::PaintSectionContent(gfx::Canvas& canvas, int index, const gfx::Rect& r, gfx::Color color) {
  const ui::HeaderSection& s = Header()->Section(index);
  const gfx::Rect area{r.left + ui::HeaderControl::kTextMargin, r.top, r.right - ui::HeaderControl::kTextMargin, r.bottom};
  canvas.Font().SetColor(color);
  const int32_t text_h = canvas.TextHeight(s.text);
  const int32_t y = r.Height() / 2 - text_h / 2;
  const ui::ImageList* images = SmallImages();
  if (images != nullptr && images->ValidIndex(s.image_index)) {
    const int32_t iw = images->Width();
    const std::string shown = FitTextWithEllipsis(canvas, s.text, r.Width() - iw - kImageGap);
    const int32_t tw = canvas.TextWidth(shown);
    int32_t ix = area.left;
    if (shown == s.text && s.alignment == ui::TextAlignment::kRight) ix = area.right - tw - iw - kImageGap;
    if (shown == s.text && s.alignment == ui::TextAlignment::kCenter) ix = area.left + r.Width() / 2 - (tw + iw + kImageGap) / 2;
    images->Draw(canvas, ix, r.Height() / 2 - images->Height() / 2, s.image_index);
    canvas.TextOut(ix + iw + kImageGap, y, shown);
    return;
  }
  const std::string shown = FitTextWithEllipsis(canvas, s.text, r.Width());
  const int32_t tw = canvas.TextWidth(shown);
  int32_t x = area.left;
  if (s.alignment == ui::TextAlignment::kRight) x = area.right - tw - kImageGap;
  if (s.alignment == ui::TextAlignment::kCenter) x = r.Width() / 2 - tw / 2;
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(area);
  canvas.TextOut(x, y, shown);
}

void TskSkinCustomListView::PaintHeaderRest(gfx::Canvas& canvas, const gfx::Rect& r, const TskDataSkinButtonControl* record) {
  if (record == nullptr) {
    DrawPlainFramedFace(canvas, r);
    return;
  }
  const gfx::Bitmap& pic = *SkinData()->ActivePicture24(record->pictureindex);
  gfx::Bitmap image(r.Width(), r.Height(), 24);
  if (!IsNullPoint(record->leftbottompoint)) {
    const SkinSource src = SourceOf(*record, record->skinrect);
    BuildSkinImageOpenRight(image, pic, src, UsualTarget(src, r.Width(), r.Height()), true);
    canvas.Draw(r.left, r.top, image);
    return;
  }
  gfx::Bitmap strip;
  BuildHorzStripLeft(strip, record->lefttoppoint.x, RectWidth(record->skinrect) - record->righttoppoint.x, r.Width(),
                     record->skinrect, pic);
  canvas.StretchDraw(r, strip);
}

}  // namespace skin
