// Test fixture of the skinned controls: a borderless form on the headless backend and skin data
// loaded from the program's skin or from a small fixture skin, announced to the form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessageSink.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Form.h"
#include "ui/UiTestEnv.h"

namespace skin_test {

// Sends the skin data's load messages to every form of the application, as the program does.
class FormsSink : public skin::SkinMessageSink, public skin::SkinMessageReceiver {
 public:
  skin::SkinMessageReceiver* OwnerForm() override { return nullptr; }
  std::vector<skin::SkinMessageReceiver*> Forms() override { return {this}; }
  void SendSkinMessage(uint32_t message, skin::TskSkinData& sender, int32_t param) override {
    if (ui::Application* app = ui::Application::Current()) {
      for (ui::Form* form : app->Forms()) form->Send(ui::Message::MakeSkin(message, &sender, param));
    }
  }
};

// The sections a fixture skin needs besides its [SKINCONTROLS] list and records.
inline std::string FixtureSkinIni(std::string_view controls_and_records, int picture_count) {
  std::string ini = "[VERSION]\nskinname=fixture\n[PICTURES]\nactivepicturescount=" +
                    std::to_string(picture_count) + "\n";
  for (int i = 0; i < picture_count; ++i) ini += std::to_string(i) + "=p" + std::to_string(i) + ".bmp\n";
  ini += "[FORMINFO]\nborderwidth=0\n[SKINOBJECTS]\ncount=0\n";
  ini += controls_and_records;
  return ini;
}

// A picture whose every pixel tells its coordinates: red = x, green = y, blue = 77.
inline gfx::Bitmap CoordinatePicture(int32_t w, int32_t h) {
  gfx::Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 77));
  return b;
}

class SkinControlTest : public ui_test::UiTest {
 protected:
  SkinControlTest() {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(kFormLeft, kFormTop, 600, 400);
    form_->SetColor(gfx::Rgb(1, 2, 3));
    form_->Show();
    skin_.SetMessageSink(&sink_);
    resources::LoadEmbeddedSkin(skin_);
    Pump();
  }

  // Loads `skin_` from a fixture INI (FixtureSkinIni) and pictures, announcing it to the forms.
  void LoadFixture(std::string_view controls_and_records, std::vector<gfx::Bitmap> pictures) {
    skin::TskStoredSkin stored;
    std::vector<std::string> lines;
    std::string ini = FixtureSkinIni(controls_and_records, static_cast<int>(pictures.size()));
    size_t start = 0;
    while (start <= ini.size()) {
      size_t end = ini.find('\n', start);
      if (end == std::string::npos) end = ini.size();
      lines.push_back(ini.substr(start, end - start));
      start = end + 1;
    }
    skin::SkinPictures p;
    p.active = std::move(pictures);
    stored.SetIniStrings(std::move(lines));
    stored.SetPictures(std::move(p));
    skin_.LoadFromStoredSkin(stored);
  }

  // The screen pixel at a point of a control's client area, after painting what is pending.
  gfx::Color PixelAt(const ui::Control& c, int32_t x, int32_t y) {
    Pump();
    return backend_->ScreenPixel(c.ClientToScreen({x, y}));
  }
  gfx::Point ScreenPoint(const ui::Control& c, int32_t x, int32_t y) const { return c.ClientToScreen({x, y}); }

  static constexpr int32_t kFormLeft = 40;
  static constexpr int32_t kFormTop = 30;
  ui::Form* form_ = nullptr;
  FormsSink sink_;  // declared before the skin data, which may use it until it goes away
  skin::TskSkinData skin_;
};

}  // namespace skin_test
