#pragma once
// TMainWin: the program's one permanent window. For now it shows a plain list
// of the macros and the menu bar, and handles the hook library's
// messages, the timers and the window commands.
#include <windows.h>

#include <functional>
#include <string>

#include "app/app_context.h"
#include "app/kernel_objects.h"
#include "startup/command_line.h"
#include "playback/player.h"
#include "playback/player_host.h"
#include "startup/hook_startup.h"
#include "triggers/hot_key_runner.h"
#include "triggers/quillets.h"
#include "triggers/scheduler.h"

namespace tavrin {

class TMainWin : private HotKeyHost, private PlayerHost {
public:
    explicit TMainWin(AppContext& app);
    bool Create(HINSTANCE instance);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void FormCreate();
    void FormShow();
    void FormClose();
    bool OnSysCommand(WPARAM command, LRESULT& result);
    void OnCommand(int id);
    void OnTimer(UINT_PTR id);
    void OnStartRequest(LPARAM character);
    void OnRunByNickname();
    void RunByNickname(const std::string& upperNickname);
    void AppDeactivate();
    void SysTrayOpen();

    // What the hot keys ask of the main window.
    void ActivateMe() override;
    void StartCapture() override {}
    void MenuTopWindow() override;
    void ResumePause(bool capsLockPressed) override { player_.ResumePause(capsLockPressed); }
    void StartClearTimer() override;
    bool ReloadChangedSharedFile() override { return false; }

    // What a playing macro asks of the main window.
    int CurrentMacro() override {
        return currentMacro_ ? currentMacro_ : hotKeys_.CurrentMacro();
    }
    void PauseOpenChanged(bool open) override { hotKeys_.SetPauseOpen(open); }
    void MacroActiveChanged(int n) override;
    void MacroDeleted(int n) override;
    void SwapMacroFile(const std::string& path) override { OpenMacroFile(path); }
    void HideProgram();

    // The macro list and the caption.
    void CreateList();
    void FillList();
    void DoCaption();
    void LayoutList();

    // The file menu.
    void DoNew();
    void DoOpen();
    void OpenSaveFile(const std::string& path);
    void OpenChosenFile(const std::string& path);
    void OpenMacroFile(const std::string& path);
    void RefreshAfterLoad();
    void SetMenuLastFiles();

    // The menu commands that work so far.
    void MenuHideClick();
    void MenuTerminateClick() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
    void MenuShowDateClick();
    void MenuDisableSaverClick();
    void MenuLastFileClick(int k);
    void MenuQuilletsClick();
    void MenuSettingsClick();
    void MenuAppearanceClick();
    void MenuKeyHooksClick();
    void MenuMouseHooksClick();

    bool TrayOrHide() const { return app_.settings.UseTray || app_.settings.UseHide; }
    // Rebuilds the schedule and runs the scheduler timer while it is needed.
    void Reschedule();
    // Plays timed macros that came due; start-up macros stop at the first
    // whose window cannot be brought up.
    void PlayTimedMacros(const DueMacros& due, bool startUp);
    // Window Title macros play as timed ones do: no Caps Lock, no InUse.
    void PlayWithoutTrigger(int n);
    // Plays a record through the start sequence as macro n.
    void PlayRecord(int n, const MacroRecord& record);

    // What "Settings" and "Appearance" ask of parts of the main window that
    // are still to come; each part sets its callback when it is built.
    std::function<void(bool active)> setTrayIconActive_;     // the main tray icon
    std::function<void(bool speedButtons)> showSpeedButtons_;  // or the lettered buttons

    AppContext& app_;
    Player player_;
    Scheduler scheduler_;
    HotKeyRunner hotKeys_;
    Quillets quillets_;
    int currentMacro_ = 0;  // while a start by nickname plays
    HWND hwnd_ = nullptr;
    HWND list_ = nullptr;
    HMENU menu_ = nullptr;
    StartOptions options_;
    StartupRequest request_;
    std::string startupNickname_;
    HookHandles hookHandles_;
    SharedBlock remapBlock_;
    SharedBlock windowHookBlock_;
    int startShowState_ = SW_SHOWNORMAL;
    bool shown_ = false;
    bool closing_ = false;
    bool terminating_ = false;
    bool skipDeactivate_ = false;
};

}  // namespace tavrin
