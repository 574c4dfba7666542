// CurlLibrary: the network library's entry points, loaded when the first transfer is made.
#pragma once

#include <curl/curl.h>

namespace web {

// The program links the network library at run time rather than at start: it and the TLS, name
// and login libraries it pulls in make up a third of the libraries the program loads, and most
// runs show only the shipped pages and never fetch anything.
struct CurlLibrary {
  CURLcode (*global_init)(long flags);
  CURL* (*easy_init)();
  void (*easy_cleanup)(CURL* easy);
  CURLcode (*easy_setopt)(CURL* easy, CURLoption option, ...);
  CURLcode (*easy_getinfo)(CURL* easy, CURLINFO info, ...);
  const char* (*easy_strerror)(CURLcode code);
  CURLM* (*multi_init)();
  CURLMcode (*multi_cleanup)(CURLM* multi);
  CURLMcode (*multi_add_handle)(CURLM* multi, CURL* easy);
  CURLMcode (*multi_remove_handle)(CURLM* multi, CURL* easy);
  CURLMcode (*multi_perform)(CURLM* multi, int* running);
  CURLMsg* (*multi_info_read)(CURLM* multi, int* left);
  CURLMcode (*multi_poll)(CURLM* multi, curl_waitfd* extra, unsigned int count, int timeout_ms, int* ready);
  CURLMcode (*multi_wakeup)(CURLM* multi);
};

// Loads the library and runs its global set-up once for the whole program; later calls return the
// same entry points. Throws std::runtime_error when the library or one of its entry points is
// missing or its set-up fails (then every later call throws as well).
const CurlLibrary& Curl();

}  // namespace web
