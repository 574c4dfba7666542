// Gallery samples of the panels and labels: panel, group box, status bar, expandable panel, labels,
// splitter and bevel, each in its states.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Canvas.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinExPanel.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinStdLabel.h"

namespace app {

namespace {

using skin::SkinBorderStyle;

// Two 16 x 16 cells: a blue picture frame and its greyed copy, on a magenta key the glyph drawing
// leaves transparent.
gfx::Bitmap StatusGlyph() {
  gfx::Bitmap b(32, 16, 24);
  gfx::Canvas c(b);
  c.FillRect({0, 0, 32, 16}, gfx::Rgb(255, 0, 255));
  const gfx::Color colours[2][2] = {{gfx::Rgb(40, 90, 200), gfx::Rgb(250, 200, 60)},
                                    {gfx::Rgb(128, 128, 128), gfx::Rgb(192, 192, 192)}};
  for (int cell = 0; cell < 2; ++cell) {
    const int x = cell * 16;
    c.FrameRect({x + 2, 3, x + 14, 13}, colours[cell][0]);
    c.FillRect({x + 4, 5, x + 12, 11}, colours[cell][1]);
  }
  return b;
}

template <class T>
T* Bind(T* control, GalleryBuilder& b) {
  control->SetSkinData(b.SkinData());
  return control;
}

skin::TskSkinPanel* AddPanel(GalleryBuilder& b, const std::string& state, int w, int h) {
  auto* p = b.Make<skin::TskSkinPanel>("panel", state);
  p->SetBounds(0, 0, w, h);
  return p;
}

// A child label so that a panel's client area shows where its children go.
void AddChildText(ui::WinControl* parent, GalleryBuilder& b, const std::string& text) {
  auto* label = parent->AddChild(std::make_unique<skin::TskSkinStdLabel>());
  label->SetCaption(text);
  label->SetAlign(ui::Align::kClient);
  label->SetAlignment(ui::TextAlignment::kCenter);
  label->SetSkinData(b.SkinData());
}

void AddPanels(GalleryBuilder& b) {
  b.Heading("panel: 边框 bvFrame / bvRaised / bvLowered / bvNone (只铺内部纹理); 标题; 勾选与未勾选 (子控件随之禁用); 可卷起与已卷起");
  const std::pair<const char*, SkinBorderStyle> borders[] = {{"frame", SkinBorderStyle::bvFrame},
                                                             {"raised", SkinBorderStyle::bvRaised},
                                                             {"lowered", SkinBorderStyle::bvLowered},
                                                             {"none", SkinBorderStyle::bvNone}};
  for (const auto& [state, style] : borders) {
    auto* p = AddPanel(b, state, 70, 50);
    p->SetBorderStyle(style);
    AddChildText(p, b, state);
    Bind(p, b);
  }
  auto* caption = AddPanel(b, "caption", 130, 60);
  caption->SetCaptionMode(true);
  caption->SetCaption("图像设置");
  Bind(caption, b);
  b.NewRow();
  for (bool checked : {true, false}) {
    auto* p = AddPanel(b, checked ? "checked" : "unchecked", 140, 64);
    p->SetCaptionMode(true);
    p->SetCheckedMode(true);
    p->SetCaption("自定义图片大小");
    AddChildText(p, b, "宽度  高度");
    Bind(p, b);
    p->OnChecked = [p, events = b.Events("panel", checked ? "checked" : "unchecked")](ui::Component*) {
      events("checked", p->Checked() ? "1" : "0");
    };
    // Checking by property reaches the state in both halves: the program's skin gives panels no
    // caption to click.
    p->SetChecked(checked);
  }
  for (bool rolled : {false, true}) {
    auto* p = AddPanel(b, rolled ? "rolled" : "rollup", 140, 64);
    p->SetCaptionMode(true);
    p->SetRollUpMode(true);
    p->SetCaption("文件");
    AddChildText(p, b, "打开图片");
    Bind(p, b);
    if (rolled) p->SetRollUpState(true);
  }
}

void AddGroupBoxes(GalleryBuilder& b) {
  b.Heading("groupbox: 正常, 禁用; statusbar 带 statuspanel (文字与图标, 禁用)");
  for (bool enabled : {true, false}) {
    auto* g = b.Make<skin::TskSkinGroupBox>("groupbox", enabled ? "normal" : "disabled");
    g->SetBounds(0, 0, 150, 70);
    g->SetCaption("使用说明");
    AddChildText(g, b, "一、图片处理");
    g->SetEnabled(enabled);
    Bind(g, b);
  }
  auto* bar = b.Make<skin::TskSkinStatusBar>("statusbar", "panels");
  bar->SetAlign(ui::Align::kNone);
  bar->SetBounds(0, 0, 300, 21);
  auto* text = bar->AddChild(std::make_unique<skin::TskSkinStatusPanel>());
  text->SetCaption("未加载图片");
  text->SetBounds(2, 0, 120, 21);
  auto* icon = bar->AddChild(std::make_unique<skin::TskSkinStatusPanel>());
  icon->SetGlyph(StatusGlyph());
  icon->SetNumGlyphs(2);
  icon->SetCaption("加载文件");
  icon->SetBounds(124, 0, 86, 21);
  auto* off = bar->AddChild(std::make_unique<skin::TskSkinStatusPanel>());
  off->SetGlyph(StatusGlyph());
  off->SetNumGlyphs(2);
  off->SetCaption("禁用");
  off->SetEnabled(false);
  off->SetBounds(212, 0, 86, 21);
  // The bar hands its skin data to the panels on it.
  bar->SetSkinData(b.SkinData());
}

void AddExPanels(GalleryBuilder& b) {
  b.Heading("expanel: 正常, 卷起按钮热, 关闭按钮按下, 已卷起 (高 17), 横向卷起, 禁用");
  struct Sample {
    const char* state;
    skin::RollKind kind;
  };
  const Sample samples[] = {{"normal", skin::RollKind::rkRollVertical},
                            {"hot", skin::RollKind::rkRollVertical},
                            {"pressed", skin::RollKind::rkRollVertical},
                            {"rolled", skin::RollKind::rkRollVertical},
                            {"rolled-sideways", skin::RollKind::rkRollHorizontal},
                            {"disabled", skin::RollKind::rkRollVertical}};
  for (const Sample& s : samples) {
    auto* p = b.Make<skin::TskSkinExPanel>("expanel", s.state);
    p->SetBounds(0, 0, s.kind == skin::RollKind::rkRollHorizontal ? 150 : 140, 100);
    p->SetCaption("图像设置");
    p->SetRollKind(s.kind);
    AddChildText(p, b, "压缩: 75%");
    Bind(p, b);
    const std::string state = s.state;
    auto events = b.Events("expanel", state);
    p->OnChangeRollState = [p, events](ui::Component*) { events("rolled", p->RollState() ? "1" : "0"); };
    p->OnClose = [events](ui::Component*) { events("close", "1"); };
    if (state == "disabled") p->SetEnabled(false);
    b.WhenShown([p, state](GalleryInput& in) {
      const gfx::Rect roll = p->ButtonRect(skin::TskSkinExPanel::kRollButton);
      const gfx::Rect close = p->ButtonRect(skin::TskSkinExPanel::kCloseButton);
      auto centre = [](const gfx::Rect& r) { return gfx::Point{r.left + r.Width() / 2, r.top + r.Height() / 2}; };
      if (state == "hot") in.Hover(*p, centre(roll));
      if (state == "pressed") in.Press(*p, centre(close));
      if (state == "rolled" || state == "rolled-sideways") {
        in.Click(*p, centre(roll));
        in.Leave(*p);
      }
    });
  }
}

void AddLabels(GalleryBuilder& b) {
  b.Heading("label: 左, 居中, 自动宽度, 禁用; stdlabel: 正常, 禁用; linklabel: 正常, 热");
  struct Sample {
    const char* state;
    const char* text;
    skin::Alignment alignment;
  };
  const Sample samples[] = {{"left", "Orvel个人版图片压缩", skin::Alignment::taleftjustify},
                            {"centre", "75%", skin::Alignment::tacenter},
                            {"autosize", "自动宽度的标签", skin::Alignment::taleftjustify},
                            {"disabled", "禁用", skin::Alignment::taleftjustify}};
  for (const Sample& s : samples) {
    auto* l = b.Make<skin::TskSkinLabel>("label", s.state);
    l->SetBounds(0, 0, std::string(s.state) == "left" ? 140 : 60, 21);
    l->SetCaption(s.text);
    l->SetAlignment(s.alignment);
    if (std::string(s.state) == "autosize") l->SetAutoSize(true);
    if (std::string(s.state) == "disabled") l->SetEnabled(false);
    Bind(l, b);
  }
  for (bool enabled : {true, false}) {
    auto* l = b.Make<skin::TskSkinStdLabel>("stdlabel", enabled ? "normal" : "disabled");
    l->SetCaption(enabled ? "约束比例" : "禁用的文字");
    l->SetEnabled(enabled);
    Bind(l, b);
  }
  for (bool hot : {false, true}) {
    auto* l = b.Make<skin::TskSkinLinkLabel>("linklabel", hot ? "hot" : "normal");
    l->SetCaption("访问主页");
    l->SetURL("https://orvel.invalid/");
    Bind(l, b);
    auto events = b.Events("linklabel", hot ? "hot" : "normal");
    l->OnClick = [l, events](ui::Component*) { events("click", l->URL()); };
    if (hot) b.WhenShown([l](GalleryInput& in) { in.Hover(*l); });
  }
}

// A frame with two panes and a splitter between them, dragged `drag` pixels (0: not at all).
void AddSplitter(GalleryBuilder& b, const char* record, const std::string& state, ui::Align align, int drag) {
  auto* frame = b.Make<skin::TskSkinPanel>(record, state);
  frame->SetBorderStyle(SkinBorderStyle::bvFrame);
  frame->SetBounds(0, 0, 150, 90);
  Bind(frame, b);
  // Framed panes, so that the splitter between them shows in the plain look too.
  auto* pane = frame->AddChild(std::make_unique<skin::TskSkinPanel>());
  pane->SetBorderStyle(SkinBorderStyle::bvLowered);
  const bool across = align == ui::Align::kTop;
  pane->SetBounds(0, 0, across ? 100 : 50, across ? 30 : 100);
  pane->SetAlign(align);
  AddChildText(pane, b, across ? "上" : "左");
  Bind(pane, b);
  auto* splitter = frame->AddChild(std::make_unique<skin::TskSkinSplitter>());
  splitter->SetSkinDataName(record);
  splitter->SetAlign(align);
  splitter->SetBounds(across ? 0 : 60, across ? 40 : 0, across ? 100 : 10, across ? 10 : 100);
  splitter->SetMinSize(20);
  splitter->SetResizeStyle(ui::ResizeStyle::kUpdate);
  splitter->SetSkinData(b.SkinData());
  auto* rest = frame->AddChild(std::make_unique<skin::TskSkinPanel>());
  rest->SetBorderStyle(SkinBorderStyle::bvLowered);
  rest->SetAlign(ui::Align::kClient);
  AddChildText(rest, b, across ? "下" : "右");
  Bind(rest, b);
  auto events = b.Events(record, state);
  splitter->OnMoved = [pane, across, events](ui::Component*) {
    events("moved", std::to_string(across ? pane->Height() : pane->Width()));
  };
  if (drag == 0) return;
  b.WhenShown([splitter, across, drag](GalleryInput& in) {
    const gfx::Point start = GalleryInput::Centre(*splitter);
    in.Press(*splitter, start);
    const gfx::Point to = across ? gfx::Point{start.x, start.y + drag} : gfx::Point{start.x + drag, start.y};
    in.Drag(*splitter, to);
    // The splitter moved with the pane; the release lands where the pointer now is over it.
    in.Release(*splitter, GalleryInput::Centre(*splitter));
    in.Leave(*splitter);
  });
}

void AddSplittersAndBevels(GalleryBuilder& b) {
  b.Heading("vsplitter: 正常, 拖动后; hsplitter: 正常; bevel: 凹框, 凸框, 上线, 左线, 分隔线");
  AddSplitter(b, "vsplitter", "normal", ui::Align::kLeft, 0);
  AddSplitter(b, "vsplitter", "dragged", ui::Align::kLeft, 30);
  AddSplitter(b, "hsplitter", "normal", ui::Align::kTop, 0);
  struct Sample {
    const char* state;
    ui::BevelShape shape;
    ui::BevelStyle style;
    bool divider;
  };
  const Sample samples[] = {{"box", ui::BevelShape::kBox, ui::BevelStyle::kLowered, false},
                            {"frame", ui::BevelShape::kFrame, ui::BevelStyle::kRaised, false},
                            {"topline", ui::BevelShape::kTopLine, ui::BevelStyle::kLowered, false},
                            {"leftline", ui::BevelShape::kLeftLine, ui::BevelStyle::kLowered, false},
                            {"divider", ui::BevelShape::kTopLine, ui::BevelStyle::kLowered, true}};
  for (const Sample& s : samples) {
    auto* bevel = b.Make<skin::TskSkinBevel>("bevel", s.state);
    bevel->SetBounds(0, 0, 40, 40);
    bevel->SetShape(s.shape);
    bevel->SetStyle(s.style);
    bevel->SetDividerMode(s.divider);
    Bind(bevel, b);
  }
}

}  // namespace

void AddPanelSamples(GalleryBuilder& b) {
  AddPanels(b);
  AddGroupBoxes(b);
  AddExPanels(b);
  AddLabels(b);
  AddSplittersAndBevels(b);
}

}  // namespace app
