// The windowed program: the application, its three windows and the message loop.
#include "app/WindowedApp.h"

#include <cstdio>

namespace app {

int RunWindowed(int, char**) {
  std::fprintf(stderr, "orvel: the windowed program is not built yet; see orvel --help\n");
  return 2;
}

}  // namespace app
