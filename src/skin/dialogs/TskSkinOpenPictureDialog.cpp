// TskSkinOpenPictureDialog and TskSkinSavePictureDialog: running the picture dialog's window.
#include "skin/dialogs/TskSkinOpenPictureDialog.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "platform/ShellNamespace.h"
#include "platform/linux/LinuxShellSystem.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/data/SkinData.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/frame/TskSkinForm.h"

namespace skin {

namespace {

// Frees the window however the run ends and forgets it as the running one.
class RunningScope {
 public:
  RunningScope(std::unique_ptr<TskOpenPictureDlgForm> form, TskOpenPictureDlgForm*& running)
      : form_(std::move(form)), running_(running) {
    running_ = form_.get();
  }
  ~RunningScope() {
    running_ = nullptr;
    form_->DoDestroy();
  }
  TskOpenPictureDlgForm& Form() const { return *form_; }

 private:
  std::unique_ptr<TskOpenPictureDlgForm> form_;
  TskOpenPictureDlgForm*& running_;
};

}  // namespace

TskSkinOpenPictureDialog::TskSkinOpenPictureDialog() : TskSkinOpenPictureDialog(false) {}

TskSkinOpenPictureDialog::TskSkinOpenPictureDialog(bool save_mode) : save_mode_(save_mode) {
  SetName(save_mode ? "TskSkinSavePictureDialog" : "TskSkinOpenPictureDialog");
}

TskSkinOpenPictureDialog::~TskSkinOpenPictureDialog() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
}

void TskSkinOpenPictureDialog::SetSkinData(TskSkinData* data) {
  if (skin_data_ != nullptr && skin_data_ != ctrl_skin_data_) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
}

void TskSkinOpenPictureDialog::SetCtrlSkinData(TskSkinData* data) {
  if (ctrl_skin_data_ != nullptr && ctrl_skin_data_ != skin_data_) ctrl_skin_data_->RemoveClient(this);
  ctrl_skin_data_ = data;
  if (ctrl_skin_data_ != nullptr) ctrl_skin_data_->AddClient(this);
}

void TskSkinOpenPictureDialog::SkinDataDestroyed(TskSkinData* data) {
  if (data == skin_data_) skin_data_ = nullptr;
  if (data == ctrl_skin_data_) ctrl_skin_data_ = nullptr;
}

platform::ShellNamespace& TskSkinOpenPictureDialog::NeededShell() {
  if (shell_ != nullptr) return *shell_;
  if (!own_shell_) own_shell_ = std::make_unique<platform::ShellNamespace>(platform::MakeLinuxShellSystem());
  return *own_shell_;
}

std::string TskSkinOpenPictureDialog::OpenStartingFolder(TskOpenPictureDlgForm& form) {
  platform::ShellNamespace& shell = form.Shell();
  const size_t slash = file_name_.rfind('/');
  const bool has_folder = slash != std::string::npos;
  const std::string name = has_folder ? file_name_.substr(slash + 1) : file_name_;
  std::vector<std::string> candidates;
  if (has_folder) candidates.push_back(slash == 0 ? "/" : file_name_.substr(0, slash));
  if (!initial_dir_.empty()) candidates.push_back(initial_dir_);
  else if (std::string program = shell.ProgramFolder(); !program.empty()) candidates.push_back(program);
  candidates.push_back("rfDesktop");

  // A folder remembered from an earlier run may be gone: the next candidate takes over, and only
  // when none opens does the run fail, with the first one's error.
  std::exception_ptr first_error;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const std::string& folder = candidates[i];
    try {
      const std::string id = shell.Parse(folder);
      if (shell.Kind(id) != platform::FileKind::kFolder)
        throw platform::ShellError("Error setting path: \"" + folder + "\"");
      form.StartIn(folder);
    } catch (const platform::ShellError&) {
      if (!first_error) first_error = std::current_exception();
      continue;
    }
    if (i == 0 && has_folder) {
      // Select the named file when the folder shows it.
      const auto& entries = form.FileList->Entries();
      const auto it = std::find_if(entries.begin(), entries.end(),
                                   [&name](const platform::ShellEntry& e) { return e.Name() == name; });
      if (it != entries.end()) form.FileList->SetItemIndex(static_cast<int32_t>(it - entries.begin()));
    }
    return name;
  }
  std::rethrow_exception(first_error);
}

bool TskSkinOpenPictureDialog::ShowDialog() {
  RunningScope scope(std::make_unique<TskOpenPictureDlgForm>(save_mode_, NeededShell()), running_);
  TskOpenPictureDlgForm& form = scope.Form();

  form.SetCaption(title_);
  form.Frame->SetBorderIcons(0);
  form.Frame->SetSkinData(skin_data_);
  form.Frame->AlphaBlendAnimation = alpha_blend_animation_;
  form.Frame->SetAlphaBlendValue(alpha_blend_value_);
  form.Frame->SetAlphaBlend(alpha_blend_);
  form.SetViewStyle(view_style_);

  // The filter first, so the starting folder is read once with its mask.
  form.FilterCombo->SetFilter(filter_);
  if (filter_index_ >= 1 && filter_index_ <= form.FilterCombo->Count()) form.FilterCombo->SetItemIndex(filter_index_ - 1);
  form.FileList->SetMask(form.FilterCombo->CurrentMask());

  const std::string name = OpenStartingFolder(form);
  form.FileNameEdit->SetText(name);
  form.FileList->SetHeaderSkinDataName(header_skin_data_name_);
  form.FileList->SetMultiSelect(multi_selection_);
  form.PreviewPanel->SetBounds(form.PreviewPanel->Left(), form.PreviewPanel->Top(), preview_width_,
                               form.PreviewPanel->Height());
  form.SetControlsSkinData(ctrl_skin_data_);

  int width = client_width_ > 0 ? client_width_ : 550;
  int height = client_width_ > 0 ? client_height_ : 290;
  if (skin_data_ != nullptr && !skin_data_->IsEmpty()) {
    width = std::max(width, form.Frame->GetMinWidth());
    height = std::max(height, form.Frame->GetMinHeight());
  }
  form.SetClientSize(width, height);
  form.SetStretched(stretch_picture_ || stretched_);
  if (form.FileList->ItemCount() > 0 && form.FileList->ItemFocused() < 0) form.FileList->SetItemFocused(0);

  const bool confirmed = form.ShowModal() == ui::kMrOk;

  stretched_ = form.Stretched();
  preview_width_ = form.PreviewPanel->Width();
  filter_index_ = form.FilterCombo->ItemIndex() + 1;
  client_width_ = form.ClientWidth();
  client_height_ = form.ClientHeight();
  view_style_ = form.ViewStyle();
  if (confirmed) {
    file_name_ = form.ResultFileName;
    selected_files_ = form.FileList->SelectedPaths();
    if (OnConfirm) OnConfirm(*this);
  }
  return confirmed;
}

TskSkinSavePictureDialog::TskSkinSavePictureDialog() : TskSkinOpenPictureDialog(true) { SetTitle("Save file"); }

}  // namespace skin
