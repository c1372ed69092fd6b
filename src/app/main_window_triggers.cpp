// The main window's side of the triggers: starting macros by nickname, by
// time and by window, bringing the program up, and the hooks' upkeep.
#include "app/main_window.h"

#include <mmsystem.h>

#include "app/trace.h"
#include "language/ansi_text.h"
#include "triggers/run_by_nickname.h"

namespace tavrin {

void TMainWin::OnRunByNickname() {
    const std::string nickname = request_.Nickname();
    request_.Clear();
    RunByNickname(nickname);
}

void TMainWin::RunByNickname(const std::string& nickname) {
    if (player_.Running()) return;
    int n = FindMacroByNickname(app_.store, nickname);
    Trace("run by nickname \"" + nickname + "\": macro " + std::to_string(n));
    if (n == 0) return;
    MacroRecord record;
    if (!app_.store.ReadMacro(n, record)) return;
    PlayRecord(n, record);
    Trace("played macro " + std::to_string(n));
}

void TMainWin::ActivateMe() {
    if (!hotKeys_.MayActivateMe()) return;
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    app_.desktop.Activate(static_cast<WindowId>(reinterpret_cast<uintptr_t>(hwnd_)));
    Trace("activated");
}

void TMainWin::PlayTimedMacros(const DueMacros& due, bool startUp) {
    WindowCommands& windows = player_.Windows();
    for (int n : due.Macros) {
        if (player_.Running()) continue;  // a timed macro due while one plays is skipped
        MacroRecord record;
        if (!app_.store.ReadMacro(n, record)) continue;
        bool ready = true;
        if (record.Scope == kScopeWindow) ready = windows.ActivateIt(record.ScopeName);
        if (record.Scope == kScopeProgram) ready = windows.ActivateProg(UpperCase(record.ScopeName));
        if (!ready) {
            if (startUp) return;
            continue;
        }
        if (due.Alarm.Play) {
            PlaySoundA(due.Alarm.WaveFile.c_str(), nullptr,
                       SND_FILENAME | SND_NODEFAULT | (due.Alarm.Wait ? SND_SYNC : SND_ASYNC));
        }
        Trace("timed macro " + std::to_string(n));
        PlayRecord(n, record);
    }
}

void TMainWin::PlayWithoutTrigger(int n) {
    MacroRecord record;
    if (player_.Running() || !app_.store.ReadMacro(n, record)) return;
    Trace("window title macro " + std::to_string(n));
    PlayRecord(n, record);
}

void TMainWin::PlayRecord(int n, const MacroRecord& record) {
    // Only hot keys and Quillets report Caps Lock with their trigger.
    player_.SetCapsLockFlag(false);
    currentMacro_ = n;
    player_.IntoProgram(record.MacroText);
    currentMacro_ = 0;
}

void TMainWin::MacroActiveChanged(int) {
    FillList();
    Reschedule();
}

void TMainWin::MacroDeleted(int) {
    FillList();
    Reschedule();
}

void TMainWin::MenuTopWindow() {
    Desktop& desktop = app_.desktop;
    const WindowId front = desktop.Foreground();
    std::string program;
    for (const RunningProcess& p : desktop.Processes()) {
        if (p.id == desktop.ProcessOf(front)) program = p.moduleName;
    }
    if (hotKeys_.TopWindowMembers(desktop.Title(front), program).empty()) {
        app_.playbackUi.DoAMessage("Warning",
                                   "There are no macros defined with a specific window title or "
                                   "program name that match the current top most active window.");
    }
    // The menu of those macros comes with the popup menus.
}

void TMainWin::MenuKeyHooksClick() {
    if (!app_.messages.AskYesNo(
            "Keyboard Hooks",
            "It is possible for other programs which are run after Tavrin 99 to improperly "
            "install themselves into the system wide Windows keyboard hooks.  This causes "
            "Tavrin 99 to no longer be able to monitor keystrokes.  This option will reinstall "
            "the Windows keyboard hooks used by Tavrin 99 so that Tavrin 99 will have the first "
            "look at the keystrokes and will be able to monitor the keystrokes again.  Continue?"))
        return;
    HookLibrary& hooks = app_.hooks;
    MacroTable& t = app_.store.Table();
    hooks.ZynUnHook(hookHandles_.keyboard);
    hookHandles_.keyboard = hooks.ZynHookKeyboard();
    t.SetU32(table::KeyboardHook, hookHandles_.keyboard);
    hooks.ZynUpKeyHook(t);
}

void TMainWin::MenuMouseHooksClick() {
    if (!app_.messages.AskYesNo(
            "Mouse Hooks",
            "It is possible for other programs which are run after Tavrin 99 to improperly "
            "install themselves into the system wide Windows mouse hooks.  This causes Tavrin 99 "
            "to no longer be able to monitor mouse movements and clicks.  This option will "
            "reinstall the Windows mouse hooks used by Tavrin 99 so that Tavrin 99 will have the "
            "first look at the mouse movements and will be able to monitor the mouse again.  "
            "Continue?"))
        return;
    HookLibrary& hooks = app_.hooks;
    MacroTable& t = app_.store.Table();
    hooks.ZynUnHook(hookHandles_.mouse);
    hookHandles_.mouse = hooks.ZynHookMouse();
    t.SetU32(table::MouseHook, hookHandles_.mouse);
    hooks.ZynUpMouseHook(t);
}

}  // namespace tavrin
