// The bases of every control record: the picture and normal image, and the nine-part geometry.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinRecord.h"

namespace skin {

class TskDataSkinControl : public SkinRecord {
 public:
  using SkinRecord::SkinRecord;
  const char* ClassName() const override { return "TskDataSkinControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  int32_t pictureindex = -1;  // the picture every rectangle of the record lies in
  int32_t maskpictureindex = -1;
  gfx::Rect skinrect;  // the normal image
};

// Corner points and client rectangle say how skinrect is cut into nine parts.
class TskDataSkinCustomControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  const char* ClassName() const override { return "TskDataSkinCustomControl"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
};

// A new, unread record of the class that a [SKINCONTROLS] type word selects (compared
// case-sensitively), or null for a word no class has.
std::unique_ptr<TskDataSkinControl> CreateControlRecord(std::string_view type_word, std::string section_name);

}  // namespace skin
