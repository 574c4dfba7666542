// TskSkinHint: turns the application's hints into skinned hint windows and shows the frame's object hints.
#include "skin/menus/TskSkinHint.h"

#include "platform/Backend.h"
#include "skin/data/SkinData.h"
#include "skin/menus/TskSkinHintWindow.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace skin {

TskSkinHint::TskSkinHint() : window_(std::make_unique<TskSkinHintWindow>()) {
  SetName("TskSkinHint");
  window_->SetHintComponent(this);
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  previous_factory_ = app->HintWindowFactory;
  app->HintWindowFactory = [] { return std::make_unique<TskSkinHintWindow>(); };
  installed_factory_ = true;
  // A hint window made before now is of the old kind.
  app->ResetHintWindow();
}

TskSkinHint::~TskSkinHint() {
  SetSkinData(nullptr);
  StopTimer();
  window_.reset();
  ui::Application* app = ui::Application::Current();
  if (app == nullptr || !installed_factory_) return;
  app->HintWindowFactory = previous_factory_;
  app->ResetHintWindow();
}

void TskSkinHint::SetSkinData(TskSkinData* data) {
  if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
}

void TskSkinHint::SkinDataDestroyed(TskSkinData* data) {
  if (data != skin_data_) return;
  skin_data_ = nullptr;
  // A shown hint draws from the skin: it goes with it.
  HideHintText();
}

void TskSkinHint::SetActive(bool v) {
  active_ = v;
  if (!v) return;
  const ui::Component* form = Owner();
  if (form == nullptr) {
    ui::Application* app = ui::Application::Current();
    form = app != nullptr ? app->MainForm() : nullptr;
  }
  if (form == nullptr) return;
  for (ui::Component* c : form->Components()) {
    if (auto* other = dynamic_cast<TskSkinHint*>(c); other != nullptr && other != this) other->active_ = false;
  }
}

void TskSkinHint::StopTimer() {
  if (timer_ == 0) return;
  if (ui::Application* app = ui::Application::Current()) app->KillTimer(timer_);
  timer_ = 0;
}

void TskSkinHint::ShowHintText(const std::string& text) {
  StopTimer();
  pending_text_ = text;
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  timer_ = app->SetTimer(app->HintPause(), [this] { ShowPending(); });
}

void TskSkinHint::ShowPending() {
  StopTimer();
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  const gfx::Point cursor = platform::GetBackend().CursorPos();
  const gfx::Point at{cursor.x, cursor.y + kCursorHeightBelowHotSpot};
  window_->ActivateHint({at.x, at.y, at.x, at.y}, pending_text_);
  timer_ = app->SetTimer(app->HintHidePause(), [this] { HideHintText(); });
}

void TskSkinHint::HideHintText() {
  StopTimer();
  if (window_->Visible()) window_->Hide();
}

}  // namespace skin
