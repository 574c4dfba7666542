// The batch page on the real main window, headless, with the engine on real worker threads:
// importing, removing, starting, stopping, failing and closing while a batch runs, and drops.
#include "app/BatchPage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/CommandLine.h"
#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "gfx/BmpCodec.h"
#include "gfx/JpegCodec.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "skin/frame/TskMessageForm.h"
#include "support/TempDir.h"
#include "ui/ImageView.h"
#include "ui/UiTestEnv.h"
#include "worker/TOBThread.h"

namespace app {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

gfx::Bitmap Photo(int w, int h, uint8_t tint) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 5 + tint), static_cast<uint8_t>(y * 3), tint));
  return b;
}

// Named pipes as sources hold the workers in their reads until the test feeds them, so a batch
// is caught in progress however fast the machine is.
class Pipes {
 public:
  void Make(const std::string& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    pending_.push_back(path);
  }
  // Feeds each pipe that a worker has opened for reading (a pipe without a reader is left for later).
  void FeedOpened() {
    const std::vector<uint8_t> picture = gfx::EncodeJpeg(Photo(16, 16, 9));
    for (auto it = pending_.begin(); it != pending_.end();) {
      const int fd = ::open(it->c_str(), O_WRONLY | O_NONBLOCK);
      if (fd < 0) {
        ++it;
        continue;
      }
      EXPECT_EQ(::write(fd, picture.data(), picture.size()), static_cast<ssize_t>(picture.size()));
      ::close(fd);
      it = pending_.erase(it);
    }
  }

 private:
  std::vector<std::string> pending_;
};

class BatchPageTest : public ui_test::UiTest {
 protected:
  void SetUp() override {
    main_ = CreateWindows(*app_).OrvelDralen;
    app_->OnException = [this](const std::string& text) { errors_.push_back(text); };
    main_->Show();
    main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet3);
    Pump();
  }

  BatchPage& Page() { return main_->Batch(); }
  skin::TskSkinListView* List() { return main_->skSkinListView1; }
  std::string Status() { return main_->skSkinStatusPanel3->Caption(); }

  // Serves the loop (and feeds the pipes a worker opened) until `done`, for at most a minute.
  bool WaitUntil(const std::function<bool()>& done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (std::chrono::steady_clock::now() < limit) {
      Pump();
      pipes_.FeedOpened();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }
  bool WaitForBatchEnd() {
    return WaitUntil([this] { return !Page().Running(); });
  }
  void Start(const std::string& folder) {
    main_->skSkinEdit1->SetText(folder);
    main_->skSkinButton4Click(nullptr);
  }
  // The messages boxes shown meanwhile, each closed with Enter.
  std::vector<std::string> MessagesWhile(const std::function<void()>& action) {
    std::vector<std::string> texts;
    backend_->SetIdleHandler([&] {
      auto* box = dynamic_cast<skin::TskMessageForm*>(app_->ActiveForm());
      if (box == nullptr || !box->Visible()) return false;
      texts.push_back(box->MessageLabel()->Caption());
      backend_->PressKey(platform::kVkReturn);
      return true;
    });
    action();
    backend_->SetIdleHandler(nullptr);
    return texts;
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    for (int32_t i = 0; i < List()->ItemCount(); ++i) out.push_back(List()->Item(i).caption);
    return out;
  }

  TOrvelDralen* main_ = nullptr;
  std::vector<std::string> errors_;
  Pipes pipes_;
};

TEST_F(BatchPageTest, ImportedFilesShowWithTheirIconsAndRemoveEmptiesTheList) {
  TempDir in;
  WriteBytes(in / "a.bmp", gfx::EncodeBmp(Photo(8, 8, 1)));
  WriteBytes(in / "b.JPG", gfx::EncodeJpeg(Photo(8, 8, 2)));
  const std::vector<std::string> files = {in / "a.bmp", in / "b.JPG"};
  EXPECT_FALSE(main_->skSkinButton6->Enabled());
  // "导入图片" twice, both files chosen in the open dialog each time: the second import adds them again.
  main_->skSkinOpenPictureDialog1->SetInitialDir(in.path());
  for (int round = 0; round < 2; ++round) {
    int step = 0;
    backend_->SetIdleHandler([&] {
      skin::TskOpenPictureDlgForm* f = main_->skSkinOpenPictureDialog1->RunningForm();
      if (f == nullptr || !f->Visible()) return false;
      if (step++ == 0) {
        f->FileList->NavigateTo(in.path());
        return false;
      }
      for (int32_t i = 0; i < f->FileList->ItemCount(); ++i) f->FileList->SetSelected(i, true);
      f->ResultFileName = f->FileList->SelectedPath();
      f->SetModalResult(ui::kMrOk);
      return false;
    });
    main_->skSkinButton5Click(nullptr);
    backend_->SetIdleHandler(nullptr);
  }
  EXPECT_TRUE(main_->skSkinOpenPictureDialog1->MultiSelection());
  ASSERT_EQ(List()->ItemCount(), 4);
  const int icons[] = {0, 1, 0, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(List()->Item(i).caption, files[static_cast<size_t>(i % 2)]);
    EXPECT_EQ(List()->Item(i).image_index, icons[i]) << i;
  }
  EXPECT_TRUE(main_->skSkinButton6->Enabled());

  // Before the mouse was over the list, "移除" removes nothing.
  List()->SetItemFocused(0);
  main_->skSkinButton6Click(nullptr);
  EXPECT_EQ(List()->ItemCount(), 4);
  main_->skSkinListView1MouseMove(nullptr, ui::ShiftState{}, 10, 10);

  // The selected entries go; with none selected, the focused one.
  List()->SetSelected(1, true);
  List()->SetSelected(2, true);
  main_->skSkinButton6Click(nullptr);
  EXPECT_EQ(Captions(), (std::vector<std::string>{files[0], files[1]}));
  List()->ClearSelection();
  List()->SetItemFocused(1);
  uint16_t key = platform::kVkDelete;  // Delete removes as the button does
  main_->skSkinListView1KeyDown(nullptr, key, ui::ShiftState{});
  EXPECT_EQ(Captions(), std::vector<std::string>{files[0]});
  EXPECT_TRUE(main_->skSkinButton6->Enabled());
  List()->SetItemFocused(0);
  main_->skSkinButton6Click(nullptr);
  EXPECT_EQ(List()->ItemCount(), 0);
  EXPECT_FALSE(main_->skSkinButton6->Enabled());
}

TEST_F(BatchPageTest, TheFolderIsCheckedBeforeTheList) {
  TempDir out;
  std::vector<std::string> shown = MessagesWhile([&] { Start(out / "missing"); });
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(Status(), "不是有效的路径！请重新选择！");
  shown = MessagesWhile([&] { Start(out.path()); });
  EXPECT_EQ(shown, std::vector<std::string>{"请导入图片！"});
  EXPECT_FALSE(Page().Running());
  EXPECT_TRUE(out.List().empty());
}

TEST_F(BatchPageTest, ABatchWritesWhatTheCommandLineWritesAndEndsAtTheFullGauge) {
  TempDir in, out, reference;
  WriteBytes(in / "a.bmp", gfx::EncodeBmp(Photo(40, 30, 1)));
  WriteBytes(in / "b.JPG", gfx::EncodeJpeg(Photo(50, 20, 2), {.quality = 95}));
  WriteBytes(in / "photo", gfx::EncodeJpeg(Photo(30, 30, 3), {.quality = 95}));  // a JPEG without extension
  const std::vector<std::string> files = {in / "a.bmp", in / "b.JPG", in / "photo"};
  Page().AddFiles(files);
  main_->skSkinTrackBar2->SetValue(60);
  EXPECT_EQ(main_->Label6->Caption(), "60%");

  Start(out.path());
  EXPECT_EQ(main_->skSkinButton4->Caption(), "停止");
  ASSERT_TRUE(WaitForBatchEnd());
  EXPECT_EQ(main_->skSkinButton4->Caption(), "开始批量压缩");
  EXPECT_EQ(main_->skSkinGauge1->Value(), main_->skSkinGauge1->MaxValue());
  EXPECT_EQ(main_->skSkinGauge1->Text(), "100%");
  EXPECT_TRUE(Status().starts_with("压缩完成！")) << Status();
  EXPECT_TRUE(errors_.empty());

  std::vector<std::string> args = {"orvel", "--batch", "-q", "60", "-o", reference.path()};
  args.insert(args.end(), files.begin(), files.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  ASSERT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data()), 0);
  EXPECT_EQ(out.List(), (std::vector<std::string>{"Orvel_a.jpg", "Orvel_b.jpg", "Orvel_photo.jpg"}));
  for (const std::string& name : out.List()) EXPECT_EQ(ReadBytes(out / name), ReadBytes(reference / name)) << name;
}

TEST_F(BatchPageTest, WhileABatchRunsThePageRefusesChangesAndTheButtonStopsIt) {
  TempDir in, out;
  WriteBytes(in / "first.jpg", gfx::EncodeJpeg(Photo(20, 20, 1)));
  std::vector<std::string> files = {in / "first.jpg"};
  // One pipe a worker, so every worker waits once the first file is written.
  const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
  for (unsigned i = 0; i < workers; ++i) {
    files.push_back(in / ("pipe" + std::to_string(i) + ".jpg"));
    pipes_.Make(files.back());
  }
  WriteBytes(in / "last.jpg", gfx::EncodeJpeg(Photo(20, 20, 2)));
  files.push_back(in / "last.jpg");
  Page().AddFiles(files);
  main_->skSkinListView1MouseMove(nullptr, ui::ShiftState{}, 10, 10);

  main_->skSkinButton4Click(nullptr);  // the folder is still empty
  EXPECT_FALSE(Page().Running());
  Start(out.path());
  ASSERT_TRUE(Page().Running());
  // Only the finished output is there while the workers wait; the pipes are not fed yet.
  const auto first_written = [&] {
    Pump();
    return std::filesystem::exists(out / "Orvel_first.jpg");
  };
  const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!first_written() && std::chrono::steady_clock::now() < limit) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(first_written());

  // What would change the list, the folder or the quality is disabled and refuses to act.
  for (ui::Control* c : std::initializer_list<ui::Control*>{main_->skSkinButton5, main_->skSkinButton6, main_->skSkinButton2,
                                                            main_->skSkinEdit1, main_->skSkinTrackBar2})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  List()->SetSelected(0, true);
  main_->skSkinButton6Click(nullptr);
  uint16_t key = platform::kVkDelete;
  main_->skSkinListView1KeyDown(nullptr, key, ui::ShiftState{});
  Page().AddFiles({in / "late.jpg"});
  main_->FormDropFiles(nullptr, {in.path()});
  main_->skSkinButton2Click(nullptr);  // no folder dialog opens
  main_->skSkinButton5Click(nullptr);  // nor an open dialog
  EXPECT_EQ(Captions(), files);
  // A second thread for the worker is refused, and the button stops the batch that runs.
  EXPECT_EQ(main_->OBThread1->Execute(nullptr), 0u);
  main_->skSkinButton4Click(nullptr);
  ASSERT_TRUE(WaitForBatchEnd());
  EXPECT_EQ(Status(), "已停止");
  EXPECT_EQ(main_->skSkinButton4->Caption(), "开始批量压缩");
  EXPECT_TRUE(main_->skSkinButton6->Enabled());
  EXPECT_TRUE(errors_.empty());
  // The finished output stays; the files given up left nothing, not even a temporary file.
  EXPECT_EQ(out.List(), std::vector<std::string>{"Orvel_first.jpg"});
}

TEST_F(BatchPageTest, ClosingTheWindowDuringABatchStopsItAndLeavesNoTemporaryFile) {
  TempDir in, out;
  std::vector<std::string> files;
  const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
  for (unsigned i = 0; i < workers; ++i) {
    files.push_back(in / ("pipe" + std::to_string(i) + ".jpg"));
    pipes_.Make(files.back());
  }
  for (int i = 0; i < 5; ++i) {
    files.push_back(in / ("later" + std::to_string(i) + ".jpg"));
    WriteBytes(files.back(), gfx::EncodeJpeg(Photo(20, 20, static_cast<uint8_t>(i))));
  }
  Page().AddFiles(files);
  Start(out.path());
  ASSERT_TRUE(Page().Running());
  // The window goes while the workers wait in their reads; the pipes are fed from aside, since
  // the window's destruction waits for the worker on this thread. They are fed only once the
  // window's destruction work has run, so no file can finish before the batch was told to stop.
  std::atomic<bool> destroying{false};
  std::atomic<bool> closed{false};
  ui::NotifyEvent form_destroy = main_->OnDestroy;
  main_->OnDestroy = [&](ui::Component* sender) {
    form_destroy(sender);
    destroying = true;
  };
  std::thread feeder([&] {
    while (!closed) {
      if (destroying) pipes_.FeedOpened();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  app_->DestroyForm(main_);
  closed = true;
  feeder.join();
  // Every file in progress was given up and none after them started.
  EXPECT_TRUE(out.List().empty());
}

TEST_F(BatchPageTest, AFailingFileStopsTheBatchAndIsReportedByName) {
  TempDir in, out;
  WriteBytes(in / "a.jpg", gfx::EncodeJpeg(Photo(20, 20, 1)));
  WriteBytes(in / "broken.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F'});
  WriteBytes(in / "c.jpg", gfx::EncodeJpeg(Photo(20, 20, 3)));
  Page().AddFiles({in / "a.jpg", in / "broken.jpg", in / "c.jpg"});
  Start(out.path());
  ASSERT_TRUE(WaitForBatchEnd());
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find(in / "broken.jpg"), std::string::npos) << errors_[0];
  EXPECT_EQ(Status(), in / "broken.jpg");
  EXPECT_LT(main_->skSkinGauge1->Value(), main_->skSkinGauge1->MaxValue());
  // The file before it is written; one on another worker may be too; nothing else.
  std::vector<std::string> written = out.List();
  EXPECT_TRUE(written == std::vector<std::string>{"Orvel_a.jpg"} ||
              written == (std::vector<std::string>{"Orvel_a.jpg", "Orvel_c.jpg"}))
      << ::testing::PrintToString(written);
}

TEST_F(BatchPageTest, DropsImportFilesAndTheListedPicturesOfFolders) {
  TempDir in;
  namespace fs = std::filesystem;
  const std::vector<uint8_t> bytes = {1, 2, 3};
  fs::create_directories(in / "top/sub/deeper");
  fs::create_directories(in / "top/.hidden");
  for (const char* name : {"top/b.JPG", "top/a.bmp", "top/c.jpeg", "top/notes.txt", "top/d.png", "top/.e.jpg",
                           "top/sub/z.Bmp", "top/sub/deeper/y.jpg", "top/.hidden/x.jpg", "loose.txt"})
    WriteBytes(in / name, bytes);
  fs::create_directory_symlink(in / "top", in / "top/sub/loop");  // never followed

  // Files alone arrive at once, whatever they are, as an import adds them.
  main_->FormDropFiles(nullptr, {in / "loose.txt"});
  EXPECT_EQ(Captions(), std::vector<std::string>{in / "loose.txt"});
  // Folders are walked aside; a file dropped with them keeps its place.
  main_->FormDropFiles(nullptr, {in / "top", in / "loose.txt"});
  ASSERT_TRUE(WaitUntil([this] { return !Page().Importing(); }));
  Pump();
  EXPECT_EQ(Captions(), (std::vector<std::string>{in / "loose.txt", in / "top/a.bmp", in / "top/b.JPG", in / "top/c.jpeg",
                                                  in / "top/sub/z.Bmp", in / "top/sub/deeper/y.jpg", in / "loose.txt"}));
  EXPECT_TRUE(main_->skSkinButton6->Enabled());

  // Another page's drops do not reach the list.
  main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet4);
  main_->FormDropFiles(nullptr, {in / "loose.txt"});
  EXPECT_EQ(List()->ItemCount(), 7);
}

TEST_F(BatchPageTest, AHundredThousandEntriesAreHeldAsNamesAndReachableByTheBar) {
  std::vector<std::string> files;
  for (int i = 0; i < 100000; ++i) files.push_back("/pictures/folder/photo" + std::to_string(i) + (i % 2 ? ".jpg" : ".bmp"));
  Page().AddFiles(files);
  Pump();
  ASSERT_EQ(List()->ItemCount(), 100000);
  EXPECT_EQ(List()->Item(99999).caption, files.back());
  EXPECT_EQ(List()->Item(99998).image_index, 0);
  // In list style the entries run sideways: the horizontal bar shows and reaches the last one.
  EXPECT_FALSE(main_->skSkinScrollBar3->Visible());
  ASSERT_TRUE(main_->skSkinScrollBar4->Visible());
  main_->skSkinScrollBar4->SetPosition(main_->skSkinScrollBar4->Max());
  Pump();
  const gfx::Rect last = List()->ItemRect(99999);
  EXPECT_TRUE(List()->ClientRect().Contains({last.left + 1, last.top + 1})) << last.left << "," << last.top;

  // Removing a run of selected entries in the middle keeps the order of the rest.
  main_->skSkinListView1MouseMove(nullptr, ui::ShiftState{}, 10, 10);
  for (int i = 10; i < 50010; ++i) List()->SetSelected(i, true);
  main_->skSkinButton6Click(nullptr);
  ASSERT_EQ(List()->ItemCount(), 50000);
  EXPECT_EQ(List()->Item(9).caption, files[9]);
  EXPECT_EQ(List()->Item(10).caption, files[50010]);
  EXPECT_EQ(List()->Item(49999).caption, files[99999]);
}

TEST_F(BatchPageTest, AnEntryOpensOnThePicturePageAndAMissingFileKeepsThePicture) {
  TempDir in;
  WriteBytes(in / "real.jpg", gfx::EncodeJpeg(Photo(24, 12, 5)));
  Page().AddFiles({in / "gone.jpg", in / "real.jpg"});
  // Enter opens the focused entry wherever the mouse has been, as "打开图片" opens a file.
  List()->SetItemFocused(1);
  uint16_t key = platform::kVkReturn;
  EXPECT_TRUE(MessagesWhile([&] { main_->skSkinListView1KeyDown(nullptr, key, ui::ShiftState{}); }).empty());
  EXPECT_EQ(main_->skSkinPageControl2->ActivePage(), main_->skSkinTabSheet1);
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{24, 12}));
  EXPECT_NE(main_->skSkinStatusPanel1->Caption().find("real.jpg"), std::string::npos) << main_->skSkinStatusPanel1->Caption();

  // A double click opens the first selected entry only once the mouse has been over the list.
  main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet3);
  List()->SetItemIndex(0);
  EXPECT_TRUE(MessagesWhile([&] { main_->skSkinListView1DblClick(nullptr); }).empty());
  EXPECT_EQ(main_->skSkinPageControl2->ActivePage(), main_->skSkinTabSheet3);
  main_->skSkinListView1MouseMove(nullptr, ui::ShiftState{}, 10, 10);
  EXPECT_EQ(MessagesWhile([&] { main_->skSkinListView1DblClick(nullptr); }),
            std::vector<std::string>{"没有读取图片，程序错误"});
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{24, 12}));
  EXPECT_NE(main_->skSkinStatusPanel1->Caption().find("real.jpg"), std::string::npos);
}

}  // namespace
}  // namespace app
