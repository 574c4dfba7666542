// TskSkinStdLabel and TskSkinLinkLabel: the toolkit's label drawn in the skin's text colours; the link opens its URL.
#pragma once

#include <string>

#include "gfx/Font.h"
#include "skin/controls/SkinDataLink.h"
#include "ui/Label.h"

namespace skin {

// A see-through label whose text takes the "stdlabel" record's font and colour. Without a record
// it draws in DefaultFont (or, with UseSkinFont off, in its Font). A disabled label draws its text
// embossed: once in the button highlight 1 pixel right and down, then in the button shadow.
class TskSkinStdLabel : public ui::Label {
 public:
  TskSkinStdLabel();

  TskSkinData* SkinData() const { return link_.Data(); }
  // Binding to a loaded skin re-reads the record and repaints.
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name) { link_.SetName(std::move(name)); }
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);

  void SkinMessageChange(const void* skin_data) override;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void CaptionChanged() override;
  void FontChanged() override;
  // The font and colour the text is drawn in now.
  virtual gfx::Font TextFont() const;
  // Keeps the size of an auto-sized label to its text in the font it is drawn with.
  void FitToText();

  SkinDataLink link_;
  gfx::Font default_font_{"Arial", 14};
  bool use_skin_font_ = true;
};

// An underlined label that opens its URL with the desktop's handler when clicked (after OnClick),
// in the record's active colour (DefaultActiveFontColor without one) while the mouse is over it.
class TskSkinLinkLabel : public TskSkinStdLabel {
 public:
  TskSkinLinkLabel();

  const std::string& URL() const { return url_; }
  void SetURL(std::string url) { url_ = std::move(url); }
  gfx::Color DefaultActiveFontColor() const { return default_active_font_color_; }
  void SetDefaultActiveFontColor(gfx::Color c);
  bool Hot() const { return hot_; }

  void Click() override;

 protected:
  gfx::Font TextFont() const override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  std::string url_;
  gfx::Color default_active_font_color_ = gfx::Rgb(0, 0, 255);
  bool hot_ = false;
};

}  // namespace skin
