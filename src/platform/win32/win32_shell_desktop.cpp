#include "platform/win32/win32_shell_desktop.h"

#include <windows.h>

#include <shldisp.h>

#include <functional>
#include <string>

#include "base/browser_version.h"

namespace tavrin {

namespace {

// The shell application object and its interface.
constexpr CLSID kShellApplication = {
    0x13709620, 0xC279, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr IID kShellDispatch = {
    0xD8F015C0, 0xC278, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

std::string BrowserVersion() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "";
    char text[64] = "";
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    const bool read = RegQueryValueExA(key, "Version", nullptr, &type,
                                       reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS &&
                      type == REG_SZ;
    RegCloseKey(key);
    if (!read) return "";
    text[size] = '\0';
    return text;
}

// Makes the shell application object and calls one of its functions.
bool WithShell(const std::function<HRESULT(IShellDispatch*)>& call) {
    IShellDispatch* shell = nullptr;
    if (FAILED(CoCreateInstance(kShellApplication, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                kShellDispatch, reinterpret_cast<void**>(&shell))))
        return false;
    const HRESULT result = call(shell);
    shell->Release();
    return SUCCEEDED(result);
}

HWND TaskBar() { return FindWindowA("Shell_TrayWnd", nullptr); }

}  // namespace

Win32ShellDesktop::Win32ShellDesktop() : usable_(ShellAutomationUsable(BrowserVersion())) {}

bool Win32ShellDesktop::Call(ShellFunction function) {
    return WithShell([function](IShellDispatch* shell) {
        switch (function) {
            case ShellFunction::MinimizeAll: return shell->MinimizeAll();
            case ShellFunction::UndoMinimizeAll: return shell->UndoMinimizeALL();
            case ShellFunction::Suspend: return shell->Suspend();
            case ShellFunction::EjectPC: return shell->EjectPC();
            case ShellFunction::SetTime: return shell->SetTime();
            case ShellFunction::FindComputer: return shell->FindComputer();
            case ShellFunction::FindFiles: return shell->FindFiles();
            case ShellFunction::FileRun: return shell->FileRun();
        }
        return E_INVALIDARG;
    });
}

bool Win32ShellDesktop::ExploreSpecialFolder(int folder) {
    return WithShell([folder](IShellDispatch* shell) {
        VARIANT where;
        VariantInit(&where);
        where.vt = VT_I4;
        where.lVal = folder;
        return shell->Explore(where);
    });
}

void Win32ShellDesktop::ShowTaskBar(bool visible) {
    if (HWND bar = TaskBar()) ShowWindow(bar, visible ? SW_RESTORE : SW_HIDE);
}

void Win32ShellDesktop::CascadeWindows() { ::CascadeWindows(nullptr, 0, nullptr, 0, nullptr); }

void Win32ShellDesktop::TileWindows(bool horizontally) {
    ::TileWindows(nullptr, horizontally ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, nullptr, 0,
                  nullptr);
}

}  // namespace tavrin
