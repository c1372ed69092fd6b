#include "ui/command_dialogs.h"

namespace tavrin {

std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag) {
    switch (id) {
    default:
        break;
    }
    (void)owner;
    (void)kind;
    (void)editTag;
    return "";
}

}  // namespace tavrin
