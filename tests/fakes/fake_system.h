#pragma once
// Fakes of the system, desktop and network seams: each records what it was
// asked, in order, and answers as the test sets it.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/system_platform.h"

namespace tavrin {

class FakeSystemSettings : public SystemSettings {
public:
    std::vector<std::string> calls;
    int displayModes = 3;          // modes 0 .. displayModes - 1 exist
    int testResult = 0;            // of ChangeDisplayMode with testOnly
    int changeResult = 0;          // of ChangeDisplayMode applied
    bool screenSaverActive = true;
    bool privilege = true;         // the process may shut the system down
    bool showsWallpaper = true;    // ShowWallpaper takes the file
    WallpaperValues wallpaper;     // what the registry holds

    bool DisplayModeExists(int index) override { return index >= 0 && index < displayModes; }
    int ChangeDisplayMode(int index, bool testOnly) override {
        calls.push_back((testOnly ? "test mode " : "set mode ") + std::to_string(index));
        return testOnly ? testResult : changeResult;
    }
    void SetParameter(SystemParameter p, unsigned value) override {
        static const char* const names[] = {"keyboard delay", "keyboard speed",
                                            "screen saver timeout", "screen saver active",
                                            "border"};
        calls.push_back(std::string(names[static_cast<int>(p)]) + " " + std::to_string(value));
    }
    bool ScreenSaverActive() override { return screenSaverActive; }
    void StartScreenSaver() override { calls.push_back("start screen saver"); }
    WallpaperValues ReadWallpaper() override { return wallpaper; }
    void WriteWallpaper(const WallpaperValues& v) override {
        wallpaper = v;
        calls.push_back("wallpaper " + v.wallpaper + " " + v.tile + " " + v.style + " " +
                        v.originX + " " + v.originY);
    }
    bool ShowWallpaper(const std::string& file) override {
        calls.push_back("show " + file);
        return showsWallpaper;
    }
    bool SetShutdownPrivilege(bool enabled) override {
        calls.push_back(enabled ? "privilege on" : "privilege off");
        return privilege;
    }
    void ExitSession(unsigned flags) override { calls.push_back("exit " + std::to_string(flags)); }
};

class FakePrinters : public Printers {
public:
    std::vector<std::string> names;
    std::map<std::string, PrinterDetails> details;
    std::map<std::string, std::string> devices;  // the "Devices" section
    std::vector<std::string> defaults;           // what SetDefault wrote

    std::vector<std::string> Names() override { return names; }
    PrinterDetails Details(const std::string& name) override { return details[name]; }
    std::string DevicesEntry(const std::string& name) override { return devices[name]; }
    void SetDefault(const std::string& device) override { defaults.push_back(device); }
};

class FakeShellDesktop : public ShellDesktop {
public:
    std::vector<std::string> calls;
    bool usable = true;
    bool succeeds = true;

    bool AutomationUsable() override { return usable; }
    bool Call(ShellFunction f) override {
        calls.push_back("call " + std::to_string(static_cast<int>(f)));
        return succeeds;
    }
    bool ExploreSpecialFolder(int folder) override {
        calls.push_back("explore " + std::to_string(folder));
        return succeeds;
    }
    void ShowTaskBar(bool visible) override { calls.push_back(visible ? "show task bar" : "hide task bar"); }
    void CascadeWindows() override { calls.push_back("cascade"); }
    void TileWindows(bool horizontally) override {
        calls.push_back(horizontally ? "tile horizontally" : "tile vertically");
    }
};

class FakeNetworkDrives : public NetworkDrives {
public:
    std::vector<std::string> calls;
    uint32_t result = 0;
    std::vector<std::string> connected;

    uint32_t Connect(const std::string& drive, const std::string& share, const std::string& user,
                     const std::string& password, bool permanent) override {
        calls.push_back("connect " + drive + " " + share + " " + user + " " + password +
                        (permanent ? " permanent" : ""));
        return result;
    }
    uint32_t Disconnect(const std::string& drive, bool permanent, bool force) override {
        calls.push_back("disconnect " + drive + (permanent ? " permanent" : "") +
                        (force ? " force" : ""));
        return result;
    }
    std::vector<std::string> ConnectedDrives() override { return connected; }
};

class FakeDialUp : public DialUp {
public:
    std::vector<std::string> calls;
    bool available = true;
    uint32_t dialResult = 0;
    DialConnection dialConnection = 0;  // handed back by Dial
    bool listed = true;                 // Connections succeeds
    std::vector<DialConnection> connections;
    uint32_t hangUpResult = 0;

    bool Available() override { return available; }
    uint32_t Dial(const std::string& entry, const std::string& user, const std::string& password,
                  DialConnection& connection) override {
        calls.push_back("dial " + entry + " " + user + " " + password);
        connection = dialConnection;
        return dialResult;
    }
    bool Connections(std::vector<DialConnection>& out) override {
        out = connections;
        return listed;
    }
    uint32_t HangUp(DialConnection c) override {
        calls.push_back("hang up " + std::to_string(c));
        return hangUpResult;
    }
};

// All five, as the player takes them.
struct FakeSystem {
    FakeSystemSettings settings;
    FakePrinters printers;
    FakeShellDesktop shell;
    FakeNetworkDrives drives;
    FakeDialUp dialUp;
    SystemPlatform platform{settings, printers, shell, drives, dialUp};
};

}  // namespace tavrin
