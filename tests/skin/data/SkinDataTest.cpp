// The skin data object: both load paths, the frame corrections, record lookup and the load messages.
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/IniFile.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/data/SkinViewRecords.h"
#include "skin/storage/CompressedStoredSkin.h"
#include "skin/storage/StoredSkin.h"
#include "skin/storage/ZlibStreams.h"

namespace skin {
namespace {

constexpr const char* kSkinIni = R"([VERSION]
skinname=Test skin
skinauthor=Orvel
authoremail=skins@example.org
authorurl=http://example.org/
skincomments=for tests
ver=3
[PICTURES]
picture=main.bmp
inactivepicture=
mask=mask.bmp
activepicturescount=2
0=one.bmp
1=two.bmp
[FORMINFO]
clientrect=7, 30,209,160
leftstretch=2
rightstretch=1
buttonsoffset=4
borderwidth=3
inactiveeffect=iedarkness
[POPUPWINDOW]
windowpictureindex=1
itemsrect=2,2,30,30
[SKINOBJECTS]
count=3
0=close:stdbutton
1=MENUITEM:menuitem
2=odd:gadget
[SKINCONTROLS]
count=8
0=button:button
1=weird:nosuchtype
2=toolbutton:menubutton
3=nocolon
5=button:panel
6=tab:tab
7=Spaced: button
[BUTTON]
skinrect=0,0,40,20
fontname=Tahoma
[close]
command=cmclose
[toolbutton]
trackbuttonrect=1,2,3,4
)";

gfx::Bitmap SolidBitmap(int32_t w, int32_t h) {
  gfx::Bitmap b(w, h, 24);
  b.Fill(gfx::Rgb(10, 20, 30));
  return b;
}

SkinPictures TestPictures() {
  SkinPictures p;
  p.main = SolidBitmap(4, 3);
  p.mask = SolidBitmap(4, 3);
  p.active = {SolidBitmap(2, 2), SolidBitmap(1, 5)};
  return p;
}

TskStoredSkin StoredSkin(const std::string& ini_text) {
  TskStoredSkin stored;
  stored.SetIniStrings(SplitLines(ini_text));
  stored.SetPictures(TestPictures());
  return stored;
}

TskCompressedStoredSkin CompressedSkin(const std::vector<uint8_t>& payload) {
  TskCompressedStoredSkin compressed;
  compressed.SetCompressedData(CompressBytes(payload));
  return compressed;
}

TskCompressedStoredSkin CompressedSkin(const std::string& ini_text) {
  return CompressedSkin(EncodeSkinPayload(TestPictures(), SplitLines(ini_text)));
}

// Forms that log each message with what the skin looked like when it arrived.
struct Event {
  std::string form;
  uint32_t message;
  bool empty;
  size_t controls;
  friend bool operator==(const Event&, const Event&) = default;
};

class FakeForm : public SkinMessageReceiver {
 public:
  FakeForm(std::string name, std::vector<Event>& log) : name_(std::move(name)), log_(log) {}
  void SendSkinMessage(uint32_t message, TskSkinData& sender, int32_t param) override {
    EXPECT_EQ(param, kSkinMessageParam);
    log_.push_back({name_, message, sender.IsEmpty(), sender.ControlRecords().size()});
  }

 private:
  std::string name_;
  std::vector<Event>& log_;
};

class FakeSink : public SkinMessageSink {
 public:
  SkinMessageReceiver* owner = nullptr;
  std::vector<SkinMessageReceiver*> forms;
  SkinMessageReceiver* OwnerForm() override { return owner; }
  std::vector<SkinMessageReceiver*> Forms() override { return forms; }
};

// The messages one load sends to a single form, with the skin's state at each.
std::vector<Event> LoadEvents(size_t controls_before, bool loaded, size_t controls_after) {
  return {{"main", SkinMsgBeforeChange, true, controls_before},
          {"main", SkinMsgChange, !loaded, controls_after},
          {"main", SkinMsgAfterChange, !loaded, controls_after}};
}

class SkinDataTest : public ::testing::Test {
 protected:
  SkinDataTest() {
    sink_.owner = &main_;
    sink_.forms = {&main_};
    data_.SetMessageSink(&sink_);
  }
  std::vector<Event> log_;
  FakeForm main_{"main", log_};
  FakeSink sink_;
  TskSkinData data_;
};

TEST_F(SkinDataTest, CreatedEmpty) {
  EXPECT_TRUE(data_.IsEmpty());
  EXPECT_EQ(data_.FrameInfo().bgpictureindex, -1);
  EXPECT_EQ(data_.FrameInfo().inactiveeffect, InactiveEffect::iebrightness);
  EXPECT_EQ(data_.HintWindow().fontheight, 12);
  EXPECT_EQ(data_.PopupWindow().windowpictureindex, -1);
  EXPECT_EQ(data_.FindControlIndex("button"), -1);
  EXPECT_EQ(data_.ActivePicture(0), nullptr);
}

TEST_F(SkinDataTest, LoadsAStoredSkin) {
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(stored);
  EXPECT_EQ(log_, LoadEvents(0, true, 4));
  EXPECT_FALSE(data_.IsEmpty());

  EXPECT_EQ(data_.VersionInfo().skinname, "Test skin");
  EXPECT_EQ(data_.VersionInfo().authoremail, "skins@example.org");
  EXPECT_EQ(data_.VersionInfo().skincomments, "for tests");
  EXPECT_EQ(data_.FramePictureName(), "main.bmp");
  EXPECT_EQ(data_.InactiveFramePictureName(), "");
  EXPECT_EQ(data_.FrameMaskName(), "mask.bmp");
  EXPECT_EQ(data_.ActivePictureNames(), (std::vector<std::string>{"one.bmp", "two.bmp"}));
  EXPECT_EQ(data_.FramePicture().GetSize(), (gfx::Size{4, 3}));
  EXPECT_TRUE(data_.InactiveFramePicture().IsEmpty());
  EXPECT_EQ(data_.FrameMask().GetSize(), (gfx::Size{4, 3}));
  ASSERT_EQ(data_.ActivePictures().size(), 2u);
  EXPECT_EQ(data_.ActivePicture(1)->GetSize(), (gfx::Size{1, 5}));
  EXPECT_EQ(data_.ActivePicture(2), nullptr);
  EXPECT_EQ(data_.ActivePicture(-1), nullptr);

  const SkinFrameInfo& f = data_.FrameInfo();
  EXPECT_EQ(f.clientrect, (gfx::Rect{7, 30, 209, 160}));
  EXPECT_FALSE(f.leftstretch);  // 2 is not true
  EXPECT_TRUE(f.rightstretch);
  EXPECT_EQ(f.buttonsoffset, 4);
  EXPECT_EQ(f.borderwidth, 3);
  EXPECT_EQ(f.inactiveeffect, InactiveEffect::iedarkness);
  EXPECT_EQ(f.bgpictureindex, -1);
  EXPECT_EQ(f.mdibgpictureindex, -1);
  EXPECT_EQ(data_.PopupWindow().windowpictureindex, 1);
  EXPECT_EQ(data_.PopupWindow().itemsrect, (gfx::Rect{2, 2, 30, 30}));
  EXPECT_EQ(data_.HintWindow().fontheight, 14);
}

TEST_F(SkinDataTest, ListsKeepFileOrderAndSkipUnknownTypesAndMalformedEntries) {
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(stored);

  std::vector<std::string> objects;
  for (const auto& record : data_.ObjectRecords()) objects.push_back(record->SectionName() + ":" + record->ClassName());
  EXPECT_EQ(objects, (std::vector<std::string>{"close:TskDataSkinStdButton", "MENUITEM:TskDataSkinMenuItem"}));

  std::vector<std::string> controls;
  for (const auto& record : data_.ControlRecords()) {
    controls.push_back(record->SectionName() + ":" + record->ClassName());
  }
  // " button" after the colon is not a type word; entry 4 is missing, entry 3 has no colon.
  EXPECT_EQ(controls, (std::vector<std::string>{"button:TskDataSkinButtonControl",
                                                "toolbutton:TskDataSkinMenuButtonControl",
                                                "button:TskDataSkinPanelControl", "tab:TskDataSkinTabControl"}));
  // Records read their keys from their section whatever the case of its name.
  const auto* button = RecordAs<TskDataSkinButtonControl>(data_.ControlRecord(0));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->fontname, "Tahoma");
  EXPECT_EQ(button->skinrect, (gfx::Rect{0, 0, 40, 20}));
  const auto* panel = RecordAs<TskDataSkinPanelControl>(data_.ControlRecord(2));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->skinrect, (gfx::Rect{0, 0, 40, 20}));
  EXPECT_EQ(RecordAs<TskDataSkinStdButton>(data_.ObjectRecord(0))->command, SkinCommand::cmclose);
  EXPECT_EQ(data_.ObjectRecord(2), nullptr);
}

TEST_F(SkinDataTest, LookupIsExactAndTakesTheFirstOfDuplicateNames) {
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(stored);
  struct Case {
    const char* name;
    int32_t control_index;
    int32_t object_index;
  };
  const Case cases[] = {
      {"button", 0, -1},  {"Button", -1, -1}, {"BUTTON", -1, -1}, {"toolbutton", 1, -1},
      {"tab", 3, -1},     {"weird", -1, -1},  {"odd", -1, -1},    {"close", -1, 0},
      {"MENUITEM", -1, 1}, {"menuitem", -1, -1}, {"", -1, -1},    {"listview", -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(data_.FindControlIndex(c.name), c.control_index);
    EXPECT_EQ(data_.FindObjectIndex(c.name), c.object_index);
  }
  // A control takes a record of its own class or of a class derived from it.
  EXPECT_NE(data_.FindControlRecord<TskDataSkinButtonControl>("button"), nullptr);
  EXPECT_EQ(data_.FindControlRecord<TskDataSkinMenuButtonControl>("button"), nullptr);
  EXPECT_EQ(data_.FindControlRecord<TskDataSkinPanelControl>("button"), nullptr);  // the first one is a button
  EXPECT_NE(data_.FindControlRecord<TskDataSkinButtonControl>("toolbutton"), nullptr);
  EXPECT_EQ(data_.FindControlRecord<TskDataSkinCustomControl>("tab"), nullptr);
  EXPECT_NE(data_.FindObjectRecord<TskDataSkinButton>("close"), nullptr);
  EXPECT_EQ(data_.FirstObjectRecord<TskDataSkinMenuItem>(), data_.ObjectRecord(1));
  data_.ClearAll();
  EXPECT_EQ(data_.FindControlRecord<TskDataSkinButtonControl>("button"), nullptr);
}

TEST_F(SkinDataTest, PopupMenusTakeTheFirstMenuItemWhateverItsName) {
  TskStoredSkin stored = StoredSkin(
      "[VERSION]\na=1\n[PICTURES]\na=1\n[FORMINFO]\na=1\n[SKINCONTROLS]\na=1\n"
      "[SKINOBJECTS]\ncount=4\n0=bar:mainmenubaritem\n1=second:menuitem\n2=third:menuitem\n3=x:caption\n");
  data_.LoadFromStoredSkin(stored);
  ASSERT_NE(data_.FirstObjectRecord<TskDataSkinMenuItem>(), nullptr);
  EXPECT_EQ(data_.FirstObjectRecord<TskDataSkinMenuItem>()->SectionName(), "second");
  EXPECT_EQ(data_.FirstObjectRecord<TskDataSkinMainMenuItem>()->SectionName(), "bar");
  EXPECT_EQ(data_.FirstObjectRecord<TskDataSkinButton>(), nullptr);
}

TEST_F(SkinDataTest, FormInfoCorrections) {
  struct Case {
    const char* name;
    const char* mask;  // the [PICTURES] mask value
    const char* forminfo;
    gfx::Rect maskrectarea;
    gfx::Point hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
    gfx::Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  };
  // Corner points read 3,4 (the sign is dropped), 250,10, 2,170 and 240,200 around the client
  // rectangle 7,30,209,160.
  const std::string corners =
      "lefttoppoint=-3,4\nrighttoppoint=250,10\nleftbottompoint=2,170\nrightbottompoint=240,200\n"
      "clientrect=7, 30,209,160\n";
  const Case cases[] = {
      {"mask, empty area: the area becomes the client rectangle, hit-test points default to the unpulled "
       "corners, the corners are pulled into the client rectangle",
       "mask.bmp", "maskrectarea=0,0,0,0\nhittestlefttoppoint=0,30\nhittestrighttoppoint=5,6\n",
       {7, 30, 209, 160}, {3, 4}, {5, 6}, {2, 170}, {240, 200},
       {7, 30}, {209, 30}, {7, 160}, {209, 160}},
      {"mask, given area: the area grows to include the client rectangle", "mask.bmp",
       "maskrectarea=0,40,100,200\nhittestlefttoppoint=1,1\nhittestrighttoppoint=9,9\n"
       "hittestleftbottompoint=8,8\nhittestrightbottompoint=7,7\n",
       {0, 30, 209, 200}, {1, 1}, {9, 9}, {8, 8}, {7, 7},
       {7, 30}, {209, 30}, {7, 160}, {209, 160}},
      {"no mask: area and hit-test points stay as read", "", "maskrectarea=0,0,0,0\nhittestlefttoppoint=0,30\n",
       {0, 0, 0, 0}, {0, 30}, {0, 0}, {0, 0}, {0, 0},
       {7, 30}, {209, 30}, {7, 160}, {209, 160}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string ini = std::string("[VERSION]\nskinname=x\n[PICTURES]\nmask=") + c.mask +
                            "\npicture=p\n[FORMINFO]\n" + corners + c.forminfo +
                            "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
    TskStoredSkin stored = StoredSkin(ini);
    data_.LoadFromStoredSkin(stored);
    ASSERT_FALSE(data_.IsEmpty());
    const SkinFrameInfo& f = data_.FrameInfo();
    EXPECT_EQ(f.maskrectarea, c.maskrectarea);
    EXPECT_EQ(f.hittestlefttoppoint, c.hittestlefttoppoint);
    EXPECT_EQ(f.hittestrighttoppoint, c.hittestrighttoppoint);
    EXPECT_EQ(f.hittestleftbottompoint, c.hittestleftbottompoint);
    EXPECT_EQ(f.hittestrightbottompoint, c.hittestrightbottompoint);
    EXPECT_EQ(f.lefttoppoint, c.lefttoppoint);
    EXPECT_EQ(f.righttoppoint, c.righttoppoint);
    EXPECT_EQ(f.leftbottompoint, c.leftbottompoint);
    EXPECT_EQ(f.rightbottompoint, c.rightbottompoint);
  }
}

TEST_F(SkinDataTest, CornersThatCoincideInXOrYAreNotPulled) {
  for (const char* rightbottom : {"3,90", "90,4"}) {
    SCOPED_TRACE(rightbottom);
    const std::string ini = std::string("[VERSION]\na=1\n[PICTURES]\na=1\n[FORMINFO]\nlefttoppoint=3,4\n") +
                            "righttoppoint=250,10\nrightbottompoint=" + rightbottom +
                            "\nclientrect=7,30,209,160\n[SKINOBJECTS]\na=1\n[SKINCONTROLS]\na=1\n";
    TskStoredSkin stored = StoredSkin(ini);
    data_.LoadFromStoredSkin(stored);
    ASSERT_FALSE(data_.IsEmpty());
    EXPECT_EQ(data_.FrameInfo().lefttoppoint, (gfx::Point{3, 4}));
    EXPECT_EQ(data_.FrameInfo().righttoppoint, (gfx::Point{250, 10}));
  }
}

TEST_F(SkinDataTest, InactiveEffectWords) {
  struct Case {
    const char* line;
    InactiveEffect expected;
  };
  const Case cases[] = {
      {"inactiveeffect=ieinvert", InactiveEffect::ieinvert},
      {"inactiveeffect=iesparkle", InactiveEffect::iegrayscale},
      {"inactiveeffect=IEINVERT", InactiveEffect::iegrayscale},
      {"", InactiveEffect::iebrightness},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TskStoredSkin stored = StoredSkin(std::string("[VERSION]\na=1\n[PICTURES]\na=1\n[FORMINFO]\nb=1\n") + c.line +
                                      "\n[SKINOBJECTS]\na=1\n[SKINCONTROLS]\na=1\n");
    data_.LoadFromStoredSkin(stored);
    EXPECT_EQ(data_.FrameInfo().inactiveeffect, c.expected);
  }
}

TEST_F(SkinDataTest, AStoredSkinWithoutARequiredSectionLoadsEmpty) {
  TskStoredSkin good = StoredSkin(kSkinIni);
  const std::string without_controls = std::string(kSkinIni).substr(0, std::string(kSkinIni).find("[SKINCONTROLS]"));
  const std::string blank_controls = without_controls + "[SKINCONTROLS]\n\n; only a comment\n[BUTTON]\na=1\n";
  const std::string lower_case = std::string(kSkinIni).replace(std::string(kSkinIni).find("[VERSION]"), 9, "[version]");
  struct Case {
    const char* name;
    std::string ini;
    bool loads;
  };
  const Case cases[] = {
      {"no [SKINCONTROLS]", without_controls, false},
      {"[SKINCONTROLS] without a line", blank_controls, false},
      {"section names ignore case", lower_case, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    data_.LoadFromStoredSkin(good);
    log_.clear();
    TskStoredSkin stored = StoredSkin(c.ini);
    data_.LoadFromStoredSkin(stored);
    EXPECT_EQ(log_, LoadEvents(4, c.loads, c.loads ? 4 : 0));
    EXPECT_EQ(data_.IsEmpty(), !c.loads);
    if (!c.loads) {
      EXPECT_TRUE(data_.ObjectRecords().empty());
      EXPECT_TRUE(data_.ActivePictures().empty());
      EXPECT_TRUE(data_.FramePicture().IsEmpty());
      EXPECT_EQ(data_.PopupWindow().windowpictureindex, -1);
    }
  }
}

TEST_F(SkinDataTest, LoadsACompressedSkinLikeTheStoredOne) {
  TskCompressedStoredSkin compressed = CompressedSkin(kSkinIni);
  data_.LoadFromCompressedStoredSkin(compressed);
  EXPECT_EQ(log_, LoadEvents(0, true, 4));
  TskSkinData from_stored;
  TskStoredSkin stored = StoredSkin(kSkinIni);
  from_stored.LoadFromStoredSkin(stored);

  ASSERT_EQ(data_.ControlRecords().size(), from_stored.ControlRecords().size());
  for (size_t i = 0; i < data_.ControlRecords().size(); ++i) {
    EXPECT_EQ(data_.ControlRecords()[i]->Values(), from_stored.ControlRecords()[i]->Values());
  }
  EXPECT_EQ(data_.ObjectRecords().size(), from_stored.ObjectRecords().size());
  EXPECT_EQ(data_.ActivePictures(), from_stored.ActivePictures());
  EXPECT_EQ(data_.FrameMask(), from_stored.FrameMask());
  EXPECT_EQ(data_.ActivePictureNames(), from_stored.ActivePictureNames());
  EXPECT_EQ(data_.FrameInfo().maskrectarea, from_stored.FrameInfo().maskrectarea);
}

TEST_F(SkinDataTest, ACompressedSkinNeedsNoRequiredSections) {
  TskCompressedStoredSkin compressed = CompressedSkin("[SKINCONTROLS]\ncount=1\n0=b:button\n");
  data_.LoadFromCompressedStoredSkin(compressed);
  EXPECT_FALSE(data_.IsEmpty());
  EXPECT_EQ(data_.FindControlIndex("b"), 0);
  EXPECT_EQ(data_.ActivePictures().size(), 2u);
}

TEST_F(SkinDataTest, CompressedLoadsThatStopEarly) {
  std::vector<uint8_t> version2 = EncodeSkinPayload(TestPictures(), SplitLines(kSkinIni));
  version2[0] = 2;
  std::vector<uint8_t> bad_picture = {1, 0, 0, 0, 0, 'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F};
  struct Case {
    const char* name;
    TskCompressedStoredSkin container;
    bool throws;
  };
  Case cases[] = {
      {"payload version 2", CompressedSkin(version2), false},
      {"damaged zlib data", {}, true},
      {"damaged picture", CompressedSkin(bad_picture), true},
      {"payload too short for its version", CompressedSkin(std::vector<uint8_t>{1, 0}), true},
  };
  cases[1].container.SetCompressedData({0x78, 0x9C, 0xFF, 0x00, 0x12, 0x34});

  TskStoredSkin good = StoredSkin(kSkinIni);
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    data_.LoadFromStoredSkin(good);
    log_.clear();
    if (c.throws) {
      EXPECT_ANY_THROW(data_.LoadFromCompressedStoredSkin(c.container));
    } else {
      EXPECT_NO_THROW(data_.LoadFromCompressedStoredSkin(c.container));
    }
    // Whatever happened, the receivers dropped the old skin and were told about the empty one.
    EXPECT_EQ(log_, LoadEvents(4, false, 0));
    EXPECT_TRUE(data_.IsEmpty());
    EXPECT_TRUE(data_.ActivePictures().empty());
    EXPECT_TRUE(data_.FramePicture().IsEmpty());
  }
}

TEST_F(SkinDataTest, DamagedCompressedDataPassesTheDecompressionErrorOn) {
  TskCompressedStoredSkin damaged;
  damaged.SetCompressedData({0x78, 0x9C, 0xFF, 0x00, 0x12, 0x34});
  EXPECT_THROW(data_.LoadFromCompressedStoredSkin(damaged), EDecompressionError);
}

TEST_F(SkinDataTest, AnEmptyCompressedContainerChangesNothing) {
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(stored);
  log_.clear();
  TskCompressedStoredSkin empty;
  data_.LoadFromCompressedStoredSkin(empty);
  data_.SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(data_.IsEmpty());
  EXPECT_EQ(data_.ControlRecords().size(), 4u);
}

TEST_F(SkinDataTest, BroadcastGoesToTheOwnerFirstThenTheOtherFormsInOrder) {
  FakeForm a("a", log_);
  FakeForm b("b", log_);
  sink_.forms = {&a, &main_, &b};
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(stored);
  data_.LoadFromStoredSkin(stored);
  std::vector<std::string> order;
  for (const Event& e : log_) order.push_back(e.form + ":" + std::to_string(e.message));
  const std::vector<std::string> one_load = {"main:1225", "a:1225", "b:1225", "main:1226", "a:1226",
                                             "b:1226",    "main:1227", "a:1227", "b:1227"};
  std::vector<std::string> two_loads = one_load;
  two_loads.insert(two_loads.end(), one_load.begin(), one_load.end());
  EXPECT_EQ(order, two_loads);
  // Before the second load's records are freed, the first load's records were still there.
  EXPECT_EQ(log_[9], (Event{"main", SkinMsgBeforeChange, true, 4}));

  log_.clear();
  sink_.owner = nullptr;  // an owner that is not a form
  data_.BroadcastSkinMessage(SkinMsgAfterChange);
  order.clear();
  for (const Event& e : log_) order.push_back(e.form);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "main", "b"}));
}

TEST_F(SkinDataTest, ContainerPropertiesLoadAtOnceAndOnlyDropTheirReference) {
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.SetStoredSkin(&stored);
  EXPECT_EQ(data_.StoredSkin(), &stored);
  EXPECT_FALSE(data_.IsEmpty());
  EXPECT_EQ(log_.size(), 3u);
  data_.SetStoredSkin(nullptr);
  data_.SetStoredSkin(&stored);
  data_.ContainerDestroyed(&stored);
  EXPECT_EQ(data_.StoredSkin(), nullptr);
  EXPECT_FALSE(data_.IsEmpty());
  EXPECT_EQ(log_.size(), 6u);

  TskCompressedStoredSkin compressed = CompressedSkin(kSkinIni);
  data_.SetCompressedStoredSkin(&compressed);
  EXPECT_EQ(log_.size(), 9u);
  data_.ContainerDestroyed(&stored);  // not the one it refers to
  EXPECT_EQ(data_.CompressedStoredSkin(), &compressed);
  data_.ContainerDestroyed(&compressed);
  EXPECT_EQ(data_.CompressedStoredSkin(), nullptr);
  EXPECT_FALSE(data_.IsEmpty());
}

TEST_F(SkinDataTest, ClearAllEmptiesTheSkinButKeepsTheFrameFields) {
  TskStoredSkin stored = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(stored);
  log_.clear();
  data_.ClearAll();
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(data_.IsEmpty());
  EXPECT_TRUE(data_.ObjectRecords().empty());
  EXPECT_TRUE(data_.ControlRecords().empty());
  EXPECT_TRUE(data_.ActivePictures().empty());
  EXPECT_TRUE(data_.ActivePictureNames().empty());
  EXPECT_TRUE(data_.FrameMask().IsEmpty());
  EXPECT_EQ(data_.FrameMaskName(), "");
  EXPECT_EQ(data_.PopupWindow().windowpictureindex, -1);
  EXPECT_EQ(data_.PopupWindow().itemsrect, (gfx::Rect{2, 2, 30, 30}));
  EXPECT_EQ(data_.FrameInfo().clientrect, (gfx::Rect{7, 30, 209, 160}));
}

TEST_F(SkinDataTest, ASecondLoadDoesNotInheritTheFirstOnesValues) {
  TskStoredSkin first = StoredSkin(kSkinIni);
  data_.LoadFromStoredSkin(first);
  TskStoredSkin second = StoredSkin("[VERSION]\na=1\n[PICTURES]\na=1\n[FORMINFO]\na=1\n[SKINOBJECTS]\na=1\n"
                                    "[SKINCONTROLS]\na=1\n");
  data_.LoadFromStoredSkin(second);
  EXPECT_FALSE(data_.IsEmpty());
  EXPECT_EQ(data_.VersionInfo().skinname, "");
  EXPECT_EQ(data_.FrameInfo().clientrect, gfx::Rect{});
  EXPECT_EQ(data_.FrameInfo().inactiveeffect, InactiveEffect::iebrightness);
  EXPECT_EQ(data_.PopupWindow().itemsrect, gfx::Rect{});
  EXPECT_TRUE(data_.ActivePictureNames().empty());
  EXPECT_TRUE(data_.ControlRecords().empty());
}

TEST_F(SkinDataTest, HugeCountsStayBounded) {
  TskStoredSkin stored = StoredSkin(
      "[VERSION]\na=1\n[PICTURES]\nactivepicturescount=2147483647\n0=zero.bmp\n[FORMINFO]\na=1\n"
      "[SKINOBJECTS]\ncount=2147483647\n2147483646=last:caption\n0=first:caption\n"
      "[SKINCONTROLS]\ncount=-5\n0=b:button\n");
  data_.LoadFromStoredSkin(stored);
  ASSERT_EQ(data_.ActivePictureNames().size(), static_cast<size_t>(TskSkinData::kMaxActivePictureNames));
  EXPECT_EQ(data_.ActivePictureNames()[0], "zero.bmp");
  EXPECT_EQ(data_.ActivePictureNames()[1], "");
  ASSERT_EQ(data_.ObjectRecords().size(), 2u);
  EXPECT_EQ(data_.ObjectRecords()[0]->SectionName(), "first");
  EXPECT_EQ(data_.ObjectRecords()[1]->SectionName(), "last");
  EXPECT_TRUE(data_.ControlRecords().empty());
}

// The fixture skin folder, packed both ways, loads to the same records; a few of its values show
// the reading rules at work on a hand-written file.
TEST(SkinDataFixture, TheMiniSkinFolderLoadsAlikeFromBothContainers) {
  const std::string ini_path = std::string(ORVEL_TEST_DATA_DIR) + "/skins/mini/skin.ini";
  TskStoredSkin stored;
  stored.LoadFromSkinFolder(ini_path);
  TskCompressedStoredSkin compressed;
  ASSERT_TRUE(compressed.BuildFromSkinFolder(ini_path));
  TskSkinData from_stored;
  from_stored.LoadFromStoredSkin(stored);
  TskSkinData from_compressed;
  from_compressed.LoadFromCompressedStoredSkin(compressed);

  for (const TskSkinData* data : {&from_stored, &from_compressed}) {
    ASSERT_FALSE(data->IsEmpty());
    EXPECT_EQ(data->ObjectRecords().size(), 8u);
    EXPECT_EQ(data->ControlRecords().size(), 15u);
    EXPECT_EQ(data->ActivePictures().size(), 3u);
    EXPECT_EQ(data->FrameInfo().maskrectarea, (gfx::Rect{3, 9, 45, 29}));
    EXPECT_EQ(data->FrameInfo().hittestlefttoppoint, (gfx::Point{4, 10}));
    EXPECT_TRUE(data->FrameInfo().mainmenupopupup);
    EXPECT_EQ(data->PopupWindow().scrollmarkeractivecolor, 0xFF00u);
    EXPECT_EQ(data->FindObjectRecord<TskDataSkinAnimate>("spinner")->command, SkinCommand::cmminimizetotray);
    EXPECT_EQ(data->FindObjectRecord<TskDataUserObject>("logo")->skinrect, (gfx::Rect{3, 4, 13, 5}));
    EXPECT_NE(data->FindObjectRecord<TskDataSkinButton>("helpbutton"), nullptr);
    EXPECT_EQ(data->FindControlIndex("mystery"), -1);
  }
  for (size_t i = 0; i < from_stored.ControlRecords().size(); ++i) {
    EXPECT_EQ(from_stored.ControlRecords()[i]->Values(), from_compressed.ControlRecords()[i]->Values());
  }
  for (size_t i = 0; i < from_stored.ObjectRecords().size(); ++i) {
    EXPECT_EQ(from_stored.ObjectRecords()[i]->Values(), from_compressed.ObjectRecords()[i]->Values());
  }
  EXPECT_EQ(from_stored.FramePicture(), from_compressed.FramePicture());
  EXPECT_EQ(from_stored.ActivePictures(), from_compressed.ActivePictures());
}

TEST(SkinDataLifetime, DestructionSendsNoMessage) {
  std::vector<Event> log;
  FakeForm form("main", log);
  FakeSink sink;
  sink.owner = &form;
  {
    TskSkinData data;
    data.SetMessageSink(&sink);
    TskStoredSkin stored = StoredSkin(kSkinIni);
    data.LoadFromStoredSkin(stored);
    log.clear();
  }
  EXPECT_TRUE(log.empty());
}

// Clients hear of the destruction once each, even when one of them removes another meanwhile.
TEST(SkinDataLifetime, DestructionTellsEachClientOnce) {
  struct Client : SkinDataClient {
    const TskSkinData* expected = nullptr;
    int told = 0;
    SkinDataClient* remove_on_tell = nullptr;
    void SkinDataDestroyed(TskSkinData* data) override {
      EXPECT_EQ(data, expected);
      ++told;
      if (remove_on_tell != nullptr) data->RemoveClient(remove_on_tell);
    }
  };
  Client first, second, third;
  auto data = std::make_unique<TskSkinData>();
  for (Client* c : {&first, &second, &third}) c->expected = data.get();
  data->AddClient(&first);
  data->AddClient(&first);
  data->AddClient(&second);
  data->AddClient(&third);
  data->RemoveClient(&second);
  data->AddClient(&second);
  // Told first (the list is walked from its end), `second` takes `third` off the list.
  second.remove_on_tell = &third;
  data.reset();
  EXPECT_EQ(first.told, 1);
  EXPECT_EQ(second.told, 1);
  EXPECT_EQ(third.told, 0);
}

TEST_F(SkinDataTest, PicturesAt24BitsAreConvertedOnceAndFreedWithTheSkin) {
  SkinPictures pictures = TestPictures();
  gfx::Bitmap palette(3, 2, 8);
  palette.SetPalette({gfx::Rgb(1, 2, 3), gfx::Rgb(200, 100, 50)});
  palette.Row(1)[2] = 1;
  pictures.active.push_back(palette);
  TskStoredSkin stored = StoredSkin(kSkinIni);
  stored.SetPictures(pictures);
  data_.LoadFromStoredSkin(stored);
  // activepicturescount=2 names two pictures, but the container's three are all kept.
  ASSERT_EQ(data_.ActivePictures().size(), 3u);
  EXPECT_EQ(data_.ActivePicture24(0), data_.ActivePicture(0));  // already 24-bit
  const gfx::Bitmap* converted = data_.ActivePicture24(2);
  ASSERT_NE(converted, nullptr);
  EXPECT_EQ(converted->BitsPerPixel(), 24);
  EXPECT_EQ(converted->Pixel(2, 1), gfx::Rgb(200, 100, 50));
  EXPECT_EQ(converted->Pixel(0, 0), gfx::Rgb(1, 2, 3));
  EXPECT_EQ(data_.ActivePicture24(2), converted);
  EXPECT_EQ(data_.ActivePicture24(3), nullptr);
  EXPECT_EQ(data_.ActivePicture24(-1), nullptr);
  data_.ClearAll();
  EXPECT_EQ(data_.ActivePicture24(2), nullptr);
}

}  // namespace
}  // namespace skin
