// The value encodings of the skin INI.
#include "skin/ini/IniValues.h"

#include <array>

namespace skin {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses an unsigned magnitude; nullopt when empty, on a stray character or above `limit`.
std::optional<uint64_t> ParseMagnitude(std::string_view digits, int base, uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (value > limit) return std::nullopt;
  }
  return value;
}

// Splits a point or rectangle value into `fields`: digits accumulate, "," moves on, everything
// else is dropped. Fields past the array are ignored; a field too large for 32 bits becomes 0.
template <size_t N>
std::array<int32_t, N> ParseFields(std::string_view text) {
  std::array<int32_t, N> fields{};
  size_t field = 0;
  bool overflow = false;
  int64_t value = 0;
  auto close = [&] {
    if (field < N) fields[field] = overflow ? 0 : static_cast<int32_t>(value);
    ++field;
    value = 0;
    overflow = false;
  };
  for (char c : text) {
    if (c == ',') {
      close();
      if (field >= N) return fields;
      continue;
    }
    if (c < '0' || c > '9' || overflow) continue;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) overflow = true;
  }
  close();
  return fields;
}

constexpr std::array<std::string_view, 7> kMorphWords = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<std::string_view, 6> kEffectWords = {
    "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
constexpr std::array<std::string_view, 7> kCommandWords = {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  std::optional<uint64_t> magnitude;
  if (text.starts_with('$')) {
    magnitude = ParseMagnitude(text.substr(1), 16, UINT32_MAX);
    // Hexadecimal covers all 32 bits, so $FFFFFFFF is -1.
    if (!magnitude) return std::nullopt;
    uint32_t bits = static_cast<uint32_t>(*magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
  }
  if (text.starts_with("0x") || text.starts_with("0X")) {
    magnitude = ParseMagnitude(text.substr(2), 16, UINT32_MAX);
    if (!magnitude) return std::nullopt;
    uint32_t bits = static_cast<uint32_t>(*magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
  }
  magnitude = ParseMagnitude(text, 10, negative ? uint64_t{1} << 31 : INT32_MAX);
  if (!magnitude) return std::nullopt;
  int64_t value = negative ? -static_cast<int64_t>(*magnitude) : static_cast<int64_t>(*magnitude);
  return static_cast<int32_t>(value);
}

gfx::Point ParsePoint(std::string_view text) {
  auto f = ParseFields<2>(text);
  return {f[0], f[1]};
}

gfx::Rect ParseRect(std::string_view text) {
  auto f = ParseFields<4>(text);
  return {f[0], f[1], f[2], f[3]};
}

std::string PointText(gfx::Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string RectText(gfx::Rect r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

FontStyles ParseFontStyle(std::string_view text) {
  FontStyles s;
  s.bold = text.find("fsbold") != std::string_view::npos;
  s.italic = text.find("fsitalic") != std::string_view::npos;
  s.underline = text.find("fsunderline") != std::string_view::npos;
  s.strikeout = text.find("fsstrikeout") != std::string_view::npos;
  return s;
}

std::string FontStyleText(FontStyles styles) {
  std::string text;
  auto add = [&text](bool on, const char* word) {
    if (!on) return;
    if (!text.empty()) text += ',';
    text += word;
  };
  add(styles.bold, "fsbold");
  add(styles.italic, "fsitalic");
  add(styles.underline, "fsunderline");
  add(styles.strikeout, "fsstrikeout");
  return text;
}

Alignment ParseAlignment(std::string_view text) {
  if (text == "tacenter") return Alignment::tacenter;
  if (text == "taleftjustify") return Alignment::taleftjustify;
  return Alignment::tarightjustify;
}

std::string_view AlignmentText(Alignment alignment) {
  switch (alignment) {
    case Alignment::taleftjustify:
      return "taleftjustify";
    case Alignment::tarightjustify:
      return "tarightjustify";
    case Alignment::tacenter:
      break;
  }
  return "tacenter";
}

MorphKind ParseMorphKind(std::string_view text) {
  for (size_t i = 0; i < kMorphWords.size(); ++i) {
    if (text == kMorphWords[i]) return static_cast<MorphKind>(i);
  }
  return MorphKind::mkdefault;
}

std::string_view MorphKindText(MorphKind kind) {
  size_t i = static_cast<size_t>(kind);
  return i < kMorphWords.size() ? kMorphWords[i] : kMorphWords[0];
}

InactiveEffect ParseInactiveEffect(std::string_view text) {
  for (size_t i = 0; i < kEffectWords.size(); ++i) {
    if (text == kEffectWords[i]) return static_cast<InactiveEffect>(i);
  }
  return InactiveEffect::iegrayscale;
}

std::string_view InactiveEffectText(InactiveEffect effect) {
  size_t i = static_cast<size_t>(effect);
  return i < kEffectWords.size() ? kEffectWords[i] : kEffectWords[0];
}

SkinCommand ParseCommand(std::string_view text) {
  // Only the first six words are recognised; everything else, the last word included, is the last.
  for (size_t i = 0; i + 1 < kCommandWords.size(); ++i) {
    if (text == kCommandWords[i]) return static_cast<SkinCommand>(i);
  }
  return SkinCommand::cmminimizetotray;
}

std::string_view CommandText(SkinCommand command) {
  size_t i = static_cast<size_t>(command);
  return i < kCommandWords.size() ? kCommandWords[i] : kCommandWords[4];
}

}  // namespace skin
