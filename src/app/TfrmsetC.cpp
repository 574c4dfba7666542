// TfrmsetC: the colour adjustment dialog: before and after thumbnails, one mode's sliders, "确定" and "取消".
#include "app/TfrmsetC.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "app/TOrvelDralen.h"
#include "picture/ColorAdjust.h"
#include "picture/Progress.h"
#include "picture/Thumbnail.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/ImageView.h"
#include "ui/ProgressBar.h"

namespace app {

namespace {

// The main window's status progress bar as the rows' progress of a colour routine.
class StatusProgressRows : public picture::Progress {
 public:
  explicit StatusProgressRows(ui::ProgressBar& bar) : bar_(bar) {}
  void SetMax(int max) override { bar_.SetMax(max); }
  void SetPosition(int position) override { bar_.SetPosition(position); }

 private:
  ui::ProgressBar& bar_;
};

// "+12" above 0, "0" and "-12" otherwise.
std::string Signed(int v) {
  std::string text = v > 0 ? "+" : "";
  return text.append(std::to_string(v));
}

template <class T>
T* Place(ui::WinControl* parent, ui::Component* owner, const char* name, int left, int top, int width,
         int height) {
  T* control = parent->MakeChild<T>(owner);
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  return control;
}

skin::TskSkinLabel* PlaceLabel(ui::WinControl* parent, ui::Component* owner, const char* name, int left,
                               int top, int width, int height, const char* text) {
  auto* label = Place<skin::TskSkinLabel>(parent, owner, name, left, top, width, height);
  label->SetCaption(text);
  return label;
}

skin::TskSkinTrackBar* PlaceSlider(ui::WinControl* parent, ui::Component* owner, const char* name, int left,
                                   int top, int width, int min, int max) {
  auto* bar = Place<skin::TskSkinTrackBar>(parent, owner, name, left, top, width, 20);
  bar->SetMinValue(min);
  bar->SetMaxValue(max);
  bar->SetValue(0);
  return bar;
}

// The skin's label keeps 7 pixels clear at either end, so the skinned labels are as wide as " 参数"
// and "+255" in its bold font need; the slider starts after them, its groove level with their text.
constexpr int kLabelWidth = 42;
constexpr int kValueLeft = 16 + kLabelWidth + 4;
constexpr int kSliderLeft = kValueLeft + kLabelWidth + 6;
constexpr int kSliderTop = 58;

}  // namespace

TfrmsetC::TfrmsetC(TOrvelDralen& main) : OrvelDralen(main) {
  SetName("frmsetC");
  SetSurfaceKind(platform::SurfaceKind::kDialog);
  SetBorderStyle(ui::BorderStyle::kDialog);
  SetPosition(ui::FormPosition::kDesigned);
  SetFont(gfx::Font("MS Sans Serif", 11));
  skSkinForm1 = skin::TskSkinForm::Attach(*this);
  skSkinForm1->SetName("skSkinForm1");
  skSkinForm1->SetBorderIcons(0);
  skSkinForm1->SetSkinData(&main.skSkinData1);
  SetBounds(kLeft, kTop, Width(), Height());
  SetClientSize(kClientWidth, kClientHeight);

  // The thumbnail panels and the RGB group are not linked to the skin: they keep the plain look.
  Panel1 = Place<skin::TskSkinPanel>(this, this, "Panel1", 8, 8, 193, 169);
  ImageBeforeChange = Place<ui::ImageView>(Panel1, this, "ImageBeforeChange", 8, 8, 177, 153);
  Panel2 = Place<skin::TskSkinPanel>(this, this, "Panel2", 216, 8, 193, 169);
  ImageafterChange = Place<ui::ImageView>(Panel2, this, "ImageafterChange", 8, 8, 177, 153);

  skSkinGroupBox1 = Place<skin::TskSkinGroupBox>(this, this, "skSkinGroupBox1", 8, 184, 401, 121);
  skSkinGroupBox1->SetCaption("对比度");
  skSkinLabel2 = PlaceLabel(skSkinGroupBox1, this, "skSkinLabel2", 16, 55, kLabelWidth, 23, " 参数");
  Labelcontrast = PlaceLabel(skSkinGroupBox1, this, "Labelcontrast", kValueLeft, 55, kLabelWidth, 21, "255");
  trackbarcontrast = PlaceSlider(skSkinGroupBox1, this, "trackbarcontrast", kSliderLeft, kSliderTop, 385 - kSliderLeft,
                                 -255, 255);

  skSkinGroupBox2 = Place<skin::TskSkinGroupBox>(this, this, "skSkinGroupBox2", 8, 184, 401, 121);
  skSkinGroupBox2->SetCaption("饱和度调节");
  skSkinLabel3 = PlaceLabel(skSkinGroupBox2, this, "skSkinLabel3", 16, 55, kLabelWidth, 23, " 参数");
  skSkinLabel1 = PlaceLabel(skSkinGroupBox2, this, "skSkinLabel1", kValueLeft, 55, kLabelWidth, 21, "255");
  skSkinTrackBar1 = PlaceSlider(skSkinGroupBox2, this, "skSkinTrackBar1", kSliderLeft, kSliderTop, 385 - kSliderLeft,
                                -255, 255);

  GroupBoxRGBChange = Place<skin::TskSkinGroupBox>(this, this, "GroupBoxRGBChange", 8, 184, 401, 121);
  GroupBoxRGBChange->SetCaption("RGB调整");
  skSkinLabel4 = PlaceLabel(GroupBoxRGBChange, this, "skSkinLabel4", 32, 27, 25, 23, "  R");
  labelred = PlaceLabel(GroupBoxRGBChange, this, "labelred", 73, 27, 33, 21, "255");
  TrackBarRed = PlaceSlider(GroupBoxRGBChange, this, "TrackBarRed", 120, 27, 265, -128, 127);
  skSkinLabel6 = PlaceLabel(GroupBoxRGBChange, this, "skSkinLabel6", 32, 55, 25, 23, "  G");
  labelgreen = PlaceLabel(GroupBoxRGBChange, this, "labelgreen", 73, 55, 33, 21, "255");
  TrackBarGreen = PlaceSlider(GroupBoxRGBChange, this, "TrackBarGreen", 120, 55, 265, -128, 127);
  skSkinLabel5 = PlaceLabel(GroupBoxRGBChange, this, "skSkinLabel5", 32, 83, 25, 23, "  B");
  labelblue = PlaceLabel(GroupBoxRGBChange, this, "labelblue", 73, 83, 33, 21, "255");
  TrackBarBlue = PlaceSlider(GroupBoxRGBChange, this, "TrackBarBlue", 120, 83, 265, -128, 127);

  skSkinPanel1 = Place<skin::TskSkinPanel>(this, this, "skSkinPanel1", 8, 312, 401, 41);
  skSkinButton1 = Place<skin::TskSkinButton>(skSkinPanel1, this, "skSkinButton1", 72, 8, 75, 25);
  skSkinButton1->SetCaption("确定");
  skSkinButton2 = Place<skin::TskSkinButton>(skSkinPanel1, this, "skSkinButton2", 232, 8, 75, 25);
  skSkinButton2->SetCaption("取消");

  for (skin::TskSkinControl* c : std::initializer_list<skin::TskSkinControl*>{
           skSkinGroupBox1, skSkinLabel2, Labelcontrast, trackbarcontrast, skSkinGroupBox2, skSkinLabel3,
           skSkinLabel1, skSkinTrackBar1, skSkinPanel1, skSkinButton1, skSkinButton2})
    c->SetSkinData(&main.skSkinData1);

  trackbarcontrast->OnChange = [this](ui::Component* s) { trackbarcontrastChange(s); };
  skSkinTrackBar1->OnChange = [this](ui::Component* s) { skSkinTrackBar1Change(s); };
  for (skin::TskSkinTrackBar* bar : {TrackBarRed, TrackBarGreen, TrackBarBlue})
    bar->OnChange = [this](ui::Component* s) { TrackBarRedChange(s); };
  skSkinButton1->OnClick = [this](ui::Component* s) { skSkinButton1Click(s); };
  skSkinButton2->OnClick = [this](ui::Component* s) { skSkinButton2Click(s); };
  skSkinGroupBox2->Hide();
  GroupBoxRGBChange->Hide();
}

void TfrmsetC::SetMode(const std::string& caption) {
  skSkinGroupBox1->SetVisible(caption == kContrastCaption);
  skSkinGroupBox2->SetVisible(caption == kSaturationCaption);
  GroupBoxRGBChange->SetVisible(caption == kRgbCaption);
  LoadImage(OrvelDralen.Image1->Picture());
  SetCaption(caption);
  trackbarcontrast->SetValue(0);
  // "确定" applies the sliders as they stand, so the after thumbnail and the labels show them from
  // the start rather than an unchanged picture.
  if (caption == kContrastCaption) trackbarcontrastChange(this);
  if (caption == kSaturationCaption) skSkinTrackBar1Change(this);
  if (caption == kRgbCaption) TrackBarRedChange(this);
}

void TfrmsetC::LoadImage(const gfx::Bitmap& picture) {
  if (picture.IsEmpty()) return;
  gfx::Bitmap thumbnail = picture::MakeThumbnail(picture);
  for (auto [view, panel] : {std::pair{ImageBeforeChange, Panel1}, std::pair{ImageafterChange, Panel2}}) {
    // Integer division truncates toward zero: a view taller than its panel gets a negative top.
    view->SetBounds((panel->Width() - thumbnail.Width()) / 2, (panel->Height() - thumbnail.Height()) / 2,
                    thumbnail.Width(), thumbnail.Height());
    view->SetPicture(thumbnail);
  }
}

void TfrmsetC::trackbarcontrastChange(ui::Component*) {
  const int v = trackbarcontrast->Value();
  Labelcontrast->SetCaption(Signed(v));
  gfx::Bitmap after = ImageBeforeChange->Picture();
  picture::AdjustContrast(after, v);
  ImageafterChange->SetPicture(std::move(after));
}

void TfrmsetC::skSkinTrackBar1Change(ui::Component*) {
  const int v = skSkinTrackBar1->Value();
  skSkinLabel1->SetCaption(std::to_string(v));
  picture::PreviewSaturation(ImageBeforeChange->Picture(), ImageafterChange->EditPicture(), v);
  ImageafterChange->PictureChanged();
}

void TfrmsetC::TrackBarRedChange(ui::Component*) {
  const int red = TrackBarRed->Value(), green = TrackBarGreen->Value(), blue = TrackBarBlue->Value();
  labelred->SetCaption(Signed(red));
  labelgreen->SetCaption(Signed(green));
  labelblue->SetCaption(Signed(blue));
  picture::PreviewShiftRGB(ImageBeforeChange->Picture(), ImageafterChange->EditPicture(), red, green, blue);
  ImageafterChange->PictureChanged();
}

void TfrmsetC::skSkinButton1Click(ui::Component*) {
  ui::ProgressBar* bar = OrvelDralen.StatusProgress;
  std::optional<StatusProgressRows> rows;
  if (bar != nullptr) {
    bar->SetPosition(0);
    rows.emplace(*bar);
  }
  picture::Progress* progress = rows ? &*rows : nullptr;
  ui::ImageView* view = OrvelDralen.Image1;
  gfx::Bitmap& picture = view->EditPicture();
  if (Caption() == kContrastCaption) picture::AdjustContrast(picture, trackbarcontrast->Value());
  if (Caption() == kSaturationCaption) picture::AdjustSaturation(picture, skSkinTrackBar1->Value(), progress);
  if (Caption() == kRgbCaption)
    picture::ShiftRGB(picture, TrackBarRed->Value(), TrackBarGreen->Value(), TrackBarBlue->Value(), progress);
  view->PictureChanged();
  SetModalResult(ui::kMrOk);
  OrvelDralen.Invalidate();
}

void TfrmsetC::skSkinButton2Click(ui::Component*) { SetModalResult(ui::kMrCancel); }

}  // namespace app
