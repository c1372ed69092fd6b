#pragma once
// The playback driver: walks a macro text, types its characters and plays
// its tags, with the state every command shares while a macro plays.
#include <cstdint>
#include <string>

#include "language/tag_recogniser.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/message_pump.h"
#include "platform/playback_ui.h"
#include "playback/keystrokes.h"
#include "playback/window_commands.h"

namespace tavrin {

class Player {
public:
    // Runs of a macro inside a macro deeper than this end the macro.
    static constexpr int kMaxNesting = 40;

    Player(Input& input, Desktop& desktop, MessagePump& pump, PlaybackUi& ui);

    // The start sequence: plays text as a top-level macro unless one is
    // playing already (then it returns false at once).
    bool IntoProgram(const std::string& text);
    // Plays text runCount times; only a top-level run ends with the end step.
    void DoMacro(const std::string& text, int runCount, bool topLevel);

    bool Running() const { return running_; }
    // The user asked to abort (message 0x405).
    void Abort() { abort_ = true; }
    // Caps Lock was on when the macro was triggered.
    void SetCapsLockFlag(bool on) { capsLock_ = on; }
    // A command failed in a way that ends the whole macro without the abort
    // message.
    void EndMacro() { ended_ = true; }

    WindowCommands& Windows() { return windows_; }
    double SpeedFactor() const { return speed_; }
    // Waits ms scaled by the speed factor; a factor of 0 does not wait.
    void ScaledDelay(int ms);
    void PauseFor(double seconds);
    void PauseForNoSpeed(double seconds);

private:
    void Wait(uint64_t ms);
    // One tag of the dispatch table; false when no command takes it.
    bool PlayTag(const TagMatch& tag, HeldModifiers& held);
    void EndStep();

    MessagePump& pump_;
    PlaybackUi& ui_;
    Keystrokes keys_;
    WindowCommands windows_;
    bool running_ = false;
    bool abort_ = false;
    bool ended_ = false;
    bool capsLock_ = false;
    double speed_ = 1.0;
    int depth_ = 0;
};

}  // namespace tavrin
