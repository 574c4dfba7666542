// `orvel --dialog`: one file dialog alone, its result printed for scripts and desktop checks.
#include "app/DialogCommand.h"

#include <cstdio>
#include <stdexcept>

#include "app/WindowedApp.h"
#include "resources/EmbeddedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "ui/Application.h"

namespace app {

namespace {

// The main window's picture filter: the three kinds the program opens and saves.
constexpr const char* kPictureFilter =
    "All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|"
    "Bitmaps (*.bmp)|*.bmp|";

}  // namespace

DialogOptions ParseDialogOptions(const std::vector<std::string>& args) {
  if (args.empty()) throw std::invalid_argument("--dialog 需要 open、save 或 folder");
  DialogOptions options;
  const std::string& kind = args[0];
  if (kind == "open") options.kind = DialogOptions::Kind::kOpen;
  else if (kind == "save") options.kind = DialogOptions::Kind::kSave;
  else if (kind == "folder") options.kind = DialogOptions::Kind::kFolder;
  else throw std::invalid_argument("未知的对话框: " + kind);
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--multi") {
      if (options.kind != DialogOptions::Kind::kOpen) throw std::invalid_argument("--multi 只用于 open 对话框");
      options.multi = true;
    } else if (a == "--no-skin") {
      options.skinned = false;
    } else if (a == "--initial") {
      if (i + 1 >= args.size() || args[i + 1].empty()) throw std::invalid_argument("--initial 需要一个文件夹");
      options.initial = args[++i];
    } else {
      throw std::invalid_argument("未知的选项: " + a);
    }
  }
  return options;
}

std::vector<std::string> RunDialogOnce(const DialogOptions& options, platform::ShellNamespace* shell) {
  skin::TskSkinData skin;
  if (options.skinned) resources::LoadEmbeddedSkin(skin);
  skin::TskSkinData* data = options.skinned ? &skin : nullptr;
  std::vector<std::string> lines;
  if (options.kind == DialogOptions::Kind::kFolder) {
    skin::TskSkinSelectDirectoryDialog dialog;
    dialog.SetShell(shell);
    dialog.SetSkinData(data);
    dialog.SetCtrlSkinData(data);
    dialog.SetDirectory(options.initial);
    if (!dialog.ShowDialog()) return {"cancelled"};
    lines.push_back("Directory=" + dialog.Directory());
    return lines;
  }
  std::unique_ptr<skin::TskSkinOpenPictureDialog> dialog;
  if (options.kind == DialogOptions::Kind::kSave) dialog = std::make_unique<skin::TskSkinSavePictureDialog>();
  else dialog = std::make_unique<skin::TskSkinOpenPictureDialog>();
  dialog->SetShell(shell);
  dialog->SetSkinData(data);
  dialog->SetCtrlSkinData(data);
  dialog->SetFilter(kPictureFilter);
  dialog->SetInitialDir(options.initial.empty() ? "rfDesktop" : options.initial);
  dialog->SetMultiSelection(options.multi);
  if (!dialog->ShowDialog()) return {"cancelled"};
  lines.push_back("FileName=" + dialog->FileName());
  for (const std::string& file : dialog->SelectedFiles()) lines.push_back("SelectedFile=" + file);
  lines.push_back("FilterIndex=" + std::to_string(dialog->FilterIndex()));
  return lines;
}

int RunDialogCommand(const DialogOptions& options) {
  return RunOnDesktop([&options] {
    ui::Application app;
    // Errors while the dialog is up are reported and the dialog goes on.
    app.OnException = [](const std::string& text) { std::fprintf(stderr, "orvel: %s\n", text.c_str()); };
    const std::vector<std::string> lines = RunDialogOnce(options);
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return lines.size() == 1 && lines[0] == "cancelled" ? 1 : 0;
  });
}

}  // namespace app
