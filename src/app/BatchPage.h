// BatchPage: the batch page's list of files, the imports that fill it, and the batch it runs on a
// worker thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "batch/SourceList.h"

namespace app {

class TOrvelDralen;

// The list holds only names: the list view shows them as owner data, so a hundred thousand files
// cost their names' bytes. A batch works on a copy of the list, the folder and the quality taken
// when it starts; while it runs, the page's controls that would change what it works on are
// disabled and the handlers behind them refuse to act.
class BatchPage {
 public:
  // Progress reaches the page at most this often.
  static constexpr uint32_t kUpdateMs = 50;
  // A folder import hands its names on in parts of about this many.
  static constexpr size_t kImportPart = 4096;

  explicit BatchPage(TOrvelDralen& window);
  BatchPage(const BatchPage&) = delete;
  BatchPage& operator=(const BatchPage&) = delete;
  ~BatchPage();

  const batch::SourceList& Names() const { return names_; }
  bool Running() const { return job_ != nullptr; }
  bool Importing() const;

  // Adds each file as it is, in order, with the icon its extension asks for.
  void AddFiles(const std::vector<std::string>& files);
  // Files as AddFiles; a folder brings its .jpg, .jpeg and .bmp files (any case) and those of its
  // subfolders, each folder's names sorted, walked off the UI thread and arriving in parts.
  void Drop(const std::vector<std::string>& paths);
  // Removes the selected entries, or the focused one when none is selected.
  void RemoveChosen();

  // The start button: checks the folder and the list and starts OBThread1, or stops the batch
  // that runs.
  void StartOrStop();
  // OBThread1's handler, on its worker thread: runs the batch of `params` (the page's job).
  void Execute(void* params);
  // OBThread1's end of a thread, on the UI thread: shows how the batch ended.
  void Finished();
  // The window goes: stops the batch (files in progress are given up, no temporary file stays)
  // and the import, without reports.
  void StopForClose();

  // What the list view shows for an entry.
  std::string Caption(size_t index) const { return std::string(names_.Path(index)); }
  static int IconOf(std::string_view path);

 private:
  struct Job;
  class Import;

  // The list view and the remove button follow the list.
  void ListChanged();
  void SetRunning(bool running);
  // Worker side: queues one update of the page unless one is queued already.
  void QueueUpdate(Job& job);
  // UI side: shows the job's progress now, or when kUpdateMs have passed since the last time.
  void UpdateArrived(uint64_t run);
  void ShowProgress();
  void ImportArrived(batch::SourceList part);

  TOrvelDralen& w_;
  batch::SourceList names_;
  std::unique_ptr<Job> job_;
  std::unique_ptr<Import> import_;
  uint64_t runs_ = 0;          // numbers the batches, so a late update of an ended one is dropped
  uint64_t last_shown_ms_ = 0;
  uintptr_t update_timer_ = 0;
  bool closing_ = false;
  // Calls queued for the UI thread hold a weak copy and do nothing once the page is gone.
  std::shared_ptr<BatchPage*> alive_;
};

}  // namespace app
