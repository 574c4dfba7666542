// The web views' addresses, the shipped pages and which link addresses may leave the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace web {

// An address setting: the environment variable `name` when it is set (even to nothing), else the
// value the build was configured with.
std::string AddressSetting(const char* name, const char* built_in);

// The advertisement and recommended-downloads pages (empty: the shipped pages, no network use).
std::string AdsUrl();
std::string DownloadsUrl();

// The program's home page: ORVEL_HOME_URL when set, else the shipped home page written to the cache
// folder and given as a file address. Throws with the program's text when it cannot be written.
std::string HomeUrl();

// The cache folder of the program: $XDG_CACHE_HOME/orvel when that is an absolute path, else
// $HOME/.cache/orvel.
std::string CacheFolder();

// The text of a shipped page (a file name such as "downloads.html") with the program's version
// filled in where the page says "@VERSION@"; nothing when the program has no such page.
std::optional<std::string> ShippedPageText(std::string_view name);

// Writes the shipped home page, with the program's version filled in, into `folder` (created when
// missing) unless the same text is there already; returns its file address.
std::string WriteShippedHomePage(const std::string& folder);

// Whether an address is one the views fetch: http or https, in any case.
bool IsWebAddress(const std::string& url);

// Whether a link of a page may go to the desktop's handler: http, https and mailto addresses only,
// so a page can never have a local file, a desktop file or a script opened.
bool IsLinkHandedOver(const std::string& url);

}  // namespace web
