// An in-memory INI text that skin records read their keys from and write them to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "skin/ini/IniValues.h"

namespace skin {

// Splits a text into lines at CR LF, LF or a lone CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Reading rules:
// - every line is trimmed (characters up to and including the blank are dropped at both ends);
// - a line "[name]" opens a section; blank lines, lines beginning with ";" and lines before the
//   first section are skipped;
// - any other line is "key=value", with blanks around the first "=" dropped; a line without "=" is
//   kept (it makes its section present) but holds no key;
// - section and key names match without regard to ASCII case; when a section name occurs twice the
//   later section replaces the earlier one, and the later of two equal keys in a section wins;
// - a section counts as present only when it holds at least one line.
// Values are returned as written, also when empty; only a missing key gives the default.
class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(const std::vector<std::string>& lines) { SetLines(lines); }
  explicit IniFile(std::string_view text) { SetText(text); }

  void SetLines(const std::vector<std::string>& lines);
  void SetText(std::string_view text) { SetLines(SplitLines(text)); }
  void Clear();

  // Present sections in file order, spelled as written.
  std::vector<std::string> Sections() const;
  bool SectionExists(std::string_view section) const;
  // Keys of a section in file order (each once, spelled as first written).
  std::vector<std::string> Keys(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // A value that is not a number gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  // True only when the value is the integer 1; a missing key gives `def`.
  bool ReadBool(std::string_view section, std::string_view key, bool def = false) const;
  gfx::Color ReadColor(std::string_view section, std::string_view key, gfx::Color def = 0) const;
  gfx::Point ReadPoint(std::string_view section, std::string_view key, gfx::Point def = {}) const;
  gfx::Rect ReadRect(std::string_view section, std::string_view key, gfx::Rect def = {}) const;
  FontStyles ReadFontStyle(std::string_view section, std::string_view key, FontStyles def = {}) const;
  Alignment ReadAlignment(std::string_view section, std::string_view key,
                          Alignment def = Alignment::tacenter) const;
  MorphKind ReadMorphKind(std::string_view section, std::string_view key,
                          MorphKind def = MorphKind::mkdefault) const;
  // A missing key gives `def`; an unrecognised word gives iegrayscale.
  InactiveEffect ReadInactiveEffect(std::string_view section, std::string_view key,
                                    InactiveEffect def = InactiveEffect::iebrightness) const;
  // An index into the skin's active pictures; -1 means none.
  int32_t ReadPictureIndex(std::string_view section, std::string_view key, int32_t def = -1) const {
    return ReadInteger(section, key, def);
  }
  SkinCommand ReadCommand(std::string_view section, std::string_view key,
                          SkinCommand def = SkinCommand::cmdefault) const;

  // Writing replaces the value of an existing key (the one a read would find) or appends the key to
  // its section, which is appended to the text when missing.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);  // "0" or "1"
  void WriteColor(std::string_view section, std::string_view key, gfx::Color value);  // signed decimal
  void WritePoint(std::string_view section, std::string_view key, gfx::Point value);
  void WriteRect(std::string_view section, std::string_view key, gfx::Rect value);
  void WriteFontStyle(std::string_view section, std::string_view key, FontStyles value);
  void WriteAlignment(std::string_view section, std::string_view key, Alignment value);
  void WriteMorphKind(std::string_view section, std::string_view key, MorphKind value);
  void WriteInactiveEffect(std::string_view section, std::string_view key, InactiveEffect value);
  void WriteCommand(std::string_view section, std::string_view key, SkinCommand value);
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

  // The text as lines: "[section]", its "key=value" lines, and an empty line after each section.
  std::vector<std::string> ToLines() const;
  // The lines, each followed by CR LF.
  std::string ToText() const;

 private:
  struct Line {
    std::string key;
    std::string value;
    bool has_value = false;  // false for a line without "="
  };
  // Names compare without regard to ASCII case; look-ups take a string_view without copying it.
  struct NoCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const;
  };
  struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using NameIndex = std::unordered_map<std::string, size_t, NoCaseHash, NoCaseEqual>;

  struct Section {
    std::string name;
    std::vector<Line> lines;
    // Key -> position in `lines` of the last line with that key, so look-ups stay fast however
    // long a section is.
    NameIndex keys;
    void AddLine(Line line);
    void RebuildKeys();
  };

  static Section NamedSection(std::string name);
  const Section* FindSection(std::string_view section) const;
  Section& SectionForWrite(std::string_view section);
  const std::string* FindValue(std::string_view section, std::string_view key) const;
  void RebuildIndex();

  std::vector<Section> sections_;
  NameIndex index_;  // section name -> position in sections_
};

}  // namespace skin
