// Form: closing (the close query, the close message's default handling, Release) and modal loops.
#include "ui/Form.h"

#include <stdexcept>
#include <vector>

#include "ui/Application.h"

namespace ui {

void Form::Close() { Send(kMsgClose); }

bool Form::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void Form::Release() {
  if (Application* app = Application::Current()) app->QueueRelease(this);
}

void Form::CloseMessage() {
  if (modal_) {
    modal_result_ = kMrCancel;
    return;
  }
  if (!CloseQuery()) return;
  Application* app = Application::Current();
  bool main = app != nullptr && app->MainForm() == this;
  CloseAction action = main ? CloseAction::kFree : CloseAction::kHide;
  if (OnClose) OnClose(this, action);
  if (action == CloseAction::kNone) return;
  if (action == CloseAction::kMinimize) {
    Minimize();
    return;
  }
  if (main) {
    // Closing the main form ends the program, whatever other forms still exist.
    Hide();
    app->Terminate();
    return;
  }
  if (action == CloseAction::kHide) Hide();
  else Release();
}

// While a form is modal every other visible form is disabled; afterwards they are enabled again,
// the modal form is hidden and the form that was active before gets the activation back.
class Form::ModalScope {
 public:
  ModalScope(Form& form, Application& app) : form_(form), app_(app) {
    std::vector<Form*> forms = app.LiveForms();
    for (Form* f : forms) {
      if (f == &form || !f->Visible() || !f->Enabled()) continue;
      f->SetEnabled(false);
      disabled_.push_back(f);
    }
    previous_ = app.ActiveForm();
    form.modal_ = true;
    form.modal_result_ = kMrNone;
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
  ~ModalScope() {
    for (Form* f : disabled_) {
      if (app_.IsLive(f)) f->SetEnabled(true);
    }
    if (app_.IsLive(&form_)) {
      form_.modal_ = false;
      form_.Hide();
    }
    if (previous_ != nullptr && app_.IsLive(previous_) && previous_->Visible()) previous_->Activate();
  }

 private:
  Form& form_;
  Application& app_;
  Form* previous_ = nullptr;
  std::vector<Form*> disabled_;
};

int Form::ShowModal() {
  if (Visible() || modal_) throw std::logic_error("Cannot make a visible window modal");
  Application* app = Application::Current();
  if (app == nullptr) throw std::logic_error("no application");
  app->SetCaptureControl(nullptr);
  app->CancelHint();
  ModalScope scope(*this, *app);
  Show();
  Activate();
  bool gone = false;
  app->RunUntil([&] {
    // The form may be destroyed by a handler while the loop runs.
    if (!app->IsLive(this)) {
      gone = true;
      return true;
    }
    return ModalLoopDone();
  });
  if (gone) return kMrCancel;
  return modal_result_;
}

bool Form::ModalLoopDone() {
  if (!Visible()) {
    if (modal_result_ == kMrNone) modal_result_ = kMrCancel;
    return true;
  }
  if (modal_result_ == kMrNone) return false;
  // A result was set: the form may still refuse to close.
  CloseAction action = CloseAction::kHide;
  if (!CloseQuery()) {
    modal_result_ = kMrNone;
    return false;
  }
  if (OnClose) OnClose(this, action);
  if (action == CloseAction::kNone) {
    modal_result_ = kMrNone;
    return false;
  }
  return true;
}

}  // namespace ui
