// TskOpenPictureDlgForm: the window of the open and save picture dialogs: a folder list with its
// tool bar, a picture preview, the file name and the file type.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/ListViewLayout.h"

namespace platform {
class ShellNamespace;
}
namespace ui {
class ImageView;
class MenuItem;
}  // namespace ui

namespace skin {

class PicturePreview;
class TskSkinBevel;
class TskSkinButton;
class TskSkinData;
class TskSkinEdit;
class TskSkinFileListView;
class TskSkinFilterComboBox;
class TskSkinForm;
class TskSkinMenuSpeedButton;
class TskSkinPanel;
class TskSkinPopupMenu;
class TskSkinScrollBar;
class TskSkinScrollBox;
class TskSkinShellComboBox;
class TskSkinSpeedButton;
class TskSkinSplitter;
class TskSkinStdLabel;
class TskSkinToolBar;

// Built whole by its constructor; the dialog component fills it before it shows it modally. The
// controls are public so that the component, and tests driving a running dialog, reach them.
//
// Paths use '/'. The name edit takes a typed absolute or "~" path as it stands: Enter on one that
// names a folder opens it; one that names a file opens it in open mode when no file is selected,
// and in save mode becomes the result when its folder exists. Back returns to the folder shown
// before the current one, again and again down to the starting folder.
class TskOpenPictureDlgForm : public ui::Form {
 public:
  static constexpr const char* kNewFolderName = "New Folder";

  // `shell` is observed and must outlive the form.
  TskOpenPictureDlgForm(bool save_mode, platform::ShellNamespace& shell);
  ~TskOpenPictureDlgForm() override;

  bool SaveMode() const { return save_mode_; }
  platform::ShellNamespace& Shell() const { return shell_; }

  TskSkinForm* Frame = nullptr;
  TskSkinPanel* PreviewPanel = nullptr;
  TskSkinSplitter* Splitter = nullptr;
  TskSkinScrollBar* PreviewVBar = nullptr;
  TskSkinScrollBar* PreviewHBar = nullptr;
  TskSkinScrollBox* PreviewBox = nullptr;
  ui::ImageView* PreviewImage = nullptr;
  TskSkinToolBar* ToolBar = nullptr;
  TskSkinBevel* ToolSpacer = nullptr;
  TskSkinStdLabel* LookInLabel = nullptr;
  TskSkinShellComboBox* FolderCombo = nullptr;
  TskSkinSpeedButton* BackButton = nullptr;
  TskSkinSpeedButton* UpButton = nullptr;
  TskSkinSpeedButton* NewFolderButton = nullptr;
  TskSkinBevel* ViewSpacer = nullptr;
  TskSkinMenuSpeedButton* ViewButton = nullptr;
  TskSkinSpeedButton* StretchButton = nullptr;
  TskSkinPopupMenu* ViewMenu = nullptr;
  TskSkinPanel* BottomPanel = nullptr;
  TskSkinStdLabel* NameLabel = nullptr;
  TskSkinStdLabel* TypeLabel = nullptr;
  TskSkinEdit* FileNameEdit = nullptr;
  TskSkinFilterComboBox* FilterCombo = nullptr;
  TskSkinButton* ConfirmButton = nullptr;
  TskSkinButton* CancelButton = nullptr;
  TskSkinPanel* ListPanel = nullptr;
  TskSkinScrollBar* ListHBar = nullptr;
  TskSkinScrollBar* ListVBar = nullptr;
  TskSkinFileListView* FileList = nullptr;

  // The chosen file when the form closed confirmed.
  std::string ResultFileName;

  // Skins every control of the form and its menus with `data` (null: the plain look); the folder
  // drop-down takes "toolcombobox" when the skin has that record, else "combobox".
  void SetControlsSkinData(TskSkinData* data);

  // Opens `folder` (a path or a root-folder name) as the run's start: the list shows it without a
  // folder change and Back returns no further than it. Throws platform::ShellError when it cannot
  // be opened; the list then keeps what it showed.
  void StartIn(const std::string& folder);

  // The folders visited in this run, the starting one first and the one shown last.
  const std::vector<std::string>& FolderHistory() const { return history_; }

  // The confirm button: in open mode the selected file when it exists, else a typed path of an
  // existing file while no file is selected; in save mode the typed name in the shown folder (a
  // typed absolute path in its own folder, which must exist). Closes the form confirmed or leaves
  // it as it is.
  void ConfirmChoice();
  // Enter in the name edit: a pattern filters the list, a typed path of a folder opens it, and
  // anything else is confirmed.
  void NameEntered();
  void GoBack();
  void GoUp();
  // Makes "New Folder" in the shown folder unless it is there already.
  void NewFolder();
  ui::ViewStyle ViewStyle() const;
  // Gives the list the style and checks its menu item only.
  void SetViewStyle(ui::ViewStyle style);
  bool Stretched() const;
  // Puts the stretch button down or up and the preview to fit or to its own size.
  void SetStretched(bool stretched);
  // The view menu's item for a style.
  ui::MenuItem* ViewMenuItem(ui::ViewStyle style) const;

  // A preview is being decoded for the selected file.
  bool PreviewBusy() const;

 private:
  void SelectionChanged();
  void FolderChanged();
  void ShowPreview(gfx::Bitmap picture);
  void PlacePreview();
  // The edit text made a path: absolute, "~" or "~/..." as it stands, anything else in the shown
  // folder; empty when that cannot be made.
  std::string TypedPath(const std::string& text) const;
  static bool IsAbsoluteTyped(const std::string& text);

  bool save_mode_;
  platform::ShellNamespace& shell_;
  std::vector<std::string> history_;
  bool going_back_ = false;
  std::unique_ptr<PicturePreview> preview_;
};

}  // namespace skin
