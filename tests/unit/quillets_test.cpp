#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_hot_key_host.h"
#include "fakes/macro_builder.h"
#include "playback_rig.h"
#include "store/hot_key_flags.h"
#include "triggers/quillets.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;

class QuilletsTest : public ::testing::Test, protected PlaybackRig {
protected:
    Settings settings;
    FakeHost hotKeyHost;
    HotKeyRunner runner{store, hooks, player, input, desktop, ui, hotKeyHost};
    Quillets quillets{store, settings, desktop, player, runner};

    void SetUp() override { store.LoadMacroFile("C:\\K.ZYN"); }

    int Add(const std::string& name, const std::string& text, int16_t scope = kScopeGlobal,
            const std::string& scopeName = "") {
        MacroRecord r = MakeMacro(text, kHotKeyQuillet, scope, scopeName);
        r.QuilletName = name;
        store.AppendMacro(r);
        SetHotKeys(store.Table(), hooks);
        return store.MacroCount();
    }
    // Types the characters and returns the events of whatever macro played.
    Strings Type(const std::string& typed) {
        input.events.clear();
        for (char c : typed) quillets.OnTyped(0, static_cast<unsigned char>(c));
        return input.events;
    }
    static Strings Erased(int backspaces, Strings then) {
        Strings e;
        for (int i = 0; i < backspaces; ++i) {
            e.push_back("down 8");
            e.push_back("up 8");
        }
        e.insert(e.end(), then.begin(), then.end());
        e.push_back("down 43");
        e.push_back("up 43");
        return e;
    }
};

TEST_F(QuilletsTest, TheShorterQuilletWinsAsSoonAsItIsTyped) {
    Add("ab", "x");
    Add("abc", "y");
    EXPECT_TRUE(Type("a").empty());
    EXPECT_EQ(Type("b"), Erased(2, {"down 88", "up 88"}));
    EXPECT_EQ(quillets.Buffer(), "");
    EXPECT_EQ(store.Table().Byte(table::InUse), 1);
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{100})) << "0.1 s between erasing and playing";
}

TEST_F(QuilletsTest, PrefixSuffixSolitaryAndCase) {
    Add("sig", "s");
    settings.PrefixKeys = ";;";
    EXPECT_TRUE(Type("sig").empty()) << "without its prefix";
    EXPECT_EQ(Type(";;sig"), Erased(5, {"down 83", "up 83"}));

    settings.PrefixKeys = "";
    settings.UseSuffix = true;
    EXPECT_TRUE(Type("sig").empty());
    EXPECT_EQ(Type(" "), Erased(4, {"down 83", "up 83"})) << "the space is erased too";

    settings.UseSuffix = false;
    settings.SolitaryUsage = true;
    EXPECT_TRUE(Type("xsig").empty());
    EXPECT_EQ(Type(" sig"), Erased(3, {"down 83", "up 83"}));

    settings.SolitaryUsage = false;
    EXPECT_TRUE(Type("SIG").empty());
    settings.CaseSensitive = false;
    EXPECT_EQ(Type("SIG"), Erased(3, {"down 83", "up 83"}));
}

TEST_F(QuilletsTest, TheBufferKeepsTheNewestCharactersAndEmptiesOnOthers) {
    Add("zzzzzzzzzz", "q");  // never typed
    Type("abcdefghijklmnop");
    EXPECT_EQ(quillets.Buffer(), "ghijklmnop");
    settings.PrefixKeys = "##";
    Type("qrs");
    EXPECT_EQ(quillets.Buffer(), "hijklmnopqrs") << "a two-character prefix keeps 12";
    Type(":");
    EXPECT_EQ(quillets.Buffer(), "") << "a colon is no Quillet character";
    Type("ab\b");
    EXPECT_EQ(quillets.Buffer(), "a");
    quillets.OnTyped(1, 0);
    EXPECT_EQ(quillets.Buffer(), "");
}

TEST_F(QuilletsTest, AnApostropheIsTypedIntoTheBufferAndMatches) {
    Add("i'm", "q");
    EXPECT_EQ(Type("i'm"), Erased(3, {"down 81", "up 81"}));
    settings.PrefixKeys = "''";
    EXPECT_EQ(Type("''i'm"), Erased(5, {"down 81", "up 81"}));
}

TEST_F(QuilletsTest, AWindowScopedQuilletRunsOnlyInItsWindow) {
    Add("dd", "w", kScopeWindow, "notepad");
    Add("dd", "g");
    desktop.front = desktop.Add("Calculator");
    EXPECT_EQ(Type("dd"), Erased(2, {"down 71", "up 71"}));
    desktop.front = desktop.Add("Untitled - Notepad");
    EXPECT_EQ(Type("dd"), Erased(2, {"down 87", "up 87"}));
}

TEST_F(QuilletsTest, RefusedWhileBusyAndDroppedWhileAMacroPlays) {
    Add("ab", "x");
    runner.SetMenuOpen(true);
    EXPECT_TRUE(Type("ab").empty());
    EXPECT_EQ(ui.messages.back().substr(0, 46), "Warning: A current Popup Menu macro is being d");
    EXPECT_EQ(quillets.Buffer(), "ab") << "the typed Quillet stays";
}

}  // namespace
}  // namespace tavrin
