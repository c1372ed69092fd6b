#pragma once
// The hook library's publishing operations. Each call hands over the whole
// macro table; the library copies the section that the call names.
#include <cstdint>

#include "store/macro_table.h"

namespace tavrin {

class HookLibrary {
public:
    virtual ~HookLibrary() = default;
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
};

}  // namespace tavrin
