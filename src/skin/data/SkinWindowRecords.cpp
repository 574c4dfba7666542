// Field lists of the popup and hint window records.
#include "skin/data/SkinWindowRecords.h"

#include "skin/ini/IniFile.h"

namespace skin {

void TskDataSkinPopupWindow::VisitFields(RecordFieldVisitor& v) {
  v.PictureIndex("windowpictureindex", windowpictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("itemsrect", itemsrect);
  v.Colour("scrollmarkercolor", scrollmarkercolor);
  v.Colour("scrollmarkeractivecolor", scrollmarkeractivecolor);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("bottomstretch", bottomstretch);
}

void TskDataSkinPopupWindow::ReadFromIni(const IniFile& ini) {
  windowpictureindex = -1;
  maskpictureindex = -1;
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = {};
  itemsrect = {};
  scrollmarkercolor = scrollmarkeractivecolor = 0;
  leftstretch = rightstretch = topstretch = bottomstretch = false;
  SkinRecord::ReadFromIni(ini);
}

void TskDataSkinHintWindow::VisitFields(RecordFieldVisitor& v) {
  v.PictureIndex("windowpictureindex", windowpictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("clientrect", clientrect);
  v.Font(font);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("bottomstretch", bottomstretch);
}

void TskDataSkinHintWindow::ReadFromIni(const IniFile& ini) {
  windowpictureindex = -1;
  maskpictureindex = -1;
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = {};
  clientrect = {};
  font = SkinFontFields::OfHeight(kReadFontHeight);
  leftstretch = rightstretch = topstretch = bottomstretch = false;
  SkinRecord::ReadFromIni(ini);
}

}  // namespace skin
