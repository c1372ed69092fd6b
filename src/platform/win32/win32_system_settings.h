#pragma once
#include "platform/system_settings.h"

namespace tavrin {

class Win32SystemSettings : public SystemSettings {
public:
    bool DisplayModeExists(int index) override;
    int ChangeDisplayMode(int index, bool testOnly) override;
    void SetParameter(SystemParameter parameter, unsigned value) override;
    bool ScreenSaverActive() override;
    void StartScreenSaver() override;
    WallpaperValues ReadWallpaper() override;
    void WriteWallpaper(const WallpaperValues& values) override;
    bool ShowWallpaper(const std::string& file) override;
    bool SetShutdownPrivilege(bool enabled) override;
    void ExitSession(unsigned flags) override;
};

}  // namespace tavrin
