// TskSkinForm: the component that replaces a form's frame with the skin's frame and runs it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "skin/frame/DefaultFrame.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/FramePictures.h"
#include "skin/data/SkinDataClient.h"
#include "skin/frame/TskActiveSkinObject.h"
#include "skin/menus/SkinMenuHost.h"
#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/Timer.h"

namespace gfx {
class Canvas;
class Region;
}  // namespace gfx

namespace ui {
class Form;
class MenuItem;
class PopupMenu;
struct Message;
}  // namespace ui

namespace skin {

class TskSkinButtonObject;
class TskSkinData;
class TskSkinHint;
class TskSkinMenu;

// Which caption commands a frame allows (combine with |). Closing needs none.
enum TskBorderIcon : uint8_t {
  biSystemMenu = 1,
  biMinimize = 2,
  biMaximize = 4,
  biRollUp = 8,
  biMinimizeToTray = 16,
};
using TskBorderIcons = uint8_t;

// One per form, owned by it (Attach). From its creation on it owns the form's window procedure and
// the whole non-client area: the window system's frame is off and the component computes the
// client rectangle, paints the frame from the skin (or a plain one without a skin), shapes the
// window from the skin's mask, answers hit tests, tracks the frame objects under the mouse and runs
// the caption buttons, moves the window between its states (normal, minimized, maximized, rolled
// up) and opens the system menu through its menu engine. Destroying it gives the form its window
// procedure back.
//
// Messages go through FormWindowProc in four steps: menus and the object hint close on the
// messages that end a menu; the message's own handling; the saved window procedure for what is
// not consumed; the non-client mouse messages reach the frame objects last, after the saved
// procedure (and with it any move/size loop) has run.
class TskSkinForm : public ui::Component, public FrameObjectHost, public SkinMenuHost, private SkinDataClient {
 public:
  // Creates the component, lets the form own it and takes over the form's frame.
  static TskSkinForm* Attach(ui::Form& form);
  explicit TskSkinForm(ui::Form& form);
  ~TskSkinForm() override;

  ui::Form& Form() const { return form_; }

  // --- skin ---
  TskSkinData* SkinData() const { return skin_data_; }
  // Applies the skin at once.
  void SetSkinData(TskSkinData* data);
  // The skin of the menus the frame opens; none: SkinData.
  TskSkinData* GetMenusSkinData() const { return menus_skin_data_; }
  void SetMenusSkinData(TskSkinData* data);
  // True while a non-empty skin is applied.
  bool Skinned() const { return skinned_; }

  // --- settings ---
  TskBorderIcons BorderIcons() const { return border_icons_; }
  // Frees the objects and makes the default caption buttons for the new set (the next skin
  // application makes the skin's objects again).
  void SetBorderIcons(TskBorderIcons icons);
  bool HideCaptionButtons() const { return hide_caption_buttons_; }
  void SetHideCaptionButtons(bool v);
  // When above 0, set as the form's client size at the end of every skin application.
  int32_t ClientWidth = 0;
  int32_t ClientHeight = 0;
  // Drawn centred over the client background.
  const gfx::Bitmap& LogoBitMap() const { return logo_; }
  void SetLogoBitMap(gfx::Bitmap logo);
  bool LogoBitMapTransparent = false;
  bool MaximizeOnFullScreen = false;
  // Lower bounds of the outer size beyond the frame's own.
  int32_t MinWidth = 0;
  int32_t MinHeight = 0;
  // Snapping to the work area's edges while moving.
  bool Magnetic = false;
  uint8_t MagneticSize = 5;
  // Translucency, where the window system has it (otherwise silently opaque).
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v);
  bool AlphaBlendAnimation = false;
  uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(uint8_t v);
  // The caption fonts of the plain frame.
  const gfx::Font& DefCaptionFont() const { return def_caption_font_; }
  void SetDefCaptionFont(const gfx::Font& f);
  const gfx::Font& DefInActiveCaptionFont() const { return def_inactive_caption_font_; }
  void SetDefInActiveCaptionFont(const gfx::Font& f);
  // Written through to the menu engine.
  void SetDefMenuItemHeight(int32_t v);
  void SetDefMenuItemFont(const gfx::Font& f);
  void SetUseSkinFontInMenu(bool v);
  void SetMenusAlphaBlend(bool v);
  void SetMenusAlphaBlendAnimation(bool v);
  void SetMenusAlphaBlendValue(uint8_t v);
  // The application's own system menu; its items are shown with the built-in commands merged in
  // (UseDefaultSysMenu) or alone.
  ui::PopupMenu* SystemMenu() const { return system_menu_; }
  void SetSystemMenu(ui::PopupMenu* menu);
  bool UseDefaultSysMenu = true;
  // The hint component that shows a frame object's hint while the cursor rests on it (with
  // ShowObjectHint); cleared when it goes.
  TskSkinHint* SkinHint() const { return skin_hint_; }
  void SetSkinHint(TskSkinHint* hint);
  bool ShowObjectHint = false;

  // --- state ---
  FrameWindowState WindowState() const override { return window_state_; }
  bool RolledUp() const override { return rolled_up_; }
  bool RolledWhileMaximized() const { return rolled_while_maximized_; }
  const gfx::Rect& SavedBounds() const { return saved_bounds_; }
  int HotIndex() const { return hot_index_; }
  int PressedIndex() const { return pressed_index_; }
  bool InSizeMove() const { return in_size_move_; }
  bool SkinMenuOpen() const { return skin_menu_open_; }
  const std::vector<std::unique_ptr<TskActiveSkinObject>>& Objects() const { return objects_; }
  // The object whose IDName is `id`, or null.
  TskActiveSkinObject* FindObject(const std::string& id) const;
  // The frame's geometry for the form's current size (skinned frames only).
  FrameGeometry Geometry() const;

  // --- operations ---
  // Reads SkinData again and rebuilds the frame.
  void ApplyFrameSkin();
  // Recomputes the geometry (and with relayout the object places) and the window shape for the
  // current frame size, and repaints the frame.
  void RefreshFrame(bool relayout);
  void SetWindowState(FrameWindowState state);
  void SetRollUp(bool v);
  int32_t GetMinWidth() const;
  int32_t GetMinHeight() const;
  // The hit code of a window point (what kMsgNcHitTest answers).
  intptr_t HitTest(gfx::Point window_point);
  // The items of the system menu as it would open now.
  ui::MenuItem* GetSystemMenuItems();
  // Opens the system menu at a screen point.
  void PopupSystemMenu(int32_t x, int32_t y);
  // The menus-closed step: the button that opened a menu comes back up.
  void MenusClosed();

  // --- SkinMenuHost ---
  TskSkinMenu& MenuEngine() override { return *menu_engine_; }
  TskSkinData* MenusSkinData() const override;
  void MenuOpenStep() override;

  // --- events ---
  ui::NotifyEvent OnActivate;
  ui::NotifyEvent OnDeActivate;
  ui::NotifyEvent OnChangeSkinData;
  ui::NotifyEvent OnChangeRollUpState;
  ui::NotifyEvent OnSkinMenuOpen;
  ui::NotifyEvent OnSkinMenuClose;
  std::function<void(const std::string& id, gfx::Canvas& canvas, const gfx::Rect& rect)> OnPaintEvent;
  std::function<void(const std::string& id)> OnMouseEnterEvent;
  std::function<void(const std::string& id)> OnMouseLeaveEvent;
  std::function<void(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect, FrameMouseButton button)>
      OnMouseDownEvent;
  std::function<void(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect, FrameMouseButton button)>
      OnMouseUpEvent;
  std::function<void(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect)> OnMouseMoveEvent;
  // Asked for every custom (cmdefault) caption button: whether it shows.
  std::function<void(const std::string& id, bool& visible)> OnActivateCustomObject;

  // --- FrameObjectHost ---
  void RedrawObject(TskActiveSkinObject& object) override;
  void StartMorphTimer() override;
  void StartAnimationTimer() override;
  bool IsFormActive() const override;
  std::string CaptionText() const override;
  void RunCommand(SkinCommand command) override;
  void PopupSystemMenuAt(const gfx::Rect& object_rect) override;
  void ObjectMouseDownEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect,
                            FrameMouseButton button) override;
  void ObjectMouseUpEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect,
                          FrameMouseButton button) override;
  void ObjectMouseMoveEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect) override;
  void ObjectMouseEnterEvent(const std::string& id) override;
  void ObjectMouseLeaveEvent(const std::string& id) override;
  void ObjectPaintEvent(const std::string& id, gfx::Canvas& canvas, const gfx::Rect& rect) override;

 protected:
  void Notification(ui::Component* component, Operation operation) override;

 private:
  // A skin data object that goes leaves the frame plain; nothing is repainted here, since the
  // form itself may be on its way out.
  void SkinDataDestroyed(TskSkinData* data) override;

  // The window procedure and its parts (TskSkinForm.cpp).
  void FormWindowProc(ui::Message& m);
  void CloseMenusFor(const ui::Message& m);
  void HideObjectHint();
  // True when the message was consumed.
  bool HandleFrameMessage(ui::Message& m);
  void CallSaved(ui::Message& m);
  void NcCalcSize(ui::Message& m);
  void NcPaint();
  void SyncNcPaint();
  void EraseBackground(gfx::Canvas& canvas);
  void SkinBeforeChange(const void* sender);
  void UpdateCaptionActive(bool repaint);
  void ResetObjectStates();
  void NudgeSize();
  void ShowWindow(bool showing);
  void AlphaFadeTimer();

  // Objects, layout, shape and painting (TskSkinForm.cpp).
  void CreateSkinObjects();
  void CreateDefaultObjects();
  void ClearSkinObjects();
  void UpdateButtonVisibility();
  std::vector<TskActiveSkinObject*> ObjectPointers() const;
  void LayoutObjects(const FrameGeometry& g);
  gfx::Rect LayoutDefault();
  void UpdateWindowRegion(const FrameGeometry& g);
  void PaintSkinFrame(gfx::Canvas& canvas);
  void PaintDefaultFrame(gfx::Canvas& canvas);
  void BlendTimerTick();
  void FrameTimerTick();
  bool CanPaint() const;
  // Caption height and button size of the plain frame of this form.
  DefaultFrameMetrics PlainMetrics() const;

  // Interaction (TskSkinFormInteraction.cpp).
  void RouteMouse(const ui::Message& m);
  gfx::Point ScreenToWindow(gfx::Point screen) const;
  void TrackHotObject(gfx::Point p);
  void ObjectMouseDown(FrameMouseButton button, gfx::Point p);
  void ObjectMouseUp(FrameMouseButton button, gfx::Point p);
  void ObjectMouseMove(gfx::Point p);
  void ObjectDblClick();
  void CaptionDblClick();
  void HotTrackTick();
  void EnterSizeMove();
  void ExitSizeMove();
  void Sizing(ui::Message& m);
  void Size(ui::Message& m);
  void Moving(ui::Message& m);
  void GetMinMaxInfo(ui::Message& m);
  void MinimizeForm();
  void MaximizeForm();
  void RestoreForm();
  gfx::Point MinimizedPositionNow() const;
  void ReleaseCapture();

  // The system menu (TskSkinFormMenu.cpp).
  void BuildDefaultSystemMenu();
  void MergeSystemMenu();
  void RestoreStep();
  void MinimizeStep();

  ui::Form& form_;
  ui::WindowProcFn saved_window_proc_;
  // Shared with calls that may outlive the component (a handler that frees the form).
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  TskSkinData* skin_data_ = nullptr;
  TskSkinData* menus_skin_data_ = nullptr;
  bool skinned_ = false;
  TskBorderIcons border_icons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool hide_caption_buttons_ = false;
  gfx::Bitmap logo_;
  bool alpha_blend_ = false;
  uint8_t alpha_blend_value_ = 200;
  gfx::Font def_caption_font_{"Arial", 14, gfx::kFontBold, ui::kColorBtnText};
  gfx::Font def_inactive_caption_font_{"Arial", 14, gfx::kFontBold, ui::kColorBtnShadow};
  ui::PopupMenu* system_menu_ = nullptr;
  TskSkinHint* skin_hint_ = nullptr;

  std::vector<std::unique_ptr<TskActiveSkinObject>> objects_;
  FrameWindowState window_state_ = FrameWindowState::kNormal;
  bool rolled_up_ = false;
  bool rolled_while_maximized_ = false;
  gfx::Rect saved_bounds_;
  int32_t saved_height_ = 0;
  int hot_index_ = -1;
  int previous_hot_index_ = -1;
  int pressed_index_ = -1;
  bool in_size_move_ = false;
  bool full_drag_ = true;
  bool skin_menu_open_ = false;
  bool captured_ = false;  // the form holds the mouse for a pressed object
  int32_t frame_width_ = 0;
  int32_t frame_height_ = 0;
  gfx::Size refreshed_size_;  // the size the geometry and shape were last made for
  std::optional<FrameMaskPieces> mask_;
  FramePictures pictures_;

  ui::Timer hot_track_timer_;
  ui::Timer blend_timer_;
  ui::Timer frame_timer_;
  std::unique_ptr<TskSkinMenu> menu_engine_;
  std::unique_ptr<ui::MenuItem> default_system_menu_;
};

// The skinned form component of a form, or null.
TskSkinForm* FindSkinForm(const ui::Form* form);

}  // namespace skin
