// Control records drawn from a bare image: tabs, grids, the main menu bar, tree and list views, rich edits.
#pragma once

#include <string>

#include "skin/data/SkinControlRecord.h"

namespace skin {

// Reads its own corner points and client rectangle after the tab rectangles; it is not a custom
// control record, so a control that wants one never takes a tab record.
class TskDataSkinTabControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinTabControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect tabrect;
  gfx::Rect activetabrect;
  gfx::Rect focustabrect;
  gfx::Rect mouseintabrect;
  gfx::Rect clientrect;
  int32_t bgpictureindex = -1;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  int32_t tableftoffset = 0;
  int32_t tabrightoffset = 0;
  gfx::Rect tabsbgrect;
  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color focusfontcolor = 0;
  gfx::Color mouseinfontcolor = 0;
  std::string updown;  // the section of the tab scroller's look
};

class TskDataSkinGridControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinGridControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect fixedcellrect;
  gfx::Rect selectcellrect;
  gfx::Rect focuscellrect;
  int32_t fixedcellleftoffset = 0;
  int32_t fixedcellrightoffset = 0;
  gfx::Rect fixedcelltextrect;
  int32_t cellleftoffset = 0;
  int32_t cellrightoffset = 0;
  gfx::Rect celltextrect;
  gfx::Color linescolor = 0;
  gfx::Color bgcolor = 0;
  SkinFontFields font;
  gfx::Color selectfontcolor = 0;
  gfx::Color focusfontcolor = 0;
  SkinFontFields fixedfont;  // the keys fixedfont*
};

// Its item and button looks are object records, named here by section.
class TskDataSkinMainMenuBar : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinMainMenuBar"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect itemsrect;
  std::string menubaritem;
  std::string closebutton;
  std::string minbutton;
  std::string maxbutton;
  std::string sysmenubutton;
  gfx::Color trackmarkcolor = 0;
  gfx::Color trackmarkactivecolor = 0;
};

// Tree views, list views and rich edits read the same keys, a font and a background colour, so
// the three are one record type that differs only in its class name; each is still a type of its
// own, so a control takes only its own kind of record.
template <const char* kClassName>
class TskDataSkinFontViewControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return kClassName; }
  void VisitFields(RecordFieldVisitor& v) override {
    TskDataSkinControl::VisitFields(v);
    v.Font(font);
    v.Colour("bgcolor", bgcolor);
  }

  SkinFontFields font;
  gfx::Color bgcolor = 0;
};

inline constexpr char kTreeViewClassName[] = "TskDataSkinTreeView";
inline constexpr char kListViewClassName[] = "TskDataSkinListView";
inline constexpr char kRichEditClassName[] = "TskDataSkinRichEdit";
using TskDataSkinTreeView = TskDataSkinFontViewControl<kTreeViewClassName>;
using TskDataSkinListView = TskDataSkinFontViewControl<kListViewClassName>;
using TskDataSkinRichEdit = TskDataSkinFontViewControl<kRichEditClassName>;

}  // namespace skin
