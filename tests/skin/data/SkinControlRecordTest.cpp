// Control records: type words, class families, defaults, the special reading rules and round trips.
#include "skin/data/SkinControlRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinEditRecords.h"
#include "skin/data/SkinListRecords.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/data/SkinViewRecords.h"
#include "skin/data/SkinRecordTestUtil.h"
#include "skin/ini/IniFile.h"

namespace skin {
namespace {

struct TypeCase {
  const char* word;
  const char* class_name;
};

const TypeCase kControlTypes[] = {
    {"panel", "TskDataSkinPanelControl"},
    {"expanel", "TskDataSkinExPanelControl"},
    {"menubutton", "TskDataSkinMenuButtonControl"},
    {"button", "TskDataSkinButtonControl"},
    {"checkradio", "TskDataSkinCheckRadioControl"},
    {"gauge", "TskDataSkinGaugeControl"},
    {"splitter", "TskDataSkinSplitterControl"},
    {"trackbar", "TskDataSkinTrackBarControl"},
    {"label", "TskDataSkinLabelControl"},
    {"stdlabel", "TskDataSkinStdLabelControl"},
    {"updown", "TskDataSkinUpDownControl"},
    {"grid", "TskDataSkinGridControl"},
    {"tab", "TskDataSkinTabControl"},
    {"mainmenubar", "TskDataSkinMainMenuBar"},
    {"controlbar", "TskDataSkinControlBar"},
    {"memo", "TskDataSkinMemoControl"},
    {"edit", "TskDataSkinEditControl"},
    {"checklistbox", "TskDataSkinCheckListBox"},
    {"listbox", "TskDataSkinListBox"},
    {"combobox", "TskDataSkinComboBox"},
    {"scrollbar", "TskDataSkinScrollBarControl"},
    {"spinedit", "TskDataSkinSpinEditControl"},
    {"scrollbox", "TskDataSkinScrollBoxControl"},
    {"treeview", "TskDataSkinTreeView"},
    {"bevel", "TskDataSkinBevel"},
    {"slider", "TskDataSkinSlider"},
    {"listview", "TskDataSkinListView"},
    {"richedit", "TskDataSkinRichEdit"},
};

TEST(SkinControlRecord, TypeWordsSelectTheirClass) {
  for (const TypeCase& c : kControlTypes) {
    SCOPED_TRACE(c.word);
    auto record = CreateControlRecord(c.word, "look");
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->ClassName(), c.class_name);
    EXPECT_EQ(record->SectionName(), "look");
  }
  for (const char* word : {"Button", "PANEL", "custom", "control", "menuitem", "", " edit"}) {
    SCOPED_TRACE(word);
    EXPECT_EQ(CreateControlRecord(word, "look"), nullptr);
  }
}

TEST(SkinControlRecord, AControlTakesItsClassAndItsSubclassesOnly) {
  struct Case {
    const char* word;
    bool button;
    bool menu_button;
    bool custom;
    bool edit;
    bool listbox;
  };
  const Case cases[] = {
      {"button", true, false, true, false, false},
      {"menubutton", true, true, true, false, false},
      {"tab", false, false, false, false, false},  // derives from the plain control record
      {"stdlabel", false, false, false, false, false},
      {"memo", false, false, true, true, false},
      {"spinedit", false, false, true, false, false},
      {"checklistbox", false, false, true, false, true},
      {"combobox", false, false, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    auto record = CreateControlRecord(c.word, "look");
    EXPECT_EQ(IsKindOf<TskDataSkinButtonControl>(record.get()), c.button);
    EXPECT_EQ(IsKindOf<TskDataSkinMenuButtonControl>(record.get()), c.menu_button);
    EXPECT_EQ(IsKindOf<TskDataSkinCustomControl>(record.get()), c.custom);
    EXPECT_EQ(IsKindOf<TskDataSkinEditControl>(record.get()), c.edit);
    EXPECT_EQ(IsKindOf<TskDataSkinListBox>(record.get()), c.listbox);
    EXPECT_TRUE(IsKindOf<TskDataSkinControl>(record.get()));
  }
}

TEST(SkinControlRecord, DefaultsOfMissingKeys) {
  const IniFile ini("[look]\nskinrect=1,1,2,2\n");
  TskDataSkinStdLabelControl label("look");
  label.ReadFromIni(ini);
  EXPECT_EQ(label.activefontcolor, 16711680u);
  EXPECT_EQ(label.font.fontcolor, 0u);
  EXPECT_EQ(label.pictureindex, -1);
  EXPECT_EQ(label.maskpictureindex, -1);

  TskDataSkinListBox listbox("look");
  listbox.ReadFromIni(ini);
  EXPECT_EQ(listbox.vscrollbarname, "vscrollbar");
  EXPECT_EQ(listbox.hscrollbarname, "hscrollbar");
  EXPECT_EQ(listbox.bothhscrollbarname, "bothhscrollbar");
  EXPECT_EQ(listbox.captionfont.fontname, "Arial");
  EXPECT_EQ(listbox.captionfont.fontheight, 14);

  TskDataSkinGridControl grid("look");
  grid.ReadFromIni(ini);
  EXPECT_EQ(grid.fixedfont.fontname, "Arial");
  EXPECT_EQ(grid.fixedfont.fontheight, 14);

  TskDataSkinComboBox combo("look");
  combo.ReadFromIni(ini);
  EXPECT_EQ(combo.listboxname, "");

  TskDataSkinPanelControl panel("look");
  panel.ReadFromIni(ini);
  EXPECT_EQ(panel.bgpictureindex, -1);
  EXPECT_EQ(panel.alignment, Alignment::tacenter);
  EXPECT_EQ(panel.skinrect, (gfx::Rect{1, 1, 2, 2}));

  TskDataSkinButtonControl button("look");
  button.ReadFromIni(ini);
  EXPECT_FALSE(button.morphing);
  EXPECT_EQ(button.morphkind, MorphKind::mkdefault);
  EXPECT_EQ(button.font.fontstyle, FontStyles{});
}

TEST(SkinControlRecord, UpDownDropsItsNinePartGeometry) {
  const IniFile ini("[vupdown]\nlefttoppoint=5,5\nrighttoppoint=6,6\nleftbottompoint=7,7\n"
                    "rightbottompoint=8,8\nclientrect=2,2,10,10\nupbuttonrect=0,0,16,8\nskinrect=1,2,3,4\n");
  TskDataSkinUpDownControl updown("vupdown");
  updown.ReadFromIni(ini);
  EXPECT_EQ(updown.lefttoppoint, gfx::Point{});
  EXPECT_EQ(updown.righttoppoint, gfx::Point{});
  EXPECT_EQ(updown.leftbottompoint, gfx::Point{});
  EXPECT_EQ(updown.rightbottompoint, gfx::Point{});
  EXPECT_EQ(updown.clientrect, gfx::Rect{});
  EXPECT_EQ(updown.upbuttonrect, (gfx::Rect{0, 0, 16, 8}));
  EXPECT_EQ(updown.skinrect, (gfx::Rect{1, 2, 3, 4}));
}

TEST(SkinControlRecord, TabReadsItsOwnGeometryAfterTheTabRectangles) {
  const IniFile ini("[tab]\ntabrect=0,0,40,20\nclientrect=3,4,50,60\nlefttoppoint=7,8\nbgpictureindex=2\n"
                    "updown=hupdown\n");
  TskDataSkinTabControl tab("tab");
  tab.ReadFromIni(ini);
  EXPECT_EQ(tab.tabrect, (gfx::Rect{0, 0, 40, 20}));
  EXPECT_EQ(tab.clientrect, (gfx::Rect{3, 4, 50, 60}));
  EXPECT_EQ(tab.lefttoppoint, (gfx::Point{7, 8}));
  EXPECT_EQ(tab.bgpictureindex, 2);
  EXPECT_EQ(tab.updown, "hupdown");

  std::vector<std::string> keys;
  for (const RecordValue& value : tab.Values()) keys.push_back(value.first);
  const std::vector<std::string> head(keys.begin(), keys.begin() + 12);
  EXPECT_EQ(head, (std::vector<std::string>{"pictureindex", "maskpictureindex", "skinrect", "tabrect",
                                             "activetabrect", "focustabrect", "mouseintabrect", "clientrect",
                                             "bgpictureindex", "lefttoppoint", "righttoppoint",
                                             "leftbottompoint"}));
}

TEST(SkinControlRecord, DerivedRecordsReadTheirBaseKeysFirst) {
  const IniFile ini("[m]\nskinrect=1,2,3,4\nlefttoppoint=5,6\nfontname=Tahoma\ntrackbuttonrect=9,9,19,19\n"
                    "bgcolor=255\nactivebgcolor=65280\nbuttonrect=1,1,5,5\n");
  TskDataSkinMenuButtonControl menu_button("m");
  menu_button.ReadFromIni(ini);
  EXPECT_EQ(menu_button.skinrect, (gfx::Rect{1, 2, 3, 4}));
  EXPECT_EQ(menu_button.lefttoppoint, (gfx::Point{5, 6}));
  EXPECT_EQ(menu_button.font.fontname, "Tahoma");
  EXPECT_EQ(menu_button.trackbuttonrect, (gfx::Rect{9, 9, 19, 19}));
  const std::vector<RecordValue> values = menu_button.Values();
  EXPECT_EQ(values.front().first, "pictureindex");
  EXPECT_EQ(values.back(), (RecordValue{"trackbuttonrect", "9,9,19,19"}));

  TskDataSkinMemoControl memo("m");
  memo.ReadFromIni(ini);
  EXPECT_EQ(memo.buttonrect, (gfx::Rect{1, 1, 5, 5}));
  EXPECT_EQ(memo.bgcolor, 255u);
  EXPECT_EQ(memo.activebgcolor, 65280u);
}

// Each font group is the four keys in a row, after its prefix when the record reads a second font.
TEST(SkinControlRecord, FontGroupsReadTheirFourKeysInARow) {
  const std::vector<std::string> view_keys = {"pictureindex", "maskpictureindex", "skinrect", "fontname",
                                              "fontheight",   "fontstyle",        "fontcolor", "bgcolor"};
  const struct {
    const char* word;
    std::vector<std::string> run;  // keys that follow one another in the record's reading order
  } cases[] = {
      {"treeview", view_keys},
      {"listview", view_keys},
      {"richedit", view_keys},
      {"listbox",
       {"captionrect", "captionfontname", "captionfontheight", "captionfontstyle", "captionfontcolor", "upbuttonrect"}},
      {"grid", {"bgcolor", "fontname", "fontheight", "fontstyle", "fontcolor", "selectfontcolor"}},
      {"grid", {"focusfontcolor", "fixedfontname", "fixedfontheight", "fixedfontstyle", "fixedfontcolor"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    auto record = CreateControlRecord(c.word, "look");
    std::vector<std::string> keys;
    for (const RecordValue& value : record->Values()) keys.push_back(value.first);
    const auto at = std::search(keys.begin(), keys.end(), c.run.begin(), c.run.end());
    EXPECT_NE(at, keys.end()) << ::testing::PrintToString(keys);
  }

  TskDataSkinListBox listbox("look");
  listbox.ReadFromIni(IniFile("[look]\ncaptionfontname=Tahoma\ncaptionfontheight=9\nfontname=Verdana\n"
                              "captionfontcolor=255\n"));
  EXPECT_EQ(listbox.captionfont.fontname, "Tahoma");
  EXPECT_EQ(listbox.captionfont.fontheight, 9);
  EXPECT_EQ(listbox.captionfont.fontcolor, 255u);
  EXPECT_EQ(listbox.font.fontname, "Verdana");
  EXPECT_EQ(listbox.font.fontheight, 14);
}

// The tree view, list view and rich edit records share one definition but stay three kinds, so a
// control never takes the record of another.
TEST(SkinControlRecord, TreeListAndRichEditRecordsAreKindsOfTheirOwn) {
  for (const char* word : {"treeview", "listview", "richedit"}) {
    SCOPED_TRACE(word);
    auto record = CreateControlRecord(word, "look");
    const std::string w = word;
    EXPECT_EQ(IsKindOf<TskDataSkinTreeView>(record.get()), w == "treeview");
    EXPECT_EQ(IsKindOf<TskDataSkinListView>(record.get()), w == "listview");
    EXPECT_EQ(IsKindOf<TskDataSkinRichEdit>(record.get()), w == "richedit");
    EXPECT_FALSE(IsKindOf<TskDataSkinCustomControl>(record.get()));
  }
}

// A record filled with non-default values, written and read back into a fresh record of the same
// class, keeps every value except those its class clears after reading; writing erases whatever
// the section held before.
TEST(SkinControlRecord, WriteToIniRoundTripsEveryClass) {
  const std::set<std::string> updown_cleared = {"lefttoppoint", "righttoppoint", "leftbottompoint",
                                                "rightbottompoint", "clientrect"};
  for (const TypeCase& c : kControlTypes) {
    SCOPED_TRACE(c.word);
    auto written = CreateControlRecord(c.word, "look");
    testing::FillRecord(*written);
    IniFile ini("[LOOK]\nstale=1\n");
    written->WriteToIni(ini);
    EXPECT_FALSE(ini.ValueExists("look", "stale"));
    auto read = CreateControlRecord(c.word, "look");
    read->ReadFromIni(ini);

    const bool updown = std::string(c.word) == "updown";
    const std::vector<RecordValue> before = written->Values();
    const std::vector<RecordValue> after = read->Values();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(before[i].first, after[i].first);
      if (updown && updown_cleared.count(before[i].first) != 0) {
        EXPECT_TRUE(after[i].second == "0,0" || after[i].second == "0,0,0,0") << before[i].first;
        continue;
      }
      EXPECT_EQ(before[i].second, after[i].second) << before[i].first;
    }
    std::vector<std::string> keys;
    for (const RecordValue& value : before) keys.push_back(value.first);
    EXPECT_EQ(ini.Keys("look"), keys);
  }
}

}  // namespace
}  // namespace skin
