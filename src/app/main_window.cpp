#include "app/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

#include "app/main_window_res.h"
#include "app/menu_ids.h"
#include "app/screen_dpi.h"
#include "app/second_copy.h"
#include "app/trace.h"
#include "platform/hook_protocol.h"
#include "platform/win32/window_id.h"

namespace tavrin {

namespace {

constexpr const char* kClassName = "TavrinMainWindow";
constexpr UINT kMsgTrayIcon = WM_APP + 1;
constexpr UINT kMainTrayIcon = 1;
constexpr UINT kMsgMenuTrayIcon = WM_APP + 3;

ControllerPlatform PlatformOf(AppContext& app) {
    return {{app.input, app.desktop, app.fileSystem, app.files, app.clipboard, app.pump,
             app.playbackUi, app.hooks, app.clock, app.sound, app.system},
            app.messages,
            app.timers};
}

}  // namespace

MainWindow::MainWindow(AppContext& app)
    : app_(app),
      controller_(PlatformOf(app), app.store, app.settings, *this),
      model_({app.files, app.desktop, app.messages, app.profile, app.dialUp}, app.store,
             app.settings, app.programFolder, *this),
      list_(app.store, app.settings, icons_),
      capture_({app.files, app.fileSystem, app.desktop, app.hooks, app.playbackUi, app.messages,
                app.clock},
               app.store, app.settings, app.profile, app.programFolder, *this) {}

bool MainWindow::Create(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = icons_.Program();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return false;
    const Settings& s = app_.settings;
    // The stored size is at 96 dots per inch; on the screen it is no larger
    // than the work area.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = std::min<int>(ToScreen(s.MainWidth), work.right - work.left);
    const int height = std::min<int>(ToScreen(s.MainHeight), work.bottom - work.top);
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, "Tavrin 99", WS_OVERLAPPEDWINDOW,
                            s.MainLeft,
                            s.MainTop, width, height, nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    app_.messages.SetOwner(hwnd_);
    app_.playbackUi.SetOwner(hwnd_);
    app_.timers.SetOwner(hwnd_);
    app_.desktop.SetOwner(hwnd_);
    app_.menuWindow.SetOwner(hwnd_);
    controller_.SetMenuWindow(&app_.menuWindow);
    menu_.Load(hwnd_);
    CreateControls();
    tray_.Create(hwnd_, kMainTrayIcon, kMsgTrayIcon, "Tavrin 99");
    tray_.SetIcons(SmallProgramPicture(kProgramIcon), SmallProgramPicture(kRunningIcon));
    app_.playbackUi.onRunning = [this](bool running) { tray_.SetRunning(running); };
    capture_.Create(hwnd_);
    controller_.SetCapture(&capture_.Controller());
    menuTrays_.SetOwner(hwnd_, kMsgMenuTrayIcon);
    LayoutMainWindow();
    return true;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->HandleMessage(msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == RegisteredStartMessage()) {
        controller_.OnStartRequest(static_cast<int>(lParam));
        return 0;
    }
    if (OnHookMessage(msg, wParam, lParam)) return 0;
    if (capture_.OnMessage(msg, wParam, lParam)) return 0;
    switch (msg) {
        case WM_SIZE:
            LayoutMainWindow();
            return 0;
        case WM_PAINT:
            if (hideOnFirstPaint_) {
                hideOnFirstPaint_ = false;
                HideProgram();
            }
            break;
        case WM_ACTIVATEAPP:
            if (!wParam) model_.AppDeactivated();
            break;
        case WM_SYSCOMMAND: {
            LRESULT result = 0;
            if (OnSysCommand(wParam, result)) return result;
            break;
        }
        case WM_COMMAND:
            // The menu, and the buttons standing for its items.
            if (HIWORD(wParam) == 0) OnCommand(LOWORD(wParam));
            return 0;
        case WM_MENUCHAR:
            // Alt and the letter of a page: "M&acros", "&Quick Wizards".
            // Not inside an open menu, where the letter picks nothing.
            if (!(HIWORD(wParam) & (MF_SYSMENU | MF_POPUP)) &&
                (tolower(LOWORD(wParam)) == 'a' || tolower(LOWORD(wParam)) == 'q')) {
                TabCtrl_SetCurSel(pages_, tolower(LOWORD(wParam)) == 'q' ? 1 : 0);
                ShowChosenPage();
                return MAKELRESULT(0, MNC_CLOSE);
            }
            break;
        case WM_SETFOCUS:
            // On to the page shown; with the wizard buttons disabled the
            // window keeps it.
            if (!model_.WizardsPage()) {
                SetFocus(list_.Handle());
            } else {
                wizards_.Focus();
            }
            return 0;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == list_.Handle()) {
                ShowListMenu(lParam);
                return 0;
            }
            break;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnControlNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
            break;
        }
        case kMsgTrayIcon:
            OnTrayIcon(lParam);
            return 0;
        case kMsgMenuTrayIcon:
            // A right click opens the menu beside it; a left click does nothing.
            if (lParam == WM_RBUTTONUP) {
                POINT click;
                GetCursorPos(&click);
                controller_.OnMenuTrayClick(MenuTrayIcons::MacroOfIcon(wParam), click.x);
            }
            return 0;
        case WM_CLOSE:
            if (model_.MayClose()) FormClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

bool MainWindow::OnHookMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    MainController& c = controller_;
    switch (msg) {
        case kMsgHotKey:
            Trace("hotkey " + std::to_string(wParam));
            c.OnHotKey(static_cast<uint32_t>(wParam), ToId(reinterpret_cast<HWND>(lParam)));
            return true;
        case kMsgAbort: c.OnAbort(); return true;
        case kMsgQuillet:
            c.OnQuillet(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
            return true;
        case kMsgWindowActivated: c.OnWindowActivated(static_cast<WindowId>(wParam)); return true;
        case kMsgCapsLock: c.OnCapsLock(wParam != 0); return true;
        case kMsgUserActivity: c.OnUserActivity(); return true;
        case kMsgInUseCleared: c.OnInUseCleared(); return true;
        case kMsgProgramsChanged: c.OnProgramsChanged(); return true;
        case kMsgMouseClicked: c.OnWaitClick(static_cast<int>(wParam)); return true;
        case kMsgKeyPressed: c.OnWaitKey(static_cast<int>(wParam)); return true;
        case kMsgTextTyped:
            c.OnWaitText(static_cast<uint32_t>(wParam), static_cast<char>(lParam));
            return true;
        case kMsgDrainCleared: c.OnDrainCleared(); return true;
    }
    return false;
}

void MainWindow::FormShow(const StartOptions& options, int startShowState) {
    hideOnFirstPaint_ = options.hideOnFirstPaint;
    if (model_.Start(options)) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    controller_.OnCapsLock((GetKeyState(VK_CAPITAL) & 1) != 0);
    menu_.SetLastFiles(app_.settings.LastFile);
    tray_.Show(app_.settings.UseTray);
    if (tray_.Added()) Trace("tray icon shown: Tavrin 99");
    UpdateCaption();
    RefreshMacroList();
    if (model_.TrayOrHide()) return;
    int show = SW_SHOW;
    if (startShowState == 6) show = SW_MINIMIZE;
    if (startShowState == 3) show = SW_MAXIMIZE;
    ShowWindow(hwnd_, show);
}

void MainWindow::FormClose() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(hwnd_, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        app_.settings.MainLeft = r.left;
        app_.settings.MainTop = r.top;
        app_.settings.MainWidth = FromScreen(r.right - r.left);
        app_.settings.MainHeight = FromScreen(r.bottom - r.top);
    }
    tray_.Show(false);
    menuTrays_.Clear();
    if (onClosing) onClosing();
    // Everything is saved: the process ends here, and the system takes the
    // window with it. Destroying the window first would hide it, and Wine
    // without a window manager waits two seconds for one to take note.
    ExitProcess(0);
}

bool MainWindow::OnSysCommand(WPARAM command, LRESULT& result) {
    switch (command & 0xFFF0) {
        case SC_CLOSE: return model_.OnCloseBox();
        case SC_MINIMIZE: return model_.OnMinimiseBox();
        case SC_SCREENSAVE:
            if (controller_.MayStartScreenSaver()) return false;
            result = -1;
            return true;
    }
    return false;
}

void MainWindow::OnTimer(UINT_PTR id) {
    const auto timer = static_cast<TimerId>(id);
    if (timer == TimerId::StartUp) TraceWorkingSet();
    controller_.OnTimer(timer);
    if (timer == TimerId::Scheduler && app_.settings.ShowDate) UpdateCaption();
}

void MainWindow::OnTrayIcon(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONUP) SysTrayOpen();
    if (mouseMessage == WM_RBUTTONUP) ShowTrayMenu();
}

void MainWindow::HideProgram() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, SW_HIDE);
}

void MainWindow::ShowMainWindow() {
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    app_.desktop.Activate(ToId(hwnd_));
}

// Left click on the tray icon, or a second start without a nickname.
void MainWindow::SysTrayOpen() {
    if (!model_.TrayOrHide()) {
        app_.desktop.Activate(ToId(hwnd_));
        return;
    }
    controller_.ActivateMe();
}

void MainWindow::ShowAfterCapture() {
    model_.KeepThroughNextDeactivation();
    ShowMainWindow();
}

void MainWindow::Trace(const std::string& line) { tavrin::Trace(line); }

}  // namespace tavrin
