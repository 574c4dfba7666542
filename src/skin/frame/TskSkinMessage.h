// TskSkinMessage: modal message boxes built from the skin's label and push buttons.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gfx/Font.h"
#include "skin/data/SkinDataClient.h"
#include "ui/Component.h"

namespace skin {

class TskSkinData;

// Message types, with the box's caption and icon: warning "Warning", error "Error", information
// "Information", confirmation "Confirm", custom (the application's title, no icon).
enum class MessageType { kWarning, kError, kInformation, kConfirmation, kCustom };

// The buttons a box shows, in this order whatever order they are named in; each closes the box with
// its modal result (Help closes nothing).
enum MessageButton : uint16_t {
  kMbYes = 1 << 0,       // "&Yes", 6
  kMbNo = 1 << 1,        // "&No", 7
  kMbOK = 1 << 2,        // "OK", 1
  kMbCancel = 1 << 3,    // "Cancel", 2
  kMbAbort = 1 << 4,     // "&Abort", 3
  kMbRetry = 1 << 5,     // "&Retry", 4
  kMbIgnore = 1 << 6,    // "&Ignore", 5
  kMbAll = 1 << 7,       // "&All", 8
  kMbNoToAll = 1 << 8,   // "N&oToAll", 9
  kMbYesToAll = 1 << 9,  // "&YesToAll", 10
  kMbHelp = 1 << 10,     // "&Help", 0
};
using MessageButtons = uint16_t;
constexpr MessageButtons kMbYesNo = kMbYes | kMbNo;
constexpr MessageButtons kMbYesNoCancel = kMbYes | kMbNo | kMbCancel;
constexpr MessageButtons kMbOKCancel = kMbOK | kMbCancel;
constexpr MessageButtons kMbAbortRetryIgnore = kMbAbort | kMbRetry | kMbIgnore;

// One button of a box: its component name, caption and modal result.
struct MessageButtonKind {
  MessageButton button;
  const char* name;
  const char* caption;
  int result;
};
// Every button in the order boxes show them.
std::span<const MessageButtonKind> MessageButtonKinds();

class TskSkinMessage : public ui::Component, private SkinDataClient {
 public:
  TskSkinMessage();
  ~TskSkinMessage() override;

  // The skin of the box's frame, and of its label and buttons; both cleared when their skin data
  // object is destroyed.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* data);
  TskSkinData* CtrlSkinData() const { return ctrl_skin_data_; }
  void SetCtrlSkinData(TskSkinData* data);
  const std::string& ButtonSkinDataName() const { return button_skin_data_name_; }
  void SetButtonSkinDataName(std::string name) { button_skin_data_name_ = std::move(name); }
  const std::string& MessageLabelSkinDataName() const { return label_skin_data_name_; }
  void SetMessageLabelSkinDataName(std::string name) { label_skin_data_name_ = std::move(name); }
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& f) { default_font_ = f; }
  const gfx::Font& DefaultButtonFont() const { return default_button_font_; }
  void SetDefaultButtonFont(const gfx::Font& f) { default_button_font_ = f; }
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool v) { use_skin_font_ = v; }
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v) { alpha_blend_ = v; }
  bool AlphaBlendAnimation() const { return alpha_blend_animation_; }
  void SetAlphaBlendAnimation(bool v) { alpha_blend_animation_ = v; }
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v) { alpha_blend_value_ = v; }

  // Shows the box modally and returns the modal result of the button that closed it, or 2 when
  // the window was closed without a button. The help context is not used.
  int ShowMessageBox(const std::string& text, MessageType type, MessageButtons buttons, int help_context = 0);

 private:
  void SkinDataDestroyed(TskSkinData* data) override;

  TskSkinData* skin_data_ = nullptr;
  TskSkinData* ctrl_skin_data_ = nullptr;
  std::string button_skin_data_name_ = "button";
  std::string label_skin_data_name_ = "stdlabel";
  gfx::Font default_font_{"Arial", 14};
  gfx::Font default_button_font_{"Arial", 14};
  bool use_skin_font_ = true;
  bool alpha_blend_ = false;
  bool alpha_blend_animation_ = false;
  uint8_t alpha_blend_value_ = 200;
};

}  // namespace skin
