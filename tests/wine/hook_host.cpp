// A window that shows what the hook library reports:
//   hook_host <seconds> user|inuse
// It loads ZYNHOOK.DLL, publishes a table whose only hot key is Ctrl+Alt+N,
// with Quillets, the key, click and text waits and the idle watch turned on,
// installs the hooks as the program does, and prints, one line each:
//   "msg 0x402 <wParam> <lParam>"  every message 0x401 .. 0x411 it receives
//   "key <vk>"                     every key press that reaches its window
// After <seconds> it removes the hooks and prints "unhooked".
// "inuse" plays back as the program does: one second in, it sets InUse and
// WaitDrain and injects Ctrl+Alt+N, X and the end marker, then Ctrl+Alt+N
// once more.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/macro_table.h"
#include "hooklib/zynhook.h"
#include "platform/win32/win32_hook_library.h"
#include "store/hot_key_codes.h"

namespace {

using tavrin::MacroTable;
namespace t = tavrin::table;

constexpr UINT_PTR kEndTimer = 1;
constexpr UINT_PTR kInjectTimer = 2;

struct Host {
    tavrin::Win32HookLibrary library;
    MacroTable table;
};
Host* g_host = nullptr;

void Key(BYTE vk, bool down) { keybd_event(vk, 0, down ? 0 : KEYEVENTF_KEYUP, 0); }

void Tap(BYTE vk) {
    Key(vk, true);
    Key(vk, false);
}

void CtrlAltN() {
    Key(VK_CONTROL, true);
    Key(VK_MENU, true);
    Tap('N');
    Key(VK_MENU, false);
    Key(VK_CONTROL, false);
}

void PlayBack() {
    std::printf("injecting\n");
    std::fflush(stdout);
    g_host->table.SetByte(t::InUse, 1);
    g_host->library.ZynUpInUse(g_host->table);
    g_host->table.SetByte(t::WaitDrain, 1);
    g_host->library.ZynUpWaits(g_host->table);
    CtrlAltN();
    Tap('X');
    Tap(static_cast<BYTE>(tavrin::kEndMarkerKey));
    CtrlAltN();
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= tavrin::kMsgKeyEntry && message <= tavrin::kMsgDrainCleared) {
        std::printf("msg 0x%03x %llu %lld\n", message, static_cast<unsigned long long>(wParam),
                    static_cast<long long>(lParam));
        std::fflush(stdout);
        return 0;
    }
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (lParam & (1 << 30)) break;  // a repeat
        std::printf("key %llu\n", static_cast<unsigned long long>(wParam));
        std::fflush(stdout);
        return 0;
    case WM_TIMER:
        KillTimer(window, wParam);
        if (wParam == kEndTimer) PostQuitMessage(0);
        if (wParam == kInjectTimer) PlayBack();
        return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHostWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "TavrinHookHost";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Hook Host", WS_OVERLAPPEDWINDOW, 100, 100, 320,
                           200, nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[2], "user") != 0 && std::strcmp(argv[2], "inuse") != 0)) {
        std::printf("usage: hook_host <seconds> user|inuse\n");
        return 2;
    }
    const UINT seconds = static_cast<UINT>(std::atoi(argv[1]));
    const bool playBack = std::strcmp(argv[2], "inuse") == 0;

    Host host;
    g_host = &host;
    if (!host.library.Loaded()) {
        std::printf("no hook library\n");
        return 1;
    }
    const HWND window = CreateHostWindow();
    const int code = tavrin::HotKeyCodeFor('N', 0, true, true, false, false);
    std::printf("hotkey %d\nwindow %llu\n", code,
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));

    MacroTable& table = host.table;
    tavrin::HookLibrary& library = host.library;
    table.SetU32(t::MainWindow, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
    table.SetByte(t::IsNT, 1);
    table.SetByte(t::ButtonsSwapped, GetSystemMetrics(SM_SWAPBUTTON) ? 1 : 0);
    table.SetHotKeyUsed(static_cast<size_t>(code), 1);
    table.SetByte(t::HasQuillets, 1);
    for (size_t flag : {t::IdleWatch, t::WaitClick, t::WaitKey, t::WaitText})
        table.SetByte(flag, 1);
    library.ZynUpInit(table);
    library.ZynUpWindow(table);
    library.ZynUpWindow2(table);
    library.ZynUpKeys(table);
    library.ZynUpIdle(table);
    library.ZynUpWaits(table);
    const uint32_t keyboard = library.ZynHookKeyboard();
    const uint32_t mouse = library.ZynHookMouse();
    const uint32_t windows = library.ZynHookCBT();
    table.SetU32(t::KeyboardHook, keyboard);
    table.SetU32(t::MouseHook, mouse);
    library.ZynUpKeyHook(table);
    library.ZynUpMouseHook(table);
    std::printf("hooked %u %u %u\n", keyboard, mouse, windows);
    std::fflush(stdout);

    // Shown after the hooks are in, so its activation is reported.
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetTimer(window, kEndTimer, seconds * 1000, nullptr);
    if (playBack) SetTimer(window, kInjectTimer, 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    bool removed = true;
    for (uint32_t token : {keyboard, mouse, windows})
        if (!library.ZynUnHook(token)) removed = false;
    std::printf(removed ? "unhooked\n" : "unhook failed\n");
    DestroyWindow(window);
    return removed ? 0 : 1;
}
