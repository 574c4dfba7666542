// Object records: type words, defaults, the special reading rules and INI round trips.
#include "skin/data/SkinObjectRecords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/data/SkinRecordTestUtil.h"
#include "skin/ini/IniFile.h"

namespace skin {
namespace {

const char* const kObjectTypeWords[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                        "button",   "caption",         "animate",   "userobject"};

TEST(SkinObjectRecords, TypeWordsSelectTheirClassCaseSensitively) {
  struct Case {
    const char* word;
    const char* class_name;  // null: the entry is skipped
  };
  const Case cases[] = {
      {"menuitem", "TskDataSkinMenuItem"},
      {"mainmenubaritem", "TskDataSkinMainMenuBarItem"},
      {"stdbutton", "TskDataSkinStdButton"},
      {"mainmenubarbutton", "TskDataSkinMainMenuBarButton"},
      {"button", "TskDataSkinButton"},
      {"caption", "TskDataSkinCaption"},
      {"animate", "TskDataSkinAnimate"},
      {"userobject", "TskDataUserObject"},
      {"Button", nullptr},
      {"button ", nullptr},
      {"mainmenuitem", nullptr},  // a class without a type word of its own
      {"", nullptr},
      {"panel", nullptr},  // a control type word
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    auto record = CreateObjectRecord(c.word, "sec");
    if (c.class_name == nullptr) {
      EXPECT_EQ(record, nullptr);
      continue;
    }
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->ClassName(), c.class_name);
    EXPECT_EQ(record->SectionName(), "sec");
  }
}

TEST(SkinObjectRecords, FamiliesFollowTheClassTree) {
  auto bar_button = CreateObjectRecord("mainmenubarbutton", "b");
  EXPECT_TRUE(IsKindOf<TskDataSkinStdButton>(bar_button.get()));
  EXPECT_TRUE(IsKindOf<TskDataSkinButton>(bar_button.get()));
  auto button = CreateObjectRecord("button", "b");
  EXPECT_FALSE(IsKindOf<TskDataSkinStdButton>(button.get()));
  auto bar_item = CreateObjectRecord("mainmenubaritem", "i");
  EXPECT_TRUE(IsKindOf<TskDataSkinMainMenuItem>(bar_item.get()));
  EXPECT_FALSE(IsKindOf<TskDataSkinMenuItem>(bar_item.get()));
  auto user = CreateObjectRecord("userobject", "u");
  EXPECT_TRUE(IsKindOf<TskDataSkinObject>(user.get()));
  EXPECT_FALSE(IsKindOf<TskDataSkinButton>(user.get()));
}

TEST(SkinObjectRecords, DefaultsOfMissingKeys) {
  const IniFile ini("[close]\nunrelated=1\n");
  TskDataSkinStdButton button("close");
  button.ReadFromIni(ini);
  EXPECT_EQ(button.hint, "");
  EXPECT_EQ(button.activepictureindex, -1);
  EXPECT_FALSE(button.skinrectinapicture);
  EXPECT_EQ(button.skinrect, gfx::Rect{});
  EXPECT_EQ(button.morphkind, MorphKind::mkdefault);
  EXPECT_EQ(button.command, SkinCommand::cmdefault);

  TskDataSkinAnimate animate("anim");
  animate.ReadFromIni(ini);
  EXPECT_EQ(animate.countframes, 1);
  EXPECT_EQ(animate.timerinterval, 50);
  EXPECT_EQ(animate.command, SkinCommand::cmdefault);

  TskDataSkinCaption caption("caption");
  caption.ReadFromIni(ini);
  EXPECT_EQ(caption.font.fontname, "Arial");
  EXPECT_EQ(caption.font.fontheight, 14);
  EXPECT_EQ(caption.alignment, Alignment::tacenter);

  TskDataSkinMainMenuBarItem item("item");
  item.ReadFromIni(ini);
  EXPECT_EQ(item.font.fontname, "Arial");
  EXPECT_EQ(item.font.fontheight, 14);
}

TEST(SkinObjectRecords, CommandWords) {
  struct Case {
    const char* line;  // empty: no command key
    SkinCommand expected;
  };
  const Case cases[] = {
      {"command=cmclose", SkinCommand::cmclose},
      {"command=cmmaximize", SkinCommand::cmmaximize},
      {"command=cmrollup", SkinCommand::cmrollup},
      {"command=cmminimizetotray", SkinCommand::cmminimizetotray},
      {"command=cmClose", SkinCommand::cmminimizetotray},
      {"command=close", SkinCommand::cmminimizetotray},
      {"", SkinCommand::cmdefault},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const IniFile ini(std::string("[b]\nhint=x\n") + c.line + "\n");
    TskDataSkinStdButton button("b");
    button.ReadFromIni(ini);
    EXPECT_EQ(button.command, c.expected);
    TskDataSkinAnimate animate("b");
    animate.ReadFromIni(ini);
    EXPECT_EQ(animate.command, c.expected);
  }
}

TEST(SkinObjectRecords, AnimateNeverMorphs) {
  const IniFile ini("[anim]\nmorphing=1\nmorphkind=mkpush\ncountframes=8\ncycle=1\n");
  TskDataSkinAnimate animate("anim");
  animate.ReadFromIni(ini);
  EXPECT_FALSE(animate.morphing);
  EXPECT_EQ(animate.morphkind, MorphKind::mkpush);
  EXPECT_EQ(animate.countframes, 8);
  EXPECT_TRUE(animate.cycle);
  // The same section read as a plain button does morph.
  TskDataSkinButton button("anim");
  button.ReadFromIni(ini);
  EXPECT_TRUE(button.morphing);
}

TEST(SkinObjectRecords, UserObjectReadsOnlyItsRectangle) {
  const IniFile ini("[logo]\nhint=Logo\nactivepictureindex=3\nmorphing=1\nskinrectinapicture=1\n"
                    "skinrect=1,2,30,40\nactiveskinrect=5,5,6,6\n");
  TskDataUserObject user("logo");
  user.ReadFromIni(ini);
  EXPECT_EQ(user.skinrect, (gfx::Rect{1, 2, 30, 40}));
  EXPECT_EQ(user.hint, "");
  EXPECT_EQ(user.activepictureindex, -1);
  EXPECT_FALSE(user.morphing);
  EXPECT_FALSE(user.skinrectinapicture);
  EXPECT_EQ(user.activeskinrect, gfx::Rect{});
  ASSERT_EQ(user.Values().size(), 1u);
  EXPECT_EQ(user.Values()[0], (RecordValue{"skinrect", "1,2,30,40"}));
}

TEST(SkinObjectRecords, KeysAreReadWithoutRegardToCaseAndWithTheirOddSpellings) {
  const IniFile ini("[b]\nSKINRECT=1,2,3,4\nDisableSkinRsect=5,6,7,8\nunenabledfontcolor=9\n");
  TskDataSkinButton button("b");
  button.ReadFromIni(ini);
  EXPECT_EQ(button.skinrect, (gfx::Rect{1, 2, 3, 4}));
  EXPECT_EQ(button.disableskinrsect, (gfx::Rect{5, 6, 7, 8}));
  TskDataSkinMainMenuItem item("b");
  item.ReadFromIni(ini);
  EXPECT_EQ(item.unenabledfontColor, 9u);
}

TEST(SkinObjectRecords, BaseKeysComeFirstWhenWritten) {
  TskDataSkinStdButton button("close");
  const std::vector<RecordValue> values = button.Values();
  ASSERT_EQ(values.size(), 7u + 2u + 5u);
  EXPECT_EQ(values.front().first, "hint");
  EXPECT_EQ(values[6], (RecordValue{"morphkind", "mkdefault"}));
  EXPECT_EQ(values[7].first, "downrect");
  EXPECT_EQ(values[9], (RecordValue{"command", "cmdefault"}));
  EXPECT_EQ(values.back().first, "restoreinactiverect");
}

// A record filled with non-default values, written and read back into a fresh record, keeps every
// value, except those its class overrides after reading.
TEST(SkinObjectRecords, WriteToIniRoundTripsEveryClass) {
  for (const char* word : kObjectTypeWords) {
    SCOPED_TRACE(word);
    auto written = CreateObjectRecord(word, "part");
    testing::FillRecord(*written);
    IniFile ini("[part]\nstale=1\n[other]\nkey=2\n");
    written->WriteToIni(ini);
    EXPECT_FALSE(ini.ValueExists("part", "stale"));
    EXPECT_EQ(ini.ReadString("other", "key"), "2");
    auto read = CreateObjectRecord(word, "part");
    read->ReadFromIni(ini);

    const std::set<std::string> overridden = std::string(word) == "animate" ? std::set<std::string>{"morphing"}
                                                                             : std::set<std::string>{};
    const std::vector<RecordValue> before = written->Values();
    const std::vector<RecordValue> after = read->Values();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(before[i].first, after[i].first);
      if (overridden.count(before[i].first) != 0) continue;
      EXPECT_EQ(before[i].second, after[i].second) << before[i].first;
    }
    // The keys the section now holds are the record's keys in its order.
    std::vector<std::string> keys;
    for (const RecordValue& value : before) keys.push_back(value.first);
    EXPECT_EQ(ini.Keys("part"), keys);
  }
}

}  // namespace
}  // namespace skin
