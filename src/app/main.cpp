// Entry point: with arguments the command line runs, without them the windowed program.
#include "app/CommandLine.h"
#include "app/WindowedApp.h"

int main(int argc, char** argv) {
  if (argc > 1) return app::RunCommandLine(argc, argv);
  return app::RunWindowed(argc, argv);
}
