// The application loop: timers on the virtual clock, posted messages, modal loops, the error report, cross-thread calls.
#include "ui/Application.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/KeyCodes.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Timer.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class ApplicationTest : public UiTest {
 protected:
  ui::Form* ShownForm() {
    auto* f = app_->CreateForm<ui::Form>();
    f->SetBounds(100, 100, 300, 200);
    f->Show();
    Pump();
    return f;
  }
};

TEST_F(ApplicationTest, ControlTimersFireOnTheVirtualClockWithoutCatchingUp) {
  ui::Form* form = ShownForm();
  int ticks = 0;
  ui::WindowProcFn saved = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    if (m.id == ui::kMsgTimer && m.wparam == 7) ++ticks;
    saved(m);
  });
  form->SetTimer(7, 50);
  Advance(49);
  EXPECT_EQ(ticks, 0);
  Advance(1);
  EXPECT_EQ(ticks, 1);
  Advance(500);  // late: one tick, not ten
  EXPECT_EQ(ticks, 2);
  form->SetTimer(7, 20);  // setting again restarts with the new interval
  Advance(20);
  EXPECT_EQ(ticks, 3);
  form->KillTimer(7);
  Advance(100);
  EXPECT_EQ(ticks, 3);
  form->SetWindowProc(saved);
}

TEST_F(ApplicationTest, TimerComponentStopsWhenDisabledOrDestroyed) {
  auto* form = ShownForm();
  auto* timer = form->Make<ui::Timer>();
  int ticks = 0;
  timer->OnTimer = [&](ui::Component*) { ++ticks; };
  timer->SetInterval(25);
  Advance(25);
  Advance(25);
  EXPECT_EQ(ticks, 2);
  timer->SetEnabled(false);
  Advance(100);
  EXPECT_EQ(ticks, 2);
  timer->SetEnabled(true);
  form->DestroyComponents();
  Advance(100);
  EXPECT_EQ(ticks, 2);
}

TEST_F(ApplicationTest, PostedMessagesArriveInOrderAndNotForDestroyedTargets) {
  ui::Form* form = ShownForm();
  auto* label = form->MakeChild<ui::Label>(form);
  std::vector<intptr_t> got;
  ui::WindowProcFn saved = form->WindowProc();
  form->SetWindowProc([&](ui::Message& m) {
    if (m.id == ui::kMsgUser) got.push_back(m.wparam);
    saved(m);
  });
  form->Post(ui::kMsgUser, 1);
  label->Post(ui::kMsgUser, 99);
  form->Post(ui::kMsgUser, 2);
  EXPECT_TRUE(got.empty());  // queued, not sent
  delete form->RemoveChild(label).release();
  Pump();
  EXPECT_EQ(got, (std::vector<intptr_t>{1, 2}));
  form->SetWindowProc(saved);
}

// Counts the messages of kMsgUser it receives.
class UserMessageProbe : public ui::WinControl {
 public:
  explicit UserMessageProbe(int* received) : received_(received) {}

 protected:
  void WndProc(ui::Message& m) override {
    if (m.id == ui::kMsgUser) ++*received_;
    ui::WinControl::WndProc(m);
  }

 private:
  int* received_;
};

TEST_F(ApplicationTest, MessagePostedByAWorkerIsDroppedWhenItsControlGoesFirst) {
  ShownForm();
  // An unowned control in storage the test keeps, so that after its destruction a second control
  // can take the same address, as a reused allocation would: a message queued for the first one
  // must not reach the second (nor freed memory).
  alignas(UserMessageProbe) unsigned char storage[sizeof(UserMessageProbe)];
  int first_received = 0;
  int second_received = 0;
  auto* first = new (storage) UserMessageProbe(&first_received);
  std::thread worker([first] { first->Post(ui::kMsgUser, 1); });
  worker.join();
  first->~UserMessageProbe();
  auto* second = new (storage) UserMessageProbe(&second_received);
  Pump();
  EXPECT_EQ(first_received, 0);
  EXPECT_EQ(second_received, 0);
  // The queue still delivers what is posted for a control that exists.
  std::thread again([second] { second->Post(ui::kMsgUser, 2); });
  again.join();
  Pump();
  EXPECT_EQ(second_received, 1);
  second->~UserMessageProbe();
}

TEST_F(ApplicationTest, NestedModalLoopsReturnTheirOwnResults) {
  ShownForm();
  // Dialogs the test owns, as a caller of ShowModal usually does; the application does not.
  auto outer = std::make_unique<ui::Form>();
  auto inner = std::make_unique<ui::Form>();
  auto* inner_ok = inner->MakeChild<ui::Button>(inner.get());
  inner_ok->SetModalResult(ui::kMrYes);
  int inner_result = -1;
  int step = 0;
  // The script runs whenever the loops wait: open the inner box from the outer one, answer it
  // with a click, then close the outer one with a result of its own.
  backend_->SetIdleHandler([&] {
    ++step;
    if (step == 1) {
      inner_result = inner->ShowModal();
      return true;
    }
    if (step == 2) {
      EXPECT_TRUE(inner->Modal());
      EXPECT_FALSE(outer->Enabled());  // the outer modal form waits for the inner one
      inner_ok->Click();
      return true;
    }
    if (step == 3) {
      outer->SetModalResult(ui::kMrRetry);
      return true;
    }
    return false;
  });
  int outer_result = outer->ShowModal();
  EXPECT_EQ(inner_result, ui::kMrYes);
  EXPECT_EQ(outer_result, ui::kMrRetry);
  EXPECT_FALSE(outer->Visible());
  EXPECT_TRUE(app_->MainForm()->Enabled());
  backend_->SetIdleHandler(nullptr);
}

TEST_F(ApplicationTest, ModalFormMayRefuseToCloseAndShowModalOnAVisibleFormFails) {
  ShownForm();
  auto dialog = std::make_unique<ui::Form>();
  int queries = 0;
  dialog->OnCloseQuery = [&](ui::Component*, bool& can) { can = ++queries > 1; };
  // Returning false hands control back to the loop, which then looks at the modal result.
  backend_->SetIdleHandler([&] {
    if (queries < 2) dialog->SetModalResult(ui::kMrOk);
    return false;
  });
  EXPECT_EQ(dialog->ShowModal(), ui::kMrOk);
  EXPECT_EQ(queries, 2);
  backend_->SetIdleHandler(nullptr);
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), std::logic_error);
}

TEST_F(ApplicationTest, ErrorReportShowsTheTextAndTheLoopGoesOn) {
  ui::Form* form = ShownForm();
  auto* button = form->MakeChild<ui::Button>(form);
  button->SetBounds(10, 10, 75, 25);
  button->OnClick = [](ui::Component*) { throw std::runtime_error("文件无法读取"); };
  Pump();
  std::string shown;
  bool dismissed = false;
  backend_->SetIdleHandler([&] {
    if (dismissed) return false;
    // The report is a modal box over the form; read its text and press Enter on it.
    ui::Form* box = dynamic_cast<ui::Form*>(app_->ActiveForm());
    if (box == nullptr || box == form) return false;
    if (auto* text = dynamic_cast<ui::Label*>(box->FindComponent("Message"))) shown = text->Caption();
    backend_->PressKey(platform::kVkReturn);
    dismissed = true;
    return true;
  });
  gfx::Point at = button->ClientToScreen({5, 5});
  backend_->Click(at);
  Pump();
  EXPECT_EQ(shown, "文件无法读取");
  EXPECT_TRUE(dismissed);
  // The program goes on: the next click is handled and reported again.
  backend_->SetIdleHandler(nullptr);
  int clicks = 0;
  button->OnClick = [&](ui::Component*) { ++clicks; };
  backend_->Click(at);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(app_->Terminated());
}

TEST_F(ApplicationTest, OnExceptionReplacesTheBox) {
  ShownForm();
  std::vector<std::string> reports;
  app_->OnException = [&](const std::string& text) { reports.push_back(text); };
  app_->RunOnMainThread([] { throw std::runtime_error("one"); });
  app_->RunOnMainThread([] { throw 42; });
  Pump();
  EXPECT_EQ(reports, (std::vector<std::string>{"one", "Unknown error."}));
}

TEST_F(ApplicationTest, AReportThatFailsOrComesWhileOneIsUpNeverLeavesTheLoop) {
  ShownForm();
  std::vector<std::string> reports;
  app_->OnException = [&](const std::string& text) {
    reports.push_back(text);
    // An error while this report is up is not reported in another box, and the report's own
    // failure goes no further than the error stream.
    app_->HandleException(std::make_exception_ptr(std::runtime_error("nested")));
    throw std::runtime_error("the report failed");
  };
  app_->RunOnMainThread([] { throw std::runtime_error("one"); });
  app_->RunOnMainThread([] { throw std::runtime_error("two"); });
  Pump();
  EXPECT_EQ(reports, (std::vector<std::string>{"one", "two"}));
  EXPECT_FALSE(app_->Terminated());
}

TEST_F(ApplicationTest, WorkerThreadsRunCodeOnTheUiThread) {
  ShownForm();
  std::thread::id ui_thread = std::this_thread::get_id();
  std::atomic<bool> async_on_ui{false};
  std::atomic<bool> sync_on_ui{false};
  std::atomic<bool> sync_returned{false};
  std::atomic<bool> error_reached_worker{false};
  std::thread worker([&] {
    app_->RunOnMainThread([&] { async_on_ui = std::this_thread::get_id() == ui_thread; });
    app_->RunOnMainThreadSync([&] { sync_on_ui = std::this_thread::get_id() == ui_thread; });
    sync_returned = true;
    try {
      app_->RunOnMainThreadSync([] { throw std::runtime_error("bad"); });
    } catch (const std::runtime_error&) {
      error_reached_worker = true;
    }
  });
  // Serve the loop until the worker is done (it waits for the synchronous calls).
  while (!error_reached_worker) {
    Pump();
    std::this_thread::yield();
  }
  worker.join();
  EXPECT_TRUE(async_on_ui);
  EXPECT_TRUE(sync_on_ui);
  EXPECT_TRUE(sync_returned);
}

TEST_F(ApplicationTest, SyncCallIsReleasedWhenTheApplicationGoesAway) {
  std::atomic<bool> failed{false};
  std::thread worker([&] {
    try {
      app_->RunOnMainThreadSync([] {});
    } catch (const std::runtime_error&) {
      failed = true;
    }
  });
  // The worker wakes the loop once its call is queued; the UI thread never serves it.
  auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (backend_->PendingEvents() == 0 && std::chrono::steady_clock::now() < limit) std::this_thread::yield();
  EXPECT_GT(backend_->PendingEvents(), 0u) << "the worker never queued its call";
  app_.reset();
  worker.join();
  EXPECT_TRUE(failed);
  app_ = std::make_unique<ui::Application>();
}

TEST_F(ApplicationTest, SkinMessagesReachEveryFormThroughItsWindowProcedure) {
  auto* a = app_->CreateForm<ui::Form>();
  auto* b = app_->CreateForm<ui::Form>();
  auto loose = std::make_unique<ui::Form>();  // not owned by the application, still a window
  std::vector<std::string> got;
  for (ui::Form* f : {a, b, loose.get()}) {
    ui::WindowProcFn saved = f->WindowProc();
    f->SetWindowProc([&got, f, saved, a, b](ui::Message& m) {
      if (m.id >= ui::kSkinMsgBeforeChange && m.id <= ui::kSkinMsgMenuItemRun) {
        got.push_back((f == a ? "a" : f == b ? "b" : "loose") + std::string(" ") + std::to_string(m.id));
        m.result = 1;
        return;
      }
      saved(m);
    });
  }
  app_->SendToAllForms(ui::kSkinMsgBeforeChange, 5);
  app_->SendToAllForms(ui::kSkinMsgChange, 5);
  EXPECT_EQ(got, (std::vector<std::string>{"a 1225", "b 1225", "loose 1225", "a 1226", "b 1226", "loose 1226"}));
  EXPECT_EQ(a->Send(ui::kSkinMsgCloseMenus), 1);
}

TEST_F(ApplicationTest, FormsKeepCreationOrderAndTheFirstIsMain) {
  auto* a = app_->CreateForm<ui::Form>();
  auto* b = app_->CreateForm<ui::Form>();
  auto* c = app_->CreateForm<ui::Form>();
  EXPECT_EQ(app_->Forms(), (std::vector<ui::Form*>{a, b, c}));
  EXPECT_EQ(app_->MainForm(), a);
  std::vector<std::string> destroyed;
  a->OnDestroy = [&](ui::Component*) { destroyed.push_back("a"); };
  c->OnDestroy = [&](ui::Component*) { destroyed.push_back("c"); };
  app_.reset();
  EXPECT_EQ(destroyed, (std::vector<std::string>{"c", "a"}));
  app_ = std::make_unique<ui::Application>();
}

TEST_F(ApplicationTest, InputFiltersSeeInputFirstNewestFirstAndMayLetItPass) {
  auto* form = app_->CreateForm<ui::Form>();
  form->SetBounds(100, 100, 200, 150);
  form->Show();
  form->Activate();
  Pump();
  std::vector<std::string> seen;
  int form_keys = 0;
  std::string form_text;
  form->OnKeyDown = [&](ui::Control*, uint16_t&, ui::ShiftState) { ++form_keys; };
  form->OnKeyPress = [&](ui::Control*, char32_t& ch) { form_text += static_cast<char>(ch); };
  uintptr_t older = app_->AddInputFilter([&](platform::SurfaceId, ui::Message& m) {
    seen.push_back("older " + std::to_string(m.id));
    return m.id == ui::kMsgChar;  // keeps typed text
  });
  uintptr_t newer = 0;
  newer = app_->AddInputFilter([&](platform::SurfaceId surface, ui::Message& m) {
    seen.push_back("newer " + std::to_string(m.id));
    EXPECT_EQ(surface, form->Surface()->Id());
    if (m.id == ui::kMsgLButtonDown) {
      EXPECT_EQ(m.At(), (gfx::Point{150, 160}));
      app_->RemoveInputFilter(newer);  // a filter may remove itself while it runs
      return false;
    }
    return m.id == ui::kMsgKeyDown && m.Key() == 'K';
  });
  backend_->PressKey('K');
  backend_->InjectText("t");
  backend_->PressKey('J');
  Pump();
  EXPECT_EQ(form_keys, 1);  // J only
  EXPECT_EQ(form_text, "");
  EXPECT_EQ(seen, (std::vector<std::string>{"newer 256", "newer 258", "older 258", "newer 256", "older 256"}));
  seen.clear();
  backend_->Click({150, 160});
  Pump();
  EXPECT_FALSE(app_->HasInputFilter(newer));
  EXPECT_EQ(seen, (std::vector<std::string>{"newer 513", "older 513"}));
  app_->RemoveInputFilter(older);
  backend_->InjectText("u");
  Pump();
  EXPECT_EQ(form_text, "u");
}

}  // namespace
