// Field lists of the panel, scroll box, control bar, label and bevel records.
#include "skin/data/SkinPanelRecords.h"

namespace skin {

void TskDataSkinPanelControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.RectValue("captionrect", captionrect);
  v.AlignmentValue("alignment", alignment);
  v.Font(font);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("uncheckimagerect", uncheckimagerect);
}

void TskDataSkinExPanelControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("rollhskinrect", rollhskinrect);
  v.RectValue("rollvskinrect", rollvskinrect);
  v.Integer("rollleftoffset", rollleftoffset);
  v.Integer("rollrightoffset", rollrightoffset);
  v.Integer("rolltopoffset", rolltopoffset);
  v.Integer("rollbottomoffset", rollbottomoffset);
  v.RectValue("rollvcaptionrect", rollvcaptionrect);
  v.RectValue("rollhcaptionrect", rollhcaptionrect);
  v.RectValue("closebuttonrect", closebuttonrect);
  v.RectValue("closebuttonactiverect", closebuttonactiverect);
  v.RectValue("closebuttondownrect", closebuttondownrect);
  v.RectValue("hrollbuttonrect", hrollbuttonrect);
  v.RectValue("hrollbuttonactiverect", hrollbuttonactiverect);
  v.RectValue("hrollbuttondownrect", hrollbuttondownrect);
  v.RectValue("hrestorebuttonrect", hrestorebuttonrect);
  v.RectValue("hrestorebuttonactiverect", hrestorebuttonactiverect);
  v.RectValue("hrestorebuttondownrect", hrestorebuttondownrect);
  v.RectValue("vrollbuttonrect", vrollbuttonrect);
  v.RectValue("vrollbuttonactiverect", vrollbuttonactiverect);
  v.RectValue("vrollbuttondownrect", vrollbuttondownrect);
  v.RectValue("vrestorebuttonrect", vrestorebuttonrect);
  v.RectValue("vrestorebuttonactiverect", vrestorebuttonactiverect);
  v.RectValue("vrestorebuttondownrect", vrestorebuttondownrect);
  v.RectValue("captionrect", captionrect);
  v.Font(font);
}

void TskDataSkinScrollBoxControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.PictureIndex("bgpictureindex", bgpictureindex);
}

void TskDataSkinControlBar::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("itemrect", itemrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
}

void TskDataSkinLabelControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Font(font);
}

void TskDataSkinStdLabelControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
}

void TskDataSkinBevel::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Colour("lightcolor", lightcolor);
  v.Colour("darkcolor", darkcolor);
}

}  // namespace skin
