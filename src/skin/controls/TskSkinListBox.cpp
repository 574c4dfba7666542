// TskSkinListBox: the skinned list box, its inner list, its rows and its bars.
#include "skin/controls/TskSkinListBox.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/RangeMath.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/data/SkinListRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinStrip.h"
#include "ui/ImageList.h"
#include "ui/KeyCodes.h"

namespace skin {

namespace {

// The plain look's bar breadth and the height a plain horizontal bar takes from the list.
constexpr int32_t kPlainBar = 19;

gfx::Rect Or(const gfx::Rect& r, const gfx::Rect& fallback) { return IsNullRect(r) ? fallback : r; }

}  // namespace

// --- the inner list ---

TskListBox::TskListBox(TskSkinCustomListBox& owner) : owner_(&owner) {
  SetName("TskListBox");
  SetBorder(false);
  SetBuiltInBars(false);
  SetStyle(ui::ListBoxStyle::kOwnerDrawFixed);
  last_width_ = Width();
}

void TskListBox::DrawItem(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state) {
  owner_->DrawListItem(canvas, index, rect, state);
}

void TskListBox::DrawEmptyArea(gfx::Canvas& canvas, const gfx::Rect& rect) { owner_->DrawListBackground(canvas, rect); }

void TskListBox::ScrollChanged() {
  ui::ListBox::ScrollChanged();
  owner_->UpdateListBoxScrollBars();
}

void TskListBox::Resize() {
  // A narrower list scrolled sideways keeps its right end in view.
  if (HorizontalOffset() >= 1 && Width() != last_width_) {
    SetHorizontalOffset(std::max(0, HorizontalOffset() + last_width_ - Width()));
  }
  last_width_ = Width();
  ui::ListBox::Resize();
}

void TskListBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  owner_->ListBoxMouseDown(button, shift, x, y);
  ui::ListBox::MouseDown(button, shift, x, y);
}

void TskListBox::MouseMove(ui::ShiftState shift, int x, int y) {
  owner_->ListBoxMouseMove(shift, x, y);
  ui::ListBox::MouseMove(shift, x, y);
}

void TskListBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  owner_->ListBoxMouseUp(button, shift, x, y);
  ui::ListBox::MouseUp(button, shift, x, y);
}

bool TskListBox::MouseWheel(ui::ShiftState shift, int delta, int x, int y) {
  if (OnMouseWheel) {
    bool handled = false;
    OnMouseWheel(this, shift, delta, x, y, handled);
    if (handled) return true;
  }
  // One row per wheel event while the list box shows its vertical bar, else the horizontal bar's
  // small step.
  if (owner_->VScrollBar() != nullptr) {
    SetTopIndex(TopIndex() + (delta < 0 ? 1 : -1));
    owner_->UpdateListBoxScrollBars();
    return true;
  }
  if (TskSkinScrollBar* bar = owner_->HScrollBar()) {
    bar->SetPosition(bar->Position() + (delta < 0 ? bar->SmallChange() : -bar->SmallChange()));
    return true;
  }
  return true;
}

void TskListBox::DblClick() {
  owner_->ListBoxDblClick();
  ui::ListBox::DblClick();
}

void TskListBox::Click() {
  owner_->ListBoxClick();
  ui::ListBox::Click();
}

void TskListBox::KeyDown(uint16_t& key, ui::ShiftState shift) {
  owner_->ListBoxKeyDown(key, shift);
  if (key == 0) return;
  TskSkinScrollBar* bar = owner_->HScrollBar();
  if (bar != nullptr && (key == platform::kVkLeft || key == platform::kVkRight)) {
    bar->SetPosition(bar->Position() + (key == platform::kVkLeft ? -bar->SmallChange() : bar->SmallChange()));
    key = 0;
    return;
  }
  ui::ListBox::KeyDown(key, shift);
}

void TskListBox::KeyUp(uint16_t& key, ui::ShiftState shift) {
  owner_->ListBoxKeyUp(key, shift);
  if (key != 0) ui::ListBox::KeyUp(key, shift);
}

void TskListBox::KeyPress(char32_t& ch) {
  owner_->ListBoxKeyPress(ch);
  if (ch != 0) ui::ListBox::KeyPress(ch);
}

// --- the list box ---

TskSkinCustomListBox::TskSkinCustomListBox() {
  SetTabStop(false);
  SetBounds(0, 0, 120, 120);
  list_ = MakeChild<TskListBox>(nullptr, *this);
  list_->SetItemHeight(default_item_height_);
  list_->SetFont(DefaultFont());
  LayoutList();
}

TskSkinCustomListBox::~TskSkinCustomListBox() = default;

const TskDataSkinListBox* TskSkinCustomListBox::ListRecord() const { return SkinRecordAs<TskDataSkinListBox>(); }

int32_t TskSkinCustomListBox::AddItem(std::string text) {
  const int32_t index = list_->AddItem(std::move(text));
  // Only the new item can be wider than the widest so far.
  if (widest_ >= 0 && horizontal_extent_) {
    gfx::Bitmap scratch(1, 1, 24);
    gfx::Canvas canvas(scratch);
    canvas.SetFont(ItemFont(0));
    widest_ = std::max(widest_, ItemTextWidth(index, canvas));
    UpdateListBoxScrollBars();
  }
  return index;
}

void TskSkinCustomListBox::InsertItem(int32_t index, std::string text) {
  list_->InsertItem(index, std::move(text));
  widest_ = -1;
  UpdateListBoxScrollBars();
}

void TskSkinCustomListBox::DeleteItem(int32_t index) {
  list_->DeleteItem(index);
  widest_ = -1;
  UpdateListBoxScrollBars();
}

void TskSkinCustomListBox::SetItems(std::vector<std::string> items) {
  widest_ = -1;
  list_->SetItems(std::move(items));
  UpdateListBoxScrollBars();
}

void TskSkinCustomListBox::SetSorted(bool sorted) {
  RemoveVBar();
  list_->SetSorted(sorted);
  UpdateListBoxScrollBars();
}

void TskSkinCustomListBox::SetRowCount(int32_t rows) {
  row_count_ = std::max(rows, 0);
  ApplyRowCount();
}

void TskSkinCustomListBox::ApplyRowCount() {
  if (row_count_ <= 0) return;
  const int64_t rows_height = int64_t{row_count_} * list_->ItemHeight();
  int64_t height = rows_height + 4 + (caption_mode_ ? default_caption_height_ : 0);
  if (ListRecord() != nullptr) {
    const SkinControlGeometry& g = Geometry();
    height = RectHeight(g.skinrect) + rows_height + g.clientrect.top - g.clientrect.bottom;
  }
  if (hbar_ != nullptr) height += hbar_->Height();
  SetHeight(static_cast<int32_t>(std::min<int64_t>(height, 1 << 20)));
}

void TskSkinCustomListBox::SetUseSkinItemHeight(bool v) {
  use_skin_item_height_ = v;
  ApplyItemHeight();
}

void TskSkinCustomListBox::SetDefaultItemHeight(int32_t height) {
  default_item_height_ = std::max(height, 1);
  ApplyItemHeight();
}

void TskSkinCustomListBox::ApplyItemHeight() {
  const TskDataSkinListBox* r = ListRecord();
  if (r != nullptr && use_skin_item_height_ && RectHeight(r->itemrect) > 0) {
    list_->SetItemHeight(RectHeight(HeldRecordRect(r->itemrect)));
  } else {
    list_->SetItemHeight(default_item_height_);
  }
  if (r == nullptr) list_->SetFont(DefaultFont());
}

void TskSkinCustomListBox::SetHorizontalExtent(bool v) {
  if (v == horizontal_extent_) return;
  horizontal_extent_ = v;
  UpdateListBoxScrollBars();
}

void TskSkinCustomListBox::SetImages(ui::ImageList* images) {
  images_ = images;
  widest_ = -1;
  list_->Invalidate();
  UpdateListBoxScrollBars();
}

void TskSkinCustomListBox::SetImageIndex(int32_t index) {
  image_index_ = index;
  list_->Invalidate();
}

// --- skin ---

void TskSkinCustomListBox::SetSkinData(TskSkinData* data) {
  TskSkinCustomControl::SetSkinData(data);
  NameBars();
}

void TskSkinCustomListBox::ApplySkin() {
  applying_skin_ = true;
  TskSkinCustomControl::ApplySkin();
  ApplyItemHeight();
  NameBars();
  ApplyRowCount();
  applying_skin_ = false;
  widest_ = -1;
  LayoutList();
  UpdateListBoxScrollBars();
  list_->Invalidate();
}

void TskSkinCustomListBox::Resize() {
  TskSkinCustomControl::Resize();
  LayoutList();
  UpdateListBoxScrollBars();
}

// --- layout and bars ---

void TskSkinCustomListBox::LayoutList() {
  if (list_ == nullptr) return;
  const int32_t w = Width(), h = Height();
  const bool record = ListRecord() != nullptr;
  gfx::Rect area;
  if (record) {
    const SkinControlGeometry& g = Geometry();
    area = HeldRecordRect(g.clientrect);
    area.right += w - RectWidth(g.skinrect);
    area.bottom += h - RectHeight(g.skinrect);
  }
  const int32_t t = caption_mode_ && !record ? default_caption_height_ : 1;
  int32_t hh = 0;
  if (hbar_ != nullptr && hbar_->Visible()) {
    if (record) {
      hbar_->SetBounds(area.left, area.bottom - hbar_->Height(), area.Width(), hbar_->Height());
      hh = hbar_->Height();
    } else {
      hbar_->SetBounds(1, h - kPlainBar - 1, w - 2, kPlainBar);
      hh = kPlainBar - 1;
    }
  }
  gfx::Rect inner;
  if (vbar_ != nullptr && vbar_->Visible()) {
    if (record) {
      const int32_t bw = vbar_->Width();
      vbar_->SetBounds(area.right - bw, area.top, bw, area.Height() - hh);
      inner = {area.left, area.top, area.right - bw, area.bottom - hh};
    } else {
      vbar_->SetBounds(w - kPlainBar - 1, t, kPlainBar, h - t - hh - 1);
      inner = {2, t + 1, w - kPlainBar - 1, h - hh - 2};
    }
  } else if (record) {
    inner = {area.left, area.top, area.right, area.bottom - hh};
  } else {
    inner = {2, t + 1, w - 2, h - hh - 2};
  }
  list_->SetBounds(inner.left, inner.top, std::max(inner.Width(), 0), std::max(inner.Height(), 0));
}

int32_t TskSkinCustomListBox::ItemTextWidth(int32_t index, gfx::Canvas& canvas) { return canvas.TextWidth(Item(index)); }

int32_t TskSkinCustomListBox::WidestItem() {
  if (widest_ >= 0) return widest_;
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(ItemFont(0));
  widest_ = 0;
  for (int32_t i = 0; i < Count(); ++i) widest_ = std::max(widest_, ItemTextWidth(i, canvas));
  return widest_;
}

void TskSkinCustomListBox::UpdateListBoxScrollBars() {
  if (list_ == nullptr || updating_bars_) return;
  updating_bars_ = true;
  // A bar made or freed moves the list, which changes what the other bar needs: settle in turns.
  for (int round = 0; round < 3; ++round) {
    bool changed = false;
    if (!horizontal_extent_ || applying_skin_) {
      if (hbar_ != nullptr) {
        RemoveHBar();
        changed = true;
      }
    } else {
      const TskDataSkinListBox* r = ListRecord();
      int32_t available = r != nullptr ? list_->Width() + RectWidth(r->itemtextrect) - RectWidth(r->itemrect)
                                       : list_->Width() - 4;
      if (images_ != nullptr) available -= images_->Width() + 4;
      const int32_t widest = WidestItem();
      if (widest > available) {
        if (hbar_ == nullptr) {
          CreateHBar();
          changed = true;
        }
        gfx::Bitmap scratch(1, 1, 24);
        gfx::Canvas canvas(scratch);
        canvas.SetFont(ItemFont(0));
        const int32_t step = std::max(1, canvas.TextWidth("0"));
        // The inner list's own range lets its offset reach every position of the bar.
        list_->SetHorizontalExtent(widest + list_->Width() - available + 1);
        hbar_->AssignRange(0, widest, std::max(available, 1), hbar_->Position());
        hbar_->SetSmallChange(step);
        hbar_->SetLargeChange(step);
      } else if (hbar_ != nullptr) {
        RemoveHBar();
        changed = true;
      }
    }
    bool vertical = false;
    const ui::ScrollInfo info = list_->VertScrollInfo();
    const int32_t rows = list_->Height() / std::max(list_->ItemHeight(), 1);
    if (!(row_count_ >= 1 && row_count_ == Count())) {
      vertical = info.min < info.max && info.max >= info.position && rows < Count();
    }
    if (vertical) {
      if (vbar_ == nullptr) {
        CreateVBar();
        changed = true;
      }
      vbar_->AssignRange(info.min, info.max, rows, list_->TopIndex());
      vbar_->SetLargeChange(std::max(rows, 1));
    } else if (vbar_ != nullptr) {
      RemoveVBar();
      changed = true;
    }
    if (!changed) break;
  }
  updating_bars_ = false;
}

void TskSkinCustomListBox::CreateVBar() {
  auto bar = std::make_unique<TskSkinScrollBar>();
  bar->SetKind(ScrollBarKind::sbVertical);
  bar->SetDefaultHeight(0);
  bar->SetDefaultWidth(kPlainBar);
  bar->SetBounds(0, 0, 20, 100);
  bar->AssignRange(0, 100, 0, 0);
  bar->OnChange = [this](ui::Component*) {
    if (vbar_ != nullptr) list_->SetTopIndex(vbar_->Position());
  };
  vbar_ = AddChild(std::move(bar));
  NameBars();
  LayoutList();
  Invalidate();
}

void TskSkinCustomListBox::CreateHBar() {
  auto bar = std::make_unique<TskSkinScrollBar>();
  bar->SetDefaultHeight(kPlainBar);
  bar->SetBounds(0, 0, 100, 20);
  bar->AssignRange(0, 100, 0, 0);
  bar->OnChange = [this](ui::Component*) {
    if (hbar_ != nullptr) list_->SetHorizontalOffset(hbar_->Position());
  };
  hbar_ = AddChild(std::move(bar));
  NameBars();
  LayoutList();
  Invalidate();
}

void TskSkinCustomListBox::RemoveVBar() {
  if (vbar_ == nullptr) return;
  std::unique_ptr<ui::Control> gone = RemoveChild(vbar_);
  vbar_ = nullptr;
  NameBars();
  LayoutList();
  Invalidate();
}

void TskSkinCustomListBox::RemoveHBar() {
  if (hbar_ == nullptr) return;
  std::unique_ptr<ui::Control> gone = RemoveChild(hbar_);
  hbar_ = nullptr;
  list_->SetHorizontalOffset(0);
  list_->SetHorizontalExtent(0);
  LayoutList();
  list_->Invalidate();
  Invalidate();
}

void TskSkinCustomListBox::NameBars() {
  const TskDataSkinListBox* r = ListRecord();
  if (vbar_ != nullptr) {
    vbar_->SetSkinDataName(r != nullptr ? r->vscrollbarname : std::string());
    vbar_->SetSkinData(SkinData());
  }
  if (hbar_ != nullptr) {
    // Beside a vertical bar the horizontal one leaves the corner to it.
    hbar_->SetBothSkinDataName(r != nullptr ? r->bothhscrollbarname : std::string());
    hbar_->SetBothMarkerWidth(kPlainBar);
    if (vbar_ != nullptr) {
      if (hbar_->Both()) {
        hbar_->SetSkinDataName(hbar_->BothSkinDataName());
      } else {
        hbar_->SetSkinDataName(r != nullptr ? r->hscrollbarname : std::string());
        hbar_->SetBoth(true);
      }
    } else {
      hbar_->SetBoth(false);
      hbar_->SetSkinDataName(r != nullptr ? r->hscrollbarname : std::string());
    }
    hbar_->SetSkinData(SkinData());
  }
}

// --- drawing ---

void TskSkinCustomListBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
  {
    gfx::Canvas canvas(bitmap);
    canvas.FillRect(bitmap.Bounds(), ui::kColorWindow);
    canvas.FrameRect(bitmap.Bounds(), ui::kColorBtnShadow);
  }
  DrawCaptionBar(bitmap, nullptr);
}

void TskSkinCustomListBox::DrawSkinImage(gfx::Bitmap& bitmap) {
  TskSkinCustomControl::DrawSkinImage(bitmap);
  if (const TskDataSkinListBox* r = ListRecord()) DrawCaptionBar(bitmap, r);
}

gfx::Font TskSkinCustomListBox::ItemFont(uint8_t state) const {
  const TskDataSkinListBox* r = HasSkinLook() ? ListRecord() : nullptr;
  const bool selected = (state & ui::kItemSelected) != 0;
  const bool focused = (state & ui::kItemFocused) != 0;
  if (r == nullptr) {
    gfx::Font font = DefaultFont();
    if (selected) font.SetColor(ui::kColorWindow);
    if ((state & ui::kItemDisabled) != 0) font.SetColor(ui::kColorGrayText);
    return font;
  }
  gfx::Color color = r->font.fontcolor;
  if (use_skin_item_height_) {
    if (focused && selected) {
      color = r->focusfontcolor;
    } else if (selected) {
      color = r->activefontcolor;
    }
  } else if (focused) {
    color = r->focusfontcolor;
  } else if (selected) {
    color = r->activefontcolor;
  }
  return SkinTextFont(UseSkinFont(), DefaultFont(), r->font.fontname, r->font.fontheight, r->font.fontstyle, color);
}

void TskSkinCustomListBox::DrawListItem(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state) {
  const int32_t w = rect.Width(), h = rect.Height();
  if (w <= 0 || h <= 0) return;
  const TskDataSkinListBox* r = HasSkinLook() ? ListRecord() : nullptr;
  const bool selected = (state & ui::kItemSelected) != 0;
  const bool focused = (state & ui::kItemFocused) != 0;
  bool focus_frame = false;
  gfx::Rect text_rect;
  if (r == nullptr) {
    ResetTarget(item_bitmap_, w, h);
    gfx::Canvas item(item_bitmap_);
    item.FillRect({0, 0, w, h}, selected ? ui::kColorHighlight : ui::kColorWindow);
    text_rect = {2, 0, w - 2, h};
    focus_frame = focused;
  } else {
    gfx::Bitmap scratch;
    const gfx::Bitmap& pic = As24(*Picture(), scratch);
    const gfx::Rect itemrect = HeldRecordRect(r->itemrect);
    const gfx::Rect active = Or(HeldRecordRect(r->activeitemrect), itemrect);
    const gfx::Rect focus = Or(HeldRecordRect(r->focusitemrect), itemrect);
    gfx::Rect source = itemrect;
    text_rect = HeldRecordRect(r->itemtextrect);
    text_rect.right += w - itemrect.Width();
    if (use_skin_item_height_) {
      if (focused && selected) {
        source = focus;
      } else if (focused) {
        focus_frame = true;
      } else if (selected) {
        source = active;
      }
      BuildHorzStrip(item_bitmap_, r->itemleftoffset, r->itemrightoffset, w, source, pic);
    } else {
      source = focused ? focus : selected ? active : itemrect;
      gfx::Bitmap strip;
      BuildHorzStrip(strip, r->itemleftoffset, r->itemrightoffset, w, {source.left, source.top, source.right, source.top + itemrect.Height()}, pic);
      ResetTarget(item_bitmap_, w, h);
      CopyPiece(item_bitmap_, {0, 0, w, h}, strip, strip.Bounds());
      text_rect.bottom += h - itemrect.Height();
    }
  }
  {
    gfx::Canvas item(item_bitmap_);
    item.SetFont(ItemFont(state));
    DrawItemContent(item, index, state, text_rect, w, h);
    if (focus_frame) item.DrawFocusRect({0, 0, w, h});
  }
  canvas.Draw(rect.left, rect.top, item_bitmap_);
}

void TskSkinCustomListBox::DrawItemContent(gfx::Canvas& canvas, int32_t index, uint8_t state, gfx::Rect text_rect,
                                           int32_t width, int32_t height) {
  if (OnDrawItem) {
    OnDrawItem(*this, canvas, index, state, text_rect, width, height);
    return;
  }
  const int32_t shift = list_->HorizontalOffset();
  int32_t offset = 0;
  if (images_ != nullptr) {
    const int32_t image = image_index_ >= 0 ? image_index_ : index;
    if (image < images_->Count()) {
      images_->Draw(canvas, text_rect.left - shift, text_rect.top + (text_rect.Height() - images_->Height()) / 2,
                    image);
    }
    offset += images_->Width() + 2;
  }
  canvas.Save();
  canvas.IntersectClip(text_rect);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  gfx::Rect text{text_rect.left + 2 + offset - shift, text_rect.top, text_rect.right, text_rect.bottom};
  canvas.DrawText(text, Item(index), gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtNoPrefix | gfx::kDtNoClip);
  canvas.Restore();
}

void TskSkinCustomListBox::DrawListBackground(gfx::Canvas& canvas, const gfx::Rect& rect) {
  const TskDataSkinListBox* r = HasSkinLook() ? ListRecord() : nullptr;
  if (r == nullptr) {
    canvas.FillRect(rect, ui::kColorWindow);
    return;
  }
  // The skin's client area tiled from the area's top-left corner.
  const SkinControlGeometry& g = Geometry();
  const gfx::Rect client = HeldRecordRect(g.clientrect);
  const gfx::Rect tile = client.Offset(g.skinrect.left, g.skinrect.top);
  if (IsNullRect(tile)) {
    canvas.FillRect(rect, ui::kColorWindow);
    return;
  }
  gfx::Bitmap scratch;
  const gfx::Bitmap& pic = As24(*Picture(), scratch);
  for (int32_t y = rect.top; y < rect.bottom; y += tile.Height()) {
    for (int32_t x = rect.left; x < rect.right; x += tile.Width()) canvas.CopyRect({x, y}, pic, tile);
  }
}

// --- inner list events ---

void TskSkinCustomListBox::ListBoxMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, button, shift, x, y);
}

void TskSkinCustomListBox::ListBoxMouseMove(ui::ShiftState shift, int x, int y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, shift, x, y);
}

void TskSkinCustomListBox::ListBoxMouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, button, shift, x, y);
}

void TskSkinCustomListBox::ListBoxClick() {
  if (OnListBoxClick) OnListBoxClick(this);
}

void TskSkinCustomListBox::ListBoxDblClick() {
  if (OnListBoxDblClick) OnListBoxDblClick(this);
}

void TskSkinCustomListBox::ListBoxKeyDown(uint16_t& key, ui::ShiftState shift) {
  if (OnListBoxKeyDown) OnListBoxKeyDown(this, key, shift);
}

void TskSkinCustomListBox::ListBoxKeyUp(uint16_t& key, ui::ShiftState shift) {
  if (OnListBoxKeyUp) OnListBoxKeyUp(this, key, shift);
}

void TskSkinCustomListBox::ListBoxKeyPress(char32_t& ch) {
  if (OnListBoxKeyPress) OnListBoxKeyPress(this, ch);
}

TskSkinListBox::TskSkinListBox() { SetSkinDataName("listbox"); }

}  // namespace skin
