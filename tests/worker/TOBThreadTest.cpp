// The worker-thread component: exclusive runs, counting, events on the UI thread, cooperative stop, pass-throughs.
#include "worker/TOBThread.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/Form.h"
#include "ui/Message.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;
using worker::TOBThread;

// A gate the handler waits at, so a test decides when a thread may finish.
struct Gate {
  std::atomic<bool> open{false};
  std::atomic<int> entered{0};
  void Wait() {
    ++entered;
    while (!open && !TOBThread::StopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
};

class TOBThreadTest : public UiTest {
 protected:
  void SetUp() override {
    thread_ = std::make_unique<TOBThread>();
    thread_->Onbegin = [this](ui::Component* s) { Log("begin", s); };
    thread_->OnFinish = [this](ui::Component* s) { Log("finish", s); };
    thread_->OnFinishAll = [this](ui::Component* s) { Log("all", s); };
    thread_->OnExecute = [this](ui::Component* s, void* p) {
      if (s != nullptr) bad_sender_ = true;
      if (p != nullptr) static_cast<Gate*>(p)->Wait();
    };
  }
  void TearDown() override { thread_.reset(); }

  void Log(const char* what, ui::Component* sender) {
    if (sender != nullptr) bad_sender_ = true;
    if (!app_->IsMainThread()) bad_thread_ = true;
    log_.push_back(what);
  }
  // Serves the loop until the count drops to the wanted value (the ends arrive through it).
  void PumpUntilCount(int count) {
    for (int i = 0; i < 5000 && thread_->RunningCount() != count; ++i) {
      Pump();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    Pump();
  }

  std::unique_ptr<TOBThread> thread_;
  std::vector<std::string> log_;
  std::atomic<bool> bad_sender_{false};
  bool bad_thread_ = false;
};

TEST_F(TOBThreadTest, StartsWithTheDesignedDefaults) {
  EXPECT_EQ(thread_->RunningCount(), 0);
  EXPECT_TRUE(thread_->Exclusif());
  EXPECT_TRUE(thread_->RunOnCreate());
  EXPECT_TRUE(thread_->FreeOnTerminate());
  EXPECT_TRUE(thread_->About().empty());
  EXPECT_FALSE(thread_->OneThreadIsRunning());
}

TEST_F(TOBThreadTest, WithoutAHandlerNothingStarts) {
  thread_->OnExecute = nullptr;
  EXPECT_EQ(thread_->Execute(nullptr), 0u);
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(thread_->RunningCount(), 0);
}

TEST_F(TOBThreadTest, ExclusiveRefusesASecondThreadUntilTheFirstFinished) {
  Gate gate;
  uint32_t id = thread_->Execute(&gate);
  EXPECT_NE(id, 0u);
  EXPECT_TRUE(thread_->OneThreadIsRunning());
  EXPECT_EQ(thread_->Execute(&gate), 0u);  // refused, and no event for it
  EXPECT_EQ(log_, std::vector<std::string>{"begin"});
  gate.open = true;
  PumpUntilCount(0);
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
  Gate second;
  second.open = true;
  EXPECT_NE(thread_->Execute(&second), 0u);
  PumpUntilCount(0);
  EXPECT_EQ(log_.size(), 6u);
  EXPECT_FALSE(bad_sender_);
  EXPECT_FALSE(bad_thread_);
}

TEST_F(TOBThreadTest, NonExclusiveThreadsRunSideBySideAndFinishAllFiresOnce) {
  thread_->SetExclusif(false);
  Gate a;
  Gate b;
  EXPECT_NE(thread_->Execute(&a), 0u);
  EXPECT_NE(thread_->Execute(&b), 0u);
  while (a.entered == 0 || b.entered == 0) std::this_thread::yield();  // both are running at once
  EXPECT_EQ(thread_->RunningCount(), 2);
  a.open = true;
  PumpUntilCount(1);
  b.open = true;
  PumpUntilCount(0);
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "begin", "finish", "finish", "all"}));
}

TEST_F(TOBThreadTest, QuitThreadStopsCooperativelyAndTheCountComesBack) {
  Gate gate;  // never opened: only the stop request lets the handler return
  uint32_t id = thread_->Execute(&gate);
  while (gate.entered == 0) std::this_thread::yield();
  EXPECT_TRUE(thread_->QuitThread(id));
  PumpUntilCount(0);
  EXPECT_EQ(thread_->RunningCount(), 0);
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
  // Exclusive running works again, and the finished thread is unknown now.
  EXPECT_FALSE(thread_->QuitThread(id));
  gate.open = true;
  EXPECT_NE(thread_->Execute(&gate), 0u);
  PumpUntilCount(0);
}

TEST_F(TOBThreadTest, HeldThreadStartsOnResumeAndCountsUntilItEnds) {
  thread_->SetRunOnCreate(false);
  std::atomic<int> runs{0};
  thread_->OnExecute = [&](ui::Component*, void*) { ++runs; };
  uint32_t id = thread_->Execute(nullptr);
  ASSERT_NE(id, 0u);
  EXPECT_EQ(thread_->Suspend(id), 1);  // held twice now
  EXPECT_EQ(thread_->Resume(id), 2);
  Pump();
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(thread_->RunningCount(), 1);
  EXPECT_EQ(thread_->Resume(id), 1);  // starts
  PumpUntilCount(0);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
}

TEST_F(TOBThreadTest, QuittingAHeldThreadEndsItWithoutRunningTheHandler) {
  thread_->SetRunOnCreate(false);
  std::atomic<int> runs{0};
  thread_->OnExecute = [&](ui::Component*, void*) { ++runs; };
  uint32_t id = thread_->Execute(nullptr);
  EXPECT_TRUE(thread_->QuitThread(id));
  PumpUntilCount(0);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
}

TEST_F(TOBThreadTest, AnEscapingErrorIsReportedAndTheThreadStillEnds) {
  std::vector<std::string> reports;
  app_->OnException = [&](const std::string& text) { reports.push_back(text); };
  thread_->OnExecute = [](ui::Component*, void*) { throw std::runtime_error("压缩失败"); };
  EXPECT_NE(thread_->Execute(nullptr), 0u);
  PumpUntilCount(0);
  EXPECT_EQ(reports, std::vector<std::string>{"压缩失败"});
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
}

TEST_F(TOBThreadTest, PassThroughsAnswerWithTheirFailureValues) {
  EXPECT_EQ(thread_->GetPriority(0), 0);
  EXPECT_EQ(thread_->GetPriority(12345), TOBThread::kPriorityErrorReturn);
  EXPECT_FALSE(thread_->SetPriority(12345, 0));
  EXPECT_FALSE(thread_->QuitThread(12345));
  EXPECT_EQ(thread_->Suspend(12345), TOBThread::kSuspendFailed);
  EXPECT_EQ(thread_->Resume(12345), TOBThread::kSuspendFailed);

  Gate gate;
  uint32_t id = thread_->Execute(&gate);
  while (gate.entered == 0) std::this_thread::yield();
  // A thread starts at the process's own level: normal, unless the tests were started with a
  // lowered priority (`nice`), which the thread inherits.
  errno = 0;
  const bool process_at_normal = getpriority(PRIO_PROCESS, 0) == 0 && errno == 0;
  if (process_at_normal) {
    EXPECT_EQ(thread_->GetPriority(id), TOBThread::kPriorityNormal);
  } else {
    EXPECT_NE(thread_->GetPriority(id), TOBThread::kPriorityErrorReturn);
  }
  // A byte cannot name a level below normal; a value that is no level at all is refused.
  EXPECT_FALSE(thread_->SetPriority(id, 255));
  EXPECT_FALSE(thread_->SetPriority(id, 7));
  // Raising a thread needs a privilege the process may lack, so only a success must show; going
  // back down to normal from the start or from above is always allowed.
  bool raised = thread_->SetPriority(id, TOBThread::kPriorityHighest);
  if (raised) {
    EXPECT_EQ(thread_->GetPriority(id), TOBThread::kPriorityHighest);
  }
  if (raised || process_at_normal) {
    EXPECT_TRUE(thread_->SetPriority(id, TOBThread::kPriorityNormal));
    EXPECT_EQ(thread_->GetPriority(id), TOBThread::kPriorityNormal);
  }
  // A running thread cannot be suspended here; resuming it reports it was not held.
  EXPECT_EQ(thread_->Suspend(id), TOBThread::kSuspendFailed);
  EXPECT_EQ(thread_->Resume(id), 0);
  gate.open = true;
  PumpUntilCount(0);
}

TEST_F(TOBThreadTest, DestroyingTheComponentStopsJoinsAndDeliversEveryEndWithoutServingTheLoop) {
  thread_->SetExclusif(false);
  Gate gate;  // never opened: only the stop request lets these handlers return
  Gate open;
  open.open = true;
  thread_->Execute(&gate);
  thread_->Execute(&gate);
  thread_->Execute(&open);  // may have ended already, its end still queued
  thread_->SetRunOnCreate(false);
  thread_->Execute(nullptr);  // held: ends without running the handler
  while (gate.entered < 2) std::this_thread::yield();
  bool unrelated_ran = false;
  app_->RunOnMainThread([&] { unrelated_ran = true; });

  thread_.reset();  // must return: the handlers see the stop request
  EXPECT_FALSE(unrelated_ran) << "the destructor served the message loop";
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "begin", "begin", "begin", "finish", "finish", "finish",
                                            "finish", "all"}));
  Pump();  // the ends the threads queued find the component gone and do nothing
  EXPECT_TRUE(unrelated_ran);
  EXPECT_EQ(log_.size(), 9u);
  EXPECT_FALSE(bad_thread_);
}

TEST_F(TOBThreadTest, SynchronizeRunsACallOnTheUiThreadAndHandsBackItsError) {
  std::atomic<bool> ran_on_ui{false};
  std::atomic<bool> result{false};
  std::string error;  // written by the handler, read after its end was delivered
  thread_->OnExecute = [&](ui::Component*, void*) {
    result = TOBThread::Synchronize([&] { ran_on_ui = app_->IsMainThread(); });
    try {
      TOBThread::Synchronize([] { throw std::runtime_error("界面调用失败"); });
    } catch (const std::runtime_error& e) {
      error = e.what();
    }
  };
  ASSERT_NE(thread_->Execute(nullptr), 0u);
  PumpUntilCount(0);
  EXPECT_TRUE(result);
  EXPECT_TRUE(ran_on_ui);
  EXPECT_EQ(error, "界面调用失败");
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
}

TEST_F(TOBThreadTest, AHandlerReportsToAControlThroughItsMessageQueue) {
  auto* form = app_->CreateForm<ui::Form>();
  ui::WindowProcFn saved = form->WindowProc();
  std::vector<intptr_t> received;
  form->SetWindowProc([&](ui::Message& m) {
    if (m.id == ui::kMsgUser + 1) {
      if (!app_->IsMainThread()) bad_thread_ = true;
      received.push_back(m.wparam);
      return;
    }
    saved(m);
  });
  thread_->OnExecute = [&](ui::Component*, void*) {
    for (intptr_t step = 1; step <= 3; ++step) app_->PostMessage(form, ui::Message{ui::kMsgUser + 1, step, 0});
  };
  ASSERT_NE(thread_->Execute(nullptr), 0u);
  PumpUntilCount(0);
  Pump();  // a message handed over just before the end may be queued only now
  EXPECT_EQ(received, (std::vector<intptr_t>{1, 2, 3}));
  EXPECT_FALSE(bad_thread_);
  form->SetWindowProc(saved);  // the form outlives this test's locals
}

TEST_F(TOBThreadTest, DestroyingTheComponentReleasesAHandlerWaitingForTheUiThread) {
  std::atomic<int> entered{0};
  std::atomic<int> answer{-1};
  bool call_ran = false;
  thread_->OnExecute = [&](ui::Component*, void*) {
    ++entered;
    answer = TOBThread::Synchronize([&] { call_ran = true; }) ? 1 : 0;
  };
  ASSERT_NE(thread_->Execute(nullptr), 0u);
  while (entered == 0) std::this_thread::yield();
  thread_.reset();  // must return although the handler waits for the UI thread
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(log_, (std::vector<std::string>{"begin", "finish", "all"}));
  Pump();
  EXPECT_FALSE(call_ran) << "a call given up by its thread still ran";
}

}  // namespace
