#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_desktop.h"
#include "fakes/macro_builder.h"
#include "fakes/store_rig.h"
#include "triggers/window_activation.h"

namespace tavrin {
namespace {

TEST(WindowActivation, FrontProgramRunningProgramsAndTitleMacros) {
    StoreRig rig;
    MacroStore& store = rig.store;
    FakeHookLibrary& hooks = rig.hooks;
    store.LoadMacroFile("C:\\K.ZYN");
    for (const char* text : {"NOTE", "calc", "PAD", "pad"}) {
        MacroRecord r = MakeMacro("", kHotKeyWindowTitle, kScopeGlobal, text);
        r.Active = std::string(text) != "pad";
        store.AppendMacro(r);
    }
    FakeDesktop desktop;
    desktop.processes = {{4, "explorer.exe"}, {7, "notepad.exe"}, {9, "[System Process]"}};
    const WindowId notepad = desktop.Add("Untitled - Notepad", 7);
    const WindowId untitled = desktop.Add("", 7);
    hooks.calls.clear();

    EXPECT_EQ(OnWindowActivated(store, hooks, desktop, notepad), (std::vector<int>{5, 7}))
        << "every active match plays, in table order";
    const MacroTable& t = store.Table();
    EXPECT_EQ(t.FrontProgram(), "NOTEPAD.EXE");
    EXPECT_EQ(t.ProgCount(), 2) << "a name without .EXE is not listed";
    EXPECT_EQ(t.ProgName(2), "NOTEPAD.EXE");
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"ZynUpProg count=8", "ZynUpProgs count=8"}));

    EXPECT_TRUE(OnWindowActivated(store, hooks, desktop, untitled).empty())
        << "a window without a title starts nothing";

    std::vector<RunningProcess> many(250, RunningProcess{1, "app.exe"});
    SetRunningProgs(store.Table(), hooks, many);
    EXPECT_EQ(t.ProgCount(), 200);
}

}  // namespace
}  // namespace tavrin
