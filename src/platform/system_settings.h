#pragma once
// The system settings macros change: the display mode, keyboard repeat, the
// screen saver, the window border, the wallpaper, and ending the session.
#include <string>

namespace tavrin {

// The SystemParametersInfo settings the setting tags write.
enum class SystemParameter {
    KeyboardDelay,       // 0 (shortest) to 3
    KeyboardSpeed,       // 0 (slowest) to 31
    ScreenSaveTimeout,   // seconds
    ScreenSaveActive,    // 0 off, 1 on
    Border,              // the sizing border's width
};

// The string values of the wallpaper under "Control Panel\Desktop" of the
// current user.
struct WallpaperValues {
    std::string wallpaper;  // the picture file, "Wallpaper"
    std::string tile;       // "TileWallpaper"
    std::string style;      // "WallpaperStyle"
    std::string originX;    // "WallpaperOriginX"
    std::string originY;    // "WallpaperOriginY"
};

// ExitWindowsEx flags.
namespace exitwindows {
constexpr unsigned kLogOff = 0;
constexpr unsigned kShutdown = 1;
constexpr unsigned kReboot = 2;
constexpr unsigned kPowerOff = 8;
}  // namespace exitwindows

class SystemSettings {
public:
    virtual ~SystemSettings() = default;

    // The primary display lists a mode at this 0-based index.
    virtual bool DisplayModeExists(int index) = 0;
    // ChangeDisplaySettings with that mode, only tested (CDS_TEST) or
    // applied and stored (CDS_UPDATEREGISTRY); its result.
    virtual int ChangeDisplayMode(int index, bool testOnly) = 0;

    // SystemParametersInfo with the setting's set action and the value, not
    // stored in the profile; the result is ignored.
    virtual void SetParameter(SystemParameter parameter, unsigned value) = 0;
    virtual bool ScreenSaverActive() = 0;
    // Asks the desktop window to start the screen saver.
    virtual void StartScreenSaver() = 0;

    // Missing values read as empty.
    virtual WallpaperValues ReadWallpaper() = 0;
    virtual void WriteWallpaper(const WallpaperValues& values) = 0;
    // Shows the file as the wallpaper in the style the values give and tells
    // every window; false when the system refuses the file.
    virtual bool ShowWallpaper(const std::string& file) = 0;

    // Enables (or disables) the shutdown privilege of the process; false
    // when the process may not shut the system down.
    virtual bool SetShutdownPrivilege(bool enabled) = 0;
    // ExitWindowsEx with the flags; the result is ignored.
    virtual void ExitSession(unsigned flags) = 0;
};

}  // namespace tavrin
