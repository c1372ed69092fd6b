#pragma once
// MainWindow: the program's one permanent window. The frame holds the window
// class, the layout, a table from messages to handlers and one from command
// ids to commands; what a hook message or a timer does is the controller's,
// what the window itself decides is its model's, and the list, the menu and
// the tray icon are parts of their own.
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
#include "control/main_window_model.h"
#include "startup/command_line.h"

namespace tavrin {

class MainWindow : private ControllerHost, private MainFrame, private CaptureFrameHost {
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
    void OpenChosenFile(const std::string& path) { model_.OpenChosenFile(path); }
    // Runs as the window closes, before the process ends: the program's own
    // shutdown (hooks removed, shared blocks closed, settings saved).
    std::function<void()> onClosing;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnHookMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnSysCommand(WPARAM command, LRESULT& result);
    void OnTimer(UINT_PTR id);
    void OnTrayIcon(LPARAM mouseMessage);
    void LayoutMainWindow();
    void FormClose();

    // ControllerHost.
    void ShowMainWindow() override;
    void SysTrayOpen() override;
    void RefreshMacroList() override;
    void SwapMacroFile(const std::string& path) override { model_.OpenMacroFile(path); }
    void Trace(const std::string& line) override;

    // MainFrame.
    void HideProgram() override;
    void Minimise() override { ShowWindow(hwnd_, SW_MINIMIZE); }
    void CloseProgram() override { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
    bool DialogOpen() override { return !IsWindowEnabled(hwnd_); }
    bool PauseOrMenuOpen() override { return controller_.PauseOrMenuOpen(); }
    int SelectedMacro() override { return list_.SelectedMacro(); }
    std::string ChooseMacroFile(bool newFile) override;
    void MacroFileOpened() override;
    void CommandsChanged() override { ApplyCommands(); }
    void ShowDateToggled() override;

    // CaptureFrameHost.
    void ShowAfterCapture() override;
    void RefreshMacroList(int n) override;
    bool Browsing() override { return model_.Browsing(); }
    WindowId LastActiveOtherWindow() override { return controller_.LastActiveOtherWindow(); }

    void UpdateCaption();
    // The commands of the menu, the speed buttons and the lettered buttons
    // as the model has them: enabled, checked and captioned
    // (main_window_commands.cpp, with the table of commands).
    void ApplyCommands();
    void OnCommand(int id);
    void NotBuiltYet(int id);

    // The pages, the buttons and the list (main_window_view.cpp).
    void CreateControls();
    void ApplyAppearance();
    void ShowChosenPage();
    void FocusPage();
    void ShowListMenu(LPARAM position);
    void ShowTrayMenu();
    bool OnControlNotify(const NMHDR& header, LRESULT& result);

    // The commands the window runs itself (main_window_macros.cpp).
    void MenuOnDesktopClick();
    void DoTheLink(const std::string& nickname);
    void MenuQuickInfoClick() { ShowQuickInfo(list_.SelectedMacro()); }
    void ShowQuickInfo(int n);
    void MenuSortClick();
    void TitleSortClick(const std::string& title);
    void ColumnsSized();
    void RowDoubleClick(int n);
    void MenuTutorialClick();
    void TrayOpenClick() { controller_.ActivateMe(); }
    void MenuActivateClick();
    void MenuKeyHooksClick() { controller_.RestoreKeyboardHooks(); }
    void MenuMouseHooksClick() { controller_.RestoreMouseHooks(); }
    void CaptureDefaultsClick() { capture_.CaptureDefaults(); }
    void RecaptureClick() { capture_.Recapture(); }

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
    MainWindowModel model_;
    HWND hwnd_ = nullptr;
    MacroIcons icons_;
    MacroListView list_;
    MainMenu menu_;
    TrayIcon tray_;
    MenuTrayIcons menuTrays_;
    bool hideOnFirstPaint_ = false;  // "/HIDE"
    HWND pages_ = nullptr;      // "M&acros" and "&Quick Wizards"
    HFONT uiFont_ = nullptr;
    SpeedBar speed_;
    LetterPanel panel_;
    WizardPage wizards_;
    CaptureFrame capture_;
};

}  // namespace tavrin
