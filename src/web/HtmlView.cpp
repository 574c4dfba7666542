// HtmlView: a plain control that shows one web page, fetched in the background, or its shipped page.
#include "web/HtmlView.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "gfx/Canvas.h"
#include "resources/WebResources.h"
#include "ui/Application.h"
#include "ui/ScrollBar.h"
#include "ui/Shell.h"
#include "web/HtmlPage.h"
#include "web/WebAddresses.h"
#include "web/WebImage.h"

namespace web {

namespace {

// Shipped pages are given addresses of their own, so their pictures resolve to names that only a
// shipped page may load.
constexpr std::string_view kShippedPrefix = "orvel-shipped://pages/";

}  // namespace

HtmlView::HtmlView(std::string shipped_page, FetchLimits limits)
    : shipped_page_(std::move(shipped_page)), limits_(limits) {
  SetColor(gfx::kWhite);
  SetParentColor(false);
  SetOpaque(true);
  bar_ = AddChild(std::make_unique<ui::ScrollBar>(ui::ScrollAxis::kVertical));
  bar_->SetVisible(false);
  bar_->SetLineStep(kWheelStep / 3);
  bar_->OnScroll = [this](ui::ScrollCode /*code*/, int32_t position) {
    scroll_ = position;
    Invalidate();
  };
}

HtmlView::~HtmlView() {
  // Stops the transfers before the page and the bar go.
  fetcher_.reset();
}

void HtmlView::Load(const std::string& url) {
  url_ = url;
  if (fetcher_) fetcher_->Cancel();
  ShowShipped();
  if (url.empty()) return;
  if (!IsWebAddress(url)) return;
  Fetcher* fetcher = NetworkFetcher();
  if (fetcher == nullptr) return;  // no network library: the shipped page stays
  fetcher->Get(url, FetchKind::kPage, [this](FetchResult& result) {
    if (!result.ok || !result.page) return;  // the shipped page stays
    ShowPage(std::move(result.page), false);
  });
}

size_t HtmlView::PendingTransfers() const { return fetcher_ ? fetcher_->Pending() : 0; }

Fetcher* HtmlView::NetworkFetcher() {
  // Made at the first transfer: loading the network library and starting the fetching thread
  // cost start-up time, and a view that only ever shows its shipped page never needs them.
  if (!fetcher_) {
    try {
      fetcher_ = std::make_unique<Fetcher>(limits_);
    } catch (const std::runtime_error&) {
      return nullptr;  // the network library is missing or failed to start
    }
  }
  return fetcher_.get();
}

void HtmlView::ShowShipped() {
  const std::optional<std::string> html = ShippedPageText(shipped_page_);
  ShowPage(std::make_shared<HtmlPage>(html.value_or("<html><body></body></html>"),
                                      std::string(kShippedPrefix) + shipped_page_),
           true);
}

void HtmlView::ShowPage(std::shared_ptr<HtmlPage> page, bool shipped) {
  shipped_ = shipped;
  scroll_ = 0;
  page_ = std::move(page);
  page_->OnLinkClicked = [this](const std::string& url) { OpenLink(url); };
  Relayout();
  LoadWantedImages();
  Invalidate();
  if (OnPageChanged) OnPageChanged();
}

void HtmlView::LoadWantedImages() {
  const std::vector<std::string> wanted = page_->TakeWantedImages();
  bool changed = false;
  for (const std::string& url : wanted) {
    if (shipped_) {
      // A shipped page's pictures are built in; it never reaches the network.
      if (!url.starts_with(kShippedPrefix)) continue;
      const auto bytes = resources::EmbeddedWebFile(std::string_view(url).substr(kShippedPrefix.size()));
      if (!bytes) continue;
      try {
        page_->SetImage(url, std::make_shared<WebImage>(DecodeWebImage(*bytes)));
        changed = true;
      } catch (const std::exception&) {
        // A broken built-in picture leaves its place empty; the page still shows.
      }
      continue;
    }
    if (!IsWebAddress(url)) continue;
    Fetcher* fetcher = NetworkFetcher();
    if (fetcher == nullptr) return;
    std::weak_ptr<HtmlPage> page = page_;
    fetcher->Get(url, FetchKind::kImage, [this, page, url](FetchResult& result) {
      if (!result.ok || page.lock() != page_) return;
      page_->SetImage(url, result.image);
      Relayout();
      LoadWantedImages();
      Invalidate();
      if (OnPageChanged) OnPageChanged();
    });
  }
  if (changed) {
    Relayout();
    // Laying out again may ask for more (pictures of styles that only now apply).
    LoadWantedImages();
  }
}

void HtmlView::OpenLink(const std::string& url) {
  if (!IsLinkHandedOver(url)) return;
  ui::OpenUrl(url);
}

gfx::Rect HtmlView::PageRect() const {
  gfx::Rect r = ClientRect();
  if (bar_->Visible()) r.right = std::max(r.left, r.right - ui::ScrollBar::kBreadth);
  return r;
}

void HtmlView::Relayout() {
  const int width = ClientWidth();
  const int height = ClientHeight();
  bar_->SetBounds(std::max(0, width - ui::ScrollBar::kBreadth), 0, ui::ScrollBar::kBreadth, height);
  if (!page_ || width <= 0 || height <= 0) {
    bar_->SetVisible(false);
    return;
  }
  int page_height = page_->Layout(width, height);
  bool bar = false;
  if (page_height > height && width > ui::ScrollBar::kBreadth) {
    bar = true;
    page_height = page_->Layout(width - ui::ScrollBar::kBreadth, height);
  }
  bar_->SetVisible(bar);
  const int max_scroll = std::max(0, page_height - height);
  scroll_ = std::clamp(scroll_, 0, max_scroll);
  bar_->SetInfo(ui::ScrollInfo{0, std::max(page_height - 1, 0), height, scroll_});
}

void HtmlView::ScrollTo(int y) {
  if (!page_) return;
  const int max_scroll = std::max(0, page_->Height() - ClientHeight());
  const int next = std::clamp(y, 0, max_scroll);
  if (next == scroll_) return;
  scroll_ = next;
  bar_->SetPosition(scroll_);
  Invalidate();
}

void HtmlView::Paint(gfx::Canvas& canvas) {
  const gfx::Rect area = PageRect();
  canvas.FillRect(area, GetColor());
  if (!page_) return;
  const gfx::Rect dirty = canvas.ClipBounds().Intersect(area);
  if (dirty.IsEmpty()) return;
  page_->Paint(canvas, scroll_, dirty);
}

void HtmlView::Resize() {
  WinControl::Resize();
  Relayout();
  Invalidate();
}

void HtmlView::MouseMove(ui::ShiftState shift, int x, int y) {
  WinControl::MouseMove(shift, x, y);
  if (!page_) return;
  if (page_->MouseMove(x, y + scroll_)) Invalidate();
  const ui::Cursor wanted = page_->OverLink() ? ui::Cursor::kHand : ui::Cursor::kDefault;
  if (wanted == GetCursor()) return;
  SetCursor(wanted);
  // The form chose the cursor before this move reached the page; it takes the new one now.
  if (ui::Application* app = ui::Application::Current()) app->MouseMovedOver(this, ClientToScreen({x, y}));
}

void HtmlView::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (page_ && button == ui::MouseButton::kLeft && page_->MouseDown(x, y + scroll_)) Invalidate();
}

void HtmlView::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  WinControl::MouseUp(button, shift, x, y);
  if (page_ && button == ui::MouseButton::kLeft && page_->MouseUp(x, y + scroll_)) Invalidate();
}

void HtmlView::MouseLeave() {
  WinControl::MouseLeave();
  if (page_ && page_->MouseLeave()) Invalidate();
  SetCursor(ui::Cursor::kDefault);
}

bool HtmlView::MouseWheel(ui::ShiftState shift, int delta, int x, int y) {
  if (WinControl::MouseWheel(shift, delta, x, y)) return true;
  if (!page_ || !bar_->Visible()) return false;
  ScrollTo(scroll_ - delta * kWheelStep / 120);
  return true;
}

}  // namespace web
