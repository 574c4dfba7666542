// TOrvelDralen: the main window: its attributes, creation and destruction work, the current picture
// and the handlers that transform it or open the colour dialog and the capture.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/FormSkinMessageSink.h"
#include "skin/data/SkinData.h"
#include "skin/storage/StoredSkin.h"
#include "ui/Form.h"

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
}
namespace worker {
class TOBThread;
}

namespace app {

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
  // Runs the batch (OBThread1Execute) on a worker thread: Exclusif, RunOnCreate, FreeOnTerminate.
  worker::TOBThread* OBThread1 = nullptr;

  // "致谢": plain controls on white.
  ui::Panel* Panel1 = nullptr;
  ui::GroupBox* GroupBox3 = nullptr;
  ui::Label* Label12 = nullptr;
  ui::GroupBox* GroupBox1 = nullptr;
  ui::GroupBox* GroupBox2 = nullptr;

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

  void FormCreate(ui::Component* sender);
  void FormDestroy(ui::Component* sender);

  // Places Image1 in the middle of the area that holds it, each half taken before the subtraction,
  // or at 0 on a side where it does not fit.
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
  // "对比度", "饱和度", "RGB": the colour dialog in that mode, modally; nothing without a picture.
  void skSkinButton7Click(ui::Component* sender);
  void skSkinButton8Click(ui::Component* sender);
  void skSkinButton9Click(ui::Component* sender);
  // "截屏": shows the capture window, which later makes the chosen rectangle the current picture.
  void skSkinButton10Click(ui::Component* sender);

  // The batch page. Each handler that would change what a running batch works on refuses to act
  // while it runs.
  // "移除": removes the selected entries (the focused one when none is selected) once the mouse
  // has been over the list; disables itself when the list is empty.
  void skSkinButton6Click(ui::Component* sender);
  void skSkinListView1MouseMove(ui::Control* sender, ui::ShiftState shift, int x, int y);
  // Delete removes as "移除" does, wherever the mouse has been.
  void skSkinListView1KeyDown(ui::Control* sender, uint16_t& key, ui::ShiftState shift);
  void skSkinTrackBar2Change(ui::Component* sender);
  // "开始批量压缩": checks the folder, then the list, and starts OBThread1; while the batch runs the
  // button reads "停止" and stops it.
  void skSkinButton4Click(ui::Component* sender);
  void OBThread1Execute(ui::Component* sender, void* params);
  void OBThread1Finish(ui::Component* sender);
  // Files and folders dropped on the window import into the batch list while its page shows.
  void FormDropFiles(ui::Component* sender, const std::vector<std::string>& files);
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

  void TransformPicture(void (*transform)(gfx::Bitmap&));
  // The view takes the picture's size (also an empty picture's, which auto-size leaves alone).
  void SizeViewToPicture();
  void ShowColourDialog(const char* caption);
};

}  // namespace app
