// ComboBox: the toolkit's plain drop-down list combo box: a field showing the chosen item and a
// button that drops the item list in a popup.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/TypeAhead.h"
#include "ui/WinControl.h"

namespace ui {

class DropDownWindow;
class ListBox;

class ComboBox : public WinControl {
 public:
  static constexpr int32_t kButtonWidth = 17;

  ComboBox();
  ~ComboBox() override;

  // The drop-down list: the items live there.
  ListBox& List() const;
  int32_t Count() const;
  const std::string& Item(int32_t index) const;
  int32_t AddItem(std::string text);
  void SetItems(std::vector<std::string> items);

  // The chosen item (-1: none). Setting it moves the text and fires nothing.
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t index);
  const std::string& Text() const { return Caption(); }

  // Rows the dropped list shows at most (8 at creation; values of 0 or less are ignored).
  int32_t DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int32_t rows);

  bool DroppedDown() const;
  // Opens the list under the field (above it near the bottom of the work area); an empty combo
  // does not open.
  void DropDown();
  // Closes the list; `accept` takes the row chosen in it, otherwise the item before the drop comes
  // back.
  void CloseUp(bool accept);

  // The field and the button, in client coordinates.
  gfx::Rect FieldRect() const;
  gfx::Rect ButtonRect() const;
  // The dropped window (hidden while the list is closed).
  DropDownWindow& Window() const { return *window_; }

  // The user chose another item: by keys, the wheel or the dropped list. OnClick follows each
  // choice, then OnCloseUp when it closed the list.
  NotifyEvent OnChange;
  NotifyEvent OnDropDown;
  NotifyEvent OnCloseUp;

  bool WantsKey(uint16_t key) const override;
  bool WantsChars() const override { return true; }

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void DoEnter() override;
  void DoExit() override;
  bool ClicksOnRelease() const override { return false; }

 private:
  class DropList;
  // The user's choice: the list's index, the text, then OnChange (when the item changed) and OnClick.
  void Choose(int32_t index);

  std::unique_ptr<DropDownWindow> window_;
  DropList* list_ = nullptr;
  int32_t drop_down_count_ = 8;
  int32_t saved_index_ = -1;
  bool has_focus_ = false;
  TypeAhead type_ahead_;
};

}  // namespace ui
