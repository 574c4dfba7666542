// The main window's single-picture workflow on the real window, headless: opening a file, the
// status texts, the size edits with the ratio lock, zooming and saving.
#include "app/TOrvelDralen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindowTestHelpers.h"
#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/frame/TskMessageForm.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "support/TempDir.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/UiTestEnv.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

gfx::Bitmap Photo(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 7 + y), static_cast<uint8_t>(y * 5), static_cast<uint8_t>(x ^ y)));
  return b;
}

// A JPEG of exactly `size` bytes: a comment segment pads it.
std::vector<uint8_t> JpegOfSize(const gfx::Bitmap& picture, size_t size) {
  const size_t plain = gfx::EncodeJpeg(picture).size();
  gfx::JpegEncodeOptions options;
  options.markers.push_back({gfx::kJpegComment, std::vector<uint8_t>(size - plain - 4, 'x')});
  return gfx::EncodeJpeg(picture, options);
}

int RunOrvel(std::vector<std::string> args) {
  args.insert(args.begin(), "orvel");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  return app::RunCommandLine(static_cast<int>(args.size()), argv.data());
}

class TOrvelDralenOpenSaveTest : public ui_test::UiTest {
 protected:
  void SetUp() override {
    main_ = main_window_test::ShowMainWindow(*app_);
    Pump();
    // Every message box is read and answered with `answer_`.
    backend_->SetIdleHandler([this] { return main_window_test::AnswerMessageBox(*app_, messages_, answer_); });
  }
  void TearDown() override { backend_->SetIdleHandler(nullptr); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteBytes(dir_ / name, bytes);
    return dir_ / name;
  }
  // Types a width as a user does: the edit's text changes.
  void TypeWidth(int w) { main_->skSkinNumericEdit1->SetText(std::to_string(w)); }
  // Types a height, then leaves the edit.
  void TypeHeightAndLeave(int h) {
    main_->skSkinNumericEdit2->SetText(std::to_string(h));
    main_->skSkinNumericEdit2Exit(nullptr);
  }
  gfx::Size View() const { return {main_->Image1->Width(), main_->Image1->Height()}; }

  TempDir dir_;
  app::TOrvelDralen* main_ = nullptr;
  std::vector<std::string> messages_;
  int answer_ = ui::kMrOk;
};

TEST_F(TOrvelDralenOpenSaveTest, OpeningReadsByContentAndReportsTheFile) {
  const gfx::Bitmap photo = Photo(100, 100);
  const std::vector<uint8_t> jpeg = gfx::EncodeJpeg(photo, {95, {}});
  const gfx::Bitmap decoded = gfx::DecodeJpeg(jpeg).bitmap;
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    const gfx::Bitmap* expected;
  };
  const Case cases[] = {
      {"a.JPG", jpeg, &decoded},    {"a.jpg", jpeg, &decoded},
      {"a.Jpeg", jpeg, &decoded},   {"a.bmp", gfx::EncodeBmp(photo), &photo},
      {"abmp", gfx::EncodeBmp(photo), &photo},
      {"named.bmp", jpeg, &decoded},  // the content decides, not the name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.name, c.bytes);
    main_->OpenPictureFile(path);
    EXPECT_EQ(main_->Image1->Picture(), *c.expected);
    EXPECT_EQ(main_->Image2->Picture(), *c.expected);
    EXPECT_EQ(main_->skSkinStatusPanel1->Caption(), "文件位置:" + path);
    EXPECT_EQ(main_->skSkinStatusPanel2->Caption(),
              "图片高:100;  图片宽:100;  图片大小:" + std::to_string(c.bytes.size() / 1024) + "KB");
    EXPECT_EQ(main_->skSkinNumericEdit1->Text(), "100");
    EXPECT_EQ(main_->skSkinNumericEdit2->Text(), "100");
    // Saving and the picture's settings are open now; the size edits wait for "自定义图片大小".
    EXPECT_TRUE(main_->skSkinButton3->Enabled());
    EXPECT_TRUE(main_->skSkinTrackBar1->Enabled());
    EXPECT_TRUE(main_->skSkinCheckRadioBox1->Enabled());
    EXPECT_FALSE(main_->skSkinNumericEdit1->Enabled());
    // The bars show from the first open on, so the view stands in the middle of a 493 x 404 box.
    EXPECT_TRUE(main_->skSkinScrollBar1->Visible());
    EXPECT_TRUE(main_->skSkinScrollBar2->Visible());
    EXPECT_EQ(main_->skSkinScrollBox1->Width(), 493);
    EXPECT_EQ(main_->skSkinScrollBox1->Height(), 404);
    EXPECT_EQ(main_->Image1->BoundsRect(), (gfx::Rect{196, 152, 296, 252}));
    // With nothing to scroll they are greyed.
    EXPECT_FALSE(main_->skSkinScrollBar1->Enabled());
    EXPECT_FALSE(main_->skSkinScrollBar2->Enabled());
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(TOrvelDralenOpenSaveTest, TheSizeInTheStatusBarIsWholeKilobytes) {
  for (const auto& [bytes, kb] : {std::pair<size_t, const char*>{1023, "0KB"}, {1024, "1KB"}, {2047, "1KB"}}) {
    const std::string path = Write("s.jpg", JpegOfSize(Photo(8, 6), bytes));
    ASSERT_EQ(std::filesystem::file_size(path), bytes);
    main_->OpenPictureFile(path);
    EXPECT_EQ(main_->skSkinStatusPanel2->Caption(), std::string("图片高:6;  图片宽:8;  图片大小:") + kb);
  }
}

TEST_F(TOrvelDralenOpenSaveTest, AFileWithoutAPictureChangesNothing) {
  const std::string good = Write("good.bmp", gfx::EncodeBmp(Photo(30, 20)));
  main_->OpenPictureFile(good);
  const std::string status1 = main_->skSkinStatusPanel1->Caption();
  const std::string status2 = main_->skSkinStatusPanel2->Caption();
  struct Case {
    const char* name;
    std::string path;
    bool throws;  // a damaged file reaches the general error report with the reader's text
  };
  std::vector<uint8_t> truncated = gfx::EncodeJpeg(Photo(40, 40));
  truncated.resize(truncated.size() / 3);
  const Case cases[] = {
      {"no such file", dir_ / "missing.jpg", false},
      {"text", Write("notes.txt", {'h', 'i', '\n'}), false},
      {"an icon name: an empty picture", Write("x.ico", {0, 0, 1, 0}), false},
      {"truncated JPEG", Write("cut.jpg", truncated), true},
      {"bitmap header only", Write("bad.bmp", {'B', 'M', 1, 2, 3, 4, 5, 6}), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    messages_.clear();
    if (c.throws) {
      try {
        main_->OpenPictureFile(c.path);
        ADD_FAILURE() << "no error";
      } catch (const gfx::ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
      }
      EXPECT_TRUE(messages_.empty());
    } else {
      main_->OpenPictureFile(c.path);
      EXPECT_EQ(messages_, std::vector<std::string>{"没有读取图片，程序错误"});
    }
    EXPECT_EQ(main_->Image1->Picture(), Photo(30, 20));
    EXPECT_EQ(main_->Image2->Picture(), Photo(30, 20));
    EXPECT_EQ(main_->skSkinStatusPanel1->Caption(), status1);
    EXPECT_EQ(main_->skSkinStatusPanel2->Caption(), status2);
  }
}

TEST_F(TOrvelDralenOpenSaveTest, SizeEditsFollowTheRatioWithHalvesToEven) {
  struct Case {
    const char* name;
    int w, h;          // the picture
    bool lock;
    int width;         // typed width, or 0
    int height;        // typed height then left, or 0
    const char* edit_w;
    const char* edit_h;
    gfx::Size view;
  };
  const Case cases[] = {
      {"640 x 480, width 333: 249.75", 640, 480, true, 333, 0, "333", "250", {333, 250}},
      {"3 x 1000, height 500: width 1.5 gives 2, then height 666.67", 3, 1000, true, 0, 500, "2", "667", {2, 667}},
      {"4 x 10, width 5: height 12.5 gives 12", 4, 10, true, 5, 0, "5", "12", {5, 12}},
      {"4 x 10, width 7: height 17.5 gives 18", 4, 10, true, 7, 0, "7", "18", {7, 18}},
      {"unlocked: the other edit stays", 640, 480, false, 100, 0, "100", "480", {100, 480}},
      {"unlocked height", 640, 480, false, 0, 90, "640", "90", {640, 90}},
      {"width over the edit's maximum", 640, 480, true, 20000, 0, "10000", "7500", {10000, 7500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    main_->OpenPictureFile(Write("p.bmp", gfx::EncodeBmp(Photo(c.w, c.h))));
    main_->skSkinCheckRadioBox1->SetChecked(true);
    main_->skSkinCheckRadioBox2->SetChecked(c.lock);
    if (c.width != 0) TypeWidth(c.width);
    if (c.height != 0) TypeHeightAndLeave(c.height);
    EXPECT_EQ(main_->skSkinNumericEdit1->Text(), c.edit_w);
    EXPECT_EQ(main_->skSkinNumericEdit2->Text(), c.edit_h);
    EXPECT_EQ(View(), c.view);
    EXPECT_FALSE(main_->Image1->AutoSize());
    EXPECT_TRUE(main_->Image1->Stretch());
    // The picture keeps its pixels: only the view changed.
    EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{c.w, c.h}));
  }
}

TEST_F(TOrvelDralenOpenSaveTest, APictureWiderThanTheEditsHoldStartsWithTheirMaximum) {
  main_->OpenPictureFile(Write("wide.bmp", gfx::EncodeBmp(Photo(12000, 3))));
  EXPECT_EQ(main_->skSkinNumericEdit1->Text(), "10000");
  EXPECT_EQ(main_->skSkinNumericEdit2->Text(), "3");  // round(3 x 10000 / 12000) = round(2.5), then the picture's height
  EXPECT_EQ(main_->Image1->Left(), 0);
  EXPECT_GT(main_->skSkinScrollBar1->Max(), 0);
  EXPECT_TRUE(main_->skSkinScrollBar1->Enabled());
  EXPECT_FALSE(main_->skSkinScrollBar2->Enabled());
}

TEST_F(TOrvelDralenOpenSaveTest, CustomSizeSwitchEnablesTheEditsAndQualityShowsInItsLabel) {
  main_->OpenPictureFile(Write("p.bmp", gfx::EncodeBmp(Photo(8, 8))));
  for (bool on : {true, false}) {
    main_->skSkinCheckRadioBox1->SetChecked(on);
    EXPECT_EQ(main_->skSkinNumericEdit1->Enabled(), on);
    EXPECT_EQ(main_->skSkinNumericEdit2->Enabled(), on);
    EXPECT_EQ(main_->skSkinCheckRadioBox2->Enabled(), on);
  }
  for (int q : {0, 50, 100}) {
    main_->skSkinTrackBar1->SetValue(q);
    EXPECT_EQ(main_->Label4->Caption(), std::to_string(q) + "%");
  }
}

TEST_F(TOrvelDralenOpenSaveTest, ZoomStepsAndTheirLimits) {
  struct Case {
    const char* name;
    int w, h;
    bool in;
    std::vector<int> widths;  // after each step
    bool big_enabled, small_enabled;
  };
  const Case cases[] = {
      {"in from 100", 100, 100, true, {125, 156, 195, 243}, true, true},
      {"out from 100 to the limit", 100, 100, false, {80, 64, 51, 40, 32}, true, false},
      {"in past 4000 wide", 3300, 10, true, {4125}, false, true},
      // A 1 x 1000 picture stops once its height passes 4000, though it stays narrow.
      {"in past 4000 high", 1, 1000, true, {1, 1, 1, 1, 1, 1, 1}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    main_->bigbutton->SetEnabled(true);
    main_->smallbutton->SetEnabled(true);
    main_->OpenPictureFile(Write("z.bmp", gfx::EncodeBmp(Photo(c.w, c.h))));
    for (int expected : c.widths) {
      (c.in ? main_->bigbutton : main_->smallbutton)->Click();
      EXPECT_EQ(main_->Image1->Width(), expected);
    }
    EXPECT_EQ(main_->bigbutton->Enabled(), c.big_enabled);
    EXPECT_EQ(main_->smallbutton->Enabled(), c.small_enabled);
    EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{c.w, c.h}));
  }
  // The tall picture has reached 1 x 4765 and scrolls; zooming out opens zooming in again.
  EXPECT_EQ(main_->Image1->Height(), 4765);
  EXPECT_EQ(main_->Image1->Top(), 0);
  main_->smallbutton->SetEnabled(true);
  main_->smallbutton->Click();
  EXPECT_EQ(main_->Image1->Height(), 3812);
  EXPECT_TRUE(main_->bigbutton->Enabled());
}

TEST_F(TOrvelDralenOpenSaveTest, SavingGivesTheBytesOfTheCommandLineConversion) {
  // A JPEG with a comment: the saved file keeps it, as the conversion does.
  gfx::JpegEncodeOptions with_comment;
  with_comment.markers.push_back({gfx::kJpegComment, {'h', 'e', 'l', 'l', 'o'}});
  const std::string source = Write("photo.jpg", gfx::EncodeJpeg(Photo(60, 40), with_comment));
  main_->OpenPictureFile(source);
  main_->skSkinTrackBar1->SetValue(50);
  struct Case {
    const char* name;
    int filter_index;
    bool custom;
    std::string written;
    std::vector<std::string> convert;
  };
  const Case cases[] = {
      {"JPEG", 1, false, dir_ / "out.jpg", {"--convert", source, dir_ / "ref.jpg", "-q", "50"}},
      {"bitmap", 2, false, dir_ / "out.bmp", {"--convert", source, dir_ / "ref.bmp"}},
      {"JPEG at a custom size", 1, true, dir_ / "out.jpg", {"--convert", source, dir_ / "ref.jpg", "-q", "50", "--size", "30x77"}},
      {"bitmap at a custom size", 2, true, dir_ / "out.bmp", {"--convert", source, dir_ / "ref.bmp", "--size", "30x77"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(c.written);
    main_->skSkinCheckRadioBox1->SetChecked(c.custom);
    main_->skSkinCheckRadioBox2->SetChecked(false);
    main_->skSkinNumericEdit1->SetValue(30);
    main_->skSkinNumericEdit2->SetValue(77);
    // The name's extension gives way to the type's.
    EXPECT_EQ(main_->SavePictureTo(dir_ / "out.png", c.filter_index), c.written);
    ASSERT_EQ(RunOrvel(c.convert), 0);
    const std::string reference = c.filter_index == 1 ? dir_ / "ref.jpg" : dir_ / "ref.bmp";
    EXPECT_EQ(ReadBytes(c.written), ReadBytes(reference));
  }
  EXPECT_TRUE(messages_.empty());
  // Any other entry of the filter writes nothing.
  EXPECT_EQ(main_->SavePictureTo(dir_ / "other.jpg", 3), "");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "other.jpg"));
}

TEST_F(TOrvelDralenOpenSaveTest, ReplacingAFileIsAskedFirst) {
  main_->OpenPictureFile(Write("p.bmp", gfx::EncodeBmp(Photo(10, 10))));
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  for (int answer : {ui::kMrNo, ui::kMrYes}) {
    SCOPED_TRACE(answer);
    Write("keep.jpg", old);
    messages_.clear();
    answer_ = answer;
    EXPECT_EQ(main_->SavePictureTo(dir_ / "keep.JPG", 1) != "", answer == ui::kMrYes);
    EXPECT_EQ(messages_, std::vector<std::string>{"文件已存在，是否替换？"});
    EXPECT_EQ(ReadBytes(dir_ / "keep.jpg") == old, answer == ui::kMrNo);
  }
}

TEST_F(TOrvelDralenOpenSaveTest, NothingToSaveAndZeroSidesAreRefusedBeforeAnythingIsWritten) {
  EXPECT_EQ(main_->SavePictureTo(dir_ / "none.jpg", 1), "");
  EXPECT_EQ(messages_, std::vector<std::string>{"没有可以保存的图片！"});

  main_->OpenPictureFile(Write("p.bmp", gfx::EncodeBmp(Photo(10, 10))));
  main_->skSkinCheckRadioBox1->SetChecked(true);
  main_->skSkinCheckRadioBox2->SetChecked(false);
  for (const auto& [w, h] : {std::pair{0, 10}, {10, 0}, {0, 0}}) {
    main_->skSkinNumericEdit1->SetValue(w);
    main_->skSkinNumericEdit2->SetValue(h);
    for (int index : {1, 2}) {
      messages_.clear();
      EXPECT_EQ(main_->SavePictureTo(dir_ / "zero", index), "");
      EXPECT_EQ(messages_, std::vector<std::string>{"图片的宽度和高度必须大于0！"});
    }
  }
  EXPECT_EQ(dir_.List(), std::vector<std::string>{"p.bmp"});
}

TEST_F(TOrvelDralenOpenSaveTest, ACaptureEnablesSavingAndCarriesNoneOfTheOpenedFilesMetadata) {
  auto capture = [this] {
    main_->skSkinButton10Click(nullptr);
    Pump();
    backend_->Click({100, 80});
    Pump();
    backend_->Click({300, 200});
    Pump();
  };
  EXPECT_FALSE(main_->skSkinTrackBar1->Enabled());
  capture();
  EXPECT_TRUE(main_->skSkinTrackBar1->Enabled());
  EXPECT_TRUE(main_->skSkinCheckRadioBox1->Enabled());
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{200, 120}));

  gfx::JpegEncodeOptions with_comment;
  with_comment.markers.push_back({gfx::kJpegComment, {'m', 'a', 'r', 'k', '!'}});
  main_->OpenPictureFile(Write("photo.jpg", gfx::EncodeJpeg(Photo(20, 10), with_comment)));
  auto saved_has_comment = [this] {
    const std::vector<uint8_t> bytes = ReadBytes(main_->SavePictureTo(dir_ / "out.jpg", 1));
    const std::string text(bytes.begin(), bytes.end());
    std::filesystem::remove(dir_ / "out.jpg");
    return text.find("mark!") != std::string::npos;
  };
  EXPECT_TRUE(saved_has_comment());
  capture();
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{200, 120}));
  EXPECT_FALSE(saved_has_comment());
  // "恢复" brings the opened picture back with its metadata.
  main_->N3Click(nullptr);
  EXPECT_TRUE(saved_has_comment());
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
