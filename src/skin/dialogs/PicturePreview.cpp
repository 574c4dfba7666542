// PicturePreview: one worker thread, one pending request, newest wins.
#include "skin/dialogs/PicturePreview.h"

#include <exception>
#include <utility>

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/JpegCodec.h"
#include "gfx/PngCodec.h"
#include "gfx/WebpCodec.h"

namespace skin {

namespace {

std::string LowerExtension(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return ext;
}

}  // namespace

PicturePreview::PicturePreview(Post post, Ready ready)
    : post_(std::move(post)), ready_(std::move(ready)), thread_([this] { Run(); }) {}

PicturePreview::~PicturePreview() {
  *alive_ = false;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void PicturePreview::Request(std::string path, gfx::Size want) {
  waiting_ = true;
  {
    std::lock_guard lock(mutex_);
    job_ = Job{std::move(path), want, ++serial_};
  }
  wake_.notify_one();
}

void PicturePreview::Cancel() {
  ++serial_;
  waiting_ = false;
  std::lock_guard lock(mutex_);
  job_.reset();
}

void PicturePreview::Run() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stop_ || job_.has_value(); });
      if (stop_) return;
      job = std::move(*job_);
      job_.reset();
    }
    gfx::Bitmap picture;
    try {
      picture = Decode(job.path, job.want);
    } catch (const std::exception&) {
      picture = gfx::Bitmap();  // unreadable: the preview shows nothing
    }
    post_([this, alive = alive_, serial = job.serial, picture = std::move(picture)]() mutable {
      if (*alive) Deliver(serial, std::move(picture));
    });
  }
}

void PicturePreview::Deliver(uint64_t serial, gfx::Bitmap picture) {
  if (serial != serial_) return;  // a newer request is on its way
  waiting_ = false;
  ready_(std::move(picture));
}

gfx::Bitmap PicturePreview::Decode(const std::string& path, gfx::Size want) {
  const std::string ext = LowerExtension(path);
  if (ext == "jpg" || ext == "jpeg") return gfx::ReadJpegFileScaled(path, want).bitmap;
  if (ext == "bmp") return gfx::ReadBmpFile(path);
  if (ext == "png") return gfx::DecodePng(gfx::ReadWholeFile(path));
  if (ext == "webp") return gfx::DecodeWebp(gfx::ReadWholeFile(path));
  return {};
}

}  // namespace skin
