// A visible window titled "Key Target" that records the keys it receives:
//   key_target <seconds>
// prints "down <vk>" for every WM_KEYDOWN and WM_SYSKEYDOWN, "up <vk>" for
// every WM_KEYUP and WM_SYSKEYUP, one line each, flushed at once so a test
// can read them while it runs, and ends after <seconds>. The modifiers down
// as the window sees the key follow the key, e.g. "down 67 ctrl". A left
// click prints "click <x> <y>" at its place in the client area.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR kEndTimer = 1;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
            std::printf("%s %u", down ? "down" : "up", static_cast<unsigned>(wParam));
            const struct { int key; const char* name; } modifiers[] = {
                {VK_CONTROL, "ctrl"}, {VK_MENU, "alt"}, {VK_SHIFT, "shift"},
                {VK_LWIN, "lwin"}, {VK_RWIN, "rwin"}};
            for (const auto& m : modifiers)
                if (GetKeyState(m.key) < 0 && m.key != static_cast<int>(wParam))
                    std::printf(" %s", m.name);
            std::printf("\n");
            std::fflush(stdout);
            // Recorded, not acted on: no menu mode on Alt, no Alt+F4.
            return 0;
        }
        case WM_LBUTTONDOWN:
            std::printf("click %d %d\n", static_cast<short>(LOWORD(lParam)),
                        static_cast<short>(HIWORD(lParam)));
            std::fflush(stdout);
            return 0;
        case WM_TIMER:
            if (wParam == kEndTimer) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc == 2 ? std::atoi(argv[1]) : 0;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: key_target <seconds>\n");
        return 2;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "TavrinKeyTarget";
    if (!RegisterClassA(&wc)) return 1;
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Key Target", WS_OVERLAPPEDWINDOW, 100, 100,
                                400, 200, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetTimer(hwnd, kEndTimer, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
