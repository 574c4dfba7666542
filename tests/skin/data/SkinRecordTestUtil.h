// Helpers of the record tests: filling every field of a record with distinct non-default values.
#pragma once

#include <string>

#include "skin/data/SkinRecord.h"

namespace skin::testing {

// Gives each field a value that differs from its default and from the other fields, and that its
// INI text form can carry (points and rectangles hold no negative numbers).
class FillingVisitor final : public RecordFieldVisitor {
 public:
  void Integer(std::string_view, int32_t& value) override { value = -1000 - Next(); }
  void PictureIndex(std::string_view, int32_t& value) override { value = Next(); }
  void Boolean(std::string_view, bool& value) override { value = !value; }
  void Colour(std::string_view, gfx::Color& value) override { value = 0x00800000u + Next(); }
  void PointValue(std::string_view, gfx::Point& value) override { value = {Next(), Next()}; }
  void RectValue(std::string_view, gfx::Rect& value) override { value = {Next(), Next(), Next(), Next()}; }
  void String(std::string_view, std::string& value) override { value = "text " + std::to_string(Next()); }
  void FontStyle(std::string_view, FontStyles& value) override {
    value = {.bold = false, .italic = true, .underline = false, .strikeout = true};
  }
  void AlignmentValue(std::string_view, Alignment& value) override { value = Alignment::taleftjustify; }
  void MorphKindValue(std::string_view, MorphKind& value) override { value = MorphKind::mkpush; }
  void Command(std::string_view, SkinCommand& value) override { value = SkinCommand::cmrollup; }

 private:
  int32_t Next() { return ++counter_; }
  int32_t counter_ = 0;
};

inline void FillRecord(SkinRecord& record) {
  FillingVisitor filler;
  record.VisitFields(filler);
}

}  // namespace skin::testing
