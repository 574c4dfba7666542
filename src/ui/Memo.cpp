// Memo: the toolkit's multi-line text field with word wrap, scrolling and a built-in vertical bar.
#include "ui/Memo.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "ui/KeyCodes.h"
#include "ui/ScrollBar.h"

namespace ui {

namespace {

bool IsBreakSpace(char32_t c) { return c == ' ' || c == 0x3000; }

}  // namespace

Memo::Memo() {
  SetBounds(0, 0, 185, 89);
  vbar_ = MakeChild<ScrollBar>(nullptr, ScrollAxis::kVertical);
  vbar_->SetTabStop(false);
  vbar_->SetCursor(Cursor::kArrow);
  vbar_->OnScroll = [this](ScrollCode code, int32_t position) {
    if (code == kSbEndScroll) return;
    SetTop(static_cast<size_t>(std::max(0, position)));
  };
  Resize();
}

Memo::~Memo() = default;

std::string Memo::Normalize(std::string_view text) {
  std::string clean = SanitizeUtf8(text);
  std::string out;
  out.reserve(clean.size());
  for (size_t i = 0; i < clean.size(); ++i) {
    const char c = clean[i];
    if (c == '\r') {
      out.push_back('\n');
      if (i + 1 < clean.size() && clean[i + 1] == '\n') ++i;
    } else if (c == '\t') {
      out.push_back(' ');
    } else if (c == '\n' || static_cast<unsigned char>(c) >= 0x20) {
      if (c != 0x7F) out.push_back(c);
    }
  }
  return out;
}

void Memo::SetText(std::string_view text) {
  Model().SetText(Normalize(text));
  DropComposition();
  lines_valid_ = false;
  top_line_ = 0;
  scroll_x_ = 0;
  UpdateBar();
  CaretChanged();
  InvalidateText();
  Change();
}

std::vector<std::string> Memo::Lines() const {
  std::vector<std::string> out;
  const std::string& t = Text();
  size_t start = 0;
  while (true) {
    size_t nl = t.find('\n', start);
    out.push_back(t.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return out;
}

void Memo::AppendLine(std::string_view line) {
  std::string t = Text();
  if (!t.empty()) t += '\n';
  t += line;
  SetText(t);
}

void Memo::SetSelText(std::string_view text) { EditedByUser(Model().ReplaceSelection(Normalize(text))); }

void Memo::SetWordWrap(bool v) {
  word_wrap_ = v;
  lines_valid_ = false;
  scroll_x_ = 0;
  UpdateBar();
  CaretChanged();
  InvalidateText();
}

void Memo::SetShowScrollBar(bool v) {
  show_bar_ = v;
  Resize();
}

// --- layout ---

gfx::Rect Memo::TextArea() const {
  gfx::Rect in = FrameInsets();
  int right = Width() - in.right - (show_bar_ ? ScrollBar::kBreadth : 0);
  return {in.left + 2, in.top + 1, std::max(in.left + 2, right - 2), std::max(in.top + 1, Height() - in.bottom)};
}

int Memo::LineHeight() const { return std::max(1, GetFont().TextHeight()); }

size_t Memo::VisibleLineCount() const {
  return std::max<size_t>(1, static_cast<size_t>(TextArea().Height() / LineHeight()));
}

void Memo::WrapParagraph(size_t start, size_t end, int width) const {
  const std::string& t = Model().Text();
  size_t line_start = start;
  int x = 0;
  size_t last_break = 0;  // a position a line may end at (0: none yet)
  char32_t prev = 0;
  size_t pos = start;
  while (pos < end) {
    size_t next = pos;
    char32_t c = gfx::DecodeUtf8At(t, next);
    // A base keeps its marks: the cluster is measured and broken as one.
    while (next < end) {
      size_t p = next;
      if (!IsCombiningMark(gfx::DecodeUtf8At(t, p))) break;
      next = p;
    }
    if (pos > line_start && !gfx::IsNoBreakBefore(c) &&
        (IsBreakSpace(prev) || gfx::IsCjkBreakable(c) || gfx::IsCjkBreakable(prev))) {
      last_break = pos;
    }
    int w = 0;
    for (size_t p = pos; p < next;) w += CharAdvance(gfx::DecodeUtf8At(t, p));
    if (x + w > width && pos > line_start && !IsBreakSpace(c)) {
      size_t cut = last_break > line_start ? last_break : pos;
      lines_.push_back({line_start, cut});
      line_start = cut;
      last_break = 0;
      x = 0;
      for (size_t p = cut; p < pos;) x += CharAdvance(gfx::DecodeUtf8At(t, p));
    }
    x += w;
    prev = c;
    pos = next;
  }
  lines_.push_back({line_start, end});
}

void Memo::RelayoutChange() const {
  if (!lines_valid_) return;
  const TextEditModel::Change c = Model().LastChange();
  // The paragraphs the change touched, in the old lines: wrapped lines follow each other without
  // a gap, paragraphs have their line break between them.
  auto line_of = [this](size_t pos) {
    auto it = std::upper_bound(lines_.begin(), lines_.end(), pos, [](size_t p, const Line& l) { return p < l.start; });
    return it == lines_.begin() ? size_t{0} : static_cast<size_t>(it - lines_.begin()) - 1;
  };
  size_t first = line_of(c.pos);
  while (first > 0 && lines_[first - 1].end == lines_[first].start) --first;
  size_t last = line_of(c.pos + c.removed);
  while (last + 1 < lines_.size() && lines_[last].end == lines_[last + 1].start) ++last;
  const size_t start = lines_[first].start;
  const size_t end = lines_[last].end + c.inserted - c.removed;
  std::vector<Line> tail(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1, lines_.end());
  lines_.resize(first);
  const std::string& t = Model().Text();
  size_t from = start;
  while (true) {
    size_t nl = t.find('\n', from);
    size_t stop = nl == std::string::npos || nl > end ? end : nl;
    if (word_wrap_ && wrap_width_ > 0) {
      WrapParagraph(from, stop, wrap_width_);
    } else {
      lines_.push_back({from, stop});
    }
    if (stop == end) break;
    from = stop + 1;
  }
  for (Line l : tail) lines_.push_back({l.start + c.inserted - c.removed, l.end + c.inserted - c.removed});
}

void Memo::RebuildLines() const {
  if (lines_valid_) return;
  lines_.clear();
  const std::string& t = Model().Text();
  wrap_width_ = TextArea().Width();
  size_t start = 0;
  while (true) {
    size_t nl = t.find('\n', start);
    size_t end = nl == std::string::npos ? t.size() : nl;
    if (word_wrap_ && wrap_width_ > 0) {
      WrapParagraph(start, end, wrap_width_);
    } else {
      lines_.push_back({start, end});
    }
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  lines_valid_ = true;
}

size_t Memo::LineCount() const {
  RebuildLines();
  return lines_.size();
}

size_t Memo::LineOfPos(size_t pos) const {
  RebuildLines();
  // The last line starting at or before pos; a wrapped line's end belongs to the next line.
  auto it = std::upper_bound(lines_.begin(), lines_.end(), pos, [](size_t p, const Line& l) { return p < l.start; });
  return it == lines_.begin() ? 0 : static_cast<size_t>(it - lines_.begin()) - 1;
}

size_t Memo::LineStart(size_t line) const {
  RebuildLines();
  return lines_[std::min(line, lines_.size() - 1)].start;
}

size_t Memo::LineEnd(size_t line) const {
  RebuildLines();
  return lines_[std::min(line, lines_.size() - 1)].end;
}

int Memo::XInLine(size_t line, size_t pos) const {
  const std::string& t = Model().Text();
  const size_t start = LineStart(line);
  pos = std::clamp(pos, start, LineEnd(line));
  int x = 0;
  const size_t caret = Model().Caret();
  for (size_t p = start; p < pos;) x += CharAdvance(gfx::DecodeUtf8At(t, p));
  if (caret >= start && caret <= LineEnd(line) && pos > caret) x += CompositionWidth(CompositionText().size());
  return x;
}

int Memo::CompositionWidth(size_t end) const {
  const std::string& composition = CompositionText();
  int w = 0;
  for (size_t q = 0; q < end;) w += CharAdvance(gfx::DecodeUtf8At(composition, q));
  return w;
}

int Memo::LineWidth(size_t line) const { return XInLine(line, LineEnd(line)); }

int Memo::AlignOffset(size_t line) const {
  const int room = TextArea().Width() - LineWidth(line) - 1;
  if (room <= 0 || Alignment() == TextAlignment::kLeft) return 0;
  return Alignment() == TextAlignment::kRight ? room : room / 2;
}

gfx::Point Memo::PointOfPos(size_t pos) const {
  const size_t line = LineOfPos(pos);
  const gfx::Rect area = TextArea();
  const int y = area.top + (static_cast<int>(line) - static_cast<int>(top_line_)) * LineHeight();
  return {area.left + AlignOffset(line) - scroll_x_ + XInLine(line, pos), y};
}

size_t Memo::PosAtPoint(gfx::Point p) const {
  RebuildLines();
  const gfx::Rect area = TextArea();
  int row = (p.y - area.top) / LineHeight();
  if (p.y < area.top) row = -1;
  const long line_l = std::clamp<long>(static_cast<long>(top_line_) + row, 0, static_cast<long>(lines_.size()) - 1);
  const size_t line = static_cast<size_t>(line_l);
  const int tx = p.x - area.left - AlignOffset(line) + scroll_x_;
  const std::string& t = Model().Text();
  size_t pos = LineStart(line);
  const size_t end = LineEnd(line);
  int x = 0;
  while (pos < end) {
    size_t next = Model().NextBoundary(pos);
    int w = 0;
    for (size_t q = pos; q < next;) w += CharAdvance(gfx::DecodeUtf8At(t, q));
    if (tx < x + w / 2) break;
    x += w;
    pos = std::min(next, end);
  }
  return pos;
}

gfx::Rect Memo::CaretRect() const {
  gfx::Point p = PointOfPos(Model().Caret());
  if (!CompositionText().empty()) p.x += CompositionWidth(CompositionCursor());
  return {p.x, p.y, p.x + 1, p.y + LineHeight()};
}

ScrollInfo Memo::VScrollInfo() const {
  ScrollInfo info;
  info.min = 0;
  info.max = static_cast<int32_t>(LineCount()) - 1;
  info.page = static_cast<int32_t>(VisibleLineCount());
  info.position = static_cast<int32_t>(top_line_);
  return info;
}

void Memo::UpdateBar() {
  vbar_->SetInfo(VScrollInfo());
}

void Memo::SetTop(size_t line) {
  const size_t count = LineCount();
  const size_t page = VisibleLineCount();
  const size_t max_top = count > page ? count - page : 0;
  line = std::min(line, max_top);
  if (line == top_line_) return;
  top_line_ = line;
  UpdateBar();
  InvalidateText();
  Scrolled();
}

void Memo::ScrollToLine(size_t line) { SetTop(line); }

void Memo::VScroll(ScrollCode code, int32_t thumb) {
  SetTop(static_cast<size_t>(std::max(0, ScrolledPosition(VScrollInfo(), code, thumb))));
}

void Memo::ScrollToCaret() {
  const size_t line = LineOfPos(Model().Caret());
  const size_t page = VisibleLineCount();
  if (line < top_line_) SetTop(line);
  if (line >= top_line_ + page) SetTop(line - page + 1);
  if (word_wrap_) {
    scroll_x_ = 0;
    return;
  }
  const int old = scroll_x_;
  scroll_x_ = ScrollToShow(scroll_x_, XInLine(line, Model().Caret()), TextArea().Width());
  if (scroll_x_ != old) InvalidateText();
}

void Memo::CaretChanged() {
  ScrollToCaret();
  ShowCaret();
}

void Memo::InvalidateText() {
  gfx::Rect in = FrameInsets();
  InvalidateRect({in.left, in.top, Width() - in.right - (show_bar_ ? ScrollBar::kBreadth : 0), Height() - in.bottom});
}

void Memo::InvalidateLines(size_t from, size_t to) {
  const gfx::Rect area = TextArea();
  const long top = area.top + (static_cast<long>(from) - static_cast<long>(top_line_)) * LineHeight();
  const long bottom = area.top + (static_cast<long>(to) + 1 - static_cast<long>(top_line_)) * LineHeight();
  gfx::Rect in = FrameInsets();
  InvalidateRect({in.left, static_cast<int>(std::max<long>(top, in.top)), area.right + 2,
                  static_cast<int>(std::min<long>(bottom, Height()))});
}

void Memo::EditedByUser(bool changed) {
  const size_t lines_before = lines_valid_ ? lines_.size() : 0;
  const size_t caret_line_before = LineOfPos(Model().Caret());
  // Only the paragraphs the change touched are laid out again.
  if (changed) RelayoutChange();
  const size_t caret_line = LineOfPos(Model().Caret());
  const size_t old_top = top_line_;
  if (changed) UpdateBar();
  CaretChanged();
  // Typing that leaves the number of lines as it was redraws only the lines it touched.
  if (changed && LineCount() == lines_before && top_line_ == old_top && scroll_x_ == 0) {
    InvalidateLines(std::min(caret_line_before, caret_line), std::max(caret_line_before, caret_line));
  } else {
    InvalidateText();
  }
  if (changed) Change();
}

void Memo::Scrolled() {
  if (OnScrolled) OnScrolled(this);
}

// --- painting ---

void Memo::Paint(gfx::Canvas& canvas) {
  PaintFrame(canvas);
  RebuildLines();
  gfx::CanvasSaver saver(canvas);
  const gfx::Rect in = FrameInsets();
  const gfx::Rect area = TextArea();
  canvas.IntersectClip({in.left, in.top, area.right + 2, Height() - in.bottom});
  gfx::Font font = GetFont();
  font.SetColor(TextColor());
  canvas.SetFont(font);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const int lh = LineHeight();
  const gfx::Rect clip = canvas.ClipBounds();
  const std::string& t = Model().Text();
  const size_t caret = Model().Caret();
  const std::string& composition = CompositionText();
  const bool show_sel = Model().HasSelection() && composition.empty() && HasFocus();
  // Only the lines inside the clip are visited, so a long text costs a screenful.
  size_t first = top_line_ + static_cast<size_t>(std::max(0, (clip.top - area.top) / lh));
  size_t last = std::min(lines_.size(), top_line_ + static_cast<size_t>(std::max(0, (clip.bottom - area.top + lh - 1) / lh)));
  for (size_t i = first; i < last; ++i) {
    const Line& l = lines_[i];
    const int y = area.top + static_cast<int>(i - top_line_) * lh;
    const int x0 = area.left + AlignOffset(i) - scroll_x_;
    std::string shown = t.substr(l.start, l.end - l.start);
    const bool composing_here = !composition.empty() && caret >= l.start && caret <= l.end;
    if (composing_here) shown.insert(caret - l.start, composition);
    canvas.Font().SetColor(TextColor());
    canvas.TextOut(x0, y, shown);
    if (show_sel && Model().SelStart() <= l.end && Model().SelEnd() >= l.start) {
      const size_t a = std::max(Model().SelStart(), l.start);
      const size_t b = std::min(Model().SelEnd(), l.end);
      int sx = x0 + XInLine(i, a);
      int ex = x0 + XInLine(i, b);
      // A selected line break shows as a little space at the line's end.
      if (Model().SelEnd() > l.end && l.end < t.size()) ex += CharAdvance(' ');
      gfx::CanvasSaver sel(canvas);
      canvas.IntersectClip({sx, y, ex, y + lh});
      canvas.FillRect({sx, y, ex, y + lh}, kColorHighlight);
      canvas.Font().SetColor(gfx::kWhite);
      canvas.TextOut(x0, y, shown);
    }
    if (composing_here) {
      const int sx = x0 + XInLine(i, caret);
      canvas.FillRect({sx, y + lh - 1, sx + CompositionWidth(composition.size()), y + lh}, TextColor());
    }
  }
  if (HasFocus() && CaretShown()) canvas.FillRect(CaretRect(), TextColor());
}

// --- messages and keys ---

void Memo::WndProc(Message& m) {
  if (m.id == kMsgFocusChanged && m.FocusedControl() == vbar_ && CanFocus()) {
    // The built-in bar is part of the field: a press on it leaves the focus with the text.
    SetFocus();
    return;
  }
  if (m.id == kMsgVScroll) {
    VScroll(static_cast<ScrollCode>(m.wparam & 0xFFFF), HighSigned(m.wparam));
    return;
  }
  TextField::WndProc(m);
}

void Memo::InvalidateCaretLine() {
  const size_t line = LineOfPos(Model().Caret());
  InvalidateLines(line, line);
}

bool Memo::WantsKey(uint16_t key) const {
  if (key == platform::kVkTab) return want_tabs_;
  if (key == platform::kVkReturn) return want_returns_;
  return key != platform::kVkEscape;
}

void Memo::MoveTo(size_t pos, bool extend, bool keep_column) {
  if (!keep_column) column_x_ = -1;
  Model().MoveCaret(pos, extend);
  CaretChanged();
  InvalidateText();
  if (extend) SetPrimaryFromSelection();
}

bool Memo::NavigationKey(uint16_t& key, ShiftState shift) {
  const bool ctrl = Has(shift, kCtrl);
  const bool ext = Has(shift, kShift);
  const size_t caret = Model().Caret();
  const size_t line = LineOfPos(caret);
  auto vertical = [&](long lines) {
    if (column_x_ < 0) column_x_ = XInLine(line, caret);
    const long target = std::clamp<long>(static_cast<long>(line) + lines, 0, static_cast<long>(LineCount()) - 1);
    const gfx::Rect area = TextArea();
    const int y = area.top + static_cast<int>(target - static_cast<long>(top_line_)) * LineHeight();
    if (target < static_cast<long>(top_line_) || target >= static_cast<long>(top_line_ + VisibleLineCount())) {
      // Off screen: measure on the target line directly.
      const size_t keep = top_line_;
      top_line_ = static_cast<size_t>(target);
      size_t p = PosAtPoint({area.left + AlignOffset(static_cast<size_t>(target)) - scroll_x_ + column_x_, area.top});
      top_line_ = keep;
      MoveTo(p, ext, true);
      return;
    }
    MoveTo(PosAtPoint({area.left + AlignOffset(static_cast<size_t>(target)) - scroll_x_ + column_x_, y}), ext, true);
  };
  const long page = static_cast<long>(VisibleLineCount());
  switch (key) {
    case platform::kVkLeft:
      key = 0;
      if (!ext && !ctrl && Model().HasSelection()) {
        MoveTo(Model().SelStart(), false);
      } else {
        MoveTo(ctrl ? Model().PrevWordStart(caret) : Model().PrevBoundary(caret), ext);
      }
      return true;
    case platform::kVkRight:
      key = 0;
      if (!ext && !ctrl && Model().HasSelection()) {
        MoveTo(Model().SelEnd(), false);
      } else {
        MoveTo(ctrl ? Model().NextWordStart(caret) : Model().NextBoundary(caret), ext);
      }
      return true;
    case platform::kVkUp:
      key = 0;
      if (ctrl) {
        VScroll(kSbLineUp);
      } else {
        vertical(-1);
      }
      return true;
    case platform::kVkDown:
      key = 0;
      if (ctrl) {
        VScroll(kSbLineDown);
      } else {
        vertical(1);
      }
      return true;
    case platform::kVkPrior:
      key = 0;
      SetTop(top_line_ > static_cast<size_t>(page) ? top_line_ - static_cast<size_t>(page) : 0);
      vertical(-page);
      return true;
    case platform::kVkNext:
      key = 0;
      SetTop(top_line_ + static_cast<size_t>(page));
      vertical(page);
      return true;
    case platform::kVkHome:
      key = 0;
      MoveTo(ctrl ? 0 : LineStart(line), ext);
      return true;
    case platform::kVkEnd:
      key = 0;
      MoveTo(ctrl ? Text().size() : LineEnd(line), ext);
      return true;
    case platform::kVkReturn: {
      char32_t ch = 13;
      WinControl::KeyPress(ch);
      if (ch == 0 || !want_returns_) return true;
      key = 0;
      if (!ReadOnly()) EditedByUser(Model().ReplaceSelection("\n"));
      return true;
    }
    case platform::kVkTab:
      if (!want_tabs_ || ctrl) return true;
      key = 0;
      if (!ReadOnly()) EditedByUser(Model().ReplaceSelection(" ", true));
      return true;
    default:
      return false;
  }
}

void Memo::InsertTyped(std::string_view text) {
  column_x_ = -1;
  TextField::InsertTyped(text);
}

// --- mouse ---

void Memo::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  TextField::MouseDown(button, shift, x, y);
  // A press places the caret anew: Up and Down take their column from there.
  if (button == MouseButton::kLeft && !Has(shift, kDouble)) column_x_ = -1;
}

bool Memo::MouseWheel(ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  // One line per notch: up for a positive delta, down otherwise.
  const int notches = std::max(1, std::abs(delta) / 120);
  for (int i = 0; i < notches; ++i) VScroll(delta > 0 ? kSbLineUp : kSbLineDown);
  return true;
}

// --- focus, timer, state ---

void Memo::DoEnter() {
  TextField::DoEnter();
  // Getting the focus (by a press on the bar, say) leaves the lines where they are.
  ShowCaret();
}

void Memo::FontChanged() {
  TextField::FontChanged();
  lines_valid_ = false;
  UpdateBar();
  CaretChanged();
  Invalidate();
}

void Memo::EnabledChanged() {
  TextField::EnabledChanged();
  vbar_->SetEnabled(Enabled());
}

void Memo::Resize() {
  WinControl::Resize();
  if (vbar_ == nullptr) return;
  const gfx::Rect in = FrameInsets();
  vbar_->SetVisible(show_bar_);
  vbar_->SetBounds(Width() - in.right - ScrollBar::kBreadth, in.top, ScrollBar::kBreadth,
                   std::max(0, Height() - in.top - in.bottom));
  if (TextArea().Width() != wrap_width_) lines_valid_ = false;
  SetTop(top_line_);
  UpdateBar();
  CaretChanged();
  Invalidate();
}

}  // namespace ui
