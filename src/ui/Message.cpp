// Numbered window messages: building each family of messages and reading its parameters back.
#include "ui/Message.h"

namespace ui {

namespace {

// Pointers travel in the integer parameters, as in the classic layout; these are the only places
// that convert them.
template <class T>
intptr_t FromPointer(T* p) {
  return reinterpret_cast<intptr_t>(p);
}
template <class T>
T* ToPointer(intptr_t v) {
  return reinterpret_cast<T*>(v);
}

intptr_t PackShift(ShiftState shift) { return static_cast<intptr_t>(static_cast<uint8_t>(shift)); }

}  // namespace

Message Message::MakeMouse(uint32_t id, ShiftState shift, gfx::Point client) {
  return {id, PackShift(shift), MakePointParam(client.x, client.y), 0};
}

Message Message::MakeWheel(ShiftState shift, int delta, gfx::Point client) {
  intptr_t w = (static_cast<intptr_t>(static_cast<uint16_t>(delta)) << 16) | PackShift(shift);
  return {kMsgMouseWheel, w, MakePointParam(client.x, client.y), 0};
}

Message Message::MakeNcMouse(uint32_t id, intptr_t hit, gfx::Point screen) {
  return {id, hit, MakePointParam(screen.x, screen.y), 0};
}

Message Message::MakeKey(uint32_t id, uint16_t key, ShiftState shift) { return {id, key, PackShift(shift), 0}; }

Message Message::MakeChar(char32_t ch) { return {kMsgChar, static_cast<intptr_t>(ch), 0, 0}; }

Message Message::MakeCanvas(uint32_t id, gfx::Canvas& canvas) { return {id, FromPointer(&canvas), 0, 0}; }

Message Message::MakeNcPaint(const gfx::Region& area) { return {kMsgNcPaint, FromPointer(&area), 0, 0}; }

Message Message::MakeSize(intptr_t kind, gfx::Size client) {
  return {kMsgSize, kind, MakePointParam(client.width, client.height), 0};
}

Message Message::MakeMove(gfx::Point position) { return {kMsgMove, 0, MakePointParam(position.x, position.y), 0}; }

Message Message::MakeCalcSize(NcCalcSizeParams& params) { return {kMsgNcCalcSize, 0, FromPointer(&params), 0}; }

Message Message::MakeMinMaxInfo(MinMaxInfo& info) { return {kMsgGetMinMaxInfo, 0, FromPointer(&info), 0}; }

Message Message::MakeSizing(intptr_t edge, gfx::Rect& rect) { return {kMsgSizing, edge, FromPointer(&rect), 0}; }

Message Message::MakeMoving(gfx::Rect& rect) { return {kMsgMoving, 0, FromPointer(&rect), 0}; }

Message Message::MakeSetText(const char* text) { return {kMsgSetText, 0, FromPointer(text), 0}; }

Message Message::MakeSkin(uint32_t id, const void* skin_data, intptr_t param) {
  return {id, FromPointer(skin_data), param, 0};
}

Message Message::MakeFocusChanged(WinControl* focused) { return {kMsgFocusChanged, 0, FromPointer(focused), 0}; }

// Both families keep the classic order: left, right, middle; down, up, double click for each.
uint32_t MouseButtonMessageId(MouseButton button, ButtonAction action, bool non_client) {
  uint32_t first = non_client ? kMsgNcLButtonDown : kMsgLButtonDown;
  return first + 3 * static_cast<uint32_t>(button) + static_cast<uint32_t>(action);
}

namespace {

uint32_t ButtonOffset(uint32_t id) {
  return id - (IsMouseButtonMessage(id, true) ? kMsgNcLButtonDown : kMsgLButtonDown);
}

}  // namespace

MouseButton Message::Button() const { return static_cast<MouseButton>(ButtonOffset(id) / 3); }

ButtonAction Message::Action() const { return static_cast<ButtonAction>(ButtonOffset(id) % 3); }

gfx::Point Message::At() const { return PointFromParam(lparam); }

ShiftState Message::MouseShift() const { return static_cast<ShiftState>(wparam & 0xFF); }

int Message::WheelDelta() const { return HighSigned(wparam); }

gfx::Canvas* Message::Canvas() const { return ToPointer<gfx::Canvas>(wparam); }

const gfx::Region* Message::NcPaintArea() const { return ToPointer<const gfx::Region>(wparam); }

gfx::Size Message::ClientSize() const { return {LowSigned(lparam), HighSigned(lparam)}; }

NcCalcSizeParams* Message::CalcSize() const { return ToPointer<NcCalcSizeParams>(lparam); }

MinMaxInfo* Message::MinMax() const { return ToPointer<MinMaxInfo>(lparam); }

gfx::Rect* Message::DragRect() const { return ToPointer<gfx::Rect>(lparam); }

Message Message::MakeComposition(const std::string& text, int32_t cursor) {
  return {kMsgImeComposition, static_cast<intptr_t>(cursor), reinterpret_cast<intptr_t>(text.c_str()), 0};
}

const char* Message::Text() const { return ToPointer<const char>(lparam); }

const void* Message::SkinData() const { return ToPointer<const void>(wparam); }

WinControl* Message::FocusedControl() const { return ToPointer<WinControl>(lparam); }

}  // namespace ui
