// TskMessageForm: the window of one message box: the text, the icon and the row of buttons.
#pragma once

#include <string>
#include <vector>

#include "skin/frame/TskSkinMessage.h"
#include "ui/Form.h"

namespace skin {

class TskSkinButton;
class TskSkinForm;
class TskSkinStdLabel;

// Built whole by its constructor from the message component's settings; see LayOutMessage for the
// places. It wears the skinned frame of the component's SkinData (the plain frame without one) with
// only a close button, which ends the box with result 2; the box is never narrower than the frame.
// The default button (Enter) is OK, else Yes, else Retry; the cancel button (Escape) is Cancel, else
// No, else OK. A text wider than the work area allows is wrapped.
class TskMessageForm : public ui::Form {
 public:
  TskMessageForm(const TskSkinMessage& settings, const std::string& text, MessageType type,
                 MessageButtons buttons);
  ~TskMessageForm() override;

  TskSkinStdLabel* MessageLabel() const { return label_; }
  const std::vector<TskSkinButton*>& Buttons() const { return buttons_; }
  // The button of that kind, or null.
  TskSkinButton* Button(MessageButton which) const;
  // The icon's control ("Image"), or null for a custom box.
  ui::Control* Icon() const { return icon_; }
  int32_t ButtonHeight() const { return button_height_; }
  // The box's skinned frame (owned by the form).
  TskSkinForm* Frame() const { return frame_; }

 protected:
  void WndProc(ui::Message& m) override;

 private:
  TskSkinForm* frame_ = nullptr;
  TskSkinStdLabel* label_ = nullptr;
  TskSkinButton* first_focus_ = nullptr;
  ui::Control* icon_ = nullptr;
  std::vector<TskSkinButton*> buttons_;
  std::vector<MessageButton> kinds_;
  int32_t button_height_ = 25;
};

}  // namespace skin
