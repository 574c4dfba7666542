// The plain message box: a modal dialog with a text and one row of buttons.
#include "ui/MessageBox.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "gfx/Canvas.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace ui {

namespace {

struct ButtonDef {
  const char* caption;
  int result;
};

std::vector<ButtonDef> ButtonsFor(MessageBoxButtons b) {
  switch (b) {
    case MessageBoxButtons::kOk: return {{"OK", kMrOk}};
    case MessageBoxButtons::kOkCancel: return {{"OK", kMrOk}, {"Cancel", kMrCancel}};
    case MessageBoxButtons::kYesNo: return {{"&Yes", kMrYes}, {"&No", kMrNo}};
    case MessageBoxButtons::kYesNoCancel: return {{"&Yes", kMrYes}, {"&No", kMrNo}, {"Cancel", kMrCancel}};
  }
  return {{"OK", kMrOk}};
}

}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, MessageBoxButtons buttons,
                   MessageBoxIcon icon) {
  (void)icon;
  auto form = std::make_unique<Form>();
  form->SetName("MessageBox");
  form->SetSurfaceKind(platform::SurfaceKind::kDialog);
  form->SetBorderStyle(BorderStyle::kDialog);
  form->SetCaption(caption);
  form->SetPosition(FormPosition::kScreenCenter);
  form->SetKeyPreview(false);

  auto* label = form->MakeChild<Label>(form.get());
  label->SetName("Message");
  label->SetShowAccelChar(false);
  label->SetCaption(text);
  // Measure the text, wrapping lines longer than a third of the screen.
  gfx::Bitmap scratch(1, 1, 24);
  gfx::Canvas measure(scratch);
  measure.SetFont(label->GetFont());
  gfx::Rect r{0, 0, 400, 0};
  measure.DrawText(r, text.empty() ? std::string(" ") : text, gfx::kDtCalcRect | gfx::kDtWordBreak | gfx::kDtNoPrefix);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  std::vector<ButtonDef> defs = ButtonsFor(buttons);
  const int kButtonW = 75;
  const int kButtonH = 25;
  const int kGap = 8;
  int row_w = static_cast<int>(defs.size()) * kButtonW + (static_cast<int>(defs.size()) - 1) * kGap;
  int client_w = std::max(r.Width(), row_w) + 2 * 16;
  int client_h = 16 + r.Height() + 16 + kButtonH + 12;
  form->SetClientSize(client_w, client_h);
  label->SetBounds(16, 16, r.Width(), r.Height());

  int x = (client_w - row_w) / 2;
  int y = 16 + r.Height() + 16;
  Button* first = nullptr;
  for (size_t i = 0; i < defs.size(); ++i) {
    auto* b = form->MakeChild<Button>(form.get());
    b->SetName(std::string("Button") + std::to_string(i + 1));
    b->SetCaption(defs[i].caption);
    b->SetModalResult(defs[i].result);
    b->SetBounds(x, y, kButtonW, kButtonH);
    if (i == 0) {
      b->SetDefault(true);
      first = b;
    }
    if (defs[i].result == kMrCancel || defs.size() == 1) b->SetCancel(true);
    x += kButtonW + kGap;
  }
  if (first != nullptr) form->SetActiveControl(first);
  int result = form->ShowModal();
  if (result == kMrCancel && buttons == MessageBoxButtons::kOk) result = kMrOk;
  // Destroy through the application so the destruction hook runs like for any other form.
  form->DoDestroy();
  return result;
}

void ShowMessage(const std::string& text) {
  Application* app = Application::Current();
  std::string caption;
  if (app != nullptr) caption = app->Title();
  if (caption.empty() && app != nullptr && app->MainForm() != nullptr) caption = app->MainForm()->Caption();
  ShowMessageBox(text, caption, MessageBoxButtons::kOk, MessageBoxIcon::kInformation);
}

}  // namespace ui
