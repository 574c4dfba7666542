// Skin load messages to forms through their window procedures.
#include "app/FormSkinMessageSink.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace app {

class FormSkinMessageSink::Receiver : public skin::SkinMessageReceiver {
 public:
  explicit Receiver(ui::Form* form) : form_(form) {}
  void SendSkinMessage(uint32_t message, skin::TskSkinData& sender, int32_t param) override {
    form_->Send(ui::Message::MakeSkin(message, &sender, param));
  }

 private:
  ui::Form* form_;
};

FormSkinMessageSink::FormSkinMessageSink(ui::Form* owner) : owner_(owner) {}

FormSkinMessageSink::~FormSkinMessageSink() = default;

skin::SkinMessageReceiver* FormSkinMessageSink::ReceiverFor(ui::Form* form) {
  std::unique_ptr<Receiver>& slot = receivers_[form];
  if (!slot) slot = std::make_unique<Receiver>(form);
  return slot.get();
}

skin::SkinMessageReceiver* FormSkinMessageSink::OwnerForm() {
  return owner_ != nullptr ? ReceiverFor(owner_) : nullptr;
}

std::vector<skin::SkinMessageReceiver*> FormSkinMessageSink::Forms() {
  std::vector<skin::SkinMessageReceiver*> out;
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return out;
  for (ui::Form* form : app->Forms()) out.push_back(ReceiverFor(form));
  return out;
}

}  // namespace app
