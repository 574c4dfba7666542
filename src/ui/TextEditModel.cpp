// TextEditModel: the UTF-8 text of an edit with its caret, selection, length limit and undo history.
#include "ui/TextEditModel.h"

#include <cctype>

#include "gfx/TextUtf8.h"

namespace ui {

namespace {

// Undo steps kept; older ones are forgotten.
constexpr size_t kUndoLimit = 200;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

char32_t CodePointAt(const std::string& text, size_t pos) {
  size_t p = pos;
  return gfx::DecodeUtf8At(text, p);
}

bool IsCjkPunctuation(char32_t c) {
  return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
         (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
}

}  // namespace

bool IsCombiningMark(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0483 && c <= 0x0489) || (c >= 0x0591 && c <= 0x05BD) ||
         (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || (c >= 0x0E31 && c <= 0x0E3A && c != 0x0E32 && c != 0x0E33) ||
         (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) || c == 0x200C || c == 0x200D ||
         (c >= 0x20D0 && c <= 0x20FF) || (c >= 0x302A && c <= 0x302F) || c == 0x3099 || c == 0x309A ||
         (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0xE0100 && c <= 0xE01EF);
}

std::string SanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t start = pos;
    char32_t c = gfx::DecodeUtf8At(text, pos);
    if (c == gfx::kReplacementChar) {
      gfx::AppendUtf8(out, c);
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

size_t CountCodePoints(std::string_view utf8) {
  size_t n = 0;
  for (char c : utf8) n += IsContinuation(c) ? 0 : 1;
  return n;
}

void TextEditModel::SetText(std::string_view text) {
  text_ = SanitizeUtf8(text);
  length_ = CountCodePoints(text_);
  caret_ = anchor_ = 0;
  undo_.clear();
}

void TextEditModel::Select(size_t anchor, size_t caret) {
  anchor_ = Snap(anchor);
  caret_ = Snap(caret);
}

void TextEditModel::MoveCaret(size_t pos, bool extend) {
  caret_ = Snap(pos);
  if (!extend) anchor_ = caret_;
}

size_t TextEditModel::Snap(size_t pos) const {
  if (pos >= text_.size()) return text_.size();
  while (pos > 0 && IsContinuation(text_[pos])) --pos;
  while (pos > 0 && IsCombiningMark(CodePointAt(text_, pos))) {
    --pos;
    while (pos > 0 && IsContinuation(text_[pos])) --pos;
  }
  return pos;
}

size_t TextEditModel::NextBoundary(size_t pos) const {
  pos = Snap(pos);
  if (pos >= text_.size()) return text_.size();
  gfx::DecodeUtf8At(text_, pos);
  while (pos < text_.size()) {
    size_t p = pos;
    if (!IsCombiningMark(gfx::DecodeUtf8At(text_, p))) break;
    pos = p;
  }
  return pos;
}

size_t TextEditModel::PrevBoundary(size_t pos) const {
  pos = Snap(pos);
  if (pos == 0) return 0;
  return Snap(pos - 1);
}

int TextEditModel::WordClass(size_t pos) const {
  if (pos >= text_.size()) return -1;
  char32_t c = CodePointAt(text_, pos);
  if (c == '\n' || c == '\r') return 1;
  if (c == ' ' || c == '\t' || c == 0x3000 || c == 0xA0) return 0;
  if (IsCjkPunctuation(c)) return 4;
  if (gfx::IsCjkBreakable(c)) return 3;
  if (c < 0x80 && !(std::isalnum(static_cast<int>(c)) || c == '_')) return 4;
  return 2;
}

size_t TextEditModel::NextWordStart(size_t pos) const {
  pos = Snap(pos);
  if (pos >= text_.size()) return text_.size();
  int c = WordClass(pos);
  if (c == 1) return NextBoundary(pos);
  if (c != 0) {
    while (pos < text_.size() && WordClass(pos) == c) pos = NextBoundary(pos);
  }
  while (pos < text_.size() && WordClass(pos) == 0) pos = NextBoundary(pos);
  return pos;
}

size_t TextEditModel::PrevWordStart(size_t pos) const {
  pos = Snap(pos);
  if (pos == 0) return 0;
  size_t p = PrevBoundary(pos);
  if (WordClass(p) == 1) return p;
  while (p > 0 && WordClass(p) == 0) p = PrevBoundary(p);
  int c = WordClass(p);
  if (c == 0 || c == 1) return c == 1 ? NextBoundary(p) : p;
  while (p > 0 && WordClass(PrevBoundary(p)) == c) p = PrevBoundary(p);
  return p;
}

std::pair<size_t, size_t> TextEditModel::WordAt(size_t pos) const {
  pos = Snap(pos);
  if (pos >= text_.size()) {
    if (pos == 0) return {0, 0};
    pos = PrevBoundary(pos);
  }
  int c = WordClass(pos);
  if (c == 1) return {pos, pos};
  size_t start = pos;
  while (start > 0 && WordClass(PrevBoundary(start)) == c) start = PrevBoundary(start);
  size_t end = pos;
  while (end < text_.size() && WordClass(end) == c) end = NextBoundary(end);
  return {start, end};
}

bool TextEditModel::ReplaceSelection(std::string_view text, bool typing) {
  std::string inserted = SanitizeUtf8(text);
  const size_t from = SelStart();
  const size_t to = SelEnd();
  if (max_length_ > 0) {
    const size_t kept = length_ - CountCodePoints(std::string_view(text_).substr(from, to - from));
    const size_t room = kept >= max_length_ ? 0 : max_length_ - kept;
    if (CountCodePoints(inserted) > room) {
      // Cut after `room` characters, then back to a boundary so no mark is parted from its base.
      size_t cut = 0;
      for (size_t n = 0; n < room; ++n) gfx::DecodeUtf8At(inserted, cut);
      while (cut > 0 && cut < inserted.size() && IsCombiningMark(CodePointAt(inserted, cut))) {
        --cut;
        while (cut > 0 && IsContinuation(inserted[cut])) --cut;
      }
      inserted.resize(cut);
    }
  }
  if (inserted.empty() && from == to) return false;
  Replace(from, to, std::move(inserted), typing);
  return true;
}

bool TextEditModel::DeleteBackward() {
  if (HasSelection()) return DeleteSelection();
  if (caret_ == 0) return false;
  const size_t caret = caret_;
  anchor_ = PrevBoundary(caret_);
  ReplaceSelection({});
  // Undo puts the caret back where it was, not at the other end of the deleted character.
  undo_.back().caret = undo_.back().anchor = caret;
  return true;
}

bool TextEditModel::DeleteForward() {
  if (HasSelection()) return DeleteSelection();
  if (caret_ >= text_.size()) return false;
  const size_t caret = caret_;
  anchor_ = NextBoundary(caret_);
  ReplaceSelection({});
  undo_.back().caret = undo_.back().anchor = caret;
  return true;
}

void TextEditModel::Replace(size_t from, size_t to, std::string inserted, bool typing) {
  Step step{from, text_.substr(from, to - from), inserted, caret_, anchor_, typing};
  length_ = length_ - CountCodePoints(step.removed) + CountCodePoints(inserted);
  text_.replace(from, to - from, inserted);
  last_change_ = {from, to - from, inserted.size()};
  caret_ = anchor_ = from + inserted.size();
  if (!undo_.empty() && typing && step.removed.empty()) {
    Step& last = undo_.back();
    if (last.typing && last.pos + last.inserted.size() == from) {
      last.inserted += step.inserted;
      return;
    }
  }
  undo_.push_back(std::move(step));
  if (undo_.size() > kUndoLimit) undo_.erase(undo_.begin());
}

bool TextEditModel::Undo() {
  if (undo_.empty()) return false;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  length_ = length_ - CountCodePoints(step.inserted) + CountCodePoints(step.removed);
  text_.replace(step.pos, step.inserted.size(), step.removed);
  last_change_ = {step.pos, step.inserted.size(), step.removed.size()};
  caret_ = std::min(step.caret, text_.size());
  anchor_ = std::min(step.anchor, text_.size());
  return true;
}

}  // namespace ui
