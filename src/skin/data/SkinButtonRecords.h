// Control records of push buttons, menu buttons, and check boxes and radio buttons.
#pragma once

#include <string>

#include "skin/data/SkinControlRecord.h"

namespace skin {

class TskDataSkinButtonControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinButtonControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color downfontcolor = 0;
  gfx::Color disabledfontcolor = 0;
  gfx::Rect activeskinrect;
  gfx::Rect downskinrect;
  gfx::Rect disabledskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
 public:
  using TskDataSkinButtonControl::TskDataSkinButtonControl;
  const char* ClassName() const override { return "TskDataSkinMenuButtonControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect trackbuttonrect;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinCheckRadioControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color unenabledfontcolor = 0;
  gfx::Color framefontcolor = 0;
  gfx::Rect activeskinrect;
  gfx::Rect checkimagearea;
  gfx::Rect textarea;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
  gfx::Rect activecheckimagerect;
  gfx::Rect activeuncheckimagerect;
  gfx::Rect unenabledcheckimagerect;
  gfx::Rect unenableduncheckimagerect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;
};

}  // namespace skin
