// Entry point: with options the command line or the control gallery runs; without arguments, or
// with one file name, the windowed program (with that picture open).
#include <cstring>

#include "app/CommandLine.h"
#include "app/WindowedApp.h"
#include "app/gallery/Gallery.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--gallery") == 0) return app::RunGallery(argc, argv);
  if (argc == 2 && argv[1][0] != '-' && argv[1][0] != '\0') return app::RunWindowed(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], app::kQuitAfterPaintOption) == 0) return app::RunWindowed(argc, argv);
  if (argc > 1) return app::RunCommandLine(argc, argv);
  return app::RunWindowed(argc, argv);
}
