// TskSkinMemo: the toolkit's memo with a skinned frame and background, state colours and an outside skinned bar.
#pragma once

#include <string>

#include "gfx/Font.h"
#include "skin/controls/SkinDataLink.h"
#include "skin/controls/SkinEditMenu.h"
#include "ui/Memo.h"

namespace gfx {
class Bitmap;
}

namespace skin {

class TskDataSkinMemoControl;
class TskSkinPopupMenu;
class TskSkinScrollBar;

// With a record the frame is the nine-part picture of skinrect (activeskinrect while hot or
// focused) around the text area cut by clientrect, and the text area shows bgcolor (activebgcolor
// while hot or focused); with BitMapBG the picture's client part is drawn under the text instead.
// The built-in bar is hidden: an outside TskSkinScrollBar given as VScrollBar follows the lines
// (range 0..lines with a page of the visible lines + 1, disabled when everything fits) and scrolls
// the memo when moved.
class TskSkinMemo : public ui::Memo {
 public:
  TskSkinMemo();
  ~TskSkinMemo() override;

  TskSkinData* SkinData() const { return link_.Data(); }
  void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return link_.Name(); }
  void SetSkinDataName(std::string name);
  const gfx::Font& DefaultFont() const { return default_font_; }
  void SetDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);
  bool BitMapBG() const { return bitmap_bg_; }
  void SetBitMapBG(bool v);
  TskSkinScrollBar* VScrollBar() const { return bar_; }
  void SetVScrollBar(TskSkinScrollBar* bar);

  void ApplySkin();
  // Brings the outside bar in line with the lines, the page and the first visible line.
  void UpdateMemoScrollBar();
  bool Hot() const { return hot_; }
  TskSkinPopupMenu* ContextMenu() const { return menu_.Menu(); }

  gfx::Color TextColor() const override;
  bool DefaultContextMenu(gfx::Point screen) override;
  void SkinMessageChange(const void* skin_data) override;

 protected:
  void WndProc(ui::Message& m) override;
  void Notification(ui::Component* component, Operation operation) override;
  gfx::Rect FrameInsets() const override;
  void PaintFrame(gfx::Canvas& canvas) override;
  void Change() override;
  void Scrolled() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void Resize() override;

 private:
  const TskDataSkinMemoControl* Record() const;
  const gfx::Bitmap* Picture() const;

  SkinDataLink link_;
  gfx::Font default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  bool bitmap_bg_ = false;
  bool hot_ = false;
  TskSkinScrollBar* bar_ = nullptr;
  SkinEditMenu menu_;
};

}  // namespace skin
