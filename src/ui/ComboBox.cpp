// ComboBox: the plain drop-down list combo box.
#include "ui/ComboBox.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/DropDownWindow.h"
#include "ui/KeyCodes.h"
#include "ui/ListBox.h"
#include "ui/PlainDraw.h"

namespace ui {

// The list in the dropped window: the row under the pointer becomes the chosen row, and a left
// release accepts it. It never takes the focus, which stays with the combo.
class ComboBox::DropList : public ListBox {
 public:
  explicit DropList(ComboBox& combo) : combo_(&combo) {
    SetTabStop(false);
    SetAlign(Align::kClient);
  }

 protected:
  void MouseDown(MouseButton /*button*/, ShiftState /*shift*/, int /*x*/, int /*y*/) override {}
  void MouseMove(ShiftState /*shift*/, int x, int y) override {
    const int32_t row = ItemAtPos({x, y}, true);
    if (row >= 0 && row != ItemIndex()) SetItemIndex(row);
  }
  void MouseUp(MouseButton button, ShiftState /*shift*/, int x, int y) override {
    if (button != MouseButton::kLeft) return;
    const int32_t row = ItemAtPos({x, y}, true);
    if (row >= 0) SetItemIndex(row);
    // Releasing over the bar scrolls; anywhere else in the list it accepts.
    if (row >= 0 || ListArea().Contains({x, y})) combo_->CloseUp(true);
  }

 private:
  ComboBox* combo_;
};

ComboBox::ComboBox() : window_(std::make_unique<DropDownWindow>()) {
  SetOpaque(true);
  SetTabStop(true);
  SetColor(kColorWindow);
  SetParentColor(false);
  SetBounds(0, 0, 120, 21);
  list_ = window_->MakeChild<DropList>(nullptr, *this);
  window_->OnOutsidePress = [this] { CloseUp(false); };
  window_->KeepArea = [this] {
    const gfx::Point origin = ClientToScreen({0, 0});
    return gfx::Rect::FromSize(origin.x, origin.y, Width(), Height());
  };
}

ComboBox::~ComboBox() = default;

ListBox& ComboBox::List() const { return *list_; }

int32_t ComboBox::Count() const { return list_->Count(); }
const std::string& ComboBox::Item(int32_t index) const { return list_->Item(index); }

int32_t ComboBox::AddItem(std::string text) { return list_->AddItem(std::move(text)); }

void ComboBox::SetItems(std::vector<std::string> items) {
  if (DroppedDown()) CloseUp(false);
  list_->SetItems(std::move(items));
  saved_index_ = -1;
  SetCaption("");
}

int32_t ComboBox::ItemIndex() const { return DroppedDown() ? saved_index_ : list_->ItemIndex(); }

void ComboBox::SetItemIndex(int32_t index) {
  list_->SetItemIndex(index);
  saved_index_ = list_->ItemIndex();
  SetCaption(saved_index_ >= 0 ? list_->Item(saved_index_) : std::string());
  Invalidate();
}

void ComboBox::SetDropDownCount(int32_t rows) {
  if (rows > 0) drop_down_count_ = rows;
}

bool ComboBox::DroppedDown() const { return window_->Dropped(); }

gfx::Rect ComboBox::ButtonRect() const { return {Width() - 2 - kButtonWidth, 2, Width() - 2, Height() - 2}; }

gfx::Rect ComboBox::FieldRect() const { return {2, 2, ButtonRect().left, Height() - 2}; }

void ComboBox::DropDown() {
  if (DroppedDown() || Count() == 0) return;
  if (OnDropDown) OnDropDown(this);
  saved_index_ = list_->ItemIndex();
  const int32_t rows = std::min(drop_down_count_, Count());
  const gfx::Point origin = ClientToScreen({0, 0});
  window_->SetFont(GetFont());
  list_->SetFont(GetFont());
  window_->DropAt(gfx::Rect::FromSize(origin.x, origin.y, Width(), Height()),
                  {Width(), rows * list_->ItemHeight() + 4});
  list_->SetTopIndex(std::max(saved_index_, 0));
  Invalidate();
}

void ComboBox::CloseUp(bool accept) {
  if (!DroppedDown()) return;
  window_->CloseUp();
  const int32_t chosen = list_->ItemIndex();
  list_->SetItemIndex(saved_index_);
  if (accept && chosen >= 0) Choose(chosen);
  Invalidate();
  if (OnCloseUp) OnCloseUp(this);
}

void ComboBox::Choose(int32_t index) {
  if (index < 0 || index >= Count()) return;
  const bool changed = index != list_->ItemIndex();
  SetItemIndex(index);
  if (changed && OnChange) OnChange(this);
  if (OnClick) OnClick(this);
}

// --- painting ---

void ComboBox::Paint(gfx::Canvas& canvas) {
  const gfx::Rect client = ClientRect();
  canvas.FillRect(client, kColorWindow);
  DrawBevel(canvas, client, false);
  DrawBevel(canvas, {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1}, false);
  const gfx::Rect button = ButtonRect();
  canvas.FillRect(button, kColorBtnFace);
  DrawRaisedEdge(canvas, button);
  // A small down arrow in the button's middle.
  const gfx::Color arrow = EffectivelyEnabled() ? kColorBtnText : kColorGrayText;
  const int cx = (button.left + button.right) / 2;
  const int cy = (button.top + button.bottom) / 2 - 1;
  for (int i = 0; i < 4; ++i) canvas.FillRect({cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1}, arrow);

  const gfx::Rect field = FieldRect();
  const bool focused = has_focus_ && !DroppedDown();
  if (focused) canvas.FillRect({field.left + 1, field.top + 1, field.right - 1, field.bottom - 1}, kColorHighlight);
  const int32_t shown = ItemIndex();
  if (shown >= 0) {
    gfx::Font font = GetFont();
    font.SetColor(!EffectivelyEnabled() ? kColorGrayText : focused ? kColorWindow : kColorBtnText);
    canvas.SetFont(font);
    canvas.Brush().style = gfx::BrushStyle::kClear;
    gfx::Rect text{field.left + 3, field.top, field.right - 2, field.bottom};
    canvas.DrawText(text, list_->Item(shown), gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtNoPrefix);
  }
  if (focused) canvas.DrawFocusRect({field.left + 1, field.top + 1, field.right - 1, field.bottom - 1});
}

void ComboBox::EraseBackground(gfx::Canvas& /*canvas*/) {}

// --- input ---

void ComboBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (CanFocus() && !Focused()) SetFocus();
  WinControl::MouseDown(button, shift, x, y);
  if (button != MouseButton::kLeft) return;
  if (DroppedDown()) {
    CloseUp(false);
  } else {
    DropDown();
  }
}

bool ComboBox::MouseWheel(ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  const int32_t step = delta <= 0 ? 1 : -1;
  if (DroppedDown()) {
    list_->SetItemIndex(std::clamp(list_->ItemIndex() + step, 0, Count() - 1));
  } else if (Count() > 0) {
    Choose(std::clamp(ItemIndex() + step, 0, Count() - 1));
  }
  return true;
}

bool ComboBox::WantsKey(uint16_t key) const {
  switch (key) {
    case platform::kVkUp:
    case platform::kVkDown:
    case platform::kVkLeft:
    case platform::kVkRight:
    case platform::kVkHome:
    case platform::kVkEnd:
    case platform::kVkPrior:
    case platform::kVkNext:
      return true;
    case platform::kVkReturn:
    case platform::kVkEscape:
      // Only an open list takes them from the dialog's default and cancel buttons.
      return DroppedDown();
    default:
      return WinControl::WantsKey(key);
  }
}

void ComboBox::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == 0) return;
  const bool alt = Has(shift, kAlt);
  if (key == platform::kVkF4 || (alt && (key == platform::kVkDown || key == platform::kVkUp))) {
    if (DroppedDown()) {
      CloseUp(key == platform::kVkF4 || key == platform::kVkUp ? false : true);
    } else if (key != platform::kVkUp) {
      DropDown();
    }
    key = 0;
    return;
  }
  if (key == platform::kVkReturn || key == platform::kVkEscape) {
    if (!DroppedDown()) return;
    CloseUp(key == platform::kVkReturn);
    key = 0;
    return;
  }
  if (Count() == 0) return;
  const int32_t current = DroppedDown() ? list_->ItemIndex() : ItemIndex();
  const int32_t page = std::max(1, drop_down_count_ - 1);
  int32_t next = current;
  switch (key) {
    case platform::kVkUp:
    case platform::kVkLeft: next = current - 1; break;
    case platform::kVkDown:
    case platform::kVkRight: next = current + 1; break;
    case platform::kVkHome: next = 0; break;
    case platform::kVkEnd: next = Count() - 1; break;
    case platform::kVkPrior: next = current - page; break;
    case platform::kVkNext: next = current + page; break;
    default: return;
  }
  key = 0;
  next = std::clamp(next, 0, Count() - 1);
  if (DroppedDown()) {
    list_->SetItemIndex(next);
  } else if (next != current) {
    Choose(next);
  }
}

void ComboBox::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  if (ch <= U' ' || ch == 0x7F || Count() == 0) return;
  const std::string& text = type_ahead_.Add(ch);
  const int32_t current = DroppedDown() ? list_->ItemIndex() : ItemIndex();
  const int32_t found = FindPrefix(list_->Items(), text, TypeAheadStart(text, current, Count()));
  ch = 0;
  if (found < 0) return;
  if (DroppedDown()) {
    list_->SetItemIndex(found);
  } else if (found != current) {
    Choose(found);
  }
}

void ComboBox::DoEnter() {
  WinControl::DoEnter();
  has_focus_ = true;
  Invalidate();
}

void ComboBox::DoExit() {
  WinControl::DoExit();
  has_focus_ = false;
  CloseUp(false);
  Invalidate();
}

}  // namespace ui
