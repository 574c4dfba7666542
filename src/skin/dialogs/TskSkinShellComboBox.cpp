// The folder drop-down: its entries, showing a folder, drawing and the link with a folder list.
#include "skin/dialogs/TskSkinShellComboBox.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "gfx/Canvas.h"
#include "skin/controls/TskPopupListBox.h"
#include "skin/dialogs/ShellIcons.h"
#include "skin/dialogs/ShellRoot.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "ui/ImageList.h"

namespace skin {

TskSkinShellComboBox::TskSkinShellComboBox() : icons_(std::make_unique<ui::ImageList>()) {
  FillShellIcons(*icons_, kSmallShellIcon);
  OnComboBoxDrawItem = [this](TskSkinCustomComboBox&, gfx::Canvas& canvas, int32_t index, uint8_t,
                              const gfx::Rect& text_rect) {
    // The field shows the chosen folder without its indent.
    if (index < 0 || index >= static_cast<int32_t>(entries_.size())) return;
    gfx::Rect r = text_rect;
    r.left += 2 - entries_[static_cast<size_t>(index)].level * (kSmallShellIcon / 2);
    DrawEntry(canvas, index, r);
  };
  ListBox().OnDrawItem = [this](TskSkinCustomListBox&, gfx::Canvas& canvas, int32_t index, uint8_t,
                                const gfx::Rect& text_rect, int32_t, int32_t) { DrawEntry(canvas, index, text_rect); };
}

TskSkinShellComboBox::~TskSkinShellComboBox() {
  ListBox().OnDrawItem = nullptr;
  OnComboBoxDrawItem = nullptr;
}

void TskSkinShellComboBox::SetShell(platform::ShellNamespace* shell) {
  shell_ = shell;
  root_id_ = shell_ ? shell_->Parse(root_) : std::string();
  if (shell_) {
    ShowFolder(root_id_);
  } else {
    entries_.clear();
    SetItems({});
  }
}

void TskSkinShellComboBox::SetRoot(const std::string& root) {
  if (ChangeShellRoot(shell_, root, root_, root_id_) && shell_) ShowFolder(root_id_);
}

void TskSkinShellComboBox::SetShellListView(TskSkinFileListView* list) {
  if (list == list_view_) return;
  if (list_view_) RemoveFreeNotification(list_view_);
  TskSkinFileListView* old = list_view_;
  list_view_ = list;
  if (old && old->ShellComboBox() == this) old->SetShellComboBox(nullptr);
  if (list_view_) {
    FreeNotification(list_view_);
    list_view_->SetShellComboBox(this);
  }
}

void TskSkinShellComboBox::Notification(ui::Component* component, Operation operation) {
  TskSkinComboBox::Notification(component, operation);
  if (operation == Operation::kRemove && component == list_view_) list_view_ = nullptr;
}

void TskSkinShellComboBox::BuildBase() {
  entries_.clear();
  if (!shell_ || root_id_.empty()) return;
  entries_.push_back({root_id_, 0, shell_->Item(root_id_).icon});
  for (const platform::ShellEntry& child : shell_->List(root_id_, platform::kShellFolders)) {
    const std::string id = platform::ShellNamespace::ChildId(root_id_, child);
    entries_.push_back({id, 1, child.icon});
    if (root_id_ == platform::ShellNamespace::kDesktopId && id == platform::ShellNamespace::kComputerId) {
      for (const platform::ShellEntry& drive : shell_->List(id, platform::kShellFolders))
        entries_.push_back({platform::ShellNamespace::ChildId(id, drive), 2, drive.icon});
    }
  }
}

void TskSkinShellComboBox::ShowFolder(const std::string& id) {
  if (!shell_) return;
  BuildBase();
  // The folder's chain, from the top down.
  std::vector<std::string> chain{id};
  while (std::optional<std::string> parent = platform::ShellNamespace::Parent(chain.back())) chain.push_back(*parent);
  std::reverse(chain.begin(), chain.end());
  // The deepest folder of the chain that has an entry already (its first one): the folder itself,
  // else the nearest ancestor.
  size_t found = entries_.size();
  size_t step = chain.size();
  while (step > 0 && found == entries_.size()) {
    --step;
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.id == chain[step]; });
    if (it != entries_.end()) found = static_cast<size_t>(it - entries_.begin());
  }
  size_t selected = found;
  if (found == entries_.size()) {
    // A folder outside the root stands alone at the end.
    entries_.push_back({id, 0, shell_->Item(id).icon});
    selected = entries_.size() - 1;
  } else {
    // The folders below it down to the shown one follow it, one level deeper each.
    size_t at = found + 1;
    int level = entries_[found].level + 1;
    for (++step; step < chain.size(); ++step, ++at, ++level)
      entries_.insert(entries_.begin() + static_cast<long>(at), Entry{chain[step], level, shell_->Item(chain[step]).icon});
    selected = at - 1;
  }
  std::vector<std::string> captions;
  captions.reserve(entries_.size());
  for (const Entry& e : entries_) captions.push_back(shell_->Item(e.id).name);
  showing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{showing_};
  SetItems(std::move(captions));
  SetItemIndex(selected < entries_.size() ? static_cast<int32_t>(selected) : -1);
}

void TskSkinShellComboBox::Change() {
  if (showing_) return;
  const int32_t index = ItemIndex();
  if (index < 0 || index >= static_cast<int32_t>(entries_.size())) return;
  const std::string id = entries_[static_cast<size_t>(index)].id;
  ShowFolder(id);
  if (list_view_) list_view_->NavigateTo(id);
}

void TskSkinShellComboBox::DrawEntry(gfx::Canvas& canvas, int32_t index, const gfx::Rect& text_rect) const {
  if (index < 0 || index >= static_cast<int32_t>(entries_.size())) return;
  const Entry& e = entries_[static_cast<size_t>(index)];
  const int32_t left = text_rect.left + e.level * (kSmallShellIcon / 2);
  icons_->Draw(canvas, left, text_rect.top + (text_rect.Height() - kSmallShellIcon) / 2, ShellIconIndex(e.icon));
  canvas.Save();
  canvas.IntersectClip(text_rect);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  gfx::Rect r{left + kSmallShellIcon + 3, text_rect.top, text_rect.right, text_rect.bottom};
  canvas.DrawText(r, ListBox().Item(index), gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtNoPrefix);
  canvas.Restore();
}

}  // namespace skin
