#include "playback/window_commands.h"

#include <algorithm>

#include "language/ansi_text.h"
#include "playback/abortable_wait.h"

namespace tavrin {

namespace {

// How often a wait for a window looks again.
constexpr uint64_t kWindowPollMs = 100;
// A launch waits for a window by the first characters of its title.
constexpr size_t kLaunchTitleChars = 30;

}  // namespace

std::string LaunchFailureReason(int code) {
    switch (code) {
        case 0: return "the operating system is out of memory or resources.";
        case 2: return "the specified file was not found.";
        case 3: return "the specified path was not found.";
        case 5: return "the operating system denied access to the specified file.";
        case 8: return "there was not enough memory to complete the operation.";
        case 11: return "the .EXE file is invalid (non-Win32 .EXE or error in .EXE image).";
        case 26: return "a sharing violation occurred.";
        case 27: return "the filename association is incomplete or invalid.";
        case 31: return "there is no application associated with the given filename extension.";
        default: return "of an unknown Error #" + std::to_string(code) + ".";
    }
}

WindowId WindowCommands::GetWinHandle(const std::string& title) {
    if (WindowId exact = desktop_.FindExact(title)) return exact;
    const std::string wanted = UpperCase(title);
    for (WindowId w : desktop_.TopLevelWindows()) {
        const std::string t = desktop_.Title(w);
        if (!t.empty() && UpperCase(t).find(wanted) != std::string::npos) return w;
    }
    return 0;
}

bool WindowCommands::ActivateIt(const std::string& title) {
    WindowId w = GetWinHandle(title);
    if (w == 0) return false;
    desktop_.Activate(w);
    target_ = w;
    return true;
}

bool WindowCommands::ActivateProg(const std::string& program) {
    uint32_t process = 0;
    for (const RunningProcess& p : desktop_.Processes()) {
        if (UpperCase(p.moduleName).find(program) != std::string::npos) {
            process = p.id;
            break;
        }
    }
    if (process == 0) return false;
    for (WindowId w : desktop_.TopLevelWindows()) {
        if (desktop_.ProcessOf(w) == process && !desktop_.Title(w).empty()) {
            desktop_.Activate(w);
            target_ = w;
            return true;
        }
    }
    return false;
}

void WindowCommands::WindowNotFound(const std::string& caption, const std::string& title) {
    ui_.ShowNotice(caption, "Specified window title of \"" + title +
                                "\" could not be found on your computer. Macro will abort.");
}

bool WindowCommands::WaitForWindow(const std::string& title, int seconds, const bool& abort) {
    const uint64_t deadline = pump_.Ticks() + static_cast<uint64_t>(seconds) * 1000;
    while (!abort && !ActivateIt(title)) {
        const uint64_t now = pump_.Ticks();
        if (now >= deadline) return false;
        pump_.WaitUntil(std::min(deadline, now + kWindowPollMs));
    }
    return !abort;
}

bool WindowCommands::Launch(const std::string& program, const std::string& parameters,
                            bool wait, const std::string& waitTitle, int delaySeconds,
                            const bool& abort) {
    const int result = desktop_.Open(program, parameters);
    if (result <= 32) {
        ui_.ShowNotice("Launch Error", "\"" + program + "\" failed to launch because " +
                                           LaunchFailureReason(result) + " Macro will abort.");
        return false;
    }
    if (!wait) return true;
    const bool found = WaitForWindow(waitTitle, kLaunchWaitSeconds, abort);
    // An abort is no failure of the launch: the macro stops at its next step
    // with the abort message.
    if (abort) return true;
    if (!found) {
        WindowNotFound("Launch Failed", waitTitle);
        return false;
    }
    WaitUnlessAborted(pump_, pump_.Ticks() + static_cast<uint64_t>(delaySeconds) * 1000, abort);
    return true;
}

WindowId WindowCommands::Find(const TagFields& f) {
    const std::string& title = f.Texts[0];
    if (f.CurrentWindow) return desktop_.Foreground();
    return title.empty() ? 0 : GetWinHandle(title);
}

bool WindowCommands::PlayTag(const TagMatch& tag, const bool& abort, bool& endMacro) {
    const TagFields& f = tag.Fields;
    switch (tag.Kind) {
        case TagKind::Activate:
            if (f.CurrentWindow ? (target_ = desktop_.Foreground()) != 0 : ActivateIt(f.Texts[0]))
                return true;
            WindowNotFound("Activate Command Failed", f.Texts[0]);
            endMacro = true;
            return true;
        case TagKind::Launch:
            endMacro = !Launch(f.Texts[0], f.Texts[1], false, "", 0, abort);
            return true;
        case TagKind::LaunchYes:
            if (ActivateIt(f.Texts[0].substr(0, kLaunchTitleChars))) return true;
            [[fallthrough]];
        case TagKind::LaunchNo:
            endMacro = !Launch(f.Texts[1], f.Texts[2], true, f.Texts[0].substr(0, kLaunchTitleChars),
                               f.Numbers[0], abort);
            return true;
        default:
            break;
    }
    unsigned command = 0;
    switch (tag.Kind) {
        case TagKind::WindowMax: command = syscommand::kMaximize; break;
        case TagKind::WindowMin: command = syscommand::kMinimize; break;
        case TagKind::WindowClose: command = syscommand::kClose; break;
        case TagKind::WindowRestore: command = syscommand::kRestore; break;
        case TagKind::WindowShut: case TagKind::WindowHide: case TagKind::WindowShow:
        case TagKind::WindowSize: case TagKind::WindowPos: case TagKind::WindowPos2: break;
        default: return false;
    }
    // The arranging commands never change the target window, and a window
    // that is not found is passed over.
    const WindowId w = Find(f);
    if (w == 0) return true;
    switch (tag.Kind) {
        case TagKind::WindowShut: desktop_.PostQuit(w); break;
        case TagKind::WindowHide: desktop_.Show(w, false); break;
        case TagKind::WindowShow: desktop_.Show(w, true); break;
        case TagKind::WindowSize: desktop_.Resize(w, f.Numbers[0], f.Numbers[1]); break;
        case TagKind::WindowPos: case TagKind::WindowPos2:
            desktop_.Move(w, f.Numbers[0], f.Numbers[1]);
            break;
        default: desktop_.SystemCommand(w, command); break;
    }
    return true;
}

}  // namespace tavrin
