// TOrvelDralen: the main window's pages and every control on them, and the picture views' menu.
#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "app/BatchPage.h"
#include "app/MainWindowGlyphs.h"
#include "app/TOrvelDralen.h"
#include "skin/controls/TskGraphicSkinControl.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinExPanel.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinMemo.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/GroupBox.h"
#include "ui/ImageList.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/Panel.h"
#include "worker/TOBThread.h"

namespace app {

namespace {

constexpr const char* kQualityHint = "图片压缩取点比例";

// A control of the window: created on `parent`, owned by it, found by name through the form.
template <class T>
T* Put(ui::Form& form, ui::WinControl* parent, const char* name) {
  T* c = parent->MakeChild<T>(&form);
  c->SetName(name);
  return c;
}

template <class T>
T* Place(ui::Form& form, ui::WinControl* parent, const char* name, int left, int top, int width, int height) {
  T* c = Put<T>(form, parent, name);
  c->SetBounds(left, top, width, height);
  return c;
}

// A control docked to a side of its parent, `size` thick across that side. Docked controls of one
// side stack in the order of their positions, so `at` places it after those docked before it.
template <class T>
T* Dock(ui::Form& form, ui::WinControl* parent, const char* name, ui::Align align, int size, int at = 0) {
  T* c = Put<T>(form, parent, name);
  const bool across = align == ui::Align::kTop || align == ui::Align::kBottom;
  c->SetBounds(across ? 0 : at, across ? at : 0, across ? parent->ClientWidth() : size,
               across ? size : parent->ClientHeight());
  c->SetAlign(align);
  return c;
}

ui::Label* Text(ui::Form& form, ui::WinControl* parent, const char* name, const char* caption, int left, int top,
                int width, int height) {
  auto* l = Place<ui::Label>(form, parent, name, left, top, width, height);
  l->SetAutoSize(false);
  l->SetTransparent(true);
  // The window's font: the page control's font, which the skin colours for its tabs, is not theirs.
  l->SetFont(form.GetFont());
  l->SetCaption(caption);
  return l;
}

skin::TskSkinButton* Button(ui::Form& form, ui::WinControl* parent, const char* name, const char* caption, int left,
                            int top, int width) {
  auto* b = Place<skin::TskSkinButton>(form, parent, name, left, top, width, 25);
  b->SetCaption(caption);
  return b;
}

// An expandable panel of the tool column: only the roll button, when it has one, so that no
// panel can be closed for the rest of the run.
skin::TskSkinExPanel* ExPanel(ui::Form& form, ui::WinControl* parent, const char* name, const char* caption,
                              ui::Align align, bool roll, int height = 144, int at = 0) {
  auto* p = Dock<skin::TskSkinExPanel>(form, parent, name, align, height, at);
  p->SetCaption(caption);
  p->SetShowCloseButton(false);
  p->SetShowRollButton(roll);
  if (!roll) p->SetShowHint(false);
  return p;
}

skin::TskSkinTrackBar* QualityBar(ui::Form& form, ui::WinControl* parent, const char* name, int left, int top,
                                  int width) {
  auto* t = Place<skin::TskSkinTrackBar>(form, parent, name, left, top, width, 20);
  t->SetMinValue(0);
  t->SetMaxValue(100);
  t->SetValue(75);
  t->SetHint(kQualityHint);
  return t;
}

// A size edit: whole pixels from 0 to 10000, greyed until a custom size is asked for.
skin::TskSkinNumericEdit* SizeEdit(ui::Form& form, ui::WinControl* parent, const char* name, int top) {
  auto* e = Place<skin::TskSkinNumericEdit>(form, parent, name, 48, top, 41, 20);
  e->SetValueType(skin::NumericValueType::kInteger);
  e->SetMinValue(0);
  e->SetMaxValue(10000);
  e->SetValue(0);
  e->SetDefaultFont(gfx::Font("Arial", 14, gfx::kFontRegular, ui::kColorGrayText));
  e->SetEnabled(false);
  return e;
}

// The usage text of the help page, one line each.
constexpr const char* kUsage =
    "一、图片处理\n"
    "    1、先打开图片。\n"
    "    2、压缩值设置范围（15％～75％）避免失真！\n"
    "    3、自定义图片的宽高来改变图片的大小，先选择自\n"
    "定义图片大小。\n"
    "    4、另存图片即完成。\n"
    "\n"
    "二、批量压缩\n"
    "    1、先导入图片，按住shift键多文件选择。\n"
    "    2、设置压缩生成的文件保存目录。\n"
    "    3、压缩值同上。\n"
    "    4、点开始批量压缩。";

skin::TskSkinScrollBar* HiddenBar(ui::Form& form, ui::WinControl* parent, const char* name, bool vertical) {
  auto* s = Dock<skin::TskSkinScrollBar>(form, parent, name, vertical ? ui::Align::kRight : ui::Align::kBottom, 19);
  s->SetSkinDataName(vertical ? "vscrollbar" : "hscrollbar");
  if (vertical) s->SetKind(skin::ScrollBarKind::sbVertical);
  s->Hide();
  return s;
}

// Binds every skinned control the form owns to `data`, in creation order (containers before what
// they hold), except those kept in their default look.
void LinkSkin(ui::Component& form, skin::TskSkinData* data, std::initializer_list<const ui::Component*> unlinked) {
  for (ui::Component* c : form.Components()) {
    if (std::find(unlinked.begin(), unlinked.end(), c) != unlinked.end()) continue;
    if (auto* s = dynamic_cast<skin::TskSkinControl*>(c)) s->SetSkinData(data);
    else if (auto* g = dynamic_cast<skin::TskGraphicSkinControl*>(c)) g->SetSkinData(data);
    else if (auto* l = dynamic_cast<skin::TskSkinStdLabel*>(c)) l->SetSkinData(data);
    else if (auto* t = dynamic_cast<skin::TskSkinSplitter*>(c)) t->SetSkinData(data);
    else if (auto* v = dynamic_cast<skin::TskSkinListView*>(c)) v->SetSkinData(data);
    else if (auto* e = dynamic_cast<skin::TskSkinCustomEdit*>(c)) e->SetSkinData(data);
    else if (auto* m = dynamic_cast<skin::TskSkinMemo*>(c)) m->SetSkinData(data);
  }
}

}  // namespace

void TOrvelDralen::BuildPages() {
  skSkinPageControl2 = Put<skin::TskSkinPageControl>(*this, this, "skSkinPageControl2");
  skSkinPageControl2->SetBounds(0, 0, ClientWidth(), ClientHeight());
  skSkinPageControl2->SetAlign(ui::Align::kClient);
  skSkinPageControl2->SetSkinDataName("tab");
  skSkinPageControl2->SetDefaultItemHeight(20);
  skSkinPageControl2->SetTabHeight(20);
  skSkinPageControl2->SetDefaultFont(gfx::Font("Arial", 14));
  const std::pair<skin::TskSkinTabSheet**, const char*> pages[] = {{&skSkinTabSheet1, "图片处理"},
                                                                   {&skSkinTabSheet3, "批量压缩"},
                                                                   {&skSkinTabSheet4, "致谢"},
                                                                   {&skSkinTabSheet2, "帮助"}};
  const char* names[] = {"skSkinTabSheet1", "skSkinTabSheet3", "skSkinTabSheet4", "skSkinTabSheet2"};
  for (int i = 0; i < 4; ++i) {
    *pages[i].first = skSkinPageControl2->NewPage<skin::TskSkinTabSheet>(this, pages[i].second);
    (*pages[i].first)->SetName(names[i]);
  }
  // The skin first, so that the pages have their final client areas before their controls dock.
  skSkinPageControl2->SetSkinData(&skSkinData1);
  skSkinPageControl2->SetActivePage(skSkinTabSheet1);

  BuildPicturePage();
  BuildBatchPage();
  BuildThanksPage();
  BuildHelpPage();
  BuildPopupMenu();
  // The picture area and the batch list's area keep the default look of a borderless panel.
  LinkSkin(*this, &skSkinData1, {skSkinPanel3, skSkinPanel4});
}

void TOrvelDralen::BuildPicturePage() {
  ui::WinControl* page = skSkinTabSheet1;
  skSkinStatusBar1 = Dock<skin::TskSkinStatusBar>(*this, page, "skSkinStatusBar1", ui::Align::kBottom, 21);
  skSkinStatusPanel1 =
      Dock<skin::TskSkinStatusPanel>(*this, skSkinStatusBar1, "skSkinStatusPanel1", ui::Align::kLeft, 313);
  skSkinStatusPanel1->SetCaption("未加载图片");
  skSkinStatusPanel2 =
      Dock<skin::TskSkinStatusPanel>(*this, skSkinStatusBar1, "skSkinStatusPanel2", ui::Align::kClient, 0);

  skSkinPanel1 = Dock<skin::TskSkinPanel>(*this, page, "skSkinPanel1", ui::Align::kLeft, 161);
  skSkinPanel1->SetSkinDataName("panel");

  skSkinExPanel3 = ExPanel(*this, skSkinPanel1, "skSkinExPanel3", "文件", ui::Align::kTop, true);
  skSkinButton1 = Button(*this, skSkinExPanel3, "skSkinButton1", "打开图片", 32, 24, 75);
  skSkinButton10 = Button(*this, skSkinExPanel3, "skSkinButton10", "截屏", 32, 52, 75);
  skSkinButton10->OnClick = [this](ui::Component* s) { skSkinButton10Click(s); };
  skSkinButton3 = Button(*this, skSkinExPanel3, "skSkinButton3", "图片另存", 32, 80, 75);
  for (bool plus : {true, false}) {
    auto* b = Place<skin::TskSkinSpeedButton>(*this, skSkinExPanel3, plus ? "bigbutton" : "smallbutton",
                                              plus ? 38 : 78, 112, 25, 25);
    b->SetSkinDataName("toolbutton");
    b->SetHint(plus ? "放大" : "缩小");
    b->SetGlyph(ZoomGlyph(plus));
    (plus ? bigbutton : smallbutton) = b;
  }

  skSkinExPanel1 = ExPanel(*this, skSkinPanel1, "skSkinExPanel1", "图像设置", ui::Align::kTop, true, 144, 144);
  Label3 = Text(*this, skSkinExPanel1, "Label3", "压缩：", 8, 32, 36, 14);
  skSkinTrackBar1 = QualityBar(*this, skSkinExPanel1, "skSkinTrackBar1", 40, 30, 81);
  skSkinTrackBar1->SetEnabled(false);
  Label4 = Text(*this, skSkinExPanel1, "Label4", "75%", 125, 32, 22, 14);
  skSkinCheckRadioBox1 =
      Place<skin::TskSkinCheckRadioBox>(*this, skSkinExPanel1, "skSkinCheckRadioBox1", 8, 48, 150, 25);
  skSkinCheckRadioBox1->SetCaption("自定义图片大小");
  skSkinCheckRadioBox1->SetEnabled(false);
  Label2 = Text(*this, skSkinExPanel1, "Label2", "宽度：", 8, 75, 36, 14);
  skSkinNumericEdit1 = SizeEdit(*this, skSkinExPanel1, "skSkinNumericEdit1", 72);
  Label7 = Text(*this, skSkinExPanel1, "Label7", "象素", 88, 75, 24, 14);
  Label1 = Text(*this, skSkinExPanel1, "Label1", "高度：", 8, 100, 36, 14);
  skSkinNumericEdit2 = SizeEdit(*this, skSkinExPanel1, "skSkinNumericEdit2", 96);
  Label8 = Text(*this, skSkinExPanel1, "Label8", "象素", 88, 98, 24, 14);
  skSkinCheckRadioBox2 =
      Place<skin::TskSkinCheckRadioBox>(*this, skSkinExPanel1, "skSkinCheckRadioBox2", 9, 120, 150, 25);
  skSkinCheckRadioBox2->SetCaption("约束比例");
  skSkinCheckRadioBox2->SetChecked(true);
  skSkinCheckRadioBox2->SetEnabled(false);

  skSkinSplitter2 = Dock<skin::TskSkinSplitter>(*this, skSkinPanel1, "skSkinSplitter2", ui::Align::kTop, 10, 288);
  skSkinSplitter2->SetSkinDataName("hsplitter");
  skSkinSplitter2->SetMinSize(10);
  skSkinSplitter2->SetResizeStyle(ui::ResizeStyle::kLine);

  skSkinExPanel2 = ExPanel(*this, skSkinPanel1, "skSkinExPanel2", "", ui::Align::kClient, false);
  skSkinButton7 = Button(*this, skSkinExPanel2, "skSkinButton7", "对比度", 40, 24, 75);
  skSkinButton7->OnClick = [this](ui::Component* s) { skSkinButton7Click(s); };
  skSkinButton8 = Button(*this, skSkinExPanel2, "skSkinButton8", "饱和度", 40, 56, 75);
  skSkinButton8->OnClick = [this](ui::Component* s) { skSkinButton8Click(s); };
  skSkinButton9 = Button(*this, skSkinExPanel2, "skSkinButton9", "RGB", 40, 88, 75);
  skSkinButton9->OnClick = [this](ui::Component* s) { skSkinButton9Click(s); };

  // The picture area keeps the default look of a panel without a border; the scroll box inside
  // it is skinned and scrolled by the two bars, which show once a picture is opened.
  skSkinPanel3 = Dock<skin::TskSkinPanel>(*this, page, "skSkinPanel3", ui::Align::kClient, 0);
  skSkinPanel3->SetSkinDataName("panel");
  skSkinPanel3->SetBorderStyle(skin::SkinBorderStyle::bvNone);
  skSkinScrollBar2 = HiddenBar(*this, skSkinPanel3, "skSkinScrollBar2", true);
  skSkinScrollBar1 = HiddenBar(*this, skSkinPanel3, "skSkinScrollBar1", false);
  skSkinScrollBox1 = Dock<skin::TskSkinScrollBox>(*this, skSkinPanel3, "skSkinScrollBox1", ui::Align::kClient, 0);
  skSkinScrollBox1->SetHScrollBar(skSkinScrollBar1);
  skSkinScrollBox1->SetVScrollBar(skSkinScrollBar2);
  for (ui::ImageView** view : {&Image1, &Image2}) {
    *view = Put<ui::ImageView>(*this, skSkinScrollBox1, view == &Image1 ? "Image1" : "Image2");
    (*view)->SetAutoSize(true);
    (*view)->SetCenter(true);
    (*view)->SetStretch(true);
  }
  Image1->SetBounds(32, 32, 100, 100);
  Image2->SetBounds(32, 208, 100, 100);
  Image2->Hide();
}

void TOrvelDralen::BuildBatchPage() {
  ui::WinControl* page = skSkinTabSheet3;
  skSkinPanel2 = Dock<skin::TskSkinPanel>(*this, page, "skSkinPanel2", ui::Align::kLeft, 161);
  skSkinPanel2->SetSkinDataName("panel");
  skSkinExPanel5 = ExPanel(*this, skSkinPanel2, "skSkinExPanel5", "文件", ui::Align::kTop, true, 104);
  skSkinButton5 = Button(*this, skSkinExPanel5, "skSkinButton5", "导入图片", 40, 32, 75);
  skSkinButton6 = Button(*this, skSkinExPanel5, "skSkinButton6", "移除", 40, 64, 75);
  skSkinButton6->SetEnabled(false);
  skSkinExPanel4 = ExPanel(*this, skSkinPanel2, "skSkinExPanel4", "设置", ui::Align::kClient, false);
  skSkinButton2 = Button(*this, skSkinExPanel4, "skSkinButton2", "设置输出目录", 16, 32, 75);
  skSkinEdit1 = Place<skin::TskSkinEdit>(*this, skSkinExPanel4, "skSkinEdit1", 16, 64, 121, 20);
  Label5 = Text(*this, skSkinExPanel4, "Label5", "设置压缩值：", 16, 91, 72, 14);
  skSkinTrackBar2 = QualityBar(*this, skSkinExPanel4, "skSkinTrackBar2", 16, 110, 97);
  Label6 = Text(*this, skSkinExPanel4, "Label6", "75%", 125, 112, 22, 14);
  skSkinButton4 = Button(*this, skSkinExPanel4, "skSkinButton4", "开始批量压缩", 16, 144, 97);

  skSkinPanel4 = Dock<skin::TskSkinPanel>(*this, page, "skSkinPanel4", ui::Align::kClient, 0);
  skSkinPanel4->SetSkinDataName("panel");
  skSkinPanel4->SetBorderStyle(skin::SkinBorderStyle::bvNone);
  skSkinStatusBar2 = Dock<skin::TskSkinStatusBar>(*this, skSkinPanel4, "skSkinStatusBar2", ui::Align::kBottom, 21);
  skSkinStatusPanel3 =
      Dock<skin::TskSkinStatusPanel>(*this, skSkinStatusBar2, "skSkinStatusPanel3", ui::Align::kLeft, 289);
  skSkinStatusPanel3->SetCaption("加载文件");
  skSkinGauge1 = Dock<skin::TskSkinGauge>(*this, skSkinStatusBar2, "skSkinGauge1", ui::Align::kClient, 0);
  skSkinGauge1->SetSkinDataName("statusgauge");
  skSkinGauge1->SetMinValue(0);
  skSkinGauge1->SetMaxValue(100);
  skSkinGauge1->SetValue(0);
  skSkinGauge1->SetShowProgressText(true);
  skSkinGauge1->SetShowPercent(true);

  skSkinScrollBar3 = HiddenBar(*this, skSkinPanel4, "skSkinScrollBar3", true);
  skSkinScrollBar3->SetMax(499);
  skSkinScrollBar3->SetLargeChange(23);
  // Above the status bar, which docked first.
  skSkinScrollBar4 = HiddenBar(*this, skSkinPanel4, "skSkinScrollBar4", false);

  ImageList1 = Make<ui::ImageList>(16, 16);
  ImageList1->SetName("ImageList1");
  AddFileIcons(*ImageList1);
  skSkinListView1 = Dock<skin::TskSkinListView>(*this, skSkinPanel4, "skSkinListView1", ui::Align::kClient, 0);
  skSkinListView1->SetViewStyle(ui::ViewStyle::kList);
  skSkinListView1->SetMultiSelect(true);
  skSkinListView1->SetSmallImages(ImageList1);
  skSkinListView1->SetShowHint(true);
  skSkinListView1->SetHeaderSkinDataName("resizebutton");
  skSkinListView1->SetVScrollBar(skSkinScrollBar3);
  skSkinListView1->SetHScrollBar(skSkinScrollBar4);

  // The page keeps the names; the list reads an entry's caption and icon when it draws it.
  batch_page_ = std::make_unique<BatchPage>(*this);
  skSkinListView1->SetOwnerData(true);
  skSkinListView1->OnData = [this](const ui::ListView*, int32_t index, ui::ListItemData& out) {
    const batch::SourceList& names = batch_page_->Names();
    if (index < 0 || static_cast<size_t>(index) >= names.size()) return;
    out.caption = batch_page_->Caption(static_cast<size_t>(index));
    out.image_index = BatchPage::IconOf(names.Path(static_cast<size_t>(index)));
  };
  skSkinListView1->OnMouseMove = [this](ui::Control* s, ui::ShiftState sh, int x, int y) {
    skSkinListView1MouseMove(s, sh, x, y);
  };
  skSkinListView1->OnKeyDown = [this](ui::Control* s, uint16_t& key, ui::ShiftState sh) {
    skSkinListView1KeyDown(s, key, sh);
  };
  skSkinButton6->OnClick = [this](ui::Component* s) { skSkinButton6Click(s); };
  skSkinTrackBar2->OnChange = [this](ui::Component* s) { skSkinTrackBar2Change(s); };
  skSkinButton4->OnClick = [this](ui::Component* s) { skSkinButton4Click(s); };
  OnDropFiles = [this](ui::Component* s, const std::vector<std::string>& files) { FormDropFiles(s, files); };

  obthread_ = std::make_unique<worker::TOBThread>();
  OBThread1 = obthread_.get();
  OBThread1->SetName("OBThread1");
  InsertComponent(OBThread1);
  OBThread1->SetExclusif(true);
  OBThread1->SetRunOnCreate(true);
  OBThread1->SetFreeOnTerminate(true);
  OBThread1->OnExecute = [this](ui::Component* s, void* params) { OBThread1Execute(s, params); };
  OBThread1->OnFinish = [this](ui::Component* s) { OBThread1Finish(s); };
}

void TOrvelDralen::BuildThanksPage() {
  ui::WinControl* page = skSkinTabSheet4;
  Panel1 = Dock<ui::Panel>(*this, page, "Panel1", ui::Align::kLeft, 169);
  Panel1->SetBevelOuter(ui::PanelBevel::kNone);
  Panel1->SetColor(ui::kColorBtnHighlight);
  // The page's plain controls write in the window's font, as the plain labels do.
  Panel1->SetFont(GetFont());
  GroupBox3 = Dock<ui::GroupBox>(*this, Panel1, "GroupBox3", ui::Align::kTop, 105);
  GroupBox3->SetCaption("感谢使用");
  GroupBox3->SetColor(ui::kColorBtnHighlight);
  // Single carriage returns break the caption into its four lines.
  Label12 = Text(*this, GroupBox3, "Label12",
                 "本程序是完全免费共享，同\r时希望朋友能支持本页的合\r作广告。非常感谢大家的\r支持使用！", 8, 24, 144,
                 56);
  GroupBox1 = Dock<ui::GroupBox>(*this, Panel1, "GroupBox1", ui::Align::kClient, 0);
  GroupBox1->SetCaption("推荐下载");
  GroupBox1->SetColor(ui::kColorBtnHighlight);
  GroupBox2 = Dock<ui::GroupBox>(*this, page, "GroupBox2", ui::Align::kClient, 0);
  GroupBox2->SetCaption("广告");
  GroupBox2->SetFont(GetFont());
  GroupBox2->SetColor(ui::kColorBtnHighlight);
}

void TOrvelDralen::BuildHelpPage() {
  ui::WinControl* page = skSkinTabSheet2;
  skSkinLabel1 = Place<skin::TskSkinLabel>(*this, page, "skSkinLabel1", 80, 16, 129, 21);
  skSkinLabel1->SetCaption("Orvel个人版图片压缩");
  skSkinLinkLabel2 = Place<skin::TskSkinLinkLabel>(*this, page, "skSkinLinkLabel2", 80, 48, 188, 14);
  skSkinLinkLabel2->SetAutoSize(false);
  skSkinLinkLabel2->SetCaption("个人主页：");
  Label9 = Text(*this, page, "Label9", "版本:1.1", 280, 50, 42, 14);
  skSkinGroupBox1 = Place<skin::TskSkinGroupBox>(*this, page, "skSkinGroupBox1", 76, 96, 297, 273);
  skSkinGroupBox1->SetCaption("使用说明");
  skSkinMemo1 = Dock<skin::TskSkinMemo>(*this, skSkinGroupBox1, "skSkinMemo1", ui::Align::kClient, 0);
  skSkinMemo1->SetText(kUsage);
  skSkinMemo1->SetReadOnly(true);
}

void TOrvelDralen::BuildPopupMenu() {
  skSkinPopupMenu1 = Make<skin::TskSkinPopupMenu>();
  skSkinPopupMenu1->SetName("skSkinPopupMenu1");
  skSkinPopupMenu1->SetSkinData(&skSkinData1);
  skSkinPopupMenu1->SetForm(this);
  ui::MenuItem& items = skSkinPopupMenu1->Items();
  N901 = items.Add("旋转90度", [this](ui::Component* s) { N901Click(s); });
  N1 = items.Add("水平翻转", [this](ui::Component* s) { N1Click(s); });
  N3 = items.Add("恢复", [this](ui::Component* s) { N3Click(s); });
  N2 = items.Add("帮助？", [this](ui::Component* s) { N2Click(s); });
  N901->SetName("N901");
  N1->SetName("N1");
  N3->SetName("N3");
  N2->SetName("N2");
  Image1->SetPopupMenu(skSkinPopupMenu1);
  Image2->SetPopupMenu(skSkinPopupMenu1);
}

}  // namespace app
