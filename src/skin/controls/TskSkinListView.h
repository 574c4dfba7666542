// TskSkinCustomListView and TskSkinListView: the toolkit's list view in the skin's colours and font,
// its header painted from a button record and its scrolling shown on external skinned bars.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/Font.h"
#include "skin/controls/SkinDataLink.h"
#include "ui/ListView.h"

namespace skin {

class TskSkinScrollBar;
class TskDataSkinButtonControl;

// The list view draws no border and no bars of its own. Its vertical and horizontal positions are
// shown on the TskSkinScrollBar controls it is given (not owned, forgotten when destroyed): a bar is
// shown while its axis has something to scroll, and moving it scrolls the list. In list style the
// items run sideways, so the vertical bar always stays hidden.
//
// While the header shows (report style with column headers), the control replaces the header's
// window procedure with its own, which paints every section from the "resizebutton" record (or in
// the plain look) and passes everything else on; the header gets its own procedure back when it is
// hidden and when the control goes.
class TskSkinCustomListView : public ui::ListView {
 public:
  TskSkinCustomListView();
  ~TskSkinCustomListView() override;

  TskSkinData* SkinData() const { return link_.Data(); }
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name);
  const std::string& HeaderSkinDataName() const { return header_link_.Name(); }
  void SetHeaderSkinDataName(std::string name);

  TskSkinScrollBar* HScrollBar() const { return hbar_; }
  void SetHScrollBar(TskSkinScrollBar* bar);
  TskSkinScrollBar* VScrollBar() const { return vbar_; }
  void SetVScrollBar(TskSkinScrollBar* bar);

  // Used without a record: the font ("Arial", 14) and the colour (the window colour).
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  gfx::Color DefaultColor() const { return default_color_; }
  void SetDefaultColor(gfx::Color color);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);

  // Takes the colours and font of the record (or the defaults) and brings the bars up to date.
  void ApplySkin();
  // Shows, hides and sets the external bars for the current ranges.
  void UpdateListScrollBars();
  // Whether the header's procedure is this control's now.
  bool HeaderHooked() const { return header_hooked_; }

  // Draws a header section's content (caption, image) instead of the default; the section's
  // background is drawn already. Canvas in the header's coordinates.
  std::function<void(TskSkinCustomListView* sender, gfx::Canvas& canvas, int column, const gfx::Rect& rect,
                     bool pressed)>
      OnDrawHeaderSection;

  void SkinMessageChange(const void* skin_data) override;

 protected:
  void ScrollChanged() override;
  void VisibleChanged() override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void HookHeader(bool hook);
  void HeaderProc(ui::Message& m);
  void PaintHeader(gfx::Canvas& canvas);
  void PaintSection(gfx::Canvas& canvas, int index, const TskDataSkinButtonControl* record);
  void PaintSectionContent(gfx::Canvas& canvas, int index, const gfx::Rect& r, gfx::Color color);
  void PaintHeaderRest(gfx::Canvas& canvas, const gfx::Rect& r, const TskDataSkinButtonControl* record);
  void TakeOver(TskSkinScrollBar* bar, bool vertical);
  void Release(TskSkinScrollBar* bar);
  void BarChanged(bool vertical);

  SkinDataLink link_;
  SkinDataLink header_link_;
  gfx::Font default_font_{"Arial", 14};
  gfx::Color default_color_ = ui::kColorWindow;
  bool use_skin_font_ = true;
  TskSkinScrollBar* hbar_ = nullptr;
  TskSkinScrollBar* vbar_ = nullptr;
  ui::WindowProcFn saved_header_proc_;
  bool header_hooked_ = false;
  bool guard_ = false;               // set while the bars are updated
  bool scrolling_from_bar_ = false;  // set while a bar scrolls the list
};

// The list view placed on forms.
class TskSkinListView : public TskSkinCustomListView {
 public:
  TskSkinListView() = default;
};

}  // namespace skin
