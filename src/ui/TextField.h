// TextField: what the single-line and the multi-line text fields share over their TextEditModel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/Label.h"
#include "ui/TextEditModel.h"
#include "ui/WinControl.h"

namespace ui {

class MenuItem;

// The commands (undo, clipboard, selection), the editing keys and shortcuts, the context menu, the
// mouse selection, the caret blink, the focus state, the input method's composition and the plain
// sunken frame. A field says how text from outside is cleaned for it, how it lays out, moves the
// caret with the arrow keys and redraws; everything else here works the same for every field.
class TextField : public WinControl {
 public:
  TextField();
  ~TextField() override;

  const std::string& Text() const { return model_.Text(); }

  // --- selection ---
  size_t SelStart() const { return model_.SelStart(); }
  size_t SelLength() const { return model_.SelEnd() - model_.SelStart(); }
  size_t CaretPos() const { return model_.Caret(); }
  std::string SelText() const { return model_.SelectedText(); }
  void SetSel(size_t anchor, size_t caret);
  void SelectAll();

  // --- editing commands, as the keys and the context menu run them ---
  bool CanUndo() const { return model_.CanUndo(); }
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  // Deletes the selection.
  void ClearSelection();
  // Adds the standard items (undo, cut, copy, paste, delete, select all), enabled as the state
  // allows, to a menu's root; their clicks run the commands on this field.
  void FillContextMenu(MenuItem& root);

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
  // Transparent text: the control fills no background, so what lies behind it (a skinned
  // picture) shows under the text.
  bool TransparentText() const { return transparent_text_; }
  void SetTransparentText(bool v);

  // The input method's composition shown at the caret (empty when none).
  const std::string& CompositionText() const { return composition_; }
  bool CaretShown() const { return caret_on_; }
  // The colour the text is drawn in now.
  virtual gfx::Color TextColor() const;

  // Between kMsgSetFocus and kMsgKillFocus: the field shows its caret, selection and active look.
  bool HasFocus() const { return has_focus_; }

  bool WantsChars() const override { return true; }

  NotifyEvent OnChange;

  // Caret blink period.
  static constexpr uint32_t kCaretBlinkMs = 530;

 protected:
  void WndProc(Message& m) override;
  void EraseBackground(gfx::Canvas& canvas) override;
  // Runs the field's own keys (NavigationKey) and then the editing keys and shortcuts.
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  // Marks the focus; the field then shows its caret as it needs.
  void DoEnter() override;
  void DoExit() override;
  void TimerTick(uintptr_t id) override;
  void FontChanged() override;
  void EnabledChanged() override;

  // The frame around the text area: how much it takes from each side, and drawing it (with the
  // background unless the text is transparent). The plain frame is the sunken border.
  virtual gfx::Rect FrameInsets() const;
  virtual void PaintFrame(gfx::Canvas& canvas);
  // The text changed (by the user or by a call): fires OnChange.
  virtual void Change();
  // Opens the context menu at a screen point (the keyboard's context-menu key).
  void OpenContextMenuAt(gfx::Point screen);

  // --- what each field does its own way ---
  // Text from outside (pasted, set, composed) as the field holds it.
  virtual std::string CleanText(std::string_view text) const = 0;
  // The keys that move the caret, and any key the field treats itself (sets `key` to 0 for a key
  // it took). True for such a key, which then goes no further, even where the field passed it on
  // to a handler that may have closed it; the keys left over go to the editing keys and shortcuts.
  virtual bool NavigationKey(uint16_t& key, ShiftState shift) = 0;
  // The text position nearest a client point.
  virtual size_t PosAt(gfx::Point p) const = 0;
  // After any move of the caret or change of the text: the caret in view and shown.
  virtual void CaretChanged() = 0;
  // After a change the user made (or that stands for one): layout, caret, redraw and, when the
  // text changed, Change.
  virtual void EditedByUser(bool changed) = 0;
  // Redraws the whole text area (not the frame).
  virtual void InvalidateText() = 0;
  // Redraws the line the caret stands on.
  virtual void InvalidateCaretLine() { InvalidateText(); }
  // The text as shown (the model's text with the composition at the caret) changed.
  virtual void ShownTextChanged() {}
  // Inserts typed (or committed) text over the selection, ending a composition.
  virtual void InsertTyped(std::string_view text);
  virtual void BorderChanged() = 0;
  virtual void AlignmentChanged() = 0;

  TextEditModel& Model() { return model_; }
  const TextEditModel& Model() const { return model_; }
  size_t CompositionCursor() const { return composition_cursor_; }
  // Ends a composition without committing it.
  void DropComposition();
  // Shows the caret where CaretRect says, restarts its blink and moves the input method's window
  // there; nothing while the field does not have the focus.
  void ShowCaret();
  // Makes the selection the primary selection (the X convention).
  void SetPrimaryFromSelection();
  // The width of a character in the control's font; ASCII widths are kept.
  int CharAdvance(char32_t c) const;
  // The x scroll that shows the caret at `caret_x` in a text area `width` wide: it jumps by a
  // quarter of the width, so typing at the edge does not scroll at every character.
  static int ScrollToShow(int scroll, int caret_x, int width);

 private:
  void Compose(const char* text, int32_t cursor);

  TextEditModel model_;
  bool read_only_ = false;
  bool border_ = true;
  bool transparent_text_ = false;
  TextAlignment alignment_ = TextAlignment::kLeft;
  bool caret_on_ = false;
  bool has_focus_ = false;
  bool dragging_ = false;
  std::string composition_;
  size_t composition_cursor_ = 0;
  gfx::Rect last_ime_rect_;
  mutable std::array<int16_t, 128> ascii_widths_{};
  mutable bool ascii_widths_valid_ = false;
};

}  // namespace ui
