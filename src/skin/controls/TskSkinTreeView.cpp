// TskSkinCustomTreeView and TskSkinTreeView: the toolkit's tree view in the skin's font and colour, scrolled by external skinned bars.
#include "skin/controls/TskSkinTreeView.h"

#include "skin/controls/SkinControlFont.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinViewRecords.h"

namespace skin {

TskSkinCustomTreeView::TskSkinCustomTreeView() : link_([this] { ApplySkin(); }) {
  link_.SetName("treeview");
  SetBorder(false);
  SetBuiltInBars(false);
  SetParentFont(false);
  SetFont(default_font_);
  SetColor(default_color_);
}

TskSkinCustomTreeView::~TskSkinCustomTreeView() {
  // The bars outlive the tree: they must not call back into it.
  Release(hbar_);
  if (vbar_ != hbar_) Release(vbar_);
}

void TskSkinCustomTreeView::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  if (link_.Loaded()) ApplySkin();
}

void TskSkinCustomTreeView::SetDefaultFont(const gfx::Font& font) {
  default_font_ = font;
  if (record_index_ == -1) SetFont(font);
}

void TskSkinCustomTreeView::SetDefaultColor(gfx::Color c) {
  default_color_ = c;
  if (record_index_ == -1) SetColor(c);
}

void TskSkinCustomTreeView::SetUseSkinFont(bool v) {
  if (v == use_skin_font_) return;
  use_skin_font_ = v;
  ApplySkin();
}

void TskSkinCustomTreeView::SkinMessageBeforeChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) record_index_ = -1;
}

void TskSkinCustomTreeView::SkinMessageChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) ApplySkin();
}

void TskSkinCustomTreeView::ApplySkin() {
  if (Destroying()) return;
  record_index_ = link_.Loaded() ? link_.Data()->FindControlIndex(link_.Name()) : -1;
  if (record_index_ == -1) {
    SetColor(default_color_);
    SetFont(default_font_);
  } else if (const auto* r = link_.RecordAs<TskDataSkinTreeView>()) {
    // A record of another kind under the name leaves the look as it is.
    SetFont(SkinTextFont(use_skin_font_, default_font_, r->font.fontname, r->font.fontheight, r->font.fontstyle,
                         r->font.fontcolor));
    SetColor(r->bgcolor);
  }
  UpdateTreeScrollBars();
  // The bars may have come or gone: the parent lays them out anew.
  if ((vbar_ != nullptr || hbar_ != nullptr) && Parent() != nullptr) Parent()->Realign();
}

// --- bars ---

void TskSkinCustomTreeView::Release(TskSkinScrollBar* bar) {
  if (bar == nullptr) return;
  bar->OnChange = nullptr;
  RemoveFreeNotification(bar);
}

void TskSkinCustomTreeView::TakeOver(TskSkinScrollBar* bar, bool vertical) {
  // A moved bar asks the tree to scroll to its position; the tree's answer brings the bar back in
  // line with what the tree could do.
  bar->OnChange = [this, vertical, bar](ui::Component*) {
    const intptr_t wparam = ui::kSbThumbPosition | (static_cast<intptr_t>(bar->Position()) << 16);
    Send(vertical ? ui::kMsgVScroll : ui::kMsgHScroll, wparam);
  };
  FreeNotification(bar);
  guard_ = true;
  bar->SetEnabled(true);
  bar->SetVisible(false);
  guard_ = false;
}

void TskSkinCustomTreeView::SetVScrollBar(TskSkinScrollBar* bar) {
  if (bar == vbar_) return;
  if (vbar_ != hbar_) Release(vbar_);
  vbar_ = bar;
  if (bar != nullptr) TakeOver(bar, true);
  UpdateTreeScrollBars();
}

void TskSkinCustomTreeView::SetHScrollBar(TskSkinScrollBar* bar) {
  if (bar == hbar_) return;
  if (hbar_ != vbar_) Release(hbar_);
  hbar_ = bar;
  if (bar != nullptr) TakeOver(bar, false);
  UpdateTreeScrollBars();
}

void TskSkinCustomTreeView::Notification(ui::Component* component, Operation operation) {
  ui::TreeView::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component == vbar_) vbar_ = nullptr;
  if (component == hbar_) hbar_ = nullptr;
}

void TskSkinCustomTreeView::UpdateTreeScrollBars() {
  if (guard_ || Destroying()) return;
  guard_ = true;
  // A bar that comes or goes beside an aligned tree changes the tree's size when the parent lays
  // them out again, and with it the ranges: a second round takes those up.
  for (int round = 0; round < 2; ++round) {
    bool changed = false;
    if (vbar_ != nullptr) {
      // The page is the rows that fit whole; a range that fits them, or a tree with nothing
      // hidden, needs no bar.
      const ui::ScrollInfo v = VertScroll();
      const bool show = v.max > 0 && v.page <= v.max && v.max < NodeCount() && Visible();
      if (vbar_->Visible() != show) {
        vbar_->SetVisible(show);
        changed = true;
      }
      if (show) vbar_->AssignRange(v.min, v.max, v.page, v.position);
    }
    if (hbar_ != nullptr) {
      const ui::ScrollInfo h = HorzScroll();
      const bool show = Width() < h.max && Visible();
      if (hbar_->Visible() != show) {
        hbar_->SetVisible(show);
        changed = true;
      }
      if (show) hbar_->AssignRange(h.min, h.max, Width(), h.position);
    }
    if (vbar_ != nullptr && hbar_ != nullptr && hbar_->Both() != vbar_->Visible()) hbar_->SetBoth(vbar_->Visible());
    if (!changed || GetAlign() == ui::Align::kNone || Parent() == nullptr) break;
    Parent()->Realign();
  }
  guard_ = false;
}

void TskSkinCustomTreeView::ScrollChanged() {
  ui::TreeView::ScrollChanged();
  UpdateTreeScrollBars();
}

void TskSkinCustomTreeView::VisibleChanged() {
  ui::TreeView::VisibleChanged();
  guard_ = true;
  if (vbar_ != nullptr) vbar_->SetVisible(Visible());
  if (hbar_ != nullptr) hbar_->SetVisible(Visible());
  guard_ = false;
  if (Visible()) UpdateTreeScrollBars();
}

}  // namespace skin
