#pragma once
// The hook library: installing and removing its hooks, and publishing the
// macro table. Each ZynUp call hands over the whole table; the library copies
// the section that the call names. Hook handles are 32-bit tokens, as the
// shared blocks store them.
#include <cstdint>

#include "base/macro_table.h"

namespace tavrin {

class HookLibrary {
public:
    virtual ~HookLibrary() = default;
    virtual uint32_t ZynHookKeyboard() = 0;
    virtual uint32_t ZynHookMouse() = 0;
    virtual uint32_t ZynHookCBT() = 0;
    virtual uint32_t ZynHookSwap() = 0;
    virtual bool ZynUnHook(uint32_t handle) = 0;
    virtual void ZynUpInit(const MacroTable& t) = 0;
    virtual void ZynUpWindow(const MacroTable& t) = 0;
    virtual void ZynUpWindow2(const MacroTable& t) = 0;
    virtual void ZynUpKeys(const MacroTable& t) = 0;
    virtual void ZynUpNumKeys(const MacroTable& t) = 0;
    virtual void ZynUpItem(const MacroTable& t, int n) = 0;
    virtual void ZynUpInUse(const MacroTable& t) = 0;
    virtual void ZynUpCapture(const MacroTable& t) = 0;
    virtual void ZynUpCaptureOn(const MacroTable& t) = 0;
    virtual void ZynUpIdle(const MacroTable& t) = 0;
    virtual void ZynUpWaits(const MacroTable& t) = 0;
    virtual void ZynUpProg(const MacroTable& t) = 0;
    virtual void ZynUpProgs(const MacroTable& t) = 0;
    virtual void ZynUpKeyHook(const MacroTable& t) = 0;
    virtual void ZynUpMouseHook(const MacroTable& t) = 0;
    // The modifier keys the user holds down on the keyboard now, one bit each
    // (kHeldKeys of platform/hook_protocol.h); injected input does not count.
    virtual uint32_t ZynHeldModifiers() = 0;
};

}  // namespace tavrin
