// TextField: what the single-line and the multi-line text fields share over their TextEditModel.
#include "ui/TextField.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "platform/Backend.h"
#include "ui/EditMenu.h"
#include "ui/Form.h"
#include "ui/KeyCodes.h"
#include "ui/PopupMenu.h"

namespace ui {

namespace {

constexpr uintptr_t kCaretTimer = 1;

}  // namespace

TextField::TextField() {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(kColorWindow);
  SetCursor(Cursor::kIBeam);
  SetOpaque(true);
}

TextField::~TextField() = default;

// --- selection and commands ---

void TextField::SetSel(size_t anchor, size_t caret) {
  model_.Select(anchor, caret);
  CaretChanged();
  InvalidateText();
}

void TextField::SelectAll() { SetSel(0, Text().size()); }

void TextField::Undo() {
  if (read_only_) return;
  EditedByUser(model_.Undo());
}

void TextField::CutToClipboard() {
  if (read_only_ || !model_.HasSelection()) return;
  CopyToClipboard();
  EditedByUser(model_.DeleteSelection());
}

void TextField::CopyToClipboard() {
  if (!model_.HasSelection()) return;
  platform::GetBackend().SetClipboardText(model_.SelectedText());
}

void TextField::PasteFromClipboard() {
  if (read_only_) return;
  std::string text = platform::GetBackend().ClipboardText();
  if (text.empty()) return;
  EditedByUser(model_.ReplaceSelection(CleanText(text)));
}

void TextField::ClearSelection() {
  if (read_only_) return;
  EditedByUser(model_.DeleteSelection());
}

void TextField::FillContextMenu(MenuItem& root) {
  EditMenuState state;
  state.can_undo = CanUndo();
  state.has_selection = model_.HasSelection();
  state.read_only = read_only_;
  state.all_selected = model_.AllSelected() && !Text().empty();
  state.clipboard_has_text = !platform::GetBackend().ClipboardText().empty();
  state.undo = [this] { Undo(); };
  state.cut = [this] { CutToClipboard(); };
  state.copy = [this] { CopyToClipboard(); };
  state.paste = [this] { PasteFromClipboard(); };
  state.clear = [this] { ClearSelection(); };
  state.select_all = [this] { SelectAll(); };
  FillEditContextMenu(root, state);
}

void TextField::OpenContextMenuAt(gfx::Point screen) {
  if (PopupMenu* menu = GetPopupMenu()) {
    menu->SetPopupComponent(this);
    menu->Popup(screen.x, screen.y);
    return;
  }
  DefaultContextMenu(screen);
}

void TextField::SetPrimaryFromSelection() {
  if (model_.HasSelection()) platform::GetBackend().SetPrimarySelectionText(model_.SelectedText());
}

void TextField::Change() {
  if (OnChange) OnChange(this);
}

// --- properties ---

void TextField::SetAlignment(TextAlignment a) {
  alignment_ = a;
  AlignmentChanged();
}

void TextField::SetBorder(bool v) {
  border_ = v;
  BorderChanged();
}

void TextField::SetTransparentText(bool v) {
  transparent_text_ = v;
  SetOpaque(!v);
  Invalidate();
}

// --- caret and layout helpers ---

void TextField::ShowCaret() {
  if (!HasFocus()) return;
  InvalidateRect(CaretRect());
  caret_on_ = true;
  SetTimer(kCaretTimer, kCaretBlinkMs);
  gfx::Rect ime = CaretRect();
  InvalidateRect(ime);
  if (ime != last_ime_rect_) {
    last_ime_rect_ = ime;
    if (Form* f = ParentForm()) f->UpdateTextInput();
  }
}

int TextField::ScrollToShow(int scroll, int caret_x, int width) {
  if (caret_x < scroll) scroll = std::max(0, caret_x - width / 4);
  if (caret_x >= scroll + width) scroll = caret_x - width + 1 + width / 4;
  return scroll;
}

int TextField::CharAdvance(char32_t c) const {
  if (c < 128) {
    if (!ascii_widths_valid_) {
      for (char32_t a = 0; a < 128; ++a) ascii_widths_[a] = static_cast<int16_t>(GetFont().CharWidth(a));
      ascii_widths_valid_ = true;
    }
    return ascii_widths_[c];
  }
  return GetFont().CharWidth(c);
}

// --- painting ---

gfx::Rect TextField::FrameInsets() const {
  const int b = border_ ? 2 : 0;
  return {b, b, b, b};
}

void TextField::EraseBackground(gfx::Canvas&) {}

void TextField::PaintFrame(gfx::Canvas& canvas) {
  if (!transparent_text_) canvas.FillRect({0, 0, Width(), Height()}, GetColor());
  if (!border_) return;
  const gfx::Rect r{0, 0, Width(), Height()};
  // The sunken edge: a shadow and a dark line above and left, a highlight and a face line below.
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, kColorBtnShadow);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, kColorBtnShadow);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, kColorBtnHighlight);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, kColorBtnHighlight);
  canvas.FillRect({r.left + 1, r.top + 1, r.right - 2, r.top + 2}, kColor3dDkShadow);
  canvas.FillRect({r.left + 1, r.top + 1, r.left + 2, r.bottom - 2}, kColor3dDkShadow);
  canvas.FillRect({r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, kColorBtnFace);
  canvas.FillRect({r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, kColorBtnFace);
}

gfx::Color TextField::TextColor() const { return EffectivelyEnabled() ? GetFont().Color() : kColorGrayText; }

// --- messages and keys ---

void TextField::WndProc(Message& m) {
  if (m.id == kMsgImeComposition) {
    Compose(m.Text(), m.CompositionCursor());
    return;
  }
  WinControl::WndProc(m);
}

void TextField::Compose(const char* text, int32_t cursor) {
  // A composition is shown inside one line, whatever the field holds.
  std::string comp = text != nullptr ? CleanText(SanitizeUtf8(text)) : std::string();
  std::erase(comp, '\n');
  if (read_only_) comp.clear();
  if (comp.empty() && composition_.empty()) return;
  composition_ = std::move(comp);
  size_t c = std::min<size_t>(static_cast<size_t>(std::max(0, cursor)), composition_.size());
  while (c > 0 && c < composition_.size() && (static_cast<unsigned char>(composition_[c]) & 0xC0) == 0x80) --c;
  composition_cursor_ = c;
  ShownTextChanged();
  CaretChanged();
  InvalidateCaretLine();
}

void TextField::DropComposition() {
  if (composition_.empty()) return;
  composition_.clear();
  ShownTextChanged();
}

void TextField::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == 0) return;
  if (NavigationKey(key, shift)) return;
  const bool ctrl = Has(shift, kCtrl);
  const bool ext = Has(shift, kShift);
  const size_t caret = model_.Caret();
  switch (key) {
    case platform::kVkBack:
      key = 0;
      if (read_only_) return;
      if (ctrl && !model_.HasSelection()) model_.Select(model_.PrevWordStart(caret), caret);
      return EditedByUser(model_.DeleteBackward());
    case platform::kVkDelete:
      key = 0;
      if (ext) return CutToClipboard();
      if (read_only_) return;
      if (ctrl && !model_.HasSelection()) model_.Select(caret, model_.NextWordStart(caret));
      return EditedByUser(model_.DeleteForward());
    case platform::kVkInsert:
      key = 0;
      if (ctrl) return CopyToClipboard();
      if (ext) return PasteFromClipboard();
      return;
    case platform::kVkApps:
      key = 0;
      return OpenContextMenuAt(ClientToScreen({Width() / 2, Height() / 2}));
    default:
      break;
  }
  if (key == platform::kVkF1 + 9 && ext) {
    key = 0;
    return OpenContextMenuAt(ClientToScreen({Width() / 2, Height() / 2}));
  }
  if (!ctrl || Has(shift, kAlt)) return;
  switch (key) {
    case platform::kVkA:
      key = 0;
      SelectAll();
      return SetPrimaryFromSelection();
    case platform::kVkA + ('C' - 'A'):
      key = 0;
      return CopyToClipboard();
    case platform::kVkA + ('X' - 'A'):
      key = 0;
      return CutToClipboard();
    case platform::kVkA + ('V' - 'A'):
      key = 0;
      return PasteFromClipboard();
    case platform::kVkA + ('Z' - 'A'):
      key = 0;
      return Undo();
    default:
      return;
  }
}

void TextField::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  if (ch < 0x20 || ch == 0x7F || read_only_) return;
  std::string s;
  gfx::AppendUtf8(s, ch);
  InsertTyped(s);
}

void TextField::InsertTyped(std::string_view text) {
  // Committed input method text ends the composition it replaces.
  DropComposition();
  EditedByUser(model_.ReplaceSelection(CleanText(text), true));
}

// --- mouse ---

void TextField::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (button == MouseButton::kLeft) {
    if (Has(shift, kDouble)) {
      auto [a, b] = model_.WordAt(PosAt({x, y}));
      SetSel(a, b);
      SetPrimaryFromSelection();
      dragging_ = false;
      return;
    }
    model_.MoveCaret(PosAt({x, y}), Has(shift, kShift));
    dragging_ = true;
    CaretChanged();
    InvalidateText();
    return;
  }
  if (button == MouseButton::kMiddle && !read_only_) {
    // The X convention: a middle click pastes the primary selection where it points.
    std::string text = platform::GetBackend().PrimarySelectionText();
    if (text.empty()) return;
    model_.MoveCaret(PosAt({x, y}), false);
    EditedByUser(model_.ReplaceSelection(CleanText(text)));
  }
}

void TextField::MouseMove(ShiftState shift, int x, int y) {
  WinControl::MouseMove(shift, x, y);
  if (!dragging_ || !Has(shift, kLeftHeld)) return;
  const size_t pos = PosAt({x, y});
  if (pos == model_.Caret()) return;
  model_.MoveCaret(pos, true);
  CaretChanged();
  InvalidateText();
}

void TextField::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  // The selection is the primary selection before OnMouseUp hears of the release.
  if (button == MouseButton::kLeft && dragging_) {
    dragging_ = false;
    SetPrimaryFromSelection();
  }
  WinControl::MouseUp(button, shift, x, y);
}

// --- focus, timer, state ---

void TextField::DoEnter() {
  has_focus_ = true;
  WinControl::DoEnter();
  last_ime_rect_ = {};
}

void TextField::DoExit() {
  has_focus_ = false;
  KillTimer(kCaretTimer);
  caret_on_ = false;
  DropComposition();
  WinControl::DoExit();
}

void TextField::TimerTick(uintptr_t id) {
  if (id != kCaretTimer) {
    WinControl::TimerTick(id);
    return;
  }
  if (!HasFocus()) {
    KillTimer(kCaretTimer);
    caret_on_ = false;
    return;
  }
  caret_on_ = !caret_on_;
  InvalidateRect(CaretRect());
}

void TextField::FontChanged() {
  WinControl::FontChanged();
  ascii_widths_valid_ = false;
}

void TextField::EnabledChanged() {
  WinControl::EnabledChanged();
  Invalidate();
}

}  // namespace ui
