#include "hooklib/remap_hook.h"

#include "base/remap_tables.h"
#include "hooklib/input_watch.h"
#include "hooklib/key_tracker.h"

namespace tavrin {
namespace {

HANDLE g_block = nullptr;
const uint8_t* g_view = nullptr;
HHOOK g_hook = nullptr;
KeyTracker g_keys;

Remap RemapOf(char c) {
    RemapTables tables;
    CopyMemory(tables.data(), g_view + remap_block::kTables, tables.size());
    return RemapCharacter(tables, static_cast<uint8_t>(c));
}

void TypeCharacter(uint8_t c) {
    wchar_t wide = 0;
    const char ansi = static_cast<char>(c);
    if (MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &wide, 1) != 1) return;
    INPUT in[2] = {};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wScan = wide;
        i.ki.dwFlags = KEYEVENTF_UNICODE;
        i.ki.dwExtraInfo = kOwnInput;
    }
    in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

LRESULT CALLBACK RemapProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION) return CallNextHookEx(nullptr, code, wParam, lParam);
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (key.dwExtraInfo == kOwnInput) return CallNextHookEx(nullptr, code, wParam, lParam);
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    g_keys.Record(key.vkCode, down);
    if (down && !(key.flags & LLKHF_INJECTED) && !g_keys.Ctrl() && !g_keys.Alt() &&
        !g_keys.Win()) {
        // What a dead key composes is left to the program in front.
        const bool afterDeadKey = g_keys.DeadKeyPending();
        const Typed typed = g_keys.Translate(key.vkCode, key.scanCode);
        if (typed.kind == Typed::Character && !afterDeadKey) {
            const Remap remap = RemapOf(typed.character);
            if (remap.replaced) {
                if (remap.character != 0) TypeCharacter(remap.character);
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool RemapReplaces(char c) { return g_hook != nullptr && g_view != nullptr && RemapOf(c).replaced; }

bool InstallRemapHook(HMODULE module) {
    g_block = OpenFileMappingA(FILE_MAP_READ, FALSE, kRemapBlockName);
    if (g_block == nullptr) return false;
    g_view = static_cast<const uint8_t*>(MapViewOfFile(g_block, FILE_MAP_READ, 0, 0, remap_block::kSize));
    if (g_view != nullptr) {
        g_keys.Resync();
        g_hook = SetWindowsHookExA(WH_KEYBOARD_LL, RemapProc, module, 0);
        if (g_hook != nullptr) return true;
    }
    RemoveRemapHook();
    return false;
}

void RemoveRemapHook() {
    if (g_hook != nullptr) UnhookWindowsHookEx(g_hook);
    if (g_view != nullptr) UnmapViewOfFile(g_view);
    if (g_block != nullptr) CloseHandle(g_block);
    g_hook = nullptr;
    g_view = nullptr;
    g_block = nullptr;
}

}  // namespace tavrin
