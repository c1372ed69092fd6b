#include "platform/win32/win32_hook_library.h"

#include <windows.h>

#include <tuple>

#include "hooklib/zynhook.h"

namespace tavrin {
namespace {

// The exports, in the order of kExportNames.
enum Export : size_t {
    kHookKeyboard, kHookMouse, kHookCBT, kHookSwap, kUnHook,
    kUpInit, kUpWindow, kUpWindow2, kUpKeys, kUpNumKeys, kUpItem, kUpInUse, kUpCapture,
    kUpCaptureOn, kUpIdle, kUpWaits, kUpProg, kUpProgs, kUpKeyHook, kUpMouseHook, kHeldModifiers,
    kExportCount
};

constexpr const char* kExportNames[] = {
    "ZynHookKeyboard", "ZynHookMouse", "ZynHookCBT", "ZynHookSwap", "ZynUnHook",
    "ZynUpInit", "ZynUpWindow", "ZynUpWindow2", "ZynUpKeys", "ZynUpNumKeys", "ZynUpItem",
    "ZynUpInUse", "ZynUpCapture", "ZynUpCaptureOn", "ZynUpIdle", "ZynUpWaits", "ZynUpProg",
    "ZynUpProgs", "ZynUpKeyHook", "ZynUpMouseHook", "ZynHeldModifiers",
};

using HookFn = decltype(&::ZynHookKeyboard);
using UnHookFn = decltype(&::ZynUnHook);
using PublishFn = decltype(&::ZynUpInit);
using ItemFn = decltype(&::ZynUpItem);

template <typename Fn, typename Proc>
Fn As(Proc p) {
    return reinterpret_cast<Fn>(p);
}

}  // namespace

Win32HookLibrary::Win32HookLibrary() {
    static_assert(sizeof(kExportNames) / sizeof(kExportNames[0]) == kExportCount);
    static_assert(std::tuple_size<decltype(procs_)>::value == kExportCount);
    HMODULE module = LoadLibraryA(kHookLibraryFile);
    if (module == nullptr) return;
    for (size_t i = 0; i < procs_.size(); ++i) {
        procs_[i] = reinterpret_cast<Proc>(GetProcAddress(module, kExportNames[i]));
        if (procs_[i] == nullptr) {
            FreeLibrary(module);
            procs_ = {};
            return;
        }
    }
    module_ = module;
}

Win32HookLibrary::~Win32HookLibrary() {
    if (module_ != nullptr) FreeLibrary(static_cast<HMODULE>(module_));
}

uint32_t Win32HookLibrary::Hook(size_t e) const {
    return Loaded() ? As<HookFn>(procs_[e])() : 0;
}

void Win32HookLibrary::Publish(size_t e, const MacroTable& t) const {
    if (Loaded()) As<PublishFn>(procs_[e])(t.data());
}

uint32_t Win32HookLibrary::ZynHookKeyboard() { return Hook(kHookKeyboard); }
uint32_t Win32HookLibrary::ZynHookMouse() { return Hook(kHookMouse); }
uint32_t Win32HookLibrary::ZynHookCBT() { return Hook(kHookCBT); }
uint32_t Win32HookLibrary::ZynHookSwap() { return Hook(kHookSwap); }
bool Win32HookLibrary::ZynUnHook(uint32_t handle) {
    return Loaded() && As<UnHookFn>(procs_[kUnHook])(handle) != 0;
}
void Win32HookLibrary::ZynUpInit(const MacroTable& t) { Publish(kUpInit, t); }
void Win32HookLibrary::ZynUpWindow(const MacroTable& t) { Publish(kUpWindow, t); }
void Win32HookLibrary::ZynUpWindow2(const MacroTable& t) { Publish(kUpWindow2, t); }
void Win32HookLibrary::ZynUpKeys(const MacroTable& t) { Publish(kUpKeys, t); }
void Win32HookLibrary::ZynUpNumKeys(const MacroTable& t) { Publish(kUpNumKeys, t); }
void Win32HookLibrary::ZynUpItem(const MacroTable& t, int n) {
    if (Loaded()) As<ItemFn>(procs_[kUpItem])(t.data(), n);
}
void Win32HookLibrary::ZynUpInUse(const MacroTable& t) { Publish(kUpInUse, t); }
void Win32HookLibrary::ZynUpCapture(const MacroTable& t) { Publish(kUpCapture, t); }
void Win32HookLibrary::ZynUpCaptureOn(const MacroTable& t) { Publish(kUpCaptureOn, t); }
void Win32HookLibrary::ZynUpIdle(const MacroTable& t) { Publish(kUpIdle, t); }
void Win32HookLibrary::ZynUpWaits(const MacroTable& t) { Publish(kUpWaits, t); }
void Win32HookLibrary::ZynUpProg(const MacroTable& t) { Publish(kUpProg, t); }
void Win32HookLibrary::ZynUpProgs(const MacroTable& t) { Publish(kUpProgs, t); }
void Win32HookLibrary::ZynUpKeyHook(const MacroTable& t) { Publish(kUpKeyHook, t); }
void Win32HookLibrary::ZynUpMouseHook(const MacroTable& t) { Publish(kUpMouseHook, t); }
uint32_t Win32HookLibrary::ZynHeldModifiers() { return Hook(kHeldModifiers); }

}  // namespace tavrin
