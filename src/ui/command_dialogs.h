#pragma once
// Opening a command's dialog by its id: for a new command, with the choice
// the caller presets, or for an edit of a tag, preset from the tag's values.
#include <windows.h>

#include <string>

#include "forms/command_dialog_table.h"

namespace tavrin {

// The result text; empty when nothing was entered. kind 0 keeps the
// dialog's own choice for a new command; an editTag that is not empty opens
// the dialog on that tag's values instead.
std::string RunCommandDialog(HWND owner, CommandDialogId id, int kind,
                             const std::string& editTag);

}  // namespace tavrin
