// TskSkinSelectDirectoryDialog: choosing a folder in a skinned window with a folder tree.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "gfx/Font.h"
#include "skin/data/SkinDataClient.h"
#include "ui/Component.h"

namespace platform {
class ShellNamespace;
}

namespace skin {

class TskSelDirDlgForm;
class TskSkinData;

// A non-visual component: each ShowDialog builds a TskSelDirDlgForm, shows it modally and frees it.
// The tree opens at Directory when that names an existing folder, else at the computer folder; a
// confirmed run leaves the chosen folder's path in Directory. Only the client size is remembered
// from one run to the next (in memory).
class TskSkinSelectDirectoryDialog : public ui::Component, private SkinDataClient {
 public:
  TskSkinSelectDirectoryDialog();
  ~TskSkinSelectDirectoryDialog() override;

  // The skin of the window's frame, and of its controls and menus; cleared when their skin data
  // object goes.
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* data);
  TskSkinData* CtrlSkinData() const { return ctrl_skin_data_; }
  void SetCtrlSkinData(TskSkinData* data);
  // The font of the tree and the two buttons.
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& f) { default_font_ = f; }
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v) { alpha_blend_ = v; }
  bool AlphaBlendAnimation() const { return alpha_blend_animation_; }
  void SetAlphaBlendAnimation(bool v) { alpha_blend_animation_ = v; }
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v) { alpha_blend_value_ = v; }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  // The starting folder (a path, "~" path or root-folder name) and, after a confirmed run, the
  // chosen folder's path.
  const std::string& Directory() const { return directory_; }
  void SetDirectory(std::string directory) { directory_ = std::move(directory); }

  // The namespace browsed (observed; it must outlive every run). None: each run browses the
  // desktop's namespace over the real file system.
  platform::ShellNamespace* Shell() const { return shell_; }
  void SetShell(platform::ShellNamespace* shell) { shell_ = shell; }

  // The client size the window had when the last run closed; 0 x 0 before the first.
  int32_t RememberedClientWidth() const { return client_width_; }
  int32_t RememberedClientHeight() const { return client_height_; }

  // Runs the dialog; true when the user confirmed a folder with a path.
  bool ShowDialog();
  // The form of the running dialog, null outside ShowDialog.
  TskSelDirDlgForm* Form() const { return form_; }

  // After a confirmed run, once Directory holds the choice.
  std::function<void(TskSkinSelectDirectoryDialog& sender)> OnConfirm;

  static constexpr int32_t kFirstClientWidth = 280;
  static constexpr int32_t kFirstClientHeight = 280;

 private:
  void SkinDataDestroyed(TskSkinData* data) override;
  void Prepare(TskSelDirDlgForm& form, platform::ShellNamespace& shell);

  TskSkinData* skin_data_ = nullptr;
  TskSkinData* ctrl_skin_data_ = nullptr;
  gfx::Font default_font_{"Arial", 14};
  bool alpha_blend_ = false;
  bool alpha_blend_animation_ = false;
  uint8_t alpha_blend_value_ = 200;
  std::string title_ = "Select folder";
  std::string directory_;
  platform::ShellNamespace* shell_ = nullptr;
  int32_t client_width_ = 0;
  int32_t client_height_ = 0;
  TskSelDirDlgForm* form_ = nullptr;
};

}  // namespace skin
