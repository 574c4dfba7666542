// One HTML document laid out with litehtml and painted on the toolkit's canvas.
#include "web/HtmlPage.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "gfx/TextUtf8.h"
#include "web/UrlResolve.h"
#include "web/MasterStyle.h"
#include "web/MarkupLimit.h"
#include "web/WebImage.h"

namespace web {

namespace {

gfx::Canvas& CanvasOf(litehtml::uint_ptr hdc) { return *reinterpret_cast<gfx::Canvas*>(hdc); }

gfx::Color ColorOf(const litehtml::web_color& c) { return gfx::Rgb(c.red, c.green, c.blue); }

gfx::Rect RectOf(const litehtml::position& p) { return {p.x, p.y, p.x + p.width, p.y + p.height}; }

// Fills a rectangle in a colour that may be translucent.
void FillColor(gfx::Canvas& canvas, const gfx::Rect& r, const litehtml::web_color& c) {
  if (c.alpha == 0 || r.IsEmpty()) return;
  if (c.alpha == 255) {
    canvas.FillRect(r, ColorOf(c));
  } else {
    canvas.BlendRect(r, ColorOf(c), c.alpha);
  }
}

// The first family of a CSS font-family list, without quotes.
std::string FirstFamily(const char* list) {
  std::string all = list != nullptr ? list : "";
  std::string first = all.substr(0, all.find(','));
  first.erase(std::remove_if(first.begin(), first.end(), [](char c) { return c == '"' || c == '\''; }),
              first.end());
  const size_t start = first.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return "sans-serif";
  const size_t end = first.find_last_not_of(" \t\r\n");
  return first.substr(start, end - start + 1);
}

// Draws a picture stretched (nearest neighbour) into `dst`, mixing translucent pixels with what
// lies below.
void DrawImage(gfx::Canvas& canvas, const WebImage& image, const gfx::Rect& dst) {
  if (dst.IsEmpty() || image.pixels.Width() == 0 || image.pixels.Height() == 0) return;
  if (!image.HasAlpha()) {
    canvas.StretchDraw(dst, image.pixels);
    return;
  }
  const gfx::Rect visible = dst.Intersect(canvas.ClipBounds());
  const int64_t sw = image.pixels.Width();
  const int64_t sh = image.pixels.Height();
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    const int32_t sy = static_cast<int32_t>((y - dst.top) * sh / dst.Height());
    const uint8_t* row = image.pixels.Row(sy);
    const uint8_t* alpha = image.alpha.data() + sy * sw;
    for (int32_t x = visible.left; x < visible.right; ++x) {
      const int32_t sx = static_cast<int32_t>((x - dst.left) * sw / dst.Width());
      const uint32_t a = alpha[sx];
      if (a == 0) continue;
      const uint8_t b = row[sx * 3], g = row[sx * 3 + 1], r = row[sx * 3 + 2];
      if (a == 255) {
        canvas.SetPixel(x, y, gfx::Rgb(r, g, b));
        continue;
      }
      const gfx::Color under = canvas.Pixel(x, y);
      if (under == gfx::Canvas::kInvalidColor) continue;
      auto mix = [a](uint32_t src, uint32_t dst_channel) {
        return static_cast<uint8_t>((src * a + dst_channel * (255 - a) + 127) / 255);
      };
      canvas.SetPixel(x, y, gfx::Rgb(mix(r, gfx::Red(under)), mix(g, gfx::Green(under)), mix(b, gfx::Blue(under))));
    }
  }
}

}  // namespace

HtmlPage::HtmlPage(std::string_view html, std::string base_url) : base_url_(std::move(base_url)) {
  context_.load_master_stylesheet(std::string(MasterStyleSheet()).c_str());
  document_ = litehtml::document::createFromUTF8(std::string(LimitMarkup(html)).c_str(), this, &context_);
}

HtmlPage::~HtmlPage() { document_.reset(); }

int HtmlPage::Layout(int width, int height) {
  view_width_ = std::max(width, 1);
  view_height_ = std::max(height, 1);
  document_->media_changed();
  document_->render(view_width_);
  return document_->height();
}

int HtmlPage::Width() const { return document_->width(); }
int HtmlPage::Height() const { return document_->height(); }

void HtmlPage::Paint(gfx::Canvas& canvas, int scroll_y, const gfx::Rect& dirty) {
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(dirty);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas_ = &canvas;
  clip_depths_.clear();
  const litehtml::position clip(dirty.left, dirty.top, dirty.Width(), dirty.Height());
  document_->draw(reinterpret_cast<litehtml::uint_ptr>(&canvas), 0, -scroll_y, &clip);
  canvas_ = nullptr;
}

bool HtmlPage::MouseMove(int x, int y) {
  litehtml::position::vector boxes;
  return document_->on_mouse_over(x, y, x, y, boxes);
}

bool HtmlPage::MouseDown(int x, int y) {
  litehtml::position::vector boxes;
  return document_->on_lbutton_down(x, y, x, y, boxes);
}

bool HtmlPage::MouseUp(int x, int y) {
  litehtml::position::vector boxes;
  return document_->on_lbutton_up(x, y, x, y, boxes);
}

bool HtmlPage::MouseLeave() {
  litehtml::position::vector boxes;
  cursor_.clear();
  return document_->on_mouse_leave(boxes);
}

std::vector<std::string> HtmlPage::TakeWantedImages() {
  std::vector<std::string> wanted;
  wanted.swap(wanted_);
  return wanted;
}

void HtmlPage::SetImage(const std::string& url, std::shared_ptr<const WebImage> image) {
  if (image) images_[url] = std::move(image);
}

gfx::Size HtmlPage::ImageSize(const std::string& url) const {
  auto it = images_.find(url);
  if (it == images_.end()) return {};
  return it->second->pixels.GetSize();
}

std::vector<PageLink> HtmlPage::Links() const {
  std::vector<PageLink> links;
  if (!document_ || !document_->root()) return links;
  for (const litehtml::element::ptr& el : document_->root()->select_all("a[href]")) {
    const char* href = el->get_attr("href");
    if (href == nullptr) continue;
    PageLink link{Resolve(href), {}, {}};
    const litehtml::element::ptr parent = el->parent();
    if (el->get_display() == litehtml::display_inline && parent) {
      // An inline element's boxes are its pieces on each line, in its parent's coordinates.
      litehtml::position::vector boxes;
      el->get_inline_boxes(boxes);
      const litehtml::position origin = parent->get_placement();
      for (const litehtml::position& b : boxes) {
        link.boxes.push_back(RectOf(b).Offset(origin.x, origin.y));
      }
    } else {
      link.boxes.push_back(RectOf(el->get_placement()));
    }
    if (link.boxes.empty()) continue;
    link.box = link.boxes.front();
    links.push_back(std::move(link));
  }
  return links;
}

const PageLink* HtmlPage::LinkAt(const std::vector<PageLink>& links, gfx::Point p) const {
  for (const PageLink& link : links) {
    for (const gfx::Rect& box : link.boxes) {
      if (box.Contains(p)) return &link;
    }
  }
  return nullptr;
}

std::string HtmlPage::Resolve(const std::string& url) const {
  return ResolveUrl(base_url_, url);
}

const WebImage* HtmlPage::FindImage(const std::string& src, const char* /*baseurl*/) const {
  auto it = images_.find(Resolve(src));
  return it == images_.end() ? nullptr : it->second.get();
}

// --- fonts and text ---

litehtml::uint_ptr HtmlPage::create_font(const litehtml::tchar_t* face, int size, int weight,
                                         litehtml::font_style italic, unsigned int decoration,
                                         litehtml::font_metrics* fm) {
  gfx::FontStyle style = gfx::kFontRegular;
  if (weight >= 600) style = style | gfx::kFontBold;
  if (italic == litehtml::fontStyleItalic) style = style | gfx::kFontItalic;
  if ((decoration & litehtml::font_decoration_underline) != 0) style = style | gfx::kFontUnderline;
  if ((decoration & litehtml::font_decoration_linethrough) != 0) style = style | gfx::kFontStrikeOut;
  // A negative height asks for the em size, which is what CSS font sizes are.
  auto font = std::make_unique<gfx::Font>(FirstFamily(face), -std::clamp(size, 1, 512), style);
  if (fm != nullptr) {
    const gfx::FontMetrics m = font->Metrics();
    fm->ascent = m.ascent;
    fm->descent = m.descent;
    fm->height = m.height;
    fm->x_height = std::max(1, m.pixel_size / 2);
    fm->draw_spaces = (style & (gfx::kFontUnderline | gfx::kFontStrikeOut)) != 0;
  }
  fonts_.push_back(std::move(font));
  return fonts_.size();
}

void HtmlPage::delete_font(litehtml::uint_ptr font) {
  if (font >= 1 && font <= fonts_.size()) fonts_[font - 1].reset();
}

int HtmlPage::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) {
  if (font < 1 || font > fonts_.size() || !fonts_[font - 1]) return 0;
  return fonts_[font - 1]->TextWidth(text);
}

void HtmlPage::draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr font,
                         litehtml::web_color color, const litehtml::position& pos) {
  if (font < 1 || font > fonts_.size() || !fonts_[font - 1] || color.alpha == 0) return;
  gfx::Canvas& canvas = CanvasOf(hdc);
  gfx::Font f = *fonts_[font - 1];
  f.SetColor(ColorOf(color));
  gfx::CanvasSaver saver(canvas);
  canvas.SetFont(f);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  // The box's bottom is the line's descent below the baseline.
  const gfx::FontMetrics m = f.Metrics();
  canvas.TextOut(pos.x, pos.bottom() - m.height, text);
}

int HtmlPage::pt_to_px(int pt) const { return pt * 96 / 72; }
int HtmlPage::get_default_font_size() const { return 14; }
const litehtml::tchar_t* HtmlPage::get_default_font_name() const { return "sans-serif"; }

void HtmlPage::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
  if (tt == litehtml::text_transform_uppercase) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  } else if (tt == litehtml::text_transform_lowercase) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  } else if (tt == litehtml::text_transform_capitalize && !text.empty()) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  }
}

// Words end at spaces, and a line may also break around CJK characters (but not before closing
// punctuation), so Chinese text, which has no spaces, still wraps at the view's width.
void HtmlPage::split_text(const char* text, const std::function<void(const litehtml::tchar_t*)>& on_word,
                          const std::function<void(const litehtml::tchar_t*)>& on_space) {
  std::string word;
  auto flush = [&] {
    if (!word.empty()) on_word(word.c_str());
    word.clear();
  };
  const std::string_view all(text);
  bool break_after = false;  // the word ends in a character after which a line may break
  size_t pos = 0;
  while (pos < all.size()) {
    const size_t start = pos;
    const char32_t c = gfx::DecodeUtf8At(all, pos);
    const std::string_view bytes = all.substr(start, pos - start);
    if (c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\f') {
      flush();
      on_space(std::string(bytes).c_str());
      break_after = false;
      continue;
    }
    const bool cjk = gfx::IsCjkBreakable(c);
    if ((cjk || break_after) && !gfx::IsNoBreakBefore(c)) flush();
    word.append(bytes);
    break_after = cjk;
  }
  flush();
}

// --- boxes ---

void HtmlPage::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) {
  gfx::Canvas& canvas = CanvasOf(hdc);
  const gfx::Rect box = RectOf(marker.pos);
  if (!marker.image.empty()) {
    if (const WebImage* image = FindImage(marker.image, marker.baseurl)) DrawImage(canvas, *image, box);
    return;
  }
  const gfx::Color color = ColorOf(marker.color);
  gfx::CanvasSaver saver(canvas);
  canvas.Pen() = gfx::Pen{color};
  switch (marker.marker_type) {
    case litehtml::list_style_type_circle:
      canvas.Brush().style = gfx::BrushStyle::kClear;
      canvas.Ellipse(box);
      break;
    case litehtml::list_style_type_disc:
      canvas.Brush() = gfx::Brush{color};
      canvas.Ellipse(box);
      break;
    case litehtml::list_style_type_square:
      canvas.FillRect(box, color);
      break;
    default:
      break;
  }
}

void HtmlPage::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* /*baseurl*/, bool /*redraw*/) {
  if (src == nullptr || *src == '\0') return;
  const std::string url = Resolve(src);
  if (!asked_.insert(url).second) return;
  wanted_.push_back(url);
}

void HtmlPage::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) {
  sz.width = 0;
  sz.height = 0;
  if (src == nullptr) return;
  if (const WebImage* image = FindImage(src, baseurl)) {
    sz.width = image->pixels.Width();
    sz.height = image->pixels.Height();
  }
}

void HtmlPage::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) {
  gfx::Canvas& canvas = CanvasOf(hdc);
  const gfx::Rect clip = RectOf(bg.clip_box);
  FillColor(canvas, clip, bg.color);
  if (bg.image.empty()) return;
  const WebImage* image = FindImage(bg.image, bg.baseurl.c_str());
  if (image == nullptr || bg.image_size.width <= 0 || bg.image_size.height <= 0) return;
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(clip);
  const int w = bg.image_size.width;
  const int h = bg.image_size.height;
  const bool repeat_x = bg.repeat == litehtml::background_repeat_repeat ||
                        bg.repeat == litehtml::background_repeat_repeat_x;
  const bool repeat_y = bg.repeat == litehtml::background_repeat_repeat ||
                        bg.repeat == litehtml::background_repeat_repeat_y;
  // The first tile at or before the clip's edge, so tiles line up with the image's position.
  int x0 = bg.position_x;
  int y0 = bg.position_y;
  if (repeat_x) x0 -= ((x0 - clip.left + w - 1) / w) * w;
  if (repeat_y) y0 -= ((y0 - clip.top + h - 1) / h) * h;
  const int x1 = repeat_x ? clip.right : x0 + 1;
  const int y1 = repeat_y ? clip.bottom : y0 + 1;
  for (int y = y0; y < y1; y += h) {
    for (int x = x0; x < x1; x += w) DrawImage(canvas, *image, {x, y, x + w, y + h});
  }
}

void HtmlPage::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                            const litehtml::position& draw_pos, bool /*root*/) {
  gfx::Canvas& canvas = CanvasOf(hdc);
  const gfx::Rect r = RectOf(draw_pos);
  auto visible = [](const litehtml::border& b) {
    return b.width > 0 && b.style != litehtml::border_style_none && b.style != litehtml::border_style_hidden;
  };
  if (visible(borders.top)) FillColor(canvas, {r.left, r.top, r.right, r.top + borders.top.width}, borders.top.color);
  if (visible(borders.bottom)) {
    FillColor(canvas, {r.left, r.bottom - borders.bottom.width, r.right, r.bottom}, borders.bottom.color);
  }
  if (visible(borders.left)) {
    FillColor(canvas, {r.left, r.top, r.left + borders.left.width, r.bottom}, borders.left.color);
  }
  if (visible(borders.right)) {
    FillColor(canvas, {r.right - borders.right.width, r.top, r.right, r.bottom}, borders.right.color);
  }
}

void HtmlPage::set_clip(const litehtml::position& pos, const litehtml::border_radiuses& /*radius*/,
                        bool valid_x, bool valid_y) {
  if (canvas_ == nullptr) return;
  clip_depths_.push_back(canvas_->SaveDepth());
  canvas_->Save();
  gfx::Rect r = RectOf(pos);
  if (!valid_x) {
    r.left = INT_MIN / 2;
    r.right = INT_MAX / 2;
  }
  if (!valid_y) {
    r.top = INT_MIN / 2;
    r.bottom = INT_MAX / 2;
  }
  canvas_->IntersectClip(r);
}

void HtmlPage::del_clip() {
  if (canvas_ == nullptr || clip_depths_.empty()) return;
  canvas_->RestoreTo(clip_depths_.back());
  clip_depths_.pop_back();
}

// --- the page and its surroundings ---

void HtmlPage::set_caption(const litehtml::tchar_t* caption) { title_ = caption != nullptr ? caption : ""; }

void HtmlPage::set_base_url(const litehtml::tchar_t* base_url) {
  if (base_url != nullptr && *base_url != '\0') base_url_ = Resolve(base_url);
}

// Style sheets of other addresses are not loaded: a page shows with its own and the default styles.
void HtmlPage::link(const std::shared_ptr<litehtml::document>& /*doc*/, const litehtml::element::ptr& /*el*/) {}
void HtmlPage::import_css(litehtml::tstring& text, const litehtml::tstring& /*url*/, litehtml::tstring& /*baseurl*/) {
  text.clear();
}

void HtmlPage::on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& /*el*/) {
  if (url == nullptr || *url == '\0' || !OnLinkClicked) return;
  OnLinkClicked(Resolve(url));
}

void HtmlPage::set_cursor(const litehtml::tchar_t* cursor) { cursor_ = cursor != nullptr ? cursor : ""; }

void HtmlPage::get_client_rect(litehtml::position& client) const {
  client = litehtml::position(0, 0, view_width_, view_height_);
}

std::shared_ptr<litehtml::element> HtmlPage::create_element(const litehtml::tchar_t* /*tag_name*/,
                                                            const litehtml::string_map& /*attributes*/,
                                                            const std::shared_ptr<litehtml::document>& /*doc*/) {
  return nullptr;
}

void HtmlPage::get_media_features(litehtml::media_features& media) const {
  media.type = litehtml::media_type_screen;
  media.width = view_width_;
  media.height = view_height_;
  media.device_width = view_width_;
  media.device_height = view_height_;
  media.color = 8;
  media.monochrome = 0;
  media.color_index = 256;
  media.resolution = 96;
}

void HtmlPage::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
  language = "zh";
  culture = "zh-CN";
}

}  // namespace web
