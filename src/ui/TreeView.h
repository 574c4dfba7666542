// TreeView: the toolkit's plain tree view: nodes with images, expand buttons, dotted lines and scrolling.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ui/ScrollInfo.h"
#include "ui/TreeNode.h"
#include "ui/WinControl.h"

namespace ui {

class Edit;
class ImageList;
class ScrollBar;

// Where a point lies against a row.
enum class TreeHit : uint8_t { kNowhere, kIndent, kButton, kStateIcon, kIcon, kLabel, kRight };

struct TreeHitInfo {
  TreeNode* node = nullptr;
  TreeHit hit = TreeHit::kNowhere;
};

using TreeNodeEvent = std::function<void(Control* sender, TreeNode* node)>;
using TreeNodeAllowEvent = std::function<void(Control* sender, TreeNode* node, bool& allow)>;
using TreeNodeEditedEvent = std::function<void(Control* sender, TreeNode* node, std::string& text)>;

// The rows are the nodes whose parents are all expanded, in order; the view scrolls by rows
// vertically and by pixels horizontally. Children may be added on demand: a node marked with
// SetHasChildren shows a button, and expanding it runs OnExpanding, where the children are added.
//
// Every walk over the nodes is a loop over the links, never a recursion, so a chain thousands of
// levels deep paints, expands and frees like a flat list. The rows are rebuilt lazily after a
// change (one pass over the visible nodes), so adding many nodes costs one rebuild.
class TreeView : public WinControl {
 public:
  // The most nodes one "*" (expand all) expands: a tree filled on demand (folders of a disk) could
  // otherwise grow without end while the interface waits.
  static constexpr int32_t kExpandAllLimit = 5000;
  static constexpr int32_t kWheelRows = 3;

  TreeView();
  ~TreeView() override;

  // --- nodes ---
  // Adds a node as the last child of `parent` (null: a top-level node). A parent or sibling of
  // another tree view throws std::logic_error.
  TreeNode* AddChild(TreeNode* parent, std::string text);
  // Adds a node as the first child of `parent` (null: a top-level node).
  TreeNode* AddChildFirst(TreeNode* parent, std::string text);
  // Adds a node just before `sibling`.
  TreeNode* Insert(TreeNode* sibling, std::string text);
  // Deletes the node and everything below it; OnDeletion runs for each, parents first. The
  // selection moves to the next sibling, else the previous one, else the parent.
  void Delete(TreeNode* node);
  void DeleteChildren(TreeNode* node);
  void Clear();
  TreeNode* FirstNode() const;
  // Every node, expanded or not.
  int32_t NodeCount() const { return node_count_; }

  // --- rows ---
  int32_t RowCount() const;
  TreeNode* RowNode(int32_t row) const;
  // The node's row, or -1 when a parent is collapsed.
  int32_t RowOf(const TreeNode* node) const;
  int32_t ItemHeight() const;
  // Rows that fit the view whole (at least 1 for a view of any height).
  int32_t VisibleCount() const;
  TreeNode* TopItem() const;
  void SetTopItem(TreeNode* node);
  // The row rectangle (text_only: the label's) in client coordinates; empty when not a row.
  gfx::Rect DisplayRect(const TreeNode* node, bool text_only) const;
  TreeHitInfo HitTest(int x, int y) const;
  TreeNode* NodeAt(int x, int y) const { return HitTest(x, y).node; }

  // --- selection and expansion ---
  TreeNode* Selected() const { return selected_; }
  // Runs OnChanging (which may refuse), expands the parents, scrolls the node into view and runs
  // OnChange. Null clears the selection.
  void SetSelected(TreeNode* node);
  // Expands the node's parents and scrolls it into view.
  void MakeVisible(TreeNode* node);
  // Expands the node and, level by level, everything below it, at most kExpandAllLimit nodes.
  void ExpandAll(TreeNode* node);
  void FullCollapse();

  // --- label editing ---
  // F2, or a second click on the selected label, edits it in place: Enter or leaving the field
  // keeps the text (through OnEdited), Escape drops it. Refused when read-only or by OnEditing.
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v) { read_only_ = v; }
  bool BeginEdit(TreeNode* node);
  void EndEdit(bool cancel);
  bool IsEditing() const { return editing_ != nullptr; }
  // The field while a label is edited, else null.
  Edit* EditControl() const { return editing_ != nullptr ? edit_ : nullptr; }
  // How long after a click on the selected label its editing starts.
  static constexpr uint32_t kEditDelayMs = 500;

  // --- scrolling ---
  // Vertical: rows (min 0, max rows - 1, page the whole rows in view); horizontal: pixels (min 0,
  // max content width - 1, page the view's width).
  ScrollInfo VertScroll() const;
  ScrollInfo HorzScroll() const;
  void ScrollTo(int32_t top_row, int32_t left_pixel);
  // The built-in bars, shown while their range does not fit; a skinned view hides them for good
  // and shows its own bars instead. kMsgVScroll and kMsgHScroll scroll the view either way: the
  // code in the low word, the thumb position in the rest of wparam.
  bool BuiltInBars() const { return built_in_bars_; }
  void SetBuiltInBars(bool v);
  ScrollBar* VertBar() const { return vbar_; }
  ScrollBar* HorzBar() const { return hbar_; }

  // --- look ---
  bool ShowButtons() const { return show_buttons_; }
  void SetShowButtons(bool v);
  bool ShowLines() const { return show_lines_; }
  void SetShowLines(bool v);
  bool ShowRoot() const { return show_root_; }
  void SetShowRoot(bool v);
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool v);
  bool RightClickSelect() const { return right_click_select_; }
  void SetRightClickSelect(bool v) { right_click_select_ = v; }
  int32_t Indent() const { return indent_; }
  void SetIndent(int32_t v);
  // A two-pixel sunken frame around the client area.
  bool Border() const { return border_; }
  void SetBorder(bool v);
  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images);
  ImageList* StateImages() const { return state_images_; }
  void SetStateImages(ImageList* images);

  gfx::Rect ClientRect() const override;
  bool WantsKey(uint16_t key) const override;
  bool WantsChars() const override { return true; }

  // --- events ---
  TreeNodeAllowEvent OnExpanding;
  TreeNodeEvent OnExpanded;
  TreeNodeAllowEvent OnCollapsing;
  TreeNodeEvent OnCollapsed;
  TreeNodeAllowEvent OnChanging;
  TreeNodeEvent OnChange;
  TreeNodeAllowEvent OnEditing;
  // The edited text before it becomes the label; the handler may change it.
  TreeNodeEditedEvent OnEdited;
  // Before a node is freed by Delete, DeleteChildren or Clear (not when the view itself goes).
  TreeNodeEvent OnDeletion;
  // A handler may add nodes and delete others, but deleting the node it was given (or a parent of
  // it) from OnExpanding, OnCollapsing or OnChanging, or any node from OnDeletion, throws
  // std::logic_error: the view goes on with those nodes when the handler returns.

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void WndProc(Message& m) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  bool MouseWheel(ShiftState shift, int delta, int x, int y) override;
  void KeyDown(uint16_t& key, ShiftState shift) override;
  void KeyPress(char32_t& ch) override;
  void Resize() override;
  void FontChanged() override;
  void DoEnter() override;
  void DoExit() override;
  void Notification(Component* component, Operation operation) override;
  void TimerTick(uintptr_t id) override;
  // Called after the ranges or positions of VertScroll or HorzScroll changed.
  virtual void ScrollChanged() {}
  // The area the rows are drawn in, in client coordinates.
  virtual gfx::Rect RowArea() const;

 private:
  friend class TreeNode;
  struct Row {
    TreeNode* node;
    int32_t level;
  };

  // Keeps nodes from being deleted while a handler runs (all of them with block_all).
  class EventGuard {
   public:
    EventGuard(TreeView& tree, std::initializer_list<const TreeNode*> nodes, bool block_all);
    EventGuard(const EventGuard&) = delete;
    EventGuard& operator=(const EventGuard&) = delete;
    ~EventGuard();

   private:
    TreeView& tree_;
    size_t count_;
    bool block_all_;
  };
  // Throws std::logic_error when the subtree holds a node a running handler was given.
  void CheckDeletable(const TreeNode* top) const;
  TreeNode* Link(TreeNode* parent, TreeNode* before, std::string text);
  std::unique_ptr<TreeNode> Unlink(TreeNode* node);
  bool ExpandNode(TreeNode* node);
  void CollapseNode(TreeNode* node);
  // The rows changed (or may have): rebuild them before the next use and repaint.
  void RowsChanged();
  void WidthsChanged();
  void PostSettle();
  void EnsureRows() const;
  void RebuildRows() const;
  // Clamps the positions and tells ScrollChanged when the ranges or positions moved.
  void Settle();
  int32_t ContentWidth() const;
  int32_t TextWidth(TreeNode* node) const;
  // The column of a level: 0 for top-level nodes without root lines.
  int32_t Column(int32_t level) const { return level + (show_root_ ? 1 : 0); }
  int32_t LabelLeft(int32_t level) const;
  // Whether the parent at each level from lo to hi has a later sibling, so its line goes on.
  struct Rails {
    int64_t lo = 0;
    int64_t hi = -1;
    std::vector<uint8_t> goes_on;
  };
  void DrawRow(gfx::Canvas& canvas, const Row& row, int32_t y, const Rails& rails) const;
  void SelectRow(int32_t row);
  // Whether the selection is drawn as focused: the focus arrived and the window is active.
  bool ShowsFocus() const;
  void ScrollIntoView(int32_t row);
  // Shows, hides and places the built-in bars for the present rows and size.
  void PlaceBars();
  void OnScrollMessage(bool vertical, intptr_t wparam);

  std::unique_ptr<TreeNode> root_;  // hidden; its children are the top-level nodes
  int32_t node_count_ = 0;
  TreeNode* selected_ = nullptr;
  ImageList* images_ = nullptr;
  ImageList* state_images_ = nullptr;
  bool show_buttons_ = true;
  bool show_lines_ = true;
  bool show_root_ = true;
  bool hide_selection_ = true;
  bool right_click_select_ = false;
  bool border_ = true;
  bool has_focus_ = false;  // between the focus arriving and leaving
  bool built_in_bars_ = true;
  bool read_only_ = false;
  Edit* edit_ = nullptr;          // made on the first edit, then kept hidden between edits
  TreeNode* editing_ = nullptr;   // the node whose label is being edited
  ScrollBar* vbar_ = nullptr;
  ScrollBar* hbar_ = nullptr;
  int32_t indent_ = 19;
  int32_t top_row_ = 0;
  int32_t left_pixel_ = 0;
  ScrollInfo last_vert_;
  ScrollInfo last_horz_;
  std::vector<const TreeNode*> guarded_;
  int32_t deletion_blocked_ = 0;
  bool settling_ = false;
  bool settle_posted_ = false;
  mutable bool rows_valid_ = false;
  mutable std::vector<Row> rows_;
  mutable int32_t content_width_ = -1;
  mutable int32_t item_height_ = -1;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui
