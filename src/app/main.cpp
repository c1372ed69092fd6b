// The program body: one running copy, its named objects, its settings, the
// main window and the message loop.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/kernel_objects.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "app/second_copy.h"
#include "platform/win32/win32_hook_library.h"
#include "ui/program_folder.h"

namespace {

// The arguments after the program path, split as the C runtime splits them.
std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) {
        int size = WideCharToMultiByte(CP_ACP, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(size > 0 ? size - 1 : 0, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide[i], -1, &arg[0], size, nullptr, nullptr);
        args.push_back(arg);
    }
    LocalFree(wide);
    return args;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    using namespace tavrin;
    if (AnotherCopyRuns()) {
        SendCommandLineToRunningCopy(GetCommandLineA());
        return 0;
    }
    ProcessObjects objects;
    if (!objects.CreateInstanceMarker()) return 1;
    const std::string folder = ProgramFolder();
    if (!objects.CreateTableMapping())
        FailStart("Memory Mapped File could not be created.  Tavrin will terminate.");
    if (!objects.CreateMutexes()) FailStart("Mutex could not be created.  Tavrin will terminate.");

    Win32HookLibrary hooks;
    if (!hooks.Loaded()) FailStart("ZYNHOOK.DLL could not be loaded.  Tavrin will terminate.");
    AppContext app(hooks, folder);
    LoadSettings(app.profile, app.files, folder, app.settings);
    app.commandLine = GetCommandLineA();
    app.args = Arguments();
    app.showCommand = showCommand;
    ApplyBodyOptions(app.args, app.settings);

    MainWindow window(app);
    if (!window.Create(instance)) return 1;
    ProgramStart start;
    window.onClosing = [&] { start.Shutdown(app, window); };
    start.Run(app, window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The main window's buttons take Alt and their underlined letters,
        // and the arrow keys, as a dialog's do.
        if (IsDialogMessageA(window.Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
