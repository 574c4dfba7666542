// Tests of the in-memory INI reader and writer.
#include "skin/ini/IniFile.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr const char* kText =
    "orphan=before any section\r\n"
    "; a comment\r\n"
    "[Buttons]\r\n"
    "  SkinRect = 1, 2 ,3,4  \r\n"
    "\r\n"
    "hint=Close = now\r\n"
    "skinrect=5,6,7,8\n"
    "   ;indented comment\n"
    "[onlycomments]\n"
    "; nothing here\n"
    "\n"
    "[bare]\n"
    "no equals sign\n"
    "[ Spaced ]\r"
    "empty=\r"
    "flag=2\r"
    "one=1\r"
    "[BUTTONS]\n"
    "fontname=Tahoma\n"
    "skinrect=9,9,9,9\n";

TEST(IniFileTest, ReadsSyntaxAsWritten) {
  IniFile ini{std::string_view(kText)};

  // The later of two sections with the same name (any case) replaces the earlier one.
  EXPECT_EQ(ini.ReadString("buttons", "FONTNAME"), "Tahoma");
  EXPECT_EQ(ini.ReadRect("Buttons", "skinrect"), (gfx::Rect{9, 9, 9, 9}));
  EXPECT_FALSE(ini.ValueExists("buttons", "hint"));

  EXPECT_FALSE(ini.SectionExists("onlycomments"));  // only comments and blank lines
  EXPECT_FALSE(ini.SectionExists("nowhere"));
  EXPECT_TRUE(ini.SectionExists("bare"));            // a line without "=" counts
  EXPECT_FALSE(ini.ValueExists("bare", "no equals sign"));
  EXPECT_TRUE(ini.SectionExists("spaced"));          // section names are trimmed
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"BUTTONS", "bare", "Spaced"}));

  EXPECT_TRUE(ini.ValueExists("spaced", "empty"));
  EXPECT_EQ(ini.ReadString("spaced", "empty", "default"), "");  // present but empty stays empty
  EXPECT_EQ(ini.ReadString("spaced", "missing", "default"), "default");
  EXPECT_EQ(ini.ReadInteger("spaced", "empty", 7), 7);          // not a number
  EXPECT_FALSE(ini.ReadBool("spaced", "flag", true));           // 2 is false
  EXPECT_TRUE(ini.ReadBool("spaced", "one"));
  EXPECT_TRUE(ini.ReadBool("spaced", "missing", true));
  EXPECT_EQ(ini.ReadString("", "orphan", "none"), "none");      // lines before the first section
}

TEST(IniFileTest, KeysAndValues) {
  IniFile ini{std::string_view(
      "[s]\n"
      "skinrect = 1, 2 ,3,4\n"
      "hint=a=b\n"
      "SKINRECT=5,6,7,8\n"
      "color=$FF\n"
      "align=taleftjustify\n"
      "effect=iebogus\n"
      "pt=-3,4\n")};
  EXPECT_EQ(ini.ReadRect("S", "SkinRect"), (gfx::Rect{5, 6, 7, 8}));  // later key wins
  EXPECT_EQ(ini.ReadString("s", "hint"), "a=b");  // split at the first "="
  EXPECT_EQ(ini.ReadColor("s", "color"), 255u);
  EXPECT_EQ(ini.ReadAlignment("s", "align"), Alignment::taleftjustify);
  EXPECT_EQ(ini.ReadAlignment("s", "nokey"), Alignment::tacenter);
  EXPECT_EQ(ini.ReadInactiveEffect("s", "effect"), InactiveEffect::iegrayscale);
  EXPECT_EQ(ini.ReadInactiveEffect("s", "nokey"), InactiveEffect::iebrightness);
  EXPECT_EQ(ini.ReadCommand("s", "nokey"), SkinCommand::cmdefault);
  EXPECT_EQ(ini.ReadMorphKind("s", "nokey"), MorphKind::mkdefault);
  EXPECT_EQ(ini.ReadPictureIndex("s", "nokey"), -1);
  EXPECT_EQ(ini.ReadPoint("s", "pt"), (gfx::Point{3, 4}));
  EXPECT_EQ(ini.Keys("s"), (std::vector<std::string>{"skinrect", "hint", "color", "align", "effect", "pt"}));
}

TEST(IniFileTest, WritesAndReadsBack) {
  IniFile ini;
  ini.WriteString("caption", "fontname", "Arial");
  ini.WriteInteger("caption", "fontheight", -14);
  ini.WriteBool("caption", "shadow", true);
  ini.WriteColor("caption", "fontcolor", 0xFF00000Fu);  // a system colour is negative when signed
  ini.WriteRect("caption", "textrect", {1, 2, 3, 4});
  ini.WritePoint("caption", "lefttoppoint", {5, 6});
  ini.WriteFontStyle("caption", "fontstyle", {true, false, true, false});
  ini.WriteAlignment("caption", "alignment", Alignment::tarightjustify);
  ini.WriteMorphKind("caption", "morphkind", MorphKind::mkpush);
  ini.WriteInactiveEffect("caption", "effect", InactiveEffect::ienoise);
  ini.WriteCommand("caption", "command", SkinCommand::cmrollup);
  ini.WriteString("Caption", "FONTNAME", "Tahoma");  // replaces, whatever the case
  ini.WriteString("other", "k", "v");

  EXPECT_EQ(ini.ToText(),
            "[caption]\r\nfontname=Tahoma\r\nfontheight=-14\r\nshadow=1\r\nfontcolor=-16777201\r\n"
            "textrect=1,2,3,4\r\nlefttoppoint=5,6\r\nfontstyle=fsbold,fsunderline\r\n"
            "alignment=tarightjustify\r\nmorphkind=mkpush\r\neffect=ienoise\r\ncommand=cmrollup\r\n\r\n"
            "[other]\r\nk=v\r\n\r\n");

  IniFile back{std::string_view(ini.ToText())};
  EXPECT_EQ(back.ReadColor("caption", "fontcolor"), 0xFF00000Fu);
  EXPECT_EQ(back.ReadInteger("caption", "fontheight", 0), -14);
  EXPECT_EQ(back.ReadFontStyle("caption", "fontstyle"), (FontStyles{true, false, true, false}));

  ini.EraseSection("CAPTION");
  EXPECT_FALSE(ini.SectionExists("caption"));
  EXPECT_EQ(ini.ReadString("other", "k"), "v");  // the index survives the erase
  ini.DeleteKey("other", "K");
  EXPECT_FALSE(ini.SectionExists("other"));
}

TEST(IniFileTest, SplitLines) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace skin
