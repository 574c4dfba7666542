// The command line: batch compression and single-picture conversion without a display.
#include "app/CommandLine.h"

#include <cstdio>

namespace app {

int RunCommandLine(int, char**) {
  std::fprintf(stderr, "orvel: the command line is not built yet\n");
  return 2;
}

}  // namespace app
