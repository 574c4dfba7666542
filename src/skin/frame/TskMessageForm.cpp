// TskMessageForm: the window of one message box: the text, the icon and the row of buttons.
#include "skin/frame/TskMessageForm.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "platform/Backend.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinData.h"
#include "skin/frame/MessageIcons.h"
#include "skin/frame/MessageLayout.h"
#include "skin/frame/MessageText.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/Application.h"
#include "ui/GraphicControl.h"

namespace skin {

namespace {

// The message label, which tells the font it draws in so that the text can be wrapped in it.
class MessageTextLabel : public TskSkinStdLabel {
 public:
  gfx::Font DrawingFont() const { return TextFont(); }
};

class MessageIconView : public ui::GraphicControl {
 public:
  explicit MessageIconView(MessageIcon icon) : icon_(icon) {
    SetName("Image");
    SetBounds(0, 0, kMessageIconSize, kMessageIconSize);
  }

 protected:
  void Paint(gfx::Canvas& canvas) override { DrawMessageIcon(canvas, 0, 0, icon_); }

 private:
  MessageIcon icon_;
};

const char* CaptionFor(MessageType type) {
  switch (type) {
    case MessageType::kWarning: return "Warning";
    case MessageType::kError: return "Error";
    case MessageType::kInformation: return "Information";
    case MessageType::kConfirmation: return "Confirm";
    case MessageType::kCustom: break;
  }
  return nullptr;
}

bool IconFor(MessageType type, MessageIcon& icon) {
  switch (type) {
    case MessageType::kWarning: icon = MessageIcon::kWarning; return true;
    case MessageType::kError: icon = MessageIcon::kError; return true;
    case MessageType::kInformation: icon = MessageIcon::kInformation; return true;
    case MessageType::kConfirmation: icon = MessageIcon::kQuestion; return true;
    case MessageType::kCustom: break;
  }
  return false;
}

std::string ApplicationTitle() {
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return {};
  if (!app->Title().empty()) return app->Title();
  return app->MainForm() != nullptr ? app->MainForm()->Caption() : std::string();
}

MessageButton DefaultOf(MessageButtons b) {
  if (b & kMbOK) return kMbOK;
  if (b & kMbYes) return kMbYes;
  return kMbRetry;
}

MessageButton CancelOf(MessageButtons b) {
  if (b & kMbCancel) return kMbCancel;
  if (b & kMbNo) return kMbNo;
  return kMbOK;
}

}  // namespace

TskMessageForm::TskMessageForm(const TskSkinMessage& settings, const std::string& text, MessageType type,
                               MessageButtons buttons) {
  SetName("MessageForm");
  SetSurfaceKind(platform::SurfaceKind::kDialog);
  SetBorderStyle(ui::BorderStyle::kDialog);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetKeyPreview(true);
  const char* caption = CaptionFor(type);
  SetCaption(caption != nullptr ? std::string(caption) : ApplicationTitle());

  // The skin's frame with only its close button, in place before any size is set, so that the
  // sizes below are taken inside the frame the box will show.
  frame_ = TskSkinForm::Attach(*this);
  frame_->SetBorderIcons(0);
  frame_->AlphaBlendAnimation = settings.AlphaBlendAnimation();
  frame_->SetAlphaBlendValue(settings.AlphaBlendValue());
  frame_->SetAlphaBlend(settings.AlphaBlend());
  frame_->SetMenusSkinData(settings.CtrlSkinData());
  frame_->SetSkinData(settings.SkinData());

  TskSkinData* ctrl = settings.CtrlSkinData();
  if (ctrl != nullptr && !ctrl->IsEmpty()) {
    const auto* record = ctrl->FindControlRecord<TskDataSkinButtonControl>(settings.ButtonSkinDataName());
    if (record != nullptr && record->skinrect.Height() > 0) button_height_ = record->skinrect.Height();
  }

  auto* label = MakeChild<MessageTextLabel>(this);
  label_ = label;
  label->SetName("Message");
  label->SetFont(settings.DefaultFont());
  label->SetDefaultFont(settings.DefaultFont());
  label->SetUseSkinFont(settings.UseSkinFont());
  label->SetSkinDataName(settings.MessageLabelSkinDataName());
  label->SetSkinData(ctrl);
  // The text is the user's to read as it is: an "&" in a path is no accelerator.
  label->SetShowAccelChar(false);
  label->SetAutoSize(true);
  label->SetCaption(text);
  label->SetBounds(kMessageTextAt.x, kMessageTextAt.y, label->Width(), label->Height());

  // The frame's share of the outer size is known once the window exists.
  HandleNeeded();
  const gfx::Size frame{Width() - ClientWidth(), Height() - ClientHeight()};
  const gfx::Size screen = platform::GetBackend().ScreenSize();
  const gfx::Rect work =
      platform::GetBackend().GetWorkArea(gfx::Rect::FromSize(screen.width / 2, screen.height / 2, 1, 1), true);
  const int32_t room = MaxMessageTextWidth(work, frame);
  if (label->Width() > room) label->SetCaption(WrapMessageText(label->DrawingFont(), text, room));

  std::vector<MessageButtonKind> wanted;
  for (const MessageButtonKind& entry : MessageButtonKinds()) {
    if (buttons & entry.button) wanted.push_back(entry);
  }
  MessageLayoutRequest request;
  request.text = {label->Width(), label->Height()};
  request.button_count = static_cast<int>(wanted.size());
  request.button_height = button_height_;
  request.frame = frame;
  request.min_outer_width = frame_->GetMinWidth();
  request.work_area = work;
  const MessageLayout layout = LayOutMessage(request);
  SetClientSize(layout.client.width, layout.client.height);
  label->SetAutoSize(false);
  label->SetBounds(layout.text.left, layout.text.top, layout.text.Width(), layout.text.Height());

  MessageIcon icon;
  if (IconFor(type, icon)) {
    icon_ = MakeChild<MessageIconView>(this, icon);
    icon_->SetBounds(layout.icon.x, layout.icon.y, kMessageIconSize, kMessageIconSize);
  }

  const MessageButton default_button = DefaultOf(buttons);
  const MessageButton cancel_button = CancelOf(buttons);
  TskSkinButton* focus = nullptr;
  for (size_t i = 0; i < wanted.size(); ++i) {
    const MessageButtonKind& entry = wanted[i];
    auto* b = MakeChild<TskSkinButton>(this);
    b->SetName(entry.name);
    b->SetCaption(entry.caption);
    b->SetCanFocused(true);
    b->SetModalResult(entry.result);
    b->SetDefault(entry.button == default_button);
    b->SetCancel(entry.button == cancel_button);
    b->SetDefaultHeight(button_height_);
    b->SetDefaultFont(settings.DefaultButtonFont());
    b->SetUseSkinFont(settings.UseSkinFont());
    b->SetSkinDataName(settings.ButtonSkinDataName());
    b->SetSkinData(ctrl);
    const gfx::Rect& r = layout.buttons[i];
    b->SetBounds(r.left, r.top, r.Width(), r.Height());
    buttons_.push_back(b);
    kinds_.push_back(entry.button);
    if (entry.button == default_button) focus = b;
  }
  first_focus_ = focus;
}

void TskMessageForm::WndProc(ui::Message& m) {
  ui::Form::WndProc(m);
  // Enter presses the focused button: the default one takes the focus as the box shows, before the
  // activation would give it to the first button.
  if (m.id == ui::kMsgShowWindow && m.wparam != 0 && first_focus_ != nullptr) {
    TskSkinButton* focus = first_focus_;
    first_focus_ = nullptr;
    SetActiveControl(focus);
  }
}

TskMessageForm::~TskMessageForm() = default;

TskSkinButton* TskMessageForm::Button(MessageButton which) const {
  for (size_t i = 0; i < kinds_.size(); ++i) {
    if (kinds_[i] == which) return buttons_[i];
  }
  return nullptr;
}

}  // namespace skin
