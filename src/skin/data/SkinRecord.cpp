// Reading, writing and listing a skin record's fields through its field visitor.
#include "skin/data/SkinRecord.h"

#include <string>

#include "skin/ini/IniFile.h"

namespace skin {

void RecordFieldVisitor::Font(SkinFontFields& font, std::string_view prefix) {
  std::string key(prefix);
  const auto named = [&](std::string_view name) -> std::string_view {
    key.resize(prefix.size());
    key += name;
    return key;
  };
  String(named("fontname"), font.fontname);
  Integer(named("fontheight"), font.fontheight);
  FontStyle(named("fontstyle"), font.fontstyle);
  Colour(named("fontcolor"), font.fontcolor);
}

namespace {

// Reads each field from the section, keeping the current value when the key is missing.
class IniReadVisitor final : public RecordFieldVisitor {
 public:
  IniReadVisitor(const IniFile& ini, const std::string& section) : ini_(ini), section_(section) {}

  void Integer(std::string_view key, int32_t& value) override { value = ini_.ReadInteger(section_, key, value); }
  void PictureIndex(std::string_view key, int32_t& value) override {
    value = ini_.ReadPictureIndex(section_, key, value);
  }
  void Boolean(std::string_view key, bool& value) override { value = ini_.ReadBool(section_, key, value); }
  void Colour(std::string_view key, gfx::Color& value) override { value = ini_.ReadColor(section_, key, value); }
  void PointValue(std::string_view key, gfx::Point& value) override {
    value = ini_.ReadPoint(section_, key, value);
  }
  void RectValue(std::string_view key, gfx::Rect& value) override { value = ini_.ReadRect(section_, key, value); }
  void String(std::string_view key, std::string& value) override { value = ini_.ReadString(section_, key, value); }
  void FontStyle(std::string_view key, FontStyles& value) override {
    value = ini_.ReadFontStyle(section_, key, value);
  }
  void AlignmentValue(std::string_view key, Alignment& value) override {
    value = ini_.ReadAlignment(section_, key, value);
  }
  void MorphKindValue(std::string_view key, MorphKind& value) override {
    value = ini_.ReadMorphKind(section_, key, value);
  }
  void Command(std::string_view key, SkinCommand& value) override { value = ini_.ReadCommand(section_, key, value); }

 private:
  const IniFile& ini_;
  const std::string& section_;
};

// Turns each field into its INI text form; it never changes a field, which is what lets the const
// operations below walk the fields through the non-const visiting method.
class TextVisitor final : public RecordFieldVisitor {
 public:
  std::vector<RecordValue> values;

  void Integer(std::string_view key, int32_t& value) override { Add(key, std::to_string(value)); }
  void PictureIndex(std::string_view key, int32_t& value) override { Add(key, std::to_string(value)); }
  void Boolean(std::string_view key, bool& value) override { Add(key, value ? "1" : "0"); }
  void Colour(std::string_view key, gfx::Color& value) override {
    Add(key, std::to_string(static_cast<int32_t>(value)));
  }
  void PointValue(std::string_view key, gfx::Point& value) override { Add(key, PointText(value)); }
  void RectValue(std::string_view key, gfx::Rect& value) override { Add(key, RectText(value)); }
  void String(std::string_view key, std::string& value) override { Add(key, value); }
  void FontStyle(std::string_view key, FontStyles& value) override { Add(key, FontStyleText(value)); }
  void AlignmentValue(std::string_view key, Alignment& value) override {
    Add(key, std::string(AlignmentText(value)));
  }
  void MorphKindValue(std::string_view key, MorphKind& value) override {
    Add(key, std::string(MorphKindText(value)));
  }
  void Command(std::string_view key, SkinCommand& value) override { Add(key, std::string(CommandText(value))); }

 private:
  void Add(std::string_view key, std::string text) { values.emplace_back(std::string(key), std::move(text)); }
};

}  // namespace

void SkinRecord::ReadFromIni(const IniFile& ini) {
  IniReadVisitor reader(ini, section_name_);
  VisitFields(reader);
}

std::vector<RecordValue> SkinRecord::Values() const {
  TextVisitor text;
  const_cast<SkinRecord*>(this)->VisitFields(text);
  return std::move(text.values);
}

void SkinRecord::WriteToIni(IniFile& ini) const {
  ini.EraseSection(section_name_);
  for (const RecordValue& value : Values()) ini.WriteString(section_name_, value.first, value.second);
}

}  // namespace skin
