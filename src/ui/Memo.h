// Memo: the toolkit's multi-line text field with word wrap, scrolling and a built-in vertical bar.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Label.h"
#include "ui/ScrollInfo.h"
#include "ui/TextEditModel.h"
#include "ui/WinControl.h"

namespace ui {

class MenuItem;
class ScrollBar;

// The text is UTF-8 with "\n" between lines (line breaks put in as "\r\n" or "\r" become "\n",
// tabs spaces, other control characters are dropped; invalid bytes become U+FFFD). Positions are
// byte offsets on character boundaries. With word wrap a line too wide for the field breaks after
// a space, or between any two Chinese characters (never before closing punctuation), or, failing
// both, before the character that does not fit. "Lines" below are the lines as shown.
class Memo : public WinControl {
 public:
  Memo();
  ~Memo() override;

  const std::string& Text() const { return model_.Text(); }
  void SetText(std::string_view text);
  // The text's own lines (split at the line breaks).
  std::vector<std::string> Lines() const;
  void AppendLine(std::string_view line);

  // --- selection and commands (as in Edit) ---
  size_t SelStart() const { return model_.SelStart(); }
  size_t SelLength() const { return model_.SelEnd() - model_.SelStart(); }
  size_t CaretPos() const { return model_.Caret(); }
  std::string SelText() const { return model_.SelectedText(); }
  void SetSel(size_t anchor, size_t caret);
  void SelectAll();
  void SetSelText(std::string_view text);
  bool CanUndo() const { return model_.CanUndo(); }
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();
  void FillContextMenu(MenuItem& root);

  // --- properties ---
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v) { read_only_ = v; }
  size_t MaxLength() const { return model_.MaxLength(); }
  void SetMaxLength(size_t n) { model_.SetMaxLength(n); }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool v) { want_returns_ = v; }
  bool WantTabs() const { return want_tabs_; }
  void SetWantTabs(bool v) { want_tabs_ = v; }
  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment a);
  bool Border() const { return border_; }
  void SetBorder(bool v);
  bool TransparentText() const { return transparent_text_; }
  void SetTransparentText(bool v);
  // The built-in vertical bar; a skinned memo hides it and shows its own.
  bool ShowScrollBar() const { return show_bar_; }
  void SetShowScrollBar(bool v);
  ScrollBar* BuiltInScrollBar() const { return vbar_; }

  // --- lines and scrolling ---
  size_t LineCount() const;
  size_t FirstVisibleLine() const { return top_line_; }
  // Whole lines the text area holds (at least 1).
  size_t VisibleLineCount() const;
  // The vertical range: lines 0 .. count - 1, a page of the visible lines, the first visible line.
  ScrollInfo VScrollInfo() const;
  // Takes a classic scroll code (kMsgVScroll does the same).
  void VScroll(ScrollCode code, int32_t thumb = 0);
  void ScrollToLine(size_t line);
  int ScrollX() const { return scroll_x_; }
  // The line shown at a position and the line's byte range (without its line break).
  size_t LineOfPos(size_t pos) const;
  size_t LineStart(size_t line) const;
  size_t LineEnd(size_t line) const;
  gfx::Rect TextArea() const;
  int LineHeight() const;
  // Client point of a position (its line's top) and the position nearest a client point.
  gfx::Point PointOfPos(size_t pos) const;
  size_t PosAtPoint(gfx::Point p) const;
  const std::string& CompositionText() const { return composition_; }
  // The colour the text is drawn in now.
  virtual gfx::Color TextColor() const;

  // Between kMsgSetFocus and kMsgKillFocus: the field shows its caret, selection and active look.
  bool HasFocus() const { return has_focus_; }

  bool WantsChars() const override { return true; }
  bool WantsKey(uint16_t key) const override;
  gfx::Rect CaretRect() const override;

  NotifyEvent OnChange;
  // After every scroll of the lines, so an outside bar can follow.
  NotifyEvent OnScrolled;

  static constexpr uint32_t kCaretBlinkMs = 530;

 protected:
  void WndProc(Message& m) override;
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas& canvas) override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void TimerTick(uintptr_t id) override;
  void FontChanged() override;
  void EnabledChanged() override;
  void Resize() override;

  virtual gfx::Rect FrameInsets() const;
  virtual void PaintFrame(gfx::Canvas& canvas);
  virtual void Change();
  // The first visible line changed: fires OnScrolled.
  virtual void Scrolled();
  void OpenContextMenuAt(gfx::Point screen);
  TextEditModel& Model() { return model_; }

 private:
  struct Line {
    size_t start;
    size_t end;  // before the line break (or the text's end)
  };
  static std::string Normalize(std::string_view text);
  void RebuildLines() const;
  // Lays out again the paragraphs the model's last change touched.
  void RelayoutChange() const;
  void WrapParagraph(size_t start, size_t end, int width) const;
  int CharAdvance(char32_t c) const;
  // x of `pos` within its line, from the line's start, composition included at the caret.
  int XInLine(size_t line, size_t pos) const;
  int LineWidth(size_t line) const;
  int AlignOffset(size_t line) const;
  void CaretChanged(bool scroll = true);
  void ScrollToCaret();
  void SetTop(size_t line);
  void UpdateBar();
  void EditedByUser(bool changed);
  void InvalidateLines(size_t from, size_t to);
  void InvalidateText();
  void SetPrimaryFromSelection();
  void MoveTo(size_t pos, bool extend, bool keep_column = false);

  TextEditModel model_;
  ScrollBar* vbar_ = nullptr;
  bool read_only_ = false;
  bool word_wrap_ = true;
  bool want_returns_ = true;
  bool want_tabs_ = false;
  bool border_ = true;
  bool transparent_text_ = false;
  bool show_bar_ = true;
  TextAlignment alignment_ = TextAlignment::kLeft;
  size_t top_line_ = 0;
  int scroll_x_ = 0;
  int column_x_ = -1;  // the x Up and Down keep to
  bool caret_on_ = false;
  bool has_focus_ = false;
  bool dragging_ = false;
  std::string composition_;
  size_t composition_cursor_ = 0;
  gfx::Rect last_ime_rect_;

  mutable bool lines_valid_ = false;
  mutable std::vector<Line> lines_;
  mutable int wrap_width_ = 0;
  mutable std::array<int16_t, 128> ascii_widths_{};
  mutable bool ascii_widths_valid_ = false;
};

}  // namespace ui
