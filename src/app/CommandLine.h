// The command line: batch compression and single-picture conversion without a display.
#pragma once

namespace app {

// Runs the command named by the arguments and returns the process exit code.
int RunCommandLine(int argc, char** argv);

}  // namespace app
