// TOrvelDralen: the main window: its attributes, creation and destruction work, the current picture
// and the handlers that transform it or open the colour dialog and the capture.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/FormSkinMessageSink.h"
#include "gfx/JpegCodec.h"
#include "skin/data/SkinData.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Form.h"
#include "ui/Input.h"

namespace skin {
class TskSkinButton;
class TskSkinCheckRadioBox;
class TskSkinEdit;
class TskSkinExPanel;
class TskSkinForm;
class TskSkinGauge;
class TskSkinGroupBox;
class TskSkinLabel;
class TskSkinLinkLabel;
class TskSkinListView;
class TskSkinMemo;
class TskSkinNumericEdit;
class TskSkinPageControl;
class TskSkinPanel;
class TskSkinPopupMenu;
class TskSkinScrollBar;
class TskSkinScrollBox;
class TskSkinSpeedButton;
class TskSkinSplitter;
class TskSkinStatusBar;
class TskSkinStatusPanel;
class TskSkinTabSheet;
class TskSkinTrackBar;
}

namespace gfx {
class Bitmap;
}
namespace ui {
class GroupBox;
class ImageList;
class ImageView;
class Label;
class MenuItem;
class Panel;
class ProgressBar;
}
namespace skin {
class TskSkinMessage;
class TskSkinOpenPictureDialog;
class TskSkinSavePictureDialog;
class TskSkinSelectDirectoryDialog;
}
namespace worker {
class TOBThread;
}
namespace web {
class HtmlView;
}

namespace app {

class SizeEstimate;
class BatchPage;
class TfrmScreen;
class TfrmsetC;

class TOrvelDralen : public ui::Form {
 public:
  static constexpr const char* kCaption = "图片压缩（免费共享）";
  static constexpr int kClientWidth = 675;
  static constexpr int kClientHeight = 466;
  static constexpr int kMinWidth = 150;
  static constexpr int kMinHeight = 29;
  static constexpr int kStatusProgressWidth = 400;

  TOrvelDralen();
  // Stops a running batch (its files in progress are given up) and waits for its worker.
  ~TOrvelDralen() override;

  // The other two windows, set once all three exist.
  TfrmsetC* frmsetC = nullptr;
  TfrmScreen* frmScreen = nullptr;

  // Created in FormCreate, freed in FormDestroy; no part of the program shows it.
  ui::ProgressBar* StatusProgress = nullptr;
  int32_t ListMouseX = 0;
  int32_t ListMouseY = 0;

  // The current picture is Image1's, its restore copy the hidden Image2's (taken when a file is
  // opened). Both sit on the picture page's scroll box.
  ui::ImageView* Image1 = nullptr;
  ui::ImageView* Image2 = nullptr;

  // The pages, in tab order: "图片处理", "批量压缩", "致谢", "帮助".
  skin::TskSkinPageControl* skSkinPageControl2 = nullptr;
  skin::TskSkinTabSheet* skSkinTabSheet1 = nullptr;
  skin::TskSkinTabSheet* skSkinTabSheet3 = nullptr;
  skin::TskSkinTabSheet* skSkinTabSheet4 = nullptr;
  skin::TskSkinTabSheet* skSkinTabSheet2 = nullptr;

  // "图片处理": the status line, the tools on the left, the picture area on the right.
  skin::TskSkinStatusBar* skSkinStatusBar1 = nullptr;
  skin::TskSkinStatusPanel* skSkinStatusPanel1 = nullptr;
  skin::TskSkinStatusPanel* skSkinStatusPanel2 = nullptr;
  skin::TskSkinPanel* skSkinPanel1 = nullptr;
  skin::TskSkinExPanel* skSkinExPanel3 = nullptr;
  skin::TskSkinButton* skSkinButton1 = nullptr;
  skin::TskSkinButton* skSkinButton10 = nullptr;
  skin::TskSkinButton* skSkinButton3 = nullptr;
  skin::TskSkinSpeedButton* bigbutton = nullptr;
  skin::TskSkinSpeedButton* smallbutton = nullptr;
  skin::TskSkinExPanel* skSkinExPanel1 = nullptr;
  ui::Label* Label3 = nullptr;
  skin::TskSkinTrackBar* skSkinTrackBar1 = nullptr;
  ui::Label* Label4 = nullptr;
  skin::TskSkinCheckRadioBox* skSkinCheckRadioBox1 = nullptr;
  ui::Label* Label2 = nullptr;
  skin::TskSkinNumericEdit* skSkinNumericEdit1 = nullptr;
  ui::Label* Label7 = nullptr;
  ui::Label* Label1 = nullptr;
  skin::TskSkinNumericEdit* skSkinNumericEdit2 = nullptr;
  ui::Label* Label8 = nullptr;
  skin::TskSkinCheckRadioBox* skSkinCheckRadioBox2 = nullptr;
  skin::TskSkinSplitter* skSkinSplitter2 = nullptr;
  skin::TskSkinExPanel* skSkinExPanel2 = nullptr;
  skin::TskSkinButton* skSkinButton7 = nullptr;
  skin::TskSkinButton* skSkinButton8 = nullptr;
  skin::TskSkinButton* skSkinButton9 = nullptr;
  skin::TskSkinPanel* skSkinPanel3 = nullptr;
  skin::TskSkinScrollBar* skSkinScrollBar2 = nullptr;
  skin::TskSkinScrollBar* skSkinScrollBar1 = nullptr;
  skin::TskSkinScrollBox* skSkinScrollBox1 = nullptr;

  // "批量压缩": the list's tools on the left, the list with its status line on the right.
  skin::TskSkinPanel* skSkinPanel2 = nullptr;
  skin::TskSkinExPanel* skSkinExPanel5 = nullptr;
  skin::TskSkinButton* skSkinButton5 = nullptr;
  skin::TskSkinButton* skSkinButton6 = nullptr;
  skin::TskSkinExPanel* skSkinExPanel4 = nullptr;
  skin::TskSkinButton* skSkinButton2 = nullptr;
  skin::TskSkinEdit* skSkinEdit1 = nullptr;
  ui::Label* Label5 = nullptr;
  skin::TskSkinTrackBar* skSkinTrackBar2 = nullptr;
  ui::Label* Label6 = nullptr;
  skin::TskSkinButton* skSkinButton4 = nullptr;
  skin::TskSkinPanel* skSkinPanel4 = nullptr;
  skin::TskSkinStatusBar* skSkinStatusBar2 = nullptr;
  skin::TskSkinStatusPanel* skSkinStatusPanel3 = nullptr;
  skin::TskSkinGauge* skSkinGauge1 = nullptr;
  skin::TskSkinScrollBar* skSkinScrollBar3 = nullptr;
  // The list's horizontal bar: in list style the entries run sideways.
  skin::TskSkinScrollBar* skSkinScrollBar4 = nullptr;
  skin::TskSkinListView* skSkinListView1 = nullptr;
  // "选择目录": the batch's output folder.
  skin::TskSkinSelectDirectoryDialog* skSkinSelectDirectoryDialog1 = nullptr;
  // Runs the batch (OBThread1Execute) on a worker thread: Exclusif, RunOnCreate, FreeOnTerminate.
  worker::TOBThread* OBThread1 = nullptr;

  // "致谢": plain controls on white.
  ui::Panel* Panel1 = nullptr;
  ui::GroupBox* GroupBox3 = nullptr;
  ui::Label* Label12 = nullptr;
  ui::GroupBox* GroupBox1 = nullptr;
  ui::GroupBox* GroupBox2 = nullptr;
  // The advertisement page (in "广告") and the recommended-download page (in "推荐下载").
  web::HtmlView* WebBrowser1 = nullptr;
  web::HtmlView* WebBrowser2 = nullptr;

  // "帮助".
  skin::TskSkinLabel* skSkinLabel1 = nullptr;
  skin::TskSkinLinkLabel* skSkinLinkLabel2 = nullptr;
  ui::Label* Label9 = nullptr;
  skin::TskSkinGroupBox* skSkinGroupBox1 = nullptr;
  skin::TskSkinMemo* skSkinMemo1 = nullptr;

  // The picture views' menu and its items.
  skin::TskSkinPopupMenu* skSkinPopupMenu1 = nullptr;
  ui::MenuItem* N901 = nullptr;
  ui::MenuItem* N1 = nullptr;
  ui::MenuItem* N3 = nullptr;
  ui::MenuItem* N2 = nullptr;
  // The batch list's icons: 0 for bitmap files, 1 for the others.
  ui::ImageList* ImageList1 = nullptr;
  // The picture dialogs: "打开图片" (one file here, many on the batch page) and "图片另存".
  skin::TskSkinOpenPictureDialog* skSkinOpenPictureDialog1 = nullptr;
  skin::TskSkinSavePictureDialog* skSkinSavePictureDialog1 = nullptr;
  // The open dialog's filter: every picture kind, then JPEG by either ending, then bitmaps.
  static constexpr const char* kOpenFilter =
      "All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|"
      "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|";
  // The save dialog's filter, set before each save: entry 1 JPEG, entry 2 bitmap.
  static constexpr const char* kSaveFilter = "*.jpg|*.JPG|*.bmp|*.BMP|";

  void FormCreate(ui::Component* sender);
  void FormDestroy(ui::Component* sender);

  // "打开图片": the open dialog for one file, then OpenPictureFile; a cancelled dialog says
  // "没有选取确定的图片", and "请加载图片" follows a file that gave no picture while none is open.
  void skSkinButton1Click(ui::Component* sender);
  // "图片另存": refuses when there is nothing to save or a custom size has a side of 0, runs the
  // save dialog with the save filter, then SavePictureTo with its name and filter entry.
  void skSkinButton3Click(ui::Component* sender);

  // Everything "打开图片" does once its dialog gave a file: the file becomes the current picture
  // and its restore copy, the view shows it in the middle, the status bar names it with its size,
  // the size edits take its size and saving is enabled. A file that holds no picture the reader
  // knows gives "没有读取图片，程序错误" and changes nothing; a damaged one throws the reader's
  // error naming it (the general error report), and the current picture stays.
  void OpenPictureFile(const std::string& path);
  // Everything "图片另存" does once its dialog closed on `chosen` with filter entry
  // `filter_index` (1 JPEG, 2 bitmap, any other writes nothing): the extension rule, the question
  // before an existing file is replaced, then the picture at the chosen quality and size. Returns
  // the name written, empty when nothing was.
  std::string SavePictureTo(const std::string& chosen, int filter_index);
  // Keys that run the handlers of the picture page's controls, each only while its control is
  // enabled and the page shows: Ctrl+O open, Ctrl+S save, Ctrl+Plus and Ctrl+Minus zoom, Ctrl+R
  // rotate, Ctrl+H flip, Shift+F10 and the menu key the picture's menu; F1 the help page.
  void FormKeyDown(ui::Control* sender, uint16_t& key, ui::ShiftState shift);
  // A picture file dropped on the window while the picture page shows opens as "打开图片" opens
  // it (the first of several); on the batch page, BatchDropFiles.
  void FormDropFiles(ui::Component* sender, const std::vector<std::string>& files);

  // The opened file's colour profile and metadata stay with the picture (through rotations,
  // colour changes and restores) and go into a saved JPEG; a capture has none, nor a file size for
  // the size estimate to compare with.
  void ForgetPictureMetadata();

  // The size panel's estimate of the JPEG the save would write for the current picture, quality
  // and custom size ("约 120 KB（-87%）" after the picture's own size), worked out in the
  // background once the changes settle; empty while there is none.
  const std::string& SizeEstimateText() const { return estimate_text_; }
  SizeEstimate* SizeEstimator() const { return size_estimate_.get(); }

  // "放大" and "缩小": the view grows by 5/4 or shrinks by 4/5; the picture keeps its pixels.
  // Zooming in stops once the view is wider or higher than 4000, zooming out once it is narrower
  // than 40.
  void bigbuttonClick(ui::Component* sender);
  void smallbuttonClick(ui::Component* sender);
  // The quality's label follows the bar.
  void skSkinTrackBar1Change(ui::Component* sender);
  // "自定义图片大小" enables the size edits and the ratio lock, or disables them.
  void skSkinCheckRadioBox1Click(ui::Component* sender);
  // A width typed or set: with the ratio locked the height follows; the view takes the edits' size.
  void skSkinNumericEdit1Change(ui::Component* sender);
  // The height edit left: with the ratio locked the width follows (and through it the height
  // again, from the rounded width); the view takes the edits' size.
  void skSkinNumericEdit2Exit(ui::Component* sender);

  // Places Image1 in the middle of the area that holds it, each half taken before the subtraction,
  // or at 0 on a side where it does not fit, with the scroll box back at its origin and its bars
  // brought up to date.
  void SetPictureMiddle();
  // "旋转90度" and "水平翻转": turn or mirror the current picture; the view shows it unscaled at its
  // new size. Nothing happens before the view holds a picture.
  void N901Click(ui::Component* sender);
  void N1Click(ui::Component* sender);
  // "恢复": the restore copy becomes the current picture again. Before a file was opened there is
  // none and the current picture (a capture, say) stays.
  void N3Click(ui::Component* sender);
  // "帮助？": shows the help page.
  void N2Click(ui::Component* sender);
  // The home-page link: hands the home page's address to the desktop's handler; whether it
  // opens is not looked at.
  void skSkinLinkLabel2Click(ui::Component* sender);
  // The home page's address as the window was built with it (empty when there is none).
  const std::string& HomePageUrl() const { return home_url_; }
  // "对比度", "饱和度", "RGB": the colour dialog in that mode, modally; nothing without a picture.
  void skSkinButton7Click(ui::Component* sender);
  void skSkinButton8Click(ui::Component* sender);
  void skSkinButton9Click(ui::Component* sender);
  // "截屏": shows the capture window, which later makes the chosen rectangle the current picture.
  void skSkinButton10Click(ui::Component* sender);

  // The batch page. Each handler that would change what a running batch works on refuses to act
  // while it runs.
  // "导入图片": the open dialog in multi-selection mode; the chosen files join the end of the list.
  void skSkinButton5Click(ui::Component* sender);
  // "移除": removes the selected entries (the focused one when none is selected) once the mouse
  // has been over the list; disables itself when the list is empty.
  void skSkinButton6Click(ui::Component* sender);
  void skSkinListView1MouseMove(ui::Control* sender, ui::ShiftState shift, int x, int y);
  // Delete removes as "移除" does and Enter opens the focused entry, wherever the mouse has been.
  void skSkinListView1KeyDown(ui::Control* sender, uint16_t& key, ui::ShiftState shift);
  // Opens the first selected entry once the mouse has been over the list: the picture page shows
  // and the file opens as "打开图片" opens it (a missing file says so and the picture stays).
  void skSkinListView1DblClick(ui::Component* sender);
  void skSkinTrackBar2Change(ui::Component* sender);
  // "设置输出目录": a folder chosen in "选择目录" becomes the output folder's text.
  void skSkinButton2Click(ui::Component* sender);
  // "开始批量压缩": checks the folder, then the list, and starts OBThread1; while the batch runs the
  // button reads "停止" and stops it.
  void skSkinButton4Click(ui::Component* sender);
  void OBThread1Execute(ui::Component* sender, void* params);
  void OBThread1Finish(ui::Component* sender);
  // Opens entry `index` of the batch list on the picture page.
  void OpenListEntry(size_t index);
  // Files and folders dropped on the batch page import into its list.
  void BatchDropFiles(ui::Component* sender, const std::vector<std::string>& files);
  BatchPage& Batch() { return *batch_page_; }

 private:
  // Declared before the skin data so it outlives it.
  FormSkinMessageSink skin_sink_{this};

 public:
  // The skin built into the program, and the skin data object every skinned component of the
  // three windows draws from. The data loads from the stored skin when the window is built.
  skin::TskStoredSkin skStoredSkin1;
  skin::TskSkinData skSkinData1;
  // Every message of the program (information boxes and the general error report) goes through
  // it, in the skin's label and buttons.
  skin::TskSkinMessage* skSkinMessage1 = nullptr;
  // The window's skinned frame (the window owns it).
  skin::TskSkinForm* skSkinForm1 = nullptr;

 private:
  // The page outlives the worker that runs its batch: the worker is destroyed (and joined) first.
  std::unique_ptr<BatchPage> batch_page_;
  std::unique_ptr<worker::TOBThread> obthread_;

  // Builds the pages and every control on them, and the picture views' menu; runs in the
  // constructor, so the status bar is there before FormCreate places StatusProgress on it.
  void BuildPages();
  void BuildPicturePage();
  void BuildBatchPage();
  void BuildThanksPage();
  void BuildHelpPage();
  void BuildPopupMenu();
  void BuildDialogs();

  struct PictureMetadata {
    std::vector<uint8_t> icc_profile;
    std::vector<gfx::JpegMarker> markers;
    // The size of the file the picture came from, for the estimate's change against it.
    std::optional<uint64_t> file_bytes;
  };

  void TransformPicture(void (*transform)(gfx::Bitmap&));
  void WireHandlers();
  // Information boxes of the main window.
  void Inform(const std::string& text);
  // The view's size, as the size edits or a zoom step give it: auto-size off, stretch on.
  void ResizeView(int width, int height);
  // The view takes the picture's size (also an empty picture's, which auto-size leaves alone).
  void SizeViewToPicture();
  void ShowColourDialog(const char* caption);
  // The size estimate: made in FormCreate, told of every change of the picture and the settings
  // the save uses, its result shown after the picture's own size.
  void StartSizeEstimate();
  void EstimateChanged();
  void ShowSizeEstimate(std::optional<uint64_t> bytes);

  std::string home_url_;
  // The current picture's and the restore copy's colour profile and metadata.
  PictureMetadata metadata_;
  PictureMetadata restore_metadata_;
  // The size panel's text as the open left it, which the estimate follows.
  std::string size_text_;
  std::string estimate_text_;
  std::unique_ptr<SizeEstimate> size_estimate_;
};

}  // namespace app
