// Field lists of the edit, memo and spin edit records.
#include "skin/data/SkinEditRecords.h"

namespace skin {

void TskDataSkinEditControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("activeskinrect", activeskinrect);
  v.Font(font);
  v.Colour("disabledfontcolor", disabledfontcolor);
  v.Colour("activefontcolor", activefontcolor);
  v.RectValue("buttonrect", buttonrect);
  v.RectValue("activebuttonrect", activebuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("unenabledbuttonrect", unenabledbuttonrect);
}

void TskDataSkinMemoControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinEditControl::VisitFields(v);
  v.Colour("bgcolor", bgcolor);
  v.Colour("activebgcolor", activebgcolor);
}

void TskDataSkinSpinEditControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("activeskinrect", activeskinrect);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("disabledfontcolor", disabledfontcolor);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
}

}  // namespace skin
