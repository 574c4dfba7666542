// ShellItemMenu: the skinned context menu of one shell item (open, rename, properties) shared by the
// folder list and the folder tree, and the text of an item's properties box.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gfx/Geometry.h"
#include "skin/controls/LifeFlag.h"

namespace platform {
class ShellNamespace;
}

namespace ui {
class Control;
}

namespace skin {

class TskSkinData;
class TskSkinPopupMenu;

// "名称", "位置", "类型", "大小" and "修改时间" of an item, one "label: value" line each. A folder has
// no size line; an item without a path (the computer) only its name and place. Throws
// platform::ShellError when the item's status cannot be read.
std::string ShellPropertiesText(const platform::ShellNamespace& shell, const std::string& id);

// Owned by a browsing control. Each Popup builds the menu anew for one item: "打开(&O)" (the
// desktop's handler), "重命名(&M)" while the item can be renamed, and "属性(&R)" (an information box
// in the skin of the control's form). The chosen command runs after the menu has closed, from the
// application's queue, and not at all when the control went meanwhile; its errors go to the
// application's error report.
class ShellItemMenu {
 public:
  ShellItemMenu();
  ~ShellItemMenu();
  ShellItemMenu(const ShellItemMenu&) = delete;
  ShellItemMenu& operator=(const ShellItemMenu&) = delete;

  // Shows the menu at a screen point for `control`, drawn with `skin` (its controls' skin). `rename`
  // starts renaming the item in the control. The namespace must outlive the control.
  void Popup(ui::Control& control, TskSkinData* skin, platform::ShellNamespace& shell, const std::string& id,
             gfx::Point screen, std::function<void()> rename);
  // The menu shown last (kept until the next Popup), or null.
  TskSkinPopupMenu* Menu() const { return menu_.get(); }

 private:
  // Queues `command`; it runs once the menu is gone and only while this object lives.
  void Later(std::function<void()> command);

  std::unique_ptr<TskSkinPopupMenu> menu_;
  LifeFlag life_;
};

}  // namespace skin
