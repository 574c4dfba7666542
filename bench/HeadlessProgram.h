// The program on the headless backend for a benchmark: the backend and the application object
// live as long as this does.
#pragma once

#include <chrono>
#include <memory>
#include <thread>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/Application.h"

class HeadlessProgram {
 public:
  HeadlessProgram() {
    platform::SetBackend(std::make_unique<platform::HeadlessBackend>());
    app_ = std::make_unique<ui::Application>();
  }
  ~HeadlessProgram() {
    app_.reset();
    platform::SetBackend(nullptr);
  }
  HeadlessProgram(const HeadlessProgram&) = delete;
  HeadlessProgram& operator=(const HeadlessProgram&) = delete;

  // Makes the program's windows and shows the main one, the messages that follow handled.
  app::TOrvelDralen& Start() {
    main_ = app::CreateWindows(*app_).OrvelDralen;
    main_->Show();
    app_->ProcessMessages();
    return *main_;
  }
  ui::Application& App() { return *app_; }
  // Serves the loop until `done`, as the program's own loop would while workers report.
  template <class F>
  void ServeUntil(F done) {
    while (!done()) {
      app_->ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    app_->ProcessMessages();
  }

 private:
  std::unique_ptr<ui::Application> app_;
  app::TOrvelDralen* main_ = nullptr;
};
