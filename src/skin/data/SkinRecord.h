// The base of every skin record: its section name, its typed fields in reading order, and INI I/O.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "skin/ini/IniValues.h"

namespace skin {

class IniFile;

// The four keys of a font that many records read together, in this order. Their names are the
// fields' names, after a prefix when a record reads a second font (captionfontname, ...).
struct SkinFontFields {
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;

  // The default font at another height.
  static SkinFontFields OfHeight(int32_t height) {
    SkinFontFields font;
    font.fontheight = height;
    return font;
  }
  friend bool operator==(const SkinFontFields&, const SkinFontFields&) = default;
};

// Each record lists its fields once, in the order its section is read, through this visitor; reading,
// writing and printing all walk that one list, so the three can never disagree about keys or order.
class RecordFieldVisitor {
 public:
  virtual ~RecordFieldVisitor() = default;
  virtual void Integer(std::string_view key, int32_t& value) = 0;
  virtual void PictureIndex(std::string_view key, int32_t& value) = 0;
  virtual void Boolean(std::string_view key, bool& value) = 0;
  virtual void Colour(std::string_view key, gfx::Color& value) = 0;
  virtual void PointValue(std::string_view key, gfx::Point& value) = 0;
  virtual void RectValue(std::string_view key, gfx::Rect& value) = 0;
  virtual void String(std::string_view key, std::string& value) = 0;
  virtual void FontStyle(std::string_view key, FontStyles& value) = 0;
  virtual void AlignmentValue(std::string_view key, Alignment& value) = 0;
  virtual void MorphKindValue(std::string_view key, MorphKind& value) = 0;
  virtual void Command(std::string_view key, SkinCommand& value) = 0;

  // The four keys of a font group: prefix + "fontname", "fontheight", "fontstyle", "fontcolor".
  void Font(SkinFontFields& font, std::string_view prefix = {});
};

// One key and its value as the INI text writes it.
using RecordValue = std::pair<std::string, std::string>;

class SkinRecord {
 public:
  explicit SkinRecord(std::string section_name) : section_name_(std::move(section_name)) {}
  virtual ~SkinRecord() = default;
  SkinRecord(const SkinRecord&) = delete;
  SkinRecord& operator=(const SkinRecord&) = delete;

  // The section the record was created for.
  const std::string& SectionName() const { return section_name_; }
  virtual const char* ClassName() const = 0;

  // Reads the record's keys from its section; a missing key leaves the field as it is, which for a
  // freshly created record is the key's default.
  virtual void ReadFromIni(const IniFile& ini);
  // Erases the section, then writes every key in reading order.
  virtual void WriteToIni(IniFile& ini) const;
  // The keys and their written values in reading order (what WriteToIni puts in the section).
  std::vector<RecordValue> Values() const;

  // Lists the fields in reading order; a derived class lists its base's fields first.
  virtual void VisitFields(RecordFieldVisitor& visitor) = 0;

 private:
  std::string section_name_;
};

// The family test a component makes before it takes a record: true when the record is of class T
// or of a class derived from it.
template <class T>
bool IsKindOf(const SkinRecord* record) {
  return dynamic_cast<const T*>(record) != nullptr;
}

// The record as T when it is of that family, otherwise null.
template <class T>
T* RecordAs(SkinRecord* record) {
  return dynamic_cast<T*>(record);
}
template <class T>
const T* RecordAs(const SkinRecord* record) {
  return dynamic_cast<const T*>(record);
}

}  // namespace skin
