#pragma once
// What the main window does when a hook message, a timer or a command
// arrives, without the window: the controller owns the player, the
// scheduler, the hot keys and the Quillets, takes the hook library's
// messages as typed calls, and plays the macros started by time, by window,
// by nickname, by hot key and by Quillet. The window is reached through
// ControllerHost, the system through the platform interfaces.
#include <cstdint>
#include <string>

#include "control/capture_controller.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/hook_library.h"
#include "platform/input.h"
#include "platform/playback_ui.h"
#include "platform/sound.h"
#include "platform/timers.h"
#include "platform/user_messages.h"
#include "playback/player.h"
#include "startup/command_line.h"
#include "startup/hook_startup.h"
#include "store/macro_store.h"
#include "store/settings.h"
#include "triggers/hot_key_runner.h"
#include "triggers/quillets.h"
#include "triggers/remapper.h"
#include "triggers/scheduler.h"

namespace tavrin {

// The system as the controller reaches it: the player's, and the program's
// own messages and timers.
struct ControllerPlatform : PlayerPlatform {
    UserMessages& messages;
    Timers& timers;
};

// What only the main window can do for the controller.
class ControllerHost {
public:
    virtual ~ControllerHost() = default;
    // Shows the main window (restored if minimised) and brings it to the
    // front; the refusals were checked already.
    virtual void ShowMainWindow() = 0;
    // A second start without "/A" in the tray or hidden display mode.
    virtual void SysTrayOpen() = 0;
    // The macro set or an entry's state changed: refill the list.
    virtual void RefreshMacroList() = 0;
    // "<SWAP:": make path the current macro file as File Open does.
    virtual void SwapMacroFile(const std::string& path) = 0;
    // A line for the trace file the end-to-end tests read.
    virtual void Trace(const std::string& line) = 0;
};

class MainController : private HotKeyHost, private PlayerHost {
public:
    MainController(const ControllerPlatform& platform, MacroStore& store, Settings& settings,
                   ControllerHost& host);

    // Start-up: hands the table to the hook library and installs the hooks.
    // A hook that could not be installed is reported; false then.
    bool InstallHooks(const HookStartInfo& info);
    uint32_t WindowHook() const { return hooks_.cbt; }
    void RemoveHooks();
    // The menu items "Restore &Keyboard Hooks" and "Restore &Mouse Hooks".
    void RestoreKeyboardHooks();
    void RestoreMouseHooks();

    // After the macro file is open: schedules the timed macros and arms the
    // start-up timer; nickname ("/A") plays first when it ticks.
    void Start(const std::string& startupNickname);
    // After another macro file was opened: the hot keys and the schedule.
    void MacroFileOpened();
    // Rebuilds the schedule and runs the scheduler timer while it is needed
    // (or while the caption shows the time).
    void Reschedule();
    // "Acti&vate Macro" on the selected macro (0 for none) of a list of
    // listCount rows.
    void ToggleActive(int listCount, int selected);

    void OnTimer(TimerId id);
    // Messages of the hook library.
    void OnHotKey(uint32_t wParam, WindowId front) { hotKeys_.OnHotKey(wParam, front); }
    void OnAbort();
    void OnInUseCleared() { hotKeys_.OnInUseCleared(); }
    void OnWindowActivated(WindowId window);
    // The last activated window with a title that is not of this program;
    // 0 until one was activated. A capture records into it.
    WindowId LastActiveOtherWindow() const { return lastOther_; }
    void OnProgramsChanged();
    void OnUserActivity() { scheduler_.OnUserActivity(); }
    void OnQuillet(uint32_t wParam, uint32_t lParam) { quillets_.OnTyped(wParam, lParam); }
    // Message 0x409, and the state read when the window is first shown.
    void OnCapsLock(bool on) { capsLockOn_ = on; }
    void OnWaitClick(int button) { player_.OnWaitClick(button); }
    void OnWaitKey(int virtualKey) { player_.OnWaitKey(virtualKey); }
    void OnWaitText(uint32_t wParam, char c) { player_.OnWaitText(wParam, c); }
    void OnDrainCleared() { player_.OnDrainCleared(); }
    // One character of a second copy's command line; 0 ends it.
    void OnStartRequest(int character);

    // The keyboard remapper, whose hook "Restore &Keyboard Hooks" reinstalls.
    void SetRemapper(Remapper* remapper) { remapper_ = remapper; }
    // A right click at x on the tray icon of popup menu n: the menu opens
    // at the bottom of the screen there, for the window active before.
    void OnMenuTrayClick(int n, int x);
    // The window popup menus of macros are shown in.
    void SetMenuWindow(MenuWindow* window) { hotKeys_.SetMenuWindow(window); }

    // Brings the program up unless a pause, a popup menu or a capture forbids.
    void ActivateMe() override;
    // A macro waits in a pause dialog or a popup menu of macros is shown:
    // the program must not hide itself.
    bool PauseOrMenuOpen() const { return hotKeys_.PauseOpen() || hotKeys_.MenuOpen(); }
    // The screen saver may start unless "Disable Screen Saver" is on and an
    // active timed macro exists.
    bool MayStartScreenSaver() const;
    // The capture the "Start / Stop Capture" hot key starts.
    void SetCapture(CaptureController* capture) { capture_ = capture; }

private:
    // What the hot keys ask of the main window.
    // The hot key of the system macro "2": a quick capture.
    void StartCapture() override {
        if (capture_ != nullptr) capture_->StartACapture();
    }
    void MenuTopWindow() override;
    void ResumePause(bool capsLockPressed) override { player_.ResumePause(capsLockPressed); }
    void StartClearTimer() override;
    // Waits for the shared macro file of network mode.
    bool ReloadChangedSharedFile() override { return false; }

    // What a playing macro asks of the main window.
    int CurrentMacro() override { return current_ ? current_ : hotKeys_.CurrentMacro(); }
    void PauseOpenChanged(bool open) override { hotKeys_.SetPauseOpen(open); }
    void MacroActiveChanged(int n) override;
    void MacroDeleted(int n) override;
    void SwapMacroFile(const std::string& path) override { host_.SwapMacroFile(path); }

    void RunByNickname(const std::string& upperNickname);
    // Plays the timed macros that came due; start-up macros stop at the
    // first whose window cannot be brought up.
    void PlayTimedMacros(const DueMacros& due, bool startUp);
    // Plays a record through the start sequence as macro n, with the Caps
    // Lock flag given.
    void PlayRecord(int n, const MacroRecord& record, bool capsLock);
    void RestoreHook(uint32_t& handle, size_t tableField, bool keyboard);
    bool Recording() const { return store_.Table().Byte(table::CaptureOn) != 0; }

    ControllerPlatform platform_;
    MacroStore& store_;
    Settings& settings_;
    ControllerHost& host_;
    Player player_;
    Scheduler scheduler_;
    HotKeyRunner hotKeys_;
    Quillets quillets_;
    StartupRequest request_;
    std::string startupNickname_;
    HookHandles hooks_;
    Remapper* remapper_ = nullptr;
    WindowId lastActive_ = 0;  // the last activated window with a title
    WindowId lastOther_ = 0;   // and the last of another program
    int current_ = 0;  // while a timed, window or nickname start plays
    CaptureController* capture_ = nullptr;
    bool capsLockOn_ = false;  // as the hook library last reported it
};

}  // namespace tavrin
