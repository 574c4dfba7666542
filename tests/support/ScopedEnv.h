// Points environment variables elsewhere for one test and puts them back when it ends.
#pragma once

#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>

namespace testing_support {

class ScopedEnv {
 public:
  ScopedEnv() = default;
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  void Set(const char* name, const std::string& value) {
    if (!saved_.contains(name)) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv(name, value.c_str(), 1);
    tzset();
  }
  ~ScopedEnv() {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
    tzset();
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// Runs a test body in UTC, so local times are known.
class UtcZone {
 public:
  UtcZone() { env_.Set("TZ", "UTC"); }

 private:
  ScopedEnv env_;
};

}  // namespace testing_support
