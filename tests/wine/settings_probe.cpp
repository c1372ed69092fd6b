// Writes and reads back the real settings file through the profile functions.
//   settings_probe save <folder>   loads, sets the probe's values, saves
//   settings_probe check <folder>  loads and compares with those values
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_profile.h"
#include "store/settings.h"

namespace {

using tavrin::Settings;

// The values "save" stores, none of them a default.
Settings Expected(Settings s) {
    s.UseTray = true;
    s.TimerSeconds = 30;
    s.ColWidth = {101, 202, 303};
    s.GridFont.Name = "Courier New";
    s.GridFont.Size = 14;
    s.GridFont.Bold = true;
    s.PrefixKeys = ";;";
    s.LastFile[0] = "C:\\A.ZYN";
    s.CaseSensitive = false;
    s.MainLeft = -5;
    s.ActivationSort = "54321";
    s.SyncMinutes = 45;
    return s;
}

// Every key and value a record saves, as "section|key=value" lines.
class SavedKeys : public tavrin::Profile {
public:
    std::map<std::string, std::string> values;
    std::string ReadString(const std::string&, const std::string&, const std::string& def,
                           size_t) override {
        return def;
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[section + "|" + key] = value;
    }
};

// Compares two records key by key, as the settings file would hold them.
int Mismatches(const Settings& got, const Settings& want) {
    SavedKeys a, b;
    tavrin::SaveSettings(a, got);
    tavrin::SaveSettings(b, want);
    int mismatches = 0;
    for (const auto& [key, value] : b.values) {
        if (a.values[key] == value) continue;
        std::printf("%s: got \"%s\", expected \"%s\"\n", key.c_str(), a.values[key].c_str(),
                    value.c_str());
        ++mismatches;
    }
    return mismatches;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "save") != 0 && std::strcmp(argv[1], "check") != 0)) {
        std::fprintf(stderr, "usage: settings_probe save|check <folder>\n");
        return 2;
    }
    tavrin::Win32Profile profile;
    tavrin::Win32Files files;
    Settings loaded;
    tavrin::LoadSettings(profile, files, argv[2], loaded);
    if (std::strcmp(argv[1], "save") == 0) {
        tavrin::SaveSettings(profile, Expected(loaded));
        return 0;
    }
    if (Mismatches(loaded, Expected(loaded)) != 0) return 1;
    std::printf("settings ok\n");
    return 0;
}
