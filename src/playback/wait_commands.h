#pragma once
// The wait commands: holding a macro until a window, a program, a key, a
// click or typed text, or until the keystrokes sent so far are delivered.
// The hook library reports the user's input while a wait flag is raised.
#include <cstdint>
#include <functional>
#include <string>

#include "base/macro_table.h"
#include "language/tag_recogniser.h"
#include "platform/desktop.h"
#include "platform/hook_library.h"
#include "platform/message_pump.h"
#include "platform/playback_ui.h"
#include "playback/keystrokes.h"
#include "playback/window_commands.h"

namespace tavrin {

class WaitCommands {
public:
    // How often a wait looks at its condition again.
    static constexpr uint64_t kPollMs = 100;
    // "<WAITPB>" gives up on the hook library after this long.
    static constexpr uint64_t kDrainLimitMs = 30000;

    WaitCommands(Desktop& desktop, MessagePump& pump, PlaybackUi& ui, MacroTable& table,
                 HookLibrary& hooks, Keystrokes& keys, WindowCommands& windows)
        : desktop_(desktop),
          pump_(pump),
          ui_(ui),
          table_(table),
          hooks_(hooks),
          keys_(keys),
          windows_(windows) {}

    // The hook library's reports: a click (1 left, 2 right, 3 middle), a
    // key's virtual key, a typed character (reset 1 empties the typed text,
    // character 8 takes back the last one), the drain marker seen.
    void OnClick(int button);
    void OnKey(int virtualKey);
    void OnText(uint32_t reset, char c);
    void OnDrainCleared() { table_.SetByte(table::WaitDrain, 0); }

    // Plays a tag of CommandGroup::Wait; false, having done nothing, for a
    // tag of another group. abort is the macro's abort flag: a wait ends
    // when it is set, and sets it on a time-out.
    bool PlayTag(const TagMatch& tag, bool& abort);

private:
    // Polls until met, abort or the time-out (minutes, 0 for none), which
    // shows the message that failure begins and sets abort.
    void Until(int minutes, const std::function<bool()>& met, bool& abort, const char* title,
               const std::string& failure);
    // The foreground window's title in capitals; a titled foreground window
    // becomes the target window when retarget is set.
    std::string FrontTitle(bool retarget);
    bool ProgramRuns(const std::string& upperProgram);
    void WaitForDrain(const bool& abort);

    Desktop& desktop_;
    MessagePump& pump_;
    PlaybackUi& ui_;
    MacroTable& table_;
    HookLibrary& hooks_;
    Keystrokes& keys_;
    WindowCommands& windows_;
    bool clicked_[4] = {};  // by button number
    int lastKey_ = 0;
    std::string typed_;     // the last typedWindow_ characters typed
    size_t typedWindow_ = 0;
};

}  // namespace tavrin
