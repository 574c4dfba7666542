// TskSkinListBox: the skinned list box: a skinned frame round the toolkit's list, its rows drawn from
// the record, with skinned scroll bars made while the rows need them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/TskSkinCustomControl.h"
#include "skin/ini/IniValues.h"
#include "ui/ListBox.h"

namespace ui {
class ImageList;
}

namespace skin {

class TskSkinCustomListBox;
class TskSkinScrollBar;
class TskDataSkinListBox;

// The inner list: the toolkit's list without a border or bars of its own. Its rows, the area under
// them, its input events and its ranges all go to the list box that holds it.
class TskListBox : public ui::ListBox {
 public:
  explicit TskListBox(TskSkinCustomListBox& owner);
  TskSkinCustomListBox& Owner() const { return *owner_; }
  // A click of the list (also from the list box's check button): the list box hears of it first.
  void Click() override;

 protected:
  void DrawItem(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state) override;
  void DrawEmptyArea(gfx::Canvas& canvas, const gfx::Rect& rect) override;
  void ScrollChanged() override;
  void Resize() override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  bool MouseWheel(ui::ShiftState shift, int delta, int x, int y) override;
  void DblClick() override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  void KeyUp(uint16_t& key, ui::ShiftState shift) override;
  void KeyPress(char32_t& ch) override;

 private:
  TskSkinCustomListBox* owner_;
  int32_t last_width_ = 0;
};

// What OnDrawItem gets: the item's canvas (an off-screen bitmap of the item's size), its index, its
// state (ui::ListItemState bits), the text rectangle and the item's size.
using ListBoxDrawItemEvent = std::function<void(TskSkinCustomListBox& sender, gfx::Canvas& canvas, int32_t index,
                                                uint8_t state, const gfx::Rect& text_rect, int32_t width,
                                                int32_t height)>;

// Layout, in the list box's client coordinates: without a record the list fills (2, 1) to
// (width - 2, height - 2); with one it fills the record's client area grown with the control. A
// vertical bar takes its width from the list's right side and a horizontal bar its height from the
// bottom, also when there is no vertical bar, so the last row is never under the bar.
class TskSkinCustomListBox : public TskSkinCustomControl {
 public:
  TskSkinCustomListBox();
  ~TskSkinCustomListBox() override;

  // The inner list.
  TskListBox& List() const { return *list_; }

  // --- items (the inner list's) ---
  int32_t Count() const { return list_->Count(); }
  const std::string& Item(int32_t index) const { return list_->Item(index); }
  const std::vector<std::string>& Items() const { return list_->Items(); }
  int32_t AddItem(std::string text);
  void InsertItem(int32_t index, std::string text);
  void DeleteItem(int32_t index);
  void SetItems(std::vector<std::string> items);
  void Clear() { SetItems({}); }
  bool Sorted() const { return list_->Sorted(); }
  void SetSorted(bool sorted);
  int32_t ItemIndex() const { return list_->ItemIndex(); }
  void SetItemIndex(int32_t index) { list_->SetItemIndex(index); }
  bool MultiSelect() const { return list_->MultiSelect(); }
  void SetMultiSelect(bool v) { list_->SetMultiSelect(v); }
  bool ExtendedSelect() const { return list_->ExtendedSelect(); }
  void SetExtendedSelect(bool v) { list_->SetExtendedSelect(v); }
  bool Selected(int32_t index) const { return list_->Selected(index); }
  int32_t TopIndex() const { return list_->TopIndex(); }
  void SetTopIndex(int32_t index) { list_->SetTopIndex(index); }
  // The item under a point of the inner list (its own client coordinates).
  int32_t ItemAtPos(gfx::Point p, bool existing) const { return list_->ItemAtPos(p, existing); }

  // --- sizes ---
  // n > 0 sets the height to show n rows; 0 leaves the height free.
  int32_t RowCount() const { return row_count_; }
  void SetRowCount(int32_t rows);
  // With a record, rows take the height of its item image (on at creation).
  bool UseSkinItemHeight() const { return use_skin_item_height_; }
  void SetUseSkinItemHeight(bool v);
  // The row height without a record, or with UseSkinItemHeight off (20 at creation).
  int32_t DefaultItemHeight() const { return default_item_height_; }
  void SetDefaultItemHeight(int32_t height);
  int32_t ItemHeight() const { return list_->ItemHeight(); }
  // Whether a horizontal bar scrolls items wider than the list.
  bool HorizontalExtent() const { return horizontal_extent_; }
  void SetHorizontalExtent(bool v);
  // Where the inner list lies (client coordinates).
  gfx::Rect ListRect() const { return list_->BoundsRect(); }

  // --- images: item i shows image i, or every item image ImageIndex when it is 0 or more ---
  ui::ImageList* Images() const { return images_; }
  void SetImages(ui::ImageList* images);
  int32_t ImageIndex() const { return image_index_; }
  void SetImageIndex(int32_t index);

  // --- caption bar ---
  // In caption mode a bar over the list shows the caption (after the glyph) and three buttons: up
  // selects the previous item, down the next, check clicks the list. A held button acts at once,
  // again after 500 ms and then every 100 ms; leaving it pauses, coming back resumes after 50 ms.
  // A button whose On...ButtonClick is set fires that on its release instead.
  static constexpr int kUpButton = 0;
  static constexpr int kDownButton = 1;
  static constexpr int kCheckButton = 2;
  static constexpr int kNoButton = -1;
  static constexpr uintptr_t kRepeatTimer = 1;
  static constexpr uint32_t kFirstDelayMs = 500;
  static constexpr uint32_t kRepeatMs = 100;
  static constexpr uint32_t kResumeMs = 50;
  bool CaptionMode() const { return caption_mode_; }
  void SetCaptionMode(bool on);
  // The bar's height without a record (20 at creation).
  int32_t DefaultCaptionHeight() const { return default_caption_height_; }
  void SetDefaultCaptionHeight(int32_t height);
  const gfx::Font& DefaultCaptionFont() const { return default_caption_font_; }
  void SetDefaultCaptionFont(const gfx::Font& font);
  Alignment CaptionAlignment() const { return caption_alignment_; }
  void SetCaptionAlignment(Alignment alignment);
  // A strip of NumGlyphs cells shown before the caption (the second cell when disabled).
  const gfx::Bitmap& Glyph() const { return glyph_; }
  void SetGlyph(gfx::Bitmap glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  int32_t Spacing() const { return spacing_; }
  void SetSpacing(int32_t spacing);
  // A caption button's rectangle (empty outside caption mode or when the record has none).
  gfx::Rect CaptionButtonRect(int button) const;
  int PressedButton() const { return pressed_; }
  int HotButton() const { return hot_button_; }

  ui::NotifyEvent OnUpButtonClick;
  ui::NotifyEvent OnDownButtonClick;
  ui::NotifyEvent OnCheckButtonClick;

  // --- bars (null while the rows do not need them) ---
  TskSkinScrollBar* VScrollBar() const { return vbar_; }
  TskSkinScrollBar* HScrollBar() const { return hbar_; }

  void ApplySkin() override;
  void SetSkinData(TskSkinData* data) override;
  // Places the inner list and the bars.
  void LayoutList();
  // Makes, fits or frees the bars as the rows need.
  void UpdateListBoxScrollBars();

  ListBoxDrawItemEvent OnDrawItem;
  // The inner list's events, with the list box as sender.
  ui::NotifyEvent OnListBoxClick;
  ui::NotifyEvent OnListBoxDblClick;
  ui::MouseEvent OnListBoxMouseDown;
  ui::MouseMoveEvent OnListBoxMouseMove;
  ui::MouseEvent OnListBoxMouseUp;
  ui::KeyEvent OnListBoxKeyDown;
  ui::KeyPressEvent OnListBoxKeyPress;
  ui::KeyEvent OnListBoxKeyUp;

 protected:
  friend class TskListBox;

  // The inner list's input, before the list's own handling: each fires its OnListBox event.
  virtual void ListBoxMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  virtual void ListBoxMouseMove(ui::ShiftState shift, int x, int y);
  virtual void ListBoxMouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  virtual void ListBoxClick();
  virtual void ListBoxDblClick();
  virtual void ListBoxKeyDown(uint16_t& key, ui::ShiftState shift);
  virtual void ListBoxKeyUp(uint16_t& key, ui::ShiftState shift);
  virtual void ListBoxKeyPress(char32_t& ch);

  // One row into the inner list's canvas at `rect` (the inner list's coordinates).
  void DrawListItem(gfx::Canvas& canvas, int32_t index, const gfx::Rect& rect, uint8_t state);
  // The inner list's area under its last row.
  void DrawListBackground(gfx::Canvas& canvas, const gfx::Rect& rect);
  // The width of an item's text; the canvas holds the font rows are drawn with.
  virtual int32_t ItemTextWidth(int32_t index, gfx::Canvas& canvas);

  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void Resize() override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void TimerTick(uintptr_t id) override;
  void CaptionChanged() override;

 private:
  // The list-box record while the control draws from it, else null.
  const TskDataSkinListBox* ListRecord() const;
  gfx::Font ItemFont(uint8_t state) const;
  void DrawItemContent(gfx::Canvas& canvas, int32_t index, uint8_t state, gfx::Rect text_rect, int32_t width,
                       int32_t height);
  void CreateVBar();
  void CreateHBar();
  void RemoveVBar();
  void RemoveHBar();
  void NameBars();
  void ApplyRowCount();
  void ApplyItemHeight();
  int32_t WidestItem();
  // The caption bar (TskSkinListBoxCaption.cpp).
  int ButtonAt(gfx::Point p) const;
  void ButtonAction(int button);
  const ui::NotifyEvent& ButtonEvent(int button) const;
  void StopPress();
  void DrawCaptionBar(gfx::Bitmap& bitmap, const TskDataSkinListBox* record);

  TskListBox* list_ = nullptr;
  TskSkinScrollBar* vbar_ = nullptr;
  TskSkinScrollBar* hbar_ = nullptr;
  int32_t row_count_ = 0;
  bool use_skin_item_height_ = true;
  int32_t default_item_height_ = 20;
  bool horizontal_extent_ = false;
  ui::ImageList* images_ = nullptr;
  int32_t image_index_ = -1;
  bool applying_skin_ = false;
  bool updating_bars_ = false;
  // The widest item text, measured once per change of the items (-1: to be measured).
  int32_t widest_ = -1;
  gfx::Bitmap item_bitmap_;
  bool caption_mode_ = false;
  int32_t default_caption_height_ = 20;
  gfx::Font default_caption_font_{"Arial", 14};
  Alignment caption_alignment_ = Alignment::taleftjustify;
  gfx::Bitmap glyph_;
  int num_glyphs_ = 1;
  int32_t spacing_ = 2;
  int pressed_ = kNoButton;
  int hot_button_ = kNoButton;
  bool repeat_paused_ = false;
};

// The list box with the "listbox" record, 120 x 120 at creation.
class TskSkinListBox : public TskSkinCustomListBox {
 public:
  TskSkinListBox();
};

}  // namespace skin
