#pragma once
// Which dialog enters which command of the scripting editor's command list,
// and the choice it opens with: one table, read by the editor and by
// whatever else opens a command's dialog by its command number.
#include <string>

namespace tavrin {

enum class CommandDialogId {
    None,
    EnterKeystrokes,  // "Enter Keystrokes"
    Dates,            // "Dates"
    Times,            // "Times"
    SetDelay,         // "Set Delay"
    PauseWindow,      // "Pause Window"
    RepeatOptions,    // "Repeat Options"
    Speed,            // "Speed"
    ActivateLaunch,   // "Activate/Launch Program"
    SetSound,         // "Set Sound"
    LoadMacroFile,    // "Load A New Macro File"
    LoadTextFile,     // "Load Text from a Text File"
    SizeWindow,       // "Size or Position a Window"
    WindowControls,   // "Window Controls"
    MouseCommands,    // "Mouse Commands"
    Remark,           // "Remark"
    Clipboard,        // "Clipboard"
    KeysUpOrDown,     // "Keys Up Or Down"
    WebSite,          // "Internet Web Site"
    WebFtp,           // "Internet FTP"
    FileManipulation, // "File Manipulation"
    MacroCommands,    // "Macro Commands"
    NetworkDrive,     // "Map or Unmap  A Network Drive"
    TextBox,          // "Display A Text Box"
    VideoClip,        // "Play a Video Clip"
    AudioCd,          // "Audio CD Controls"
    OpenExplorer,     // "Open Explorer"
    Desktop,          // "Desktop"
    DefaultPrinter,   // "Default Printer"
    ScreenSetting,    // "Screen Display Setting"
    RebootShutDown,   // "Reboot or Shut Down"
    SystemControls,   // "System Controls"
    SpeakerControls,  // "Speaker Controls"
    WaitFor,          // "Wait For"
    DialUp,           // "Dial-Up Networking"
    // Support dialogs, opened from the ones above, by the editors or by the
    // main window; they serve no command number.
    FirstSupport,
    InsertSymbol = FirstSupport,  // "Insert Symbol"
    AltKeypad,        // the value dialog's "Alt Keypad Sequence"
    SchedulerFrequency,  // the value dialog's "Scheduler Frequency"
    InstalledPrograms,   // "List of Installed Programs"
    SetTitle,         // "Set Title"
    SetProgram,       // "Set Program"
    SearchReplace,    // "Search and Replace"
    Find,             // "Find"
    Count
};

struct CommandDialogUse {
    CommandDialogId Dialog = CommandDialogId::None;
    int Kind = 0;  // the choice the dialog opens with for a new command; 0 its own default
};

constexpr int kCommandCount = 110;

// The dialog of command number 1 to kCommandCount; None for any other number.
CommandDialogUse CommandDialogOf(int command);

// A short lower-case name of a dialog ("wait-for"), for tests and pictures;
// None for a name that is no dialog's.
const char* CommandDialogName(CommandDialogId id);
CommandDialogId CommandDialogNamed(const std::string& name);

}  // namespace tavrin
