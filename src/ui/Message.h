// Numbered window messages: the message record, the message and hit-test codes, and packing helpers.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Geometry.h"
#include "ui/Input.h"

namespace gfx {
class Canvas;
class Region;
}  // namespace gfx

namespace ui {

struct NcCalcSizeParams;
struct MinMaxInfo;
class WinControl;

// What a mouse-button message says happened to its button.
enum class ButtonAction { kDown, kUp, kDoubleClick };

// A message as every window procedure receives it. The two parameters follow the classic
// word/long layout; `result` is what Send hands back to the caller.
//
// The parameters are packed and read only here: the Make functions build each family of messages
// and the typed accessors read them back, so no handler decodes wparam and lparam by hand. An
// accessor is meaningful only for the messages its comment names.
struct Message {
  uint32_t id = 0;
  intptr_t wparam = 0;
  intptr_t lparam = 0;
  intptr_t result = 0;

  // --- building ---
  // Client mouse messages (kMsgMouseMove, kMsgLButtonDown ... kMsgMButtonDblClk): the modifiers and
  // the point in the receiver's client coordinates.
  static Message MakeMouse(uint32_t id, ShiftState shift, gfx::Point client);
  // kMsgMouseWheel: the modifiers, the wheel delta (positive away from the user) and the point.
  static Message MakeWheel(ShiftState shift, int delta, gfx::Point client);
  // Non-client mouse messages (kMsgNcMouseMove ... kMsgNcMButtonDblClk) and kMsgNcHitTest: the hit
  // code (kHtNowhere for the hit test) and the point in screen coordinates.
  static Message MakeNcMouse(uint32_t id, intptr_t hit, gfx::Point screen);
  // kMsgKeyDown, kMsgKeyUp, kMsgSysKeyDown, kMsgSysKeyUp: the virtual key and the modifiers.
  static Message MakeKey(uint32_t id, uint16_t key, ShiftState shift);
  // kMsgChar: one typed character.
  static Message MakeChar(char32_t ch);
  // kMsgPaint and kMsgEraseBackground: the canvas, its origin at the receiver's client origin.
  static Message MakeCanvas(uint32_t id, gfx::Canvas& canvas);
  // kMsgNcPaint: the part of the window (window coordinates) to paint.
  static Message MakeNcPaint(const gfx::Region& area);
  // kMsgSize: how (kSizeRestored, kSizeMinimized, kSizeMaximized) and the new client size;
  // kMsgMove: the new position of the client area.
  static Message MakeSize(intptr_t kind, gfx::Size client);
  static Message MakeMove(gfx::Point position);
  // Messages whose lparam points at a record the receiver may change: kMsgNcCalcSize
  // (NcCalcSizeParams), kMsgGetMinMaxInfo (MinMaxInfo), kMsgSizing and kMsgMoving (gfx::Rect).
  static Message MakeCalcSize(NcCalcSizeParams& params);
  static Message MakeMinMaxInfo(MinMaxInfo& info);
  static Message MakeSizing(intptr_t edge, gfx::Rect& rect);
  static Message MakeMoving(gfx::Rect& rect);
  // kMsgSetText: the new caption (UTF-8), valid while the message is handled.
  static Message MakeSetText(const char* text);
  // kMsgImeComposition: the input method's composition so far (UTF-8, empty when it ended), valid
  // while the message is handled, and the cursor inside it in bytes.
  static Message MakeComposition(const std::string& text, int32_t cursor);
  // kSkinMsgBeforeChange ... kSkinMsgAfterChange: the skin data object (null: any) and a parameter.
  static Message MakeSkin(uint32_t id, const void* skin_data, intptr_t param);
  // kMsgFocusChanged: the control that has the focus now (null: none).
  static Message MakeFocusChanged(WinControl* focused);

  // --- reading ---
  // Mouse messages: the point (client coordinates, or screen ones for non-client messages).
  gfx::Point At() const;
  // Client mouse messages and the wheel: the modifiers.
  ShiftState MouseShift() const;
  int WheelDelta() const;
  // Client and non-client mouse-button messages: the button and what happened to it.
  MouseButton Button() const;
  ButtonAction Action() const;
  // Non-client mouse messages: the hit code.
  intptr_t Hit() const { return wparam; }
  uint16_t Key() const { return static_cast<uint16_t>(wparam); }
  ShiftState KeyShift() const { return static_cast<ShiftState>(lparam & 0xFF); }
  char32_t Char() const { return static_cast<char32_t>(wparam); }
  // kMsgPaint, kMsgEraseBackground: null when a sender gave none.
  gfx::Canvas* Canvas() const;
  const gfx::Region* NcPaintArea() const;
  gfx::Size ClientSize() const;
  NcCalcSizeParams* CalcSize() const;
  MinMaxInfo* MinMax() const;
  // kMsgSizing and kMsgMoving: the proposed outer rectangle the receiver may change.
  gfx::Rect* DragRect() const;
  intptr_t SizingEdge() const { return wparam; }
  // kMsgSetText and kMsgImeComposition.
  const char* Text() const;
  int32_t CompositionCursor() const { return static_cast<int32_t>(wparam); }
  const void* SkinData() const;
  WinControl* FocusedControl() const;
};

// Message codes. The skinned frame is defined in terms of these numbers, so they keep the
// values the classic window system gives them.
constexpr uint32_t kMsgNull = 0x0000;
constexpr uint32_t kMsgCreate = 0x0001;
constexpr uint32_t kMsgDestroy = 0x0002;
constexpr uint32_t kMsgMove = 0x0003;
constexpr uint32_t kMsgSize = 0x0005;
constexpr uint32_t kMsgActivate = 0x0006;
constexpr uint32_t kMsgSetFocus = 0x0007;
constexpr uint32_t kMsgKillFocus = 0x0008;
constexpr uint32_t kMsgEnable = 0x000A;
constexpr uint32_t kMsgSetText = 0x000C;
constexpr uint32_t kMsgPaint = 0x000F;
constexpr uint32_t kMsgClose = 0x0010;
constexpr uint32_t kMsgEraseBackground = 0x0014;
constexpr uint32_t kMsgShowWindow = 0x0018;
constexpr uint32_t kMsgCancelMode = 0x001F;
constexpr uint32_t kMsgSetCursor = 0x0020;
constexpr uint32_t kMsgMouseActivate = 0x0021;
constexpr uint32_t kMsgGetMinMaxInfo = 0x0024;
constexpr uint32_t kMsgNcCalcSize = 0x0083;
constexpr uint32_t kMsgNcHitTest = 0x0084;
constexpr uint32_t kMsgNcPaint = 0x0085;
constexpr uint32_t kMsgNcActivate = 0x0086;
constexpr uint32_t kMsgSyncPaint = 0x0088;
constexpr uint32_t kMsgNcMouseMove = 0x00A0;
constexpr uint32_t kMsgNcLButtonDown = 0x00A1;
constexpr uint32_t kMsgNcLButtonUp = 0x00A2;
constexpr uint32_t kMsgNcLButtonDblClk = 0x00A3;
constexpr uint32_t kMsgNcRButtonDown = 0x00A4;
constexpr uint32_t kMsgNcRButtonUp = 0x00A5;
constexpr uint32_t kMsgNcRButtonDblClk = 0x00A6;
constexpr uint32_t kMsgNcMButtonDown = 0x00A7;
constexpr uint32_t kMsgNcMButtonUp = 0x00A8;
constexpr uint32_t kMsgNcMButtonDblClk = 0x00A9;
constexpr uint32_t kMsgKeyDown = 0x0100;
constexpr uint32_t kMsgKeyUp = 0x0101;
constexpr uint32_t kMsgChar = 0x0102;
constexpr uint32_t kMsgSysKeyDown = 0x0104;
constexpr uint32_t kMsgImeComposition = 0x010F;
constexpr uint32_t kMsgSysKeyUp = 0x0105;
constexpr uint32_t kMsgSysCommand = 0x0112;
constexpr uint32_t kMsgTimer = 0x0113;
constexpr uint32_t kMsgMouseMove = 0x0200;
constexpr uint32_t kMsgLButtonDown = 0x0201;
constexpr uint32_t kMsgLButtonUp = 0x0202;
constexpr uint32_t kMsgLButtonDblClk = 0x0203;
constexpr uint32_t kMsgRButtonDown = 0x0204;
constexpr uint32_t kMsgRButtonUp = 0x0205;
constexpr uint32_t kMsgRButtonDblClk = 0x0206;
constexpr uint32_t kMsgMButtonDown = 0x0207;
constexpr uint32_t kMsgMButtonUp = 0x0208;
constexpr uint32_t kMsgMButtonDblClk = 0x0209;
constexpr uint32_t kMsgMouseWheel = 0x020A;
constexpr uint32_t kMsgParentNotify = 0x0210;
constexpr uint32_t kMsgSizing = 0x0214;
constexpr uint32_t kMsgCaptureChanged = 0x0215;
constexpr uint32_t kMsgMoving = 0x0216;
constexpr uint32_t kMsgEnterSizeMove = 0x0231;
constexpr uint32_t kMsgExitSizeMove = 0x0232;
constexpr uint32_t kMsgNcMouseLeave = 0x02A2;
constexpr uint32_t kMsgMouseLeave = 0x02A3;
// Toolkit notifications sent to controls (not part of the classic numbering).
constexpr uint32_t kMsgFocusChanged = 0xB007;  // to every control of a form after the focus moved
constexpr uint32_t kMsgMouseEnter = 0xB013;
constexpr uint32_t kMsgUser = 0x0400;
// The skin family, exchanged among the program's own windows.
constexpr uint32_t kSkinMsgBeforeChange = 1225;
constexpr uint32_t kSkinMsgChange = 1226;
constexpr uint32_t kSkinMsgAfterChange = 1227;
constexpr uint32_t kSkinMsgCloseMenus = 1228;
constexpr uint32_t kSkinMsgMenuItemRun = 1229;

// The id of a mouse-button message (kMsgLButtonDown ... kMsgMButtonDblClk, or their non-client
// counterparts kMsgNcLButtonDown ... kMsgNcMButtonDblClk).
uint32_t MouseButtonMessageId(MouseButton button, ButtonAction action, bool non_client);
// Whether the id is one of those messages, client or non-client.
constexpr bool IsMouseButtonMessage(uint32_t id, bool non_client) {
  uint32_t first = non_client ? kMsgNcLButtonDown : kMsgLButtonDown;
  return id >= first && id <= first + 8;
}

// Hit-test codes answered to kMsgNcHitTest.
constexpr intptr_t kHtNowhere = 0;
constexpr intptr_t kHtClient = 1;
constexpr intptr_t kHtCaption = 2;
constexpr intptr_t kHtSysMenu = 3;
constexpr intptr_t kHtMinButton = 8;
constexpr intptr_t kHtMaxButton = 9;
constexpr intptr_t kHtLeft = 10;
constexpr intptr_t kHtRight = 11;
constexpr intptr_t kHtTop = 12;
constexpr intptr_t kHtTopLeft = 13;
constexpr intptr_t kHtTopRight = 14;
constexpr intptr_t kHtBottom = 15;
constexpr intptr_t kHtBottomLeft = 16;
constexpr intptr_t kHtBottomRight = 17;
constexpr intptr_t kHtBorder = 18;
constexpr intptr_t kHtObject = 19;
constexpr intptr_t kHtClose = 20;

// kMsgSysCommand wparam values.
constexpr intptr_t kScMinimize = 0xF020;
constexpr intptr_t kScMaximize = 0xF030;
constexpr intptr_t kScClose = 0xF060;
constexpr intptr_t kScKeyMenu = 0xF100;
constexpr intptr_t kScRestore = 0xF120;

// kMsgSize wparam values.
constexpr intptr_t kSizeRestored = 0;
constexpr intptr_t kSizeMinimized = 1;
constexpr intptr_t kSizeMaximized = 2;

// kMsgActivate wparam values.
constexpr intptr_t kActiveNone = 0;
constexpr intptr_t kActiveByCall = 1;
constexpr intptr_t kActiveByClick = 2;

// Mouse messages carry the ShiftState of the event in the low byte of wparam (kMsgMouseWheel:
// the wheel delta in the high 16 bits) and the point in the receiver's client coordinates in
// lparam. Non-client mouse messages carry the hit code in wparam and the screen point in lparam.

// Packs two signed 16-bit coordinates into an lparam (x low, y high).
constexpr intptr_t MakePointParam(int32_t x, int32_t y) {
  return static_cast<intptr_t>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                               (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
// The signed low and high 16-bit halves of a parameter.
constexpr int32_t LowSigned(intptr_t v) { return static_cast<int16_t>(static_cast<uint32_t>(v) & 0xFFFF); }
constexpr int32_t HighSigned(intptr_t v) { return static_cast<int16_t>((static_cast<uint32_t>(v) >> 16) & 0xFFFF); }
constexpr gfx::Point PointFromParam(intptr_t v) { return {LowSigned(v), HighSigned(v)}; }

// Parameter record of kMsgNcCalcSize: the proposed window rectangle in, the client rectangle out.
struct NcCalcSizeParams {
  gfx::Rect rect;
};

// Parameter record of kMsgGetMinMaxInfo; sizes are outer window sizes.
struct MinMaxInfo {
  gfx::Size min_track;
  gfx::Size max_track;
};

}  // namespace ui
