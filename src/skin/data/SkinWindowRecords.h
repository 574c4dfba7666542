// The records of the popup menu window and the hint window, which live as long as the skin data.
#pragma once

#include <string>

#include "skin/data/SkinRecord.h"

namespace skin {

// Both windows are drawn from the whole picture windowpictureindex names; -1 means not skinned.
// Unlike list records these records are reused by every load, so reading first puts every field
// back to its default: a skin without the section must not inherit the previous skin's values.
class TskDataSkinPopupWindow : public SkinRecord {
 public:
  TskDataSkinPopupWindow() : SkinRecord("POPUPWINDOW") {}
  const char* ClassName() const override { return "TskDataSkinPopupWindow"; }
  void VisitFields(RecordFieldVisitor& v) override;
  void ReadFromIni(const IniFile& ini) override;

  int32_t windowpictureindex = -1;
  int32_t maskpictureindex = -1;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect itemsrect;  // takes the place of the client rectangle
  gfx::Color scrollmarkercolor = 0;
  gfx::Color scrollmarkeractivecolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
};

class TskDataSkinHintWindow : public SkinRecord {
 public:
  TskDataSkinHintWindow() : SkinRecord("HINTWINDOW") {}
  const char* ClassName() const override { return "TskDataSkinHintWindow"; }
  void VisitFields(RecordFieldVisitor& v) override;
  void ReadFromIni(const IniFile& ini) override;

  // A missing fontheight reads as 14, while a hint window that no skin has filled yet uses 12.
  static constexpr int32_t kReadFontHeight = 14;

  int32_t windowpictureindex = -1;
  int32_t maskpictureindex = -1;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
  SkinFontFields font = SkinFontFields::OfHeight(12);
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
};

}  // namespace skin
