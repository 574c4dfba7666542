// Gallery samples of the popups: menu buttons and their menus, hints, and message boxes of each type and button set.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/frame/TskSkinMessage.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TskSkinHint.h"
#include "skin/menus/TskSkinHintWindow.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/Form.h"
#include "ui/ImageList.h"

namespace app {

namespace {

constexpr gfx::Color kKey = gfx::Rgb(255, 0, 255);
// Enough items that the list is taller than any work area and scrolls.
constexpr int kLongListItems = 80;

// The gallery window's menu engine when no skinned frame provides one: menus draw from their own
// skin (the skinned half's) or in the default look (the plain half's).
class GalleryMenuHost : public ui::Component, public skin::SkinMenuHost {
 public:
  explicit GalleryMenuHost(ui::Form* form) : engine_(form) { SetName("GalleryMenuHost"); }
  skin::TskSkinMenu& MenuEngine() override { return engine_; }
  skin::TskSkinData* MenusSkinData() const override { return nullptr; }
  void MenuOpenStep() override {}

 private:
  skin::TskSkinMenu engine_;
};

skin::SkinMenuHost* EnsureMenuHost(ui::Form* form) {
  if (form == nullptr) return nullptr;
  if (skin::SkinMenuHost* host = skin::FindMenuHost(form)) return host;
  return form->Make<GalleryMenuHost>(form);
}

// Two 16 x 16 menu images: a turning arrow and a mirror.
ui::ImageList* MenuImages(ui::Component& owner) {
  auto* list = owner.Make<ui::ImageList>(16, 16);
  gfx::Bitmap strip(32, 16, 24);
  strip.Fill(kKey);
  gfx::Canvas canvas(strip);
  canvas.Pen().color = gfx::Rgb(40, 90, 190);
  canvas.Pen().width = 2;
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.Ellipse({2, 2, 14, 14});
  canvas.FillRect({10, 1, 15, 6}, kKey);
  const gfx::Point head[] = {{9, 0}, {14, 4}, {9, 7}};
  canvas.Brush().style = gfx::BrushStyle::kSolid;
  canvas.Brush().color = gfx::Rgb(40, 90, 190);
  canvas.Pen().width = 1;
  canvas.Polygon(head);
  canvas.FillRect({23, 1, 25, 15}, gfx::Rgb(90, 90, 90));
  const gfx::Point left[] = {{22, 3}, {22, 13}, {17, 13}};
  const gfx::Point right[] = {{26, 3}, {26, 13}, {31, 13}};
  canvas.Brush().color = gfx::Rgb(220, 120, 40);
  canvas.Pen().color = gfx::Rgb(220, 120, 40);
  canvas.Polygon(left);
  canvas.Polygon(right);
  list->AddMasked(strip, kKey);
  return list;
}

// The menu every menu button drops: images, a shortcut, a separator, a disabled item, a check, a
// radio pair, a submenu and a list long enough to scroll. Each item prints its caption.
skin::TskSkinPopupMenu* SampleMenu(GalleryBuilder& b, const GalleryEvents& print) {
  auto* menu = b.Parent().Make<skin::TskSkinPopupMenu>();
  menu->SetSkinData(b.SkinData());
  menu->SetForm(b.Parent().ParentForm());
  menu->SetImages(MenuImages(b.Parent()));
  ui::MenuItem& root = menu->Items();
  auto add = [print](ui::MenuItem& parent, const std::string& caption) {
    return parent.Add(caption, [print, caption](ui::Component*) { print("menu", caption); });
  };
  add(root, "旋转90度(&R)")->SetImageIndex(0);
  ui::MenuItem* flip = add(root, "水平翻转(&H)");
  flip->SetImageIndex(1);
  flip->SetShortCutText("Ctrl+H");
  root.AddSeparator();
  add(root, "恢复(&E)")->SetEnabled(false);
  ui::MenuItem* keep = add(root, "约束比例(&K)");
  keep->SetAutoCheck(true);
  keep->SetChecked(true);
  for (const char* caption : {"选项一(&1)", "选项二(&2)"}) {
    ui::MenuItem* radio = add(root, caption);
    radio->SetRadioItem(true);
    radio->SetAutoCheck(true);
  }
  root.Item(root.Count() - 1)->SetChecked(true);
  root.AddSeparator();
  ui::MenuItem* more = add(root, "更多(&M)");
  add(*more, "帮助(&A)");
  add(*more, "关于(&B)");
  ui::MenuItem* list = add(root, "长列表(&L)");
  for (int i = 1; i <= kLongListItems; ++i) add(*list, "第 " + std::to_string(i) + " 项");
  return menu;
}

void AddMenuButtons(GalleryBuilder& b) {
  b.Heading("toolmenubutton: a press drops the menu (submenu, disabled, checked, radio, separator, images, a list that scrolls)");
  EnsureMenuHost(b.Parent().ParentForm());
  GalleryEvents print = b.Events("toolmenubutton", "menu");
  auto* button = b.Make<skin::TskSkinMenuSpeedButton>("toolmenubutton", "menu");
  button->SetCaption("菜单");
  button->SetBounds(0, 0, 60, 25);
  button->SetSkinData(b.SkinData());
  button->SetSkinPopupMenu(SampleMenu(b, print));
  button->OnShowTrackMenu = [print](ui::Component*) { print("show", "menu"); };
  button->OnHideTrackMenu = [print](ui::Component*) { print("hide", "menu"); };

  GalleryEvents print_track = b.Events("toolmenubutton", "track");
  auto* track = b.Make<skin::TskSkinMenuSpeedButton>("toolmenubutton", "track");
  track->SetCaption("工具");
  track->SetBounds(0, 0, 60, 25);
  track->SetTrackButtonMode(true);
  track->SetSkinData(b.SkinData());
  track->SetSkinPopupMenu(SampleMenu(b, print_track));
  track->OnClick = [print_track](ui::Component*) { print_track("click", "工具"); };

  // The skinned half shows its menu open, with the submenu of "更多" beside it; only one menu is
  // open at a time, so the plain half's opens when pressed.
  if (!b.Skinned()) return;
  ui::Form* form = b.Parent().ParentForm();
  b.WhenShown([button, form](GalleryInput& in) {
    in.Press(*button);
    skin::SkinMenuHost* host = skin::FindMenuHost(form);
    if (host == nullptr || !host->MenuEngine().IsOpen()) return;
    skin::TskSkinMenu& engine = host->MenuEngine();
    for (int i = 0; i < 5; ++i) engine.KeyDown(platform::kVkDown);
    engine.KeyDown(platform::kVkRight);
  });
}

void AddHints(GalleryBuilder& b) {
  b.Heading("hint: the skin's hint window (left) and the plain one (right)");
  // Owned by the window: the application's own hints look for the active one there.
  ui::Form* form = b.Parent().ParentForm();
  auto* hint = form->Make<skin::TskSkinHint>();
  hint->SetSkinData(b.SkinData());
  auto* label = b.Make<skin::TskSkinStdLabel>("stdlabel", "hint");
  label->SetCaption("图片压缩取点比例");
  label->SetSkinData(b.SkinData());
  label->SetHint("图片压缩取点比例");
  label->SetShowHint(true);
  b.WhenShown([hint, label](GalleryInput&) {
    const gfx::Point at = label->ClientToScreen({label->Width() + 12, 0});
    hint->ObjectHintWindow().ActivateHint({at.x, at.y, at.x, at.y}, label->Caption());
  });
}

struct BoxSample {
  const char* state;
  const char* caption;
  skin::MessageType type;
  skin::MessageButtons buttons;
  const char* text;
};

constexpr BoxSample kBoxes[] = {
    {"information-ok", "信息", skin::MessageType::kInformation, skin::kMbOK, "请先打开图片！"},
    {"warning-ok", "警告", skin::MessageType::kWarning, skin::kMbOK, "自定义图片大小无效。"},
    {"error-ok", "错误", skin::MessageType::kError, skin::kMbOK,
     "无法读取文件 D:\\图片\\一个很长很长的文件夹名字\\another_very_long_folder_name\\照片.jpg"},
    {"confirm-yes-no-cancel", "确认", skin::MessageType::kConfirmation, skin::kMbYesNoCancel, "覆盖已有的文件吗？"},
    {"confirm-yes-no", "是/否", skin::MessageType::kConfirmation, skin::kMbYesNo, "继续批量压缩吗？"},
    {"ok-cancel-help", "帮助", skin::MessageType::kInformation, skin::kMbOKCancel | skin::kMbHelp,
     "帮助按钮不关闭消息框。"},
    {"abort-retry-ignore", "重试", skin::MessageType::kWarning, skin::kMbAbortRetryIgnore, "文件正在被使用。"},
    {"to-all", "全部", skin::MessageType::kConfirmation,
     skin::kMbYes | skin::kMbNo | skin::kMbAll | skin::kMbNoToAll | skin::kMbYesToAll, "替换所有同名文件吗？"},
    {"custom-none", "无按钮", skin::MessageType::kCustom, 0, "只有关闭窗口能结束这个消息框。"},
};

void AddMessageBoxes(GalleryBuilder& b) {
  b.Heading("message boxes: each type and button set; the result prints when the box closes");
  auto* message = b.Parent().Make<skin::TskSkinMessage>();
  message->SetSkinData(b.SkinData());
  message->SetCtrlSkinData(b.SkinData());
  for (const BoxSample& box : kBoxes) {
    auto* c = b.Make<skin::TskSkinButton>("messagebox", box.state);
    c->SetCaption(box.caption);
    c->SetTabStop(false);
    c->SetBounds(0, 0, 60, 25);
    c->SetSkinData(b.SkinData());
    GalleryEvents print = b.Events("messagebox", box.state);
    const BoxSample sample = box;
    c->OnClick = [print, message, sample](ui::Component*) {
      print("result", std::to_string(message->ShowMessageBox(sample.text, sample.type, sample.buttons)));
    };
  }
}

}  // namespace

void AddMenuSamples(GalleryBuilder& builder) {
  AddMessageBoxes(builder);
  AddHints(builder);
  // Last, so that the open menu drops below everything else.
  AddMenuButtons(builder);
}

}  // namespace app
