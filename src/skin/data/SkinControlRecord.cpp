// Field lists of the control record bases, and the type words of every control record class.
#include "skin/data/SkinControlRecord.h"

#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinEditRecords.h"
#include "skin/data/SkinListRecords.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/data/SkinViewRecords.h"

namespace skin {

void TskDataSkinControl::VisitFields(RecordFieldVisitor& v) {
  v.PictureIndex("pictureindex", pictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.RectValue("skinrect", skinrect);
}

void TskDataSkinCustomControl::VisitFields(RecordFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("clientrect", clientrect);
}

namespace {

template <class T>
std::unique_ptr<TskDataSkinControl> Make(std::string section_name) {
  return std::make_unique<T>(std::move(section_name));
}

struct ControlType {
  std::string_view word;
  std::unique_ptr<TskDataSkinControl> (*make)(std::string);
};

constexpr ControlType kControlTypes[] = {
    {"panel", Make<TskDataSkinPanelControl>},
    {"expanel", Make<TskDataSkinExPanelControl>},
    {"menubutton", Make<TskDataSkinMenuButtonControl>},
    {"button", Make<TskDataSkinButtonControl>},
    {"checkradio", Make<TskDataSkinCheckRadioControl>},
    {"gauge", Make<TskDataSkinGaugeControl>},
    {"splitter", Make<TskDataSkinSplitterControl>},
    {"trackbar", Make<TskDataSkinTrackBarControl>},
    {"label", Make<TskDataSkinLabelControl>},
    {"stdlabel", Make<TskDataSkinStdLabelControl>},
    {"updown", Make<TskDataSkinUpDownControl>},
    {"grid", Make<TskDataSkinGridControl>},
    {"tab", Make<TskDataSkinTabControl>},
    {"mainmenubar", Make<TskDataSkinMainMenuBar>},
    {"controlbar", Make<TskDataSkinControlBar>},
    {"memo", Make<TskDataSkinMemoControl>},
    {"edit", Make<TskDataSkinEditControl>},
    {"checklistbox", Make<TskDataSkinCheckListBox>},
    {"listbox", Make<TskDataSkinListBox>},
    {"combobox", Make<TskDataSkinComboBox>},
    {"scrollbar", Make<TskDataSkinScrollBarControl>},
    {"spinedit", Make<TskDataSkinSpinEditControl>},
    {"scrollbox", Make<TskDataSkinScrollBoxControl>},
    {"treeview", Make<TskDataSkinTreeView>},
    {"bevel", Make<TskDataSkinBevel>},
    {"slider", Make<TskDataSkinSlider>},
    {"listview", Make<TskDataSkinListView>},
    {"richedit", Make<TskDataSkinRichEdit>},
};

}  // namespace

std::unique_ptr<TskDataSkinControl> CreateControlRecord(std::string_view type_word, std::string section_name) {
  for (const ControlType& type : kControlTypes) {
    if (type.word == type_word) return type.make(std::move(section_name));
  }
  return nullptr;
}

}  // namespace skin
