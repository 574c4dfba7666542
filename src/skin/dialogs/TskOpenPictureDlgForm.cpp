// TskOpenPictureDlgForm: building the picture dialog's window and answering its controls.
#include "skin/dialogs/TskOpenPictureDlgForm.h"

#include <initializer_list>
#include <utility>

#include "platform/KeyCodes.h"
#include "platform/ShellNamespace.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/data/SkinData.h"
#include "skin/dialogs/DialogToolGlyphs.h"
#include "skin/dialogs/PicturePreview.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinShellComboBox.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/Application.h"
#include "ui/ImageView.h"
#include "ui/MenuItem.h"

namespace skin {

namespace {

template <class T>
T* Place(ui::WinControl* parent, ui::Component* owner, const char* name, int left, int top, int width, int height,
         ui::Align align = ui::Align::kNone) {
  T* control = parent->MakeChild<T>(owner);
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetAlign(align);
  return control;
}

TskSkinSpeedButton* ToolButton(TskSkinSpeedButton* button, DialogToolGlyph glyph, const char* hint) {
  button->SetSkinDataName("toolbutton");
  button->SetGlyph(MakeDialogToolGlyph(glyph));
  button->SetNumGlyphs(1);
  button->SetHint(hint);
  button->SetShowHint(true);
  return button;
}

constexpr ui::ViewStyle kStyles[] = {ui::ViewStyle::kIcon, ui::ViewStyle::kSmallIcon, ui::ViewStyle::kList,
                                     ui::ViewStyle::kReport};
constexpr const char* kStyleCaptions[] = {"Large icons", "Small icons", "List", "Details"};

// The name part of a path.
std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

TskOpenPictureDlgForm::TskOpenPictureDlgForm(bool save_mode, platform::ShellNamespace& shell)
    : save_mode_(save_mode), shell_(shell) {
  SetName("OpenPictureDlgForm");
  SetSurfaceKind(platform::SurfaceKind::kDialog);
  SetBorderStyle(ui::BorderStyle::kSizeable);
  SetPosition(ui::FormPosition::kScreenCenter);
  Frame = TskSkinForm::Attach(*this);
  Frame->SetBorderIcons(0);
  SetClientSize(550, 290);

  // Right of the list: the preview with its splitter.
  PreviewPanel = Place<TskSkinPanel>(this, this, "PreviewPanel", 350, 25, 200, 185, ui::Align::kRight);
  PreviewPanel->SetBorderStyle(SkinBorderStyle::bvFrame);
  Splitter = Place<TskSkinSplitter>(this, this, "Splitter", 340, 25, 10, 185, ui::Align::kRight);
  PreviewVBar = Place<TskSkinScrollBar>(PreviewPanel, this, "PreviewVBar", 170, 0, 19, 160, ui::Align::kRight);
  PreviewVBar->SetKind(ScrollBarKind::sbVertical);
  PreviewVBar->SetSkinDataName("vscrollbar");
  PreviewVBar->SetEnabled(false);
  PreviewHBar = Place<TskSkinScrollBar>(PreviewPanel, this, "PreviewHBar", 0, 160, 170, 19, ui::Align::kBottom);
  PreviewHBar->SetSkinDataName("hscrollbar");
  PreviewHBar->SetBothMarkerWidth(19);
  PreviewHBar->SetEnabled(false);
  PreviewBox = Place<TskSkinScrollBox>(PreviewPanel, this, "PreviewBox", 0, 0, 170, 160, ui::Align::kClient);
  PreviewBox->SetBorderStyle(SkinBorderStyle::bvNone);
  PreviewBox->SetVScrollBar(PreviewVBar);
  PreviewBox->SetHScrollBar(PreviewHBar);
  PreviewImage = Place<ui::ImageView>(PreviewBox, this, "PreviewImage", 0, 0, 0, 0);

  // The tool bar: the folder drop-down, then Back, Up, New Folder, the view menu and stretch.
  ToolBar = Place<TskSkinToolBar>(this, this, "ToolBar", 0, 0, 550, 25, ui::Align::kTop);
  ToolBar->SetSkinDataName("toolpanel");
  ToolBar->SetBorderStyle(SkinBorderStyle::bvNone);
  ToolSpacer = Place<TskSkinBevel>(ToolBar, this, "ToolSpacer", 0, 0, 10, 25, ui::Align::kLeft);
  ToolSpacer->SetShape(ui::BevelShape::kSpacer);
  LookInLabel = Place<TskSkinStdLabel>(ToolBar, this, "LookInLabel", 10, 5, 50, 16, ui::Align::kLeft);
  LookInLabel->SetCaption("Look in: ");
  LookInLabel->SetAutoSize(true);
  FolderCombo = Place<TskSkinShellComboBox>(ToolBar, this, "FolderCombo", 60, 2, 190, 21, ui::Align::kClient);
  FolderCombo->SetDropDownCount(10);
  // Right-aligned controls keep the order of their places: the rightmost last.
  BackButton = ToolButton(Place<TskSkinSpeedButton>(ToolBar, this, "BackButton", 1000, 0, 27, 25, ui::Align::kRight),
                          DialogToolGlyph::kBack, "Go To Last Folder Visited");
  UpButton = ToolButton(Place<TskSkinSpeedButton>(ToolBar, this, "UpButton", 1030, 0, 27, 25, ui::Align::kRight),
                        DialogToolGlyph::kUp, "Up One Level");
  NewFolderButton =
      ToolButton(Place<TskSkinSpeedButton>(ToolBar, this, "NewFolderButton", 1060, 0, 27, 25, ui::Align::kRight),
                 DialogToolGlyph::kNewFolder, "Create New Folder");
  ViewSpacer = Place<TskSkinBevel>(ToolBar, this, "ViewSpacer", 1090, 0, 10, 25, ui::Align::kRight);
  ViewSpacer->SetShape(ui::BevelShape::kSpacer);
  ViewButton = Place<TskSkinMenuSpeedButton>(ToolBar, this, "ViewButton", 1110, 0, 37, 25, ui::Align::kRight);
  ToolButton(ViewButton, DialogToolGlyph::kViewStyle, "View Menu");
  ViewButton->SetSkinDataName("toolmenubutton");
  StretchButton = ToolButton(Place<TskSkinSpeedButton>(ToolBar, this, "StretchButton", 1150, 0, 27, 25, ui::Align::kRight),
                             DialogToolGlyph::kStretch, "Stretch Picture");
  StretchButton->SetGroupIndex(2);
  StretchButton->SetAllowAllUp(true);

  ViewMenu = Make<TskSkinPopupMenu>();
  ViewMenu->SetName("ViewMenu");
  for (size_t i = 0; i < std::size(kStyles); ++i) {
    const ui::ViewStyle style = kStyles[i];
    ui::MenuItem* item = ViewMenu->Items().Add(kStyleCaptions[i], [this, style](ui::Component*) { SetViewStyle(style); });
    item->SetRadioItem(true);
  }
  ViewButton->SetSkinPopupMenu(ViewMenu);

  // Below: the name and type with the two buttons.
  BottomPanel = Place<TskSkinPanel>(this, this, "BottomPanel", 0, 210, 550, 80, ui::Align::kBottom);
  BottomPanel->SetBorderStyle(SkinBorderStyle::bvNone);
  NameLabel = Place<TskSkinStdLabel>(BottomPanel, this, "NameLabel", 10, 10, 60, 16);
  NameLabel->SetCaption("File name:");
  NameLabel->SetAutoSize(true);
  TypeLabel = Place<TskSkinStdLabel>(BottomPanel, this, "TypeLabel", 10, 45, 60, 16);
  TypeLabel->SetCaption("File type:");
  TypeLabel->SetAutoSize(true);
  FileNameEdit = Place<TskSkinEdit>(BottomPanel, this, "FileNameEdit", 70, 10, 280, 21);
  FilterCombo = Place<TskSkinFilterComboBox>(BottomPanel, this, "FilterCombo", 70, 45, 280, 21);
  ConfirmButton = Place<TskSkinButton>(BottomPanel, this, "ConfirmButton", 370, 10, 70, 25);
  ConfirmButton->SetCanFocused(true);
  ConfirmButton->SetCaption(save_mode_ ? "&Save" : "&Open");
  CancelButton = Place<TskSkinButton>(BottomPanel, this, "CancelButton", 370, 45, 70, 25);
  CancelButton->SetCanFocused(true);
  CancelButton->SetCaption("Cancel");
  CancelButton->SetCancel(true);
  CancelButton->SetModalResult(ui::kMrCancel);

  // The rest: the folder list.
  ListPanel = Place<TskSkinPanel>(this, this, "ListPanel", 0, 25, 340, 185, ui::Align::kClient);
  ListPanel->SetBorderStyle(SkinBorderStyle::bvFrame);
  ListHBar = Place<TskSkinScrollBar>(ListPanel, this, "ListHBar", 0, 160, 320, 19, ui::Align::kBottom);
  ListHBar->SetSkinDataName("hscrollbar");
  ListHBar->SetBothMarkerWidth(19);
  ListHBar->SetEnabled(false);
  ListVBar = Place<TskSkinScrollBar>(ListPanel, this, "ListVBar", 320, 0, 19, 160, ui::Align::kRight);
  ListVBar->SetKind(ScrollBarKind::sbVertical);
  ListVBar->SetSkinDataName("vscrollbar");
  ListVBar->SetEnabled(false);
  FileList = Place<TskSkinFileListView>(ListPanel, this, "FileList", 0, 0, 320, 160, ui::Align::kClient);
  FileList->SetShowColumnHeaders(true);
  FileList->SetHScrollBar(ListHBar);
  FileList->SetVScrollBar(ListVBar);
  FileList->SetShellComboBox(FolderCombo);

  preview_ = std::make_unique<PicturePreview>(
      [](std::function<void()> task) {
        if (ui::Application* app = ui::Application::Current()) app->RunOnMainThread(std::move(task));
      },
      [this](gfx::Bitmap picture) { ShowPreview(std::move(picture)); });

  ConfirmButton->OnClick = [this](ui::Component*) { ConfirmChoice(); };
  BackButton->OnClick = [this](ui::Component*) { GoBack(); };
  UpButton->OnClick = [this](ui::Component*) { GoUp(); };
  NewFolderButton->OnClick = [this](ui::Component*) { NewFolder(); };
  StretchButton->OnClick = [this](ui::Component*) { SetStretched(StretchButton->Down()); };
  FilterCombo->OnChange = [this](ui::Component*) { FileList->SetMask(FilterCombo->CurrentMask()); };
  FileList->OnSelectionChange = [this](ui::Component*) { SelectionChanged(); };
  FileList->OnFolderChange = [this](ui::Component*) { FolderChanged(); };
  FileList->OnDblClick = [this](ui::Component*) {
    const std::string path = FileList->SelectedPath();
    if (path.empty()) return;
    ResultFileName = path;
    SetModalResult(ui::kMrOk);
  };
  FileList->OnKeyDown = [this](ui::Control*, uint16_t& key, ui::ShiftState) {
    if (key == platform::kVkReturn && !FileList->SelectedPath().empty()) {
      key = 0;
      ConfirmChoice();
    }
  };
  FileNameEdit->OnKeyDown = [this](ui::Control*, uint16_t& key, ui::ShiftState) {
    if (key == platform::kVkEscape) {
      key = 0;
      SetModalResult(ui::kMrCancel);
    } else if (key == platform::kVkReturn) {
      key = 0;
      NameEntered();
    }
  };
  // The name edit has the focus when the window opens (it can take it only once shown).
  OnShow = [this](ui::Component*) { SetActiveControl(FileNameEdit); };
}

TskOpenPictureDlgForm::~TskOpenPictureDlgForm() = default;

void TskOpenPictureDlgForm::SetControlsSkinData(TskSkinData* data) {
  Frame->SetMenusSkinData(data);
  for (TskSkinControl* c : std::initializer_list<TskSkinControl*>{PreviewPanel, PreviewVBar, PreviewHBar, PreviewBox,
                                                                  ToolBar, BottomPanel, ListPanel, ListHBar, ListVBar})
    c->SetSkinData(data);
  for (TskGraphicSkinCustomControl* c :
       std::initializer_list<TskGraphicSkinCustomControl*>{BackButton, UpButton, NewFolderButton, ViewButton, StretchButton})
    c->SetSkinData(data);
  for (TskSkinStdLabel* l : {LookInLabel, NameLabel, TypeLabel}) l->SetSkinData(data);
  for (TskSkinBevel* b : {ToolSpacer, ViewSpacer}) b->SetSkinData(data);
  Splitter->SetSkinData(data);
  FileNameEdit->SetSkinData(data);
  FilterCombo->SetSkinData(data);
  ConfirmButton->SetSkinData(data);
  CancelButton->SetSkinData(data);
  FileList->SetSkinData(data);
  ViewMenu->SetSkinData(data);
  const bool tool_combo = data != nullptr && !data->IsEmpty() && data->FindControlIndex("toolcombobox") >= 0;
  FolderCombo->SetSkinDataName(tool_combo ? "toolcombobox" : "combobox");
  FolderCombo->SetSkinData(data);
}

void TskOpenPictureDlgForm::StartIn(const std::string& folder) {
  if (FileList->Shell() == nullptr) {
    // The first folder: both controls parse it; nothing changes when it cannot be opened.
    const std::string old_root = FileList->Root();
    FileList->SetRoot(folder);
    try {
      FileList->SetShell(&shell_);
    } catch (...) {
      FileList->SetShell(nullptr);
      FileList->SetRoot(old_root);
      throw;
    }
    FolderCombo->SetRoot("rfDesktop");
    FolderCombo->SetShell(&shell_);
    FileList->SetShellComboBox(FolderCombo);
  } else {
    FileList->SetRoot(folder);
  }
  // Show the starting folder in the drop-down at once, not only after the first navigation.
  if (!FileList->CurrentFolder().empty()) FolderCombo->ShowFolder(FileList->CurrentFolder());
  history_.assign(1, FileList->CurrentFolder());
}

void TskOpenPictureDlgForm::FolderChanged() {
  if (!going_back_) history_.push_back(FileList->CurrentFolder());
  if (FileList->ItemCount() > 0) FileList->SetItemFocused(0);
}

void TskOpenPictureDlgForm::GoBack() {
  if (history_.size() < 2) return;
  history_.pop_back();
  going_back_ = true;
  try {
    FileList->NavigateTo(history_.back());
  } catch (...) {
    going_back_ = false;
    throw;
  }
  going_back_ = false;
}

void TskOpenPictureDlgForm::GoUp() { FileList->GoUp(); }

void TskOpenPictureDlgForm::NewFolder() {
  const std::string folder = FileList->CurrentFolderPath();
  if (folder.empty()) return;  // a virtual folder holds no new folders
  const std::string target = (folder == "/" ? folder : folder + "/") + kNewFolderName;
  if (shell_.Kind(target) != platform::FileKind::kMissing) return;
  shell_.CreateFolder(FileList->CurrentFolder(), kNewFolderName);
  FileList->RefreshFolder();
}

ui::ViewStyle TskOpenPictureDlgForm::ViewStyle() const { return FileList->GetViewStyle(); }

void TskOpenPictureDlgForm::SetViewStyle(ui::ViewStyle style) {
  FileList->SetViewStyle(style);
  for (ui::ViewStyle s : kStyles) ViewMenuItem(s)->SetChecked(s == style);
}

ui::MenuItem* TskOpenPictureDlgForm::ViewMenuItem(ui::ViewStyle style) const {
  for (size_t i = 0; i < std::size(kStyles); ++i) {
    if (kStyles[i] == style) return ViewMenu->Items().Item(i);
  }
  return nullptr;
}

bool TskOpenPictureDlgForm::Stretched() const { return StretchButton->Down(); }

void TskOpenPictureDlgForm::SetStretched(bool stretched) {
  if (StretchButton->Down() != stretched) StretchButton->SetDown(stretched);
  PlacePreview();
}

void TskOpenPictureDlgForm::PlacePreview() {
  if (Stretched()) {
    PreviewImage->SetStretch(true);
    PreviewImage->SetBounds(0, 0, PreviewBox->ClientWidth(), PreviewBox->ClientHeight());
  } else {
    PreviewImage->SetStretch(false);
    const gfx::Bitmap& picture = PreviewImage->Picture();
    PreviewImage->SetBounds(0, 0, picture.Width(), picture.Height());
  }
  PreviewBox->UpdateScrollBars();
}

bool TskOpenPictureDlgForm::PreviewBusy() const { return preview_->Busy(); }

void TskOpenPictureDlgForm::ShowPreview(gfx::Bitmap picture) {
  if (picture.IsEmpty()) PreviewImage->ClearPicture();
  else PreviewImage->SetPicture(std::move(picture));
  PlacePreview();
}

void TskOpenPictureDlgForm::SelectionChanged() {
  const std::string path = FileList->SelectedPath();
  std::string name;
  if (!path.empty()) {
    const int32_t index = FileList->ItemIndex();
    name = index >= 0 ? FileList->Entries()[static_cast<size_t>(index)].Name() : BaseName(path);
  }
  FileNameEdit->SetText(name);
  if (path.empty() || shell_.Kind(path) != platform::FileKind::kFile) {
    // Only regular files are read: a pipe would never answer.
    preview_->Cancel();
    ShowPreview({});
    return;
  }
  const int32_t w = PreviewBox->ClientWidth(), h = PreviewBox->ClientHeight();
  preview_->Request(path, {w > 0 ? w : 1, h > 0 ? h : 1});
}

bool TskOpenPictureDlgForm::IsAbsoluteTyped(const std::string& text) {
  return !text.empty() && (text.front() == '/' || text == "~" || text.starts_with("~/"));
}

std::string TskOpenPictureDlgForm::TypedPath(const std::string& text) const {
  if (text.empty()) return {};
  if (text.front() == '/') return text;
  if (text == "~") return shell_.HomeFolder();
  if (text.starts_with("~/")) return shell_.HomeFolder() + text.substr(1);
  const std::string folder = FileList->CurrentFolderPath();
  if (folder.empty()) return {};
  return (folder == "/" ? folder : folder + "/") + text;
}

void TskOpenPictureDlgForm::ConfirmChoice() {
  const std::string text = FileNameEdit->Text();
  if (!save_mode_) {
    std::string path = FileList->SelectedPath();
    if (path.empty() && IsAbsoluteTyped(text)) path = TypedPath(text);
    if (path.empty()) return;
    ResultFileName = path;
    if (shell_.Kind(path) == platform::FileKind::kFile) {
      SetModalResult(ui::kMrOk);
    } else {
      ResultFileName.clear();
    }
    return;
  }
  if (text.empty() || text.find('*') != std::string::npos) return;
  const std::string path = TypedPath(text);
  if (path.empty() || path.back() == '/') return;
  if (IsAbsoluteTyped(text)) {
    // A whole path typed: its folder must be there to take the file.
    const size_t slash = path.rfind('/');
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    if (shell_.Kind(folder) != platform::FileKind::kFolder) return;
  }
  ResultFileName = path;
  SetModalResult(ui::kMrOk);
}

void TskOpenPictureDlgForm::NameEntered() {
  const std::string text = FileNameEdit->Text();
  if (text.find('*') != std::string::npos) {
    FileList->SetMask(text);
    return;
  }
  if (text.find('/') != std::string::npos || IsAbsoluteTyped(text)) {
    const std::string path = TypedPath(text);
    if (!path.empty() && shell_.Kind(path) == platform::FileKind::kFolder) {
      FileList->SetPath(path);
      return;
    }
    // A typed path of something else: only a whole path is taken as a file.
    if (IsAbsoluteTyped(text)) ConfirmChoice();
    return;
  }
  ConfirmChoice();
}

}  // namespace skin
