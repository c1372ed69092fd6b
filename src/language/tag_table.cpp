#include "language/tag_table.h"

#include <array>
#include <cstring>

#include "language/date_time_codes.h"

namespace tavrin {
namespace {

constexpr FieldLayout Num(uint8_t width) { return {FieldType::Number, width, 0, ""}; }
constexpr FieldLayout Coord() { return {FieldType::Signed, 5, 0, ""}; }
constexpr FieldLayout Real() { return {FieldType::Real, 5, 0, ""}; }
constexpr FieldLayout Sep(char written) { return {FieldType::Separator, 1, written, ""}; }
constexpr FieldLayout Letter(const char* set) { return {FieldType::Letter, 1, 0, set}; }
constexpr FieldLayout Choice(const char* set) { return {FieldType::Choice, 1, 0, set}; }
constexpr FieldLayout Flags(const char* set) { return {FieldType::Flags, 0, 0, set}; }
constexpr FieldLayout Lit(const char* chars) { return {FieldType::Literal, 0, 0, chars}; }
constexpr FieldLayout Text(char terminator = '>') { return {FieldType::Text, 0, terminator, ""}; }
constexpr FieldLayout Title(char terminator = '>') { return {FieldType::Title, 0, terminator, ""}; }
constexpr FieldLayout KeyNumber() { return {FieldType::KeyNumber, 2, '>', ""}; }
constexpr FieldLayout Launch() { return {FieldType::LaunchText, 0, '>', ""}; }
constexpr FieldLayout Close() { return {FieldType::Close, 1, '>', ""}; }
constexpr FieldLayout LooseClose() { return {FieldType::LooseClose, 1, '>', ""}; }

// A row of the table, made into a TagPattern when the table is first used.
// A member added to TagPattern (see there) is given here too, so that every
// tag says all of itself in its one row.
struct Row {
    CommandGroup Group;
    TagKind Kind;
    int Index;
    const char* Keyword;
    std::array<FieldLayout, 8> Fields;
};

using G = CommandGroup;
using K = TagKind;

// The group of the date and time tags, which are made from their format
// codes rather than rows.
constexpr CommandGroup kDateTimeGroup = G::DateTime;

// Tags with a keyword of their own. The date and time tags are added from
// their format codes below.
constexpr Row kRows[] = {
    // Keys.
    {G::Keys, K::Tab, 0, "<TAB>", {}},
    {G::Keys, K::Enter, 0, "<ENTER>", {}},
    {G::Keys, K::Esc, 0, "<ESC>", {}},
    {G::Keys, K::Space, 0, "<SPACE>", {}},
    {G::Keys, K::Backspace, 0, "<BACKSPACE>", {}},
    {G::Keys, K::Insert, 0, "<INSERT>", {}},
    {G::Keys, K::Delete, 0, "<DELETE>", {}},
    {G::Keys, K::Home, 0, "<HOME>", {}},
    {G::Keys, K::End, 0, "<END>", {}},
    {G::Keys, K::PageUp, 0, "<PAGE UP>", {}},
    {G::Keys, K::PageDown, 0, "<PAGE DOWN>", {}},
    {G::Keys, K::UpArrow, 0, "<UP ARROW>", {}},
    {G::Keys, K::DownArrow, 0, "<DOWN ARROW>", {}},
    {G::Keys, K::LeftArrow, 0, "<LEFT ARROW>", {}},
    {G::Keys, K::RightArrow, 0, "<RIGHT ARROW>", {}},
    {G::Keys, K::LeftWin, 0, "<LEFTWIN>", {}},
    {G::Keys, K::RightWin, 0, "<RIGHTWIN>", {}},
    {G::Keys, K::App, 0, "<APP>", {}},
    {G::Keys, K::FKey, 1, "<F1>", {}},
    {G::Keys, K::FKey, 2, "<F2>", {}},
    {G::Keys, K::FKey, 3, "<F3>", {}},
    {G::Keys, K::FKey, 4, "<F4>", {}},
    {G::Keys, K::FKey, 5, "<F5>", {}},
    {G::Keys, K::FKey, 6, "<F6>", {}},
    {G::Keys, K::FKey, 7, "<F7>", {}},
    {G::Keys, K::FKey, 8, "<F8>", {}},
    {G::Keys, K::FKey, 9, "<F9>", {}},
    {G::Keys, K::FKey, 10, "<F10>", {}},
    {G::Keys, K::FKey, 11, "<F11>", {}},
    {G::Keys, K::FKey, 12, "<F12>", {}},
    {G::Keys, K::FKey, 13, "<F13>", {}},
    {G::Keys, K::FKey, 14, "<F14>", {}},
    {G::Keys, K::FKey, 15, "<F15>", {}},
    {G::Keys, K::FKey, 16, "<F16>", {}},
    {G::Keys, K::FKey, 17, "<F17>", {}},
    {G::Keys, K::FKey, 18, "<F18>", {}},
    {G::Keys, K::FKey, 19, "<F19>", {}},
    {G::Keys, K::FKey, 20, "<F20>", {}},
    {G::Keys, K::FKey, 21, "<F21>", {}},
    {G::Keys, K::FKey, 22, "<F22>", {}},
    {G::Keys, K::FKey, 23, "<F23>", {}},
    {G::Keys, K::FKey, 24, "<F24>", {}},
    {G::Keys, K::Attn, 0, "<ATTN>", {}},
    {G::Keys, K::CrSel, 0, "<CRSEL>", {}},
    {G::Keys, K::ExSel, 0, "<EXSEL>", {}},
    {G::Keys, K::EraseEof, 0, "<EREOF>", {}},
    {G::Keys, K::Play, 0, "<PLAY>", {}},
    {G::Keys, K::Zoom, 0, "<ZOOM>", {}},
    {G::Keys, K::Pa1, 0, "<PA1>", {}},
    {G::Keys, K::PrintScreen, 0, "<PRTSCR>", {}},
    {G::Keys, K::ScrollLock, 0, "<SCRLOCK>", {}},
    {G::Keys, K::PauseKey, 0, "<PAUSEKEY>", {}},
    {G::Keys, K::CapsLock, 0, "<CAPLOCK>", {}},
    {G::Keys, K::NumLock, 0, "<NUMLOCK>", {}},
    {G::Keys, K::KeypadDigit, 0, "<KEYP0>", {}},
    {G::Keys, K::KeypadDigit, 1, "<KEYP1>", {}},
    {G::Keys, K::KeypadDigit, 2, "<KEYP2>", {}},
    {G::Keys, K::KeypadDigit, 3, "<KEYP3>", {}},
    {G::Keys, K::KeypadDigit, 4, "<KEYP4>", {}},
    {G::Keys, K::KeypadDigit, 5, "<KEYP5>", {}},
    {G::Keys, K::KeypadDigit, 6, "<KEYP6>", {}},
    {G::Keys, K::KeypadDigit, 7, "<KEYP7>", {}},
    {G::Keys, K::KeypadDigit, 8, "<KEYP8>", {}},
    {G::Keys, K::KeypadDigit, 9, "<KEYP9>", {}},
    {G::Keys, K::KeypadPoint, 0, "<KEYP.>", {}},
    {G::Keys, K::KeypadDivide, 0, "<KEYP/>", {}},
    {G::Keys, K::KeypadMultiply, 0, "<KEYP*>", {}},
    {G::Keys, K::KeypadMinus, 0, "<KEYP->", {}},
    {G::Keys, K::KeypadPlus, 0, "<KEYP+>", {}},

    // Modifiers and character codes.
    {G::Keys, K::Shift, 0, "<SHIFT>", {}},
    {G::Keys, K::Ctrl, 0, "<CTRL>", {}},
    {G::Keys, K::Alt, 0, "<ALT>", {}},
    {G::Keys, K::CtrlDown, 0, "<CTLD>", {}},
    {G::Keys, K::CtrlUp, 0, "<CTLU>", {}},
    {G::Keys, K::AltDown, 0, "<ALTD>", {}},
    {G::Keys, K::AltUp, 0, "<ALTU>", {}},
    {G::Keys, K::ShiftDown, 0, "<SHFD>", {}},
    {G::Keys, K::ShiftUp, 0, "<SHFU>", {}},
    {G::Keys, K::WinDown, 0, "<WIND>", {}},
    {G::Keys, K::WinUp, 0, "<WINU>", {}},
    {G::Keys, K::AltCode, 0, "<ALT:", {Num(3), Close()}},
    {G::Keys, K::AltCode4, 0, "<ALT4:", {Num(4), Close()}},

    // Mouse.
    {G::Keys, K::MoveScreen, 0, "<MMS:", {Coord(), Sep(','), Coord(), Close()}},
    {G::Keys, K::MoveWindow, 0, "<MMW:", {Coord(), Sep(','), Coord(), Close()}},
    {G::Keys, K::MoveBy, 0, "<MMP:", {Coord(), Sep(','), Coord(), Close()}},
    {G::Keys, K::LeftClick, 0, "<LCLK>", {}},
    {G::Keys, K::LeftDoubleClick, 0, "<LDCLK>", {}},
    {G::Keys, K::LeftDown, 0, "<LDN>", {}},
    {G::Keys, K::LeftUp, 0, "<LUP>", {}},
    {G::Keys, K::RightClick, 0, "<RCLK>", {}},
    {G::Keys, K::RightDoubleClick, 0, "<RDCLK>", {}},
    {G::Keys, K::RightDown, 0, "<RDN>", {}},
    {G::Keys, K::RightUp, 0, "<RUP>", {}},
    {G::Keys, K::MiddleClick, 0, "<MCLK>", {}},
    {G::Keys, K::MiddleDoubleClick, 0, "<MDCLK>", {}},
    {G::Keys, K::MiddleDown, 0, "<MDN>", {}},
    {G::Keys, K::MiddleUp, 0, "<MUP>", {}},
    {G::Keys, K::WheelForward, 0, "<WFW:", {Num(3), Close()}},
    {G::Keys, K::WheelBackward, 0, "<WBW:", {Num(3), Close()}},
    {G::Keys, K::RightMouse, 0, "<RIGHT MOUSE>", {}},
    {G::Keys, K::MiddleMouse, 0, "<MIDDLE MOUSE>", {}},

    // Windows and programs.
    {G::Window, K::Activate, 0, "<ACTIVATE:", {Title()}},
    {G::Window, K::WindowMax, 0, "<WMAX:", {Title()}},
    {G::Window, K::WindowMin, 0, "<WMIN:", {Title()}},
    {G::Window, K::WindowRestore, 0, "<WRES:", {Title()}},
    {G::Window, K::WindowClose, 0, "<WCLS:", {Title()}},
    {G::Window, K::WindowHide, 0, "<WHIDE:", {Title()}},
    {G::Window, K::WindowShow, 0, "<WSHOW:", {Title()}},
    {G::Window, K::WindowShut, 0, "<WSHUT:", {Title()}},
    {G::Window, K::WindowSize, 0, "<WSIZE:", {Num(4), Sep(','), Num(4), Title()}},
    {G::Window, K::WindowPos, 0, "<WPOS:", {Num(4), Sep(','), Num(4), Title()}},
    {G::Window, K::WindowPos2, 0, "<WPOS2:", {Coord(), Sep(','), Coord(), Title()}},
    {G::Window, K::Launch, 0, "<LAUNCH:", {Launch()}},
    {G::Window, K::LaunchNo, 0, "<LAUNCHNO:", {Num(2), Title('<'), Lit("LAUNCH:"), Launch()}},
    {G::Window, K::LaunchYes, 0, "<LAUNCHYES:", {Num(2), Title('<'), Lit("LAUNCH:"), Launch()}},

    // Waits.
    {G::Wait, K::WaitWindow, 0, "<WAITWIN:", {Num(3), Sep(':'), Text()}},
    {G::Wait, K::WaitLoseFocus, 0, "<WAITWLF:", {Num(3), Sep(':'), Text()}},
    {G::Wait, K::WaitProgram, 0, "<WAITPROG:", {Num(3), Sep(':'), Text()}},
    {G::Wait, K::WaitTextCase, 0, "<WAITTXTY:", {Num(3), Sep(':'), Text()}},
    {G::Wait, K::WaitTextNoCase, 0, "<WAITTXTN:", {Num(3), Sep(':'), Text()}},
    {G::Wait, K::WaitKey, 0, "<WAITKEY:", {Num(3), Sep(':'), KeyNumber()}},
    {G::Wait, K::WaitLeftClick, 0, "<WAITLM:", {Num(3), LooseClose()}},
    {G::Wait, K::WaitRightClick, 0, "<WAITRM:", {Num(3), LooseClose()}},
    {G::Wait, K::WaitMiddleClick, 0, "<WAITMM:", {Num(3), LooseClose()}},
    {G::Wait, K::WaitPlayback, 0, "<WAITPB>", {}},

    // Flow, timing and macro control.
    {G::Flow, K::Repeat, 0, "<REPEAT:", {Num(4), Close()}},
    {G::Flow, K::RepeatCounter, 0, "<REP:", {Num(4), Sep(':'), Num(6), Sep(':'), Num(6), Close()}},
    {G::Flow, K::PromptRepeat, 0, "<PROMPTREP>", {}},
    {G::Flow, K::EndRepeat, 0, "<ENDREP>", {}},
    {G::Flow, K::Counter, 1, "<I>", {}},
    {G::Flow, K::Counter, 2, "<II>", {}},
    {G::Flow, K::Counter, 3, "<III>", {}},
    {G::Flow, K::Counter, 4, "<IIII>", {}},
    {G::Flow, K::Pause, 0, "<PAUSE>", {}},
    {G::Flow, K::PauseAt, 0, "<PAUSE:", {Num(3), Sep(','), Num(3), Text()}},
    {G::Flow, K::Delay, 0, "<DELAY:", {Real(), Close()}},
    {G::Flow, K::DelayMs, 0, "<MSD:", {Num(4), Close()}},
    {G::Flow, K::Speed, 0, "<SPEED:", {Real(), Close()}},
    {G::Flow, K::KeystrokeDelay, 0, "<SPKEY:", {Num(4), Close()}},
    {G::Flow, K::MouseDelay, 0, "<SPMSE:", {Num(4), Close()}},
    {G::Flow, K::Remark, 0, "<REM:", {Text()}},
    {G::Flow, K::TextBox, 0, "<TBOX:<HEAD:", {Text(), Text()}},
    {G::Flow, K::MacroRun, 0, "<MACRUN:", {Text()}},
    {G::Flow, K::MacroDelete, 0, "<MACDEL:", {Text()}},
    {G::Flow, K::MacroActivate, 0, "<MACACT:", {Text()}},
    {G::Flow, K::MacroDeactivate, 0, "<MACDEACT:", {Text()}},
    {G::Flow, K::SwapFile, 0, "<SWAP:", {Text()}},

    // Clipboard, files, web, Explorer.
    {G::Clipboard, K::ClipCopy, 0, "<CLIPC>", {}},
    {G::Clipboard, K::ClipPaste, 0, "<CLIPP>", {}},
    {G::Clipboard, K::BeginClip, 0, "<BEGCLIP>", {}},
    {G::Clipboard, K::EndClip, 0, "<ENDCLIP>", {}},
    {G::Clipboard, K::ClipType, 0, "<CLIPTYPE>", {}},
    {G::Clipboard, K::ClipTypeIgnoreLines, 0, "<CLIPTYPEI>", {}},
    {G::Clipboard, K::ClipFile, 0, "<CLIPF:", {Text()}},
    {G::Clipboard, K::ClipBitmap, 0, "<CLIPB:", {Text()}},
    {G::Sound, K::Beep, 0, "<BEEP>", {}},
    {G::Sound, K::WaveWait, 0, "<WAV1:", {Text()}},
    {G::Sound, K::WaveNoWait, 0, "<WAV2:", {Text()}},
    {G::File, K::TextFile, 0, "<TFILE:", {Text()}},
    {G::File, K::ChangeDir, 0, "<CHDIR:", {Text()}},
    {G::File, K::MakeDir, 0, "<MKDIR:", {Text()}},
    {G::File, K::DeleteFile, 0, "<DELFILE:", {Text()}},
    {G::File, K::CopyFile, 0, "<COPYFILE:", {Text(';'), Text()}},
    {G::File, K::RenameFile, 0, "<RENFILE:", {Text(';'), Text()}},
    {G::File, K::Http, 0, "<HTTP:", {Text()}},
    {G::File, K::Ftp, 0, "<FTP:", {Text()}},
    {G::File, K::Explore, 0, "<EXPLORE:", {Text()}},
    {G::Desktop, K::ExploreFolder, 0, "<EXPCP>", {}},
    {G::Desktop, K::ExploreFolder, 1, "<EXPDT>", {}},
    {G::Desktop, K::ExploreFolder, 2, "<EXPDP>", {}},
    {G::Desktop, K::ExploreFolder, 3, "<EXPFV>", {}},
    {G::Desktop, K::ExploreFolder, 4, "<EXPFT>", {}},
    {G::Desktop, K::ExploreFolder, 5, "<EXPMC>", {}},
    {G::Desktop, K::ExploreFolder, 6, "<EXPNW>", {}},
    {G::Desktop, K::ExploreFolder, 7, "<EXPPR>", {}},
    {G::Desktop, K::ExploreFolder, 8, "<EXPPF>", {}},
    {G::Desktop, K::ExploreFolder, 9, "<EXPRD>", {}},
    {G::Desktop, K::ExploreFolder, 10, "<EXPRB>", {}},
    {G::Desktop, K::ExploreFolder, 11, "<EXPSM>", {}},
    {G::Desktop, K::ExploreFolder, 12, "<EXPSU>", {}},
    {G::Desktop, K::ExploreFolder, 13, "<EXPUD>", {}},

    // System and desktop.
    {G::Desktop, K::RunDateTime, 0, "<RUNDT>", {}},
    {G::Desktop, K::RunFindComputer, 0, "<RUNFC>", {}},
    {G::Desktop, K::RunFindFiles, 0, "<RUNFF>", {}},
    {G::Desktop, K::RunProgram, 0, "<RUNRP>", {}},
    {G::Desktop, K::Cascade, 0, "<CASCDESK>", {}},
    {G::Desktop, K::TileVertical, 0, "<TILVDESK>", {}},
    {G::Desktop, K::TileHorizontal, 0, "<TILHDESK>", {}},
    {G::Desktop, K::MinimizeAll, 0, "<MINIDESK>", {}},
    {G::Desktop, K::RestoreAll, 0, "<RESTDESK>", {}},
    {G::System, K::LogOff, 0, "<LOGOFF>", {}},
    {G::System, K::Reboot, 0, "<REBOOT>", {}},
    {G::System, K::Shutdown, 0, "<SHUTDOWN>", {}},
    {G::System, K::PowerOff, 0, "<POWEROFF>", {}},
    {G::Desktop, K::Suspend, 0, "<SUSPEND>", {}},
    {G::Desktop, K::Undock, 0, "<UNDOCK>", {}},
    {G::Desktop, K::HideTaskBar, 0, "<HIDETASK>", {}},
    {G::Desktop, K::ShowTaskBar, 0, "<SHOWTASK>", {}},
    {G::System, K::ScreenSaverOn, 0, "<SSON>", {}},
    {G::System, K::ScreenSaverOff, 0, "<SSOFF>", {}},
    {G::System, K::ScreenSaverTime, 0, "<SSTIME:", {Num(2), Close()}},
    {G::System, K::KeyboardSpeed, 0, "<KEYSPD:", {Num(2), Close()}},
    {G::System, K::KeyboardDelay, 0, "<KEYDEL:", {Num(1), Close()}},
    {G::System, K::BorderWidth, 0, "<WBSIZE:", {Num(2), Close()}},
    {G::System, K::WallpaperTile, 0, "<WALLT:", {Text()}},
    {G::System, K::WallpaperCentre, 0, "<WALLC:", {Text()}},
    {G::System, K::WallpaperStretch, 0, "<WALLS:", {Text()}},
    {G::System, K::WallpaperAt, 0, "<WALLP:", {Num(4), Sep(','), Num(4), Text()}},
    {G::System, K::ScreenMode, 0, "<SCREEN:", {Num(3), Close()}},
    {G::System, K::DefaultPrinter, 0, "<DEFPRT:", {Text()}},

    // Network and dial-up.
    {G::Network, K::NetConnect, 0, "<NWC",
     {Flags("PS"), Sep(':'), Lit("<NAME:"), Text(), Lit("<PASS:"), Text(), Text()}},
    {G::Network, K::NetToggle, 0, "<NWT",
     {Flags("PS"), Sep(':'), Lit("<NAME:"), Text(), Lit("<PASS:"), Text(), Text()}},
    {G::Network, K::NetDisconnect, 0, "<NWD", {Flags("PFS"), Sep(':'), Text()}},
    {G::Network, K::Dial, 0, "<DIAL:<NAME:", {Text(), Lit("<PASS:"), Text(), Text()}},
    {G::Network, K::HangUp, 0, "<HANG>", {}},

    // Audio CD, video, volume.
    {G::Sound, K::CdPlay, 0, "<CDPLAY>", {}},
    {G::Sound, K::CdStop, 0, "<CDSTOP>", {}},
    {G::Sound, K::CdPause, 0, "<CDPAUSE>", {}},
    {G::Sound, K::CdNext, 0, "<CDNEXT>", {}},
    {G::Sound, K::CdPrevious, 0, "<CDPREV>", {}},
    {G::Sound, K::CdEject, 0, "<CDEJECT>", {}},
    {G::Sound, K::CdClose, 0, "<CDCLOSE>", {}},
    {G::Sound, K::CdGoto, 0, "<CDGOTO:", {Num(2), Close()}},
    {G::Sound, K::CdStep, 0, "<CDSTEP:", {Num(2), Close()}},
    {G::Sound, K::CdBack, 0, "<CDBACK:", {Num(2), Close()}},
    {G::Sound, K::Avi, 0, "<AVI:", {Text()}},
    {G::Sound, K::AviNow, 0, "<AVII:", {Text()}},
    {G::Sound, K::AviClose, 0, "<AVIE:", {Text()}},
    {G::Sound, K::AudioOff, 0, "<AUDOFF>", {}},
    {G::Sound, K::AudioOn, 0, "<AUDON>", {}},
    {G::Sound, K::AudioUp, 0, "<AUDUP>", {}},
    {G::Sound, K::AudioDown, 0, "<AUDDOWN>", {}},
    {G::Sound, K::AudioMute, 0, "<AUDMUTE>", {}},
    {G::Sound, K::AudioLeft, 0, "<AUDLEFT>", {}},
    {G::Sound, K::AudioRight, 0, "<AUDRIGHT>", {}},
    {G::Sound, K::AudioCentre, 0, "<AUDCENTER>", {}},
    {G::Sound, K::TrebleUp, 0, "<TREBUP>", {}},
    {G::Sound, K::TrebleDown, 0, "<TREBDOWN>", {}},
    {G::Sound, K::BassUp, 0, "<BASSUP>", {}},
    {G::Sound, K::BassDown, 0, "<BASSDOWN>", {}},
    {G::Sound, K::MidiOff, 0, "<MIDIOFF>", {}},
    {G::Sound, K::MidiOn, 0, "<MIDION>", {}},
    {G::Sound, K::MidiUp, 0, "<MIDIUP>", {}},
    {G::Sound, K::MidiDown, 0, "<MIDIDOWN>", {}},
    {G::Sound, K::MidiMute, 0, "<MIDIMUTE>", {}},
    {G::Sound, K::MidiLeft, 0, "<MIDILEFT>", {}},
    {G::Sound, K::MidiRight, 0, "<MIDIRIGHT>", {}},
    {G::Sound, K::MidiCentre, 0, "<MIDICENTER>", {}},

    // Reserved.
    {G::Flow, K::EmptyBin, 0, "<EMPTYBIN>", {}},
    {G::Flow, K::Test, 0, "<TEST>", {}},
};

// Every layout must fit the slots of TagFields.
constexpr bool FitsTagFields(const Row& row) {
    int numbers = 0, letters = 0, texts = 0;
    for (const FieldLayout& f : row.Fields) {
        switch (f.Type) {
            case FieldType::Number: case FieldType::Signed: case FieldType::KeyNumber:
                ++numbers; break;
            case FieldType::Letter: case FieldType::Choice: ++letters; break;
            case FieldType::Text: case FieldType::Title: ++texts; break;
            case FieldType::LaunchText: texts += 2; break;
            default: break;
        }
    }
    return numbers <= 3 && letters <= 2 && texts <= 3;
}
constexpr bool AllFit() {
    for (const Row& row : kRows)
        if (!FitsTagFields(row)) return false;
    return true;
}
static_assert(AllFit(), "a tag layout has more fields than TagFields holds");

constexpr size_t kKinds = static_cast<size_t>(TagKind::Count);

// The group of every kind as the rows give it, and the date and time tags'.
constexpr std::array<CommandGroup, kKinds> GroupsOfKinds() {
    std::array<CommandGroup, kKinds> groups{};
    for (size_t k = 0; k < kKinds; ++k) groups[k] = G::Count;
    for (const Row& row : kRows) groups[static_cast<size_t>(row.Kind)] = row.Group;
    groups[static_cast<size_t>(K::DateTag)] = kDateTimeGroup;
    groups[static_cast<size_t>(K::TimeTag)] = kDateTimeGroup;
    return groups;
}
constexpr std::array<CommandGroup, kKinds> kGroupOfKind = GroupsOfKinds();

// Every kind but Literal has rows (or format codes), and all rows of a kind
// name the same group: each kind is played by exactly one group.
constexpr bool EveryKindInOneGroup() {
    std::array<bool, kKinds> hasRow{};
    for (const Row& row : kRows) {
        const size_t k = static_cast<size_t>(row.Kind);
        if (row.Kind == K::Literal || row.Kind == K::DateTag || row.Kind == K::TimeTag ||
            row.Group == G::Count || row.Group != kGroupOfKind[k])
            return false;
        hasRow[k] = true;
    }
    hasRow[static_cast<size_t>(K::DateTag)] = hasRow[static_cast<size_t>(K::TimeTag)] = true;
    for (size_t k = 1; k < kKinds; ++k)
        if (!hasRow[k] || kGroupOfKind[k] == G::Count) return false;
    return kGroupOfKind[static_cast<size_t>(K::Literal)] == G::Count;
}
static_assert(EveryKindInOneGroup(),
              "a tag kind has no row, or its rows name different command groups");

bool IsFixedWidth(FieldType t) {
    switch (t) {
        case FieldType::Number: case FieldType::Signed: case FieldType::Real:
        case FieldType::Separator: case FieldType::Letter: case FieldType::Choice:
        case FieldType::Literal: case FieldType::Close: case FieldType::LooseClose:
            return true;
        default:
            return false;
    }
}

size_t WidthOf(const FieldLayout& f) {
    return f.Type == FieldType::Literal ? std::strlen(f.Chars) : f.Width;
}

TagPattern MakePattern(CommandGroup group, TagKind kind, int index, std::string keyword,
                       std::vector<FieldLayout> fields) {
    TagPattern p;
    p.Group = group;
    p.Kind = kind;
    p.Index = index;
    p.Keyword = std::move(keyword);
    p.Fields = std::move(fields);
    p.FixedWidth = true;
    size_t offset = p.Keyword.size();
    for (const FieldLayout& f : p.Fields) {
        if (!IsFixedWidth(f.Type)) p.FixedWidth = false;
        offset += WidthOf(f);
    }
    p.EndOffset = p.FixedWidth ? offset - 1 : 0;
    return p;
}

std::vector<TagPattern> BuildTable() {
    std::vector<TagPattern> table;
    for (const Row& row : kRows) {
        std::vector<FieldLayout> fields;
        for (const FieldLayout& f : row.Fields)
            if (f.Type != FieldType::None) fields.push_back(f);
        table.push_back(
            MakePattern(row.Group, row.Kind, row.Index, row.Keyword, std::move(fields)));
    }
    // "<code{" then Y/N, F/P, three digits of days, "}>"; the closing
    // characters are not tested.
    for (size_t i = 0; i < kDateFormatCodes.size(); ++i) {
        TagPattern p = MakePattern(
            kDateTimeGroup, K::DateTag, static_cast<int>(i),
            std::string("<") + kDateFormatCodes[i] + "{",
            {Letter("NY"), Letter("FP"), Num(3), Sep('}'), LooseClose()});
        p.ShortDateForm = true;
        table.push_back(std::move(p));
    }
    // "<code{N}>" or "<code{Y}>", compared exactly.
    for (size_t i = 0; i < kTimeFormatCodes.size(); ++i)
        table.push_back(MakePattern(kDateTimeGroup, K::TimeTag, static_cast<int>(i),
                                    std::string("<") + kTimeFormatCodes[i] + "{",
                                    {Choice("NY"), Lit("}"), Close()}));
    return table;
}

}  // namespace

const std::vector<TagPattern>& TagTable() {
    static const std::vector<TagPattern> table = BuildTable();
    return table;
}

const TagPattern* FindTagPattern(TagKind kind, int index) {
    // The first pattern of each kind; a family's members follow it in index order.
    static const std::vector<int> first = [] {
        std::vector<int> v(static_cast<size_t>(TagKind::Count), -1);
        const auto& table = TagTable();
        for (size_t i = table.size(); i-- > 0;) v[static_cast<size_t>(table[i].Kind)] = int(i);
        return v;
    }();
    size_t k = static_cast<size_t>(kind);
    if (k >= first.size() || first[k] < 0) return nullptr;
    const auto& table = TagTable();
    const TagPattern& head = table[first[k]];
    size_t at = static_cast<size_t>(first[k]) + static_cast<size_t>(index - head.Index);
    if (index < head.Index || at >= table.size() || table[at].Kind != kind ||
        table[at].Index != index)
        return nullptr;
    return &table[at];
}

CommandGroup CommandGroupOf(TagKind kind) {
    const size_t k = static_cast<size_t>(kind);
    return k < kKinds ? kGroupOfKind[k] : CommandGroup::Count;
}

}  // namespace tavrin
