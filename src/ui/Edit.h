// Edit: the toolkit's single-line text field (caret, selection, clipboard, undo, input methods).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/TextField.h"

namespace ui {

// Positions (SelStart, SetSel ...) are byte offsets into the UTF-8 text, always on a character
// boundary. Text put in by any route is made well-formed (invalid bytes become U+FFFD); a single
// line keeps only what comes before the first line break, and tabs become spaces.
class Edit : public TextField {
 public:
  Edit();
  ~Edit() override;

  // Replaces the text (the undo history goes) and fires OnChange.
  void SetText(std::string_view text);
  // Replaces the selection (or inserts at the caret) even when read-only; fires OnChange.
  void SetSelText(std::string_view text);

  // --- properties ---
  // Space between the frame and the text on each side.
  int LeftMargin() const { return left_margin_; }
  int RightMargin() const { return right_margin_; }
  void SetMargins(int left, int right);
  // Select the whole text when the field gets the focus from the keyboard.
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool v) { auto_select_ = v; }
  // Hide the selection while the field does not have the focus.
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool v);

  // How far the text is scrolled to the left, in pixels.
  int ScrollX() const { return scroll_x_; }
  // The rectangle the text is drawn in (client coordinates): inside the frame and the margins.
  gfx::Rect TextArea() const;
  // The x (client coordinates) at which a position's character starts, as drawn now.
  int XOfPos(size_t pos) const;
  // The position nearest to a client x.
  size_t PosAtX(int x) const;

  bool WantsKey(uint16_t key) const override;
  gfx::Rect CaretRect() const override;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void DoEnter() override;
  void FontChanged() override;
  void Resize() override;

  std::string CleanText(std::string_view text) const override { return SingleLine(text); }
  bool NavigationKey(uint16_t& key, ShiftState shift) override;
  size_t PosAt(gfx::Point p) const override { return PosAtX(p.x); }
  void CaretChanged() override;
  void EditedByUser(bool changed) override;
  // Redraws the text line only (not the frame).
  void InvalidateText() override;
  void ShownTextChanged() override { layout_valid_ = false; }
  void BorderChanged() override;
  void AlignmentChanged() override;

 private:
  // Turns text from outside into what a single line holds.
  static std::string SingleLine(std::string_view text);
  void RebuildLayout() const;
  // The display text is the model's text with the composition inserted at the caret.
  size_t DisplayPos(size_t model_pos) const;
  // The display position of the caret, inside the composition while there is one.
  size_t CaretDisplayPos() const;
  int DisplayX(size_t display_pos) const;  // from the start of the text
  int TextWidthNow() const;
  int AlignOffset() const;
  int LineTop() const;
  int LineHeight() const;
  void ScrollToCaret();

  bool auto_select_ = true;
  bool hide_selection_ = true;
  int left_margin_ = 1;
  int right_margin_ = 1;
  int scroll_x_ = 0;

  // Layout of the display text: the byte offset and x of every code point, plus the end.
  mutable bool layout_valid_ = false;
  mutable std::vector<size_t> offsets_;
  mutable std::vector<int32_t> xs_;
};

}  // namespace ui
