#include "playback/system_commands.h"

#include <algorithm>

namespace tavrin {

namespace {

constexpr const char* kExecutionError = "Macro Execution Error";
constexpr const char* kSwitchFailed =
    "The attempt to switch to the specified Screen Display Settings failed.";

// A setting's value kept within the range its tag allows, so that a
// hand-typed number out of range sets the nearest value the system knows.
unsigned Within(int value, int low, int high) {
    return static_cast<unsigned>(std::clamp(value, low, high));
}

// The part of a "Devices" entry ("driver,port,...") before comma number
// `field` (0 for the driver, 1 for the first port).
std::string DevicesField(const std::string& entry, int field) {
    size_t start = 0;
    for (int k = 0; k < field; ++k) {
        const size_t comma = entry.find(',', start);
        if (comma == std::string::npos) return "";
        start = comma + 1;
    }
    const size_t end = entry.find(',', start);
    return entry.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

bool SystemCommands::PlayTag(const TagMatch& tag) {
    const int n = tag.Fields.Numbers[0];
    switch (tag.Kind) {
        case TagKind::ScreenMode: ScreenMode(n); break;
        case TagKind::KeyboardDelay:
            settings_.SetParameter(SystemParameter::KeyboardDelay, Within(n, 0, 3));
            break;
        case TagKind::KeyboardSpeed:
            settings_.SetParameter(SystemParameter::KeyboardSpeed, Within(n, 0, 31));
            break;
        case TagKind::ScreenSaverTime:
            settings_.SetParameter(SystemParameter::ScreenSaveTimeout, Within(n, 1, 60) * 60);
            break;
        case TagKind::BorderWidth:
            settings_.SetParameter(SystemParameter::Border, Within(n, 1, 10));
            break;
        case TagKind::ScreenSaverOn:
            if (settings_.ScreenSaverActive()) settings_.StartScreenSaver();
            break;
        case TagKind::ScreenSaverOff:
            settings_.SetParameter(SystemParameter::ScreenSaveActive, 0);
            break;
        case TagKind::WallpaperTile:
        case TagKind::WallpaperCentre:
        case TagKind::WallpaperStretch:
        case TagKind::WallpaperAt:
            Wallpaper(tag);
            break;
        case TagKind::DefaultPrinter: DefaultPrinter(tag.Fields.Texts[0]); break;
        case TagKind::LogOff: settings_.ExitSession(exitwindows::kLogOff); break;
        case TagKind::Reboot: EndSession(exitwindows::kReboot); break;
        case TagKind::Shutdown: EndSession(exitwindows::kShutdown); break;
        case TagKind::PowerOff: EndSession(exitwindows::kPowerOff); break;
        default: return false;
    }
    return true;
}

void SystemCommands::ScreenMode(int number) {
    // The modes are listed from 0 until the list ends; the number must be
    // among them.
    for (int i = 0; i <= number; ++i) {
        if (settings_.DisplayModeExists(i)) continue;
        ui_.ShowNotice(kExecutionError,
                       "The specified Screen Display Settings does not exist on this computer.");
        return;
    }
    const int test = settings_.ChangeDisplayMode(number, true);
    if (test == -1 || test == -2 || test == -4) {
        ui_.ShowNotice(kExecutionError, kSwitchFailed);
        return;
    }
    const int result = settings_.ChangeDisplayMode(number, false);
    if (result == 1)
        ui_.ShowNotice("Warning", "System must be rebooted before new display settings take effect.");
    else if (result != 0)
        ui_.ShowNotice(kExecutionError, kSwitchFailed);
}

void SystemCommands::Wallpaper(const TagMatch& tag) {
    const TagFields& f = tag.Fields;
    const std::string& file = f.Texts[0];
    // A file that is not there would leave the desktop without a picture and
    // the user's settings naming nothing: nothing is changed. The wallpaper
    // fails silently, as the other desktop settings do.
    if (!files_.Exists(file)) return;
    WallpaperValues values{file, "0", "0", "0", "0"};
    switch (tag.Kind) {
        case TagKind::WallpaperTile: values.tile = "1"; break;
        case TagKind::WallpaperStretch: values.style = "2"; break;
        case TagKind::WallpaperAt:
            values.originX = std::to_string(f.Numbers[0]);
            values.originY = std::to_string(f.Numbers[1]);
            break;
        default: break;
    }
    const WallpaperValues before = settings_.ReadWallpaper();
    settings_.WriteWallpaper(values);
    if (settings_.ShowWallpaper(file)) return;
    // Not a picture the system can show: the wallpaper the user had stays.
    settings_.WriteWallpaper(before);
    settings_.ShowWallpaper(before.wallpaper);
}

void SystemCommands::DefaultPrinter(const std::string& name) {
    const std::vector<std::string> names = printers_.Names();
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        ui_.ShowNotice(kExecutionError,
                       "The specified Default Printer does not exist on this computer.");
        return;
    }
    PrinterDetails p = printers_.Details(name);
    if (p.device.empty()) p.device = name;
    if (p.driver.empty() || p.port.empty()) {
        const std::string entry = printers_.DevicesEntry(name);
        if (p.driver.empty()) p.driver = DevicesField(entry, 0);
        if (p.port.empty()) p.port = DevicesField(entry, 1);
    }
    printers_.SetDefault(p.device + "," + p.driver + "," + p.port);
}

void SystemCommands::EndSession(unsigned flags) {
    if (!settings_.SetShutdownPrivilege(true)) return;
    settings_.ExitSession(flags);
    settings_.SetShutdownPrivilege(false);
}

}  // namespace tavrin
