// Edit: the toolkit's single-line text field (caret, selection, clipboard, undo, input methods).
#include "ui/Edit.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "platform/Backend.h"
#include "ui/KeyCodes.h"

namespace ui {

namespace {

constexpr gfx::Color kHighlightText = gfx::kWhite;

}  // namespace

Edit::Edit() { SetBounds(0, 0, 121, 21); }

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
  std::string line = SingleLine(text);
  // Setting the text it already has is no change: nothing moves and OnChange stays quiet.
  if (line == Text()) return;
  Model().SetText(std::move(line));
  DropComposition();
  layout_valid_ = false;
  scroll_x_ = 0;
  CaretChanged();
  Invalidate();
  Change();
}

void Edit::SetSelText(std::string_view text) {
  if (Model().ReplaceSelection(SingleLine(text))) EditedByUser(true);
}

void Edit::AlignmentChanged() {
  CaretChanged();
  Invalidate();
}

void Edit::BorderChanged() {
  CaretChanged();
  Invalidate();
}

void Edit::SetMargins(int left, int right) {
  left_margin_ = std::max(0, left);
  right_margin_ = std::max(0, right);
  CaretChanged();
  Invalidate();
}

void Edit::SetHideSelection(bool v) {
  hide_selection_ = v;
  InvalidateText();
}

// --- layout ---

gfx::Rect Edit::TextArea() const {
  gfx::Rect in = FrameInsets();
  return {in.left + left_margin_, in.top, std::max(in.left + left_margin_, Width() - in.right - right_margin_),
          std::max(in.top, Height() - in.bottom)};
}

void Edit::RebuildLayout() const {
  if (layout_valid_) return;
  const std::string& text = Model().Text();
  const std::string& composition = CompositionText();
  const size_t caret = Model().Caret();
  offsets_.clear();
  xs_.clear();
  offsets_.reserve(text.size() + composition.size() + 1);
  xs_.reserve(text.size() + composition.size() + 1);
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
  walk(composition, 0, composition.size());
  walk(text, caret, text.size());
  offsets_.push_back(display);
  xs_.push_back(x);
  layout_valid_ = true;
}

size_t Edit::DisplayPos(size_t model_pos) const {
  if (CompositionText().empty() || model_pos <= Model().Caret()) return model_pos;
  return model_pos + CompositionText().size();
}

size_t Edit::CaretDisplayPos() const {
  if (CompositionText().empty()) return DisplayPos(Model().Caret());
  return Model().Caret() + CompositionCursor();
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
  if (room <= 0 || Alignment() == TextAlignment::kLeft) return 0;
  return Alignment() == TextAlignment::kRight ? room : room / 2;
}

int Edit::LineHeight() const { return GetFont().TextHeight(); }

int Edit::LineTop() const {
  gfx::Rect area = TextArea();
  return area.top + std::max(0, (area.Height() - LineHeight()) / 2);
}

int Edit::XOfPos(size_t pos) const {
  return TextArea().left + AlignOffset() - scroll_x_ + DisplayX(DisplayPos(Model().Snap(pos)));
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
  const size_t caret = Model().Caret();
  const size_t composition = CompositionText().size();
  if (composition > 0 && display > caret) {
    display = display < caret + composition ? caret : display - composition;
  }
  // Between a base and its marks the nearer end of the cluster wins.
  size_t before = Model().Snap(display);
  if (before == display) return display;
  size_t after = Model().NextBoundary(before);
  int xb = DisplayX(DisplayPos(before));
  int xa = DisplayX(DisplayPos(after));
  return tx - xb <= xa - tx ? before : after;
}

gfx::Rect Edit::CaretRect() const {
  int x = TextArea().left + AlignOffset() - scroll_x_ + DisplayX(CaretDisplayPos());
  int top = LineTop();
  return {x, top, x + 1, top + LineHeight()};
}

void Edit::ScrollToCaret() {
  const int w = TextArea().Width();
  const int total = TextWidthNow();
  if (total < w || w <= 0) {
    scroll_x_ = 0;
    return;
  }
  scroll_x_ = ScrollToShow(scroll_x_, DisplayX(CaretDisplayPos()), w);
  scroll_x_ = std::clamp(scroll_x_, 0, std::max(0, total - w + 1));
}

void Edit::CaretChanged() {
  int old_scroll = scroll_x_;
  ScrollToCaret();
  if (scroll_x_ != old_scroll) InvalidateText();
  ShowCaret();
}

void Edit::InvalidateText() {
  gfx::Rect in = FrameInsets();
  InvalidateRect({in.left, in.top, Width() - in.right, Height() - in.bottom});
}

// --- painting ---

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
  const TextEditModel& model = Model();
  const std::string& composition = CompositionText();
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
  std::string display = composition.empty()
                            ? std::string()
                            : model.Text().substr(0, model.Caret()) + composition + model.Text().substr(model.Caret());
  const std::string& shown = composition.empty() ? model.Text() : display;
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
  const bool show_sel = model.HasSelection() && composition.empty() && (HasFocus() || !hide_selection_);
  if (show_sel) {
    const int sx = x0 + DisplayX(model.SelStart());
    const int ex = x0 + DisplayX(model.SelEnd());
    gfx::CanvasSaver sel(canvas);
    canvas.IntersectClip({sx, top, ex, top + lh});
    canvas.FillRect({sx, top, ex, top + lh}, HasFocus() ? kColorHighlight : kColorBtnFace);
    font.SetColor(HasFocus() ? kHighlightText : TextColor());
    canvas.SetFont(font);
    draw_range(i0, i1);
  }
  if (!composition.empty()) {
    // The composition is underlined where it stands, so the user sees it is not committed yet.
    const int sx = x0 + DisplayX(model.Caret());
    const int ex = x0 + DisplayX(model.Caret() + composition.size());
    canvas.FillRect({sx, top + lh - 1, ex, top + lh}, TextColor());
  }
  if (HasFocus() && CaretShown()) {
    gfx::Rect c = CaretRect();
    canvas.FillRect(c, TextColor());
  }
}

// --- keys ---

bool Edit::WantsKey(uint16_t key) const {
  return key != platform::kVkTab && key != platform::kVkReturn && key != platform::kVkEscape;
}

bool Edit::NavigationKey(uint16_t& key, ShiftState shift) {
  TextEditModel& model = Model();
  const bool ctrl = Has(shift, kCtrl);
  const bool ext = Has(shift, kShift);
  const size_t caret = model.Caret();
  auto move = [&](size_t pos) {
    // An arrow without Shift first collapses a selection to its side.
    model.MoveCaret(pos, ext);
    CaretChanged();
    InvalidateText();
    if (ext) SetPrimaryFromSelection();
    key = 0;
    return true;
  };
  switch (key) {
    case platform::kVkLeft:
      if (!ext && !ctrl && model.HasSelection()) return move(model.SelStart());
      return move(ctrl ? model.PrevWordStart(caret) : model.PrevBoundary(caret));
    case platform::kVkRight:
      if (!ext && !ctrl && model.HasSelection()) return move(model.SelEnd());
      return move(ctrl ? model.NextWordStart(caret) : model.NextBoundary(caret));
    case platform::kVkHome:
    case platform::kVkUp:
      return move(0);
    case platform::kVkEnd:
    case platform::kVkDown:
      return move(Text().size());
    case platform::kVkReturn:
    case platform::kVkEscape: {
      // The field takes no Enter or Escape itself; OnKeyPress still hears them, then the form.
      char32_t ch = key == platform::kVkReturn ? 13 : 27;
      WinControl::KeyPress(ch);
      if (ch == 0) key = 0;
      return true;
    }
    default:
      return false;
  }
}

void Edit::EditedByUser(bool changed) {
  if (changed) layout_valid_ = false;
  CaretChanged();
  InvalidateText();
  if (changed) Change();
}

// --- focus and state ---

void Edit::DoEnter() {
  // A click places the caret itself; the keyboard (Tab) selects everything when asked to.
  const bool by_mouse = platform::GetBackend().IsKeyDown(platform::kVkLButton);
  if (auto_select_ && !by_mouse) Model().SelectAll();
  TextField::DoEnter();
  CaretChanged();
}

void Edit::FontChanged() {
  TextField::FontChanged();
  layout_valid_ = false;
  CaretChanged();
  Invalidate();
}

void Edit::Resize() {
  WinControl::Resize();
  CaretChanged();
  Invalidate();
}

}  // namespace ui
