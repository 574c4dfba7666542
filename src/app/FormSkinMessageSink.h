// Carries the skin data object's load messages to the application's forms.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "skin/data/SkinMessageSink.h"

namespace ui {
class Application;
class Form;
}  // namespace ui

namespace app {

// The owner form first, then every live form of the application in creation order, each sent the
// message synchronously with the sending skin data object in wparam and the parameter in lparam.
class FormSkinMessageSink : public skin::SkinMessageSink {
 public:
  explicit FormSkinMessageSink(ui::Form* owner);
  ~FormSkinMessageSink() override;

  skin::SkinMessageReceiver* OwnerForm() override;
  std::vector<skin::SkinMessageReceiver*> Forms() override;

 private:
  class Receiver;
  skin::SkinMessageReceiver* ReceiverFor(ui::Form* form);

  ui::Form* owner_;
  // One receiver per form ever seen; kept for the sink's life so a broadcast never sees one vanish.
  std::map<ui::Form*, std::unique_ptr<Receiver>> receivers_;
};

}  // namespace app
