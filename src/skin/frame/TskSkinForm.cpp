// TskSkinForm: the component that replaces a form's frame with the skin's frame and runs it.
#include "skin/frame/TskSkinForm.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/frame/DefaultFrame.h"
#include "skin/frame/FrameLayout.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/menus/TskSkinHint.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/TskEffectBmp.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"
#include "ui/Message.h"
#include "ui/PopupMenu.h"
#include "ui/Screen.h"

namespace skin {

namespace {

// The one-shot window timer that starts the fade-in of a shown form.
constexpr uintptr_t kAlphaTimerId = 1;

// A skin whose frame can be drawn: a frame picture with the client rectangle inside it. Anything
// less gives the plain frame.
bool UsableFrame(const TskSkinData* data) {
  if (data == nullptr || data->IsEmpty()) return false;
  const gfx::Bitmap& picture = data->FramePicture();
  if (picture.IsEmpty()) return false;
  const gfx::Rect& c = data->FrameInfo().clientrect;
  return !IsNullRect(c) && c.left >= 0 && c.top >= 0 && c.right <= picture.Width() && c.bottom <= picture.Height();
}

// The fade step of a morph: a tenth towards the target, kept on exact tenths.
double MorphStep(double progress, bool up) {
  const double next = std::round((progress + (up ? 0.1 : -0.1)) * 10) / 10;
  return std::clamp(next, 0.0, 1.0);
}

}  // namespace

TskSkinForm* FindSkinForm(const ui::Form* form) {
  if (form == nullptr) return nullptr;
  for (ui::Component* c : form->Components()) {
    if (auto* f = dynamic_cast<TskSkinForm*>(c)) return f;
  }
  return nullptr;
}

TskSkinForm* TskSkinForm::Attach(ui::Form& form) { return form.Own(std::make_unique<TskSkinForm>(form)); }

TskSkinForm::TskSkinForm(ui::Form& form) : form_(form) {
  SetName("skSkinForm");
  hot_track_timer_.SetEnabled(false);
  hot_track_timer_.SetInterval(50);
  hot_track_timer_.OnTimer = [this](ui::Component*) { HotTrackTick(); };
  blend_timer_.SetEnabled(false);
  blend_timer_.SetInterval(20);
  blend_timer_.OnTimer = [this](ui::Component*) { BlendTimerTick(); };
  frame_timer_.SetEnabled(false);
  frame_timer_.SetInterval(25);
  frame_timer_.OnTimer = [this](ui::Component*) { FrameTimerTick(); };
  menu_engine_ = std::make_unique<TskSkinMenu>(&form_);
  default_system_menu_ = std::make_unique<ui::MenuItem>();
  saved_window_proc_ = form_.WindowProc();
  form_.SetWindowProc([this](ui::Message& m) { FormWindowProc(m); });
  // From here on the frame is the component's: the window system draws none.
  if (form_.SystemFrame()) form_.SetSystemFrame(false);
  else form_.RecalcClientRect();
}

TskSkinForm::~TskSkinForm() {
  *alive_ = false;
  hot_track_timer_.SetEnabled(false);
  blend_timer_.SetEnabled(false);
  frame_timer_.SetEnabled(false);
  // A held caption button must not leave the mouse captured by a frame that is gone.
  ReleaseCapture();
  if (system_menu_ != nullptr) RemoveFreeNotification(system_menu_);
  if (skin_hint_ != nullptr) RemoveFreeNotification(skin_hint_);
  if (skin_data_ != nullptr) skin_data_->RemoveClient(this);
  if (menus_skin_data_ != nullptr && menus_skin_data_ != skin_data_) menus_skin_data_->RemoveClient(this);
  menu_engine_.reset();
  form_.SetWindowProc(saved_window_proc_);
  if (!form_.Destroying()) {
    // A form that lives on gets the window system's frame back.
    form_.SetWindowRegion(std::nullopt);
    form_.SetSystemFrame(true);
  }
}

void TskSkinForm::Notification(ui::Component* component, Operation operation) {
  ui::Component::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  if (component == system_menu_) system_menu_ = nullptr;
  if (component == skin_hint_) skin_hint_ = nullptr;
}

void TskSkinForm::SetSkinHint(TskSkinHint* hint) {
  if (skin_hint_ != nullptr) RemoveFreeNotification(skin_hint_);
  skin_hint_ = hint;
  if (skin_hint_ != nullptr) FreeNotification(skin_hint_);
}

void TskSkinForm::HideObjectHint() {
  if (ShowObjectHint && skin_hint_ != nullptr) skin_hint_->HideHintText();
}

// --- properties ---

void TskSkinForm::SetSkinData(TskSkinData* data) {
  if (skin_data_ != nullptr && skin_data_ != menus_skin_data_) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
  ApplyFrameSkin();
}

void TskSkinForm::SetMenusSkinData(TskSkinData* data) {
  if (menus_skin_data_ != nullptr && menus_skin_data_ != skin_data_) menus_skin_data_->RemoveClient(this);
  menus_skin_data_ = data;
  if (menus_skin_data_ != nullptr) menus_skin_data_->AddClient(this);
}

void TskSkinForm::SkinDataDestroyed(TskSkinData* data) {
  if (data == menus_skin_data_) menus_skin_data_ = nullptr;
  if (data != skin_data_) return;
  SkinBeforeChange(data);
  skin_data_ = nullptr;
}

TskSkinData* TskSkinForm::MenusSkinData() const { return menus_skin_data_ != nullptr ? menus_skin_data_ : skin_data_; }

void TskSkinForm::SetBorderIcons(TskBorderIcons icons) {
  border_icons_ = icons;
  ClearSkinObjects();
  CreateDefaultObjects();
}

void TskSkinForm::SetHideCaptionButtons(bool v) {
  hide_caption_buttons_ = v;
  UpdateButtonVisibility();
}

void TskSkinForm::SetLogoBitMap(gfx::Bitmap logo) {
  logo_ = std::move(logo);
  form_.InvalidateAll();
}

void TskSkinForm::SetAlphaBlend(bool v) {
  if (v == alpha_blend_) return;
  alpha_blend_ = v;
  if (!ui::LayeredWindowsAvailable()) return;
  form_.SetAlphaBlendValue(v ? alpha_blend_value_ : 255);
}

void TskSkinForm::SetAlphaBlendValue(uint8_t v) {
  alpha_blend_value_ = v;
  if (alpha_blend_ && ui::LayeredWindowsAvailable()) form_.SetAlphaBlendValue(v);
}

void TskSkinForm::SetDefCaptionFont(const gfx::Font& f) {
  def_caption_font_ = f;
  if (!skinned_) SyncNcPaint();
}

void TskSkinForm::SetDefInActiveCaptionFont(const gfx::Font& f) {
  def_inactive_caption_font_ = f;
  if (!skinned_) SyncNcPaint();
}

void TskSkinForm::SetDefMenuItemHeight(int32_t v) { menu_engine_->SetDefaultItemHeight(v); }
void TskSkinForm::SetDefMenuItemFont(const gfx::Font& f) { menu_engine_->SetDefaultFont(f); }
void TskSkinForm::SetUseSkinFontInMenu(bool v) { menu_engine_->SetUseSkinFont(v); }
void TskSkinForm::SetMenusAlphaBlend(bool v) { menu_engine_->SetAlphaBlend(v); }
void TskSkinForm::SetMenusAlphaBlendAnimation(bool v) { menu_engine_->SetAlphaBlendAnimation(v); }
void TskSkinForm::SetMenusAlphaBlendValue(uint8_t v) { menu_engine_->SetAlphaBlendValue(v); }

void TskSkinForm::SetSystemMenu(ui::PopupMenu* menu) {
  if (system_menu_ != nullptr) RemoveFreeNotification(system_menu_);
  system_menu_ = menu;
  if (system_menu_ != nullptr) FreeNotification(system_menu_);
}

TskActiveSkinObject* TskSkinForm::FindObject(const std::string& id) const {
  for (const auto& o : objects_) {
    if (o->IDName == id) return o.get();
  }
  return nullptr;
}

FrameGeometry TskSkinForm::Geometry() const {
  if (!skinned_) return {};
  const gfx::Bitmap& picture = skin_data_->FramePicture();
  const int32_t w = frame_width_ > 0 ? frame_width_ : form_.Width();
  const int32_t h = frame_height_ > 0 ? frame_height_ : form_.Height();
  return CalcFrameGeometry(skin_data_->FrameInfo(), picture.Width(), picture.Height(), w, h);
}

// --- the window procedure ---

void TskSkinForm::CallSaved(ui::Message& m) {
  if (saved_window_proc_) saved_window_proc_(m);
}

void TskSkinForm::FormWindowProc(ui::Message& m) {
  // Any handler below may end up freeing the form and this component with it.
  auto alive = alive_;
  CloseMenusFor(m);
  if (!*alive) return;
  if (HandleFrameMessage(m)) return;
  CallSaved(m);
  if (!*alive) return;
  RouteMouse(m);
}

void TskSkinForm::CloseMenusFor(const ui::Message& m) {
  switch (m.id) {
    case ui::kMsgMove:
    case ui::kMsgSize:
    case ui::kMsgActivate:
    case ui::kMsgKillFocus:
    case ui::kMsgCancelMode:
    case ui::kMsgMouseActivate:
    case ui::kMsgNcLButtonDown:
    case ui::kMsgNcRButtonDown:
    case ui::kMsgNcMButtonDown:
    case ui::kMsgLButtonDown:
    case ui::kMsgRButtonDown:
    case ui::kMsgMButtonDown:
    case ui::kMsgParentNotify:
      break;
    default:
      return;
  }
  HideObjectHint();
  if (menu_engine_->IsOpen()) {
    menu_engine_->CloseAll();
    return;
  }
  if (skin_menu_open_) MenusClosed();
}

bool TskSkinForm::HandleFrameMessage(ui::Message& m) {
  auto alive = alive_;
  const bool bordered = form_.GetBorderStyle() != ui::BorderStyle::kNone;
  switch (m.id) {
    case ui::kMsgNcCalcSize:
      NcCalcSize(m);
      return true;
    case ui::kMsgNcPaint:
      if (bordered) NcPaint();
      m.result = 0;
      return true;
    case ui::kMsgNcActivate:
      // The window system never paints a caption of its own.
      m.result = 1;
      if (!bordered) {
        UpdateCaptionActive(false);
        return true;
      }
      SyncNcPaint();
      UpdateCaptionActive(true);
      return true;
    case ui::kMsgActivate:
      CallSaved(m);
      if (!*alive) return true;
      SyncNcPaint();
      ResetObjectStates();
      UpdateCaptionActive(true);
      return true;
    case ui::kMsgSetText:
      CallSaved(m);
      if (*alive && bordered) SyncNcPaint();
      return true;
    case ui::kMsgEraseBackground:
      if (gfx::Canvas* canvas = m.Canvas()) EraseBackground(*canvas);
      m.result = 1;
      return true;
    case ui::kMsgSize:
      Size(m);
      return true;
    case ui::kMsgSizing:
      Sizing(m);
      return true;
    case ui::kMsgMoving:
      Moving(m);
      return true;
    case ui::kMsgGetMinMaxInfo:
      GetMinMaxInfo(m);
      return true;
    case ui::kMsgShowWindow:
      ShowWindow(m.wparam != 0);
      return false;
    case ui::kMsgTimer:
      if (static_cast<uintptr_t>(m.wparam) == kAlphaTimerId) AlphaFadeTimer();
      return false;
    case ui::kMsgSyncPaint:
      if (!rolled_up_) return false;
      SyncNcPaint();
      m.result = 0;
      return true;
    case ui::kMsgDestroy:
      hot_track_timer_.SetEnabled(false);
      blend_timer_.SetEnabled(false);
      frame_timer_.SetEnabled(false);
      return false;
    case ui::kSkinMsgBeforeChange:
      // Open levels draw from their skin's pictures, which the load frees right after this message,
      // so the menu closes whichever skin it draws from: the frame's, the menus' or a popup menu's
      // own (and for a message that names no skin, which stands for any).
      if (menu_engine_->IsOpen() && (m.SkinData() == nullptr || m.SkinData() == menu_engine_->SkinData())) {
        menu_engine_->CloseAll();
        if (!*alive) return true;
      }
      if (skin_data_ != nullptr && m.SkinData() == skin_data_) SkinBeforeChange(skin_data_);
      return false;
    case ui::kSkinMsgChange:
      if (skin_data_ != nullptr && m.SkinData() == skin_data_) ApplyFrameSkin();
      return false;
    case ui::kSkinMsgCloseMenus:
      MenusClosed();
      return false;
    case ui::kMsgSysCommand:
      if ((m.wparam & 0xFFF0) != ui::kScKeyMenu) return false;
      if (menu_engine_->IsOpen()) menu_engine_->CloseAll();
      return true;
    case ui::kMsgNcHitTest: {
      const gfx::Point p = ScreenToWindow(m.At());
      m.result = HitTest(p);
      if (!hot_track_timer_.Enabled() && m.result == ui::kHtObject) {
        TrackHotObject(p);
        if (*alive) hot_track_timer_.SetEnabled(true);
      }
      return true;
    }
    case ui::kMsgEnterSizeMove:
      EnterSizeMove();
      CallSaved(m);
      return true;
    case ui::kMsgExitSizeMove:
      ExitSizeMove();
      CallSaved(m);
      return true;
    default:
      return false;
  }
}

void TskSkinForm::NcCalcSize(ui::Message& m) {
  ui::NcCalcSizeParams* p = m.CalcSize();
  if (p == nullptr || form_.GetBorderStyle() == ui::BorderStyle::kNone) return;
  gfx::Rect& r = p->rect;
  if (skinned_) {
    const gfx::Rect& c = skin_data_->FrameInfo().clientrect;
    const gfx::Bitmap& picture = skin_data_->FramePicture();
    r.left += c.left;
    r.top += c.top;
    r.right += c.right - picture.Width();
    r.bottom += c.bottom - picture.Height();
  } else {
    const DefaultFrameMetrics dm = PlainMetrics();
    r.left += 3;
    r.top += dm.caption_height + 3;
    r.right -= 3;
    r.bottom -= 3;
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
}

DefaultFrameMetrics TskSkinForm::PlainMetrics() const {
  return DefaultMetrics(form_.GetBorderStyle() == ui::BorderStyle::kToolWindow ||
                        form_.GetBorderStyle() == ui::BorderStyle::kSizeToolWin);
}

bool TskSkinForm::CanPaint() const {
  return form_.HandleAllocated() && form_.Visible() && form_.GetBorderStyle() != ui::BorderStyle::kNone;
}

void TskSkinForm::NcPaint() {
  if (!CanPaint()) return;
  ui::Form::WindowDC dc(form_);
  gfx::Canvas& canvas = dc.Canvas();
  if (skinned_) PaintSkinFrame(canvas);
  else PaintDefaultFrame(canvas);
}

void TskSkinForm::SyncNcPaint() {
  if (CanPaint()) form_.Send(ui::kMsgNcPaint);
}

void TskSkinForm::EraseBackground(gfx::Canvas& canvas) {
  const int32_t cw = form_.ClientWidth(), ch = form_.ClientHeight();
  const gfx::Bitmap* tile = nullptr;
  gfx::Rect piece;
  if (skinned_) {
    const SkinFrameInfo& info = skin_data_->FrameInfo();
    // An index naming no picture tiles the frame picture's client part, as -1 does.
    tile = pictures_.Active(info.bgpictureindex);
    if (tile != nullptr && !tile->IsEmpty()) {
      piece = tile->Bounds();
    } else {
      tile = &pictures_.Frame();
      piece = info.clientrect.Intersect(tile->Bounds());
    }
  }
  if (tile == nullptr || IsNullRect(piece)) {
    canvas.FillRect({0, 0, cw, ch}, ui::kColorBtnFace);
    if (skinned_) return;
  } else if (cw > 0 && ch > 0) {
    gfx::Bitmap scratch;
    const gfx::Bitmap& pic = As24(*tile, scratch);
    // One tile per copy, from the client's top-left corner, only where the clip reaches.
    const gfx::Rect clip = canvas.ClipBounds().Intersect({0, 0, cw, ch});
    const int32_t tw = piece.Width(), th = piece.Height();
    for (int32_t y = clip.top - clip.top % th; y < clip.bottom; y += th) {
      for (int32_t x = clip.left - clip.left % tw; x < clip.right; x += tw) canvas.CopyRect({x, y}, pic, piece);
    }
  }
  if (logo_.IsEmpty()) return;
  const int32_t x = std::max(0, cw / 2 - logo_.Width() / 2);
  const int32_t y = std::max(0, ch / 2 - logo_.Height() / 2);
  if (LogoBitMapTransparent) {
    canvas.CopyTransparent({x, y}, logo_, logo_.Bounds(), logo_.Pixel(0, logo_.Height() - 1));
    return;
  }
  canvas.Draw(x, y, logo_);
}

void TskSkinForm::SkinBeforeChange(const void*) {
  skinned_ = false;
  hot_track_timer_.SetEnabled(false);
  blend_timer_.SetEnabled(false);
  frame_timer_.SetEnabled(false);
  // Open menus draw from the pictures that are about to go.
  if (menu_engine_->IsOpen()) menu_engine_->CloseAll();
  ClearSkinObjects();
  pictures_.Clear();
  mask_.reset();
}

void TskSkinForm::UpdateCaptionActive(bool repaint) {
  auto alive = alive_;
  const bool active = IsFormActive();
  for (const auto& o : objects_) {
    if (o->GetKind() != TskActiveSkinObject::Kind::kCaption || o->Highlighted == active) continue;
    o->Highlighted = active;
    if (repaint) {
      SyncNcPaint();
      if (o->morphing) StartMorphTimer();
    } else if (o->morphing) {
      o->MorphProgress = active ? 1 : 0;
    }
    break;
  }
  if (active) {
    if (OnActivate) OnActivate(this);
  } else if (OnDeActivate) {
    OnDeActivate(this);
  }
}

void TskSkinForm::ResetObjectStates() {
  // With the looks reset, nothing counts as hot any more: the object under the cursor lights up
  // again on the next tracking instead of staying dark (and deaf to a click) until the cursor
  // leaves it.
  if (pressed_index_ == -1) hot_index_ = previous_hot_index_ = -1;
  for (const auto& o : objects_) {
    if (o->GetKind() == TskActiveSkinObject::Kind::kAnimate) {
      o->Hovered = false;
      o->Highlighted = false;
      static_cast<TskSkinAnimateObject*>(o.get())->CurrentFrame = 1;
      continue;
    }
    if (o->GetKind() == TskActiveSkinObject::Kind::kCaption) continue;
    o->Highlighted = false;
    o->Hovered = false;
    o->MorphProgress = 0;
  }
}

void TskSkinForm::NudgeSize() {
  // What a one-pixel size change would make the window system do: ask for the client rectangle
  // again and announce the size.
  form_.RecalcClientRect();
  form_.Send(ui::Message::MakeSize(ui::kSizeRestored, {form_.ClientWidth(), form_.ClientHeight()}));
}

void TskSkinForm::ShowWindow(bool showing) {
  const bool layered = ui::LayeredWindowsAvailable();
  if (!showing) {
    if (alpha_blend_ && layered) form_.SetAlphaBlendValue(255);
    return;
  }
  if (layered && (alpha_blend_ || AlphaBlendAnimation)) {
    form_.SetAlphaBlendValue(0);
    form_.SetTimer(kAlphaTimerId, 1);
  }
  NudgeSize();
}

void TskSkinForm::AlphaFadeTimer() {
  form_.KillTimer(kAlphaTimerId);
  if (!ui::LayeredWindowsAvailable()) return;
  const uint8_t target = alpha_blend_ ? alpha_blend_value_ : 255;
  if (AlphaBlendAnimation) {
    auto alive = alive_;
    // The form finishes painting before it fades in.
    if (ui::Application* app = ui::Application::Current()) app->ProcessMessages();
    if (!*alive) return;
    for (int a = 5; a < target; a += 5) form_.SetAlphaBlendValue(static_cast<uint8_t>(a));
    form_.SetAlphaBlendValue(target);
    return;
  }
  if (target != 255) form_.SetAlphaBlendValue(target);
}

// --- skin application ---

void TskSkinForm::ApplyFrameSkin() {
  auto alive = alive_;
  ReleaseCapture();
  hot_index_ = previous_hot_index_ = pressed_index_ = -1;
  skinned_ = UsableFrame(skin_data_);
  if (skinned_) {
    pictures_.Load(*skin_data_);
    CreateSkinObjects();
    UpdateButtonVisibility();
  } else {
    ClearSkinObjects();
    pictures_.Clear();
    mask_.reset();
    form_.SetWindowRegion(std::nullopt);
  }
  refreshed_size_ = {};
  frame_width_ = frame_height_ = 0;
  form_.ApplySizeLimits();
  // The frame's own minimum, then the heights of the rolled-up and minimized states.
  const int32_t m = GetMinWidth(), n = GetMinHeight();
  const int32_t w = form_.Width(), h = form_.Height();
  if (w < m && h < n) form_.SetBounds(form_.Left(), form_.Top(), m, n);
  else if (h < n) form_.SetBounds(form_.Left(), form_.Top(), w, n);
  else if (w < m) form_.SetBounds(form_.Left(), form_.Top(), m, h);
  else NudgeSize();
  if (!*alive) return;
  if ((rolled_up_ || window_state_ == FrameWindowState::kMinimized) && form_.Height() != n)
    form_.SetBounds(form_.Left(), form_.Top(), form_.Width(), n);
  if (window_state_ == FrameWindowState::kMinimized && form_.Width() != m)
    form_.SetBounds(form_.Left(), form_.Top(), m, form_.Height());
  frame_width_ = form_.Width();
  frame_height_ = form_.Height();
  if (skinned_) RefreshFrame(true);
  form_.InvalidateAll();
  form_.UpdateNow();
  UpdateCaptionActive(true);
  if (!*alive) return;
  hot_track_timer_.SetEnabled(true);
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (!*alive) return;
  if (ClientWidth > 0) form_.SetClientSize(ClientWidth, form_.ClientHeight());
  if (ClientHeight > 0) form_.SetClientSize(form_.ClientWidth(), ClientHeight);
}

void TskSkinForm::RefreshFrame(bool relayout) {
  if (!skinned_) return;
  const FrameGeometry g = Geometry();
  if (relayout) LayoutObjects(g);
  UpdateWindowRegion(g);
  refreshed_size_ = {g.width, g.height};
  // Setting a shape repaints by itself.
  if (!form_.WindowRegion()) SyncNcPaint();
}

void TskSkinForm::UpdateWindowRegion(const FrameGeometry& g) {
  const gfx::Bitmap& mask = pictures_.Mask();
  if (form_.GetBorderStyle() == ui::BorderStyle::kNone || mask.IsEmpty()) {
    mask_.reset();
    if (form_.WindowRegion()) form_.SetWindowRegion(std::nullopt);
    return;
  }
  FrameMaskPieces pieces;
  pieces.mask_area = g.mask_area;
  BuildMaskBorders(pieces.pieces, mask, FrameMaskSource(skin_data_->FrameInfo()), FrameMaskTarget(g));
  std::vector<gfx::Rect> runs;
  runs.reserve(1024);
  if (!IsNullRect(g.mask_area)) runs.push_back(g.mask_area);
  AppendMaskRuns(runs, pieces.pieces.top, 0, 0);
  AppendMaskRuns(runs, pieces.pieces.bottom, 0, g.mask_area.bottom);
  AppendMaskRuns(runs, pieces.pieces.left, 0, g.mask_area.top);
  AppendMaskRuns(runs, pieces.pieces.right, g.mask_area.right, g.mask_area.top);
  gfx::Region region = gfx::Region::FromRects(runs.data(), runs.size());
  if (region.IsEmpty()) {
    // A mask that leaves nothing of the window shapes nothing: the window keeps its rectangle.
    mask_.reset();
    if (form_.WindowRegion()) form_.SetWindowRegion(std::nullopt);
    return;
  }
  mask_ = std::move(pieces);
  form_.SetWindowRegion(std::move(region));
}

void TskSkinForm::CreateSkinObjects() {
  ClearSkinObjects();
  for (const auto& record : skin_data_->ObjectRecords()) {
    const std::string_view type = record->ClassName();
    std::unique_ptr<TskActiveSkinObject> o;
    if (type == "TskDataSkinStdButton") {
      o = std::make_unique<TskSkinStdButtonObject>(*this, &pictures_, static_cast<const TskDataSkinStdButton*>(record.get()));
    } else if (type == "TskDataSkinButton") {
      o = std::make_unique<TskSkinButtonObject>(*this, &pictures_, static_cast<const TskDataSkinButton*>(record.get()));
    } else if (type == "TskDataSkinCaption") {
      o = std::make_unique<TskSkinCaptionObject>(*this, &pictures_, static_cast<const TskDataSkinCaption*>(record.get()));
    } else if (type == "TskDataSkinAnimate") {
      o = std::make_unique<TskSkinAnimateObject>(*this, &pictures_, static_cast<const TskDataSkinAnimate*>(record.get()));
    } else if (type == "TskDataUserObject") {
      o = std::make_unique<TskUserObject>(*this, &pictures_, record.get());
    }
    if (o) objects_.push_back(std::move(o));
  }
}

void TskSkinForm::CreateDefaultObjects() {
  static constexpr std::pair<const char*, SkinCommand> kDefaults[] = {
      {"closebutton", SkinCommand::cmclose},     {"maxbutton", SkinCommand::cmmaximize},
      {"minbutton", SkinCommand::cmminimize},    {"rollupbutton", SkinCommand::cmrollup},
      {"sysmenubutton", SkinCommand::cmsysmenu}, {"traybutton", SkinCommand::cmminimizetotray}};
  for (const auto& [id, command] : kDefaults) {
    objects_.push_back(std::make_unique<TskSkinStdButtonObject>(*this, id, command));
  }
  UpdateButtonVisibility();
}

void TskSkinForm::ClearSkinObjects() {
  ReleaseCapture();
  objects_.clear();
  hot_index_ = previous_hot_index_ = pressed_index_ = -1;
}

void TskSkinForm::UpdateButtonVisibility() {
  auto icon_for = [](SkinCommand c) -> TskBorderIcons {
    switch (c) {
      case SkinCommand::cmsysmenu: return biSystemMenu;
      case SkinCommand::cmminimize: return biMinimize;
      case SkinCommand::cmmaximize: return biMaximize;
      case SkinCommand::cmrollup: return biRollUp;
      case SkinCommand::cmminimizetotray: return biMinimizeToTray;
      default: return 0;
    }
  };
  for (const auto& o : objects_) {
    const bool std_button = o->GetKind() == TskActiveSkinObject::Kind::kStdButton;
    const bool animate = o->GetKind() == TskActiveSkinObject::Kind::kAnimate;
    if (!std_button && !animate) continue;
    if (hide_caption_buttons_) {
      // Images that are part of the frame picture stay; nothing reacts.
      o->IsEnabled = false;
      o->IsVisible = !o->skinrectinapicture;
      continue;
    }
    const SkinCommand command = std_button ? static_cast<TskSkinStdButtonObject*>(o.get())->command
                                           : static_cast<TskSkinAnimateObject*>(o.get())->command;
    if (animate && !static_cast<TskSkinAnimateObject*>(o.get())->buttonstyle) continue;
    if (command == SkinCommand::cmdefault) {
      if (animate) continue;
      bool visible = false;
      if (OnActivateCustomObject) OnActivateCustomObject(o->IDName, visible);
      o->IsVisible = visible;
      continue;
    }
    if (command == SkinCommand::cmclose) continue;
    if ((border_icons_ & icon_for(command)) == 0) {
      o->IsEnabled = false;
      o->IsVisible = !o->skinrectinapicture;
    }
  }
}

std::vector<TskActiveSkinObject*> TskSkinForm::ObjectPointers() const {
  std::vector<TskActiveSkinObject*> out;
  out.reserve(objects_.size());
  for (const auto& o : objects_) out.push_back(o.get());
  return out;
}

void TskSkinForm::LayoutObjects(const FrameGeometry& g) {
  LayoutFrameObjects(ObjectPointers(), g, skin_data_->FrameInfo());
}

gfx::Rect TskSkinForm::LayoutDefault() {
  if (objects_.empty()) CreateDefaultObjects();
  return LayoutDefaultObjects(ObjectPointers(), PlainMetrics(), form_.Width());
}

// --- painting ---

void TskSkinForm::PaintSkinFrame(gfx::Canvas& canvas) {
  const int32_t w = form_.Width(), h = form_.Height();
  if (w < GetMinWidth() || h < GetMinHeight()) return;
  frame_width_ = w;
  frame_height_ = h;
  const SkinFrameInfo& info = skin_data_->FrameInfo();
  const FrameGeometry g = Geometry();
  LayoutObjects(g);
  const bool active = IsFormActive();
  const gfx::Bitmap& source = !active && !pictures_.Inactive().IsEmpty() ? pictures_.Inactive() : pictures_.Frame();
  BorderStrips strips;
  BuildFrameBorders(strips, source, FrameSource(info, g.picture_width, g.picture_height), FrameTarget(g),
                    EdgeStretch{info.leftstretch, info.topstretch, info.rightstretch, info.bottomstretch});
  {
    // Objects go into the strips first, so the window never shows a half-drawn frame.
    std::optional<gfx::Canvas> top, bottom;
    if (!strips.top.IsEmpty()) top.emplace(strips.top);
    if (!strips.bottom.IsEmpty()) {
      bottom.emplace(strips.bottom);
      bottom->SetOrigin({0, -g.client.bottom});
    }
    for (const auto& o : objects_) {
      if (!o->IsVisible) continue;
      gfx::Canvas* target = o->ObjectRect.bottom > g.client.top ? (bottom ? &*bottom : nullptr) : (top ? &*top : nullptr);
      if (target != nullptr) o->DrawObject(*target, false);
    }
  }
  gfx::CanvasSaver saver(canvas);
  if (!g.client.IsEmpty()) canvas.ExcludeClip(g.client);
  const int32_t th = strips.top.Height(), bh = strips.bottom.Height();
  const gfx::Rect places[4] = {{0, 0, w, g.client.top},
                               {0, g.client.bottom, w, h},
                               {0, th, g.client.left, h - bh},
                               {g.client.right, th, w, h - bh}};
  gfx::Bitmap* pieces[4] = {&strips.top, &strips.bottom, &strips.left, &strips.right};
  const bool inactive_effect = !active && info.autorenderinginactiveimage;
  for (int i = 0; i < 4; ++i) {
    gfx::Bitmap& strip = *pieces[i];
    // A skin that lacks a piece shows a plain band there.
    if (strip.Width() < places[i].Width() || strip.Height() < places[i].Height())
      canvas.FillRect(places[i], ui::kColorBtnFace);
    if (strip.IsEmpty()) continue;
    if (inactive_effect) {
      TskEffectBmp effect(std::move(strip));
      effect.ApplyInactiveEffect(static_cast<int>(info.inactiveeffect));
      strip = effect.TakeBitmap();
    }
    canvas.Draw(places[i].left, places[i].top, strip);
  }
}

void TskSkinForm::PaintDefaultFrame(gfx::Canvas& canvas) {
  const gfx::Rect caption = LayoutDefault();
  const gfx::Font& font = IsFormActive() ? def_caption_font_ : def_inactive_caption_font_;
  skin::PaintDefaultFrame(canvas, PlainMetrics(), form_.Width(), form_.Height(), caption,
                          form_.Caption(), font, ObjectPointers());
}

void TskSkinForm::RedrawObject(TskActiveSkinObject& object) {
  if (!CanPaint() || IsNullRect(object.ObjectRect)) return;
  ui::Form::WindowDC dc(form_, object.ObjectRect);
  object.DrawObject(dc.Canvas(), true);
}

void TskSkinForm::StartMorphTimer() { blend_timer_.SetEnabled(true); }

void TskSkinForm::StartAnimationTimer() { frame_timer_.SetEnabled(true); }

void TskSkinForm::BlendTimerTick() {
  auto alive = alive_;
  bool any = false;
  for (size_t i = 0; i < objects_.size(); ++i) {
    TskActiveSkinObject& o = *objects_[i];
    if (!o.morphing || !o.MorphInProgress()) continue;
    o.MorphProgress = MorphStep(o.MorphProgress, o.Highlighted);
    RedrawObject(o);
    if (!*alive) return;
    any = true;
  }
  if (!any) blend_timer_.SetEnabled(false);
}

void TskSkinForm::FrameTimerTick() {
  auto alive = alive_;
  bool any = false;
  for (size_t i = 0; i < objects_.size(); ++i) {
    if (objects_[i]->GetKind() != TskActiveSkinObject::Kind::kAnimate || !objects_[i]->Highlighted) continue;
    static_cast<TskSkinAnimateObject*>(objects_[i].get())->Advance();
    if (!*alive) return;
    any = true;
  }
  if (!any) frame_timer_.SetEnabled(false);
}

// --- FrameObjectHost ---

bool TskSkinForm::IsFormActive() const { return form_.Active(); }

std::string TskSkinForm::CaptionText() const { return form_.Caption(); }

void TskSkinForm::ObjectMouseDownEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect,
                                       FrameMouseButton button) {
  if (OnMouseDownEvent) OnMouseDownEvent(id, x, y, rect, button);
}

void TskSkinForm::ObjectMouseUpEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect,
                                     FrameMouseButton button) {
  if (OnMouseUpEvent) OnMouseUpEvent(id, x, y, rect, button);
}

void TskSkinForm::ObjectMouseMoveEvent(const std::string& id, int32_t x, int32_t y, const gfx::Rect& rect) {
  if (OnMouseMoveEvent) OnMouseMoveEvent(id, x, y, rect);
}

void TskSkinForm::ObjectMouseEnterEvent(const std::string& id) {
  if (OnMouseEnterEvent) OnMouseEnterEvent(id);
}

void TskSkinForm::ObjectMouseLeaveEvent(const std::string& id) {
  if (OnMouseLeaveEvent) OnMouseLeaveEvent(id);
}

void TskSkinForm::ObjectPaintEvent(const std::string& id, gfx::Canvas& canvas, const gfx::Rect& rect) {
  if (OnPaintEvent) OnPaintEvent(id, canvas, rect);
}

}  // namespace skin
