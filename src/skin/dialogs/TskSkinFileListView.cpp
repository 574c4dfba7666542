// The folder list: reading, filtering and sorting a folder, the rows' texts and navigation.
#include "skin/dialogs/TskSkinFileListView.h"

#include <algorithm>
#include <utility>

#include "platform/FolderWatcher.h"
#include "platform/ShellItemOrder.h"
#include "skin/dialogs/FileFilters.h"
#include "skin/dialogs/ShellIcons.h"
#include "skin/dialogs/ShellItemMenu.h"
#include "skin/dialogs/ShellRoot.h"
#include "skin/dialogs/TskSkinDirTreeView.h"
#include "skin/dialogs/TskSkinShellComboBox.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/ImageList.h"
#include "ui/KeyCodes.h"
#include "ui/TypeAhead.h"

namespace skin {

namespace {

constexpr uint16_t kVkF5 = platform::kVkF1 + 4;
constexpr uint16_t kVkF10 = platform::kVkF1 + 9;
// Where a row's caption starts after its small icon, as the list draws it.
constexpr int32_t kCaptionInset = 4;

// The field of an item's new name: it keeps Enter and Escape from the form's default and cancel
// buttons.
class NameEdit : public ui::Edit {
 public:
  bool WantsKey(uint16_t key) const override {
    return key == platform::kVkReturn || key == platform::kVkEscape || ui::Edit::WantsKey(key);
  }
};

}  // namespace

TskSkinFileListView::TskSkinFileListView()
    : small_icons_(std::make_unique<ui::ImageList>()), large_icons_(std::make_unique<ui::ImageList>()) {
  FillShellIcons(*small_icons_, kSmallShellIcon);
  FillShellIcons(*large_icons_, kLargeShellIcon);
  SetSmallImages(small_icons_.get());
  SetLargeImages(large_icons_.get());
  SetViewStyle(ui::ViewStyle::kList);
  SetOwnerData(true);
  OnData = [this](const ui::ListView*, int32_t index, ui::ListItemData& out) { FillData(index, out); };
  OnDataFind = [this](const ui::ListView*, const std::string& prefix, int32_t start) { return FindPrefix(prefix, start); };
}

TskSkinFileListView::~TskSkinFileListView() {
  item_menu_.reset();  // a command still queued from the menu then does nothing
  watcher_.reset();  // joins the watcher's thread; a change it handed over then does nothing
  // The list view must not draw from the image lists while they go.
  SetSmallImages(nullptr);
  SetLargeImages(nullptr);
}

void TskSkinFileListView::SetShell(platform::ShellNamespace* shell) {
  shell_ = shell;
  folder_.clear();
  entries_ = {};  // frees the items before the next listing is made
  details_ = {};
  SetItemCount(0);
  if (!shell_) return;
  folder_ = shell_->Parse(root_);
  ReadFolder();
}

void TskSkinFileListView::SetRoot(const std::string& root) {
  if (!ChangeShellRoot(shell_, root, root_, folder_) || !shell_) return;
  if (tree_) tree_->SetRoot(root_);
  ReadFolder();
}

void TskSkinFileListView::SetMask(const std::string& mask) {
  if (mask == mask_) return;
  mask_ = mask;
  ReadFolder();
}

void TskSkinFileListView::SetObjectTypes(unsigned kinds) {
  if (kinds == object_types_) return;
  object_types_ = kinds;
  ReadFolder();
}

void TskSkinFileListView::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  ReadFolder();
}

void TskSkinFileListView::SetAutoRefresh(bool v) {
  auto_refresh_ = v;
  Watch();
}

void TskSkinFileListView::Watch() {
  const std::string path = auto_refresh_ ? CurrentFolderPath() : std::string();
  if (path == watched_ && (watcher_ || path.empty())) return;
  watcher_.reset();
  watched_.clear();
  ui::Application* app = ui::Application::Current();
  if (path.empty() || app == nullptr) return;
  try {
    watcher_ = std::make_unique<platform::FolderWatcher>(
        path, [app](std::function<void()> task) { app->RunOnMainThread(std::move(task)); },
        [this] { RefreshFolder(); });
    watched_ = path;
  } catch (const std::runtime_error&) {
    // Not watchable (gone, no permission, out of watches): F5 still reads it.
  }
}

void TskSkinFileListView::SetShellComboBox(TskSkinShellComboBox* combo) {
  if (combo == combo_) return;
  if (combo_) RemoveFreeNotification(combo_);
  TskSkinShellComboBox* old = combo_;
  combo_ = combo;
  if (old && old->ShellListView() == this) old->SetShellListView(nullptr);
  if (combo_) {
    FreeNotification(combo_);
    combo_->SetShellListView(this);
    if (!folder_.empty()) combo_->ShowFolder(folder_);
  }
}

void TskSkinFileListView::SetShellTreeView(TskSkinDirTreeView* tree) {
  if (tree == tree_) return;
  if (tree_) RemoveFreeNotification(tree_);
  TskSkinDirTreeView* old = tree_;
  tree_ = tree;
  if (old && old->ShellListView() == this) old->SetShellListView(nullptr);
  if (tree_) {
    FreeNotification(tree_);
    tree_->SetShellListView(this);
    if (!folder_.empty()) tree_->OpenAt(folder_);
  }
}

void TskSkinFileListView::Notification(ui::Component* component, Operation operation) {
  TskSkinCustomListView::Notification(component, operation);
  if (operation == Operation::kRemove && component == combo_) combo_ = nullptr;
  if (operation == Operation::kRemove && component == tree_) tree_ = nullptr;
}

std::string TskSkinFileListView::EntryId(int32_t index) const {
  return platform::ShellNamespace::ChildId(folder_, entries_.at(static_cast<size_t>(index)));
}

std::string TskSkinFileListView::CurrentFolderPath() const {
  if (!shell_ || folder_.empty()) return {};
  return shell_->Item(folder_).path;
}

std::string TskSkinFileListView::SelectedPath() const {
  const int32_t index = ItemIndex();
  if (index < 0 || entries_[static_cast<size_t>(index)].IsFolder()) return {};
  // Non-folders are never virtual: their id is their path.
  return EntryId(index);
}

std::vector<std::string> TskSkinFileListView::SelectedPaths() const {
  std::vector<std::string> paths;
  for (int32_t i = Selection().First(); i >= 0; i = Selection().NextFrom(i + 1)) {
    if (i >= static_cast<int32_t>(entries_.size())) break;
    if (!entries_[static_cast<size_t>(i)].IsFolder()) paths.push_back(EntryId(i));
  }
  return paths;
}

void TskSkinFileListView::NavigateTo(const std::string& id) {
  if (reading_ || !shell_ || id == folder_) return;
  folder_ = id;
  ReadFolder();
  if (OnFolderChange) OnFolderChange(this);
}

void TskSkinFileListView::SetPath(const std::string& text) {
  if (!shell_) return;
  NavigateTo(shell_->Parse(text));
}

void TskSkinFileListView::GoUp() {
  if (std::optional<std::string> parent = platform::ShellNamespace::Parent(folder_)) NavigateTo(*parent);
}

void TskSkinFileListView::RefreshFolder() {
  const int32_t selected = ItemIndex();
  ClearSelection();
  ReadFolder();
  if (selected >= 0 && selected < ItemCount()) SetItemIndex(selected);
}

void TskSkinFileListView::ReadFolder() {
  if (reading_ || !shell_ || folder_.empty()) return;
  // A name being typed belongs to a row that is about to go.
  if (IsRenaming()) EndRename(true);
  reading_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{reading_};

  if (combo_) combo_->ShowFolder(folder_);
  // The tree selects the folder; its selection change leads back here and stops, as a read runs.
  if (tree_) tree_->OpenAt(folder_);
  ClearSelection();
  SetItemCount(0);
  entries_ = {};  // frees the items before the next listing is made
  details_ = {};
  std::vector<platform::ShellEntry> listed = shell_->List(folder_, object_types_);
  std::erase_if(listed, [this](const platform::ShellEntry& e) {
    if (!e.IsFolder() && !MatchesMask(e.Name(), mask_)) return true;
    bool accept = true;
    if (OnAddFolder) OnAddFolder(*this, e, accept);
    return !accept;
  });
  if (sorted_) {
    // A virtual folder lists its places (home, computer, volumes) first, in their own order; only
    // the items of the folder behind it (the desktop folder's) are sorted.
    auto first_item = listed.begin();
    if (folder_.starts_with("::")) {
      const std::string behind = shell_->Item(folder_).path;
      first_item = std::stable_partition(listed.begin(), listed.end(), [&](const platform::ShellEntry& e) {
        return platform::ShellNamespace::Parent(platform::ShellNamespace::ChildId(folder_, e)) != behind;
      });
    }
    std::sort(first_item, listed.end(), [](const platform::ShellEntry& a, const platform::ShellEntry& b) {
      return platform::CompareShellItems(a.IsFolder(), a.Name(), b.IsFolder(), b.Name()) < 0;
    });
  }
  listed.shrink_to_fit();
  entries_ = std::move(listed);
  SetItemCount(static_cast<int64_t>(entries_.size()));
  BuildColumns();
  Watch();
}

void TskSkinFileListView::BuildColumns() {
  Header()->ClearSections();
  const int32_t x_width = std::max(1, GetFont().TextWidth("X"));
  for (const platform::ShellColumn& column : platform::ShellNamespace::Columns(folder_)) {
    AddColumn(column.caption, column.width_chars * x_width,
              column.right_aligned ? ui::TextAlignment::kRight : ui::TextAlignment::kLeft);
  }
}

void TskSkinFileListView::FillData(int32_t index, ui::ListItemData& out) {
  if (index < 0 || index >= static_cast<int32_t>(entries_.size())) return;
  const platform::ShellEntry& entry = entries_[static_cast<size_t>(index)];
  out.caption = entry.Name();
  out.image_index = ShellIconIndex(entry.icon);
  if (GetViewStyle() != ui::ViewStyle::kReport || ColumnCount() < 2) return;
  auto found = details_.find(index);
  if (found == details_.end()) {
    platform::ShellDetails details;
    try {
      details = shell_->Details(EntryId(index));
    } catch (const platform::ShellError&) {
      // The item went since the folder was read: its row shows no details rather than raising an
      // error on every repaint.
    }
    found = details_.emplace(index, std::move(details)).first;
  }
  out.sub_items = {found->second.size, found->second.type, found->second.modified};
}

int32_t TskSkinFileListView::FindPrefix(const std::string& prefix, int32_t start) const {
  const auto count = static_cast<int32_t>(entries_.size());
  if (count == 0) return -1;
  start = std::clamp(start, 0, count - 1);
  for (int32_t n = 0; n < count; ++n) {
    const int32_t i = (start + n) % count;
    if (ui::StartsWithNoCase(entries_[static_cast<size_t>(i)].Name(), prefix)) return i;
  }
  return -1;
}

bool TskSkinFileListView::OpenSelectedFolder() {
  const int32_t index = ItemIndex();
  if (index < 0 || !entries_[static_cast<size_t>(index)].IsFolder()) return false;
  NavigateTo(EntryId(index));
  return true;
}

void TskSkinFileListView::KeyDown(uint16_t& key, ui::ShiftState shift) {
  const bool menu_key = key == platform::kVkApps || (key == kVkF10 && ui::Has(shift, ui::kShift));
  if (menu_key && auto_context_menus_) {
    key = 0;
    PopupItemMenu(ItemFocused() >= 0 ? ItemFocused() : ItemIndex());
    return;
  }
  if (auto_navigate_) {
    if (key == platform::kVkBack) {
      GoUp();
      key = 0;
    } else if (key == kVkF5) {
      RefreshFolder();
      key = 0;
    } else if (key == platform::kVkReturn && !ui::Has(shift, ui::kAlt) && OpenSelectedFolder()) {
      key = 0;
    }
  }
  TskSkinCustomListView::KeyDown(key, shift);
}

void TskSkinFileListView::DblClick() {
  if (auto_navigate_) OpenSelectedFolder();
  TskSkinCustomListView::DblClick();
}

bool TskSkinFileListView::DefaultContextMenu(gfx::Point screen) {
  if (!auto_context_menus_ || !shell_) return false;
  const gfx::Point at = ScreenToClient(screen);
  const int32_t index = ItemAt(at.x, at.y);
  if (index < 0 || !Selection().Contains(index)) return false;
  if (!item_menu_) item_menu_ = std::make_unique<ShellItemMenu>();
  item_menu_->Popup(*this, SkinData(), *shell_, EntryId(index), screen, [this, index] { BeginRename(index); });
  return true;
}

void TskSkinFileListView::PopupItemMenu(int32_t index) {
  if (!shell_ || index < 0 || index >= static_cast<int32_t>(entries_.size())) return;
  MakeVisible(index);
  const gfx::Rect r = ItemRect(index);
  const gfx::Point screen = ClientToScreen({r.left + r.Height(), r.bottom});
  if (!item_menu_) item_menu_ = std::make_unique<ShellItemMenu>();
  const std::string id = EntryId(index);
  item_menu_->Popup(*this, SkinData(), *shell_, id, screen, [this, id] {
    // The folder may have been read again since the menu opened.
    for (int32_t i = 0; i < static_cast<int32_t>(entries_.size()); ++i) {
      if (EntryId(i) == id) {
        BeginRename(i);
        return;
      }
    }
  });
}

bool TskSkinFileListView::BeginRename(int32_t index) {
  if (!shell_ || index < 0 || index >= static_cast<int32_t>(entries_.size())) return false;
  const std::string id = EntryId(index);
  if (!shell_->Item(id).can_rename) return false;
  if (IsRenaming()) EndRename(true);
  MakeVisible(index);
  if (rename_edit_ == nullptr) {
    rename_edit_ = AddChild(std::make_unique<NameEdit>());
    rename_edit_->SetVisible(false);
    rename_edit_->OnKeyDown = [this](ui::Control*, uint16_t& key, ui::ShiftState) {
      if (key != platform::kVkReturn && key != platform::kVkEscape) return;
      const bool cancel = key == platform::kVkEscape;
      key = 0;
      EndRename(cancel);
    };
    // Leaving the field any other way keeps the text; a refusal is reported rather than thrown
    // through the focus change.
    rename_edit_->OnExit = [this](ui::Component*) {
      try {
        EndRename(false);
      } catch (...) {
        if (ui::Application* app = ui::Application::Current()) app->HandleException(std::current_exception());
      }
    };
  }
  renaming_ = id;
  const gfx::Rect item = ItemRect(index);
  gfx::Rect field = item;
  if (GetViewStyle() == ui::ViewStyle::kIcon) {
    field.top = std::max(item.top, item.bottom - GetFont().TextHeight() - 4);
  } else {
    // In the details view the name is only the first column's.
    if (GetViewStyle() == ui::ViewStyle::kReport && Header()->SectionCount() > 0)
      field.right = std::min(field.right, item.left + Header()->Section(0).width);
    field.left = std::min(field.right - 8, item.left + kCaptionInset + (SmallImages() ? SmallImages()->Width() : 0));
  }
  const int32_t width = std::max<int32_t>(field.Width(), GetViewStyle() == ui::ViewStyle::kReport ? 0 : 120);
  rename_edit_->SetFont(GetFont());
  rename_edit_->SetBounds(field.left, field.top, std::min(width, ClientRect().right - field.left), field.Height());
  rename_edit_->SetText(entries_[static_cast<size_t>(index)].Name());
  rename_edit_->SelectAll();
  rename_edit_->SetVisible(true);
  rename_edit_->SetFocus();
  return true;
}

void TskSkinFileListView::EndRename(bool cancel) {
  if (!IsRenaming()) return;
  // Cleared first: hiding the field and taking the focus back end up here again.
  const std::string id = std::move(renaming_);
  renaming_.clear();
  const std::string text = rename_edit_->Text();
  const bool had_focus = rename_edit_->Focused();
  rename_edit_->SetVisible(false);
  if (had_focus && CanFocus()) SetFocus();
  Invalidate();
  if (cancel || !shell_ || text == shell_->Item(id).name) return;
  const std::string new_id = shell_->Rename(id, text);  // throws with the item as it was
  ReadFolder();
  for (int32_t i = 0; i < static_cast<int32_t>(entries_.size()); ++i) {
    if (EntryId(i) == new_id) {
      SetItemIndex(i);
      SetItemFocused(i);
      MakeVisible(i);
      break;
    }
  }
}

}  // namespace skin
