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
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
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
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color selectfontcolor = 0;
  gfx::Color focusfontcolor = 0;
  std::string fixedfontname = "Arial";
  int32_t fixedfontheight = 14;
  FontStyles fixedfontstyle;
  gfx::Color fixedfontcolor = 0;
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

class TskDataSkinTreeView : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinTreeView"; }
  void VisitFields(RecordFieldVisitor& v) override;

  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color bgcolor = 0;
};

class TskDataSkinListView : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinListView"; }
  void VisitFields(RecordFieldVisitor& v) override;

  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color bgcolor = 0;
};

class TskDataSkinRichEdit : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinRichEdit"; }
  void VisitFields(RecordFieldVisitor& v) override;

  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color bgcolor = 0;
};

}  // namespace skin
