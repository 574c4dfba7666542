// The standard context-menu items of the text controls (undo, cut, copy, paste, delete, select all).
#include "ui/EditMenu.h"

#include "ui/MenuItem.h"

namespace ui {

void FillEditContextMenu(MenuItem& root, const EditMenuState& s) {
  auto add = [&root](const char* caption, bool enabled, const std::function<void()>& command) {
    MenuItem* item = root.Add(caption, [command](Component*) {
      if (command) command();
    });
    item->SetEnabled(enabled);
  };
  const bool editable = !s.read_only;
  add("撤销(&U)", editable && s.can_undo, s.undo);
  root.AddSeparator();
  add("剪切(&T)", s.has_selection && editable, s.cut);
  add("复制(&C)", s.has_selection, s.copy);
  add("粘贴(&P)", editable && s.clipboard_has_text, s.paste);
  add("删除(&D)", s.has_selection && editable, s.clear);
  root.AddSeparator();
  add("全选(&A)", !s.all_selected, s.select_all);
}

}  // namespace ui
