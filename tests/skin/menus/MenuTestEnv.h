// Test fixture for menus: a shown form with a menu host, the program's skin, and input helpers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/menus/TskSkinPopupWindow.h"
#include "ui/Form.h"
#include "ui/Message.h"
#include "ui/UiTestEnv.h"

namespace menu_test {

// The smallest host a form can have: an engine, a skin, and a log of the menu-open steps.
class TestMenuHost : public ui::Component, public skin::SkinMenuHost {
 public:
  explicit TestMenuHost(ui::Form* form) : engine_(form) {}
  skin::TskSkinMenu& MenuEngine() override { return engine_; }
  skin::TskSkinData* MenusSkinData() const override { return skin_; }
  void MenuOpenStep() override { ++open_steps; }

  skin::TskSkinData* skin_ = nullptr;
  int open_steps = 0;

 private:
  skin::TskSkinMenu engine_;
};

// Records the messages of a control's window procedure that tests look for.
class MessageLog {
 public:
  explicit MessageLog(ui::Control& c) {
    ui::WindowProcFn saved = c.WindowProc();
    c.SetWindowProc([this, saved](ui::Message& m) {
      if (m.id == ui::kSkinMsgCloseMenus || m.id == ui::kSkinMsgMenuItemRun || m.id == ui::kMsgKeyDown) ids.push_back(m.id);
      saved(m);
    });
  }
  int Count(uint32_t id) const {
    int n = 0;
    for (uint32_t i : ids) n += i == id;
    return n;
  }
  std::vector<uint32_t> ids;
};

class MenuTest : public ui_test::UiTest {
 protected:
  MenuTest() {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(100, 100, 400, 300);
    form_->Show();
    form_->Activate();
    MakeHost();
    Pump();
  }
  // The forms (and their menus) go before the skin they draw from.
  ~MenuTest() override { app_.reset(); }

  skin::TskSkinData* Skin() {
    if (!skin_) {
      skin_ = std::make_unique<skin::TskSkinData>();
      resources::LoadEmbeddedSkin(*skin_);
    }
    return skin_.get();
  }

  // The host is one of the form's components, held here so a test can destroy it.
  void MakeHost() {
    host_holder_ = std::make_unique<TestMenuHost>(form_);
    host_ = host_holder_.get();
    form_->InsertComponent(host_);
  }
  void DestroyHost() {
    host_holder_.reset();
    host_ = nullptr;
  }

  skin::TskSkinMenu& Engine() { return host_->MenuEngine(); }
  skin::TskSkinPopupWindow* Level(size_t n) { return Engine().Level(n); }
  // Moves the pointer and lets one poll of the popups see it.
  void PointAt(gfx::Point screen) {
    backend_->InjectMouseMove(screen);
    Advance(skin::TskSkinPopupWindow::kPollIntervalMs);
  }
  // The centre of item i of a level, in screen coordinates.
  gfx::Point ItemCentre(size_t level, int i) {
    gfx::Rect r = Level(level)->ScreenItemRect(i);
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
  }
  void Key(platform::KeyCode k) {
    backend_->PressKey(k);
    Pump();
  }

  std::unique_ptr<skin::TskSkinData> skin_;  // outlives the form's menus
  ui::Form* form_ = nullptr;
  std::unique_ptr<TestMenuHost> host_holder_;
  TestMenuHost* host_ = nullptr;
};

}  // namespace menu_test
