#include "web/CurlLibrary.h"

#include <dlfcn.h>

#include <stdexcept>

namespace web {

namespace {

template <typename Fn>
void Resolve(void* handle, const char* name, Fn& fn) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr) throw std::runtime_error("网络库无法载入");
  fn = reinterpret_cast<Fn>(symbol);
}

CurlLibrary Load() {
  // Never closed: the library's global state lives until the program ends.
  void* handle = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) throw std::runtime_error("网络库无法载入");
  CurlLibrary lib{};
  Resolve(handle, "curl_global_init", lib.global_init);
  Resolve(handle, "curl_easy_init", lib.easy_init);
  Resolve(handle, "curl_easy_cleanup", lib.easy_cleanup);
  Resolve(handle, "curl_easy_setopt", lib.easy_setopt);
  Resolve(handle, "curl_easy_getinfo", lib.easy_getinfo);
  Resolve(handle, "curl_easy_strerror", lib.easy_strerror);
  Resolve(handle, "curl_multi_init", lib.multi_init);
  Resolve(handle, "curl_multi_cleanup", lib.multi_cleanup);
  Resolve(handle, "curl_multi_add_handle", lib.multi_add_handle);
  Resolve(handle, "curl_multi_remove_handle", lib.multi_remove_handle);
  Resolve(handle, "curl_multi_perform", lib.multi_perform);
  Resolve(handle, "curl_multi_info_read", lib.multi_info_read);
  Resolve(handle, "curl_multi_poll", lib.multi_poll);
  Resolve(handle, "curl_multi_wakeup", lib.multi_wakeup);
  if (lib.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) throw std::runtime_error("网络库无法初始化");
  return lib;
}

}  // namespace

const CurlLibrary& Curl() {
  // A static initialised by a throwing function is tried again on the next call, so a failure is
  // reported every time and never leaves half-resolved entry points behind.
  static const CurlLibrary lib = Load();
  return lib;
}

}  // namespace web
