// Field lists of the gauge, track bar, scroll bar, up-down and slider records.
#include "skin/data/SkinRangeRecords.h"

namespace skin {

void TskDataSkinGaugeControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("progressarea", progressarea);
  v.RectValue("progressrect", progressrect);
  v.Integer("beginoffset", beginoffset);
  v.Integer("endoffset", endoffset);
  v.Boolean("vertical", vertical);
  v.Font(font);
}

void TskDataSkinTrackBarControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("trackarea", trackarea);
  v.RectValue("buttonrect", buttonrect);
  v.RectValue("activebuttonrect", activebuttonrect);
  v.Boolean("vertical", vertical);
}

void TskDataSkinScrollBarControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("trackarea", trackarea);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
  v.RectValue("thumbrect", thumbrect);
  v.RectValue("activethumbrect", activethumbrect);
  v.RectValue("downthumbrect", downthumbrect);
  v.Integer("thumboffset1", thumboffset1);
  v.Integer("thumboffset2", thumboffset2);
  v.RectValue("glyphrect", glyphrect);
  v.RectValue("activeglyphrect", activeglyphrect);
  v.RectValue("downglyphrect", downglyphrect);
}

void TskDataSkinUpDownControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
}

void TskDataSkinUpDownControl::ReadFromIni(const IniFile& ini) {
  TskDataSkinCustomControl::ReadFromIni(ini);
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = {};
  clientrect = {};
}

void TskDataSkinSlider::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Colour("bgcolor", bgcolor);
  v.RectValue("hrulerrect", hrulerrect);
  v.RectValue("hthumbrect", hthumbrect);
  v.RectValue("vrulerrect", vrulerrect);
  v.RectValue("vthumbrect", vthumbrect);
  v.Integer("edgesize", edgesize);
  v.Colour("pointscolor", pointscolor);
}

}  // namespace skin
