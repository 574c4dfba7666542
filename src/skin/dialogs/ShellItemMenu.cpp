// ShellItemMenu: the skinned context menu of one shell item and the text of its properties box.
#include "skin/dialogs/ShellItemMenu.h"

#include <exception>
#include <optional>
#include <utility>

#include "platform/ShellNamespace.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinMessage.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"

namespace skin {

namespace {

void Report(std::exception_ptr error) {
  if (ui::Application* app = ui::Application::Current()) app->HandleException(error);
}

void ShowProperties(ui::Control& control, TskSkinData* skin, const platform::ShellNamespace& shell,
                    const std::string& id) {
  const std::string text = ShellPropertiesText(shell, id);
  TskSkinMessage box;
  const TskSkinForm* frame = FindSkinForm(control.ParentForm());
  box.SetSkinData(frame != nullptr ? frame->SkinData() : nullptr);
  box.SetCtrlSkinData(skin);
  box.ShowMessageBox(text, MessageType::kInformation, kMbOK);
}

}  // namespace

std::string ShellPropertiesText(const platform::ShellNamespace& shell, const std::string& id) {
  const platform::ShellItem item = shell.Item(id);
  std::string place;
  if (const std::optional<std::string> parent = platform::ShellNamespace::Parent(id)) {
    const platform::ShellItem folder = shell.Item(*parent);
    // A virtual folder (the desktop, the computer) is known by its name, not by a path behind it.
    place = parent->starts_with("::") || folder.path.empty() ? folder.name : folder.path;
  }
  std::string text = "名称: " + item.name + "\n位置: " + place;
  if (item.path.empty()) return text + "\n类型: 文件夹";
  const platform::ShellDetails details = shell.Details(item.path);
  if (item.folder) {
    text += "\n类型: 文件夹";
  } else {
    text += "\n类型: " + (details.type.empty() ? std::string("文件") : details.type);
    text += "\n大小: " + details.size + " 字节";
  }
  return text + "\n修改时间: " + details.modified;
}

ShellItemMenu::ShellItemMenu() = default;
ShellItemMenu::~ShellItemMenu() = default;

void ShellItemMenu::Later(std::function<void()> command) {
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  app->RunOnMainThread([watch = life_.Observe(), command = std::move(command)] {
    if (!watch.Alive()) return;
    try {
      command();
    } catch (...) {
      Report(std::current_exception());
    }
  });
}

void ShellItemMenu::Popup(ui::Control& control, TskSkinData* skin, platform::ShellNamespace& shell,
                          const std::string& id, gfx::Point screen, std::function<void()> rename) {
  // Built anew each time, so that what it offers is what the item allows now.
  menu_ = std::make_unique<TskSkinPopupMenu>();
  menu_->SetForm(control.ParentForm());
  if (skin != nullptr) menu_->SetSkinData(skin);
  ui::MenuItem& root = menu_->Items();
  ui::Control* target = &control;
  platform::ShellNamespace* names = &shell;
  root.Add("打开(&O)", [this, names, id](ui::Component*) {
    Later([names, id] {
      if (!names->Open(id)) throw platform::ShellError("无法打开 \"" + names->Item(id).name + "\"");
    });
  });
  if (shell.Item(id).can_rename && rename) {
    root.Add("重命名(&M)", [this, rename = std::move(rename)](ui::Component*) { Later(rename); });
  }
  root.AddSeparator();
  root.Add("属性(&R)", [this, target, skin, names, id](ui::Component*) {
    Later([target, skin, names, id] { ShowProperties(*target, skin, *names, id); });
  });
  menu_->SetPopupComponent(&control);
  menu_->Popup(screen.x, screen.y);
}

}  // namespace skin
