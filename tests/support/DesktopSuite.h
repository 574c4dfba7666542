// Test suites on the desktop backend over a real X server.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "platform/Backend.h"
#include "platform/sdl/SdlBackend.h"
#include "support/PrivateXServer.h"

namespace testing_support {

// Whether an executable of that name is on PATH.
inline bool ToolOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  const std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    if (access((dirs.substr(start, end - start) + "/" + name).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

// One X server and one desktop backend for the whole suite, as the program has one per process.
// A suite that can have neither says why in SkipReason(); its tests skip on it in their SetUp.
class DesktopSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skip_reason_.clear();
    if (!server_.Start().has_value()) {
      skip_reason_ = "no X server could be started";
      return;
    }
    try {
      platform::SetBackend(platform::CreateSdlBackend());
    } catch (const std::exception& e) {
      skip_reason_ = e.what();
    }
  }
  static void TearDownTestSuite() {
    if (platform::HasBackend()) platform::SetBackend(nullptr);
    server_.Stop();
  }
  static const std::string& SkipReason() { return skip_reason_; }

 private:
  static inline PrivateXServer server_;
  static inline std::string skip_reason_;
};

}  // namespace testing_support
