#pragma once
// The playback driver: walks a macro text, types its characters and plays
// its tags, with the state every command shares while a macro plays.
#include <cstdint>
#include <string>

#include "language/tag_recogniser.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/hook_library.h"
#include "platform/input.h"
#include "platform/message_pump.h"
#include "platform/playback_ui.h"
#include "platform/sound.h"
#include "platform/system_platform.h"
#include "playback/clipboard_commands.h"
#include "playback/desktop_commands.h"
#include "playback/file_commands.h"
#include "playback/keystrokes.h"
#include "playback/network_commands.h"
#include "playback/player_host.h"
#include "playback/sound_commands.h"
#include "playback/system_commands.h"
#include "playback/wait_commands.h"
#include "playback/window_commands.h"
#include "store/macro_store.h"

namespace tavrin {

// The system as the player and its commands reach it.
struct PlayerPlatform {
    Input& input;
    Desktop& desktop;
    FileSystem& fileSystem;
    Files& files;
    Clipboard& clipboard;
    MessagePump& pump;
    PlaybackUi& ui;
    HookLibrary& hooks;
    Clock& clock;
    Sound& sound;
    const SystemPlatform& system;
};

class Player {
public:
    // Runs of a macro inside a macro deeper than this end the macro.
    static constexpr int kMaxNesting = 40;

    Player(const PlayerPlatform& platform, MacroStore& store, PlayerHost& host);

    // The start sequence: plays text as a top-level macro unless one is
    // playing already (then it returns false at once).
    bool PlayTopLevel(const std::string& text);
    // Plays text runCount times; iteration n (from 1) has the counter
    // counterStart + counterStep * (n - 1). Only a top-level run ends with
    // the end step.
    void PlayText(const std::string& text, int runCount, int counterStart, int counterStep,
                 bool topLevel);

    bool Running() const { return running_; }
    // The user asked to abort (message 0x405).
    void Abort() { abort_ = true; }
    // Caps Lock was on when the macro was triggered.
    void SetCapsLockFlag(bool on) { capsLock_ = on; }
    // The pause hot key: Caps Lock is pressed first when the hot key came
    // with it on, then the pause dialog resumes.
    void ResumePause(bool capsLockPressed);

    // The hook library's reports while a macro waits: messages 0x40E (the
    // button, 1 left, 2 right, 3 middle), 0x40F (the virtual key), 0x410
    // (wParam 1 empties the typed text, else lParam is the character typed,
    // 8 for a backspace) and 0x411.
    void OnWaitClick(int button) { waits_.OnClick(button); }
    void OnWaitKey(int virtualKey) { waits_.OnKey(virtualKey); }
    void OnWaitText(uint32_t wParam, char c) { waits_.OnText(wParam, c); }
    void OnDrainCleared() { waits_.OnDrainCleared(); }

    WindowCommands& Windows() { return windows_; }
    double SpeedFactor() const { return speed_; }
    // The delays end early when the user aborts the macro meanwhile.
    // ScaledDelay waits ms scaled by the speed factor (a factor of 0 does
    // not wait) and is false when an abort cut it short.
    bool ScaledDelay(int ms);
    void PauseFor(double seconds);
    void PauseForNoSpeed(double seconds);

    // Plays the tag that begins text through the handler of group, whatever
    // group the table gives its kind, with the rest of text after it; false
    // when that handler does not take the kind (and then did nothing), or
    // text begins with no tag. Playback hands each tag to its own group the
    // same way; the tests hand every kind to every group, so that a kind
    // without a handler, or taken by two, fails them.
    bool PlayTagThrough(CommandGroup group, const std::string& text);

private:
    // One iteration of a run, as its commands see it.
    struct Run {
        const std::string& text;
        size_t pos;  // after the tag being played; a command that takes more moves it
        HeldModifiers held;
        int counter;
    };
    enum class Outcome {
        Played,
        Literal,   // no command takes the tag: its "<" is typed
        LeaveRun,  // the run ends at once, without the end step
    };

    bool Wait(uint64_t ms);
    // Hands the tag to the handler of its kind's group.
    Outcome PlayTag(const TagMatch& tag, Run& run);
    // Plays the tag through group's handler; false when the handler does not
    // take its kind, and then did nothing.
    bool PlayThrough(CommandGroup group, const TagMatch& tag, Run& run, Outcome& outcome);
    // The handlers of the groups that are the player's own.
    bool PlayFlow(const TagMatch& tag, Run& run, Outcome& outcome);
    bool PlayDateTime(const TagMatch& tag, Run& run);
    Outcome Repeat(const TagMatch& tag, Run& run);
    Outcome Pause(const TagMatch& tag);
    void EndStep();

    Input& input_;
    MessagePump& pump_;
    PlaybackUi& ui_;
    MacroStore& store_;
    HookLibrary& hooks_;
    Clock& clock_;
    PlayerHost& host_;
    Keystrokes keys_;
    WindowCommands windows_;
    WaitCommands waits_;
    FileCommands files_;
    ClipboardCommands clips_;
    SoundCommands sounds_;
    SystemCommands systemCommands_;
    DesktopCommands desktopCommands_;
    NetworkCommands networkCommands_;
    bool running_ = false;
    bool abort_ = false;
    bool ended_ = false;
    bool capsLock_ = false;
    bool paused_ = false;
    bool iconicBeforePause_ = false;
    // The pause dialog's Abort restored what the end step restores.
    bool endStepDone_ = false;
    double speed_ = 1.0;
    int depth_ = 0;
};

}  // namespace tavrin
