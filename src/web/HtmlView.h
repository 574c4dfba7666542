// HtmlView: a plain control that shows one web page, fetched in the background, or its shipped page.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/WinControl.h"
#include "web/Fetcher.h"

namespace ui {
class ScrollBar;
}

namespace web {

class HtmlPage;

// Shows the page of an address, laid out at the view's width and scrolled with the wheel and a
// vertical bar when taller than the view. It shows its shipped page (one of the pages built into
// the program) when it has no address, while its page is on the way, and whenever fetching fails
// for any reason, so it is never blank and never shows an error text.
//
// A click on a link hands the address to the desktop's handler when it is an http, https or mailto
// address; anything else is ignored. A fetched page loads its pictures only from http and https
// addresses, never from local files or the program's own pages.
class HtmlView : public ui::WinControl {
 public:
  // `shipped_page`: the file name of the shipped page, such as "downloads.html".
  explicit HtmlView(std::string shipped_page, FetchLimits limits = {});
  ~HtmlView() override;

  // Starts showing `url` without waiting: the shipped page at once, the fetched one when it comes.
  // Any transfer of the page shown before is cancelled.
  void Load(const std::string& url);
  const std::string& Url() const { return url_; }
  bool ShowsShippedPage() const { return shipped_; }
  // The page on view (never null once the view has been loaded).
  HtmlPage* Page() const { return page_.get(); }
  // Transfers of this view still running or queued.
  size_t PendingTransfers() const;

  // How far the page is scrolled up, in pixels, and moving it (clamped to the page).
  int ScrollPosition() const { return scroll_; }
  void ScrollTo(int y);
  ui::ScrollBar* VerticalBar() const { return bar_; }
  // Pixels one wheel notch scrolls.
  static constexpr int kWheelStep = 48;

  // Called after a page comes on view (the shipped one included) and after its pictures arrive.
  std::function<void()> OnPageChanged;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void Resize() override;
  void MouseMove(ui::ShiftState shift, int x, int y) override;
  void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  bool MouseWheel(ui::ShiftState shift, int delta, int x, int y) override;

 private:
  // The fetcher, made on first use; null when the network library cannot be loaded.
  Fetcher* NetworkFetcher();
  void ShowShipped();
  void ShowPage(std::shared_ptr<HtmlPage> page, bool shipped);
  void LoadWantedImages();
  void OpenLink(const std::string& url);
  // Lays the page out at the view's size, with room for the bar when the page is taller.
  void Relayout();
  gfx::Rect PageRect() const;

  std::string shipped_page_;
  std::string url_;
  bool shipped_ = true;
  std::shared_ptr<HtmlPage> page_;
  int scroll_ = 0;
  ui::ScrollBar* bar_ = nullptr;
  FetchLimits limits_;
  // Declared last, destroyed first: its results must never reach a half-destroyed view.
  std::unique_ptr<Fetcher> fetcher_;
};

}  // namespace web
