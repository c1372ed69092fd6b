// The macro list of the main window: its order, search by typing, the
// commands that follow the selection, and what its dialogs show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_files.h"
#include "fakes/fake_hook_library.h"
#include "fakes/fake_messages.h"
#include "forms/desktop_link.h"
#include "forms/fit_text.h"
#include "forms/grid_search.h"
#include "forms/macro_commands.h"
#include "forms/macro_sort.h"
#include "forms/main_layout.h"
#include "forms/quick_info_form.h"
#include "forms/quick_wizard_buttons.h"
#include "forms/sort_order_form.h"
#include "language/ansi_text.h"
#include "startup/command_line.h"
#include "store/hot_key_codes.h"
#include "store/macro_store.h"
#include "triggers/activation_text.h"
#include "triggers/run_by_nickname.h"
#include "triggers/schedule.h"

namespace tavrin {
namespace {

const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";
constexpr uint16_t kCtrlA = 0, kAltA = 48, kCtrlAltA = 144, kF1 = 288;

MacroRecord Macro(const std::string& nickname, uint16_t hotKey, int16_t scope = kScopeGlobal,
                  const std::string& scopeName = "") {
    MacroRecord r;
    r.Nickname = nickname;
    r.HotKey = hotKey;
    r.Scope = scope;
    r.ScopeName = scopeName;
    r.MacroText = nickname;
    r.IconFile = "MAIN";
    return r;
}

MacroRecord Quillet(const std::string& nickname, const std::string& quillet) {
    MacroRecord r = Macro(nickname, kHotKeyQuillet);
    r.QuilletName = quillet;
    return r;
}

class MacroListTest : public ::testing::Test {
protected:
    FakeFiles files;
    FakeHookLibrary hooks;
    FakeMessages messages;
    FakeClock clock;
    std::string currentFile;
    MacroStore store{files, hooks, messages, clock, "C:\\TAVRIN", currentFile};
    Settings settings;

    // The file holds these macros; loading adds the four system macros.
    void Load(const std::vector<MacroRecord>& records) {
        std::vector<uint8_t>& disk = files.contents[kFile];
        disk.assign(records.size() * kMacroRecordSize, 0);
        for (size_t k = 0; k < records.size(); ++k)
            EncodeMacroRecord(records[k], &disk[k * kMacroRecordSize]);
        store.LoadMacroFile(kFile);
    }

    // The nicknames in list order, the system macros left out.
    std::vector<std::string> Rows() {
        std::vector<std::string> names;
        for (int n : FillList(store, settings))
            if (store.Table().ScopeOf(n) != kScopeSystem) names.push_back(store.NicknameOf(n));
        return names;
    }

    std::vector<std::string> UpperActivationTexts() {
        std::vector<std::string> texts;
        for (int n : FillList(store, settings)) texts.push_back(UpperCase(ActivationText(store, n)));
        return texts;
    }
};

using Names = std::vector<std::string>;

TEST_F(MacroListTest, DefaultOrderIsHotKeysByNameThenQuilletsTimedNoneWindowTitle) {
    Load({Macro("w", kHotKeyWindowTitle), Macro("none", kHotKeyNone), Quillet("q2", "zz"),
          Macro("ctrl", kCtrlA), Macro("timed", kHotKeyTimed), Quillet("q1", "ab"),
          Macro("alt", kAltA), Macro("f1", kF1)});
    ASSERT_EQ(HotKeyName(kAltA).substr(0, 4), "Alt+");
    // Hot key names are compared as listed: "Alt+" before "Ctrl+" before "F1".
    EXPECT_EQ(Rows(), (Names{"alt", "ctrl", "f1", "q1", "q2", "timed", "none", "w"}));

    settings.ActivationSort = "54321";
    EXPECT_EQ(Rows(), (Names{"w", "none", "timed", "q1", "q2", "alt", "ctrl", "f1"}));

    settings.ActivationSort = "12345";
    settings.PrimarySort = "213";  // by nickname first
    EXPECT_EQ(Rows(), (Names{"alt", "ctrl", "f1", "none", "q1", "q2", "timed", "w"}));
}

TEST_F(MacroListTest, ScopeOrderPlacesAndScopeNamesSortAfterTheirPlace) {
    Load({Macro("same", kCtrlA, kScopeWindow, "zeta"), Macro("same", kCtrlA),
          Macro("same", kCtrlA, kScopeProgram, "ALPHA"), Macro("same", kCtrlA, kScopeWindow, "beta"),
          Macro("menu", kCtrlAltA, kScopePopupMenu)});
    // Same hot key and nickname: Global first, then the windows by name.
    std::vector<std::string> scopes;
    for (int n : FillList(store, settings))
        if (store.NicknameOf(n) == "same") scopes.push_back(ScopeText(store, n));
    EXPECT_EQ(scopes, (Names{"GLOBAL", "Window: beta", "Window: zeta", "Program: ALPHA"}));

    settings.PrimarySort = "321";
    settings.ScopeSort = "43215";
    EXPECT_EQ(Rows(), (Names{"menu", "same", "same", "same", "same"}));
    scopes.clear();
    for (int n : FillList(store, settings))
        if (store.NicknameOf(n) == "same") scopes.push_back(ScopeText(store, n));
    EXPECT_EQ(scopes, (Names{"Program: ALPHA", "Window: beta", "Window: zeta", "GLOBAL"}));
    // The system macros come last with "5" last in "Scope Sort".
    const std::vector<int> rows = FillList(store, settings);
    EXPECT_EQ(store.Table().ScopeOf(rows.back()), kScopeSystem);
}

TEST_F(MacroListTest, RowMapIsAPermutationAndBadSortValuesStillSort) {
    Load({Macro("b", kF1), Macro("a", kF1)});
    settings.PrimarySort = "9x";
    settings.ScopeSort = "";
    std::vector<int> rows = FillList(store, settings);
    ASSERT_EQ(static_cast<int>(rows.size()), store.MacroCount());
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    for (int r = 0; r < store.MacroCount(); ++r) EXPECT_EQ(sorted[r], r + 1);
    EXPECT_EQ(Rows(), (Names{"a", "b"})) << "sorted as 123";

    EXPECT_EQ(PrimarySortForTitle("Activation"), "132");
    EXPECT_EQ(PrimarySortForTitle("Nickname"), "213");
    EXPECT_EQ(PrimarySortForTitle("Scope"), "321");
    EXPECT_EQ(PrimarySortForTitle("Icon"), "");
}

TEST_F(MacroListTest, SearchByTypingMatchesActivationTextsNotNicknames) {
    Load({Macro("zed", kAltA), Macro("ct", kF1), Macro("cx", kCtrlA), Quillet("q", "cute"),
          Macro("none", kHotKeyNone)});
    const std::vector<std::string> texts = UpperActivationTexts();
    auto rowText = [&](int row) { return row ? texts[row - 1] : std::string("(none)"); };
    GridSearch search;
    EXPECT_EQ(rowText(search.Typed('c', texts)).substr(0, 4), "CTRL");
    EXPECT_EQ(rowText(search.Typed('t', texts)).substr(0, 4), "CTRL");
    EXPECT_EQ(search.Text(), "CT");
    EXPECT_EQ(search.Typed('z', texts), 0) << "no activation text begins with CTZ";
    EXPECT_EQ(rowText(search.Typed('\b', texts)).substr(0, 4), "CTRL") << "Backspace: CT again";
    search.Typed('\b', texts);
    EXPECT_EQ(rowText(search.Typed('u', texts)), "CUTE");
    EXPECT_EQ(search.Typed(27, texts), 0) << "Esc empties the text and moves nothing";
    EXPECT_EQ(search.Text(), "");
    EXPECT_EQ(search.Typed('\b', texts), 0) << "Backspace on an empty text";
    EXPECT_EQ(rowText(search.Typed('n', texts)), "NONE");
    for (char reset : {'\t', '\n', '\r'}) {
        search.Typed('n', texts);
        search.Typed(reset, texts);
        EXPECT_EQ(search.Text(), "") << int(reset);
    }
    search.Typed('z', texts);
    search.Reset();
    EXPECT_EQ(rowText(search.Typed('a', texts)).substr(0, 4), "ALT+");
    EXPECT_EQ(search.Typed('z', texts), 0) << "\"zed\" is a nickname, not searched";
}

TEST(MacroCommands, SelectionBrowseModesAndPages) {
    MacroCommandInput in;
    in.hasMacro = true;
    in.hotKey = kCtrlA;
    MacroCommandState st = MacroCommands(in);
    for (MacroCommand c : {MacroCommand::Copy, MacroCommand::ModifyDirectly, MacroCommand::Remove,
                           MacroCommand::Activate, MacroCommand::Recapture, MacroCommand::Scripting,
                           MacroCommand::Rename, MacroCommand::QuickInfo, MacroCommand::Import})
        EXPECT_TRUE(st.Enabled(c)) << static_cast<int>(c);
    EXPECT_EQ(st.activateCaption, "Deacti&vate Macro");
    EXPECT_EQ(st.activateHint, "Deactivate Macro");
    EXPECT_EQ(st.modifyCaption, "Modify &Directly");

    in.active = false;
    in.hotKey = kHotKeyTimed;
    st = MacroCommands(in);
    EXPECT_EQ(st.activateCaption, "Acti&vate Macro");
    EXPECT_EQ(st.activateHint, "Activate Macro");
    EXPECT_FALSE(st.Enabled(MacroCommand::Recapture)) << "a timed macro is not recaptured";
    EXPECT_TRUE(st.Enabled(MacroCommand::Scripting));
    in.hotKey = kHotKeyQuillet;
    EXPECT_TRUE(MacroCommands(in).Enabled(MacroCommand::Recapture));

    in.scope = kScopePopupMenu;
    in.hotKey = kCtrlA;
    st = MacroCommands(in);
    EXPECT_EQ(st.modifyCaption, "Mo&dify Popup Menu");
    EXPECT_EQ(st.modifyHint, "Modify Macro Popup Menu");
    EXPECT_FALSE(st.Enabled(MacroCommand::Scripting));
    EXPECT_FALSE(st.Enabled(MacroCommand::Recapture));
    EXPECT_TRUE(st.Enabled(MacroCommand::ModifyDirectly));

    in.scope = kScopeSystem;
    st = MacroCommands(in);
    for (MacroCommand c : {MacroCommand::Copy, MacroCommand::ModifyDirectly, MacroCommand::Remove,
                           MacroCommand::Activate, MacroCommand::Recapture, MacroCommand::Scripting})
        EXPECT_FALSE(st.Enabled(c)) << "system macro, command " << static_cast<int>(c);
    EXPECT_TRUE(st.Enabled(MacroCommand::QuickInfo));

    in.scope = kScopeGlobal;
    in.browseMode = true;
    st = MacroCommands(in);
    EXPECT_FALSE(st.Enabled(MacroCommand::Copy));
    EXPECT_FALSE(st.Enabled(MacroCommand::Import));
    EXPECT_FALSE(st.Enabled(MacroCommand::Add));
    EXPECT_TRUE(st.Enabled(MacroCommand::QuickInfo)) << "Quick Info stays in Browse Mode";
    in.browseAllMode = true;
    st = MacroCommands(in);
    EXPECT_FALSE(st.Enabled(MacroCommand::QuickInfo));
    EXPECT_FALSE(st.Enabled(MacroCommand::Sort));

    MacroCommandInput none;
    st = MacroCommands(none);
    EXPECT_FALSE(st.Enabled(MacroCommand::QuickInfo));
    EXPECT_FALSE(st.Enabled(MacroCommand::Rename));
    EXPECT_FALSE(st.Enabled(MacroCommand::OnDesktop));
    EXPECT_TRUE(st.Enabled(MacroCommand::Add));

    in = MacroCommandInput{};
    in.hasMacro = true;
    in.wizardsPage = true;
    st = MacroCommands(in);
    EXPECT_FALSE(st.Enabled(MacroCommand::Appearance));
    EXPECT_FALSE(st.Enabled(MacroCommand::Sort));
    EXPECT_FALSE(st.Enabled(MacroCommand::QuickInfo));
    EXPECT_TRUE(st.Enabled(MacroCommand::Add)) << "adding is not a macro-page command";
}

TEST(SortOrderForm, ListsFollowTheSettingsMoveAndWriteBack) {
    Settings s;
    s.PrimarySort = "213";
    s.ActivationSort = "21345";
    s.ScopeSort = "5";  // taken as read; the list fills in the rest
    s.SortHeader = false;
    SortOrderForm form(s);
    EXPECT_EQ(form.primary.Shown(), (Names{"Nickname", "Activation", "Scope"}));
    EXPECT_EQ(form.activation.Shown()[0], "Quillet");
    EXPECT_EQ(form.scope.Shown(),
              (Names{"System", "Global", "Specific Window", "Specific Program", "PopUp Menu"}));
    EXPECT_FALSE(form.primary.CanMoveUp(0));
    EXPECT_TRUE(form.primary.CanMoveDown(0));
    EXPECT_FALSE(form.primary.CanMoveDown(2));
    EXPECT_FALSE(form.primary.CanMoveUp(-1));
    EXPECT_FALSE(form.primary.CanMoveDown(-1));
    EXPECT_EQ(form.primary.MoveDown(0), 1);
    EXPECT_EQ(form.primary.MoveUp(0), 0) << "the first item does not move up";
    EXPECT_EQ(form.scope.MoveDown(0), 1);
    form.sortHeader = true;
    form.Store(s);
    EXPECT_EQ(s.PrimarySort, "123");
    EXPECT_EQ(s.ActivationSort, "21345");
    EXPECT_EQ(s.ScopeSort, "15234");
    EXPECT_TRUE(s.SortHeader);
}

TEST(QuickInfo, HotKeyTimedWindowTitleAndSystemMacros) {
    MacroRecord r = Macro("Mail", kCtrlA, kScopeWindow, "Outbox");
    r.TopMostOnly = 1;
    QuickInfo info = QuickInfoOf(r, "1/4/2027");
    EXPECT_EQ(info.lastModified, "Last Modified On 1/4/2027");
    EXPECT_EQ(info.activationLabel, "Hot Key:");
    EXPECT_EQ(info.activationValue, "Ctrl+A");
    EXPECT_EQ(info.nickname, "Mail");
    EXPECT_EQ(info.scope, "Outbox \"Window\" (Top Most Only)");
    EXPECT_EQ(info.active, "Yes");
    EXPECT_EQ(info.macroTextLabel, "Macro Text:");
    EXPECT_TRUE(info.showMacroText);

    r = Macro("Tick", kHotKeyTimed, kScopeProgram, "LEDGER.EXE");
    r.SchedKind = 0;
    r.Active = 0;
    info = QuickInfoOf(r, "x");
    EXPECT_EQ(info.activationLabel, "Timed Macro:");
    EXPECT_EQ(info.activationValue, GetSched(r));
    EXPECT_FALSE(info.activationValue.empty());
    EXPECT_EQ(info.scope, "LEDGER.EXE \"Program\" (If Running)");
    EXPECT_EQ(info.active, "No");

    r = Macro("w", kHotKeyWindowTitle);
    r.ScopeName = "Calculator";
    info = QuickInfoOf(r, "x");
    EXPECT_EQ(info.activationLabel, "Window Title:");
    EXPECT_EQ(info.activationValue, "Calculator");
    EXPECT_EQ(info.scope, "GLOBAL");
    info = QuickInfoOf(Macro("n", kHotKeyNone, kScopeSystem), "x");
    EXPECT_EQ(info.activationLabel, "None");
    EXPECT_EQ(info.activationValue, "");
    EXPECT_EQ(info.scope, "SYSTEM");
    EXPECT_EQ(info.macroTextLabel, "");
    EXPECT_FALSE(info.showMacroText);
    EXPECT_FALSE(QuickInfoOf(Macro("m", kCtrlA, kScopePopupMenu), "x").showMacroText);
    MacroRecord q = Quillet("q", "sig");
    EXPECT_EQ(QuickInfoOf(q, "x").activationValue, "sig");

    const LocalDateTime d = DateOfDayNumber(46391.5);  // 4 Jan 2027, noon
    EXPECT_EQ(d.year, 2027);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 4);
    EXPECT_EQ(d.hour, 12);
    EXPECT_EQ(DateOfDayNumber(-1e300).year, 1899) << "a wild value is no date";
}

TEST_F(MacroListTest, PlaceOnDesktopRefusalsSafeFileNameAndQuotedArgument) {
    Load({Macro("   ", kF1), Macro("Twin", kF1), Macro("Twin", kCtrlA), Macro(" tWIN ", kAltA),
          Macro(" Daily/Weekly: a*b? \"x\"<y> |z. ", kCtrlAltA), Macro("say \" hi", kF1),
          Macro("Solo", kAltA)});
    DesktopLinkCheck check = CheckDesktopLink(store, 1);
    EXPECT_FALSE(check.ok);
    EXPECT_NE(check.message.find("has no nickname assigned"), std::string::npos);
    check = CheckDesktopLink(store, 2);
    EXPECT_FALSE(check.ok);
    EXPECT_NE(check.message.find("same nickname as another macro.  You will  need"),
              std::string::npos);
    // Started by nickname, " tWIN " would be taken for the first "Twin".
    EXPECT_FALSE(CheckDesktopLink(store, 4).ok);
    EXPECT_NE(CheckDesktopLink(store, 6).message.find("double quote followed by a space"),
              std::string::npos);
    check = CheckDesktopLink(store, 5);
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.nickname, "Daily/Weekly: a*b? \"x\"<y> |z.");
    EXPECT_EQ(LinkFileName(check.nickname), "Daily_Weekly_ a_b_ _x__y_ _z_.LNK");
    EXPECT_EQ(LinkFileName("a\\b\tc"), "a_b_c.LNK");
    EXPECT_EQ(LinkFileName("con"), "con_.LNK");
    EXPECT_EQ(LinkFileName("LPT1"), "LPT1_.LNK");
    EXPECT_EQ(LinkFileName("CONSOLE"), "CONSOLE.LNK");
    EXPECT_EQ(LinkFileName("COM0"), "COM0.LNK");

    // The argument comes back whole through the command line, and starts
    // the macro even when its nickname has spaces around it.
    const std::string line = "C:\\TAVRIN\\QORVIL.EXE " + LinkArguments(check.nickname);
    EXPECT_EQ(line, "C:\\TAVRIN\\QORVIL.EXE /A\"Daily/Weekly: a*b? \"x\"<y> |z.\"");
    EXPECT_EQ(FindMacroByNickname(store, NicknameAfterA(line, 50)), 5);
    EXPECT_EQ(NicknameAfterA("Q.EXE /A \"a/b\"c\" /HIDE", 50), "A/B\"C");
    EXPECT_EQ(NicknameAfterA("Q.EXE /A\"open", 50), "\"OPEN") << "no closing quote: as typed";
    ASSERT_TRUE(CheckDesktopLink(store, 7).ok);
    EXPECT_EQ(LinkFileName(CheckDesktopLink(store, 7).nickname), "Solo.LNK");
}

TEST(MacroListCells, LongTextIsCutToTheCell) {
    auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    EXPECT_EQ(FitText("Program: A very long window title", 70 - 2, width), "Program: ");
    EXPECT_EQ(FitText("short", 68, width), "short");
    EXPECT_EQ(FitText("abc", 5, width), "");
    EXPECT_EQ(FitText("", 0, width), "");
}

TEST(MainLayout, SpeedButtonsOrLetteredPanel) {
    MainLayout l = MainLayoutFor(612, 400, 600, 360, true);
    EXPECT_EQ(l.page.width, 608);
    EXPECT_EQ(l.page.height, 396);
    EXPECT_EQ(l.list.top, 35);
    EXPECT_EQ(l.list.width, 596);
    EXPECT_EQ(l.list.height, 323);
    l = MainLayoutFor(612, 400, 600, 360, false);
    EXPECT_EQ(l.list.width, 429);
    EXPECT_EQ(l.list.top, 1);
    EXPECT_EQ(l.list.height, 358);
    EXPECT_EQ(l.panel.left, 439);
    EXPECT_LT(l.list.left + l.list.width, l.panel.left) << "the panel does not cover the list";
    l = MainLayoutFor(10, 10, 5, 5, false);
    EXPECT_EQ(l.list.width, 0) << "a tiny window gives no negative sizes";
}

TEST(QuickWizardButtons, LinesNamesAndTheFullFile) {
    EXPECT_EQ(QuickWizardLines(1), (Names{"Type Text", "and", "Keystrokes"}));
    EXPECT_EQ(QuickWizardLines(23), (Names{"Desktop", "Goodies"}));
    EXPECT_TRUE(QuickWizardLines(28).empty());
    EXPECT_EQ(QuickWizardName(18), "Web Sweepstakes");
    EXPECT_EQ(QuickWizardName(11), "Copy, Delete, Rename");
    int two = 0;
    for (int n = 1; n <= kQuickWizardButtons; ++n) {
        const size_t lines = QuickWizardLines(n).size();
        EXPECT_TRUE(lines == 2 || lines == 3) << n;
        two += lines == 2;
    }
    EXPECT_EQ(two, 3);  // 8, 12 and 23
    EXPECT_EQ(QuickWizardLineTop(3, 2), 30);
    EXPECT_EQ(QuickWizardLineTop(2, 1), 24);
    EXPECT_EQ(QuickWizardRefusal(499), "");
    EXPECT_EQ(QuickWizardRefusal(500),
              "Maximum number of hot keys has been reached.  A macro cannot be added.");
}

}  // namespace
}  // namespace tavrin
