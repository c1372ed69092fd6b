#include "store/settings.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <system_error>

namespace tavrin {

namespace {

// How many characters of a value are read, which is also the most a field
// keeps.
constexpr size_t kPathChars = 250;
constexpr size_t kRecentFileChars = 255;
constexpr size_t kValueChars = 15;

const char kDefaultSort[] = "12345";

// Reads every key into the record, starting from the record's own values as
// the defaults.
class Loader {
public:
    explicit Loader(Profile& profile) : profile_(profile) {}

    void Bool(const char* section, const char* key, bool& value) {
        std::string text = profile_.ReadString(section, key, value ? "Yes" : "No", kValueChars);
        for (char& c : text) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        value = text == "YES";
    }

    // Text that is not a whole decimal number within T's range (letters, a
    // fraction, a '+', a negative unsigned value, too many digits) keeps the
    // default rather than becoming 0.
    template <typename T>
    void Int(const char* section, const char* key, T& value) {
        const std::string text =
            profile_.ReadString(section, key, std::to_string(value), kValueChars);
        T parsed{};
        const char* end = text.data() + text.size();
        auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
        if (ec == std::errc() && ptr == end) value = parsed;
    }

    void Text(const char* section, const char* key, size_t maxChars, std::string& value) {
        value = profile_.ReadString(section, key, value, maxChars);
    }

private:
    Profile& profile_;
};

class Saver {
public:
    explicit Saver(Profile& profile) : profile_(profile) {}

    void Bool(const char* section, const char* key, bool value) {
        profile_.WriteString(section, key, value ? "Yes" : "No");
    }

    template <typename T>
    void Int(const char* section, const char* key, T value) {
        profile_.WriteString(section, key, std::to_string(value));
    }

    void Text(const char* section, const char* key, size_t, const std::string& value) {
        profile_.WriteString(section, key, value);
    }

private:
    Profile& profile_;
};

template <typename Font, typename Visitor>
void VisitFont(const char* section, Font& font, bool effects, Visitor& v) {
    v.Int(section, "Color", font.Color);
    v.Text(section, "Font Name", kValueChars, font.Name);
    v.Int(section, "Size", font.Size);
    v.Bool(section, "Bold", font.Bold);
    v.Bool(section, "Italic", font.Italic);
    if (effects) {
        v.Bool(section, "Underline", font.Underline);
        v.Bool(section, "Strikeout", font.Strikeout);
    }
}

// Every key of the settings file in file order, so that loading and saving
// cannot disagree on a name.
template <typename Record, typename Visitor>
void VisitSettings(Record& s, Visitor& v) {
    v.Int("Misc", "Last Date Format", s.LastDateFormat);
    v.Int("Misc", "Last Time Format", s.LastTimeFormat);
    v.Bool("Misc", "Suppress Zeros In Date", s.SuppressZerosInDate);
    v.Bool("Misc", "Suppress Zeros In Time", s.SuppressZerosInTime);
    v.Bool("Misc", "Show Date", s.ShowDate);
    v.Bool("Misc", "Use Tray", s.UseTray);
    v.Bool("Misc", "Use Hide", s.UseHide);
    v.Bool("Misc", "Use Close", s.UseClose);
    v.Bool("Misc", "Disable Screen Saver", s.DisableScreenSaver);
    v.Bool("Misc", "First Use", s.FirstUse);
    v.Bool("Network", "Network Mode", s.NetworkMode);
    v.Bool("Network", "Auto Sync", s.AutoSync);
    v.Int("Network", "Sync Minutes", s.SyncMinutes);
    v.Bool("Misc", "Bypass Wizard Screen", s.BypassWizardScreen);
    v.Bool("Scheduler", "Use Wave File", s.UseWaveFile);
    v.Bool("Scheduler", "Wave File Wait", s.WaveFileWait);
    v.Text("Scheduler", "Wave File", kPathChars, s.WaveFile);
    v.Int("Scheduler", "Timer Seconds", s.TimerSeconds);
    v.Text("Misc", "Current File", kPathChars, s.CurrentFile);
    for (size_t i = 0; i < s.LastFile.size(); ++i) {
        const std::string key = "Last File " + std::to_string(i + 1);
        v.Text("Misc", key.c_str(), kRecentFileChars, s.LastFile[i]);
    }
    v.Bool("Misc", "Sort Header", s.SortHeader);
    v.Text("Misc", "Primary Sort", 3, s.PrimarySort);
    // Read whole: the repair after loading judges the full text and leaves
    // five characters.
    v.Text("Misc", "Activation Sort", kValueChars, s.ActivationSort);
    v.Text("Misc", "Scope Sort", 5, s.ScopeSort);
    VisitFont("Print List Font", s.PrintListFont, false, v);
    v.Int("Main Window", "Width", s.MainWidth);
    v.Int("Main Window", "Height", s.MainHeight);
    v.Int("Main Window", "Left", s.MainLeft);
    v.Int("Main Window", "Top", s.MainTop);
    v.Int("Main Window", "Col 1 Width", s.ColWidth[0]);
    v.Int("Main Window", "Col 2 Width", s.ColWidth[1]);
    v.Int("Main Window", "Col 3 Width", s.ColWidth[2]);
    v.Bool("Main Window", "Use Speed", s.UseSpeed);
    v.Bool("Main Window", "Show Icons", s.ShowIcons);
    v.Int("Script Page", "Width", s.ScriptWidth);
    v.Int("Script Page", "Height", s.ScriptHeight);
    v.Int("Script Page", "Left", s.ScriptLeft);
    v.Int("Script Page", "Top", s.ScriptTop);
    VisitFont("Grid Title Font", s.GridTitleFont, true, v);
    VisitFont("Grid Font", s.GridFont, true, v);
    v.Bool("Capture", "Double Alt", s.CaptureDoubleAlt);
    v.Bool("Capture", "Keys", s.CaptureKeys);
    v.Bool("Capture", "Mouse", s.CaptureMouse);
    v.Bool("Capture", "Time", s.CaptureTime);
    v.Bool("Capture", "Prompt", s.CapturePrompt);
    v.Int("Capture", "Relative To Screen", s.CaptureRelativeToScreen);
    v.Bool("Capture", "Clicks Only", s.CaptureClicksOnly);
    v.Bool("Capture", "Window Size", s.CaptureWindowSize);
    v.Bool("Capture", "Global", s.CaptureGlobal);
    v.Int("Capture", "Speed", s.CaptureSpeed);
    v.Int("Misc", "System Menu", s.SystemMenu);
    v.Bool("Quillets", "Solitary Usage", s.SolitaryUsage);
    v.Bool("Quillets", "Case Sensative", s.CaseSensitive);
    v.Bool("Quillets", "Use Suffix", s.UseSuffix);
    v.Text("Quillets", "Prefix Keys", 2, s.PrefixKeys);
}

}  // namespace

std::string RepairActivationSort(const std::string& value) {
    std::string sort = value;
    if (sort.size() == 3) {
        sort += "45";
    } else if (sort.size() == 4) {
        sort += "5";
    }
    // Shorter or longer values, or ones with other characters, carry no
    // order worth keeping: they give the default order.
    if (sort.size() != 5 || sort.find_first_not_of(kDefaultSort) != std::string::npos) {
        return kDefaultSort;
    }
    // Five characters from "12345": every missing digit means some digit
    // occurs more than once. The missing digit takes the place of the last
    // occurrence of the lowest such digit, so the leading choices stay.
    for (char missing = '1'; missing <= '5'; ++missing) {
        if (sort.find(missing) != std::string::npos) continue;
        for (char surplus = '1'; surplus <= '5'; ++surplus) {
            if (std::count(sort.begin(), sort.end(), surplus) > 1) {
                sort[sort.rfind(surplus)] = missing;
                break;
            }
        }
    }
    return sort;
}

void LoadSettings(Profile& profile, Files& files, const std::string& programFolder, Settings& s) {
    s = Settings{};
    Loader loader(profile);
    VisitSettings(s, loader);
    s.ActivationSort = RepairActivationSort(s.ActivationSort);
    if (s.TimerSeconds == 0 || s.TimerSeconds > 60) s.TimerSeconds = 10;
    if (s.CurrentFile.empty() || !files.Exists(s.CurrentFile)) {
        s.CurrentFile = programFolder + "\\KELDA.ZYN";
    }
}

void SaveSettings(Profile& profile, const Settings& s) {
    Saver saver(profile);
    VisitSettings(s, saver);
}

}  // namespace tavrin
