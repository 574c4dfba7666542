// The web views' addresses, the shipped pages and which link addresses may leave the program.
#include "web/WebAddresses.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "gfx/FileIo.h"
#include "resources/WebResources.h"

namespace web {

namespace {

std::string LowerScheme(const std::string& url) {
  const size_t colon = url.find(':');
  if (colon == std::string::npos) return {};
  std::string scheme = url.substr(0, colon);
  std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return std::tolower(c); });
  return scheme;
}

// A file address for an absolute path: bytes other than unreserved ones and "/" are escaped.
std::string FileAddress(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

}  // namespace

std::string AddressSetting(const char* name, const char* built_in) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : built_in;
}

std::string AdsUrl() { return AddressSetting("ORVEL_ADS_URL", ORVEL_ADS_URL_DEFAULT); }
std::string DownloadsUrl() { return AddressSetting("ORVEL_DOWNLOADS_URL", ORVEL_DOWNLOADS_URL_DEFAULT); }

std::string HomeUrl() {
  std::string url = AddressSetting("ORVEL_HOME_URL", ORVEL_HOME_URL_DEFAULT);
  if (!url.empty()) return url;
  return WriteShippedHomePage(CacheFolder());
}

std::string CacheFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/orvel";
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') throw std::runtime_error("找不到用户的缓存文件夹");
  return std::string(home) + "/.cache/orvel";
}

std::optional<std::string> ShippedPageText(std::string_view name) {
  const auto shipped = resources::EmbeddedWebFile(name);
  if (!shipped) return std::nullopt;
  std::string text(reinterpret_cast<const char*>(shipped->data()), shipped->size());
  constexpr std::string_view kVersion = "@VERSION@";
  for (size_t at = text.find(kVersion); at != std::string::npos; at = text.find(kVersion, at)) {
    text.replace(at, kVersion.size(), ORVEL_VERSION);
  }
  return text;
}

std::string WriteShippedHomePage(const std::string& folder) {
  const std::optional<std::string> shipped = ShippedPageText("home.html");
  if (!shipped) throw std::logic_error("the shipped home page is missing from the build");
  const std::string& text = *shipped;
  const std::string path = folder + "/home.html";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw std::runtime_error("无法创建文件夹 " + folder + "：" + error.message());
  bool current = false;
  try {
    const std::vector<uint8_t> old = gfx::ReadWholeFile(path);
    current = std::string_view(reinterpret_cast<const char*>(old.data()), old.size()) == text;
  } catch (const std::exception&) {
    current = false;  // missing or unreadable: written anew
  }
  if (!current) {
    gfx::WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
  }
  return FileAddress(path);
}

bool IsWebAddress(const std::string& url) {
  const std::string scheme = LowerScheme(url);
  return (scheme == "http" || scheme == "https") && url.compare(scheme.size(), 3, "://") == 0;
}

bool IsLinkHandedOver(const std::string& url) {
  const std::string scheme = LowerScheme(url);
  if (scheme != "http" && scheme != "https" && scheme != "mailto") return false;
  // Control characters would be cut or reinterpreted by the handler; such an address is refused.
  return std::none_of(url.begin(), url.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

}  // namespace web
