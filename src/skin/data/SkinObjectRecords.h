// The records of the window frame's and the menus' parts: caption, buttons, animations, menu items.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinRecord.h"

namespace skin {

class TskDataSkinObject : public SkinRecord {
 public:
  using SkinRecord::SkinRecord;
  const char* ClassName() const override { return "TskDataSkinObject"; }
  void VisitFields(RecordFieldVisitor& v) override;

  std::string hint;
  int32_t activepictureindex = -1;
  bool skinrectinapicture = false;  // true: skinrect lies in the active picture, not the frame picture
  gfx::Rect skinrect;
  gfx::Rect activeskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;
};

// A plain picture on the frame: only its rectangle is read, the inherited fields keep their defaults.
class TskDataUserObject : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataUserObject"; }
  void VisitFields(RecordFieldVisitor& v) override;
};

class TskDataSkinButton : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinButton"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect downrect;
  gfx::Rect disableskinrsect;  // the key is spelled this way in skins
};

class TskDataSkinStdButton : public TskDataSkinButton {
 public:
  using TskDataSkinButton::TskDataSkinButton;
  const char* ClassName() const override { return "TskDataSkinStdButton"; }
  void VisitFields(RecordFieldVisitor& v) override;

  SkinCommand command = SkinCommand::cmdefault;
  gfx::Rect restorerect;  // the images while the window is maximized
  gfx::Rect restoreactiverect;
  gfx::Rect restoredownrect;
  gfx::Rect restoreinactiverect;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
 public:
  using TskDataSkinStdButton::TskDataSkinStdButton;
  const char* ClassName() const override { return "TskDataSkinMainMenuBarButton"; }
};

// Animated objects never fade between images, so reading forces morphing off.
class TskDataSkinAnimate : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinAnimate"; }
  void VisitFields(RecordFieldVisitor& v) override;
  void ReadFromIni(const IniFile& ini) override;

  int32_t countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int32_t timerinterval = 50;  // milliseconds between frames
  SkinCommand command = SkinCommand::cmdefault;
};

class TskDataSkinMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinMenuItem"; }
  void VisitFields(RecordFieldVisitor& v) override;

  int32_t itemleftoffset = 0;
  int32_t itemrightoffset = 0;
  gfx::Rect dividerrect;
  int32_t dividerleftoffset = 0;
  int32_t dividerrightoffset = 0;
  gfx::Rect textrect;
  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color unenabledfontcolor = 0;
};

class TskDataSkinMainMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinMainMenuItem"; }
  void VisitFields(RecordFieldVisitor& v) override;

  int32_t itemleftoffset = 0;
  int32_t itemrightoffset = 0;
  gfx::Rect downrect;
  gfx::Rect textrect;
  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  gfx::Color downfontcolor = 0;
  gfx::Color unenabledfontColor = 0;  // the key is spelled with a capital C in skins
};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
 public:
  using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
  const char* ClassName() const override { return "TskDataSkinMainMenuBarItem"; }
};

class TskDataSkinCaption : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  const char* ClassName() const override { return "TskDataSkinCaption"; }
  void VisitFields(RecordFieldVisitor& v) override;

  gfx::Rect textrect;
  SkinFontFields font;
  gfx::Color activefontcolor = 0;
  Alignment alignment = Alignment::tacenter;
  bool shadow = false;
  gfx::Color shadowcolor = 0;
  gfx::Color activeshadowcolor = 0;
  gfx::Rect framerect;
  gfx::Rect activeframerect;
  gfx::Rect frametextrect;
  int32_t frameleftoffset = 0;
  int32_t framerightoffset = 0;
};

// A new, unread record of the class that a [SKINOBJECTS] type word selects (compared
// case-sensitively), or null for a word no class has.
std::unique_ptr<TskDataSkinObject> CreateObjectRecord(std::string_view type_word, std::string section_name);

}  // namespace skin
