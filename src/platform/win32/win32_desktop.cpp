#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include "platform/win32/window_id.h"

namespace tavrin {

namespace {

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    reinterpret_cast<std::vector<WindowId>*>(lParam)->push_back(ToId(hwnd));
    return TRUE;
}

constexpr UINT kSettleTimeout = 200;  // ms

// Brings a window to the front although another program owns the focus:
// the input of the two threads is joined while it is made the foreground.
void BringToFront(HWND hwnd) {
    const DWORD self = GetCurrentThreadId();
    const DWORD front = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const bool attach = front != 0 && front != self;
    if (attach) AttachThreadInput(self, front, TRUE);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    if (attach) AttachThreadInput(self, front, FALSE);
    // Keys injected next go to the focus of the moment: let the window's
    // thread take its activation and place its focus first.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSettleTimeout, &ignored);
}

// ShellExecute's result code: above 32 is success.
int Shell(void* owner, const char* verb, const std::string& file,
          const std::string& parameters) {
    HINSTANCE result = ShellExecuteA(static_cast<HWND>(owner), verb, file.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                                     SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<intptr_t>(result));
}

}  // namespace

WindowId Win32Desktop::Foreground() { return ToId(GetForegroundWindow()); }

WindowId Win32Desktop::FindExact(const std::string& title) {
    return ToId(FindWindowA(nullptr, title.c_str()));
}

std::vector<WindowId> Win32Desktop::TopLevelWindows() {
    std::vector<WindowId> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32Desktop::Title(WindowId w) {
    char title[256];
    int n = GetWindowTextA(ToHwnd(w), title, sizeof title);
    return std::string(title, n > 0 ? n : 0);
}

uint32_t Win32Desktop::ProcessOf(WindowId w) {
    DWORD process = 0;
    GetWindowThreadProcessId(ToHwnd(w), &process);
    return process;
}

std::vector<RunningProcess> Win32Desktop::Processes() {
    std::vector<RunningProcess> result;
    DWORD ids[500];
    DWORD bytes = 0;
    if (!EnumProcesses(ids, sizeof ids, &bytes)) return result;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
        if (!h) continue;
        HMODULE module;
        DWORD needed;
        char name[256];
        if (EnumProcessModules(h, &module, sizeof module, &needed)) {
            DWORD n = GetModuleBaseNameA(h, module, name, sizeof name);
            result.push_back({ids[i], std::string(name, n)});
        }
        CloseHandle(h);
    }
    return result;
}

void Win32Desktop::Activate(WindowId w) {
    HWND hwnd = ToHwnd(w);
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    BringToFront(hwnd);
}

void Win32Desktop::SystemCommand(WindowId w, unsigned command) {
    SendMessageA(ToHwnd(w), WM_SYSCOMMAND, command, 0);
}

void Win32Desktop::PostQuit(WindowId w) { PostMessageA(ToHwnd(w), WM_QUIT, 0, 0); }

void Win32Desktop::Show(WindowId w, bool visible) {
    ShowWindow(ToHwnd(w), visible ? SW_SHOW : SW_HIDE);
}

void Win32Desktop::Resize(WindowId w, int width, int height) {
    SetWindowPos(ToHwnd(w), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

void Win32Desktop::Move(WindowId w, int left, int top) {
    SetWindowPos(ToHwnd(w), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

int Win32Desktop::Open(const std::string& program, const std::string& parameters) {
    return Shell(owner_, "open", program, parameters);
}

void Win32Desktop::OpenAddress(const std::string& address) {
    Shell(owner_, nullptr, address, "");
}

void Win32Desktop::Explore(const std::string& folder) { Shell(nullptr, "explore", folder, ""); }

}  // namespace tavrin
