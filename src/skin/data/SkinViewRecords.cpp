// Field lists of the tab, grid and main menu bar records.
#include "skin/data/SkinViewRecords.h"

namespace skin {

void TskDataSkinTabControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.RectValue("tabrect", tabrect);
  v.RectValue("activetabrect", activetabrect);
  v.RectValue("focustabrect", focustabrect);
  v.RectValue("mouseintabrect", mouseintabrect);
  v.RectValue("clientrect", clientrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.Integer("tableftoffset", tableftoffset);
  v.Integer("tabrightoffset", tabrightoffset);
  v.RectValue("tabsbgrect", tabsbgrect);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("focusfontcolor", focusfontcolor);
  v.Colour("mouseinfontcolor", mouseinfontcolor);
  v.String("updown", updown);
}

void TskDataSkinGridControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.RectValue("fixedcellrect", fixedcellrect);
  v.RectValue("selectcellrect", selectcellrect);
  v.RectValue("focuscellrect", focuscellrect);
  v.Integer("fixedcellleftoffset", fixedcellleftoffset);
  v.Integer("fixedcellrightoffset", fixedcellrightoffset);
  v.RectValue("fixedcelltextrect", fixedcelltextrect);
  v.Integer("cellleftoffset", cellleftoffset);
  v.Integer("cellrightoffset", cellrightoffset);
  v.RectValue("celltextrect", celltextrect);
  v.Colour("linescolor", linescolor);
  v.Colour("bgcolor", bgcolor);
  v.Font(font);
  v.Colour("selectfontcolor", selectfontcolor);
  v.Colour("focusfontcolor", focusfontcolor);
  v.Font(fixedfont, "fixed");
}

void TskDataSkinMainMenuBar::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.RectValue("itemsrect", itemsrect);
  v.String("menubaritem", menubaritem);
  v.String("closebutton", closebutton);
  v.String("minbutton", minbutton);
  v.String("maxbutton", maxbutton);
  v.String("sysmenubutton", sysmenubutton);
  v.Colour("trackmarkcolor", trackmarkcolor);
  v.Colour("trackmarkactivecolor", trackmarkactivecolor);
}

}  // namespace skin
