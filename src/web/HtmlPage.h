// One HTML document laid out with litehtml and painted on the toolkit's canvas.
#pragma once

#include <litehtml.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/Font.h"

namespace web {

struct WebImage;

// A link of a laid-out page: its address as resolved against the page and its box in page
// coordinates: one box per line it takes, `box` the first of them.
struct PageLink {
  std::string url;
  gfx::Rect box;
  std::vector<gfx::Rect> boxes;
};

// The document container: fonts from gfx (characters a face lacks, Chinese above all, come from
// the fallback face), text, backgrounds, borders, list markers and pictures drawn on a gfx::Canvas,
// clipping through the canvas's clip stack. The page collects the addresses of the pictures it
// wants (TakeWantedImages) and shows them once SetImage gives them; it follows no link and loads
// no style sheet by itself. A page may be made on one thread and used on another, one at a time.
class HtmlPage final : public litehtml::document_container {
 public:
  // Parses `html` (UTF-8), cut off where it has too many elements or nests them too deeply (see LimitMarkup). `base_url` resolves the page's relative addresses. The view's width is
  // the media width of style sheet queries; Layout sets it.
  HtmlPage(std::string_view html, std::string base_url);
  HtmlPage(const HtmlPage&) = delete;
  HtmlPage& operator=(const HtmlPage&) = delete;
  ~HtmlPage();

  // Lays the page out for a view `width` x `height` pixels; returns the page's height.
  int Layout(int width, int height);
  int Width() const;
  int Height() const;
  // Paints the part of the page under `dirty` (view coordinates) with the page scrolled up by
  // `scroll_y` pixels. The canvas's state is left as it was found.
  void Paint(gfx::Canvas& canvas, int scroll_y, const gfx::Rect& dirty);

  // Pointer input in page coordinates. Move and press return true when the page's look changed
  // (a hover style), so the view repaints; a press and release on a link calls OnLinkClicked.
  bool MouseMove(int x, int y);
  bool MouseDown(int x, int y);
  bool MouseUp(int x, int y);
  bool MouseLeave();
  // Whether the pointer is over something that wants the hand (a link).
  bool OverLink() const { return cursor_ == "pointer"; }
  std::function<void(const std::string& url)> OnLinkClicked;

  // Addresses of the pictures the page asked for since the last call, each once, made absolute.
  std::vector<std::string> TakeWantedImages();
  // A picture for an address the page asked for; the caller lays out again afterwards.
  void SetImage(const std::string& url, std::shared_ptr<const WebImage> image);
  // The size a picture of the page was given, for tests; empty when it has none.
  gfx::Size ImageSize(const std::string& url) const;

  // Every link with an address, in document order, with its box in page coordinates.
  std::vector<PageLink> Links() const;
  // The link whose box holds the page point, or null.
  const PageLink* LinkAt(const std::vector<PageLink>& links, gfx::Point p) const;
  const std::string& Title() const { return title_; }
  const std::string& BaseUrl() const { return base_url_; }
  // An address of the page made absolute against its base.
  std::string Resolve(const std::string& url) const;

  // --- litehtml::document_container ---
  litehtml::uint_ptr create_font(const litehtml::tchar_t* face, int size, int weight,
                                 litehtml::font_style italic, unsigned int decoration,
                                 litehtml::font_metrics* fm) override;
  void delete_font(litehtml::uint_ptr font) override;
  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) override;
  void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr font,
                 litehtml::web_color color, const litehtml::position& pos) override;
  int pt_to_px(int pt) const override;
  int get_default_font_size() const override;
  const litehtml::tchar_t* get_default_font_name() const override;
  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
  void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool redraw_on_ready) override;
  void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                    bool root) override;
  void set_caption(const litehtml::tchar_t* caption) override;
  void set_base_url(const litehtml::tchar_t* base_url) override;
  void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
  void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& el) override;
  void set_cursor(const litehtml::tchar_t* cursor) override;
  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
  void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) override;
  void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& radius, bool valid_x,
                bool valid_y) override;
  void del_clip() override;
  void get_client_rect(litehtml::position& client) const override;
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t* tag_name,
                                                    const litehtml::string_map& attributes,
                                                    const std::shared_ptr<litehtml::document>& doc) override;
  void get_media_features(litehtml::media_features& media) const override;
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;
  void split_text(const char* text, const std::function<void(const litehtml::tchar_t*)>& on_word,
                  const std::function<void(const litehtml::tchar_t*)>& on_space) override;

 private:
  const WebImage* FindImage(const std::string& src, const char* baseurl) const;

  std::string base_url_;
  std::string title_;
  std::string cursor_;
  std::vector<std::string> wanted_;
  std::vector<std::unique_ptr<gfx::Font>> fonts_;  // a font handle is its index + 1
  std::map<std::string, std::shared_ptr<const WebImage>> images_;
  std::set<std::string> asked_;
  int view_width_ = 0;
  int view_height_ = 0;
  gfx::Canvas* canvas_ = nullptr;  // while Paint runs
  std::vector<size_t> clip_depths_;
  litehtml::context context_;  // the default style sheet, which the document refers to
  // Declared last: the document refers to the container and its fonts while it is destroyed.
  litehtml::document::ptr document_;
};

}  // namespace web
