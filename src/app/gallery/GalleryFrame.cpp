// Gallery samples of the window frame: pictures of forms in the frame's states and of a message box.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "skin/frame/TskActiveSkinObject.h"
#include "skin/frame/TskMessageForm.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinMessage.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"

namespace app {

namespace {

// Pixels outside a window's shape; never a colour of the frame itself.
constexpr gfx::Color kOutside = gfx::Rgb(255, 0, 255);
constexpr int kSampleClientWidth = 270;
constexpr int kSampleClientHeight = 50;
// Long enough for the caption buttons' fades to reach their end.
constexpr uint32_t kFadeMs = 300;
constexpr uint32_t kSettleMs = 40;
// How far left of the screen a sample form shows while its picture is taken.
constexpr int32_t kOffScreen = 100;

// A top-level form can only rest in one state at a time and only one form is active, so each sample
// is a form of its own that is shown, put into its state, drawn and taken down again; the gallery
// keeps its picture. Until then the control is as large as the form and blank.
class FormPicture : public ui::GraphicControl {
 public:
  // Puts a shown form into its state; the gallery's own window is there to take the activation.
  using EnterFn = std::function<void(ui::Form& form, ui::Form& gallery, GalleryInput& input)>;

  FormPicture(std::unique_ptr<ui::Form> form, EnterFn enter)
      : form_(std::move(form)), enter_(std::move(enter)) {
    SetBounds(0, 0, form_->Width(), form_->Height());
  }
  ~FormPicture() override { TakeDown(); }

  // Shows the form left of the screen, where it covers nothing, puts it into its state, keeps its
  // picture (the window's shape cut out) and frees it.
  void Capture(GalleryInput& input, ui::Form& gallery) {
    if (form_ == nullptr) return;
    form_->SetPosition(ui::FormPosition::kDesigned);
    form_->SetBounds(-form_->Width() - kOffScreen, 0, form_->Width(), form_->Height());
    form_->Show();
    // The activation that showing brings resets the caption buttons: it comes before the state.
    input.Advance(kSettleMs);
    enter_(*form_, gallery, input);
    input.Advance(kFadeMs);
    form_->UpdateNow();
    picture_ = form_->FrameBuffer();
    if (const std::optional<gfx::Region>& shape = form_->WindowRegion()) {
      for (int32_t y = 0; y < picture_.Height(); ++y) {
        for (int32_t x = 0; x < picture_.Width(); ++x) {
          if (!shape->Contains({x, y})) picture_.SetPixel(x, y, kOutside);
        }
      }
    }
    TakeDown();
    gallery.Activate();
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
  }

 protected:
  void Paint(gfx::Canvas& canvas) override {
    if (picture_.IsEmpty()) return;
    canvas.CopyTransparent({0, 0}, picture_, gfx::Rect::FromSize(0, 0, picture_.Width(), picture_.Height()),
                           kOutside);
  }

 private:
  void TakeDown() {
    if (form_ == nullptr) return;
    form_->DoDestroy();
    form_.reset();
  }

  std::unique_ptr<ui::Form> form_;
  EnterFn enter_;
  gfx::Bitmap picture_;
};

// A sizeable window with every caption button, as the main window has them, in the half's look.
std::unique_ptr<ui::Form> SampleForm(GalleryBuilder& b) {
  auto form = std::make_unique<ui::Form>();
  form->SetName("FrameSample");
  form->SetCaption("图片压缩（免费共享）");
  form->SetFont(gfx::Font("MS Sans Serif", 11));
  skin::TskSkinForm* frame = skin::TskSkinForm::Attach(*form);
  frame->SetBorderIcons(skin::biSystemMenu | skin::biMinimize | skin::biMaximize | skin::biRollUp);
  frame->SetSkinData(b.SkinData());
  form->SetClientSize(kSampleClientWidth, kSampleClientHeight);
  return form;
}

skin::TskActiveSkinObject* FrameObject(ui::Form& form, const char* id) {
  skin::TskSkinForm* frame = skin::FindSkinForm(&form);
  return frame != nullptr ? frame->FindObject(id) : nullptr;
}

struct FrameSample {
  const char* state;
  FormPicture::EnterFn enter;
};

void AddFormPicture(GalleryBuilder& b, const char* state, std::unique_ptr<ui::Form> form, FormPicture::EnterFn enter) {
  ui::Form* gallery = b.Parent().ParentForm();
  auto* picture = b.Add("form", state, std::make_unique<FormPicture>(std::move(form), std::move(enter)));
  b.WhenShown([picture, gallery](GalleryInput& in) { picture->Capture(in, *gallery); });
}

}  // namespace

void AddFrameSamples(GalleryBuilder& b) {
  b.Heading("frame: active, inactive, rolled up, close button hovered, maximize button pressed; a message box");
  const FrameSample samples[] = {
      {"active", [](ui::Form& f, ui::Form&, GalleryInput&) { f.Activate(); }},
      {"inactive", [](ui::Form&, ui::Form& gallery, GalleryInput&) { gallery.Activate(); }},
      {"rolled-up",
       [](ui::Form& f, ui::Form&, GalleryInput&) {
         f.Activate();
         if (skin::TskSkinForm* frame = skin::FindSkinForm(&f)) frame->SetRollUp(true);
       }},
      {"close-hovered",
       [](ui::Form& f, ui::Form&, GalleryInput&) {
         f.Activate();
         if (skin::TskActiveSkinObject* o = FrameObject(f, "closebutton")) o->MouseEnter();
       }},
      {"maximize-pressed",
       [](ui::Form& f, ui::Form&, GalleryInput&) {
         f.Activate();
         skin::TskActiveSkinObject* o = FrameObject(f, "maxbutton");
         if (o == nullptr) return;
         o->MouseEnter();
         o->MouseDown(o->ObjectRect.left + 2, o->ObjectRect.top + 2, skin::FrameMouseButton::kLeft);
       }},
  };
  for (const FrameSample& s : samples) AddFormPicture(b, s.state, SampleForm(b), s.enter);

  // The message box as the program shows it: its frame, icon, text and one OK button.
  auto* message = b.Parent().Make<skin::TskSkinMessage>();
  message->SetSkinData(b.SkinData());
  message->SetCtrlSkinData(b.SkinData());
  auto box = std::make_unique<skin::TskMessageForm>(*message, "请先打开图片！", skin::MessageType::kInformation,
                                                    skin::kMbOK);
  AddFormPicture(b, "message-box", std::move(box), [](ui::Form& f, ui::Form&, GalleryInput&) { f.Activate(); });
}

}  // namespace app
