#include "forms/installed_programs_form.h"

#include "language/ansi_text.h"
#include "platform/file_system.h"

namespace tavrin {
namespace {

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool IsShortcutName(const std::string& fileName) {
    return Contains(UpperCase(fileName), ".LNK");
}

std::vector<InstalledProgram> InstalledProgramsOf(const std::vector<Shortcut>& shortcuts,
                                                  FileSystem& files) {
    std::vector<InstalledProgram> programs;
    for (const Shortcut& shortcut : shortcuts) {
        const std::string target = UpperCase(shortcut.Target);
        if (!Contains(target, ".EXE") || Contains(target, "WINHELP.EXE") ||
            !files.FileExists(shortcut.Target))
            continue;
        const std::string name = FileNameOf(shortcut.Path);
        programs.push_back({name.substr(0, UpperCase(name).find(".LNK")),
                            FileNameOf(shortcut.Target)});
    }
    return programs;
}

CommandAnswer<InstalledProgram> AcceptInstalledProgram(
    const std::vector<InstalledProgram>& programs, int selected) {
    if (selected < 0 || selected >= static_cast<int>(programs.size()))
        return Refuse<InstalledProgram>("No program selected.  Please select one.",
                                        kInstalledListField);
    return Answer(programs[selected].Exe, programs[selected]);
}

}  // namespace tavrin
