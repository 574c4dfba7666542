// Edit: the toolkit's single-line text field (caret, selection, clipboard, undo, input methods).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Label.h"
#include "ui/TextEditModel.h"
#include "ui/WinControl.h"

namespace ui {

class MenuItem;

// Positions (SelStart, SetSel ...) are byte offsets into the UTF-8 text, always on a character
// boundary. Text put in by any route is made well-formed (invalid bytes become U+FFFD); a single
// line keeps only what comes before the first line break, and tabs become spaces.
class Edit : public WinControl {
 public:
  Edit();
  ~Edit() override;

  const std::string& Text() const { return model_.Text(); }
  // Replaces the text (the undo history goes) and fires OnChange.
  void SetText(std::string_view text);

  // --- selection ---
  size_t SelStart() const { return model_.SelStart(); }
  size_t SelLength() const { return model_.SelEnd() - model_.SelStart(); }
  size_t CaretPos() const { return model_.Caret(); }
  std::string SelText() const { return model_.SelectedText(); }
  void SetSel(size_t anchor, size_t caret);
  void SelectAll();
  // Replaces the selection (or inserts at the caret) even when read-only; fires OnChange.
  void SetSelText(std::string_view text);

  // --- editing commands, as the keys and the context menu run them ---
  bool CanUndo() const { return model_.CanUndo(); }
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  // Deletes the selection.
  void ClearSelection();

  // --- properties ---
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v) { read_only_ = v; }
  // In characters; 0 means no limit.
  size_t MaxLength() const { return model_.MaxLength(); }
  void SetMaxLength(size_t n) { model_.SetMaxLength(n); }
  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment a);
  // The plain sunken border (2 pixels); without it the text area is the whole control.
  bool Border() const { return border_; }
  void SetBorder(bool v);
  // Space between the frame and the text on each side.
  int LeftMargin() const { return left_margin_; }
  int RightMargin() const { return right_margin_; }
  void SetMargins(int left, int right);
  // Transparent text: the control fills no background, so what lies behind it (a skinned
  // picture) shows under the text.
  bool TransparentText() const { return transparent_text_; }
  void SetTransparentText(bool v);
  // Select the whole text when the field gets the focus from the keyboard.
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool v) { auto_select_ = v; }
  // Hide the selection while the field does not have the focus.
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool v);

  // How far the text is scrolled to the left, in pixels.
  int ScrollX() const { return scroll_x_; }
  // The input method's composition shown at the caret (empty when none).
  const std::string& CompositionText() const { return composition_; }
  bool CaretShown() const { return caret_on_; }
  // The rectangle the text is drawn in (client coordinates): inside the frame and the margins.
  gfx::Rect TextArea() const;
  // The x (client coordinates) at which a position's character starts, as drawn now.
  int XOfPos(size_t pos) const;
  // The position nearest to a client x.
  size_t PosAtX(int x) const;

  // Adds the standard items (undo, cut, copy, paste, delete, select all), enabled as the state
  // allows, to a menu's root; their clicks run the commands on this field.
  void FillContextMenu(MenuItem& root);

  // The colour the text is drawn in now.
  virtual gfx::Color TextColor() const;

  // Between kMsgSetFocus and kMsgKillFocus: the field shows its caret, selection and active look.
  bool HasFocus() const { return has_focus_; }

  bool WantsChars() const override { return true; }
  bool WantsKey(uint16_t key) const override;
  gfx::Rect CaretRect() const override;

  NotifyEvent OnChange;

  // Caret blink period.
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
  void DoEnter() override;
  void DoExit() override;
  void TimerTick(uintptr_t id) override;
  void FontChanged() override;
  void EnabledChanged() override;
  void Resize() override;

  // The frame around the text area: how much it takes from each side, and drawing it (with the
  // background unless the text is transparent). The plain frame is the sunken border.
  virtual gfx::Rect FrameInsets() const;
  virtual void PaintFrame(gfx::Canvas& canvas);
  // The text changed (by the user or by a call): fires OnChange.
  virtual void Change();
  // Opens the context menu at a screen point (the keyboard's context-menu key).
  void OpenContextMenuAt(gfx::Point screen);

  TextEditModel& Model() { return model_; }
  // Redraws the text line only (not the frame).
  void InvalidateLine();

 private:
  // Turns text from outside into what a single line holds.
  static std::string SingleLine(std::string_view text);
  void RebuildLayout() const;
  // The display text is the model's text with the composition inserted at the caret.
  size_t DisplayPos(size_t model_pos) const;
  int DisplayX(size_t display_pos) const;  // from the start of the text
  int TextWidthNow() const;
  int AlignOffset() const;
  int LineTop() const;
  int LineHeight() const;
  // After any change: the caret in view, the caret shown and the candidate window following it.
  void CaretChanged();
  void ScrollToCaret();
  void EditedByUser(bool changed);
  void SetPrimaryFromSelection();
  void InsertTyped(std::string_view text);
  void Composition(const char* text, int32_t cursor);
  int CharAdvance(char32_t c) const;

  TextEditModel model_;
  bool read_only_ = false;
  bool border_ = true;
  bool transparent_text_ = false;
  bool auto_select_ = true;
  bool hide_selection_ = true;
  TextAlignment alignment_ = TextAlignment::kLeft;
  int left_margin_ = 1;
  int right_margin_ = 1;
  int scroll_x_ = 0;
  bool caret_on_ = false;
  bool has_focus_ = false;
  bool dragging_ = false;
  bool pressed_by_mouse_ = false;
  std::string composition_;
  size_t composition_cursor_ = 0;
  gfx::Rect last_ime_rect_;

  // Layout of the display text: the byte offset and x of every code point, plus the end.
  mutable bool layout_valid_ = false;
  mutable std::vector<size_t> offsets_;
  mutable std::vector<int32_t> xs_;
  mutable std::array<int16_t, 128> ascii_widths_{};
  mutable bool ascii_widths_valid_ = false;
};

}  // namespace ui
