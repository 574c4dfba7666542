// PageControl and TabSheet: a tab control whose tabs each show one page of child controls.
#include "ui/PageControl.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/Form.h"

namespace ui {

// --- TabSheet ---

TabSheet::TabSheet() {
  SetVisible(false);
  SetOpaque(true);
}

TabSheet::~TabSheet() {
  if (page_control_ != nullptr) page_control_->PageGone(this);
}

int TabSheet::PageIndex() const {
  if (page_control_ == nullptr) return -1;
  const auto& pages = page_control_->pages_;
  const auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TabSheet::SetTabVisible(bool visible) {
  if (visible == tab_visible_) return;
  tab_visible_ = visible;
  if (page_control_ != nullptr) page_control_->SyncTabs();
}

void TabSheet::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  if (page_control_ != nullptr) page_control_->SyncTabs();
}

void TabSheet::CaptionChanged() {
  WinControl::CaptionChanged();
  if (page_control_ != nullptr) page_control_->SyncTabs();
}

void TabSheet::EnabledChanged() {
  WinControl::EnabledChanged();
  if (page_control_ != nullptr) page_control_->Invalidate();
}

void TabSheet::Paint(gfx::Canvas& canvas) { canvas.FillRect({0, 0, Width(), Height()}, GetColor()); }

// --- PageControl ---

PageControl::PageControl() = default;

PageControl::~PageControl() {
  // The pages outlive this object's members (the base frees the children), so they forget it now.
  for (TabSheet* page : pages_) page->page_control_ = nullptr;
  pages_.clear();
  active_ = nullptr;
}

void PageControl::AddPage(TabSheet* page) {
  page->page_control_ = this;
  pages_.push_back(page);
  if (active_ == nullptr && page->TabVisible()) active_ = page;
  SyncTabs();
}

void PageControl::PageGone(TabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const size_t index = static_cast<size_t>(it - pages_.begin());
  pages_.erase(it);
  page->page_control_ = nullptr;
  if (active_ == page) {
    // The page after the one that went, or the one before it when it was the last.
    active_ = nullptr;
    for (size_t i = index; i < pages_.size() && active_ == nullptr; ++i)
      if (pages_[i]->TabVisible()) active_ = pages_[i];
    for (size_t i = index; i > 0 && active_ == nullptr; --i)
      if (pages_[i - 1]->TabVisible()) active_ = pages_[i - 1];
  }
  if (!Destroying()) SyncTabs();
}

void PageControl::DeletePage(int index) {
  if (index < 0 || index >= PageCount()) return;
  // Taking the child out frees it; its destructor takes it off the page list.
  (void)RemoveChild(pages_[static_cast<size_t>(index)]);
}

TabSheet* PageControl::PageOfTab(int tab) const {
  if (tab < 0) return nullptr;
  for (TabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    if (tab-- == 0) return page;
  }
  return nullptr;
}

int PageControl::TabOfPage(const TabSheet* page) const {
  int tab = 0;
  for (const TabSheet* p : pages_) {
    if (!p->TabVisible()) continue;
    if (p == page) return tab;
    ++tab;
  }
  return kNoTab;
}

void PageControl::SetActivePage(TabSheet* page) {
  if (page != nullptr && page->page_control_ != this) page = nullptr;
  if (page == active_) return;
  active_ = page;
  SyncTabs();
}

void PageControl::SyncTabs() {
  if (syncing_) return;
  syncing_ = true;
  BeginUpdate();
  int n = 0;
  for (TabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    if (n < TabCount()) {
      SetTabCaption(n, page->Caption());
      SetTabImageIndex(n, page->ImageIndex());
    } else {
      AddTab(page->Caption(), page->ImageIndex());
    }
    ++n;
  }
  while (TabCount() > n) DeleteTab(TabCount() - 1);
  EndUpdate();
  SetTabIndex(TabOfPage(active_));
  syncing_ = false;
  TabsChanged();
  Invalidate();
}

void PageControl::Change() {
  active_ = PageOfTab(TabIndex());
  LayoutPages();
  TabControl::Change();
}

void PageControl::TabsChanged() {
  TabControl::TabsChanged();
  if (!syncing_) LayoutPages();
}

void PageControl::LayoutPages() {
  if (laying_out_ || Destroying()) return;
  laying_out_ = true;
  const gfx::Rect d = DisplayRect();
  // A focused control on a page about to hide hands the focus to the page control.
  Form* form = ParentForm();
  WinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
  for (TabSheet* page : pages_) {
    if (page != active_ && page->Visible() && focused != nullptr && page->Contains(focused) && CanFocus()) SetFocus();
  }
  // Every page takes the page area, shown or not, so that controls docked on a hidden page stand
  // where they will be seen.
  for (TabSheet* page : pages_) {
    page->SetBounds(d.left, d.top, d.Width(), d.Height());
    page->SetVisible(page == active_);
  }
  laying_out_ = false;
}

}  // namespace ui
