// TskSelDirDlgForm: the window of the folder dialog: a folder tree with its bars above OK and Cancel.
#include "skin/dialogs/TskSelDirDlgForm.h"

#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/dialogs/TskSkinDirTreeView.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/Message.h"

namespace skin {

namespace {

constexpr int32_t kBarSize = 19;
constexpr int32_t kButtonPanelHeight = 50;

TskSkinButton* MakeButton(TskSkinPanel* panel, ui::Form* owner, const char* name, const char* caption,
                          int32_t left, int result) {
  auto* b = panel->MakeChild<TskSkinButton>(owner);
  b->SetName(name);
  b->SetCaption(caption);
  b->SetCanFocused(true);
  b->SetModalResult(result);
  b->SetBounds(left, 15, 70, 25);
  return b;
}

}  // namespace

TskSelDirDlgForm::TskSelDirDlgForm() {
  SetName("SelDirDlgForm");
  SetSurfaceKind(platform::SurfaceKind::kDialog);
  SetBorderStyle(ui::BorderStyle::kSizeable);
  SetPosition(ui::FormPosition::kScreenCenter);
  Frame = TskSkinForm::Attach(*this);
  Frame->SetBorderIcons(0);

  // The bottom panel goes first so that the tree panel fills what it leaves.
  ButtonPanel = MakeChild<TskSkinPanel>(this);
  ButtonPanel->SetName("ButtonPanel");
  ButtonPanel->SetBorderStyle(SkinBorderStyle::bvNone);
  ButtonPanel->SetBounds(0, 0, 280, kButtonPanelHeight);
  ButtonPanel->SetAlign(ui::Align::kBottom);
  OkButton = MakeButton(ButtonPanel, this, "OKButton", "OK", 20, ui::kMrOk);
  OkButton->SetDefault(true);
  CancelButton = MakeButton(ButtonPanel, this, "CancelButton", "Cancel", 100, ui::kMrCancel);
  CancelButton->SetCancel(true);

  TreePanel = MakeChild<TskSkinPanel>(this);
  TreePanel->SetName("TreePanel");
  TreePanel->SetBorderStyle(SkinBorderStyle::bvFrame);
  TreePanel->SetAlign(ui::Align::kClient);
  TreeVBar = TreePanel->MakeChild<TskSkinScrollBar>(this);
  TreeVBar->SetName("TreeVBar");
  TreeVBar->SetKind(ScrollBarKind::sbVertical);
  TreeVBar->SetSkinDataName("vscrollbar");
  TreeVBar->SetDefaultHeight(0);
  TreeVBar->SetDefaultWidth(kBarSize);
  TreeVBar->SetBounds(0, 0, kBarSize, 100);
  TreeVBar->SetAlign(ui::Align::kRight);
  TreeVBar->SetEnabled(false);
  TreeHBar = TreePanel->MakeChild<TskSkinScrollBar>(this);
  TreeHBar->SetName("TreeHBar");
  TreeHBar->SetSkinDataName("hscrollbar");
  TreeHBar->SetDefaultHeight(kBarSize);
  TreeHBar->SetBothMarkerWidth(kBarSize);
  TreeHBar->SetAlign(ui::Align::kBottom);
  TreeHBar->SetEnabled(false);
  Tree = TreePanel->MakeChild<TskSkinDirTreeView>(this);
  Tree->SetName("DirTree");
  Tree->SetAlign(ui::Align::kClient);
  Tree->SetHideSelection(false);
  Tree->SetVScrollBar(TreeVBar);
  Tree->SetHScrollBar(TreeHBar);
}

TskSelDirDlgForm::~TskSelDirDlgForm() = default;

std::string TskSelDirDlgForm::ChosenPath() const { return Tree->SelectedPath(); }

void TskSelDirDlgForm::WndProc(ui::Message& m) {
  ui::Form::WndProc(m);
  // The tree takes the focus as the form shows, before the activation would give it to the first
  // button, so that the arrow keys walk the folders at once and Enter still presses OK.
  if (m.id == ui::kMsgShowWindow && m.wparam != 0 && focus_tree_) {
    focus_tree_ = false;
    SetActiveControl(Tree);
  }
}

bool TskSelDirDlgForm::CloseQuery() {
  if (ModalResult() == ui::kMrOk && ChosenPath().empty()) return false;
  return ui::Form::CloseQuery();
}

}  // namespace skin
