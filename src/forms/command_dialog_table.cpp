#include "forms/command_dialog_table.h"

namespace tavrin {
namespace {

using D = CommandDialogId;

// Indexed by command number; the comment names the command.
constexpr CommandDialogUse kUses[kCommandCount + 1] = {
    {},
    {D::EnterKeystrokes, 0},   // 1 Text
    {D::Dates, 0},             // 2 Date
    {D::Times, 0},             // 3 Time
    {D::SetDelay, 1},          // 4 Delay
    {D::PauseWindow, 0},       // 5 Pause
    {D::RepeatOptions, 1},     // 6 Repeat Start
    {D::RepeatOptions, 3},     // 7 Repeat End
    {D::Speed, 1},             // 8 Keystroke Speed
    {D::Speed, 2},             // 9 Mouse Speed
    {D::ActivateLaunch, 1},    // 10 Window Activate
    {D::ActivateLaunch, 2},    // 11 Program Launch
    {D::SetSound, 1},          // 12 Sound Beep
    {D::SetSound, 2},          // 13 Sound Wave File
    {D::LoadMacroFile, 0},     // 14 Load New Macro File
    {D::LoadTextFile, 0},      // 15 Load Text File
    {D::SizeWindow, 1},        // 16 Window Resize
    {D::SizeWindow, 2},        // 17 Window Reposition
    {D::WindowControls, 1},    // 18 Window Maximize
    {D::WindowControls, 2},    // 19 Window Minimize
    {D::WindowControls, 3},    // 20 Window Restore
    {D::WindowControls, 4},    // 21 Window Close
    {D::WindowControls, 5},    // 22 Window Hide
    {D::WindowControls, 6},    // 23 Window Show
    {D::MouseCommands, 1},     // 24 Mouse Move
    {D::MouseCommands, 2},     // 25 Mouse Left Button
    {D::MouseCommands, 6},     // 26 Mouse Right Button
    {D::MouseCommands, 10},    // 27 Mouse Middle Button
    {D::MouseCommands, 14},    // 28 Mouse Wheel
    {D::Remark, 0},            // 29 Remark
    {D::Clipboard, 4},         // 30 Clipboard Copy
    {D::Clipboard, 5},         // 31 Clipboard Paste
    {D::RepeatOptions, 4},     // 32 Repeat Counter
    {D::ActivateLaunch, 4},    // 33 Activate or Launch
    {D::ActivateLaunch, 3},    // 34 Launch and Activate
    {D::Clipboard, 1},         // 35 Clipboard Start Copy
    {D::Clipboard, 2},         // 36 Clipboard End Copy
    {D::Clipboard, 3},         // 37 Clipboard File Copy
    {D::WindowControls, 7},    // 38 Program Shut Down
    {D::KeysUpOrDown, 1},      // 39 Control Key
    {D::KeysUpOrDown, 3},      // 40 Alt Key
    {D::KeysUpOrDown, 5},      // 41 Shift Key
    {D::KeysUpOrDown, 7},      // 42 Win Key
    {D::WebSite, 0},           // 43 Web Site
    {D::WebFtp, 0},            // 44 Web FTP
    {D::RepeatOptions, 2},     // 45 Repeat Prompt Start
    {D::FileManipulation, 1},  // 46 Change Directory/Folder
    {D::FileManipulation, 4},  // 47 Delete File
    {D::FileManipulation, 2},  // 48 Copy File
    {D::FileManipulation, 3},  // 49 Rename File
    {D::Speed, 3},             // 50 Macro Playback Speed
    {D::MacroCommands, 1},     // 51 Macro Run
    {D::NetworkDrive, 1},      // 52 Network Connect
    {D::NetworkDrive, 2},      // 53 Network Disconnect
    {D::TextBox, 0},           // 54 Window of Text
    {D::VideoClip, 0},         // 55 Video Clip Play
    {D::AudioCd, 1},           // 56 CD-Rom Play
    {D::AudioCd, 2},           // 57 CD-Rom Stop
    {D::AudioCd, 3},           // 58 CD-Rom Pause
    {D::AudioCd, 4},           // 59 CD-Rom Next Track
    {D::AudioCd, 5},           // 60 CD-Rom Previous Track
    {D::AudioCd, 6},           // 61 CD-Rom Go To Track
    {D::AudioCd, 7},           // 62 CD-Rom Step
    {D::AudioCd, 8},           // 63 CD-Rom Back
    {D::AudioCd, 9},           // 64 CD-Rom Eject
    {D::AudioCd, 10},          // 65 CD-Rom Close Tray
    {D::OpenExplorer, 0},      // 66 Open Folder In Explorer
    {D::Desktop, 1},           // 67 DeskTop Cascade
    {D::Desktop, 2},           // 68 DeskTop Tile
    {D::Desktop, 4},           // 69 DeskTop Minimize All
    {D::Desktop, 5},           // 70 DeskTop Restore All
    {D::Clipboard, 7},         // 71 Clipboard Type Text
    {D::DefaultPrinter, 0},    // 72 Default Printer
    {D::ScreenSetting, 0},     // 73 Default Display Size
    {D::RebootShutDown, 1},    // 74 Logoff
    {D::RebootShutDown, 2},    // 75 Reboot
    {D::RebootShutDown, 3},    // 76 Shut Down
    {D::RebootShutDown, 4},    // 77 Power Off
    {D::SystemControls, 1},    // 78 Screen Saver
    {D::SystemControls, 5},    // 79 Keyboard Repeat Speed
    {D::SystemControls, 4},    // 80 Keyboard Delay
    {D::SystemControls, 6},    // 81 Wallpaper
    {D::SystemControls, 7},    // 82 Windows Sizing Border
    {D::NetworkDrive, 3},      // 83 Network Toggle
    {D::Clipboard, 6},         // 84 Clipboard Bitmap Copy
    {D::SpeakerControls, 1},   // 85 Audio Volume
    {D::SpeakerControls, 6},   // 86 Audio Balance
    {D::SpeakerControls, 5},   // 87 Audio Mute Toggle
    {D::SpeakerControls, 9},   // 88 Audio Treble
    {D::SpeakerControls, 19},  // 89 Audio Bass
    {D::SpeakerControls, 11},  // 90 MIDI Volume
    {D::SpeakerControls, 16},  // 91 MIDI Balance
    {D::SpeakerControls, 15},  // 92 MIDI Mute Toggle
    {D::WaitFor, 1},           // 93 Wait For Window Title
    {D::DialUp, 1},            // 94 Dial-Up Networking
    {D::MacroCommands, 2},     // 95 Macro Delete
    {D::MacroCommands, 3},     // 96 Macro Activate
    {D::MacroCommands, 4},     // 97 Macro Deactivate
    {D::FileManipulation, 5},  // 98 Create Directory/Folder
    {D::WaitFor, 2},           // 99 Wait Window Lose Focus
    {D::WaitFor, 3},           // 100 Wait Program Terminate
    {D::WaitFor, 4},           // 101 Wait For Key Press
    {D::WaitFor, 5},           // 102 Wait For Text
    {D::WaitFor, 6},           // 103 Wait Left Mouse Click
    {D::WaitFor, 7},           // 104 Wait Right Mouse Click
    {D::WaitFor, 8},           // 105 Wait Middle Mouse Click
    {D::Desktop, 12},          // 106 Open Explorer To
    {D::Desktop, 8},           // 107 Run Dialog Window
    {D::Desktop, 7},           // 108 Undock Computer
    {D::Desktop, 6},           // 109 Suspend Computer
    {D::WaitFor, 9},           // 110 Wait Text Playback
};

constexpr const char* kNames[] = {
    "",           "enter-keystrokes", "dates",         "times",          "set-delay",
    "pause-window", "repeat-options", "speed",         "activate-launch", "set-sound",
    "load-macro-file", "load-text-file", "size-window", "window-controls", "mouse-commands",
    "remark",     "clipboard",        "keys-up-or-down", "web-site",     "web-ftp",
    "file-manipulation", "macro-commands", "network-drive", "text-box",  "video-clip",
    "audio-cd",   "open-explorer",    "desktop",       "default-printer", "screen-setting",
    "reboot-shut-down", "system-controls", "speaker-controls", "wait-for", "dial-up",
    "insert-symbol", "alt-keypad", "scheduler-frequency", "installed-programs", "set-title",
    "set-program", "search-replace", "find",
};
static_assert(sizeof kNames / sizeof kNames[0] == static_cast<size_t>(CommandDialogId::Count),
              "a name for every dialog");

}  // namespace

CommandDialogUse CommandDialogOf(int command) {
    if (command < 1 || command > kCommandCount) return {};
    return kUses[command];
}

const char* CommandDialogName(CommandDialogId id) {
    const auto k = static_cast<size_t>(id);
    return k < static_cast<size_t>(CommandDialogId::Count) ? kNames[k] : "";
}

CommandDialogId CommandDialogNamed(const std::string& name) {
    for (int k = 1; k < static_cast<int>(CommandDialogId::Count); ++k)
        if (name == kNames[k]) return static_cast<CommandDialogId>(k);
    return CommandDialogId::None;
}

}  // namespace tavrin
