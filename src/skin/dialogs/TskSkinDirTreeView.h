// TskSkinDirTreeView: a skinned tree of shell folders that lists each folder's subfolders when it is
// first expanded.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/ShellNamespace.h"
#include "skin/controls/TskSkinTreeView.h"

namespace ui {
class ImageList;
}

namespace skin {

class ShellItemMenu;
class TskSkinFileListView;

// The tree starts with one node for Root, expanded and selected. A node shows a button while the
// namespace says its folder has subfolders; expanding it the first time lists them (sorted, folders
// first), and a folder that turns out empty loses its button. Editing a label renames the folder.
//
// The tree uses its own OnExpanding, OnChange, OnEdited and OnDeletion; callers hear of a new
// selection through OnSelect. Linked with a folder list, the list shows the folder selected here
// and this tree selects every folder the list reads. The namespace and the list are observed.
// With AutoContextMenus, a right click (which selects the node under it), the Menu key or Shift+F10
// opens the selected folder's menu (open, rename, properties).
class TskSkinDirTreeView : public TskSkinCustomTreeView {
 public:
  TskSkinDirTreeView();
  ~TskSkinDirTreeView() override;

  platform::ShellNamespace* Shell() const { return shell_; }
  // Sets the namespace and rebuilds the tree at Root; throws platform::ShellError when Root cannot be
  // parsed there, and the tree stays empty.
  void SetShell(platform::ShellNamespace* shell);
  // A root-folder name or a path ("rfDesktop" at creation). A different value (compared without
  // case) rebuilds the tree; one that cannot be parsed throws platform::ShellError and the previous
  // root stays.
  const std::string& Root() const { return root_; }
  void SetRoot(const std::string& root);
  // platform::ShellKinds flags of the listed children (folders at creation).
  unsigned ObjectTypes() const { return object_types_; }
  void SetObjectTypes(unsigned kinds) { object_types_ = kinds; }

  // Whether the folders' own context menu opens (on at creation).
  bool AutoContextMenus() const { return auto_context_menus_; }
  void SetAutoContextMenus(bool v) { auto_context_menus_ = v; }
  // The item menu shown last, or null.
  ShellItemMenu* ItemMenu() const { return item_menu_.get(); }
  // Opens the selected node's menu below its label.
  void PopupItemMenu();

  // The folder list that shows the selected folder (observed, forgotten when it goes). Links both
  // ways.
  TskSkinFileListView* ShellListView() const { return list_view_; }
  void SetShellListView(TskSkinFileListView* list);

  // The id of a node made here; empty for any other.
  std::string NodeId(const ui::TreeNode* node) const;
  // The selected node's id, empty when nothing is selected.
  std::string SelectedId() const { return NodeId(Selected()); }
  // The selected node's path; empty when nothing is selected or its folder has no path (the
  // computer).
  std::string SelectedPath() const;

  // Expands the nodes from the root down to `id`'s parent and selects its node. When a folder on the
  // way is not in the tree (hidden or refused), the deepest one found is selected and false
  // returned; for a folder outside the root nothing changes and false is returned.
  bool OpenAt(const std::string& id);
  // Parses `text` as the namespace does, opens at it and expands its node when found; throws
  // platform::ShellError "Error setting path: ..." when it cannot be parsed.
  bool SetPath(const std::string& text);

  // After the selection moved to another node (null when it was cleared).
  std::function<void(TskSkinDirTreeView& sender, ui::TreeNode* node)> OnSelect;
  // Asked for each listed child; clearing `accept` leaves it out.
  std::function<void(TskSkinDirTreeView& sender, const platform::ShellEntry& entry, bool& accept)> OnAddFolder;

 protected:
  void Notification(ui::Component* component, Operation operation) override;
  void KeyDown(uint16_t& key, ui::ShiftState shift) override;
  bool DefaultContextMenu(gfx::Point screen) override;

 private:
  void Rebuild();
  ui::TreeNode* AddNode(ui::TreeNode* parent, const std::string& id, const std::string& text, platform::ShellIcon icon);
  // Lists the node's folder into children; false when the node is not a folder (it is opened).
  bool ListChildren(ui::TreeNode* node);
  void Rename(ui::TreeNode* node, std::string& text);
  void SelectionChanged(ui::TreeNode* node);
  void ShowItemMenu(ui::TreeNode* node, gfx::Point screen);

  platform::ShellNamespace* shell_ = nullptr;
  std::string root_ = "rfDesktop";
  std::string root_id_;
  unsigned object_types_ = platform::kShellFolders;
  TskSkinFileListView* list_view_ = nullptr;
  std::unordered_map<const ui::TreeNode*, std::string> ids_;
  std::unique_ptr<ui::ImageList> icons_;
  bool auto_context_menus_ = true;
  std::unique_ptr<ShellItemMenu> item_menu_;
};

}  // namespace skin
