// TskSkinCustomTreeView and TskSkinTreeView: the toolkit's tree view in the skin's font and colour, scrolled by external skinned bars.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Font.h"
#include "skin/controls/SkinDataLink.h"
#include "ui/TreeView.h"

namespace skin {

class TskSkinScrollBar;

// The tree has no border and no bars of its own: it drives the TskSkinScrollBar controls it is
// given (usually aligned beside it in the same parent), shows them while its rows or labels do
// not fit, and scrolls when they move. The "treeview" record gives the font and the background;
// without one (the program's skin has none) DefaultFont and DefaultColor are used.
class TskSkinCustomTreeView : public ui::TreeView {
 public:
  TskSkinCustomTreeView();
  ~TskSkinCustomTreeView() override;

  TskSkinData* SkinData() const { return link_.Data(); }
  // Binding to a loaded skin applies it at once.
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name) { link_.SetName(std::move(name)); }
  // The record's index in the skin, or -1; set by ApplySkin.
  int32_t RecordIndex() const { return record_index_; }

  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  gfx::Color DefaultColor() const { return default_color_; }
  void SetDefaultColor(gfx::Color c);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool v);

  // The bars are not owned; a bar that is destroyed is forgotten. Assigning one enables and hides
  // it and takes over its OnChange (a handler set on the bar before is dropped).
  TskSkinScrollBar* VScrollBar() const { return vbar_; }
  void SetVScrollBar(TskSkinScrollBar* bar);
  TskSkinScrollBar* HScrollBar() const { return hbar_; }
  void SetHScrollBar(TskSkinScrollBar* bar);

  // Takes the font and colour from the record (or the defaults) and brings the bars up to date.
  void ApplySkin();
  // Shows each bar while its range does not fit and gives it the tree's range and position.
  void UpdateTreeScrollBars();

  // Before the skin reloads the tree forgets its record; after it, the tree applies the new one.
  void SkinMessageBeforeChange(const void* skin_data) override;
  void SkinMessageChange(const void* skin_data) override;

 protected:
  void ScrollChanged() override;
  void VisibleChanged() override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  void Release(TskSkinScrollBar* bar);
  void TakeOver(TskSkinScrollBar* bar, bool vertical);

  SkinDataLink link_;
  int32_t record_index_ = -1;
  gfx::Font default_font_{"Arial", 14};
  gfx::Color default_color_ = ui::kColorWindow;
  bool use_skin_font_ = true;
  TskSkinScrollBar* vbar_ = nullptr;
  TskSkinScrollBar* hbar_ = nullptr;
  bool guard_ = false;
};

// The tree view placed on forms.
class TskSkinTreeView : public TskSkinCustomTreeView {
 public:
  TskSkinTreeView() = default;
};

}  // namespace skin
