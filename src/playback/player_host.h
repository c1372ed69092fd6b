#pragma once
// What only the main window can do for a playing macro.
#include <string>

namespace tavrin {

class PlayerHost {
public:
    virtual ~PlayerHost() = default;
    // The number of the macro being played (0 when none): the pause dialog
    // shows its nickname and hot key.
    virtual int CurrentMacro() = 0;
    // The pause dialog opened or closed: while it is open, hot keys resume
    // it or are refused.
    virtual void PauseOpenChanged(bool open) = 0;
    // "<MACACT:" or "<MACDEACT:" changed macro n in the table, the file and
    // the hot key flags: repaint the list; reschedule if it is a timed macro.
    virtual void MacroActiveChanged(int n) = 0;
    // "<MACDEL:" removed macro n and reloaded the file: refresh the list, the
    // schedule and the tray menus, and select a neighbouring row.
    virtual void MacroDeleted(int n) = 0;
    // "<SWAP:": make path the current macro file as File Open does, without
    // its dialog or its extension check.
    virtual void SwapMacroFile(const std::string& path) = 0;
};

}  // namespace tavrin
