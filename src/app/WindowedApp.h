// The windowed program: the application, its three windows and the message loop.
#pragma once

namespace app {

// Starts the windowed program and returns the process exit code when the main window closes.
int RunWindowed(int argc, char** argv);

}  // namespace app
