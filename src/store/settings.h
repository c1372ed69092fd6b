#pragma once
// The settings record: every preference of the program, loaded once at start
// from the settings file "KELDA.INI" and written back whenever one changes.
#include <array>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/profile.h"

namespace tavrin {

// A font as the program uses it. The style keys of a font section in the
// settings file are written from it.
struct FontSpec {
    int32_t Color = 0;
    std::string Name = "Arial";
    int32_t Size = 10;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikeout = false;
};

// Each field is named after its key in the settings file and starts at that
// key's default.
struct Settings {
    int32_t LastDateFormat = 0;
    int32_t LastTimeFormat = 0;
    bool SuppressZerosInDate = true;
    bool SuppressZerosInTime = true;
    bool ShowDate = false;
    bool UseTray = false;
    bool UseHide = false;
    bool UseClose = false;
    bool DisableScreenSaver = true;
    bool FirstUse = true;
    bool NetworkMode = false;
    bool AutoSync = true;
    uint16_t SyncMinutes = 10;
    bool BypassWizardScreen = false;
    bool UseWaveFile = false;
    bool WaveFileWait = false;
    std::string WaveFile;        // up to 250
    uint16_t TimerSeconds = 10;  // 1 to 60
    std::string CurrentFile;     // up to 250; LoadSettings always fills it
    std::array<std::string, 5> LastFile;  // up to 255 each, newest first
    bool SortHeader = true;
    std::string PrimarySort = "123";       // up to 3
    std::string ActivationSort = "12345";  // an arrangement of "12345"
    std::string ScopeSort = "12345";       // up to 5
    FontSpec PrintListFont;                // only bold and italic are stored
    int32_t MainWidth = 620;
    int32_t MainHeight = 460;
    int32_t MainLeft = 0;
    int32_t MainTop = 0;
    std::array<int32_t, 3> ColWidth{155, 239, 138};
    bool UseSpeed = true;
    bool ShowIcons = true;
    int32_t ScriptWidth = 606;
    int32_t ScriptHeight = 446;
    int32_t ScriptLeft = 0;
    int32_t ScriptTop = 0;
    FontSpec GridTitleFont{0, "Arial", 12};
    FontSpec GridFont;
    bool CaptureDoubleAlt = true;
    bool CaptureKeys = true;
    bool CaptureMouse = true;
    bool CaptureTime = true;
    bool CapturePrompt = true;
    int32_t CaptureRelativeToScreen = 1;
    bool CaptureClicksOnly = true;
    bool CaptureWindowSize = true;
    bool CaptureGlobal = true;
    int32_t CaptureSpeed = 1;
    int32_t SystemMenu = 1;
    bool SolitaryUsage = false;
    bool CaseSensitive = true;  // key "Case Sensative"
    bool UseSuffix = false;
    std::string PrefixKeys;  // up to 2
};

// Fills s from the settings file. A missing key keeps its default; so does an
// integer whose text is not a decimal number of its type's range. A missing
// or empty "Current File", or one naming a file that does not exist, becomes
// "KELDA.ZYN" in programFolder; a "Timer Seconds" outside 1 to 60 becomes 10.
void LoadSettings(Profile& profile, Files& files, const std::string& programFolder, Settings& s);

// Writes every key of the record, the empty ones included.
void SaveSettings(Profile& profile, const Settings& s);

// Makes an "Activation Sort" value an arrangement of the digits "1" to "5".
std::string RepairActivationSort(const std::string& value);

}  // namespace tavrin
