// Control records of panels, scroll boxes, control bars, splitters, labels and bevels.
#pragma once

#include <string>

#include "skin/data/SkinControlRecord.h"

namespace skin {

class TskDataSkinPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinPanelControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  int32_t bgpictureindex = -1;
  gfx::Rect captionrect;
  Alignment alignment = Alignment::tacenter;
  SkinFontFields font;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
};

// A panel that rolls up horizontally or vertically, with close, roll and restore buttons.
class TskDataSkinExPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinExPanelControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect rollhskinrect;
  gfx::Rect rollvskinrect;
  int32_t rollleftoffset = 0;
  int32_t rollrightoffset = 0;
  int32_t rolltopoffset = 0;
  int32_t rollbottomoffset = 0;
  gfx::Rect rollvcaptionrect;
  gfx::Rect rollhcaptionrect;
  gfx::Rect closebuttonrect;
  gfx::Rect closebuttonactiverect;
  gfx::Rect closebuttondownrect;
  gfx::Rect hrollbuttonrect;
  gfx::Rect hrollbuttonactiverect;
  gfx::Rect hrollbuttondownrect;
  gfx::Rect hrestorebuttonrect;
  gfx::Rect hrestorebuttonactiverect;
  gfx::Rect hrestorebuttondownrect;
  gfx::Rect vrollbuttonrect;
  gfx::Rect vrollbuttonactiverect;
  gfx::Rect vrollbuttondownrect;
  gfx::Rect vrestorebuttonrect;
  gfx::Rect vrestorebuttonactiverect;
  gfx::Rect vrestorebuttondownrect;
  gfx::Rect captionrect;
  SkinFontFields font;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinScrollBoxControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  int32_t bgpictureindex = -1;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinControlBar"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect itemrect;
  int32_t bgpictureindex = -1;
};

// Reads only the nine-part geometry of its base.
class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinSplitterControl"; }
};

class TskDataSkinLabelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  const char* ClassName() const override { return "TskDataSkinLabelControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  SkinFontFields font;
};

// A label without an image of its own; its active (link) colour defaults to pure blue.
class TskDataSkinStdLabelControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinStdLabelControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  SkinFontFields font;
  gfx::Color activefontcolor = 16711680;
};

class TskDataSkinBevel : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinBevel"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Color lightcolor = 0;
  gfx::Color darkcolor = 0;
};

}  // namespace skin
