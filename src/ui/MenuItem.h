// MenuItem: one entry of a menu (caption, shortcut text, states, image) and the entries below it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Component.h"

namespace ui {

class MenuItem;
class PopupMenu;

// Told about changes of an item it watches. The menu windows that show an item's sub-items watch
// it, so a handler that rebuilds or frees a menu while it is open never leaves them with stale
// pointers.
class MenuItemObserver {
 public:
  enum class Change {
    kLook,      // caption, shortcut, states or image changed: redraw
    kChildren,  // a sub-item was added, inserted or removed
    kGone,      // the item is being destroyed
  };
  virtual ~MenuItemObserver() = default;
  virtual void MenuItemChanged(MenuItem* item, Change change) = 0;
};

// An item owns its sub-items. A caption of "-" makes a separator. "&" in the caption marks the
// accelerator character ("&&" is a plain "&"). The root item of a menu has no caption of its own:
// its sub-items are the menu.
class MenuItem : public Component {
 public:
  MenuItem() = default;
  explicit MenuItem(std::string caption) : caption_(std::move(caption)) {}
  ~MenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Shown right-aligned after the caption ("Alt+F4"); the item does not act on the key itself.
  const std::string& ShortCutText() const { return shortcut_text_; }
  void SetShortCutText(std::string text);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // Checking a radio item unchecks the radio items of its group among its siblings.
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool RadioItem() const { return radio_item_; }
  void SetRadioItem(bool v);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int v) { group_index_ = v; }
  // A click toggles Checked (a radio item only checks itself).
  bool AutoCheck() const { return auto_check_; }
  void SetAutoCheck(bool v) { auto_check_ = v; }
  // Index into the menu's image list; -1 for none.
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int v);

  bool IsSeparator() const { return caption_ == "-"; }
  // The character after a single "&" of the caption, upper-cased when it is a letter; 0 for none.
  char32_t AcceleratorChar() const;

  // --- sub-items ---
  MenuItem* Parent() const { return parent_; }
  size_t Count() const { return items_.size(); }
  MenuItem* Item(size_t index) const { return items_[index].get(); }
  bool HasChildren() const { return !items_.empty(); }
  // Index among the parent's sub-items, or -1 without a parent.
  int MenuIndex() const;
  MenuItem* Add(std::unique_ptr<MenuItem> item);
  // Convenience: a new item with the caption (and click handler) appended.
  MenuItem* Add(std::string caption, NotifyEvent on_click = nullptr);
  MenuItem* AddSeparator();
  MenuItem* Insert(size_t index, std::unique_ptr<MenuItem> item);
  // Takes the sub-item out; the caller gets its memory (null when it is not a sub-item).
  std::unique_ptr<MenuItem> Remove(MenuItem* item);
  // Frees every sub-item.
  void Clear();
  // The first sub-item (at any depth) with the name, or null.
  MenuItem* Find(const std::string& name) const;

  // The popup menu whose tree this item belongs to (the root item knows it), or null.
  PopupMenu* Menu() const;

  // Runs the item's command: AutoCheck, then OnClick.
  virtual void Click();
  NotifyEvent OnClick;

  void AddObserver(MenuItemObserver* observer);
  void RemoveObserver(MenuItemObserver* observer);

 private:
  friend class PopupMenu;
  void Notify(MenuItemObserver::Change change);
  void Adopt(MenuItem* item);

  std::string caption_;
  std::string shortcut_text_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radio_item_ = false;
  bool auto_check_ = false;
  int group_index_ = 0;
  int image_index_ = -1;
  MenuItem* parent_ = nullptr;
  PopupMenu* menu_ = nullptr;  // set on the root item of a popup menu
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::vector<MenuItemObserver*> observers_;
};

}  // namespace ui
