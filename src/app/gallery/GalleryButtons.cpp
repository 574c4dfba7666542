// Gallery samples of the buttons: push buttons, speed buttons, check and radio boxes in every state.
#include <memory>
#include <string>

#include "app/gallery/GalleryBuilder.h"
#include "app/gallery/GalleryRegistry.h"
#include "gfx/Canvas.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/ToolBarImages.h"
#include "ui/ImageList.h"
#include "ui/Message.h"
#include "ui/Panel.h"

namespace app {

namespace {

constexpr gfx::Color kKey = gfx::Rgb(255, 0, 255);

// A zoom glyph of four 16 x 16 cells (normal, disabled, pressed, hot) on the transparent key:
// a magnifier with a plus (or a minus) in it.
gfx::Bitmap ZoomGlyph(bool plus) {
  const gfx::Color ink[] = {gfx::Rgb(40, 60, 110), gfx::Rgb(150, 150, 150), gfx::Rgb(20, 30, 70),
                            gfx::Rgb(30, 90, 200)};
  gfx::Bitmap strip(64, 16, 24);
  strip.Fill(kKey);
  gfx::Canvas canvas(strip);
  for (int cell = 0; cell < 4; ++cell) {
    const int x = cell * 16;
    canvas.Pen().color = ink[cell];
    canvas.Pen().width = 2;
    canvas.Brush().style = gfx::BrushStyle::kClear;
    canvas.Ellipse({x + 1, 1, x + 12, 12});
    canvas.MoveTo(x + 10, 10);
    canvas.LineTo(x + 15, 15);
    canvas.FillRect({x + 4, 6, x + 9, 7}, ink[cell]);
    if (plus) canvas.FillRect({x + 6, 4, x + 7, 9}, ink[cell]);
  }
  return strip;
}

// Three 16 x 16 tool images (a folder, an arrow up, a star) in one colour.
ui::ImageList* ToolImages(ui::Component& owner, gfx::Color colour) {
  auto* list = owner.Make<ui::ImageList>(16, 16);
  gfx::Bitmap strip(48, 16, 24);
  strip.Fill(kKey);
  gfx::Canvas canvas(strip);
  canvas.FillRect({1, 4, 15, 14}, colour);
  canvas.FillRect({1, 2, 7, 4}, colour);
  const gfx::Point arrow[] = {{24, 2}, {31, 9}, {27, 9}, {27, 14}, {21, 14}, {21, 9}, {17, 9}};
  canvas.Pen().color = colour;
  canvas.Brush().color = colour;
  canvas.Polygon(arrow);
  const gfx::Point star[] = {{40, 1}, {43, 6}, {47, 7}, {44, 10}, {45, 15}, {40, 12}, {35, 15}, {36, 10}, {33, 7}, {37, 6}};
  canvas.Polygon(star);
  list->AddMasked(strip, kKey);
  return list;
}

// A strip of speed buttons that lends its image lists, as a tool bar does.
class ImageStrip : public ui::Panel, public skin::ToolBarImages {
 public:
  ui::ImageList* Images() const override { return images_; }
  ui::ImageList* HotImages() const override { return hot_; }
  ui::ImageList* DisabledImages() const override { return nullptr; }
  void SetLists(ui::ImageList* images, ui::ImageList* hot) {
    images_ = images;
    hot_ = hot;
  }

 private:
  ui::ImageList* images_ = nullptr;
  ui::ImageList* hot_ = nullptr;
};

skin::TskSkinButton* AddButton(GalleryBuilder& b, const std::string& state, const std::string& caption,
                               const char* name = "button") {
  auto* c = b.Make<skin::TskSkinButton>(name, state);
  c->SetCaption(caption);
  c->SetTabStop(false);  // no sample takes the focus when the window opens
  c->SetBounds(0, 0, 75, 25);
  c->SetSkinData(b.SkinData());
  GalleryEvents print = b.Events(name, state);
  c->OnClick = [print, c](ui::Component*) {
    print("click", c->GroupIndex() != 0 ? (c->Down() ? "down" : "up") : c->Caption());
  };
  return c;
}

// A speed button as a sample of the half, or on another parent (a strip) as part of a sample.
skin::TskSkinSpeedButton* AddSpeed(GalleryBuilder& b, ui::WinControl* parent, const std::string& state) {
  skin::TskSkinSpeedButton* c = parent == &b.Parent() ? b.Make<skin::TskSkinSpeedButton>("toolbutton", state)
                                                      : parent->MakeChild<skin::TskSkinSpeedButton>(nullptr);
  c->SetSkinData(b.SkinData());
  GalleryEvents print = b.Events("toolbutton", state);
  c->OnClick = [print, c](ui::Component*) { print("click", c->Down() ? "down" : "up"); };
  return c;
}

skin::TskSkinCheckRadioBox* AddBox(GalleryBuilder& b, bool radio, const std::string& state,
                                   const std::string& caption) {
  const char* name = radio ? "radiobox" : "checkbox";
  auto* c = b.Make<skin::TskSkinCheckRadioBox>(name, state);
  c->SetCaption(caption);
  c->SetTabStop(false);  // focusable, but without a tab stop, as boxes start
  if (radio) {
    c->SetRadio(true);
    c->SetSkinDataName("radiobox");
  }
  c->SetBounds(0, 0, 150, 25);
  c->SetSkinData(b.SkinData());
  GalleryEvents print = b.Events(name, state);
  c->OnClick = [print, c](ui::Component*) { print("click", c->Checked() ? "checked" : "unchecked"); };
  return c;
}

void AddPushButtons(GalleryBuilder& b) {
  b.Heading("button: 75 x 25 asked (normal, hot, pressed, focused, default, disabled), 120 x 25, glyph, repeat");
  AddButton(b, "normal", "打开图片");
  auto* hot = AddButton(b, "hot", "截屏");
  auto* pressed = AddButton(b, "pressed", "图片另存");
  auto* focused = AddButton(b, "focused", "对比度");
  auto* def = AddButton(b, "default", "确定");
  def->SetDefault(true);
  auto* disabled = AddButton(b, "disabled", "图片另存");
  disabled->SetEnabled(false);
  AddButton(b, "120x25", "开始批量压缩")->SetBounds(0, 0, 120, 25);
  auto* glyph_left = AddButton(b, "glyph-left", "放大");
  glyph_left->SetGlyph(ZoomGlyph(true));
  glyph_left->SetNumGlyphs(4);
  auto* glyph_hot = AddButton(b, "glyph-right-hot", "缩小");
  glyph_hot->SetGlyph(ZoomGlyph(false));
  glyph_hot->SetNumGlyphs(4);
  glyph_hot->SetLayout(skin::ButtonLayout::blGlyphRight);
  auto* repeat = AddButton(b, "repeat", "连续");
  repeat->SetRepeatMode(true);

  b.Heading("button groups: GroupIndex 1 (one down), AllowAllUp (both down), cancel");
  skin::TskSkinButton* group[3];
  const char* captions[] = {"左", "中", "右"};
  const char* states[] = {"grouped-up-1", "grouped-down", "grouped-up-2"};
  for (int i = 0; i < 3; ++i) {
    group[i] = AddButton(b, states[i], captions[i]);
    group[i]->SetGroupIndex(1);
    group[i]->SetBounds(0, 0, 40, 25);
  }
  skin::TskSkinButton* all_up[2];
  const char* all_states[] = {"allowallup-1", "allowallup-2"};
  for (int i = 0; i < 2; ++i) {
    all_up[i] = AddButton(b, all_states[i], i == 0 ? "粗" : "斜");
    all_up[i]->SetGroupIndex(2);
    all_up[i]->SetAllowAllUp(true);
    all_up[i]->SetBounds(0, 0, 40, 25);
  }
  AddButton(b, "cancel", "取消")->SetCancel(true);

  // The default button looks active while the focus rests on a control that is not a button.
  ui::WinControl* half = &b.Parent();
  b.WhenShown([=](GalleryInput& in) {
    in.Hover(*hot);
    in.Press(*pressed);
    in.Focus(*focused);
    in.Hover(*glyph_hot);
    for (skin::TskSkinButton* c : {group[1], all_up[0], all_up[1]}) {
      in.Click(*c);
      in.Leave(*c);
    }
    // Any windowed control that is not a button will do; the half itself is one.
    def->Send(ui::Message::MakeFocusChanged(half));
  });
}

void AddSpeedButtons(GalleryBuilder& b) {
  b.Heading("toolbutton 25 x 25: normal, hot, pressed, disabled, flat, flat hot, grouped, caption; tool bar images");
  auto glyph = [](skin::TskSkinSpeedButton* s, bool plus) {
    s->SetGlyph(ZoomGlyph(plus));
    s->SetNumGlyphs(4);
    return s;
  };
  ui::WinControl* half = &b.Parent();
  glyph(AddSpeed(b, half, "normal"), true);
  auto* hot = glyph(AddSpeed(b, half, "hot"), true);
  auto* pressed = glyph(AddSpeed(b, half, "pressed"), false);
  auto* disabled = glyph(AddSpeed(b, half, "disabled"), true);
  disabled->SetEnabled(false);
  glyph(AddSpeed(b, half, "flat"), true)->SetFlat(true);
  auto* flat_hot = glyph(AddSpeed(b, half, "flat-hot"), false);
  flat_hot->SetFlat(true);
  skin::TskSkinSpeedButton* grouped[2];
  for (int i = 0; i < 2; ++i) {
    grouped[i] = glyph(AddSpeed(b, half, i == 0 ? "grouped-down" : "grouped-up"), i == 0);
    grouped[i]->SetGroupIndex(1);
  }
  auto* caption = AddSpeed(b, half, "caption");
  caption->SetCaption("工具");
  caption->SetBounds(0, 0, 60, 25);

  // Three buttons on a strip that lends image lists: normal, hot (its hot image) and disabled
  // (its normal image greyed).
  auto strip_owner = std::make_unique<ImageStrip>();
  ImageStrip* strip = b.Add("toolbar", "images", std::move(strip_owner));
  strip->SetBevelOuter(ui::PanelBevel::kNone);
  strip->SetBounds(0, 0, 3 * 25 + 4, 25);
  strip->SetLists(ToolImages(*strip, gfx::Rgb(60, 80, 120)), ToolImages(*strip, gfx::Rgb(30, 110, 220)));
  skin::TskSkinSpeedButton* tools[3];
  for (int i = 0; i < 3; ++i) {
    tools[i] = AddSpeed(b, strip, "tool");
    tools[i]->SetImageIndex(i);
    tools[i]->SetBounds(2 + 25 * i, 0, 25, 25);
    tools[i]->SetFlat(true);
  }
  tools[2]->SetEnabled(false);

  b.WhenShown([=](GalleryInput& in) {
    in.Hover(*hot);
    in.Press(*pressed);
    in.Hover(*flat_hot);
    in.Click(*grouped[0]);
    in.Leave(*grouped[0]);
    in.Hover(*tools[1]);
  });
}

void AddBoxes(GalleryBuilder& b) {
  b.Heading("checkbox 150 x 25 (flat): unchecked, checked, hot, focused, disabled; radiobox: grouped, hot, disabled");
  AddBox(b, false, "unchecked", "自定义图片大小");
  auto* checked = AddBox(b, false, "checked", "约束比例");
  auto* hot = AddBox(b, false, "hot", "自定义图片大小");
  auto* focused = AddBox(b, false, "focused", "约束比例");
  auto* disabled = AddBox(b, false, "disabled", "自定义图片大小");
  disabled->SetEnabled(false);
  auto* disabled_checked = AddBox(b, false, "disabled-checked", "约束比例");
  disabled_checked->SetChecked(true);
  disabled_checked->SetEnabled(false);
  skin::TskSkinCheckRadioBox* radios[2];
  for (int i = 0; i < 2; ++i) {
    radios[i] = AddBox(b, true, i == 0 ? "grouped-unchecked" : "grouped-checked", i == 0 ? "选项一" : "选项二");
    radios[i]->SetGroupIndex(1);
  }
  radios[0]->SetChecked(true);  // the click below moves the check to the second one
  auto* radio_hot = AddBox(b, true, "hot", "选项三");
  radio_hot->SetGroupIndex(2);
  auto* radio_disabled = AddBox(b, true, "disabled-checked", "选项四");
  radio_disabled->SetGroupIndex(3);
  radio_disabled->SetChecked(true);
  radio_disabled->SetEnabled(false);
  auto* faced = AddBox(b, false, "faced", "有底图");
  faced->SetFlat(false);
  auto* faced_hot = AddBox(b, false, "faced-hot-checked", "有底图");
  faced_hot->SetFlat(false);

  b.WhenShown([=](GalleryInput& in) {
    for (skin::TskSkinCheckRadioBox* c : {checked, focused, radios[1]}) {
      in.Click(*c);
      in.Leave(*c);
    }
    in.Focus(*focused);
    in.Hover(*hot);
    in.Hover(*radio_hot);
    in.Click(*faced_hot);
  });
}

}  // namespace

void AddButtonSamples(GalleryBuilder& b) {
  AddPushButtons(b);
  AddSpeedButtons(b);
  AddBoxes(b);
}

}  // namespace app
