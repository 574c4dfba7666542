// Tests of the skin INI value encodings.
#include "skin/ini/IniValues.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(IniValuesTest, Integers) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"+7", 7},
      {"-15", -15},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},   // out of range is not a number
      {"-2147483649", std::nullopt},
      {"$FF00", 0xFF00},
      {"$ff", 255},
      {"0x1F", 31},
      {"0X1f", 31},
      {"$FFFFFFFF", -1},              // hexadecimal covers all 32 bits
      {"$100000000", std::nullopt},
      {"-$10", -16},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"12a", std::nullopt},
      {"1 2", std::nullopt},
      {"1.5", std::nullopt},
      {"$G1", std::nullopt},
      {"99999999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << "'" << c.text << "'";
}

TEST(IniValuesTest, PointsAndRectanglesTakeOnlyDigitsAndCommas) {
  struct Case {
    const char* text;
    gfx::Rect rect;
  };
  const Case cases[] = {
      {"7, 30,209,160", {7, 30, 209, 160}},
      {"-3,4,-5,6", {3, 4, 5, 6}},           // signs are dropped
      {" 1 0 , 2x0 ,3,4 ", {10, 20, 3, 4}},  // blanks and letters inside a field are dropped
      {"", {0, 0, 0, 0}},                    // the mended cases: missing fields read as 0
      {"1,,3,4", {1, 0, 3, 4}},
      {"1,2", {1, 2, 0, 0}},
      {",,,", {0, 0, 0, 0}},
      {"abc", {0, 0, 0, 0}},
      {"1,2,3,4,5,6", {1, 2, 3, 4}},          // extra fields are ignored
      {"99999999999,2,3,4", {0, 2, 3, 4}},    // too large for 32 bits
      {"2147483647,2,3,4", {INT32_MAX, 2, 3, 4}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseRect(c.text), c.rect) << "'" << c.text << "'";

  EXPECT_EQ(ParsePoint("12, 9"), (gfx::Point{12, 9}));
  EXPECT_EQ(ParsePoint("-3,4"), (gfx::Point{3, 4}));
  EXPECT_EQ(ParsePoint("5"), (gfx::Point{5, 0}));
  EXPECT_EQ(ParsePoint("1,2,3"), (gfx::Point{1, 2}));
  EXPECT_EQ(PointText({3, 40}), "3,40");
  EXPECT_EQ(RectText({1, 2, 30, 40}), "1,2,30,40");
}

TEST(IniValuesTest, FontStylesBySubstring) {
  struct Case {
    const char* text;
    FontStyles styles;
    const char* written;
  };
  const Case cases[] = {
      {"fsbold,fsitalic", {true, true, false, false}, "fsbold,fsitalic"},
      {"fsitalicfsbold", {true, true, false, false}, "fsbold,fsitalic"},
      {"[fsstrikeout fsunderline]", {false, false, true, true}, "fsunderline,fsstrikeout"},
      {"fsBold", {}, ""},  // case-sensitive
      {"", {}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseFontStyle(c.text), c.styles) << c.text;
    EXPECT_EQ(FontStyleText(c.styles), c.written) << c.text;
  }
}

TEST(IniValuesTest, EnumeratedWords) {
  EXPECT_EQ(ParseAlignment("tacenter"), Alignment::tacenter);
  EXPECT_EQ(ParseAlignment("taleftjustify"), Alignment::taleftjustify);
  EXPECT_EQ(ParseAlignment("tarightjustify"), Alignment::tarightjustify);
  EXPECT_EQ(ParseAlignment("TaCenter"), Alignment::tarightjustify);
  EXPECT_EQ(ParseAlignment(""), Alignment::tarightjustify);

  EXPECT_EQ(ParseMorphKind("mkpush"), MorphKind::mkpush);
  EXPECT_EQ(ParseMorphKind("mkrightslide"), MorphKind::mkrightslide);
  EXPECT_EQ(ParseMorphKind("MKPUSH"), MorphKind::mkdefault);
  EXPECT_EQ(ParseMorphKind("whatever"), MorphKind::mkdefault);

  EXPECT_EQ(ParseInactiveEffect("ieinvert"), InactiveEffect::ieinvert);
  EXPECT_EQ(ParseInactiveEffect("iebrightness"), InactiveEffect::iebrightness);
  EXPECT_EQ(ParseInactiveEffect("iesparkle"), InactiveEffect::iegrayscale);

  EXPECT_EQ(ParseCommand("cmclose"), SkinCommand::cmclose);
  EXPECT_EQ(ParseCommand("cmrollup"), SkinCommand::cmrollup);
  EXPECT_EQ(ParseCommand("cmClose"), SkinCommand::cmminimizetotray);
  EXPECT_EQ(ParseCommand("cmminimizetotray"), SkinCommand::cmminimizetotray);
  EXPECT_EQ(ParseCommand(""), SkinCommand::cmminimizetotray);

  // Every word reads back as itself.
  for (int i = 0; i <= 6; ++i) {
    auto kind = static_cast<MorphKind>(i);
    EXPECT_EQ(ParseMorphKind(MorphKindText(kind)), kind);
    auto command = static_cast<SkinCommand>(i);
    EXPECT_EQ(ParseCommand(CommandText(command)), command);
  }
  for (int i = 0; i <= 5; ++i) {
    auto effect = static_cast<InactiveEffect>(i);
    EXPECT_EQ(ParseInactiveEffect(InactiveEffectText(effect)), effect);
  }
  for (Alignment a : {Alignment::taleftjustify, Alignment::tarightjustify, Alignment::tacenter}) {
    EXPECT_EQ(ParseAlignment(AlignmentText(a)), a);
  }
}

}  // namespace
}  // namespace skin
