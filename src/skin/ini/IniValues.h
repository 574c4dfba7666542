// The value encodings of the skin INI: integers, points, rectangles, font styles and the enumerated words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/Geometry.h"

namespace skin {

// Font style flags; written back as the words joined by "," in the order bold, italic, underline,
// strike-out.
struct FontStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  friend bool operator==(const FontStyles&, const FontStyles&) = default;
};

// Horizontal text alignment of captions and labels.
enum class Alignment : uint8_t { taleftjustify = 0, tarightjustify = 1, tacenter = 2 };

// How a change between a normal and an active image runs.
enum class MorphKind : uint8_t {
  mkdefault = 0,
  mkgradient = 1,
  mkleftgradient = 2,
  mkrightgradient = 3,
  mkleftslide = 4,
  mkrightslide = 5,
  mkpush = 6,
};

// How an inactive window frame is rendered from the active one.
enum class InactiveEffect : uint8_t {
  iebrightness = 0,
  iedarkness = 1,
  iegrayscale = 2,
  ienoise = 3,
  iesplitblur = 4,
  ieinvert = 5,
};

// What a frame button does.
enum class SkinCommand : uint8_t {
  cmclose = 0,
  cmmaximize = 1,
  cmminimize = 2,
  cmsysmenu = 3,
  cmdefault = 4,
  cmrollup = 5,
  cmminimizetotray = 6,
};

// An integer: decimal with an optional sign, or hexadecimal after "$" or "0x" (also after a sign;
// up to 32 bits, taken as two's complement). Anything else, including a decimal value outside the
// 32-bit range, is not a number and gives nullopt.
std::optional<int32_t> ParseInteger(std::string_view text);

// Points and rectangles: "," closes a field, decimal digits are appended to the current field and
// every other character (signs, blanks, letters) is dropped, so neither holds a negative number.
// A field without a digit, a field missing at the end and a field too large for 32 bits read as 0;
// fields beyond the second (point) or fourth (rectangle) are ignored.
gfx::Point ParsePoint(std::string_view text);
gfx::Rect ParseRect(std::string_view text);
std::string PointText(gfx::Point p);  // "x,y"
std::string RectText(gfx::Rect r);    // "left,top,right,bottom"

// Substring tests, case-sensitive, any separators: "fsbold", "fsitalic", "fsunderline", "fsstrikeout".
FontStyles ParseFontStyle(std::string_view text);
std::string FontStyleText(FontStyles styles);  // "" when no style is set

// "tacenter" gives centre, "taleftjustify" left, any other word right.
Alignment ParseAlignment(std::string_view text);
std::string_view AlignmentText(Alignment alignment);  // "tacenter", "taleftjustify", "tarightjustify"

// Unrecognised words give mkdefault.
MorphKind ParseMorphKind(std::string_view text);
std::string_view MorphKindText(MorphKind kind);

// Unrecognised words give iegrayscale (a missing key gives iebrightness, see IniFile).
InactiveEffect ParseInactiveEffect(std::string_view text);
std::string_view InactiveEffectText(InactiveEffect effect);

// The first six command words are compared case-sensitively; any other text gives cmminimizetotray.
SkinCommand ParseCommand(std::string_view text);
std::string_view CommandText(SkinCommand command);

}  // namespace skin
