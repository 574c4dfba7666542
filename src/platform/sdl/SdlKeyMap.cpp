// SDL scan codes and key symbols to virtual key codes and back.
#include "platform/sdl/SdlKeyMap.h"

namespace platform {

namespace {

struct Pair {
  SDL_Scancode scancode;
  KeyCode vk;
};

// Keys known by position. Letters and digits are handled apart.
constexpr Pair kPairs[] = {
    {SDL_SCANCODE_BACKSPACE, kVkBack},
    {SDL_SCANCODE_TAB, kVkTab},
    {SDL_SCANCODE_CLEAR, kVkClear},
    {SDL_SCANCODE_RETURN, kVkReturn},
    {SDL_SCANCODE_KP_ENTER, kVkReturn},
    {SDL_SCANCODE_LSHIFT, kVkShift},
    {SDL_SCANCODE_RSHIFT, kVkShift},
    {SDL_SCANCODE_LCTRL, kVkControl},
    {SDL_SCANCODE_RCTRL, kVkControl},
    {SDL_SCANCODE_LALT, kVkMenu},
    {SDL_SCANCODE_RALT, kVkMenu},
    {SDL_SCANCODE_PAUSE, kVkPause},
    {SDL_SCANCODE_CAPSLOCK, kVkCapital},
    {SDL_SCANCODE_ESCAPE, kVkEscape},
    {SDL_SCANCODE_SPACE, kVkSpace},
    {SDL_SCANCODE_PAGEUP, kVkPrior},
    {SDL_SCANCODE_PAGEDOWN, kVkNext},
    {SDL_SCANCODE_END, kVkEnd},
    {SDL_SCANCODE_HOME, kVkHome},
    {SDL_SCANCODE_LEFT, kVkLeft},
    {SDL_SCANCODE_UP, kVkUp},
    {SDL_SCANCODE_RIGHT, kVkRight},
    {SDL_SCANCODE_DOWN, kVkDown},
    {SDL_SCANCODE_PRINTSCREEN, kVkSnapshot},
    {SDL_SCANCODE_INSERT, kVkInsert},
    {SDL_SCANCODE_DELETE, kVkDelete},
    {SDL_SCANCODE_HELP, kVkHelp},
    {SDL_SCANCODE_LGUI, kVkLWin},
    {SDL_SCANCODE_RGUI, kVkRWin},
    {SDL_SCANCODE_APPLICATION, kVkApps},
    {SDL_SCANCODE_KP_0, kVkNumpad0},
    {SDL_SCANCODE_KP_1, kVkNumpad0 + 1},
    {SDL_SCANCODE_KP_2, kVkNumpad0 + 2},
    {SDL_SCANCODE_KP_3, kVkNumpad0 + 3},
    {SDL_SCANCODE_KP_4, kVkNumpad0 + 4},
    {SDL_SCANCODE_KP_5, kVkNumpad0 + 5},
    {SDL_SCANCODE_KP_6, kVkNumpad0 + 6},
    {SDL_SCANCODE_KP_7, kVkNumpad0 + 7},
    {SDL_SCANCODE_KP_8, kVkNumpad0 + 8},
    {SDL_SCANCODE_KP_9, kVkNumpad0 + 9},
    {SDL_SCANCODE_KP_MULTIPLY, kVkMultiply},
    {SDL_SCANCODE_KP_PLUS, kVkAdd},
    {SDL_SCANCODE_KP_MINUS, kVkSubtract},
    {SDL_SCANCODE_KP_PERIOD, kVkDecimal},
    {SDL_SCANCODE_KP_DIVIDE, kVkDivide},
    {SDL_SCANCODE_F1, kVkF1},
    {SDL_SCANCODE_F2, kVkF1 + 1},
    {SDL_SCANCODE_F3, kVkF1 + 2},
    {SDL_SCANCODE_F4, kVkF1 + 3},
    {SDL_SCANCODE_F5, kVkF1 + 4},
    {SDL_SCANCODE_F6, kVkF1 + 5},
    {SDL_SCANCODE_F7, kVkF1 + 6},
    {SDL_SCANCODE_F8, kVkF1 + 7},
    {SDL_SCANCODE_F9, kVkF1 + 8},
    {SDL_SCANCODE_F10, kVkF1 + 9},
    {SDL_SCANCODE_F11, kVkF1 + 10},
    {SDL_SCANCODE_F12, kVkF12},
    {SDL_SCANCODE_NUMLOCKCLEAR, kVkNumLock},
    {SDL_SCANCODE_SCROLLLOCK, kVkScroll},
    {SDL_SCANCODE_SEMICOLON, kVkOem1},
    {SDL_SCANCODE_EQUALS, kVkOemPlus},
    {SDL_SCANCODE_COMMA, kVkOemComma},
    {SDL_SCANCODE_MINUS, kVkOemMinus},
    {SDL_SCANCODE_PERIOD, kVkOemPeriod},
    {SDL_SCANCODE_SLASH, kVkOem2},
    {SDL_SCANCODE_GRAVE, kVkOem3},
    {SDL_SCANCODE_LEFTBRACKET, kVkOem4},
    {SDL_SCANCODE_BACKSLASH, kVkOem5},
    {SDL_SCANCODE_RIGHTBRACKET, kVkOem6},
    {SDL_SCANCODE_APOSTROPHE, kVkOem7},
};

}  // namespace

KeyCode VkFromSdl(SDL_Keycode key, SDL_Scancode scancode) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<KeyCode>(kVkA + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<KeyCode>(kVk0 + (key - SDLK_0));
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return static_cast<KeyCode>(kVkA + (scancode - SDL_SCANCODE_A));
  // The digit row: SDL orders it 1..9, 0.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return static_cast<KeyCode>(kVk0 + 1 + (scancode - SDL_SCANCODE_1));
  if (scancode == SDL_SCANCODE_0) return kVk0;
  for (const Pair& p : kPairs)
    if (p.scancode == scancode) return p.vk;
  return kVkNone;
}

int ScancodesForVk(KeyCode vk, SDL_Scancode out[2]) {
  switch (vk) {
    case kVkLShift:
      out[0] = SDL_SCANCODE_LSHIFT;
      return 1;
    case kVkRShift:
      out[0] = SDL_SCANCODE_RSHIFT;
      return 1;
    case kVkLControl:
      out[0] = SDL_SCANCODE_LCTRL;
      return 1;
    case kVkRControl:
      out[0] = SDL_SCANCODE_RCTRL;
      return 1;
    case kVkLMenu:
      out[0] = SDL_SCANCODE_LALT;
      return 1;
    case kVkRMenu:
      out[0] = SDL_SCANCODE_RALT;
      return 1;
    default:
      break;
  }
  if (vk >= kVkA && vk <= kVkA + 25) {
    out[0] = SDL_GetScancodeFromKey(static_cast<SDL_Keycode>(SDLK_a + (vk - kVkA)));
    return out[0] == SDL_SCANCODE_UNKNOWN ? 0 : 1;
  }
  if (vk >= kVk0 && vk <= kVk0 + 9) {
    out[0] = vk == kVk0 ? SDL_SCANCODE_0 : static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (vk - kVk0 - 1));
    return 1;
  }
  int n = 0;
  for (const Pair& p : kPairs)
    if (p.vk == vk && n < 2) out[n++] = p.scancode;
  return n;
}

}  // namespace platform
