#pragma once
// MainWindow: the program's one permanent window. The frame holds the window
// class, the layout and a table from messages to handlers; what a hook
// message, a timer or a command does is the controller's, the list, the
// menu and the tray icon are parts of their own.
#include <windows.h>

#include <functional>
#include <string>

#include "app/app_context.h"
#include "app/capture_frame.h"
#include "app/letter_panel.h"
#include "ui/macro_icons.h"
#include "app/macro_list_view.h"
#include "app/main_menu.h"
#include "app/menu_tray_icons.h"
#include "app/speed_bar.h"
#include "app/tray_icon.h"
#include "app/wizard_page.h"
#include "control/main_controller.h"
#include "forms/macro_commands.h"
#include "startup/command_line.h"

namespace tavrin {

class MainWindow : private ControllerHost {
public:
    explicit MainWindow(AppContext& app);
    // Creates the window, hidden, with its list and menu.
    bool Create(HINSTANCE instance);
    HWND Handle() const { return hwnd_; }
    MainController& Controller() { return controller_; }

    // The rest of start-up, once the program's start has run: the options
    // of the command line as ProcessParam left them, then the window shown
    // or hidden as the display mode and the start show state say.
    void FormShow(const StartOptions& options, int startShowState);
    // "/F" and the file menu: a macro file chosen by name.
    void OpenChosenFile(const std::string& path);
    // Runs as the window closes, before the process ends: the program's own
    // shutdown (hooks removed, shared blocks closed, settings saved).
    std::function<void()> onClosing;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnHookMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnSysCommand(WPARAM command, LRESULT& result);
    void OnCommand(int id);
    void OnTimer(UINT_PTR id);
    void OnTrayIcon(LPARAM mouseMessage);
    void LayoutMainWindow();
    void FormClose();
    void AppDeactivate();
    void HideProgram();
    bool TrayOrHide() const { return app_.settings.UseTray || app_.settings.UseHide; }

    // ControllerHost.
    void ShowMainWindow() override;
    void SysTrayOpen() override;
    void RefreshMacroList() override;
    void SwapMacroFile(const std::string& path) override { OpenMacroFile(path); }
    void Trace(const std::string& line) override;

    void UpdateCaption();
    // SetButtons and CheckTimeItem: the macro commands of the menu, the
    // speed buttons and the lettered buttons follow the selection.
    void SetRowCommands();
    MacroCommandState CommandState() const;

    // The pages, the buttons and the list (main_window_view.cpp).
    void CreateControls();
    void ApplyAppearance();
    void ShowChosenPage();
    void FocusPage();
    void ApplyBrowseMode();
    void ShowListMenu(LPARAM position);
    void ShowTrayMenu();
    bool OnControlNotify(const NMHDR& header, LRESULT& result);

    // The macro commands of this window (main_window_macros.cpp).
    void MenuOnDesktopClick();
    void DoTheLink(const std::string& nickname);
    void MenuQuickInfoClick() { ShowQuickInfo(list_.SelectedMacro()); }
    void ShowQuickInfo(int n);
    void MenuSortClick();
    void TitleSortClick(const std::string& title);
    void ColumnsSized();
    void RowDoubleClick(int n);
    void DoHelp();
    void MenuTutorialClick();
    void MenuMouseLocClick();
    void MenuAboutClick();
    void StartQuickWizard(int n);
    void TrayOpenClick() { controller_.ActivateMe(); }
    void TrayTerminateClick();
    // A file of the program folder opened in the shell; a missing file is
    // reported in a box titled "Error" with missingText.
    void OpenProgramFile(const std::string& name, const std::string& parameters,
                         const std::string& missingText);

    // The file menu (main_window_files.cpp).
    void DoNew();
    void DoOpen();
    void OpenSaveFile(const std::string& path);
    void OpenMacroFile(const std::string& path);
    void MenuLastFileClick(int k);
    void AfterFileOpened();

    // The menu commands of the options and tools (main_window_commands.cpp).
    void MenuHideClick();
    void MenuTerminateClick() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
    void MenuShowDateClick();
    void MenuDisableSaverClick();
    void MenuActivateClick();
    void NotBuiltYet(int id);
    void MenuKeyHooksClick() { controller_.RestoreKeyboardHooks(); }
    void MenuMouseHooksClick() { controller_.RestoreMouseHooks(); }

    // The option dialogs (main_window_dialogs.cpp).
    void MenuQuilletsClick();
    void MenuSettingsClick();
    void MenuAppearanceClick();
    // "&Remap" (main_window_remap.cpp).
    void MenuRemapClick();
    // "Rena&me Macro" (main_window_system_keys.cpp).
    void MenuRenameClick();
    // "Modify &Directly" (main_window_build_menu.cpp).
    void MenuModifyDirectlyClick();

    AppContext& app_;
    MainController controller_;
    HWND hwnd_ = nullptr;
    MacroIcons icons_;
    MacroListView list_;
    MainMenu menu_;
    TrayIcon tray_;
    MenuTrayIcons menuTrays_;
    StartOptions options_;
    bool started_ = false;           // FormShow has run
    bool closeWhenStarted_ = false;  // a close came before that
    bool closing_ = false;
    bool terminating_ = false;  // the tray menu's terminate: no hiding while closing
    bool skipDeactivate_ = false;  // shown after a capture: the next loss of focus keeps it
    HWND pages_ = nullptr;      // "M&acros" and "&Quick Wizards"
    bool wizardsPage_ = false;
    HFONT uiFont_ = nullptr;
    SpeedBar speed_;
    LetterPanel panel_;
    WizardPage wizards_;
    CaptureFrame capture_;
};

}  // namespace tavrin
