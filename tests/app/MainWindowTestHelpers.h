// Helpers of the tests that run the program's windows on the headless backend.
#pragma once

#include <string>
#include <vector>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/frame/TskMessageForm.h"
#include "ui/Application.h"

namespace main_window_test {

// Makes the program's three windows and shows the main one (the caller pumps).
inline app::TOrvelDralen* ShowMainWindow(ui::Application& app) {
  app::TOrvelDralen* main = app::CreateWindows(app).OrvelDralen;
  main->Show();
  return main;
}

// For an idle handler: when a message box waits for an answer, keeps its text and answers it.
// True when it answered one.
inline bool AnswerMessageBox(ui::Application& app, std::vector<std::string>& texts, int answer) {
  auto* box = dynamic_cast<skin::TskMessageForm*>(app.ActiveForm());
  if (box == nullptr || box->ModalResult() != 0) return false;
  texts.push_back(box->MessageLabel()->Caption());
  box->SetModalResult(answer);
  return true;
}

}  // namespace main_window_test
