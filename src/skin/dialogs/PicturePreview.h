// PicturePreview: decodes the picture dialog's preview on a thread of its own.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace skin {

// One request at a time is decoded; a newer request replaces one that has not started, and the
// result of an older one that finishes later is dropped, so the newest selection wins and the list
// never waits for a file. A file that cannot be read gives an empty picture: a preview is no place
// for error messages.
//
// Results come back through `post`, which must run its task on the thread that makes the requests
// (the UI thread); `ready` runs there. The destructor stops the thread and waits for it; a result
// posted before that and run after it does nothing.
class PicturePreview {
 public:
  using Post = std::function<void(std::function<void()> task)>;
  using Ready = std::function<void(gfx::Bitmap picture)>;

  PicturePreview(Post post, Ready ready);
  ~PicturePreview();
  PicturePreview(const PicturePreview&) = delete;
  PicturePreview& operator=(const PicturePreview&) = delete;

  // Decodes the regular file `path`, a JPEG at the smallest scale that still covers `want`.
  void Request(std::string path, gfx::Size want);
  // Forgets every request: no result arrives until the next one.
  void Cancel();
  // A request is outstanding: its result has not arrived yet.
  bool Busy() const { return waiting_; }

  // The picture in the file, chosen by its extension (.jpg and .jpeg scaled to cover `want`,
  // .bmp, .png, .webp); an empty bitmap for other names. Throws what the readers throw.
  static gfx::Bitmap Decode(const std::string& path, gfx::Size want);

 private:
  struct Job {
    std::string path;
    gfx::Size want;
    uint64_t serial = 0;
  };
  void Run();
  void Deliver(uint64_t serial, gfx::Bitmap picture);

  Post post_;
  Ready ready_;
  // Read and written on the requesting thread only.
  uint64_t serial_ = 0;
  bool waiting_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::optional<Job> job_;
  std::thread thread_;
};

}  // namespace skin
