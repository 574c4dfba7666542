// Field lists of the button and check box records.
#include "skin/data/SkinButtonRecords.h"

namespace skin {

void TskDataSkinButtonControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("downfontcolor", downfontcolor);
  v.Colour("disabledfontcolor", disabledfontcolor);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("downskinrect", downskinrect);
  v.RectValue("disabledskinrect", disabledskinrect);
  v.Boolean("morphing", morphing);
  v.MorphKindValue("morphkind", morphkind);
}

void TskDataSkinMenuButtonControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinButtonControl::VisitFields(v);
  v.RectValue("trackbuttonrect", trackbuttonrect);
}

void TskDataSkinCheckRadioControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("unenabledfontcolor", unenabledfontcolor);
  v.Colour("framefontcolor", framefontcolor);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("checkimagearea", checkimagearea);
  v.RectValue("textarea", textarea);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("uncheckimagerect", uncheckimagerect);
  v.RectValue("activecheckimagerect", activecheckimagerect);
  v.RectValue("activeuncheckimagerect", activeuncheckimagerect);
  v.RectValue("unenabledcheckimagerect", unenabledcheckimagerect);
  v.RectValue("unenableduncheckimagerect", unenableduncheckimagerect);
  v.Boolean("morphing", morphing);
  v.MorphKindValue("morphkind", morphkind);
}

}  // namespace skin
