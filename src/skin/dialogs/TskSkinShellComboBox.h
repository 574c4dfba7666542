// TskSkinShellComboBox: a drop-down of the chain of folders from the root down to the folder shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ShellNamespace.h"
#include "skin/controls/TskSkinComboBox.h"

namespace ui {
class ImageList;
}

namespace skin {

class TskSkinFileListView;

// The entries are the root (level 0) and its subfolders (level 1); under the desktop, the
// computer's folders follow the computer's entry (level 2). Showing a folder adds the folders
// between the deepest entry on its way and the folder itself, one level deeper each, and selects
// it. Entries are drawn with their small icon, indented half an icon per level.
//
// Linked with a folder list, the list shows the folder chosen here and this drop-down shows every
// folder the list reads. The namespace and the list are observed; a list that goes is forgotten.
class TskSkinShellComboBox : public TskSkinComboBox {
 public:
  struct Entry {
    std::string id;
    int level = 0;
    platform::ShellIcon icon = platform::ShellIcon::kFolder;
  };

  TskSkinShellComboBox();
  ~TskSkinShellComboBox() override;

  platform::ShellNamespace* Shell() const { return shell_; }
  // Sets the namespace and shows the root; throws platform::ShellError when Root cannot be parsed.
  void SetShell(platform::ShellNamespace* shell);
  // A root-folder name or a path ("rfDesktop" at creation); throws platform::ShellError when it
  // cannot be parsed, and the previous root stays.
  const std::string& Root() const { return root_; }
  void SetRoot(const std::string& root);

  TskSkinFileListView* ShellListView() const { return list_view_; }
  // Links both ways: the list's drop-down becomes this one.
  void SetShellListView(TskSkinFileListView* list);

  const std::vector<Entry>& Entries() const { return entries_; }
  // Rebuilds the entries for `id` and selects its entry.
  void ShowFolder(const std::string& id);

 protected:
  // The user chose an entry: show it here and in the linked list.
  void Change() override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void BuildBase();
  void DrawEntry(gfx::Canvas& canvas, int32_t index, const gfx::Rect& text_rect) const;

  platform::ShellNamespace* shell_ = nullptr;
  std::string root_ = "rfDesktop";
  std::string root_id_;
  std::vector<Entry> entries_;
  TskSkinFileListView* list_view_ = nullptr;
  bool showing_ = false;
  std::unique_ptr<ui::ImageList> icons_;
};

}  // namespace skin
