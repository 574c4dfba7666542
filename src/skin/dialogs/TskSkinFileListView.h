// TskSkinFileListView: the items of one shell folder in a skinned list view, filtered by a mask,
// folders first.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ShellNamespace.h"
#include "skin/controls/TskSkinListView.h"

namespace platform {
class FolderWatcher;
}

namespace ui {
class Edit;
class ImageList;
}

namespace skin {

// The list runs in owner data: it holds one small platform::ShellEntry per shown item and the count;
// captions and images are made when a row is drawn, and detail texts are read for a drawn row once
// and kept until the next read. The namespace is observed and must outlive the control.
//
// A read happens when the folder, Root, Mask, ObjectTypes or Sorted change and on RefreshFolder; a
// folder that cannot be listed shows nothing. With AutoNavigate, a double click or Enter on a folder
// opens it, Backspace goes up and F5 reads the folder again. With AutoContextMenus, a right click on a
// selected item, the Menu key or Shift+F10 opens the item's menu (open, rename, properties).
class ShellItemMenu;
class TskSkinShellComboBox;
class TskSkinDirTreeView;

class TskSkinFileListView : public TskSkinCustomListView {
 public:
  TskSkinFileListView();
  ~TskSkinFileListView() override;

  platform::ShellNamespace* Shell() const { return shell_; }
  // Sets the namespace and opens Root in it; throws platform::ShellError when Root cannot be parsed
  // there, and the list stays empty.
  void SetShell(platform::ShellNamespace* shell);

  // A root-folder name or a path ("rfDesktop" at creation). A different value (compared without
  // case) makes its item the current folder and reads it, without OnFolderChange; a value that
  // cannot be parsed throws platform::ShellError and the previous root stays.
  const std::string& Root() const { return root_; }
  void SetRoot(const std::string& root);
  // Which files show ("*.*" at creation; see MatchesMask).
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  // platform::ShellKinds flags (folders and non-folders at creation).
  unsigned ObjectTypes() const { return object_types_; }
  void SetObjectTypes(unsigned kinds);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  bool AutoNavigate() const { return auto_navigate_; }
  void SetAutoNavigate(bool v) { auto_navigate_ = v; }
  // Whether the items' own context menu opens (on at creation).
  bool AutoContextMenus() const { return auto_context_menus_; }
  void SetAutoContextMenus(bool v) { auto_context_menus_ = v; }
  // The item menu shown last, or null.
  ShellItemMenu* ItemMenu() const { return item_menu_.get(); }
  // Opens the item menu of the item at `index` below its caption.
  void PopupItemMenu(int32_t index);
  // Reads the folder again by itself when names in it appear, go or move (off at creation). The
  // changes are watched on a thread of their own and handed to the UI thread; a folder without a
  // path, or one that cannot be watched, is read again only by hand.
  bool AutoRefresh() const { return auto_refresh_; }
  void SetAutoRefresh(bool v);
  // The folder drop-down that shows every folder read here (observed, forgotten when it goes).
  // Links both ways.
  TskSkinShellComboBox* ShellComboBox() const { return combo_; }
  void SetShellComboBox(TskSkinShellComboBox* combo);
  // The folder tree that selects every folder read here and whose selection this list shows
  // (observed, forgotten when it goes). Links both ways; a new Root here becomes the tree's Root.
  TskSkinDirTreeView* ShellTreeView() const { return tree_; }
  void SetShellTreeView(TskSkinDirTreeView* tree);

  // The shown items, in list order.
  const std::vector<platform::ShellEntry>& Entries() const { return entries_; }
  const std::string& CurrentFolder() const { return folder_; }
  // The current folder's path; empty for a folder without one, or before a namespace is set.
  std::string CurrentFolderPath() const;
  // The selected item's path when it is not a folder, else empty.
  std::string SelectedPath() const;
  // The paths of all selected non-folder items, in list order.
  std::vector<std::string> SelectedPaths() const;

  // Makes `id` the current folder, reads it and fires OnFolderChange; nothing while a read runs or
  // when `id` is the current folder already.
  void NavigateTo(const std::string& id);
  // Parses `text` as the namespace does and navigates there; throws platform::ShellError
  // "Error setting path: ..." when it cannot be parsed.
  void SetPath(const std::string& text);
  // The parent of the current folder; the desktop stays where it is.
  void GoUp();
  // Reads the current folder again and selects the item at the index that was selected, when it
  // still exists.
  void RefreshFolder();

  // Puts a field over the item's caption in which its new name is typed: Enter or leaving the
  // field renames the item, Escape drops the text. False when the item cannot be renamed.
  bool BeginRename(int32_t index);
  // Ends a rename. Throws platform::ShellError "Rename to ... failed" when the name is refused; the
  // item then keeps its name. The renamed item is selected in the folder read again.
  void EndRename(bool cancel);
  bool IsRenaming() const { return !renaming_.empty(); }
  ui::Edit* RenameEdit() const { return rename_edit_; }

  // After every NavigateTo that changed the folder.
  ui::NotifyEvent OnFolderChange;
  // Asked for each listed item that passed the mask; clearing `accept` leaves it out.
  std::function<void(TskSkinFileListView& sender, const platform::ShellEntry& entry, bool& accept)> OnAddFolder;

 protected:
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  void DblClick() override;
  bool DefaultContextMenu(gfx::Point screen) override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void ReadFolder();
  void BuildColumns();
  void FillData(int32_t index, ui::ListItemData& out);
  int32_t FindPrefix(const std::string& prefix, int32_t start) const;
  // The listed item's id.
  std::string EntryId(int32_t index) const;
  // Opens the selected item when it is a folder; true when it did.
  bool OpenSelectedFolder();
  // Watches the current folder when auto refresh is on and it is not watched yet.
  void Watch();

  platform::ShellNamespace* shell_ = nullptr;
  std::string root_ = "rfDesktop";
  std::string mask_ = "*.*";
  unsigned object_types_ = platform::kShellFolders | platform::kShellNonFolders;
  bool sorted_ = true;
  bool auto_navigate_ = true;
  bool auto_context_menus_ = true;
  bool reading_ = false;
  TskSkinShellComboBox* combo_ = nullptr;
  TskSkinDirTreeView* tree_ = nullptr;
  std::string folder_;
  std::vector<platform::ShellEntry> entries_;
  // Detail texts of drawn rows, by index; emptied by each read.
  std::unordered_map<int32_t, platform::ShellDetails> details_;
  std::unique_ptr<ui::ImageList> small_icons_;
  std::unique_ptr<ui::ImageList> large_icons_;
  bool auto_refresh_ = false;
  std::string watched_;  // the path the watcher watches
  std::unique_ptr<platform::FolderWatcher> watcher_;
  std::unique_ptr<ShellItemMenu> item_menu_;
  ui::Edit* rename_edit_ = nullptr;  // a child, made on the first rename and then kept hidden
  std::string renaming_;             // the id of the item being renamed
};

}  // namespace skin
