// TskSkinSelectDirectoryDialog: choosing a folder in a skinned window with a folder tree.
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"

#include <algorithm>
#include <memory>

#include "platform/ShellNamespace.h"
#include "platform/linux/LinuxShellSystem.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/data/SkinData.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinDirTreeView.h"
#include "skin/frame/TskSkinForm.h"

namespace skin {

TskSkinSelectDirectoryDialog::TskSkinSelectDirectoryDialog() { SetName("TskSkinSelectDirectoryDialog"); }

TskSkinSelectDirectoryDialog::~TskSkinSelectDirectoryDialog() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
}

void TskSkinSelectDirectoryDialog::SetSkinData(TskSkinData* data) {
  if (skin_data_ != nullptr && skin_data_ != ctrl_skin_data_) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
}

void TskSkinSelectDirectoryDialog::SetCtrlSkinData(TskSkinData* data) {
  if (ctrl_skin_data_ != nullptr && ctrl_skin_data_ != skin_data_) ctrl_skin_data_->RemoveClient(this);
  ctrl_skin_data_ = data;
  if (ctrl_skin_data_ != nullptr) ctrl_skin_data_->AddClient(this);
}

void TskSkinSelectDirectoryDialog::SkinDataDestroyed(TskSkinData* data) {
  if (data == skin_data_) skin_data_ = nullptr;
  if (data == ctrl_skin_data_) ctrl_skin_data_ = nullptr;
}

void TskSkinSelectDirectoryDialog::Prepare(TskSelDirDlgForm& form, platform::ShellNamespace& shell) {
  form.SetCaption(title_);
  TskSkinForm& frame = *form.Frame;
  frame.SetBorderIcons(0);
  frame.AlphaBlendAnimation = alpha_blend_animation_;
  frame.SetAlphaBlendValue(alpha_blend_value_);
  frame.SetAlphaBlend(alpha_blend_);
  frame.SetMenusSkinData(ctrl_skin_data_);
  frame.SetSkinData(skin_data_);

  form.TreePanel->SetSkinData(ctrl_skin_data_);
  TskSkinDirTreeView& tree = *form.Tree;
  tree.SetDefaultFont(default_font_);
  tree.SetSkinData(ctrl_skin_data_);
  tree.SetShell(&shell);

  // A Directory that is missing, not a folder or not understood opens the computer folder rather
  // than failing the run: the user still gets to choose.
  bool opened = false;
  if (!directory_.empty()) {
    try {
      const std::string id = shell.Parse(directory_);
      if (shell.Item(id).folder) {
        tree.SetPath(directory_);
        opened = true;
      }
    } catch (const platform::ShellError&) {
    }
  }
  if (!opened && tree.OpenAt(std::string(platform::ShellNamespace::kComputerId))) tree.Selected()->Expand();

  for (TskSkinScrollBar* bar : {form.TreeVBar, form.TreeHBar}) bar->SetSkinData(ctrl_skin_data_);
  form.ButtonPanel->SetSkinData(ctrl_skin_data_);
  for (TskSkinButton* button : {form.OkButton, form.CancelButton}) {
    button->SetDefaultFont(default_font_);
    button->SetSkinData(ctrl_skin_data_);
  }

  int32_t width = client_width_ > 0 ? client_width_ : kFirstClientWidth;
  int32_t height = client_width_ > 0 ? client_height_ : kFirstClientHeight;
  if (skin_data_ != nullptr && !skin_data_->IsEmpty()) {
    width = std::max(width, frame.GetMinWidth());
    height = std::max(height, frame.GetMinHeight());
  }
  form.SetClientSize(width, height);
}

bool TskSkinSelectDirectoryDialog::ShowDialog() {
  std::unique_ptr<platform::ShellNamespace> own_shell;
  platform::ShellNamespace* shell = shell_;
  if (shell == nullptr) {
    own_shell = std::make_unique<platform::ShellNamespace>(platform::MakeLinuxShellSystem());
    shell = own_shell.get();
  }
  auto form = std::make_unique<TskSelDirDlgForm>();
  struct Running {
    TskSelDirDlgForm*& slot;
    ~Running() { slot = nullptr; }
  } running{form_};
  form_ = form.get();
  Prepare(*form, *shell);
  const bool confirmed = form->ShowModal() == ui::kMrOk;
  client_width_ = form->ClientWidth();
  client_height_ = form->ClientHeight();
  std::string chosen = form->ChosenPath();
  form->DoDestroy();
  form_ = nullptr;
  form.reset();
  if (!confirmed) return false;
  directory_ = std::move(chosen);
  if (OnConfirm) OnConfirm(*this);
  return true;
}

}  // namespace skin
