// Control records of list boxes, check list boxes and combo boxes.
#pragma once

#include <string>

#include "skin/data/SkinControlRecord.h"

namespace skin {

class TskDataSkinListBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinListBox"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect itemrect;
  gfx::Rect activeitemrect;
  gfx::Rect focusitemrect;
  int32_t itemleftoffset = 0;
  int32_t itemrightoffset = 0;
  gfx::Rect itemtextrect;
  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color focusfontcolor = 0;
  gfx::Rect captionrect;
  SkinFontFields captionfont;  // the keys captionfont*
  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
  gfx::Rect checkbuttonrect;
  gfx::Rect activecheckbuttonrect;
  gfx::Rect downcheckbuttonrect;
  // Sections of the scroll bars' looks.
  std::string vscrollbarname = "vscrollbar";
  std::string hscrollbarname = "hscrollbar";
  std::string bothhscrollbarname = "bothhscrollbar";
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
 public:
  using TskDataSkinListBox::TskDataSkinListBox;
  const char* ClassName() const override { return "TskDataSkinCheckListBox"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect itemcheckrect;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
};

class TskDataSkinComboBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinComboBox"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect itemrect;
  gfx::Rect focusitemrect;
  int32_t itemleftoffset = 0;
  int32_t itemrightoffset = 0;
  gfx::Rect itemtextrect;
  SkinFontFields font;
  gfx::Color focusfontcolor = 0;
  std::string listboxname;  // the section of the drop-down list's look
  gfx::Rect buttonrect;
  gfx::Rect activebuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect unenabledbuttonrect;
};

}  // namespace skin
