// Fetching pages and their pictures over HTTP and HTTPS on a thread of its own.
#include "web/Fetcher.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <stdexcept>

#include "gfx/ImageError.h"
#include "ui/Application.h"
#include "web/CurlLibrary.h"
#include "web/HtmlPage.h"
#include "web/PageCharset.h"
#include "web/WebAddresses.h"
#include "web/WebImage.h"

namespace web {

struct Fetcher::Request {
  std::string url;
  FetchKind kind = FetchKind::kPage;
  Done done;
  uint64_t generation = 0;
  size_t max_bytes = 0;
  CURL* easy = nullptr;
  std::string body;
  bool too_large = false;
  char error[CURL_ERROR_SIZE] = {};

  ~Request() {
    if (easy != nullptr) Curl().easy_cleanup(easy);
  }
};

struct Fetcher::Shared {
  std::mutex mutex;
  std::vector<std::unique_ptr<Request>> queue;  // asked for, not yet started by the thread
  bool drop_active = false;                     // Cancel: the thread drops what it runs
  CURLM* multi = nullptr;
  // UI thread only: the generation current requests belong to, and how many wait for delivery.
  uint64_t generation = 0;
  size_t pending = 0;
};

namespace {

bool IsHtmlType(const std::string& content_type) {
  std::string type = content_type.substr(0, content_type.find(';'));
  std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
  type.erase(std::remove(type.begin(), type.end(), ' '), type.end());
  return type.empty() || type == "text/html" || type == "application/xhtml+xml";
}

std::string TransferError(CURLcode code, const char* detail) {
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT: return "网络连接超时";
    case CURLE_COULDNT_RESOLVE_HOST: return "找不到服务器";
    case CURLE_COULDNT_CONNECT: return "无法连接到服务器";
    case CURLE_TOO_MANY_REDIRECTS: return "网页转向次数太多";
    case CURLE_UNSUPPORTED_PROTOCOL: return "不支持的网址";
    case CURLE_PEER_FAILED_VERIFICATION: return "服务器的证书无效";
    default: break;
  }
  std::string text = "网络错误：";
  text += detail[0] != '\0' ? detail : Curl().easy_strerror(code);
  return text;
}

}  // namespace

std::string UserAgent() { return std::string("Orvel/") + ORVEL_VERSION; }

Fetcher::Fetcher(FetchLimits limits)
    : limits_(limits), app_(ui::Application::Current()), shared_(std::make_shared<Shared>()) {
  if (app_ == nullptr) throw std::logic_error("Fetcher needs the application object");
  shared_->multi = Curl().multi_init();
  if (shared_->multi == nullptr) throw std::runtime_error("网络库无法初始化");
  thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

Fetcher::~Fetcher() {
  thread_.request_stop();
  Curl().multi_wakeup(shared_->multi);
  thread_.join();
  shared_->queue.clear();
  Curl().multi_cleanup(shared_->multi);
  shared_->multi = nullptr;
}

void Fetcher::Get(const std::string& url, FetchKind kind, Done done) {
  auto request = std::make_unique<Request>();
  request->url = url;
  request->kind = kind;
  request->done = std::move(done);
  request->generation = shared_->generation;
  request->max_bytes = kind == FetchKind::kPage ? limits_.max_page_bytes : limits_.max_image_bytes;
  ++shared_->pending;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queue.push_back(std::move(request));
  }
  Curl().multi_wakeup(shared_->multi);
}

void Fetcher::Cancel() {
  ++shared_->generation;
  shared_->pending = 0;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queue.clear();
    shared_->drop_active = true;
  }
  Curl().multi_wakeup(shared_->multi);
}

size_t Fetcher::Pending() const { return shared_->pending; }

void Fetcher::Deliver(std::unique_ptr<Request> request, FetchResult result) {
  std::shared_ptr<Request> held(std::move(request));
  if (held->easy != nullptr) {
    Curl().easy_cleanup(held->easy);
    held->easy = nullptr;
  }
  std::weak_ptr<Shared> weak = shared_;
  app_->RunOnMainThread([weak, held, result = std::move(result)]() mutable {
    std::shared_ptr<Shared> shared = weak.lock();
    if (!shared || held->generation != shared->generation) return;
    if (shared->pending > 0) --shared->pending;
    held->done(result);
  });
}

void Fetcher::Run(std::stop_token stop) {
  CURLM* multi = shared_->multi;
  std::vector<std::unique_ptr<Request>> active;
  auto drop = [&](std::unique_ptr<Request>& r) { Curl().multi_remove_handle(multi, r->easy); };
  while (!stop.stop_requested()) {
    std::vector<std::unique_ptr<Request>> incoming;
    {
      std::lock_guard lock(shared_->mutex);
      if (shared_->drop_active) {
        for (auto& r : active) drop(r);
        active.clear();
        shared_->drop_active = false;
      }
      incoming.swap(shared_->queue);
    }
    for (auto& r : incoming) {
      if (!IsWebAddress(r->url)) {
        FetchResult refused;
        refused.url = r->url;
        refused.error = "不支持的网址";
        Deliver(std::move(r), std::move(refused));
        continue;
      }
      r->easy = Curl().easy_init();
      if (r->easy == nullptr) {
        FetchResult failed;
        failed.url = r->url;
        failed.error = "网络库无法初始化";
        Deliver(std::move(r), std::move(failed));
        continue;
      }
      CURL* e = r->easy;
      Curl().easy_setopt(e, CURLOPT_URL, r->url.c_str());
      Curl().easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
      Curl().easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
      Curl().easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
      Curl().easy_setopt(e, CURLOPT_MAXREDIRS, limits_.max_redirects);
      Curl().easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, limits_.connect_timeout_ms);
      Curl().easy_setopt(e, CURLOPT_TIMEOUT_MS, limits_.total_timeout_ms);
      Curl().easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
      Curl().easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
      Curl().easy_setopt(e, CURLOPT_ACCEPT_ENCODING, "");
      Curl().easy_setopt(e, CURLOPT_USERAGENT, UserAgent().c_str());
      Curl().easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
      // A name lookup still running when the view closes is left to finish on its own instead of
      // being waited for, so closing never waits on a slow name server.
      Curl().easy_setopt(e, CURLOPT_QUICK_EXIT, 1L);
      Curl().easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(r->max_bytes));
      Curl().easy_setopt(e, CURLOPT_ERRORBUFFER, r->error);
      Curl().easy_setopt(e, CURLOPT_PRIVATE, r.get());
      Curl().easy_setopt(e, CURLOPT_WRITEDATA, r.get());
      Curl().easy_setopt(e, CURLOPT_WRITEFUNCTION, +[](char* data, size_t size, size_t count, void* user) -> size_t {
        auto* req = static_cast<Request*>(user);
        const size_t n = size * count;
        // The limit counts the bytes after decompression, so a small compressed body cannot
        // unpack into more than the limit.
        if (req->body.size() + n > req->max_bytes) {
          req->too_large = true;
          return 0;
        }
        req->body.append(data, n);
        return n;
      });
      Curl().multi_add_handle(multi, e);
      active.push_back(std::move(r));
    }
    int running = 0;
    Curl().multi_perform(multi, &running);
    int left = 0;
    while (CURLMsg* msg = Curl().multi_info_read(multi, &left)) {
      if (msg->msg != CURLMSG_DONE) continue;
      auto it = std::find_if(active.begin(), active.end(),
                             [&](const std::unique_ptr<Request>& r) { return r->easy == msg->easy_handle; });
      if (it == active.end()) continue;
      std::unique_ptr<Request> r = std::move(*it);
      active.erase(it);
      const CURLcode code = msg->data.result;
      Curl().multi_remove_handle(multi, r->easy);
      FetchResult result;
      result.url = r->url;
      char* effective = nullptr;
      Curl().easy_getinfo(r->easy, CURLINFO_EFFECTIVE_URL, &effective);
      result.final_url = effective != nullptr ? effective : r->url;
      char* type = nullptr;
      Curl().easy_getinfo(r->easy, CURLINFO_CONTENT_TYPE, &type);
      result.content_type = type != nullptr ? type : "";
      Curl().easy_getinfo(r->easy, CURLINFO_RESPONSE_CODE, &result.status);
      if (r->too_large || code == CURLE_FILESIZE_EXCEEDED) {
        result.error = r->kind == FetchKind::kPage ? "网页太大" : "图片太大";
      } else if (code != CURLE_OK) {
        result.error = TransferError(code, r->error);
      } else if (result.status < 200 || result.status > 299) {
        result.error = "服务器回答 " + std::to_string(result.status);
      } else if (r->kind == FetchKind::kPage) {
        if (IsHtmlType(result.content_type)) {
          result.text = PageTextToUtf8(r->body, DeclaredCharset(result.content_type, r->body));
          try {
            result.page = std::make_shared<HtmlPage>(result.text, result.final_url);
            result.ok = true;
          } catch (const std::exception&) {
            result.error = "网页无法显示";
          }
        } else {
          result.error = "不是网页：" + result.content_type;
        }
      } else {
        try {
          result.image = std::make_shared<WebImage>(DecodeWebImage(
              std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(r->body.data()), r->body.size())));
          result.ok = true;
        } catch (const std::exception& e) {
          result.error = e.what();
        }
      }
      r->body.clear();
      r->body.shrink_to_fit();
      Deliver(std::move(r), std::move(result));
    }
    if (stop.stop_requested()) break;
    Curl().multi_poll(multi, nullptr, 0, 1000, nullptr);
  }
  for (auto& r : active) drop(r);
  active.clear();
}

}  // namespace web
