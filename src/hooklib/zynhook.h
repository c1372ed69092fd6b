#pragma once
// ZYNHOOK.DLL, the hook library: the operations it exports under plain C
// names, and the messages it posts to the program. Shared by the library and
// the program that loads it.
//
// Every ZynUp call takes the whole 19784-byte macro table; the library copies
// only the fields that call publishes. Hook handles are 32-bit tokens (never
// 0 for a hook that was installed), as the shared blocks store them.
#include <cstdint>

#ifdef ZYNHOOK_BUILD
#define ZYNHOOK_API __declspec(dllexport)
#else
#define ZYNHOOK_API
#endif

extern "C" {

// Install a hook and return its token, or 0 when it could not be installed.
ZYNHOOK_API uint32_t ZynHookKeyboard(void);
ZYNHOOK_API uint32_t ZynHookMouse(void);
// The window hook: window activations and changes of the running programs.
ZYNHOOK_API uint32_t ZynHookCBT(void);
// The key-remap hook; not provided yet, always 0.
ZYNHOOK_API uint32_t ZynHookSwap(void);
// Removes the hook of a token; non-zero when the token named one.
ZYNHOOK_API int ZynUnHook(uint32_t handle);

ZYNHOOK_API void ZynUpInit(const uint8_t* table);
ZYNHOOK_API void ZynUpWindow(const uint8_t* table);
ZYNHOOK_API void ZynUpWindow2(const uint8_t* table);
ZYNHOOK_API void ZynUpKeys(const uint8_t* table);
ZYNHOOK_API void ZynUpNumKeys(const uint8_t* table);
// Entry n of the per-macro arrays; only the low 16 bits of n count.
ZYNHOOK_API void ZynUpItem(const uint8_t* table, int n);
ZYNHOOK_API void ZynUpInUse(const uint8_t* table);
ZYNHOOK_API void ZynUpCapture(const uint8_t* table);
ZYNHOOK_API void ZynUpCaptureOn(const uint8_t* table);
ZYNHOOK_API void ZynUpIdle(const uint8_t* table);
ZYNHOOK_API void ZynUpWaits(const uint8_t* table);
ZYNHOOK_API void ZynUpProg(const uint8_t* table);
ZYNHOOK_API void ZynUpProgs(const uint8_t* table);
ZYNHOOK_API void ZynUpKeyHook(const uint8_t* table);
ZYNHOOK_API void ZynUpMouseHook(const uint8_t* table);

}  // extern "C"

namespace tavrin {

inline constexpr char kHookLibraryFile[] = "ZYNHOOK.DLL";

// Messages the library posts (WM_USER + 1 .. WM_USER + 17). All go to the
// table's MainWindow except kMsgKeyEntry, which goes to KeyEntryWindow.
// 0x408 and 0x40A are not used.
enum HookMessage : uint32_t {
    kMsgKeyEntry = 0x401,         // wParam: hot key code pressed while KeyEntryOn
    kMsgHotKey = 0x402,           // wParam: code + kCapsLockBit; lParam: front window
    kMsgCaptureText = 0x403,      // wParam: macro number; lParam: next character
    kMsgCaptureEnded = 0x404,     // wParam: macro number
    kMsgAbort = 0x405,            // the user pressed the abort key
    kMsgQuillet = 0x406,          // wParam: kTypingReset or kQuilletCapsOn / 0; lParam: character
    kMsgWindowActivated = 0x407,  // wParam: the window
    kMsgCapsLock = 0x409,         // wParam: non-zero when Caps Lock is now on
    kMsgUserActivity = 0x40B,     // at most one a second, while IdleWatch
    kMsgInUseCleared = 0x40C,     // the end marker arrived while InUse
    kMsgProgramsChanged = 0x40D,  // the set of running processes changed
    kMsgMouseClicked = 0x40E,     // wParam: 1 left, 2 right, 3 middle
    kMsgKeyPressed = 0x40F,       // wParam: virtual key
    kMsgTextTyped = 0x410,        // wParam: kTypingReset or 0; lParam: character, 8 backspace
    kMsgDrainCleared = 0x411,     // the end marker arrived while WaitDrain
};

constexpr uint32_t kCapsLockBit = 0x8000;
// wParam of kMsgQuillet and kMsgTextTyped: forget what was typed so far.
constexpr uint32_t kTypingReset = 1;
constexpr uint32_t kQuilletCapsOn = 2;

// The program injects a press and release of this key after its own playback.
constexpr uint16_t kEndMarkerKey = 43;
// The Pause key, pressed by the user (not injected), aborts playback.
constexpr uint16_t kAbortKey = 19;

}  // namespace tavrin
