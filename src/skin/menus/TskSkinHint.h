// TskSkinHint: turns the application's hints into skinned hint windows and shows the frame's object hints.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "gfx/Font.h"
#include "skin/data/SkinDataClient.h"
#include "ui/Component.h"

namespace ui {
class HintWindow;
}

namespace skin {

class TskSkinData;
class TskSkinHintWindow;

// Creating one makes the application's hint windows TskSkinHintWindows; they take their look from
// the active TskSkinHint of the main form. Destroying the component gives the application back the
// hint windows it had before.
class TskSkinHint : public ui::Component, private SkinDataClient {
 public:
  TskSkinHint();
  ~TskSkinHint() override;

  // Cleared when the skin data object is destroyed.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* data);
  // Only an active component is used. Activating one deactivates the other ones on its form.
  bool Active() const { return active_; }
  void SetActive(bool v);
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v) { alpha_blend_ = v; }
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v) { alpha_blend_value_ = v; }
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& f) { default_font_ = f; }
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool v) { use_skin_font_ = v; }

  // Object hints of the skinned frame: the text shows near the cursor after the application's hint
  // pause and hides after its hide pause. Showing another text starts over.
  void ShowHintText(const std::string& text);
  void HideHintText();
  // The window the object hints use.
  TskSkinHintWindow& ObjectHintWindow() { return *window_; }

  // How far the arrow cursor reaches below its hot spot: the hint goes that much lower.
  static constexpr int32_t kCursorHeightBelowHotSpot = 20;

 private:
  void StopTimer();
  void ShowPending();
  void SkinDataDestroyed(TskSkinData* data) override;

  TskSkinData* skin_data_ = nullptr;
  bool active_ = true;
  bool alpha_blend_ = false;
  uint8_t alpha_blend_value_ = 0;
  gfx::Font default_font_{"MS Sans Serif", 11};
  bool use_skin_font_ = true;
  std::unique_ptr<TskSkinHintWindow> window_;
  std::string pending_text_;
  uintptr_t timer_ = 0;
  std::function<std::unique_ptr<ui::HintWindow>()> previous_factory_;
  bool installed_factory_ = false;
};

}  // namespace skin
