#include "store/settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "fakes/fake_profile.h"

namespace tavrin {
namespace {

// Answers Exists from a set of paths; nothing can be opened.
class KnownFiles : public Files {
public:
    std::set<std::string> Paths;
    std::unique_ptr<OpenFile> Open(const std::string&, FileAccess) override { return nullptr; }
    bool Exists(const std::string& path) override { return Paths.count(path) != 0; }
};

const char kFolder[] = "C:\\TAVRIN";
const char kDefaultFile[] = "C:\\TAVRIN\\KELDA.ZYN";

Settings Load(FakeProfile& profile, KnownFiles& files) {
    Settings s;
    s.UseTray = true;  // loading starts from the defaults, not from what was there
    LoadSettings(profile, files, kFolder, s);
    return s;
}

Settings Load(FakeProfile& profile) {
    KnownFiles files;
    return Load(profile, files);
}

TEST(Settings, NoFileGivesTheDefaultsAndTheFirstSaveWritesTheMacroFile) {
    FakeProfile profile;
    const Settings s = Load(profile);
    EXPECT_EQ(s.CurrentFile, kDefaultFile);
    EXPECT_FALSE(s.UseTray);
    EXPECT_TRUE(s.DisableScreenSaver);
    EXPECT_EQ(s.TimerSeconds, 10);
    EXPECT_EQ(s.ColWidth, (std::array<int32_t, 3>{155, 239, 138}));
    EXPECT_EQ(s.GridTitleFont.Size, 12);
    EXPECT_EQ(s.GridFont.Size, 10);
    EXPECT_TRUE(s.CaseSensitive);

    SaveSettings(profile, s);
    EXPECT_EQ(profile.Get("Misc", "Current File"), kDefaultFile);
}

TEST(Settings, IntegersAreDecimalTextAndTimerSecondsStaysInRange) {
    const std::pair<const char*, uint16_t> timer[] = {
        {"0", 10}, {"61", 10}, {"90", 10}, {"60", 60}, {"1", 1}, {"abc", 10}};
    for (const auto& [text, expected] : timer) {
        FakeProfile profile;
        profile.Set("Scheduler", "Timer Seconds", text);
        EXPECT_EQ(Load(profile).TimerSeconds, expected) << text;
    }

    FakeProfile profile;
    profile.Set("Main Window", "Left", "-5");
    profile.Set("Main Window", "Top", "12x");
    profile.Set("Main Window", "Width", "");
    profile.Set("Network", "Sync Minutes", "-1");
    profile.Set("Capture", "Speed", "99999999999");
    profile.Set("Grid Font", "Color", "-2147483640");
    const Settings s = Load(profile);
    EXPECT_EQ(s.MainLeft, -5);
    EXPECT_EQ(s.MainTop, 0);
    EXPECT_EQ(s.MainWidth, 620);
    EXPECT_EQ(s.SyncMinutes, 10);
    EXPECT_EQ(s.CaptureSpeed, 1);
    EXPECT_EQ(s.GridFont.Color, -2147483640);
}

TEST(Settings, BooleansAreTrueOnlyForYesInAnyCase) {
    const std::pair<const char*, bool> values[] = {
        {"yes", true}, {"YES", true}, {"Yes", true}, {"Y", false}, {" Yes", false},
        {"Yes ", false}, {"1", false}, {"", false}};
    for (const auto& [text, expected] : values) {
        FakeProfile profile;
        profile.Set("Misc", "Use Tray", text);
        profile.Set("Quillets", "Case Sensative", text);
        const Settings s = Load(profile);
        EXPECT_EQ(s.UseTray, expected) << '"' << text << '"';
        EXPECT_EQ(s.CaseSensitive, expected) << '"' << text << '"';
    }
}

TEST(Settings, ActivationSortIsRepairedToAnArrangementOfFiveDigits) {
    EXPECT_EQ(RepairActivationSort("312"), "31245");
    EXPECT_EQ(RepairActivationSort("1124"), "13245");
    EXPECT_EQ(RepairActivationSort("54321"), "54321");
    EXPECT_EQ(RepairActivationSort("11225"), "13245");
    EXPECT_EQ(RepairActivationSort("55555"), "54321");
    EXPECT_EQ(RepairActivationSort("555"), "53241");
    for (const char* unusable : {"", "12", "123456", "12a4", "1 234", "61234"}) {
        EXPECT_EQ(RepairActivationSort(unusable), "12345") << unusable;
    }

    FakeProfile profile;
    profile.Set("Misc", "Activation Sort", "312");
    profile.Set("Misc", "Primary Sort", "31245");
    profile.Set("Misc", "Scope Sort", "11");
    const Settings s = Load(profile);
    EXPECT_EQ(s.ActivationSort, "31245");
    EXPECT_EQ(s.PrimarySort, "312");
    EXPECT_EQ(s.ScopeSort, "11");
}

TEST(Settings, CurrentFileFallsBackToTheProgramFolderAndStringsAreCut) {
    FakeProfile profile;
    KnownFiles files;
    files.Paths.insert("D:\\MACROS\\WORK.ZYN");
    profile.Set("Misc", "Current File", "D:\\MACROS\\WORK.ZYN");
    EXPECT_EQ(Load(profile, files).CurrentFile, "D:\\MACROS\\WORK.ZYN");
    profile.Set("Misc", "Current File", "D:\\MACROS\\GONE.ZYN");
    EXPECT_EQ(Load(profile, files).CurrentFile, kDefaultFile);
    profile.Set("Misc", "Current File", "");
    EXPECT_EQ(Load(profile, files).CurrentFile, kDefaultFile);

    profile.Set("Scheduler", "Wave File", std::string(300, 'w'));
    profile.Set("Misc", "Last File 3", std::string(300, 'f'));
    profile.Set("Quillets", "Prefix Keys", ";;;");
    profile.Set("Grid Font", "Font Name", "Franklin Gothic Medium");
    const Settings s = Load(profile, files);
    EXPECT_EQ(s.WaveFile, std::string(250, 'w'));
    EXPECT_EQ(s.LastFile[2], std::string(255, 'f'));
    EXPECT_EQ(s.PrefixKeys, ";;");
    EXPECT_EQ(s.GridFont.Name, "Franklin Gothic");
}

TEST(Settings, FontsComeFromTheirSectionsAndPrintListFontHasNoEffects) {
    FakeProfile profile;
    profile.Set("Grid Title Font", "Font Name", "Courier New");
    profile.Set("Grid Title Font", "Strikeout", "Yes");
    profile.Set("Print List Font", "Italic", "Yes");
    profile.Set("Print List Font", "Underline", "Yes");
    const Settings s = Load(profile);
    EXPECT_EQ(s.GridTitleFont.Name, "Courier New");
    EXPECT_TRUE(s.GridTitleFont.Strikeout);
    EXPECT_EQ(s.GridFont.Name, "Arial");
    EXPECT_TRUE(s.PrintListFont.Italic);
    EXPECT_FALSE(s.PrintListFont.Underline);
}

TEST(Settings, SaveWritesEveryKeyOnceUnderItsExactName) {
    FakeProfile profile;
    Settings s;
    s.GridFont.Bold = true;
    SaveSettings(profile, s);

    std::set<std::pair<std::string, std::string>> keys;
    for (const auto& w : profile.Writes) {
        EXPECT_TRUE(keys.insert({w.Section, w.Key}).second) << w.Section << '/' << w.Key;
    }
    EXPECT_EQ(profile.Writes.size(), 75u);
    EXPECT_EQ(profile.Get("Quillets", "Case Sensative"), "Yes");
    EXPECT_EQ(profile.Get("Main Window", "Col 2 Width"), "239");
    EXPECT_EQ(profile.Get("Script Page", "Height"), "446");
    EXPECT_EQ(profile.Get("Misc", "Show Date"), "No");
    EXPECT_EQ(profile.Get("Grid Font", "Bold"), "Yes");
    EXPECT_EQ(profile.Get("Grid Title Font", "Size"), "12");
    EXPECT_FALSE(profile.Has("Print List Font", "Underline"));
    EXPECT_FALSE(profile.Has("Print List Font", "Strikeout"));
    EXPECT_TRUE(profile.Has("Misc", "Current File"));
    EXPECT_TRUE(profile.Has("Quillets", "Prefix Keys"));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(profile.Has("Misc", "Last File " + std::to_string(i))) << i;
    }
}

TEST(Settings, SaveThenLoadGivesTheSameRecord) {
    Settings s;
    s.LastDateFormat = 3;
    s.LastTimeFormat = 4;
    s.SuppressZerosInDate = false;
    s.ShowDate = true;
    s.UseHide = true;
    s.UseClose = true;
    s.NetworkMode = true;
    s.AutoSync = false;
    s.SyncMinutes = 65535;
    s.UseWaveFile = true;
    s.WaveFile = "C:\\WINDOWS\\DING.WAV";
    s.TimerSeconds = 30;
    s.CurrentFile = "D:\\MACROS\\WORK.ZYN";
    s.LastFile = {"C:\\A.ZYN", "", "C:\\C.ZYN", "", "C:\\E.ZYN"};
    s.SortHeader = false;
    s.PrimarySort = "321";
    s.ActivationSort = "54321";
    s.ScopeSort = "21";
    s.PrintListFont = {7, "Times New Roman", 9, true, true, false, false};
    s.MainWidth = 801;
    s.MainHeight = 602;
    s.MainLeft = -5;
    s.MainTop = 7;
    s.ColWidth = {101, 202, 303};
    s.UseSpeed = false;
    s.ScriptWidth = 905;
    s.ScriptHeight = 706;
    s.ScriptLeft = 11;
    s.ScriptTop = -12;
    s.GridTitleFont = {255, "Courier New", 13, false, true, true, true};
    s.GridFont = {65280, "Verdana", 14, true, false, false, true};
    s.CaptureMouse = false;
    s.CaptureRelativeToScreen = 0;
    s.CaptureSpeed = 3;
    s.SystemMenu = 2;
    s.SolitaryUsage = true;
    s.CaseSensitive = false;
    s.PrefixKeys = ";;";

    FakeProfile first;
    SaveSettings(first, s);
    KnownFiles files;
    files.Paths.insert(s.CurrentFile);
    const Settings loaded = Load(first, files);
    FakeProfile second;
    SaveSettings(second, loaded);
    EXPECT_EQ(first.Sections, second.Sections);

    EXPECT_EQ(loaded.CurrentFile, s.CurrentFile);
    EXPECT_EQ(loaded.LastFile, s.LastFile);
    EXPECT_TRUE(loaded.GridFont.Strikeout);
}

}  // namespace
}  // namespace tavrin
