// The address the help page's home-page link shows and opens.
#include "app/HomePageAddress.h"

#include <cstdlib>
#include <exception>
#include <filesystem>

#include "web/WebAddresses.h"

namespace app {

std::string HomePageAddress() {
  try {
    return web::HomeUrl();
  } catch (const std::exception&) {
    // The cache folder is out of reach; the temporary folder below is tried instead.
  }
  try {
    // A folder made only for this run and readable only by the user: a fixed name in a shared
    // temporary folder could be taken over by another user before the page is written.
    std::string folder = (std::filesystem::temp_directory_path() / "orvel-home-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) return {};
    return web::WriteShippedHomePage(folder);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace app
