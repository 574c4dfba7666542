// The skin-change walk: order, the sender, hooks that hide and show controls, and forms that run it.
#include "ui/SkinChangeWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

struct Call {
  std::string who;
  std::string hook;
  const void* sender;
  bool operator==(const Call&) const = default;
};

// Records every hook call; `on_hook` lets a test change the tree from inside the walk.
template <class Base>
class Recorder : public Base {
 public:
  Recorder(std::string name, std::vector<Call>* log) : log_(log) { this->SetName(std::move(name)); }
  std::function<void()> on_hook;

  void SkinMessageBeforeChange(const void* sender) override { Record("before", sender); }
  void SkinMessageChange(const void* sender) override { Record("change", sender); }

 private:
  void Record(const char* hook, const void* sender) {
    log_->push_back({this->Name(), hook, sender});
    if (on_hook) on_hook();
  }
  std::vector<Call>* log_;
};

using Box = Recorder<ui::WinControl>;
using Leaf = Recorder<ui::GraphicControl>;
using RecordingForm = Recorder<ui::Form>;

class SkinChangeWalkTest : public UiTest {
 protected:
  // form
  //   a        (windowed)
  //     a1     (graphic, hidden)
  //     a2     (windowed)
  //       a2x  (graphic)
  //   b        (graphic)
  void SetUp() override {
    form_ = app_->CreateForm<RecordingForm>("form", &log_);
    a_ = form_->AddChild(std::make_unique<Box>("a", &log_));
    a1_ = a_->AddChild(std::make_unique<Leaf>("a1", &log_));
    a1_->Hide();
    a2_ = a_->AddChild(std::make_unique<Box>("a2", &log_));
    a2_->AddChild(std::make_unique<Leaf>("a2x", &log_));
    b_ = form_->AddChild(std::make_unique<Leaf>("b", &log_));
  }
  std::vector<std::string> Order(const char* hook) const {
    std::vector<std::string> out;
    for (const Call& c : log_) {
      if (c.hook == hook) out.push_back(c.who);
    }
    return out;
  }

  std::vector<Call> log_;
  RecordingForm* form_ = nullptr;
  Box* a_ = nullptr;
  Leaf* a1_ = nullptr;
  Box* a2_ = nullptr;
  Leaf* b_ = nullptr;
};

const std::vector<std::string> kTreeOrder = {"form", "a", "a1", "a2", "a2x", "b"};

struct WalkCase {
  uint32_t msg;
  const char* hook;  // the hook the message calls; null: none
};

TEST_F(SkinChangeWalkTest, EachMessageCallsItsHookDepthFirstWithTheSender) {
  int skin_data = 0;
  for (const WalkCase& c : {WalkCase{ui::kSkinMsgBeforeChange, "before"}, WalkCase{ui::kSkinMsgChange, "change"},
                            WalkCase{ui::kSkinMsgAfterChange, nullptr}, WalkCase{ui::kMsgPaint, nullptr}}) {
    log_.clear();
    ui::WalkSkinChange(*form_, c.msg, &skin_data);
    if (c.hook == nullptr) {
      EXPECT_TRUE(log_.empty()) << c.msg;
      continue;
    }
    EXPECT_EQ(Order(c.hook), kTreeOrder) << c.msg;
    ASSERT_EQ(log_.size(), kTreeOrder.size()) << c.msg;
    for (const Call& call : log_) EXPECT_EQ(call.sender, &skin_data) << call.who;
  }
  // A walk from inside the tree covers that branch only; a null sender means any skin data.
  log_.clear();
  ui::WalkSkinChange(*a2_, ui::kSkinMsgChange, nullptr);
  EXPECT_EQ(log_, (std::vector<Call>{{"a2", "change", nullptr}, {"a2x", "change", nullptr}}));
}

TEST_F(SkinChangeWalkTest, HooksThatHideAndShowControlsDoNotDisturbTheWalk) {
  // a hides its second child and shows the first, a2 hides its parent; every control is still
  // visited once, in order.
  a_->on_hook = [this] {
    a2_->Hide();
    a1_->Show();
  };
  a2_->on_hook = [this] { a_->Hide(); };
  a_->SetAlign(ui::Align::kClient);  // hiding and showing realigns the form while the walk runs
  ui::WalkSkinChange(*form_, ui::kSkinMsgBeforeChange, nullptr);
  EXPECT_EQ(Order("before"), kTreeOrder);
  EXPECT_FALSE(a_->Visible());
  EXPECT_TRUE(a1_->Visible());
}

TEST_F(SkinChangeWalkTest, FormsRunTheWalkForSkinMessagesThroughTheirWindowProcedure) {
  int skin_data = 0;
  intptr_t address = reinterpret_cast<intptr_t>(&skin_data);
  form_->Show();
  Pump();
  // As the skin data object announces a load: to every form, through its window procedure.
  std::vector<uint32_t> seen;
  ui::WindowProcFn saved = form_->WindowProc();
  form_->SetWindowProc([&](ui::Message& m) {
    seen.push_back(m.id);
    saved(m);
  });
  app_->SendToAllForms(ui::kSkinMsgBeforeChange, address, 1);
  EXPECT_EQ(Order("before"), kTreeOrder);
  EXPECT_TRUE(Order("change").empty());
  app_->SendToAllForms(ui::kSkinMsgChange, address, 1);
  EXPECT_EQ(Order("change"), kTreeOrder);
  for (const Call& call : log_) EXPECT_EQ(call.sender, &skin_data);
  EXPECT_EQ(seen, (std::vector<uint32_t>{ui::kSkinMsgBeforeChange, ui::kSkinMsgChange}));
  // A procedure that answers the message itself keeps the walk from running.
  log_.clear();
  form_->SetWindowProc([](ui::Message& m) { m.result = 1; });
  form_->Send(ui::kSkinMsgChange, address);
  EXPECT_TRUE(log_.empty());
  form_->SetWindowProc(saved);
}

}  // namespace
