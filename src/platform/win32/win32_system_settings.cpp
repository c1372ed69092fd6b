#include "platform/win32/win32_system_settings.h"

#include <windows.h>

#include <array>

namespace tavrin {

namespace {

constexpr const char* kDesktopKey = "Control Panel\\Desktop";

constexpr int kWallpaperValues = 5;
// The value names of WallpaperValues, in the order of ValuesOf.
constexpr const char* kWallpaperNames[kWallpaperValues] = {
    "Wallpaper", "TileWallpaper", "WallpaperStyle", "WallpaperOriginX", "WallpaperOriginY"};

template <typename Values>
auto ValuesOf(Values& v) {
    return std::array<decltype(&v.wallpaper), kWallpaperValues>{&v.wallpaper, &v.tile, &v.style,
                                                                &v.originX, &v.originY};
}

}  // namespace

bool Win32SystemSettings::DisplayModeExists(int index) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    return index >= 0 && EnumDisplaySettingsA(nullptr, static_cast<DWORD>(index), &mode);
}

int Win32SystemSettings::ChangeDisplayMode(int index, bool testOnly) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (index < 0 || !EnumDisplaySettingsA(nullptr, static_cast<DWORD>(index), &mode))
        return DISP_CHANGE_BADMODE;
    return ChangeDisplaySettingsA(&mode, testOnly ? CDS_TEST : CDS_UPDATEREGISTRY);
}

void Win32SystemSettings::SetParameter(SystemParameter parameter, unsigned value) {
    UINT action = 0;
    switch (parameter) {
        case SystemParameter::KeyboardDelay: action = SPI_SETKEYBOARDDELAY; break;
        case SystemParameter::KeyboardSpeed: action = SPI_SETKEYBOARDSPEED; break;
        case SystemParameter::ScreenSaveTimeout: action = SPI_SETSCREENSAVETIMEOUT; break;
        case SystemParameter::ScreenSaveActive: action = SPI_SETSCREENSAVEACTIVE; break;
        case SystemParameter::Border: action = SPI_SETBORDER; break;
    }
    SystemParametersInfoA(action, value, nullptr, 0);
}

bool Win32SystemSettings::ScreenSaverActive() {
    BOOL active = FALSE;
    return SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) && active;
}

void Win32SystemSettings::StartScreenSaver() {
    PostMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

WallpaperValues Win32SystemSettings::ReadWallpaper() {
    WallpaperValues values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return values;
    const auto fields = ValuesOf(values);
    for (int k = 0; k < kWallpaperValues; ++k) {
        char text[MAX_PATH + 1] = "";
        DWORD size = MAX_PATH;
        DWORD type = 0;
        if (RegQueryValueExA(key, kWallpaperNames[k], nullptr, &type,
                             reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS &&
            type == REG_SZ) {
            text[size < MAX_PATH ? size : MAX_PATH] = '\0';
            *fields[k] = text;
        }
    }
    RegCloseKey(key);
    return values;
}

void Win32SystemSettings::WriteWallpaper(const WallpaperValues& values) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    const auto fields = ValuesOf(values);
    for (int k = 0; k < kWallpaperValues; ++k) {
        const std::string& text = *fields[k];
        RegSetValueExA(key, kWallpaperNames[k], 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
    RegCloseKey(key);
}

bool Win32SystemSettings::ShowWallpaper(const std::string& file) {
    // The file is named to the call: without it, later systems put back
    // their own default picture instead of reading the values just written.
    std::string path = file;
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, &path[0], SPIF_SENDWININICHANGE) != 0;
}

bool Win32SystemSettings::SetShutdownPrivilege(bool enabled) {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    bool done = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege",
                                      &privileges.Privileges[0].Luid) &&
                AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    // The call succeeds without granting a privilege the account lacks.
    if (done && GetLastError() == ERROR_NOT_ALL_ASSIGNED) done = false;
    CloseHandle(token);
    return done;
}

void Win32SystemSettings::ExitSession(unsigned flags) { ExitWindowsEx(flags, 0); }

}  // namespace tavrin
