// Memo: the toolkit's multi-line text field with word wrap, scrolling and a built-in vertical bar.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ScrollInfo.h"
#include "ui/TextField.h"

namespace ui {

class ScrollBar;

// The text is UTF-8 with "\n" between lines (line breaks put in as "\r\n" or "\r" become "\n",
// tabs spaces, other control characters are dropped; invalid bytes become U+FFFD). Positions are
// byte offsets on character boundaries. With word wrap a line too wide for the field breaks after
// a space, or between any two Chinese characters (never before closing punctuation), or, failing
// both, before the character that does not fit. "Lines" below are the lines as shown.
class Memo : public TextField {
 public:
  Memo();
  ~Memo() override;

  void SetText(std::string_view text);
  // The text's own lines (split at the line breaks).
  std::vector<std::string> Lines() const;
  void AppendLine(std::string_view line);
  void SetSelText(std::string_view text);

  // --- properties ---
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool v) { want_returns_ = v; }
  bool WantTabs() const { return want_tabs_; }
  void SetWantTabs(bool v) { want_tabs_ = v; }
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

  bool WantsKey(uint16_t key) const override;
  gfx::Rect CaretRect() const override;

  // After every scroll of the lines, so an outside bar can follow.
  NotifyEvent OnScrolled;

 protected:
  void WndProc(Message& m) override;
  void Paint(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void DoEnter() override;
  void FontChanged() override;
  void EnabledChanged() override;
  void Resize() override;

  // The first visible line changed: fires OnScrolled.
  virtual void Scrolled();

  std::string CleanText(std::string_view text) const override { return Normalize(text); }
  bool NavigationKey(uint16_t& key, ShiftState shift) override;
  size_t PosAt(gfx::Point p) const override { return PosAtPoint(p); }
  void CaretChanged() override;
  void EditedByUser(bool changed) override;
  void InvalidateText() override;
  void InvalidateCaretLine() override;
  void InsertTyped(std::string_view text) override;
  void BorderChanged() override { Resize(); }
  void AlignmentChanged() override { InvalidateText(); }

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
  // x of `pos` within its line, from the line's start, composition included at the caret.
  int XInLine(size_t line, size_t pos) const;
  int LineWidth(size_t line) const;
  int AlignOffset(size_t line) const;
  int CompositionWidth(size_t end) const;
  void ScrollToCaret();
  void SetTop(size_t line);
  void UpdateBar();
  void InvalidateLines(size_t from, size_t to);
  void MoveTo(size_t pos, bool extend, bool keep_column = false);

  ScrollBar* vbar_ = nullptr;
  bool word_wrap_ = true;
  bool want_returns_ = true;
  bool want_tabs_ = false;
  bool show_bar_ = true;
  size_t top_line_ = 0;
  int scroll_x_ = 0;
  int column_x_ = -1;  // the x Up and Down keep to

  mutable bool lines_valid_ = false;
  mutable std::vector<Line> lines_;
  mutable int wrap_width_ = 0;
};

}  // namespace ui
