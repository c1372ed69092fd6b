// Opens one command dialog as the scripting editor will, for the Wine tests
// and the pictures: dialog_probe.exe <dialog name> [kind [tag to edit]].
// Prints the result text on a line of its own ("result: ..."), an empty one
// when nothing was entered.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "forms/command_dialog_table.h"
#include "ui/command_dialogs.h"

int main(int argc, char** argv) {
    using namespace tavrin;
    if (argc < 2) {
        std::fprintf(stderr, "usage: dialog_probe <dialog name> [kind [tag to edit]]\n");
        return 2;
    }
    const CommandDialogId id = CommandDialogNamed(argv[1]);
    if (id == CommandDialogId::None) {
        std::fprintf(stderr, "no dialog named %s\n", argv[1]);
        return 2;
    }
    const int kind = argc > 2 ? std::atoi(argv[2]) : 0;
    const std::string tag = argc > 3 ? argv[3] : "";
    const std::string result = RunCommandDialog(nullptr, id, kind, tag);
    std::printf("result: %s\n", result.c_str());
    std::fflush(stdout);
    return 0;
}
