// TskSkinOpenPictureDialog and TskSkinSavePictureDialog: the skinned dialogs that choose a picture
// file to open or a file name to save under.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "skin/data/SkinDataClient.h"
#include "ui/Component.h"
#include "ui/ListViewLayout.h"

namespace platform {
class ShellNamespace;
}

namespace skin {

class TskOpenPictureDlgForm;
class TskSkinData;

// Non-visual: each ShowDialog builds the window (TskOpenPictureDlgForm), fills it from these
// settings and from what earlier runs remembered, runs it modally and frees it.
//
// Remembered between runs, in memory only: the window's client size, the preview's width, the
// list's view style and whether the preview was stretched. Every run sets FilterIndex to the filter
// shown when it closed; a confirmed run sets FileName and SelectedFiles.
//
// The starting folder is FileName's folder when FileName has one, else InitialDir (a path or a
// root-folder name; the program's folder when empty). One that no longer exists gives way to
// InitialDir, then to the desktop; only when none of them opens does ShowDialog throw
// platform::ShellError "Error setting path: ..." without showing anything.
class TskSkinOpenPictureDialog : public ui::Component, private SkinDataClient {
 public:
  static constexpr const char* kDefaultFilter =
      "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
      "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

  TskSkinOpenPictureDialog();
  ~TskSkinOpenPictureDialog() override;

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& InitialDir() const { return initial_dir_; }
  void SetInitialDir(std::string dir) { initial_dir_ = std::move(dir); }
  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  // Counted from 1.
  int FilterIndex() const { return filter_index_; }
  void SetFilterIndex(int index) { filter_index_ = index; }
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string name) { file_name_ = std::move(name); }
  // The files selected when the last run was confirmed, in list order (never folders).
  const std::vector<std::string>& SelectedFiles() const { return selected_files_; }
  bool MultiSelection() const { return multi_selection_; }
  void SetMultiSelection(bool v) { multi_selection_ = v; }
  // Every run starts with the preview stretched.
  bool StretchPicture() const { return stretch_picture_; }
  void SetStretchPicture(bool v) { stretch_picture_ = v; }

  // The skin of the window's frame, and of its controls and menus; both cleared when their skin
  // data object is destroyed. Without them the window has the plain look.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* data);
  TskSkinData* CtrlSkinData() const { return ctrl_skin_data_; }
  void SetCtrlSkinData(TskSkinData* data);
  // The skin record of the details view's column header.
  const std::string& LVHeaderSkinDataName() const { return header_skin_data_name_; }
  void SetLVHeaderSkinDataName(std::string name) { header_skin_data_name_ = std::move(name); }
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v) { alpha_blend_ = v; }
  bool AlphaBlendAnimation() const { return alpha_blend_animation_; }
  void SetAlphaBlendAnimation(bool v) { alpha_blend_animation_ = v; }
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v) { alpha_blend_value_ = v; }
  // Kept with the component; the window does not apply it.
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& f) { default_font_ = f; }

  // The namespace the window browses (observed; it must outlive the runs). Without one, the first
  // run makes the desktop's own over the real file system.
  platform::ShellNamespace* Shell() const { return shell_; }
  void SetShell(platform::ShellNamespace* shell) { shell_ = shell; }

  // Runs after a confirmed run has set FileName and SelectedFiles.
  std::function<void(TskSkinOpenPictureDialog& sender)> OnConfirm;

  // Runs the dialog modally; true when the user confirmed a file.
  bool ShowDialog();
  // The window while ShowDialog runs, else null.
  TskOpenPictureDlgForm* RunningForm() const { return running_; }

  // What the next run starts with (see above).
  int RememberedClientWidth() const { return client_width_; }
  int RememberedClientHeight() const { return client_height_; }
  int RememberedPreviewWidth() const { return preview_width_; }
  ui::ViewStyle RememberedViewStyle() const { return view_style_; }
  bool RememberedStretch() const { return stretched_; }

 protected:
  // The save dialog runs the window in save mode.
  explicit TskSkinOpenPictureDialog(bool save_mode);

 private:
  void SkinDataDestroyed(TskSkinData* data) override;
  platform::ShellNamespace& NeededShell();
  // Opens the starting folder and returns the name for the edit.
  std::string OpenStartingFolder(TskOpenPictureDlgForm& form);

  bool save_mode_ = false;
  std::string title_ = "Open picture";
  std::string initial_dir_;
  std::string filter_ = kDefaultFilter;
  int filter_index_ = 1;
  std::string file_name_;
  std::vector<std::string> selected_files_;
  bool multi_selection_ = false;
  bool stretch_picture_ = false;
  TskSkinData* skin_data_ = nullptr;
  TskSkinData* ctrl_skin_data_ = nullptr;
  std::string header_skin_data_name_ = "resizebutton";
  bool alpha_blend_ = false;
  bool alpha_blend_animation_ = false;
  uint8_t alpha_blend_value_ = 200;
  gfx::Font default_font_{"Arial", 14};

  platform::ShellNamespace* shell_ = nullptr;
  std::unique_ptr<platform::ShellNamespace> own_shell_;
  TskOpenPictureDlgForm* running_ = nullptr;

  int client_width_ = 0;
  int client_height_ = 0;
  int preview_width_ = 190;
  ui::ViewStyle view_style_ = ui::ViewStyle::kList;
  bool stretched_ = false;
};

// The same window in save mode: a typed name in the shown folder is the result.
class TskSkinSavePictureDialog : public TskSkinOpenPictureDialog {
 public:
  TskSkinSavePictureDialog();
};

}  // namespace skin
