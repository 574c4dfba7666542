// TskSelDirDlgForm: the window of the folder dialog: a folder tree with its bars above OK and Cancel.
#pragma once

#include <string>

#include "ui/Form.h"

namespace skin {

class TskSkinButton;
class TskSkinDirTreeView;
class TskSkinForm;
class TskSkinPanel;
class TskSkinScrollBar;

// Built whole by its constructor, centred on the screen and sizeable; the dialog component gives it
// its skins, fonts, namespace and size before it shows. The controls are public so that the
// component and its tests can reach them while the form runs.
//
// OK (the default button, also pressed by Enter) closes the form with kMrOk only while the selected
// folder has a path: a virtual folder such as the computer is no answer to "which folder".
class TskSelDirDlgForm : public ui::Form {
 public:
  TskSelDirDlgForm();
  ~TskSelDirDlgForm() override;

  // The folder chosen now: the selected node's path, empty when none is selected or it has none.
  std::string ChosenPath() const;

  TskSkinForm* Frame = nullptr;  // the skinned frame, owned by the form
  TskSkinPanel* TreePanel = nullptr;
  TskSkinScrollBar* TreeVBar = nullptr;
  TskSkinScrollBar* TreeHBar = nullptr;
  TskSkinDirTreeView* Tree = nullptr;
  TskSkinPanel* ButtonPanel = nullptr;
  TskSkinButton* OkButton = nullptr;
  TskSkinButton* CancelButton = nullptr;

 protected:
  bool CloseQuery() override;
  void WndProc(ui::Message& m) override;

 private:
  bool focus_tree_ = true;  // until the form first shows
};

}  // namespace skin
