// TreeView: the toolkit's plain tree view: nodes with images, expand buttons, dotted lines and scrolling.
#include "ui/TreeView.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "gfx/Canvas.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/KeyCodes.h"
#include "ui/PlainDraw.h"
#include "ui/ScrollBar.h"

namespace ui {

namespace {

// Posted to the view itself after a change, so many changes in a row settle the ranges once.
constexpr uint32_t kMsgTreeSettle = kMsgUser + 0x31;
constexpr int32_t kBorder = 2;
constexpr int32_t kLabelPad = 2;  // on each side of the text inside the label

constexpr uintptr_t kEditTimer = 1;

// The label field keeps Enter and Escape from the dialog keys (a default button, a cancel
// button): they end the editing instead.
class LabelEdit : public Edit {
 public:
  bool WantsKey(uint16_t key) const override {
    return key == platform::kVkReturn || key == platform::kVkEscape || Edit::WantsKey(key);
  }
};

// The next node of a pre-order walk that stays inside top's subtree, or null at its end.
TreeNode* NextInSubtree(TreeNode* n, const TreeNode* top) {
  if (n->FirstChild() != nullptr) return n->FirstChild();
  while (n != top) {
    if (n->NextSibling() != nullptr) return n->NextSibling();
    n = n->Parent();
    if (n == nullptr) return nullptr;
  }
  return nullptr;
}

// Dots on every other pixel, on a pattern fixed to the content so lines of adjacent rows meet.
void DottedLine(gfx::Canvas& canvas, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t phase, gfx::Color c) {
  for (int32_t y = y0; y <= y1; ++y) {
    for (int32_t x = x0; x <= x1; ++x) {
      if (((x + y + phase) & 1) == 0) canvas.SetPixel(x, y, c);
    }
  }
}

}  // namespace

TreeView::TreeView() : root_(new TreeNode(this, nullptr, {})) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetOpaque(true);
  SetParentColor(false);
  SetColor(kColorWindow);
  vbar_ = MakeChild<ScrollBar>(nullptr, ScrollAxis::kVertical);
  hbar_ = MakeChild<ScrollBar>(nullptr, ScrollAxis::kHorizontal);
  for (ScrollBar* bar : {vbar_, hbar_}) {
    bar->SetVisible(false);
    const bool vertical = bar == vbar_;
    bar->OnScroll = [this, vertical](ScrollCode code, int32_t position) {
      // The bar may have taken the focus with the click; the keys belong to the rows.
      if (CanFocus() && !Focused()) SetFocus();
      Send(vertical ? kMsgVScroll : kMsgHScroll, static_cast<intptr_t>(code) | (static_cast<intptr_t>(position) << 16));
    };
  }
}

TreeView::~TreeView() {
  *alive_ = false;
  BeginDestroy();
  // The nodes go before the children and the events, each freed without recursion.
  root_.reset();
  selected_ = nullptr;
}

// --- nodes ---

TreeNode* TreeView::FirstNode() const { return root_->FirstChild(); }

TreeNode* TreeView::Link(TreeNode* parent, TreeNode* before, std::string text) {
  if ((parent != nullptr && parent->tree_ != this) || (before != nullptr && before->tree_ != this)) {
    throw std::logic_error("TreeView: a node of another tree view is given as a place to add to");
  }
  TreeNode* p = parent != nullptr ? parent : root_.get();
  std::unique_ptr<TreeNode> n(new TreeNode(this, p, std::move(text)));
  TreeNode* raw = n.get();
  if (before == nullptr) {
    raw->prev_ = p->last_child_;
    (p->last_child_ != nullptr ? p->last_child_->next_ : p->first_child_) = std::move(n);
    p->last_child_ = raw;
  } else {
    std::unique_ptr<TreeNode>& slot = before->prev_ != nullptr ? before->prev_->next_ : p->first_child_;
    raw->prev_ = before->prev_;
    raw->next_ = std::move(slot);
    before->prev_ = raw;
    slot = std::move(n);
  }
  ++p->count_;
  ++node_count_;
  // Under a collapsed parent only the button may appear; the rows stay as they are.
  if (p == root_.get() || p->expanded_) {
    RowsChanged();
  } else {
    Invalidate();
  }
  return raw;
}

TreeNode* TreeView::AddChild(TreeNode* parent, std::string text) { return Link(parent, nullptr, std::move(text)); }

TreeNode* TreeView::AddChildFirst(TreeNode* parent, std::string text) {
  TreeNode* p = parent != nullptr ? parent : root_.get();
  return Link(parent, p->FirstChild(), std::move(text));
}

TreeNode* TreeView::Insert(TreeNode* sibling, std::string text) {
  if (sibling == nullptr) return AddChild(nullptr, std::move(text));
  return Link(sibling->Parent(), sibling, std::move(text));
}

std::unique_ptr<TreeNode> TreeView::Unlink(TreeNode* node) {
  TreeNode* p = node->parent_;
  std::unique_ptr<TreeNode>& slot = node->prev_ != nullptr ? node->prev_->next_ : p->first_child_;
  std::unique_ptr<TreeNode> self = std::move(slot);
  if (node->next_ != nullptr) {
    node->next_->prev_ = node->prev_;
    slot = std::move(node->next_);
  } else {
    p->last_child_ = node->prev_;
  }
  node->prev_ = nullptr;
  --p->count_;
  if (p->count_ == 0 && p != root_.get()) p->expanded_ = false;
  return self;
}

TreeView::EventGuard::EventGuard(TreeView& tree, std::initializer_list<const TreeNode*> nodes, bool block_all)
    : tree_(tree), count_(nodes.size()), block_all_(block_all) {
  tree_.guarded_.insert(tree_.guarded_.end(), nodes.begin(), nodes.end());
  if (block_all_) ++tree_.deletion_blocked_;
}

TreeView::EventGuard::~EventGuard() {
  tree_.guarded_.resize(tree_.guarded_.size() - count_);
  if (block_all_) --tree_.deletion_blocked_;
}

void TreeView::CheckDeletable(const TreeNode* top) const {
  // A node a handler was given, or one the view walks over while the handler runs, must outlive
  // the handler: the view goes on with it afterwards.
  bool busy = deletion_blocked_ > 0;
  for (const TreeNode* g : guarded_) busy = busy || (g != nullptr && top->IsAncestorOf(g));
  if (busy) throw std::logic_error("TreeView: a node is deleted while a handler is told about it");
}

void TreeView::Delete(TreeNode* node) {
  if (node == nullptr || node->tree_ != this || node == root_.get()) return;
  CheckDeletable(node);
  if (editing_ != nullptr && node->IsAncestorOf(editing_)) EndEdit(true);
  auto alive = alive_;
  int32_t freed = 0;
  for (TreeNode* n = node; n != nullptr; n = NextInSubtree(n, node)) {
    ++freed;
    if (OnDeletion) {
      EventGuard guard(*this, {}, true);
      OnDeletion(this, n);
    }
    if (!*alive) return;
  }
  TreeNode* new_selection = nullptr;
  const bool moved = selected_ != nullptr && node->IsAncestorOf(selected_);
  if (moved) {
    new_selection = node->next_ != nullptr ? node->next_.get() : node->prev_ != nullptr ? node->prev_ : node->Parent();
    selected_ = nullptr;
  }
  Unlink(node).reset();
  node_count_ -= freed;
  RowsChanged();
  if (moved) {
    if (new_selection != nullptr) {
      SetSelected(new_selection);
    } else if (OnChange) {
      OnChange(this, nullptr);
    }
  }
}

void TreeView::DeleteChildren(TreeNode* node) {
  TreeNode* p = node != nullptr ? node : root_.get();
  if (p->tree_ != this || p->first_child_ == nullptr) return;
  for (TreeNode* c = p->FirstChild(); c != nullptr; c = c->NextSibling()) CheckDeletable(c);
  if (editing_ != nullptr && editing_ != p && p->IsAncestorOf(editing_)) EndEdit(true);
  auto alive = alive_;
  int32_t freed = 0;
  for (TreeNode* c = p->FirstChild(); c != nullptr; c = c->NextSibling()) {
    for (TreeNode* n = c; n != nullptr; n = NextInSubtree(n, c)) {
      ++freed;
      if (OnDeletion) {
        EventGuard guard(*this, {}, true);
        OnDeletion(this, n);
      }
      if (!*alive) return;
    }
  }
  const bool moved = selected_ != nullptr && selected_ != p && p->IsAncestorOf(selected_);
  if (moved) selected_ = nullptr;
  p->first_child_.reset();
  p->last_child_ = nullptr;
  p->count_ = 0;
  if (p != root_.get()) p->expanded_ = false;
  node_count_ -= freed;
  RowsChanged();
  if (!moved) return;
  if (p != root_.get()) {
    SetSelected(p);
  } else if (OnChange) {
    OnChange(this, nullptr);
  }
}

void TreeView::Clear() {
  DeleteChildren(nullptr);
  top_row_ = 0;
  left_pixel_ = 0;
}

// --- rows ---

void TreeView::RowsChanged() {
  rows_valid_ = false;
  content_width_ = -1;
  if (Destroying()) return;
  Invalidate();
  PostSettle();
}

void TreeView::WidthsChanged() {
  content_width_ = -1;
  if (!Destroying()) PostSettle();
}

void TreeView::PostSettle() {
  // Without a message loop nothing would deliver it; the next call that scrolls settles instead.
  if (settle_posted_ || Application::Current() == nullptr) return;
  settle_posted_ = true;
  Post(kMsgTreeSettle);
}

void TreeView::EnsureRows() const {
  if (!rows_valid_) RebuildRows();
}

void TreeView::RebuildRows() const {
  rows_.clear();
  TreeNode* root = root_.get();
  TreeNode* n = root->FirstChild();
  int32_t level = 0;
  while (n != nullptr) {
    n->row_ = static_cast<int32_t>(rows_.size());
    rows_.push_back({n, level});
    if (n->expanded_ && n->first_child_ != nullptr) {
      n = n->FirstChild();
      ++level;
      continue;
    }
    while (n != root && n->next_ == nullptr) {
      n = n->parent_;
      --level;
    }
    n = n == root ? nullptr : n->NextSibling();
  }
  rows_valid_ = true;
  content_width_ = -1;
}

int32_t TreeView::RowCount() const {
  EnsureRows();
  return static_cast<int32_t>(rows_.size());
}

TreeNode* TreeView::RowNode(int32_t row) const {
  EnsureRows();
  if (row < 0 || row >= static_cast<int32_t>(rows_.size())) return nullptr;
  return rows_[row].node;
}

int32_t TreeView::RowOf(const TreeNode* node) const {
  if (node == nullptr) return -1;
  EnsureRows();
  const int32_t r = node->row_;
  if (r < 0 || r >= static_cast<int32_t>(rows_.size()) || rows_[r].node != node) return -1;
  return r;
}

int32_t TreeView::ItemHeight() const {
  if (item_height_ > 0) return item_height_;
  int32_t h = GetFont().TextHeight() + 2;
  if (images_ != nullptr) h = std::max(h, images_->Height());
  if (state_images_ != nullptr) h = std::max(h, state_images_->Height());
  item_height_ = std::max(h, 1);
  return item_height_;
}

gfx::Rect TreeView::ClientRect() const {
  if (!border_) return WinControl::ClientRect();
  const int32_t b = std::min({kBorder, Width() / 2, Height() / 2});
  return {b, b, Width() - b, Height() - b};
}

gfx::Rect TreeView::RowArea() const {
  const int32_t w = ClientWidth() - (vbar_ != nullptr && vbar_->Visible() ? ScrollBar::kBreadth : 0);
  const int32_t h = ClientHeight() - (hbar_ != nullptr && hbar_->Visible() ? ScrollBar::kBreadth : 0);
  return {0, 0, std::max(0, w), std::max(0, h)};
}

void TreeView::SetBuiltInBars(bool v) {
  if (v == built_in_bars_) return;
  built_in_bars_ = v;
  PlaceBars();
  Settle();
  Invalidate();
}

void TreeView::PlaceBars() {
  if (vbar_ == nullptr || hbar_ == nullptr) return;
  const int32_t cw = ClientWidth();
  const int32_t ch = ClientHeight();
  bool show_v = false;
  bool show_h = false;
  if (built_in_bars_) {
    // Each bar takes room from the other direction, so the answer is found in two rounds.
    const int32_t rows = RowCount();
    const int32_t ih = ItemHeight();
    const int32_t width = ContentWidth();
    for (int round = 0; round < 2; ++round) {
      const int32_t w = cw - (show_v ? ScrollBar::kBreadth : 0);
      const int32_t h = ch - (show_h ? ScrollBar::kBreadth : 0);
      show_v = rows > std::max(0, h) / ih;
      show_h = width > w;
    }
  }
  const int32_t b = ScrollBar::kBreadth;
  if (show_v) vbar_->SetBounds(cw - b, 0, b, std::max(0, ch - (show_h ? b : 0)));
  if (show_h) hbar_->SetBounds(0, ch - b, std::max(0, cw - (show_v ? b : 0)), b);
  vbar_->SetVisible(show_v);
  hbar_->SetVisible(show_h);
}

void TreeView::OnScrollMessage(bool vertical, intptr_t wparam) {
  const auto code = static_cast<ScrollCode>(wparam & 0xFFFF);
  // The position takes the rest of the parameter, so a tree of more rows than a word holds still
  // scrolls to its end.
  const auto thumb = static_cast<int32_t>(wparam >> 16);
  if (vertical) {
    ScrollTo(ScrolledPosition(VertScroll(), code, thumb, 1), left_pixel_);
  } else {
    ScrollTo(top_row_, ScrolledPosition(HorzScroll(), code, thumb, std::max(indent_, 1)));
  }
}

int32_t TreeView::VisibleCount() const { return std::max(0, RowArea().Height()) / ItemHeight(); }

int32_t TreeView::TextWidth(TreeNode* node) const {
  if (node->text_width_ < 0) node->text_width_ = GetFont().TextWidth(node->text_);
  return node->text_width_;
}

int32_t TreeView::LabelLeft(int32_t level) const {
  int64_t x = static_cast<int64_t>(Column(level)) * indent_;
  if (state_images_ != nullptr) x += state_images_->Width();
  if (images_ != nullptr) x += images_->Width() + 1;
  return static_cast<int32_t>(std::min<int64_t>(x, INT32_MAX / 2));
}

int32_t TreeView::ContentWidth() const {
  EnsureRows();
  if (content_width_ >= 0) return content_width_;
  int64_t w = 0;
  for (const Row& r : rows_) {
    w = std::max<int64_t>(w, static_cast<int64_t>(LabelLeft(r.level)) + TextWidth(r.node) + 2 * kLabelPad);
  }
  content_width_ = static_cast<int32_t>(std::min<int64_t>(w, INT32_MAX / 2));
  return content_width_;
}

ScrollInfo TreeView::VertScroll() const {
  const int32_t rows = RowCount();
  const int32_t page = VisibleCount();
  const int32_t top = std::clamp(top_row_, 0, std::max(0, rows - page));
  return {0, std::max(0, rows - 1), page, top};
}

ScrollInfo TreeView::HorzScroll() const {
  const int32_t w = ContentWidth();
  const int32_t page = std::max(0, RowArea().Width());
  const int32_t left = std::clamp(left_pixel_, 0, std::max(0, w - page));
  return {0, std::max(0, w - 1), page, left};
}

void TreeView::Settle() {
  if (settling_ || Destroying() || vbar_ == nullptr) return;
  PlaceBars();
  const ScrollInfo v = VertScroll();
  const ScrollInfo h = HorzScroll();
  top_row_ = v.position;
  left_pixel_ = h.position;
  vbar_->SetInfo(v);
  hbar_->SetInfo(h);
  if (v == last_vert_ && h == last_horz_) return;
  last_vert_ = v;
  last_horz_ = h;
  settling_ = true;
  auto alive = alive_;
  ScrollChanged();
  if (!*alive) return;
  settling_ = false;
}

void TreeView::ScrollTo(int32_t top_row, int32_t left_pixel) {
  if (top_row != top_row_ || left_pixel != left_pixel_) {
    // The field stays where the label was: scrolling the label away ends the editing.
    if (editing_ != nullptr) EndEdit(false);
    top_row_ = top_row;
    left_pixel_ = left_pixel;
    Invalidate();
  }
  Settle();
}

void TreeView::ScrollIntoView(int32_t row) {
  if (row < 0) return;
  const int32_t page = std::max(1, VisibleCount());
  int32_t top = std::min(top_row_, RowCount() - 1);
  if (row < top) top = row;
  if (row >= top + page) top = row - page + 1;
  ScrollTo(top, left_pixel_);
}

TreeNode* TreeView::TopItem() const { return RowNode(VertScroll().position); }

void TreeView::SetTopItem(TreeNode* node) {
  const int32_t row = RowOf(node);
  if (row >= 0) ScrollTo(row, left_pixel_);
}

gfx::Rect TreeView::DisplayRect(const TreeNode* node, bool text_only) const {
  const int32_t row = RowOf(node);
  if (row < 0) return {};
  const gfx::Rect area = RowArea();
  const int32_t ih = ItemHeight();
  const int64_t y = area.top + static_cast<int64_t>(row - VertScroll().position) * ih;
  if (y < INT32_MIN / 2 || y > INT32_MAX / 2) return {};
  const int32_t top = static_cast<int32_t>(y);
  if (!text_only) return {area.left, top, area.right, top + ih};
  const int32_t x = area.left + LabelLeft(rows_[row].level) - HorzScroll().position;
  return {x, top, x + TextWidth(rows_[row].node) + 2 * kLabelPad, top + ih};
}

TreeHitInfo TreeView::HitTest(int x, int y) const {
  const gfx::Rect area = RowArea();
  if (!area.Contains({x, y})) return {};
  const int32_t row = VertScroll().position + (y - area.top) / ItemHeight();
  if (row >= RowCount()) return {};
  const Row& r = rows_[row];
  const int64_t cx = static_cast<int64_t>(x - area.left) + HorzScroll().position;
  const int64_t col = Column(r.level);
  TreeHitInfo info{r.node, TreeHit::kRight};
  if (cx < (col - 1) * indent_) return {r.node, TreeHit::kIndent};
  if (cx < col * indent_) {
    const bool button = show_buttons_ && col >= 1 && r.node->HasChildren();
    return {r.node, button ? TreeHit::kButton : TreeHit::kIndent};
  }
  int64_t left = col * indent_;
  if (state_images_ != nullptr) {
    left += state_images_->Width();
    if (cx < left) return {r.node, TreeHit::kStateIcon};
  }
  if (images_ != nullptr) {
    left += images_->Width() + 1;
    if (cx < left) return {r.node, TreeHit::kIcon};
  }
  if (cx < left + TextWidth(r.node) + 2 * kLabelPad) info.hit = TreeHit::kLabel;
  return info;
}

// --- selection and expansion ---

bool TreeView::ExpandNode(TreeNode* node) {
  if (node == nullptr || node->tree_ != this || node == root_.get()) return false;
  if (node->expanded_) return true;
  if (!node->HasChildren()) return false;
  auto alive = alive_;
  bool allow = true;
  if (OnExpanding) {
    EventGuard guard(*this, {node}, false);
    OnExpanding(this, node, allow);
  }
  if (!*alive || !allow) return false;
  if (node->first_child_ == nullptr) {
    // The promised children did not come: the button goes.
    node->has_children_ = false;
    Invalidate();
    return false;
  }
  node->expanded_ = true;
  RowsChanged();
  if (OnExpanded) OnExpanded(this, node);
  return *alive;
}

void TreeView::CollapseNode(TreeNode* node) {
  if (node == nullptr || node->tree_ != this || !node->expanded_) return;
  auto alive = alive_;
  bool allow = true;
  if (OnCollapsing) {
    EventGuard guard(*this, {node}, false);
    OnCollapsing(this, node, allow);
  }
  if (!*alive || !allow) return;
  if (editing_ != nullptr && editing_ != node && node->IsAncestorOf(editing_)) EndEdit(true);
  node->expanded_ = false;
  RowsChanged();
  // A selection inside the collapsed part would have no row: it moves up to the node.
  if (selected_ != nullptr && selected_ != node && node->IsAncestorOf(selected_)) {
    SetSelected(node);
    if (!*alive) return;
  }
  if (OnCollapsed) OnCollapsed(this, node);
}

void TreeView::ExpandAll(TreeNode* node) {
  if (node == nullptr || node->tree_ != this) return;
  auto alive = alive_;
  int32_t budget = kExpandAllLimit;
  for (TreeNode* n = node; n != nullptr && budget > 0; n = NextInSubtree(n, node)) {
    if (n->expanded_ || !n->HasChildren()) continue;
    --budget;
    // The walk goes on from n and below the top node: both stay while the handlers run.
    EventGuard guard(*this, {node, n}, false);
    ExpandNode(n);
    if (!*alive) return;
  }
}

void TreeView::FullCollapse() {
  TreeNode* root = root_.get();
  for (TreeNode* n = root->FirstChild(); n != nullptr; n = NextInSubtree(n, root)) n->expanded_ = false;
  if (selected_ != nullptr) {
    TreeNode* top = selected_;
    while (top->Parent() != nullptr) top = top->Parent();
    selected_ = top;
  }
  RowsChanged();
}

void TreeView::MakeVisible(TreeNode* node) {
  if (node == nullptr || node->tree_ != this) return;
  std::vector<TreeNode*> parents;
  for (TreeNode* p = node->Parent(); p != nullptr; p = p->Parent()) parents.push_back(p);
  auto alive = alive_;
  for (auto it = parents.rbegin(); it != parents.rend(); ++it) {
    if (!ExpandNode(*it) || !*alive) return;
  }
  ScrollIntoView(RowOf(node));
}

void TreeView::SetSelected(TreeNode* node) {
  if (node != nullptr && (node->tree_ != this || node == root_.get())) return;
  if (node == selected_) {
    MakeVisible(node);
    return;
  }
  auto alive = alive_;
  bool allow = true;
  if (OnChanging) {
    EventGuard guard(*this, {node}, false);
    OnChanging(this, node, allow);
  }
  if (!*alive || !allow) return;
  selected_ = node;
  Invalidate();
  MakeVisible(node);
  if (!*alive) return;
  if (OnChange) OnChange(this, node);
}

void TreeView::SelectRow(int32_t row) {
  const int32_t rows = RowCount();
  if (rows == 0) return;
  SetSelected(RowNode(std::clamp(row, 0, rows - 1)));
}

// --- look ---

void TreeView::SetShowButtons(bool v) {
  if (v == show_buttons_) return;
  show_buttons_ = v;
  Invalidate();
}

void TreeView::SetShowLines(bool v) {
  if (v == show_lines_) return;
  show_lines_ = v;
  Invalidate();
}

void TreeView::SetShowRoot(bool v) {
  if (v == show_root_) return;
  show_root_ = v;
  RowsChanged();
}

void TreeView::SetHideSelection(bool v) {
  if (v == hide_selection_) return;
  hide_selection_ = v;
  Invalidate();
}

void TreeView::SetIndent(int32_t v) {
  v = std::clamp(v, 0, 1000);
  if (v == indent_) return;
  indent_ = v;
  RowsChanged();
}

void TreeView::SetBorder(bool v) {
  if (v == border_) return;
  border_ = v;
  Realign();
  RowsChanged();
}

void TreeView::SetImages(ImageList* images) {
  if (images == images_) return;
  if (images_ != nullptr && images_ != state_images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images != nullptr) FreeNotification(images);
  item_height_ = -1;
  RowsChanged();
}

void TreeView::SetStateImages(ImageList* images) {
  if (images == state_images_) return;
  if (state_images_ != nullptr && state_images_ != images_) RemoveFreeNotification(state_images_);
  state_images_ = images;
  if (images != nullptr) FreeNotification(images);
  item_height_ = -1;
  RowsChanged();
}

void TreeView::Notification(Component* component, Operation operation) {
  WinControl::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component == images_) SetImages(nullptr);
  if (component == state_images_) SetStateImages(nullptr);
}

void TreeView::FontChanged() {
  WinControl::FontChanged();
  item_height_ = -1;
  TreeNode* root = root_.get();
  for (TreeNode* n = root->FirstChild(); n != nullptr; n = NextInSubtree(n, root)) n->text_width_ = -1;
  RowsChanged();
}

void TreeView::Resize() {
  WinControl::Resize();
  Settle();
}

void TreeView::DoEnter() {
  has_focus_ = true;
  Invalidate();
  WinControl::DoEnter();
}

void TreeView::DoExit() {
  has_focus_ = false;
  Invalidate();
  WinControl::DoExit();
}

bool TreeView::ShowsFocus() const {
  const Form* f = ParentForm();
  return has_focus_ && (f == nullptr || f->Active());
}

// --- painting ---

void TreeView::Paint(gfx::Canvas& canvas) {
  const gfx::Rect cr = ClientRect();
  if (border_) {
    const gfx::Rect outer{-cr.left, -cr.top, Width() - cr.left, Height() - cr.top};
    canvas.FrameRect(outer, kColorBtnShadow);
    canvas.FrameRect({outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1}, kColor3dDkShadow);
    canvas.FillRect({outer.right - 1, outer.top, outer.right, outer.bottom}, kColorBtnHighlight);
    canvas.FillRect({outer.left, outer.bottom - 1, outer.right, outer.bottom}, kColorBtnHighlight);
  }
  const gfx::Rect area = RowArea();
  canvas.FillRect(area, GetColor());
  if (vbar_->Visible() && hbar_->Visible()) canvas.FillRect({area.right, area.bottom, ClientWidth(), ClientHeight()}, kColorBtnFace);
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(area);
  const int32_t ih = ItemHeight();
  const int32_t top = VertScroll().position;
  const int32_t rows = RowCount();
  canvas.SetFont(GetFont());
  canvas.Brush().style = gfx::BrushStyle::kClear;
  if (top >= rows) return;
  // The parents' lines are drawn only in the levels whose columns the view shows. Which of those
  // parents go on below is read once for the first row (one walk up) and then kept up to date row
  // by row: in row order a row's parents are the previous row's, plus the previous row itself
  // when the row is its child. So a deep chain costs one walk per paint, not one per row.
  Rails rails;
  if (show_lines_ && indent_ > 0) {
    const int64_t origin = static_cast<int64_t>(area.left) - HorzScroll().position;
    const int64_t root = show_root_ ? 1 : 0;
    rails.lo = std::max<int64_t>(0, (area.left - origin) / indent_ - root);
    rails.hi = std::max<int64_t>(rails.lo - 1, (area.right - origin) / indent_ - root + 1);
    rails.goes_on.assign(static_cast<size_t>(rails.hi - rails.lo + 1), 0);
    const Row& first = rows_[top];
    int64_t level = first.level - 1;
    for (const TreeNode* p = first.node->Parent(); p != nullptr && level >= rails.lo; p = p->Parent(), --level) {
      if (level <= rails.hi) rails.goes_on[level - rails.lo] = p->NextSibling() != nullptr ? 1 : 0;
    }
  }
  for (int32_t row = top, y = area.top; row < rows && y < area.bottom; ++row, y += ih) {
    if (row > top && rows_[row].level == rows_[row - 1].level + 1) {
      const int64_t level = rows_[row - 1].level;
      if (level >= rails.lo && level <= rails.hi) rails.goes_on[level - rails.lo] = rows_[row - 1].node->NextSibling() != nullptr;
    }
    DrawRow(canvas, rows_[row], y, rails);
  }
}

void TreeView::DrawRow(gfx::Canvas& canvas, const Row& row, int32_t y, const Rails& rails) const {
  const gfx::Rect area = RowArea();
  const int32_t ih = ItemHeight();
  const int32_t hpos = HorzScroll().position;
  const int32_t origin = area.left - hpos;
  const int32_t col = Column(row.level);
  const int32_t mid = y + ih / 2;
  TreeNode* node = row.node;
  auto centre_x = [&](int32_t column) {
    return static_cast<int32_t>(std::clamp<int64_t>(origin + static_cast<int64_t>(column - 1) * indent_ + indent_ / 2,
                                                    INT32_MIN / 2, INT32_MAX / 2));
  };
  if (show_lines_ && col >= 1) {
    const int32_t phase = (hpos & 1);
    const int32_t cx = centre_x(col);
    if (cx > area.left - indent_ && cx < area.right + indent_) {
      const bool first_root = node->Parent() == nullptr && node->PrevSibling() == nullptr;
      DottedLine(canvas, cx, first_root ? mid : y, cx, node->NextSibling() != nullptr ? y + ih - 1 : mid, phase,
                 kColorBtnShadow);
      DottedLine(canvas, cx, mid, cx + indent_ / 2 + 1, mid, phase, kColorBtnShadow);
    }
    // The parents' lines pass through this row where they go on below it.
    const int64_t last = std::min<int64_t>(rails.hi, row.level - 1);
    for (int64_t level = rails.lo; level <= last; ++level) {
      if (rails.goes_on[level - rails.lo] == 0) continue;
      const int32_t px = centre_x(Column(static_cast<int32_t>(level)));
      if (px >= area.left && px < area.right) DottedLine(canvas, px, y, px, y + ih - 1, phase, kColorBtnShadow);
    }
  }
  if (show_buttons_ && col >= 1 && node->HasChildren()) {
    const int32_t cx = centre_x(col);
    const gfx::Rect box{cx - 4, mid - 4, cx + 5, mid + 5};
    canvas.FillRect(box, kColorWindow);
    canvas.FrameRect(box, kColorBtnShadow);
    canvas.FillRect({cx - 2, mid, cx + 3, mid + 1}, kColorBtnText);
    if (!node->expanded_) canvas.FillRect({cx, mid - 2, cx + 1, mid + 3}, kColorBtnText);
  }
  int64_t x = origin + static_cast<int64_t>(col) * indent_;
  if (x > area.right) return;
  const bool enabled = EffectivelyEnabled();
  if (state_images_ != nullptr) {
    state_images_->Draw(canvas, static_cast<int32_t>(x), y + (ih - state_images_->Height()) / 2, node->state_index_, enabled);
    x += state_images_->Width();
  }
  const bool selected = node == selected_;
  if (images_ != nullptr) {
    const int32_t index = selected && node->selected_index_ >= 0 ? node->selected_index_ : node->image_index_;
    images_->Draw(canvas, static_cast<int32_t>(x), y + (ih - images_->Height()) / 2, index, enabled);
    x += images_->Width() + 1;
  }
  if (x > area.right) return;
  const int32_t lx = static_cast<int32_t>(x);
  const gfx::Rect label{lx, y, lx + TextWidth(node) + 2 * kLabelPad, y + ih};
  const bool focused = ShowsFocus();
  gfx::Color text = enabled ? GetFont().Color() : kColorGrayText;
  if (selected && focused) {
    canvas.FillRect(label, kColorHighlight);
    text = kColorBtnHighlight;
  } else if (selected && !hide_selection_) {
    canvas.FillRect(label, kColorBtnFace);
  }
  canvas.Font().SetColor(text);
  canvas.TextOut(lx + kLabelPad, y + (ih - GetFont().TextHeight()) / 2, node->text_);
  if (selected && focused) canvas.DrawFocusRect(label);
}

// --- input ---

void TreeView::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  auto alive = alive_;
  WinControl::MouseDown(button, shift, x, y);
  if (!*alive) return;
  if (button != MouseButton::kLeft && !(button == MouseButton::kRight && right_click_select_)) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TreeHitInfo hit = HitTest(x, y);
  if (hit.node == nullptr) return;
  if (button == MouseButton::kLeft && hit.hit == TreeHit::kButton) {
    if (hit.node->expanded_) {
      CollapseNode(hit.node);
    } else {
      ExpandNode(hit.node);
    }
    return;
  }
  if (hit.hit == TreeHit::kIndent || hit.hit == TreeHit::kRight) {
    if (button == MouseButton::kLeft && !Has(shift, kDouble)) return;
  }
  KillTimer(kEditTimer);
  const bool again = button == MouseButton::kLeft && !Has(shift, kDouble) && hit.hit == TreeHit::kLabel &&
                     hit.node == selected_ && ShowsFocus();
  SetSelected(hit.node);
  if (!*alive) return;
  if (again && !read_only_) SetTimer(kEditTimer, kEditDelayMs);
  if (button == MouseButton::kLeft && Has(shift, kDouble) && hit.node == selected_ &&
      (hit.hit == TreeHit::kLabel || hit.hit == TreeHit::kIcon)) {
    if (hit.node->expanded_) {
      CollapseNode(hit.node);
    } else {
      ExpandNode(hit.node);
    }
  }
}

bool TreeView::MouseWheel(ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  if (delta == 0) return false;
  const int32_t notches = std::max(1, std::abs(delta) / 120);
  const int32_t rows = notches * kWheelRows;
  ScrollTo(VertScroll().position + (delta > 0 ? -rows : rows), left_pixel_);
  return true;
}

bool TreeView::WantsKey(uint16_t key) const {
  switch (key) {
    case platform::kVkUp:
    case platform::kVkDown:
    case platform::kVkLeft:
    case platform::kVkRight:
    case platform::kVkHome:
    case platform::kVkEnd:
    case platform::kVkPrior:
    case platform::kVkNext:
    case platform::kVkAdd:
    case platform::kVkSubtract:
    case platform::kVkMultiply:
    case platform::kVkF1 + 1:
      return true;
    default:
      return WinControl::WantsKey(key);
  }
}

void TreeView::KeyDown(uint16_t& key, ShiftState shift) {
  auto alive = alive_;
  WinControl::KeyDown(key, shift);
  if (!*alive || key == 0) return;
  const int32_t page = std::max(1, VisibleCount());
  const int32_t row = RowOf(selected_);
  TreeNode* node = selected_;
  switch (key) {
    case platform::kVkDown:
      SelectRow(row + 1);
      break;
    case platform::kVkUp:
      SelectRow(row < 0 ? 0 : row - 1);
      break;
    case platform::kVkHome:
      SelectRow(0);
      break;
    case platform::kVkEnd:
      SelectRow(RowCount() - 1);
      break;
    case platform::kVkNext:
      SelectRow(row < 0 ? 0 : row + page - 1);
      break;
    case platform::kVkPrior:
      SelectRow(row - page + 1);
      break;
    case platform::kVkLeft:
      if (node == nullptr) break;
      if (node->expanded_) {
        CollapseNode(node);
      } else if (node->Parent() != nullptr) {
        SetSelected(node->Parent());
      }
      break;
    case platform::kVkRight:
      if (node == nullptr) break;
      if (!node->expanded_) {
        ExpandNode(node);
      } else if (node->FirstChild() != nullptr) {
        SetSelected(node->FirstChild());
      }
      break;
    case platform::kVkAdd:
      ExpandNode(node);
      break;
    case platform::kVkSubtract:
      CollapseNode(node);
      break;
    case platform::kVkMultiply:
      ExpandAll(node);
      break;
    case platform::kVkF1 + 1:
      BeginEdit(node);
      break;
    default:
      return;
  }
  if (*alive) key = 0;
}

void TreeView::KeyPress(char32_t& ch) {
  auto alive = alive_;
  WinControl::KeyPress(ch);
  if (!*alive || selected_ == nullptr) return;
  // The same actions as the keypad keys, for keyboards without one; a second one is harmless.
  if (ch == U'+') ExpandNode(selected_);
  if (ch == U'-') CollapseNode(selected_);
  if (ch == U'*') ExpandAll(selected_);
}

// --- label editing ---

bool TreeView::BeginEdit(TreeNode* node) {
  if (read_only_ || node == nullptr || node->tree_ != this || node == root_.get()) return false;
  if (editing_ != nullptr) EndEdit(false);
  auto alive = alive_;
  bool allow = true;
  if (OnEditing) {
    EventGuard guard(*this, {node}, false);
    OnEditing(this, node, allow);
  }
  if (!*alive || !allow) return false;
  MakeVisible(node);
  if (!*alive || RowOf(node) < 0) return false;
  if (edit_ == nullptr) {
    edit_ = WinControl::AddChild(std::make_unique<LabelEdit>());
    edit_->SetVisible(false);
    edit_->SetBorder(false);
    edit_->OnKeyDown = [this](Control*, uint16_t& key, ShiftState) {
      if (key != platform::kVkReturn && key != platform::kVkEscape) return;
      const bool cancel = key == platform::kVkEscape;
      key = 0;
      EndEdit(cancel);
    };
    // Leaving the field any other way keeps the text.
    edit_->OnExit = [this](Component*) { EndEdit(false); };
  }
  editing_ = node;
  const gfx::Rect label = DisplayRect(node, true);
  const gfx::Rect area = RowArea();
  const int32_t width = std::max(label.Width() + 24, 60);
  edit_->SetFont(GetFont());
  edit_->SetBounds(label.left, label.top, std::max(8, std::min(width, area.right - label.left)), label.Height());
  edit_->SetText(node->text_);
  edit_->SelectAll();
  edit_->SetVisible(true);
  edit_->SetFocus();
  return true;
}

void TreeView::EndEdit(bool cancel) {
  TreeNode* node = editing_;
  if (node == nullptr) return;
  // Cleared first: hiding the field and taking the focus back end up here again.
  editing_ = nullptr;
  std::string text = edit_->Text();
  const bool had_focus = edit_->Focused();
  edit_->SetVisible(false);
  if (had_focus && CanFocus()) SetFocus();
  Invalidate();
  if (cancel) return;
  auto alive = alive_;
  if (OnEdited) {
    EventGuard guard(*this, {node}, false);
    OnEdited(this, node, text);
  }
  if (!*alive) return;
  node->SetText(std::move(text));
}

void TreeView::TimerTick(uintptr_t id) {
  if (id != kEditTimer) {
    WinControl::TimerTick(id);
    return;
  }
  KillTimer(kEditTimer);
  if (selected_ != nullptr && ShowsFocus()) BeginEdit(selected_);
}

void TreeView::WndProc(Message& m) {
  if (m.id == kMsgVScroll || m.id == kMsgHScroll) {
    OnScrollMessage(m.id == kMsgVScroll, m.wparam);
    return;
  }
  if (m.id == kMsgTreeSettle) {
    settle_posted_ = false;
    Settle();
    return;
  }
  WinControl::WndProc(m);
}

}  // namespace ui
