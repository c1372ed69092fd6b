#include "app/program_start.h"

#include <ole2.h>

#include "app/trace.h"

namespace tavrin {

namespace {

constexpr const char* kNotCreated = "Memory Mapped File could not be created.  Tavrin will terminate.";
constexpr const char* kNotMapped = "Memory Mapped File could not be mapped.  Tavrin will terminate.";

void CreateBlock(SharedBlock& block, const char* name, size_t size) {
    if (!block.Create(name, size)) FailStart(kNotCreated);
    if (!block.Map()) FailStart(kNotMapped);
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
    const int show = info.wShowWindow;
    return show == 2 || show == 6 || show == 7 ? 6 : show;
}

}  // namespace

void ProgramStart::Run(AppContext& app, MainWindow& window) {
    Settings& s = app.settings;
    app.store.LoadMacroFile(s.CurrentFile);

    // Every system this program runs on is of the NT family.
    const bool isNT = true;
    const uint32_t handle = HandleToU32(window.Handle());
    SharedBlock& remapBlock = app.remapBlock.Block();
    CreateBlock(remapBlock, kRemapBlockName, remap_block::kSize);
    remapBlock.PutU32(remap_block::kMainWindow, handle);
    remapBlock.PutByte(remap_block::kFlag, 0);
    CreateBlock(windowHookBlock_, "ZYKR1KGR", 17);
    for (size_t offset : {0, 8, 12}) windowHookBlock_.PutU32(offset, handle);

    HookStartInfo info;
    info.mainWindow = handle;
    info.isNT = isNT;
    info.buttonsSwapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    MainController& controller = window.Controller();
    const bool hooked = controller.InstallHooks(info);
    app.remapper.OpenFor(s.CurrentFile);
    controller.SetRemapper(&app.remapper);
    if (app.remapper.HookInstalled()) Trace("remap hook installed");
    windowHookBlock_.PutU32(4, controller.WindowHook());
    windowHookBlock_.PutByte(16, isNT ? 1 : 0);
    Trace(std::string(hooked ? "hooks installed " : "hooks incomplete ") +
          std::to_string(MillisecondsSinceStart()) + " ms");

    StartOptions options;
    for (const std::string& arg : app.args) ProcessParam(arg, s, options);
    // "/F" is applied after the other options, so that they all hold for the
    // file it opens.
    if (!options.openFile.empty() && app.files.Exists(options.openFile))
        window.OpenChosenFile(options.openFile);
    std::string nickname;
    if (options.nicknamePresent) nickname = NicknameAfterA(app.commandLine, kStartupNicknameChars);

    controller.Start(nickname);
    OleInitialize(nullptr);
    window.FormShow(options, StartShowState(app.showCommand));
}

void ProgramStart::Shutdown(AppContext& app, MainWindow& window) {
    window.Controller().RemoveHooks();
    app.remapper.Remove();
    windowHookBlock_.Close();
    app.remapBlock.Block().Close();
    SaveSettings(app.profile, app.settings);
    OleUninitialize();
    Trace("closed");
}

}  // namespace tavrin
