// Contact sheet of a skin: the main window laid out as the program shows it, then every control
// record at a few sizes and in each state, drawn with the same builders the controls use.
#include "ContactSheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/Canvas.h"
#include "gfx/FileIo.h"
#include "gfx/Font.h"
#include "gfx/Region.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinEditRecords.h"
#include "skin/data/SkinListRecords.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/data/SkinRangeRecords.h"
#include "skin/data/SkinViewRecords.h"
#include "skin/data/SkinWindowRecords.h"
#include "skin/render/BorderStrips.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/SkinImage.h"
#include "skin/render/SkinStrip.h"
#include "skin/storage/StoredSkin.h"

namespace skingen {

namespace {

using gfx::Color;
using gfx::Rect;

enum State { kNormal, kHot, kDown, kDisabled };

class Review {
 public:
  Review(const skin::TskSkinData& data, gfx::Bitmap& target) : data_(data), canvas_(target) {}

  gfx::Canvas& Canvas() { return canvas_; }

  template <class T>
  const T& Record(const char* name) const {
    const T* r = data_.FindControlRecord<T>(name);
    if (!r) throw std::runtime_error(std::string("the skin has no usable record ") + name);
    return *r;
  }
  const gfx::Bitmap& Picture(int32_t index) const {
    const gfx::Bitmap* p = data_.ActivePicture(index);
    if (!p) throw std::runtime_error("missing picture " + std::to_string(index));
    return *p;
  }

  // The image of `source` fitted to w x h by the record's sizing kind, as a control builds it.
  gfx::Bitmap Fit(const skin::TskDataSkinCustomControl& r, const gfx::Bitmap& pic, const Rect& source, int32_t w,
                  int32_t h) const {
    gfx::Bitmap out;
    const int32_t sw = source.Width();
    const int32_t sh = source.Height();
    if (r.rightbottompoint.x != 0 && r.rightbottompoint.y != 0) {
      const skin::SkinSource src{source, r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint,
                                 r.clientrect};
      skin::BuildSkinImage(out, pic, src, skin::UsualTarget(src, w, h), true);
    } else if (r.righttoppoint.x != 0 || r.righttoppoint.y != 0) {
      skin::BuildHorzStrip(out, r.lefttoppoint.x, sw - r.righttoppoint.x, w, source, pic);
    } else if (r.leftbottompoint.x != 0 || r.leftbottompoint.y != 0) {
      skin::BuildVertStrip(out, r.lefttoppoint.y, sh - r.leftbottompoint.y, h, source, pic);
    } else {
      out = gfx::Bitmap(sw, sh, 24);
      gfx::Canvas c(out);
      c.CopyRect({0, 0}, pic, source);
    }
    return out;
  }

  // Draws `image` at (x, y), leaving out what the record's mask (fitted the same way) marks outside.
  void Put(const gfx::Bitmap& image, int32_t x, int32_t y, const skin::TskDataSkinCustomControl* masked = nullptr) {
    std::optional<gfx::Bitmap> mask;
    if (masked && masked->maskpictureindex >= 0) {
      const gfx::Bitmap mask24 = Picture(masked->maskpictureindex).ToBgr24();
      mask = Fit(*masked, mask24, mask24.Bounds(), image.Width(), image.Height());
    }
    for (int32_t j = 0; j < image.Height(); ++j) {
      for (int32_t i = 0; i < image.Width(); ++i) {
        if (mask && mask->Pixel(i, j) != gfx::kBlack) continue;
        canvas_.SetPixel(x + i, y + j, image.Pixel(i, j));
      }
    }
  }

  void Text(const Rect& r, const std::string& text, Color color, gfx::DrawTextFlags flags, int32_t height = 14,
            gfx::FontStyle style = gfx::kFontRegular) {
    gfx::CanvasSaver saver(canvas_);
    canvas_.SetFont(gfx::Font("Arial", height, style, color));
    canvas_.Brush().style = gfx::BrushStyle::kClear;
    Rect box = r;
    canvas_.DrawText(box, text, flags | gfx::kDtSingleLine | gfx::kDtNoPrefix);
  }
  void Label(int32_t x, int32_t y, const std::string& text) {
    Text({x, y, x + 700, y + 14}, text, gfx::Rgb(110, 118, 130), gfx::kDtLeft, 12);
  }
  void Plain(int32_t x, int32_t y, const std::string& text, Color c = gfx::Rgb(32, 36, 44)) {
    Text({x, y, x + 300, y + 14}, text, c, gfx::kDtLeft, 11);
  }
  // A copy of a picture rectangle, with its bottom-left pixel's colour transparent when keyed.
  void Copy(int32_t picture, const Rect& src, int32_t x, int32_t y, bool keyed = false) {
    const gfx::Bitmap pic = Picture(picture).ToBgr24();
    if (keyed) {
      canvas_.CopyTransparent({x, y}, pic, src, pic.Pixel(src.left, src.bottom - 1));
    } else {
      canvas_.CopyRect({x, y}, pic, src);
    }
  }

  // ---- controls ----

  void Button(const char* name, int32_t x, int32_t y, int32_t w, int32_t h, const std::string& caption, State s) {
    const auto& r = Record<skin::TskDataSkinButtonControl>(name);
    const Rect src = s == kHot ? r.activeskinrect : s == kDown ? r.downskinrect : r.skinrect;
    if (r.righttoppoint.x != 0 && r.rightbottompoint.x == 0) h = r.skinrect.Height();
    Put(Fit(r, Picture(r.pictureindex), src, w, h), x, y, &r);
    const Color color = s == kDisabled ? r.disabledfontcolor : s == kHot ? r.activefontcolor
                        : s == kDown ? r.downfontcolor : r.font.fontcolor;
    const int32_t dw = w - r.skinrect.Width();
    const int32_t dh = r.rightbottompoint.x != 0 ? h - r.skinrect.Height() : 0;
    Rect client{r.clientrect.left, r.clientrect.top, r.clientrect.right + dw, r.clientrect.bottom + dh};
    client = client.Offset(x + (s == kDown), y + (s == kDown));
    if (!caption.empty()) Text(client, caption, color, gfx::kDtCenter | gfx::kDtVCenter);
  }

  void Check(const char* name, int32_t x, int32_t y, const std::string& caption, bool checked, State s) {
    const auto& r = Record<skin::TskDataSkinCheckRadioControl>(name);
    const Rect img = s == kDisabled ? (checked ? r.unenabledcheckimagerect : r.unenableduncheckimagerect)
                     : s == kHot   ? (checked ? r.activecheckimagerect : r.activeuncheckimagerect)
                                   : (checked ? r.checkimagerect : r.uncheckimagerect);
    const int32_t h = 25;
    Copy(r.pictureindex, img, x + 3, y + h / 2 - img.Height() / 2, true);
    const Color color = s == kDisabled ? r.unenabledfontcolor : r.framefontcolor;
    Text({x + img.Width() + 7, y, x + 200, y + h}, caption, color, gfx::kDtLeft | gfx::kDtVCenter);
  }

  void Track(const char* name, int32_t x, int32_t y, int32_t length, int value, bool active) {
    const auto& r = Record<skin::TskDataSkinTrackBarControl>(name);
    const bool vertical = r.vertical;
    const int32_t w = vertical ? r.skinrect.Width() : length;
    const int32_t h = vertical ? length : r.skinrect.Height();
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, h), x, y, &r);
    Rect area = r.trackarea;
    if (vertical) {
      area.bottom += h - r.skinrect.Height();
    } else {
      area.right += w - r.skinrect.Width();
    }
    const Rect thumb = active ? r.activebuttonrect : r.buttonrect;
    const int32_t tw = thumb.Width();
    const int32_t th = thumb.Height();
    const double q = value / 100.0;
    if (vertical) {
      const int32_t start = area.top + th / 2;
      const int32_t end = area.bottom - th / 2;
      const int32_t offset = static_cast<int32_t>(std::nearbyint((end - start) * q));
      const int32_t cx = area.left + area.Width() / 2;
      Copy(r.pictureindex, thumb, x + cx - tw / 2, y + end - offset - th / 2);
    } else {
      const int32_t start = area.left + tw / 2;
      const int32_t end = area.right - tw / 2;
      const int32_t offset = static_cast<int32_t>(std::nearbyint((end - start) * q));
      const int32_t cy = area.top + area.Height() / 2;
      Copy(r.pictureindex, thumb, x + start + offset - tw / 2, y + cy - th / 2);
    }
  }

  void Gauge(const char* name, int32_t x, int32_t y, int32_t length, int value) {
    const auto& r = Record<skin::TskDataSkinGaugeControl>(name);
    const int32_t w = r.vertical ? r.skinrect.Width() : length;
    const int32_t h = r.vertical ? length : r.skinrect.Height();
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, h), x, y, &r);
    Rect area = r.progressarea;
    const gfx::Bitmap pic = Picture(r.pictureindex).ToBgr24();
    const Rect s = r.progressrect;
    if (r.vertical) {
      area.bottom += h - r.skinrect.Height();
      const int32_t filled = static_cast<int32_t>(std::nearbyint(area.Height() * value / 100.0));
      for (int32_t yy = area.bottom; yy > area.bottom - filled; yy -= s.Height()) {
        const int32_t piece = std::min(s.Height(), yy - (area.bottom - filled));
        canvas_.CopyRect({x + area.left, y + yy - piece}, pic, {s.left, s.bottom - piece, s.right, s.bottom});
      }
    } else {
      area.right += w - r.skinrect.Width();
      const int32_t filled = static_cast<int32_t>(std::nearbyint(area.Width() * value / 100.0));
      for (int32_t xx = 0; xx < filled; xx += s.Width()) {
        const int32_t piece = std::min(s.Width(), filled - xx);
        canvas_.CopyRect({x + area.left + xx, y + area.top}, pic, {s.left, s.top, s.left + piece, s.bottom});
      }
      Text({x, y, x + w, y + h}, std::to_string(value) + "%", r.font.fontcolor, gfx::kDtCenter | gfx::kDtVCenter);
    }
  }

  void Edit(const char* name, int32_t x, int32_t y, int32_t w, const std::string& text, State s) {
    const auto& r = Record<skin::TskDataSkinEditControl>(name);
    const bool active = s == kHot || s == kDown;
    Put(Fit(r, Picture(r.pictureindex), active ? r.activeskinrect : r.skinrect, w, r.skinrect.Height()), x, y, &r);
    const Color color = s == kDisabled ? r.disabledfontcolor : active ? r.activefontcolor : r.font.fontcolor;
    const int32_t dw = w - r.skinrect.Width();
    Rect client = Rect{r.clientrect.left, r.clientrect.top, r.clientrect.right + dw, r.clientrect.bottom}.Offset(x, y);
    if (!r.buttonrect.IsEmpty()) {
      const Rect b = r.buttonrect.Offset(x + dw, y);
      client.right = b.left - 1;
      if (s == kDown) Copy(r.pictureindex, r.downbuttonrect, b.left, b.top);
      if (s == kHot) Copy(r.pictureindex, r.activebuttonrect, b.left, b.top);
      if (s == kDisabled) Copy(r.pictureindex, r.unenabledbuttonrect, b.left, b.top);
      if (s == kNormal) Copy(r.pictureindex, r.activebuttonrect, b.left, b.top);
    }
    Text(client, text, color, gfx::kDtLeft | gfx::kDtVCenter);
  }

  void Combo(const char* name, int32_t x, int32_t y, int32_t w, const std::string& text, State s) {
    const auto& r = Record<skin::TskDataSkinComboBox>(name);
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, r.skinrect.Height()), x, y, &r);
    const int32_t dw = w - r.skinrect.Width();
    const Rect b = r.buttonrect.Offset(x + dw, y);
    if (s == kHot) Copy(r.pictureindex, r.activebuttonrect, b.left, b.top);
    if (s == kDown) Copy(r.pictureindex, r.downbuttonrect, b.left, b.top);
    if (s == kDisabled) Copy(r.pictureindex, r.unenabledbuttonrect, b.left, b.top);
    const Rect client = Rect{r.clientrect.left, r.clientrect.top, r.clientrect.right + dw, r.clientrect.bottom}.Offset(x, y);
    Text(client, text, s == kDisabled ? gfx::Rgb(150, 157, 168) : r.font.fontcolor, gfx::kDtLeft | gfx::kDtVCenter);
  }

  void Spin(const char* name, int32_t x, int32_t y, int32_t w, const std::string& text, State s) {
    const auto& r = Record<skin::TskDataSkinSpinEditControl>(name);
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, r.skinrect.Height()), x, y, &r);
    const int32_t dw = w - r.skinrect.Width();
    if (s == kHot) Copy(r.pictureindex, r.activeupbuttonrect, x + r.upbuttonrect.left + dw, y + r.upbuttonrect.top);
    if (s == kDown) Copy(r.pictureindex, r.downdownbuttonrect, x + r.downbuttonrect.left + dw, y + r.downbuttonrect.top);
    const Rect client = Rect{r.clientrect.left, r.clientrect.top, r.clientrect.right + dw, r.clientrect.bottom}.Offset(x, y);
    Text(client, text, s == kDisabled ? r.disabledfontcolor : r.font.fontcolor, gfx::kDtLeft | gfx::kDtVCenter);
  }

  void List(const char* name, int32_t x, int32_t y, int32_t w, int32_t h, const std::vector<std::string>& items,
            int hot, int focus, const std::string& caption = "") {
    const auto& r = Record<skin::TskDataSkinListBox>(name);
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, h), x, y, &r);
    const int32_t dw = w - r.skinrect.Width();
    if (!r.captionrect.IsEmpty()) {
      const Rect cap{r.captionrect.left, r.captionrect.top, r.captionrect.right + dw, r.captionrect.bottom};
      Text(cap.Offset(x, y), caption, r.captionfont.fontcolor, gfx::kDtLeft | gfx::kDtVCenter, 14, gfx::kFontBold);
    }
    const int32_t iw = w - r.clientrect.left - (r.skinrect.Width() - r.clientrect.right) - 2;
    int32_t iy = y + r.clientrect.top + 1;
    const gfx::Bitmap pic = Picture(r.pictureindex).ToBgr24();
    for (size_t i = 0; i < items.size(); ++i) {
      const Rect src = static_cast<int>(i) == focus ? r.focusitemrect : static_cast<int>(i) == hot ? r.activeitemrect : r.itemrect;
      gfx::Bitmap strip;
      skin::BuildHorzStrip(strip, r.itemleftoffset, r.itemrightoffset, iw, src, pic);
      const int32_t ix = x + r.clientrect.left + 1;
      canvas_.Draw(ix, iy, strip);
      const Color c = static_cast<int>(i) == focus ? r.focusfontcolor
                      : static_cast<int>(i) == hot ? r.activefontcolor
                                                   : r.font.fontcolor;
      int32_t tx = ix + r.itemtextrect.left;
      if (const auto* check = dynamic_cast<const skin::TskDataSkinCheckListBox*>(&r)) {
        Copy(r.pictureindex, i % 2 ? check->uncheckimagerect : check->checkimagerect, ix + check->itemcheckrect.left,
             iy + check->itemcheckrect.top, true);
        tx += check->itemcheckrect.right;
      }
      Text({tx, iy, ix + iw - 4, iy + strip.Height()}, items[i], c, gfx::kDtLeft | gfx::kDtVCenter);
      iy += strip.Height();
    }
  }

  void Tabs(int32_t x, int32_t y, int32_t w, int32_t h, const std::vector<std::string>& tabs, int active, int hot) {
    const auto& r = Record<skin::TskDataSkinTabControl>("tab");
    const gfx::Bitmap pic = Picture(r.pictureindex).ToBgr24();
    const int32_t tab_h = 20;
    // Strip behind the tabs, then the page frame.
    for (int32_t ty = 0; ty < tab_h; ty += r.tabsbgrect.Height()) {
      for (int32_t tx = 0; tx < w; tx += r.tabsbgrect.Width()) {
        canvas_.CopyRect({x + tx, y + ty}, pic,
                         {r.tabsbgrect.left, r.tabsbgrect.top, r.tabsbgrect.left + std::min(r.tabsbgrect.Width(), w - tx),
                          r.tabsbgrect.top + std::min(r.tabsbgrect.Height(), tab_h - ty)});
      }
    }
    const skin::SkinSource src{r.skinrect, r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, r.clientrect};
    gfx::Bitmap page;
    skin::BuildSkinImage(page, pic, src, skin::UsualTarget(src, w, h - tab_h + 1), true);
    canvas_.Draw(x, y + tab_h - 1, page);
    int32_t tx = x + 2;
    for (size_t i = 0; i < tabs.size(); ++i) {
      gfx::Canvas measure(page);
      measure.SetFont(gfx::Font("Arial", 14));
      const int32_t tw = measure.TextWidth(tabs[i]) + 16;
      const bool sel = static_cast<int>(i) == active;
      const Rect source = sel ? r.activetabrect : (static_cast<int>(i) == hot && !r.mouseintabrect.IsEmpty()) ? r.mouseintabrect : r.tabrect;
      gfx::Bitmap strip;
      skin::BuildHorzStrip(strip, r.tableftoffset, r.tabrightoffset, tw, source, pic);
      canvas_.StretchDraw({tx, y, tx + tw, y + tab_h}, strip);
      const Color c = sel ? r.activefontcolor : static_cast<int>(i) == hot ? r.mouseinfontcolor : r.font.fontcolor;
      Text({tx, y + 1, tx + tw, y + tab_h}, tabs[i], c, gfx::kDtCenter | gfx::kDtVCenter);
      tx += tw;
    }
  }

  void Scroll(const char* name, int32_t x, int32_t y, int32_t length, double pos, State button, State thumb) {
    const auto& r = Record<skin::TskDataSkinScrollBarControl>(name);
    const bool vertical = r.leftbottompoint.y != 0;
    const int32_t w = vertical ? r.skinrect.Width() : length;
    const int32_t h = vertical ? length : r.skinrect.Height();
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, h), x, y, &r);
    const int32_t dw = w - r.skinrect.Width();
    const int32_t dh = h - r.skinrect.Height();
    Rect area = r.trackarea;
    Rect up = r.upbuttonrect;
    if (vertical) {
      area.bottom += dh;
      up = up.Offset(0, dh);
    } else {
      area.right += dw;
      up = up.Offset(dw, 0);
    }
    if (button == kHot) Copy(r.pictureindex, r.activeupbuttonrect, x + up.left, y + up.top);
    if (button == kDown) Copy(r.pictureindex, r.downupbuttonrect, x + up.left, y + up.top);
    const Rect t = thumb == kHot ? r.activethumbrect : thumb == kDown ? r.downthumbrect : r.thumbrect;
    const gfx::Bitmap pic = Picture(r.pictureindex).ToBgr24();
    gfx::Bitmap img;
    const int32_t len = (vertical ? area.Height() : area.Width()) / 3;
    if (vertical) {
      skin::BuildVertStrip(img, r.thumboffset1, r.thumboffset2, len, t, pic);
      canvas_.Draw(x + area.left, y + area.top + static_cast<int32_t>(pos * (area.Height() - len)), img);
    } else {
      skin::BuildHorzStrip(img, r.thumboffset1, r.thumboffset2, len, t, pic);
      canvas_.Draw(x + area.left + static_cast<int32_t>(pos * (area.Width() - len)), y + area.top, img);
    }
  }

  void UpDown(const char* name, int32_t x, int32_t y, State s) {
    const auto& r = Record<skin::TskDataSkinUpDownControl>(name);
    Copy(r.pictureindex, r.skinrect, x, y);
    if (s == kHot) Copy(r.pictureindex, r.activeupbuttonrect, x + r.upbuttonrect.left, y + r.upbuttonrect.top);
    if (s == kDown) Copy(r.pictureindex, r.downdownbuttonrect, x + r.downbuttonrect.left, y + r.downbuttonrect.top);
  }

  void Panel(const char* name, int32_t x, int32_t y, int32_t w, int32_t h, const std::string& caption = "") {
    const auto& r = Record<skin::TskDataSkinPanelControl>(name);
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, h), x, y, &r);
    if (!caption.empty() && !r.captionrect.IsEmpty()) {
      const int32_t dw = w - r.skinrect.Width();
      const Rect cap{r.captionrect.left, r.captionrect.top, r.captionrect.right + dw, r.captionrect.bottom};
      Text(cap.Offset(x, y), caption, r.font.fontcolor, gfx::kDtLeft | gfx::kDtVCenter, 14,
           r.font.fontstyle.bold ? gfx::kFontBold : gfx::kFontRegular);
    }
  }

  void LabelBox(const char* name, int32_t x, int32_t y, int32_t w, int32_t h, const std::string& text, bool centre) {
    const auto& r = Record<skin::TskDataSkinLabelControl>(name);
    Put(Fit(r, Picture(r.pictureindex), r.skinrect, w, h), x, y, &r);
    const Rect c{r.clientrect.left, r.clientrect.top, r.clientrect.right + w - r.skinrect.Width(),
                 r.clientrect.bottom + h - r.skinrect.Height()};
    Text(c.Offset(x, y), text, r.font.fontcolor, (centre ? gfx::kDtCenter : gfx::kDtLeft) | gfx::kDtVCenter, 14,
         r.font.fontstyle.bold ? gfx::kFontBold : gfx::kFontRegular);
  }

  // An expandable section; rolled 0 open, 1 rolled up, 2 rolled sideways. Its roll button is hot
  // when `hot_button`.
  void ExPanel(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& caption, int rolled, bool hot_button,
               bool close_button = false) {
    const auto& r = Record<skin::TskDataSkinExPanelControl>("expanel");
    const gfx::Bitmap pic = Picture(r.pictureindex).ToBgr24();
    gfx::Bitmap img;
    Rect cap;
    if (rolled == 0) {
      img = Fit(r, pic, r.skinrect, w, h);
      cap = {r.captionrect.left, r.captionrect.top, r.captionrect.right + w - r.skinrect.Width(), r.captionrect.bottom};
    } else if (rolled == 1) {
      skin::BuildHorzStrip(img, r.rollleftoffset, r.rollrightoffset, w, r.rollvskinrect, pic);
      cap = {r.rollvcaptionrect.left, r.rollvcaptionrect.top,
             r.rollvcaptionrect.right + w - r.rollvskinrect.Width(), r.rollvcaptionrect.bottom};
    } else {
      skin::BuildVertStrip(img, r.rolltopoffset, r.rollbottomoffset, h, r.rollhskinrect, pic);
      cap = {r.rollhcaptionrect.left, r.rollhcaptionrect.top, r.rollhcaptionrect.right,
             r.rollhcaptionrect.bottom + h - r.rollhskinrect.Height()};
    }
    canvas_.Draw(x, y, img);
    cap = cap.Offset(x, y);
    if (rolled == 2) {
      const Rect roll = hot_button ? r.hrestorebuttonactiverect : r.hrestorebuttonrect;
      canvas_.CopyRect({cap.left, cap.top}, pic, roll);
      return;
    }
    int32_t right = cap.right;
    if (close_button) {
      canvas_.CopyRect({right - r.closebuttonrect.Width(), cap.top}, pic, r.closebuttonrect);
      right -= r.closebuttonrect.Width() + 2;
    }
    const Rect roll = rolled ? (hot_button ? r.vrestorebuttonactiverect : r.vrestorebuttonrect)
                             : (hot_button ? r.vrollbuttonactiverect : r.vrollbuttonrect);
    canvas_.CopyRect({right - roll.Width(), cap.top}, pic, roll);
    right -= roll.Width();
    Text({cap.left + 2, cap.top, right, cap.bottom}, caption, r.font.fontcolor, gfx::kDtLeft | gfx::kDtVCenter, 14,
         r.font.fontstyle.bold ? gfx::kFontBold : gfx::kFontRegular);
  }

  // The skinned frame of a W x H window with its caption buttons (hot: index of a hot button).
  void Frame(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& caption, bool active, int hot,
             bool all_buttons) {
    const skin::SkinFrameInfo& f = data_.FrameInfo();
    const gfx::Bitmap& pic = data_.FramePicture();
    const skin::SkinSource src{pic.Bounds(), f.lefttoppoint, f.righttoppoint, f.leftbottompoint, f.rightbottompoint,
                               f.clientrect};
    const skin::SkinTarget dst = skin::UsualTarget(src, w, h);
    skin::BorderStrips strips;
    skin::BuildFrameBorders(strips, pic, src, dst, {});
    gfx::Bitmap window(w, h, 24);
    gfx::Canvas wc(window);
    wc.Draw(0, 0, strips.top);
    wc.Draw(0, dst.client.bottom, strips.bottom);
    wc.Draw(0, dst.client.top, strips.left);
    wc.Draw(dst.client.right, dst.client.top, strips.right);
    // Client background: the client part of the frame picture, tiled.
    for (int32_t ty = dst.client.top; ty < dst.client.bottom; ty += f.clientrect.Height()) {
      for (int32_t tx = dst.client.left; tx < dst.client.right; tx += f.clientrect.Width()) {
        wc.CopyRect({tx, ty}, pic, {f.clientrect.left, f.clientrect.top,
                                   f.clientrect.left + std::min(f.clientrect.Width(), dst.client.right - tx),
                                   f.clientrect.top + std::min(f.clientrect.Height(), dst.client.bottom - ty)});
      }
    }
    // Caption buttons right to left in the buttons row.
    const int32_t dx = w - pic.Width();
    int32_t bx = f.buttonsrect.right + (f.buttonsrect.left > pic.Width() / 2 ? dx : 0);
    const char* order[] = {"closebutton", "maxbutton", "minbutton", "rollupbutton"};
    const gfx::Bitmap objects = Picture(3).ToBgr24();
    for (int i = 0; i < (all_buttons ? 4 : 1); ++i) {
      const auto* b = data_.FindObjectRecord<skin::TskDataSkinStdButton>(order[i]);
      if (!b) throw std::runtime_error(std::string("missing object ") + order[i]);
      const Rect img = i == hot ? b->activeskinrect : i == hot - 10 ? b->downrect : b->skinrect;
      wc.CopyRect({bx - img.Width(), f.buttonsrect.top}, objects, img);
      bx -= img.Width() + f.buttonsoffset;
    }
    const auto* cap = data_.FindObjectRecord<skin::TskDataSkinCaption>("caption");
    if (!cap) throw std::runtime_error("missing caption object");
    const Rect text_rect{cap->skinrect.left + cap->textrect.left, cap->skinrect.top + cap->textrect.top,
                         cap->skinrect.left + cap->skinrect.Width() + dx + cap->textrect.right - cap->skinrect.Width(),
                         cap->skinrect.top + cap->textrect.bottom};
    {
      gfx::CanvasSaver saver(wc);
      const skin::SkinFontFields& font = cap->font;
      wc.SetFont(gfx::Font(font.fontname, font.fontheight, font.fontstyle.bold ? gfx::kFontBold : gfx::kFontRegular,
                           active ? cap->activefontcolor : font.fontcolor));
      wc.Brush().style = gfx::BrushStyle::kClear;
      Rect tr = text_rect;
      wc.DrawText(tr, caption, gfx::kDtLeft | gfx::kDtVCenter | gfx::kDtSingleLine | gfx::kDtEndEllipsis);
    }
    // Window shape from the mask.
    const skin::MaskSource ms{f.lefttoppoint, f.righttoppoint, f.leftbottompoint, f.rightbottompoint, f.maskrectarea};
    const std::optional<gfx::Region> shape = skin::RegionForSize(data_.FrameMask(), ms, dst);
    for (int32_t j = 0; j < h; ++j) {
      for (int32_t i = 0; i < w; ++i) {
        if (shape && !shape->Contains({i, j})) continue;
        canvas_.SetPixel(x + i, y + j, window.Pixel(i, j));
      }
    }
  }

  void PopupMenu(int32_t x, int32_t y, int32_t w, const std::vector<std::string>& items, int hot, int disabled) {
    const skin::TskDataSkinPopupWindow& pw = data_.PopupWindow();
    const auto* item = data_.FirstObjectRecord<skin::TskDataSkinMenuItem>();
    if (!item) throw std::runtime_error("missing menu item");
    const gfx::Bitmap objects = Picture(item->activepictureindex).ToBgr24();
    const gfx::Bitmap& window = Picture(pw.windowpictureindex);
    int32_t items_h = 0;
    for (const std::string& s : items) items_h += s == "-" ? item->dividerrect.Height() : item->skinrect.Height();
    const int32_t h = items_h + window.Height() - pw.itemsrect.Height();
    const skin::SkinSource src{window.Bounds(), pw.lefttoppoint, pw.righttoppoint, pw.leftbottompoint,
                               pw.rightbottompoint, pw.itemsrect};
    gfx::Bitmap bg;
    skin::BuildSkinImage(bg, window, src, skin::UsualTarget(src, w, h), true);
    canvas_.Draw(x, y, bg);
    int32_t iy = y + pw.itemsrect.top;
    const int32_t iw = w - (window.Width() - pw.itemsrect.Width());
    for (size_t i = 0; i < items.size(); ++i) {
      gfx::Bitmap strip;
      if (items[i] == "-") {
        skin::BuildHorzStrip(strip, item->dividerleftoffset, item->dividerrightoffset, iw, item->dividerrect, objects);
        canvas_.Draw(x + pw.itemsrect.left, iy, strip);
        iy += strip.Height();
        continue;
      }
      const bool is_hot = static_cast<int>(i) == hot;
      skin::BuildHorzStrip(strip, item->itemleftoffset, item->itemrightoffset, iw,
                           is_hot ? item->activeskinrect : item->skinrect, objects);
      canvas_.Draw(x + pw.itemsrect.left, iy, strip);
      const Color c = static_cast<int>(i) == disabled ? item->unenabledfontcolor
                      : is_hot                          ? item->activefontcolor
                                                        : item->font.fontcolor;
      // Captions start after the glyph column (19 pixels without an image list).
      Text({x + pw.itemsrect.left + item->textrect.left + 19, iy, x + w - 8, iy + strip.Height()}, items[i], c,
           gfx::kDtLeft | gfx::kDtVCenter);
      iy += strip.Height();
    }
  }

  void Hint(int32_t x, int32_t y, const std::string& text) {
    const skin::TskDataSkinHintWindow& hw = data_.HintWindow();
    const gfx::Bitmap& window = Picture(hw.windowpictureindex);
    gfx::Canvas measure(canvas_.Target());
    measure.SetFont(gfx::Font(hw.font.fontname, hw.font.fontheight));
    const int32_t w = measure.TextWidth(text) + window.Width() - hw.clientrect.Width() + 4;
    const int32_t h = hw.font.fontheight + window.Height() - hw.clientrect.Height() + 2;
    const skin::SkinSource src{window.Bounds(), hw.lefttoppoint, hw.righttoppoint, hw.leftbottompoint,
                               hw.rightbottompoint, hw.clientrect};
    gfx::Bitmap bg;
    skin::BuildSkinImage(bg, window, src, skin::UsualTarget(src, w, h), true);
    canvas_.Draw(x, y, bg);
    Text({x, y, x + w, y + h}, text, hw.font.fontcolor, gfx::kDtCenter | gfx::kDtVCenter);
  }

 private:
  const skin::TskSkinData& data_;
  gfx::Canvas canvas_;
};

// The main window as the program lays it out at its start size, first page.
void MainWindow(Review& v, int32_t x, int32_t y) {
  v.Frame(x, y, 689, 503, "图片压缩（免费共享）", true, -1, true);
  const int32_t cx = x + 7;
  const int32_t cy = y + 30;
  v.Tabs(cx, cy, 675, 466, {"图片处理", "批量压缩", "致谢", "帮助"}, 0, 1);
  const int32_t px = cx + 1;  // page client: 673 x 444
  const int32_t py = cy + 21;
  // Status bar with its two panels.
  v.Panel("statusbar", px, py + 444 - 21, 673, 21);
  v.LabelBox("statuspanel", px, py + 444 - 21, 313, 21, "未加载图片", false);
  v.LabelBox("statuspanel", px + 313, py + 444 - 21, 360, 21, "", false);
  // Left panel with the three sections.
  v.Panel("panel", px, py, 161, 423);
  const int32_t sx = px + 1;
  v.ExPanel(sx, py + 1, 159, 144, "文件", 0, false);
  v.Button("button", sx + 32, py + 1 + 24, 75, 25, "打开图片", kNormal);
  v.Button("button", sx + 32, py + 1 + 52, 75, 25, "截屏", kHot);
  v.Button("button", sx + 32, py + 1 + 80, 75, 25, "图片另存", kDisabled);
  v.Button("toolbutton", sx + 38, py + 1 + 112, 25, 25, "+", kNormal);
  v.Button("toolbutton", sx + 78, py + 1 + 112, 25, 25, "-", kHot);
  const int32_t e1 = py + 1 + 144;
  v.ExPanel(sx, e1, 159, 144, "图像设置", 0, true);
  v.Plain(sx + 8, e1 + 32, "压缩：");
  v.Track("htrackbar", sx + 40, e1 + 30, 81, 75, false);
  v.Plain(sx + 125, e1 + 32, "75%");
  v.Check("checkbox", sx + 8, e1 + 48, "自定义图片大小", false, kDisabled);
  v.Plain(sx + 8, e1 + 75, "宽度：");
  v.Edit("edit", sx + 48, e1 + 72, 41, "0", kDisabled);
  v.Plain(sx + 92, e1 + 75, "象素");
  v.Plain(sx + 8, e1 + 100, "高度：");
  v.Edit("edit", sx + 48, e1 + 96, 41, "0", kDisabled);
  v.Plain(sx + 92, e1 + 98, "象素");
  v.Check("checkbox", sx + 9, e1 + 120, "约束比例", true, kDisabled);
  const int32_t sp = e1 + 144;
  const auto& split = v.Record<skin::TskDataSkinSplitterControl>("hsplitter");
  v.Put(v.Fit(split, v.Picture(split.pictureindex), split.skinrect, 159, 10), sx, sp);
  v.ExPanel(sx, sp + 10, 159, 423 - 2 - 288 - 10, "", 0, false);
  v.Button("button", sx + 40, sp + 10 + 24, 75, 25, "对比度", kNormal);
  v.Button("button", sx + 40, sp + 10 + 56, 75, 25, "饱和度", kDown);
  v.Button("button", sx + 40, sp + 10 + 88, 75, 25, "RGB", kNormal);
  // The picture area.
  const auto& box = v.Record<skin::TskDataSkinScrollBoxControl>("scrollbox");
  v.Put(v.Fit(box, v.Picture(box.pictureindex), box.skinrect, 673 - 161, 423), px + 161, py);
}

void Controls(Review& v, int32_t x0, int32_t y0) {
  const State states[] = {kNormal, kHot, kDown, kDisabled};
  const char* names[] = {"normal", "hot", "pressed", "disabled"};
  int32_t y = y0;
  v.Label(x0, y, "button: 75 x 25 and 120 x 25 asked (normal, hot, pressed, disabled)");
  y += 16;
  for (int i = 0; i < 4; ++i) {
    v.Button("button", x0 + i * 90, y, 75, 25, "打开图片", states[i]);
    v.Button("button", x0 + i * 130, y + 26, 120, 25, "开始批量压缩", states[i]);
  }
  y += 58;
  v.Label(x0, y, "toolbutton 25 x 25, 60 x 25; toolmenubutton 37 x 25; resizebutton (list header)");
  y += 16;
  for (int i = 0; i < 3; ++i) {
    v.Button("toolbutton", x0 + i * 30, y, 25, 25, "", states[i]);
    v.Button("toolbutton", x0 + 95 + i * 65, y, 60, 25, "工具", states[i]);
    v.Button("toolmenubutton", x0 + 295 + i * 42, y, 37, 25, "", states[i]);
    v.Button("resizebutton", x0 + 425 + i * 70, y + 2, 66, 20, "名称", states[i]);
  }
  y += 34;
  v.Label(x0, y, "checkbox and radiobox: unchecked / checked x normal, hot, disabled");
  y += 12;
  for (int i = 0; i < 3; ++i) {
    const State s = i == 0 ? kNormal : i == 1 ? kHot : kDisabled;
    v.Check("checkbox", x0 + i * 200, y, std::string("自定义图片大小 ") + names[i == 2 ? 3 : i], false, s);
    v.Check("checkbox", x0 + i * 200, y + 22, "约束比例", true, s);
    v.Check("radiobox", x0 + i * 200, y + 44, "选项一", false, s);
    v.Check("radiobox", x0 + i * 200, y + 66, "选项二", true, s);
  }
  y += 98;
  v.Label(x0, y, "htrackbar 81 and 160 wide at 75 (the thumb at 41,5 on 81), dragging; trackbar; gauges");
  y += 16;
  v.Track("htrackbar", x0, y, 81, 75, false);
  v.Track("htrackbar", x0 + 100, y, 160, 30, false);
  v.Track("htrackbar", x0 + 280, y, 160, 30, true);
  v.Track("trackbar", x0 + 560, y - 14, 90, 60, false);
  v.Gauge("gauge", x0, y + 24, 120, 50);
  v.Gauge("gauge", x0 + 140, y + 24, 220, 100);
  v.Gauge("statusgauge", x0 + 380, y + 22, 160, 35);
  v.Gauge("vgauge", x0 + 600, y - 14, 80, 65);
  y += 56;
  v.Label(x0, y, "edit 121 x 20 asked (normal, hot or focused, disabled); buttonedit; combobox; spinedit");
  y += 16;
  v.Edit("edit", x0, y, 121, "D:\\图片\\输出", kNormal);
  v.Edit("edit", x0 + 130, y, 121, "D:\\图片\\输出", kHot);
  v.Edit("edit", x0 + 260, y, 121, "0", kDisabled);
  v.Edit("buttonedit", x0 + 390, y, 121, "桌面", kHot);
  y += 24;
  for (int i = 0; i < 4; ++i) v.Combo("combobox", x0 + i * 130, y, 121, "JPEG Image File", states[i]);
  y += 26;
  for (int i = 0; i < 3; ++i) v.Spin("spinedit", x0 + i * 90, y, 80, "100", states[i]);
  v.UpDown("hupdown", x0 + 290, y, kNormal);
  v.UpDown("hupdown", x0 + 330, y, kHot);
  v.UpDown("hupdown", x0 + 370, y, kDown);
  v.UpDown("vupdown", x0 + 420, y - 10, kNormal);
  v.UpDown("vupdown", x0 + 445, y - 10, kHot);
  v.UpDown("vupdown", x0 + 470, y - 10, kDown);
  y += 36;
  v.Label(x0, y, "listbox (hot item, selected item), checklistbox, captionlistbox, memo, scroll bars");
  y += 16;
  v.List("listbox", x0, y, 150, 96, {"IMG_0001.jpg", "IMG_0002.jpg", "截图 2024.bmp", "风景.jpg"}, 1, 2);
  v.List("checklistbox", x0 + 160, y, 150, 96, {"JPEG", "BMP", "全部"}, -1, 0);
  v.List("captionlistbox", x0 + 320, y, 150, 96, {"桌面", "我的文档"}, 0, 1, "文件夹");
  const auto& memo = v.Record<skin::TskDataSkinMemoControl>("memo");
  v.Put(v.Fit(memo, v.Picture(memo.pictureindex), memo.activeskinrect, 150, 96), x0 + 480, y);
  v.Text({x0 + 484, y + 4, x0 + 626, y + 20}, "一、图片处理", memo.font.fontcolor, gfx::kDtLeft);
  v.Text({x0 + 484, y + 20, x0 + 626, y + 36}, "    1、先打开图片。", memo.font.fontcolor, gfx::kDtLeft);
  y += 104;
  v.Scroll("hscrollbar", x0, y, 200, 0.3, kNormal, kNormal);
  v.Scroll("hscrollbar", x0 + 210, y, 200, 0.6, kHot, kHot);
  v.Scroll("bothhscrollbar", x0 + 420, y, 220, 0.9, kDown, kDown);
  v.Scroll("vscrollbar", x0 + 650, y - 120, 140, 0.2, kNormal, kNormal);
  v.Scroll("vscrollbar", x0 + 672, y - 120, 140, 0.7, kHot, kDown);
  y += 28;
  v.Label(x0, y, "tabs (selected, hot), groupbox, panel, expanel open / rolled / rolled sideways, label, status bar");
  y += 16;
  v.Tabs(x0, y, 330, 80, {"图片处理", "批量压缩", "致谢", "帮助"}, 1, 2);
  v.Panel("groupbox", x0 + 340, y, 170, 80, "使用说明");
  v.Panel("panel", x0 + 520, y, 80, 80);
  y += 90;
  v.ExPanel(x0, y, 161, 100, "图像设置", 0, false, true);
  v.ExPanel(x0 + 170, y, 161, 17, "文件", 1, false);
  v.ExPanel(x0 + 170, y + 24, 161, 17, "设置", 1, true);
  v.ExPanel(x0 + 340, y, 17, 100, "", 2, false);
  v.ExPanel(x0 + 362, y, 17, 100, "", 2, true);
  v.LabelBox("label", x0 + 390, y, 129, 21, "Orvel个人版图片压缩", false);
  v.Panel("statusbar", x0 + 390, y + 30, 260, 21);
  v.LabelBox("statuspanel", x0 + 390, y + 30, 130, 21, "加载文件", false);
  v.Gauge("statusgauge", x0 + 520, y + 30, 130, 60);
  v.Panel("toolpanel", x0 + 390, y + 60, 260, 25);
  v.Button("toolbutton", x0 + 392, y + 60, 25, 25, "", kHot);
}

// Popup menu, hint, a message box and small and inactive windows.
void Windows(Review& v, int32_t x0, int32_t y) {
  v.Label(x0, y, "popup menu (hot item, disabled item), hint, message box, rolled-up and inactive windows");
  y += 16;
  v.PopupMenu(x0, y, 150, {"旋转90度", "水平翻转", "-", "恢复", "帮助？"}, 1, 3);
  v.Hint(x0 + 170, y, "图片压缩取点比例");
  v.Frame(x0 + 170, y + 30, 260, 130, "Information", true, 10, false);
  v.Button("button", x0 + 170 + 100, y + 30 + 130 - 30, 60, 20, "OK", kHot);
  v.Text({x0 + 190, y + 80, x0 + 420, y + 100}, "请先打开图片！", gfx::Rgb(32, 36, 44), gfx::kDtLeft);
  v.Frame(x0 + 450, y, 216, 37, "frmsetC", false, 0, true);
  v.Frame(x0 + 450, y + 50, 216, 110, "调整颜色", false, -1, true);
}

}  // namespace

void WriteContactSheet(const std::string& ini_path, const std::string& out_path) {
  skin::TskStoredSkin stored;
  stored.LoadFromSkinFolder(ini_path);
  skin::TskSkinData data;
  data.LoadFromStoredSkin(stored);
  if (data.IsEmpty()) throw std::runtime_error(ini_path + " does not load as a skin");
  gfx::Bitmap sheet(1440, 820, 24);
  sheet.Fill(gfx::Rgb(214, 219, 226));
  Review review(data, sheet);
  MainWindow(review, 12, 12);
  Windows(review, 12, 530);
  Controls(review, 720, 12);
  gfx::WriteFileAtomically(out_path, gfx::EncodeBmp(sheet));
}

}  // namespace skingen
