#pragma once
// What a tag of the macro language stands for. One value per tag, or per
// family of tags that share a meaning and differ by an index (the index is
// given with the value). The player dispatches on it; the script model shows
// it; the writer writes it back.
//
// A new kind needs its rows in the tag table, each with the kind's command
// group, and a case in that group's handler: the table does not compile
// without the rows, and the unit tests of the command groups fail without
// the case.
#include <cstdint>

namespace tavrin {

enum class TagKind : uint16_t {
    Literal,  // not a tag: the "<" is an ordinary character

    // Keys, one press and release each.
    Tab, Enter, Esc, Space, Backspace, Insert, Delete, Home, End, PageUp, PageDown,
    UpArrow, DownArrow, LeftArrow, RightArrow, LeftWin, RightWin, App,
    FKey,         // "<F1>" ... "<F24>", index 1 ... 24
    Attn, CrSel, ExSel, EraseEof, Play, Zoom, Pa1, PrintScreen, ScrollLock, PauseKey,
    CapsLock, NumLock,
    KeypadDigit,  // "<KEYP0>" ... "<KEYP9>", index 0 ... 9
    KeypadPoint, KeypadDivide, KeypadMultiply, KeypadMinus, KeypadPlus,

    // Modifiers and character codes.
    Shift, Ctrl, Alt, CtrlDown, CtrlUp, AltDown, AltUp, ShiftDown, ShiftUp, WinDown, WinUp,
    AltCode,   // "<ALT:" code (3 digits)
    AltCode4,  // "<ALT4:" code (4 digits)

    // Mouse.
    MoveScreen, MoveWindow, MoveBy,  // "<MMS:", "<MMW:", "<MMP:" X, Y
    LeftClick, LeftDoubleClick, LeftDown, LeftUp,
    RightClick, RightDoubleClick, RightDown, RightUp,
    MiddleClick, MiddleDoubleClick, MiddleDown, MiddleUp,
    WheelForward, WheelBackward,  // notches
    RightMouse, MiddleMouse,

    // Windows and programs. Texts[0] is the title unless said otherwise.
    Activate, WindowMax, WindowMin, WindowRestore, WindowClose, WindowHide, WindowShow,
    WindowShut,
    WindowSize,  // width, height, title
    WindowPos,   // left, top, title
    WindowPos2,  // signed left, signed top, title
    Launch,      // Texts: path, parameters
    LaunchNo,    // delay; Texts: title, path, parameters
    LaunchYes,   // as LaunchNo

    // Waits. Numbers[0] is the time-out in minutes.
    WaitWindow, WaitLoseFocus, WaitProgram,
    WaitTextCase, WaitTextNoCase,  // "<WAITTXTY:", "<WAITTXTN:"
    WaitKey,                       // Numbers[1] is the position in kWaitKeyNames
    WaitLeftClick, WaitRightClick, WaitMiddleClick,
    WaitPlayback,

    // Flow, timing and macro control.
    Repeat,          // count (older form)
    RepeatCounter,   // "<REP:" count, counter start, counter step
    PromptRepeat, EndRepeat,
    Counter,         // "<I>" ... "<IIII>", index = width 1 ... 4
    Pause,
    PauseAt,         // top, left; Texts[0] the message
    Delay,           // Real: seconds
    DelayMs,         // "<MSD:" milliseconds
    Speed,           // Real: speed factor
    KeystrokeDelay,  // "<SPKEY:" milliseconds
    MouseDelay,      // "<SPMSE:" milliseconds
    Remark,
    TextBox,         // Texts: title, message
    MacroRun, MacroDelete, MacroActivate, MacroDeactivate,  // Texts[0] the nickname
    SwapFile,

    // Date and time typing. Letters[0] is "Y" for leading zeros.
    DateTag,  // index into kDateFormatCodes; Letters[1] "P" for past; Numbers[0] days
    TimeTag,  // index into kTimeFormatCodes

    // Clipboard, files, web, Explorer.
    ClipCopy, ClipPaste, BeginClip, EndClip, ClipType, ClipTypeIgnoreLines,
    ClipFile, ClipBitmap,
    Beep, WaveWait, WaveNoWait,  // "<WAV1:", "<WAV2:"
    TextFile, ChangeDir, MakeDir, DeleteFile,
    CopyFile, RenameFile,  // Texts: from, to
    Http, Ftp, Explore,
    ExploreFolder,  // "<EXPCP>" ... "<EXPUD>", index 0 ... 13 in the order of the special folders

    // System and desktop.
    RunDateTime, RunFindComputer, RunFindFiles, RunProgram,
    Cascade, TileVertical, TileHorizontal, MinimizeAll, RestoreAll,
    LogOff, Reboot, Shutdown, PowerOff, Suspend, Undock, HideTaskBar, ShowTaskBar,
    ScreenSaverOn, ScreenSaverOff,
    ScreenSaverTime, KeyboardSpeed, KeyboardDelay, BorderWidth,
    WallpaperTile, WallpaperCentre, WallpaperStretch,
    WallpaperAt,  // X, Y; Texts[0] the bitmap
    ScreenMode,
    DefaultPrinter,

    // Network and dial-up. Flags holds the flag letters present.
    NetConnect, NetToggle,  // Texts: user, scrambled password, drive and path
    NetDisconnect,          // Texts[0] the drive
    Dial,                   // Texts: user, scrambled password, phone book entry
    HangUp,

    // Audio CD, video, volume.
    CdPlay, CdStop, CdPause, CdNext, CdPrevious, CdEject, CdClose,
    CdGoto, CdStep, CdBack,
    Avi, AviNow, AviClose,  // "<AVI:", "<AVII:", "<AVIE:"
    AudioOff, AudioOn, AudioUp, AudioDown, AudioMute, AudioLeft, AudioRight, AudioCentre,
    TrebleUp, TrebleDown, BassUp, BassDown,
    MidiOff, MidiOn, MidiUp, MidiDown, MidiMute, MidiLeft, MidiRight, MidiCentre,

    // Reserved: skipped when played.
    EmptyBin, Test,

    Count  // number of values, for tables indexed by kind
};

}  // namespace tavrin
