// Hot keys and Quillets match Window and Program scopes against the same
// window: the one in front, its program asked of the system.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_hot_key_host.h"
#include "fakes/macro_builder.h"
#include "playback_rig.h"
#include "store/hot_key_flags.h"
#include "triggers/quillets.h"

namespace tavrin {
namespace {

constexpr uint16_t kCtrlAltN = 157;

class ScopeMatchTest : public ::testing::Test, protected PlaybackRig {
protected:
    Settings settings;
    FakeHost hotKeyHost;
    HotKeyRunner runner{store, hooks, player, input, desktop, ui, hotKeyHost};
    Quillets quillets{store, settings, desktop, player, runner};

    void SetUp() override {
        store.LoadMacroFile("C:\\K.ZYN");
        desktop.processes = {{7, "notepad.exe"}, {8, "calc.exe"}};
    }
    // A hot key macro and a Quillet "dd" of this scope, each typing text.
    void AddBoth(const std::string& text, int16_t scope, const std::string& scopeName = "") {
        store.AppendMacro(MakeMacro(text, kCtrlAltN, scope, scopeName));
        MacroRecord q = MakeMacro(text, kHotKeyQuillet, scope, scopeName);
        q.QuilletName = "dd";
        store.AppendMacro(q);
        SetHotKeys(store.Table(), hooks);
    }
    // What the hot key and what the Quillet typed, each without the end marker.
    std::pair<std::string, std::string> Played() {
        input.events.clear();
        runner.OnHotKey(kCtrlAltN, desktop.front);
        const std::string byHotKey = TypedKeys(input.events);
        runner.OnInUseCleared();
        input.events.clear();
        for (char c : std::string("dd")) quillets.OnTyped(0, static_cast<unsigned char>(c));
        runner.OnInUseCleared();
        return {byHotKey, TypedKeys(input.events)};
    }
};

TEST_F(ScopeMatchTest, AHotKeyAndAQuilletOfTheSameProgramScopeAgree) {
    AddBoth("global", kScopeGlobal);
    AddBoth("notepad", kScopeProgram, "NOTEPAD");
    // Notepad has just come to the front: the table still names the
    // program that was there before it.
    desktop.front = desktop.Add("Some file", 7);
    store.Table().SetFrontProgram("CALC.EXE");
    EXPECT_EQ(Played(), std::make_pair(std::string("notepad"), std::string("notepad")));

    desktop.front = desktop.Add("Calculator", 8);
    store.Table().SetFrontProgram("NOTEPAD.EXE");
    EXPECT_EQ(Played(), std::make_pair(std::string("global"), std::string("global")));
}

}  // namespace
}  // namespace tavrin
