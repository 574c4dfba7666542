// Test fixture: a headless application with the program's skin loaded and skinned forms on demand.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/Form.h"
#include "ui/UiTestEnv.h"

namespace frame_test {

class FrameTest : public ui_test::UiTest {
 protected:
  FrameTest() { resources::LoadEmbeddedSkin(skin_); }
  // The forms go before the skin they draw from.
  ~FrameTest() override { app_.reset(); }

  // A form at (left, top) with a skinned frame (or a plain one for a null skin), its client area
  // client_width x client_height.
  ui::Form* MakeForm(int left, int top, int client_width, int client_height, skin::TskSkinData* data,
                     skin::TskSkinForm** frame = nullptr) {
    ui::Form* form = app_->CreateForm<ui::Form>();
    form->SetCaption("图片压缩（免费共享）");
    form->SetBounds(left, top, 300, 200);
    skin::TskSkinForm* f = skin::TskSkinForm::Attach(*form);
    f->SetSkinData(data);
    form->SetClientSize(client_width, client_height);
    if (frame != nullptr) *frame = f;
    return form;
  }
  // As MakeForm, shown and active.
  ui::Form* ShownForm(int left, int top, int client_width, int client_height, skin::TskSkinData* data,
                      skin::TskSkinForm** frame = nullptr) {
    ui::Form* form = MakeForm(left, top, client_width, client_height, data, frame);
    form->Show();
    Pump();
    return form;
  }
  // A screen point from window coordinates of a form.
  static gfx::Point At(const ui::Form* form, int x, int y) { return {form->Left() + x, form->Top() + y}; }

  skin::TskSkinData skin_;
};

}  // namespace frame_test
