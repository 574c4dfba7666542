// Control records of edits, memos and spin edits.
#pragma once

#include <string>

#include "skin/data/SkinControlRecord.h"

namespace skin {

class TskDataSkinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinEditControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect activeskinrect;
  SkinFontFields font;
  gfx::Color disabledfontcolor = 0;
  gfx::Color activefontcolor = 0;
  gfx::Rect buttonrect;  // the button of an edit with a button
  gfx::Rect activebuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect unenabledbuttonrect;
};

class TskDataSkinMemoControl : public TskDataSkinEditControl {
 public:
  using TskDataSkinEditControl::TskDataSkinEditControl;
  const char* ClassName() const override { return "TskDataSkinMemoControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Color bgcolor = 0;
  gfx::Color activebgcolor = 0;
};

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinSpinEditControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect activeskinrect;
  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color disabledfontcolor = 0;
  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
};

}  // namespace skin
