// TskSkinPageControl and its tab sheets: the page control drawn from the skin's tab record.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "skin/controls/SkinDataLink.h"
#include "ui/PageControl.h"

namespace gfx {
class Canvas;
}

namespace skin {

class TskDataSkinTabControl;
class TskSkinData;
class TskSkinUpDown;

// A page control whose frame, tab line background and tabs come from the "tab" record: the frame
// is the record's skinrect cut at its corner points and stretched round the page area, the line
// behind the tabs is tiled with tabsbgrect, and each tab is a strip of tabrect (activetabrect when
// selected, focustabrect when selected in a focused control, mouseintabrect under the mouse when
// the record has one) with fixed ends and a tiled middle. The tab under the mouse takes the
// record's mouseinfontcolor even when the record has no picture for it. Left and right tabs are
// built lying down and turned, so their captions read upwards on the left and downwards on the
// right.
//
// When the single line of tabs overflows, a skinned up-down (the record's updown look) appears at
// the line's right end in place of the plain scroll buttons, and goes when the tabs fit again.
//
// Without a record the control is plain: button-face tabs, the selected one framed in navy, and a
// one-pixel shadow frame round the pages; the tabs are DefaultItemHeight high unless TabHeight is set.
class TskSkinPageControl : public ui::PageControl {
 public:
  static constexpr int32_t kNoRecord = -1;

  TskSkinPageControl();
  ~TskSkinPageControl() override;

  TskSkinData* SkinData() const { return link_.Data(); }
  // Binding to a loaded skin applies it at once.
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name);
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);
  int32_t DefaultItemHeight() const { return default_item_height_; }
  void SetDefaultItemHeight(int32_t height);

  // Index of the tab record in the skin, or kNoRecord.
  int32_t RecordIndex() const { return record_index_; }
  // Looks the record up again; the record itself, or null.
  void LoadSkinRecord();
  const TskDataSkinTabControl* Record() const;
  // Takes up the present skin: font, tab size, layout, scroller, repaint.
  void ApplySkin();

  // The tab rectangles and page area, as the skinned frame wants them.
  gfx::Rect TabItemRect(int index) const override;
  gfx::Rect DisplayRect() const override;

  // The tab under the mouse (its visible index), or kNoTab.
  int HotTab() const { return hot_tab_; }
  // Tabs cut off at either end of the line, and those scrolled away at the left.
  int HiddenTabCount() const;
  int ScrolledTabCount() const;
  // The scroller while the tabs overflow, else null.
  TskSkinUpDown* TabScroller() const { return scroller_; }
  // Creates, places or frees the scroller after the tabs' room changed.
  void UpdateTabScroller();

  void SkinMessageBeforeChange(const void* skin_data) override;
  void SkinMessageChange(const void* skin_data) override;

  // Frames, tab line and tabs, in the plain or the skinned look.
  void DrawDefaultFrame(gfx::Canvas& canvas);
  void DrawSkinFrame(gfx::Canvas& canvas);
  void DrawTabs(gfx::Canvas& canvas);
  void DrawTab(int page_index, const gfx::Rect& r, gfx::Canvas& canvas, bool hot, bool selected);

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void Change() override;
  void TabsChanged() override;
  void ItemSizeRule() override;
  int32_t ScrollerReserve() const override;

 private:
  void UpdateHotTab(int x, int y);
  void TabScrollerChanged();
  // Frame margins of the record: clientrect's insets from skinrect's sides.
  gfx::Rect Margins(const TskDataSkinTabControl& r) const;
  const gfx::Bitmap* RecordPicture(const TskDataSkinTabControl& r) const;

  SkinDataLink link_;
  gfx::Font default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  int32_t default_item_height_ = 20;
  int32_t record_index_ = kNoRecord;
  int hot_tab_ = kNoTab;
  TskSkinUpDown* scroller_ = nullptr;
  bool updating_scroller_ = false;
  gfx::Bitmap offscreen_;
};

// A page that tiles its background with the page control's skin: the record's client part, or the
// skin's picture bgpictureindex when the record names one; the button face without a record.
class TskSkinCustomTabSheet : public ui::TabSheet {
 public:
  TskSkinCustomTabSheet();

  void PaintSheetBackground(gfx::Canvas& canvas);

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void EraseBackground(gfx::Canvas& canvas) override;
  void Resize() override;
};

class TskSkinTabSheet : public TskSkinCustomTabSheet {
 public:
  TskSkinTabSheet() = default;
};

}  // namespace skin
