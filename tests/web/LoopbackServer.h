// A small HTTP server on 127.0.0.1 with an ephemeral port, run by a test on a thread of its own.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace web_test {

struct Reply {
  int status = 200;
  std::string content_type = "text/html";
  std::string body;
  std::vector<std::string> headers;  // extra header lines, such as "Location: /b"
  bool silent = false;               // accept the request and never answer
};

inline Reply Answer(int status, std::string content_type, std::string body, std::vector<std::string> headers = {}) {
  Reply r;
  r.status = status;
  r.content_type = std::move(content_type);
  r.body = std::move(body);
  r.headers = std::move(headers);
  return r;
}
inline Reply Silent() {
  Reply r;
  r.silent = true;
  return r;
}

// Answers each request from its table of paths (404 for others) and closes the connection; a
// silent path holds its connection open until the client goes. Every request is logged.
class LoopbackServer {
 public:
  LoopbackServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(listener_, 16);
    socklen_t len = sizeof addr;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    ::pipe(stop_pipe_);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackServer() {
    const char byte = 1;
    (void)::write(stop_pipe_[1], &byte, 1);
    thread_.join();
    for (auto& [fd, client] : clients_) ::close(fd);
    ::close(listener_);
    ::close(stop_pipe_[0]);
    ::close(stop_pipe_[1]);
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  void Route(const std::string& path, Reply reply) {
    std::lock_guard lock(mutex_);
    routes_[path] = std::move(reply);
  }
  std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
  int Port() const { return port_; }

  // The request heads received so far, each whole ("GET /a HTTP/1.1\r\nHost: ...").
  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  // Silent connections the client has closed.
  int SilentClosed() const { return silent_closed_; }
  int SilentOpen() const { return silent_open_; }

 private:
  struct Client {
    std::string head;
    bool silent = false;
  };

  void Serve() {
    for (;;) {
      std::vector<pollfd> fds{{stop_pipe_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
      for (auto& [fd, client] : clients_) fds.push_back({fd, POLLIN, 0});
      if (::poll(fds.data(), fds.size(), -1) < 0) continue;
      if (fds[0].revents != 0) return;
      if (fds[1].revents & POLLIN) {
        const int fd = ::accept(listener_, nullptr, nullptr);
        if (fd >= 0) clients_[fd] = Client{};
      }
      for (size_t i = 2; i < fds.size(); ++i) {
        if (fds[i].revents == 0) continue;
        Read(fds[i].fd);
      }
    }
  }

  void Read(int fd) {
    Client& client = clients_[fd];
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) {
      if (client.silent) {
        --silent_open_;
        ++silent_closed_;
      }
      ::close(fd);
      clients_.erase(fd);
      return;
    }
    if (client.silent) return;
    client.head.append(buffer, n);
    const size_t end = client.head.find("\r\n\r\n");
    if (end == std::string::npos) return;
    const std::string head = client.head.substr(0, end);
    const size_t sp1 = head.find(' ');
    const size_t sp2 = head.find(' ', sp1 + 1);
    const std::string path = head.substr(sp1 + 1, sp2 - sp1 - 1);
    Reply reply;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(head);
      auto it = routes_.find(path);
      if (it == routes_.end()) {
        reply.status = 404;
        reply.body = "<html><body>not here</body></html>";
      } else {
        reply = it->second;
      }
    }
    if (reply.silent) {
      client.silent = true;
      ++silent_open_;
      return;
    }
    std::string out = "HTTP/1.1 " + std::to_string(reply.status) + " X\r\nContent-Type: " + reply.content_type +
                      "\r\nContent-Length: " + std::to_string(reply.body.size()) + "\r\nConnection: close\r\n";
    for (const std::string& h : reply.headers) out += h + "\r\n";
    out += "\r\n" + reply.body;
    size_t sent = 0;
    while (sent < out.size()) {
      const ssize_t w = ::send(fd, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
      if (w <= 0) break;
      sent += static_cast<size_t>(w);
    }
    ::close(fd);
    clients_.erase(fd);
  }

  int listener_ = -1;
  int port_ = 0;
  int stop_pipe_[2] = {-1, -1};
  mutable std::mutex mutex_;
  std::map<std::string, Reply> routes_;
  std::vector<std::string> requests_;
  std::map<int, Client> clients_;  // the server thread's only
  std::atomic<int> silent_open_{0};
  std::atomic<int> silent_closed_{0};
  std::thread thread_;
};

}  // namespace web_test
