// Field lists of the list box, check list box and combo box records.
#include "skin/data/SkinListRecords.h"

namespace skin {

void TskDataSkinListBox::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("itemrect", itemrect);
  v.RectValue("activeitemrect", activeitemrect);
  v.RectValue("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset);
  v.Integer("itemrightoffset", itemrightoffset);
  v.RectValue("itemtextrect", itemtextrect);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("focusfontcolor", focusfontcolor);
  v.RectValue("captionrect", captionrect);
  v.Font(captionfont, "caption");
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
  v.RectValue("checkbuttonrect", checkbuttonrect);
  v.RectValue("activecheckbuttonrect", activecheckbuttonrect);
  v.RectValue("downcheckbuttonrect", downcheckbuttonrect);
  v.String("vscrollbarname", vscrollbarname);
  v.String("hscrollbarname", hscrollbarname);
  v.String("bothhscrollbarname", bothhscrollbarname);
}

void TskDataSkinCheckListBox::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinListBox::VisitFields(v);
  v.RectValue("itemcheckrect", itemcheckrect);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("uncheckimagerect", uncheckimagerect);
}

void TskDataSkinComboBox::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("itemrect", itemrect);
  v.RectValue("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset);
  v.Integer("itemrightoffset", itemrightoffset);
  v.RectValue("itemtextrect", itemtextrect);
  v.Font(font);
  v.Colour("focusfontcolor", focusfontcolor);
  v.String("listboxname", listboxname);
  v.RectValue("buttonrect", buttonrect);
  v.RectValue("activebuttonrect", activebuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("unenabledbuttonrect", unenabledbuttonrect);
}

}  // namespace skin
