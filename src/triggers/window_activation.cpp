#include "triggers/window_activation.h"

#include "language/ansi_text.h"
#include "triggers/front_program.h"

namespace tavrin {

void SetRunningProgs(MacroTable& t, HookLibrary& hooks,
                     const std::vector<RunningProcess>& processes) {
    int count = 0;
    for (const RunningProcess& p : processes) {
        const std::string name = UpperCase(p.moduleName);
        if (name.find(".EXE") == std::string::npos || count >= static_cast<int>(kMaxProgNames))
            continue;
        t.SetProgName(++count, name);
    }
    t.SetProgCount(count);
    hooks.ZynUpProgs(t);
}

std::vector<int> WindowTitleMacros(const MacroTable& t, const std::string& title) {
    const std::string upper = UpperCase(title);
    std::vector<int> macros;
    for (int n = 1; n <= t.MacroCount(); ++n) {
        if (t.ActiveOf(n) && t.HotKeyOf(n) == kHotKeyWindowTitle &&
            upper.find(UpperCase(t.ScopeNameOf(n))) != std::string::npos)
            macros.push_back(n);
    }
    return macros;
}

std::vector<int> OnWindowActivated(MacroStore& store, HookLibrary& hooks, Desktop& desktop,
                                   WindowId window) {
    MacroTable& t = store.Table();
    t.SetFrontProgram(UpperCase(ProgramOfWindow(desktop, window)));
    hooks.ZynUpProg(t);
    SetRunningProgs(t, hooks, desktop.Processes());
    const std::string title = desktop.Title(window);
    if (title.empty()) return {};
    return WindowTitleMacros(t, title);
}

}  // namespace tavrin
