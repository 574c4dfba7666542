// The skin-change messages and the interface through which a skin load reaches the open forms.
#pragma once

#include <cstdint>
#include <vector>

namespace skin {

class TskSkinData;

// Sent synchronously to every open form around each load: before the old skin is freed, and
// twice after the new one is built (whether or not the load succeeded).
constexpr uint32_t SkinMsgBeforeChange = 1225;
constexpr uint32_t SkinMsgChange = 1226;
constexpr uint32_t SkinMsgAfterChange = 1227;
// The second parameter of the three messages.
constexpr int32_t kSkinMessageParam = 1000;

// A form as the skin data sees it. The form's implementation creates its window first when it has
// none yet, and has finished handling the message when the call returns.
class SkinMessageReceiver {
 public:
  virtual ~SkinMessageReceiver() = default;
  virtual void SendSkinMessage(uint32_t message, TskSkinData& sender, int32_t param) = 0;
};

// Implemented by the layer that knows the application's forms.
class SkinMessageSink {
 public:
  virtual ~SkinMessageSink() = default;
  // The form that owns the skin data object, or null when its owner is not a form.
  virtual SkinMessageReceiver* OwnerForm() = 0;
  // Every open form in the application's form order (the owner may be among them).
  virtual std::vector<SkinMessageReceiver*> Forms() = 0;
};

}  // namespace skin
