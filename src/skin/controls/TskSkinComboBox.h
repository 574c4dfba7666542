// TskSkinComboBox: the skinned drop-down list combo box: a field showing the chosen item, a drop
// button and a TskPopupListBox dropped under (or above) it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/TskSkinCustomControl.h"
#include "ui/TypeAhead.h"

namespace ui {
class DropDownWindow;
class Edit;
}

namespace skin {

class TskPopupListBox;
class TskDataSkinComboBox;
class TskComboEdit;

// The field shows the chosen item (fixed), or is an edit taking typed text (edit).
enum class ComboStyle { kFixed, kEdit };

// What OnComboBoxDrawItem gets: the field's canvas (a bitmap of the field's size), the item's index,
// the state (16 when the combo has the focus, else 0) and the text rectangle.
using ComboBoxDrawItemEvent =
    std::function<void(class TskSkinCustomComboBox& sender, gfx::Canvas& canvas, int32_t index, uint8_t state,
                       const gfx::Rect& text_rect)>;

// Closed or open. DropDown opens (a press on the button or the field, Alt+Down or Alt+Right);
// CloseUp(true) closes and takes the list's row (a left release in the list, Enter), CloseUp(false)
// closes and brings back the item of before (Escape, Alt+Up or Alt+Left, a press on the combo or
// anywhere else in the program, the focus leaving). The field shows the item of before while the
// list is open.
//
// In the edit style an edit lies over the field: Text follows what is typed there and the chosen
// row, the combo hands its focus on to the edit, and the edit's keys move through the items.
class TskSkinCustomComboBox : public TskSkinCustomControl {
 public:
  friend class TskComboEdit;

  static constexpr uint8_t kFieldFocused = 16;

  TskSkinCustomComboBox();
  ~TskSkinCustomComboBox() override;

  // The drop-down list: the items live there.
  TskPopupListBox& ListBox() const { return *list_; }
  ui::DropDownWindow& Window() const { return *window_; }
  int32_t Count() const;
  const std::string& Item(int32_t index) const;
  int32_t AddItem(std::string text);
  void SetItems(std::vector<std::string> items);

  // The list's index. Setting it (also to the index it has) takes the item's text, remembers the
  // index as SavedIndex, then fires OnClick and the change hook.
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t index);
  int32_t SavedIndex() const { return saved_index_; }
  const std::string& Text() const { return text_; }
  // A different text fires OnChange; the edit, in the edit style, shows it.
  void SetText(const std::string& text);

  // Switching to the edit style makes the edit (showing Text, taking the focus the combo has) and
  // leaves the combo out of the tab order, which the edit takes; switching back frees it.
  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);
  // The edit over the field in the edit style; null in the fixed style.
  ui::Edit* EditControl() const;
  // Rows the dropped list shows at most (8 at creation; values of 0 or less are ignored).
  int32_t DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int32_t rows);
  // Typed characters search the items by their beginning, several quick keys together (on at
  // creation); off, each key searches for itself.
  bool AutoComplete() const { return auto_complete_; }
  void SetAutoComplete(bool v) { auto_complete_ = v; }

  // The dropped list's translucency where the display can show it: AlphaBlendValue (0-255) with
  // AlphaBlend on, faded in from 0 in steps of 2 with AlphaBlendAnimation.
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v) { alpha_blend_ = v; }
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v) { alpha_blend_value_ = v; }
  bool AlphaBlendAnimation() const { return alpha_blend_animation_; }
  void SetAlphaBlendAnimation(bool v) { alpha_blend_animation_ = v; }

  bool DroppedDown() const;
  virtual void DropDown();
  void CloseUp(bool accept);

  // Computed before every paint and after size changes.
  const gfx::Rect& DropButtonRect() const { return drop_button_rect_; }
  const gfx::Rect& FieldRect() const { return field_rect_; }
  bool ButtonHot() const { return button_hot_; }
  bool ButtonPressed() const { return button_pressed_; }

  void ApplySkin() override;
  void SetSkinData(TskSkinData* data) override;
  bool WantsKey(uint16_t key) const override;
  bool WantsChars() const override { return true; }

  ui::NotifyEvent OnChange;
  ui::NotifyEvent OnCloseUp;
  ui::NotifyEvent OnDropDown;
  ComboBoxDrawItemEvent OnComboBoxDrawItem;

 protected:
  // Runs after OnClick whenever an item is chosen; nothing here.
  virtual void Change() {}
  void CalcComboRects();
  void Paint(gfx::Canvas& canvas) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  bool MouseWheel(ui::ShiftState shift, int delta, int x, int y) override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void Resize() override;
  bool ClicksOnRelease() const override { return false; }

 private:
  const TskDataSkinComboBox* ComboRecord() const;
  // The edit's font: the record's in its font colour (the edit then draws over the skin image), or
  // DefaultFont on an opaque field without a record.
  void StyleEdit();
  // The edit's text changed, typed or set: the list follows it silently and Text takes it.
  void EditChanged();
  // The edit's keys: true when the combo used the key up.
  bool EditKeyDown(uint16_t key, ui::ShiftState shift);
  void EditWheel(int delta);
  // Completes typed text at the end of the edit with the first item beginning with it; the added
  // part is left selected, so typing on replaces it.
  void AutoCompleteText();
  void DrawField(gfx::Bitmap& bitmap, const TskDataSkinComboBox* record);
  void NameList();
  void SetButtonHot(bool hot);
  // Shows the dropped window at its place with the translucency asked for.
  void ShowPopup(const gfx::Rect& anchor);

  std::unique_ptr<ui::DropDownWindow> window_;
  TskPopupListBox* list_ = nullptr;
  std::string text_;
  ComboStyle style_ = ComboStyle::kFixed;
  // A child of the combo in the edit style.
  TskComboEdit* edit_ = nullptr;
  // Set while Text is changed by the edit, and while the combo puts Text into the edit.
  bool change_from_edit_ = false;
  bool filling_edit_ = false;
  int32_t saved_index_ = -1;
  int32_t drop_down_count_ = 8;
  bool auto_complete_ = true;
  bool alpha_blend_ = false;
  uint8_t alpha_blend_value_ = 255;
  bool alpha_blend_animation_ = false;
  // The translucency last given to the window (255: opaque).
  uint8_t applied_alpha_ = 255;
  gfx::Rect drop_button_rect_;
  gfx::Rect field_rect_;
  bool button_hot_ = false;
  bool button_pressed_ = false;
  bool has_focus_ = false;
  ui::TypeAhead type_ahead_;
};

// The combo box with the "combobox" record, 120 x 20 at creation.
class TskSkinComboBox : public TskSkinCustomComboBox {
 public:
  TskSkinComboBox();
};

}  // namespace skin
