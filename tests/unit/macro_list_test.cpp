// The macro list of the main window: its order, search by typing and the
// texts of its cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/macro_builder.h"
#include "fakes/store_rig.h"
#include "forms/fit_text.h"
#include "forms/grid_search.h"
#include "forms/macro_sort.h"
#include "language/ansi_text.h"
#include "store/hot_key_codes.h"
#include "store/macro_store.h"
#include "triggers/activation_text.h"

namespace tavrin {
namespace {

const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";
constexpr uint16_t kCtrlA = 0, kAltA = 48, kCtrlAltA = 144, kF1 = 288;

MacroRecord Quillet(const std::string& nickname, const std::string& quillet) {
    MacroRecord r = MakeMacro(nickname, kHotKeyQuillet);
    r.QuilletName = quillet;
    return r;
}

class MacroListTest : public ::testing::Test, protected StoreRig {
protected:
    Settings settings;

    // The file holds these macros; loading adds the four system macros.
    void Load(const std::vector<MacroRecord>& records) {
        files.contents[kFile] = MacroFileOf(records);
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
    Load({MakeMacro("w", kHotKeyWindowTitle), MakeMacro("none", kHotKeyNone), Quillet("q2", "zz"),
          MakeMacro("ctrl", kCtrlA), MakeMacro("timed", kHotKeyTimed), Quillet("q1", "ab"),
          MakeMacro("alt", kAltA), MakeMacro("f1", kF1)});
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
    Load({MakeMacro("same", kCtrlA, kScopeWindow, "zeta"), MakeMacro("same", kCtrlA),
          MakeMacro("same", kCtrlA, kScopeProgram, "ALPHA"),
          MakeMacro("same", kCtrlA, kScopeWindow, "beta"),
          MakeMacro("menu", kCtrlAltA, kScopePopupMenu)});
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
    Load({MakeMacro("b", kF1), MakeMacro("a", kF1)});
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
    Load({MakeMacro("zed", kAltA), MakeMacro("ct", kF1), MakeMacro("cx", kCtrlA),
          Quillet("q", "cute"), MakeMacro("none", kHotKeyNone)});
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





TEST(MacroListCells, LongTextIsCutToTheCell) {
    auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    EXPECT_EQ(FitText("Program: A very long window title", 70 - 2, width), "Program: ");
    EXPECT_EQ(FitText("short", 68, width), "short");
    EXPECT_EQ(FitText("abc", 5, width), "");
    EXPECT_EQ(FitText("", 0, width), "");
}

}  // namespace
}  // namespace tavrin
