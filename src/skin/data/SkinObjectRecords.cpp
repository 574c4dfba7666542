// Field lists of the object records and the type words that select them.
#include "skin/data/SkinObjectRecords.h"

#include "skin/ini/IniFile.h"

namespace skin {

void TskDataSkinObject::VisitFields(RecordFieldVisitor& v) {
  v.String("hint", hint);
  v.PictureIndex("activepictureindex", activepictureindex);
  v.Boolean("skinrectinapicture", skinrectinapicture);
  v.RectValue("skinrect", skinrect);
  v.RectValue("activeskinrect", activeskinrect);
  v.Boolean("morphing", morphing);
  v.MorphKindValue("morphkind", morphkind);
}

void TskDataUserObject::VisitFields(RecordFieldVisitor& v) { v.RectValue("skinrect", skinrect); }

void TskDataSkinButton::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.RectValue("downrect", downrect);
  v.RectValue("disableskinrsect", disableskinrsect);
}

void TskDataSkinStdButton::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinButton::VisitFields(v);
  v.Command("command", command);
  v.RectValue("restorerect", restorerect);
  v.RectValue("restoreactiverect", restoreactiverect);
  v.RectValue("restoredownrect", restoredownrect);
  v.RectValue("restoreinactiverect", restoreinactiverect);
}

void TskDataSkinAnimate::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Integer("countframes", countframes);
  v.Boolean("cycle", cycle);
  v.Boolean("buttonstyle", buttonstyle);
  v.Integer("timerinterval", timerinterval);
  v.Command("command", command);
}

void TskDataSkinAnimate::ReadFromIni(const IniFile& ini) {
  TskDataSkinObject::ReadFromIni(ini);
  morphing = false;
}

void TskDataSkinMenuItem::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Integer("itemleftoffset", itemleftoffset);
  v.Integer("itemrightoffset", itemrightoffset);
  v.RectValue("dividerrect", dividerrect);
  v.Integer("dividerleftoffset", dividerleftoffset);
  v.Integer("dividerrightoffset", dividerrightoffset);
  v.RectValue("textrect", textrect);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("unenabledfontcolor", unenabledfontcolor);
}

void TskDataSkinMainMenuItem::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Integer("itemleftoffset", itemleftoffset);
  v.Integer("itemrightoffset", itemrightoffset);
  v.RectValue("downrect", downrect);
  v.RectValue("textrect", textrect);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.Colour("downfontcolor", downfontcolor);
  v.Colour("unenabledfontColor", unenabledfontColor);
}

void TskDataSkinCaption::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.RectValue("textrect", textrect);
  v.Font(font);
  v.Colour("activefontcolor", activefontcolor);
  v.AlignmentValue("alignment", alignment);
  v.Boolean("shadow", shadow);
  v.Colour("shadowcolor", shadowcolor);
  v.Colour("activeshadowcolor", activeshadowcolor);
  v.RectValue("framerect", framerect);
  v.RectValue("activeframerect", activeframerect);
  v.RectValue("frametextrect", frametextrect);
  v.Integer("frameleftoffset", frameleftoffset);
  v.Integer("framerightoffset", framerightoffset);
}

std::unique_ptr<TskDataSkinObject> CreateObjectRecord(std::string_view type_word, std::string section_name) {
  if (type_word == "menuitem") return std::make_unique<TskDataSkinMenuItem>(std::move(section_name));
  if (type_word == "mainmenubaritem") return std::make_unique<TskDataSkinMainMenuBarItem>(std::move(section_name));
  if (type_word == "stdbutton") return std::make_unique<TskDataSkinStdButton>(std::move(section_name));
  if (type_word == "mainmenubarbutton") {
    return std::make_unique<TskDataSkinMainMenuBarButton>(std::move(section_name));
  }
  if (type_word == "button") return std::make_unique<TskDataSkinButton>(std::move(section_name));
  if (type_word == "caption") return std::make_unique<TskDataSkinCaption>(std::move(section_name));
  if (type_word == "animate") return std::make_unique<TskDataSkinAnimate>(std::move(section_name));
  if (type_word == "userobject") return std::make_unique<TskDataUserObject>(std::move(section_name));
  return nullptr;
}

}  // namespace skin
