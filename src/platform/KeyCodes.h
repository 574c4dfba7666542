// The program's own virtual key codes (the classic desktop values, so dialog keys and accelerators read as usual).
#pragma once

#include <cstdint>

namespace platform {

// Letters are 'A'..'Z' (0x41..0x5A) and digits '0'..'9' (0x30..0x39) whatever the keyboard layout;
// every other key has a constant below. 0 is "no key" (a key the backend does not know).
using KeyCode = uint16_t;

inline constexpr KeyCode kVkNone = 0x00;
inline constexpr KeyCode kVkLButton = 0x01;  // mouse buttons, for Backend::IsKeyDown only
inline constexpr KeyCode kVkRButton = 0x02;
inline constexpr KeyCode kVkMButton = 0x04;
inline constexpr KeyCode kVkBack = 0x08;
inline constexpr KeyCode kVkTab = 0x09;
inline constexpr KeyCode kVkClear = 0x0C;
inline constexpr KeyCode kVkReturn = 0x0D;
inline constexpr KeyCode kVkShift = 0x10;    // either shift key
inline constexpr KeyCode kVkControl = 0x11;  // either control key
inline constexpr KeyCode kVkMenu = 0x12;     // either alt key
inline constexpr KeyCode kVkPause = 0x13;
inline constexpr KeyCode kVkCapital = 0x14;
inline constexpr KeyCode kVkEscape = 0x1B;
inline constexpr KeyCode kVkSpace = 0x20;
inline constexpr KeyCode kVkPrior = 0x21;  // page up
inline constexpr KeyCode kVkNext = 0x22;   // page down
inline constexpr KeyCode kVkEnd = 0x23;
inline constexpr KeyCode kVkHome = 0x24;
inline constexpr KeyCode kVkLeft = 0x25;
inline constexpr KeyCode kVkUp = 0x26;
inline constexpr KeyCode kVkRight = 0x27;
inline constexpr KeyCode kVkDown = 0x28;
inline constexpr KeyCode kVkSnapshot = 0x2C;
inline constexpr KeyCode kVkInsert = 0x2D;
inline constexpr KeyCode kVkDelete = 0x2E;
inline constexpr KeyCode kVkHelp = 0x2F;
inline constexpr KeyCode kVk0 = 0x30;
inline constexpr KeyCode kVkA = 0x41;
inline constexpr KeyCode kVkLWin = 0x5B;
inline constexpr KeyCode kVkRWin = 0x5C;
inline constexpr KeyCode kVkApps = 0x5D;  // context-menu key
inline constexpr KeyCode kVkNumpad0 = 0x60;  // numpad digits are kVkNumpad0 + n
inline constexpr KeyCode kVkMultiply = 0x6A;
inline constexpr KeyCode kVkAdd = 0x6B;
inline constexpr KeyCode kVkSeparator = 0x6C;
inline constexpr KeyCode kVkSubtract = 0x6D;
inline constexpr KeyCode kVkDecimal = 0x6E;
inline constexpr KeyCode kVkDivide = 0x6F;
inline constexpr KeyCode kVkF1 = 0x70;  // F1..F24 are kVkF1 + n
inline constexpr KeyCode kVkF4 = 0x73;
inline constexpr KeyCode kVkF12 = 0x7B;
inline constexpr KeyCode kVkF24 = 0x87;
inline constexpr KeyCode kVkNumLock = 0x90;
inline constexpr KeyCode kVkScroll = 0x91;
inline constexpr KeyCode kVkLShift = 0xA0;  // side-specific keys, for Backend::IsKeyDown only
inline constexpr KeyCode kVkRShift = 0xA1;
inline constexpr KeyCode kVkLControl = 0xA2;
inline constexpr KeyCode kVkRControl = 0xA3;
inline constexpr KeyCode kVkLMenu = 0xA4;
inline constexpr KeyCode kVkRMenu = 0xA5;
inline constexpr KeyCode kVkOem1 = 0xBA;       // ';:' on a US keyboard
inline constexpr KeyCode kVkOemPlus = 0xBB;    // '=+'
inline constexpr KeyCode kVkOemComma = 0xBC;   // ',<'
inline constexpr KeyCode kVkOemMinus = 0xBD;   // '-_'
inline constexpr KeyCode kVkOemPeriod = 0xBE;  // '.>'
inline constexpr KeyCode kVkOem2 = 0xBF;       // '/?'
inline constexpr KeyCode kVkOem3 = 0xC0;       // '`~'
inline constexpr KeyCode kVkOem4 = 0xDB;       // '[{'
inline constexpr KeyCode kVkOem5 = 0xDC;       // '\|'
inline constexpr KeyCode kVkOem6 = 0xDD;       // ']}'
inline constexpr KeyCode kVkOem7 = 0xDE;       // quote

}  // namespace platform
