// TskSkinPopupWindow: one open level of a menu: a popup surface showing the sub-items of one menu item.
#include "skin/menus/TskSkinPopupWindow.h"

#include <algorithm>
#include <cmath>

#include "platform/Backend.h"
#include "platform/KeyCodes.h"
#include "skin/data/SkinData.h"
#include "skin/menus/PopupPlacement.h"
#include "skin/menus/RecordFont.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/SkinGeometry.h"
#include "ui/ImageList.h"
#include "ui/PopupMenu.h"

namespace skin {

namespace {

// The caption as drawn: "&x" is x, "&&" is "&".
std::string WithoutPrefixes(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&' && i + 1 < s.size()) ++i;
    else if (s[i] == '&') continue;
    out.push_back(s[i]);
  }
  return out;
}

}  // namespace

TskSkinPopupWindow::TskSkinPopupWindow(TskSkinMenu& engine, TskSkinData* data) : engine_(&engine) {
  SetName("TskSkinPopupWindow");
  SetSurfaceKind(platform::SurfaceKind::kPopup);
  SetBorderStyle(ui::BorderStyle::kNone);
  SetSystemFrame(false);
  if (data == nullptr || data->IsEmpty()) return;
  const TskDataSkinPopupWindow& record = data->PopupWindow();
  // The 24-bit forms the skin keeps: strips are cut from them for every item drawn.
  const gfx::Bitmap* picture = data->ActivePicture24(record.windowpictureindex);
  // A record naming no picture the skin has gives the default look, like one naming none.
  if (record.windowpictureindex == -1 || picture == nullptr || picture->IsEmpty()) return;
  data_ = data;
  popup_record_ = &record;
  popup_picture_ = picture;
  popup_mask_ = data->ActivePicture(record.maskpictureindex);
  item_record_ = data->FirstObjectRecord<TskDataSkinMenuItem>();
  if (item_record_ != nullptr) item_picture_ = data->ActivePicture24(item_record_->activepictureindex);
}

TskSkinPopupWindow::~TskSkinPopupWindow() {
  if (!shut_) {
    shut_ = true;
    if (parent_item_ != nullptr) parent_item_->RemoveObserver(this);
    for (TskSkinMenuItem& it : items_) it.item->RemoveObserver(this);
  }
}

void TskSkinPopupWindow::Shut() {
  if (shut_) return;
  shut_ = true;
  KillTimer(kPollTimerId);
  KillTimer(kBlendTimerId);
  KillTimer(kScrollTimerId);
  if (parent_item_ != nullptr) parent_item_->RemoveObserver(this);
  for (TskSkinMenuItem& it : items_) it.item->RemoveObserver(this);
  parent_item_ = nullptr;
  items_.clear();
  highlight_ = -1;
  Hide();
}

// --- building ---

void TskSkinPopupWindow::ChooseFont() {
  window_font_ = engine_->DefaultFont();
  if (popup_record_ != nullptr && item_record_ != nullptr && engine_->UseSkinFont()) window_font_ = RecordFont(item_record_->fontname, item_record_->fontheight, item_record_->fontstyle);
  SetFont(window_font_);
}

int32_t TskSkinPopupWindow::ItemHeight(const ui::MenuItem& item) const {
  if (popup_record_ != nullptr && item_record_ != nullptr) {
    return item.IsSeparator() ? RectHeight(item_record_->dividerrect) : RectHeight(item_record_->skinrect);
  }
  return item.IsSeparator() ? 4 : engine_->DefaultItemHeight();
}

int32_t TskSkinPopupWindow::ItemTextWidth(const ui::MenuItem& item) const {
  if (item.IsSeparator()) return 0;
  std::string text = WithoutPrefixes(item.Caption());
  if (!item.ShortCutText().empty()) text += "  " + item.ShortCutText();
  return window_font_.TextWidth(text) + 2;
}

void TskSkinPopupWindow::MakeItems(int first_index) {
  items_.clear();
  for (size_t i = static_cast<size_t>(std::max(first_index, 0)); i < parent_item_->Count(); ++i) {
    ui::MenuItem* item = parent_item_->Item(i);
    if (!item->Visible()) continue;
    TskSkinMenuItem shown;
    shown.item = item;
    shown.height = std::max(ItemHeight(*item), 1);
    items_.push_back(shown);
    item->AddObserver(this);
  }
}

gfx::Size TskSkinPopupWindow::ComputeSize() {
  int32_t text = 0;
  int64_t height = 0;
  for (const TskSkinMenuItem& it : items_) {
    text = std::max(text, ItemTextWidth(*it.item));
    height += it.height;
  }
  int32_t width = text + glyph_column_width_ + 19;
  if (popup_record_ == nullptr) {
    width += 10;
    height += 4;
  } else {
    if (item_record_ != nullptr) {
      width += item_record_->textrect.left + (RectWidth(item_record_->skinrect) - item_record_->textrect.right);
    }
    width += popup_picture_->Width() - RectWidth(popup_record_->itemsrect);
    height += popup_picture_->Height() - RectHeight(popup_record_->itemsrect);
  }
  const int32_t room = engine_->WorkArea().Height();
  needs_scroll_ = height > room;
  if (needs_scroll_) height = room;
  return {std::max(width, 1), static_cast<int32_t>(std::max<int64_t>(height, 1))};
}

void TskSkinPopupWindow::ComputeGeometry(gfx::Size size) {
  if (popup_record_ == nullptr) {
    items_rect_ = {2, 2, size.width - 2, size.height - 2};
    return;
  }
  const TskDataSkinPopupWindow& r = *popup_record_;
  const int32_t dx = size.width - popup_picture_->Width();
  const int32_t dy = size.height - popup_picture_->Height();
  lt_ = r.lefttoppoint;
  rt_ = {r.righttoppoint.x + dx, r.righttoppoint.y};
  lb_ = {r.leftbottompoint.x, r.leftbottompoint.y + dy};
  rb_ = {r.rightbottompoint.x + dx, r.rightbottompoint.y + dy};
  items_rect_ = {r.itemsrect.left, r.itemsrect.top, r.itemsrect.right + dx, r.itemsrect.bottom + dy};
}

void TskSkinPopupWindow::LayoutItems() {
  const int32_t band = needs_scroll_ ? kScrollMarkerHeight : 0;
  int32_t y = items_rect_.top + band;
  const int32_t bottom = items_rect_.bottom - band;
  visible_count_ = 0;
  bool room = true;
  for (size_t i = 0; i < items_.size(); ++i) {
    TskSkinMenuItem& it = items_[i];
    it.visible = false;
    if (static_cast<int>(i) < first_visible_ || !room) continue;
    if (y + it.height > bottom) {
      room = false;
      continue;
    }
    it.rect = {items_rect_.left, y, items_rect_.right, y + it.height};
    it.visible = true;
    y += it.height;
    ++visible_count_;
  }
  back_valid_ = false;
}

void TskSkinPopupWindow::ApplyRegion() {
  if (popup_record_ == nullptr || popup_mask_ == nullptr || popup_mask_->IsEmpty()) {
    SetWindowRegion(std::nullopt);
    return;
  }
  const TskDataSkinPopupWindow& r = *popup_record_;
  MaskSource src{r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, r.itemsrect};
  SkinTarget dst{lt_, rt_, lb_, rb_, items_rect_, Width(), Height()};
  SetWindowRegion(RegionForSize(*popup_mask_, src, dst));
}

void TskSkinPopupWindow::ApplyAlpha(bool first_level) {
  if (!engine_->AlphaBlend() || !platform::GetBackend().LayeredWindowsAvailable()) return;
  SetAlphaBlendValue(engine_->AlphaBlendAnimation() && first_level ? 0 : engine_->AlphaBlendValue());
}

void TskSkinPopupWindow::ShowAt(const gfx::Rect& anchor, ui::MenuItem* parent_item, bool upward, bool is_submenu,
                                int first_index, bool first_level) {
  parent_item_ = parent_item;
  parent_item_->AddObserver(this);
  ui::PopupMenu* menu = parent_item_->Menu();
  images_ = menu != nullptr ? menu->Images() : nullptr;
  glyph_column_width_ = images_ != nullptr ? images_->Width() + 5 : 19;
  ChooseFont();
  MakeItems(first_index);
  const gfx::Size size = ComputeSize();
  ComputeGeometry(size);
  first_visible_ = 0;
  LayoutItems();
  PopupPlacementRequest place;
  place.size = size;
  place.anchor = anchor;
  place.work_area = engine_->WorkArea();
  place.items_top = items_rect_.top;
  place.needs_scroll = needs_scroll_;
  place.submenu = is_submenu;
  place.upward = upward;
  const gfx::Point at = PlacePopup(place);
  SetBounds(at.x, at.y, size.width, size.height);
  ApplyRegion();
  ApplyAlpha(first_level);
  Show();
  last_cursor_ = platform::GetBackend().CursorPos();
  SetTimer(kPollTimerId, kPollIntervalMs);
  if (engine_->AlphaBlend() && engine_->AlphaBlendAnimation() && first_level &&
      platform::GetBackend().LayeredWindowsAvailable()) {
    // Only the first level fades in; its steps follow each other without a pause.
    for (int a = 3; a < engine_->AlphaBlendValue(); a += 3) SetAlphaBlendValue(static_cast<uint8_t>(a));
    SetAlphaBlendValue(engine_->AlphaBlendValue());
  }
  const int first = FirstSelectable();
  if (first >= 0) {
    items_[static_cast<size_t>(first)].initial_selection = true;
    SetHighlight(first, false);
  }
}

// --- queries ---

gfx::Rect TskSkinPopupWindow::ScreenItemRect(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= items_.size()) return {};
  return items_[static_cast<size_t>(index)].rect.Offset(Left(), Top());
}

int TskSkinPopupWindow::ItemAt(gfx::Point p) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].visible && items_[i].rect.Contains(p)) return static_cast<int>(i);
  }
  return -1;
}

bool TskSkinPopupWindow::Selectable(int i) const {
  if (i < 0 || static_cast<size_t>(i) >= items_.size()) return false;
  const ui::MenuItem* item = items_[static_cast<size_t>(i)].item;
  return item->Enabled() && !item->IsSeparator();
}

int TskSkinPopupWindow::FirstSelectable() const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (Selectable(static_cast<int>(i))) return static_cast<int>(i);
  }
  return -1;
}

// --- items ---

void TskSkinPopupWindow::SetHighlight(int i, bool by_mouse) {
  if (i == highlight_) return;
  const int old = highlight_;
  previous_highlight_ = old;
  highlight_ = i;
  if (old >= 0) {
    if (Selectable(old)) {
      LeaveItem(old);
    } else {
      items_[static_cast<size_t>(old)].highlighted = false;
      items_[static_cast<size_t>(old)].initial_selection = false;
      RedrawItem(old);
    }
  }
  if (shut_ || i < 0) return;
  if (Selectable(i)) {
    EnterItem(i, by_mouse);
    return;
  }
  // Disabled items and separators show the pointer but are never entered.
  items_[static_cast<size_t>(i)].highlighted = true;
  RedrawItem(i);
}

void TskSkinPopupWindow::EnterItem(int i, bool by_mouse) {
  TskSkinMenuItem& it = items_[static_cast<size_t>(i)];
  it.highlighted = true;
  for (size_t j = 0; j < items_.size(); ++j) {
    if (static_cast<int>(j) != i && items_[j].submenu_open) {
      items_[j].submenu_open = false;
      RedrawItem(static_cast<int>(j));
    }
  }
  if (it.initial_selection && by_mouse) {
    RedrawItem(i);
    return;
  }
  if (it.submenu_open) {
    // Back on the item whose submenu is open: only what was opened from that submenu closes.
    engine_->CloseLevelsFrom(engine_->LevelIndex(this) + 2);
    return;
  }
  StartMorph();
  RedrawItem(i);
  engine_->ActivateItem(this, it, !by_mouse, false);
}

void TskSkinPopupWindow::LeaveItem(int i) {
  TskSkinMenuItem& it = items_[static_cast<size_t>(i)];
  it.highlighted = false;
  it.initial_selection = false;
  if (!it.submenu_open) {
    StartMorph();
    RedrawItem(i);
  }
  engine_->CancelPending(it.item);
}

void TskSkinPopupWindow::MarkSubmenuOpen(int i) {
  if (i < 0 || static_cast<size_t>(i) >= items_.size()) return;
  items_[static_cast<size_t>(i)].submenu_open = true;
  RedrawItem(i);
}

void TskSkinPopupWindow::SubmenuClosed() {
  for (size_t j = 0; j < items_.size(); ++j) {
    if (!items_[j].submenu_open) continue;
    items_[j].submenu_open = false;
    StartMorph();
    RedrawItem(static_cast<int>(j));
  }
}

void TskSkinPopupWindow::OpenPendingSubmenu(ui::MenuItem* item) {
  for (size_t j = 0; j < items_.size(); ++j) {
    if (items_[j].item == item) {
      engine_->ActivateItem(this, items_[j], false, true);
      return;
    }
  }
}

void TskSkinPopupWindow::ClickItem(int i) {
  if (i < 0 || static_cast<size_t>(i) >= items_.size()) return;
  TskSkinMenuItem& it = items_[static_cast<size_t>(i)];
  it.initial_selection = false;
  if (it.submenu_open || !Selectable(i)) return;
  engine_->ActivateItem(this, it, false, true);
}

void TskSkinPopupWindow::MoveSelection(bool down) {
  const int n = static_cast<int>(items_.size());
  if (n == 0) return;
  const int cur = highlight_;
  int found = -1;
  bool wrapped = false;
  if (down) {
    wrapped = cur == n - 1;
    const int start = cur < 0 || wrapped ? 0 : cur + 1;
    for (int j = start; j < n && found < 0; ++j) {
      if (Selectable(j)) found = j;
    }
  } else {
    wrapped = cur == 0;
    const int start = cur < 0 || wrapped ? n - 1 : cur - 1;
    for (int j = start; j >= 0 && found < 0; --j) {
      if (Selectable(j)) found = j;
    }
  }
  if (found < 0 || found == cur) return;
  EnsureVisible(found, down && wrapped, !down && wrapped);
  SetHighlight(found, false);
}

void TskSkinPopupWindow::EnsureVisible(int i, bool wrapped_to_top, bool wrapped_to_bottom) {
  if (!needs_scroll_) return;
  const int before = first_visible_;
  const int32_t room = items_rect_.Height() - 2 * kScrollMarkerHeight;
  // The first index from which the items up to `last` fit.
  auto first_showing = [&](int last) {
    int f = last;
    int32_t used = items_[static_cast<size_t>(last)].height;
    while (f > 0 && used + items_[static_cast<size_t>(f - 1)].height <= room) {
      --f;
      used += items_[static_cast<size_t>(f)].height;
    }
    return f;
  };
  if (wrapped_to_top) first_visible_ = 0;
  if (wrapped_to_bottom) first_visible_ = first_showing(static_cast<int>(items_.size()) - 1);
  if (i < first_visible_) first_visible_ = i;
  LayoutItems();
  if (!items_[static_cast<size_t>(i)].visible) {
    first_visible_ = first_showing(i);
    LayoutItems();
  }
  if (first_visible_ != before) Invalidate();
}

void TskSkinPopupWindow::KeyDown(uint16_t key) {
  if (!Visible() || shut_) return;
  switch (key) {
    case platform::kVkReturn:
      ClickItem(highlight_);
      return;
    case platform::kVkRight:
      if (highlight_ >= 0 && items_[static_cast<size_t>(highlight_)].item->HasChildren()) ClickItem(highlight_);
      return;
    case platform::kVkDown:
      MoveSelection(true);
      return;
    case platform::kVkUp:
      MoveSelection(false);
      return;
    default:
      break;
  }
  const bool letter = key >= 'A' && key <= 'Z';
  const bool digit = key >= '0' && key <= '9';
  if (!letter && !digit) return;
  for (size_t j = 0; j < items_.size(); ++j) {
    const int i = static_cast<int>(j);
    if (!Selectable(i) || items_[j].item->AcceleratorChar() != key) continue;
    EnsureVisible(i, false, false);
    SetHighlight(i, false);
    if (shut_ || highlight_ != i) return;
    ClickItem(i);
    return;
  }
}

// --- pointer ---

void TskSkinPopupWindow::PollCursor() {
  if (shut_) return;
  if (engine_->LevelIndex(this) == 0 && !engine_->CheckBoundForm()) return;
  const gfx::Point c = platform::GetBackend().CursorPos();
  if (c == last_cursor_) return;
  last_cursor_ = c;
  if (engine_->LevelAt(c) == this) {
    HoverAt({c.x - Left(), c.y - Top()});
    return;
  }
  if (scroll_direction_ != 0) StopScroll();
}

void TskSkinPopupWindow::HoverAt(gfx::Point p) {
  if (shut_) return;
  if (needs_scroll_) {
    const gfx::Rect top{items_rect_.left, items_rect_.top, items_rect_.right, items_rect_.top + kScrollMarkerHeight};
    const gfx::Rect bottom{items_rect_.left, items_rect_.bottom - kScrollMarkerHeight, items_rect_.right,
                           items_rect_.bottom};
    const bool last_shown = !items_.empty() && items_.back().visible;
    if (top.Contains(p)) {
      if (first_visible_ > 0 && scroll_direction_ != 1) StartScroll(1);
    } else if (bottom.Contains(p)) {
      if (!last_shown && scroll_direction_ != 2) StartScroll(2);
    } else if (scroll_direction_ != 0) {
      StopScroll();
    }
    if (shut_) return;
  }
  const int i = ItemAt(p);
  if (i < 0) return;
  if (i == highlight_) {
    TskSkinMenuItem& it = items_[static_cast<size_t>(i)];
    if (!it.initial_selection) return;
    it.initial_selection = false;
    if (Selectable(i) && it.item->HasChildren()) engine_->ActivateItem(this, it, false, false);
    return;
  }
  SetHighlight(i, true);
}

void TskSkinPopupWindow::ReleaseAt(gfx::Point p, bool left_button) {
  HoverAt(p);
  if (shut_ || !left_button) return;
  const int i = ItemAt(p);
  if (i < 0 || items_[static_cast<size_t>(i)].item->IsSeparator()) return;
  ClickItem(i);
}

void TskSkinPopupWindow::StartScroll(int direction) {
  scroll_direction_ = direction;
  RedrawMarkers();
  engine_->CloseLevelsFrom(engine_->LevelIndex(this) + 1);
  if (shut_) return;
  SetTimer(kScrollTimerId, kScrollIntervalMs);
}

void TskSkinPopupWindow::StopScroll() {
  KillTimer(kScrollTimerId);
  if (scroll_direction_ == 0) return;
  scroll_direction_ = 0;
  RedrawMarkers();
}

void TskSkinPopupWindow::ScrollStep() {
  if (shut_) return;
  const bool last_shown = !items_.empty() && items_.back().visible;
  if (scroll_direction_ == 1 && first_visible_ > 0) {
    --first_visible_;
  } else if (scroll_direction_ == 2 && !last_shown) {
    ++first_visible_;
  } else {
    StopScroll();
    return;
  }
  LayoutItems();
  Invalidate();
  const bool at_end = scroll_direction_ == 1 ? first_visible_ == 0 : items_.back().visible;
  if (at_end) StopScroll();
}

// --- morphing ---

void TskSkinPopupWindow::StartMorph() {
  if (item_record_ == nullptr || !item_record_->morphing || popup_record_ == nullptr || blending_) return;
  blending_ = true;
  SetTimer(kBlendTimerId, kBlendIntervalMs);
}

void TskSkinPopupWindow::BlendStep() {
  bool changing = false;
  for (size_t j = 0; j < items_.size(); ++j) {
    TskSkinMenuItem& it = items_[j];
    const double target = it.Active() ? 1.0 : 0.0;
    if (it.morph_progress == target) continue;
    it.morph_progress = target > it.morph_progress ? std::min(1.0, it.morph_progress + 0.1)
                                                    : std::max(0.0, it.morph_progress - 0.1);
    // Ten steps of 0.1 do not add up to exactly 1: the last step lands on the end.
    if (std::abs(it.morph_progress - target) < 1e-9) it.morph_progress = target;
    changing = true;
    RedrawItem(static_cast<int>(j));
  }
  if (changing) return;
  blending_ = false;
  KillTimer(kBlendTimerId);
}

// --- messages ---

void TskSkinPopupWindow::WndProc(ui::Message& m) {
  switch (m.id) {
    case ui::kMsgTimer:
      if (m.wparam == static_cast<intptr_t>(kPollTimerId)) PollCursor();
      else if (m.wparam == static_cast<intptr_t>(kBlendTimerId)) BlendStep();
      else if (m.wparam == static_cast<intptr_t>(kScrollTimerId)) ScrollStep();
      return;
    case ui::kMsgLButtonUp:
    case ui::kMsgRButtonUp:
    case ui::kMsgMButtonUp:
      ReleaseAt(m.At(), m.id == ui::kMsgLButtonUp);
      return;
    case ui::kMsgLButtonDown:
    case ui::kMsgRButtonDown:
    case ui::kMsgMButtonDown:
    case ui::kMsgLButtonDblClk:
    case ui::kMsgRButtonDblClk:
    case ui::kMsgMButtonDblClk:
      // Pressing a button does nothing by itself; the release chooses.
      return;
    default:
      ui::Form::WndProc(m);
  }
}

void TskSkinPopupWindow::MenuItemChanged(ui::MenuItem* item, Change change) {
  if (shut_) return;
  if (change == Change::kLook) {
    for (size_t j = 0; j < items_.size(); ++j) {
      if (items_[j].item == item) RedrawItem(static_cast<int>(j));
    }
    return;
  }
  // The items this level shows changed or are going: the level (and what was opened from it)
  // closes rather than show stale items.
  if (item == parent_item_ || change == Change::kGone) {
    engine_->CloseLevelsFrom(engine_->LevelIndex(this));
    return;
  }
  // A shown item got or lost sub-items: its arrow changes.
  for (size_t j = 0; j < items_.size(); ++j) {
    if (items_[j].item == item) RedrawItem(static_cast<int>(j));
  }
}

}  // namespace skin
