// TskSkinComboBox: the skinned combo box: its field and button, dropping and closing its list,
// keys, wheel and type-ahead.
#include "skin/controls/TskSkinComboBox.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeMath.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/TskPopupListBox.h"
#include "skin/data/SkinListRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"
#include "skin/render/SkinStrip.h"
#include "ui/Application.h"
#include "ui/DropDownWindow.h"
#include "ui/Edit.h"
#include "ui/KeyCodes.h"
#include "ui/Screen.h"

namespace skin {

// The edit over the field in the edit style. Its keys, presses, wheel and focus loss go to the
// combo first; the keys it reports go out as the combo's own OnKeyDown, OnKeyPress and OnKeyUp.
class TskComboEdit : public ui::Edit {
 public:
  explicit TskComboEdit(TskSkinCustomComboBox& combo) : combo_(combo) {
    SetBorder(false);
    SetTabStop(true);
    OnChange = [this](ui::Component*) { combo_.EditChanged(); };
    OnKeyDown = [this](ui::Control*, uint16_t& key, ui::ShiftState shift) {
      if (combo_.OnKeyDown) combo_.OnKeyDown(&combo_, key, shift);
    };
    OnKeyUp = [this](ui::Control*, uint16_t& key, ui::ShiftState shift) {
      if (combo_.OnKeyUp) combo_.OnKeyUp(&combo_, key, shift);
    };
    OnKeyPress = [this](ui::Control*, char32_t& ch) {
      if (combo_.OnKeyPress) combo_.OnKeyPress(&combo_, ch);
    };
  }

  bool WantsKey(uint16_t key) const override {
    if (key == platform::kVkUp || key == platform::kVkDown) return true;
    if (key == platform::kVkReturn || key == platform::kVkEscape) return combo_.DroppedDown();
    return ui::Edit::WantsKey(key);
  }

 protected:
  void KeyDown(uint16_t& key, ui::ShiftState shift) override {
    if (combo_.EditKeyDown(key, shift)) {
      key = 0;
      return;
    }
    ui::Edit::KeyDown(key, shift);
  }
  void KeyUp(uint16_t& key, ui::ShiftState shift) override {
    const uint16_t code = key;
    ui::Edit::KeyUp(key, shift);
    // Keys of characters (digits, letters and beyond) complete the text; shortcuts do not.
    if (code >= 48 && combo_.AutoComplete() && !ui::Has(shift, ui::kCtrl) && !ui::Has(shift, ui::kAlt)) {
      combo_.AutoCompleteText();
    }
  }
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override {
    if (button == ui::MouseButton::kLeft || button == ui::MouseButton::kRight) combo_.CloseUp(false);
    ui::Edit::MouseDown(button, shift, x, y);
  }
  bool MouseWheel(ui::ShiftState shift, int delta, int x, int y) override {
    if (ui::Edit::MouseWheel(shift, delta, x, y)) return true;
    combo_.EditWheel(delta);
    return true;
  }
  void DoExit() override {
    ui::Edit::DoExit();
    combo_.CloseUp(false);
  }

 private:
  TskSkinCustomComboBox& combo_;
};

TskSkinCustomComboBox::TskSkinCustomComboBox() : window_(std::make_unique<ui::DropDownWindow>()) {
  SetTabStop(true);
  SetBounds(0, 0, 120, 20);
  list_ = window_->MakeChild<TskPopupListBox>(nullptr);
  list_->OnAccept = [this] { CloseUp(true); };
  window_->OnOutsidePress = [this] { CloseUp(false); };
  // A press on the combo itself is left to MouseDown, which toggles the list.
  window_->KeepArea = [this] {
    const gfx::Point origin = ClientToScreen({0, 0});
    return gfx::Rect::FromSize(origin.x, origin.y, Width(), Height());
  };
  CalcComboRects();
}

TskSkinCustomComboBox::~TskSkinCustomComboBox() = default;

const TskDataSkinComboBox* TskSkinCustomComboBox::ComboRecord() const { return SkinRecordAs<TskDataSkinComboBox>(); }

// --- items and the chosen one ---

int32_t TskSkinCustomComboBox::Count() const { return list_->Count(); }
const std::string& TskSkinCustomComboBox::Item(int32_t index) const { return list_->Item(index); }
int32_t TskSkinCustomComboBox::AddItem(std::string text) { return list_->AddItem(std::move(text)); }

void TskSkinCustomComboBox::SetItems(std::vector<std::string> items) {
  CloseUp(false);
  list_->SetItems(std::move(items));
  saved_index_ = -1;
  Invalidate();
}

int32_t TskSkinCustomComboBox::ItemIndex() const { return list_->ItemIndex(); }

void TskSkinCustomComboBox::SetItemIndex(int32_t index) {
  list_->SetItemIndex(index);
  if (Count() > 0 && list_->ItemIndex() != -1) SetText(list_->Item(list_->ItemIndex()));
  saved_index_ = list_->ItemIndex();
  Invalidate();
  if (OnClick) OnClick(this);
  Change();
}

void TskSkinCustomComboBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (edit_ != nullptr && !change_from_edit_) {
    filling_edit_ = true;
    edit_->SetText(text_);
    filling_edit_ = false;
  }
  Invalidate();
  if (OnChange) OnChange(this);
  if (change_from_edit_) Change();
}

ui::Edit* TskSkinCustomComboBox::EditControl() const { return edit_; }

void TskSkinCustomComboBox::SetStyle(ComboStyle style) {
  if (style == style_) return;
  style_ = style;
  if (style == ComboStyle::kEdit) {
    SetTabStop(false);
    edit_ = MakeChild<TskComboEdit>(nullptr, *this);
    CalcComboRects();
    StyleEdit();
    filling_edit_ = true;
    edit_->SetText(text_);
    filling_edit_ = false;
    if (Focused()) edit_->SetFocus();
  } else {
    SetTabStop(true);
    if (edit_->Focused()) SetFocus();
    TskComboEdit* edit = edit_;
    edit_ = nullptr;
    RemoveChild(edit).reset();
  }
  CalcComboRects();
  Invalidate();
}

void TskSkinCustomComboBox::StyleEdit() {
  if (edit_ == nullptr) return;
  const TskDataSkinComboBox* r = HasSkinLook() ? ComboRecord() : nullptr;
  if (r == nullptr) {
    edit_->SetFont(DefaultFont());
  } else {
    edit_->SetFont(SkinTextFont(true, DefaultFont(), r->font.fontname, r->font.fontheight, r->font.fontstyle,
                                r->font.fontcolor));
  }
  // Over the skin image the text is drawn without a background; the plain field is the edit's own.
  edit_->SetTransparentText(r != nullptr);
}

void TskSkinCustomComboBox::EditChanged() {
  if (filling_edit_) return;
  const std::string& typed = edit_->Text();
  const int32_t current = list_->ItemIndex();
  // A row whose text the edit already shows stays chosen, even when an earlier row also begins so.
  const bool current_matches = current >= 0 && current < Count() && Item(current) == typed;
  if (!typed.empty() && !current_matches) {
    const int32_t found = ui::FindPrefix(list_->Items(), typed, 0);
    if (found >= 0) {
      if (auto_complete_) {
        list_->SetItemIndex(found);
      } else {
        list_->SetTopIndex(found);
      }
    }
  }
  change_from_edit_ = true;
  SetText(typed);
  change_from_edit_ = false;
}

bool TskSkinCustomComboBox::EditKeyDown(uint16_t key, ui::ShiftState shift) {
  const int32_t index = ItemIndex();
  const bool alt = ui::Has(shift, ui::kAlt);
  switch (key) {
    case platform::kVkReturn:
      // Enter and Escape go on to the edit as well.
      CloseUp(true);
      return false;
    case platform::kVkEscape:
      CloseUp(false);
      return false;
    case platform::kVkPrior:
    case platform::kVkNext:
      if (!DroppedDown()) return false;
      if (Count() > 0) {
        const int32_t step = key == platform::kVkPrior ? -(drop_down_count_ + 1) : drop_down_count_ - 1;
        list_->SetItemIndex(std::clamp(index + step, 0, Count() - 1));
      }
      return true;
    case platform::kVkUp:
      if (alt) {
        CloseUp(false);
      } else if (index > 0) {
        SetItemIndex(index - 1);
      }
      return true;
    case platform::kVkDown:
      if (alt) {
        DropDown();
      } else if (index < Count() - 1) {
        SetItemIndex(index + 1);
      }
      return true;
    default:
      return false;
  }
}

void TskSkinCustomComboBox::EditWheel(int delta) {
  if (Count() == 0) return;
  const int32_t next = std::clamp(ItemIndex() + (delta <= 0 ? 1 : -1), 0, Count() - 1);
  if (DroppedDown()) {
    list_->SetItemIndex(next);
  } else {
    SetItemIndex(next);
  }
}

void TskSkinCustomComboBox::AutoCompleteText() {
  if (edit_ == nullptr || Count() == 0) return;
  const std::string& text = edit_->Text();
  // Only text typed at the end completes: the caret there, or a completion still selected.
  if (edit_->SelStart() + edit_->SelLength() != text.size()) return;
  const std::string typed = text.substr(0, edit_->SelStart());
  if (typed.empty()) return;
  // Always from the first row: the edit's own change has already chosen that row silently, so
  // starting after it would skip the first completion of a single typed letter.
  const int32_t found = ui::FindPrefix(list_->Items(), typed, 0);
  if (found < 0) return;
  SetItemIndex(found);
  edit_->SetSel(edit_->Text().size(), typed.size());
}

void TskSkinCustomComboBox::SetDropDownCount(int32_t rows) {
  if (rows > 0) drop_down_count_ = rows;
}

// --- dropping and closing ---

bool TskSkinCustomComboBox::DroppedDown() const { return window_->Dropped(); }

void TskSkinCustomComboBox::DropDown() {
  if (Count() == 0 || DroppedDown()) return;
  if (OnDropDown) OnDropDown(this);
  list_->SetBounds(0, 0, Width(), list_->Height());
  list_->SetRowCount(std::min(drop_down_count_, Count()));
  if (edit_ != nullptr) edit_->SetFocus();
  saved_index_ = list_->ItemIndex();
  const gfx::Point origin = ClientToScreen({0, 0});
  ShowPopup(gfx::Rect::FromSize(origin.x, origin.y, Width(), Height()));
  list_->SetTopIndex(list_->ItemIndex());
  Invalidate();
}

void TskSkinCustomComboBox::ShowPopup(const gfx::Rect& anchor) {
  const bool layered = ui::LayeredWindowsAvailable();
  if (layered && !alpha_blend_ && applied_alpha_ != 255) {
    window_->SetAlphaBlendValue(255);
    applied_alpha_ = 255;
  }
  if (layered && alpha_blend_ && alpha_blend_value_ != applied_alpha_) {
    applied_alpha_ = alpha_blend_animation_ ? 0 : alpha_blend_value_;
    window_->SetAlphaBlendValue(applied_alpha_);
  }
  window_->DropAt(anchor, {Width(), list_->Height()});
  if (!layered || !alpha_blend_ || !alpha_blend_animation_) return;
  // The window shows its rows first, then fades in without a pause between the steps.
  if (ui::Application* app = ui::Application::Current()) app->ProcessMessages();
  for (int a = 2; a < alpha_blend_value_; a += 2) window_->SetAlphaBlendValue(static_cast<uint8_t>(a));
  window_->SetAlphaBlendValue(alpha_blend_value_);
}

void TskSkinCustomComboBox::CloseUp(bool accept) {
  if (!DroppedDown()) return;
  window_->CloseUp();
  const int32_t index = list_->ItemIndex();
  if (index < 0) {
    list_->SetItemIndex(saved_index_);
  } else if (index < Count() && accept) {
    if (edit_ != nullptr) {
      edit_->SetText(list_->Item(index));
    } else {
      SetText(list_->Item(index));
    }
    Invalidate();
    if (OnClick) OnClick(this);
    Change();
  } else {
    list_->SetItemIndex(saved_index_);
  }
  Invalidate();
  if (accept && OnCloseUp) OnCloseUp(this);
}

// --- skin ---

void TskSkinCustomComboBox::NameList() {
  const TskDataSkinComboBox* r = ComboRecord();
  list_->SetSkinDataName(r != nullptr ? r->listboxname : std::string());
  list_->SetSkinData(SkinData());
  list_->ApplySkin();
}

void TskSkinCustomComboBox::SetSkinData(TskSkinData* data) {
  TskSkinCustomControl::SetSkinData(data);
  NameList();
}

void TskSkinCustomComboBox::ApplySkin() {
  TskSkinCustomControl::ApplySkin();
  CalcComboRects();
  StyleEdit();
  Invalidate();
  NameList();
  list_->UpdateListBoxScrollBars();
}

void TskSkinCustomComboBox::CalcComboRects() {
  const int32_t w = Width(), h = Height();
  const TskDataSkinComboBox* r = HasSkinLook() ? ComboRecord() : nullptr;
  if (r == nullptr) {
    drop_button_rect_ = {w - 19, 2, w - 2, h - 2};
    field_rect_ = {2, 2, drop_button_rect_.left - 1, h - 2};
  } else {
    const SkinControlGeometry& g = Geometry();
    const int32_t skin_w = RectWidth(g.skinrect);
    drop_button_rect_ = HeldRecordRect(r->buttonrect);
    // A button in the image's right end moves with the right edge.
    if (drop_button_rect_.left >= skin_w - g.righttoppoint.x) {
      drop_button_rect_ = drop_button_rect_.Offset(w - skin_w, 0);
    }
    field_rect_ = HeldRecordRect(g.clientrect);
    field_rect_.right += w - skin_w;
  }
  if (edit_ != nullptr && edit_->BoundsRect() != field_rect_) {
    edit_->SetBounds(field_rect_.left, field_rect_.top, field_rect_.Width(), field_rect_.Height());
  }
}

void TskSkinCustomComboBox::Resize() {
  TskSkinCustomControl::Resize();
  CalcComboRects();
}

// --- painting ---

void TskSkinCustomComboBox::Paint(gfx::Canvas& canvas) {
  LoadSkinRecord();
  CalcComboRects();
  TskSkinCustomControl::Paint(canvas);
}

void TskSkinCustomComboBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
  {
    gfx::Canvas canvas(bitmap);
    DrawPlainFramedFace(canvas, bitmap.Bounds());
    const PlainState state = button_pressed_ && button_hot_ ? PlainState::kPressed
                             : button_hot_                  ? PlainState::kHot
                                                            : PlainState::kNormal;
    if (state == PlainState::kNormal) {
      DrawPlainFramedFace(canvas, drop_button_rect_);
    } else {
      DrawPlainHighlight(canvas, drop_button_rect_, state);
    }
    DrawArrow(canvas, drop_button_rect_, EffectivelyEnabled() ? ui::kColorBtnText : ui::kColorBtnShadow, kArrowDown);
  }
  DrawField(bitmap, nullptr);
}

void TskSkinCustomComboBox::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TskDataSkinComboBox* r = ComboRecord();
  if (!DrawSkinPart(bitmap, Picture(), Geometry().skinrect) || r == nullptr) return;
  gfx::Bitmap scratch;
  const gfx::Bitmap& pic = As24(*Picture(), scratch);
  gfx::Rect image;
  if (!EffectivelyEnabled() && !IsNullRect(r->unenabledbuttonrect)) {
    image = HeldRecordRect(r->unenabledbuttonrect);
  } else if (button_pressed_ && button_hot_) {
    image = HeldRecordRect(r->downbuttonrect);
  } else if (button_hot_) {
    image = HeldRecordRect(r->activebuttonrect);
  }
  if (!IsNullRect(image)) {
    CopyPiece(bitmap, gfx::Rect::FromSize(drop_button_rect_.left, drop_button_rect_.top, image.Width(), image.Height()),
              pic, image);
  }
  DrawField(bitmap, r);
}

void TskSkinCustomComboBox::DrawField(gfx::Bitmap& bitmap, const TskDataSkinComboBox* r) {
  // In the edit style the edit draws the field.
  if (edit_ != nullptr) return;
  const int32_t w = field_rect_.Width();
  if (w <= 0 || field_rect_.Height() <= 0) return;
  const bool focused = has_focus_;
  gfx::Bitmap field;
  gfx::Rect text_rect;
  gfx::Font font;
  if (r == nullptr) {
    ResetTarget(field, w, field_rect_.Height());
    gfx::Canvas canvas(field);
    canvas.FillRect(field.Bounds(), focused ? ui::kColorHighlight : ui::kColorWindow);
    text_rect = {2, 0, w - 2, field_rect_.Height()};
    font = DefaultFont();
    font.SetColor(!EffectivelyEnabled() ? ui::kColorGrayText : focused ? ui::kColorWindow : ui::kColorBtnText);
  } else {
    const gfx::Rect itemrect = HeldRecordRect(r->itemrect);
    const gfx::Rect focusrect = IsNullRect(r->focusitemrect) ? itemrect : HeldRecordRect(r->focusitemrect);
    int32_t ih = itemrect.Height();
    if (ih <= 0) ih = HeldRecordRect(r->focusitemrect).Height();
    if (ih <= 0) ih = field_rect_.Height();
    const gfx::Rect source = focused ? focusrect : itemrect;
    if (!IsNullRect(source)) {
      gfx::Bitmap scratch;
      BuildHorzStrip(field, r->itemleftoffset, r->itemrightoffset, w, source, As24(*Picture(), scratch));
    } else {
      // Without an item image the field shows the combo's own image under it.
      ResetTarget(field, w, ih);
      CopyPiece(field, {0, 0, w, ih}, bitmap, gfx::Rect::FromSize(field_rect_.left, field_rect_.top, w, ih));
    }
    text_rect = HeldRecordRect(r->itemtextrect);
    text_rect.right += w - (IsNullRect(itemrect) ? RectWidth(Geometry().clientrect) : itemrect.Width());
    font = SkinTextFont(UseSkinFont(), DefaultFont(), r->font.fontname, r->font.fontheight, r->font.fontstyle,
                        focused ? r->focusfontcolor : r->font.fontcolor);
  }
  {
    gfx::Canvas canvas(field);
    canvas.SetFont(font);
    // While the list is open the field keeps the item of before.
    const int32_t shown = DroppedDown() ? saved_index_ : ItemIndex();
    if (OnComboBoxDrawItem) {
      OnComboBoxDrawItem(*this, canvas, shown, focused ? kFieldFocused : 0, text_rect);
    } else if (shown >= 0 && shown < Count()) {
      canvas.Save();
      canvas.IntersectClip(text_rect);
      canvas.Brush().style = gfx::BrushStyle::kClear;
      gfx::Rect text{text_rect.left + 2, text_rect.top, text_rect.right, text_rect.bottom};
      canvas.DrawText(text, Item(shown), gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtNoPrefix);
      canvas.Restore();
    }
    if (r == nullptr && focused) canvas.DrawFocusRect(field.Bounds());
  }
  gfx::Canvas target(bitmap);
  target.Draw(field_rect_.left, field_rect_.top, field);
}

// --- mouse ---

void TskSkinCustomComboBox::SetButtonHot(bool hot) {
  if (hot == button_hot_) return;
  button_hot_ = hot;
  Invalidate();
}

void TskSkinCustomComboBox::MouseMove(ui::ShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseMove(shift, x, y);
  SetButtonHot(drop_button_rect_.Contains({x, y}));
}

void TskSkinCustomComboBox::MouseLeave() {
  TskSkinCustomControl::MouseLeave();
  SetButtonHot(false);
}

void TskSkinCustomComboBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  // With an edit the focus goes to the edit when the list drops.
  if (edit_ == nullptr && !Focused() && CanFocus()) SetFocus();
  if (button != ui::MouseButton::kLeft) return;
  SetButtonHot(drop_button_rect_.Contains({x, y}));
  if (button_hot_ || (edit_ == nullptr && field_rect_.Contains({x, y}))) {
    button_pressed_ = true;
    Invalidate();
    if (DroppedDown()) {
      CloseUp(false);
    } else {
      DropDown();
    }
    return;
  }
  CloseUp(false);
}

void TskSkinCustomComboBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseUp(button, shift, x, y);
  button_pressed_ = false;
  Invalidate();
}

bool TskSkinCustomComboBox::MouseWheel(ui::ShiftState shift, int delta, int x, int y) {
  if (TskSkinCustomControl::MouseWheel(shift, delta, x, y)) return true;
  if (Count() == 0) return true;
  const int32_t next = std::clamp(ItemIndex() + (delta <= 0 ? 1 : -1), 0, Count() - 1);
  if (DroppedDown()) {
    list_->SetItemIndex(next);
  } else {
    SetItemIndex(next);
  }
  return true;
}

// --- keys ---

bool TskSkinCustomComboBox::WantsKey(uint16_t key) const {
  switch (key) {
    case platform::kVkUp:
    case platform::kVkDown:
    case platform::kVkLeft:
    case platform::kVkRight:
      return true;
    case platform::kVkReturn:
    case platform::kVkEscape:
      // Only an open list takes them from the dialog's default and cancel buttons.
      return DroppedDown();
    default:
      return TskSkinCustomControl::WantsKey(key);
  }
}

void TskSkinCustomComboBox::KeyDown(uint16_t& key, ui::ShiftState shift) {
  TskSkinCustomControl::KeyDown(key, shift);
  const int32_t index = ItemIndex();
  const bool alt = ui::Has(shift, ui::kAlt);
  switch (key) {
    case platform::kVkReturn:
      if (!DroppedDown()) return;
      CloseUp(true);
      break;
    case platform::kVkEscape:
      if (!DroppedDown()) return;
      CloseUp(false);
      break;
    case platform::kVkPrior:
      if (Count() > 0) SetItemIndex(std::max(0, index - drop_down_count_ - 1));
      break;
    case platform::kVkNext:
      if (Count() > 0) SetItemIndex(std::min(Count() - 1, index + drop_down_count_ - 1));
      break;
    case platform::kVkLeft:
    case platform::kVkUp:
      if (alt) {
        CloseUp(false);
      } else if (index > 0) {
        SetItemIndex(index - 1);
      }
      break;
    case platform::kVkRight:
    case platform::kVkDown:
      if (alt) {
        DropDown();
      } else if (index < Count() - 1) {
        SetItemIndex(index + 1);
      }
      break;
    default:
      return;
  }
  key = 0;
}

void TskSkinCustomComboBox::KeyPress(char32_t& ch) {
  TskSkinCustomControl::KeyPress(ch);
  if (ch <= U' ' || ch == 0x7F || Count() == 0) return;
  const std::string text = auto_complete_ ? type_ahead_.Add(ch) : gfx::EncodeUtf8(std::u32string(1, ch));
  const int32_t found = ui::FindPrefix(list_->Items(), text, ui::TypeAheadStart(text, ItemIndex(), Count()));
  if (found >= 0) SetItemIndex(found);
  ch = 0;
}

// --- focus and state ---

void TskSkinCustomComboBox::DoEnter() {
  TskSkinCustomControl::DoEnter();
  if (edit_ != nullptr) {
    edit_->SetFocus();
    return;
  }
  has_focus_ = true;
  Invalidate();
}

void TskSkinCustomComboBox::DoExit() {
  TskSkinCustomControl::DoExit();
  has_focus_ = false;
  // With an edit the focus has gone to it; the edit closes the list when it loses the focus.
  if (edit_ == nullptr) CloseUp(false);
  Invalidate();
}

void TskSkinCustomComboBox::EnabledChanged() {
  TskSkinCustomControl::EnabledChanged();
  if (!Enabled()) CloseUp(false);
  Invalidate();
}

TskSkinComboBox::TskSkinComboBox() { SetSkinDataName("combobox"); }

}  // namespace skin
