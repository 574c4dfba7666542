// The program's own skin: a light, calm frame with a blue accent, drawn piece by piece.
//
// Pictures (index: file, depth):
//   frame.bmp 8-bit and mask.bmp 4-bit: the window frame, 216 x 167;
//   0 controls.bmp 8-bit: buttons, boxes, bars, edits, lists, panels;
//   1 popup.bmp, 2 hint.bmp 8-bit: the popup menu and hint windows (each used whole);
//   3 objects.bmp 8-bit: caption buttons, menu items, main menu bar parts;
//   4 buttonmask.bmp, 7 htrackmask.bmp, 8 vtrackmask.bmp 1-bit: shapes of the push button and the
//     track bars; 5 toolmask.bmp, 6 gaugemask.bmp 1-bit: shapes of the menu tool button and gauge;
//   9 tabs.bmp 8-bit: the page control.
// Pieces of one record share the picture their pictureindex names; every rectangle of a record is
// in that picture, corner points and client rectangles are relative to the record's skinrect.
#include "SkinDesign.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "Painter.h"
#include "Quantize.h"
#include "Sheet.h"
#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"
#include "skin/ini/IniFile.h"

namespace skingen {

namespace {

using gfx::Color;
using gfx::Point;
using gfx::Rect;
using gfx::Rgb;

// Palette of the look.
constexpr Color kWindowBg = Rgb(238, 241, 245);   // client area of the frame, tab strip
constexpr Color kSurface = Rgb(247, 248, 250);    // panels, sheets, sections
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBorder = Rgb(201, 208, 218);
constexpr Color kBorderSoft = Rgb(222, 227, 234);
constexpr Color kBorderStrong = Rgb(170, 180, 194);
constexpr Color kText = Rgb(32, 36, 44);
constexpr Color kTextMuted = Rgb(92, 101, 115);
constexpr Color kTextDisabled = Rgb(150, 157, 168);
constexpr Color kGlyph = Rgb(110, 120, 136);
constexpr Color kGlyphDark = Rgb(52, 60, 74);
constexpr Color kAccent = Rgb(47, 111, 222);
constexpr Color kAccentHover = Rgb(72, 132, 236);
constexpr Color kAccentDown = Rgb(32, 86, 186);
constexpr Color kAccentBorder = Rgb(34, 90, 196);
constexpr Color kAccentLight = Rgb(228, 237, 252);
constexpr Color kAccentLight2 = Rgb(206, 222, 249);
constexpr Color kAccentSoftBorder = Rgb(150, 184, 240);
constexpr Color kHover = Rgb(223, 228, 235);
constexpr Color kPressed = Rgb(205, 213, 224);
constexpr Color kChromeTop = Rgb(251, 252, 253);
constexpr Color kChromeBottom = Rgb(234, 238, 243);
constexpr Color kChromeEdge = Rgb(148, 158, 173);
constexpr Color kClose = Rgb(226, 68, 74);
constexpr Color kCloseDown = Rgb(186, 40, 48);
constexpr Color kSlate = Rgb(52, 64, 84);
constexpr Color kKey = kTransparentKey;  // transparent colour of keyed images (bottom-left pixel)

constexpr Color kMid = 8421504;  // mid grey, the disabled caption of push buttons and edits

// Pieces of controls.bmp with fixed places. BuildSkin reserves them all before it packs anything
// else, so the packer flows around them.
constexpr Rect kPushButtonNormal{3, 5, 63, 25};
constexpr Rect kPushButtonActive{3, 27, 63, 47};
constexpr Rect kPushButtonDown{3, 49, 63, 69};
constexpr Rect kHTrackBar{134, 6, 212, 21};  // the quality slider's track
constexpr Rect kHTrackThumb{135, 33, 153, 39};
constexpr Rect kHTrackThumbActive{155, 33, 173, 39};
constexpr Rect kSectionOpen{339, 40, 405, 100};  // an open expandable section
constexpr Rect kSectionRolled{339, 113, 405, 130};  // the section rolled up to its caption bar
constexpr Rect kHUpDown{142, 171, 178, 189};  // the horizontal up-down at rest
constexpr Rect kFixedControlPieces[] = {kPushButtonNormal, kPushButtonActive, kPushButtonDown,
                                        kHTrackBar,        kHTrackThumb,      kHTrackThumbActive,
                                        kSectionOpen,      kSectionRolled,    kHUpDown};

// ---------------------------------------------------------------------------------------------
// INI writing

class Section {
 public:
  Section(skin::IniFile& ini, std::string name) : ini_(ini), name_(std::move(name)) {}
  Section& R(const char* key, const Rect& r) { ini_.WriteRect(name_, key, r); return *this; }
  Section& P(const char* key, Point p) { ini_.WritePoint(name_, key, p); return *this; }
  Section& I(const char* key, int32_t v) { ini_.WriteInteger(name_, key, v); return *this; }
  Section& C(const char* key, Color c) { ini_.WriteColor(name_, key, c); return *this; }
  Section& S(const char* key, const std::string& v) { ini_.WriteString(name_, key, v); return *this; }
  // The nine-part geometry: corner points and client rectangle, relative to skinrect.
  Section& Nine(Point lt, Point rt, Point lb, Point rb, const Rect& client) {
    return P("lefttoppoint", lt).P("righttoppoint", rt).P("leftbottompoint", lb).P("rightbottompoint", rb)
        .R("clientrect", client);
  }
  Section& Font(Color c, const char* style = "") {
    return S("fontname", "Arial").I("fontheight", 14).S("fontstyle", style).C("fontcolor", c);
  }

 private:
  skin::IniFile& ini_;
  std::string name_;
};


// ---------------------------------------------------------------------------------------------
// Drawing helpers

// Pixels of a keyed image left at the sheet's background become the transparent key.
void KeyBackground(Sheet& sheet, const Rect& r) {
  for (int32_t y = r.top; y < r.bottom; ++y) {
    for (int32_t x = r.left; x < r.right; ++x) {
      if (sheet.Picture().Pixel(x, y) == sheet.Background()) sheet.Picture().SetPixel(x, y, kKey);
    }
  }
  // The control takes the key from this pixel, which lies outside every rounded shape.
  sheet.Picture().SetPixel(r.left, r.bottom - 1, kKey);
}

// The way a chevron points.
enum class Direction { kUp, kDown, kLeft, kRight };

void Chevron(Painter& p, double cx, double cy, Direction dir, double size, Color c, double width = 1.5) {
  const double s = size;
  const double h = size / 2;
  switch (dir) {
    case Direction::kUp:
      p.Line(cx - s, cy + h, cx, cy - h, width, c);
      p.Line(cx, cy - h, cx + s, cy + h, width, c);
      break;
    case Direction::kDown:
      p.Line(cx - s, cy - h, cx, cy + h, width, c);
      p.Line(cx, cy + h, cx + s, cy - h, width, c);
      break;
    case Direction::kLeft:
      p.Line(cx + h, cy - s, cx - h, cy, width, c);
      p.Line(cx - h, cy, cx + h, cy + s, width, c);
      break;
    case Direction::kRight:
      p.Line(cx - h, cy - s, cx + h, cy, width, c);
      p.Line(cx + h, cy, cx - h, cy + s, width, c);
      break;
  }
}

// What a small button of a field or a section shows: a chevron, a cross or three dots.
enum class ButtonGlyph { kUp, kDown, kLeft, kRight, kCross, kDots };

Direction ChevronOf(ButtonGlyph g) {
  switch (g) {
    case ButtonGlyph::kUp: return Direction::kUp;
    case ButtonGlyph::kDown: return Direction::kDown;
    case ButtonGlyph::kLeft: return Direction::kLeft;
    case ButtonGlyph::kRight: return Direction::kRight;
    case ButtonGlyph::kCross:
    case ButtonGlyph::kDots: break;
  }
  throw std::logic_error("the glyph is no chevron");
}

enum State { kNormal = 0, kActive = 1, kDown = 2, kDisabled = 3 };

// ---------------------------------------------------------------------------------------------
// The frame

constexpr int32_t kFrameW = 216;
constexpr int32_t kFrameH = 167;
constexpr int32_t kCaptionH = 30;
constexpr double kFrameRadius = 7;
// The caption buttons and the badge stand on frame rows 7 to 22 (buttonsrect runs to 23).
constexpr int32_t kCaptionButtonTop = 7;
constexpr Rect kFrameBadge{8, kCaptionButtonTop, 24, 23};  // also the system menu button's image
constexpr Rect kFrameClient{7, 30, 209, 160};

Color CaptionColor(int32_t y) {
  return Mix(kChromeTop, kChromeBottom, static_cast<double>(std::min(y, kCaptionH - 1)) / (kCaptionH - 1));
}

// The application's badge: a blue rounded square holding a small landscape.
void DrawBadge(Painter& p, const Rect& r) {
  p.RoundRect(r, 3.5, Rgb(78, 140, 240), kAccentDown);
  const double x = r.left;
  const double y = r.top;
  p.Disc(x + 11, y + 5, 1.6, kWhite);
  p.Line(x + 3, y + 12.5, x + 7, y + 7.5, 1.4, kWhite);
  p.Line(x + 7, y + 7.5, x + 10, y + 11, 1.4, kWhite);
  p.Line(x + 10, y + 11, x + 11.5, y + 9.5, 1.4, kWhite);
  p.Line(x + 11.5, y + 9.5, x + 13, y + 12.5, 1.4, kWhite);
}

gfx::Bitmap DrawFrame() {
  gfx::Bitmap pic(kFrameW, kFrameH, 24);
  pic.Fill(kWhite);  // outside the mask
  Painter p(pic);
  // Outer hairline, then the chrome inside it: the caption gradient on top, a flat colour around
  // the client area.
  p.RoundRect({0, 0, kFrameW, kFrameH}, kFrameRadius, kChromeEdge, kChromeEdge, 1 | 2);
  p.RoundRect({1, 1, kFrameW - 1, kFrameH - 1}, kFrameRadius - 1, kChromeBottom, kChromeBottom, 1 | 2);
  p.RoundRect({1, 1, kFrameW - 1, kCaptionH}, kFrameRadius - 1, CaptionColor(1), CaptionColor(kCaptionH - 1), 1 | 2);
  // A white line under the top edge gives the bar a little light.
  for (int32_t x = 8; x < kFrameW - 8; ++x) pic.SetPixel(x, 1, kWhite);
  // A hairline round the client area and the client colour inside it.
  p.Fill({kFrameClient.left - 1, kFrameClient.top - 1, kFrameClient.right + 1, kFrameClient.bottom + 1}, kBorder);
  p.Fill(kFrameClient, kWindowBg);
  DrawBadge(p, kFrameBadge);
  return pic;
}

gfx::Bitmap DrawFrameMask() {
  gfx::Bitmap m(kFrameW, kFrameH, 24);
  m.Fill(kWhite);
  Painter p(m);
  p.RoundRect({0, 0, kFrameW, kFrameH}, kFrameRadius, gfx::kBlack, gfx::kBlack, 1 | 2);
  return ToMask(m, 4);
}

// ---------------------------------------------------------------------------------------------
// Caption buttons (objects.bmp)

// What a caption button or a button of the main menu bar shows.
enum class CaptionGlyph { kClose, kMaximize, kRestore, kMinimize, kRollUp, kRollDown, kTray };

void DrawCaptionGlyph(Painter& p, const Rect& r, CaptionGlyph g, Color c) {
  const double cx = r.left + r.Width() / 2.0;
  const double cy = r.top + r.Height() / 2.0;
  switch (g) {
    case CaptionGlyph::kClose:
      p.Line(cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5, 1.4, c);
      p.Line(cx + 3.5, cy - 3.5, cx - 3.5, cy + 3.5, 1.4, c);
      break;
    case CaptionGlyph::kMaximize:
      p.RoundFrame({static_cast<int32_t>(cx) - 4, static_cast<int32_t>(cy) - 4, static_cast<int32_t>(cx) + 4,
                    static_cast<int32_t>(cy) + 4}, 1.5, 1.2, c);
      break;
    case CaptionGlyph::kRestore: {
      const int32_t x = static_cast<int32_t>(cx);
      const int32_t y = static_cast<int32_t>(cy);
      p.Line(x - 2 + 0.5, y - 4 + 0.5, x + 4 - 0.5, y - 4 + 0.5, 1.1, c);
      p.Line(x + 4 - 0.5, y - 4 + 0.5, x + 4 - 0.5, y + 2 - 0.5, 1.1, c);
      p.RoundFrame({x - 4, y - 2, x + 2, y + 4}, 1.2, 1.2, c);
      break;
    }
    case CaptionGlyph::kMinimize: p.Line(cx - 4, cy + 0.5, cx + 4, cy + 0.5, 1.3, c); break;
    case CaptionGlyph::kRollUp: Chevron(p, cx, cy, Direction::kUp, 4, c, 1.4); break;
    case CaptionGlyph::kRollDown: Chevron(p, cx, cy, Direction::kDown, 4, c, 1.4); break;
    case CaptionGlyph::kTray:
      p.Line(cx - 4, cy + 3.5, cx + 4, cy + 3.5, 1.3, c);
      Chevron(p, cx, cy - 1, Direction::kDown, 3, c, 1.3);
      break;
  }
}

// One caption button image over the caption gradient at frame rows `row` onwards.
void DrawCaptionButton(Sheet& sheet, const Rect& r, int32_t row, CaptionGlyph g, State s) {
  Painter& p = sheet.Paint();
  for (int32_t y = r.top; y < r.bottom; ++y) p.Fill({r.left, y, r.right, y + 1}, CaptionColor(row + y - r.top));
  const bool close = g == CaptionGlyph::kClose;
  Color glyph = kGlyphDark;
  if (s == kActive) {
    p.RoundRect(r, 3, close ? kClose : kHover, close ? kClose : kHover);
    if (close) glyph = kWhite;
  } else if (s == kDown) {
    p.RoundRect(r, 3, close ? kCloseDown : kPressed, close ? kCloseDown : kPressed);
    if (close) glyph = kWhite;
  } else if (s == kDisabled) {
    glyph = kTextDisabled;
  }
  DrawCaptionGlyph(p, r, g, glyph);
}

// ---------------------------------------------------------------------------------------------

struct Design {
  skin::IniFile ini;
  Sheet controls{420, 260, kSurface};
  Sheet popup{40, 40, kWhite};
  Sheet hint{24, 22, kSlate};
  Sheet objects{160, 140, kWhite};
  Sheet tabs{120, 40, kWindowBg};
  gfx::Bitmap button_mask;
  gfx::Bitmap tool_mask;
  gfx::Bitmap gauge_mask;
  gfx::Bitmap htrack_mask;
  gfx::Bitmap vtrack_mask;
  std::vector<std::string> objects_list;
  std::vector<std::string> controls_list;

  void Object(const std::string& name, const std::string& type) { objects_list.push_back(name + ":" + type); }
  void Control(const std::string& name, const std::string& type) { controls_list.push_back(name + ":" + type); }
  Section Sec(const std::string& name) { return Section(ini, name); }

  // Button family records share most keys.
  Section ButtonRecord(const std::string& name, int32_t picture, const Rect& normal, const Rect& active,
                       const Rect& down, Color font, Color active_font, Color down_font, Color disabled_font) {
    Section s = Sec(name);
    s.I("pictureindex", picture).R("skinrect", normal).Font(font).C("activefontcolor", active_font)
        .C("downfontcolor", down_font).C("disabledfontcolor", disabled_font).R("activeskinrect", active)
        .R("downskinrect", down).R("disabledskinrect", {}).I("morphing", 1).S("morphkind", "mkgradient");
    return s;
  }
};

// ---- push button: fixed places in controls.bmp ----

void DrawPushButton(Painter& p, const Rect& r, State s) {
  switch (s) {
    case kActive: p.RoundRect(r, 4, Rgb(52, 116, 226), Rgb(40, 99, 208)); p.RoundFrame(r, 4, 1, kAccentBorder); break;
    case kDown: p.RoundRect(r, 4, Rgb(28, 78, 172), Rgb(33, 86, 186)); p.RoundFrame(r, 4, 1, Rgb(24, 64, 148)); break;
    default: p.RoundRect(r, 4, kWhite, Rgb(239, 242, 246)); p.RoundFrame(r, 4, 1, kBorderStrong); break;
  }
}

gfx::Bitmap ShapeMask(int32_t w, int32_t h, double radius, int bits) {
  gfx::Bitmap m(w, h, 24);
  m.Fill(kWhite);
  Painter p(m);
  p.RoundRect({0, 0, w, h}, radius, gfx::kBlack, gfx::kBlack);
  return ToMask(m, bits);
}

void PushButtons(Design& d) {
  Sheet& c = d.controls;
  DrawPushButton(c.Paint(), kPushButtonNormal, kNormal);
  DrawPushButton(c.Paint(), kPushButtonActive, kActive);
  DrawPushButton(c.Paint(), kPushButtonDown, kDown);
  d.button_mask = ShapeMask(kPushButtonNormal.Width(), kPushButtonNormal.Height(), 4, 1);
  d.Control("button", "button");
  d.ButtonRecord("button", 0, kPushButtonNormal, kPushButtonActive, kPushButtonDown, 0, kWhite, kWhite, kMid)
      .I("maskpictureindex", 4)
      .Nine({12, 9}, {46, 10}, {0, 0}, {0, 0}, {7, 2, 53, 18});
}

// ---- flat tool buttons (speed buttons), nine-part ----

struct Triple {
  Rect normal, active, down;
};

void DrawToolFace(Painter& p, const Rect& r, State s) {
  switch (s) {
    case kActive: p.RoundRect(r, 4, kAccentLight, kAccentLight); p.RoundFrame(r, 4, 1, kAccentSoftBorder); break;
    case kDown: p.RoundRect(r, 4, kAccentLight2, kAccentLight2); p.RoundFrame(r, 4, 1, kAccent); break;
    default: p.RoundRect(r, 4, Rgb(251, 252, 253), Rgb(251, 252, 253)); p.RoundFrame(r, 4, 1, kBorder); break;
  }
}

Triple ToolButtons(Design& d) {
  Sheet& c = d.controls;
  Triple t{c.Place(25, 25), c.Place(25, 25), c.Place(25, 25)};
  DrawToolFace(c.Paint(), t.normal, kNormal);
  DrawToolFace(c.Paint(), t.active, kActive);
  DrawToolFace(c.Paint(), t.down, kDown);
  for (const char* name : {"toolbutton", "bigtoolbutton", "resizetoolbutton", "menuitembutton", "htracktoolbutton",
                           "vtracktoolbutton"}) {
    d.ButtonRecord(name, 0, t.normal, t.active, t.down, kText, kText, kText, kTextDisabled)
        .Nine({6, 6}, {19, 6}, {6, 19}, {19, 19}, {4, 4, 21, 21});
  }
  return t;
}

// Tool buttons with a drop-down part on the right.
void MenuButtons(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  Rect r[3];
  for (int s = 0; s < 3; ++s) {
    r[s] = c.Place(37, 25);
    DrawToolFace(p, r[s], static_cast<State>(s));
    const Color line = s == kNormal ? kBorderSoft : kAccentSoftBorder;
    p.Fill({r[s].left + 25, r[s].top + 5, r[s].left + 26, r[s].bottom - 5}, line);
    Chevron(p, r[s].left + 31, r[s].top + 12.5, Direction::kDown, 2.5, kGlyphDark, 1.3);
  }
  d.tool_mask = ShapeMask(37, 25, 4, 1);
  for (const char* name : {"bigtoolmenubutton", "bigtoolmenutrackbutton", "toolmenubutton", "toolmenutrackbutton"}) {
    d.ButtonRecord(name, 0, r[0], r[1], r[2], kText, kText, kText, kTextDisabled)
        .I("maskpictureindex", 5)
        .Nine({6, 12}, {20, 12}, {0, 0}, {0, 0}, {4, 3, 24, 22})
        .R("trackbuttonrect", {25, 0, 37, 25});
  }
}

// ---- check and radio boxes ----

struct CheckImages {
  Rect check, uncheck, active_check, active_uncheck, disabled_check, disabled_uncheck;
};

void DrawCheckImage(Sheet& sheet, const Rect& r, bool radio, bool checked, State s) {
  Painter& p = sheet.Paint();
  const Rect box{r.left, r.top, r.left + 14, r.top + 14};
  Color fill = kWhite, frame = kBorderStrong, mark = kWhite;
  if (checked) {
    fill = s == kActive ? kAccentHover : kAccent;
    frame = s == kActive ? kAccent : kAccentBorder;
  } else if (s == kActive) {
    fill = Rgb(244, 248, 255);
    frame = kAccent;
  }
  if (s == kDisabled) {
    fill = checked ? Rgb(186, 193, 204) : Rgb(238, 240, 244);
    frame = checked ? Rgb(186, 193, 204) : Rgb(204, 209, 217);
  }
  if (radio) {
    p.Disc(box.left + 7, box.top + 7, 7, frame);
    p.Disc(box.left + 7, box.top + 7, 6, checked ? kWhite : fill);
    if (checked) p.Disc(box.left + 7, box.top + 7, 3.6, fill);
  } else {
    p.RoundRect(box, 3, fill, fill);
    p.RoundFrame(box, 3, 1, frame);
    if (checked) {
      p.Line(box.left + 3.6, box.top + 7.2, box.left + 6, box.top + 9.8, 1.7, mark);
      p.Line(box.left + 6, box.top + 9.8, box.left + 10.6, box.top + 4.4, 1.7, mark);
    }
  }
  KeyBackground(sheet, r);
}

CheckImages CheckBoxes(Design& d, bool radio) {
  Sheet& c = d.controls;
  CheckImages im;
  const auto make = [&](bool checked, State s) {
    const Rect r = c.Place(14, 14);
    DrawCheckImage(c, r, radio, checked, s);
    return r;
  };
  im.check = make(true, kNormal);
  im.uncheck = make(false, kNormal);
  im.active_check = make(true, kActive);
  im.active_uncheck = make(false, kActive);
  im.disabled_check = make(true, kDisabled);
  im.disabled_uncheck = make(false, kDisabled);
  return im;
}

void CheckRecords(Design& d, const CheckImages& check, const CheckImages& radio) {
  // The body of a non-flat box: the surface colour, so a box reads like text on its panel.
  const Rect body = d.controls.Place(40, 20);
  const Rect body_active = d.controls.Place(40, 20);
  d.controls.Paint().RoundRect(body_active, 3, kAccentLight, kAccentLight);
  const auto record = [&](const char* name, const CheckImages& im) {
    d.Sec(name).I("pictureindex", 0).R("skinrect", body).Nine({4, 10}, {36, 10}, {0, 0}, {0, 0}, {0, 0, 40, 20})
        .Font(kText).C("activefontcolor", kText).C("unenabledfontcolor", kTextDisabled).C("framefontcolor", kText)
        .R("activeskinrect", body_active).R("checkimagearea", {2, 3, 16, 17}).R("textarea", {20, 0, 38, 20})
        .R("checkimagerect", im.check).R("uncheckimagerect", im.uncheck).R("activecheckimagerect", im.active_check)
        .R("activeuncheckimagerect", im.active_uncheck).R("unenabledcheckimagerect", im.disabled_check)
        .R("unenableduncheckimagerect", im.disabled_uncheck).I("morphing", 0).S("morphkind", "mkdefault");
  };
  record("checkbox", check);
  record("radiobox", radio);
}

// ---- track bars: the quality slider has fixed places ----

void DrawTrack(Painter& p, const Rect& bar, bool vertical) {
  const Color groove = Rgb(212, 218, 227);
  if (vertical) {
    p.RoundRect({bar.left + 6, bar.top + 8, bar.left + 10, bar.bottom - 8}, 2, groove, groove);
  } else {
    p.RoundRect({bar.left + 8, bar.top + 6, bar.right - 8, bar.top + 10}, 2, groove, groove);
  }
}

// The thumb keeps the groove behind its rounded ends, since it is copied without transparency.
void DrawThumb(Painter& p, const Rect& r, bool vertical, bool active) {
  const Color groove = Rgb(212, 218, 227);
  if (vertical) {
    p.Fill({r.left + 1, r.top, r.left + 5, r.bottom}, groove);
  } else {
    p.Fill({r.left, r.top + 1, r.right, r.top + 5}, groove);
  }
  p.RoundRect(r, 3, active ? kAccentHover : kAccent, active ? kAccent : kAccentDown);
  p.RoundFrame(r, 3, 1, active ? kAccent : kAccentBorder);
}

void TrackBars(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  DrawTrack(p, kHTrackBar, false);
  DrawThumb(p, kHTrackThumb, false, false);
  DrawThumb(p, kHTrackThumbActive, false, true);
  d.htrack_mask = ShapeMask(kHTrackBar.Width(), kHTrackBar.Height(), 4, 1);
  d.Sec("htrackbar").I("pictureindex", 0).I("maskpictureindex", 7).R("skinrect", kHTrackBar)
      .Nine({19, 7}, {55, 7}, {0, 0}, {0, 0}, {0, 0, 78, 15})
      .R("trackarea", {14, 3, 65, 13}).R("buttonrect", kHTrackThumb).R("activebuttonrect", kHTrackThumbActive)
      .I("vertical", 0);

  const Rect vbar = c.Place(15, 78);
  const Rect vthumb = c.Place(6, 18);
  const Rect vthumb_active = c.Place(6, 18);
  DrawTrack(p, vbar, true);
  DrawThumb(p, vthumb, true, false);
  DrawThumb(p, vthumb_active, true, true);
  d.vtrack_mask = ShapeMask(15, 78, 4, 1);
  d.Sec("trackbar").I("pictureindex", 0).I("maskpictureindex", 8).R("skinrect", vbar)
      .Nine({7, 19}, {0, 0}, {7, 55}, {0, 0}, {0, 0, 15, 78})
      .R("trackarea", {3, 14, 13, 65}).R("buttonrect", vthumb).R("activebuttonrect", vthumb_active).I("vertical", 1);
}

// ---- gauges ----

void Gauges(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  const Color fill_top = Rgb(142, 182, 246);
  const Color fill_bottom = Rgb(104, 153, 238);

  const Rect h = c.Place(60, 16);
  p.RoundRect(h, 3, kWhite, kWhite);
  p.RoundFrame(h, 3, 1, kBorder);
  const Rect hfill = c.Place(8, 12);
  p.VerticalGradient(hfill, fill_top, fill_bottom);
  d.gauge_mask = ShapeMask(60, 16, 3, 1);
  d.Sec("gauge").I("pictureindex", 0).I("maskpictureindex", 6).R("skinrect", h)
      .Nine({8, 8}, {52, 8}, {0, 0}, {0, 0}, {2, 2, 58, 14})
      .R("progressarea", {2, 2, 58, 14}).R("progressrect", hfill).I("beginoffset", 0).I("endoffset", 0)
      .I("vertical", 0).Font(kText);

  const Rect v = c.Place(16, 60);
  p.RoundRect(v, 3, kWhite, kWhite);
  p.RoundFrame(v, 3, 1, kBorder);
  const Rect vfill = c.Place(12, 8);
  p.HorizontalGradient(vfill, fill_top, fill_bottom);
  d.Sec("vgauge").I("pictureindex", 0).R("skinrect", v).Nine({8, 8}, {0, 0}, {8, 52}, {0, 0}, {2, 2, 14, 58})
      .R("progressarea", {2, 2, 14, 58}).R("progressrect", vfill).I("beginoffset", 0).I("endoffset", 0)
      .I("vertical", 1).Font(kText);

  // In the status bar: a white well on the bar's colour.
  const Rect s = c.Place(60, 21);
  p.Fill(s, kWindowBg);
  p.Fill({s.left, s.top, s.right, s.top + 1}, kBorder);
  const Rect well{s.left + 2, s.top + 3, s.right - 2, s.bottom - 3};
  p.RoundRect(well, 2.5, kWhite, kWhite);
  p.RoundFrame(well, 2.5, 1, kBorder);
  const Rect sfill = c.Place(8, 11);
  p.VerticalGradient(sfill, fill_top, fill_bottom);
  d.Sec("statusgauge").I("pictureindex", 0).R("skinrect", s).Nine({8, 10}, {52, 10}, {0, 0}, {0, 0}, {3, 4, 57, 17})
      .R("progressarea", {4, 5, 56, 16}).R("progressrect", sfill).I("beginoffset", 0).I("endoffset", 0)
      .I("vertical", 0).Font(kText);
}

// ---- panels, labels, status bar ----

Rect FlatBox(Sheet& c, int32_t w, int32_t h, Color fill, Color frame, double radius) {
  const Rect r = c.Place(w, h);
  c.Paint().RoundRect(r, radius, fill, fill);
  if (frame != fill) c.Paint().RoundFrame(r, radius, 1, frame);
  return r;
}

void Panels(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  const Rect panel = FlatBox(c, 24, 24, kSurface, kBorder, 0);
  d.Sec("panel").I("pictureindex", 0).R("skinrect", panel).Nine({3, 3}, {21, 3}, {3, 21}, {21, 21}, {1, 1, 23, 23})
      .R("captionrect", {}).S("alignment", "taleftjustify").Font(kText);

  const Rect tool = c.Place(24, 25);
  p.Fill(tool, Rgb(250, 251, 252));
  p.Fill({tool.left, tool.bottom - 1, tool.right, tool.bottom}, kBorderSoft);
  for (const char* name : {"toolpanel", "bigtoolpanel", "resizetoolpanel"}) {
    d.Sec(name).I("pictureindex", 0).R("skinrect", tool).Nine({3, 3}, {21, 3}, {3, 22}, {21, 22}, {1, 1, 23, 24})
        .R("captionrect", {}).S("alignment", "taleftjustify").Font(kText);
  }
  d.Sec("controlbar").I("pictureindex", 0).R("skinrect", tool).Nine({3, 3}, {21, 3}, {3, 22}, {21, 22}, {1, 1, 23, 24})
      .R("itemrect", tool);

  // Group box: a caption bar on top of a framed surface.
  const Rect group = c.Place(40, 44);
  p.RoundRect(group, 4, kSurface, kSurface);
  p.RoundRect({group.left, group.top, group.right, group.top + 21}, 4, Rgb(243, 246, 250), Rgb(233, 238, 244), 1 | 2);
  p.Fill({group.left + 1, group.top + 20, group.right - 1, group.top + 21}, kBorder);
  p.RoundFrame(group, 4, 1, kBorder);
  d.Sec("groupbox").I("pictureindex", 0).R("skinrect", group).Nine({6, 21}, {34, 21}, {6, 38}, {34, 38}, {1, 21, 39, 40})
      .R("captionrect", {8, 0, 34, 20}).S("alignment", "taleftjustify").Font(kText, "fsbold");

  const Rect status = c.Place(24, 21);
  p.Fill(status, kWindowBg);
  p.Fill({status.left, status.top, status.right, status.top + 1}, kBorder);
  d.Sec("statusbar").I("pictureindex", 0).R("skinrect", status).Nine({3, 3}, {21, 3}, {3, 18}, {21, 18}, {2, 2, 22, 20})
      .R("captionrect", {}).S("alignment", "taleftjustify").Font(kText);

  const Rect spanel = c.Place(24, 21);
  p.Fill(spanel, kWindowBg);
  p.Fill({spanel.left, spanel.top, spanel.right, spanel.top + 1}, kBorder);
  const Rect inset{spanel.left + 1, spanel.top + 3, spanel.right - 1, spanel.bottom - 2};
  p.RoundRect(inset, 2.5, Rgb(250, 251, 252), Rgb(250, 251, 252));
  p.RoundFrame(inset, 2.5, 1, kBorderSoft);
  d.Sec("statuspanel").I("pictureindex", 0).R("skinrect", spanel).Nine({5, 7}, {19, 7}, {5, 15}, {19, 15}, {6, 3, 18, 19})
      .Font(kTextMuted);

  const Rect label = FlatBox(c, 24, 21, kAccentLight, Rgb(184, 206, 244), 3.5);
  d.Sec("label").I("pictureindex", 0).R("skinrect", label).Nine({5, 5}, {19, 5}, {5, 16}, {19, 16}, {7, 2, 17, 19})
      .Font(Rgb(28, 72, 158), "fsbold");

  d.Sec("stdlabel").I("pictureindex", -1).Font(kText).C("activefontcolor", kAccent);

  // The picture preview: a plain calm grey behind the picture.
  const Rect box = c.Place(24, 24);
  p.Fill(box, Rgb(233, 236, 240));
  p.RoundFrame(box, 0, 1, kBorder);
  d.Sec("scrollbox").I("pictureindex", 0).R("skinrect", box).Nine({3, 3}, {21, 3}, {3, 21}, {21, 21}, {1, 1, 23, 23});

  // Splitters: an engraved line across the surface.
  const Rect hs = c.Place(40, 10);
  p.Fill(hs, kSurface);
  p.Fill({hs.left, hs.top + 4, hs.right, hs.top + 5}, kBorderSoft);
  p.Fill({hs.left, hs.top + 5, hs.right, hs.top + 6}, kWhite);
  d.Sec("hsplitter").I("pictureindex", 0).R("skinrect", hs).Nine({4, 5}, {36, 5}, {0, 0}, {0, 0}, {0, 0, 40, 10});
  const Rect vs = c.Place(10, 40);
  p.Fill(vs, kSurface);
  p.Fill({vs.left + 4, vs.top, vs.left + 5, vs.bottom}, kBorderSoft);
  p.Fill({vs.left + 5, vs.top, vs.left + 6, vs.bottom}, kWhite);
  d.Sec("vsplitter").I("pictureindex", 0).R("skinrect", vs).Nine({5, 4}, {0, 0}, {5, 36}, {0, 0}, {0, 0, 10, 40});

  d.Sec("bevel").I("pictureindex", -1).C("lightcolor", kWhite).C("darkcolor", kBorder);
}

// ---- expandable sections: the rolled caption bar has a fixed place ----

void DrawSectionButton(Sheet& c, const Rect& r, const Rect& bar, bool horizontal, ButtonGlyph glyph, State s) {
  Painter& p = c.Paint();
  // Copy of the caption bar behind the button, so it sits on the bar seamlessly.
  for (int32_t y = r.top; y < r.bottom; ++y) {
    for (int32_t x = r.left; x < r.right; ++x) {
      const int32_t sx = horizontal ? bar.left + (x - r.left) : bar.left + bar.Width() / 2;
      const int32_t sy = horizontal ? bar.top + bar.Height() / 2 : bar.top + (y - r.top);
      c.Picture().SetPixel(x, y, c.Picture().Pixel(horizontal ? sx : sx, horizontal ? sy + (y - r.top) - bar.Height() / 2 : sy));
    }
  }
  const Rect face = horizontal ? Rect{r.left + 2, r.top + 1, r.right - 2, r.bottom - 1}
                               : Rect{r.left + 1, r.top + 2, r.right - 1, r.bottom - 2};
  if (s == kActive) p.RoundRect(face, 3, kHover, kHover);
  if (s == kDown) p.RoundRect(face, 3, kPressed, kPressed);
  const double cx = r.left + r.Width() / 2.0;
  const double cy = r.top + r.Height() / 2.0;
  if (glyph == ButtonGlyph::kCross) {
    p.Line(cx - 3, cy - 3, cx + 3, cy + 3, 1.3, kGlyphDark);
    p.Line(cx + 3, cy - 3, cx - 3, cy + 3, 1.3, kGlyphDark);
  } else {
    Chevron(p, cx, cy, ChevronOf(glyph), 3.5, kGlyphDark, 1.4);
  }
}

void ExPanels(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  const Color bar_top = Rgb(244, 247, 251);
  const Color bar_bottom = Rgb(230, 235, 242);
  // Open section: caption bar, hairline, surface.
  const Rect open = kSectionOpen;
  p.RoundRect(open, 4, kSurface, kSurface);
  p.RoundRect({open.left, open.top, open.right, open.top + 17}, 4, bar_top, bar_bottom, 1 | 2);
  p.Fill({open.left + 1, open.top + 16, open.right - 1, open.top + 17}, kBorder);
  p.RoundFrame(open, 4, 1, kBorder);
  // Rolled up vertically: the caption bar alone.
  const Rect rolled = kSectionRolled;
  p.RoundRect(rolled, 4, bar_top, bar_bottom);
  p.RoundFrame(rolled, 4, 1, kBorder);
  // Rolled up horizontally: a standing bar.
  const Rect standing = c.Place(17, 66);
  p.RoundRect(standing, 4, bar_top, bar_top);
  p.HorizontalGradient({standing.left + 1, standing.top + 3, standing.right - 1, standing.bottom - 3}, bar_top, bar_bottom);
  p.RoundFrame(standing, 4, 1, kBorder);

  const Rect bar_piece{open.left + 20, open.top, open.left + 21, open.top + 17};
  const Rect vbar_piece{standing.left, standing.top + 30, standing.right, standing.top + 31};
  const auto horiz = [&](ButtonGlyph glyph) {
    Triple t{c.Place(15, 17), c.Place(15, 17), c.Place(15, 17)};
    DrawSectionButton(c, t.normal, bar_piece, false, glyph, kNormal);
    DrawSectionButton(c, t.active, bar_piece, false, glyph, kActive);
    DrawSectionButton(c, t.down, bar_piece, false, glyph, kDown);
    return t;
  };
  const auto vert = [&](ButtonGlyph glyph) {
    Triple t{c.Place(17, 15), c.Place(17, 15), c.Place(17, 15)};
    DrawSectionButton(c, t.normal, vbar_piece, true, glyph, kNormal);
    DrawSectionButton(c, t.active, vbar_piece, true, glyph, kActive);
    DrawSectionButton(c, t.down, vbar_piece, true, glyph, kDown);
    return t;
  };
  const Triple close = horiz(ButtonGlyph::kCross);
  const Triple vroll = horiz(ButtonGlyph::kUp);
  const Triple vrestore = horiz(ButtonGlyph::kDown);
  const Triple hroll = vert(ButtonGlyph::kLeft);
  const Triple hrestore = vert(ButtonGlyph::kRight);
  d.Sec("expanel").I("pictureindex", 0).R("skinrect", open).Nine({8, 20}, {58, 20}, {8, 54}, {58, 54}, {1, 17, 65, 56})
      .R("rollhskinrect", standing).R("rollvskinrect", rolled).I("rollleftoffset", 8).I("rollrightoffset", 8)
      .I("rolltopoffset", 8).I("rollbottomoffset", 8).R("rollvcaptionrect", {6, 0, 63, 17})
      .R("rollhcaptionrect", {0, 6, 17, 63}).R("closebuttonrect", close.normal).R("closebuttonactiverect", close.active)
      .R("closebuttondownrect", close.down).R("hrollbuttonrect", hroll.normal).R("hrollbuttonactiverect", hroll.active)
      .R("hrollbuttondownrect", hroll.down).R("hrestorebuttonrect", hrestore.normal)
      .R("hrestorebuttonactiverect", hrestore.active).R("hrestorebuttondownrect", hrestore.down)
      .R("vrollbuttonrect", vroll.normal).R("vrollbuttonactiverect", vroll.active).R("vrollbuttondownrect", vroll.down)
      .R("vrestorebuttonrect", vrestore.normal).R("vrestorebuttonactiverect", vrestore.active)
      .R("vrestorebuttondownrect", vrestore.down).R("captionrect", {6, 0, 63, 17}).Font(kText, "fsbold");
}

// ---- edits, combo and spin boxes ----

void DrawField(Painter& p, const Rect& r, State s) {
  if (s == kActive) {
    p.RoundRect(r, 3, kSlate, kSlate);
    p.RoundFrame(r, 3, 1, kAccentHover);
  } else {
    p.RoundRect(r, 3, kWhite, kWhite);
    p.RoundFrame(r, 3, 1, kBorderStrong);
  }
}

// A small square button image (arrow or ellipsis) on a field of the given state.
Rect FieldButton(Sheet& c, int32_t w, int32_t h, ButtonGlyph glyph, State s, bool on_dark = false) {
  const Rect r = c.Place(w, h);
  Painter& p = c.Paint();
  p.Fill(r, on_dark ? kSlate : kWhite);
  if (s == kActive) p.RoundRect(r, 2.5, kHover, kHover);
  if (s == kDown) p.RoundRect(r, 2.5, kPressed, kPressed);
  const Color g = s == kDisabled ? kTextDisabled : kGlyphDark;
  const double cx = r.left + w / 2.0;
  const double cy = r.top + h / 2.0;
  if (glyph == ButtonGlyph::kDots) {
    for (int i = -1; i <= 1; ++i) p.Disc(cx + i * 3.5, cy + 0.5, 1.1, g);
  } else {
    Chevron(p, cx, cy, ChevronOf(glyph), h < 12 ? 2.5 : 3.2, g, 1.3);
  }
  return r;
}

void Edits(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  const Rect normal = c.Place(41, 17);
  const Rect active = c.Place(41, 17);
  DrawField(p, normal, kNormal);
  DrawField(p, active, kActive);
  const Rect eb = FieldButton(c, 15, 15, ButtonGlyph::kDots, kNormal);
  const Rect eba = FieldButton(c, 15, 15, ButtonGlyph::kDots, kActive);
  const Rect ebd = FieldButton(c, 15, 15, ButtonGlyph::kDots, kDown);
  const Rect ebx = FieldButton(c, 15, 15, ButtonGlyph::kDots, kDisabled);
  const auto edit = [&](const char* name, bool with_button) {
    Section s = d.Sec(name);
    s.I("pictureindex", 0).R("skinrect", normal).R("activeskinrect", active).Font(0).C("disabledfontcolor", kMid)
        .C("activefontcolor", kWhite);
    if (!with_button) {
      s.Nine({5, 8}, {36, 8}, {0, 0}, {0, 0}, {4, 2, 37, 15});
    } else {
      // The button lies in the right piece, so it moves with the field's right edge.
      s.Nine({5, 8}, {24, 8}, {0, 0}, {0, 0}, {4, 2, 24, 15});
      s.R("buttonrect", {25, 1, 40, 16}).R("activebuttonrect", eba).R("downbuttonrect", ebd)
          .R("unenabledbuttonrect", ebx);
    }
  };
  edit("edit", false);
  edit("statusedit", false);
  edit("tooledit", false);
  edit("buttonedit", true);
  edit("statusbuttonedit", true);
  edit("toolbuttonedit", true);
  (void)eb;

  // Memo and rich edit: a white sheet whose frame lights up.
  const Rect memo = FlatBox(c, 24, 24, kWhite, kBorderStrong, 3);
  const Rect memo_active = FlatBox(c, 24, 24, kWhite, kAccent, 3);
  d.Sec("memo").I("pictureindex", 0).R("skinrect", memo).Nine({4, 4}, {20, 4}, {4, 20}, {20, 20}, {3, 3, 21, 21})
      .R("activeskinrect", memo_active).Font(kText).C("disabledfontcolor", kTextDisabled).C("activefontcolor", kText)
      .C("bgcolor", kWhite).C("activebgcolor", kWhite);
  d.Sec("richedit").Font(kText).C("bgcolor", kWhite);

  // Combo box: a field with a chevron on the right.
  const Rect combo = c.Place(60, 20);
  DrawField(p, combo, kNormal);
  Chevron(p, combo.left + 50, combo.top + 10, Direction::kDown, 3.2, kGlyphDark, 1.3);
  const Rect cba = FieldButton(c, 17, 18, ButtonGlyph::kDown, kActive);
  const Rect cbd = FieldButton(c, 17, 18, ButtonGlyph::kDown, kDown);
  const Rect cbx = FieldButton(c, 17, 18, ButtonGlyph::kDown, kDisabled);
  const Rect item = c.Place(30, 18);
  p.Fill(item, kWhite);
  const Rect focus_item = c.Place(30, 18);
  p.Fill(focus_item, kWhite);
  p.RoundRect(focus_item, 3, kAccent, kAccent);
  for (const char* name : {"combobox", "captioncombobox", "statuscombobox", "toolcombobox"}) {
    d.Sec(name).I("pictureindex", 0).R("skinrect", combo).Nine({5, 10}, {38, 10}, {0, 0}, {0, 0}, {4, 2, 40, 18})
        .R("itemrect", item).R("focusitemrect", focus_item).I("itemleftoffset", 4).I("itemrightoffset", 4)
        .R("itemtextrect", {4, 0, 26, 18}).Font(kText).C("focusfontcolor", kWhite).S("listboxname", "listbox")
        .R("buttonrect", {42, 1, 59, 19}).R("activebuttonrect", cba).R("downbuttonrect", cbd)
        .R("unenabledbuttonrect", cbx);
  }

  // Spin edit: a field with two small steps on the right.
  const Rect spin = c.Place(60, 20);
  DrawField(p, spin, kNormal);
  Chevron(p, spin.left + 52, spin.top + 6, Direction::kUp, 2.5, kGlyphDark, 1.2);
  Chevron(p, spin.left + 52, spin.top + 14, Direction::kDown, 2.5, kGlyphDark, 1.2);
  const Rect su_a = FieldButton(c, 14, 9, ButtonGlyph::kUp, kActive);
  const Rect su_d = FieldButton(c, 14, 9, ButtonGlyph::kUp, kDown);
  const Rect sd_a = FieldButton(c, 14, 9, ButtonGlyph::kDown, kActive);
  const Rect sd_d = FieldButton(c, 14, 9, ButtonGlyph::kDown, kDown);
  for (const char* name : {"spinedit", "statusspinedit", "toolspinedit"}) {
    d.Sec(name).I("pictureindex", 0).R("skinrect", spin).Nine({5, 10}, {44, 10}, {0, 0}, {0, 0}, {4, 2, 44, 18})
        .R("activeskinrect", spin).Font(kText).C("activefontcolor", kText).C("disabledfontcolor", kTextDisabled)
        .R("upbuttonrect", {45, 1, 59, 10}).R("activeupbuttonrect", su_a).R("downupbuttonrect", su_d)
        .R("downbuttonrect", {45, 10, 59, 19}).R("activedownbuttonrect", sd_a).R("downdownbuttonrect", sd_d);
  }
}

// ---- lists and grid ----

void Lists(Design& d, const CheckImages& check) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  const Rect body = FlatBox(c, 24, 24, kWhite, kBorderStrong, 3);
  const Rect item = c.Place(30, 18);
  p.Fill(item, kWhite);
  const Rect hot = c.Place(30, 18);
  p.Fill(hot, kWhite);
  p.RoundRect(hot, 3, kAccentLight, kAccentLight);
  const Rect focus = c.Place(30, 18);
  p.Fill(focus, kWhite);
  p.RoundRect(focus, 3, kAccent, kAccent);

  const Rect cap = c.Place(24, 42);
  p.RoundRect(cap, 3, kWhite, kWhite);
  p.RoundRect({cap.left, cap.top, cap.right, cap.top + 19}, 3, Rgb(243, 246, 250), Rgb(233, 238, 244), 1 | 2);
  p.Fill({cap.left + 1, cap.top + 18, cap.right - 1, cap.top + 19}, kBorder);
  p.RoundFrame(cap, 3, 1, kBorderStrong);

  const auto list = [&](const char* name, const Rect& skin, bool caption, bool checks) {
    Section s = d.Sec(name);
    s.I("pictureindex", 0).R("skinrect", skin);
    if (caption) {
      s.Nine({5, 19}, {19, 19}, {5, 37}, {19, 37}, {1, 19, 23, 39}).R("captionrect", {4, 0, 20, 18});
    } else {
      s.Nine({4, 4}, {20, 4}, {4, 20}, {20, 20}, {3, 3, 21, 21});
    }
    s.R("itemrect", item).R("activeitemrect", hot).R("focusitemrect", focus).I("itemleftoffset", 4)
        .I("itemrightoffset", 4).R("itemtextrect", {5, 0, 25, 18}).Font(kText).C("activefontcolor", kText)
        .C("focusfontcolor", kWhite).S("captionfontname", "Arial").I("captionfontheight", 14)
        .S("captionfontstyle", "fsbold").C("captionfontcolor", kText);
    if (checks) {
      s.R("itemcheckrect", {3, 2, 17, 16}).R("checkimagerect", check.check).R("uncheckimagerect", check.uncheck);
    }
  };
  list("listbox", body, false, false);
  list("checklistbox", body, false, true);
  list("captionlistbox", cap, true, false);
  list("captionchecklistbox", cap, true, true);

  const Rect fixed = c.Place(30, 18);
  p.VerticalGradient(fixed, Rgb(248, 249, 251), Rgb(236, 240, 245));
  p.Fill({fixed.left, fixed.bottom - 1, fixed.right, fixed.bottom}, kBorder);
  p.Fill({fixed.right - 1, fixed.top, fixed.right, fixed.bottom}, kBorder);
  const Rect select = c.Place(30, 18);
  p.Fill(select, kAccent);
  const Rect focus_cell = c.Place(30, 18);
  p.Fill(focus_cell, kAccentLight);
  p.RoundFrame(focus_cell, 0, 1, kAccent);
  d.Sec("grid").I("pictureindex", 0).R("fixedcellrect", fixed).R("selectcellrect", select)
      .R("focuscellrect", focus_cell).I("fixedcellleftoffset", 3).I("fixedcellrightoffset", 3)
      .R("fixedcelltextrect", {4, 0, 26, 18}).I("cellleftoffset", 3).I("cellrightoffset", 3)
      .R("celltextrect", {4, 0, 26, 18}).C("linescolor", kBorderSoft).C("bgcolor", kWhite).Font(kText)
      .C("selectfontcolor", kWhite).C("focusfontcolor", kText).S("fixedfontname", "Arial").I("fixedfontheight", 14)
      .S("fixedfontstyle", "").C("fixedfontcolor", kText);

  // List header cells.
  Rect header[3];
  const Color tops[3] = {kWhite, Rgb(240, 245, 253), Rgb(221, 232, 251)};
  const Color bottoms[3] = {Rgb(241, 244, 247), Rgb(228, 237, 252), Rgb(206, 222, 249)};
  for (int i = 0; i < 3; ++i) {
    header[i] = c.Place(40, 20);
    p.VerticalGradient(header[i], tops[i], bottoms[i]);
    p.Fill({header[i].left, header[i].bottom - 1, header[i].right, header[i].bottom}, i == 0 ? kBorder : kAccent);
    p.Fill({header[i].right - 1, header[i].top + 3, header[i].right, header[i].bottom - 3}, kBorder);
  }
  d.ButtonRecord("resizebutton", 0, header[0], header[1], header[2], kText, kText, kText, kTextDisabled)
      .Nine({4, 10}, {36, 10}, {0, 0}, {0, 0}, {4, 2, 36, 18});
}

// ---- scroll bars and up-downs ----

constexpr Color kScrollBg = Rgb(243, 245, 248);
constexpr Color kScrollThumb[3] = {Rgb(193, 200, 211), Rgb(166, 176, 190), Rgb(136, 148, 165)};

void DrawScrollButton(Painter& p, const Rect& r, Direction glyph, State s, Color bg) {
  p.Fill(r, bg);
  const Rect face{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  if (s == kActive) p.RoundRect(face, 3, kHover, kHover);
  if (s == kDown) p.RoundRect(face, 3, kPressed, kPressed);
  Chevron(p, r.left + r.Width() / 2.0, r.top + r.Height() / 2.0, glyph, 3, s == kNormal ? kGlyph : kGlyphDark, 1.4);
}

// The hairline along the long edge that faces the content: left of a vertical piece, on top of a
// horizontal one.
void ScrollEdge(Painter& p, const Rect& r, bool vertical) {
  if (vertical) {
    p.Fill({r.left, r.top, r.left + 1, r.bottom}, kBorderSoft);
  } else {
    p.Fill({r.left, r.top, r.right, r.top + 1}, kBorderSoft);
  }
}

// A whole bar: the track with its two buttons at rest, 18 pixels each at the ends of 60.
Rect ScrollBarBody(Sheet& c, bool vertical, int32_t length) {
  Painter& p = c.Paint();
  const Rect r = vertical ? c.Place(19, length) : c.Place(length, 19);
  p.Fill(r, kScrollBg);
  ScrollEdge(p, r, vertical);
  if (vertical) {
    DrawScrollButton(p, {r.left, r.top, r.right, r.top + 18}, Direction::kUp, kNormal, kScrollBg);
    DrawScrollButton(p, {r.left, r.top + 42, r.right, r.top + 60}, Direction::kDown, kNormal, kScrollBg);
  } else {
    DrawScrollButton(p, {r.left, r.top, r.left + 18, r.bottom}, Direction::kLeft, kNormal, kScrollBg);
    DrawScrollButton(p, {r.left + 42, r.top, r.left + 60, r.bottom}, Direction::kRight, kNormal, kScrollBg);
  }
  ScrollEdge(p, r, vertical);
  return r;
}

Rect ScrollButtonImage(Sheet& c, bool vertical, Direction glyph, State s) {
  const Rect r = vertical ? c.Place(19, 18) : c.Place(18, 19);
  DrawScrollButton(c.Paint(), r, glyph, s, kScrollBg);
  ScrollEdge(c.Paint(), r, vertical);
  return r;
}

// The thumb at rest, under the mouse and pressed: a pill across the track.
Triple ScrollThumbs(Sheet& c, bool vertical) {
  Painter& p = c.Paint();
  Triple t;
  Rect* out[3] = {&t.normal, &t.active, &t.down};
  for (int i = 0; i < 3; ++i) {
    const Rect r = vertical ? c.Place(19, 24) : c.Place(24, 19);
    p.Fill(r, kScrollBg);
    const Rect pill = vertical ? Rect{r.left + 5, r.top + 1, r.left + 14, r.bottom - 1}
                               : Rect{r.left + 1, r.top + 5, r.right - 1, r.top + 14};
    p.RoundRect(pill, 4.5, kScrollThumb[i], kScrollThumb[i]);
    ScrollEdge(p, r, vertical);
    *out[i] = r;
  }
  return t;
}

// The active and pressed images of one button of a bar.
struct Pair {
  Rect active, down;
};

Pair ScrollButtonImages(Sheet& c, bool vertical, Direction glyph) {
  const Rect active = ScrollButtonImage(c, vertical, glyph, kActive);
  return {active, ScrollButtonImage(c, vertical, glyph, kDown)};
}

void ScrollBars(Design& d) {
  Sheet& c = d.controls;
  const Rect h = ScrollBarBody(c, false, 60);
  const Rect both = c.Place(79, 19);
  // The "both" bar carries the corner square where the two bars meet.
  for (int32_t y = 0; y < 19; ++y) {
    for (int32_t x = 0; x < 60; ++x) c.Picture().SetPixel(both.left + x, both.top + y, c.Picture().Pixel(h.left + x, h.top + y));
  }
  c.Paint().Fill({both.left + 60, both.top, both.right, both.bottom}, kWindowBg);
  const Rect v = ScrollBarBody(c, true, 60);
  const Pair left = ScrollButtonImages(c, false, Direction::kLeft);
  const Pair right = ScrollButtonImages(c, false, Direction::kRight);
  const Pair up = ScrollButtonImages(c, true, Direction::kUp);
  const Pair down = ScrollButtonImages(c, true, Direction::kDown);
  const Triple ht = ScrollThumbs(c, false);
  const Triple vt = ScrollThumbs(c, true);
  const auto hbar = [&](const char* name, const Rect& skin) {
    d.Sec(name).I("pictureindex", 0).R("skinrect", skin).Nine({18, 9}, {41, 9}, {0, 0}, {0, 0}, {18, 0, 42, 19})
        .R("trackarea", {18, 0, 42, 19}).R("upbuttonrect", {42, 0, 60, 19}).R("activeupbuttonrect", right.active)
        .R("downupbuttonrect", right.down).R("downbuttonrect", {0, 0, 18, 19}).R("activedownbuttonrect", left.active)
        .R("downdownbuttonrect", left.down).R("thumbrect", ht.normal).R("activethumbrect", ht.active)
        .R("downthumbrect", ht.down).I("thumboffset1", 6).I("thumboffset2", 6);
  };
  hbar("hscrollbar", h);
  hbar("bothhscrollbar", both);
  d.Sec("vscrollbar").I("pictureindex", 0).R("skinrect", v).Nine({9, 18}, {0, 0}, {9, 41}, {0, 0}, {0, 18, 19, 42})
      .R("trackarea", {0, 18, 19, 42}).R("upbuttonrect", {0, 42, 19, 60}).R("activeupbuttonrect", down.active)
      .R("downupbuttonrect", down.down).R("downbuttonrect", {0, 0, 19, 18}).R("activedownbuttonrect", up.active)
      .R("downdownbuttonrect", up.down).R("thumbrect", vt.normal).R("activethumbrect", vt.active)
      .R("downthumbrect", vt.down).I("thumboffset1", 6).I("thumboffset2", 6);
}

// The two halves of a 36-pixel up-down image: the first 18 pixels and the rest.
Rect FirstHalf(const Rect& r, bool vertical) {
  return vertical ? Rect{r.left, r.top, r.right, r.top + 18} : Rect{r.left, r.top, r.left + 18, r.bottom};
}
Rect SecondHalf(const Rect& r, bool vertical) {
  return vertical ? Rect{r.left, r.top + 18, r.right, r.bottom} : Rect{r.left + 18, r.top, r.right, r.bottom};
}

// An up-down pair: a small framed box split in two, each half in its own state.
void DrawUpDown(Painter& p, const Rect& r, bool vertical, State first, State second) {
  p.RoundRect(r, 3, kWhite, kWhite);
  for (int i = 0; i < 2; ++i) {
    const Rect part = i == 0 ? FirstHalf(r, vertical) : SecondHalf(r, vertical);
    const State s = i == 0 ? first : second;
    const Rect face{part.left + 2, part.top + 2, part.right - 2, part.bottom - 2};
    if (s == kActive) p.RoundRect(face, 2.5, kHover, kHover);
    if (s == kDown) p.RoundRect(face, 2.5, kPressed, kPressed);
    const Direction glyph = vertical ? (i == 0 ? Direction::kUp : Direction::kDown)
                                     : (i == 0 ? Direction::kLeft : Direction::kRight);
    Chevron(p, part.left + part.Width() / 2.0, part.top + part.Height() / 2.0, glyph, 3, kGlyphDark, 1.4);
  }
  p.RoundFrame(r, 3, 1, kBorderStrong);
  if (vertical) {
    p.Fill({r.left + 3, r.top + 18, r.right - 3, r.top + 19}, kBorderSoft);
  } else {
    p.Fill({r.left + 18, r.top + 3, r.left + 19, r.bottom - 3}, kBorderSoft);
  }
}

void UpDowns(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  // The horizontal one sits at its fixed place; the images of its pressed halves are packed.
  DrawUpDown(p, kHUpDown, false, kNormal, kNormal);
  const Rect hud_hot = c.Place(36, 18);
  DrawUpDown(p, hud_hot, false, kActive, kActive);
  const Rect hud_down = c.Place(36, 18);
  DrawUpDown(p, hud_down, false, kDown, kDown);
  d.Sec("hupdown").I("pictureindex", 0).R("skinrect", kHUpDown)
      .R("upbuttonrect", {18, 0, 36, 18}).R("activeupbuttonrect", SecondHalf(hud_hot, false))
      .R("downupbuttonrect", SecondHalf(hud_down, false))
      .R("downbuttonrect", {0, 0, 18, 18}).R("activedownbuttonrect", FirstHalf(hud_hot, false))
      .R("downdownbuttonrect", FirstHalf(hud_down, false));
  const Rect vud = c.Place(18, 36);
  DrawUpDown(p, vud, true, kNormal, kNormal);
  const Rect vud_hot = c.Place(18, 36);
  DrawUpDown(p, vud_hot, true, kActive, kActive);
  const Rect vud_down = c.Place(18, 36);
  DrawUpDown(p, vud_down, true, kDown, kDown);
  d.Sec("vupdown").I("pictureindex", 0).R("skinrect", vud)
      .R("upbuttonrect", {0, 0, 18, 18}).R("activeupbuttonrect", FirstHalf(vud_hot, true))
      .R("downupbuttonrect", FirstHalf(vud_down, true))
      .R("downbuttonrect", {0, 18, 18, 36}).R("activedownbuttonrect", SecondHalf(vud_hot, true))
      .R("downdownbuttonrect", SecondHalf(vud_down, true));
}

// ---- slider and main menu bar ----

void SliderAndMenuBar(Design& d) {
  Sheet& c = d.controls;
  Painter& p = c.Paint();
  const Rect hr = c.Place(40, 6);
  p.RoundRect(hr, 3, Rgb(212, 218, 227), Rgb(212, 218, 227));
  const Rect ht = c.Place(11, 17);
  p.RoundRect(ht, 3, kWhite, Rgb(238, 241, 245));
  p.RoundFrame(ht, 3, 1, kAccent);
  const Rect vr = c.Place(6, 40);
  p.RoundRect(vr, 3, Rgb(212, 218, 227), Rgb(212, 218, 227));
  const Rect vt = c.Place(17, 11);
  p.RoundRect(vt, 3, kWhite, Rgb(238, 241, 245));
  p.RoundFrame(vt, 3, 1, kAccent);
  d.Sec("slider").I("pictureindex", 0).C("bgcolor", kSurface).R("hrulerrect", hr).R("hthumbrect", ht).R("vrulerrect", vr)
      .R("vthumbrect", vt).I("edgesize", 3).C("pointscolor", kGlyph);

  const Rect bar = c.Place(24, 20);
  p.Fill(bar, Rgb(250, 251, 252));
  p.Fill({bar.left, bar.bottom - 1, bar.right, bar.bottom}, kBorderSoft);
  d.Sec("mainmenubar").I("pictureindex", 0).R("skinrect", bar).Nine({4, 10}, {20, 10}, {0, 0}, {0, 0}, {2, 0, 22, 19})
      .R("itemsrect", {2, 0, 22, 19}).S("menubaritem", "mainmenubaritem").S("closebutton", "mmbclose")
      .S("minbutton", "mmbmin").S("maxbutton", "mmbmax").S("sysmenubutton", "mmbsysmenu")
      .C("trackmarkcolor", kGlyph).C("trackmarkactivecolor", kAccent);
}

// ---- the tab control (tabs.bmp) ----

void Tabs(Design& d) {
  Sheet& t = d.tabs;
  Painter& p = t.Paint();
  const Rect tab = t.Place(41, 17);
  p.RoundRect(tab, 4, Rgb(232, 236, 241), Rgb(225, 230, 236), 1 | 2);
  p.RoundFrame({tab.left, tab.top, tab.right, tab.bottom + 4}, 4, 1, kBorderSoft, 1 | 2);
  p.Fill({tab.left, tab.bottom - 1, tab.right, tab.bottom}, kBorder);
  const auto open_tab = [&](Color fill) {
    const Rect r = t.Place(41, 17);
    p.RoundRect(r, 4, fill, fill, 1 | 2);
    p.RoundFrame({r.left, r.top, r.right, r.bottom + 4}, 4, 1, kBorder, 1 | 2);
    p.RoundRect({r.left, r.top, r.right, r.top + 3}, 3, kAccent, kAccent, 1 | 2);
    return r;
  };
  const Rect active = open_tab(kSurface);
  const Rect focus = open_tab(Rgb(242, 246, 253));
  const Rect frame = t.Place(30, 30);
  p.Fill(frame, kSurface);
  p.RoundFrame(frame, 0, 1, kBorder);
  const Rect strip = t.Place(8, 8);
  p.Fill(strip, kWindowBg);
  d.Sec("tab").I("pictureindex", 9).R("skinrect", frame).R("tabrect", tab).R("activetabrect", active)
      .R("focustabrect", focus).R("mouseintabrect", {}).R("clientrect", {1, 1, 29, 29}).I("bgpictureindex", -1)
      .P("lefttoppoint", {3, 3}).P("righttoppoint", {27, 3}).P("leftbottompoint", {3, 27}).P("rightbottompoint", {27, 27})
      .I("tableftoffset", 5).I("tabrightoffset", 5).R("tabsbgrect", strip).Font(kTextMuted)
      .C("activefontcolor", kText).C("focusfontcolor", kText).C("mouseinfontcolor", kAccent).S("updown", "hupdown");
}

// ---- popup menu, hint and the frame objects ----

void PopupAndHint(Design& d) {
  Painter& pp = d.popup.Paint();
  pp.Fill({0, 0, 40, 40}, Rgb(176, 186, 200));
  pp.Fill({1, 1, 39, 39}, kWhite);
  d.Sec("POPUPWINDOW").I("windowpictureindex", 1).I("maskpictureindex", -1).P("lefttoppoint", {4, 4})
      .P("righttoppoint", {36, 4}).P("leftbottompoint", {4, 36}).P("rightbottompoint", {36, 36})
      .R("itemsrect", {3, 3, 37, 37}).C("scrollmarkercolor", kGlyph).C("scrollmarkeractivecolor", kAccent)
      .I("leftstretch", 0).I("rightstretch", 0).I("topstretch", 0).I("bottomstretch", 0);

  Painter& hp = d.hint.Paint();
  hp.Fill({0, 0, 24, 22}, Rgb(30, 39, 54));
  hp.Fill({1, 1, 23, 21}, kSlate);
  d.Sec("HINTWINDOW").I("windowpictureindex", 2).I("maskpictureindex", -1).P("lefttoppoint", {5, 5})
      .P("righttoppoint", {19, 5}).P("leftbottompoint", {5, 17}).P("rightbottompoint", {19, 17})
      .R("clientrect", {5, 3, 19, 19}).Font(kWhite).I("leftstretch", 0).I("rightstretch", 0).I("topstretch", 0)
      .I("bottomstretch", 0);
}

// Menu items: the highlight is an accent pill inside the row.
void MenuItems(Design& d) {
  Sheet& o = d.objects;
  Painter& p = o.Paint();
  const Rect item = o.Place(40, 20);
  const Rect item_active = o.Place(40, 20);
  p.RoundRect({item_active.left + 2, item_active.top + 1, item_active.right - 2, item_active.bottom - 1}, 3.5, kAccent,
              kAccent);
  const Rect divider = o.Place(40, 7);
  p.Fill({divider.left + 4, divider.top + 3, divider.right - 4, divider.top + 4}, kBorderSoft);
  d.Object("MENUITEM", "menuitem");
  d.Sec("MENUITEM").I("activepictureindex", 3).I("skinrectinapicture", 1).R("skinrect", item)
      .R("activeskinrect", item_active).I("morphing", 0).S("morphkind", "mkdefault").I("itemleftoffset", 6)
      .I("itemrightoffset", 6).R("dividerrect", divider).I("dividerleftoffset", 6).I("dividerrightoffset", 6)
      .R("textrect", {6, 0, 34, 20}).Font(kText).C("activefontcolor", kWhite).C("unenabledfontcolor", kTextDisabled);
}

// The three images of a 19 x 16 caption button, drawn over the caption gradient of its frame rows.
Triple CaptionButtonImages(Sheet& o, CaptionGlyph glyph) {
  const Rect n = o.Place(19, 16), a = o.Place(19, 16), dn = o.Place(19, 16);
  DrawCaptionButton(o, n, kCaptionButtonTop, glyph, kNormal);
  DrawCaptionButton(o, a, kCaptionButtonTop, glyph, kActive);
  DrawCaptionButton(o, dn, kCaptionButtonTop, glyph, kDown);
  return {n, a, dn};
}

// The caption text and every caption button.
void CaptionObjects(Design& d) {
  Sheet& o = d.objects;
  Painter& p = o.Paint();
  // The caption ends before the buttons row and reaches into the top-right corner piece, so it
  // grows with the window and never lies under a caption button.
  d.Object("caption", "caption");
  d.Sec("caption").I("activepictureindex", -1).I("skinrectinapicture", 0).R("skinrect", {28, 7, 104, 23})
      .R("textrect", {2, 0, 74, 16}).Font(Rgb(128, 136, 150), "fsbold").C("activefontcolor", kText)
      .S("alignment", "taleftjustify").I("shadow", 0);

  struct Std {
    const char* name;
    const char* command;
    const char* hint;
    CaptionGlyph glyph;
    CaptionGlyph restore;
    bool restorable;
  };
  const Std buttons[] = {
      {"closebutton", "cmclose", "Close", CaptionGlyph::kClose, CaptionGlyph::kClose, false},
      {"minbutton", "cmminimize", "Minimize", CaptionGlyph::kMinimize, CaptionGlyph::kRestore, true},
      {"maxbutton", "cmmaximize", "Maximize", CaptionGlyph::kMaximize, CaptionGlyph::kRestore, true},
      {"rollupbutton", "cmrollup", "Roll up", CaptionGlyph::kRollUp, CaptionGlyph::kRollDown, true},
  };
  for (const Std& b : buttons) {
    const Triple t = CaptionButtonImages(o, b.glyph);
    Section s = d.Sec(b.name);
    s.S("hint", b.hint).I("activepictureindex", 3).I("skinrectinapicture", 1).R("skinrect", t.normal)
        .R("activeskinrect", t.active).I("morphing", 1).S("morphkind", "mkdefault").R("downrect", t.down)
        .S("command", b.command);
    if (b.restorable) {
      const Triple r = CaptionButtonImages(o, b.restore);
      s.R("restorerect", r.normal).R("restoreactiverect", r.active).R("restoredownrect", r.down);
    }
    d.Object(b.name, "stdbutton");
  }
  // The system menu button is the badge drawn in the frame picture; its active image adds a ring.
  const Rect badge_active = o.Place(16, 16);
  for (int32_t y = 0; y < 16; ++y) {
    p.Fill({badge_active.left, badge_active.top + y, badge_active.right, badge_active.top + y + 1},
           CaptionColor(kCaptionButtonTop + y));
  }
  DrawBadge(p, badge_active);
  p.RoundFrame(badge_active, 3.5, 1, Rgb(26, 70, 160));
  d.Object("sysmenubutton", "stdbutton");
  d.Sec("sysmenubutton").S("hint", "System menu").I("activepictureindex", 3).I("skinrectinapicture", 0)
      .R("skinrect", kFrameBadge).R("activeskinrect", badge_active).I("morphing", 0).S("morphkind", "mkdefault")
      .S("command", "cmsysmenu");
  const Triple tray = CaptionButtonImages(o, CaptionGlyph::kTray);
  d.Object("traybutton", "stdbutton");
  d.Sec("traybutton").S("hint", "Minimize to tray").I("activepictureindex", 3).I("skinrectinapicture", 1)
      .R("skinrect", tray.normal).R("activeskinrect", tray.active).I("morphing", 1).S("morphkind", "mkdefault")
      .R("downrect", tray.down).S("command", "cmminimizetotray");
}

// Main menu bar: items and the small window buttons of a maximized child.
void MainMenuBarObjects(Design& d) {
  Sheet& o = d.objects;
  Painter& p = o.Paint();
  const Color bar = Rgb(250, 251, 252);
  const Rect bar_item = o.Place(40, 20);
  p.Fill(bar_item, bar);
  const Rect bar_hot = o.Place(40, 20);
  p.Fill(bar_hot, bar);
  p.RoundRect({bar_hot.left + 1, bar_hot.top + 2, bar_hot.right - 1, bar_hot.bottom - 2}, 3, kAccentLight, kAccentLight);
  const Rect bar_down = o.Place(40, 20);
  p.Fill(bar_down, bar);
  p.RoundRect({bar_down.left + 1, bar_down.top + 2, bar_down.right - 1, bar_down.bottom - 2}, 3, kAccentLight2, kAccentLight2);
  d.Object("mainmenubaritem", "mainmenubaritem");
  d.Sec("mainmenubaritem").I("activepictureindex", 3).I("skinrectinapicture", 1).R("skinrect", bar_item)
      .R("activeskinrect", bar_hot).I("morphing", 0).S("morphkind", "mkdefault").I("itemleftoffset", 4)
      .I("itemrightoffset", 4).R("downrect", bar_down).R("textrect", {6, 0, 34, 20}).Font(kText)
      .C("activefontcolor", kText).C("downfontcolor", kText).C("unenabledfontColor", kTextDisabled);
  const struct {
    const char* name;
    const char* command;
    CaptionGlyph glyph;
  } mmb[] = {{"mmbclose", "cmclose", CaptionGlyph::kClose},
             {"mmbmin", "cmminimize", CaptionGlyph::kMinimize},
             {"mmbmax", "cmmaximize", CaptionGlyph::kRestore},
             {"mmbsysmenu", "cmsysmenu", CaptionGlyph::kRollDown}};
  for (const auto& b : mmb) {
    Rect r[3];
    for (int s = 0; s < 3; ++s) {
      r[s] = o.Place(16, 16);
      p.Fill(r[s], bar);
      if (s == kActive) p.RoundRect(r[s], 3, kHover, kHover);
      if (s == kDown) p.RoundRect(r[s], 3, kPressed, kPressed);
      DrawCaptionGlyph(p, r[s], b.glyph, kGlyphDark);
    }
    d.Object(b.name, "mainmenubarbutton");
    d.Sec(b.name).I("activepictureindex", 3).I("skinrectinapicture", 1).R("skinrect", r[0]).R("activeskinrect", r[1])
        .I("morphing", 0).S("morphkind", "mkdefault").R("downrect", r[2]).S("command", b.command);
  }
}

void MenusAndFrameObjects(Design& d) {
  PopupAndHint(d);
  MenuItems(d);
  CaptionObjects(d);
  MainMenuBarObjects(d);
}

// ---------------------------------------------------------------------------------------------

// The controls in the order the program's skin lists them.
constexpr const char* kControlOrder[][2] = {
    {"button", "button"}, {"toolpanel", "panel"}, {"toolbutton", "button"}, {"checkbox", "checkradio"},
    {"gauge", "gauge"}, {"vgauge", "gauge"}, {"radiobox", "checkradio"}, {"panel", "panel"}, {"label", "label"},
    {"trackbar", "trackbar"}, {"htrackbar", "trackbar"}, {"grid", "grid"}, {"tab", "tab"},
    {"hscrollbar", "scrollbar"}, {"vscrollbar", "scrollbar"}, {"edit", "edit"}, {"memo", "memo"},
    {"listbox", "listbox"}, {"combobox", "combobox"}, {"spinedit", "spinedit"}, {"checklistbox", "checklistbox"},
    {"groupbox", "panel"}, {"stdlabel", "stdlabel"}, {"statusbar", "panel"}, {"statuspanel", "label"},
    {"vupdown", "updown"}, {"hupdown", "updown"}, {"buttonedit", "edit"}, {"captionlistbox", "listbox"},
    {"captionchecklistbox", "checklistbox"}, {"captioncombobox", "combobox"}, {"controlbar", "controlbar"},
    {"vsplitter", "splitter"}, {"hsplitter", "splitter"}, {"mainmenubar", "mainmenubar"},
    {"resizebutton", "button"}, {"bothhscrollbar", "scrollbar"}, {"bigtoolpanel", "panel"},
    {"bigtoolbutton", "button"}, {"bigtoolmenubutton", "menubutton"}, {"bigtoolmenutrackbutton", "menubutton"},
    {"toolmenubutton", "menubutton"}, {"toolmenutrackbutton", "menubutton"}, {"scrollbox", "scrollbox"},
    {"statusgauge", "gauge"}, {"richedit", "richedit"}, {"expanel", "expanel"}, {"slider", "slider"},
    {"bevel", "bevel"}, {"statusedit", "edit"}, {"statusbuttonedit", "edit"}, {"statusspinedit", "spinedit"},
    {"statuscombobox", "combobox"}, {"toolcombobox", "combobox"}, {"tooledit", "edit"}, {"toolspinedit", "spinedit"},
    {"toolbuttonedit", "edit"}, {"resizetoolpanel", "panel"}, {"resizetoolbutton", "button"},
    {"menuitembutton", "button"}, {"htracktoolbutton", "button"}, {"vtracktoolbutton", "button"},
};

void WriteHeaderSections(skin::IniFile& ini) {
  Section(ini, "VERSION").S("skinname", "Orvel Calm").S("skinauthor", "Orvel").S("authorurl", "")
      .S("authoremail", "").S("skincomments", "The program's own skin, drawn by orvel-skingen").I("ver", 1);
  Section(ini, "PICTURES").S("picture", "frame.bmp").S("inactivepicture", "").S("mask", "mask.bmp");
  Section(ini, "FORMINFO").P("lefttoppoint", {38, 30}).P("righttoppoint", {104, 30}).P("leftbottompoint", {7, 160})
      .P("rightbottompoint", {209, 160}).R("clientrect", kFrameClient).I("bgpictureindex", -1)
      .I("mdibgpictureindex", -1).I("leftstretch", 0).I("rightstretch", 0).I("topstretch", 0).I("bottomstretch", 0)
      .R("maskrectarea", kFrameClient).P("hittestlefttoppoint", {38, 30}).P("hittestrighttoppoint", {174, 30})
      .P("hittestleftbottompoint", {6, 159}).P("hittestrightbottompoint", {207, 159})
      .R("buttonsrect", {111, 7, 196, 23}).R("captionrect", {}).I("buttonsoffset", 2).I("buttonsinleft", 0)
      .I("mainmenupopupup", 0).I("borderwidth", 4).I("autorenderinginactiveimage", 0)
      .S("inactiveeffect", "iebrightness").I("formminwidth", 216);
  Section(ini, "SKINCOLORS").C("cbtnface", kSurface).C("cbtntext", kText).C("cwindow", kWhite).C("cwindowtext", kText)
      .C("chighlight", kAccent).C("chighlighttext", kWhite).C("cbtnhighlight", kWhite).C("cbtnshadow", kBorderStrong);
}

// Rewrites every record section through its record class, so each lists every key its class reads,
// in reading order, with defaults for the keys the design leaves out.
void NormaliseRecords(skin::IniFile& ini, const std::vector<std::string>& objects,
                      const std::vector<std::string>& controls) {
  for (const std::string& entry : objects) {
    const size_t colon = entry.find(':');
    auto record = skin::CreateObjectRecord(entry.substr(colon + 1), entry.substr(0, colon));
    if (!record) throw std::logic_error("unknown object type in " + entry);
    record->ReadFromIni(ini);
    record->WriteToIni(ini);
  }
  for (const std::string& entry : controls) {
    const size_t colon = entry.find(':');
    auto record = skin::CreateControlRecord(entry.substr(colon + 1), entry.substr(0, colon));
    if (!record) throw std::logic_error("unknown control type in " + entry);
    record->ReadFromIni(ini);
    record->WriteToIni(ini);
  }
  skin::TskDataSkinPopupWindow popup;
  popup.ReadFromIni(ini);
  popup.WriteToIni(ini);
  skin::TskDataSkinHintWindow hint;
  hint.ReadFromIni(ini);
  hint.WriteToIni(ini);
}

}  // namespace

SkinFolder BuildSkin() {
  Design d;
  for (const Rect& fixed : kFixedControlPieces) d.controls.Reserve(fixed);
  WriteHeaderSections(d.ini);
  PushButtons(d);
  ToolButtons(d);
  MenuButtons(d);
  const CheckImages check = CheckBoxes(d, false);
  const CheckImages radio = CheckBoxes(d, true);
  CheckRecords(d, check, radio);
  TrackBars(d);
  Gauges(d);
  Panels(d);
  ExPanels(d);
  Edits(d);
  Lists(d, check);
  ScrollBars(d);
  UpDowns(d);
  SliderAndMenuBar(d);
  Tabs(d);
  MenusAndFrameObjects(d);

  d.controls_list.clear();
  for (const auto& [name, type] : kControlOrder) d.Control(name, type);

  SkinFolder out;
  out.frame = {"frame.bmp", ToIndexed8(DrawFrame())};
  out.mask = {"mask.bmp", DrawFrameMask()};
  out.active = {
      {"controls.bmp", ToIndexed8(d.controls.Picture())}, {"popup.bmp", ToIndexed8(d.popup.Picture())},
      {"hint.bmp", ToIndexed8(d.hint.Picture())},         {"objects.bmp", ToIndexed8(d.objects.Picture())},
      {"buttonmask.bmp", d.button_mask},                  {"toolmask.bmp", d.tool_mask},
      {"gaugemask.bmp", d.gauge_mask},                    {"htrackmask.bmp", d.htrack_mask},
      {"vtrackmask.bmp", d.vtrack_mask},                  {"tabs.bmp", ToIndexed8(d.tabs.Picture())},
  };
  Section pictures(d.ini, "PICTURES");
  pictures.I("activepicturescount", static_cast<int32_t>(out.active.size()));
  for (size_t i = 0; i < out.active.size(); ++i) {
    pictures.S(std::to_string(i).c_str(), out.active[i].file_name);
  }
  Section objects(d.ini, "SKINOBJECTS");
  objects.I("count", static_cast<int32_t>(d.objects_list.size()));
  for (size_t i = 0; i < d.objects_list.size(); ++i) objects.S(std::to_string(i).c_str(), d.objects_list[i]);
  Section controls(d.ini, "SKINCONTROLS");
  controls.I("count", static_cast<int32_t>(d.controls_list.size()));
  for (size_t i = 0; i < d.controls_list.size(); ++i) controls.S(std::to_string(i).c_str(), d.controls_list[i]);
  NormaliseRecords(d.ini, d.objects_list, d.controls_list);

  out.ini_lines = {"; The program's own skin. Generated by orvel-skingen from tools/skingen; edit the",
                   "; generator and run it again rather than editing this file."};
  for (std::string& line : d.ini.ToLines()) out.ini_lines.push_back(std::move(line));
  return out;
}

void WriteSkinFolder(const SkinFolder& skin, const std::string& folder) {
  std::string text;
  for (const std::string& line : skin.ini_lines) text += line + "\r\n";
  const auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
    gfx::WriteFileAtomically(folder + "/" + name, bytes);
  };
  write("skin.ini", std::vector<uint8_t>(text.begin(), text.end()));
  write(skin.frame.file_name, gfx::EncodeBmp(skin.frame.picture));
  write(skin.mask.file_name, gfx::EncodeBmp(skin.mask.picture));
  for (const NamedPicture& p : skin.active) write(p.file_name, gfx::EncodeBmp(p.picture));
}

}  // namespace skingen
