// The skinned form component: taking over the window procedure, geometry, painting, skins good and bad.
#include "skin/frame/TskSkinForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/frame/FrameTestEnv.h"
#include "skin/data/SkinMessageSink.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Application.h"
#include "ui/Message.h"

namespace {

using frame_test::FrameTest;
using skin::TskSkinForm;

class TskSkinFormTest : public FrameTest {};

// Skin loads reach the test's forms as they reach the program's: owner first, then every form.
class AllFormsSink : public skin::SkinMessageSink {
 public:
  class Receiver : public skin::SkinMessageReceiver {
   public:
    explicit Receiver(ui::Form* form) : form_(form) {}
    void SendSkinMessage(uint32_t message, skin::TskSkinData& sender, int32_t param) override {
      form_->Send(message, reinterpret_cast<intptr_t>(&sender), param);
    }

   private:
    ui::Form* form_;
  };
  skin::SkinMessageReceiver* OwnerForm() override { return nullptr; }
  std::vector<skin::SkinMessageReceiver*> Forms() override {
    receivers_.clear();
    std::vector<skin::SkinMessageReceiver*> out;
    for (ui::Form* f : ui::Application::Current()->Forms()) {
      receivers_.push_back(std::make_unique<Receiver>(f));
      out.push_back(receivers_.back().get());
    }
    return out;
  }

 private:
  std::vector<std::unique_ptr<Receiver>> receivers_;
};

TEST_F(TskSkinFormTest, TheFrameTakesOverTheWindowProcedureAndGivesItBack) {
  ui::Form* form = app_->CreateForm<ui::Form>();
  std::vector<uint32_t> inner;
  ui::WindowProcFn original = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    inner.push_back(m.id);
    original(m);
  });
  // The test holds the component, so it can take it away while the form lives on.
  auto frame = std::make_unique<TskSkinForm>(*form);
  form->InsertComponent(frame.get());
  frame->SetSkinData(&skin_);
  EXPECT_FALSE(form->SystemFrame());
  EXPECT_EQ(skin::FindSkinForm(form), frame.get());

  inner.clear();
  ui::NcCalcSizeParams calc{{0, 0, 689, 503}};
  form->Send(ui::Message::MakeCalcSize(calc));
  EXPECT_EQ(calc.rect, (gfx::Rect{7, 30, 682, 496}));
  // The window system never paints a caption of its own.
  EXPECT_EQ(form->Send(ui::kMsgNcActivate, 1), 1);
  form->Send(ui::Message::MakeNcMouse(ui::kMsgNcHitTest, ui::kHtNowhere, At(form, 1, 1)));
  form->Send(ui::kMsgNcPaint);
  form->Send(ui::kMsgUser, 7);
  EXPECT_EQ(inner, std::vector<uint32_t>{ui::kMsgUser});

  frame.reset();
  inner.clear();
  form->Send(ui::Message::MakeNcMouse(ui::kMsgNcHitTest, ui::kHtNowhere, At(form, 1, 1)));
  EXPECT_EQ(inner, std::vector<uint32_t>{ui::kMsgNcHitTest});
  EXPECT_TRUE(form->SystemFrame());
  EXPECT_EQ(skin::FindSkinForm(form), nullptr);
  app_->DestroyForm(form);  // its window procedure refers to this test's locals
}

TEST_F(TskSkinFormTest, ActivationIsAnsweredByTheFrameAndRepaintedAfterTheSavedProcedure) {
  ui::Form* form = app_->CreateForm<ui::Form>();
  std::vector<std::string> log;
  auto name = [](uint32_t id) -> std::string {
    switch (id) {
      case ui::kMsgNcActivate: return "NcActivate";
      case ui::kMsgActivate: return "Activate";
      case ui::kMsgNcPaint: return "NcPaint";
      default: return "";
    }
  };
  ui::WindowProcFn original = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    if (!name(m.id).empty()) log.push_back("saved " + name(m.id));
    original(m);
  });
  TskSkinForm* frame = TskSkinForm::Attach(*form);
  frame->SetSkinData(&skin_);
  ui::WindowProcFn frame_proc = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    if (!name(m.id).empty()) log.push_back(name(m.id));
    frame_proc(m);
  });
  form->SetBounds(100, 100, 400, 300);
  form->Show();
  Pump();
  ASSERT_TRUE(form->Active());
  log.clear();
  backend_->Click({1000, 900});  // the desktop takes the activation
  Pump();
  ASSERT_FALSE(form->Active());
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "NcActivate");
  EXPECT_EQ(std::count(log.begin(), log.end(), "saved NcActivate"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "saved NcPaint"), 0);
  auto saved_activate = std::find(log.begin(), log.end(), "saved Activate");
  ASSERT_NE(saved_activate, log.end());
  EXPECT_LT(std::find(log.begin(), log.end(), "Activate"), saved_activate);
  // The frame shows the new state once the saved procedure has had the message.
  EXPECT_NE(std::find(saved_activate, log.end(), "NcPaint"), log.end());
  app_->DestroyForm(form);
}

TEST_F(TskSkinFormTest, AClientOf675x466GivesA689x503WindowWithTheCaptionRowEndingAt669) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = MakeForm(0, 0, 675, 466, &skin_, &frame);
  EXPECT_EQ(form->Width(), 689);
  EXPECT_EQ(form->Height(), 503);
  EXPECT_EQ(form->ClientRect(), (gfx::Rect{7, 30, 682, 496}));
  EXPECT_EQ(frame->GetMinWidth(), 216);
  EXPECT_EQ(frame->GetMinHeight(), 37);
  struct Case {
    const char* id;
    gfx::Rect rect;
    bool visible;
  };
  // Right to left with 2 pixels between; the tray button has no border icon and no place.
  const Case cases[] = {
      {"closebutton", {650, 7, 669, 23}, true},
      {"maxbutton", {629, 7, 648, 23}, true},
      {"minbutton", {608, 7, 627, 23}, true},
      {"rollupbutton", {587, 7, 606, 23}, true},
      {"traybutton", {}, false},
      {"sysmenubutton", {8, 7, 24, 23}, true},
      {"caption", {28, 7, 577, 23}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    skin::TskActiveSkinObject* o = frame->FindObject(c.id);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->IsVisible, c.visible);
    if (c.visible) {
      EXPECT_EQ(o->ObjectRect, c.rect);
    }
  }
  // The menu item and the main menu bar's records make no frame objects.
  EXPECT_EQ(frame->FindObject("MENUITEM"), nullptr);
  EXPECT_EQ(frame->FindObject("mmbclose"), nullptr);
}

TEST_F(TskSkinFormTest, TheWindowIsShapedByTheMaskAndTheFramePaintedFromThePicture) {
  ui::Form* form = ShownForm(50, 40, 675, 466, &skin_);
  form->UpdateNow();
  ASSERT_TRUE(form->WindowRegion().has_value());
  const gfx::Region& shape = *form->WindowRegion();
  // Rounded top corners, square bottom ones.
  EXPECT_FALSE(shape.Contains({0, 0}));
  EXPECT_TRUE(shape.Contains({4, 4}));
  EXPECT_TRUE(shape.Contains({688, 20}));
  EXPECT_FALSE(shape.Contains({688, 0}));
  EXPECT_TRUE(shape.Contains({0, 502}));
  EXPECT_TRUE(shape.Contains({688, 502}));
  // The screen shows the frame picture's corners where the shape lets them through.
  const gfx::Bitmap& picture = skin_.FramePicture();
  EXPECT_EQ(backend_->ScreenPixel(At(form, 4, 4)), picture.Pixel(4, 4));
  EXPECT_EQ(backend_->ScreenPixel(At(form, 2, 502)), picture.Pixel(2, 166));
  EXPECT_EQ(backend_->ScreenPixel(At(form, 688, 502)), picture.Pixel(215, 166));
  EXPECT_EQ(backend_->ScreenPixel(At(form, 0, 0)), platform::HeadlessBackend::kDesktopColor);
}

TEST_F(TskSkinFormTest, ASkinReloadShowsThePlainFrameInBetween) {
  AllFormsSink sink;
  skin_.SetMessageSink(&sink);
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(50, 40, 675, 466, &skin_, &frame);
  form->UpdateNow();
  const gfx::Point probe{1, 200};
  const gfx::Color skinned = form->FrameBuffer().Pixel(probe.x, probe.y);
  std::vector<std::string> seen;
  ui::WindowProcFn frame_proc = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    frame_proc(m);
    if (m.id != skin::SkinMsgBeforeChange) return;
    // Between the two messages nothing of the old skin is held and a paint shows the plain frame.
    seen.push_back(frame->Skinned() ? "skinned" : "plain");
    EXPECT_TRUE(frame->Objects().empty());
    form->InvalidateAll();
    form->UpdateNow();
    EXPECT_EQ(form->FrameBuffer().Pixel(probe.x, probe.y), ui::kColorBtnHighlight);
  });
  skin::TskStoredSkin stored;
  resources::FillEmbeddedStoredSkin(stored);
  skin_.LoadFromStoredSkin(stored);
  EXPECT_EQ(seen, std::vector<std::string>{"plain"});
  EXPECT_TRUE(frame->Skinned());
  EXPECT_NE(frame->FindObject("closebutton"), nullptr);
  form->UpdateNow();
  EXPECT_EQ(form->FrameBuffer().Pixel(probe.x, probe.y), skinned);
  skin_.SetMessageSink(nullptr);
  app_->DestroyForm(form);
}

TEST_F(TskSkinFormTest, ASkinDataObjectThatGoesLeavesThePlainFrame) {
  auto data = std::make_unique<skin::TskSkinData>();
  resources::LoadEmbeddedSkin(*data);
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(50, 40, 400, 300, data.get(), &frame);
  frame->SetMenusSkinData(data.get());
  ASSERT_TRUE(frame->Skinned());
  data.reset();
  EXPECT_EQ(frame->SkinData(), nullptr);
  EXPECT_EQ(frame->GetMenusSkinData(), nullptr);
  EXPECT_FALSE(frame->Skinned());
  form->InvalidateAll();
  form->UpdateNow();
  EXPECT_EQ(form->FrameBuffer().Pixel(1, 200), ui::kColorBtnHighlight);
  frame->SetRollUp(true);
  EXPECT_EQ(form->Height(), 25);
}

TEST_F(TskSkinFormTest, WithoutASkinThePlainFrameHasItsDefaultButtons) {
  struct Case {
    const char* name;
    ui::BorderStyle style;
    skin::TskBorderIcons icons;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"sizeable main window", ui::BorderStyle::kSizeable,
       skin::biSystemMenu | skin::biMinimize | skin::biMaximize | skin::biRollUp,
       {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton"}},
      {"fixed dialog without icons", ui::BorderStyle::kDialog, 0, {"closebutton"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Form* form = app_->CreateForm<ui::Form>();
    form->SetBorderStyle(c.style);
    TskSkinForm* frame = TskSkinForm::Attach(*form);
    frame->SetBorderIcons(c.icons);
    frame->SetSkinData(nullptr);
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    Pump();
    form->UpdateNow();
    EXPECT_FALSE(frame->Skinned());
    EXPECT_EQ(form->ClientRect(), (gfx::Rect{3, 22, 297, 197}));
    std::vector<std::string> shown;
    for (const auto& o : frame->Objects()) {
      if (o->IsVisible) shown.push_back(o->IDName);
    }
    EXPECT_EQ(shown, c.shown);
    // Close sits against the right edge, 17 pixels wide, the rest to its left without gaps.
    EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, (gfx::Rect{280, 4, 297, 21}));
    // The three nested frames around the window.
    EXPECT_EQ(form->FrameBuffer().Pixel(0, 100), ui::kColorBtnFace);
    EXPECT_EQ(form->FrameBuffer().Pixel(1, 100), ui::kColorBtnHighlight);
    EXPECT_EQ(form->FrameBuffer().Pixel(299, 100), ui::kColor3dDkShadow);
    EXPECT_EQ(form->FrameBuffer().Pixel(298, 100), ui::kColorBtnShadow);
    app_->DestroyForm(form);
  }
}

// --- skins that lack parts ---

void SetKey(std::vector<std::string>& ini, const std::string& section, const std::string& key,
            const std::string& value) {
  bool in_section = false;
  for (std::string& line : ini) {
    if (!line.empty() && line.front() == '[') {
      in_section = line.rfind("[" + section + "]", 0) == 0;
      continue;
    }
    if (in_section && line.rfind(key + "=", 0) == 0) {
      line = key + "=" + value;
      return;
    }
  }
  FAIL() << "no key " << section << "." << key;
}

struct BrokenSkin {
  const char* name;
  std::function<void(std::vector<std::string>& ini, skin::SkinPictures& pictures)> edit;
  bool skinned;
  bool shaped;
};

void PrintTo(const BrokenSkin& c, std::ostream* os) { *os << c.name; }

class BrokenSkinTest : public FrameTest, public ::testing::WithParamInterface<BrokenSkin> {};

TEST_P(BrokenSkinTest, GivesAPlainOrPartialFrameThatStillWorks) {
  const BrokenSkin& c = GetParam();
  skin::TskStoredSkin stored;
  resources::FillEmbeddedStoredSkin(stored);
  std::vector<std::string> ini = stored.IniStrings();
  skin::SkinPictures pictures = stored.Pictures();
  c.edit(ini, pictures);
  stored.SetIniStrings(ini);
  stored.SetPictures(pictures);
  skin::TskSkinData data;
  data.LoadFromStoredSkin(stored);

  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(50, 40, 400, 300, &data, &frame);
  form->UpdateNow();
  EXPECT_EQ(frame->Skinned(), c.skinned);
  EXPECT_EQ(form->WindowRegion().has_value(), c.shaped);
  EXPECT_GE(form->Width(), frame->GetMinWidth());
  EXPECT_GE(form->Height(), frame->GetMinHeight());
  // Every part of the frame answers a hit test, hovering and pressing its parts do no harm, and
  // the window still rolls up and back.
  for (int y = 0; y < form->Height(); y += 7) {
    for (int x = 0; x < form->Width(); x += 13) frame->HitTest({x, y});
  }
  for (const auto& o : frame->Objects()) {
    const gfx::Rect r = o->ObjectRect;
    backend_->InjectMouseMove(At(form, r.left + r.Width() / 2, r.top + r.Height() / 2));
    Advance(60);
  }
  Advance(200);
  form->UpdateNow();
  const int height = form->Height();
  frame->SetRollUp(true);
  form->UpdateNow();
  EXPECT_EQ(form->Height(), frame->GetMinHeight());
  frame->SetRollUp(false);
  EXPECT_EQ(form->Height(), height);
  form->UpdateNow();
  app_->DestroyForm(form);
}

const BrokenSkin kBrokenSkins[] = {
    {"no mask", [](auto&, skin::SkinPictures& p) { p.mask = gfx::Bitmap(); }, true, false},
    {"no caption record", [](auto& ini, auto&) { SetKey(ini, "SKINOBJECTS", "1", "caption:nothing"); }, true, true},
    {"no button records",
     [](auto& ini, auto&) {
       for (const char* k : {"2", "3", "4", "5", "6", "7"}) SetKey(ini, "SKINOBJECTS", k, "x:nothing");
     },
     true, true},
    {"no frame picture", [](auto&, skin::SkinPictures& p) { p.main = gfx::Bitmap(); }, false, false},
    {"no object pictures", [](auto&, skin::SkinPictures& p) { p.active.clear(); }, true, true},
    {"empty client rectangle", [](auto& ini, auto&) { SetKey(ini, "FORMINFO", "clientrect", "0,0,0,0"); }, false,
     false},
    {"client rectangle off the picture",
     [](auto& ini, auto&) { SetKey(ini, "FORMINFO", "clientrect", "7,30,900,160"); }, false, false},
    {"empty mask area and corner points",
     [](auto& ini, auto&) {
       SetKey(ini, "FORMINFO", "maskrectarea", "0,0,0,0");
       for (const char* k : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
         SetKey(ini, "FORMINFO", k, "0,0");
     },
     true, true},
    {"buttons off the picture",
     [](auto& ini, auto&) {
       SetKey(ini, "closebutton", "skinrect", "900,900,940,930");
       SetKey(ini, "closebutton", "activeskinrect", "3000,10,3019,26");
       SetKey(ini, "sysmenubutton", "skinrect", "400,7,416,23");
       SetKey(ini, "caption", "skinrect", "28,7,999,23");
     },
     true, true},
    {"pictures named past the list",
     [](auto& ini, auto&) {
       SetKey(ini, "closebutton", "activepictureindex", "99");
       SetKey(ini, "FORMINFO", "bgpictureindex", "99");
     },
     true, true},
    {"empty buttons rectangle and a caption row",
     [](auto& ini, auto&) {
       SetKey(ini, "FORMINFO", "buttonsrect", "0,0,0,0");
       SetKey(ini, "FORMINFO", "captionrect", "28,7,196,23");
     },
     true, true},
};

INSTANTIATE_TEST_SUITE_P(Skins, BrokenSkinTest, ::testing::ValuesIn(kBrokenSkins),
                         [](const ::testing::TestParamInfo<BrokenSkin>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return n;
                         });

TEST_F(TskSkinFormTest, ABackgroundIndexNamingNoPictureTilesTheClientPartAsMinusOneDoes) {
  auto client_pixels = [&](const char* index) {
    skin::TskStoredSkin stored;
    resources::FillEmbeddedStoredSkin(stored);
    std::vector<std::string> ini = stored.IniStrings();
    SetKey(ini, "FORMINFO", "bgpictureindex", index);
    stored.SetIniStrings(ini);
    skin::TskSkinData data;
    data.LoadFromStoredSkin(stored);
    ui::Form* form = ShownForm(50, 40, 675, 466, &data);
    form->InvalidateAll();
    form->UpdateNow();
    std::vector<gfx::Color> out;
    for (gfx::Point p : {gfx::Point{7, 30}, gfx::Point{300, 200}, gfx::Point{681, 495}})
      out.push_back(form->FrameBuffer().Pixel(p.x, p.y));
    app_->DestroyForm(form);
    return out;
  };
  const std::vector<gfx::Color> frame_part = client_pixels("-1");
  EXPECT_EQ(frame_part[0], skin_.FramePicture().Pixel(7, 30));
  EXPECT_EQ(client_pixels("57"), frame_part);
  // An index that names a picture tiles that picture.
  EXPECT_EQ(client_pixels("1")[0], skin_.ActivePicture(1)->Pixel(0, 0));
}

TEST_F(TskSkinFormTest, TranslucencyFollowsTheSettingWhereTheWindowSystemHasIt) {
  for (bool available : {true, false}) {
    SCOPED_TRACE(available ? "layered windows" : "no layered windows");
    backend_->SetLayeredWindowsAvailable(available);
    TskSkinForm* frame = nullptr;
    ui::Form* form = MakeForm(50, 40, 300, 200, &skin_, &frame);
    frame->SetAlphaBlendValue(180);
    frame->SetAlphaBlend(true);
    form->Show();
    Advance(5);
    EXPECT_EQ(form->Surface()->Opacity(), available ? 180 : 255);
    frame->SetAlphaBlend(false);
    EXPECT_EQ(form->Surface()->Opacity(), 255);
    app_->DestroyForm(form);
  }
}

TEST_F(TskSkinFormTest, AFadeInWithoutTranslucencyEndsOpaque) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = MakeForm(50, 40, 300, 200, &skin_, &frame);
  frame->AlphaBlendAnimation = true;
  form->Show();
  EXPECT_EQ(form->Surface()->Opacity(), 0);
  Advance(5);
  EXPECT_EQ(form->Surface()->Opacity(), 255);
}

}  // namespace
