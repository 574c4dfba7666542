// The skin built into the executable: it loads whole, and it holds the values the program's layout
// and behaviour are computed from.
#include "resources/EmbeddedSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinEditRecords.h"
#include "skin/data/SkinListRecords.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/data/SkinViewRecords.h"
#include "skin/storage/StoredSkin.h"

namespace resources {
namespace {

using gfx::Point;
using gfx::Rect;
using skin::TskSkinData;

class EmbeddedSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new TskSkinData();
    LoadEmbeddedSkin(*data_);
  }
  static void TearDownTestSuite() {
    delete data_;
    data_ = nullptr;
  }
  static const TskSkinData& Data() { return *data_; }

  template <class T>
  static const T& Control(const char* name) {
    const T* record = data_->FindControlRecord<T>(name);
    EXPECT_NE(record, nullptr) << name;
    if (!record) throw std::runtime_error(name);
    return *record;
  }

  static TskSkinData* data_;
};
TskSkinData* EmbeddedSkinTest::data_ = nullptr;

// Sizing kinds of a custom-control record: -1 none, 0 fixed, 1 nine-part, 2 horizontal, 3 vertical.
int SizingKind(const skin::TskDataSkinCustomControl& r) {
  if (r.skinrect.Width() <= 0 || r.skinrect.Height() <= 0) return -1;
  if (r.rightbottompoint.x != 0 && r.rightbottompoint.y != 0) return 1;
  if (r.righttoppoint.x != 0 || r.righttoppoint.y != 0) return 2;
  if (r.leftbottompoint.x != 0 || r.leftbottompoint.y != 0) return 3;
  return 0;
}

TEST_F(EmbeddedSkinTest, StoredBytesReadBackWhole) {
  skin::TskStoredSkin stored;
  FillEmbeddedStoredSkin(stored);
  EXPECT_EQ(stored.FileName(), "skin.ini");
  skin::TskStoredSkin again;
  EXPECT_EQ(again.ReadPictures(EmbeddedSkinPictures()), EmbeddedSkinPictures().size());

  EXPECT_EQ(stored.MainPicture().GetSize(), (gfx::Size{216, 167}));
  EXPECT_EQ(stored.MainPicture().BitsPerPixel(), 8);
  EXPECT_TRUE(stored.InactivePicture().IsEmpty());
  EXPECT_EQ(stored.MaskPicture().GetSize(), (gfx::Size{216, 167}));
  EXPECT_EQ(stored.MaskPicture().BitsPerPixel(), 4);
  const int depths[] = {8, 8, 8, 8, 1, 1, 1, 1, 1, 8};
  ASSERT_EQ(stored.ActivePictures().size(), std::size(depths));
  for (size_t i = 0; i < std::size(depths); ++i) {
    EXPECT_EQ(stored.ActivePictures()[i].BitsPerPixel(), depths[i]) << "picture " << i;
    EXPECT_FALSE(stored.ActivePictures()[i].Palette().empty()) << "picture " << i;
  }
}

TEST_F(EmbeddedSkinTest, ListsThirteenObjectsAndSixtyTwoControlsOfTheirClasses) {
  ASSERT_FALSE(Data().IsEmpty());
  const std::vector<std::pair<std::string, std::string>> objects = {
      {"MENUITEM", "TskDataSkinMenuItem"},          {"caption", "TskDataSkinCaption"},
      {"closebutton", "TskDataSkinStdButton"},      {"minbutton", "TskDataSkinStdButton"},
      {"maxbutton", "TskDataSkinStdButton"},        {"rollupbutton", "TskDataSkinStdButton"},
      {"sysmenubutton", "TskDataSkinStdButton"},    {"traybutton", "TskDataSkinStdButton"},
      {"mainmenubaritem", "TskDataSkinMainMenuBarItem"}, {"mmbclose", "TskDataSkinMainMenuBarButton"},
      {"mmbmin", "TskDataSkinMainMenuBarButton"},   {"mmbmax", "TskDataSkinMainMenuBarButton"},
      {"mmbsysmenu", "TskDataSkinMainMenuBarButton"},
  };
  ASSERT_EQ(Data().ObjectRecords().size(), objects.size());
  for (size_t i = 0; i < objects.size(); ++i) {
    EXPECT_EQ(Data().ObjectRecords()[i]->SectionName(), objects[i].first);
    EXPECT_STREQ(Data().ObjectRecords()[i]->ClassName(), objects[i].second.c_str()) << objects[i].first;
  }

  const std::vector<std::pair<std::string, std::string>> controls = {
      {"button", "Button"}, {"toolpanel", "Panel"}, {"toolbutton", "Button"}, {"checkbox", "CheckRadio"},
      {"gauge", "Gauge"}, {"vgauge", "Gauge"}, {"radiobox", "CheckRadio"}, {"panel", "Panel"}, {"label", "Label"},
      {"trackbar", "TrackBar"}, {"htrackbar", "TrackBar"}, {"grid", "Grid"}, {"tab", "Tab"},
      {"hscrollbar", "ScrollBar"}, {"vscrollbar", "ScrollBar"}, {"edit", "Edit"}, {"memo", "Memo"},
      {"listbox", "ListBox*"}, {"combobox", "ComboBox*"}, {"spinedit", "SpinEdit"}, {"checklistbox", "CheckListBox*"},
      {"groupbox", "Panel"}, {"stdlabel", "StdLabel"}, {"statusbar", "Panel"}, {"statuspanel", "Label"},
      {"vupdown", "UpDown"}, {"hupdown", "UpDown"}, {"buttonedit", "Edit"}, {"captionlistbox", "ListBox*"},
      {"captionchecklistbox", "CheckListBox*"}, {"captioncombobox", "ComboBox*"}, {"controlbar", "ControlBar*"},
      {"vsplitter", "Splitter"}, {"hsplitter", "Splitter"}, {"mainmenubar", "MainMenuBar*"},
      {"resizebutton", "Button"}, {"bothhscrollbar", "ScrollBar"}, {"bigtoolpanel", "Panel"},
      {"bigtoolbutton", "Button"}, {"bigtoolmenubutton", "MenuButton"}, {"bigtoolmenutrackbutton", "MenuButton"},
      {"toolmenubutton", "MenuButton"}, {"toolmenutrackbutton", "MenuButton"}, {"scrollbox", "ScrollBox"},
      {"statusgauge", "Gauge"}, {"richedit", "RichEdit*"}, {"expanel", "ExPanel"}, {"slider", "Slider*"},
      {"bevel", "Bevel*"}, {"statusedit", "Edit"}, {"statusbuttonedit", "Edit"}, {"statusspinedit", "SpinEdit"},
      {"statuscombobox", "ComboBox*"}, {"toolcombobox", "ComboBox*"}, {"tooledit", "Edit"}, {"toolspinedit", "SpinEdit"},
      {"toolbuttonedit", "Edit"}, {"resizetoolpanel", "Panel"}, {"resizetoolbutton", "Button"},
      {"menuitembutton", "Button"}, {"htracktoolbutton", "Button"}, {"vtracktoolbutton", "Button"},
  };
  ASSERT_EQ(Data().ControlRecords().size(), controls.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    // "X" stands for TskDataSkinXControl, "X*" for TskDataSkinX.
    std::string expected = "TskDataSkin" + controls[i].second;
    if (expected.back() == '*') {
      expected.pop_back();
    } else {
      expected += "Control";
    }
    EXPECT_EQ(Data().ControlRecords()[i]->SectionName(), controls[i].first);
    EXPECT_EQ(Data().ControlRecords()[i]->ClassName(), expected) << controls[i].first;
  }
  // Lists and trees ask for looks the skin does not have, and draw their plain look.
  EXPECT_EQ(Data().FindControlIndex("treeview"), -1);
  EXPECT_EQ(Data().FindControlIndex("listview"), -1);
}

TEST_F(EmbeddedSkinTest, FrameGivesTheWindowSizesOfTheMainWindow) {
  const skin::SkinFrameInfo& f = Data().FrameInfo();
  const gfx::Bitmap& pic = Data().FramePicture();
  EXPECT_EQ(f.clientrect, (Rect{7, 30, 209, 160}));
  EXPECT_EQ(f.buttonsrect, (Rect{111, 7, 196, 23}));
  EXPECT_EQ(f.buttonsoffset, 2);
  EXPECT_FALSE(f.buttonsinleft);
  EXPECT_EQ(f.borderwidth, 4);
  EXPECT_EQ(f.hittestlefttoppoint, (Point{38, 30}));
  EXPECT_EQ(f.hittestrighttoppoint, (Point{174, 30}));
  EXPECT_EQ(f.hittestleftbottompoint, (Point{6, 159}));
  EXPECT_EQ(f.hittestrightbottompoint, (Point{207, 159}));
  EXPECT_FALSE(Data().FrameMaskName().empty());

  // A 675 x 466 client area needs a 689 x 503 window; the frame alone is 216 x 37.
  const int32_t frame_w = f.clientrect.left + (pic.Width() - f.clientrect.right);
  const int32_t frame_h = f.clientrect.top + (pic.Height() - f.clientrect.bottom);
  EXPECT_EQ(675 + frame_w, 689);
  EXPECT_EQ(466 + frame_h, 503);
  EXPECT_EQ(frame_h, 37);
  EXPECT_EQ(pic.Width(), 216);
  // The buttons row follows the right edge (its left lies right of the middle) and ends at 669.
  EXPECT_GT(f.buttonsrect.left, pic.Width() / 2);
  EXPECT_EQ(f.buttonsrect.right + (689 - pic.Width()), 669);
}

TEST_F(EmbeddedSkinTest, CaptionButtonsSitInTheRowAndTheRestMapFromTheFramePicture) {
  const skin::SkinFrameInfo& f = Data().FrameInfo();
  const gfx::Bitmap& pic = Data().FramePicture();
  int32_t row_width = 0;
  const std::pair<const char*, skin::SkinCommand> row[] = {{"closebutton", skin::SkinCommand::cmclose},
                                                         {"maxbutton", skin::SkinCommand::cmmaximize},
                                                         {"minbutton", skin::SkinCommand::cmminimize},
                                                         {"rollupbutton", skin::SkinCommand::cmrollup}};
  for (const auto& [name, command] : row) {
    const auto* b = Data().FindObjectRecord<skin::TskDataSkinStdButton>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_TRUE(b->skinrectinapicture) << name;
    EXPECT_EQ(b->command, command) << name;
    EXPECT_EQ(b->skinrect.Height(), f.buttonsrect.Height()) << name;
    EXPECT_FALSE(b->activeskinrect.IsEmpty()) << name;
    EXPECT_FALSE(b->downrect.IsEmpty()) << name;
    row_width += b->skinrect.Width();
  }
  EXPECT_LE(row_width + 3 * f.buttonsoffset, f.buttonsrect.Width());

  const auto* sys = Data().FindObjectRecord<skin::TskDataSkinStdButton>("sysmenubutton");
  ASSERT_NE(sys, nullptr);
  EXPECT_FALSE(sys->skinrectinapicture);
  EXPECT_EQ(sys->command, skin::SkinCommand::cmsysmenu);
  // Inside the top-left corner region, so it stays where it is at every size.
  EXPECT_LE(sys->skinrect.right, f.lefttoppoint.x);
  EXPECT_LE(sys->skinrect.bottom, f.lefttoppoint.y);

  const auto* caption = Data().FindObjectRecord<skin::TskDataSkinCaption>("caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_FALSE(caption->skinrectinapicture);
  // From the top-left region to the top-right one, so it grows with the window's width; its text
  // ends before the buttons row at the smallest width.
  EXPECT_TRUE((Rect{0, 0, f.lefttoppoint.x, f.lefttoppoint.y}).Contains(caption->skinrect.TopLeft()));
  EXPECT_TRUE((Rect{f.righttoppoint.x, 0, pic.Width(), f.righttoppoint.y})
                  .Contains({caption->skinrect.right, caption->skinrect.bottom}));
  EXPECT_LE(caption->skinrect.left + caption->textrect.right, f.buttonsrect.right - row_width - 3 * f.buttonsoffset);

  // The tray button is part of the skin but hides itself, since it is not in the row's picture.
  const auto* tray = Data().FindObjectRecord<skin::TskDataSkinStdButton>("traybutton");
  ASSERT_NE(tray, nullptr);
  EXPECT_EQ(tray->command, skin::SkinCommand::cmminimizetotray);
}

TEST_F(EmbeddedSkinTest, PushButtonRecord) {
  const auto& b = Control<skin::TskDataSkinButtonControl>("button");
  EXPECT_EQ(b.skinrect, (Rect{3, 5, 63, 25}));
  EXPECT_EQ(b.lefttoppoint, (Point{12, 9}));
  EXPECT_EQ(b.righttoppoint, (Point{46, 10}));
  EXPECT_EQ(b.leftbottompoint, (Point{0, 0}));
  EXPECT_EQ(b.rightbottompoint, (Point{0, 0}));
  EXPECT_EQ(b.clientrect, (Rect{7, 2, 53, 18}));
  EXPECT_EQ(b.maskpictureindex, 4);
  EXPECT_EQ(b.font.fontname, "Arial");
  EXPECT_EQ(b.font.fontheight, 14);
  EXPECT_EQ(b.font.fontcolor, 0u);
  EXPECT_EQ(b.activefontcolor, 16777215u);
  EXPECT_EQ(b.downfontcolor, 16777215u);
  EXPECT_EQ(b.disabledfontcolor, 8421504u);
  EXPECT_EQ(b.activeskinrect, (Rect{3, 27, 63, 47}));
  EXPECT_EQ(b.downskinrect, (Rect{3, 49, 63, 69}));
  EXPECT_TRUE(b.disabledskinrect.IsEmpty());
  EXPECT_TRUE(b.morphing);
  EXPECT_EQ(b.morphkind, skin::MorphKind::mkgradient);
  // The message box sizes its buttons from this record's height.
  EXPECT_EQ(b.skinrect.Height(), 20);
}

TEST_F(EmbeddedSkinTest, SizingKindsOfTheControlsTheWindowsUse) {
  const std::pair<const char*, int> kinds[] = {
      {"button", 2}, {"checkbox", 2}, {"htrackbar", 2}, {"edit", 2},        {"trackbar", 3},
      {"panel", 1},  {"expanel", 1},  {"scrollbox", 1}, {"statusbar", 1},   {"toolbutton", 1},
  };
  for (const auto& [name, kind] : kinds) {
    EXPECT_EQ(SizingKind(Control<skin::TskDataSkinCustomControl>(name)), kind) << name;
  }
}

TEST_F(EmbeddedSkinTest, QualitySliderPutsItsThumbAt41For75On81Pixels) {
  const auto& t = Control<skin::TskDataSkinTrackBarControl>("htrackbar");
  EXPECT_EQ(t.skinrect, (Rect{134, 6, 212, 21}));
  EXPECT_EQ(t.lefttoppoint, (Point{19, 7}));
  EXPECT_EQ(t.righttoppoint, (Point{55, 7}));
  EXPECT_EQ(t.trackarea, (Rect{14, 3, 65, 13}));
  EXPECT_EQ(t.buttonrect, (Rect{135, 33, 153, 39}));
  EXPECT_EQ(t.activebuttonrect, (Rect{155, 33, 173, 39}));
  EXPECT_FALSE(t.vertical);
  EXPECT_EQ(t.maskpictureindex, 7);

  // An 81 x 20 bar keeps the skin's height; its track area widens with it.
  const int32_t width = 81;
  const Rect area{t.trackarea.left, t.trackarea.top, t.trackarea.right + width - t.skinrect.Width(), t.trackarea.bottom};
  const int32_t tw = t.buttonrect.Width();
  const int32_t th = t.buttonrect.Height();
  const int32_t start = area.left + tw / 2;
  const int32_t end = area.right - tw / 2;
  const int32_t offset = static_cast<int32_t>(std::nearbyint((end - start) * 0.75));
  const int32_t cy = area.top + area.Height() / 2;
  EXPECT_EQ(t.skinrect.Height(), 15);
  EXPECT_EQ((Rect::FromSize(start + offset - tw / 2, cy - th / 2, tw, th)), (Rect{41, 5, 59, 11}));

  const auto& v = Control<skin::TskDataSkinTrackBarControl>("trackbar");
  EXPECT_TRUE(v.vertical);
}

TEST_F(EmbeddedSkinTest, RecordsOfTheOtherControlsTheWindowsUse) {
  const auto& ex = Control<skin::TskDataSkinExPanelControl>("expanel");
  EXPECT_EQ(ex.rollvskinrect, (Rect{339, 113, 405, 130}));
  EXPECT_EQ(ex.rollvskinrect.Height(), 17);

  const auto& edit = Control<skin::TskDataSkinEditControl>("edit");
  EXPECT_EQ(edit.skinrect.Width(), 41);
  EXPECT_EQ(edit.skinrect.Height(), 17);
  EXPECT_EQ(edit.font.fontcolor, 0u);
  EXPECT_EQ(edit.activefontcolor, 16777215u);
  EXPECT_EQ(edit.disabledfontcolor, 8421504u);
  EXPECT_FALSE(edit.activeskinrect.IsEmpty());

  const auto& tab = Control<skin::TskDataSkinTabControl>("tab");
  EXPECT_EQ(tab.tabrect.Width(), 41);
  EXPECT_EQ(tab.tabrect.Height(), 17);
  EXPECT_EQ(tab.tableftoffset, 5);
  EXPECT_EQ(tab.tabrightoffset, 5);
  EXPECT_FALSE(tab.activetabrect.IsEmpty());
  EXPECT_FALSE(tab.focustabrect.IsEmpty());
  EXPECT_TRUE(tab.mouseintabrect.IsEmpty());
  EXPECT_NE(tab.mouseinfontcolor, tab.font.fontcolor);

  const auto& scroller = Control<skin::TskDataSkinUpDownControl>(tab.updown.c_str());
  EXPECT_EQ(tab.updown, "hupdown");
  EXPECT_EQ(scroller.skinrect, (Rect{142, 171, 178, 189}));
  EXPECT_EQ(scroller.upbuttonrect, (Rect{18, 0, 36, 18}));
  EXPECT_EQ(scroller.downbuttonrect, (Rect{0, 0, 18, 18}));

  const auto& combo = Control<skin::TskDataSkinComboBox>("combobox");
  EXPECT_EQ(combo.listboxname, "listbox");
  Control<skin::TskDataSkinListBox>(combo.listboxname.c_str());
}

TEST_F(EmbeddedSkinTest, ButtonsOfStretchedControlsFollowTheirFarEdge) {
  // A field's or a bar's button moves with the control's size only when it lies in the piece that
  // moves; one left behind would sit in the middle of a wider control.
  for (const char* name : {"buttonedit", "statusbuttonedit", "toolbuttonedit"}) {
    const auto& e = Control<skin::TskDataSkinEditControl>(name);
    EXPECT_GE(e.buttonrect.left, e.righttoppoint.x) << name;
    EXPECT_LE(e.clientrect.right, e.buttonrect.left) << name;
  }
  for (const char* name : {"combobox", "captioncombobox", "statuscombobox", "toolcombobox"}) {
    const auto& c = Control<skin::TskDataSkinComboBox>(name);
    EXPECT_GE(c.buttonrect.left, c.skinrect.Width() - c.righttoppoint.x) << name;
    EXPECT_GT(c.buttonrect.left, c.righttoppoint.x) << name;
  }
  for (const char* name : {"hscrollbar", "bothhscrollbar"}) {
    const auto& s = Control<skin::TskDataSkinScrollBarControl>(name);
    EXPECT_GT(s.upbuttonrect.left, s.righttoppoint.x) << name;
    EXPECT_LE(s.downbuttonrect.right, s.lefttoppoint.x) << name;
  }
  const auto& v = Control<skin::TskDataSkinScrollBarControl>("vscrollbar");
  EXPECT_GT(v.upbuttonrect.top, v.leftbottompoint.y);
  EXPECT_LE(v.downbuttonrect.bottom, v.lefttoppoint.y);
}

// Walks the rectangle fields of a record.
class RectCollector : public skin::RecordFieldVisitor {
 public:
  void Integer(std::string_view, int32_t&) override {}
  void PictureIndex(std::string_view, int32_t&) override {}
  void Boolean(std::string_view, bool&) override {}
  void Colour(std::string_view, gfx::Color&) override {}
  void PointValue(std::string_view, gfx::Point&) override {}
  void RectValue(std::string_view key, gfx::Rect& value) override { rects.emplace_back(std::string(key), value); }
  void String(std::string_view, std::string&) override {}
  void FontStyle(std::string_view, skin::FontStyles&) override {}
  void AlignmentValue(std::string_view, skin::Alignment&) override {}
  void MorphKindValue(std::string_view, skin::MorphKind&) override {}
  void Command(std::string_view, skin::SkinCommand&) override {}
  std::vector<std::pair<std::string, Rect>> rects;
};

// Keys whose rectangles are measured from an image of the record (or from the control), not
// placed in a picture; the value names the image they are measured from ("" for skinrect).
const std::map<std::string, std::string>& RelativeKeys() {
  static const std::map<std::string, std::string> keys = {
      {"clientrect", ""},       {"captionrect", ""},          {"checkimagearea", ""},
      {"textarea", ""},         {"trackarea", ""},            {"progressarea", ""},
      {"itemsrect", ""},        {"trackbuttonrect", ""},      {"textrect", ""},
      {"frametextrect", ""},    {"rollvcaptionrect", "rollvskinrect"},
      {"rollhcaptionrect", "rollhskinrect"}, {"itemtextrect", "itemrect"}, {"itemcheckrect", "itemrect"},
      {"fixedcelltextrect", "fixedcellrect"}, {"celltextrect", "selectcellrect"}};
  return keys;
}

// The button rectangles of scroll bars, up-downs and spin edits, and the button of edits and combo
// boxes, are places in the control; a track bar's buttonrect is its thumb image, and a list box's
// button rectangles are images of its caption buttons.
bool IsControlPlace(const std::string& key, const skin::SkinRecord& record) {
  if (key == "upbuttonrect" || key == "downbuttonrect") {
    return dynamic_cast<const skin::TskDataSkinScrollBarControl*>(&record) ||
           dynamic_cast<const skin::TskDataSkinUpDownControl*>(&record) ||
           dynamic_cast<const skin::TskDataSkinSpinEditControl*>(&record);
  }
  if (key == "buttonrect") return !dynamic_cast<const skin::TskDataSkinTrackBarControl*>(&record);
  return false;
}

bool Inside(const Rect& r, const Rect& outer) {
  return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right && r.bottom <= outer.bottom;
}

TEST_F(EmbeddedSkinTest, EveryRecordRectangleLiesInItsPicture) {
  for (const auto& record : Data().ControlRecords()) {
    RectCollector fields;
    record->VisitFields(fields);
    const gfx::Bitmap* pic = Data().ActivePicture(record->pictureindex);
    Rect own = record->skinrect;
    const auto image_of = [&](const std::string& name) {
      if (name.empty()) return own;
      for (const auto& [key, r] : fields.rects) {
        if (key == name) return r;
      }
      return Rect{};
    };
    for (const auto& [key, r] : fields.rects) {
      if (r.IsEmpty()) continue;
      const auto relative = RelativeKeys().find(key);
      if (relative != RelativeKeys().end() || IsControlPlace(key, *record)) {
        // Measured from one of the record's images: within that image's size.
        const Rect image = image_of(relative != RelativeKeys().end() ? relative->second : "");
        if (image.IsEmpty()) continue;
        EXPECT_TRUE(Inside(r, {0, 0, image.Width(), image.Height()})) << record->SectionName() << " " << key;
        continue;
      }
      ASSERT_NE(pic, nullptr) << record->SectionName() << " has rectangles but no picture";
      EXPECT_TRUE(Inside(r, pic->Bounds())) << record->SectionName() << " " << key;
    }
    // A mask picture is used whole, fitted like the normal image: it must be the image's size.
    if (record->maskpictureindex >= 0) {
      const gfx::Bitmap* mask = Data().ActivePicture(record->maskpictureindex);
      ASSERT_NE(mask, nullptr) << record->SectionName();
      EXPECT_EQ(mask->GetSize(), (gfx::Size{own.Width(), own.Height()})) << record->SectionName();
      EXPECT_EQ(mask->BitsPerPixel(), 1) << record->SectionName();
    }
  }
  for (const auto& record : Data().ObjectRecords()) {
    RectCollector fields;
    record->VisitFields(fields);
    const gfx::Bitmap* own_picture = Data().ActivePicture(record->activepictureindex);
    for (const auto& [key, r] : fields.rects) {
      if (r.IsEmpty()) continue;
      if (key == "textrect" || key == "frametextrect") {
        EXPECT_TRUE(Inside(r, {0, 0, record->skinrect.Width(), record->skinrect.Height()})) << record->SectionName();
        continue;
      }
      const gfx::Bitmap* pic =
          key == "skinrect" && !record->skinrectinapicture ? &Data().FramePicture() : own_picture;
      ASSERT_NE(pic, nullptr) << record->SectionName() << " " << key;
      EXPECT_TRUE(Inside(r, pic->Bounds())) << record->SectionName() << " " << key;
    }
  }
  const auto& popup = Data().PopupWindow();
  ASSERT_NE(Data().ActivePicture(popup.windowpictureindex), nullptr);
  EXPECT_TRUE(Inside(popup.itemsrect, Data().ActivePicture(popup.windowpictureindex)->Bounds()));
  const auto& hint = Data().HintWindow();
  ASSERT_NE(Data().ActivePicture(hint.windowpictureindex), nullptr);
  EXPECT_TRUE(Inside(hint.clientrect, Data().ActivePicture(hint.windowpictureindex)->Bounds()));
}

TEST_F(EmbeddedSkinTest, CheckImagesAreTransparentOnlyAroundTheirShape) {
  // Check images are copied with their bottom-left pixel's colour transparent: that colour must be
  // the key, and the inside of the mark must not share it.
  const auto& check = Control<skin::TskDataSkinCheckRadioControl>("checkbox");
  const auto& radio = Control<skin::TskDataSkinCheckRadioControl>("radiobox");
  const auto& list = Control<skin::TskDataSkinCheckListBox>("checklistbox");
  const std::pair<const char*, Rect> images[] = {
      {"check", check.checkimagerect},
      {"uncheck", check.uncheckimagerect},
      {"hot check", check.activecheckimagerect},
      {"hot uncheck", check.activeuncheckimagerect},
      {"disabled check", check.unenabledcheckimagerect},
      {"disabled uncheck", check.unenableduncheckimagerect},
      {"radio", radio.checkimagerect},
      {"hot radio", radio.activeuncheckimagerect},
      {"disabled radio", radio.unenabledcheckimagerect},
      {"list check", list.checkimagerect},
  };
  const gfx::Bitmap* pic = Data().ActivePicture(check.pictureindex);
  ASSERT_NE(pic, nullptr);
  for (const auto& [what, r] : images) {
    ASSERT_FALSE(r.IsEmpty()) << what;
    const gfx::Color key = pic->Pixel(r.left, r.bottom - 1);
    EXPECT_EQ(key, gfx::Rgb(255, 0, 255)) << what;
    for (int32_t y = r.top + 3; y < r.bottom - 3; ++y) {
      for (int32_t x = r.left + 3; x < r.right - 3; ++x) {
        ASSERT_NE(pic->Pixel(x, y), key) << what << " at " << x - r.left << "," << y - r.top;
      }
    }
  }
}

// Relative luminance contrast of two colours (1 to 21).
double Contrast(gfx::Color a, gfx::Color b) {
  const auto lum = [](gfx::Color c) {
    const auto ch = [](uint8_t v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * ch(gfx::Red(c)) + 0.7152 * ch(gfx::Green(c)) + 0.0722 * ch(gfx::Blue(c));
  };
  const double la = lum(a);
  const double lb = lum(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(EmbeddedSkinTest, TextColoursReadOnTheirBackgrounds) {
  struct Case {
    const char* what;
    int32_t picture;
    Rect image;
    Point at;  // where the text sits in the image
    gfx::Color color;
  };
  const auto& b = Control<skin::TskDataSkinButtonControl>("button");
  const auto& e = Control<skin::TskDataSkinEditControl>("edit");
  const auto& l = Control<skin::TskDataSkinListBox>("listbox");
  const auto& t = Control<skin::TskDataSkinTabControl>("tab");
  const auto& g = Control<skin::TskDataSkinGaugeControl>("statusgauge");
  const auto* m = Data().FirstObjectRecord<skin::TskDataSkinMenuItem>();
  ASSERT_NE(m, nullptr);
  const Case cases[] = {
      {"button", b.pictureindex, b.skinrect, {30, 10}, b.font.fontcolor},
      {"button hot", b.pictureindex, b.activeskinrect, {30, 10}, b.activefontcolor},
      {"button pressed", b.pictureindex, b.downskinrect, {30, 10}, b.downfontcolor},
      {"button disabled", b.pictureindex, b.skinrect, {30, 10}, b.disabledfontcolor},
      {"edit", e.pictureindex, e.skinrect, {20, 8}, e.font.fontcolor},
      {"edit hot", e.pictureindex, e.activeskinrect, {20, 8}, e.activefontcolor},
      {"list item", l.pictureindex, l.itemrect, {15, 9}, l.font.fontcolor},
      {"list hot item", l.pictureindex, l.activeitemrect, {15, 9}, l.activefontcolor},
      {"list selected item", l.pictureindex, l.focusitemrect, {15, 9}, l.focusfontcolor},
      {"tab", t.pictureindex, t.tabrect, {20, 9}, t.font.fontcolor},
      {"selected tab", t.pictureindex, t.activetabrect, {20, 9}, t.activefontcolor},
      {"gauge", g.pictureindex, g.progressrect, {4, 5}, g.font.fontcolor},
      {"menu item", m->activepictureindex, m->skinrect, {20, 10}, m->font.fontcolor},
      {"menu item hot", m->activepictureindex, m->activeskinrect, {20, 10}, m->activefontcolor},
  };
  for (const Case& c : cases) {
    const gfx::Bitmap* pic = Data().ActivePicture(c.picture);
    ASSERT_NE(pic, nullptr) << c.what;
    const gfx::Color background = pic->Pixel(c.image.left + c.at.x, c.image.top + c.at.y);
    // Disabled text is meant to recede, but must stay legible.
    const double wanted = std::string_view(c.what).find("disabled") != std::string_view::npos ? 2.5 : 4.5;
    EXPECT_GE(Contrast(c.color, background), wanted) << c.what;
  }
}

}  // namespace
}  // namespace resources
