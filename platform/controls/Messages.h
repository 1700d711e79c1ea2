#pragma once
// Numbered messages and key codes. Controls receive their input and
// notifications as messages through TControl::WindowProc, so a descendant or
// a hook can take any of them before the default handling.

#include <cstdint>

#include "platform/runtime/Types.h"

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TMessage {
    Cardinal Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Mouse messages carry the client position in LParam (x low, y high, each a
// signed 16-bit value) and the held keys and buttons (MK_*) in WParam.
constexpr LPARAM MakeMousePos(int X, int Y) {
    return static_cast<LPARAM>((static_cast<std::uint32_t>(Y & 0xFFFF) << 16) | static_cast<std::uint32_t>(X & 0xFFFF));
}
constexpr int MousePosX(LPARAM Pos) { return static_cast<std::int16_t>(static_cast<std::uint32_t>(Pos) & 0xFFFF); }
constexpr int MousePosY(LPARAM Pos) { return static_cast<std::int16_t>((static_cast<std::uint32_t>(Pos) >> 16) & 0xFFFF); }

enum : Cardinal {
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,  // WParam high word: signed delta; LParam: screen position
    WM_GETDLGCODE = 0x0087,
    WM_USER = 0x0400,

    // Notifications among the controls themselves.
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_ENABLEDCHANGED = CM_BASE + 3,
    CM_COLORCHANGED = CM_BASE + 4,
    CM_FONTCHANGED = CM_BASE + 5,
    CM_CURSORCHANGED = CM_BASE + 6,
    CM_DIALOGCHAR = CM_BASE + 7,  // WParam: a letter or digit typed with Alt; non-zero Result: taken
    CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9,
    CM_SHOWINGCHANGED = CM_BASE + 11,
    CM_ENTER = CM_BASE + 12,
    CM_EXIT = CM_BASE + 13,
    CM_DIALOGKEY = CM_BASE + 15,  // WParam: the key; non-zero Result: taken
    CM_VISIBLECHANGED = CM_BASE + 17,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,
    CM_MOUSELEAVE = CM_BASE + 20,
};

// Held keys and buttons of a mouse message.
enum : WPARAM { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08, MK_MBUTTON = 0x10 };

// Answers to WM_GETDLGCODE: the keys a control wants for itself instead of
// the form's dialog handling (Tab moves the focus, arrows, Enter, Escape).
enum : LRESULT { DLGC_WANTARROWS = 0x01, DLGC_WANTTAB = 0x02, DLGC_WANTALLKEYS = 0x04, DLGC_WANTCHARS = 0x80 };

constexpr int WHEEL_DELTA = 120;

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
enum : Word {
    VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
    VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D,
    VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
    VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_HELP = 0x2F,
    VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60, VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD6,
    VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9,
    VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F,
    VK_F1 = 0x70, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
    VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE,
};

// The state of a key as of the input event being handled: the high bit set
// (a negative result) while it is down. Knows the mouse buttons and the
// Shift, Ctrl and Alt keys (VK_MENU).
short GetKeyState(int VirtKey);
