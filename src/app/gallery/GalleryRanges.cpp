// Gallery samples of the range controls: track bars, gauges, scroll bars, scroll boxes and up-downs.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Bitmap.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/controls/TskSkinUpDown.h"
#include "ui/ImageView.h"

namespace app {

namespace {

using skin::ScrollBarKind;
using skin::TskSkinGauge;
using skin::TskSkinScrollBar;
using skin::TskSkinScrollBox;
using skin::TskSkinTrackBar;
using skin::TskSkinUpDown;

// A control of type T bound to `record` (in the skinned half), asked for w x h.
template <class T>
T* Sample(GalleryBuilder& b, const char* record, const char* state, int w, int h) {
  T* c = b.Make<T>(record, state);
  c->SetSkinDataName(record);
  c->SetBounds(0, 0, w, h);
  return c;
}

// Binds a sample to the half's skin once its properties are set, so it sizes itself to the skin.
void Bind(GalleryBuilder& b, skin::TskSkinControl* c) { c->SetSkinData(b.SkinData()); }

// The centre of a rectangle.
gfx::Point Middle(const gfx::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// --- track bars ---

TskSkinTrackBar* TrackBar(GalleryBuilder& b, const char* record, const char* state, int w, int h, int value,
                          bool vertical = false) {
  auto* t = Sample<TskSkinTrackBar>(b, record, state, w, h);
  t->SetVertical(vertical);
  t->SetValue(value);
  Bind(b, t);
  const GalleryEvents ev = b.Events(record, state);
  t->OnChange = [ev](ui::Component* c) { ev("change", std::to_string(static_cast<TskSkinTrackBar*>(c)->Value())); };
  return t;
}

void AddTrackBars(GalleryBuilder& b) {
  b.Heading("htrackbar: 81 宽 75 (拇指 41,5), 97 宽 75, 0, 100, 拖动中, 禁用; trackbar 垂直: 60, 拖动中");
  TrackBar(b, "htrackbar", "quality", 81, 20, 75);
  TrackBar(b, "htrackbar", "batch", 97, 20, 75);
  TrackBar(b, "htrackbar", "min", 81, 20, 0);
  TrackBar(b, "htrackbar", "max", 81, 20, 100);
  TskSkinTrackBar* dragging = TrackBar(b, "htrackbar", "dragging", 100, 20, 30);
  TskSkinTrackBar* disabled = TrackBar(b, "htrackbar", "disabled", 81, 20, 40);
  disabled->SetEnabled(false);
  TrackBar(b, "trackbar", "vertical", 20, 90, 60, true);
  TskSkinTrackBar* vdragging = TrackBar(b, "trackbar", "vdragging", 20, 90, 20, true);
  b.WhenShown([dragging, vdragging](GalleryInput& in) {
    // Pressed on the thumb and moved along: the drag stays on.
    for (TskSkinTrackBar* t : {dragging, vdragging}) {
      const gfx::Point at = Middle(t->ThumbBounds());
      in.Press(*t, at);
      in.Drag(*t, t->Vertical() ? gfx::Point{at.x, at.y - 20} : gfx::Point{at.x + 20, at.y});
    }
  });
}

// --- gauges ---

TskSkinGauge* Gauge(GalleryBuilder& b, const char* record, const char* state, int w, int h, int value, int max = 100,
                    bool vertical = false) {
  auto* g = Sample<TskSkinGauge>(b, record, state, w, h);
  g->SetVertical(vertical);
  g->SetMaxValue(max);
  g->SetValue(value);
  g->SetShowPercent(true);
  Bind(b, g);
  return g;
}

void AddGauges(GalleryBuilder& b) {
  b.Heading("gauge: 空, 中间, 满, 1/8 = 12%; statusgauge 带进度文字; vgauge 垂直 (文字转 90 度)");
  Gauge(b, "gauge", "empty", 110, 20, 0)->SetShowPercent(false);
  Gauge(b, "gauge", "middle", 110, 20, 50);
  Gauge(b, "gauge", "full", 110, 20, 100);
  Gauge(b, "gauge", "1of8", 110, 20, 1, 8);
  TskSkinGauge* status = Gauge(b, "statusgauge", "text", 150, 21, 35);
  status->SetProgressText("压缩 ");
  status->SetShowProgressText(true);
  Gauge(b, "vgauge", "vertical", 20, 80, 65, 100, true);
  Gauge(b, "vgauge", "vempty", 20, 80, 0, 100, true)->SetShowPercent(false);
}

// --- scroll bars ---

TskSkinScrollBar* ScrollBar(GalleryBuilder& b, const char* record, const char* state, int length, bool vertical,
                            int position) {
  auto* s = Sample<TskSkinScrollBar>(b, record, state, vertical ? 19 : length, vertical ? length : 19);
  if (vertical) {
    s->SetKind(ScrollBarKind::sbVertical);
    s->SetDefaultHeight(0);
    s->SetDefaultWidth(19);
  }
  s->SetPosition(position);
  s->SetLargeChange(10);
  Bind(b, s);
  const GalleryEvents ev = b.Events(record, state);
  auto position_of = [](ui::Component* c) { return std::to_string(static_cast<TskSkinScrollBar*>(c)->Position()); };
  s->OnChange = [ev, position_of](ui::Component* c) { ev("change", position_of(c)); };
  s->OnLastChange = [ev, position_of](ui::Component* c) { ev("lastchange", position_of(c)); };
  s->OnPageUp = [ev, position_of](ui::Component* c) { ev("pageup", position_of(c)); };
  s->OnPageDown = [ev, position_of](ui::Component* c) { ev("pagedown", position_of(c)); };
  return s;
}

void AddScrollBars(GalleryBuilder& b) {
  b.Heading("hscrollbar 150: 普通, 悬停按钮, 按下按钮, 悬停拇指, 拖动中, 禁用, 有页, Both; vscrollbar: 普通, 有页, 按下");
  ScrollBar(b, "hscrollbar", "normal", 150, false, 30);
  TskSkinScrollBar* hot = ScrollBar(b, "hscrollbar", "hot", 150, false, 30);
  // Held at the minimum, so the repeat has nowhere to go and the pressed look stays as it is.
  TskSkinScrollBar* pressed = ScrollBar(b, "hscrollbar", "pressed", 150, false, 0);
  TskSkinScrollBar* thumb_hot = ScrollBar(b, "hscrollbar", "thumbhot", 150, false, 60);
  TskSkinScrollBar* dragging = ScrollBar(b, "hscrollbar", "dragging", 150, false, 20);
  ScrollBar(b, "hscrollbar", "disabled", 150, false, 30)->SetEnabled(false);
  ScrollBar(b, "hscrollbar", "page", 150, false, 0)->AssignRange(0, 99, 40, 30);
  ScrollBar(b, "hscrollbar", "both", 169, false, 50)->SetBoth(true);
  b.NewRow();
  ScrollBar(b, "vscrollbar", "vnormal", 100, true, 30);
  ScrollBar(b, "vscrollbar", "vpage", 100, true, 0)->AssignRange(0, 99, 30, 50);
  TskSkinScrollBar* vpressed = ScrollBar(b, "vscrollbar", "vpressed", 100, true, 100);
  TskSkinScrollBar* vhot = ScrollBar(b, "vscrollbar", "vthumbhot", 100, true, 0);
  b.WhenShown([hot, pressed, thumb_hot, dragging, vpressed, vhot](GalleryInput& in) {
    in.Hover(*hot, Middle(hot->Parts().inc));
    in.Press(*pressed, Middle(pressed->Parts().dec));
    in.Hover(*thumb_hot, Middle(thumb_hot->Parts().thumb));
    const gfx::Point at = Middle(dragging->Parts().thumb);
    in.Press(*dragging, at);
    in.Drag(*dragging, {at.x + 25, at.y});
    in.Press(*vpressed, Middle(vpressed->Parts().inc));
    in.Hover(*vhot, Middle(vhot->Parts().thumb));
  });
}

// --- scroll boxes ---

// A picture to scroll: a soft gradient crossed by a grid every 50 pixels.
gfx::Bitmap ContentPicture(int w, int h) {
  gfx::Bitmap pic(w, h, 24);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool line = x % 50 == 0 || y % 50 == 0;
      pic.SetPixel(x, y, line ? gfx::Rgb(90, 110, 160)
                              : gfx::Rgb(static_cast<uint8_t>(200 + x * 55 / w), static_cast<uint8_t>(215 + y * 40 / h), 235));
    }
  }
  return pic;
}

// A box with its two bars beside it in a w x h area; the content is cw x ch.
TskSkinScrollBox* ScrollBoxSample(GalleryBuilder& b, const char* state, int w, int h, int cw, int ch) {
  auto* area = b.Make<ui::WinControl>("scrollbox", state);
  area->SetBounds(0, 0, w, h);
  auto* hbar = area->MakeChild<TskSkinScrollBar>(nullptr);
  hbar->SetAlign(ui::Align::kBottom);
  hbar->SetLargeChange(60);
  auto* vbar = area->MakeChild<TskSkinScrollBar>(nullptr);
  vbar->SetKind(ScrollBarKind::sbVertical);
  vbar->SetSkinDataName("vscrollbar");
  vbar->SetDefaultHeight(0);
  vbar->SetDefaultWidth(19);
  vbar->SetBounds(0, 0, 19, h);
  vbar->SetAlign(ui::Align::kRight);
  vbar->SetLargeChange(60);
  auto* box = area->MakeChild<TskSkinScrollBox>(nullptr);
  box->SetAlign(ui::Align::kClient);
  for (skin::TskSkinControl* c : {static_cast<skin::TskSkinControl*>(hbar), static_cast<skin::TskSkinControl*>(vbar),
                                  static_cast<skin::TskSkinControl*>(box)})
    Bind(b, c);
  auto* view = box->MakeChild<ui::ImageView>(nullptr);
  view->SetPicture(ContentPicture(cw, ch));
  view->SetBounds(0, 0, cw, ch);
  box->SetHScrollBar(hbar);
  box->SetVScrollBar(vbar);
  return box;
}

void AddScrollBoxes(GalleryBuilder& b) {
  b.Heading("scrollbox: 1000 x 800 内容, 翻页到 60,60; 小内容 (无滚动条)");
  TskSkinScrollBox* big = ScrollBoxSample(b, "1000x800", 220, 150, 1000, 800);
  ScrollBoxSample(b, "small", 150, 100, 80, 50);
  b.WhenShown([big](GalleryInput& in) {
    // One page down and one to the right, clicked on the tracks below and right of the thumbs.
    for (TskSkinScrollBar* bar : {big->VScrollBar(), big->HScrollBar()}) {
      const skin::ScrollParts p = bar->Parts();
      const gfx::Point at = bar->Kind() == ScrollBarKind::sbVertical ? gfx::Point{Middle(p.track).x, p.track.bottom - 3}
                                                                      : gfx::Point{p.track.right - 3, Middle(p.track).y};
      in.Click(*bar, at);
    }
  });
}

// --- up-downs ---

TskSkinUpDown* UpDown(GalleryBuilder& b, const char* record, const char* state, int position, bool vertical = false) {
  auto* u = Sample<TskSkinUpDown>(b, record, state, vertical ? 20 : 50, vertical ? 40 : 25);
  if (vertical) u->SetOrientation(skin::UpDownOrientation::udVertical);
  u->SetPosition(position);
  Bind(b, u);
  const GalleryEvents ev = b.Events(record, state);
  u->OnChange = [ev](ui::Component* c) { ev("change", std::to_string(static_cast<TskSkinUpDown*>(c)->Position())); };
  u->OnUpButtonClick = [ev](ui::Component* c) { ev("up", std::to_string(static_cast<TskSkinUpDown*>(c)->Position())); };
  u->OnDownButtonClick = [ev](ui::Component* c) {
    ev("down", std::to_string(static_cast<TskSkinUpDown*>(c)->Position()));
  };
  return u;
}

void AddUpDowns(GalleryBuilder& b) {
  b.Heading("hupdown 36 x 18: 普通, 悬停, 按下, 禁用; vupdown: 普通, 悬停, 按下");
  UpDown(b, "hupdown", "normal", 5);
  TskSkinUpDown* hot = UpDown(b, "hupdown", "hot", 5);
  // Held at the minimum: the repeat steps nowhere.
  TskSkinUpDown* pressed = UpDown(b, "hupdown", "pressed", 0);
  UpDown(b, "hupdown", "disabled", 5)->SetEnabled(false);
  UpDown(b, "vupdown", "vnormal", 5, true);
  TskSkinUpDown* vhot = UpDown(b, "vupdown", "vhot", 5, true);
  TskSkinUpDown* vpressed = UpDown(b, "vupdown", "vpressed", 100, true);
  b.WhenShown([hot, pressed, vhot, vpressed](GalleryInput& in) {
    in.Hover(*hot, Middle(hot->ButtonRect(TskSkinUpDown::kUpButton)));
    in.Press(*pressed, Middle(pressed->ButtonRect(TskSkinUpDown::kDownButton)));
    in.Hover(*vhot, Middle(vhot->ButtonRect(TskSkinUpDown::kDownButton)));
    in.Press(*vpressed, Middle(vpressed->ButtonRect(TskSkinUpDown::kUpButton)));
  });
}

}  // namespace

void AddRangeSamples(GalleryBuilder& b) {
  AddTrackBars(b);
  AddGauges(b);
  AddScrollBars(b);
  AddScrollBoxes(b);
  AddUpDowns(b);
}

}  // namespace app
