// Control records of gauges, track bars, scroll bars, up-down buttons and sliders.
#pragma once

#include <string>

#include "skin/data/SkinControlRecord.h"

namespace skin {

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinGaugeControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect progressarea;
  gfx::Rect progressrect;
  int32_t beginoffset = 0;
  int32_t endoffset = 0;
  bool vertical = false;
  SkinFontFields font;
};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinTrackBarControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect trackarea;
  gfx::Rect buttonrect;
  gfx::Rect activebuttonrect;
  bool vertical = false;
};

class TskDataSkinScrollBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinScrollBarControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect trackarea;
  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
  gfx::Rect thumbrect;
  gfx::Rect activethumbrect;
  gfx::Rect downthumbrect;
  int32_t thumboffset1 = 0;
  int32_t thumboffset2 = 0;
  gfx::Rect glyphrect;
  gfx::Rect activeglyphrect;
  gfx::Rect downglyphrect;
};

// Up-down buttons are drawn from their button rectangles alone: reading always leaves the inherited
// corner points and client rectangle at zero, whatever the section says.
class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinUpDownControl"; }
  void VisitFields(RecordFieldVisitor& v) override;
  void ReadFromIni(const IniFile& ini) override;

  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
};

class TskDataSkinSlider : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinSlider"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Color bgcolor = 0;
  gfx::Rect hrulerrect;
  gfx::Rect hthumbrect;
  gfx::Rect vrulerrect;
  gfx::Rect vthumbrect;
  int32_t edgesize = 0;
  gfx::Color pointscolor = 0;
};

}  // namespace skin
