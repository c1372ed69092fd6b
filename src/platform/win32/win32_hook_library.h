#pragma once
// The hook library ZYNHOOK.DLL, loaded at run time from the program's
// search path. Without it (or with an export missing) Loaded() is false and
// every operation does nothing.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/hook_library.h"

namespace tavrin {

class Win32HookLibrary : public HookLibrary {
public:
    Win32HookLibrary();
    ~Win32HookLibrary() override;
    Win32HookLibrary(const Win32HookLibrary&) = delete;
    Win32HookLibrary& operator=(const Win32HookLibrary&) = delete;

    bool Loaded() const { return module_ != nullptr; }

    uint32_t ZynHookKeyboard() override;
    uint32_t ZynHookMouse() override;
    uint32_t ZynHookCBT() override;
    uint32_t ZynHookSwap() override;
    bool ZynUnHook(uint32_t handle) override;
    void ZynUpInit(const MacroTable& t) override;
    void ZynUpWindow(const MacroTable& t) override;
    void ZynUpWindow2(const MacroTable& t) override;
    void ZynUpKeys(const MacroTable& t) override;
    void ZynUpNumKeys(const MacroTable& t) override;
    void ZynUpItem(const MacroTable& t, int n) override;
    void ZynUpInUse(const MacroTable& t) override;
    void ZynUpCapture(const MacroTable& t) override;
    void ZynUpCaptureOn(const MacroTable& t) override;
    void ZynUpIdle(const MacroTable& t) override;
    void ZynUpWaits(const MacroTable& t) override;
    void ZynUpProg(const MacroTable& t) override;
    void ZynUpProgs(const MacroTable& t) override;
    void ZynUpKeyHook(const MacroTable& t) override;
    void ZynUpMouseHook(const MacroTable& t) override;
    uint32_t ZynHeldModifiers() override;

private:
    using Proc = void (*)();
    // By index into the library's export list; Hook calls an export that
    // takes nothing and answers a number.
    uint32_t Hook(size_t e) const;
    void Publish(size_t e, const MacroTable& t) const;

    void* module_ = nullptr;
    std::array<Proc, 21> procs_{};
};

}  // namespace tavrin
