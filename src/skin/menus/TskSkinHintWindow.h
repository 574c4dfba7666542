// TskSkinHintWindow: the hint window drawn from the skin's hint record, or plain without one.
#pragma once

#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "ui/HintWindow.h"

namespace skin {

class TskSkinHint;
class TskDataSkinHintWindow;

// The application makes these (through its hint window factory) once a TskSkinHint exists. Each
// time it shows it follows the active TskSkinHint of the main form: without one it shows nothing;
// with one whose skin has a hint picture it is skinned, otherwise plain.
class TskSkinHintWindow : public ui::HintWindow {
 public:
  TskSkinHintWindow();
  ~TskSkinHintWindow() override;

  // A window of one hint component (its object hints): it follows that one instead.
  void SetHintComponent(TskSkinHint* hint);

  gfx::Rect CalcHintRect(int max_width, const std::string& text) override;
  // The window's top-left goes to the rectangle's top-left; a window that would pass the screen's
  // right (bottom) edge moves left (up) by its own width (height) + 2.
  void ActivateHint(const gfx::Rect& screen_rect, const std::string& text) override;
  bool Skinned() const { return record_ != nullptr; }

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  TskSkinHint* FindHint() const;
  // Takes the look of `hint` (record, picture, font) and returns the size the text needs.
  gfx::Size Prepare(TskSkinHint* hint, const std::string& text);

  TskSkinHint* own_hint_ = nullptr;
  const TskDataSkinHintWindow* record_ = nullptr;
  const gfx::Bitmap* picture_ = nullptr;
  const gfx::Bitmap* mask_ = nullptr;
  gfx::Font font_;
  gfx::Color text_color_ = 0;
  gfx::Rect client_;  // the text's rectangle for the current size
  std::optional<uint8_t> applied_alpha_;
};

}  // namespace skin
