// The windowed program: the application, its three windows and the message loop.
#include "app/WindowedApp.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "app/TOrvelDralen.h"
#include "app/TfrmScreen.h"
#include "app/TfrmsetC.h"
#include "platform/Backend.h"
#include "platform/sdl/SdlBackend.h"
#include "skin/frame/TskSkinMessage.h"
#include "ui/Application.h"

namespace app {

Windows CreateWindows(ui::Application& app) {
  Windows w;
  w.OrvelDralen = app.CreateForm<TOrvelDralen>();
  w.frmsetC = app.CreateForm<TfrmsetC>(*w.OrvelDralen);
  w.frmScreen = app.CreateForm<TfrmScreen>(*w.OrvelDralen);
  w.OrvelDralen->frmsetC = w.frmsetC;
  w.OrvelDralen->frmScreen = w.frmScreen;
  // The general error report shows in the program's own skinned box while the main window lives.
  TOrvelDralen* main = w.OrvelDralen;
  app.OnException = [&app, main](const std::string& text) {
    if (!app.IsLive(main)) {
      std::fprintf(stderr, "%s\n", text.c_str());
      return;
    }
    main->skSkinMessage1->ShowMessageBox(text, skin::MessageType::kError, skin::kMbOK);
  };
  return w;
}

int RunApplication(const std::string& open_file, bool quit_after_first_paint) {
  ui::Application app;
  TOrvelDralen* main = CreateWindows(app).OrvelDralen;
  if (!open_file.empty()) app.RunOnMainThread([main, open_file] { main->OpenPictureFile(open_file); });
  if (quit_after_first_paint) {
    // Shown, its window made and nothing left to paint or present: the first paint is on screen.
    main->Show();
    app.RunUntil([&app, main] { return !app.IsLive(main) || (main->Surface() != nullptr && !main->NeedsPaint()); });
    return 0;
  }
  app.Run();
  return 0;
}

int RunOnDesktop(const std::function<int()>& run) {
  try {
    platform::SetBackend(platform::CreateSdlBackend());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel: %s\n", e.what());
    return 1;
  }
  int code = 1;
  try {
    code = run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvel: %s\n", e.what());
  }
  platform::SetBackend(nullptr);
  return code;
}

int RunWindowed(int argc, char** argv) {
  const bool quit_after_paint = argc == 2 && std::strcmp(argv[1], kQuitAfterPaintOption) == 0;
  return RunOnDesktop([&] { return RunApplication(argc == 2 && !quit_after_paint ? argv[1] : "", quit_after_paint); });
}

}  // namespace app
