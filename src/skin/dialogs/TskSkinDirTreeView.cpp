// The folder tree: nodes made on demand, opening at a folder, renaming and the link with a folder list.
#include "skin/dialogs/TskSkinDirTreeView.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ShellItemOrder.h"
#include "skin/dialogs/ShellIcons.h"
#include "skin/dialogs/ShellItemMenu.h"
#include "skin/dialogs/ShellRoot.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "ui/ImageList.h"
#include "ui/KeyCodes.h"

namespace skin {

TskSkinDirTreeView::TskSkinDirTreeView() : icons_(std::make_unique<ui::ImageList>()) {
  FillShellIcons(*icons_, kSmallShellIcon);
  SetImages(icons_.get());
  SetRightClickSelect(true);
  OnExpanding = [this](ui::Control*, ui::TreeNode* node, bool& allow) {
    if (node->FirstChild() == nullptr) allow = ListChildren(node);
  };
  OnChange = [this](ui::Control*, ui::TreeNode* node) { SelectionChanged(node); };
  OnEdited = [this](ui::Control*, ui::TreeNode* node, std::string& text) { Rename(node, text); };
  OnDeletion = [this](ui::Control*, ui::TreeNode* node) { ids_.erase(node); };
}

TskSkinDirTreeView::~TskSkinDirTreeView() {
  item_menu_.reset();  // a command still queued from the menu then does nothing
  OnExpanding = nullptr;
  OnChange = nullptr;
  OnEdited = nullptr;
  OnDeletion = nullptr;
  SetImages(nullptr);
}

void TskSkinDirTreeView::SetShell(platform::ShellNamespace* shell) {
  shell_ = shell;
  root_id_.clear();
  if (shell_) root_id_ = shell_->Parse(root_);  // throws with the tree emptied below
  Rebuild();
}

void TskSkinDirTreeView::SetRoot(const std::string& root) {
  if (ChangeShellRoot(shell_, root, root_, root_id_) && shell_) Rebuild();
}

void TskSkinDirTreeView::SetShellListView(TskSkinFileListView* list) {
  if (list == list_view_) return;
  if (list_view_) RemoveFreeNotification(list_view_);
  TskSkinFileListView* old = list_view_;
  list_view_ = list;
  if (old && old->ShellTreeView() == this) old->SetShellTreeView(nullptr);
  if (list_view_) {
    FreeNotification(list_view_);
    list_view_->SetShellTreeView(this);
  }
}

void TskSkinDirTreeView::Notification(ui::Component* component, Operation operation) {
  TskSkinCustomTreeView::Notification(component, operation);
  if (operation == Operation::kRemove && component == list_view_) list_view_ = nullptr;
}

std::string TskSkinDirTreeView::NodeId(const ui::TreeNode* node) const {
  const auto it = ids_.find(node);
  return it == ids_.end() ? std::string() : it->second;
}

std::string TskSkinDirTreeView::SelectedPath() const {
  const std::string id = SelectedId();
  return id.empty() || !shell_ ? std::string() : shell_->Item(id).path;
}

void TskSkinDirTreeView::Rebuild() {
  Clear();
  ids_.clear();
  if (!shell_ || root_id_.empty()) return;
  const platform::ShellItem item = shell_->Item(root_id_);
  ui::TreeNode* node = AddNode(nullptr, root_id_, item.name, item.icon);
  node->Expand();
  SetSelected(node);
}

ui::TreeNode* TskSkinDirTreeView::AddNode(ui::TreeNode* parent, const std::string& id, const std::string& text,
                                          platform::ShellIcon icon) {
  ui::TreeNode* node = AddChild(parent, text);
  node->SetImageIndex(ShellIconIndex(icon));
  node->SetSelectedIndex(ShellIconIndex(icon));
  node->SetHasChildren(shell_->HasSubfolders(id));
  ids_[node] = id;
  return node;
}

bool TskSkinDirTreeView::ListChildren(ui::TreeNode* node) {
  if (!shell_) return false;
  const std::string id = NodeId(node);
  if (id.empty()) return true;
  if (!shell_->Item(id).folder) {
    // An archive or a file: opened with the desktop's program rather than expanded.
    shell_->Open(id);
    return false;
  }
  std::vector<platform::ShellEntry> listed = shell_->List(id, object_types_);
  if (OnAddFolder) {
    std::erase_if(listed, [this](const platform::ShellEntry& e) {
      bool accept = true;
      OnAddFolder(*this, e, accept);
      return !accept;
    });
  }
  // A virtual folder lists its places (home, computer, volumes) first, in their own order; only the
  // items of the folder behind it (the desktop folder's) are sorted.
  auto first_item = listed.begin();
  if (id.starts_with("::")) {
    const std::string behind = shell_->Item(id).path;
    first_item = std::stable_partition(listed.begin(), listed.end(), [&](const platform::ShellEntry& e) {
      return platform::ShellNamespace::Parent(platform::ShellNamespace::ChildId(id, e)) != behind;
    });
  }
  std::sort(first_item, listed.end(), [](const platform::ShellEntry& a, const platform::ShellEntry& b) {
    return platform::CompareShellItems(a.IsFolder(), a.Name(), b.IsFolder(), b.Name()) < 0;
  });
  for (const platform::ShellEntry& e : listed) AddNode(node, platform::ShellNamespace::ChildId(id, e), e.Name(), e.icon);
  return true;
}

bool TskSkinDirTreeView::OpenAt(const std::string& id) {
  ui::TreeNode* node = FirstNode();
  if (!shell_ || node == nullptr) return false;
  std::vector<std::string> chain{id};
  while (chain.back() != root_id_) {
    std::optional<std::string> parent = platform::ShellNamespace::Parent(chain.back());
    if (!parent) return false;  // outside the root
    chain.push_back(std::move(*parent));
  }
  std::reverse(chain.begin(), chain.end());
  bool found = true;
  for (size_t step = 1; step < chain.size() && found; ++step) {
    node->Expand();
    ui::TreeNode* child = node->FirstChild();
    while (child != nullptr && NodeId(child) != chain[step]) child = child->NextSibling();
    if (child == nullptr) {
      found = false;
    } else {
      node = child;
    }
  }
  SetSelected(node);
  return found;
}

bool TskSkinDirTreeView::SetPath(const std::string& text) {
  if (!shell_) return false;
  const bool found = OpenAt(shell_->Parse(text));
  if (found) Selected()->Expand();
  return found;
}

void TskSkinDirTreeView::Rename(ui::TreeNode* node, std::string& text) {
  const std::string id = NodeId(node);
  if (!shell_ || id.empty() || text == node->Text()) return;
  if (!shell_->Item(id).can_rename) {
    text = node->Text();  // refused without a message
    return;
  }
  const std::string new_id = shell_->Rename(id, text);  // throws with the label unchanged
  // The node and everything listed below it now live under the new name.
  const std::string old_prefix = id + "/";
  for (auto& [n, node_id] : ids_) {
    if (node_id == id) {
      node_id = new_id;
    } else if (node_id.starts_with(old_prefix)) {
      node_id = new_id + "/" + node_id.substr(old_prefix.size());
    }
  }
  if (node == Selected()) SelectionChanged(node);
}

void TskSkinDirTreeView::SelectionChanged(ui::TreeNode* node) {
  if (list_view_ && shell_ && node != nullptr) {
    const std::string id = NodeId(node);
    if (!id.empty()) {
      // A node that is not a folder shows the folder holding it.
      const std::optional<std::string> parent = platform::ShellNamespace::Parent(id);
      list_view_->NavigateTo(shell_->Item(id).folder || !parent ? id : *parent);
    }
  }
  if (OnSelect) OnSelect(*this, node);
}

void TskSkinDirTreeView::KeyDown(uint16_t& key, ui::ShiftState shift) {
  const bool menu_key = key == platform::kVkApps || (key == platform::kVkF1 + 9 && ui::Has(shift, ui::kShift));
  if (menu_key && auto_context_menus_ && !IsEditing()) {
    key = 0;
    PopupItemMenu();
    return;
  }
  TskSkinCustomTreeView::KeyDown(key, shift);
}

bool TskSkinDirTreeView::DefaultContextMenu(gfx::Point screen) {
  if (!auto_context_menus_ || Selected() == nullptr) return false;
  ShowItemMenu(Selected(), screen);
  return true;
}

void TskSkinDirTreeView::PopupItemMenu() {
  ui::TreeNode* node = Selected();
  if (node == nullptr) return;
  MakeVisible(node);
  const gfx::Rect label = DisplayRect(node, true);
  ShowItemMenu(node, ClientToScreen({label.left, label.bottom}));
}

void TskSkinDirTreeView::ShowItemMenu(ui::TreeNode* node, gfx::Point screen) {
  const std::string id = NodeId(node);
  if (!shell_ || id.empty()) return;
  if (!item_menu_) item_menu_ = std::make_unique<ShellItemMenu>();
  item_menu_->Popup(*this, SkinData(), *shell_, id, screen, [this, id] {
    // The node may have gone since the menu opened: look it up by its folder.
    for (const auto& [n, node_id] : ids_) {
      if (node_id == id) {
        BeginEdit(const_cast<ui::TreeNode*>(n));
        return;
      }
    }
  });
}

}  // namespace skin
