#pragma once
// "List of Installed Programs": the programs the start menus' shortcuts
// start, and the one chosen.
#include <string>
#include <vector>

#include "forms/command_fields.h"

namespace tavrin {

enum InstalledProgramsField { kInstalledListField = 1 };

// A start menu shortcut as found: its own path and the path it points at.
struct Shortcut {
    std::string Path;
    std::string Target;
};

struct InstalledProgram {
    std::string Name;  // the shortcut's file name up to ".LNK"
    std::string Exe;   // the target's file name
};

// True for a file name the search takes as a shortcut (".LNK" in any case).
bool IsShortcutName(const std::string& fileName);

// The programs of the shortcuts, in their order: those whose target names a
// program (".EXE" but not "WINHELP.EXE", in any case) that exists.
std::vector<InstalledProgram> InstalledProgramsOf(const std::vector<Shortcut>& shortcuts,
                                                  FileSystem& files);

// The chosen program (selected from 0, -1 for none); the result text is its
// file name.
CommandAnswer<InstalledProgram> AcceptInstalledProgram(
    const std::vector<InstalledProgram>& programs, int selected);

}  // namespace tavrin
