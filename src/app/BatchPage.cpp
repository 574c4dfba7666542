// BatchPage: the batch page's list, its imports and its batch on OBThread1.
#include "app/BatchPage.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <exception>
#include <filesystem>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "app/BatchProgress.h"
#include "app/TOrvelDralen.h"
#include "batch/BatchCompressor.h"
#include "batch/FileConverter.h"
#include "platform/Backend.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/frame/TskSkinMessage.h"
#include "ui/Application.h"
#include "worker/TOBThread.h"

namespace app {

namespace {

constexpr const char* kStartCaption = "开始批量压缩";
constexpr const char* kStopCaption = "停止";

uint64_t NowMs() { return platform::GetBackend().NowMs(); }

// The files a dropped folder brings: .jpg, .jpeg and .bmp, whatever the case.
bool IsListedPicture(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string ext(name.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == "jpg" || ext == "jpeg" || ext == "bmp";
}

}  // namespace

// One batch: what it works on, the engine, and the tally the page shows. The worker writes
// `summary` and `error` before its thread ends; the UI thread reads them in Finished, after it.
struct BatchPage::Job {
  explicit Job(uint64_t run_number, batch::SourceList list) : run(run_number), sources(std::move(list)), progress(sources.size()) {}

  const uint64_t run;
  const batch::SourceList sources;
  batch::BatchOptions options;
  batch::BatchCompressor compressor;
  BatchProgress progress;
  std::atomic<bool> update_queued{false};
  uint64_t started_ms = 0;
  bool stopped = false;  // the user stopped it
  std::optional<batch::BatchSummary> summary;
  std::string error;     // the batch could not run at all
};

// Walks dropped folders on a thread of its own, one drop after the other in the order they came,
// and hands the names to the UI thread in parts.
class BatchPage::Import {
 public:
  explicit Import(const BatchPage& page) : alive_(page.alive_) {}
  ~Import() { Stop(); }

  void Add(std::vector<std::string> paths) {
    std::lock_guard lock(mutex_);
    for (std::string& p : paths) pending_.push_back(std::move(p));
    if (running_) return;
    if (thread_.joinable()) thread_.join();  // ended already: it found nothing pending
    running_ = true;
    thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  }
  bool Running() const {
    std::lock_guard lock(mutex_);
    return running_;
  }
  void Stop() {
    thread_.request_stop();
    if (thread_.joinable()) thread_.join();
  }

 private:
  void Run(std::stop_token stop) {
    batch::SourceList part;
    auto hand_on = [&] {
      if (part.empty()) return;
      ui::Application* app = ui::Application::Current();
      if (app == nullptr) return;
      app->RunOnMainThread([alive = std::weak_ptr<BatchPage*>(alive_), part = std::move(part)]() mutable {
        if (std::shared_ptr<BatchPage*> page = alive.lock()) (*page)->ImportArrived(std::move(part));
      });
      part = batch::SourceList();
    };
    batch::SourceWalk walk;
    walk.recursive = true;
    walk.accept = IsListedPicture;
    walk.folder_done = [&] {
      if (part.size() >= kImportPart) hand_on();
      return !stop.stop_requested();
    };
    for (;;) {
      std::string path;
      {
        std::lock_guard lock(mutex_);
        if (pending_.empty() || stop.stop_requested()) break;
        path = std::move(pending_.front());
        pending_.pop_front();
      }
      batch::WalkSources(path, walk, part);
      if (part.size() >= kImportPart) hand_on();
    }
    // Ended under the lock, so a drop that comes now starts a new walk.
    std::lock_guard lock(mutex_);
    hand_on();
    running_ = false;
  }

  std::shared_ptr<BatchPage*> alive_;
  mutable std::mutex mutex_;
  std::deque<std::string> pending_;
  bool running_ = false;
  std::jthread thread_;  // last: joined before what it uses goes
};

BatchPage::BatchPage(TOrvelDralen& window) : w_(window), alive_(std::make_shared<BatchPage*>(this)) {}

BatchPage::~BatchPage() {
  StopForClose();
  import_.reset();
}

bool BatchPage::Importing() const { return import_ != nullptr && import_->Running(); }

int BatchPage::IconOf(std::string_view path) { return batch::IsBitmapSource(std::string(path)) ? 0 : 1; }

void BatchPage::AddFiles(const std::vector<std::string>& files) {
  if (Running() || files.empty()) return;
  for (const std::string& f : files) names_.Add(f);
  ListChanged();
}

void BatchPage::Drop(const std::vector<std::string>& paths) {
  if (Running() || paths.empty()) return;
  const bool has_folder = std::any_of(paths.begin(), paths.end(), [](const std::string& p) { return batch::IsExistingFolder(p); });
  if (!has_folder && !Importing()) {
    AddFiles(paths);
    return;
  }
  // Behind an import that runs, even plain files wait their turn, so the list keeps the drops' order.
  if (import_ == nullptr) import_ = std::make_unique<Import>(*this);
  import_->Add(paths);
}

void BatchPage::ImportArrived(batch::SourceList part) {
  if (closing_ || part.empty()) return;
  names_.Append(part);
  ListChanged();
}

void BatchPage::RemoveChosen() {
  if (Running()) return;
  skin::TskSkinListView* list = w_.skSkinListView1;
  const ui::ListViewSelection& selection = list->Selection();
  const int32_t focused = list->ItemFocused();
  if (selection.Empty()) {
    if (focused < 0 || static_cast<size_t>(focused) >= names_.size()) return;
    names_.RemoveWhere([focused](size_t i) { return i == static_cast<size_t>(focused); });
  } else {
    names_.RemoveWhere([&selection](size_t i) { return selection.Contains(static_cast<int32_t>(i)); });
  }
  // The focus stays where the first removed entry was, on what moved up into its place.
  const int32_t first = selection.Empty() ? focused : selection.First();
  list->ClearSelection();
  ListChanged();
  if (!names_.empty()) list->SetItemFocused(std::min<int32_t>(first, static_cast<int32_t>(names_.size()) - 1));
}

void BatchPage::ListChanged() {
  w_.skSkinListView1->SetItemCount(static_cast<int64_t>(names_.size()));
  w_.skSkinButton6->SetEnabled(!names_.empty() && !Running());
}

void BatchPage::SetRunning(bool running) {
  w_.skSkinButton4->SetCaption(running ? kStopCaption : kStartCaption);
  for (ui::Control* c : std::initializer_list<ui::Control*>{w_.skSkinButton5, w_.skSkinButton2, w_.skSkinEdit1, w_.skSkinTrackBar2})
    c->SetEnabled(!running);
  w_.skSkinButton6->SetEnabled(!running && !names_.empty());
}

void BatchPage::StartOrStop() {
  if (Running()) {
    job_->stopped = true;
    job_->compressor.Abort();
    return;
  }
  const std::string folder = w_.skSkinEdit1->Text();
  if (!batch::IsExistingFolder(folder)) {
    w_.skSkinStatusPanel3->SetCaption("不是有效的路径！请重新选择！");
    return;
  }
  if (names_.empty()) {
    w_.skSkinMessage1->ShowMessageBox("请导入图片！", skin::MessageType::kCustom, skin::kMbOK);
    return;
  }
  auto job = std::make_unique<Job>(++runs_, names_);
  job->options.output_folder = folder;
  job->options.quality = w_.skSkinTrackBar2->Value();
  job->options.stop_on_failure = true;
  job->options.report_progress = true;
  job->started_ms = NowMs();
  last_shown_ms_ = job->started_ms;
  Job* params = job.get();
  job_ = std::move(job);
  SetRunning(true);
  skin::TskSkinGauge* gauge = w_.skSkinGauge1;
  gauge->SetMinValue(0);
  gauge->SetMaxValue(BatchProgress::kRange);
  gauge->SetValue(0);
  gauge->SetProgressText("");
  w_.skSkinStatusPanel3->SetCaption(Caption(0));
  if (w_.OBThread1->Execute(params) == 0) {
    // Nothing started (a thread of an earlier batch still ends): the page stays as it was.
    job_.reset();
    SetRunning(false);
  }
}

void BatchPage::Execute(void* params) {
  Job& job = *static_cast<Job*>(params);
  uint64_t total = 0;
  for (size_t i = 0; i < job.sources.size(); ++i) {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(std::filesystem::path(job.sources.Path(i)), error);
    if (!error) total += size;
  }
  job.progress.SetTotalBytes(total);
  try {
    job.summary = job.compressor.RunSources(job.sources, job.options, [&](const batch::FileReport& r) {
      // The window asked the thread to stop (it is going): give up the files in progress too.
      if (worker::TOBThread::StopRequested()) job.compressor.Abort();
      job.progress.Take(r);
      QueueUpdate(job);
    });
  } catch (const std::exception& e) {
    job.error = e.what();
  }
}

void BatchPage::QueueUpdate(Job& job) {
  if (job.update_queued.exchange(true)) return;
  ui::Application* app = ui::Application::Current();
  if (app == nullptr) return;
  app->RunOnMainThread([alive = std::weak_ptr<BatchPage*>(alive_), run = job.run] {
    if (std::shared_ptr<BatchPage*> page = alive.lock()) (*page)->UpdateArrived(run);
  });
}

void BatchPage::UpdateArrived(uint64_t run) {
  if (!job_ || job_->run != run || closing_) return;
  const uint64_t now = NowMs();
  const uint64_t since = now - last_shown_ms_;
  if (since >= kUpdateMs) {
    ShowProgress();
    return;
  }
  // Too soon: shown when the interval is over. The job's flag stays set meanwhile, so the
  // worker queues nothing more.
  if (update_timer_ != 0) return;
  ui::Application* app = ui::Application::Current();
  update_timer_ = app->SetTimer(static_cast<uint32_t>(kUpdateMs - since), [this, app, run] {
    app->KillTimer(update_timer_);
    update_timer_ = 0;
    if (job_ && job_->run == run) ShowProgress();
  });
}

void BatchPage::ShowProgress() {
  Job& job = *job_;
  job.update_queued = false;  // before reading, so a report after the read queues the next update
  const BatchProgress::View view = job.progress.Read();
  last_shown_ms_ = NowMs();
  w_.skSkinGauge1->SetProgressText(TimeLeftText(last_shown_ms_ - job.started_ms, view.per_mille));
  w_.skSkinGauge1->SetValue(view.per_mille);
  if (view.first_unfinished < job.sources.size())
    w_.skSkinStatusPanel3->SetCaption(std::string(job.sources.Path(view.first_unfinished)));
}

void BatchPage::Finished() {
  if (!job_) return;
  if (update_timer_ != 0) {
    if (ui::Application* app = ui::Application::Current()) app->KillTimer(update_timer_);
    update_timer_ = 0;
  }
  std::unique_ptr<Job> job = std::move(job_);
  SetRunning(false);
  if (closing_) return;
  const BatchProgress::View view = job->progress.Read();
  skin::TskSkinGauge* gauge = w_.skSkinGauge1;
  gauge->SetProgressText("");
  std::string report;  // the general error report's text
  if (!job->error.empty()) {
    report = job->error;
  } else if (view.failed > 0) {
    // The failing file's name stays, and the gauge where it was.
    gauge->SetValue(view.per_mille);
    w_.skSkinStatusPanel3->SetCaption(std::string(job->sources.Path(view.failed_index)));
    report = view.failure;
  } else if (job->stopped || !job->summary || job->summary->cancelled) {
    gauge->SetValue(view.per_mille);
    w_.skSkinStatusPanel3->SetCaption("已停止");
  } else {
    gauge->SetValue(BatchProgress::kRange);
    w_.skSkinStatusPanel3->SetCaption(BatchDoneText(*job->summary));
  }
  job.reset();
  if (!report.empty()) {
    if (ui::Application* app = ui::Application::Current()) app->ShowException(report);
  }
}

void BatchPage::StopForClose() {
  closing_ = true;
  if (job_) job_->compressor.Abort();
  if (import_) import_->Stop();
}

}  // namespace app
