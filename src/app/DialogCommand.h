// `orvel --dialog`: one file dialog alone, its result printed for scripts and desktop checks.
#pragma once

#include <string>
#include <vector>

namespace platform {
class ShellNamespace;
}

namespace app {

struct DialogOptions {
  enum class Kind { kOpen, kSave, kFolder };
  Kind kind = Kind::kOpen;
  bool multi = false;    // the open dialog selects several files
  bool skinned = true;   // the program's skin, else the plain look
  std::string initial;   // starting folder; the desktop when empty
};

// Reads the words after "--dialog": open|save|folder, then --multi, --no-skin and --initial DIR
// in any order. Throws std::invalid_argument with the reason for anything else.
DialogOptions ParseDialogOptions(const std::vector<std::string>& args);

// Runs the dialog with the application that exists and returns what to print: "FileName=",
// one "SelectedFile=" per selected file and "FilterIndex=" for the picture dialogs,
// "Directory=" for the folder dialog, or the single line "cancelled". The shell is the desktop's
// own when null.
std::vector<std::string> RunDialogOnce(const DialogOptions& options, platform::ShellNamespace* shell = nullptr);

// Opens the desktop backend, runs the dialog and prints its lines. Exit code 0 when confirmed,
// 1 when cancelled or failed.
int RunDialogCommand(const DialogOptions& options);

}  // namespace app
