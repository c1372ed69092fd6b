#include "playback/desktop_commands.h"

#include <iterator>
#include <string>

namespace tavrin {

namespace {

constexpr const char* kNeedsShell =
    "This function requires Windows 98 or NT.  Vezi requires Windows 95 that has Internet "
    "Explore 4.0 or greater installed. It appears that your system does not meet these "
    "requirements.";

// The shell's special folders of "<EXPCP>" ... "<EXPUD>", by the tag's index:
// control panel, desktop, desktop folder, favourites, fonts, my computer,
// network neighbourhood, printers, programs, recent documents, recycle bin,
// start menu, startup, my documents.
constexpr int kSpecialFolders[] = {3, 0, 16, 6, 20, 17, 18, 4, 2, 8, 10, 11, 7, 5};

}  // namespace

void DesktopCommands::Shell(const char* name, const std::function<bool()>& call) {
    const std::string caption = std::string(name) + " Error";
    if (!shell_.AutomationUsable()) {
        ui_.ShowNotice(caption, kNeedsShell);
        return;
    }
    // A shell call that fails reports nothing.
    call();
}

bool DesktopCommands::PlayTag(const TagMatch& tag) {
    const auto run = [this](const char* name, ShellFunction f) {
        Shell(name, [this, f] { return shell_.Call(f); });
    };
    switch (tag.Kind) {
        case TagKind::HideTaskBar: shell_.ShowTaskBar(false); break;
        case TagKind::ShowTaskBar: shell_.ShowTaskBar(true); break;
        case TagKind::Cascade: shell_.CascadeWindows(); break;
        case TagKind::TileHorizontal: shell_.TileWindows(true); break;
        case TagKind::TileVertical: shell_.TileWindows(false); break;
        case TagKind::MinimizeAll: run("Minimize All", ShellFunction::MinimizeAll); break;
        case TagKind::RestoreAll: run("Undo Minimize All", ShellFunction::UndoMinimizeAll); break;
        case TagKind::Suspend: run("Suspend", ShellFunction::Suspend); break;
        case TagKind::Undock: run("Eject PC", ShellFunction::EjectPC); break;
        case TagKind::RunDateTime: run("Run Set Time", ShellFunction::SetTime); break;
        case TagKind::RunFindComputer: run("Run Find Computer", ShellFunction::FindComputer); break;
        case TagKind::RunFindFiles: run("Run Find Files", ShellFunction::FindFiles); break;
        case TagKind::RunProgram: run("Run File Run", ShellFunction::FileRun); break;
        case TagKind::ExploreFolder: {
            // The table has no tag of another index.
            const int index = tag.Index;
            if (index < 0 || index >= static_cast<int>(std::size(kSpecialFolders))) break;
            Shell("Open Explorer",
                  [this, index] { return shell_.ExploreSpecialFolder(kSpecialFolders[index]); });
            break;
        }
        default: return false;
    }
    return true;
}

}  // namespace tavrin
