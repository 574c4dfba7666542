// Popup and hint window records: their defaults before and after reading, and reuse across loads.
#include "skin/data/SkinWindowRecords.h"

#include <gtest/gtest.h>

#include "skin/data/SkinRecordTestUtil.h"
#include "skin/ini/IniFile.h"

namespace skin {
namespace {

TEST(SkinWindowRecords, HintFontIsTwelveUntilASkinIsReadThenDefaultsToFourteen) {
  TskDataSkinHintWindow hint;
  EXPECT_EQ(hint.font.fontname, "Arial");
  EXPECT_EQ(hint.font.fontheight, 12);
  EXPECT_EQ(hint.windowpictureindex, -1);
  hint.ReadFromIni(IniFile("[HINTWINDOW]\nfontcolor=255\n"));
  EXPECT_EQ(hint.font.fontheight, 14);
  EXPECT_EQ(hint.font.fontcolor, 255u);
  hint.ReadFromIni(IniFile("[HINTWINDOW]\nfontheight=9\nfontstyle=fsitalicfsbold\n"));
  EXPECT_EQ(hint.font.fontheight, 9);
  EXPECT_EQ(hint.font.fontstyle, (FontStyles{.bold = true, .italic = true}));
}

// The window records outlive a load; a skin without their section must not keep the previous
// skin's values.
TEST(SkinWindowRecords, ReadingAgainStartsFromTheDefaults) {
  TskDataSkinPopupWindow popup;
  testing::FillRecord(popup);
  popup.ReadFromIni(IniFile("[VERSION]\nskinname=x\n"));
  EXPECT_EQ(popup.Values(), TskDataSkinPopupWindow().Values());

  TskDataSkinHintWindow hint;
  testing::FillRecord(hint);
  hint.ReadFromIni(IniFile("[hintwindow]\nwindowpictureindex=4\n"));
  TskDataSkinHintWindow expected;
  expected.font.fontheight = 14;
  expected.windowpictureindex = 4;
  EXPECT_EQ(hint.Values(), expected.Values());
}

TEST(SkinWindowRecords, WriteToIniRoundTrips) {
  TskDataSkinPopupWindow popup;
  testing::FillRecord(popup);
  TskDataSkinHintWindow hint;
  testing::FillRecord(hint);
  IniFile ini;
  popup.WriteToIni(ini);
  hint.WriteToIni(ini);
  TskDataSkinPopupWindow popup_read;
  popup_read.ReadFromIni(ini);
  TskDataSkinHintWindow hint_read;
  hint_read.ReadFromIni(ini);
  EXPECT_EQ(popup_read.Values(), popup.Values());
  EXPECT_EQ(hint_read.Values(), hint.Values());
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"POPUPWINDOW", "HINTWINDOW"}));
}

}  // namespace
}  // namespace skin
