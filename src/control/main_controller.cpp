#include "control/main_controller.h"

#include "language/ansi_text.h"
#include "platform/hook_protocol.h"
#include "store/activate_toggle.h"
#include "store/hot_key_flags.h"
#include "triggers/front_program.h"
#include "triggers/run_by_nickname.h"
#include "triggers/window_activation.h"

namespace tavrin {

namespace {

constexpr const char* kSystemError = "System Error";
constexpr unsigned kStartUpDelay = 5000;    // ms after start
constexpr unsigned kClearInUseDelay = 15000;  // ms after a triggered macro ends

}  // namespace

MainController::MainController(const ControllerPlatform& platform, MacroStore& store,
                               Settings& settings, ControllerHost& host)
    : platform_(platform),
      store_(store),
      settings_(settings),
      host_(host),
      player_(platform, store, *this),
      scheduler_(store, platform.hooks, platform.clock, settings),
      hotKeys_(store, platform.hooks, player_, platform.input, platform.desktop, platform.ui,
               *this),
      quillets_(store, settings, platform.desktop, player_, hotKeys_) {}

bool MainController::InstallHooks(const HookStartInfo& info) {
    hooks_ = StartHooks(store_.Table(), platform_.hooks, info);
    struct Installed {
        uint32_t handle;
        const char* text;
    };
    const Installed installed[] = {
        {hooks_.keyboard,
         "The keyboard hook could not be installed.  Hot keys and Quillets will not work."},
        {hooks_.mouse, "The mouse hook could not be installed.  Mouse hot keys will not work."},
        {hooks_.cbt,
         "The window hook could not be installed.  Window Title macros will not work."},
    };
    bool all = true;
    for (const Installed& hook : installed) {
        if (hook.handle != 0) continue;
        platform_.messages.ShowMessage(kSystemError, hook.text);
        host_.Trace(std::string("hook failed: ") + hook.text);
        all = false;
    }
    return all;
}

void MainController::RemoveHooks() { StopHooks(hooks_, platform_.hooks); }

void MainController::RestoreKeyboardHooks() {
    if (!platform_.messages.AskYesNo(
            "Keyboard Hooks",
            "It is possible for other programs which are run after Tavrin 99 to improperly "
            "install themselves into the system wide Windows keyboard hooks.  This causes "
            "Tavrin 99 to no longer be able to monitor keystrokes.  This option will reinstall "
            "the Windows keyboard hooks used by Tavrin 99 so that Tavrin 99 will have the first "
            "look at the keystrokes and will be able to monitor the keystrokes again.  Continue?"))
        return;
    RestoreHook(hooks_.keyboard, table::KeyboardHook, true);
    if (remapper_) remapper_->Reinstall();
}

void MainController::RestoreMouseHooks() {
    if (!platform_.messages.AskYesNo(
            "Mouse Hooks",
            "It is possible for other programs which are run after Tavrin 99 to improperly "
            "install themselves into the system wide Windows mouse hooks.  This causes Tavrin 99 "
            "to no longer be able to monitor mouse movements and clicks.  This option will "
            "reinstall the Windows mouse hooks used by Tavrin 99 so that Tavrin 99 will have the "
            "first look at the mouse movements and will be able to monitor the mouse again.  "
            "Continue?"))
        return;
    RestoreHook(hooks_.mouse, table::MouseHook, false);
}

void MainController::RestoreHook(uint32_t& handle, size_t tableField, bool keyboard) {
    HookLibrary& hooks = platform_.hooks;
    MacroTable& t = store_.Table();
    hooks.ZynUnHook(handle);
    handle = keyboard ? hooks.ZynHookKeyboard() : hooks.ZynHookMouse();
    t.SetU32(tableField, handle);
    if (keyboard) {
        hooks.ZynUpKeyHook(t);
    } else {
        hooks.ZynUpMouseHook(t);
    }
    if (handle == 0) {
        platform_.messages.ShowMessage(kSystemError, keyboard
                                                         ? "The keyboard hook could not be installed."
                                                         : "The mouse hook could not be installed.");
    }
}

void MainController::Start(const std::string& startupNickname) {
    startupNickname_ = startupNickname;
    Reschedule();
    platform_.timers.Start(TimerId::StartUp, kStartUpDelay);
}

void MainController::MacroFileOpened() {
    SetHotKeys(store_.Table(), platform_.hooks);
    Reschedule();
}

void MainController::Reschedule() {
    scheduler_.CheckAndSetTime();
    if (scheduler_.TimerNeeded() || settings_.ShowDate) {
        platform_.timers.Start(TimerId::Scheduler, settings_.TimerSeconds * 1000u);
    } else {
        platform_.timers.Stop(TimerId::Scheduler);
    }
}

void MainController::ToggleActive(int listCount, int selected) {
    const ActivateToggleResult result =
        ToggleMacroActive(store_, platform_.hooks, platform_.messages, listCount, selected);
    if (!result.changed) return;
    if (result.reschedule) Reschedule();
    host_.RefreshMacroList();
}

bool MainController::MayStartScreenSaver() const {
    if (!settings_.DisableScreenSaver) return true;
    const MacroTable& t = store_.Table();
    for (int n = 1; n <= t.MacroCount(); ++n) {
        if (t.HotKeyOf(n) == kHotKeyTimed && t.ActiveOf(n)) return false;
    }
    return true;
}

void MainController::OnTimer(TimerId id) {
    switch (id) {
        case TimerId::Scheduler: {
            // The check stays open while its macros play, so a tick that
            // comes meanwhile finds nothing new.
            const TimerCheck due = scheduler_.CheckOutTimerMacros();
            PlayTimedMacros(due, false);
            break;
        }
        case TimerId::StartUp:
            platform_.timers.Stop(TimerId::StartUp);
            if (!startupNickname_.empty()) RunByNickname(startupNickname_);
            PlayTimedMacros(scheduler_.StartUpMacros(), true);
            break;
        case TimerId::ClearInUse:
            platform_.timers.Stop(TimerId::ClearInUse);
            hotKeys_.ClearTimerTimer();
            break;
    }
}

void MainController::OnAbort() {
    if (player_.Running()) player_.Abort();
}

void MainController::OnWindowActivated(WindowId window) {
    const std::vector<int> due =
        tavrin::OnWindowActivated(store_, platform_.hooks, platform_.desktop, window);
    if (!hotKeys_.MenuOpen() && !platform_.desktop.Title(window).empty()) {
        lastActive_ = window;
        if (store_.Table().FrontProgram() != kProgramFile) lastOther_ = window;
    }
    for (int n : due) {
        MacroRecord record;
        // Nor while a capture records, which would take its keys for the user's.
        if (player_.Running() || hotKeys_.MenuOpen() || Recording() ||
            !store_.ReadMacro(n, record))
            continue;
        host_.Trace("window title macro " + std::to_string(n));
        PlayRecord(n, record, false);
    }
}

void MainController::OnProgramsChanged() {
    SetRunningProgs(store_.Table(), platform_.hooks, platform_.desktop.Processes());
}

void MainController::OnStartRequest(int character) {
    switch (request_.Take(character & 0xFF)) {
        case StartupRequest::Outcome::Collecting:
            return;
        case StartupRequest::Outcome::BringForward:
            if (settings_.UseTray || settings_.UseHide) {
                host_.SysTrayOpen();
            } else {
                ActivateMe();
            }
            return;
        case StartupRequest::Outcome::RunNickname: {
            const std::string nickname = request_.Nickname();
            request_.Clear();
            RunByNickname(nickname);
            return;
        }
    }
}

void MainController::ActivateMe() {
    if (!hotKeys_.MayActivateMe()) return;
    host_.ShowMainWindow();
    host_.Trace("activated");
}

void MainController::RunByNickname(const std::string& nickname) {
    if (player_.Running() || hotKeys_.MenuOpen()) return;
    if (Recording()) {
        platform_.ui.ShowNotice("Warning", kRecordingRefusal);
        return;
    }
    const int n = FindMacroByNickname(store_, nickname);
    host_.Trace("run by nickname \"" + nickname + "\": macro " + std::to_string(n));
    MacroRecord record;
    if (n == 0 || !store_.ReadMacro(n, record)) return;
    PlayRecord(n, record, false);
    host_.Trace("played macro " + std::to_string(n));
}

void MainController::PlayTimedMacros(const DueMacros& due, bool startUp) {
    WindowCommands& windows = player_.Windows();
    for (int n : due.Macros) {
        // A timed macro due while one plays, a popup menu is shown or a
        // capture records is skipped.
        if (player_.Running() || hotKeys_.MenuOpen() || Recording()) continue;
        MacroRecord record;
        if (!store_.ReadMacro(n, record)) continue;
        bool ready = true;
        if (record.Scope == kScopeWindow) ready = windows.ActivateIt(record.ScopeName);
        if (record.Scope == kScopeProgram) ready = windows.ActivateProg(UpperCase(record.ScopeName));
        if (!ready) {
            if (startUp) return;
            continue;
        }
        if (due.Alarm.Play) platform_.sound.PlayWave(due.Alarm.WaveFile, due.Alarm.Wait);
        host_.Trace("timed macro " + std::to_string(n));
        // The scheduler's ticks carry the Caps Lock state the library last
        // reported; start-up macros leave Caps Lock alone.
        PlayRecord(n, record, !startUp && capsLockOn_);
    }
}

void MainController::PlayRecord(int n, const MacroRecord& record, bool capsLock) {
    player_.SetCapsLockFlag(capsLock);
    current_ = n;
    player_.PlayTopLevel(record.MacroText);
    current_ = 0;
}

void MainController::MenuTopWindow() {
    Desktop& desktop = platform_.desktop;
    const WindowId front = desktop.Foreground();
    const std::string program = ProgramOfWindow(desktop, front);
    const std::vector<int> members = hotKeys_.TopWindowMembers(desktop.Title(front), program);
    if (members.empty()) {
        platform_.ui.ShowNotice("Warning",
                                "There are no macros defined with a specific window title or "
                                "program name that match the current top most active window.");
        return;
    }
    MacroRecord menu;
    menu.Scope = kScopePopupMenu;
    const int show = settings_.SystemMenu >= 1 && settings_.SystemMenu <= 3 ? settings_.SystemMenu : 3;
    menu.SetMenuOptions(' ', static_cast<char>('0' + show), '2');
    menu.MenuItems.assign(members.begin(), members.end());
    player_.Windows().SetTarget(front);
    host_.Trace("top window menu of " + std::to_string(members.size()));
    hotKeys_.RunMenu(menu);
}

void MainController::OnMenuTrayClick(int n, int x) {
    player_.Windows().SetTarget(lastActive_);
    hotKeys_.SetMenuPosition(x);
    hotKeys_.OnHotKey(kTrayMenuBit | static_cast<uint32_t>(n), lastActive_);
}

void MainController::StartClearTimer() {
    host_.Trace("hot key played macro " + std::to_string(hotKeys_.CurrentMacro()));
    platform_.timers.Start(TimerId::ClearInUse, kClearInUseDelay);
}

void MainController::MacroActiveChanged(int) {
    host_.RefreshMacroList();
    Reschedule();
}

void MainController::MacroDeleted(int) {
    host_.RefreshMacroList();
    Reschedule();
}

}  // namespace tavrin
