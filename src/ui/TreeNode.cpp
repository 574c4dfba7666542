// TreeNode: one node of a tree view, with its text, images, data pointer and children.
#include "ui/TreeNode.h"

#include <vector>

#include "ui/TreeView.h"

namespace ui {

TreeNode::TreeNode(TreeView* tree, TreeNode* parent, std::string text)
    : tree_(tree), parent_(parent), text_(std::move(text)) {}

TreeNode::~TreeNode() {
  // The owned links are taken apart one node at a time: each node is freed with both links
  // empty, so no destructor ever reaches further than one step.
  std::vector<std::unique_ptr<TreeNode>> pending;
  if (first_child_) pending.push_back(std::move(first_child_));
  if (next_) pending.push_back(std::move(next_));
  while (!pending.empty()) {
    std::unique_ptr<TreeNode> n = std::move(pending.back());
    pending.pop_back();
    if (n->first_child_) pending.push_back(std::move(n->first_child_));
    if (n->next_) pending.push_back(std::move(n->next_));
  }
}

TreeNode* TreeNode::Parent() const {
  // The hidden root is the only node without a parent of its own.
  if (parent_ == nullptr || parent_->parent_ == nullptr) return nullptr;
  return parent_;
}

int32_t TreeNode::Level() const {
  int32_t level = 0;
  for (const TreeNode* p = Parent(); p != nullptr; p = p->Parent()) ++level;
  return level;
}

bool TreeNode::IsAncestorOf(const TreeNode* node) const {
  for (; node != nullptr; node = node->parent_) {
    if (node == this) return true;
  }
  return false;
}

void TreeNode::Changed(bool width_too) {
  if (width_too) text_width_ = -1;
  if (tree_ == nullptr) return;
  if (width_too) tree_->WidthsChanged();
  tree_->Invalidate();
}

void TreeNode::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Changed(true);
}

void TreeNode::SetImageIndex(int32_t index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed(false);
}

void TreeNode::SetSelectedIndex(int32_t index) {
  if (index == selected_index_) return;
  selected_index_ = index;
  Changed(false);
}

void TreeNode::SetStateIndex(int32_t index) {
  if (index == state_index_) return;
  state_index_ = index;
  Changed(false);
}

void TreeNode::SetHasChildren(bool v) {
  if (v == has_children_) return;
  has_children_ = v;
  Changed(false);
}

bool TreeNode::Expand() { return tree_->ExpandNode(this); }

void TreeNode::Collapse() { tree_->CollapseNode(this); }

bool TreeNode::Selected() const { return tree_->Selected() == this; }

bool TreeNode::IsVisible() const {
  for (const TreeNode* p = Parent(); p != nullptr; p = p->Parent()) {
    if (!p->expanded_) return false;
  }
  return true;
}

}  // namespace ui
