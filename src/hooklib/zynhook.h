#pragma once
// ZYNHOOK.DLL, the hook library: the operations it exports under plain C
// names, and the messages it posts to the program. Shared by the library and
// the program that loads it.
//
// Every ZynUp call takes the whole 19784-byte macro table; the library copies
// only the fields that call publishes. Hook handles are 32-bit tokens (never
// 0 for a hook that was installed), as the shared blocks store them.
#include <cstdint>

#include "platform/hook_protocol.h"

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
// The key-remap hook, which reads its tables from the shared remap block
// "ZYTT1KGR" (the program creates the block first).
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

// The Shift, Ctrl, Alt and Windows keys the user holds down on the keyboard
// now, one bit each (kHeldKeys); input injected by any program does not
// count. 0 while the keyboard hook is not installed.
ZYNHOOK_API uint32_t ZynHeldModifiers(void);

}  // extern "C"

namespace tavrin {

inline constexpr char kHookLibraryFile[] = "ZYNHOOK.DLL";

}  // namespace tavrin
