// PageControl and TabSheet: a tab control whose tabs each show one page of child controls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/TabControl.h"

namespace ui {

class PageControl;

// A page: a container the page control places in its page area and shows while its tab is selected.
// It starts hidden; its caption is its tab's caption. A page whose tab is not visible keeps its
// place among the pages but has no tab.
class TabSheet : public WinControl {
 public:
  TabSheet();
  ~TabSheet() override;

  PageControl* GetPageControl() const { return page_control_; }
  // The page's place among its control's pages, or -1 without one.
  int PageIndex() const;
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool visible);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);

 protected:
  void CaptionChanged() override;
  void EnabledChanged() override;
  void Paint(gfx::Canvas& canvas) override;

 private:
  friend class PageControl;
  PageControl* page_control_ = nullptr;
  bool tab_visible_ = true;
  int image_index_ = -1;
};

// The tabs follow the pages: one per page whose tab is visible, in page order. Selecting a tab
// shows its page in DisplayRect and hides the others; the first page added becomes the active one.
// A control without pages is an empty frame.
class PageControl : public TabControl {
 public:
  PageControl();
  ~PageControl() override;

  // Makes a page of type T (a TabSheet) as the last page, owned by this control.
  template <class T = TabSheet>
  T* NewPage(Component* owner, std::string caption) {
    auto page = std::make_unique<T>();
    page->SetCaption(caption);
    T* raw = MakeChildPage(owner, std::move(page));
    return raw;
  }
  // Frees page `index` (nothing for an index out of range).
  void DeletePage(int index);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TabSheet* ActivePage() const { return active_; }
  int ActivePageIndex() const { return active_ == nullptr ? -1 : active_->PageIndex(); }
  // Shows a page of this control (no change events); null or another control's page shows none.
  void SetActivePage(TabSheet* page);
  // The page of a tab, or null; the tab of a page, or kNoTab when its tab is hidden.
  TabSheet* PageOfTab(int tab) const;
  int TabOfPage(const TabSheet* page) const;
  // Like Ctrl+Tab: the next page with a visible tab, wrapping round.
  bool SelectNextPage(bool forward) { return SelectNextTab(forward); }

 protected:
  void Change() override;
  void TabsChanged() override;
  // Places the pages in the display rectangle and shows only the active one.
  void LayoutPages();

 private:
  friend class TabSheet;
  template <class T>
  T* MakeChildPage(Component* owner, std::unique_ptr<T> page) {
    T* raw = page.get();
    if (owner != nullptr) owner->InsertComponent(raw);
    AddChild(std::move(page));
    AddPage(raw);
    return raw;
  }
  void AddPage(TabSheet* page);
  void PageGone(TabSheet* page);
  // Rebuilds the tabs from the pages, keeping the active page's tab selected.
  void SyncTabs();

  std::vector<TabSheet*> pages_;
  TabSheet* active_ = nullptr;
  bool syncing_ = false;
  bool laying_out_ = false;
};

}  // namespace ui
