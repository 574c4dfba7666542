// The windowed program: the application, its three windows and the message loop.
#pragma once

#include <functional>
#include <string>

namespace ui {
class Application;
}

namespace app {

class TOrvelDralen;
class TfrmScreen;
class TfrmsetC;

// The three windows of the program, in creation order.
struct Windows {
  TOrvelDralen* OrvelDralen = nullptr;
  TfrmsetC* frmsetC = nullptr;
  TfrmScreen* frmScreen = nullptr;
};

// Creates the main window (running its FormCreate), then the hidden colour dialog and capture
// window, and links them.
Windows CreateWindows(ui::Application& app);

// With the backend already set: creates the application and the windows and runs the loop
// until the main window closes. A file named opens as "打开图片" opens it, once the loop runs
// (its errors show as any handler's). Returns the exit code.
//
// With `quit_after_first_paint` the loop ends instead as soon as the main window is shown and
// fully painted on the screen, so the time a start takes can be measured from outside.
int RunApplication(const std::string& open_file = {}, bool quit_after_first_paint = false);

// The argument that starts the windowed program, paints its main window once and exits with 0.
inline constexpr const char* kQuitAfterPaintOption = "--quit-after-paint";

// Sets the desktop backend, runs `run` and takes the backend down again. A backend that cannot
// start, or an error `run` throws, is printed as "orvel: ..." and gives exit code 1; otherwise the
// code is `run`'s.
int RunOnDesktop(const std::function<int()>& run);

// Starts the windowed program on the desktop backend, with the picture file named by the one
// argument when there is one (or, given kQuitAfterPaintOption, ending after the first paint), and
// returns the process exit code when the main window closes.
int RunWindowed(int argc, char** argv);

}  // namespace app
