// `orvel --gallery`: the control gallery on the desktop, as a picture file or as a list of samples.
#pragma once

namespace app {

// Runs `orvel --gallery [basic] [--shot FILE] [--list]` (argv[1] is "--gallery") and returns the
// process exit code. Without --shot and --list the window opens on the desktop; with either of
// them the gallery is built on the headless backend and needs no display.
int RunGallery(int argc, char** argv);

}  // namespace app
