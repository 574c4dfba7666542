// The main window's pages and controls as they stand at start, switching pages, and the picture
// views' menu, on the real window, headless.
#include <gtest/gtest.h>

#include <string>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "skin/controls/TskGraphicSkinControl.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinExPanel.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinMemo.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/ImageList.h"
#include "ui/ImageView.h"
#include "ui/MenuItem.h"
#include "ui/ProgressBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

// The record a control names, whichever skinned family it belongs to ("" for plain controls).
std::string RecordOf(const ui::Control* c) {
  if (auto* s = dynamic_cast<const skin::TskSkinControl*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskGraphicSkinControl*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskSkinPageControl*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskSkinStdLabel*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskSkinSplitter*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskSkinListView*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskSkinCustomEdit*>(c)) return s->SkinDataName();
  if (auto* s = dynamic_cast<const skin::TskSkinMemo*>(c)) return s->SkinDataName();
  return "";
}

class TOrvelDralenLayoutTest : public UiTest {
 protected:
  void SetUp() override {
    main_ = app::CreateWindows(*app_).OrvelDralen;
    main_->Show();
    Pump();
  }
  ui::Control* Find(const std::string& name) const {
    return dynamic_cast<ui::Control*>(main_->FindComponent(name));
  }

  app::TOrvelDralen* main_ = nullptr;
};

TEST_F(TOrvelDralenLayoutTest, EveryControlStartsWhereAndAsTheWindowPlacesIt) {
  using ui::Align;
  // A placed control gives left, top, width, height; a docked one only the size it keeps across
  // its side (width for left and right, height for top and bottom; none for the client area).
  // Buttons, track bars and edits are as high as the skin draws them (20, 15 and 17).
  struct Case {
    const char* name;
    const char* parent;
    Align align;
    int left, top, width, height;
    std::string caption;
    const char* hint;
    bool enabled;
    bool visible;
    const char* record;
  };
  const Case cases[] = {
      {"skSkinPageControl2", "OrvelDralen", Align::kClient, 0, 0, 0, 0, "", "", true, true, "tab"},
      // 图片处理
      {"skSkinStatusBar1", "skSkinTabSheet1", Align::kBottom, 0, 0, 0, 21, "", "", true, true, "statusbar"},
      {"skSkinStatusPanel1", "skSkinStatusBar1", Align::kLeft, 0, 0, 313, 0, "未加载图片", "", true, true, "statuspanel"},
      {"skSkinStatusPanel2", "skSkinStatusBar1", Align::kClient, 0, 0, 0, 0, "", "", true, true, "statuspanel"},
      {"skSkinPanel1", "skSkinTabSheet1", Align::kLeft, 0, 0, 161, 0, "", "", true, true, "panel"},
      {"skSkinExPanel3", "skSkinPanel1", Align::kTop, 0, 0, 0, 144, "文件", "", true, true, "expanel"},
      {"skSkinButton1", "skSkinExPanel3", Align::kNone, 32, 24, 75, 20, "打开图片", "", true, true, "button"},
      {"skSkinButton10", "skSkinExPanel3", Align::kNone, 32, 52, 75, 20, "截屏", "", true, true, "button"},
      {"skSkinButton3", "skSkinExPanel3", Align::kNone, 32, 80, 75, 20, "图片另存", "", true, true, "button"},
      {"bigbutton", "skSkinExPanel3", Align::kNone, 38, 112, 25, 25, "", "放大", true, true, "toolbutton"},
      {"smallbutton", "skSkinExPanel3", Align::kNone, 78, 112, 25, 25, "", "缩小", true, true, "toolbutton"},
      {"skSkinExPanel1", "skSkinPanel1", Align::kTop, 0, 0, 0, 144, "图像设置", "", true, true, "expanel"},
      {"Label3", "skSkinExPanel1", Align::kNone, 8, 32, 36, 14, "压缩：", "", true, true, ""},
      {"skSkinTrackBar1", "skSkinExPanel1", Align::kNone, 40, 30, 81, 15, "", "图片压缩取点比例", false, true,
       "htrackbar"},
      {"Label4", "skSkinExPanel1", Align::kNone, 125, 32, 22, 14, "75%", "", true, true, ""},
      {"skSkinCheckRadioBox1", "skSkinExPanel1", Align::kNone, 8, 48, 150, 25, "自定义图片大小", "", false, true,
       "checkbox"},
      {"Label2", "skSkinExPanel1", Align::kNone, 8, 75, 36, 14, "宽度：", "", true, true, ""},
      {"skSkinNumericEdit1", "skSkinExPanel1", Align::kNone, 48, 72, 41, 17, "", "", false, true, "edit"},
      {"Label7", "skSkinExPanel1", Align::kNone, 88, 75, 24, 14, "象素", "", true, true, ""},
      {"Label1", "skSkinExPanel1", Align::kNone, 8, 100, 36, 14, "高度：", "", true, true, ""},
      {"skSkinNumericEdit2", "skSkinExPanel1", Align::kNone, 48, 96, 41, 17, "", "", false, true, "edit"},
      {"Label8", "skSkinExPanel1", Align::kNone, 88, 98, 24, 14, "象素", "", true, true, ""},
      {"skSkinCheckRadioBox2", "skSkinExPanel1", Align::kNone, 9, 120, 150, 25, "约束比例", "", false, true,
       "checkbox"},
      {"skSkinSplitter2", "skSkinPanel1", Align::kTop, 0, 0, 0, 10, "", "", true, true, "hsplitter"},
      {"skSkinExPanel2", "skSkinPanel1", Align::kClient, 0, 0, 0, 0, "", "", true, true, "expanel"},
      {"skSkinButton7", "skSkinExPanel2", Align::kNone, 40, 24, 75, 20, "对比度", "", true, true, "button"},
      {"skSkinButton8", "skSkinExPanel2", Align::kNone, 40, 56, 75, 20, "饱和度", "", true, true, "button"},
      {"skSkinButton9", "skSkinExPanel2", Align::kNone, 40, 88, 75, 20, "RGB", "", true, true, "button"},
      {"skSkinPanel3", "skSkinTabSheet1", Align::kClient, 0, 0, 0, 0, "", "", true, true, "panel"},
      {"skSkinScrollBar2", "skSkinPanel3", Align::kRight, 0, 0, 19, 0, "", "", true, false, "vscrollbar"},
      {"skSkinScrollBar1", "skSkinPanel3", Align::kBottom, 0, 0, 0, 19, "", "", true, false, "hscrollbar"},
      {"skSkinScrollBox1", "skSkinPanel3", Align::kClient, 0, 0, 0, 0, "", "", true, true, "scrollbox"},
      {"Image1", "skSkinScrollBox1", Align::kNone, 32, 32, 100, 100, "", "", true, true, ""},
      {"Image2", "skSkinScrollBox1", Align::kNone, 32, 208, 100, 100, "", "", true, false, ""},
      // 批量压缩
      {"skSkinPanel2", "skSkinTabSheet3", Align::kLeft, 0, 0, 161, 0, "", "", true, true, "panel"},
      {"skSkinExPanel5", "skSkinPanel2", Align::kTop, 0, 0, 0, 104, "文件", "", true, true, "expanel"},
      {"skSkinButton5", "skSkinExPanel5", Align::kNone, 40, 32, 75, 20, "导入图片", "", true, true, "button"},
      {"skSkinButton6", "skSkinExPanel5", Align::kNone, 40, 64, 75, 20, "移除", "", false, true, "button"},
      {"skSkinExPanel4", "skSkinPanel2", Align::kClient, 0, 0, 0, 0, "设置", "", true, true, "expanel"},
      {"skSkinButton2", "skSkinExPanel4", Align::kNone, 16, 32, 75, 20, "设置输出目录", "", true, true, "button"},
      {"skSkinEdit1", "skSkinExPanel4", Align::kNone, 16, 64, 121, 17, "", "", true, true, "edit"},
      {"Label5", "skSkinExPanel4", Align::kNone, 16, 91, 72, 14, "设置压缩值：", "", true, true, ""},
      {"skSkinTrackBar2", "skSkinExPanel4", Align::kNone, 16, 110, 97, 15, "", "图片压缩取点比例", true, true,
       "htrackbar"},
      {"Label6", "skSkinExPanel4", Align::kNone, 125, 112, 22, 14, "75%", "", true, true, ""},
      {"skSkinButton4", "skSkinExPanel4", Align::kNone, 16, 144, 97, 20, "开始批量压缩", "", true, true, "button"},
      {"skSkinPanel4", "skSkinTabSheet3", Align::kClient, 0, 0, 0, 0, "", "", true, true, "panel"},
      {"skSkinStatusBar2", "skSkinPanel4", Align::kBottom, 0, 0, 0, 21, "", "", true, true, "statusbar"},
      {"skSkinStatusPanel3", "skSkinStatusBar2", Align::kLeft, 0, 0, 289, 0, "加载文件", "", true, true, "statuspanel"},
      {"skSkinGauge1", "skSkinStatusBar2", Align::kClient, 0, 0, 0, 0, "", "", true, true, "statusgauge"},
      {"skSkinScrollBar3", "skSkinPanel4", Align::kRight, 0, 0, 19, 0, "", "", true, false, "vscrollbar"},
      {"skSkinListView1", "skSkinPanel4", Align::kClient, 0, 0, 0, 0, "", "", true, true, "listview"},
      // 致谢
      {"Panel1", "skSkinTabSheet4", Align::kLeft, 0, 0, 169, 0, "", "", true, true, ""},
      {"GroupBox3", "Panel1", Align::kTop, 0, 0, 0, 105, "感谢使用", "", true, true, ""},
      {"Label12", "GroupBox3", Align::kNone, 8, 24, 144, 56,
       "本程序是完全免费共享，同\r时希望朋友能支持本页的合\r作广告。非常感谢大家的\r支持使用！", "", true, true, ""},
      {"GroupBox1", "Panel1", Align::kClient, 0, 0, 0, 0, "推荐下载", "", true, true, ""},
      {"GroupBox2", "skSkinTabSheet4", Align::kClient, 0, 0, 0, 0, "广告", "", true, true, ""},
      {"WebBrowser2", "GroupBox1", Align::kClient, 0, 0, 0, 0, "", "", true, true, ""},
      {"WebBrowser1", "GroupBox2", Align::kClient, 0, 0, 0, 0, "", "", true, true, ""},
      // 帮助
      {"skSkinLabel1", "skSkinTabSheet2", Align::kNone, 80, 16, 129, 21, "Orvel个人版图片压缩", "", true, true,
       "label"},
      {"skSkinLinkLabel2", "skSkinTabSheet2", Align::kNone, 80, 48, 188, 14, "个人主页：" + main_->HomePageUrl(),
       main_->HomePageUrl().c_str(), true,
       true,
       "stdlabel"},
      {"Label9", "skSkinTabSheet2", Align::kNone, 280, 50, 42, 14, "版本:1.1", "", true, true, ""},
      {"skSkinGroupBox1", "skSkinTabSheet2", Align::kNone, 76, 96, 297, 273, "使用说明", "", true, true, "groupbox"},
      {"skSkinMemo1", "skSkinGroupBox1", Align::kClient, 0, 0, 0, 0, "", "", true, true, "memo"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    ui::Control* c = Find(k.name);
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->Parent(), nullptr);
    EXPECT_EQ(c->Parent()->Name(), k.parent);
    EXPECT_EQ(c->GetAlign(), k.align);
    switch (k.align) {
      case Align::kNone:
        EXPECT_EQ(c->BoundsRect(), gfx::Rect::FromSize(k.left, k.top, k.width, k.height));
        break;
      case Align::kLeft:
      case Align::kRight:
        EXPECT_EQ(c->Width(), k.width);
        break;
      case Align::kTop:
      case Align::kBottom:
        EXPECT_EQ(c->Height(), k.height);
        break;
      case Align::kClient:
        break;
    }
    EXPECT_EQ(c->Caption(), k.caption);
    EXPECT_EQ(c->Hint(), k.hint);
    EXPECT_EQ(c->Enabled(), k.enabled);
    EXPECT_EQ(c->Visible(), k.visible);
    EXPECT_EQ(RecordOf(c), k.record);
  }
}

TEST_F(TOrvelDralenLayoutTest, StartValuesAndTheAreasTheyLeave) {
  // The pages in tab order, the first one showing, each with the same client area.
  const char* tabs[] = {"图片处理", "批量压缩", "致谢", "帮助"};
  ASSERT_EQ(main_->skSkinPageControl2->PageCount(), 4);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(tabs[i]);
    ui::TabSheet* page = main_->skSkinPageControl2->Page(i);
    EXPECT_EQ(page->Caption(), tabs[i]);
    EXPECT_EQ(page->ClientWidth(), 673);
    EXPECT_EQ(page->ClientHeight(), 444);
  }
  EXPECT_EQ(main_->skSkinPageControl2->BoundsRect(), gfx::Rect::FromSize(0, 0, 675, 466));
  EXPECT_EQ(main_->skSkinPageControl2->ActivePage(), main_->skSkinTabSheet1);
  EXPECT_EQ(main_->skSkinPageControl2->TabItemRect(0).Height(), 20);

  for (skin::TskSkinTrackBar* quality : {main_->skSkinTrackBar1, main_->skSkinTrackBar2}) {
    EXPECT_EQ(quality->MinValue(), 0);
    EXPECT_EQ(quality->MaxValue(), 100);
    EXPECT_EQ(quality->Value(), 75);
  }
  for (skin::TskSkinNumericEdit* size : {main_->skSkinNumericEdit1, main_->skSkinNumericEdit2}) {
    EXPECT_EQ(size->Text(), "0");
    EXPECT_EQ(size->ValueType(), skin::NumericValueType::kInteger);
    EXPECT_EQ(size->MinValue(), 0);
    EXPECT_EQ(size->MaxValue(), 10000);
  }
  EXPECT_EQ(main_->skSkinEdit1->Text(), "");
  EXPECT_FALSE(main_->skSkinEdit1->ReadOnly());
  EXPECT_TRUE(main_->skSkinMemo1->ReadOnly());
  EXPECT_EQ(main_->skSkinMemo1->Text(),
            "一、图片处理\n    1、先打开图片。\n    2、压缩值设置范围（15％～75％）避免失真！\n"
            "    3、自定义图片的宽高来改变图片的大小，先选择自\n定义图片大小。\n    4、另存图片即完成。\n\n"
            "二、批量压缩\n    1、先导入图片，按住shift键多文件选择。\n    2、设置压缩生成的文件保存目录。\n"
            "    3、压缩值同上。\n    4、点开始批量压缩。");
  EXPECT_FALSE(main_->skSkinCheckRadioBox1->Checked());
  EXPECT_TRUE(main_->skSkinCheckRadioBox2->Checked());
  EXPECT_EQ(main_->skSkinScrollBar2->Kind(), skin::ScrollBarKind::sbVertical);
  EXPECT_EQ(main_->skSkinScrollBar1->Kind(), skin::ScrollBarKind::sbHorizontal);
  EXPECT_EQ(main_->skSkinScrollBar3->Max(), 499);
  EXPECT_EQ(main_->skSkinScrollBar3->LargeChange(), 23);
  EXPECT_EQ(main_->skSkinGauge1->Value(), 0);
  EXPECT_EQ(main_->skSkinGauge1->MaxValue(), 100);
  EXPECT_EQ(main_->skSkinSplitter2->MinSize(), 10);
  EXPECT_NE(main_->skSkinSplitter2->GetResizeStyle(), ui::ResizeStyle::kUpdate);

  // Only the roll button on the tool column's panels: none of them can be closed.
  for (skin::TskSkinExPanel* p : {main_->skSkinExPanel3, main_->skSkinExPanel1, main_->skSkinExPanel2,
                                  main_->skSkinExPanel5, main_->skSkinExPanel4}) {
    SCOPED_TRACE(p->Name());
    EXPECT_FALSE(p->ShowCloseButton());
    const bool rolls = p != main_->skSkinExPanel2 && p != main_->skSkinExPanel4;
    EXPECT_EQ(p->ShowRollButton(), rolls);
  }

  // The picture area: with its bars hidden the scroll box fills the page beside the tool column and
  // above the status line.
  EXPECT_EQ(main_->skSkinScrollBox1->Width(), 673 - 161);
  EXPECT_EQ(main_->skSkinScrollBox1->Height(), 444 - 21);
  // The two areas drawn without the skin keep their default look.
  EXPECT_EQ(main_->skSkinPanel3->SkinData(), nullptr);
  EXPECT_EQ(main_->skSkinPanel4->SkinData(), nullptr);
  EXPECT_EQ(main_->skSkinScrollBox1->SkinData(), &main_->skSkinData1);

  // FormCreate placed the hidden progress bar at the right end of the picture page's status line.
  ASSERT_NE(main_->StatusProgress, nullptr);
  EXPECT_EQ(main_->StatusProgress->Parent(), main_->skSkinStatusBar1);
  EXPECT_EQ(main_->StatusProgress->BoundsRect(),
            gfx::Rect::FromSize(main_->skSkinStatusBar1->Width() - 400, 2, 400, main_->skSkinStatusBar1->Height() - 4));
  EXPECT_FALSE(main_->StatusProgress->Visible());

  // The batch list's icons, and the picture views' menu.
  EXPECT_EQ(main_->skSkinListView1->SmallImages(), main_->ImageList1);
  EXPECT_EQ(main_->ImageList1->Count(), 2);
  EXPECT_EQ(main_->Image1->GetPopupMenu(), main_->skSkinPopupMenu1);
  EXPECT_EQ(main_->Image2->GetPopupMenu(), main_->skSkinPopupMenu1);
  const ui::MenuItem& items = main_->skSkinPopupMenu1->Items();
  const char* captions[] = {"旋转90度", "水平翻转", "恢复", "帮助？"};
  ASSERT_EQ(items.Count(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(items.Item(i)->Caption(), captions[i]);
}

TEST_F(TOrvelDralenLayoutTest, ClickingATabShowsItsPageAndHelpFromTheMenuShowsTheHelpPage) {
  skin::TskSkinPageControl* pages = main_->skSkinPageControl2;
  // Right to left, so that every click changes the page.
  for (int i = 3; i >= 0; --i) {
    SCOPED_TRACE(i);
    const gfx::Rect tab = pages->TabItemRect(i);
    backend_->Click(pages->ClientToScreen({(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2}));
    Pump();
    EXPECT_EQ(pages->ActivePageIndex(), i);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(pages->Page(j)->Visible(), j == i);
  }
  main_->N2->Click();
  EXPECT_EQ(pages->ActivePage(), main_->skSkinTabSheet2);
}

}  // namespace
