// TreeNode: one node of a tree view, with its text, images, data pointer and children.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace ui {

class TreeView;

// A node owns its first child and its next sibling, so a subtree is one chain of ownership; the
// other links only observe. Nodes are made and deleted by their TreeView. Freeing a node frees its
// children and its later siblings without recursion, however deep or long the chains are, so the
// tree view unlinks a node before it lets it go.
class TreeNode {
 public:
  TreeNode(const TreeNode&) = delete;
  TreeNode& operator=(const TreeNode&) = delete;
  ~TreeNode();

  TreeView* Tree() const { return tree_; }
  // The parent node, or null for a top-level node.
  TreeNode* Parent() const;
  TreeNode* FirstChild() const { return first_child_.get(); }
  TreeNode* LastChild() const { return last_child_; }
  TreeNode* NextSibling() const { return next_.get(); }
  TreeNode* PrevSibling() const { return prev_; }
  // The number of direct children.
  int32_t Count() const { return count_; }
  // 0 for a top-level node; walks up the parents.
  int32_t Level() const;
  // Whether `node` is this node or one below it.
  bool IsAncestorOf(const TreeNode* node) const;

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // Indexes into the tree's Images (the selected index while the node is selected) and
  // StateImages; -1 draws nothing.
  int32_t ImageIndex() const { return image_index_; }
  void SetImageIndex(int32_t index);
  int32_t SelectedIndex() const { return selected_index_; }
  void SetSelectedIndex(int32_t index);
  int32_t StateIndex() const { return state_index_; }
  void SetStateIndex(int32_t index);
  // A pointer for the caller; the node never touches what it points at.
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }

  // Whether the node shows an expand button: it has children, or it was told it has some that
  // will be added when it expands. An expansion that finds none clears the promise.
  bool HasChildren() const { return has_children_ || first_child_ != nullptr; }
  void SetHasChildren(bool v);
  bool Expanded() const { return expanded_; }
  // Expands through the tree's OnExpanding (which may add the children or refuse); returns whether
  // the node is expanded afterwards.
  bool Expand();
  void Collapse();
  bool Selected() const;
  // Whether every parent is expanded, so the node has a row.
  bool IsVisible() const;

 private:
  friend class TreeView;
  TreeNode(TreeView* tree, TreeNode* parent, std::string text);
  void Changed(bool width_too);

  TreeView* tree_;
  TreeNode* parent_;  // the tree's hidden root for a top-level node
  std::unique_ptr<TreeNode> first_child_;
  std::unique_ptr<TreeNode> next_;
  TreeNode* last_child_ = nullptr;
  TreeNode* prev_ = nullptr;
  int32_t count_ = 0;
  std::string text_;
  int32_t image_index_ = -1;
  int32_t selected_index_ = -1;
  int32_t state_index_ = -1;
  void* data_ = nullptr;
  bool has_children_ = false;
  bool expanded_ = false;
  int32_t text_width_ = -1;  // measured in the tree's font; -1 until measured
  int32_t row_ = -1;         // index in the tree's visible rows while those are current
};

}  // namespace ui
