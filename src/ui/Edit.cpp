// Edit: the toolkit's single-line text field (caret, selection, clipboard, undo, input methods).
#include "ui/Edit.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "platform/Backend.h"
#include "ui/Form.h"
#include "ui/KeyCodes.h"
#include "ui/EditMenu.h"
#include "ui/PopupMenu.h"

namespace ui {

namespace {

constexpr uintptr_t kCaretTimer = 1;
constexpr gfx::Color kHighlightText = gfx::kWhite;

}  // namespace

Edit::Edit() {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(kColorWindow);
  SetCursor(Cursor::kIBeam);
  SetOpaque(true);
}

Edit::~Edit() = default;

std::string Edit::SingleLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r' || c == '\n') break;
    if (c == '\t') {
      out.push_back(' ');
    } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
      out.push_back(c);
    }
  }
  return out;
}

void Edit::SetText(std::string_view text) {
  model_.SetText(SingleLine(text));
  composition_.clear();
  layout_valid_ = false;
  scroll_x_ = 0;
  CaretChanged();
  Invalidate();
  Change();
}

void Edit::SetSel(size_t anchor, size_t caret) {
  model_.Select(anchor, caret);
  CaretChanged();
  InvalidateLine();
}

void Edit::SelectAll() { SetSel(0, Text().size()); }

void Edit::SetSelText(std::string_view text) {
  if (model_.ReplaceSelection(SingleLine(text))) EditedByUser(true);
}

void Edit::Undo() {
  if (read_only_) return;
  EditedByUser(model_.Undo());
}

void Edit::CutToClipboard() {
  if (read_only_ || !model_.HasSelection()) return;
  CopyToClipboard();
  EditedByUser(model_.DeleteSelection());
}

void Edit::CopyToClipboard() {
  if (!model_.HasSelection()) return;
  platform::GetBackend().SetClipboardText(model_.SelectedText());
}

void Edit::PasteFromClipboard() {
  if (read_only_) return;
  std::string text = platform::GetBackend().ClipboardText();
  if (text.empty()) return;
  EditedByUser(model_.ReplaceSelection(SingleLine(text)));
}

void Edit::ClearSelection() {
  if (read_only_) return;
  EditedByUser(model_.DeleteSelection());
}

void Edit::SetAlignment(TextAlignment a) {
  alignment_ = a;
  CaretChanged();
  Invalidate();
}

void Edit::SetBorder(bool v) {
  border_ = v;
  CaretChanged();
  Invalidate();
}

void Edit::SetMargins(int left, int right) {
  left_margin_ = std::max(0, left);
  right_margin_ = std::max(0, right);
  CaretChanged();
  Invalidate();
}

void Edit::SetTransparentText(bool v) {
  transparent_text_ = v;
  SetOpaque(!v);
  Invalidate();
}

void Edit::SetHideSelection(bool v) {
  hide_selection_ = v;
  InvalidateLine();
}

// --- layout ---

gfx::Rect Edit::FrameInsets() const {
  int b = border_ ? 2 : 0;
  return {b, b, b, b};
}

gfx::Rect Edit::TextArea() const {
  gfx::Rect in = FrameInsets();
  return {in.left + left_margin_, in.top, std::max(in.left + left_margin_, Width() - in.right - right_margin_),
          std::max(in.top, Height() - in.bottom)};
}

int Edit::CharAdvance(char32_t c) const {
  if (c < 128) {
    if (!ascii_widths_valid_) {
      for (char32_t a = 0; a < 128; ++a) ascii_widths_[a] = static_cast<int16_t>(GetFont().CharWidth(a));
      ascii_widths_valid_ = true;
    }
    return ascii_widths_[c];
  }
  return GetFont().CharWidth(c);
}

void Edit::RebuildLayout() const {
  if (layout_valid_) return;
  const std::string& text = model_.Text();
  const size_t caret = model_.Caret();
  offsets_.clear();
  xs_.clear();
  offsets_.reserve(text.size() + composition_.size() + 1);
  xs_.reserve(text.size() + composition_.size() + 1);
  int32_t x = 0;
  size_t display = 0;
  auto walk = [&](const std::string& s, size_t from, size_t to) {
    size_t pos = from;
    while (pos < to) {
      offsets_.push_back(display + pos - from);
      xs_.push_back(x);
      x += CharAdvance(gfx::DecodeUtf8At(s, pos));
    }
    display += to - from;
  };
  walk(text, 0, caret);
  walk(composition_, 0, composition_.size());
  walk(text, caret, text.size());
  offsets_.push_back(display);
  xs_.push_back(x);
  layout_valid_ = true;
}

size_t Edit::DisplayPos(size_t model_pos) const {
  if (composition_.empty() || model_pos <= model_.Caret()) return model_pos;
  return model_pos + composition_.size();
}

int Edit::DisplayX(size_t display_pos) const {
  RebuildLayout();
  auto it = std::lower_bound(offsets_.begin(), offsets_.end(), display_pos);
  if (it == offsets_.end()) return xs_.back();
  return xs_[static_cast<size_t>(it - offsets_.begin())];
}

int Edit::TextWidthNow() const {
  RebuildLayout();
  return xs_.back();
}

int Edit::AlignOffset() const {
  int room = TextArea().Width() - TextWidthNow() - 1;
  if (room <= 0 || alignment_ == TextAlignment::kLeft) return 0;
  return alignment_ == TextAlignment::kRight ? room : room / 2;
}

int Edit::LineHeight() const { return GetFont().TextHeight(); }

int Edit::LineTop() const {
  gfx::Rect area = TextArea();
  return area.top + std::max(0, (area.Height() - LineHeight()) / 2);
}

int Edit::XOfPos(size_t pos) const {
  return TextArea().left + AlignOffset() - scroll_x_ + DisplayX(DisplayPos(model_.Snap(pos)));
}

size_t Edit::PosAtX(int x) const {
  RebuildLayout();
  const int tx = x - TextArea().left - AlignOffset() + scroll_x_;
  auto it = std::lower_bound(xs_.begin(), xs_.end(), tx);
  size_t i = static_cast<size_t>(it - xs_.begin());
  if (i >= xs_.size()) i = xs_.size() - 1;
  if (i > 0 && tx - xs_[i - 1] < xs_[i] - tx) --i;
  size_t display = offsets_[i];
  // A point inside the composition counts as the caret; after it, as the text that follows.
  const size_t caret = model_.Caret();
  if (!composition_.empty() && display > caret) {
    display = display < caret + composition_.size() ? caret : display - composition_.size();
  }
  // Between a base and its marks the nearer end of the cluster wins.
  size_t before = model_.Snap(display);
  if (before == display) return display;
  size_t after = model_.NextBoundary(before);
  int xb = DisplayX(DisplayPos(before));
  int xa = DisplayX(DisplayPos(after));
  return tx - xb <= xa - tx ? before : after;
}

gfx::Rect Edit::CaretRect() const {
  size_t display = DisplayPos(model_.Caret());
  if (!composition_.empty()) display = model_.Caret() + composition_cursor_;
  int x = TextArea().left + AlignOffset() - scroll_x_ + DisplayX(display);
  int top = LineTop();
  return {x, top, x + 1, top + LineHeight()};
}

void Edit::ScrollToCaret() {
  const gfx::Rect area = TextArea();
  const int w = area.Width();
  const int total = TextWidthNow();
  if (total < w || w <= 0) {
    scroll_x_ = 0;
    return;
  }
  size_t display = DisplayPos(model_.Caret());
  if (!composition_.empty()) display = model_.Caret() + composition_cursor_;
  const int cx = DisplayX(display);
  // Jumps by a quarter of the width, so typing at the edge does not scroll at every character.
  if (cx < scroll_x_) scroll_x_ = std::max(0, cx - w / 4);
  if (cx >= scroll_x_ + w) scroll_x_ = cx - w + 1 + w / 4;
  scroll_x_ = std::clamp(scroll_x_, 0, std::max(0, total - w + 1));
}

void Edit::CaretChanged() {
  int old_scroll = scroll_x_;
  ScrollToCaret();
  if (scroll_x_ != old_scroll) InvalidateLine();
  if (!HasFocus()) return;
  InvalidateRect(CaretRect());
  caret_on_ = true;
  InvalidateRect(CaretRect());
  SetTimer(kCaretTimer, kCaretBlinkMs);
  gfx::Rect ime = CaretRect();
  if (ime != last_ime_rect_) {
    last_ime_rect_ = ime;
    if (Form* f = ParentForm()) f->UpdateTextInput();
  }
}

void Edit::InvalidateLine() {
  gfx::Rect in = FrameInsets();
  InvalidateRect({in.left, in.top, Width() - in.right, Height() - in.bottom});
}

// --- painting ---

void Edit::EraseBackground(gfx::Canvas&) {}

void Edit::PaintFrame(gfx::Canvas& canvas) {
  if (!transparent_text_) canvas.FillRect({0, 0, Width(), Height()}, GetColor());
  if (!border_) return;
  gfx::Rect r{0, 0, Width(), Height()};
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

gfx::Color Edit::TextColor() const { return EffectivelyEnabled() ? GetFont().Color() : kColorGrayText; }

void Edit::Paint(gfx::Canvas& canvas) {
  PaintFrame(canvas);
  RebuildLayout();
  gfx::CanvasSaver saver(canvas);
  gfx::Rect in = FrameInsets();
  canvas.IntersectClip({in.left, in.top, Width() - in.right, Height() - in.bottom});
  const gfx::Rect area = TextArea();
  const int x0 = area.left + AlignOffset() - scroll_x_;
  const int top = LineTop();
  const int lh = LineHeight();
  gfx::Font font = GetFont();
  font.SetColor(TextColor());
  canvas.SetFont(font);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  // Only the characters inside the clip are drawn, so a megabyte of text costs a screenful.
  const gfx::Rect clip = canvas.ClipBounds();
  auto first = std::upper_bound(xs_.begin(), xs_.end(), clip.left - x0);
  size_t i0 = first == xs_.begin() ? 0 : static_cast<size_t>(first - xs_.begin()) - 1;
  auto last = std::lower_bound(xs_.begin(), xs_.end(), clip.right - x0);
  size_t i1 = std::min(static_cast<size_t>(last - xs_.begin()) + 1, xs_.size() - 1);
  std::string display = composition_.empty()
                            ? std::string()
                            : model_.Text().substr(0, model_.Caret()) + composition_ + model_.Text().substr(model_.Caret());
  const std::string& shown = composition_.empty() ? model_.Text() : display;
  // Begin at a cluster start so a mark is never drawn without its base.
  auto mark_at = [&](size_t i) {
    size_t p = offsets_[i];
    return p < shown.size() && IsCombiningMark(gfx::DecodeUtf8At(shown, p));
  };
  while (i0 > 0 && mark_at(i0)) --i0;
  while (i1 < xs_.size() - 1 && mark_at(i1)) ++i1;
  auto draw_range = [&](size_t a, size_t b) {
    if (a >= b) return;
    canvas.TextOut(x0 + xs_[a], top, std::string_view(shown).substr(offsets_[a], offsets_[b] - offsets_[a]));
  };
  draw_range(i0, i1);
  const bool show_sel = model_.HasSelection() && composition_.empty() && (HasFocus() || !hide_selection_);
  if (show_sel) {
    const int sx = x0 + DisplayX(model_.SelStart());
    const int ex = x0 + DisplayX(model_.SelEnd());
    gfx::CanvasSaver sel(canvas);
    canvas.IntersectClip({sx, top, ex, top + lh});
    canvas.FillRect({sx, top, ex, top + lh}, HasFocus() ? kColorHighlight : kColorBtnFace);
    font.SetColor(HasFocus() ? kHighlightText : TextColor());
    canvas.SetFont(font);
    draw_range(i0, i1);
  }
  if (!composition_.empty()) {
    // The composition is underlined where it stands, so the user sees it is not committed yet.
    const int sx = x0 + DisplayX(model_.Caret());
    const int ex = x0 + DisplayX(model_.Caret() + composition_.size());
    canvas.FillRect({sx, top + lh - 1, ex, top + lh}, TextColor());
  }
  if (HasFocus() && caret_on_) {
    gfx::Rect c = CaretRect();
    canvas.FillRect(c, TextColor());
  }
}

// --- messages ---

void Edit::WndProc(Message& m) {
  if (m.id == kMsgImeComposition) {
    Composition(m.Text(), m.CompositionCursor());
    return;
  }
  WinControl::WndProc(m);
}

void Edit::Composition(const char* text, int32_t cursor) {
  std::string comp = text != nullptr ? SingleLine(SanitizeUtf8(text)) : std::string();
  if (read_only_) comp.clear();
  if (comp.empty() && composition_.empty()) return;
  composition_ = std::move(comp);
  size_t c = std::clamp<size_t>(static_cast<size_t>(std::max(0, cursor)), 0, composition_.size());
  while (c > 0 && c < composition_.size() && (static_cast<unsigned char>(composition_[c]) & 0xC0) == 0x80) --c;
  composition_cursor_ = c;
  layout_valid_ = false;
  CaretChanged();
  InvalidateLine();
}

bool Edit::WantsKey(uint16_t key) const {
  return key != platform::kVkTab && key != platform::kVkReturn && key != platform::kVkEscape;
}

void Edit::KeyDown(uint16_t& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == 0) return;
  const bool ctrl = Has(shift, kCtrl);
  const bool ext = Has(shift, kShift);
  const size_t caret = model_.Caret();
  auto move = [&](size_t pos) {
    // An arrow without Shift first collapses a selection to its side.
    model_.MoveCaret(pos, ext);
    CaretChanged();
    InvalidateLine();
    if (ext) SetPrimaryFromSelection();
    key = 0;
  };
  switch (key) {
    case platform::kVkLeft:
      if (!ext && !ctrl && model_.HasSelection()) return move(model_.SelStart());
      return move(ctrl ? model_.PrevWordStart(caret) : model_.PrevBoundary(caret));
    case platform::kVkRight:
      if (!ext && !ctrl && model_.HasSelection()) return move(model_.SelEnd());
      return move(ctrl ? model_.NextWordStart(caret) : model_.NextBoundary(caret));
    case platform::kVkHome:
    case platform::kVkUp:
      return move(0);
    case platform::kVkEnd:
    case platform::kVkDown:
      return move(Text().size());
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
    case platform::kVkReturn:
    case platform::kVkEscape: {
      // The field takes no Enter or Escape itself; OnKeyPress still hears them, then the form.
      char32_t ch = key == platform::kVkReturn ? 13 : 27;
      WinControl::KeyPress(ch);
      if (ch == 0) key = 0;
      return;
    }
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

void Edit::KeyPress(char32_t& ch) {
  WinControl::KeyPress(ch);
  if (ch < 0x20 || ch == 0x7F) return;
  if (read_only_) return;
  std::string s;
  gfx::AppendUtf8(s, ch);
  InsertTyped(s);
}

void Edit::InsertTyped(std::string_view text) {
  // Committed input method text ends the composition it replaces.
  if (!composition_.empty()) {
    composition_.clear();
    layout_valid_ = false;
  }
  EditedByUser(model_.ReplaceSelection(SingleLine(text), true));
}

void Edit::EditedByUser(bool changed) {
  if (changed) layout_valid_ = false;
  CaretChanged();
  InvalidateLine();
  if (changed) Change();
}

void Edit::Change() {
  if (OnChange) OnChange(this);
}

void Edit::SetPrimaryFromSelection() {
  if (model_.HasSelection()) platform::GetBackend().SetPrimarySelectionText(model_.SelectedText());
}

void Edit::OpenContextMenuAt(gfx::Point screen) {
  if (PopupMenu* menu = GetPopupMenu()) {
    menu->SetPopupComponent(this);
    menu->Popup(screen.x, screen.y);
    return;
  }
  DefaultContextMenu(screen);
}

void Edit::FillContextMenu(MenuItem& root) {
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

// --- mouse ---

void Edit::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (button == MouseButton::kLeft) {
    if (Has(shift, kDouble)) {
      auto [a, b] = model_.WordAt(PosAtX(x));
      SetSel(a, b);
      SetPrimaryFromSelection();
      dragging_ = false;
      return;
    }
    model_.MoveCaret(PosAtX(x), Has(shift, kShift));
    dragging_ = true;
    pressed_by_mouse_ = true;
    CaretChanged();
    InvalidateLine();
    return;
  }
  if (button == MouseButton::kMiddle && !read_only_) {
    // The X convention: a middle click pastes the primary selection where it points.
    std::string text = platform::GetBackend().PrimarySelectionText();
    if (text.empty()) return;
    model_.MoveCaret(PosAtX(x), false);
    EditedByUser(model_.ReplaceSelection(SingleLine(text)));
  }
}

void Edit::MouseMove(ShiftState shift, int x, int y) {
  WinControl::MouseMove(shift, x, y);
  if (!dragging_ || !Has(shift, kLeftHeld)) return;
  size_t pos = PosAtX(x);
  if (pos == model_.Caret()) return;
  model_.MoveCaret(pos, true);
  CaretChanged();
  InvalidateLine();
}

void Edit::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  // The selection is the primary selection before OnMouseUp hears of the release.
  if (button == MouseButton::kLeft && dragging_) {
    dragging_ = false;
    SetPrimaryFromSelection();
  }
  WinControl::MouseUp(button, shift, x, y);
}

// --- focus, timer, state ---

void Edit::DoEnter() {
  // A click places the caret itself; the keyboard (Tab) selects everything when asked to.
  const bool by_mouse = platform::GetBackend().IsKeyDown(platform::kVkLButton);
  if (auto_select_ && !by_mouse) model_.SelectAll();
  has_focus_ = true;
  WinControl::DoEnter();
  last_ime_rect_ = {};
  CaretChanged();
}

void Edit::DoExit() {
  has_focus_ = false;
  KillTimer(kCaretTimer);
  caret_on_ = false;
  if (!composition_.empty()) {
    composition_.clear();
    layout_valid_ = false;
  }
  WinControl::DoExit();
}

void Edit::TimerTick(uintptr_t id) {
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

void Edit::FontChanged() {
  WinControl::FontChanged();
  ascii_widths_valid_ = false;
  layout_valid_ = false;
  CaretChanged();
  Invalidate();
}

void Edit::EnabledChanged() {
  WinControl::EnabledChanged();
  Invalidate();
}

void Edit::Resize() {
  WinControl::Resize();
  CaretChanged();
  Invalidate();
}

}  // namespace ui
