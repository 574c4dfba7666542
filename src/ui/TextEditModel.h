// TextEditModel: the UTF-8 text of an edit with its caret, selection, length limit and undo history.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

// Code points drawn on the character before them: combining marks, variation selectors and joiners.
// The caret never stops in front of one, so a base and its marks are moved, selected and deleted
// together.
bool IsCombiningMark(char32_t code_point);
// A well-formed copy of `text`: every byte that does not start a valid character becomes U+FFFD.
std::string SanitizeUtf8(std::string_view text);
// The number of code points of well-formed UTF-8.
size_t CountCodePoints(std::string_view utf8);

// Positions are byte offsets into Text() that always lie on a character boundary (never inside a
// character and never between a base and its combining marks). The text is always well-formed
// UTF-8: everything put in is sanitized first.
class TextEditModel {
 public:
  const std::string& Text() const { return text_; }
  // Replaces the whole text, drops the selection and the undo history; the caret goes to the start.
  void SetText(std::string_view text);
  // Characters (code points) in the text.
  size_t Length() const { return length_; }

  // --- caret and selection ---
  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  size_t SelStart() const { return std::min(caret_, anchor_); }
  size_t SelEnd() const { return std::max(caret_, anchor_); }
  bool HasSelection() const { return caret_ != anchor_; }
  std::string SelectedText() const { return text_.substr(SelStart(), SelEnd() - SelStart()); }
  bool AllSelected() const { return SelStart() == 0 && SelEnd() == text_.size(); }
  // Both ends are snapped to boundaries (backwards) and limited to the text.
  void Select(size_t anchor, size_t caret);
  // Moves the caret; with `extend` the anchor stays, so the selection grows or shrinks.
  void MoveCaret(size_t pos, bool extend);
  void SelectAll() { Select(0, text_.size()); }

  // --- boundaries ---
  // The boundary at or before pos.
  size_t Snap(size_t pos) const;
  // The next and the previous boundary (pos itself at the ends of the text).
  size_t NextBoundary(size_t pos) const;
  size_t PrevBoundary(size_t pos) const;
  // Word moves as Ctrl+Right and Ctrl+Left make them: to the start of the next word, or of this or
  // the previous one. A word is a run of letters and digits, a run of CJK characters or a run of
  // other punctuation; spaces separate words. Line breaks stop both moves.
  size_t NextWordStart(size_t pos) const;
  size_t PrevWordStart(size_t pos) const;
  // The word (or run of spaces) around pos, as a double click selects it.
  std::pair<size_t, size_t> WordAt(size_t pos) const;

  // --- editing (each returns whether the text changed) ---
  size_t MaxLength() const { return max_length_; }
  // In characters; 0 means no limit. Text already longer stays.
  void SetMaxLength(size_t n) { max_length_ = n; }
  // Replaces the selection by `text` (sanitized, then cut to what the length limit leaves room
  // for, at a boundary); the caret ends after it. Consecutive typed characters (`typing`) make one
  // undo step.
  bool ReplaceSelection(std::string_view text, bool typing = false);
  // The selection, or else the character cluster before (after) the caret.
  bool DeleteBackward();
  bool DeleteForward();
  bool DeleteSelection() { return HasSelection() && ReplaceSelection({}); }

  // Where the last edit or undo replaced `removed` bytes at `pos` by `inserted` bytes, so a view
  // can lay out only what changed.
  struct Change {
    size_t pos = 0;
    size_t removed = 0;
    size_t inserted = 0;
  };
  const Change& LastChange() const { return last_change_; }

  bool CanUndo() const { return !undo_.empty(); }
  // Takes back the last change and selects what it had replaced.
  bool Undo();
  void ClearUndo() { undo_.clear(); }

 private:
  struct Step {
    size_t pos = 0;
    std::string removed;
    std::string inserted;
    size_t caret = 0;   // before the change
    size_t anchor = 0;
    bool typing = false;
  };
  void Replace(size_t from, size_t to, std::string inserted, bool typing);
  // The class of the character cluster starting at pos for word moves.
  int WordClass(size_t pos) const;

  std::string text_;
  size_t length_ = 0;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  size_t max_length_ = 0;
  std::vector<Step> undo_;
  Change last_change_;
};

}  // namespace ui
