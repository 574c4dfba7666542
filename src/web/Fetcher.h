// Fetching pages and their pictures over HTTP and HTTPS on a thread of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ui {
class Application;
}

namespace web {

class HtmlPage;
struct WebImage;

enum class FetchKind : uint8_t { kPage, kImage };

// What one fetch gave. On success a page has its text in UTF-8 and is parsed (not yet laid out),
// and a picture is decoded; on failure `error` says why, in the program's words.
struct FetchResult {
  std::string url;        // as asked for
  std::string final_url;  // after redirects; the base for the page's relative addresses
  bool ok = false;
  std::string error;
  long status = 0;        // the HTTP status, 0 when none came
  std::string content_type;
  std::string text;
  std::shared_ptr<HtmlPage> page;
  std::shared_ptr<const WebImage> image;
};

// Limits of every transfer. The defaults are the program's; tests shorten the times.
struct FetchLimits {
  long connect_timeout_ms = 10'000;
  long total_timeout_ms = 30'000;
  long max_redirects = 5;
  size_t max_page_bytes = size_t{4} << 20;
  size_t max_image_bytes = size_t{8} << 20;
};

// The user agent every request sends: the program's name and version.
std::string UserAgent();

// One thread per fetcher runs every transfer of its owner (a web view): only http and https, the
// certificates verified, compressed transfer accepted, no cookies kept. Transfers run side by side;
// a page's text is converted to UTF-8 and parsed, and a picture decoded, on that thread too, so the
// UI thread never waits on the network, on parsing or on decoding. Made, used and destroyed on the
// UI thread.
class Fetcher {
 public:
  // Runs on the UI thread with the result. Never called after Cancel or destruction.
  using Done = std::function<void(FetchResult& result)>;

  explicit Fetcher(FetchLimits limits = {});
  Fetcher(const Fetcher&) = delete;
  Fetcher& operator=(const Fetcher&) = delete;
  // Cancels every transfer and joins the thread; returns at once even while a server is silent.
  ~Fetcher();

  // Queues a fetch; `done` comes through the application's queue of calls for the UI thread.
  // An address other than http or https fails there too, without any transfer.
  void Get(const std::string& url, FetchKind kind, Done done);
  // Drops every queued and running transfer; none of their results is delivered.
  void Cancel();
  // Transfers asked for and not yet delivered or cancelled.
  size_t Pending() const;

 private:
  struct Request;
  struct Shared;

  void Run(std::stop_token stop);
  void Deliver(std::unique_ptr<Request> request, FetchResult result);

  FetchLimits limits_;
  ui::Application* app_;
  // Lives as long as the fetcher; results queued for the UI thread check it (and the generation)
  // before they call back, so a result never reaches a fetcher that is gone or was cancelled.
  std::shared_ptr<Shared> shared_;
  std::jthread thread_;
};

}  // namespace web
