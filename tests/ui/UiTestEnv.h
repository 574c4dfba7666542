// Test fixture: a headless backend with a virtual clock and the application object around each test.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "ui/Application.h"

namespace ui_test {

class UiTest : public ::testing::Test {
 protected:
  UiTest() {
    auto backend = std::make_unique<platform::HeadlessBackend>();
    backend_ = backend.get();
    platform::SetBackend(std::move(backend));
    app_ = std::make_unique<ui::Application>();
  }
  ~UiTest() override {
    app_.reset();
    platform::SetBackend(nullptr);
  }

  void Pump() { app_->ProcessMessages(); }
  void Advance(uint64_t ms) {
    backend_->AdvanceClock(ms);
    Pump();
  }

  platform::HeadlessBackend* backend_;
  std::unique_ptr<ui::Application> app_;
};

}  // namespace ui_test
