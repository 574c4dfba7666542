// The display for tests that need a real X server: DISPLAY when set, else a private Xvfb.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

// A private Xvfb picks a free display number itself (-displayfd), writes nowhere the test's own
// output goes, and dies with the test process even when that is killed.
class PrivateXServer {
 public:
  PrivateXServer() = default;
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;
  ~PrivateXServer() { Stop(); }

  // The display name, or nothing when no server could be had.
  std::optional<std::string> Start() {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) return std::string(display);
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    std::string fd = std::to_string(fds[1]);
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      close(fds[0]);
      int devnull = open("/dev/null", O_RDWR);
      if (devnull >= 0) {
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
      }
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-br", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    if (pid_ < 0) pid_ = 0;
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (pid_ != 0 && poll(&p, 1, 10000) > 0) {
      char c = 0;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    if (number.empty()) {
      Stop();
      return std::nullopt;
    }
    std::string name = ":" + number;
    setenv("DISPLAY", name.c_str(), 1);
    started_ = true;
    return name;
  }

  // True when this object started the server (rather than using DISPLAY).
  bool Started() const { return started_; }

  void Stop() {
    if (pid_ != 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = 0;
    }
    if (started_) unsetenv("DISPLAY");
    started_ = false;
  }

 private:
  pid_t pid_ = 0;
  bool started_ = false;
};

}  // namespace testing_support
