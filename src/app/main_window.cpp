#include "app/main_window.h"

#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>

#include "app/menu_ids.h"
#include "app/second_copy.h"
#include "app/trace.h"
#include "platform/hook_protocol.h"
#include "store/macro_record.h"
#include "triggers/window_activation.h"
#include "ui/modal_dialog.h"

namespace tavrin {

namespace {

constexpr const char* kClassName = "TMainWin";

// Timers of the main window.
enum TimerId : UINT_PTR {
    kMyTimer = 1,         // the scheduler, every "Timer Seconds"
    kTimer2 = 2,          // start-up macros, one tick after 5 s
    kSyncTimer = 3,       // reload of a shared macro file, every minute
    kClearTimer = 5,      // clears InUse 15 s after a triggered start
};


bool AnyActiveTimedMacro(const MacroTable& t) {
    for (int n = 1; n <= t.MacroCount(); ++n) {
        if (t.HotKeyOf(n) == kHotKeyTimed && t.ActiveOf(n)) return true;
    }
    return false;
}

// Milliseconds since this process was created.
unsigned long long MillisecondsSinceStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return (b.QuadPart - a.QuadPart) / 10000;
}

// The start show state: the start-up information's show value when the
// program was handed the default, with every minimised form counted as 6.
int StartShowState(int showCommand) {
    if (showCommand != SW_SHOWDEFAULT) return showCommand;
    STARTUPINFOA info;
    GetStartupInfoA(&info);
    if (!(info.dwFlags & STARTF_USESHOWWINDOW)) return showCommand;
    int show = info.wShowWindow;
    return show == 2 || show == 6 || show == 7 ? 6 : show;
}

}  // namespace

TMainWin::TMainWin(AppContext& app)
    : app_(app),
      player_(app.input, app.desktop, app.pump, app.playbackUi, app.store, app.hooks, *this),
      scheduler_(app.store, app.hooks, app.clock, app.settings),
      hotKeys_(app.store, app.hooks, player_, app.input, app.desktop, app.playbackUi, *this),
      quillets_(app.store, app.settings, app.desktop, player_, hotKeys_) {}

bool TMainWin::Create(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return false;
    const Settings& s = app_.settings;
    hwnd_ = CreateWindowExA(0, kClassName, "Tavrin 99", WS_OVERLAPPEDWINDOW, s.MainLeft,
                            s.MainTop, s.MainWidth, s.MainHeight, nullptr, nullptr, instance,
                            this);
    if (!hwnd_) return false;
    FormShow();
    return true;
}

LRESULT CALLBACK TMainWin::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<TMainWin*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TMainWin*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->HandleMessage(msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT TMainWin::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == RegisteredStartMessage()) {
        OnStartRequest(lParam);
        return 0;
    }
    switch (msg) {
        case WM_CREATE:
            FormCreate();
            return 0;
        case WM_SIZE:
            LayoutList();
            return 0;
        case WM_PAINT:
            if (options_.hideOnFirstPaint) {
                options_.hideOnFirstPaint = false;
                HideProgram();
            }
            break;
        case WM_ACTIVATEAPP:
            if (!wParam) AppDeactivate();
            break;
        case WM_SYSCOMMAND: {
            LRESULT result = 0;
            if (OnSysCommand(wParam, result)) return result;
            break;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case kMsgHotKey:
            Trace("hotkey " + std::to_string(wParam));
            hotKeys_.OnHotKey(static_cast<uint32_t>(wParam),
                              static_cast<WindowId>(static_cast<uintptr_t>(lParam)));
            return 0;
        case kMsgAbort:
            if (player_.Running()) player_.Abort();
            return 0;
        case kMsgRunNickname:
            OnRunByNickname();
            return 0;
        case kMsgInUseCleared:
            hotKeys_.OnInUseCleared();
            return 0;
        case kMsgWindowActivated:
            for (int n : OnWindowActivated(app_.store, app_.hooks, app_.desktop,
                                           static_cast<WindowId>(wParam)))
                PlayWithoutTrigger(n);
            return 0;
        case kMsgProgramsChanged:
            SetRunningProgs(app_.store.Table(), app_.hooks, app_.desktop.Processes());
            return 0;
        case kMsgUserActivity:
            scheduler_.OnUserActivity();
            return 0;
        case kMsgQuillet:
            quillets_.OnTyped(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
            return 0;
        case kMsgMouseClicked:
            player_.OnWaitClick(static_cast<int>(wParam));
            return 0;
        case kMsgKeyPressed:
            player_.OnWaitKey(static_cast<int>(wParam));
            return 0;
        case kMsgTextTyped:
            player_.OnWaitText(static_cast<uint32_t>(wParam), static_cast<char>(lParam));
            return 0;
        case kMsgDrainCleared:
            player_.OnDrainCleared();
            return 0;
        case WM_CLOSE:
            FormClose();
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void TMainWin::FormCreate() {
    Settings& s = app_.settings;
    MacroStore& store = app_.store;
    store.LoadMacroFile(s.CurrentFile);
    app_.messages.SetOwner(hwnd_);
    app_.playbackUi.SetOwner(hwnd_);
    CreateList();

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool isNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4;

    menu_ = LoadMenuA(GetModuleHandleA(nullptr), "MAINMENU");
    SetMenu(hwnd_, menu_);
    if (!TrayOrHide()) EnableMenuItem(menu_, kMenuHide, MF_BYCOMMAND | MF_GRAYED);

    const uint32_t window = HandleToU32(hwnd_);
    if (!remapBlock_.Create("ZYTT1KGR", 104))
        FailStart("Memory Mapped File could not be created.  Tavrin will terminate.");
    if (!remapBlock_.Map()) FailStart("Memory Mapped File could not be mapped.  Tavrin will terminate.");
    remapBlock_.PutU32(0, window);
    remapBlock_.PutByte(103, 0);
    if (!windowHookBlock_.Create("ZYKR1KGR", 17))
        FailStart("Memory Mapped File could not be created.  Tavrin will terminate.");
    if (!windowHookBlock_.Map())
        FailStart("Memory Mapped File could not be mapped.  Tavrin will terminate.");
    for (size_t offset : {0, 8, 12}) windowHookBlock_.PutU32(offset, window);

    HookStartInfo info;
    info.mainWindow = window;
    info.isNT = isNT;
    info.buttonsSwapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    hookHandles_ = StartHooks(store.Table(), app_.hooks, info);
    windowHookBlock_.PutU32(4, hookHandles_.cbt);
    windowHookBlock_.PutByte(16, isNT ? 1 : 0);
    Trace("hooks installed " + std::to_string(MillisecondsSinceStart()) + " ms");

    startShowState_ = StartShowState(app_.showCommand);
    SetMenuLastFiles();

    options_ = StartOptions{};
    for (const std::string& arg : app_.args) ProcessParam(arg, s, options_);
    if (!options_.openFile.empty() && app_.files.Exists(options_.openFile))
        OpenChosenFile(options_.openFile);
    if (options_.nicknamePresent)
        startupNickname_ = NicknameAfterA(app_.commandLine, kStartupNicknameChars);

    Reschedule();
    CheckMenuItem(menu_, kMenuShowDate, s.ShowDate ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(menu_, kMenuDisableSaver, s.DisableScreenSaver ? MF_CHECKED : MF_UNCHECKED);
    SetTimer(hwnd_, kTimer2, 5000, nullptr);
    if (s.NetworkMode && s.AutoSync) SetTimer(hwnd_, kSyncTimer, 60000, nullptr);
    OleInitialize(nullptr);
}

void TMainWin::FormShow() {
    DoCaption();
    FillList();
    if (TrayOrHide()) return;
    int show = SW_SHOW;
    if (startShowState_ == 6) show = SW_MINIMIZE;
    if (startShowState_ == 3) show = SW_MAXIMIZE;
    ShowWindow(hwnd_, show);
    shown_ = true;
}

void TMainWin::FormClose() {
    closing_ = true;
    StopHooks(hookHandles_, app_.hooks);
    windowHookBlock_.Close();
    remapBlock_.Close();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(hwnd_, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        app_.settings.MainLeft = r.left;
        app_.settings.MainTop = r.top;
        app_.settings.MainWidth = r.right - r.left;
        app_.settings.MainHeight = r.bottom - r.top;
    }
    SaveSettings(app_.profile, app_.settings);
    OleUninitialize();
    Trace("closed");
}

bool TMainWin::OnSysCommand(WPARAM command, LRESULT& result) {
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            if (!app_.settings.UseClose) return false;
            if (TrayOrHide()) {
                HideProgram();
            } else {
                ShowWindow(hwnd_, SW_MINIMIZE);
            }
            return true;
        case SC_MINIMIZE:
            if (!TrayOrHide()) return false;
            HideProgram();
            return true;
        case SC_SCREENSAVE:
            if (!app_.settings.DisableScreenSaver || !AnyActiveTimedMacro(app_.store.Table()))
                return false;
            result = -1;
            return true;
    }
    return false;
}

void TMainWin::OnCommand(int id) {
    struct Command {
        int id;
        void (TMainWin::*handler)();
    };
    static const Command commands[] = {
        {kMenuNewFile, &TMainWin::DoNew},
        {kMenuOpenFile, &TMainWin::DoOpen},
        {kMenuHide, &TMainWin::MenuHideClick},
        {kMenuTerminate, &TMainWin::MenuTerminateClick},
        {kMenuShowDate, &TMainWin::MenuShowDateClick},
        {kMenuDisableSaver, &TMainWin::MenuDisableSaverClick},
        {kMenuQuillets, &TMainWin::MenuQuilletsClick},
        {kMenuSettings, &TMainWin::MenuSettingsClick},
        {kMenuAppearance, &TMainWin::MenuAppearanceClick},
        {kMenuKeyHooks, &TMainWin::MenuKeyHooksClick},
        {kMenuMouseHooks, &TMainWin::MenuMouseHooksClick},
    };
    for (const Command& c : commands) {
        if (c.id == id) return (this->*c.handler)();
    }
    if (id >= kMenuLastFile1 && id < kMenuLastFile1 + 5) MenuLastFileClick(id - kMenuLastFile1);
}

void TMainWin::OnTimer(UINT_PTR id) {
    switch (id) {
        case kMyTimer: {
            // The check stays open while its macros play, so a tick that
            // comes meanwhile finds nothing new.
            const TimerCheck due = scheduler_.CheckOutTimerMacros();
            PlayTimedMacros(due, false);
            if (app_.settings.ShowDate) DoCaption();
            break;
        }
        case kTimer2:
            KillTimer(hwnd_, kTimer2);
            {
                PROCESS_MEMORY_COUNTERS memory{};
                GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
                Trace("idle working set " + std::to_string(memory.WorkingSetSize / 1024) + " KB");
            }
            if (!startupNickname_.empty()) RunByNickname(startupNickname_);
            PlayTimedMacros(scheduler_.StartUpMacros(), true);
            break;
        case kClearTimer:
            KillTimer(hwnd_, kClearTimer);
            hotKeys_.ClearTimerTimer();
            break;
    }
}

void TMainWin::OnStartRequest(LPARAM character) {
    switch (request_.Take(static_cast<int>(character & 0xFF))) {
        case StartupRequest::Outcome::Collecting:
            return;
        case StartupRequest::Outcome::BringForward:
            if (TrayOrHide()) {
                SysTrayOpen();
            } else {
                ActivateMe();
            }
            return;
        case StartupRequest::Outcome::RunNickname:
            SendMessageA(hwnd_, kMsgRunNickname, 0, 0);
            return;
    }
}

void TMainWin::StartClearTimer() {
    Trace("hot key played macro " + std::to_string(hotKeys_.CurrentMacro()));
    SetTimer(hwnd_, kClearTimer, 15000, nullptr);
}

void TMainWin::AppDeactivate() {
    if (skipDeactivate_) {
        skipDeactivate_ = false;
        return;
    }
    if (terminating_ || closing_ || !TrayOrHide()) return;
    if (ModalDialog::OpenCount() > 0) return;  // a pause included
    HideProgram();
}

void TMainWin::SysTrayOpen() { ActivateMe(); }

void TMainWin::HideProgram() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, SW_HIDE);
}

void TMainWin::Reschedule() {
    scheduler_.CheckAndSetTime();
    if (scheduler_.TimerNeeded() || app_.settings.ShowDate) {
        SetTimer(hwnd_, kMyTimer, app_.settings.TimerSeconds * 1000u, nullptr);
    } else {
        KillTimer(hwnd_, kMyTimer);
    }
}

void TMainWin::MenuHideClick() {
    if (TrayOrHide()) HideProgram();
}

void TMainWin::MenuShowDateClick() {
    app_.settings.ShowDate = !app_.settings.ShowDate;
    CheckMenuItem(menu_, kMenuShowDate, app_.settings.ShowDate ? MF_CHECKED : MF_UNCHECKED);
    DoCaption();
    Reschedule();
    SaveSettings(app_.profile, app_.settings);
}

void TMainWin::MenuDisableSaverClick() {
    app_.settings.DisableScreenSaver = !app_.settings.DisableScreenSaver;
    CheckMenuItem(menu_, kMenuDisableSaver,
                  app_.settings.DisableScreenSaver ? MF_CHECKED : MF_UNCHECKED);
    SaveSettings(app_.profile, app_.settings);
}

}  // namespace tavrin
