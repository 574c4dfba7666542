// The plain edit on a real X server: typed text, then Ctrl+A and Ctrl+C, read back by another program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/Backend.h"
#include "platform/sdl/SdlBackend.h"
#include "support/DesktopSuite.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"

extern char** environ;

namespace {

// The limit only ends a test whose condition never comes.
constexpr int kPatienceMs = 20000;

class EditDesktopTest : public testing_support::DesktopSuite {
 protected:
  void SetUp() override {
    if (!SkipReason().empty()) GTEST_SKIP() << SkipReason();
    if (!testing_support::ToolOnPath("xdotool") || !testing_support::ToolOnPath("xclip")) GTEST_SKIP() << "xdotool and xclip are needed";
    app_ = std::make_unique<ui::Application>();
  }
  void TearDown() override { app_.reset(); }

  // Runs the loop until the condition holds (or the patience runs out).
  bool PumpUntil(const std::function<bool()>& done) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
    while (!done() && std::chrono::steady_clock::now() < end) {
      app_->ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
  }
  // Runs a program while the loop goes on (the selections are answered by this process), and
  // returns what it printed.
  std::string Run(const std::vector<std::string>& args) {
    int fds[2];
    if (pipe(fds) != 0) return "<no pipe>";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const bool started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (!started) {
      close(fds[0]);
      return "<not started>";
    }
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    std::string out;
    bool exited = false;
    PumpUntil([&] {
      char buf[256];
      ssize_t n;
      while ((n = read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
      int status = 0;
      if (!exited && waitpid(pid, &status, WNOHANG) == pid) exited = true;
      return exited && n == 0;
    });
    if (!exited) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    close(fds[0]);
    return out;
  }

  std::unique_ptr<ui::Application> app_;
};

TEST_F(EditDesktopTest, TypedTextGoesToTheClipboardAndThePrimarySelection) {
  auto* form = app_->CreateForm<ui::Form>();
  form->SetBorderStyle(ui::BorderStyle::kNone);
  form->SetBounds(100, 100, 240, 60);
  auto* edit = form->MakeChild<ui::Edit>(form);
  edit->SetBounds(10, 10, 200, 24);
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return platform::GetBackend().ActiveSurface() == form->Surface()->Id(); }));
  edit->SetFocus();
  const std::string hello = "Hello \xE5\x9B\xBE\xE7\x89\x87";
  // The Latin part is typed through the X server. xdotool types a character missing from the
  // keyboard map by mapping a spare key for it and unmapping it when done, so a key event read
  // after that finds no character: the Chinese part is therefore committed the way an input method
  // commits it (the headless tests cover typed and composed Chinese).
  Run({"xdotool", "type", "--delay", "20", "Hello "});
  ASSERT_TRUE(PumpUntil([&] { return edit->Text() == "Hello "; })) << edit->Text();
  edit->SetSelText("\xE5\x9B\xBE\xE7\x89\x87");
  ASSERT_EQ(edit->Text(), hello);
  Run({"xdotool", "key", "ctrl+a", "ctrl+c"});
  // Ctrl+C may still be on its way when the selection is complete: wait until this process holds
  // both selections before another program asks for them.
  ASSERT_TRUE(PumpUntil([&] {
    return edit->SelLength() == hello.size() && platform::GetBackend().ClipboardText() == hello &&
           platform::GetBackend().PrimarySelectionText() == hello;
  }));
  EXPECT_EQ(Run({"xclip", "-o", "-selection", "clipboard"}), hello);
  EXPECT_EQ(Run({"xclip", "-o"}), hello);
}

}  // namespace
