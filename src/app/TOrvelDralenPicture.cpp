// TOrvelDralen: the single-picture workflow: opening a file, the preview's zoom and size, the
// quality and the custom size, and saving.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/TOrvelDralen.h"
#include "gfx/JpegCodec.h"
#include "picture/PictureFile.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "skin/frame/TskSkinMessage.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace app {

namespace {

constexpr int kZoomLimit = 4000;
constexpr int kZoomOutLimit = 40;

// Rounds to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(long double v) {
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long double r = std::nearbyint(v);
  std::fesetround(mode);
  return static_cast<double>(r);
}

// The name as the status bar shows it: its folder with the trailing separator, then its name.
std::string FullName(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

}  // namespace

void TOrvelDralen::WireHandlers() {
  skSkinButton1->OnClick = [this](ui::Component* s) { skSkinButton1Click(s); };
  skSkinButton3->OnClick = [this](ui::Component* s) { skSkinButton3Click(s); };
  bigbutton->OnClick = [this](ui::Component* s) { bigbuttonClick(s); };
  smallbutton->OnClick = [this](ui::Component* s) { smallbuttonClick(s); };
  skSkinTrackBar1->OnChange = [this](ui::Component* s) { skSkinTrackBar1Change(s); };
  skSkinCheckRadioBox1->OnClick = [this](ui::Component* s) { skSkinCheckRadioBox1Click(s); };
  skSkinNumericEdit1->OnChange = [this](ui::Component* s) { skSkinNumericEdit1Change(s); };
  skSkinNumericEdit2->OnExit = [this](ui::Component* s) { skSkinNumericEdit2Exit(s); };
}

void TOrvelDralen::Inform(const std::string& text) {
  skSkinMessage1->ShowMessageBox(text, skin::MessageType::kInformation, skin::kMbOK);
}

void TOrvelDralen::ResizeView(int width, int height) {
  Image1->SetAutoSize(false);
  Image1->SetStretch(true);
  Image1->SetBounds(Image1->Left(), Image1->Top(), width, height);
}

void TOrvelDralen::SetPictureMiddle() {
  auto* box = skSkinScrollBox1;
  // Back at the origin first, so that the place is measured from the box's own corner.
  for (skin::TskSkinScrollBar* bar : {box->HScrollBar(), box->VScrollBar()})
    if (bar != nullptr) bar->SetPosition(0);
  // Placing the view may show or hide a bar, which changes the box's size: place it once more then.
  for (int round = 0; round < 2; ++round) {
    // The scroll box counts with its outer size, frame included.
    const int box_width = box->Width();
    const int box_height = box->Height();
    const int top = Image1->Height() < box_height ? box_height / 2 - Image1->Height() / 2 : 0;
    const int left = Image1->Width() < box_width ? box_width / 2 - Image1->Width() / 2 : 0;
    Image1->SetBounds(left, top, Image1->Width(), Image1->Height());
    box->UpdateScrollBars();
    if (box->Width() == box_width && box->Height() == box_height) break;
  }
}

void TOrvelDralen::OpenPictureFile(const std::string& path) {
  // A damaged file throws here, before anything of the current picture changed.
  std::optional<picture::LoadedPicture> loaded = picture::LoadPictureFromFile(path);
  if (!loaded || loaded->bitmap.IsEmpty()) {
    // Nothing read: the current picture, its restore copy and the status texts stay.
    Inform("没有读取图片，程序错误");
    return;
  }
  std::error_code ec;
  const uintmax_t bytes = std::filesystem::file_size(path, ec);
  const int width = loaded->bitmap.Width();
  const int height = loaded->bitmap.Height();

  // The restore copy takes the decoded pixels and the current picture copies them: with the old
  // pictures released on the way, no more than three pictures are held at once.
  Image2->SetPicture(std::move(loaded->bitmap));
  Image1->SetPicture(Image2->Picture());
  metadata_ = {std::move(loaded->icc_profile), std::move(loaded->markers),
               ec ? std::nullopt : std::optional<uint64_t>(bytes)};
  restore_metadata_ = metadata_;

  skSkinButton3->SetEnabled(true);
  skSkinTrackBar1->SetEnabled(true);
  skSkinCheckRadioBox1->SetEnabled(true);
  // The bars show from the first open on, also while the picture fits.
  skSkinScrollBox1->SetKeepBarsShown(true);
  skSkinScrollBar1->Show();
  skSkinScrollBar2->Show();
  Image1->SetBounds(Image1->Left(), Image1->Top(), width, height);
  SetPictureMiddle();

  skSkinStatusPanel1->SetCaption("文件位置:" + FullName(path));
  size_text_ = "图片高:" + std::to_string(height) + ";  图片宽:" + std::to_string(width) +
               ";  图片大小:" + std::to_string(ec ? 0 : bytes / 1024) + "KB";
  estimate_text_.clear();
  skSkinStatusPanel2->SetCaption(size_text_);
  // The width's change handler sizes the view to the edits (and the height, with the ratio locked).
  skSkinNumericEdit1->SetValue(width);
  skSkinNumericEdit2->SetValue(height);
}

void TOrvelDralen::ForgetPictureMetadata() { metadata_ = {}; }

void TOrvelDralen::N3Click(ui::Component*) {
  if (!Image2->HasPicture()) return;
  Image1->SetPicture(Image2->Picture());
  metadata_ = restore_metadata_;
  SizeViewToPicture();
  SetPictureMiddle();
}

void TOrvelDralen::bigbuttonClick(ui::Component*) {
  const int height = static_cast<int>(int64_t{Image1->Height()} * 5 / 4);
  const int width = static_cast<int>(int64_t{Image1->Width()} * 5 / 4);
  ResizeView(width, height);
  if (width > kZoomOutLimit) smallbutton->SetEnabled(true);
  // A tall, narrow picture would otherwise grow without bound.
  if (width > kZoomLimit || height > kZoomLimit) bigbutton->SetEnabled(false);
  SetPictureMiddle();
}

void TOrvelDralen::smallbuttonClick(ui::Component*) {
  const int height = Image1->Height() * 4 / 5;
  const int width = Image1->Width() * 4 / 5;
  ResizeView(width, height);
  if (width < kZoomOutLimit) smallbutton->SetEnabled(false);
  if (width <= kZoomLimit && height <= kZoomLimit) bigbutton->SetEnabled(true);
  SetPictureMiddle();
}

void TOrvelDralen::skSkinTrackBar1Change(ui::Component*) {
  Label4->SetCaption(std::to_string(skSkinTrackBar1->Value()) + "%");
  EstimateChanged();
}

void TOrvelDralen::skSkinCheckRadioBox1Click(ui::Component*) {
  const bool on = skSkinCheckRadioBox1->Checked();
  skSkinNumericEdit1->SetEnabled(on);
  skSkinNumericEdit2->SetEnabled(on);
  skSkinCheckRadioBox2->SetEnabled(on);
  EstimateChanged();
}

void TOrvelDralen::skSkinNumericEdit1Change(ui::Component*) {
  EstimateChanged();
  const gfx::Bitmap& picture = Image1->Picture();
  if (picture.IsEmpty()) return;
  if (skSkinCheckRadioBox2->Checked()) {
    skSkinNumericEdit2->SetValue(
        RoundHalfEven(static_cast<long double>(picture.Height()) * skSkinNumericEdit1->Value() / picture.Width()));
  }
  ResizeView(static_cast<int>(skSkinNumericEdit1->Value()), static_cast<int>(skSkinNumericEdit2->Value()));
  SetPictureMiddle();
}

void TOrvelDralen::skSkinNumericEdit2Exit(ui::Component*) {
  const gfx::Bitmap& picture = Image1->Picture();
  if (picture.IsEmpty()) return;
  if (skSkinCheckRadioBox2->Checked()) {
    skSkinNumericEdit1->SetValue(RoundHalfEven(static_cast<long double>(picture.Width()) * skSkinNumericEdit2->Value() / picture.Height()));
  }
  ResizeView(static_cast<int>(skSkinNumericEdit1->Value()), static_cast<int>(skSkinNumericEdit2->Value()));
  SetPictureMiddle();
}

void TOrvelDralen::skSkinButton1Click(ui::Component*) {
  skSkinOpenPictureDialog1->SetMultiSelection(false);
  if (!skSkinOpenPictureDialog1->ShowDialog()) {
    Inform("没有选取确定的图片");
    return;
  }
  OpenPictureFile(skSkinOpenPictureDialog1->FileName());
  if (Image1->Picture().IsEmpty()) Inform("请加载图片");
}

void TOrvelDralen::skSkinButton3Click(ui::Component*) {
  if (Image1->Picture().IsEmpty()) {
    Inform("没有可以保存的图片！");
    return;
  }
  // A side of 0 would make an empty file: refused before the dialog, whichever type is chosen.
  if (skSkinCheckRadioBox1->Checked() && (skSkinNumericEdit1->Value() <= 0 || skSkinNumericEdit2->Value() <= 0)) {
    Inform("图片的宽度和高度必须大于0！");
    return;
  }
  skSkinSavePictureDialog1->SetFilter(kSaveFilter);
  if (!skSkinSavePictureDialog1->ShowDialog()) return;
  SavePictureTo(skSkinSavePictureDialog1->FileName(), skSkinSavePictureDialog1->FilterIndex());
}

std::string TOrvelDralen::SavePictureTo(const std::string& chosen, int filter_index) {
  const gfx::Bitmap& picture = Image1->Picture();
  if (picture.IsEmpty()) {
    Inform("没有可以保存的图片！");
    return {};
  }
  std::optional<gfx::Size> size;
  if (skSkinCheckRadioBox1->Checked()) {
    const int width = static_cast<int>(skSkinNumericEdit1->Value());
    const int height = static_cast<int>(skSkinNumericEdit2->Value());
    if (width <= 0 || height <= 0) {
      Inform("图片的宽度和高度必须大于0！");
      return {};
    }
    size = gfx::Size{width, height};
  }
  if (filter_index != 1 && filter_index != 2) return {};
  const std::string target = picture::ReplaceExtension(chosen, filter_index == 1 ? ".jpg" : ".bmp");
  std::error_code ec;
  if (std::filesystem::exists(target, ec) &&
      skSkinMessage1->ShowMessageBox("文件已存在，是否替换？", skin::MessageType::kConfirmation, skin::kMbYesNo) !=
          ui::kMrYes) {
    return {};
  }
  if (filter_index == 2) return picture::SavePictureAsBitmap(picture, target, size);
  return picture::SavePictureAsJpeg(picture, target, skSkinTrackBar1->Value(), size, metadata_.icc_profile,
                                    metadata_.markers);
}

}  // namespace app
