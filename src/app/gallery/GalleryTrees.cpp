// Gallery samples of the tree views: the skinned tree with its external bars, and the toolkit's own.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinTreeView.h"
#include "ui/ImageList.h"
#include "ui/TreeView.h"

namespace app {

namespace {

using skin::ScrollBarKind;
using skin::TskSkinScrollBar;
using skin::TskSkinTreeView;

constexpr gfx::Color kMaskColour = gfx::Rgb(255, 0, 255);

// Two 16 x 16 folder pictures, closed and open, on the mask colour.
gfx::Bitmap FolderPictures() {
  gfx::Bitmap pic(32, 16, 24);
  pic.Fill(kMaskColour);
  gfx::Canvas c(pic);
  const gfx::Color edge = gfx::Rgb(150, 110, 20);
  for (int i = 0; i < 2; ++i) {
    const int x = i * 16;
    c.FillRect({x + 1, 3, x + 7, 5}, gfx::Rgb(240, 200, 90));
    c.FrameRect({x + 1, 3, x + 7, 6}, edge);
    c.FillRect({x + 1, 5, x + 15, 14}, gfx::Rgb(250, 215, 110));
    c.FrameRect({x + 1, 5, x + 15, 14}, edge);
  }
  // The open one shows its front flap tilted.
  c.FillRect({19, 8, 31, 14}, gfx::Rgb(255, 235, 150));
  c.FrameRect({19, 8, 31, 14}, edge);
  return pic;
}

ui::ImageList* Folders(GalleryBuilder& b) {
  auto* images = b.Parent().Make<ui::ImageList>(16, 16);
  images->AddMasked(FolderPictures(), kMaskColour);
  return images;
}

ui::TreeNode* Folder(ui::TreeView* t, ui::TreeNode* parent, const std::string& text) {
  ui::TreeNode* n = t->AddChild(parent, text);
  n->SetImageIndex(0);
  n->SetSelectedIndex(1);
  return n;
}

// A small picture library: two levels open, one closed with children, one promising children.
void FillLibrary(ui::TreeView* t) {
  ui::TreeNode* root = Folder(t, nullptr, "我的图片");
  ui::TreeNode* trips = Folder(t, root, "旅行");
  Folder(t, trips, "海边");
  Folder(t, trips, "山里");
  ui::TreeNode* family = Folder(t, root, "家庭");
  Folder(t, family, "生日");
  Folder(t, root, "截图")->SetHasChildren(true);
  Folder(t, nullptr, "桌面");
  Folder(t, nullptr, "下载");
  root->Expand();
  trips->Expand();
}

// A skinned tree aligned in a w x h area with its two bars aligned right and bottom, as the
// folder dialog places them.
TskSkinTreeView* TreeSample(GalleryBuilder& b, const char* state, int w, int h, ui::ImageList* images) {
  auto* area = b.Make<ui::WinControl>("treeview", state);
  area->SetBounds(0, 0, w, h);
  auto* hbar = area->MakeChild<TskSkinScrollBar>(nullptr);
  hbar->SetAlign(ui::Align::kBottom);
  auto* vbar = area->MakeChild<TskSkinScrollBar>(nullptr);
  vbar->SetKind(ScrollBarKind::sbVertical);
  vbar->SetSkinDataName("vscrollbar");
  vbar->SetDefaultHeight(0);
  vbar->SetDefaultWidth(19);
  vbar->SetBounds(0, 0, 19, h);
  vbar->SetAlign(ui::Align::kRight);
  auto* tree = area->MakeChild<TskSkinTreeView>(nullptr);
  tree->SetAlign(ui::Align::kClient);
  tree->SetImages(images);
  for (TskSkinScrollBar* bar : {hbar, vbar}) bar->SetSkinData(b.SkinData());
  tree->SetSkinData(b.SkinData());
  tree->SetVScrollBar(vbar);
  tree->SetHScrollBar(hbar);
  FillLibrary(tree);
  return tree;
}

// Prints a tree's selection changes and expansions.
void PrintEvents(GalleryBuilder& b, ui::TreeView* t, const char* name, const char* state) {
  const GalleryEvents ev = b.Events(name, state);
  auto text = [](ui::TreeNode* n) { return n != nullptr ? n->Text() : std::string("-"); };
  t->OnChange = [ev, text](ui::Control*, ui::TreeNode* n) { ev("change", text(n)); };
  t->OnExpanded = [ev, text](ui::Control*, ui::TreeNode* n) { ev("expanded", text(n)); };
  t->OnCollapsed = [ev, text](ui::Control*, ui::TreeNode* n) { ev("collapsed", text(n)); };
}

// A tree without end: every node promises children and gets three when it opens.
void MakeEndless(GalleryBuilder& b, ui::TreeView* t, const char* name, const char* state) {
  t->Clear();
  Folder(t, nullptr, "根 (点开按需添加)")->SetHasChildren(true);
  const GalleryEvents ev = b.Events(name, state);
  t->OnExpanding = [ev](ui::Control* sender, ui::TreeNode* n, bool&) {
    ev("expanding", n->Text());
    if (n->Count() > 0) return;
    auto* tree = static_cast<ui::TreeView*>(sender);
    const std::string level = std::to_string(n->Level() + 1);
    for (int i = 1; i <= 3; ++i) Folder(tree, n, "第" + level + "层 " + std::to_string(i))->SetHasChildren(true);
  };
}

}  // namespace

void AddTreeSamples(GalleryBuilder& b) {
  ui::ImageList* images = Folders(b);
  b.Heading("treeview (无此节): 普通, 选中有焦点, 选中无焦点, 禁用, 已滚动 (两条 bar, Both), 无线无根, 按需展开 (实时)");
  TreeSample(b, "normal", 150, 130, images);
  TskSkinTreeView* focused = TreeSample(b, "focused", 150, 130, images);
  focused->SetSelected(focused->FirstNode()->FirstChild()->FirstChild());
  TskSkinTreeView* unfocused = TreeSample(b, "unfocused", 150, 130, images);
  unfocused->SetHideSelection(false);
  unfocused->SetSelected(unfocused->FirstNode()->FirstChild());
  TskSkinTreeView* disabled = TreeSample(b, "disabled", 150, 130, images);
  disabled->SetSelected(disabled->FirstNode());
  disabled->SetEnabled(false);
  b.NewRow();
  TskSkinTreeView* scrolled = TreeSample(b, "scrolled", 150, 130, images);
  for (int i = 1; i <= 30; ++i) Folder(scrolled, scrolled->FirstNode()->LastChild(), "第 " + std::to_string(i) + " 批压缩结果的文件夹");
  scrolled->FirstNode()->LastChild()->Expand();
  TskSkinTreeView* bare = TreeSample(b, "nolines", 150, 130, nullptr);
  bare->SetShowLines(false);
  bare->SetShowRoot(false);
  TskSkinTreeView* live = TreeSample(b, "live", 180, 130, images);
  MakeEndless(b, live, "treeview", "live");
  PrintEvents(b, live, "treeview", "live");
  live->SetRightClickSelect(true);
  // The toolkit's own tree, with its border and built-in bars, the same in both halves.
  auto* plain = b.Make<ui::TreeView>("toolkit", "plain");
  plain->SetBounds(0, 0, 150, 130);
  plain->SetImages(images);
  FillLibrary(plain);
  for (int i = 1; i <= 12; ++i) Folder(plain, nullptr, "相册 " + std::to_string(i));
  PrintEvents(b, plain, "toolkit", "plain");
  b.WhenShown([focused, scrolled, live](GalleryInput& in) {
    in.Focus(*focused);
    scrolled->ScrollTo(12, 40);
    // Opened three levels deep on demand, the last one selected.
    ui::TreeNode* n = live->FirstNode();
    for (int i = 0; i < 3 && n != nullptr; ++i) {
      n->Expand();
      n = n->FirstChild();
    }
    live->SetSelected(n);
  });
}

}  // namespace app
